#pragma once
// What the level editor's two pickers share (the decor picker CSFMLJeuChoixDec and the
// character picker CSFMLJeuChoixPer): the listing of one folder's definition files, paging
// through them, the preview in the image control (a still frame, or an animated sprite
// filling the control's height), the value fields and the three lines of text on the dark
// band above the paging buttons.
//
// Invariants the level editor relies on: pDEC is null exactly when the list is empty, and
// numFichier stays within 0 .. nbFichiers - 1 (0 for an empty list).
#include "core/Services.h"
#include "gui/CPLUXDialogFile.h"

#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Text.hpp>

#include <string>
#include <vector>

class CDEC;
class CSPRITE3;

class CSFMLJeuChoix : public CPLUXDialogImage {
public:
    // Controls of the picker models.
    static constexpr const char* BOUTON_GAUCHE = "btnLeft";
    static constexpr const char* BOUTON_DROITE = "btnRight";
    static constexpr const char* SAISIE_VITESSE = "myTextInputVitesse";
    static constexpr const char* SAISIE_NUM_ANIM = "myTextInputNumAnim";
    static constexpr const char* TEXTE_NB_ANIMS = "myTextNbAnims";
    // The preview starts under the band of the three lines and the paging buttons (dialog
    // pixels under the title bar).
    static constexpr int HAUT_APERCU = 105;
    // The three lines: left and tops from the dialog's top (its title bar included).
    static constexpr int TEXTE_X = 5;
    static constexpr int TEXTE_Y[3] = {40, 60, 80};
    // Folder changes reported by the folder list.
    static constexpr int CODE_DOSSIER = 20;

    ~CSFMLJeuChoix() override;

    // Lists the folder's regular files whose name contains the picker's extension and whose
    // definition name reads non-empty (names sorted), then shows the first.
    void chargerListe(const std::string& dossier);
    // Builds the preview of fichiers[numFichier]; nothing for an empty list.
    virtual void chargerApercu() = 0;
    // One step forward (1) or back (-1) with wrap-around, then the new preview; nothing for
    // an empty list.
    void pager(int sens);
    // The still frame into the image control, or the animated sprite over it; nothing shown
    // for an empty list.
    void dessinerApercu(sf::RenderWindow* w);
    // The three lines as they are drawn: file path, definition ID, "n/N"; empty list: none.
    std::vector<std::wstring> lignesTexte() const;

    void onCreate() override;
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;

    // What the level editor places: the decor picker's definition, the character picker's
    // file and name; each empty when its picker does not exist or lists nothing.
    static ChoixEditeur choixCourant();
    // The pickers outlive the game object (the library never deletes a program's dialog):
    // main deletes both after it; each destructor clears its global.
    static void libererSelecteurs();

    sf::Sprite spriteApercu;
    CDEC* pDEC = nullptr;          // owned
    CSPRITE3* pApercu = nullptr;   // owned, built on pDEC
    std::vector<std::string> fichiers;
    int nbFichiers = 0;
    int numFichier = 0;
    sf::Font police;
    sf::Text texte;

protected:
    // extension: what a listed name must contain (".dec", ".per"); titreErreur: the title
    // of the missing-font box.
    CSFMLJeuChoix(const std::string& extension, const std::string& dossierDepart, unsigned tailleTexte,
                  const std::string& titreErreur);

    // The name a listed file must read (its ID); "" leaves the file out.
    virtual std::string nomDe(const std::string& chemin) = 0;
    // Frees the preview (and what the picker builds beside it); the image control forgets it.
    virtual void libererApercu();
    // The sprite drawn animated in the image control; null: a still frame of pApercu.
    virtual CSPRITE3* spriteAnime() const = 0;
    // The animation of pApercu the still frame advances (-1: its current one).
    virtual int animFixe() const = 0;
    // Handles a folder-change report of the folder dialog.
    void rappel(CPLUXControl* c, int code);
    // Fills the three value fields from the preview.
    void remplirValeurs();
    void remplirNumAnim();

    // Where the preview was last drawn, relative to the image control, and at what scale:
    // the point of the preview sprite's own frame (0, 0) and its pixels' size.
    sf::Vector2f positionApercu;
    float echelleApercu = 1.f;

private:
    void dessinerTextes(sf::RenderWindow* w);
    void dessinerOvers(sf::RenderWindow* w);

    std::string extension_;
    bool policeChargee_ = false;
};
