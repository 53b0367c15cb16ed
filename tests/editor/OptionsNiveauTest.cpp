// The level options: the fill at the end of a load, typed numbers and path, the weather
// checks, the zone, the map and the view mode, and nothing without a level.
#include "OutilsEditeurNiveau.h"

#include "game/SourceEntrees.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXMessageBox.h"
#include "level/FondImage.h"
#include "level/EffetEtoiles.h"
#include "level/EffetLucioles.h"
#include "level/EffetNeige.h"
#include "level/EffetNuages.h"
#include "level/EffetPluie.h"
#include "level/Vue.h"

#include <algorithm>
#include <climits>
#include <functional>
#include <tuple>

namespace {
const char* const NIV = editeur::id::OPTIONS_NIV;

// The open boxes' lines, joined.
std::string boite()
{
    std::string t;
    for (const CPLUXMessageBox* b : CPLUX::getMessageBoxes())
        for (const CPLUXControl* c : b->getControls())
            t += c->getGenre() == CPLUXControl::GENRE_TEXTE ? c->getText() : "";
    std::replace(t.begin(), t.end(), '\n', ' ');
    return t;
}
} // namespace

class OptionsNiveau : public EditeurNiveauTest {
protected:
    std::string texte(const std::string& id) { return CPLUX::getControl(NIV, id)->getText(); }
};

TEST_F(OptionsNiveau, RefreshFillsEveryControlFromTheLevel)
{
    const int zone[4] = {10, -20, 300, 400};
    std::copy(zone, zone + 4, decor().zone);
    decor().bZone = true;
    decor().activerPluie(true);
    jeu->typeJeu = 1;
    decor().fichierSaisi = "./niveaux/mon niveau.niv";
    decor().bCarte = false;
    jeu->bCarteJeu = true;  // as M into the editor sets it
    jeu->vuemode_save = 3;
    CPLUX::refresh(NIV);  // what the level reader does at the end of a load
    const std::pair<const char*, const char*> textes[] = {
        {"myTextInputXHG", "10"}, {"myTextInputYHG", "-20"}, {"myTextInputXBD", "300"}, {"myTextInputYBD", "400"},
        {"myTextInputTypeJeu", "1"}, {"myTextInputCheminFichierNiv", "./niveaux/mon niveau.niv"}};
    for (const auto& [id, attendu] : textes)
        EXPECT_EQ(texte(id), attendu) << id;
    EXPECT_TRUE(coche(NIV, "myButtonCheckZonePersos"));
    EXPECT_FALSE(coche(NIV, "myButtonCheckCarteJeu")) << "the level's map, which the save writes";
    EXPECT_TRUE(coche(NIV, "myButtonCheckPGPluie")) << "the weather checks show the level's flags";
    EXPECT_FALSE(coche(NIV, "myButtonCheckPGNeige"));
    EXPECT_EQ(dialogue(NIV)->ctrlComboBox("myComboBox")->getNumSel(), 3);
}

// A text that is no number is refused: a box says so and the field shows the value kept. An
// empty field or a sign alone may still become one: the value stays, silently.
TEST_F(OptionsNiveau, TypedNumbersAndPath)
{
    const int& xhg = decor().zone[0];
    const int& ybd = decor().zone[3];
    const int& type = jeu->typeJeu;
    const std::tuple<const char*, const char*, const int&, int, bool> cas[] = {
        {"myTextInputXHG", "-5", xhg, -5, false},  {"myTextInputXHG", " 1 2", xhg, 12, false},
        {"myTextInputXHG", "abc", xhg, 12, true},  {"myTextInputXHG", "12x", xhg, 12, true},
        {"myTextInputXHG", "-", xhg, 12, false},   {"myTextInputYBD", "2147483647", ybd, INT_MAX, false},
        {"myTextInputYBD", "2147483648", ybd, INT_MAX, true}, {"myTextInputYBD", "1e40", ybd, INT_MAX, true},
        {"myTextInputTypeJeu", "2", type, 2, false},          {"myTextInputTypeJeu", "99", type, 2, true},
        {"myTextInputTypeJeu", "", type, 2, false},
    };
    for (const auto& [id, tape, champ, attendu, refuse] : cas) {
        ASSERT_TRUE(saisir(NIV, id, tape));
        EXPECT_EQ(champ, attendu) << id << " typed \"" << tape << "\"";
        ASSERT_EQ(CPLUX::getMessageBoxes().size(), refuse ? 1u : 0u) << "\"" << tape << "\" refused or not";
        if (refuse) {
            EXPECT_EQ(texte(id), std::to_string(attendu)) << "\"" << tape << "\" gives way to the value kept";
            CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
        }
    }
    saisir(NIV, "myTextInputCheminFichierNiv", " ./niveaux/a b.niv ");
    EXPECT_EQ(decor().fichierSaisi, " ./niveaux/a b.niv ") << "the path is stored as typed";
}

