// What the game does for the level: its worlds built by init with their planes' textures and
// its collision and shader services, the bank of key-point anchors it keeps, and the editor's
// toolbar routing the mouse between the HUD's map, the menus and the level's picking.
#include "level/OutilsFichierNiveau.h"
#include "level/OutilsNiveau.h"

#include "core/ShaderManager.h"
#include "game/HUD.h"
#include "game/Jeu.h"
#include "game/JeuBarreOutils.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXTest.h"
#include "core/Chemin.h"
#include "level/MenuImage.h"
#include "OutilsJeu.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <algorithm>

namespace {

// The game without init over a world built in code, in editor mode, the mouse scripted.
class BarreOutils : public AvecJeuDe<CSFMLJeu> {
protected:
    void SetUp() override
    {
        AvecJeuDe<CSFMLJeu>::SetUp();
        CPLUXTest::reset();
        camera(0, 0);
        jeu->mode = 2;
        SourisJeu::lire = [this](const sf::Window&) { return etat; };
        SourisJeu::ctrlGauche = [this] { return ctrl; };
        SourisJeu::shiftGauche = [this] { return shift; };
        icones.create(12 * 32, 32);
        decor->pMenuSD->charger(icones, 32, 32, 0, 0);
        b = banque(*decor, "B", 40, 40, nullptr);
    }
    void TearDown() override
    {
        SourisJeu::reinitialiser();
        AvecJeuDe<CSFMLJeu>::TearDown();
        CPLUXTest::reset();
    }

    EtatSouris etat;
    bool ctrl = false, shift = false;
    sf::Texture icones;
    CDEC* b = nullptr;
};

} // namespace

TEST(DecorJeu, ServicesShadersEtTexturesDesPlans)
{
    DossierDeTravail dossier;
    std::filesystem::create_directories("shaders");
    ecrireTexte("shaders/bleu.frag", "void main() { gl_FragColor = vec4(0.0, 0.0, 1.0, 1.0); }\n");
    ecrireTexte("jeu.ini", "VIEWPORT=320;200\nUSESHADER=1\n");
    CPLUXTest::reset();
    {
        CSFMLJeu jeu;
        ASSERT_EQ(jeu.init("jeu.ini"), 0);
        EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "two worlds built quietly";
        ASSERT_NE(g_services.shaderManager(), nullptr);
        for (CCalqueSD* plan : jeu.pdecorMenu->pPlans) {
            ASSERT_NE(plan->pRenderTexture, nullptr) << "the active world's planes have their texture";
            EXPECT_EQ(plan->pRenderTexture->getSize(), sf::Vector2u(320, 200));
        }
        EXPECT_EQ(jeu.pdecorJeu->pPlans[0]->pRenderTexture, nullptr);

        CDEC* b = banque(*jeu.pdecor, "B", 16, 16, [](int x, int) { return x < 8 ? VERT : VIDE; });
        CSPRITE* sd = spriteDecor(*jeu.pdecor->pPlans[2], b, 100, 50);
        EXPECT_TRUE(g_services.estCollision(102, 52, 102, 52));
        EXPECT_FALSE(g_services.estCollision(112, 52, 112, 52));
        EXPECT_TRUE(g_services.collisionPixel(sd, 102, 52, VERT));
        EXPECT_FALSE(g_services.collisionPixel(sd, 112, 52, VERT));

        if (sf::Shader::isAvailable()) {
            sd->strShaderFrag = "bleu.frag";
            sf::RenderTexture& scene = *CSFMLJeuGlobal::prenderTexture;
            scene.setView(scene.getDefaultView());
            scene.clear(sf::Color::Black);
            jeu.pdecor->pPlans[2]->dessiner(0, 0, false);
            scene.display();
            EXPECT_EQ(scene.getTexture().copyToImage().getPixel(105, 55), sf::Color::Blue)
                << "drawn through the game's shader cache";
        }
        CDecor* actif = jeu.pdecor;
        jeu.pdecor = nullptr;
        EXPECT_FALSE(g_services.estCollision(102, 52, 102, 52)) << "no active world: nothing";
        EXPECT_FALSE(g_services.collisionPixel(sd, 102, 52, VERT));
        jeu.pdecor = actif;
    }
    CPLUXTest::reset();
}

