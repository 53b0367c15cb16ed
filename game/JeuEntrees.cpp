// Input: window events, key handlers of the game and the editor, and the per-player
// command records filled from the keyboard and the gamepads.
#include "game/Jeu.h"

#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "core/Manettes.h"
#include "editor/Editeur.h"
#include "editor/JeuDialogMenuEditeur.h"
#include "game/JeuHUD.h"
#include "game/SourceEntrees.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControl.h"
#include "level/Decor.h"
#include "level/MenuImage.h"
#include "level/Vue.h"
#include "menus/JeuMenus.h"

#include <cmath>

namespace {

// Keyboard of each player: left, right, up, down, jump, fire, melee, action, dash,
// previous weapon, next weapon, pause.
struct ClavierJoueur {
    sf::Keyboard::Key gauche, droite, haut, bas, saut, tir, corps, action, dash, armePrec, armeSuiv, pause;
};
const ClavierJoueur CLAVIERS[2] = {
    {sf::Keyboard::Left, sf::Keyboard::Right, sf::Keyboard::Up, sf::Keyboard::Down, sf::Keyboard::Space,
     sf::Keyboard::X, sf::Keyboard::C, sf::Keyboard::V, sf::Keyboard::B, sf::Keyboard::A, sf::Keyboard::E,
     sf::Keyboard::Escape},
    {sf::Keyboard::J, sf::Keyboard::L, sf::Keyboard::I, sf::Keyboard::K, sf::Keyboard::RShift,
     sf::Keyboard::Numpad1, sf::Keyboard::Numpad2, sf::Keyboard::Numpad3, sf::Keyboard::Numpad0,
     sf::Keyboard::Numpad4, sf::Keyboard::Numpad6, sf::Keyboard::Pause},
};

constexpr float SEUIL_AXE = 40.0f;

// The pilot's bytes as the record's commands; bytes 5 and 7 (the "W" commands) have no field.
// Byte 11, pressed when the first player stands within reach, is B and a melee blow: without
// it a hero whose gun was empty stood by the player and never struck.
void copierPilote(const CIABehaviours& pilote, CommandesJoueur& c)
{
    const unsigned char* o = pilote.commandesPilote;
    c.bGauche = o[CIABehaviours::PILOTE_GAUCHE] != 0;
    c.bDroite = o[CIABehaviours::PILOTE_DROITE] != 0;
    c.bHautClavier = o[CIABehaviours::PILOTE_HAUT] != 0;
    c.bBasClavier = c.bAccroupi = o[CIABehaviours::PILOTE_BAS] != 0;
    c.bTir = c.bTirMaintenu = o[CIABehaviours::PILOTE_TIR] != 0;
    c.bSaut = c.bSautMaintenu = o[CIABehaviours::PILOTE_SAUT] != 0;
    c.bB = c.bCorpsACorps = o[CIABehaviours::PILOTE_ACTION] != 0;
    c.bRelX = o[CIABehaviours::PILOTE_MORT] != 0;
}

void boutonSourisAppuye(sf::Mouse::Button b, const SourceEntrees& source)
{
    if (b != sf::Mouse::Left && b != sf::Mouse::Right)
        return;
    SourisJeu::bCtrlAuClic |= source.toucheEnfoncee(sf::Keyboard::LControl);
    SourisJeu::bShiftAuClic |= source.toucheEnfoncee(sf::Keyboard::LShift);
}

} // namespace

void CSFMLJeu::traiterEvenementsFenetre()
{
    if (!pSourceEntrees)
        return;
    // Menu input of a frame that the menus did not run is stale by now.
    if (pMenus)
        pMenus->viderEvenements();
    pSourceEntrees->debutImage(compteurImages);
    SourisJeu::debutImage();
    sf::Event ev;
    while (pSourceEntrees->evenementSuivant(ev)) {
        if (ev.type == sf::Event::Closed) {
            pSourceEntrees->fermerFenetre();
            return;
        }
        if (ev.type == sf::Event::LostFocus)
            bFocusJeu = false;
        else if (ev.type == sf::Event::GainedFocus)
            bFocusJeu = true;
        // What a dialog takes is not also a game command.
        const bool pris = CPLUX::pushEvent(ev);
        SourisJeu::evenement(ev, pris);
        if (pris)
            continue;
        if (ev.type == sf::Event::KeyPressed)
            toucheAppuyee(ev.key.code);
        else if (ev.type == sf::Event::MouseButtonPressed)
            boutonSourisAppuye(ev.mouseButton.button, *pSourceEntrees);
        else if (ev.type == sf::Event::MouseWheelScrolled)
            molette(ev.mouseWheelScroll.delta);
        // The menus never poll the window themselves: two pollers would steal each other's events.
        if (mode == 0 && pMenus)
            pMenus->recevoirEvenement(ev);
    }
    // Every frame, also while a dialog's field holds the keyboard and the players' input is
    // not read: the editor's mouse reads them once that field lets the keyboard go.
    lireModificateurs();
}

