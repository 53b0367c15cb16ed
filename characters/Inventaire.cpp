// The inventory of found objects: the object file, finds, the selection's image, use, and the
// discovery message and list drawn over the window.
#include "characters/Inventaire.h"

#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/Sprite.h"
#include "core/Texte.h"

#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>

namespace {

constexpr int DUREE_DECOUVERTE = 90, DUREE_MESSAGE = 20;  // frames at 30 per second
const sf::Vector2f POSITION_TROUVE(450, 320);
const sf::Vector2f POSITION_OBJET(160, 400);
const sf::Vector2f POSITION_TEXTE(529, 411);  // then its shadow one pixel lower right
constexpr unsigned TAILLE_MESSAGE = 22, TAILLE_NOM = 18;
const sf::Color COULEUR_TEXTE(255, 255, 255, 200), COULEUR_OMBRE(255, 100, 100, 200);
const sf::Color COULEUR_CHOIX(200, 200, 200, 255), COULEUR_AUTRE(100, 100, 100, 255);
const sf::Color COULEUR_DESCRIPTION(120, 120, 120, 255);
// The two columns of the inventory screen.
constexpr float X_CATEGORIES = 200, X_OBJETS = 450, Y_LISTE = 150;
constexpr float PAS_CATEGORIES = 30, PAS_OBJETS = 28;
constexpr float X_CURSEUR_CATEGORIES = 170, X_CURSEUR_OBJETS = 430;
const sf::Vector2f POSITION_NOM_CHOISI(370, 475), POSITION_DESCRIPTION(370, 500);

// A bank read from a ".dec" file with a sprite on it at pos; both stay null when the file is
// missing or unreadable.
void chargerImage(const std::string& fichier, const std::string& nom, sf::Vector2f pos,
                  std::unique_ptr<CDEC>& banque, std::unique_ptr<CSPRITE>& sprite)
{
    sprite.reset();
    banque.reset();
    if (fichier.empty() || !tuv::fichierExiste(fichier))
        return;
    auto b = std::make_unique<CDEC>();
    b->nom = nom;
    if (!b->pFichierDEC || !b->pFichierDEC->chargerDEC(fichier, b.get()))
        return;
    banque = std::move(b);
    sprite = std::make_unique<CSPRITE>();
    sprite->pDEC = banque.get();
    sprite->placer(0, tuv::floatVersInt(pos.x), tuv::floatVersInt(pos.y));
}

void animerEtDessiner(CSPRITE* s, sf::RenderTarget& cible)
{
    if (!s)
        return;
    s->animer(-1);
    s->dessinerImage(cible, 0, 0);
}

} // namespace

CInventaire::CInventaire()
{
    if (tuv::chargerMedia(police, FICHIER_POLICE)) {
        texte.setFont(police);
        texte.setStyle(sf::Text::Regular);
    }
    lireObjets(FICHIER);
    compterObjets();
    chargerImage(FICHIER_TROUVE, "TROUVE", POSITION_TROUVE, pDecTrouve, pSpriteTrouve);
}

CInventaire::~CInventaire() = default;

