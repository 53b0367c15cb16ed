#pragma once
// The data checker: walks a data folder and reports, as "file: line: what", every file a
// data file names that is missing, every key its format does not know or that carries the
// wrong number of values, menu fonts out of range, level-choice menus that do not match
// their lists or whose level lines run into their hints, script keywords the engine does
// not know, sounds played but never declared, models a level uses without declaring them, a
// short weapon list and mask pixels of a colour the collisions do not know. It also counts
// what the shipped levels use, so that a test can ask for every decor behaviour at least
// once.
#include <filesystem>
#include <map>
#include <set>
#include <string>
#include <vector>

namespace donnees {

// One record of a key-and-values file: its line number, its key and its values (the text
// after "=" cut at every ";", so "K=" has one empty value).
struct Ligne {
    int numero = 0;
    std::string cle;
    std::vector<std::string> valeurs;
};

// The records of a file, "#" lines, blank lines and lines without "=" left out.
std::vector<Ligne> lireLignes(const std::filesystem::path& fichier);

// Allowed value counts of each key of a format; an empty list allows any count.
using Format = std::map<std::string, std::vector<int>>;

class Verificateur {
public:
    explicit Verificateur(std::filesystem::path racine);

    // Every rule over every file of the folder.
    void verifier();

    const std::vector<std::string>& erreurs() const { return erreurs_; }
    // What the levels use, by name ("bascule", "KPG", "pluie"...): how many times.
    const std::map<std::string, int>& comportements() const { return comportements_; }

    // The rules one file at a time (paths relative to the folder, "./" form not needed).
    void verifierMenu(const std::string& fichier);
    void verifierDefinition(const std::string& fichier);
    void verifierPersonnage(const std::string& fichier);
    void verifierArmes(const std::string& fichier);
    void verifierNiveau(const std::string& fichier);
    void verifierScript(const std::string& fichier);
    void verifierMasque(const std::string& image, const std::string& source, int ligne);
    // Key, count and path rules of a file read with a format table.
    std::vector<Ligne> verifierCles(const std::string& fichier, const Format& format);
    // After the files: sounds played but not declared, lists against their menus.
    void verifierSons();
    void verifierListesEtMenus();
    // A level-choice menu's level lines clear of its hint lines.
    void verifierPlacesNiveaux(const std::string& fichier, const std::vector<Ligne>& lignes);
    // The 21 menus in both languages, with the selectable lines the game gives a meaning.
    void verifierMenusDuJeu();

    static const Format& formatNiveau();
    static const Format& formatDefinition();
    static const Format& formatPersonnage();
    static const Format& formatMenu();

private:
    void erreur(const std::string& fichier, int ligne, const std::string& quoi);
    // The file a value names ("./x/y.png"), relative to the folder.
    bool existe(const std::string& chemin) const;
    void verifierChemins(const std::string& fichier, const Ligne& l);
    void verifierShaders(const std::string& fichier, const Ligne& l);
    void verifierImagesEtSon(const std::string& fichier, const Format& format, const char* cleSon);
    void verifierSequence(const std::string& fichier, const Ligne& l, size_t base, size_t premier);
    void compterNiveau(const std::string& fichier, const std::vector<Ligne>& lignes);
    void compterScripts(const std::string& niveau, std::set<std::string> aVoir);
    std::string idDefinition(const std::string& chemin);

    std::filesystem::path racine_;
    std::vector<std::string> erreurs_;
    std::map<std::string, int> comportements_;
    // Sounds declared by sons.ini; sounds played, with where they are played.
    std::set<std::string> sonsDeclares_;
    std::map<std::string, std::string> sonsJoues_;
    // Scripts' keywords by script file (for the counts of the levels).
    std::map<std::string, std::set<std::string>> motsClesScripts_;
    std::map<std::string, std::set<std::string>> scriptsDesScripts_;
    std::map<std::string, std::string> idsDefinitions_;
};

} // namespace donnees
