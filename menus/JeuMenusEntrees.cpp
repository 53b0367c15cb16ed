// Menu input and navigation: the pad and the keyboard turned into one frame's menu input,
// name typing, the moves of the active line, and the set-up of each menu on entering it.
#include "menus/JeuMenus.h"

#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Manettes.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"
#include "level/Vue.h"

#include <SFML/Window/Joystick.hpp>

#include <algorithm>

namespace {

// Pad buttons 0 to 7 in the menu's order.
const uint16_t BOUTONS[8] = {MANETTE_A, MANETTE_B, MANETTE_X, MANETTE_Y,
                             MANETTE_LB, MANETTE_RB, MANETTE_BACK, MANETTE_START};

// Stick thresholds on the pad's -100..100 scale.
constexpr float SEUIL_X = 70.0f;
constexpr float SEUIL_Y = 30.0f;

// A held direction moves at once, then every fourth frame. Counted in frames, not scaled
// by the frame rate: the menus repeat twice as fast at 60 frames per second.
constexpr int CADENCE_REPETITION = 4;

constexpr size_t LONGUEUR_NOM_MAX = 8;
constexpr int JOUEURS_AFFICHES_MAX = 12;

bool estGrilleNiveaux(int id)
{
    return id == IdMenu::CHOIX_AVENTURE || id == IdMenu::CHOIX_CHRONO || id == IdMenu::CHOIX_MULTI;
}

bool caractereDeNom(sf::Uint32 c)
{
    return c == ' ' || c == '-' || c == '.' || (c >= '0' && c <= '9') || (c >= 'A' && c <= 'Z') ||
           (c >= 'a' && c <= 'z');
}

} // namespace

void CJeuMenus::gererMenu()
{
    EntreesMenu e;
    // A message box holds the keyboard until it is answered: the menu waits for it.
    const bool bloque = !CPLUX::getMessageBoxes().empty();
    if (!bloque)
        lireManette(e);
    traiterEvenements(e, bloque);
    // A panel that has just opened hears nothing: the keys of play still struck (fire is
    // also "watch the end again") are not choices made on it.
    if (imagesSourdes > 0) {
        --imagesSourdes;
        e = EntreesMenu();
    }
    deplacerVerticalement(e);
    if (estGrilleNiveaux(idMenu))
        deplacerDansGrille(e);
    memoriserLigne(e);
    entreesDerniereImage = e;
    actionMenu(e);
}

bool CJeuMenus::saisieEnCours() const
{
    return idMenu == IdMenu::NOUVEAU_JOUEUR && ligneActive == 1 && !bSaisieTerminee;
}

// The first connected pad of four. Button 0 validates on release unless the masking flag
// (set when an end-of-level menu opens with the button still held) is up; its release
// lowers the flag.
void CJeuMenus::lireManette(EntreesMenu& e)
{
    sf::Joystick::update();
    int manette = -1;
    for (unsigned m = 0; m < 4 && manette < 0; ++m)
        if (joystickConnecte(m))
            manette = static_cast<int>(m);
    if (manette < 0) {
        for (int b = 1; b < 9; ++b)
            boutonsPrecedents[b] = false;
        bClavierUtilise = true;
        return;
    }
    bool bas[8];
    for (int b = 0; b < 8; ++b) {
        bas[b] = joystickBouton(static_cast<unsigned>(manette), BOUTONS[b]);
        if (bas[b] && imagesSourdes > 0)
            boutonsMasques |= 1u << b;
    }
    bool* relache[8] = {nullptr, &e.bRetour, &e.bRelache2, &e.bRelache3,
                        &e.bRelache4, &e.bRelache5, &e.bRelache6, &e.bRelache7};
    for (int b = 1; b < 8; ++b)
        *relache[b] = boutonsPrecedents[b + 1] && !bas[b] && !(boutonsMasques & (1u << b));
    if (!bas[0]) {
        e.bValider = boutonsPrecedents[1] && !boutonsPrecedents[0] && !(boutonsMasques & 1u);
        boutonsPrecedents[0] = false;
    }
    for (int b = 0; b < 8; ++b) {
        boutonsPrecedents[b + 1] = bas[b];
        if (!bas[b])
            boutonsMasques &= ~(1u << b);
    }
    // The stick's position as the window library gives it, compared in raw units: the game's
    // conversion (dead zone, whole numbers) would read 30.5 as 30, not above the threshold.
    const sf::Vector2i brut = joystickStickGaucheBrut(static_cast<unsigned>(manette));
    const int y = -brut.y;  // the reader gives up positive; the menu's Y grows downwards
    const int seuilX = positionVersBrut(SEUIL_X), seuilY = positionVersBrut(SEUIL_Y);
    e.bDroite = brut.x > seuilX;
    e.bGauche = brut.x < -seuilX;
    e.bBas = y > seuilY;
    e.bHaut = y < -seuilY;
    if (e.bDroite || e.bGauche || e.bBas || e.bHaut || std::find(bas, bas + 8, true) != bas + 8)
        bClavierUtilise = false;
}

