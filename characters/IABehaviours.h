#pragma once
// The AI controller: once per frame it drives every AI of the active level (a fixed behaviour
// chosen by the AI's type, or the generic AI that steps its states, looks for the players and
// keeps its alert), sounds general alerts, maps aim angles onto aim steps, and computes the
// commands of a computer-driven second player. It works on the game's active level and needs
// no window.
#include "core/RefPerso.h"

#include <string>
#include <vector>

class CDecor;
class CPerso;
class CVue;

// AI types (CPerso::modeIA), as character files and scripts store them. Any other value is
// the generic AI.
namespace TypeIA {
constexpr int TIREUR_SOL = 100;        // walks on and shoots now and then
constexpr int TRAVERSEUR = 101;        // crosses straight
constexpr int TRAVERSEUR_SAUTANT = 102;
constexpr int CULBUTEUR = 103;         // falls tumbling until it meets the decor
constexpr int VOLANT = 104;            // erratic flyer; the others turn into 105 when one dies
constexpr int VOLANT_RAPIDE = 105;
constexpr int ONDULANT_H = 110;        // horizontal wave mover
constexpr int TIREUR_HASARD = 111;
constexpr int ONDULANT_V = 112;        // vertical wave mover
constexpr int INERTE = 120;
constexpr int ANIME_PRES = 200;        // plays its animation while near the view
constexpr int VOLANT_AMBIANT = 300;
constexpr int INERTE_2 = 420;
constexpr int CANON_ROTATIF = 421;
constexpr int IMMOBILE = 500;
} // namespace TypeIA

class CIABehaviours {
public:
    // Bytes of the pilot's command record (commandesPilote) that it sets.
    enum OctetPilote {
        PILOTE_GAUCHE = 0,
        PILOTE_DROITE = 1,
        PILOTE_HAUT = 2,
        PILOTE_BAS = 3,
        PILOTE_TIR = 4,
        PILOTE_W1 = 5,
        PILOTE_SAUT = 6,
        PILOTE_W2 = 7,
        PILOTE_ACTION = 11,     // close-range action
        PILOTE_MORT = 12,       // the dead player's key
        NB_OCTETS_PILOTE = 20,
    };

    CIABehaviours();

    // Per-frame update of every AI of the active level.
    void majIA();
    // Drives one AI by its type, then its children.
    void comportement(CPerso* ia);
    // The nearest visible player the AI sees, or null; turns the AI toward it.
    CPerso* detecterPerso(CPerso* ia);
    // Shows (afficher) or removes the exclamation mark over the AI.
    void afficherAlerte(CPerso* ia, bool afficher);
    // Alerts (mode 1) or calms (mode 0) the AIs of faction 2 within rayon of (x, y) on both
    // axes; source is the AI that gave the alert (left untouched), or null.
    void alerteGenerale(CPerso* source, int x, int y, int mode, int rayon);
    // Maps the AI's angleVisee onto its aim step within the sectors that angleMax (30, 45, 70
    // or 90; -1 resets) allows; 1 when the angle had to change, else 0.
    int initAngleTir(CPerso* ia, int angleMax);
    // Whether a character of the active level's AI list has this id.
    bool persoExiste(const std::string& id) const;
    // Plays animation anim of the character's sprite one step at a time from frame de toward
    // frame vers; 1 once the sprite shows frame vers.
    int jouerAnimVers(CPerso* perso, int anim, int de, int vers);

    // Computes the pilot's commands for the computer-driven second player (IAJoueur2.cpp).
    void piloterJoueur2();

    // ---- the pilot's fields (Part of the computer second player) ----------------------------
    unsigned char commandesPilote[NB_OCTETS_PILOTE] = {};
    int viseeJ2 = 1;          // 0 diagonal up, 1 horizontal, 2 diagonal down, 3 up, 4 down
    int angleJ2 = -1;         // degrees, 0 up, 90 right; -1 none
    int directionJ2 = 0;      // 1: the aimed-at player is to the left
    bool bCibleFontaine = false;
    int compteurSaut = -100;  // the jump sequence (see IAJoueur2.cpp)

    // ---- the controller's fields --------------------------------------------------------------
    int distanceDetection = -1;    // to the player the last detection saw; -1 none
    int porteeCalme = 1000;        // range of a calm AI
    int porteeAlerte = 1333;       // range in the second half of an alert
    int porteeAlerteForte = 2000;  // range in the first half
    int dureeAlerte = 30;          // in detections, at every frame rate

    // When set, the points every line of sight probes are appended to it (the benchmark
    // replays them).
    static std::vector<float>* journalSondes;

private:
    // The generic AI (IABehaviours.cpp).
    void iaGenerique(CPerso& ia);
    void etapeEtat(CPerso& ia);
    void majAlerte(CPerso& ia);
    void decompterDetection(CPerso& ia);
    void degatsContact(CPerso& ia, CDecor& decor);
    bool visible(float x, float y, int angle, int distance, CDecor& decor) const;
    // Fixed behaviours (IAComportements.cpp).
    void comportementFixe(CPerso& ia, int type);
    void deplacementFixe(CPerso& ia, int type);
    void volantAmbiant(CPerso& ia);
    void volantAmbiantDansBande(CPerso& ia, float v, bool& anime);
    void volantDevientRapide(CPerso& mort);
    // The rotating cannon (IACanon.cpp).
    void canonRotatif(CPerso& canon);
    bool canonTourne(CPerso& canon, CPerso& base);
    void canonDetection(CPerso& canon);
    void canonViser(CPerso& canon, CPerso& base);
    void canonTirer(CPerso& canon, CPerso& base);
    // The pilot's steps (IAJoueur2.cpp).
    bool sequenceSaut();
    void sauterMenace(const std::vector<CPerso*>& j2);
    void viserJoueur1(const std::vector<CPerso*>& j1, const std::vector<CPerso*>& j2);
    bool candidatVisible(CPerso& tireur, float x, float y, float angle, float d) const;
    void choisirAngleJ2();
    void deciderTir(CPerso* tireur, bool cibleVue);
    void chercherFontaines(const std::vector<CPerso*>& j1, const std::vector<CPerso*>& j2, float& cx, float& cy);
    void poursuivre(CPerso& self, float cx, float cy);

    // The type-104 flyers whose death already made the others faster.
    std::vector<RefPerso> volantsMorts;
};

// The camera's left edge, unzoomed width and height, and zoomed width, in level pixels; a
// game without camera gives its viewport.
struct BordsVue {
    float gauche = 0, largeur = 0, hauteur = 0, largeurZoom = 0;
};
BordsVue bordsVue();
