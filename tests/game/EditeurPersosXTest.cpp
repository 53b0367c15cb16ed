// The editor's characters driven as an author drives them: the game on a copy of the empty
// level with a guard added, its own window taking real pointer and key events from the X
// server (XTest), frame after frame. Shift+click selects the guard, then the hero, and the
// character dialog follows; a Shift+drag moves the hero, "Position init." makes that its
// start, R saves it and C reloads the level with the hero starting there.
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "characters/Armes.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "editor/JeuDialogMenuEditeur.h"
#include "editor/JeuDialogPerso.h"
#include "editor/SFMLJeuChoixPer.h"
#include "editor/SFMLJeuChoix.h"
#include "game/HUD.h"
#include "game/Jeu.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXTest.h"
#include "menus/JeuMenus.h"
#include "level/MenuImage.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "OutilsJeu.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <functional>
#include <memory>
#include <regex>

#include <SFML/Window/Keyboard.hpp>

#include <X11/Xlib.h>
#include <X11/extensions/XTest.h>
#include <X11/keysym.h>

namespace {

// The pointer and the keyboard of the X server, as a user's devices: every event goes
// through the server to whichever window it falls on.
class PeripheriquesX {
public:
    bool ouvert()
    {
        int n = 0;
        return d_ && XTestQueryExtension(d_.get(), &n, &n, &n, &n);
    }
    void pointeur(sf::Vector2i ecran) { XTestFakeMotionEvent(d_.get(), -1, ecran.x, ecran.y, CurrentTime); }
    // Button 1 is the left one, 3 the right one.
    void bouton(bool bas, unsigned numero = 1) { XTestFakeButtonEvent(d_.get(), numero, bas, CurrentTime); }
    void shift(bool bas) { touche(XK_Shift_L, bas); }
    void touche(KeySym k, bool bas) { XTestFakeKeyEvent(d_.get(), XKeysymToKeycode(d_.get(), k), bas, CurrentTime); }
    // Everything sent is handled by the server before this returns, and the game's own
    // connection has read the events it caused (the key query is a round trip on it): the next
    // frame's events hold them, in the same frame as the keys' state. Otherwise a key that
    // pauses play by its state could reach the pause menu as an event one frame later.
    void envoyer()
    {
        XSync(d_.get(), False);
        sf::Keyboard::isKeyPressed(sf::Keyboard::LShift);
    }

private:
    std::unique_ptr<Display, int (*)(Display*)> d_{XOpenDisplay(nullptr), XCloseDisplay};
};

class EditeurPersosX : public ::testing::Test {
protected:
    void SetUp() override
    {
        std::filesystem::copy(TUV_DATA_DIR_SOURCE, ".", std::filesystem::copy_options::recursive);
        // The empty level, taller than the window (its view scrolls by itself in play), with a
        // guard standing 200 pixels right of the hero's start.
        std::string niveau = lireTexte("niveaux/niveau-vide.niv");
        niveau = std::regex_replace(niveau, std::regex("TEXTURE_DEC=./decors/sol.dec;SOL\n"),
                                    "$&TEXTURE_PER=./personnages/garde.per;GARDE\n");
        niveau = std::regex_replace(niveau, std::regex("\nSCROLLVUE=5;"), "\nSCROLLVUE=1;");
        ecrireTexte("niveaux/garde.niv", niveau + "IA=GARDE;400;780;0;1;1;100;0;0\nIDIA=GARDE\n");
        ecrireTexte("jeu.ini", lireTexte("jeu.ini") + "EDITEUR=./niveaux/garde.niv\n");
        CSFMLJeuGlobal::bModeTest = true;
        SourisJeu::reinitialiser();
        jeu = std::make_unique<CSFMLJeu>();
        faceJeu::installer(jeu->facettes());
    }
    void TearDown() override
    {
        faceJeu::installer({});
        jeu.reset();
        CSFMLJeuChoix::libererSelecteurs();
        CSFMLJeuGlobal::bModeTest = false;
        CPLUXTest::reset();
    }

