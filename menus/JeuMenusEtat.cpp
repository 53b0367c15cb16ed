// The state that outlives a run: language, players, progression and scores, and the three
// level lists. Writers recreate their file with exactly their lines, without a banner; the
// file is replaced only once all of it was written, so a failed save leaves the old one.
#include "menus/JeuMenus.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"

#include <algorithm>

namespace {

const char* const FRANCAIS = "fr_";
const char* const ANGLAIS = "en_";

} // namespace

// "langue.ini" lives in the working folder itself: callers pass the bare name.
bool CJeuMenus::lireLangue(const std::string& fichier)
{
    if (open(fichier, false)) {
        for (std::string cle = getKey(); !cle.empty(); cle = getKey())
            if (cle == "LANGUE")
                langue = getValue();
        close();
    }
    if (langue != FRANCAIS && langue != ANGLAIS)
        langue = FRANCAIS;
    return true;
}

// The file holds these lines and nothing else once all were written; else it is unchanged.
bool CJeuMenus::ecrireLignes(const std::string& fichier, const std::vector<std::string>& lignesFichier)
{
    if (!open(fichier, true))
        return false;
    for (const std::string& l : lignesFichier)
        writeLine(l);
    return close();
}

bool CJeuMenus::ecrireLangue(const std::string& fichier)
{
    return ecrireLignes(fichier, {"LANGUE=" + langue});
}

bool CJeuMenus::lireJoueurs(const std::string& fichier)
{
    joueurs.clear();
    if (!open(fichier, false))
        return false;
    for (std::string cle = getKey(); !cle.empty(); cle = getKey()) {
        if (cle == "JOUEUR_ACTIF")
            joueurActif = getValueInt();
        else if (cle == "JOUEUR") {
            // Every carriage return ending the line goes, not only the one of a Windows line
            // end: a name written with one more would lose one at each save.
            std::string nom = getValue();
            nom.erase(nom.find_last_not_of('\r') + 1);
            joueurs.push_back(nom);
        }
    }
    close();
    // A negative or too large index selects the last player; no player gives -1.
    if (static_cast<unsigned>(joueurActif) >= joueurs.size())
        joueurActif = static_cast<int>(joueurs.size()) - 1;
    return true;
}

bool CJeuMenus::ecrireJoueurs(const std::string& fichier)
{
    std::vector<std::string> l = {"JOUEUR_ACTIF=" + tuv::itos(joueurActif)};
    for (const std::string& nom : joueurs)
        l.push_back("JOUEUR=" + nom);
    return ecrireLignes(fichier, l);
}

bool CJeuMenus::lireProgression(const std::string& fichier)
{
    niveauCourant = 1;
    if (!open(fichier, false))
        return false;
    for (std::string cle = getKey(); !cle.empty(); cle = getKey())
        if (cle == "NIVEAU_COURANT")
            niveauCourant = getValueInt();
    close();
    return true;
}

bool CJeuMenus::ecrireProgression(const std::string& fichier)
{
    return ecrireLignes(fichier, {"NIVEAU_COURANT=" + tuv::itos(niveauCourant)});
}

// One "SCORE" line per level: unlocked; best time; player; stars; shield.
bool CJeuMenus::lireScores(const std::string& fichier)
{
    scores.clear();
    fichierScores = fichier;
    if (!open(fichier, false))
        return false;
    for (std::string cle = getKey(); !cle.empty(); cle = getKey()) {
        if (cle != "SCORE")
            continue;
        auto s = std::make_unique<ScoreNiveau>();
        s->bDebloque = getValueInt() != 0;
        s->meilleurTemps = getValueInt();
        s->strJoueur = getValue();
        s->etoiles = std::clamp(getValueInt(), 0, 3);
        s->bBouclier = getValueInt() != 0;
        scores.push_back(std::move(s));
    }
    close();
    return true;
}

// Without a record the file is created empty.
bool CJeuMenus::ecrireScores(const std::string& fichier)
{
    std::vector<std::string> l;
    for (const auto& s : scores)
        l.push_back("SCORE=" + std::string(s->bDebloque ? "1" : "0") + ";" + tuv::itos(s->meilleurTemps) + ";" +
                    s->strJoueur + ";" + tuv::itos(std::clamp(s->etoiles, 0, 3)) + ";" + (s->bBouclier ? "1" : "0"));
    return ecrireLignes(fichier, l);
}

// Entries and numbers stay paired: index k of one belongs to index k of the other.
bool CJeuMenus::lireListeNiveaux(const std::string& fichier)
{
    listeNiveaux.clear();
    numerosNiveaux.clear();
    if (!open(fichier, false))
        return false;
    for (std::string cle = getKey(); !cle.empty(); cle = getKey()) {
        if (cle != "NIV")
            continue;
        listeNiveaux.push_back(getValue());
        numerosNiveaux.push_back(getValueInt());
    }
    close();
    return true;
}

// Each level list keeps its records in a file of its own: adventure level k and chrono
// level k are different levels.
void CJeuMenus::lireScoresListe(int id)
{
    const bool multi = id == IdMenu::CHOIX_MULTI;
    lireScores(id == IdMenu::CHOIX_AVENTURE ? "./niveaux/scores_aventure.scr"
               : multi                      ? "./niveaux/scores_multi.scr"
                                            : "./niveaux/scores.scr");
    // No two-player result ever unlocks a level: that whole list is open from the start.
    for (size_t i = scores.size(); i < listeNiveaux.size(); ++i) {
        auto s = std::make_unique<ScoreNiveau>();
        s->bDebloque = i == 0 || multi;
        s->meilleurTemps = SANS_MEILLEUR_TEMPS;
        s->strJoueur = "---";
        scores.push_back(std::move(s));
    }
}

void CJeuMenus::signalerEchecEcriture(const std::string& fichier)
{
    if (langue == FRANCAIS)
        CPLUX::MessageBoxW("Erreur", "Impossible d'enregistrer " + fichier + " : la modification est perdue à la fin de la partie.");
    else
        CPLUX::MessageBoxW("Error", "Could not save " + fichier + ": the change will be lost when the game ends.");
}
