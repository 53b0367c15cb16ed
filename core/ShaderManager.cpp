#include "core/ShaderManager.h"

#include "core/Fichiers.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "core/TuvFile.h"

#include <SFML/Graphics/Shader.hpp>

#include <algorithm>
#include <cmath>
#include <fstream>
#include <sstream>
#include <type_traits>
#include <vector>

namespace {

// A shader source that is not a regular file reads as empty: a FIFO would block for ever.
std::string lireFichier(const std::string& chemin)
{
    if (!tuv::fichierExiste(chemin))
        return "";
    std::ifstream in(chemin, std::ios::binary);
    std::stringstream ss;
    ss << in.rdbuf();
    return ss.str();
}

// Name declared after "uniform <type> " on a line, or "".
std::string nomDeclare(const std::string& ligne, size_t debut)
{
    size_t fin = ligne.find_first_of(";[= \t,\r", debut);
    return ligne.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut);
}

} // namespace

CShaderManager::CShaderManager() = default;
CShaderManager::~CShaderManager() = default;

sf::Shader* CShaderManager::getShader(const std::string& frag, const std::string& vert)
{
    if (frag.empty() && vert.empty())
        return nullptr;
    if (!sf::Shader::isAvailable())
        return nullptr;
    auto cle = std::make_pair(frag, vert);
    auto it = cache.find(cle);
    if (it != cache.end())
        return it->second.get();
    if (echecs.count(cle))
        return nullptr;

    auto shader = std::make_unique<sf::Shader>();
    std::string sourceFrag = frag.empty() ? "" : lireFichier(dossier + frag);
    std::string sourceVert = vert.empty() ? "" : lireFichier(dossier + vert);
    bool ok = false;
    if (!frag.empty() && !vert.empty())
        ok = !sourceFrag.empty() && !sourceVert.empty() && shader->loadFromMemory(sourceVert, sourceFrag);
    else if (!frag.empty())
        ok = !sourceFrag.empty() && shader->loadFromMemory(sourceFrag, sf::Shader::Fragment);
    else
        ok = !sourceVert.empty() && shader->loadFromMemory(sourceVert, sf::Shader::Vertex);
    if (!ok) {
        echecs.insert(cle);
        g_services.messageBox("ATTENTION !", "Shader illisible : " + frag + " " + vert, "");
        return nullptr;
    }
    lierTexturesCommunes(*shader, sourceFrag + sourceVert);
    sf::Shader* p = shader.get();
    cache[cle] = std::move(shader);
    return p;
}

void CShaderManager::lierTexturesCommunes(sf::Shader& shader, const std::string& source)
{
    bool veutDistortion = source.find("distortion_map") != std::string::npos;
    bool veutTable = source.find("color_table") != std::string::npos;
    if (!veutDistortion && !veutTable)
        return;
    if (!bTexturesChargees) {
        bTexturesChargees = true;
        auto charger = [this](const std::string& nom) {
            auto t = std::make_unique<sf::Texture>();
            std::string chemin = dossier + nom;
            if (tuv::chargerMedia(*t, chemin))
                return t;
            return std::unique_ptr<sf::Texture>();
        };
        distortionMap = charger("distortion_map.png");
        colorTable = charger("color_table.png");
    }
    if (veutDistortion && distortionMap)
        shader.setUniform("distortion_map", *distortionMap);
    if (veutTable && colorTable)
        shader.setUniform("color_table", *colorTable);
}

void CShaderManager::lireUniforms(const std::string& chemin, CSPRITE::Uniforms& vert, CSPRITE::Uniforms& frag,
                                  int type)
{
    if (type != 0 && type != 1)
        return;
    std::ifstream in;
    if (tuv::fichierExiste(chemin))
        in.open(chemin, std::ios::binary);
    if (!in.is_open())
        return;  // an unreadable file must not wipe the values the level gave
    CSPRITE::Uniforms& cible = (type == 0) ? vert : frag;
    static const char* const types[] = {"vec2", "vec3", "vec4", "float", "int"};
    CSPRITE::Uniforms nouveau;
    std::string ligne;
    while (std::getline(in, ligne)) {
        for (const char* t : types) {
            std::string motif = std::string("uniform ") + t + " ";
            size_t p = ligne.find(motif);
            if (p == std::string::npos)
                continue;
            size_t debut = ligne.find_first_not_of(" \t", p + motif.size());
            if (debut == std::string::npos)
                break;
            std::string nom = nomDeclare(ligne, debut);
            if (nom.empty())
                break;
            auto ancien = cible.find(nom);
            CSPRITE::Uniform u = (ancien != cible.end()) ? ancien->second : CSPRITE::Uniform();
            u.strType = t;
            nouveau[nom] = u;
            break;
        }
    }
    cible = std::move(nouveau);
}