void CSFMLJeu::lireModificateurs()
{
    bShiftD = toucheEnfoncee(sf::Keyboard::RShift);
    bCtrlD = toucheEnfoncee(sf::Keyboard::RControl);
    bShiftG = toucheEnfoncee(sf::Keyboard::LShift);
    bCtrlG = toucheEnfoncee(sf::Keyboard::LControl);
}

bool CSFMLJeu::clavierAuxDialogues()
{
    return CPLUX::isInput() || CPLUX::isDialogVisible(editeur::id::ANIMATIONS);
}

bool CSFMLJeu::toucheEnfoncee(sf::Keyboard::Key touche) const
{
    return pSourceEntrees && pSourceEntrees->toucheEnfoncee(touche);
}

void CSFMLJeu::toucheAppuyee(sf::Keyboard::Key touche)
{
    switch (touche) {
    // Both take the frame once it is drawn, just before it is shown.
    case sf::Keyboard::F8:
        bRapportDemande = true;
        return;
    case sf::Keyboard::F12:
        bCaptureDemandee = true;
        return;
    case sf::Keyboard::F9:
        if (!sauverKillcam())
            signalerEchec("Impossible d'enregistrer toutes les images de la killcam");
        return;
    default:
        break;
    }
    // The report, the screenshot and the killcam above are the program's; these are the level's.
    if (clavierAuxDialogues())
        return;
    if (mode == 1)
        touchesJeu(touche);
    else if (mode == 2)
        touchesEditeur(touche);
}

void CSFMLJeu::molette(float delta)
{
    if (mode == 0 || !pvue || CPLUX::isMouseOverDialog() || delta == 0)
        return;
    pvue->molette(delta > 0 ? 1.0f : -1.0f, CSFMLJeuGlobal::bModeTest);
}

// The HUD's panels go with the switch to the editor and come back with the switch to play;
// the keys of play leave them as they are.
void CSFMLJeu::touchesJeu(sf::Keyboard::Key touche)
{
    if (touche == sf::Keyboard::Return)
        commandes[0].bEntree = true;
    // The character picker left open by the editor closes with its key in play too.
    if (touche == sf::Keyboard::F3 && CPLUX::isDialogVisible(editeur::id::CHOIX_PER))
        CPLUX::hide(editeur::id::CHOIX_PER);
    if (touche == sf::Keyboard::M && CSFMLJeuGlobal::bModeTest) {
        if (pHUD)
            pHUD->bInfosVisible = false;
        mode = 2;
        CPLUX::show(editeur::id::MENU_EDITEUR);
        bCarteJeu = true;
        if (pdecor)
            pdecor->montrerMessageChargementTenu();
        if (pPerso)
            pPerso->resetEtat();
        if (pvue)
            pvue->arreterDefilement();
    }
}

