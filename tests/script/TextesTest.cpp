// On-screen texts, pauses at both frame rates, started scripts and their cap, the monitor's
// variable list, and (under Xvfb) the zone view and the texts drawn at window pixels.
#include "script/OutilsScript.h"

#include "gui/CPLUXControlList.h"
#include "support/Outils.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>


namespace {

using Textes = AvecMoteur;

// Lengths of the spans of frames after which the script stood on command 1.
std::vector<int> attentesSurCommande1(CScriptEngine& m, CScript* s, int nbImages)
{
    std::vector<int> r;
    bool dedans = false;
    for (int i = 0; i < nbImages; ++i) {
        m.lancerScripts();
        if (s->numCmdCour == 1)
            dedans ? ++r.back() : (r.push_back(1), 0);
        dedans = s->numCmdCour == 1;
    }
    return r;
}

bool estJaune(sf::Color c) { return c.r > 200 && c.g > 200 && c.b < 60; }
bool estOrange(sf::Color c) { return c.r > 150 && c.g > 80 && c.g < 200 && c.b < 60; }

} // namespace

TEST_F(Textes, PrintsEtEffacement)
{
    CScript* s = moteur->creerScript("", nullptr, declencheur::IMMEDIAT, 1, false, false);
    s->ajouterCommande("{", {});
    for (int i = 0; i < 101; ++i)
        s->ajouterCommande("PRINT", {L"t" + std::to_wstring(i), L"5", L"7"});
    s->ajouterCommande("}", {});
    images(2);
    ASSERT_EQ(s->prints.size(), 100u) << "the 101st text shows nothing";
    EXPECT_EQ(s->nbRunFaits, 1) << "and the script went on";
    EXPECT_EQ(s->prints[99].getString().toWideString(), L"t99");
    CScript* efface = script("CLRPRINT()", declencheur::IMMEDIAT, 1);
    efface->prints = s->prints;
    images(2);
    EXPECT_TRUE(efface->prints.empty());
}

TEST_F(Textes, Pauses)
{
    for (const float coeff : {1.0f, 0.5f}) {
        jeu->framerateCoeff = coeff;
        CScript* s = script(":a\nPAUSE(30)\nGOTO(a)");
        images(1);  // fired
        const std::vector<int> attentes = attentesSurCommande1(*moteur, s, 70);
        ASSERT_GE(attentes.size(), 2u);
        EXPECT_EQ(attentes[0], 30) << "the first pause at " << coeff;
        EXPECT_EQ(attentes[1], 30) << "the pause again in the loop at " << coeff;
        moteur->viderScripts();
    }
    CScript* variable = script("n = 5\nPAUSE(n)", declencheur::IMMEDIAT, 1);
    ASSERT_EQ(variable->commandes[1]->nCompteur, 0) << "the loader's preset of a variable";
    images(6);
    EXPECT_EQ(variable->nbRunFaits, 0);
    images(1);
    EXPECT_EQ(variable->nbRunFaits, 1) << "the variable's 5 steps";

    // The X release seen by a step ends every pause at once, until a run ends.
    CScript* longue = script("PAUSE(300)\nBASCULE()", declencheur::IMMEDIAT, 1);
    images(3);
    ASSERT_EQ(longue->numCmdCour, 0);
    jeu->commandes[0].bRelX = true;
    images(1);
    jeu->commandes[0].bRelX = false;
    EXPECT_EQ(longue->numCmdCour, 1);
    images(1);
    EXPECT_EQ(longue->nbRunFaits, 1);
    EXPECT_EQ(moteur->bPasserPause, 0) << "cleared when a run ends";
}

TEST_F(Textes, ScriptsLances)
{
    DossierTemp dossier;
    const std::string f = dossier / "lance.scp";
    ecrireTexte(f, "BASCULE()\n");
    script("SCRIPTRUN(" + f + ")\nSCRIPTRUN(" + f + ")", declencheur::IMMEDIAT, 1);
    images(2);
    ASSERT_EQ(moteur->nbScripts, 2);
    CScript* premier = moteur->scripts[1].get();
    EXPECT_TRUE(premier->bEnCours && premier->numCmdCour == 0) << "fired in the frame that made it";
    images(1);
    ASSERT_EQ(moteur->nbScripts, 3);
    EXPECT_EQ(premier->nbRunFaits, 1) << "its first command ran on the next frame";
    EXPECT_EQ(moteur->pScriptRun, moteur->scripts[2].get()) << "the last one started";
    images(3);
    EXPECT_EQ(moteur->nbScripts, 3) << "they stay listed after their run";

    // At most 256 started scripts: a new one replaces the oldest finished, or is not made.
    moteur->viderScripts();
    CScript* lanceur = script("SCRIPTRUN(" + f + ")");
    for (int i = 0; i < CScriptEngine::NB_SCRIPTRUN_MAX; ++i)
        moteur->executerCommande(lanceur);
    ASSERT_EQ(moteur->nbScripts, 1 + CScriptEngine::NB_SCRIPTRUN_MAX);
    CScript* dernier = moteur->pScriptRun;
    moteur->executerCommande(lanceur);
    EXPECT_EQ(moteur->nbScripts, 1 + CScriptEngine::NB_SCRIPTRUN_MAX) << "none finished: none started";
    EXPECT_EQ(moteur->pScriptRun, dernier);
    EXPECT_EQ(lanceur->nbRunFaits, CScriptEngine::NB_SCRIPTRUN_MAX + 1) << "it advanced all the same";
    CScript* plusAncien = moteur->scripts[1].get();
    CScript* second = moteur->scripts[2].get();
    plusAncien->nbRunFaits = second->nbRunFaits = 1;
    moteur->executerCommande(lanceur);
    EXPECT_EQ(moteur->nbScripts, 1 + CScriptEngine::NB_SCRIPTRUN_MAX);
    EXPECT_FALSE(moteur->contient(plusAncien)) << "the oldest finished one made room";
    EXPECT_TRUE(moteur->contient(second));
}

