// The end of a level: a one-player level is won when every player character has left it
// through its exit, lost when the player dies (or, on a chrono level, when the time runs
// out); a two-player round ends when at most one player is left. A pause follows, the same
// length at 30 and 60 frames per second, then the victory, defeat or round menu.
#include "game/FinNiveau.h"

#include "characters/Armes.h"
#include "characters/EtatsPerso.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "game/Jeu.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "menus/JeuMenus.h"

#include <algorithm>
#include <cmath>

namespace {

// 90 frames at 30 frames per second: three seconds at either rate. A lost level pauses one
// second: its hero has often fallen out of view, and the panel should not wait on an empty
// scene without its HUD.
constexpr float IMAGES_PAUSE = 90.0f;
constexpr float IMAGES_PAUSE_ECHEC = 30.0f;
// Half a second at 30 frames per second, before the panel of a round's end takes a key.
constexpr float IMAGES_SOURDES = 15.0f;
// Camera zoom per frame at 30 frames per second, without the zoom's limit.
constexpr float ZOOM_VICTOIRE = -0.0025f;
constexpr float ZOOM_DEFAITE = -0.005f;
constexpr int NB_JOUEURS_MAX = 4;
const char* const FICHIER_PROGRESSION = "./niveaux/progression.ini";

float coefficient(const CSFMLJeu& jeu)
{
    return jeu.framerateCoeff > 0 ? jeu.framerateCoeff : 1.0f;
}

// A living character of player `joueur`, to strike the winner's pose.
CPerso* persoDuJoueur(const CDecor& decor, int joueur)
{
    for (CPerso* p : decor.persos)
        if (p && p->numJoueur == joueur && p->mode != EtatPerso::MORT && !p->bDel)
            return p;
    return nullptr;
}

} // namespace

void CSFMLJeu::finNiveau()
{
    if (pFinNiveau)
        pFinNiveau->etape(*this);
}

int CFinNiveau::tempsNiveau(int chronoRef, int chrono)
{
    return std::max(0, chronoRef - chrono);
}

int CFinNiveau::etoiles(int temps, const int seuils[3])
{
    int n = 0;
    for (int k = 0; k < 3; ++k)
        if (seuils[k] > 0 && seuils[k] >= temps)
            ++n;
    return n;
}

void CFinNiveau::etape(CSFMLJeu& jeu)
{
    if (jeu.mode != 1 || !jeu.pdecor)
        return;
    if (issue_ == Issue::Aucune) {
        detecter(jeu);
        return;
    }
    // The level was started again meanwhile: its end is forgotten.
    if (!jeu.pdecor->niveauFini) {
        issue_ = Issue::Aucune;
        jeu.compteurMultiPause = 0;
        return;
    }
    if (jeu.pvue)
        jeu.pvue->zoomer(pasZoom_, false);
    if (--jeu.compteurMultiPause <= 0)
        conclure(jeu);
}

void CFinNiveau::detecter(CSFMLJeu& jeu)
{
    CDecor& decor = *jeu.pdecor;
    if (decor.niveauFini)
        return;
    if (jeu.typeJeu == 2) {
        detecterManche(jeu);
        return;
    }
    if (jeu.typeJeu != 0 && jeu.typeJeu != 1)
        return;
    // Characters that leave are taken out of the list a frame later: the count is kept from
    // before the first one left (a new level starts with no one out).
    const int presents = static_cast<int>(
        std::count_if(decor.persos.begin(), decor.persos.end(), [](const CPerso* p) { return p != nullptr; }));
    nbPersosDepart_ = std::max(1, jeu.compteurPexlon == 0 ? presents : std::max(nbPersosDepart_, presents));
    jeu.tempsNiveau = tempsNiveau(decor.chronoRef, decor.chrono);
    if (jeu.compteurPexlon >= nbPersosDepart_)
        commencer(jeu, Issue::Gagne, IdMenu::VICTOIRE, jeu.pPersoSorti);
    else if (jeu.bPersoIAdcd || (jeu.typeJeu == 1 && decor.chronoRef > 0 && decor.chrono <= 0))
        commencer(jeu, Issue::Perdu, jeu.typeJeu == 0 ? IdMenu::ECHEC_AVENTURE : IdMenu::ECHEC, nullptr);
}

// A round ends when at most one player is not eliminated: his rounds won go up and he
// becomes the winner; with nobody left, nobody wins.
bool CFinNiveau::detecterManche(CSFMLJeu& jeu)
{
    const COptionsMulti* o = jeu.pOptionsMulti;
    const int nbJoueurs = std::clamp(o ? o->nbJoueurs[0] : 2, 2, NB_JOUEURS_MAX);
    if (jeu.nbJoueursMultiDcd < nbJoueurs - 1)
        return false;
    const int clones = o ? std::max(1, o->nbClones[0]) : 1;
    int survivant = -1;
    if (jeu.nbJoueursMultiDcd < nbJoueurs)
        for (int p = 0; p < nbJoueurs && survivant < 0; ++p)
            if (jeu.paralysie[p] < clones)
                survivant = p;
    CJeuMenus* menus = jeu.pMenus;
    if (survivant < 0) {
        if (menus)
            menus->gagnant = -1;
        commencer(jeu, Issue::Manche, IdMenu::EXAEQUO_MANCHE, nullptr);
    } else {
        const int gagnees = ++jeu.manchesGagnees[survivant];
        if (menus)
            menus->gagnant = survivant;
        const int manches = o ? o->manches : 3;
        commencer(jeu, Issue::Manche, gagnees >= manches ? IdMenu::VICTOIRE_PARTIE : IdMenu::VICTOIRE_MANCHE,
                  persoDuJoueur(*jeu.pdecor, survivant));
    }
    // The mines left on the ground go off as the round ends.
    if (jeu.parmes)
        jeu.parmes->declencherExplosions();
    return true;
}