void CSFMLJeu::touchesEditeur(sf::Keyboard::Key touche)
{
    // The zoom keys are the digits alone: with Shift or Control they are the animation
    // editor's, which leaves the keys to the level editor too.
    const bool chiffreSeul = !toucheEnfoncee(sf::Keyboard::LShift) && !toucheEnfoncee(sf::Keyboard::RShift) &&
                             !toucheEnfoncee(sf::Keyboard::LControl) && !toucheEnfoncee(sf::Keyboard::RControl);
    // The keys that open the editor's dialogs or zoom do nothing more.
    const bool prise = editeur::toucheDialogue(touche) || (chiffreSeul && editeur::toucheZoom(touche));
    // As in play: Return closes a script's message box.
    if (touche == sf::Keyboard::Return)
        commandes[0].bEntree = true;
    switch (prise ? sf::Keyboard::Unknown : touche) {
    case sf::Keyboard::LSystem:
        if (CPLUX::pTB)
            CPLUX::pTB->isMinimize() || !CPLUX::pTB->isVisible() ? CPLUX::pTB->show() : CPLUX::pTB->hide();
        break;
    case sf::Keyboard::M:
        if (!CSFMLJeuGlobal::bModeTest)
            break;
        mode = 1;
        // Play goes on with the view mode chosen for the level, in the world being edited.
        if (pdecor)
            pdecor->reprendreModeVue();
        if (pHUD)
            pHUD->bInfosVisible = true;
        if (CPLUX::pTB)
            CPLUX::pTB->hide();
        CPLUX::hide(editeur::id::MENU_EDITEUR);
        if (auto* c = dynamic_cast<CPLUXControlButtonCheck*>(
                CPLUX::getControl(editeur::id::MENU_EDITEUR, CJeuDialogMenuEditeur::CASE_MENU_VISIBLE)))
            c->setCheck(true);
        bHUDVisible = true;
        if (pPerso)
            pPerso->bCollisions = true;
        bCarteJeu = false;
        pPersoSelection = nullptr;
        // A drag cut short by the switch: no character stays held in the air.
        if (pdecor)
            for (auto* liste : {&pdecor->persos, &pdecor->ias})
                for (CPerso* p : *liste)
                    if (p)
                        p->bSaisiSouris = false;
        break;
    case sf::Keyboard::P:
        // The toolbar's character-mode toggle: the player's collisions off or back on.
        if (pPerso) {
            pPerso->bCollisions = !pPerso->bCollisions;
            bModePerso = !pPerso->bCollisions;
        }
        break;
    case sf::Keyboard::F:
        bModeFantome = !bModeFantome;
        afficherMessage(bModeFantome ? L"Mode fantôme activé" : L"Mode fantôme désactivé", 60);
        break;
    case sf::Keyboard::I:
        if (pdecor) {
            bool vie = false;
            for (auto* liste : {&pdecor->persos, &pdecor->ias})
                for (CPerso* p : *liste)
                    if (p) {
                        p->bVieInfinie = !p->bVieInfinie;
                        vie = p->bVieInfinie;
                    }
            afficherMessage(vie ? L"Vie infinie activée" : L"Vie infinie désactivée", 60);
        }
        break;
    case sf::Keyboard::O:
        if (pPerso)
            pPerso->bBoostInfini = !pPerso->bBoostInfini;
        break;
    case sf::Keyboard::C: editeur::rechargerNiveau(); break;
    case sf::Keyboard::R: editeur::sauvegardeRapide(); break;
    default:
        break;
    }
    editeur::rafraichirBarre();
    CPLUX::refresh(editeur::id::OPTIONS_EDITEUR);
}

void CSFMLJeu::resetManette(int joueur)
{
    if (joueur >= 0 && joueur < 4)
        manettes[joueur] = ManetteJoueur();
}

void CSFMLJeu::evenements(int joueur, bool depuisIA, bool sonder)
{
    lireModificateurs();
    if (joueur < 0 || joueur > 3)
        return;
    CommandesJoueur& c = commandes[joueur];
    CommandesJoueur nouvelle = CommandesJoueur();
    if (depuisIA) {
        // The computer second player: its pilot's bytes in place of keys and pads.
        if (pIABehaviours)
            copierPilote(*pIABehaviours, nouvelle);
    } else if (sonder) {
        if (joueur < 2)
            lireClavier(joueur, nouvelle);
        if (bXInput)
            lireManette(joueur, nouvelle);
    }
    // Player 1's Return is the pad's B in play: what waits on B (a script's message box, a
    // bubble without end) takes it from the keyboard too. A press, not the key held, so that
    // the Return that started the level closes nothing.
    if (joueur == 0 && c.bEntree)
        nouvelle.bB = nouvelle.bRelB = true;
    // No movement before "go" of a round.
    if (mode == 1 && typeJeu == 2 && pHUD && pHUD->compteurDepart >= 0)
        nouvelle = CommandesJoueur();
    // The super power is the scripts' to set and clear, not a sampled key.
    nouvelle.bSuperPouvoir = c.bSuperPouvoir;
    c = nouvelle;
    if (joueur == 0 && pvue) {
        if (c.stickGY < -SEUIL_AXE)
            pvue->distanceMax = 700;
        else if (c.stickGY > SEUIL_AXE)
            pvue->distanceMax = 80;
    }
}

