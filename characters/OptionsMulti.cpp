#include "characters/OptionsMulti.h"

#include "characters/FichierValeurs.h"
#include "core/Fichiers.h"
#include "core/NotesLecture.h"

#include <algorithm>

namespace {

// A reader of the option keys of its own, values ending with their line.
class LecteurOptions : public CFichierValeurs {
public:
    void lire(COptionsMulti& o);

private:
    // Players and clones per side: counts of characters made.
    void paire(int (&v)[2])
    {
        v[0] = valeurMesure();
        v[1] = valeurMesure();
    }
    void paire(bool (&v)[2])
    {
        v[0] = valeurDrapeau();
        v[1] = valeurDrapeau();
    }
};

void LecteurOptions::lire(COptionsMulti& o)
{
    for (std::string cle = getKey(); !cle.empty(); cle = getKey()) {
        if (cle == "NBJOUEURS")
            paire(o.nbJoueurs);
        else if (cle == "NBCLONES")
            paire(o.nbClones);
        else if (cle == "MANCHES")
            o.manches = valeurEntier();
        else if (cle == "INVERTOLITES")
            paire(o.invertolites);
        else if (cle == "BISOUILLETTES")
            paire(o.bisouillettes);
        else if (cle == "ARMESDEPART")
            o.armesDepart = valeurEntier();
        else if (cle == "MINESAUTO")
            o.minesAuto = valeurDrapeau();
        else if (cle == "MINESMANUELLES")
            o.minesManuelles = valeurDrapeau();
        else if (cle == "SUPERRESISTANT")
            o.superResistant = valeurDrapeau();
        else if (cle == "LIVRAISONARMES")
            o.livraisonArmes = valeurDrapeau();
        else if (cle == "MITRAILLEUSE")
            paire(o.mitrailleuse);
        else if (cle == "PADSOTOLITE")
            paire(o.padsOtolite);
        else
            cleNonPrise();
    }
}

} // namespace

COptionsMulti::COptionsMulti() : armesFontaine(armesPropres) { init(); }

COptionsMulti::COptionsMulti(ArmesFontaine& armesJeu) : armesFontaine(armesJeu) { init(); }

void COptionsMulti::init() { defauts(); }

void COptionsMulti::defauts()
{
    choixJ1 = choixJ2 = 0;
    couleurJ1 = sf::Color(255, 200, 200, 255);
    couleurJ2 = sf::Color(200, 200, 255, 255);
    // By default the fountains offer the second and the fifth weapon (indexes 1 and 4: the
    // rifle and the machine gun), and each player has one clone. The computer second player
    // fetches only fountains that offer index 1, 2 or 4 and steers by whichever of its
    // characters stands nearest its goal, while its commands move only the first: with every
    // weapon allowed, a fountain it passes by keeps offering what it never fetches, and with
    // clones it steers by one that does not move, so that it stood by with an empty gun. Index
    // 2, the laser, which it fetches too, is left off: the duels are played with these two. The
    // options screen turns on any other weapon and more clones.
    std::fill(std::begin(armesFontaine), std::end(armesFontaine), 0);
    armesFontaine[1] = armesFontaine[4] = 1;
    optionMenu = 0;
    nbJoueurs[0] = nbJoueurs[1] = 2;
    nbClones[0] = 1;
    nbClones[1] = 4;
    manches = 3;
    for (bool* paire : {invertolites, bisouillettes, padsOtolite, mitrailleuse}) {
        paire[0] = false;
        paire[1] = true;
    }
    drapeauxMenu[0] = drapeauxMenu[1] = drapeauxMenu[3] = false;
    drapeauxMenu[2] = true;
    armesDepart = 1;
    minesAuto = minesManuelles = superResistant = livraisonArmes = true;
    drapeauxPartie[0] = drapeauxPartie[1] = false;
    reglageJ1 = reglageJ2 = 0;
}

int COptionsMulti::charger(const std::string& fichier)
{
    LecteurOptions lecteur;
    if (!tuv::fichierExiste(fichier) || !lecteur.open(fichier, false)) {
        defauts();
        return 1;
    }
    tuv::RecueilNotes notes;
    notes.commencer(fichier);
    lecteur.verifierDans(&notes);
    lecteur.lire(*this);
    lecteur.close();
    notes.direUneFois("Options deux joueurs : ");
    return 1;
}
