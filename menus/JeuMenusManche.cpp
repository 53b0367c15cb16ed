// The multiplayer options menu 400: options changed line by line, and the start of a round:
// the level, both players' teams of clones with their hats and shields, the arrival script,
// then the wait before play.
#include "menus/JeuMenus.h"

#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/EtatsPerso.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/SpriteSimple.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "script/Script.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr int CHOIX_MAX = 3;
constexpr int MANCHES_MAX = 5;
constexpr int CURSEUR_ARME_MAX = 8;
constexpr int CHAPEAU_MAX = 4;
// Weapons that the first yes/no option takes out of the game.
constexpr int ARMES_EXCLUES[] = {3, 5};
// Meteors per shower with the drop option on.
constexpr int METEORES_LARGAGE = 15;
// Declencheur of the arrival script: timed.
constexpr int DECLENCHEUR_MINUTE = 12;
// Spawn points when the level has none, and the step between a player's clones.
const sf::Vector2i DEPART_J1(300, 400), DEPART_J2(600, 400);
constexpr int ECART_CLONES = 20;
constexpr int IMAGE_ARRIVEE = 90;
const char* const FICHIER_BOUCLIER = "./personnages/bouclierperso.dec";

// The fountain flags of the options, which are the game's: the fountains offer only the
// weapons the options screen leaves on.
int* armesFontaine()
{
    MondeJeu* j = faceJeu::monde();
    return j && j->pOptionsMulti ? j->pOptionsMulti->armesFontaine : nullptr;
}

} // namespace

void CJeuMenus::lancerPartieMulti(bool bValider, bool bRetour, bool bRelache2, bool bDroite, bool bGauche,
                                  bool bToucheFrappee)
{
    COptionsMulti* o = faceJeu::monde() ? faceJeu::monde()->pOptionsMulti : nullptr;
    if (bValider) {
        demarrerManche();
    } else if (bDroite || bGauche) {
        // A held direction steps once at once, then every fourth frame.
        if ((compteurRepetitionMulti == 0 || bToucheFrappee) && ligneActive >= 0 && ligneActive < nbLignes) {
            const int pas = bDroite ? 1 : -1;
            changerOptionMulti(ligneActive, pas);
            bornerOptionsMulti(pas);
            regleArmesMulti();
        }
        if (++compteurRepetitionMulti > 3)
            compteurRepetitionMulti = 0;
    } else if (bRelache2) {
        if (int* armes = armesFontaine(); armes && o) {
            int& arme = armes[std::clamp(o->optionMenu, 0, CURSEUR_ARME_MAX)];
            arme = arme == 0 ? 1 : 0;
        }
        regleArmesMulti();
    } else if (bRetour) {
        ouvrirMenu(IdMenu::CHOIX_MULTI);
    } else {
        compteurRepetitionMulti = 0;
    }
}

// The option of a line takes one step; a yes/no option is toggled.
void CJeuMenus::changerOptionMulti(int ligne, int pas)
{
    COptionsMulti* o = faceJeu::monde() ? faceJeu::monde()->pOptionsMulti : nullptr;
    if (!o)
        return;
    const int d = decalageOptionsMulti;
    if (ligne == 1)
        o->choixJ1 += pas;
    else if (ligne == 2)
        o->choixJ2 += pas;
    else if (ligne == d + 1)
        o->drapeauxMenu[0] = !o->drapeauxMenu[0];
    else if (ligne == d + 2)
        o->nbClones[0] += pas;
    else if (ligne == d + 3)
        o->manches += pas;
    else if (ligne == d + 4)
        o->drapeauxMenu[1] = !o->drapeauxMenu[1];
    else if (ligne == d + 5)
        o->drapeauxMenu[2] = !o->drapeauxMenu[2];
    else if (ligne == d + 6) {
        o->invertolites[0] = !o->invertolites[0];
        o->padsOtolite[0] = !o->padsOtolite[0];
    } else if (ligne == d + 7)
        o->drapeauxMenu[3] = !o->drapeauxMenu[3];
    else if (ligne == d + 8)
        o->optionMenu += pas;
    else if (ligne == d + 9)
        o->reglageJ1 += pas;
    else if (ligne == d + 10)
        o->reglageJ2 += pas;
}