// Key points of paths draw their anchors from one bank of the game, read once.
TEST(DefinitionsDuJeu, AncresDePointsCles)
{
    DossierTemp dossier;
    const std::filesystem::path ancien = std::filesystem::current_path();
    std::filesystem::current_path(dossier.str());
    ecrireTexte("jeu.ini", "FRAMERATE=30\n");
    peindre("effets/ancrage_kp.png", 8, 8);
    ecrireFichier("effets/ancrage_kp.dec", "ID=ANCRE\nPLANCHE=./effets/ancrage_kp.png;\nSPRITE=0;0;1;8;8;0;0\n");
    CPLUXTest::reset();
    {
        CSFMLJeu jeu;
        jeu.init("jeu.ini");
        CAncrageKP a, b;
        ASSERT_NE(a.pAncre->pDEC, nullptr) << "the anchor's bank is read";
        EXPECT_EQ(a.pAncre->pDEC, b.pAncre->pDEC) << "and shared";
        EXPECT_EQ(jeu.definitionsSprites["SPRITE_ANCRAGE_KP"], a.pAncre->pDEC) << "kept by the game";
    }
    std::filesystem::remove("effets/ancrage_kp.dec");
    {
        CSFMLJeu jeu;
        jeu.init("jeu.ini");
        testing::internal::CaptureStderr();
        CAncrageKP a, b;
        const std::string erreurs = testing::internal::GetCapturedStderr();
        EXPECT_EQ(a.pAncre->pDEC, nullptr) << "a file that does not load gives none";
        EXPECT_EQ(b.pAncre->pDEC, nullptr);
        EXPECT_EQ(std::count(erreurs.begin(), erreurs.end(), '\n'), 1) << "reported once: " << erreurs;
        EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "without a message box";
    }
    faceJeu::installer({});
    CPLUXTest::reset();
    std::filesystem::current_path(ancien);
}

TEST_F(BarreOutils, GrillesCarteEtChoixDeLIA)
{
    sf::RenderWindow fenetreRendu(sf::VideoMode(640, 480), "barre");
    CSFMLJeuBarreOutils barre;
    barre.jeu = jeu.get();
    CPerso* joueur = perso();
    jeu->pPerso = joueur;
    ASSERT_TRUE(joueur->menuPerso);
    joueur->sprite->x = 400;
    joueur->sprite->y = 300;
    jeu->pvue->zoom = 2;
    sf::RenderTexture rendu;
    ASSERT_TRUE(rendu.create(64, 64));
    barre.dessiner(rendu, 100, 100);
    EXPECT_EQ(joueur->menuPerso->x, 150) << "the player's grid over it on screen";
    EXPECT_EQ(joueur->menuPerso->y, 84);

    // A click on the map reaches nothing else; with Shift and no AI, nothing after the picking.
    jeu->pvue->zoom = 1;
    CSPRITE* sd = spriteDecor(plan(2), b, 600, 400);
    jeu->pHUD = new CSFMLJeuHUD();
    decor->bCarte = true;
    jeu->pHUD->charger();
    ctrl = true;
    etat = {true, false, {10, 10}};
    barre.souris(fenetreRendu, 0, 0);
    EXPECT_TRUE(jeu->pHUD->bSourisSurCarte) << "the map took the click";
    shift = true;
    etat = {false, false, {610, 410}};
    barre.souris(fenetreRendu, 0, 0);
    EXPECT_FALSE(jeu->pPersoSelection) << "no AI to choose";
    shift = false;
    etat.gauche = true;
    barre.souris(fenetreRendu, 0, 0);
    EXPECT_EQ(decor->pSDSelection, sd) << "off the map and without Shift: the level's picking";

    // Over the player's icon menu, neither the sprite's strip nor the picking is reached.
    decor->deselectionner();
    joueur->menuPerso->charger(icones, 32, 32, 590, 390);
    joueur->menuPerso->setActif(true);
    etat = {false, false, {610, 410}};
    barre.souris(fenetreRendu, 0, 0);
    etat.gauche = true;
    barre.souris(fenetreRendu, 0, 0);
    EXPECT_EQ(decor->pSDSelection, nullptr) << "the player's menu took the mouse";

    // With Shift over an AI that is not selected: it becomes the selected one, the decor
    // selection goes and the character dialog shows it.
    decor->pSDSelection = sd;
    auto* ia = new CPerso();
    ia->modeIA = 1;
    ia->sprite->pDEC = b;
    ia->sprite->placer(0, 200, 200);
    decor->ias.push_back(ia);
    CPLUXDialog dialoguePerso;
    dialoguePerso.setId("JeuDialogPerso");
    CPLUX::enregistrer(&dialoguePerso);
    CPerso* edite = nullptr;
    g_services.editerPerso = [&edite](CPerso* p, bool) { edite = p; };
    shift = true;
    etat = {true, false, {200, 200}};
    barre.souris(fenetreRendu, 0, 0);
    EXPECT_EQ(jeu->pPersoSelection, ia) << "Shift and the left button over the AI";
    EXPECT_EQ(decor->pSDSelection, nullptr) << "the decor selection is cleared";
    EXPECT_EQ(edite, ia) << "the character dialog takes it";
}
