// View, sound, effect and level commands: camera readings, zoom and shake at both frame
// rates, sounds, control, the veil, explosions, weapon refills, level changes after the pass,
// and the screen effect drawn through a test shader under Xvfb.
#include "script/OutilsCommandes.h"
#include "support/Outils.h"

#include "characters/Armes.h"
#include "core/ShaderManager.h"
#include "menus/JeuMenus.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <cmath>
#include <filesystem>
#include <limits>

namespace {

using CommandesVue = Commandes;

} // namespace

TEST_F(CommandesVue, LecturesDeLaCamera)
{
    CVue& v = *jeu->pvue;
    v.x = 100;
    v.y = 50;
    v.zoom = 2;
    EXPECT_EQ(lire("GETVUEX()"), "f100|-");
    EXPECT_EQ(lire("GETVUEY()"), "f50|-");
    EXPECT_EQ(lire("GETVUEZOOM()"), "f2|-");
    EXPECT_EQ(lire("WORLDTOSCREEN(100;50)"), "f0|f0") << "the camera position";
    EXPECT_EQ(lire("WORLDTOSCREEN(200;10)"), "f50|f-20") << "at zoom 2";
    v.zoom = 0;
    EXPECT_EQ(lire("WORLDTOSCREEN(200;10)"), "f100|f-40") << "a zoom of 0: unscaled";
    v.zoom = -1;
    EXPECT_EQ(lire("WORLDTOSCREEN(200;10)"), "f100|f-40");
    lancer("{\nSCROLL(4)\nCMD_ZOOM(1)\nJOUE(3)\n}");
    images(1);
    EXPECT_EQ(v.vuemode, 4);
    EXPECT_TRUE(jeu->bZoomEntree);
    EXPECT_TRUE(jeu->bControleJoueurs);
    lancer("{\nCMD_ZOOM(2)\nJOUE(0)\n}");
    images(1);
    EXPECT_FALSE(jeu->bZoomEntree) << "only 1 sets it";
    EXPECT_FALSE(jeu->bControleJoueurs);
}

TEST_F(CommandesVue, ZoomVue)
{
    CVue& v = *jeu->pvue;
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        v.zoom = 1.0f;
        CScript* s = lancer("ZOOMVUE(2.0;1;0.5)");
        std::vector<float> zooms;
        while (s->bEnCours && zooms.size() < 10) {
            images(1);
            zooms.push_back(v.zoom);
        }
        if (coeff == 1.0f)
            EXPECT_EQ(zooms, (std::vector<float>{1.5f, 2.0f})) << "ends in the second frame";
        else
            EXPECT_EQ(zooms, (std::vector<float>{1.25f, 1.5f, 1.75f, 2.0f})) << "the fourth at 60 per second";
    }
    taux(1);
    const struct {
        const char* commande;
        float depart, fin;
        int images;
    } cas[] = {
        {"ZOOMVUE(2.0;0;0)", 1, 2, 1},
        {"ZOOMVUE(0.5;1;0.2)", 1, 0.5f, 3},     // 0.8, 0.6, then 0.4 passes the target
        {"ZOOMVUE(3;1;0.000000001)", 1, 3, 1},  // too small a step to move the zoom
        {"ZOOMVUE(3;1;0)", 1, 3, 1},
        {"ZOOMVUE(3;1;-2)", 1, 3, 1},           // moving away: at the target at once
        {"ZOOMVUE(0;1;0.5)", 1.5f, 1.5f, 1},    // not above 0: only advances
        {"ZOOMVUE(-2;0;0)", 1.5f, 1.5f, 1},
    };
    for (const auto& c : cas) {
        v.zoom = c.depart;
        CScript* s = lancer(c.commande);
        int n = 0;
        while (s->bEnCours && n < 100) {
            images(1);
            ++n;
        }
        EXPECT_EQ(n, c.images) << c.commande;
        EXPECT_FLOAT_EQ(v.zoom, c.fin) << c.commande;
    }
    // A target that is not a number, held in a variable, is ignored.
    v.zoom = 1.5f;
    CScript* s = lancer("ZOOMVUE(t;1;0.5)");
    s->variables["t"].type = Variable::Flottant;
    s->variables["t"].f = std::numeric_limits<float>::quiet_NaN();
    images(1);
    EXPECT_FALSE(s->bEnCours);
    EXPECT_FLOAT_EQ(v.zoom, 1.5f);
}

