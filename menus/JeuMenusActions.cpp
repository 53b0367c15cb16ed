// What the frame's input does in each menu, at the end of every menu frame: one function per
// menu, testing its rows in order; the first row that applies acts and the rest of the input
// is ignored.
#include "menus/JeuMenus.h"

#include "characters/Inventaire.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"

#include <algorithm>
#include <map>

namespace {

const char* const FICHIER_JOUEURS = "./niveaux/joueurs.ini";
const char* const SALON = "JeuDialogInternet";

// A player may be added while the list holds at most this many.
constexpr int JOUEURS_AVANT_AJOUT_MAX = 10;
// Frames of holding before the inventory selection moves again (Part of the shared counter
// of the line movement, which adds its own step in the same frame).
constexpr int CADENCE_INVENTAIRE = 5;

} // namespace

void CJeuMenus::fermerFenetre()
{
    if (ServicesJeu* j = faceJeu::services())
        j->fermerFenetre();
}

void CJeuMenus::actionMenu(const EntreesMenu& e)
{
    using Action = void (CJeuMenus::*)(const EntreesMenu&);
    static const std::map<int, Action> ACTIONS = {
        {IdMenu::LANGUE, &CJeuMenus::actionLangue},
        {IdMenu::PRINCIPAL, &CJeuMenus::actionPrincipal},
        {IdMenu::OPTIONS, &CJeuMenus::actionOptions},
        {IdMenu::AIDE, &CJeuMenus::actionAide},
        {IdMenu::INTERNET, &CJeuMenus::actionInternet},
        {IdMenu::NOUVEAU_JOUEUR, &CJeuMenus::actionNouveauJoueur},
        {IdMenu::CHANGER_JOUEUR, &CJeuMenus::actionChangerJoueur},
        {IdMenu::CHOIX_AVENTURE, &CJeuMenus::actionChoixNiveau},
        {IdMenu::CHOIX_CHRONO, &CJeuMenus::actionChoixNiveau},
        {IdMenu::CHOIX_MULTI, &CJeuMenus::actionChoixNiveau},
        {IdMenu::ATTENTE, &CJeuMenus::actionAttente},
        {IdMenu::PAUSE, &CJeuMenus::actionPause},
        {IdMenu::PAUSE_AVENTURE, &CJeuMenus::actionPauseAventure},
        {IdMenu::VICTOIRE, &CJeuMenus::actionVictoire},
        {IdMenu::ECHEC, &CJeuMenus::actionEchec},
        {IdMenu::ECHEC_AVENTURE, &CJeuMenus::actionEchecAventure},
        {IdMenu::VICTOIRE_MANCHE, &CJeuMenus::actionFinManche},
        {IdMenu::EXAEQUO_MANCHE, &CJeuMenus::actionFinManche},
        {IdMenu::VICTOIRE_PARTIE, &CJeuMenus::actionFinPartie},
        {IdMenu::OPTIONS_MULTI, &CJeuMenus::actionOptionsMulti},
        {IdMenu::INVENTAIRE, &CJeuMenus::actionInventaire},
    };
    const auto it = ACTIONS.find(idMenu);
    if (it != ACTIONS.end())
        (this->*(it->second))(e);
}

// ---- shared steps ----------------------------------------------------------------------------

CDecor* CJeuMenus::mondeJoue() const
{
    const MondeJeu* j = faceJeu::monde();
    return j ? (bJeuMondeMenu ? j->pdecorMenu : j->pdecorJeu) : nullptr;
}

// Back to the game, the doors opening over it. A pause menu with a live level of its own
// made the menu world active: the world played takes over again.
void CJeuMenus::reprendre()
{
    MondeJeu* j = faceJeu::monde();
    if (!j)
        return;
    if (j->pdecor != mondeJoue())
        selectionnerDecor(!bJeuMondeMenu);
    bOuverturePortes = true;
    faceJeu::partie()->mode = 1;
}