CShaderManager::ValeurUniform CShaderManager::valeurUniform(const CSPRITE::Uniform& u, float secondes,
                                                          bool periodesEntieres)
{
    ValeurUniform r;
    float o = (u.fPhaseDiviseur == 0) ? 0.0f : secondes / u.fPhaseDiviseur;
    if (periodesEntieres)
        o = u.fPhaseDiviseur > 0 && std::isfinite(o) ? std::trunc(o) : 0.0f;
    if (u.strType == "float") {
        r.n = 1;
        r.v[0] = u.fValeur + o;
    } else if (u.strType == "int") {
        r.n = 1;
        r.v[0] = float(u.iValeur) + o;
    } else if (u.strType == "vec2") {
        r.n = 2;
        r.v[0] = u.fVec2X + o;
        r.v[1] = u.fVec2Y + o;
    } else if (u.strType == "vec3") {
        r.n = 3;
        r.v[0] = u.fVec3X + o;
        r.v[1] = u.fVec3Y + o;
        r.v[2] = u.fVec3Z + o;
    } else if (u.strType == "vec4") {
        r.n = 4;
        r.v[0] = u.fVec4X + o;
        r.v[1] = u.fVec4Y + o;
        r.v[2] = u.fVec4Z + o;
        r.v[3] = u.fValeur + o;
    }
    return r;
}

void CShaderManager::appliquerUniforms(sf::Shader& shader, const CSPRITE::Uniforms& vert,
                                       const CSPRITE::Uniforms& frag, float secondes, bool periodesEntieres)
{
    for (const CSPRITE::Uniforms* m : {&vert, &frag})
        for (const auto& [nom, u] : *m) {
            ValeurUniform v = valeurUniform(u, secondes, periodesEntieres);
            switch (v.n) {
            case 1:
                // An int uniform only takes an int: a float would be refused by GL and lost.
                if (u.strType == "int")
                    shader.setUniform(nom, int(std::clamp(std::floor(v.v[0]), -2e9f, 2e9f)));
                else
                    shader.setUniform(nom, v.v[0]);
                break;
            case 2:
                shader.setUniform(nom, sf::Glsl::Vec2(v.v[0], v.v[1]));
                break;
            case 3:
                shader.setUniform(nom, sf::Glsl::Vec3(v.v[0], v.v[1], v.v[2]));
                break;
            case 4:
                shader.setUniform(nom, sf::Glsl::Vec4(v.v[0], v.v[1], v.v[2], v.v[3]));
                break;
            default:
                break;
            }
        }
}

// ---------------------------------------------------------------- "SHADERSD" values

namespace {

// The values of a record, one after the other, as views into its text: a level holds
// thousands of these records. The piece after the last ";" counts only when it is neither
// empty nor a lone "\r". Given the file the record came from, each value read otherwise than
// written is said there as its line's (CTUVFile::ecartDuReste): one that is no number as it
// is read, those asked past the record's end and those left over by finir.
class Jetons {
public:
    Jetons(std::string_view texte, CTUVFile* fichier, int premiere) : t(texte), f(fichier), numero(premiere)
    {
        nb = static_cast<size_t>(std::count(t.begin(), t.end(), ';')) + 1;
        const size_t dernierSep = t.rfind(';');
        const std::string_view dernier = dernierSep == std::string_view::npos ? t : t.substr(dernierSep + 1);
        if (dernier.empty() || dernier == "\r")
            --nb;
    }
    bool reste() const { return i < nb; }
    size_t restants() const { return nb - i; }
    // The next value; past the end, an empty one, named as read as commeLu.
    std::string_view texte(const char* commeLu = "")
    {
        if (!reste()) {
            manque(commeLu);
            return std::string_view();
        }
        ++i;
        const size_t fin = t.find(';', pos);
        const std::string_view v = t.substr(pos, fin == std::string_view::npos ? std::string_view::npos : fin - pos);
        pos = fin == std::string_view::npos ? t.size() : fin + 1;
        return v;
    }
    float reel() { return nombre<float>(); }
    int entier() { return nombre<int>(); }
    // One value asked past the record's end, read as commeLu.
    void manque(const char* commeLu)
    {
        if (!f)
            return;
        manques += (nManques++ ? ";" : "") + std::string(commeLu);
    }
    // The values the record lacked, then those no field took.
    void finir()
    {
        if (!f)
            return;
        using Ecart = CTUVFile::Ecart;
        const int apres = numero + static_cast<int>(nb);  // the first value past the end
        if (nManques > 0)
            f->ecartDuReste({Ecart::Type::ValeursAbsentes, apres, apres + nManques - 1, {}, manques});
        std::string_view surplus = reste() ? t.substr(pos) : std::string_view();
        surplus = surplus.substr(0, surplus.find_last_not_of("; \t\r") + 1);
        if (!surplus.empty()) {
            const int premier = numero + static_cast<int>(i);
            f->ecartDuReste({Ecart::Type::ValeursEnTrop, premier,
                             premier + static_cast<int>(std::count(surplus.begin(), surplus.end(), ';')), surplus, {}});
        }
    }

private:
    template <class T>
    T nombre()
    {
        const std::string_view v = texte("0");
        T x;
        if constexpr (std::is_same_v<T, int>)
            x = tuv::stoi(v);
        else
            x = tuv::stof(v);
        if (f && !v.empty() && !tuv::commeNombre(v))
            nonNombre(v, std::is_same_v<T, int> ? tuv::itos(static_cast<int>(x)) : tuv::ftos(static_cast<float>(x)));
        return x;
    }
    void nonNombre(std::string_view v, const std::string& commeLu)
    {
        const int n = numero + static_cast<int>(i) - 1;
        f->ecartDuReste({CTUVFile::Ecart::Type::PasUnNombre, n, n, v, commeLu});
    }