// The events the GUI left this frame. After each one the arrow keys replace the directions:
// in a frame with events the keyboard decides, in a frame without them the pad. An arrow
// pressed in the frame counts as held in it even when it was let go before the frame ended.
void CJeuMenus::traiterEvenements(EntreesMenu& e, bool bloque)
{
    ServicesJeu* jeu = faceJeu::services();
    std::deque<sf::Event> file;
    file.swap(evenements);
    bool flecheFrappee[2] = {false, false};  // left, right
    for (const sf::Event& ev : file) {
        switch (ev.type) {
        case sf::Event::Closed:
            fermerFenetre();
            break;
        case sf::Event::Resized:
            redimensionner(ev.size.width, ev.size.height);
            break;
        case sf::Event::KeyPressed:
            if (bloque)
                break;
            touche(ev.key, e);
            bClavierUtilise = true;
            e.appuisHaut += ev.key.code == sf::Keyboard::Up;
            e.appuisBas += ev.key.code == sf::Keyboard::Down;
            flecheFrappee[0] |= ev.key.code == sf::Keyboard::Left;
            flecheFrappee[1] |= ev.key.code == sf::Keyboard::Right;
            break;
        case sf::Event::TextEntered:
            if (!bloque && saisieEnCours())
                saisirCaractere(ev.text.unicode);
            break;
        default:
            break;
        }
        if (bloque || !jeu)
            continue;
        e.bGauche = jeu->toucheEnfoncee(sf::Keyboard::Left);
        e.bDroite = jeu->toucheEnfoncee(sf::Keyboard::Right);
        e.bHaut = jeu->toucheEnfoncee(sf::Keyboard::Up);
        e.bBas = jeu->toucheEnfoncee(sf::Keyboard::Down);
    }
    e.bHaut |= e.appuisHaut > 0;
    e.bBas |= e.appuisBas > 0;
    e.bGauche |= flecheFrappee[0];
    e.bDroite |= flecheFrappee[1];
}

void CJeuMenus::touche(const sf::Event::KeyEvent& k, EntreesMenu& e)
{
    e.bToucheFrappee = true;
    if (saisieEnCours()) {
        // Letters type the name: only Return and Escape mean something here.
        e.bValider |= k.code == sf::Keyboard::Return;
        e.bRetour |= k.code == sf::Keyboard::Escape;
        return;
    }
    switch (k.code) {
    case sf::Keyboard::A:
    case sf::Keyboard::Return: e.bValider = true; break;
    case sf::Keyboard::B:
    case sf::Keyboard::Escape: e.bRetour = true; break;
    // The pad's X and Y have the keys of the same letters.
    case sf::Keyboard::X: e.bRelache2 = true; break;
    case sf::Keyboard::Y: e.bRelache3 = true; break;
    case sf::Keyboard::LShift: e.bRelache4 = true; break;
    case sf::Keyboard::RShift: e.bRelache5 = true; break;
    case sf::Keyboard::M:
        // Only a development run may fall into the editor, as the game's own M key.
        if (CSFMLJeuGlobal::bModeTest)
            basculerEditeur();
        break;
    default: break;
    }
}

// Backspace removes the last character; a space, "-", ".", a digit or an ASCII letter is
// added while the name is shorter than eight characters.
void CJeuMenus::saisirCaractere(sf::Uint32 c)
{
    if (c == 8) {
        if (!strNouveauJoueur.empty())
            strNouveauJoueur.pop_back();
    } else if (caractereDeNom(c) && strNouveauJoueur.size() < LONGUEUR_NOM_MAX) {
        strNouveauJoueur += static_cast<char>(c);
    }
}

void CJeuMenus::redimensionner(unsigned largeur, unsigned hauteur)
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !faceJeu::affichage()->fenetre)
        return;
    const float l = static_cast<float>(largeur), h = static_cast<float>(hauteur);
    if (!jeu->pvue) {
        faceJeu::affichage()->fenetre->setView(sf::View(sf::FloatRect(0, 0, l, h)));
        return;
    }
    jeu->pvue->vue.setSize(l, h);
    jeu->pvue->vue.setCenter(l / 2, h / 2);
    faceJeu::affichage()->fenetre->setView(jeu->pvue->vue);
}

