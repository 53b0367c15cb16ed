#include "donnees/Verificateur.h"

#include "script/ScriptEngine.h"
#include "script/ScriptFile.h"

#include <SFML/Graphics/Image.hpp>

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <fstream>

namespace fs = std::filesystem;

namespace donnees {

namespace {

// The sounds the program plays by name, whatever the data says.
const char* const SONS_DU_CODE[] = {
    "MENU", "EXPLOSION", "PORTES", "PORTES_FERMETURE", "APPLAUDISSEMENTS", "TONERRE1", "TONERRE2", "TOUCHE",
    "TIRVIDE", "DASH", "SPLASH", "FANTOME", "FUREUR", "KICKASS", "TIRDANSCASQUE", "HEADSHOT",
    "ROCKER_PROPAGATION", "IMPACT_FLECHE", "REBOND_GRENADE", "MISSILE", "TOURELLE", "CHOC"};

// The menus of the game and, where the code gives lines a meaning, their selectable lines
// (the level-choice menus are checked against their lists; the others have no fixed lines).
struct MenuDuJeu {
    const char* nom;
    std::vector<int> choisissables;
    bool verifie;
};
const MenuDuJeu MENUS[] = {
    {"menu0.mnu", {0, 1}, true},
    {"menu1.mnu", {1, 3, 4, 5, 6, 7, 8, 9}, true},
    {"menu6.mnu", {0, 1, 2, 3, 4, 5}, true},
    {"menu60.mnu", {0, 1, 2, 3, 4, 5, 6}, true},
    {"menu_options.mnu", {1, 2}, true},
    {"menu_inventaire.mnu", {0, 1, 2}, true},
    {"menu_victoire.mnu", {0, 1, 2, 3}, true},
    {"menu_echec.mnu", {2, 3, 4}, true},
    {"menu_echec_aventure.mnu", {2, 3, 4, 5}, true},
    {"menu30_changerjoueur.mnu", {1}, true},
    {"menu_changejoueur.mnu", {}, false},
    {"menu_aide.mnu", {}, false},
    {"menu320_choixniveau_aventure.mnu", {}, false},
    {"menu330_choixniveau_chrono.mnu", {}, false},
    {"menu340_choixniveau_multi.mnu", {}, false},
    {"menu400_optionsmulti.mnu", {1, 2, 3, 4, 5, 6, 7, 8, 9, 10, 11, 12}, true},
    {"menu401-multiinternet.mnu", {}, false},
    {"menu_victoire_manchemulti.mnu", {}, false},
    {"menu_victoire_partiemulti.mnu", {1}, true},
    {"menu_exaequo_manchemulti.mnu", {}, false},
    {"menu_attentevantjeu.mnu", {}, false},
};

// The behaviour flags of an "SD" record, values 13 to 19, by the name the counts use.
const char* const DRAPEAUX_SD[] = {"bascule", "effondrement", "rebond", "glisse", "particules", "chemin",
                                   "destruction"};

std::string joindre(const std::vector<int>& comptes)
{
    std::string t;
    for (size_t i = 0; i < comptes.size(); ++i)
        t += (i == 0 ? "" : i + 1 == comptes.size() ? " or " : ", ") + std::to_string(comptes[i]);
    return t;
}

std::string minuscules(std::string t)
{
    std::transform(t.begin(), t.end(), t.begin(), [](unsigned char c) { return char(std::tolower(c)); });
    return t;
}

bool finitPar(const std::string& t, const std::string& fin)
{
    return t.size() >= fin.size() && t.compare(t.size() - fin.size(), fin.size(), fin) == 0;
}

int entier(const std::string& t)
{
    try {
        return std::stoi(t);
    } catch (...) {
        return 0;
    }
}

// A shader record ("SHADERSD", "SHADER_LIEN"): two shaders, each a file, a count and that
// many uniforms of a type-dependent length. The number of values it should have.
size_t longueurShader(const std::vector<std::string>& v)
{
    size_t i = 0;
    for (int shader = 0; shader < 2; ++shader) {
        i += 1;
        if (i >= v.size())
            return v.size() + 1;
        const int n = entier(v[i++]);
        for (int u = 0; u < n && i + 1 < v.size(); ++u) {
            const std::string& type = v[i + 1];
            i += 2;
            i += type == "vec2" ? 2 : type == "vec3" ? 3 : type == "vec4" ? 4 : type == "float" || type == "int" ? 1 : 0;
            i += 1;  // the period
        }
    }
    return i;
}

} // namespace

std::vector<Ligne> lireLignes(const fs::path& fichier)
{
    std::vector<Ligne> lignes;
    std::ifstream in(fichier, std::ios::binary);
    std::string texte;
    for (int numero = 1; std::getline(in, texte); ++numero) {
        if (!texte.empty() && texte.back() == '\r')
            texte.pop_back();
        if (numero == 1 && texte.compare(0, 3, "\xEF\xBB\xBF") == 0)
            texte.erase(0, 3);
        const size_t egal = texte.find('=');
        if (texte.empty() || texte[0] == '#' || egal == std::string::npos)
            continue;
        Ligne l;
        l.numero = numero;
        for (char c : texte.substr(0, egal))
            if (c != ' ' && c != '\t')
                l.cle += c;
        size_t debut = egal + 1;
        for (;;) {
            const size_t p = texte.find(';', debut);
            l.valeurs.push_back(texte.substr(debut, p == std::string::npos ? std::string::npos : p - debut));
            if (p == std::string::npos)
                break;
            debut = p + 1;
        }
        lignes.push_back(std::move(l));
    }
    return lignes;
}

Verificateur::Verificateur(fs::path racine) : racine_(std::move(racine)) {}

void Verificateur::erreur(const std::string& fichier, int ligne, const std::string& quoi)
{
    erreurs_.push_back(fichier + ": " + std::to_string(ligne) + ": " + quoi);
}

bool Verificateur::existe(const std::string& chemin) const
{
    std::string rel = chemin.compare(0, 2, "./") == 0 ? chemin.substr(2) : chemin;
    return fs::exists(racine_ / rel);
}

// Every value written as "./..." names a file, or a folder when it ends with "/".
void Verificateur::verifierChemins(const std::string& fichier, const Ligne& l)
{
    for (const std::string& v : l.valeurs) {
        if (v.compare(0, 2, "./") != 0)
            continue;
        const std::string rel = v.substr(2);
        const bool dossier = !rel.empty() && rel.back() == '/';
        const fs::path p = racine_ / rel;
        const bool ok = dossier ? fs::is_directory(p) : fs::is_regular_file(p);
        // A numbered sequence is named by its base name, checked by its own rule.
        if (!ok && !(l.cle == "SPRITE2" && rel.find('.') == std::string::npos))
            erreur(fichier, l.numero, l.cle + ": missing " + (dossier ? "folder " : "file ") + v);
    }
}

// A numbered image sequence: base name + four-digit first number + ".png".
void Verificateur::verifierSequence(const std::string& fichier, const Ligne& l, size_t base, size_t premier)
{
    if (l.valeurs.size() <= std::max(base, premier) || l.valeurs[base] == "VIDE")
        return;
    char numero[16];
    std::snprintf(numero, sizeof numero, "%04d", entier(l.valeurs[premier]));
    const std::string image = l.valeurs[base] + numero + ".png";
    if (!existe(image))
        erreur(fichier, l.numero, l.cle + ": missing first image " + image);
}

std::vector<Ligne> Verificateur::verifierCles(const std::string& fichier, const Format& format)
{
    std::vector<Ligne> lignes = lireLignes(racine_ / fichier);
    for (const Ligne& l : lignes) {
        const auto f = format.find(l.cle);
        if (f == format.end()) {
            erreur(fichier, l.numero, "unknown key " + l.cle);
            continue;
        }
        const std::vector<int>& comptes = f->second;
        const int n = int(l.valeurs.size());
        if (!comptes.empty() && std::find(comptes.begin(), comptes.end(), n) == comptes.end())
            erreur(fichier, l.numero, l.cle + ": " + std::to_string(n) + " values, expected " + joindre(comptes));
        if (l.cle == "SHADERSD" || l.cle == "SHADER_LIEN")
            verifierShaders(fichier, l);
        verifierChemins(fichier, l);
    }
    return lignes;
}

// A shader record: its uniforms agree with their counts, and its two shaders (names in
// "./shaders/") exist.
void Verificateur::verifierShaders(const std::string& fichier, const Ligne& l)
{
    if (longueurShader(l.valeurs) != l.valeurs.size()) {
        erreur(fichier, l.numero, l.cle + ": the uniforms do not match their counts");
        return;
    }
    size_t i = 0;
    for (int shader = 0; shader < 2; ++shader) {
        const std::string& nom = l.valeurs[i];
        if (!nom.empty() && !existe("shaders/" + nom))
            erreur(fichier, l.numero, l.cle + ": missing shader ./shaders/" + nom);
        const int n = entier(l.valeurs[i + 1]);
        i += 2;
        for (int u = 0; u < n; ++u) {
            const std::string& type = l.valeurs[i + 1];
            i += 3 + (type == "vec2" ? 2 : type == "vec3" ? 3 : type == "vec4" ? 4 : type == "float" || type == "int" ? 1 : 0);
        }
    }
}

std::string Verificateur::idDefinition(const std::string& chemin)
{
    auto it = idsDefinitions_.find(chemin);
    if (it != idsDefinitions_.end())
        return it->second;
    std::string id;
    for (const Ligne& l : lireLignes(racine_ / (chemin.compare(0, 2, "./") == 0 ? chemin.substr(2) : chemin)))
        if (l.cle == "ID" && !l.valeurs.empty())
            id = l.valeurs[0];
    return idsDefinitions_[chemin] = id;
}

// ---------------------------------------------------------------- menus

void Verificateur::verifierMenu(const std::string& fichier)
{
    for (const Ligne& l : verifierCles(fichier, formatMenu())) {
        if (l.cle != "LIGNE")
            continue;
        for (size_t police : {size_t(5), size_t(11)})
            if (l.valeurs.size() > police && (entier(l.valeurs[police]) < 0 || entier(l.valeurs[police]) > 2))
                erreur(fichier, l.numero, "LIGNE: font " + l.valeurs[police] + " outside 0-2");
    }
}

// ---------------------------------------------------------------- definitions and characters

void Verificateur::verifierMasque(const std::string& image, const std::string& source, int ligne)
{
    sf::Image masque;
    if (!masque.loadFromFile((racine_ / image.substr(image.compare(0, 2, "./") == 0 ? 2 : 0)).string()))
        return;  // the path rule has said it already
    const sf::Vector2u t = masque.getSize();
    for (unsigned y = 0; y < t.y; ++y)
        for (unsigned x = 0; x < t.x; ++x) {
            const sf::Color c = masque.getPixel(x, y);
            const bool connue = c.a == 0 || c == sf::Color(0, 255, 0) || c == sf::Color(0, 0, 255) ||
                                c == sf::Color(255, 0, 0);
            if (!connue) {
                erreur(source, ligne,
                       "mask " + image + " has the colour (" + std::to_string(c.r) + ", " + std::to_string(c.g) +
                           ", " + std::to_string(c.b) + ", " + std::to_string(c.a) + ") at " + std::to_string(x) +
                           ", " + std::to_string(y));
                return;
            }
        }
}

// A decor definition or a character: its masks, its numbered sequences and the sound its
// key `cleSon` plays.
void Verificateur::verifierImagesEtSon(const std::string& fichier, const Format& format, const char* cleSon)
{
    for (const Ligne& l : verifierCles(fichier, format)) {
        if (l.cle == "PLANCHE" && l.valeurs.size() > 1 && !l.valeurs[1].empty())
            verifierMasque(l.valeurs[1], fichier, l.numero);
        else if (l.cle == "SPRITE2")
            verifierSequence(fichier, l, 0, 7);
        else if (l.cle == cleSon && !l.valeurs[0].empty())
            sonsJoues_.emplace(l.valeurs[0], fichier);
    }
}

void Verificateur::verifierDefinition(const std::string& fichier)
{
    verifierImagesEtSon(fichier, formatDefinition(), "PLAYSON");
}

void Verificateur::verifierPersonnage(const std::string& fichier)
{
    verifierImagesEtSon(fichier, formatPersonnage(), "SON_DEGATS");
}

void Verificateur::verifierArmes(const std::string& fichier)
{
    static const Format format = {
        {"ARME", {6}},           {"PLANCHE", {1}},        {"SPRITETIR", {7}},
        {"SPRITETIRCANON", {7}}, {"SPRITETIRIMPACTMUR", {7}}, {"SPRITETIRIMPACTPERSO", {7}},
        {"ORIGINE_SPRITETIR", {2}}, {"ORIGINE_SPRITETIR_IMPACT", {2}}, {"CADENCETIR", {1}},
        {"SON", {1}},            {"RECUL", {2}},          {"COLOR", {4}},
        {"PARTICULE_TIR", {49}}, {"PARTICULE_TIR2", {49}}, {"NOM_EN", {1}},
    };
    int nbArmes = 0;
    for (const Ligne& l : verifierCles(fichier, format)) {
        nbArmes += l.cle == "ARME";
        if (l.cle == "SON" && !l.valeurs[0].empty())
            sonsJoues_.emplace(l.valeurs[0], fichier);
    }
    if (nbArmes < 22)
        erreur(fichier, 0, std::to_string(nbArmes) + " weapons, at least 22 expected");
}

// ---------------------------------------------------------------- scripts

namespace {

// The line of a script that holds the keyword (the reader rewrites lines, so the statement
// does not carry its line number); 0 when none does.
int ligneDuMotCle(const fs::path& fichier, const std::string& motCle)
{
    std::ifstream in(fichier);
    std::string t;
    for (int n = 1; std::getline(in, t); ++n) {
        for (char& c : t)
            c = char(std::toupper(static_cast<unsigned char>(c)));
        if (t.find(motCle) != std::string::npos)
            return n;
    }
    return 0;
}

} // namespace

void Verificateur::verifierScript(const std::string& fichier)
{
    CScriptFile scp;
    if (!scp.open((racine_ / fichier).string())) {
        erreur(fichier, 0, "cannot be read");
        return;
    }
    std::set<std::string>& mots = motsClesScripts_["./" + fichier];
    for (std::string motCle = scp.lireLigneSuivante(); !motCle.empty(); motCle = scp.lireLigneSuivante()) {
        if (motCle == "NULL")
            continue;
        // The statement as the reader left it, "KEYWORD(arguments)": its arguments.
        std::string args = scp.strLigne;
        const size_t ouvrante = args.find('('), fermante = args.rfind(')');
        if (ouvrante != std::string::npos)
            args = args.substr(ouvrante + 1, fermante == std::string::npos || fermante < ouvrante
                                                 ? std::string::npos
                                                 : fermante - ouvrante - 1);
        const int n = args.empty() ? 0 : 1 + int(std::count(args.begin(), args.end(), ';'));
        const int attendu = CScriptEngine::nbArgumentsMotCle(motCle);
        if (attendu < 0) {
            erreur(fichier, ligneDuMotCle(racine_ / fichier, motCle), "keyword " + motCle + " is not known to the script engine");
            continue;
        }
        if (n != attendu)
            erreur(fichier, ligneDuMotCle(racine_ / fichier, motCle),
                   motCle + ": " + std::to_string(n) + " arguments, expected " + std::to_string(attendu));
        mots.insert(motCle);
        std::vector<std::string> valeurs;
        size_t debut = 0;
        for (size_t p; (p = args.find(';', debut)) != std::string::npos; debut = p + 1)
            valeurs.push_back(args.substr(debut, p - debut));
        valeurs.push_back(args.substr(debut));
        for (std::string& v : valeurs)
            v.erase(std::remove(v.begin(), v.end(), '"'), v.end());
        if (motCle == "PLAYSON" && !valeurs[0].empty())
            sonsJoues_.emplace(valeurs[0], fichier);
        if (motCle == "SCRIPTRUN")
            scriptsDesScripts_["./" + fichier].insert(valeurs[0]);
        for (const std::string& v : valeurs)
            if (v.compare(0, 2, "./") == 0 && !existe(v))
                erreur(fichier, ligneDuMotCle(racine_ / fichier, motCle), motCle + ": missing file " + v);
    }
}

// ---------------------------------------------------------------- levels

void Verificateur::verifierNiveau(const std::string& fichier)
{
    const std::vector<Ligne> lignes = verifierCles(fichier, formatNiveau());
    std::set<std::string> dec, per;
    for (const Ligne& l : lignes) {
        if (l.cle == "TEXTURE_DEC" && l.valeurs.size() == 2) {
            dec.insert(l.valeurs[1]);
            if (existe(l.valeurs[0]) && idDefinition(l.valeurs[0]) != l.valeurs[1])
                erreur(fichier, l.numero, "TEXTURE_DEC: " + l.valeurs[0] + " has not the ID " + l.valeurs[1]);
        }
        if (l.cle == "TEXTURE_PER" && l.valeurs.size() == 2)
            per.insert(l.valeurs[1]);
    }
    for (const Ligne& l : lignes) {
        if (l.cle == "SD" && l.valeurs.size() >= 19) {
            const size_t attendu = 19 + (l.valeurs[12] == "1" ? 8 : 0) + (l.valeurs[13] == "1" ? 2 : 0);
            if (l.valeurs.size() != attendu)
                erreur(fichier, l.numero, "SD: " + std::to_string(l.valeurs.size()) + " values, its flags ask for " +
                                              std::to_string(attendu));
        }
        if ((l.cle == "SD" && !dec.count(l.valeurs[0])) || ((l.cle == "IA" || l.cle == "PERSO") && !per.count(l.valeurs[0])))
            erreur(fichier, l.numero, l.cle + ": model " + l.valeurs[0] + " is not declared by the level");
    }
    compterNiveau(fichier, lignes);
}

// What a level uses, added to the counts: decor behaviours, effects, and through its scripts
// (those of its lines, of its definitions and those they start) the commands it runs.
void Verificateur::compterNiveau(const std::string& fichier, const std::vector<Ligne>& lignes)
{
    std::set<std::string> scripts;
    std::map<std::string, std::string> definitions;
    for (const Ligne& l : lignes) {
        const std::string& c = l.cle;
        if (c == "TEXTURE_DEC" && l.valeurs.size() == 2)
            definitions[l.valeurs[1]] = l.valeurs[0];
        else if (c == "SD" && l.valeurs.size() >= 19) {
            for (int i = 0; i < 7; ++i)
                comportements_[DRAPEAUX_SD[i]] += l.valeurs[12 + size_t(i)] == "1";
            const std::string& def = definitions[l.valeurs[0]];
            for (const Ligne& d : lireLignes(racine_ / (def.size() > 2 ? def.substr(2) : def))) {
                if (d.cle == "PLAYSON")
                    ++comportements_["son de decor"];
                if (d.cle == "COLLISIONS" && d.valeurs[0] == "5")
                    ++comportements_["objet"];
                if (d.cle == "SCRIPTRUN")
                    scripts.insert(d.valeurs[0]);
            }
        } else if (c == "SCRIPTRUN")
            scripts.insert(l.valeurs[0]);
        else if (c == "COLLISION" && l.valeurs[0] == "5")
            ++comportements_["objet"];
        else if (c == "KPG" || c == "CHEMINSIMPLE" || c == "FORCESD" || c == "PARTICULESD")
            ++comportements_[c];
        else if (c.compare(0, 6, "EFFET_") == 0 && l.valeurs[0] == "1")
            ++comportements_[minuscules(c.substr(6))];
    }
    compterScripts(fichier, scripts);
}

void Verificateur::compterScripts(const std::string& niveau, std::set<std::string> aVoir)
{
    std::set<std::string> vus;
    while (!aVoir.empty()) {
        const std::string s = *aVoir.begin();
        aVoir.erase(aVoir.begin());
        if (!vus.insert(s).second)
            continue;
        for (const std::string& mot : motsClesScripts_[s])
            ++comportements_[mot];
        for (const std::string& suivant : scriptsDesScripts_[s])
            aVoir.insert(suivant);
    }
    (void)niveau;
}

// ---------------------------------------------------------------- the whole folder

void Verificateur::verifierSons()
{
    for (const char* nom : SONS_DU_CODE)
        sonsJoues_.emplace(nom, "the game's code");
    for (const auto& [nom, ou] : sonsJoues_)
        if (!sonsDeclares_.count(nom))
            erreur("sons.ini", 0, "the sound " + nom + " played by " + ou + " is not declared");
}

void Verificateur::verifierListesEtMenus()
{
    // The adventure and chrono levels open one after the other: a locked level takes the
    // cursor and Return does nothing, so the list's menu says why, in its language.
    const struct {
        const char* liste;
        const char* menu;
        bool ouvertureEnOrdre;
    } listes[] = {
        {"niveaux/niveaux_aventure.ini", "menu320_choixniveau_aventure.mnu", true},
        {"niveaux/niveaux_chrono.ini", "menu330_choixniveau_chrono.mnu", true},
        {"niveaux/niveaux_multi.ini", "menu340_choixniveau_multi.mnu", false},
    };
    const std::pair<const char*, const char*> ouverture[] = {
        {"fr_", "Un niveau s'ouvre quand le précédent est gagné."}, {"en_", "A level opens once the one before is won."}};
    for (const auto& [liste, menu, ouvertureEnOrdre] : listes) {
        size_t nbNiveaux = 0;
        for (const Ligne& l : verifierCles(liste, {{"NIV", {2}}})) {
            ++nbNiveaux;
            if (!existe(l.valeurs[0] + "niveau.niv"))
                erreur(liste, l.numero, "NIV: no level file " + l.valeurs[0] + "niveau.niv");
        }
        for (const auto& [langue, phrase] : ouverture) {
            const std::string fichier = std::string("menus/") + langue + menu;
            std::vector<int> choisissables;
            int index = 0;
            bool ditOuverture = false;
            const std::vector<Ligne> lignes = lireLignes(racine_ / fichier);
            verifierPlacesNiveaux(fichier, lignes);
            for (const Ligne& l : lignes)
                if (l.cle == "LIGNE") {
                    if (l.valeurs.size() > 2 && l.valeurs[2] != "0")
                        choisissables.push_back(index);
                    else
                        for (const std::string& v : l.valeurs)
                            ditOuverture |= v.find(phrase) != std::string::npos;
                    ++index;
                }
            if (ouvertureEnOrdre && !ditOuverture)
                erreur(fichier, 0, std::string("no line says \"") + phrase + "\"");
            bool enOrdre = choisissables.size() == nbNiveaux;
            for (size_t k = 0; enOrdre && k < choisissables.size(); ++k)
                enOrdre = choisissables[k] == int(k) + 1;
            if (!enOrdre)
                erreur(fichier, 0, "its selectable lines are not lines 1 to " + std::to_string(nbNiveaux) +
                                       ", one per level of " + liste);
        }
    }
}

// A level line takes y - 4 to y + 86 once chosen (its picture enlarged and framed; the chrono
// record under its name ends within it), a line that cannot be chosen after the first level
// (a hint) y to y + its size + 4: a level line that reaches into a hint hides its letters.
void Verificateur::verifierPlacesNiveaux(const std::string& fichier, const std::vector<Ligne>& lignes)
{
    std::vector<const Ligne*> niveaux, indices;
    for (const Ligne& l : lignes) {
        if (l.cle != "LIGNE" || l.valeurs.size() < 3)
            continue;
        if (l.valeurs[2] != "0")
            niveaux.push_back(&l);
        else if (!niveaux.empty())
            indices.push_back(&l);
    }
    for (const Ligne* n : niveaux)
        for (const Ligne* i : indices) {
            const int y = entier(n->valeurs[1]), yi = entier(i->valeurs[1]);
            const int taille = i->valeurs.size() > 6 ? entier(i->valeurs[6]) : 0;
            if (y - 4 < yi + taille + 4 && yi < y + 86)
                erreur(fichier, n->numero, "LIGNE: a level line at y " + std::to_string(y) + " runs into line " +
                                               std::to_string(i->numero) + " at y " + std::to_string(yi) +
                                               " (a level line takes y - 4 to y + 86)");
        }
}

void Verificateur::verifierMenusDuJeu()
{
    for (const MenuDuJeu& m : MENUS)
        for (const char* langue : {"fr_", "en_"}) {
            const std::string fichier = std::string("menus/") + langue + m.nom;
            if (!existe(fichier)) {
                erreur(fichier, 0, "missing menu");
                continue;
            }
            std::vector<int> choisissables;
            int index = 0;
            for (const Ligne& l : lireLignes(racine_ / fichier))
                if (l.cle == "LIGNE") {
                    if (l.valeurs.size() > 2 && l.valeurs[2] != "0")
                        choisissables.push_back(index);
                    ++index;
                }
            if (m.verifie && choisissables != m.choisissables) {
                std::string t;
                for (int i : choisissables)
                    t += " " + std::to_string(i);
                erreur(fichier, 0, "selectable lines" + (t.empty() ? std::string(" none") : t) +
                                       " do not match the lines the game gives a meaning");
            }
        }
}

void Verificateur::verifier()
{
    static const Format config = {
        {"VIEWPORT", {2}},         {"LOADOVER", {2}},     {"FRAMERATE", {1}},        {"VERTICALSYNCHRO", {1}},
        {"AUTOFRAMERATE", {1}},    {"KILLCAM", {1}},      {"VOLUME_EFFETS", {1}},    {"VOLUME_MUSIQUE", {1}},
        {"USESHADER", {1}},        {"USEPARTICULESARMES", {1}}, {"XINPUT", {1}},    {"IA_JOUEUR2", {1}},
        {"LOADPERSO", {1}},        {"LOADIA", {1}},       {"FREE_IAS_MEMORY", {1}},  {"NEVER_FREE_TEXTURES", {1}},
        {"IMGINFO", {2}},          {"SERVEUR_LOBBY", {2}}, {"FONDINFO", {1}},        {"BULLE", {1}},
        {"IMGPARLE", {2}},         {"IMGPARLE2", {2}},
    };
    for (const Ligne& l : verifierCles("jeu.ini", config))
        (void)l;
    for (const Ligne& l : verifierCles("sons.ini", {{"LOADSOUND", {2}}}))
        sonsDeclares_.insert(l.valeurs[0]);
    verifierCles("anmglobaux.ini", {{"LOAD_ANM_EXT", {1}}});
    for (const Ligne& l : verifierCles("explosions/explos.ini", {{"EXPLOSION", {1}}, {"SPRITE2", {9}}, {"SON", {1}}})) {
        if (l.cle == "SPRITE2")
            verifierSequence("explosions/explos.ini", l, 0, 7);
        if (l.cle == "SON")
            sonsJoues_.emplace(l.valeurs[0], "explosions/explos.ini");
    }
    if (existe("objets/inventaire.inv"))
        verifierCles("objets/inventaire.inv", {{"CAT", {2}}, {"MESSAGE_DECOUVERTE", {1}}, {"OBJ", {5}}, {"CAT_EN", {2}},
                                               {"MESSAGE_DECOUVERTE_EN", {1}}, {"OBJ_EN", {3}}});
    verifierArmes("personnages/armes.arm");

    std::vector<std::string> fichiers;
    for (const auto& e : fs::recursive_directory_iterator(racine_))
        if (e.is_regular_file())
            fichiers.push_back(fs::relative(e.path(), racine_).generic_string());
    std::sort(fichiers.begin(), fichiers.end());
    // Scripts first: the levels count what their scripts run.
    for (const std::string& f : fichiers)
        if (finitPar(f, ".scp"))
            verifierScript(f);
    for (const std::string& f : fichiers) {
        if (finitPar(f, ".mnu"))
            verifierMenu(f);
        else if (finitPar(f, ".dec"))
            verifierDefinition(f);
        else if (finitPar(f, ".per"))
            verifierPersonnage(f);
        else if (finitPar(f, ".anm"))
            for (const Ligne& l : lireLignes(racine_ / f))
                verifierChemins(f, l);
    }
    for (const std::string& f : fichiers)
        if (finitPar(f, ".niv"))
            verifierNiveau(f);
    verifierMenusDuJeu();
    verifierListesEtMenus();
    verifierSons();
}

} // namespace donnees