// Every value back within its range; the starting weapons within the weapon list.
void CJeuMenus::bornerOptionsMulti(int /*pas*/)
{
    MondeJeu* j = faceJeu::monde();
    COptionsMulti* o = j ? j->pOptionsMulti : nullptr;
    if (!o)
        return;
    o->choixJ1 = std::clamp(o->choixJ1, 0, CHOIX_MAX);
    o->choixJ2 = std::clamp(o->choixJ2, 0, CHOIX_MAX);
    o->nbClones[0] = std::clamp(o->nbClones[0], 1, std::max(1, o->nbClones[1]));
    o->manches = std::clamp(o->manches, 1, MANCHES_MAX);
    o->armesDepart = std::clamp(o->armesDepart, 0, j->parmes ? std::max(0, j->parmes->nbArmes) : 0);
    o->optionMenu = std::clamp(o->optionMenu, 0, CURSEUR_ARME_MAX);
    o->reglageJ1 = std::clamp(o->reglageJ1, 0, CHAPEAU_MAX);
    o->reglageJ2 = std::clamp(o->reglageJ2, 0, CHAPEAU_MAX);
}

// While the first yes/no option is on, weapons 3 and 5 stay off.
void CJeuMenus::regleArmesMulti()
{
    COptionsMulti* o = faceJeu::monde() ? faceJeu::monde()->pOptionsMulti : nullptr;
    int* armes = armesFontaine();
    if (!o || !armes || !o->drapeauxMenu[0])
        return;
    for (int a : ARMES_EXCLUES)
        armes[a] = 0;
}

// Player 1's and player 2's spawn points: the level's start markers (one at random for
// player 1, another for player 2), or two fixed points without any. With a single marker
// both start from it, player 2 a team's width to the right.
std::vector<sf::Vector2i> CJeuMenus::pointsDepart() const
{
    MondeJeu* j = faceJeu::monde();
    const CDecor* decor = j ? j->pdecor : nullptr;
    const int nb = decor ? static_cast<int>(decor->positionsDepart.size()) : 0;
    if (nb == 0)
        return {DEPART_J1, DEPART_J2};
    auto point = [&](int i) {
        const CSPRITE* s = decor->positionsDepart[static_cast<size_t>(i)];
        return s ? sf::Vector2i(static_cast<int>(std::lround(s->x)), static_cast<int>(std::lround(s->y)))
                 : DEPART_J1;
    };
    const int r = tuv::rand() % nb;
    if (nb == 1) {
        const int nbClones = j->pOptionsMulti ? std::max(1, j->pOptionsMulti->nbClones[0]) : 1;
        return {point(0), point(0) + sf::Vector2i(ECART_CLONES * nbClones, 0)};
    }
    return {point(r), point(r == 0 ? 1 : 0)};
}

void CJeuMenus::demarrerManche()
{
    MondeJeu* j = faceJeu::monde();
    if (!j || !j->pOptionsMulti || CSFMLJeuGlobal::bChargement)
        return;
    COptionsMulti& o = *j->pOptionsMulti;
    selectionnerDecor(true);
    CDecor* decor = j->pdecor;
    std::fill(std::begin(faceJeu::partie()->manchesGagnees), std::end(faceJeu::partie()->manchesGagnees), 0);
    if (!decor)
        return;
    // The world frees its characters; every reference to them reads null afterwards.
    while (!decor->persos.empty())
        decor->detruirePerso(decor->persos.front());
    j->pPerso = nullptr;
    decor->nbMeteores = o.drapeauxMenu[3] ? METEORES_LARGAGE : 0;
    if (strFichierNiveau == strNiveauCharge) {
        decor->demarrerNiveau(numNiveau);
    } else {
        decor->chargerNiveau(strFichierNiveau, numNiveau);  // the level service records both
    }
    const std::vector<sf::Vector2i> departs = pointsDepart();
    if (j->persosPrecharges.size() >= 2 && j->pscriptEngineJeu) {
        CScriptEngine& moteur = *j->pscriptEngineJeu;
        moteur.supprimerScriptNom("PERSO_INIT");
        CScript* arrivee = moteur.creerScriptEx("PERSO_INIT", "", nullptr, DECLENCHEUR_MINUTE, 1, false, true);
        moteur.setVariableGlobale("var_nbclones", tuv::itos(std::clamp(o.nbClones[0], 1, std::max(1, o.nbClones[1]))));
        if (arrivee)
            arrivee->ajouterCommande("SCRIPTRUN", {L"./scripts/vortex_multi.scp"});
        const int arme = decor->armeDeDepart();
        creerClones(1, departs[0], arme);
        creerClones(2, departs[1], arme);
    }
    for (int k = 1; k <= CHAPEAU_MAX; ++k)
        for (int h = 0; h < 4; ++h) {
            animsVictoire[2 * h].appliquerAnimElemsParNom("chapeau" + tuv::itos(k), k == o.reglageJ1, true);
            animsVictoire[2 * h + 1].appliquerAnimElemsParNom("chapeau" + tuv::itos(k), k == o.reglageJ2, true);
        }
    decor->echangerPositionsMulti();
    for (CCalqueSD* plan : decor->pPlans)
        if (plan)
            for (CSPRITE* s : plan->sprites) {
                const std::string id = s ? s->getIdDEC() : std::string();
                if (id == "PADSOTOLITE")
                    s->bVisible = o.padsOtolite[0];
                else if (id == "INVERTOLITE")
                    s->bVisible = o.invertolites[0];
            }
    idMenu = IdMenu::ATTENTE;
    ouvrirMenu(IdMenu::ATTENTE);
    CPLUX::dialogfocus = nullptr;
}