void CFinNiveau::commencer(CSFMLJeu& jeu, Issue issue, int menu, CPerso* vainqueur)
{
    CDecor& decor = *jeu.pdecor;
    issue_ = issue;
    menu_ = menu;
    decor.niveauFini = true;
    jeu.bControleJoueurs = false;
    if (vainqueur)
        vainqueur->victoire();
    const bool victoire = issue == Issue::Gagne || (issue == Issue::Manche && menu != IdMenu::EXAEQUO_MANCHE);
    if (issue == Issue::Gagne) {
        decor.musique.stop();
        decor.musiqueAmbiance.stop();
        decor.sonMusique.stop();
        decor.sonMusiqueAmbiance.stop();
        // A music that did not open has nothing to play (and SFML would complain).
        if (decor.musiqueFin.getDuration() > sf::Time::Zero) {
            decor.musiqueFin.setLoop(true);
            decor.musiqueFin.play();
        }
    }
    const float k = coefficient(jeu);
    pasZoom_ = (victoire ? ZOOM_VICTOIRE : ZOOM_DEFAITE) * k;
    const float pause = issue == Issue::Perdu ? IMAGES_PAUSE_ECHEC : IMAGES_PAUSE;
    jeu.compteurMultiPause = std::max(1, static_cast<int>(std::trunc(pause / k)));
}

void CFinNiveau::conclure(CSFMLJeu& jeu)
{
    const Issue issue = issue_;
    issue_ = Issue::Aucune;
    jeu.compteurMultiPause = 0;
    if (issue == Issue::Gagne) {
        jeu.nbEtoiles = etoiles(jeu.tempsNiveau, jeu.pdecor->etoiles);
        jeu.bNouveauRecord =
            jeu.pMenus && enregistrerVictoire(*jeu.pMenus, jeu.tempsNiveau, jeu.nbEtoiles, jeu.bSansFaute);
    }
    ouvrirMenuFin(jeu, menu_);
}

bool CFinNiveau::enregistrerVictoire(CJeuMenus& m, int temps, int nbEtoiles, bool bouclier)
{
    const int index = m.indexNiveau;
    const std::string fichier = m.fichierNiveauListe(index);
    if (fichier.empty() || fichier != m.strNiveauCharge)
        return false;
    bool record = false;
    if (index < static_cast<int>(m.scores.size()) && m.scores[static_cast<size_t>(index)]) {
        ScoreNiveau& s = *m.scores[static_cast<size_t>(index)];
        if (temps < s.meilleurTemps || (temps == s.meilleurTemps && bouclier && !s.bBouclier)) {
            s.meilleurTemps = temps;
            s.etoiles = nbEtoiles;
            s.bBouclier = bouclier;
            const bool joueur = m.joueurActif >= 0 && m.joueurActif < static_cast<int>(m.joueurs.size());
            s.strJoueur = joueur ? m.joueurs[static_cast<size_t>(m.joueurActif)] : "---";
            record = true;
        }
        // A won level opens the next one.
        s.bDebloque = true;
        if (index + 1 < static_cast<int>(m.scores.size()) && m.scores[static_cast<size_t>(index + 1)])
            m.scores[static_cast<size_t>(index + 1)]->bDebloque = true;
    }
    // Replaying an earlier level never moves the progression back.
    const int dernier = static_cast<int>(m.listeNiveaux.size()) - 1;
    m.niveauCourant = std::max(m.niveauCourant, std::min(index + 1, dernier));
    if (!m.fichierScores.empty() && !m.ecrireScores(m.fichierScores))
        m.signalerEchecEcriture(m.fichierScores);
    if (!m.ecrireProgression(FICHIER_PROGRESSION))
        m.signalerEchecEcriture(FICHIER_PROGRESSION);
    return record;
}

void CFinNiveau::ouvrirMenuFin(CSFMLJeu& jeu, int menu)
{
    jeu.mode = 0;
    if (!jeu.pMenus)
        return;
    jeu.pMenus->chargerMenu("./menus/", IdMenu::fichier(menu));
    jeu.pMenus->entrerMenu(menu);
    // A button A still held from the game must not validate the menu when it is let go.
    jeu.pMenus->boutonsPrecedents[0] = jeu.commandes[0].bA;
    // The end of a round or a game hears nothing for half a second: the keys of play still
    // struck (fire is also "watch the end again") are no choice made on it.
    if (menu == IdMenu::VICTOIRE_MANCHE || menu == IdMenu::VICTOIRE_PARTIE || menu == IdMenu::EXAEQUO_MANCHE)
        jeu.pMenus->imagesSourdes = static_cast<int>(std::lround(IMAGES_SOURDES / coefficient(jeu)));
}
