#pragma once
// The controls of the particle emitter options dialog as tables from control id to emitter
// field and conversion: the fill reads them one way, the handlers the other.
#include "core/Particules.h"
#include "editor/IdsSprite.h"

#include <SFML/Graphics/Color.hpp>

namespace champsParticules {

namespace ids = IdSprite::Particules;

// How a text input shows its field and what a typed text stores.
enum class Genre {
    Reel,     // float, atof
    Entier,   // int, atoi
    Compte,   // the particle count: atoi, then the emitter restarts
    Canal,    // one channel of the colour: atoi, low 8 bits
    Chemin,   // the texture path: the text without blanks, loaded at the next restart
};

struct Saisie {
    const char* id;
    Genre genre;
    float CParticules::*reel;
    int CParticules::*entier;
    sf::Uint8 sf::Color::*canal;
    // Emptied by a fill without emitter (the others keep the last emitter's value).
    bool videSansEmetteur;
    // A second field that a typed value also goes into (the reference forces).
    float CParticules::*copie;
};

constexpr bool VIDE = true, GARDE = false;

constexpr Saisie reel(const char* id, float CParticules::*f, bool vide, float CParticules::*copie = nullptr)
{
    return {id, Genre::Reel, f, nullptr, nullptr, vide, copie};
}
constexpr Saisie entier(const char* id, int CParticules::*f, Genre g = Genre::Entier)
{
    return {id, g, nullptr, f, nullptr, VIDE, nullptr};
}
constexpr Saisie canal(const char* id, sf::Uint8 sf::Color::*c)
{
    return {id, Genre::Canal, nullptr, nullptr, c, VIDE, nullptr};
}

using P = CParticules;

// In the order the fill writes them.
inline const Saisie SAISIES[] = {
    reel(ids::myTextInputVelX, &P::velX, VIDE),
    reel(ids::myTextInputVelY, &P::velY, VIDE),
    reel(ids::myTextInputForcesX, &P::forcesX, VIDE, &P::forcesRefX),
    reel(ids::myTextInputForcesY, &P::forcesY, VIDE, &P::forcesRefY),
    reel(ids::myTextInputTailleParticule, &P::tailleParticule, VIDE),
    entier(ids::myTextInputDureeVie, &P::dureeVie),
    entier(ids::myTextInputLargeurEmetteur, &P::largeurEmetteur),
    canal(ids::myTextInputR, &sf::Color::r),
    canal(ids::myTextInputG, &sf::Color::g),
    canal(ids::myTextInputB, &sf::Color::b),
    canal(ids::myTextInputA, &sf::Color::a),
    entier(ids::myTextInputHauteurEmetteur, &P::hauteurEmetteur),
    entier(ids::myTextInputAleaDureeVie, &P::aleaDureeVie),
    entier(ids::myTextInputAmplitudeDegradeCouleur, &P::amplitudeDegradeCouleur),
    entier(ids::myTextInputNbParticules, &P::nbParticules, Genre::Compte),
    entier(ids::myTextInputNbCycles, &P::nbCycles),
    reel(ids::myTextInputAngle1, &P::angle1, VIDE),
    reel(ids::myTextInputAngle2, &P::angle2, VIDE),
    entier(ids::myTextInputAlphaAgeDec, &P::alphaAgeDec),
    reel(ids::myTextInputAcceleration, &P::acceleration, VIDE),
    entier(ids::myTextInputAlphaValDec, &P::alphaValDec),
    {ids::myTextInputCheminTexture, Genre::Chemin, nullptr, nullptr, nullptr, GARDE, nullptr},
    reel(ids::myTextInputVariationRotation, &P::variationRotation, GARDE),
    reel(ids::myTextInputVariationTaille, &P::variationTaille, GARDE),
    reel(ids::myTextInputBorneVariationTaille, &P::borneVariationTaille, GARDE),
    reel(ids::myTextInputTailleMin, &P::tailleMin, GARDE),
    reel(ids::myTextInputTailleMax, &P::tailleMax, GARDE),
    entier(ids::myTextInputInitLargeur, &P::initLargeur),
    entier(ids::myTextInputInitHauteur, &P::initHauteur),
    entier(ids::myTextInputDecPosX, &P::decPosX),
    entier(ids::myTextInputDecPosY, &P::decPosY),
    reel(ids::myTextInputAleaVitX, &P::aleaVitX, VIDE),
    reel(ids::myTextInputAleaVitY, &P::aleaVitY, VIDE),
    reel(ids::myTextInputAleaForceX, &P::aleaForceX, VIDE),
    reel(ids::myTextInputAleaForceY, &P::aleaForceY, VIDE),
    reel(ids::myTextInputAleaAccel, &P::aleaAccel, VIDE),
};

// What a check shows and what checking or unchecking it does.
enum class GenreCase {
    Emission,  // fountain or cascade: any change restarts the emitter with that type
    Choix,     // one value of an enumerated field, written only when checked
    Angle,     // one of the three exclusive random-angle modes
    Drapeau,   // a flag (two for the pause) following the check
};

struct Case {
    const char* id;
    GenreCase genre;
    int CParticules::*entier;  // Emission, Choix: checked when it holds valeur
    int valeur;
    bool CParticules::*drapeau;  // Angle, Drapeau
    bool CParticules::*drapeau2;
    // Unchecked by a fill without emitter (the others keep what they showed).
    bool decocheSansEmetteur;
};

constexpr Case choix(const char* id, GenreCase g, int CParticules::*f, int valeur, bool decoche)
{
    return {id, g, f, valeur, nullptr, nullptr, decoche};
}
constexpr Case drapeau(const char* id, GenreCase g, bool CParticules::*f, bool decoche,
                       bool CParticules::*f2 = nullptr)
{
    return {id, g, nullptr, 0, f, f2, decoche};
}

constexpr bool DECOCHE = true;
constexpr auto EMISSION = GenreCase::Emission, CHOIX = GenreCase::Choix, ANGLE = GenreCase::Angle,
               DRAPEAU = GenreCase::Drapeau;

inline const Case CASES[] = {
    choix(ids::myButtonCheckFontaine, EMISSION, &P::type, 0, GARDE),
    choix(ids::myButtonCheckCascade, EMISSION, &P::type, 1, GARDE),
    choix(ids::myButtonCheckCollisionSans, CHOIX, &P::modeCollision, 0, GARDE),
    choix(ids::myButtonCheckCollisionSimple, CHOIX, &P::modeCollision, 1, GARDE),
    choix(ids::myButtonCheckCollisionAlea, CHOIX, &P::modeCollision, 2, GARDE),
    drapeau(ids::myButtonCheckAngleAlea, ANGLE, &P::bAngleAlea, DECOCHE),
    drapeau(ids::myButtonCheckAngleAleaCarre, ANGLE, &P::bAngleAleaCarre, DECOCHE),
    drapeau(ids::myButtonCheckAngleAleaDirection, ANGLE, &P::bAngleAleaDirection, DECOCHE),
    drapeau(ids::myButtonCheckAlphaDec, DRAPEAU, &P::bAlphaDec, GARDE),
    choix(ids::myButtonCheckCarree, CHOIX, &P::forme, 1, DECOCHE),
    choix(ids::myButtonCheckCercle, CHOIX, &P::forme, 0, DECOCHE),
    choix(ids::myButtonCheckTexture, CHOIX, &P::forme, 2, DECOCHE),
    drapeau(ids::myButtonCheckPause, DRAPEAU, &P::bPause, GARDE, &P::bPauseEmission),
    drapeau(ids::myButtonCheckEmetteurVisible, DRAPEAU, &P::bEmetteurVisible, GARDE),
    drapeau(ids::myButtonCheckVariationTaille, DRAPEAU, &P::bVariationTaille, GARDE),
    drapeau(ids::myButtonCheckTailleAlea, DRAPEAU, &P::bTailleAlea, GARDE),
    drapeau(ids::myButtonCheckRotDirection, DRAPEAU, &P::bRotDirection, GARDE),
    drapeau(ids::myButtonCheckForcesExterieures, DRAPEAU, &P::bForcesExterieures, DECOCHE),
    drapeau(ids::myButtonCheckNoCalcCollision, DRAPEAU, &P::bNoCalcCollision, DECOCHE),
    drapeau(ids::myButtonCheckNoDrawPause, DRAPEAU, &P::bNoDrawPause, DECOCHE),
    drapeau(ids::myButtonCheckNoCalcPause, DRAPEAU, &P::bNoCalcPause, DECOCHE),
};

} // namespace champsParticules
