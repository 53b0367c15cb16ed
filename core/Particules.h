#pragma once
// Particle emitter of a decor sprite, a character, a weapon or an animation element.
// The 49 settings of a particle line are read and written in one place (lire49 /
// texte49) for every file that carries them.
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <memory>
#include <string>
#include <vector>

class CSPRITE;
class CTUVFile;
namespace sf { class RenderTarget; }

class CParticules {
public:
    struct Particule {
        float x = 0, y = 0;
        float vx = 0, vy = 0;
        float fx = 0, fy = 0;
        float acc = 0;
        float taille = 1;
        float rotation = 0, vRotation = 0;
        float age = 0;  // below 0: not born yet (births are spread over the first lifetime)
        int vie = 1;
        int naissances = 0;
        float alpha = 255;
        sf::Color couleur = sf::Color::White;
        bool bVivante = false;
    };

    CParticules();
    CParticules(const CParticules& autre);
    CParticules& operator=(const CParticules&) = delete;
    ~CParticules();

    int demarrer(int x, int y, int type);
    // Follows the sprite (null: none) and starts a fountain where it stands, paused when its
    // emission starts paused: how a level's emitter starts, and one the editor switches on.
    void attacher(CSPRITE* sprite);
    void preparer();
    void setPosition(float x, float y);
    void deplacer(float dx, float dy);
    void majTout();
    void reset();
    // Every live particle in one draw call per texture, shifted by (dx, dy).
    void dessiner(sf::RenderTarget& cible, float dx = 0, float dy = 0);

    // The 49 values of a particle line, in file order, without a trailing ";".
    std::string texte49() const;
    // The same text added at the end of s.
    void ajouterTexte49(std::string& s) const;
    // Reads the 49 values from the current line; out-of-range values are clamped.
    void lire49(CTUVFile& f);
    // Brings every setting back into a range the emitter can run with (files may hold anything).
    void borner();

    int nbVivantes() const;
    const std::vector<Particule>& getParticules() const { return particules; }

    // --- settings, in the emitter's order ---
    float x = 0, y = 0;
    CSPRITE* pElementAttache = nullptr;
    int type = 0;  // 0 fountain, 1 cascade
    float velX = 0, velY = -2;
    int largeurEmetteur = 10, hauteurEmetteur = 10;
    int initLargeur = 1, initHauteur = 1;
    float forcesX = 0, forcesY = 0.1f;
    int nbParticules = 50;
    sf::Color couleur = sf::Color::White;
    int amplitudeDegradeCouleur = 0;
    std::string strCheminTexture;
    int forme = 0;  // 0 circle, 1 square, 2 texture
    float tailleParticule = 4;
    int dureeVie = 60, aleaDureeVie = 0;
    int nbCycles = -1;  // < 0: no limit
    float angle1 = 0, angle2 = 0;
    bool bAngleAlea = false, bAngleAleaCarre = false, bAngleAleaDirection = false;
    float acceleration = 0;
    bool bAlphaDec = false;
    int alphaAgeDec = 0, alphaValDec = 0;
    bool bPause = false, bPauseEmission = false;
    bool bEmetteurVisible = false, bRotDirection = false;
    float variationRotation = 0;
    bool bVariationTaille = false;
    float variationTaille = 0, borneVariationTaille = 0;
    bool bTailleAlea = false;
    float tailleMin = 1, tailleMax = 1;
    float aleaVitX = 0, aleaVitY = 0, aleaForceX = 0, aleaForceY = 0, aleaAccel = 0;
    int modeCollision = 0;  // 0 none, 1 simple, 2 random
    float forcesRefX = 0, forcesRefY = 0.1f;
    int decPosX = 0, decPosY = 0;
    bool bForcesExterieures = false, bNoCalcCollision = false, bNoDrawPause = false, bNoCalcPause = false;

    // --- run state ---
    bool bAttache = false;
    bool bStop = false;        // dead particles are not reborn
    bool bStopDepart = false;  // stored start value of bStop
    bool bFini = false;        // every particle has lived its cycles: the owner neither moves nor updates it
    int nbCyclesFaits = 0;
    int nbFinies = 0;

    // Upper bound of the particle count read from files.
    static constexpr int NB_PARTICULES_MAX = 100000;
    // The white disc circle particles are drawn with, so that they need no file.
    static const sf::Texture& textureDisque();

private:
    void naitre(Particule& p, int indice);
    void avancer(Particule& p, float coeff);
    const sf::Texture* textureDessin();

    std::vector<Particule> particules;
    sf::Texture texture;
    bool bTexture = false;
    sf::VertexArray sommets;
};