TEST_F(CommandesVue, ZoomVueAvanceLesAutresUneFois)
{
    CVue& v = *jeu->pvue;
    v.zoom = 1;
    CScript* a = script("ZOOMVUE(5;1;0.1)\nPAUSE(100)", declencheur::IMMEDIAT, 1);
    CScript* b = script("ZOOMVUE(5;1;0.1)\nPAUSE(100)", declencheur::IMMEDIAT, 1);
    CScript* c = script("PAUSE(100)\nBASCULE()", declencheur::IMMEDIAT, 1);
    images(2);
    EXPECT_EQ(a->numCmdCour, 0) << "the first ZOOMVUE of the pass zooms";
    EXPECT_EQ(b->numCmdCour, 1) << "the other one standing on ZOOMVUE is moved on";
    EXPECT_EQ(c->numCmdCour, 0) << "a script on another command is not";
    EXPECT_FLOAT_EQ(v.zoom, 1.1f) << "one step: b's ZOOMVUE did not run";
}

TEST_F(CommandesVue, VibrationAuxDeuxTaux)
{
    CVue& v = *jeu->pvue;
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        v.y = 0;
        CScript* s = lancer("VIBRATION(2;3)");
        s->nbRunMax = 2;
        for (int passage = 0; passage < 2; ++passage) {
            std::vector<float> deltas;
            float avant = v.y;
            while (s->bEnCours && deltas.size() < 40) {
                images(1);
                deltas.push_back(v.y - avant);
                avant = v.y;
            }
            std::vector<float> attendu = {-6, 6, -4, 4, -2, 2, 0, 0};
            if (coeff == 0.5f) {
                std::vector<float> tenus;
                for (float d : attendu) {
                    tenus.push_back(d);
                    tenus.push_back(0);
                }
                attendu = tenus;
            }
            attendu.push_back(0);  // the frame that ends it
            EXPECT_EQ(deltas, attendu) << coeff << ", run " << passage;
            EXPECT_EQ(v.y, 0);
            images(1);
        }
    }
}

TEST_F(CommandesVue, RunFunctionEtSons)
{
    CVue& v = *jeu->pvue;
    v.zoomBase = 1;
    v.zoom = 1;
    v.x = v.y = 0;
    lancer("{\nRUNFUNCTION(zoom;x)\nRUNFUNCTION(zoom;x)\nRUNFUNCTION(inconnue;x)\n}");
    images(1);
    EXPECT_FLOAT_EQ(v.zoom, 0.92f) << "one step: the second is below the level's zoom";
    EXPECT_EQ(v.x, 32);
    EXPECT_EQ(v.y, 32);
    v.zoomBase = 0.05f;
    v.zoom = 0.05f;
    lancer("RUNFUNCTION(zoom;x)");
    images(1);
    EXPECT_FLOAT_EQ(v.zoom, 0.05f) << "never down to 0 or below";
    lancer("RUNFUNCTION(vibration;x)");
    images(1);
    EXPECT_TRUE(v.tremblementActif());
    EXPECT_EQ(v.amplitudeTremblement, 8);

    // The four modes of PLAYSON on a sound that lasts a few seconds.
    std::vector<sf::Int16> echantillons(22050 * 4, 1000);
    jeu->buffersSons["BIP"].loadFromSamples(echantillons.data(), echantillons.size(), 1, 22050);
    lancer("PLAYSON(BIP;1)");
    images(1);
    EXPECT_EQ(jeu->sonEnCours("BIP"), 2);
    ASSERT_NE(jeu->voixSons.voixDe("BIP"), nullptr);
    EXPECT_FALSE(jeu->voixSons.voixDe("BIP")->getLoop());
    lancer("PLAYSON(BIP;1)");
    images(1);
    EXPECT_EQ(compterSons("BIP"), 1) << "mode 1 leaves a playing sound alone";
    lancer("PLAYSON(BIP;2)");
    images(1);
    EXPECT_EQ(compterSons("BIP"), 2);
    EXPECT_TRUE(jeu->voixSons.voixDe("BIP")->getLoop()) << "mode 2 loops";
    lancer("PLAYSON(BIP;-1)");
    images(1);
    EXPECT_EQ(jeu->sonEnCours("BIP"), 0) << "-1 stops";
    EXPECT_EQ(compterSons("BIP"), 2);
    lancer("PLAYSON(BIP;5)");
    images(1);
    EXPECT_EQ(compterSons("BIP"), 3) << "other modes: again from the start";
    EXPECT_EQ(jeu->sonEnCours("BIP"), 2);
    EXPECT_FALSE(jeu->voixSons.voixDe("BIP")->getLoop());
    lancer("PLAYSON(ABSENT;2)");
    images(1);
    EXPECT_EQ(jeu->sonEnCours("ABSENT"), 0);
    jeu->arreterSons();
}

