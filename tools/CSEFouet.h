#pragma once
// The whip editor: a whip model drawn over a picture, key-point markers placed on the picture,
// the model's parameters, strikes along the key points in step with a character sprite's
// animation, and the file "fouet0.ini". The chain relaxes each frame while the dialog is shown.
#include "core/SpriteSimple.h"
#include "gui/CPLUXDialog.h"
#include "tools/Fouet.h"

#include <SFML/Graphics/Sprite.hpp>

#include <map>
#include <string>

class CPLUXControlImage;

// A character sprite and the whip it holds, in one record.
class CSPRITE_FOUET : public CSPRITE_SIMPLE {
public:
    CSPRITE_FOUET() = default;
    CSPRITE_FOUET(const CSPRITE_FOUET&) = delete;
    CSPRITE_FOUET& operator=(const CSPRITE_FOUET&) = delete;

    CFouet fouet;
    CFouet* const pFouet = &fouet;
};

class CCSEFouet : public CPLUXDialog {
public:
    // Strike modes.
    static constexpr int FRAPPE_REPOS = 0;
    static constexpr int FRAPPE_1 = 1;
    static constexpr int FRAPPE_2 = 2;
    static constexpr const char* FICHIER = "fouet0.ini";

    CCSEFouet();

    // The model's flags and parameters into the displayed copies and the controls.
    void majControles();
    // Selects key point n (clamped), framing its marker in blue.
    void selectKP(int n);
    // The key point whose pauses cover frame f; -1 for a negative f or no key point.
    int kpDeFrame(int f) const;
    void afficherFrame(int mode, int f);
    // Rebuilds the chain from the model's parameters at key point 0 (or near the corner).
    void initMasse();
    void initPositions();
    void lancerFrappe(int mode);
    // One frame's step: relaxation at rest, following the key points during a strike.
    void pasFrame();

    void onCreate() override;
    void onHide() override;
    void onRefresh() override;
    // Steps on frames (scaled by the time coefficient), then draws; a null window only steps.
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;
    void onMove(int dx, int dy) override;
    bool onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onClicRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlInputEnterPress(CPLUXControlTextInput* c) override;
    void onCtrlInputLeave(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    // A key point dragged stays on the picture, its centre at the picture's edge at most.
    void onCtrlMove(CPLUXControl* c) override;

    // The model's values as the controls show them (the length and stiffness bound to their
    // inputs by name).
    struct Valeurs {
        bool bNoeudsVisibles = true;
        bool bCorpsVisible = true;
        bool bTraineVisible = true;
        bool bKPVisibles = true;
        sf::Color couleur;
        sf::Color couleurTraine;
        sf::Color couleurNoeud;
        int epaisseur = 1;
        int epaisseurTraine = 1;
        int nbNoeuds = 0;
        float longueur = 0.5f;
        float gravite = 0.001f;
        float friction = 0.98f;
        float ral = 0.5f;
        int rigidite = 2;
        float masse = 1.0f;
        int modeMasse = 0;
        float facteurMasse = 1.0f;
    };

    CSPRITE_FOUET ssFouet;
    int numModeMasse = CFouet::MASSE_CONSTANTE;
    bool bFrappeEnCours = false;
    sf::Sprite spriteImage;
    CPLUXControlImage* pImageFouet = nullptr;
    int modeFrappe = FRAPPE_REPOS;
    int numKPCour = -1;
    bool bLecture = true;
    int numFrame = 0;
    int nbFrames = 0;
    std::string strPrefixeKP = "__KP__";
    bool bAfficherFrame = true;
    Valeurs valeurs;

private:
    CFouet& fouet() { return *ssFouet.pFouet; }
    bool aSprite() const;
    void afficherNumFrame();
    void encadrerKP(int n, sf::Color c);
    void appuiMarqueur(CPLUXControl* marqueur);
    void oublierKP();
    void changerFrame(int pas);
    void lireFouet();
    void sauverFouet();
    void saisieParametre(const std::string& id);
    void choisirModeMasse(int mode);
    // The node count typed, at Return (`entree`: the chain is rebuilt even for the same count)
    // or when the field is left.
    void saisieNbNoeuds(CPLUXControlTextInput& saisie, bool entree);
    // A field validated: Return (`entree`) or left.
    void finSaisie(CPLUXControlTextInput& c, bool entree);
    // A line of the program's console, remembered so that it goes when the dialog closes.
    void console(const std::string& texte, int ligne);
    // The console line of the key point chosen: written by a frame step (`pas`), kept up after.
    void majLigneKP(bool pas);

    std::map<int, std::wstring> lignesConsole_;

    // Frames owed to the chain: grows by the time coefficient, one step per whole frame.
    float accumulateurPas_ = 0.f;
};
