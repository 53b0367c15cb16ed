#pragma once
// What core/ and anim/ need from the rest of the game (sounds, clock, collisions,
// scripts, message boxes...). The game fills these hooks at start-up; each default
// is harmless so that sprites and files can be tested without the game.
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include "core/Texte.h"

#include <algorithm>

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CSPRITE;
class CSPRITE3;
class CSPRITE_SIMPLE;
class CDEC;
class CShaderManager;
class CForceSD;
class CScript;
class CPerso;
class CPersoDef;
class CPLUXControl;
struct CommandesJoueur;
namespace sf { class Texture; }

// What the editor's pickers show now: the decor picker's definition (its name and ".dec" file)
// and the character picker's ".per" file with the name its definition carries. Empty: nothing
// is chosen (no picker, or an empty list).
struct ChoixEditeur {
    std::string nomDecor;
    std::string fichierDecor;
    std::string fichierPerso;
    std::string nomPerso;
};

// A character standing on a seesaw: where it stands and how much it weighs.
struct Charge {
    float x = 0;
    float poids = 0;
};

struct ServicesFondation {
    std::function<float()> framerateCoeff = [] { return 1.0f; };
    std::function<float()> secondesHorloge = [] { return 0.0f; };
    std::function<int()> modeJeu = [] { return 0; };
    std::function<bool()> devMode;

    std::function<void(const std::string&)> jouerSon = [](const std::string&) {};
    std::function<void(const std::string&)> arreterSon = [](const std::string&) {};
    std::function<void(const std::string&, bool)> bouclerSon = [](const std::string&, bool) {};
    // As the game's service answers: 0 stopped, 1 paused, 2 playing (sf::Sound's status); 0 when absent.
    std::function<int(const std::string&)> sonEnCours = [](const std::string&) { return 0; };
    std::function<void()> arreterSons = [] {};
    std::function<float()> volumeEffets = [] { return 100.0f; };

    std::function<CShaderManager*()> shaderManager = []() -> CShaderManager* { return nullptr; };
    std::function<bool()> shadersActifs = [] { return false; };
    std::function<bool()> particulesActives = [] { return true; };

    // Every image bank owns a character definition; core cannot build one itself.
    // The destroy hook is only called with what the create hook returned (never null).
    std::function<CPersoDef*(CDEC*)> creerPersoDef = [](CDEC*) -> CPersoDef* { return nullptr; };
    std::function<void(CPersoDef*)> detruirePersoDef = [](CPersoDef*) {};

    std::function<CDEC*(const std::string&, const std::string&)> definitionJeu =
        [](const std::string&, const std::string&) -> CDEC* { return nullptr; };
    std::function<CSPRITE3*(const std::string&)> animGlobale =
        [](const std::string&) -> CSPRITE3* { return nullptr; };
    // The layered animation a ".dec" file's "SPRITE3" key names, read from that ".anm" file
    // (lireSprite3DEC of anim/Sprite3.h); null when it does not load, which the reader
    // reports, and without the hook. The pointer frees the sprite it holds.
    std::function<std::shared_ptr<CSPRITE3>(const std::string&)> lireSprite3 =
        [](const std::string&) -> std::shared_ptr<CSPRITE3> { return nullptr; };
    std::function<sf::Texture*(const std::string&, const std::string&)> textureCache =
        [](const std::string&, const std::string&) -> sf::Texture* { return nullptr; };
    std::function<CSPRITE_SIMPLE*(const std::string&)> overJeu =
        [](const std::string&) -> CSPRITE_SIMPLE* { return nullptr; };

    std::function<bool(float, float, float, float)> estCollision =
        [](float, float, float, float) { return false; };
    std::function<bool(CSPRITE*, int, int, sf::Color)> collisionPixel =
        [](CSPRITE*, int, int, sf::Color) { return false; };
    std::function<void(CSPRITE*, std::vector<Charge>&)> chargesSurSprite =
        [](CSPRITE*, std::vector<Charge>&) {};
    std::function<void(CSPRITE*, CForceSD&)> appliquerForce = [](CSPRITE*, CForceSD&) {};

    std::function<CScript*(const std::string&, CSPRITE*, int, int, bool, bool)> creerScript =
        [](const std::string&, CSPRITE*, int, int, bool, bool) -> CScript* { return nullptr; };
    std::function<void(CScript*)> supprimerScript = [](CScript*) {};
    std::function<void(CScript*)> reprendreScript = [](CScript*) {};
    // Sets a script's paused flag: a frame's script waits, paused, for its frame.
    std::function<void(CScript*)> pauserScript = [](CScript*) {};
    // Creation number of a script an engine holds, 0 for any other pointer. A number is never
    // given twice while a freed script's address may be: a sprite that keeps a script's pointer
    // keeps its number too, and follows the pointer only while both still match.
    std::function<unsigned(const CScript*)> numeroScript = [](const CScript*) { return 0U; };

    std::function<void(const std::string&, const std::string&, const std::string&)> messageBox =
        [](const std::string&, const std::string&, const std::string&) {};
    std::function<void(void*, const std::string&)> notifierDialogue = [](void*, const std::string&) {};
    std::function<void()> rafraichirDialogueChemin = [] {};
    // The character dialog takes the character; basculer: shown when minimised, else hidden.
    std::function<void(CPerso*, bool)> editerPerso = [](CPerso*, bool) {};
    std::function<ChoixEditeur()> choixEditeur = [] { return ChoixEditeur(); };
    // The decor-sprite dialogs (filled by the editor): refill the sprite properties dialog from
    // the selection; detach the shader variables dialog from the maps it edits; forget every
    // pointer a dialog holds into a decor sprite about to be freed (its maps, its emitter).
    std::function<void()> rafraichirDialogueSprite = [] {};
    std::function<void()> detacherDialogueShader = [] {};
    std::function<void(CSPRITE*)> oublierSpriteDialogues = [](CSPRITE*) {};
    std::function<const CommandesJoueur*(int)> commandes =
        [](int) -> const CommandesJoueur* { return nullptr; };

    // Number of the frame being drawn (counts from 1); 0: no frame clock, every call to an
    // animated sprite's update is a new frame. Lets shared sprites advance once per frame.
    std::function<unsigned long()> numeroFrame = [] { return 0UL; };
    // Screen rectangle of a dialog control that animated sprites are drawn in (relative to
    // it, clipped to it); empty: no control.
    std::function<sf::FloatRect(CPLUXControl*)> rectControle = [](CPLUXControl*) { return sf::FloatRect(); };

    ServicesFondation();
};

extern ServicesFondation g_services;

// The game's time coefficient as every per-frame step uses it: 1 when the hook gives a value
// no step can run with (0, negative, NaN or absurdly large). Inline: the characters' and
// sprites' steps ask it several times per frame each.
inline float coefficientTemps()
{
    const float c = g_services.framerateCoeff ? g_services.framerateCoeff() : 1.0f;
    return (c > 0 && c < 100) ? c : 1.0f;
}

// A duration given in frames at 30 per second, in frames at the running rate: at least one.
inline int imagesAuTaux(float imagesA30)
{
    return std::max(1, tuv::floatVersInt(imagesA30 / coefficientTemps()));
}