void CSFMLJeu::lireClavier(int joueur, CommandesJoueur& c)
{
    const ClavierJoueur& k = CLAVIERS[joueur];
    c.bGauche = toucheEnfoncee(k.gauche);
    c.bDroite = toucheEnfoncee(k.droite);
    c.bHautClavier = toucheEnfoncee(k.haut);
    c.bBasClavier = toucheEnfoncee(k.bas);
    c.bAccroupi = c.bBasClavier;
    c.bSaut = c.bSautMaintenu = toucheEnfoncee(k.saut);
    c.bTir = c.bTirMaintenu = toucheEnfoncee(k.tir);
    c.bCorpsACorps = toucheEnfoncee(k.corps);
    c.bAction = toucheEnfoncee(k.action);
    c.bDash = toucheEnfoncee(k.dash);
    c.bArmePrecedente = toucheEnfoncee(k.armePrec);
    c.bArmeSuivante = toucheEnfoncee(k.armeSuiv);
    c.bPause = toucheEnfoncee(k.pause);
}

void CSFMLJeu::lireManette(int joueur, CommandesJoueur& c)
{
    int manette = joueur == 0 ? manetteJoueur1 : joueur == 1 ? manetteJoueur2 : joueur;
    ManetteJoueur& m = manettes[joueur];
    if (manette < 0 || !joystickConnecte(static_cast<unsigned>(manette))) {
        m.boutonsPrecedents = 0;
        return;
    }
    unsigned n = static_cast<unsigned>(manette);
    static const uint16_t MASQUES[12] = {MANETTE_A, MANETTE_B, MANETTE_X, MANETTE_Y, MANETTE_LB, MANETTE_RB,
                                         MANETTE_BACK, MANETTE_START, MANETTE_HAUT, MANETTE_BAS, MANETTE_LS,
                                         MANETTE_RS};
    bool* appui[12] = {&c.bA, &c.bB, &c.bX, &c.bY, &c.bLB, &c.bRB, &c.bBack, &c.bStart,
                       &c.bHaut, &c.bBas, &c.bLS, &c.bRS};
    bool* relache[12] = {&c.bRelA, &c.bRelB, &c.bRelX, &c.bRelY, &c.bRelLB, &c.bRelRB, &c.bRelBack,
                         &c.bRelStart, &c.bRelHaut, &c.bRelBas, &c.bRelLS, &c.bRelRS};
    unsigned int boutons = 0;
    for (int i = 0; i < 12; ++i) {
        bool bas = joystickBouton(n, MASQUES[i]);
        if (bas)
            boutons |= MASQUES[i];
        *appui[i] = bas;
        *relache[i] = !bas && (m.boutonsPrecedents & MASQUES[i]);
    }
    m.boutonsPrecedents = boutons;
    joystickGachettes(n, c.gachetteG, c.gachetteD);
    sf::Vector2f g, d;
    joystickSticks(n, g, d);
    c.stickGX = g.x;
    c.stickGY = -g.y;
    c.stickDX = d.x;
    c.stickDY = -d.y;
    m.gachettes[0] = c.gachetteG;
    m.gachettes[1] = c.gachetteD;
    m.sticks[0] = c.stickGX;
    m.sticks[1] = c.stickGY;
    m.sticks[2] = c.stickDX;
    m.sticks[3] = c.stickDY;
    // A stick pushed beyond the threshold is a direction, as the arrows are.
    c.bGauche |= c.stickGX < -SEUIL_AXE;
    c.bDroite |= c.stickGX > SEUIL_AXE;
    c.bHautClavier |= c.stickGY < -SEUIL_AXE;
    c.bBasClavier |= c.stickGY > SEUIL_AXE;
}