TEST_F(CommandesVue, VoileEtPlantes)
{
    lancer("{\nVOILE(3;10;300;-5;128;4;-8;20;1)\n}");
    images(1);
    const CVoile& v = decor->voile;
    EXPECT_TRUE(v.bActif);
    EXPECT_FALSE(v.bFini);
    EXPECT_EQ(v.plan, 3);
    EXPECT_EQ(v.couleur, sf::Color(10, 255, 0, 128)) << "colours clamped to 0..255";
    EXPECT_EQ(v.periode, 4);
    EXPECT_EQ(v.pas, -8);
    EXPECT_EQ(v.alphaCible, 20);
    EXPECT_TRUE(v.bArretFin);
    EXPECT_EQ(v.rectangle.getFillColor(), v.couleur);
    decor->voile.bFini = true;
    decor->voile.compteur = 9;
    lancer("{\nVOILEACTIF(2)\n}");
    images(1);
    EXPECT_FALSE(v.bActif) << "only 1 switches it on";

    CSPRITE* plante = sprite(0, 0);
    CSPRITE* cachee = sprite(0, 0);
    cachee->bVisible = false;
    lancer("EFFET_PLANTE_BOOST(2;3;4)");
    images(1);
    EXPECT_EQ(plante->planteMultAngleMin, 2);
    EXPECT_EQ(plante->planteMultAngleMax, 3);
    EXPECT_EQ(plante->planteMultVitesse, 4);
    EXPECT_EQ(cachee->planteMultAngleMin, 1) << "hidden sprites keep theirs";
    // The sway follows the multipliers: speed 0.5 x 4, between -10 x 2 and 10 x 3 degrees.
    plante->bPlante = true;
    plante->planteAngleMin = -10;
    plante->planteAngleMax = 10;
    plante->planteVitesse = 0.5f;
    for (int i = 0; i < 15; ++i)
        plante->majComportements();
    EXPECT_FLOAT_EQ(plante->angleDynamique, 30) << "2 degrees a frame up to 10 x 3";
}

