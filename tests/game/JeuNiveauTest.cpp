// What the game does for the world: its worlds built by init with their planes' textures and
// its collision and shader services, what the world's calls change in the game, the bank of
// key-point anchors and the characters it preloads, and the editor's toolbar routing the mouse
// between the HUD's map, the menus and the level's picking.
#include "level/OutilsFichierNiveau.h"
#include "level/OutilsNiveau.h"

#include "characters/OptionsMulti.h"
#include "core/Particules.h"
#include "core/ShaderManager.h"
#include "game/HUD.h"
#include "game/Jeu.h"
#include "game/JeuBarreOutils.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXTest.h"
#include "core/Chemin.h"
#include "level/MenuImage.h"
#include "menus/JeuMenus.h"
#include "script/ScriptEngine.h"
#include "OutilsJeu.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <algorithm>

// The game without init over a world built in code, in editor mode, the mouse scripted.
using BarreOutils = SourisEditeurDe<CSFMLJeu>;

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

// Each call of the world reaches the game's own state: the world's tests read a recording of
// these calls instead (the sounds have their own tests).
TEST(ServicesDuJeu, CeQueLeMondeDemandeArriveAuJeu)
{
    CSFMLJeu jeu;
    ServicesJeu& s = jeu;
    jeu.pvue = jeu.pvueJeu = new CVue(1280, 720);
    s.secouerCamera(12, 5);
    s.secouerCamera(30, 9);
    EXPECT_TRUE(jeu.pvue->tremblementActif());
    EXPECT_EQ(jeu.pvue->amplitudeTremblement, 5) << "a shake under way is not replaced";
    jeu.pHUD = new CSFMLJeuHUD();
    s.armerCompteDepart(90);
    s.afficherNomArme(1, 150);
    s.pulserArme(2, 300);
    EXPECT_EQ(jeu.pHUD->compteurDepart, 90);
    EXPECT_EQ(jeu.pHUD->compteurArme[1], 150);
    EXPECT_TRUE(jeu.pHUD->armePulsation == 2 && jeu.pHUD->compteurPulsation == 300);
    s.afficherStatut(L"statut");
    s.afficherMessage(L"bonjour", 60);
    EXPECT_EQ(jeu.texteStatut.getString().toWideString(), L"statut");
    EXPECT_EQ(jeu.texteMessage.getString().toWideString(), L"bonjour");
    EXPECT_EQ(jeu.compteurMessage, 60);
    EXPECT_EQ(s.langue(), "fr_") << "without menus";
    jeu.pMenus = new CJeuMenus();
    jeu.pMenus->langue = "en_";
    s.niveauCharge("niveaux/a.niv", 2);
    s.niveauChoisi("niveaux", "niveaux/a.niv");
    EXPECT_EQ(s.langue(), "en_");
    EXPECT_TRUE(jeu.pMenus->strNiveauCharge == "niveaux/a.niv" && jeu.pMenus->numNiveauCharge == 2);
    EXPECT_EQ(s.fichierNiveauCharge(), "niveaux/a.niv");
    EXPECT_TRUE(jeu.pMenus->strDossierNiveau == "niveaux" && jeu.pMenus->strCheminNiveau == "niveaux/a.niv");
    jeu.mode = 1;
    s.menuPause();
    EXPECT_EQ(jeu.mode, 0) << "the pause menu took over";
}

// The characters "jeu.ini" preloads come from their files; the fountains' flags of the game
// and of its multiplayer options are one storage.
TEST(DefinitionsDuJeu, PersosPrechargesEtFontaines)
{
    DossierDeTravail dossier;
    std::filesystem::copy(TUV_DATA_DIR_SOURCE, ".", std::filesystem::copy_options::recursive |
                                                        std::filesystem::copy_options::overwrite_existing);
    ecrireTexte("jeu.ini", "LOADPERSO=./personnages/heros.per\nLOADIA=./personnages/garde.per\n"
                           "LOADIA=./personnages/absent.per\n");
    CPLUXTest::reset();
    {
        CSFMLJeu j;
        j.init("jeu.ini");  // no window: the configuration is read all the same
        EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "without a message box";
        ASSERT_NE(j.parmes, nullptr);
        EXPECT_GE(j.parmes->nbArmes, 22);
        ASSERT_EQ(j.persosPrecharges.size(), 1u);
        ASSERT_EQ(j.iasPrechargees.size(), 2u);
        const CPerso& heros = *j.persosPrecharges[0];
        EXPECT_EQ(heros.visee, 1) << "a vehicle-mode character starts aiming";
        ASSERT_EQ(heros.armes.size(), 5u);
        EXPECT_EQ(heros.armes[0]->munitions, j.parmes->arme(1)->munitions) << "the list's full load";
        EXPECT_EQ(j.parmes->arme(heros.armes[3]->numero)->nom, "ARME 9") << "the hero carries grenades";
        EXPECT_EQ(j.parmes->arme(heros.armes[4]->numero)->nom, "ARME 10") << "and missiles";
        ASSERT_NE(heros.particuleTouche, nullptr) << "the emitters are read straight into the character";
        EXPECT_EQ(heros.particuleTouche->pElementAttache, heros.sprite);
        EXPECT_EQ(heros.hauteurHitbox, 56) << "the RECT_HITBOX height of animation 0";
        EXPECT_EQ(j.iasPrechargees[0]->modeIA, 1);
        EXPECT_EQ(j.iasPrechargees[1]->fichier, "./personnages/absent.per") << "a missing file still gives a character";
        // The game's fountain flags and the options' are one storage.
        ASSERT_NE(j.pOptionsMulti, nullptr);
        EXPECT_EQ(std::vector<int>(j.armesFontaine, j.armesFontaine + 9), (std::vector<int>{0, 1, 0, 0, 1, 0, 0, 0, 0}))
            << "a fresh game's fountains offer the second and the fifth weapon";
        j.armesFontaine[4] = 0;
        EXPECT_EQ(j.pOptionsMulti->armesFontaine[4], 0);
        j.pOptionsMulti->armesFontaine[7] = 1;
        EXPECT_EQ(j.armesFontaine[7], 1);
        j.pOptionsMulti->defauts();
        EXPECT_TRUE(j.armesFontaine[4] == 1 && j.armesFontaine[7] == 0) << "the defaults reset both names";
        ASSERT_NE(j.pscriptEngineMenu, nullptr);
        const int arme = j.pscriptEngineMenu->choisirArmeAuHasard();  // the game of the test, also fresh
        EXPECT_TRUE(arme >= 0 && arme < 9) << "with the defaults a fountain offers a weapon";
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
