// View, sound, effect and level commands: camera readings, zoom and shake at both frame
// rates, sounds, the veil, explosions, weapon refills, level changes after the pass, and the
// screen effects' slots.
#include "script/OutilsCommandes.h"
#include "support/Outils.h"



#include <cmath>
#include <filesystem>
#include <limits>

using CommandesVue = Commandes;

TEST_F(CommandesVue, LecturesEtReglagesDeLaCamera)
{
    CVue& v = *jeu->pvue;
    v.x = 100;
    v.y = 50;
    v.zoom = 2;
    EXPECT_EQ(lire("GETVUEZOOM()"), "f2|-");
    EXPECT_EQ(lire("WORLDTOSCREEN(200;10)"), "f50|f-20") << "at zoom 2";
    v.zoom = 0;
    EXPECT_EQ(lire("WORLDTOSCREEN(200;10)"), "f100|f-40") << "a zoom of 0: unscaled";
    executer("{\nSCROLL(4)\nCMD_ZOOM(1)\nJOUE(3)\n}");
    EXPECT_EQ(v.vuemode, 4) << "SCROLL";
    EXPECT_TRUE(jeu->bZoomEntree && jeu->bControleJoueurs) << "CMD_ZOOM(1), JOUE(3)";
    executer("{\nCMD_ZOOM(2)\nJOUE(0)\n}");
    EXPECT_FALSE(jeu->bZoomEntree) << "only 1 sets it";
    EXPECT_FALSE(jeu->bControleJoueurs);
}

TEST_F(CommandesVue, ZoomVue)
{
    CVue& v = *jeu->pvue;
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        v.zoom = 1.0f;
        EXPECT_EQ(jusquALaFin(lancer("ZOOMVUE(2.0;1;0.5)")), coeff == 1.0f ? 2 : 4) << "0.5 a frame at " << coeff;
        EXPECT_FLOAT_EQ(v.zoom, 2);
    }
    taux(1);
    const struct {
        const char* commande;
        float depart, fin;
        int images;
    } cas[] = {
        {"ZOOMVUE(2.0;0;0)", 1, 2, 1},          // mode 0: at once
        {"ZOOMVUE(0.5;1;0.2)", 1, 0.5f, 3},     // 0.8, 0.6, then 0.4 passes the target
        {"ZOOMVUE(3;1;0.000000001)", 1, 3, 1},  // too small a step to move the zoom
        {"ZOOMVUE(3;1;-2)", 1, 3, 1},           // moving away: at the target at once
        {"ZOOMVUE(0;1;0.5)", 1.5f, 1.5f, 1},    // not above 0: only advances
    };
    for (const auto& c : cas) {
        v.zoom = c.depart;
        EXPECT_EQ(jusquALaFin(lancer(c.commande)), c.images) << c.commande;
        EXPECT_FLOAT_EQ(v.zoom, c.fin) << c.commande;
    }
    // A target that is not a number, held in a variable, is ignored.
    CScript* s = lancer("ZOOMVUE(t;1;0.5)");
    s->variables["t"] = Variable{Variable::Flottant, std::numeric_limits<float>::quiet_NaN(), 0, ""};
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
        // At 60 frames per second every shake is held one more frame; the last frame ends it.
        std::vector<float> attendu;
        for (float d : {-6, 6, -4, 4, -2, 2, 0, 0}) {
            attendu.push_back(d);
            if (coeff == 0.5f)
                attendu.push_back(0);
        }
        attendu.push_back(0);
        for (int passage = 0; passage < 2; ++passage) {
            std::vector<float> deltas;
            for (float avant = v.y; s->bEnCours && deltas.size() < 40; avant = v.y) {
                images(1);
                deltas.push_back(v.y - avant);
            }
            EXPECT_EQ(deltas, attendu) << coeff << ", run " << passage;
            EXPECT_EQ(v.y, 0);
            images(1);
        }
    }
}

TEST_F(CommandesVue, RunFunction)
{
    CVue& v = *jeu->pvue;
    v.zoomBase = 1;
    v.zoom = 1;
    v.x = v.y = 0;
    executer("{\nRUNFUNCTION(zoom;x)\nRUNFUNCTION(zoom;x)\nRUNFUNCTION(inconnue;x)\n}");
    EXPECT_FLOAT_EQ(v.zoom, 0.92f) << "one step: the second is below the level's zoom";
    EXPECT_EQ(v.x, 32);
    v.zoomBase = 0.05f;
    v.zoom = 0.05f;
    executer("RUNFUNCTION(zoom;x)");
    EXPECT_FLOAT_EQ(v.zoom, 0.05f) << "never down to 0 or below";
}

