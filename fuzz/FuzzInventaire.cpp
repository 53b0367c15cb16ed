// Arbitrary bytes as the inventory's object file (".inv"): the categories and objects are
// read over those already there, every object is found once, then each category's list is
// walked, its selection's image read and the list drawn, an object used and one given back.
#include "characters/Inventaire.h"
#include "core/Dec.h"
#include "core/Sprite.h"

#include "FuzzOutils.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    fuzz::preparer();
    static sf::RenderTexture* cible = [] {
        auto* r = new sf::RenderTexture;
        r->create(64, 64);
        return r;
    }();
    static CInventaire* inventaire = new CInventaire;
    CInventaire& inv = *inventaire;
    const std::string entree = fuzz::ecrireEntree("objets.inv", donnees, taille);
    inv.lireObjets(entree);
    std::vector<std::string> noms;
    for (const auto& [nom, o] : inv.objets)
        if (noms.size() < 16)
            noms.push_back(nom);
    for (const std::string& nom : noms) {
        CDEC banque;
        banque.nom = nom;
        CSPRITE sd;
        sd.pDEC = &banque;
        inv.objetTrouve(&sd);
        sd.pDEC = nullptr;
    }
    for (int c = -1; c <= static_cast<int>(inv.categories.size()) && c < 8; ++c) {
        inv.categorieCourante = c;
        inv.colonne = 1;
        inv.compterObjets();
        for (inv.objetCourant = -1; inv.objetCourant <= inv.nbObjetsCategorie && inv.objetCourant < 4; ++inv.objetCourant) {
            inv.chargerSprites();
            inv.positionCurseur();
        }
        inv.objetCourant = 0;
        inv.chargerSprites();
        inv.dessinerListe(*cible);
        inv.dessinerDecouverte(*cible);
        inv.utiliserObjet();
        if (!noms.empty())
            inv.retirerObjet(noms.front());
    }
    inv.categorieCourante = inv.objetCourant = inv.colonne = 0;
    return 0;
}