TEST_F(Textes, ListeDesVariables)
{
    CScript* s = script("");
    s->variables["b"] = Variable{Variable::Entier, 0, 2, ""};
    s->variables["a"] = Variable{Variable::Flottant, 1.5f, 0, ""};
    s->variables["c"] = Variable{Variable::Texte, 0, 0, "t"};
    s->variables["d"] = Variable{};
    CPLUXControlList liste;
    moteur->remplirListeVariables(s, &liste);
    ASSERT_EQ(liste.getNbElements(), 4);
    const wchar_t* attendus[][2] = {{L"0", L"a=1.5"}, {L"1", L"b=2"}, {L"2", L"c=t"}, {L"3", L"d=NULL"}};
    for (int i = 0; i < 4; ++i) {
        EXPECT_EQ(liste.getTextW(i), attendus[i][0]) << "row " << i;
        EXPECT_EQ(liste.getTextCol2W(i), attendus[i][1]) << "row " << i;
    }
}

TEST_F(Textes, DessinDesZones)
{
    DansLesDonnees donnees;
    CScriptEngine vue;  // its font from the data folder
    ASSERT_TRUE(vue.bPoliceChargee);
    CSPRITE* sd = sprite(20, 30);
    for (int i = 0; i < 3; ++i)
        vue.creerScript("./niveaux/scripts/monscript.scp", sd, 3, -1, false, false);
    CSPRITE* ailleurs = sprite(0, 0);
    ailleurs->calque = 5;  // another zone: not drawn
    vue.creerScript("x.scp", ailleurs, 0, -1, false, false);
    sf::RenderTexture scene;
    ASSERT_TRUE(scene.create(200, 200));
    scene.clear(sf::Color::Black);
    vue.dessinerZones(scene);
    scene.display();
    const sf::Image image = scene.getTexture().copyToImage();
    // The frame: 4-pixel outline around (24, 34) - (116, 126).
    EXPECT_TRUE(estJaune(image.getPixel(21, 80))) << "left edge";
    EXPECT_TRUE(estJaune(image.getPixel(118, 80))) << "right edge";
    EXPECT_FALSE(estJaune(image.getPixel(18, 80))) << "outside";
    EXPECT_FALSE(estJaune(image.getPixel(8, 8))) << "the other zone's sprite is not drawn";
    EXPECT_EQ(sd->decalageLabel, 60) << "three labels, 20 pixels apart";
    EXPECT_EQ(vue.pTexte->getString().toAnsiString(), "./niveaux/scripts/monscript.scp (3)");
    bool orange = false;  // the last label, at the zone's centre 40 pixels lower
    for (int y = 120; y < 140 && !orange; ++y)
        for (int x = 70; x < 200 && !orange; ++x)
            orange = estOrange(image.getPixel(x, y));
    EXPECT_TRUE(orange) << "the labels are drawn";
}

TEST_F(Textes, PrintsAuxPixelsDeLaFenetre)
{
    DansLesDonnees donnees;
    jeu->police.loadFromFile("./polices/SF_Minced_Meat.ttf");
    CScript* s = script("PRINT(\"MMMM\";40;50)", declencheur::IMMEDIAT, 1);
    images(2);
    ASSERT_EQ(s->prints.size(), 1u);
    sf::RenderWindow fenetre(sf::VideoMode(200, 150), "prints", sf::Style::None);
    fenetre.setView(sf::View(sf::FloatRect(1000, 1000, 400, 300)));  // a camera far away
    fenetre.clear(sf::Color::Black);
    moteur->dessinerPrints(&fenetre);
    sf::Texture capture;
    ASSERT_TRUE(capture.create(200, 150));
    capture.update(fenetre);
    const sf::Image image = capture.copyToImage();
    int blancsDedans = 0, blancsDehors = 0;
    for (unsigned y = 0; y < 150; ++y)
        for (unsigned x = 0; x < 200; ++x)
            if (image.getPixel(x, y).r > 200)
                (x >= 40 && y >= 50 && x < 200 && y < 100 ? blancsDedans : blancsDehors)++;
    EXPECT_GT(blancsDedans, 50) << "the text at (40, 50) of the window";
    EXPECT_EQ(blancsDehors, 0);
    EXPECT_EQ(fenetre.getView().getCenter(), sf::Vector2f(1200, 1150)) << "the window's view is given back";
}