    // Frames until the condition holds, at most n.
    bool images(const std::function<bool()>& condition, int n = 15)
    {
        for (int i = 0; i < n && !condition(); ++i)
            jeu->etape();
        return condition();
    }
    void images(int n) { images([] { return false; }, n); }

    // A level point on the screen, through the game camera and the window's place.
    sf::Vector2i ecran(float x, float y) const
    {
        const CVue& v = *jeu->pvue;
        const sf::Vector2i f = jeu->fenetre->getPosition();
        return {f.x + static_cast<int>((x - std::trunc(v.x) - v.cx) / v.zoom),
                f.y + static_cast<int>((y - std::trunc(v.y) - v.cy) / v.zoom)};
    }
    // A control's middle on the screen.
    sf::Vector2i ecran(const CPLUXControl& c) const
    {
        const sf::Vector2i f = jeu->fenetre->getPosition();
        return {f.x + c.getLeftScreen() + static_cast<int>(c.getWidth() / 2),
                f.y + c.getTopScreen() + static_cast<int>(c.getHeight() / 2)};
    }
    // The pointer brought there, then a press and release (with Shift held around them), all
    // sent before the game reads any of it: a click shorter than a frame.
    void clic(sf::Vector2i ou, bool shift, unsigned bouton = 1)
    {
        x.pointeur(ou);
        x.envoyer();
        images(2);
        x.shift(shift);
        x.bouton(true, bouton);
        x.bouton(false, bouton);
        x.shift(false);
        x.envoyer();
    }
    std::string texte(const char* id) const { return CPLUX::getControl("JeuDialogPerso", id)->getText(); }
    // F6, the level options' "Mode de vue" set to the mode, F6 again.
    void choisirModeVue(int mode)
    {
        const char* const NIV = "JeuDialogOptionsNiv";
        ASSERT_TRUE(frapper(XK_F6, [&] { return CPLUX::isDialogVisible(NIV); }));
        ASSERT_TRUE(CPLUXTest::chooseEntry(NIV, "myComboBox", mode));
        ASSERT_TRUE(frapper(XK_F6, [&] { return !CPLUX::isDialogVisible(NIV); }));
    }
    // A key held for two frames (play reads the keys' state) and let go for one, then frames
    // until the condition holds (at most n). The frame after the release reads it: the window
    // library takes a release and a press of the same key in the same millisecond for the
    // keyboard's repeat, and would drop the next stroke.
    bool frapper(KeySym k, const std::function<bool()>& condition, int n = 15)
    {
        x.touche(k, true);
        x.envoyer();
        images(2);
        x.touche(k, false);
        x.envoyer();
        images(1);
        return images(condition, n);
    }