TEST_F(CommandesVue, ExplosionEtReload)
{
    CPerso* tourelle = perso(0, 0, true);
    tourelle->id = "tourelle";
    auto* canon = new CPerso();
    canon->id = "canon";
    tourelle->enfants.push_back(canon);
    jeu->pvue->x = 10.6f;
    jeu->pvue->y = -3.4f;
    lancer("EXPLOSION(tourelle;canon)");
    images(1);
    EXPECT_TRUE(canon->bMortLancee);
    EXPECT_FALSE(tourelle->bMortLancee) << "the child alone";
    EXPECT_EQ(canon->compteur5, 11);
    EXPECT_EQ(canon->compteur6, -3);
    EXPECT_EQ(canon->compteur8, 8);
    lancer("EXPLOSION(tourelle;)");
    images(1);
    EXPECT_TRUE(tourelle->bMortLancee);
    EXPECT_EQ(compterSons("EXPLOSION"), 2);
    lancer("EXPLOSION(personne;)");
    images(1);
    EXPECT_EQ(compterSons("EXPLOSION"), 2);

    // RELOAD: the player's slot of that weapon in every character, capped at 99.
    jeu->pHUD = new CSFMLJeuHUD();
    jeu->parmes = new CArmes();
    for (int munitions : {60, 10}) {
        auto* a = new CArme();
        a->munitions = munitions;
        jeu->parmes->armes.push_back(a);
    }
    jeu->parmes->nbArmes = 2;
    CPerso* joueur = perso(0, 0);
    jeu->pPerso = joueur;
    for (int numero : {0, 1}) {
        auto* slot = new SlotArme();
        slot->numero = numero;
        slot->munitions = 50;
        joueur->armes.push_back(slot);
    }
    joueur->armeCourante = 1;
    auto* slotIA = new SlotArme();
    slotIA->numero = 7;  // outside the list: refills nothing, but is owned
    tourelle->armes = {new SlotArme(), slotIA};
    CSPRITE* caisse = sprite(0, 0);
    caisse->Over("0-LUX211", "x.png", 0, 0, 0, 1, 1, 0, true);
    caisse->Over("1-CRISTAL1", "x.png", 0, 0, 0, 1, 1, 0, true);
    lancer("RELOAD(1)", caisse);
    images(1);
    EXPECT_EQ(joueur->armes[1]->munitions, 60) << "50 + 10";
    EXPECT_EQ(joueur->armes[0]->munitions, 50);
    EXPECT_TRUE(tourelle->armes[1]->bPossedee) << "the same slot of every character";
    EXPECT_EQ(tourelle->armes[1]->munitions, 0);
    EXPECT_EQ(jeu->pHUD->compteurPulsation, 150);
    EXPECT_EQ(jeu->pHUD->armePulsation, 1);
    EXPECT_EQ(caisse->overs.size(), 0u) << "its two overlays of that weapon are removed";
    joueur->armeCourante = 0;
    lancer("RELOAD(0)");
    images(1);
    EXPECT_EQ(joueur->armes[0]->munitions, 99) << "capped";
    EXPECT_EQ(jeu->pHUD->compteurArme[0], 0) << "the last one handled holds another slot";
    taux(0.5f);
    lancer("RELOAD(4)");
    images(1);
    EXPECT_EQ(jeu->pHUD->armePulsation, 2) << "no slot holds it: the number of slots";
    EXPECT_EQ(jeu->pHUD->compteurPulsation, 300);
    EXPECT_EQ(jeu->pHUD->compteurArme[0], 300) << "no character was handled";
}

namespace {

// The level changes CHARGERNIV asks for are recorded here, and made by the world's real load
// and restart only when a test asks for it.
class ChargerNiveau : public Commandes {
protected:
    struct Changement {
        std::string chemin;
        int zone;
        bool redemarrer;
    };

    void SetUp() override
    {
        Commandes::SetUp();
        jeu->pMenus = new CJeuMenus();
        jeu->pMenus->strNiveauCharge = "./niveaux/monde1/niveau2.niv";
        joueur = perso(0, 0);
        jeu->pPerso = joueur;
        CScriptEngine::changerMonde = [this](CDecor& monde, const std::string& chemin, int zone, bool redemarrer) {
            EXPECT_EQ(&monde, decor);
            EXPECT_FALSE(moteur->passeEnCours()) << "never under a running step";
            changements.push_back({chemin, zone, redemarrer});
            if (reel)
                defaut(monde, chemin, zone, redemarrer);
        };
    }
    void TearDown() override
    {
        CScriptEngine::changerMonde = defaut;
        Commandes::TearDown();
    }

    CPerso* joueur = nullptr;
    std::vector<Changement> changements;
    bool reel = false;
    const decltype(CScriptEngine::changerMonde) defaut = CScriptEngine::changerMonde;
};

} // namespace