// The world played starts again. A level the editor plays in the menu world restarts with
// the number it was loaded with: the game's level numbers are not its own.
void CJeuMenus::recommencer(int numero)
{
    MondeJeu* j = faceJeu::monde();
    if (!j)
        return;
    const bool mondeMenu = bJeuMondeMenu;
    selectionnerDecor(!mondeMenu);
    if (j->pdecor)
        j->pdecor->demarrerNiveau(mondeMenu ? j->pdecor->calqueVisible : numero);
    faceJeu::partie()->mode = 1;
}

// The number the game world's level was last loaded or started with.
static int dernierNumero(const MondeJeu* j, int defaut)
{
    return j && j->pdecorJeu ? j->pdecorJeu->calqueVisible : defaut;
}

void CJeuMenus::choisirNiveauSelonType()
{
    const int type = faceJeu::partie() ? faceJeu::partie()->typeJeu : 0;
    ouvrirMenu(type == 0 ? IdMenu::CHOIX_AVENTURE : type == 1 ? IdMenu::CHOIX_CHRONO : IdMenu::OPTIONS_MULTI);
}

void CJeuMenus::changerJoueurDepuis(int menu)
{
    menuRetour = menu;
    ouvrirMenu(IdMenu::CHANGER_JOUEUR);
}

// Right or left held moves the volume by one per frame at 30 frames per second (half as
// much per frame at 60, so a second of holding moves it by 30 at either rate).
bool CJeuMenus::pasVolume(bool effets, bool droite, bool gauche)
{
    OptionsJeu* j = faceJeu::options();
    if (!j || (!droite && !gauche))
        return false;
    float& volume = effets ? j->volumeEffets : j->volumeMusique;
    const float pas = faceJeu::partie()->framerateCoeff > 0 ? faceJeu::partie()->framerateCoeff : 1.0f;
    volume = droite ? std::min(100.0f, volume + pas) : std::max(0.0f, volume - pas);
    faceJeu::services()->appliquerVolumes();
    return true;
}

std::string CJeuMenus::fichierNiveauListe(int i) const
{
    if (i < 0 || i >= static_cast<int>(listeNiveaux.size()))
        return std::string();
    return listeNiveaux[static_cast<size_t>(i)] + "niveau.niv";
}

// A level that does not exist would leave the player in an empty world: refused as a
// locked one.
bool CJeuMenus::niveauChoisissable(int i) const
{
    if (i < 0 || i >= static_cast<int>(listeNiveaux.size()) || i >= static_cast<int>(numerosNiveaux.size()) ||
        i >= static_cast<int>(scores.size()) || !scores[static_cast<size_t>(i)])
        return false;
    return scores[static_cast<size_t>(i)]->bDebloque && tuv::fichierExiste(fichierNiveauListe(i));
}

// Entry i of the list into the game world: restarted when it is already there, loaded
// otherwise; then the wait before play.
void CJeuMenus::lancerNiveauListe(int i, bool choix)
{
    MondeJeu* j = faceJeu::monde();
    if (!j || CSFMLJeuGlobal::bChargement || i < 0 || i >= static_cast<int>(listeNiveaux.size()))
        return;
    strEntreeNiveau = listeNiveaux[static_cast<size_t>(i)];
    strFichierNiveau = fichierNiveauListe(i);
    numNiveau = i < static_cast<int>(numerosNiveaux.size()) ? numerosNiveaux[static_cast<size_t>(i)] : 0;
    if (choix)
        indexNiveau = i;
    selectionnerDecor(true);
    // A load records the file and number through the level service; a restart does not pass
    // through it, and may restart the file on another number.
    if (j->pdecor) {
        if (strFichierNiveau == strNiveauCharge) {
            j->pdecor->demarrerNiveau(numNiveau);
            numNiveauCharge = numNiveau;
        } else {
            j->pdecor->chargerNiveau(strFichierNiveau, numNiveau);
        }
    }
    idMenu = IdMenu::ATTENTE;
    ouvrirMenu(IdMenu::ATTENTE);
}

