#pragma once
// Shader cache of the game and the reader of uniform declarations.
// The combo-box fillers live with the GUI layer (gui/ShaderManagerCombos.cpp).
#include "core/Sprite.h"

#include <SFML/Graphics/Texture.hpp>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <string_view>
#include <utility>

namespace sf { class Shader; }
class CPLUXControlComboBox;
class CTUVFile;

class CShaderManager {
public:
    // Values handed to the shader for one uniform: n components (1 to 4).
    struct ValeurUniform {
        int n = 0;
        float v[4] = {0, 0, 0, 0};
    };

    CShaderManager();
    ~CShaderManager();
    CShaderManager(const CShaderManager&) = delete;
    CShaderManager& operator=(const CShaderManager&) = delete;

    // Null when both names are empty, when shaders cannot run here, or when the files do not
    // load (reported once; the pair is not tried again).
    sf::Shader* getShader(const std::string& frag, const std::string& vert);
    // Rebuilds the vertex (type 0) or fragment (type 1) map from the file's declarations:
    // kept names keep their values, new ones start at 0, undeclared ones leave.
    void lireUniforms(const std::string& chemin, CSPRITE::Uniforms& vert, CSPRITE::Uniforms& frag, int type);

    // What one uniform passes at the given game-clock time: its values plus the clock over its
    // period (nothing added without a period). periodesEntieres: plus the whole number of
    // periods elapsed instead, so that the values step (a period of 0 or below adds 0).
    static ValeurUniform valeurUniform(const CSPRITE::Uniform& u, float secondes, bool periodesEntieres = false);
    // Passes every vertex then fragment uniform to the shader.
    static void appliquerUniforms(sf::Shader& shader, const CSPRITE::Uniforms& vert,
                                  const CSPRITE::Uniforms& frag, float secondes, bool periodesEntieres = false);

    // The shader dialogs' combos; defined with the GUI layer (gui/ShaderManagerCombos.cpp).
    // false when the folder does not open, the combo then keeps what it held.
    bool remplirComboShaders(const std::string& dossier, CPLUXControlComboBox* combo, const std::string& ext);
    void remplirComboVariables(CPLUXControlComboBox* combo, CSPRITE::Uniforms& m);

    // Folder of the shader files (with its final "/").
    std::string dossier = "./shaders/";

private:
    void lierTexturesCommunes(sf::Shader& shader, const std::string& source);

    std::map<std::pair<std::string, std::string>, std::unique_ptr<sf::Shader>> cache;
    std::set<std::pair<std::string, std::string>> echecs;
    std::unique_ptr<sf::Texture> distortionMap, colorTable;
    bool bTexturesChargees = false;
};

// The values of a "SHADERSD" line (fragment name; count; its uniforms; vertex name; count;
// its uniforms; optionally the shader flag and five values) into the sprite's shader fields.
// A count larger than what the line holds reads what is there. Given the file whose current
// line holds the record, from its value number premiere, the values read otherwise than
// written (short, no number, left over) are said there as that line's.
void lireShaderSD(std::string_view valeurs, DonneesSprite& sd, CTUVFile* f = nullptr, int premiere = 1);
// The same values as text, without a trailing ";" (the optional tail only when asked).
std::string texteShaderSD(const DonneesSprite& sd, bool avecValeurs = false);
// The same text added at the end of s.
void ajouterTexteShaderSD(std::string& s, const DonneesSprite& sd, bool avecValeurs = false);