int CInventaire::lireObjets(const std::string& fichier)
{
    categories.clear();
    categoriesEn.clear();
    messageDecouverteEn.clear();
    objets.clear();
    if (!tuv::fichierExiste(fichier) || !open(fichier, false))
        return 0;
    notes.commencer(fichier);
    verifierDans(&notes);
    for (std::string cle = getKey(); !cle.empty(); cle = getKey()) {
        if (cle == "CAT") {
            valeurEntier();  // read and not used
            categories.push_back(valeurW());
        } else if (cle == "MESSAGE_DECOUVERTE") {
            messageDecouverte = valeurW();
        } else if (cle == "OBJ") {
            ObjetInventaire o;
            o.nom = valeur();
            o.categorie = valeurEntier();
            o.nomAffiche = valeurW();
            o.description = valeurW();
            o.fichier = valeur();
            objets[o.nom] = o;
        } else if (cle == "CAT_EN") {
            const int i = valeurEntier();
            if (i >= 0 && i < static_cast<int>(categories.size())) {
                categoriesEn.resize(categories.size());
                categoriesEn[static_cast<size_t>(i)] = valeurW();
            } else {
                ligneIgnoree("catégorie " + tuv::itos(i) + " absente des CAT qui précèdent");
            }
        } else if (cle == "MESSAGE_DECOUVERTE_EN") {
            messageDecouverteEn = valeurW();
        } else if (cle == "OBJ_EN") {
            // After the object's own line, which it completes.
            const std::string nom = valeur();
            const auto it = objets.find(nom);
            if (it != objets.end()) {
                it->second.nomAfficheEn = valeurW();
                it->second.descriptionEn = valeurW();
            } else {
                ligneIgnoree("objet " + nom + " absent des OBJ qui précèdent");
            }
        } else {
            cleNonPrise();
        }
    }
    close();
    notes.direUneFois("Inventaire : ");
    return 0;
}

std::vector<ObjetInventaire*> CInventaire::objetsCategorie()
{
    std::vector<ObjetInventaire*> r;
    for (auto& [nom, o] : objets)
        if (o.categorie == categorieCourante && o.nombre > 0)
            r.push_back(&o);
    return r;
}

void CInventaire::compterObjets() { nbObjetsCategorie = static_cast<int>(objetsCategorie().size()); }

ObjetInventaire* CInventaire::objetSelectionne()
{
    const std::vector<ObjetInventaire*> liste = objetsCategorie();
    if (objetCourant < 0 || objetCourant >= static_cast<int>(liste.size()))
        return nullptr;
    return liste[static_cast<size_t>(objetCourant)];
}

void CInventaire::objetTrouve(CSPRITE* sd)
{
    if (!sd)
        return;
    std::string id = sd->getIdDEC();
    if (id.empty() && sd->pDEC)
        id = sd->pDEC->nom;
    auto it = objets.find(id);
    if (it == objets.end())
        return;
    ++it->second.nombre;
    sd->setVisible(false);
    compterObjets();
    nomObjet = id;
    // Three seconds at every frame rate.
    const float c = coefficientTemps();
    dureeDecouverte = std::max(1, tuv::floatVersInt(DUREE_DECOUVERTE / c));
    compteurDecouverte = dureeDecouverte;
}

void CInventaire::chargerSprites()
{
    pSpriteObjet.reset();
    pDecObjet.reset();
    ObjetInventaire* o = objetSelectionne();
    if (!o || o->fichier.empty())
        return;
    chargerImage(o->fichier, o->nom, POSITION_OBJET, pDecObjet, pSpriteObjet);
    nomObjet = o->nom;
}

void CInventaire::retirerObjet(const std::string& nom)
{
    auto it = objets.find(nom);
    if (it == objets.end() || it->second.nombre <= 0)
        return;
    if (--it->second.nombre > 0)
        return;
    compterObjets();
    if (nbObjetsCategorie > 0 && objetCourant >= nbObjetsCategorie)
        --objetCourant;
    if (nbObjetsCategorie <= 0) {
        colonne = 0;
        objetCourant = 0;
    }
    chargerSprites();
}

void CInventaire::utiliserObjet()
{
    MondeJeu* jeu = faceJeu::monde();
    CPerso* joueur = jeu ? jeu->pPerso.get() : nullptr;
    ObjetInventaire* o = objetSelectionne();
    if (!joueur || !o)
        return;
    int soin = 0;
    if (o->nom == "BONMIAM")
        soin = 10;
    else if (o->nom == "MOUSSE")
        soin = 25;
    else
        return;
    joueur->vie = std::max(joueur->vie, std::min(joueur->vie + soin, joueur->vieMax));
    retirerObjet(o->nom);
}