// The background image's numbers, which the library edits by name, refuse a text alike; a
// decimal one lets its first "." be, so that ".5" can be typed.
TEST_F(OptionsNiveau, BackgroundNumbersRefuseTextsAlike)
{
    ecrireTexte("f.niv", "FOND=;0;0;1\n");
    decor().chargerNiveau("f.niv", 1);
    const CFondImage& fond = *decor().pFondImage;
    const std::tuple<const char*, const char*, std::function<bool()>, bool> cas[] = {
        {"myTextInputFondX0", "12", [&] { return fond.x0 == 12; }, false},
        {"myTextInputFondX0", "12a", [&] { return fond.x0 == 12; }, true},
        {"myTextInputFondEchelle", "2.5", [&] { return fond.s == 2.5f; }, false},
        {"myTextInputFondEchelle", "2,5", [&] { return fond.s == 2.5f; }, true},
        {"myTextInputFondEchelle", "-.", [&] { return fond.s == 2.5f; }, false},
        {"myTextInputFondEchelle", ".", [&] { return fond.s == 2.5f; }, false},
        {"myTextInputFondEchelle", ".5", [&] { return fond.s == 0.5f; }, false},
        {"myTextInputFondX0", ".", [&] { return fond.x0 == 12; }, true},
        {"myTextInputFondEchelle", "-1", [&] { return fond.s == 0.5f; }, true},
        {"myTextInputFondFlou", "-3", [&] { return fond.shader_blur_radius == 0.f; }, true},
        {"myTextInputFondFlou", "", [&] { return fond.shader_blur_radius == 0.f; }, false},
    };
    for (const auto& [id, tape, garde, refuse] : cas) {
        ASSERT_TRUE(saisir(NIV, id, tape));
        EXPECT_TRUE(garde()) << id << " typed \"" << tape << "\"";
        ASSERT_EQ(CPLUX::getMessageBoxes().size(), refuse ? 1u : 0u) << "\"" << tape << "\" refused or not";
        if (refuse) {
            EXPECT_NE(texte(id), tape) << "\"" << tape << "\" gives way to the value kept";
            CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
        }
    }
    ASSERT_TRUE(saisir(NIV, "myTextInputFondFlou", "-1"));
    EXPECT_EQ(boite(), "« -1 » n'est pas un nombre de 0 ou plus : la valeur reste 0.") << "0 is a blur";
}

// Typed: a refusal's box goes when its field is edited again (it would name a value left
// behind); a scale read from the file beyond the range is let be until replaced.
TEST_F(OptionsNiveau, BackgroundScaleTypedKeyByKey)
{
    ecrireTexte("f.niv", "FOND=./decors/Ville/fond.png;0;0;3000000000\n");
    decor().chargerNiveau("f.niv", 1);
    CPLUX::show(NIV);
    // Typed after End, or after Ctrl+A for a leading '^'; then the scale and the box open.
    const std::tuple<std::string, float, std::string> cas[] = {
        {"5", 3e9f, ""},
        {"^12345678901", 1234567936.f, "« 12345678901 » est trop grand (moins de 2000000000) : la valeur reste 1234567936."},
        {"^1.5", 1.5f, ""},
        {"x", 1.5f, "« 1.5x » n'est pas un nombre : la valeur reste 1.5."}};
    for (const auto& [tape, echelle, attendue] : cas) {
        ASSERT_TRUE(CPLUXTest::click(NIV, "myTextInputFondEchelle"));
        CPLUXTest::key(tape[0] == '^' ? sf::Keyboard::A : sf::Keyboard::End, tape[0] == '^');
        CPLUXTest::type(tape.substr(tape[0] == '^'));
        EXPECT_EQ(decor().pFondImage->s, echelle) << tape;
        EXPECT_EQ(boite(), attendue) << tape;
    }
    // A scale of 0, which may begin "0.5", is refused once the field is left so.
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
    ASSERT_TRUE(CPLUXTest::click(NIV, "myTextInputFondEchelle"));
    CPLUXTest::key(sf::Keyboard::A, true);
    CPLUXTest::type("0");
    EXPECT_EQ(boite() + " " + tuv::ftos(decor().pFondImage->s), " 1.5") << "let be while typed";
    ASSERT_TRUE(CPLUXTest::click(NIV, "myTextInputFondX0"));
    EXPECT_EQ(boite(), "« 0 » n'est pas un nombre supérieur à 0 : la valeur reste 1.5.");
    EXPECT_EQ(texte("myTextInputFondEchelle"), "1.5");
}