// The running level goes to the editor with a fixed camera and the editor's menu toggled. The
// level's chosen view mode stays as it is (a menu's camera would otherwise become the game
// level's mode): M in the editor plays with it again.
void CJeuMenus::basculerEditeur()
{
    MondeJeu* jeu = faceJeu::monde();
    if (!jeu)
        return;
    if (jeu->pdecor)
        jeu->pdecor->chrono = jeu->pdecor->chronoRef;
    faceJeu::partie()->mode = 2;
    // Whatever the editor plays from here lives in the world now shown.
    bJeuMondeMenu = jeu->pdecor && jeu->pdecor == jeu->pdecorMenu;
    if (jeu->pdecor)
        jeu->pdecor->montrerMessageChargementTenu();
    faceJeu::options()->bHUDVisible = false;
    faceJeu::options()->bCarteJeu = true;
    if (jeu->pPerso)
        jeu->pPerso->resetEtat();
    if (jeu->pvue)
        jeu->pvue->vuemode = CVue::MODE_FIXE;
    if (CPLUX::isDialogVisible("JeuDialogMenuEditeur"))
        CPLUX::hide("JeuDialogMenuEditeur");
    else
        CPLUX::show("JeuDialogMenuEditeur");
}

// Up or down moves to the nearest selectable line that way, at once and then every fourth
// frame held; each press of an arrow moves once whatever the count. No wrap at either end.
void CJeuMenus::deplacerVerticalement(const EntreesMenu& e)
{
    if (!e.bHaut && !e.bBas) {
        compteurRepetition = 0;
        return;
    }
    int pas = e.bHaut ? -e.appuisHaut : e.appuisBas;
    if (pas == 0 && (compteurRepetition == 0 || e.bToucheFrappee))
        pas = e.bHaut ? -1 : 1;
    for (; pas < 0; ++pas)
        for (int i = ligneActive - 1; i >= 0; --i)
            if (i < nbLignes && lignes[i]->bSelectionnable) {
                ligneActive = i;
                break;
            }
    for (; pas > 0 && ligneActive < nbLignes - 1; --pas)
        for (int i = ligneActive + 1; i < nbLignes; ++i)
            if (lignes[i]->bSelectionnable) {
                ligneActive = i;
                break;
            }
    // In the inventory the same counter also paces the selection, which restarts it.
    if (++compteurRepetition >= CADENCE_REPETITION && idMenu != IdMenu::INVENTAIRE) {
        compteurRepetition = 0;
        OptionsJeu* jeu = faceJeu::options();
        if (jeu && jeu->bSonMenu)
            faceJeu::services()->jouerSon("MENU");
    }
}

// The level grids: right and left jump a column of five lines. A jump that would leave
// the menu's lines is refused.
void CJeuMenus::deplacerDansGrille(const EntreesMenu& e)
{
    if (e.bValider)
        return;
    if (e.bDroite || e.bGauche) {
        if ((compteurRepetitionMulti == 0 || e.bToucheFrappee) && ligneActive < nbLignes - 1) {
            if (e.bDroite && ligneActive <= 10 && ligneActive + 5 < nbLignes)
                ligneActive += 5;
            else if (!e.bDroite && ligneActive > 5)
                ligneActive -= 5;
        }
        if (++compteurRepetitionMulti > 3)
            compteurRepetitionMulti = 0;
    } else if (!e.bHaut && !e.bBas) {
        compteurRepetitionMulti = 0;
    }
}

int* CJeuMenus::ligneMemorisee(int id)
{
    switch (id) {
    case IdMenu::OPTIONS_MULTI: return &lignesMemorisees[0];
    case IdMenu::CHOIX_MULTI: return &lignesMemorisees[1];
    case IdMenu::CHOIX_CHRONO: return &lignesMemorisees[2];
    case IdMenu::CHOIX_AVENTURE: return &lignesMemorisees[3];
    case IdMenu::PRINCIPAL: return &lignesMemorisees[4];
    default: return nullptr;
    }
}

// While up or down is held the active line is remembered for the next entry into the menu
// (not while validating menu 1, nor in a grid frame that goes back or sideways).
void CJeuMenus::memoriserLigne(const EntreesMenu& e)
{
    int* memoire = ligneMemorisee(idMenu);
    if (!memoire || (!e.bHaut && !e.bBas))
        return;
    if (idMenu == IdMenu::PRINCIPAL && e.bValider)
        return;
    if (estGrilleNiveaux(idMenu) && !e.bValider && (e.bRetour || e.bDroite || e.bGauche))
        return;
    *memoire = ligneActive;
}