TEST_F(CommandesVue, VoileEtPlantes)
{
    executer("{\nVOILE(3;10;300;-5;128;4;-8;20;1)\n}");
    const CVoile& v = decor->voile;
    EXPECT_TRUE(v.bActif);
    EXPECT_EQ(v.couleur, sf::Color(10, 255, 0, 128)) << "colours clamped to 0..255";
    decor->voile.bFini = true;
    executer("{\nVOILEACTIF(2)\n}");
    EXPECT_FALSE(v.bActif) << "only 1 switches it on";

    CSPRITE* plante = sprite(0, 0);
    CSPRITE* cachee = sprite(0, 0);
    cachee->bVisible = false;
    executer("EFFET_PLANTE_BOOST(2;3;4)");
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
    CPerso* tourelle = iaAvecEnfant("tourelle", "canon");
    CPerso* canon = tourelle->enfants.front();
    executer("EXPLOSION(tourelle;canon)");
    EXPECT_TRUE(canon->bMortLancee && !tourelle->bMortLancee) << "the child alone";
    executer("EXPLOSION(tourelle;)");
    EXPECT_TRUE(tourelle->bMortLancee);
    executer("EXPLOSION(personne;)");
    EXPECT_EQ(compterSons("EXPLOSION"), 2) << "an unknown id explodes nothing";

    // RELOAD: the player's slot of that weapon in every character, capped at 99.
    listeArmes({60, 10});
    CPerso* joueur = perso(0, 0);
    jeu->pPerso = joueur;
    slot(joueur, 0, 50);
    slot(joueur, 1, 50);
    joueur->armeCourante = 1;
    slot(tourelle, 0);
    slot(tourelle, 7);  // outside the list: refills nothing, but is owned
    CSPRITE* caisse = sprite(0, 0);
    caisse->Over("0-LUX211", "x.png", 0, 0, 0, 1, 1, 0, true);
    caisse->Over("1-CRISTAL1", "x.png", 0, 0, 0, 1, 1, 0, true);
    executer("RELOAD(1)", caisse);
    EXPECT_EQ(joueur->armes[1]->munitions, 60) << "50 + 10";
    EXPECT_EQ(joueur->armes[0]->munitions, 50);
    EXPECT_TRUE(tourelle->armes[1]->bPossedee) << "the same slot of every character";
    EXPECT_EQ(caisse->overs.size(), 0u) << "its two overlays of that weapon are removed";
    joueur->armeCourante = 0;
    executer("RELOAD(0)");
    EXPECT_EQ(joueur->armes[0]->munitions, 99) << "capped";
    taux(0.5f);
    executer("RELOAD(4)");
    EXPECT_EQ(jeu->pulsations.back(), std::make_pair(2, 300))
        << "no slot holds it: the number of slots, at 60 frames per second";
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
        jeu->niveau = "./niveaux/monde1/niveau2.niv";
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

TEST_F(ChargerNiveau, ApresLaPasseEtUneSeuleFois)
{
    // The change waits for the end of the pass: the script after it still steps. Of two
    // changes asked in one pass the last one is made, once.
    CScript* s = script("CHARGERNIV(a/;x.niv;0;0;1)", declencheur::IMMEDIAT, 1);
    script("CHARGERNIV(monde1/;niveau3.niv;0;0;2)", declencheur::IMMEDIAT, 1);
    CScript* apres = script("BASCULE()\nBASCULE()", declencheur::IMMEDIAT, 1);
    images(2);
    ASSERT_EQ(changements.size(), 1u);
    EXPECT_EQ(changements[0].chemin, "./niveaux/monde1/niveau3.niv");
    EXPECT_EQ(changements[0].zone, 2);
    EXPECT_EQ(apres->numCmdCour, 1);
    EXPECT_EQ(s->numCmdCour, 0) << "it stays on its line";
    EXPECT_TRUE(joueur->bSansDegats);
    // Without a level loaded before, the path is built the same way and the level is loaded.
    moteur->viderScripts();
    jeu->niveau.clear();
    executer("CHARGERNIV(monde1/;niveau2.niv;0;0;1)");
    ASSERT_EQ(changements.size(), 2u);
    EXPECT_EQ(changements[1].chemin, "./niveaux/monde1/niveau2.niv");
    EXPECT_FALSE(changements[1].redemarrer);
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
    EXPECT_EQ(jeu->niveau, "./niveaux/monde1/niveau3.niv") << "the world holds the new level";
    images(2);
    EXPECT_EQ(moteur->variablesGlobales["niveau"], "3") << "the level's script ran";

    executer("CHARGERNIV(monde1/;niveau3.niv;0;0;2)");
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

TEST_F(CommandesVue, InitShaderGlobalRemplitLesPlaces)
{
    CSPRITE* sd = sprite(0, 0);
    sd->strID = "effet";
    taux(0.5f);
    executer("{\nINITSHADERGLOBAL(effet;1;200;5;6;1;0;30)\n}");
    EXPECT_EQ(jeu->effetsEcran[0], sd);
    EXPECT_EQ(jeu->effetsEcran[1], nullptr);
    EXPECT_EQ(sd->effetVie, 60) << "a second at 60 frames per second";
    executer("{\nINITSHADERGLOBAL(effet;0;1;0;0;0;9;-1)\nINITSHADERGLOBAL(absent;1;1;1;1;1;0;1)\n}");
    EXPECT_EQ(jeu->effetsEcran[1], sd) << "any slot but 0 is the second";
    EXPECT_EQ(sd->effetVie, -1) << "a negative life stays: endless";
    EXPECT_EQ(jeu->effetsEcran[0], sd) << "an unknown sprite changes nothing";
}