void CJeuMenus::mancheSuivante()
{
    MondeJeu* j = faceJeu::monde();
    if (!j)
        return;
    if (j->pdecor != j->pdecorJeu)
        selectionnerDecor(true);
    if (j->pdecor)
        j->pdecor->demarrerNiveau(numNiveau);
    bOuverturePortes = true;
    faceJeu::partie()->mode = 1;
}

// The replay line is hidden without the killcam, and an empty ring has nothing to show.
void CJeuMenus::revoirSiPossible()
{
    OptionsJeu* j = faceJeu::options();
    if (j && j->optionKillcam > 0 && faceJeu::services()->nbImagesKillcam() > 0)
        bRevoirKillcam = true;
}

void CJeuMenus::ecrireJoueursOuSignaler()
{
    if (!ecrireJoueurs(FICHIER_JOUEURS))
        signalerEchecEcriture(FICHIER_JOUEURS);
}

// The players after the erased one move up: the active index follows its player, and
// stays within the list.
void CJeuMenus::effacerJoueur(int e)
{
    joueurs.erase(joueurs.begin() + e);
    if (joueurActif > e)
        --joueurActif;
    joueurActif = std::min(joueurActif, static_cast<int>(joueurs.size()) - 1);
    ecrireJoueursOuSignaler();
    ouvrirMenu(IdMenu::NOUVEAU_JOUEUR);
}

// ---- menus 0, 1, 7, 100, 401 -------------------------------------------------------------------

void CJeuMenus::actionLangue(const EntreesMenu& e)
{
    if (e.bValider) {
        if (ligneActive == 0)
            changerLangue("fr_");
        else if (ligneActive == 1)
            changerLangue("en_");
        if (!ecrireLangue("langue.ini"))
            signalerEchecEcriture("langue.ini");
        ouvrirMenu(IdMenu::PRINCIPAL);
    } else if (e.bRetour) {
        fermerFenetre();
    }
}

void CJeuMenus::actionPrincipal(const EntreesMenu& e)
{
    if (e.bValider) {
        switch (ligneActive) {
        case 1: ouvrirMenu(IdMenu::NOUVEAU_JOUEUR); return;
        case 3: ouvrirMenu(IdMenu::CHOIX_AVENTURE); return;
        case 4: ouvrirMenu(IdMenu::CHOIX_CHRONO); return;
        case 5: ouvrirMenu(IdMenu::CHOIX_MULTI); return;
        case 6:
            // Without the lobby (no GUI set-up) the player stays here rather than on a
            // screen that nothing answers.
            if (CPLUX::getDialog(SALON)) {
                chargerMenu("./menus/", IdMenu::fichier(IdMenu::INTERNET));
                CPLUX::show(SALON);
                entrerMenu(IdMenu::INTERNET);
            }
            return;
        case 7:
            idMenu = IdMenu::OPTIONS;
            chargerMenu("./menus/", IdMenu::fichier(IdMenu::OPTIONS));
            return;
        case 8:
            entrerMenu(IdMenu::AIDE);
            chargerMenu("./menus/", IdMenu::fichier(IdMenu::AIDE));
            return;
        case 9: fermerFenetre(); return;
        default: break;
        }
    }
    if (e.bRetour && !e.bHaut && !e.bBas) {
        idMenu = IdMenu::LANGUE;
        ouvrirMenu(IdMenu::LANGUE);
    }
}

void CJeuMenus::actionOptions(const EntreesMenu& e)
{
    if (e.bValider)
        return;
    if ((e.bDroite || e.bGauche) && (ligneActive == 1 || ligneActive == 2)) {
        pasVolume(ligneActive == 1, e.bDroite, e.bGauche);
        return;
    }
    if (e.bRetour && !e.bGauche && !e.bDroite)
        ouvrirMenu(IdMenu::PRINCIPAL);
}