TEST_F(ChargerNiveau, RedemarrerOuCharger)
{
    // The change waits for the end of the pass: the script after it still steps.
    CScript* s = script("CHARGERNIV(monde1/;niveau2.niv;0;0;3)", declencheur::IMMEDIAT, 1);
    CScript* apres = script("BASCULE()\nBASCULE()", declencheur::IMMEDIAT, 1);
    images(2);
    ASSERT_EQ(changements.size(), 1u);
    EXPECT_TRUE(changements[0].redemarrer) << "the level loaded: restarted";
    EXPECT_EQ(changements[0].zone, 3);
    EXPECT_EQ(apres->numCmdCour, 1);
    EXPECT_EQ(s->numCmdCour, 0) << "it stays on its line";
    EXPECT_TRUE(joueur->bSansDegats);
    EXPECT_EQ(jeu->pMenus->strDossierNiveau, "./niveaux/monde1/");
    EXPECT_EQ(jeu->pMenus->strCheminNiveau, "./niveaux/monde1/niveau2.niv");
    moteur->viderScripts();

    lancer("CHARGERNIV(monde1/;niveau3.niv;0;0;2)");
    images(1);
    ASSERT_EQ(changements.size(), 2u);
    EXPECT_FALSE(changements[1].redemarrer) << "another level: loaded";
    EXPECT_EQ(changements[1].chemin, "./niveaux/monde1/niveau3.niv");
    EXPECT_EQ(changements[1].zone, 2);

    // Two changes asked in one pass: the last one is made, once.
    moteur->viderScripts();
    script("CHARGERNIV(a/;x.niv;0;0;1)", declencheur::IMMEDIAT, 1);
    script("CHARGERNIV(b/;y.niv;0;0;1)", declencheur::IMMEDIAT, 1);
    images(2);
    ASSERT_EQ(changements.size(), 3u);
    EXPECT_EQ(changements[2].chemin, "./niveaux/b/y.niv");
    // Without a menu object the path is built the same way and the level is loaded.
    moteur->viderScripts();
    delete jeu->pMenus;
    jeu->pMenus = nullptr;
    lancer("CHARGERNIV(monde1/;niveau2.niv;0;0;1)");
    images(1);
    ASSERT_EQ(changements.size(), 4u);
    EXPECT_EQ(changements[3].chemin, "./niveaux/monde1/niveau2.niv");
    EXPECT_FALSE(changements[3].redemarrer);
}

// The level file the real load reads, in a private working folder.
class ChargerNiveauReel : public ChargerNiveau {
protected:
    void SetUp() override
    {
        ChargerNiveau::SetUp();
        reel = true;
        std::filesystem::current_path(dossier.str());
        std::filesystem::create_directories("niveaux/monde1");
        std::filesystem::create_directories("scripts");
        ecrireTexte("scripts/niveau.scp", "SETVARIABLE(niveau;3)\n");
        ecrireTexte("niveaux/monde1/niveau3.niv", "SCRIPTRUN=./scripts/niveau.scp;2;0;1\n");
    }
    void TearDown() override
    {
        ChargerNiveau::TearDown();
        std::filesystem::current_path(ancien);
    }
    const std::filesystem::path ancien = std::filesystem::current_path();
    DossierTemp dossier;
};