void CInventaire::ligne(sf::RenderTarget& cible, const sf::String& chaine, float x, float y, unsigned taille,
                        sf::Color couleur, const std::function<void(sf::Text&)>& dessinerTexte)
{
    texte.setString(chaine);
    texte.setCharacterSize(taille);
    texte.setFillColor(couleur);
    texte.setPosition(x, y);
    if (dessinerTexte)
        dessinerTexte(texte);
    else
        cible.draw(texte);
}

void CInventaire::ligneDouble(sf::RenderTarget& cible, const sf::String& chaine, unsigned taille)
{
    ligne(cible, chaine, POSITION_TEXTE.x, POSITION_TEXTE.y, taille, COULEUR_TEXTE);
    ligne(cible, chaine, POSITION_TEXTE.x + 1, POSITION_TEXTE.y + 1, taille, COULEUR_OMBRE);
}

void CInventaire::dessinerDecouverte(sf::RenderTarget& fenetre)
{
    if (compteurDecouverte <= 0)
        return;
    animerEtDessiner(pSpriteTrouve.get(), fenetre);
    const int dureeMessage = imagesAuTaux(DUREE_MESSAGE);
    if (compteurDecouverte > dureeDecouverte - dureeMessage) {
        ligneDouble(fenetre, traduit(messageDecouverte, messageDecouverteEn), TAILLE_MESSAGE);
    } else if (!nomObjet.empty()) {
        auto it = objets.find(nomObjet);
        const ObjetInventaire* o = it == objets.end() ? nullptr : &it->second;
        ligneDouble(fenetre, o ? traduit(o->nomAffiche, o->nomAfficheEn) : std::wstring(), TAILLE_NOM);
    }
    --compteurDecouverte;
}

void CInventaire::dessinerListe(sf::RenderTarget& fenetre, const std::function<void(sf::Text&)>& dessinerTexte)
{
    const std::vector<ObjetInventaire*> liste = objetsCategorie();
    if (objetCourant >= 0 && objetCourant < static_cast<int>(liste.size()))
        animerEtDessiner(pSpriteObjet.get(), fenetre);
    for (size_t i = 0; i < categories.size(); ++i) {
        const bool choisie = static_cast<int>(i) == categorieCourante;
        ligne(fenetre, nomCategorie(i), X_CATEGORIES, Y_LISTE + PAS_CATEGORIES * static_cast<float>(i),
              choisie ? 20 : 14, choisie ? COULEUR_CHOIX : COULEUR_AUTRE, dessinerTexte);
    }
    for (size_t j = 0; j < liste.size(); ++j) {
        const ObjetInventaire& o = *liste[j];
        const bool choisi = static_cast<int>(j) == objetCourant;
        const std::wstring& nom = traduit(o.nomAffiche, o.nomAfficheEn);
        ligne(fenetre, nom + L"  [ " + std::to_wstring(o.nombre) + L" ]", X_OBJETS,
              Y_LISTE + PAS_OBJETS * static_cast<float>(j), choisi ? 16 : 12, choisi ? COULEUR_CHOIX : COULEUR_AUTRE,
              dessinerTexte);
        if (choisi) {
            ligne(fenetre, nom, POSITION_NOM_CHOISI.x, POSITION_NOM_CHOISI.y, 16, COULEUR_CHOIX, dessinerTexte);
            ligne(fenetre, traduit(o.description, o.descriptionEn), POSITION_DESCRIPTION.x, POSITION_DESCRIPTION.y, 14,
                  COULEUR_DESCRIPTION, dessinerTexte);
        }
    }
}

sf::Vector2f CInventaire::positionCurseur() const
{
    if (colonne == 0)
        return {X_CURSEUR_CATEGORIES, Y_LISTE + PAS_CATEGORIES * static_cast<float>(categorieCourante)};
    return {X_CURSEUR_OBJETS, Y_LISTE + PAS_OBJETS * static_cast<float>(objetCourant)};
}