void CJeuMenus::actionAide(const EntreesMenu& e)
{
    if (e.bRetour)
        ouvrirMenu(IdMenu::PRINCIPAL);
}

// The lobby has the input; a back that reaches the menu leaves it, which disconnects.
void CJeuMenus::actionInternet(const EntreesMenu& e)
{
    if (!e.bRetour)
        return;
    CPLUX::hide(SALON);
    ouvrirMenu(IdMenu::PRINCIPAL);
}

// ---- players: menus 30 and 33 ------------------------------------------------------------------

void CJeuMenus::actionNouveauJoueur(const EntreesMenu& e)
{
    const bool saisie = !bSaisieTerminee;
    const int nb = static_cast<int>(joueurs.size());
    if (e.bValider && ligneActive == 1) {
        if (!saisie) {
            if (nb <= JOUEURS_AVANT_AJOUT_MAX) {
                bSaisieTerminee = false;
                strNouveauJoueur.clear();
            }
            return;
        }
        bSaisieTerminee = true;
        if (strNouveauJoueur.empty())
            return;
        joueurs.push_back(strNouveauJoueur);
        joueurActif = nb;
        ecrireJoueursOuSignaler();
        ouvrirMenu(IdMenu::NOUVEAU_JOUEUR);
        return;
    }
    const int joueur = ligneActive - premiereLigneJoueur;
    const bool ligneJoueur = ligneActive >= premiereLigneJoueur && joueur >= 0 && joueur < nb;
    if (e.bValider && ligneJoueur) {
        joueurActif = joueur;
        ecrireJoueursOuSignaler();
        ouvrirMenu(IdMenu::PRINCIPAL);
    } else if (e.bRelache2 && ligneJoueur && joueur > 0) {
        effacerJoueur(joueur);
    } else if (e.bRetour) {
        if (saisie) {
            bSaisieTerminee = true;
            strNouveauJoueur.clear();
        } else {
            ouvrirMenu(IdMenu::PRINCIPAL);
        }
    }
}

void CJeuMenus::actionChangerJoueur(const EntreesMenu& e)
{
    const int joueur = ligneActive - premiereLigneJoueur;
    const bool choisi = e.bValider && ligneActive >= premiereLigneJoueur && joueur >= 0 &&
                        joueur < static_cast<int>(joueurs.size());
    if (choisi) {
        joueurActif = joueur;
        ecrireJoueursOuSignaler();
    }
    if (!choisi && !e.bRetour)
        return;
    // Only the menus that open this one are returned to.
    static const int RETOURS[] = {IdMenu::VICTOIRE, IdMenu::ECHEC, IdMenu::ECHEC_AVENTURE, IdMenu::PAUSE,
                                  IdMenu::PAUSE_AVENTURE};
    const bool connu = std::find(std::begin(RETOURS), std::end(RETOURS), menuRetour) != std::end(RETOURS);
    ouvrirMenu(connu ? menuRetour : IdMenu::PRINCIPAL);
}

// ---- level choice and the wait before play -----------------------------------------------------

void CJeuMenus::actionChoixNiveau(const EntreesMenu& e)
{
    if (e.bValider && ligneActive >= 1) {
        const int i = ligneActive - 1;
        if (!niveauChoisissable(i))
            return;
        if (idMenu != IdMenu::CHOIX_MULTI) {
            lancerNiveauListe(i, true);
            return;
        }
        strEntreeNiveau = listeNiveaux[static_cast<size_t>(i)];
        strFichierNiveau = fichierNiveauListe(i);
        numNiveau = numerosNiveaux[static_cast<size_t>(i)];
        indexNiveau = i;
        idMenu = IdMenu::OPTIONS_MULTI;
        ouvrirMenu(IdMenu::OPTIONS_MULTI);
        return;
    }
    if (e.bRetour && !e.bGauche && !e.bDroite)
        ouvrirMenu(IdMenu::PRINCIPAL);
}