    DossierDeTravail dossier;
    PeripheriquesX x;
    std::unique_ptr<CSFMLJeu> jeu;
};

TEST_F(EditeurPersosX, ChoisirLeGardeEtLeHerosPuisDeplacerLeDepartDuHeros)
{
    ASSERT_TRUE(x.ouvert()) << "the X server's test extension";
    ASSERT_EQ(jeu->init("jeu.ini"), 0);
    ASSERT_EQ(jeu->mode, 2);
    CDecor& monde = *jeu->pdecor;
    ASSERT_EQ(monde.ias.size(), 1u);
    CPerso* garde = monde.ias.front();
    CPerso* heros = jeu->pPerso.get();
    ASSERT_TRUE(garde && heros);
    // The guard stands still (no scripts, no AI step) and both stand on the ground.
    jeu->bScriptsActifs = false;
    x.pointeur(ecran(640, 100));
    x.envoyer();
    images(60);
    // Held where a start shows the hero: the level's bottom 720 pixels, his ground in them.
    const auto auDepart = [&] { return jeu->pvue->vuemode == CVue::MODE_FIXE && jeu->pvue->x == 0 && jeu->pvue->y == 180; };
    EXPECT_TRUE(auDepart() && !jeu->pHUD->bInfosVisible) << "started in the editor, the view holds, no HUD";
    auto* dialogue = dynamic_cast<CJeuDialogPerso*>(CPLUX::getDialog("JeuDialogPerso"));
    ASSERT_NE(dialogue, nullptr);
    // The editor's main menu ("Menu masqué" unchecked), then the character dialog over it.
    clic(ecran(*CPLUX::getControl(editeur::id::MENU_EDITEUR, CJeuDialogMenuEditeur::CASE_MENU_VISIBLE)), false);
    ASSERT_TRUE(images([] { return CPLUX::isDialogVisible(editeur::id::MENU); }));
    CPLUX::show("JeuDialogPerso");
    const auto devantLeMenu = [] {
        const std::vector<CPLUXDialog*>& d = CPLUX::getDialogs();
        return std::find(d.begin(), d.end(), CPLUX::getDialog("JeuDialogPerso")) >
               std::find(d.begin(), d.end(), CPLUX::getDialog(editeur::id::MENU));
    };

    // The guard's head: the top of the frame the editor draws around it.
    const sf::FloatRect cadreGarde = garde->cadreSaisie();
    clic(ecran(cadreGarde.left + cadreGarde.width / 2, cadreGarde.top + 6), true);
    EXPECT_TRUE(images([&] { return jeu->pPersoSelection.get() == garde; })) << "Shift+click on the guard's head";
    EXPECT_EQ(dialogue->pPerso.get(), garde) << "the character dialog shows the guard";
    EXPECT_EQ(texte("myTextInputId"), "GARDE");
    EXPECT_TRUE(devantLeMenu() && CPLUX::isDialogVisible(editeur::id::MENU))
        << "the main menu stays open, behind the character dialog";

    // The hero's chest.
    const sf::FloatRect cadreHeros = heros->cadreSaisie();
    const sf::Vector2f avant(heros->sprite->x, heros->sprite->y);
    clic(ecran(avant.x, cadreHeros.top + cadreHeros.height / 3), true);
    EXPECT_TRUE(images([&] { return jeu->pPersoSelection.get() == heros; })) << "Shift+click on the hero";
    EXPECT_EQ(dialogue->pPerso.get(), heros) << "the character dialog shows the hero";
    images(5);
    EXPECT_EQ(garde->sprite->x, 400) << "the guard's grab ended with its click";

    // Shift+drag the hero 200 pixels to the right and 120 up: held there, he lands once let
    // go, and the dialog follows. Then make that its start.
    const sf::Vector2i prise = ecran(avant.x, cadreHeros.top + cadreHeros.height / 3);
    x.shift(true);
    x.bouton(true);
    x.envoyer();
    images(3);
    for (int pas = 1; pas <= 4; ++pas) {
        x.pointeur(prise + sf::Vector2i(50 * pas, -30 * pas));
        x.envoyer();
        images(2);
    }
    images(5);
    EXPECT_FLOAT_EQ(heros->sprite->y, avant.y - 120) << "held up in the air";
    EXPECT_EQ(texte("myTextInputY"), tuv::ftos(avant.y - 120));
    x.bouton(false);
    x.shift(false);
    x.envoyer();
    EXPECT_TRUE(images([&] { return heros->sprite->y == avant.y; }, 30)) << "let go, he lands";
    images(2);
    EXPECT_FLOAT_EQ(heros->sprite->x, avant.x + 200) << "the drag moved the hero";
    EXPECT_FLOAT_EQ(heros->sprite->x0, avant.x) << "its start stays until it is asked for";
    EXPECT_EQ(texte("myTextInputY"), tuv::ftos(avant.y)) << "the dialog shows where he landed";
    EXPECT_TRUE(devantLeMenu());
    clic(ecran(*dialogue->getControl("myButtonPosInit")), false);
    const float depart = avant.x + 200;
    EXPECT_TRUE(images([&] { return heros->sprite->x0 == depart; })) << "\"Position init.\" takes where it stands";
    EXPECT_EQ(texte("myTextInputXi"), std::to_string(static_cast<int>(depart)));

    // R saves the level, C reads it again: the hero starts where it was put.
    x.pointeur(ecran(640, 100));
    x.envoyer();
    images(2);
    for (KeySym k : {XK_r, XK_c}) {
        x.touche(k, true);
        x.touche(k, false);
        x.envoyer();
        images(5);
    }
    const std::string ecrit = lireTexte("niveaux/garde.niv");
    EXPECT_NE(ecrit.find("PERSO3=./personnages/heros.per;" + std::to_string(static_cast<int>(depart)) + ";"),
              std::string::npos)
        << ecrit;
    ASSERT_TRUE(jeu->pPerso);
    EXPECT_FLOAT_EQ(jeu->pPerso->sprite->x0, depart) << "reloaded, the hero starts where it was put";
    EXPECT_EQ(texte("myTextInputX"), "") << "the dialog lets the freed hero go";

    // The level options' view mode is the one M plays with.
    choisirModeVue(5);
    ASSERT_TRUE(frapper(XK_m, [&] { return jeu->mode == 1; }));
    EXPECT_TRUE(jeu->pvue == jeu->pvueJeu && jeu->pvueJeu->vuemode == 5) << "the game world plays in mode 5";

    // An auto-scrolling level stops scrolling while it is edited, and scrolls again in play.
    ASSERT_TRUE(frapper(XK_m, [&] { return jeu->mode == 2; }));
    EXPECT_EQ(jeu->pvueJeu->vuemode, 5) << "a following view goes on in the editor";
    choisirModeVue(1);
    ASSERT_TRUE(frapper(XK_m, [&] { return jeu->mode == 1; }));
    EXPECT_EQ(jeu->pvueJeu->vuemode, 1) << "play scrolls";
    ASSERT_TRUE(frapper(XK_m, [&] { return jeu->mode == 2; }));
    const float bord = jeu->pvueJeu->x;
    images(3);
    EXPECT_TRUE(jeu->pvueJeu->vuemode == 6 && jeu->pvueJeu->x == bord) << "the editor's view stays where it is";
    // C reads the level again: its view holds at the level's start, and so does the hero.
    const int chargements = monde.appels.chargerNiveau;
    ASSERT_TRUE(frapper(XK_c, [&] { return monde.appels.chargerNiveau > chargements && jeu->pPerso; }));
    images(60);
    EXPECT_TRUE(auDepart() && !jeu->pHUD->bInfosVisible) << "reloaded in the editor, the view holds, no HUD";
    EXPECT_FLOAT_EQ(jeu->pPerso->sprite->x, depart) << "the hero stays at his start";
}

} // namespace