// The load replaces the scripts, the running one among them: it is never used once freed
// (AddressSanitizer watches), and the next frames run the level's own script. Asking for the
// level the world holds restarts it instead.
TEST_F(ChargerNiveauReel, LeChargementRemplaceLesScripts)
{
    script("CHARGERNIV(monde1/;niveau3.niv;0;0;1)\nBASCULE()", declencheur::IMMEDIAT, 1);
    script("SETVARIABLE(apres;oui)", declencheur::IMMEDIAT, 1);
    images(2);
    ASSERT_EQ(changements.size(), 1u);
    EXPECT_EQ(decor->appels.chargerNiveau, 1) << "another level: loaded";
    ASSERT_EQ(moteur->scripts.size(), 1u) << "only the level's script is left";
    EXPECT_EQ(moteur->scripts.front()->strFichier, "./scripts/niveau.scp");
    EXPECT_EQ(moteur->variablesGlobales["apres"], "oui") << "the pass went on after the command";
    EXPECT_EQ(jeu->pMenus->strNiveauCharge, "./niveaux/monde1/niveau3.niv") << "the world holds the new level";
    EXPECT_EQ(jeu->pMenus->numNiveauCharge, 1);
    images(2);
    EXPECT_EQ(moteur->variablesGlobales["niveau"], "3") << "the level's script ran";

    lancer("CHARGERNIV(monde1/;niveau3.niv;0;0;2)");
    images(1);
    ASSERT_EQ(changements.size(), 2u);
    EXPECT_TRUE(changements[1].redemarrer);
    EXPECT_EQ(decor->appels.demarrerNiveau, 1) << "the same level: restarted";
    EXPECT_EQ(decor->appels.chargerNiveau, 1) << "and not read again";
}

TEST_F(ChargerNiveau, FonduAuxDeuxTaux)
{
    CSPRITE* porte = sprite(0, 0);
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        moteur->viderScripts();
        changements.clear();
        jeu->bControleJoueurs = true;
        lancer("CHARGERNIV(monde1/;niveau9.niv;0;1;4)", porte);
        const int attendu = coeff == 1.0f ? 255 : 510;
        // A hundred frames at 30 per second into the fade: 155 left.
        const int cent = coeff == 1.0f ? 100 : 200;
        images(cent);
        EXPECT_EQ(joueur->sprite->couleur, sf::Color(100, 100, 100, 155)) << coeff;
        EXPECT_EQ(porte->couleur, sf::Color(100, 255, 100, 255)) << coeff;
        EXPECT_FALSE(jeu->bControleJoueurs);
        images(attendu - cent - 1);
        EXPECT_TRUE(changements.empty()) << "still fading";
        images(1);
        ASSERT_EQ(changements.size(), 1u) << "after " << attendu << " frames";
        EXPECT_EQ(changements[0].zone, 4) << "the zone argument";
        EXPECT_EQ(joueur->sprite->couleur, sf::Color(255, 255, 255, 0)) << coeff;
        EXPECT_EQ(porte->couleur, sf::Color(255, 255, 255, 255));
        // The scripts were not replaced here: the same command fades again from the start.
        images(100);
        EXPECT_EQ(changements.size(), 1u);
        EXPECT_EQ(joueur->sprite->couleur.a, coeff == 1.0f ? 155 : 205) << "a second fade fades again";
    }
}

TEST_F(ChargerNiveau, Tenue)
{
    CScript* s = lancer("CHARGERNIV(monde1/;niveau2.niv;1;1;1)\nBASCULE()");
    CScript* autre = lancer("PAUSE(3)\nBASCULE()");
    images(500);
    EXPECT_EQ(s->numCmdCour, 0) << "a hold never advances";
    EXPECT_EQ(autre->nbRunFaits, 1) << "and every frame ends";
    EXPECT_TRUE(changements.empty());
    EXPECT_FALSE(joueur->bSansDegats);
}

namespace {

// The scene drawn through the screen effects into a small window.
class EffetEcran : public Commandes {
protected:
    void SetUp() override
    {
        Commandes::SetUp();
        if (!sf::Shader::isAvailable())
            GTEST_SKIP() << "no shaders here";
        jeu->fenetre = new sf::RenderWindow(sf::VideoMode(64, 64), "effet", sf::Style::None);
        jeu->pShaderManager = new CShaderManager();
        jeu->pShaderManager->dossier = TUV_SHADERS_TEST_DIR;
        jeu->bUseShader = true;
        scene.create(64, 64);
        scene.clear(sf::Color(0, 0, 255));
        scene.display();
        e0 = sprite(0, 0);
        e0->strID = "effet0";
        e0->strShaderFrag = "effet_test.frag";
        e1 = sprite(0, 0);
        e1->strID = "effet1";
        e1->strShaderFrag = "effet_test.frag";
    }
    sf::Color pixel()
    {
        jeu->fenetre->clear(sf::Color::Black);
        jeu->afficherScene(scene);
        sf::Texture t;
        t.create(64, 64);
        t.update(*jeu->fenetre);
        return t.copyToImage().getPixel(32, 32);
    }

