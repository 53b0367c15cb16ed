#pragma once
// Key-point path of a decor sprite (behaviour C), and the simple platform back-and-forth.
#include <SFML/Graphics/Color.hpp>

#include <list>

class CSPRITE;
namespace sf { class RenderTarget; }

// A key point: its anchor sprite carries the position and the rotation.
class CAncrageKP {
public:
    CAncrageKP();
    CAncrageKP(const CAncrageKP&) = delete;
    CAncrageKP& operator=(const CAncrageKP&) = delete;
    ~CAncrageKP();

    CSPRITE* pAncre = nullptr;  // owned; flagged bAncreKP so that it is never saved as a decor sprite
    float sx = 1, sy = 1;
    int r = 255, g = 255, b = 255, a = 255;
    int flipH = 0, flipV = 0;
    float v = -1, vs = -1, vr = -1, vc = -1;  // -1: the path's global speed
};

class CChemin {
public:
    CChemin();
    // Another path's settings and key points, the points moved by (dx, dy); it starts anew.
    CChemin(const CChemin& autre, float dx, float dy);
    CChemin(const CChemin&) = delete;
    CChemin& operator=(const CChemin&) = delete;
    ~CChemin();

    // Editor selection (the buttons keep their historical names: see the dialog).
    void KPsuivant(CSPRITE* sd);
    void KPprecedent(CSPRITE* sd);
    bool supprimerKP(int indice);
    bool ajouterKP(CSPRITE* sd);
    bool majKP(CSPRITE* sd, float v, float vs, float vr, float vc);
    void deselectionner();
    // Running fields back to their values after construction (level start).
    void reinitialiser();
    // A key-point path puts sd at its first key point with that point's scale, rotation,
    // colour and flips, as a level load leaves it; false when it has no key point.
    bool placerAuDepart(CSPRITE& sd) const;
    // One frame of movement of sd along the path; sets decalageX/Y to the displacement.
    void maj(int x, int y, CSPRITE* sd);
    // Editor view: the legs and the anchors.
    void dessiner(sf::RenderTarget& cible, float dx, float dy);

    CAncrageKP* getKP(int indice) const;

    std::list<CAncrageKP*> listeKP;
    int typeAnimation = 0;  // 0 key points, 1 platform back-and-forth
    int type = 0;           // kept for old records; nothing reads it
    int depVitesse = 1, depH = 0, depV = 100;
    int sens = 0;           // 0 forward, 1 backward
    float vGlobale = 0.9f, vGlobaleC = 10.0f, vGlobaleR = 0.1f, vGlobaleS = 0.1f;
    int numKP = -1;
    int numKPCible = 0;
    int nbKP = 0;
    int modeParcours = 0;   // 0 back and forth, 1 one way, 2 loop
    bool bAfficherChemin = true;
    int nbChemin = -1;      // legs after which the path stops, -1 without end
    int nbLegsFaits = 0;
    bool bPause = false;
    bool bPauseDepart = false;
    bool bPasAPas = false;
    bool bActif = true;
    float decalageX = 0, decalageY = 0;

private:
    void majPlateforme(CSPRITE* sd);
    void majKeyPoints(CSPRITE* sd);
    void partirVers(int cible, CSPRITE* sd);
    int cibleSuivante();
    void reinitialiserLeg();

    // Per-leg state: where the leg started and how far along it the sprite is.
    bool bLegEnCours = false;
    float legX = 0, legY = 0, legSX = 1, legSY = 1;
    float legLongueur = 0, legParcouru = 0;
    float couleur[4] = {255, 255, 255, 255};  // colour in progress, finer than bytes
    bool bArrive = false;  // one-way path or leg limit reached
    // Platform: distance travelled from the start and direction.
    float platPos = 0;
    int platSens = 1;
};
