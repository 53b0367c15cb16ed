#pragma once
// The inventory of found objects, held by the menu object. Levels hide objects in breakable
// decor sprites whose definition id names an object of "./objets/inventaire.inv"; breaking one
// counts the object and shows a discovery message for three seconds. The menus list the
// objects held by category and use them. Counts live in memory only.
#include "characters/FichierValeurs.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Text.hpp>
#include <SFML/System/Vector2.hpp>

#include <functional>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CDEC;
class CSPRITE;
namespace sf { class RenderTarget; }

struct ObjetInventaire {
    std::string nom;
    int categorie = 0;  // index in CInventaire::categories
    int nombre = 0;     // how many are held
    bool drapeau = false;
    std::wstring nomAffiche;
    std::wstring description;
    std::string fichier;  // the ".dec" of its image
    std::wstring nomAfficheEn, descriptionEn;  // the English texts; empty: the French ones
};

class CInventaire : public CFichierValeurs {
public:
    static constexpr const char* FICHIER = "./objets/inventaire.inv";
    static constexpr const char* FICHIER_TROUVE = "./objets/trouve.dec";
    static constexpr const char* FICHIER_POLICE = "./polices/SF_Minced_Meat.ttf";

    // Reads the font, the object file and the discovery animation; anything missing leaves
    // that part empty, with nothing reported.
    CInventaire();
    ~CInventaire() override;

    // Reads the categories, the discovery text and the objects (cleared first); 0.
    int lireObjets(const std::string& fichier);
    // nbObjetsCategorie: the held objects of the selected category.
    void compterObjets();
    // The broken decor sprite stands for an object: it is counted, the sprite goes and the
    // discovery message starts. A sprite that names no object changes nothing.
    void objetTrouve(CSPRITE* sd);
    // The image of the selected object.
    void chargerSprites();
    // One of that object less; the selection stays on a held object. An unknown name does
    // nothing.
    void retirerObjet(const std::string& nom);
    // Uses the selected object on the player: "BONMIAM" and "MOUSSE" heal.
    void utiliserObjet();
    // The discovery message, once per frame while it lasts (window pixels).
    void dessinerDecouverte(sf::RenderTarget& fenetre);
    // The inventory screen's two columns and the selected object (window pixels), each text
    // through `dessinerTexte` when given.
    void dessinerListe(sf::RenderTarget& fenetre, const std::function<void(sf::Text&)>& dessinerTexte = {});
    // Where the menu draws its cursor: beside the selected category or object.
    sf::Vector2f positionCurseur() const;
    // The selected object (the objetCourant-th held one of the selected category); null none.
    ObjetInventaire* objetSelectionne();

    sf::Text texte;
    sf::Font police;
    std::unique_ptr<CDEC> pDecObjet;
    std::unique_ptr<CSPRITE> pSpriteObjet;
    std::unique_ptr<CDEC> pDecTrouve;
    std::unique_ptr<CSPRITE> pSpriteTrouve;
    int compteurDecouverte = 0;
    int colonne = 0;  // 0 categories, 1 objects
    std::vector<std::wstring> categories;
    int categorieCourante = 0;
    std::wstring messageDecouverte;
    std::string nomObjet;
    std::map<std::string, ObjetInventaire> objets;
    int objetCourant = 0;
    int nbObjetsCategorie = 0;
    // The texts shown are the English ones ("CAT_EN", "MESSAGE_DECOUVERTE_EN" and "OBJ_EN"
    // lines) where the file gives them; the menu object sets it with its language.
    bool bAnglais = false;
    std::vector<std::wstring> categoriesEn;
    std::wstring messageDecouverteEn;

private:
    // The held objects of the selected category, in name order.
    std::vector<ObjetInventaire*> objetsCategorie();
    void ligne(sf::RenderTarget& cible, const sf::String& chaine, float x, float y, unsigned taille, sf::Color couleur,
               const std::function<void(sf::Text&)>& dessinerTexte = {});
    const std::wstring& traduit(const std::wstring& francais, const std::wstring& anglais) const
    {
        return bAnglais && !anglais.empty() ? anglais : francais;
    }
    std::wstring nomCategorie(size_t i) const
    {
        return traduit(categories[i], i < categoriesEn.size() ? categoriesEn[i] : std::wstring());
    }
    void ligneDouble(sf::RenderTarget& cible, const sf::String& chaine, unsigned taille);
    std::wstring valeurW() { return manque() ? std::wstring() : getValueW(); }
    // Frames of the discovery message, and of its first text.
    int dureeDecouverte = 90;
};