    std::string_view t;
    size_t pos = 0;
    size_t nb = 0;
    size_t i = 0;
    CTUVFile* f;
    int numero;  // the record's first value's number on its line
    int nManques = 0;
    std::string manques;
};

void lireUniformsSD(Jetons& j, CSPRITE::Uniforms& m)
{
    m.clear();
    int n = j.entier();
    // Each uniform takes at least two values: never loop past the line. A count the line
    // falls short of asks one value past its end, for the uniforms it lacks.
    for (int k = 0; k < n; ++k) {
        if (j.restants() < 2) {
            j.manque("");
            break;
        }
        const std::string_view nom = j.texte();
        CSPRITE::Uniform u;
        const std::string_view type = j.texte();
        u.strType.assign(type.data(), type.size());
        if (type == "float") {
            u.fValeur = j.reel();
        } else if (type == "int") {
            u.iValeur = j.entier();
        } else if (type == "vec2") {
            u.fVec2X = j.reel();
            u.fVec2Y = j.reel();
        } else if (type == "vec3") {
            u.fVec3X = j.reel();
            u.fVec3Y = j.reel();
            u.fVec3Z = j.reel();
        } else if (type == "vec4") {
            u.fVec4X = j.reel();
            u.fVec4Y = j.reel();
            u.fVec4Z = j.reel();
            u.fValeur = j.reel();
        } else {
            m.insert_or_assign(std::string(nom), std::move(u));
            continue;
        }
        u.fPhaseDiviseur = j.reel();
        m.insert_or_assign(std::string(nom), std::move(u));
    }
}

void ajouterUniformsSD(std::string& s, const std::string& nomShader, const CSPRITE::Uniforms& m)
{
    auto reel = [&s](float v) {
        s += ';';
        tuv::ajouterReel(s, v);
    };
    s += nomShader;
    s += ';';
    tuv::ajouterEntier(s, nomShader.empty() ? 0 : int(m.size()));
    if (nomShader.empty())
        return;
    for (const auto& [nom, u] : m) {
        s += ';';
        s += nom;
        s += ';';
        s += u.strType;
        if (u.strType == "float") {
            reel(u.fValeur);
        } else if (u.strType == "int") {
            s += ';';
            tuv::ajouterEntier(s, u.iValeur);
        } else if (u.strType == "vec2") {
            reel(u.fVec2X), reel(u.fVec2Y);
        } else if (u.strType == "vec3") {
            reel(u.fVec3X), reel(u.fVec3Y), reel(u.fVec3Z);
        } else if (u.strType == "vec4") {
            reel(u.fVec4X), reel(u.fVec4Y), reel(u.fVec4Z), reel(u.fValeur);
        } else {
            continue;
        }
        reel(u.fPhaseDiviseur);
    }
}

} // namespace

void lireShaderSD(std::string_view valeurs, DonneesSprite& sd, CTUVFile* f, int premiere)
{
    Jetons j(valeurs, f, premiere);
    sd.strShaderFrag = j.texte();
    lireUniformsSD(j, sd.uniformsFrag);
    sd.strShaderVert = j.texte();
    lireUniformsSD(j, sd.uniformsVert);
    // The shader flag and its five values are left out as a whole.
    if (j.reste()) {
        sd.bShader = j.entier() != 0;
        for (float& v : sd.valeursShader)
            v = j.reel();
    }
    j.finir();
}

std::string texteShaderSD(const DonneesSprite& sd, bool avecValeurs)
{
    std::string s;
    ajouterTexteShaderSD(s, sd, avecValeurs);
    return s;
}

void ajouterTexteShaderSD(std::string& s, const DonneesSprite& sd, bool avecValeurs)
{
    ajouterUniformsSD(s, sd.strShaderFrag, sd.uniformsFrag);
    s += ';';
    ajouterUniformsSD(s, sd.strShaderVert, sd.uniformsVert);
    if (avecValeurs) {
        s += sd.bShader ? ";1" : ";0";
        for (float v : sd.valeursShader) {
            s += ';';
            tuv::ajouterReel(s, v);
        }
    }
}