    static bool proche(sf::Color a, sf::Color b)
    {
        return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
    }

    sf::RenderTexture scene;
    CSPRITE* e0 = nullptr;
    CSPRITE* e1 = nullptr;
};

} // namespace

TEST_F(CommandesVue, InitShaderGlobalRemplitLesPlaces)
{
    CSPRITE* sd = sprite(0, 0);
    sd->strID = "effet";
    taux(0.5f);
    lancer("{\nINITSHADERGLOBAL(effet;1;200;5;6;1;0;30)\n}");
    images(1);
    EXPECT_EQ(jeu->effetsEcran[0], sd);
    EXPECT_EQ(jeu->effetsEcran[1], nullptr);
    EXPECT_TRUE(sd->bEffetEcran);
    EXPECT_EQ(sd->effetTemps1, 200);
    EXPECT_EQ(sd->effetTemps2, 200);
    EXPECT_EQ(sd->effetX, 5);
    EXPECT_EQ(sd->effetY, 6);
    EXPECT_EQ(sd->effetMode, 1);
    EXPECT_EQ(sd->effetVie, 60) << "a second at 60 frames per second";
    lancer("{\nINITSHADERGLOBAL(effet;0;1;0;0;0;9;-1)\nINITSHADERGLOBAL(absent;1;1;1;1;1;0;1)\n}");
    images(1);
    EXPECT_EQ(jeu->effetsEcran[1], sd) << "any slot but 0 is the second";
    EXPECT_FALSE(sd->bEffetEcran);
    EXPECT_EQ(sd->effetVie, -1) << "a negative life stays: endless";
    EXPECT_EQ(jeu->effetsEcran[0], sd) << "an unknown sprite changes nothing";
}

TEST_F(EffetEcran, SceneATraversLeShader)
{
    EXPECT_EQ(pixel(), sf::Color(0, 0, 255)) << "no effect: the plain copy";
    lancer("{\nINITSHADERGLOBAL(effet0;1;200;0;0;1;0;3)\n}");
    images(1);
    EXPECT_TRUE(proche(pixel(), sf::Color(200, 0, 255))) << "mode 1 writes red";
    EXPECT_NE(jeu->shaderEcran, nullptr);
    jeu->bUseShader = false;
    EXPECT_EQ(pixel(), sf::Color(0, 0, 255)) << "USESHADER off";
    EXPECT_EQ(jeu->shaderEcran, nullptr);
    jeu->bUseShader = true;
    // Both slots: slot 0's pass first, slot 1's over it.
    lancer("{\nINITSHADERGLOBAL(effet1;1;0;0;0;0;1;-1)\n}");
    images(1);
    EXPECT_TRUE(proche(pixel(), sf::Color(255, 200, 0))) << "(200, 0, 255) turned round";
    // Lives run out: e0 had 3 frames, e1 has no end.
    for (int i = 0; i < 3; ++i)
        jeu->decompterEffetsEcran();
    EXPECT_EQ(jeu->effetsEcran[0], nullptr);
    EXPECT_EQ(jeu->effetsEcran[1], e1);
    EXPECT_EQ(pixel(), sf::Color(255, 0, 0)) << "slot 1 alone turns blue round";
    // A shader that does not load: the plain copy.
    e1->strShaderFrag = "casse.frag";
    EXPECT_EQ(pixel(), sf::Color(0, 0, 255));
    e1->strShaderFrag = "absent.frag";
    EXPECT_EQ(pixel(), sf::Color(0, 0, 255));
    // The level frees the slot's sprite: the slot is emptied first.
    e1->strShaderFrag = "effet_test.frag";
    decor->detacherSD(e1);
    EXPECT_EQ(jeu->effetsEcran[1], nullptr);
}