// A level edited from a menu has its own type, view mode and file: a type typed on one menu
// level goes neither to the game nor to the next level loaded there, and R saves the level shown.
TEST_F(OptionsNiveau, TheMenusLevelKeepsItsOwnTypeViewModeAndFile)
{
    ecrireTexte("a.niv", "TYPEJEU=1\n");
    ecrireTexte("b.niv", "NOM=b;1\n");
    jeu->pdecor = jeu->pdecorMenu = new CDecor();  // the game deletes it
    jeu->pdecor->chargerNiveau("a.niv", 1);
    EXPECT_EQ(texte("myTextInputTypeJeu"), "1");
    saisir(NIV, "myTextInputTypeJeu", "2");
    jeu->pdecor->chargerNiveau("b.niv", 1);
    const int vueJeu = jeu->vuemode_save;
    CPLUX::show(NIV);
    ASSERT_TRUE(CPLUXTest::chooseEntry(NIV, "myComboBox", 5));
    EXPECT_EQ(texte("myTextInputTypeJeu"), "0") << "refreshed from the level loaded";
    EXPECT_EQ(texte("myTextInputCheminFichierNiv"), "b.niv");
    jeu->touchesEditeur(sf::Keyboard::R);
    EXPECT_NE(lireTexte("b.niv").find("\nTYPEJEU=0\n"), std::string::npos) << "R saved b.niv with its own type";
    EXPECT_NE(lireTexte("b.niv").find("\nSCROLLVUE=5;"), std::string::npos) << "and the view mode chosen for it";
    EXPECT_TRUE(jeu->typeJeu == 0 && jeu->vuemode_save == vueJeu) << "the game's type or view mode moved";
}

TEST_F(OptionsNiveau, WeatherChecksMakeAndFreeTheirEffectTwice)
{
    decor().tailleJeuX = 2000;
    decor().tailleJeuY = 900;
    CDecor& d = decor();
    const std::pair<const char*, std::function<bool()>> meteo[] = {
        {"myButtonCheckPGPluie",
         [&] { return d.bPluie && d.pPluie && d.pPluie->nbGouttes == 200 && d.pPluie->largeur == 2000; }},
        {"myButtonCheckPGNeige",
         [&] { return d.bNeige && d.pNeige && d.pNeige->nbFlocons == 1000 && d.pNeige->hauteur == 900; }},
        {"myButtonCheckPGLucioles", [&] { return d.bLucioles && d.pLucioles && d.pLucioles->nbLucioles == 500; }},
        {"myButtonCheckPGBrouillard", [&] { return d.bBrouillard && d.pBrouillard; }},
        {"myButtonCheckPGNuages", [&] { return d.bNuages && d.pNuages && d.pNuages->nbGroupes == 6; }},
        {"myButtonCheckPGPoussiere", [&] { return d.bNuagePoussiere && d.pNuagePoussiere; }},
        {"myButtonCheckPGEtoiles", [&] { return d.bEtoiles && d.pEtoiles && d.pEtoiles->nbEtoiles == 1000; }},
    };
    const std::function<bool()> aucun = [&] {
        return !d.bPluie && !d.pPluie && !d.bNeige && !d.pNeige && !d.bLucioles && !d.pLucioles && !d.bBrouillard &&
               !d.pBrouillard && !d.bNuages && !d.pNuages && !d.bNuagePoussiere && !d.pNuagePoussiere &&
               !d.bEtoiles && !d.pEtoiles;
    };
    for (int tour = 0; tour < 2; ++tour)
        for (const auto& [id, actif] : meteo) {
            SCOPED_TRACE(id);
            presser(NIV, id);
            EXPECT_TRUE(actif()) << "on: made with its count over the level size, flag set";
            EXPECT_TRUE(coche(NIV, id));
            presser(NIV, id);
            EXPECT_TRUE(aucun()) << "off: freed, slot empty, flag clear";
            EXPECT_FALSE(coche(NIV, id));
        }
    // The zone's check inverts the level's flag; twice gives it back.
    presser(NIV, "myButtonCheckZonePersos");
    EXPECT_TRUE(d.bZone);
    presser(NIV, "myButtonCheckZonePersos");
    EXPECT_FALSE(d.bZone);
}