// The editor entered from a menu plays its level in the menu world: a guard taken from the
// character picker fights there, and a pause, its resume and a restart keep that world.
TEST_F(EditeurPersosX, UnNiveauDeLEditeurDUnMenuSeJoueSeMetEnPauseEtRecommence)
{
    ASSERT_TRUE(x.ouvert()) << "the X server's test extension";
    ecrireTexte("jeu.ini", lireTexte("jeu.ini") + "EDITEUR=\n");
    ASSERT_EQ(jeu->init("jeu.ini"), 0);
    x.pointeur(jeu->fenetre->getPosition() + sf::Vector2i(640, 100));
    x.envoyer();
    images(5);
    ASSERT_EQ(jeu->mode, 0) << "the language menu";
    ASSERT_TRUE(frapper(XK_m, [&] { return jeu->mode == 2; })) << "M in a menu edits the menus' level";
    CDecor& monde = *jeu->pdecorMenu;
    ASSERT_EQ(jeu->pdecor, &monde);
    // The empty level, as the level options' path and C load it.
    monde.fichierSaisi = "./niveaux/niveau-vide.niv";
    ASSERT_TRUE(frapper(XK_c, [&] { return jeu->pPerso && monde.fichierNiveau == monde.fichierSaisi; }));
    CPerso& heros = *jeu->pPerso;
    ASSERT_TRUE(images([&] { return heros.mode == EtatPerso::ARRET; }, 90)) << "the hero lands";

    // F3, the guard chosen, a right click 250 pixels before the hero.
    ASSERT_TRUE(frapper(XK_F3, [] { return CPLUX::isDialogVisible(editeur::id::CHOIX_PER); }));
    CSFMLJeuChoixPer& choix = *CSFMLJeuGlobal::pChoixPer;
    for (int i = 0; i < choix.nbFichiers && choix.fichiers[choix.numFichier] != "./personnages/garde.per"; ++i) {
        clic(ecran(*CPLUX::getControl(editeur::id::CHOIX_PER, "btnRight")), false);
        images(2);
    }
    ASSERT_EQ(choix.fichiers[choix.numFichier], "./personnages/garde.per");
    clic(ecran(heros.sprite->x + (heros.direction == 0 ? 250.f : -250.f), heros.sprite->y - 100), false, 3);
    ASSERT_TRUE(images([&] { return monde.ias.size() == 1; })) << "an AI of garde.per";
    CPerso& garde = *monde.ias.front();
    EXPECT_EQ(garde.modeCollisions, 1) << "a picker's guard is shot at and hurts on contact";
    ASSERT_TRUE(frapper(XK_F3, [] { return !CPLUX::isDialogVisible(editeur::id::CHOIX_PER); }));

    // M plays it, in the view mode chosen for it; Escape pauses, Escape again resumes the same world.
    const int modeJeu = jeu->vuemode_save;
    choisirModeVue(5);
    x.pointeur(ecran(heros.sprite->x, heros.sprite->y - 300));
    ASSERT_TRUE(frapper(XK_m, [&] { return jeu->mode == 1; }));
    EXPECT_EQ(jeu->pvueMenu->vuemode, 5) << "the menu world plays in mode 5";
    EXPECT_EQ(jeu->vuemode_save, modeJeu) << "the game level's mode stays its own";
    const auto joue = [&] { return jeu->mode == 1 && jeu->pdecor == &monde; };
    ASSERT_TRUE(frapper(XK_Escape, [&] { return jeu->mode == 0; })) << "paused";
    EXPECT_TRUE(frapper(XK_Escape, joue)) << "resumed in the world played";

    // The hero shoots the guard: its life goes down.
    const int vieGarde = garde.vie;
    x.touche(XK_x, true);
    x.envoyer();
    EXPECT_TRUE(images([&] { return garde.vie < vieGarde; }, 60)) << "a bullet hits the guard";
    x.touche(XK_x, false);
    x.envoyer();
    // Unarmed, against the hero: only its contact can hurt him.
    garde.nbarmesperso = 0;
    jeu->parmes->viderTirs();
    const int vieHeros = heros.vie;
    heros.sprite->placer(0, tuv::floatVersInt(garde.sprite->x), tuv::floatVersInt(garde.sprite->y));
    EXPECT_TRUE(images([&] { return heros.vie < vieHeros; }, 40)) << "the guard hurts on contact";

    // The pause's restart starts the same level again.
    ASSERT_TRUE(frapper(XK_Escape, [&] { return jeu->mode == 0; })) << "paused";
    ASSERT_TRUE(frapper(XK_Down, [&] { return jeu->pMenus->ligneActive == 1; }));
    EXPECT_TRUE(frapper(XK_Return, joue)) << "restarted in the world played";
    EXPECT_TRUE(jeu->pPerso && monde.ias.size() == 1) << "the hero and the guard back";
}