// Player p's team: copies of the preloaded character of his hero (player 1's version, then
// player 2's, for each hero), hidden until the arrival script shows them.
void CJeuMenus::creerClones(int p, sf::Vector2i depart, int arme)
{
    MondeJeu& j = *faceJeu::monde();
    const COptionsMulti& o = *j.pOptionsMulti;
    CDecor& decor = *j.pdecor;
    const int heros = std::clamp(p == 1 ? o.choixJ1 : o.choixJ2, 0, CHOIX_MAX);
    const int chapeau = std::clamp(p == 1 ? o.reglageJ1 : o.reglageJ2, 0, CHAPEAU_MAX);
    const size_t index = static_cast<size_t>(2 * heros + p - 1);
    CPerso* modele = index < j.persosPrecharges.size() ? j.persosPrecharges[index] : j.persosPrecharges[p - 1];
    const int nbClones = std::clamp(o.nbClones[0], 1, std::max(1, o.nbClones[1]));
    for (int c = 0; c < nbClones; ++c) {
        CPerso* clone = new CPerso(*modele);
        if (o.choixJ1 == 2 || o.choixJ2 == 2)
            clone->degatsCoup *= 4;
        if (p == 1 && c == 0)
            j.pPerso = clone;
        decor.ranimerPerso(clone, arme);
        clone->numJoueur = clone->numJoueurBis = p - 1;
        clone->modeIA = -1;
        const int x = depart.x + ECART_CLONES * c, y = depart.y;
        if (CSPRITE3* s = clone->sprite) {
            s->bVisible = false;
            s->setPosInit(x, y, decor.scalePersosX, decor.scalePersosY);
            delete clone->spriteSimple;
            clone->spriteSimple = nullptr;
            if (tuv::fichierExiste(FICHIER_BOUCLIER)) {
                clone->spriteSimple = new CSPRITE_SIMPLE();
                clone->spriteSimple->charger(FICHIER_BOUCLIER);
                if (CSPRITE* b = clone->spriteSimple->getSprite()) {
                    b->setOrigine(83, 115 + clone->hauteurHitbox / 4);
                    b->setScale(s->getSX(), s->getSY());
                }
            }
            for (int k = 1; k <= CHAPEAU_MAX; ++k)
                s->appliquerAnimElemsParNom("chapeau" + tuv::itos(k), k == chapeau, true);
            clone->setEtat(EtatPerso::CHUTE);
            s->placer(-1, x, y);
            clone->setDirection(x > decor.tailleJeuX / 2 ? 1 : 0);
            s->setScale(s->sxMax, s->syMax);
            s->setAnimation2(0, -1);
            s->setFrameCourante(IMAGE_ARRIVEE);
            s->play();
        }
        decor.persos.push_back(clone);
        clone->pMonde = &decor;
    }
}