TEST_F(OptionsNiveau, MapAndViewMode)
{
    decor().bCarte = true;
    CPLUX::refresh(NIV);
    presser(NIV, "myButtonCheckCarteJeu");  // shown checked: the level's map is on
    EXPECT_FALSE(decor().bCarte || jeu->bCarteJeu) << "the level's and the game's map flags together";
    EXPECT_FALSE(coche(editeur::id::OPTIONS_EDITEUR, "myButtonCheckCarteJeu")) << "the editor options refreshed";
    presser(NIV, "myButtonCheckCarteJeu");
    EXPECT_TRUE(decor().bCarte && jeu->bCarteJeu);
    EXPECT_TRUE(coche(editeur::id::OPTIONS_EDITEUR, "myButtonCheckCarteJeu"));

    ASSERT_EQ(decor().pSDSelection, nullptr);
    ASSERT_TRUE(CPLUXTest::chooseEntry(NIV, "myComboBox", 2));
    EXPECT_EQ(jeu->vuemode_save, 2) << "stored without any decor sprite selected";
    CPLUX::getDialog(NIV)->ctrlComboBox("myComboBox")->CPLUXControlTextArea::setNumSel(-1);  // told as a change
    EXPECT_EQ(jeu->vuemode_save, 2) << "no row chosen: no mode stored";
}

// The zoom keys: the mode chosen for the level back (an auto-scroll held), zoom 1, 2, 3 or the
// whole width, the view around the player within the level, held over 30 updates of editing;
// with Shift the digits are the animation editor's. M plays at the level's zoom.
TEST_F(OptionsNiveau, ZoomKeys)
{
    decor().tailleJeuX = 5120;
    decor().tailleJeuY = 900;
    joueur->sprite->x = 3000;
    joueur->sprite->y = 800;
    CVue& vue = *(jeu->pvue = jeu->pvueJeu = decor().pCamera = new CVue(1280, 720));
    auto* source = new SourceScriptee();
    jeu->pSourceEntrees.reset(source);
    using K = sf::Keyboard;
    // Key, Shift held, mode chosen; then the camera's mode, zoom and the shown rectangle's corner.
    const std::tuple<K::Key, bool, int, int, float, float, float> cas[] = {
        {K::Num2, false, 2, 2, 2, 1720, 0}, {K::Num1, false, 2, 2, 1, 2360, 180}, {K::Num3, false, 1, 6, 3, 1080, 0},
        {K::Num4, false, 5, 5, 5, 0, 0},    {K::Num1, true, 2, 5, 5, 0, 0},       {K::Num5, false, 2, 5, 5, 0, 0}};
    for (const auto& [touche, shift, choisi, mode, zoom, gauche, haut] : cas) {
        SCOPED_TRACE("key " + std::to_string(touche) + (shift ? " with Shift" : "") + ", mode " + std::to_string(choisi));
        source->ajouterImage(shift ? SourceScriptee::Touches{K::LShift} : SourceScriptee::Touches{});
        source->debutImage(0);
        jeu->vuemode_save = choisi;
        jeu->touchesEditeur(touche);
        for (int i = 0; i < 30; ++i)
            vue.maj();
        const sf::Vector2f coin = vue.vue.getCenter() - vue.vue.getSize() / 2.0f;
        EXPECT_TRUE(vue.vuemode == mode && vue.zoom == zoom) << vue.vuemode << ", zoom " << vue.zoom;
        EXPECT_TRUE(coin.x == gauche && coin.y == haut) << "shown from " << coin.x << ", " << coin.y;
    }
    jeu->touchesEditeur(K::M);
    EXPECT_TRUE(vue.vuemode == 2 && vue.zoom == 1) << "play in the chosen mode at the level's zoom";
}

TEST_F(OptionsNiveau, NothingWithoutALevel)
{
    jeu->pdecor = nullptr;  // the world stays the game's
    jeu->pdecorJeu->fichierSaisi = "garde.niv";
    CPLUX::refresh(NIV);
    for (const char* id : {"myTextInputXHG", "myTextInputTypeJeu", "myTextInputCheminFichierNiv"})
        saisir(NIV, id, "7");
    for (const char* id : {"myButtonCheckPGPluie", "myButtonCheckZonePersos", "myButtonCheckCarteJeu"})
        presser(NIV, id);
    CPLUXTest::chooseEntry(NIV, "myComboBox", 4);
    EXPECT_EQ(jeu->pdecorJeu->fichierSaisi, "garde.niv");
    EXPECT_TRUE(jeu->typeJeu == 0 && jeu->vuemode_save == -1 && jeu->bCarteJeu && !jeu->pdecorJeu->bPluie &&
                !jeu->pdecorJeu->pPluie) << "the game's type, view mode, map or rain changed";
}