// Called after the menu's file was read (menu 100: before).
void CJeuMenus::entrerMenu(int id)
{
    bPortesFermees = false;
    idMenu = id;
    OptionsJeu* jeu = faceJeu::options();
    switch (id) {
    case IdMenu::LANGUE:
        ligneActive = langue == "fr_" ? 0 : 1;
        break;
    case IdMenu::PRINCIPAL:
        lireProgression("./niveaux/progression.ini");
        break;
    case IdMenu::ECHEC_AVENTURE:
        // The last line promises the raised flags: without one raised it is not drawn.
        if (const CDecor* d = mondeJoue(); (!d || d->checkpointX == -1 || d->checkpointY == -1) && nbLignes > 0)
            --nbLignes;
        [[fallthrough]];
    case IdMenu::PAUSE:
    case IdMenu::PAUSE_AVENTURE:
    case IdMenu::VICTOIRE:
    case IdMenu::ECHEC:
        bPortesFermees = bFermeturePortes = true;
        break;
    case IdMenu::VICTOIRE_MANCHE:
    case IdMenu::VICTOIRE_PARTIE:
    case IdMenu::EXAEQUO_MANCHE:
        bPortesFermees = bFermeturePortes = true;
        // Without the killcam the last line (its replay) is neither drawn nor reachable.
        if ((!jeu || jeu->optionKillcam == 0) && nbLignes > 0)
            --nbLignes;
        break;
    case IdMenu::CHOIX_AVENTURE:
        lireListeNiveaux("./niveaux/niveaux_aventure.ini");
        lireScoresListe(id);
        break;
    case IdMenu::CHOIX_CHRONO:
        lireListeNiveaux("./niveaux/niveaux_chrono.ini");
        lireScoresListe(id);
        break;
    case IdMenu::CHOIX_MULTI:
        lireListeNiveaux("./niveaux/niveaux_multi.ini");
        lireScoresListe(id);
        break;
    case IdMenu::NOUVEAU_JOUEUR:
        ajouterLignesJoueurs(false);
        break;
    case IdMenu::CHANGER_JOUEUR:
        bPortesFermees = true;
        ajouterLignesJoueurs(true);
        break;
    default:
        break;
    }
    const int* memoire = ligneMemorisee(id);
    if (memoire && *memoire != -1 && *memoire < nbLignes)
        ligneActive = *memoire;
    bornerLigneActive();
}

// One line per player after the file's lines, twelve at most: menu 30 in one column,
// menu 33 in two columns of six over the menu's background.
void CJeuMenus::ajouterLignesJoueurs(bool changerJoueur)
{
    lignes.resize(static_cast<size_t>(nbLignes));
    premiereLigneJoueur = nbLignes;
    const int nb = std::min(static_cast<int>(joueurs.size()), JOUEURS_AFFICHES_MAX);
    for (int i = 0; i < nb; ++i) {
        auto l = std::make_unique<LigneMenu>();
        if (!changerJoueur) {
            l->x = 200;
            l->y = 190 + 40 * i;
        } else if (i < 6) {
            l->x = sommeBornee(fondX, 100);
            l->y = sommeBornee(fondY, 75 + 25 * i);
        } else {
            l->x = sommeBornee(fondX, 350);
            l->y = sommeBornee(fondY, -50 + 25 * i);
        }
        l->bSelectionnable = true;
        l->couleur = changerJoueur ? sf::Color(150, 150, 150, 255) : sf::Color(100, 100, 100, 255);
        // Names are UTF-8 bytes: never shown through the process locale.
        l->pTexte1 = std::make_unique<sf::Text>(sf::String::fromUtf8(joueurs[i].begin(), joueurs[i].end()),
                                                polices[0], changerJoueur ? 16 : 24);
        l->pTexte1->setFillColor(l->couleur);
        lignes.push_back(std::move(l));
        ++nbLignes;
    }
    // The active player's line, when the player is among the lines shown.
    if (joueurActif >= 0 && joueurActif < nb)
        ligneActive = premiereLigneJoueur + joueurActif;
}

// The active line indexes a line of the menu or is -1; a line hidden by the menu (the
// killcam's) hands over to the last selectable line left.
void CJeuMenus::bornerLigneActive()
{
    if (ligneActive < nbLignes && ligneActive >= -1)
        return;
    ligneActive = -1;
    for (int i = nbLignes - 1; i >= 0; --i)
        if (lignes[i]->bSelectionnable) {
            ligneActive = i;
            break;
        }
}
