#pragma once
// The generated level of the level benchmarks: 20 definitions and 5,000 decor sprites (every
// fifth with a shader, every seventh on a three-point key-point path, every twentieth with
// a particle emitter, and ids, colours, shadows and groups here and there).
#include "characters/PersoDef.h"
#include "core/Globals.h"
#include "game/Jeu.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/Image.hpp>

#include <fstream>
#include <memory>
#include <ostream>
#include <string>

namespace banc {

constexpr int NB_SPRITES = 5000;
constexpr int NB_DEFINITIONS = 20;
inline const char* const PARTICULES = "0.5;-1.5;12;6;0.25;0.125;40;50;10;1;3.5;200;100;50;255;20;;-1;10;80;1;0.5;1;"
                                      "20;5;0;1;2.5;1;0.1;4;1;1;6;1;2;3;0;7;-8;1;0;1;0;0.5;0.25;0.125;0.0625;0.75";

// The definitions "D0" to "D19" with their sheets in "decors/", and their "TEXTURE_DEC" lines.
inline void ecrireDefinitions(std::ostream& niv)
{
    for (int d = 0; d < NB_DEFINITIONS; ++d) {
        const std::string nom = "D" + std::to_string(d);
        sf::Image image;
        image.create(4 * 32, 32, sf::Color(10 * d, 100, 200));
        image.saveToFile("decors/" + nom + ".png");
        std::ofstream dec("decors/" + nom + ".dec");
        dec << "ID=" << nom << "\nPLANCHE=./decors/" << nom << ".png;\nSPRITE=0;0;4;32;32;0.2;0\n"
            << "ORIGINE=-1;-1\nHITBOX=1;2;3;4\nCOLLISIONS=" << (d % 3) << "\nCOLOR=255;255;255;255\n";
        niv << "TEXTURE_DEC=./decors/" << nom << ".dec;" << nom << "\n";
    }
}

// Sprite i with the lines that complete it.
inline void ecrireSprite(std::ostream& niv, int i)
{
    const int chemin = i % 7 == 0, emetteur = i % 20 == 0;
    niv << "SD=D" << i % NB_DEFINITIONS << ";" << (i * 37) % 20000 << ";" << (i * 13) % 2000 << ";" << i % 5
        << ";16;16;" << (i % 4) * 15 << ";0;1;" << (i % 2 ? -1 : 1) << ";1;1;0;0;0;0;" << emetteur << ";" << chemin
        << ";0\n";
    if (i % 3 == 0)
        niv << "IDSD=sprite" << i << "\nGROUPESD=" << i % 9 << "\n";
    if (i % 5 == 0)
        niv << "SHADERSD=./shaders/ondes.frag;2;amp;float;0.5;2;dir;vec2;1;0;0;;0\n";
    if (i % 4 == 0)
        niv << "COLSD=255;" << i % 256 << ";128;255\nOMBRESD=1;0.5;4;-4;0;0\n";
    if (emetteur)
        niv << "PARTICULESD=" << PARTICULES << "\n";
    if (chemin)
        niv << "KPG=0;0.9;0.1;0.1;10;0;-1\nKP=" << i << ";100;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\n"
            << "KP=" << i + 200 << ";150;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\nKP=" << i + 400
            << ";100;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\n";
}

// A game without window whose game world, engine and camera are the active ones.
inline std::unique_ptr<CSFMLJeu> jeuSansFenetre()
{
    installerHooksPersoDef();
    auto jeu = std::make_unique<CSFMLJeu>();
    faceJeu::installer(jeu->facettes());
    jeu->pdecorJeu = jeu->pdecor = new CDecor();
    jeu->pscriptEngineJeu = jeu->pscriptEngine = new CScriptEngine();
    jeu->pvueJeu = jeu->pvue = new CVue(1280, 720);
    jeu->pdecorJeu->pCamera = jeu->pvueJeu;
    jeu->pdecorJeu->pMoteur = jeu->pscriptEngineJeu;
    return jeu;
}

} // namespace banc
