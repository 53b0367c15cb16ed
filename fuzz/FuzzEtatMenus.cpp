// Arbitrary bytes as each file the menus keep between runs: "langue.ini", the players, the
// progression, a score file and a level list. Each is read and written back, and what the
// game wrote reads back to the same values; the level grid then asks about every entry of the
// list.
#include "menus/JeuMenus.h"
#include "menus/MenuTypes.h"

#include "FuzzOutils.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <vector>

namespace {

struct Etat {
    std::string langue;
    std::vector<std::string> joueurs;
    int joueurActif = 0;
    int niveauCourant = 0;
    std::vector<std::string> scores;
    std::vector<std::string> liste;
    std::vector<int> numeros;

    bool operator==(const Etat& a) const
    {
        return langue == a.langue && joueurs == a.joueurs && joueurActif == a.joueurActif &&
               niveauCourant == a.niveauCourant && scores == a.scores && liste == a.liste && numeros == a.numeros;
    }
};

Etat lire(CJeuMenus& m, const std::string& fichier)
{
    m.lireLangue(fichier);
    m.lireJoueurs(fichier);
    m.lireProgression(fichier);
    m.lireScores(fichier);
    m.lireListeNiveaux(fichier);
    Etat e{m.langue, m.joueurs, m.joueurActif, m.niveauCourant, {}, m.listeNiveaux, m.numerosNiveaux};
    for (const auto& s : m.scores)
        e.scores.push_back(std::to_string(s->bDebloque) + ";" + std::to_string(s->meilleurTemps) + ";" +
                           s->strJoueur + ";" + std::to_string(s->etoiles) + ";" + std::to_string(s->bBouclier));
    return e;
}

// What is in memory written to its own file each, then all of them read back into one file.
std::string reecrire(CJeuMenus& m)
{
    const std::string copie = fuzz::chemin("copie.ini");
    std::string tout;
    for (bool (CJeuMenus::*ecrire)(const std::string&) :
         {&CJeuMenus::ecrireLangue, &CJeuMenus::ecrireJoueurs, &CJeuMenus::ecrireProgression, &CJeuMenus::ecrireScores}) {
        if (!(m.*ecrire)(copie))
            std::abort();
        tout += fuzz::lire(copie);
    }
    for (size_t i = 0; i < m.listeNiveaux.size(); ++i)
        tout += "NIV=" + m.listeNiveaux[i] + ";" + std::to_string(m.numerosNiveaux[i]) + "\n";
    fuzz::ecrire(copie, tout);
    return copie;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* donnees, size_t taille)
{
    static CJeuMenus* menus = new CJeuMenus;
    CJeuMenus& m = *menus;
    const std::string entree = fuzz::ecrireEntree("etat.ini", donnees, taille);
    lire(m, entree);
    if ((m.langue != "fr_" && m.langue != "en_") || m.joueurActif >= static_cast<int>(m.joueurs.size()) ||
        m.listeNiveaux.size() != m.numerosNiveaux.size())
        std::abort();
    for (const auto& s : m.scores)
        if (s->etoiles < 0 || s->etoiles > 3)
            std::abort();
    for (int i = -1; i <= static_cast<int>(m.listeNiveaux.size()) && i < 64; ++i) {
        m.niveauChoisissable(i);
        m.fichierNiveauListe(i);
    }
    // What the readers correct (an active player past the list, stars past 3) changes once;
    // what the game wrote then reads back as it was.
    const Etat relu = lire(m, reecrire(m));
    if (!(lire(m, reecrire(m)) == relu))
        std::abort();
    return 0;
}