// A held A or X from the menu does not fire or jump in the first frame of play.
void CJeuMenus::actionAttente(const EntreesMenu& e)
{
    PartieJeu* j = faceJeu::partie();
    if (!e.bValider || !j)
        return;
    j->mode = 1;
    for (CommandesJoueur& c : j->commandes)
        c.bA = c.bRelA = c.bX = c.bRelX = false;
}

// ---- pauses ------------------------------------------------------------------------------------

void CJeuMenus::actionPause(const EntreesMenu& e)
{
    PartieJeu* j = faceJeu::partie();
    if (e.bValider) {
        switch (ligneActive) {
        case 0: reprendre(); return;
        case 1:
            if (j)
                std::fill(std::begin(j->manchesGagnees), std::end(j->manchesGagnees), 0);
            recommencer(dernierNumero(faceJeu::monde(), numNiveau));
            return;
        case 2: choisirNiveauSelonType(); return;
        case 3: changerJoueurDepuis(IdMenu::PAUSE); return;
        default: break;
        }
    }
    if (e.bRetour || e.bRelache7)
        reprendre();
    else if (ligneActive == 4 || ligneActive == 5)
        pasVolume(ligneActive == 4, e.bDroite, e.bGauche);
}

void CJeuMenus::actionPauseAventure(const EntreesMenu& e)
{
    gererMenuPauseAventure(e.bValider, e.bRetour, e.bRelache7, e.bDroite, e.bGauche, e.bToucheFrappee);
}

void CJeuMenus::gererMenuPauseAventure(bool bValider, bool bRetour, bool bRelache7, bool bDroite, bool bGauche,
                                       bool /*bToucheFrappee*/)
{
    if (bValider) {
        switch (ligneActive) {
        case 0: reprendre(); return;
        case 2:
            // From the very beginning: the checkpoint goes.
            if (CDecor* d = mondeJoue())
                d->checkpointX = d->checkpointY = -1;
            [[fallthrough]];
        case 1: recommencer(dernierNumero(faceJeu::monde(), numNiveau)); return;
        case 3: choisirNiveauSelonType(); return;
        case 4: changerJoueurDepuis(IdMenu::PAUSE_AVENTURE); return;
        default: break;
        }
    }
    if (bRetour || bRelache7)
        reprendre();
    else if (ligneActive == 5 || ligneActive == 6)
        pasVolume(ligneActive == 5, bDroite, bGauche);
}

// ---- ends of one-player levels -----------------------------------------------------------------

void CJeuMenus::actionVictoire(const EntreesMenu& e)
{
    if (e.bValider) {
        switch (ligneActive) {
        case 0: changerJoueurDepuis(IdMenu::VICTOIRE); return;
        case 1: recommencer(numNiveau); return;
        case 2: {
            // Past the last level the index stays at the list's end: the banner then says
            // the demo is over.
            const int taille = static_cast<int>(listeNiveaux.size());
            if (indexNiveau + 1 >= taille) {
                indexNiveau = std::max(indexNiveau, taille);
            } else if (niveauChoisissable(indexNiveau + 1)) {
                ++indexNiveau;
                lancerNiveauListe(indexNiveau, false);
            }
            return;
        }
        case 3: ouvrirMenu(IdMenu::PRINCIPAL); return;
        default: break;
        }
    }
    if (e.bRetour)
        ouvrirMenu(IdMenu::PRINCIPAL);
}

void CJeuMenus::actionEchec(const EntreesMenu& e)
{
    if (e.bValider) {
        switch (ligneActive) {
        case 2: changerJoueurDepuis(IdMenu::ECHEC); return;
        case 3: recommencer(numNiveau); return;
        case 4: ouvrirMenu(IdMenu::PRINCIPAL); return;
        default: break;
        }
    }
    if (e.bRetour)
        ouvrirMenu(IdMenu::PRINCIPAL);
}

void CJeuMenus::actionEchecAventure(const EntreesMenu& e)
{
    gererMenuEchecAventure(e.bValider, e.bRetour);
}

void CJeuMenus::gererMenuEchecAventure(bool bValider, bool bRetour)
{
    if (bValider) {
        switch (ligneActive) {
        case 3:
            if (CDecor* d = mondeJoue())
                d->checkpointX = d->checkpointY = -1;
            [[fallthrough]];
        case 2: recommencer(numNiveau); return;
        case 4: changerJoueurDepuis(IdMenu::ECHEC_AVENTURE); return;
        case 5: ouvrirMenu(IdMenu::PRINCIPAL); return;
        default: break;
        }
    }
    if (bRetour)
        ouvrirMenu(IdMenu::PRINCIPAL);
}

// ---- ends of two-player rounds -----------------------------------------------------------------

void CJeuMenus::actionFinManche(const EntreesMenu& e)
{
    if (e.bRelache3) {
        mancheSuivante();
    } else if (e.bRelache2) {
        revoirSiPossible();
    } else if (e.bRetour) {
        if (PartieJeu* j = faceJeu::partie())
            j->bAnimerIconesJoueurs = !j->bAnimerIconesJoueurs;
    }
}

void CJeuMenus::actionFinPartie(const EntreesMenu& e)
{
    if (e.bValider && ligneActive == 1) {
        ouvrirMenu(IdMenu::OPTIONS_MULTI);
    } else if (e.bRelache3 && !e.bValider) {
        if (PartieJeu* j = faceJeu::partie())
            std::fill(std::begin(j->manchesGagnees), std::end(j->manchesGagnees), 0);
        mancheSuivante();
    } else if (e.bRelache2 || e.bRetour) {
        actionFinManche(e);
    }
}

void CJeuMenus::actionOptionsMulti(const EntreesMenu& e)
{
    lancerPartieMulti(e.bValider, e.bRetour, e.bRelache2, e.bDroite, e.bGauche, e.bToucheFrappee);
}

// ---- inventory ---------------------------------------------------------------------------------

// Every step runs in the same frame: use or leave, the column, then the held direction.
void CJeuMenus::actionInventaire(const EntreesMenu& e)
{
    CInventaire* inv = pInventaire.get();
    if (!inv)
        return;
    if (e.bValider) {
        if (inv->nbObjetsCategorie > 0)
            inv->utiliserObjet();
    } else if (e.bRetour || e.bRelache6) {
        if (PartieJeu* j = faceJeu::partie())
            j->mode = 1;
    } else if (e.bRelache4) {
        ongletInventaire = ongletInventaire <= 0 ? 2 : ongletInventaire - 1;
    } else if (e.bRelache5) {
        ongletInventaire = ongletInventaire >= 2 ? 0 : ongletInventaire + 1;
    }
    if (e.bGauche)
        inv->colonne = 0;
    else if (e.bDroite && inv->nbObjetsCategorie > 0)
        inv->colonne = 1;
    if (!e.bHaut && !e.bBas) {
        compteurRepetition = 0;
        return;
    }
    // The line movement has already counted this frame once: the selection moves every
    // third frame held, the first time in the third.
    if (++compteurRepetition >= CADENCE_INVENTAIRE) {
        deplacerSelectionInventaire(e.bHaut);
        compteurRepetition = 0;
    }
}

void CJeuMenus::deplacerSelectionInventaire(bool haut)
{
    CInventaire& inv = *pInventaire;
    if (inv.colonne == 0) {
        const int nb = static_cast<int>(inv.categories.size());
        const int cible = inv.categorieCourante + (haut ? -1 : 1);
        if (cible < 0 || cible >= nb)
            return;
        inv.categorieCourante = cible;
        inv.compterObjets();
        inv.objetCourant = 0;
        inv.chargerSprites();
    } else {
        const int cible = inv.objetCourant + (haut ? -1 : 1);
        if (cible < 0 || cible >= inv.nbObjetsCategorie)
            return;
        inv.objetCourant = cible;
        inv.chargerSprites();
    }
}
