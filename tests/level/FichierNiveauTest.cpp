// One hand-written level that uses every key of the reader: what the reading derives beyond
// the stored values (level settings, players, decor sprites and their behaviours), and the
// scripts in the engine's order.
#include "level/OutilsFichierNiveau.h"

#include "core/Chemin.h"
#include "core/FichierDec.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/SpriteSimple.h"
#include "level/EffetEtoiles.h"
#include "level/EffetLucioles.h"
#include "level/EffetNeige.h"
#include "level/EffetPluie.h"
#include "level/FondImage.h"

namespace {

const char* const PARTICULES = PARTICULES_TEST;
const char* const FORCE = FORCE_TEST;

// The level: "TEXTURE" lines first, then every other key.
std::string niveauComplet()
{
    return std::string("#################################################################\n"
                       "#\tGNOP fichier de données\n"
                       "#################################################################\n\n"
                       "TEXTURE_DEC=./decors/bloc.dec;BLOC\n"
                       "TEXTURE_DEC=./decors/herbe.dec;HERBE\n"
                       "TEXTURE_DEC=./decors/debut.dec;DEBUT_DE_NIVEAU\n"
                       "TEXTURE_PER=./personnages/garde.per;GARDE\n"
                       "INFOS=0\n"
                       "IMAGECHARGEMENT=./niveaux/chargement.png\n"
                       "COULEURCHARGEMENT=1;2;3;300\n"
                       "LOGO_TIMER=50\n"
                       "TEXTE=rien\n"
                       "NOM=For\xc3\xaat \xc3\xa9t\xc3\xa9;7\n"
                       "TAILLEJEU=4000;1500\n"
                       "SCROLLVUE=3;12;0.75\n"
                       "SCROLLPLAN0=1.5;0.25\nSCROLLPLAN1=1.25;0.5\nSCROLLPLAN2=1;1\n"
                       "SCROLLPLAN3=0.75;0.5\nSCROLLPLAN4=0.5;0.25\nSCROLLPLAN5=0.125;0\n"
                       "EFFET_PLUIE=1\nEFFET_NEIGE=1;250\nEFFET_LUCIOLES=1;40\nEFFET_BROUILLARD=1\nEFFET_NUAGES=1\n"
                       "EFFET_ETOILES=1;120\nEFFET_NUAGEPOUSSIERE=1\nEFFET_ORAGE=1\n"
                       "TYPEJEU=1\n"
                       "ZONE=1;10;20;300;400\n"
                       "MUSIQUE=./musiques/theme.ogg;0\n"
                       "MUSIQUE_AMBIANCE=./musiques/vent.ogg;1\n"
                       "CHRONO=95\n"
                       "ETOILES=30;60;90\n"
                       "CARTE=1\n"
                       "FONDCOULEUR=12;34;56;78\n"
                       "FOND=./niveaux/fond.png;-30;40;1.5\n"
                       "FONDCOULEUR=12;34;56;78\n"
                       "SHADERBLUR=0;1.5\nSHADERBLUR=1;2\nSHADERBLUR=2;0\nSHADERBLUR=3;2.5\nSHADERBLUR=4;3\n"
                       "SHADERBLUR=5;4.5\n"
                       "POUSSIERE_PAS=./effets/sable.dec\n"
                       "TRACE_PAS=./effets/neige_pas.png\n"
                       "FREE_TEXTURE_MEM=1\n"
                       "SCALE_PERSOS=1.25;0.75\n"
                       "SCRIPTRUN=./scripts/niveau.scp;2;0;-1\n"
                       "SCRIPT_DECLENCHEUR_CHRONO=4\n\n"
                       "PERSO=GARDE;400;500;0;1.5;2;33;1\n"
                       "BOUCLIER=./personnages/bulle.dec\n"
                       "DIRECTION=1\n"
                       "PERSO_COLOR=1;2;3;260\n"
                       "NUMJOUEUR=1\n"
                       "SCRIPTRUN=./scripts/garde.scp;0;0;1\n\n"
                       "PERSO3=./personnages/heros.per;600;700;1;1;1;12;0\n\n"
                       "IA=GARDE;700;800;0;1.5;0.5;50;1;3\nIDIA=g1\nIDRESPAWN=r1\nNUMPLANIA=3\nROTIA=45\n"
                       "PATROUILLE=120\nVITESSEIA=9\nOMBREIA=0;1;300;0.5;0.2;400;30\n\n"
                       "SD=BLOC;100;200;2;16;8;12.5;0.25;-1;1;1.5;0.5;1;1;1;1;1;1;1;-10;20;16;8;1.5;30;5;6;40;1\n"
                       "DECDEFAUT=0\nCOLLISION=3\nPOSDANSLEPLAN=0\nIDSD=porte\nCALQUESD=2\nGROUPESD=7\n"
                       "SHADERSD=./shaders/ondes.frag;1;amp;vec4;1;2;3;4;0.5;;0\n"
                       "PARAM_SCRIPT_SD=1.5;2.5;3.5\nVOLUMESON=75\nLOCK=1\nROTSD=2.5\nCOLSD=300;20;30;128\n"
                       "PARTICULESD=") +
           PARTICULES + "\nFORCESD=" + FORCE +
           "\nOMBRESD=1.1;0.9;4;-5;15;1\n"
           "KPG=2;1.5;0.5;0.25;8;1;3\n"
           "KP=150;250;1.25;0.75;30;255;128;64;200;1;0;2;0.5;1.5;-1\n"
           "KP=300.5;250;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\n"
           "KP=450;100;2;2;90;0;0;0;255;0;1;3;-1;-1;-1\n"
           "SCRIPTRUN=./scripts/porte.scp;3;1;4\n"
           "SCRIPT_DECLENCHEUR_CHRONO=3\n"
           "SD=HERBE;-50;60;0;0;0;0;0;1;-1;2;3;0;0;0;0;0;0;0\n"
           "CHEMINSIMPLE=10;20;3\n\n"
           "SD=DEBUT_DE_NIVEAU;300;400;7;3;4;0;0;1;1;1;1;0;0;0;0;0;0;0";
}

// The assets the level names, written into the working folder.
void ecrireAssets()
{
    peindre("decors/bloc.png", 128, 16);
    peindre("decors/herbe.png", 60, 10);
    peindre("decors/debut.png", 8, 8);
    peindre("decors/halo.png", 4, 4);
    peindre("niveaux/fond.png", 64, 32);
    peindre("niveaux/chargement.png", 16, 16);
    peindre("personnages/garde.png", 60, 50);
    peindre("personnages/bulle.png", 10, 10);
    peindre("personnages/bouclierperso.png", 166, 166);
    ecrireFichier("decors/bloc.dec", "ID=BLOC\nPLANCHE=./decors/bloc.png;\nSPRITE=0;0;4;32;16;0.5;3\n"
                                           "ORIGINE=-1;-1\nHITBOX=1;2;3;4\nDEGATS=5;6\nCOLLISIONS=2\n"
                                           "COLOR=10;20;30;40\nPLAYSON=SON_BLOC;7;1\n"
                                           "ADD_OVER=halo;./decors/halo.png;0;3;4;1.5;2;45;0\n"
                                           "SCRIPTRUN=./scripts/def.scp;12;1;5\nSCRIPT_DECLENCHEUR_CHRONO=2\n"
                                           "SCRIPT_DESTROYONRELOAD=1\nNUM_ANIM_DEBUT=2\nPOSDANSLEPLAN=1\n"
                                           "VISIBLE=0\nPHYSDESTRUCTION=1;3;1;4;5;6;1;250;128;7;255\n");
    ecrireFichier("decors/herbe.dec", "ID=HERBE\nPLANCHE=./decors/herbe.png;\nSPRITE=0;0;3;20;10;1;0\n"
                                            "ORIGINE=5;7\nPLANTE=-2;3;0.5;4;1.5;1;2;0;-3\nNUM_ANIM_DEBUT=-1\n");
    ecrireFichier("decors/debut.dec", "ID=DEBUT_DE_NIVEAU\nPLANCHE=./decors/debut.png;\nSPRITE=0;0;1;8;8;0;0\n");
    ecrireFichier("personnages/garde.per",
                        std::string("ID=GARDE\nPLANCHE=./personnages/garde.png;\nSPRITE=0;0;30;50;2;0.2;0\n"
                                    "ORIGINE=-1;-1\nDIRECTION_PLANCHE=1\nIA=4\nVITESSE=7\nVITESSE_BAS=2\n"
                                    "VITESSE_CHUTE=9\nVITESSE_SAUT=11\nPOIDS=80\nVIE=150;200\nDEGATS=12;13\n"
                                    "MAX_SAUT=20\nMAX_SAUT_AUTO=22\nMAX_ESCALIER=30\nPOSITIONTETE=40;30\n"
                                    "POSITIONPIEDS=5\nHITBOX=2;3;4;5\nSON_DEGATS=AIE\nEXPLOSION=BOUM;0;2;3\n"
                                    "ADD_OVER=alerte;./decors/halo.png;0;1;-60;1;1;0;1\nARME=0;1;0;0\n"
                                    "PARTICULE_TOUCHE=") +
                            PARTICULES + "\n");
    ecrireFichier("personnages/bouclierperso.dec", "ID=BOUCLIERPERSO\nPLANCHE=./personnages/bouclierperso.png;\n"
                                                         "SPRITE=0;0;1;166;166;0;0\n");
    ecrireFichier("personnages/bulle.dec", "ID=BULLE\nPLANCHE=./personnages/bulle.png;\nSPRITE=0;0;1;10;10;0;0\n");
    ecrireHeros();
    for (const char* s : {"niveau", "garde", "def", "force", "fermeture", "porte"})
        ecrireScript(std::string("./scripts/") + s + ".scp");
}

class NiveauComplet : public NiveauTest {
protected:
    void SetUp() override
    {
        NiveauTest::SetUp();
        ecrireAssets();
        jeu->bCarteJeu = false;
        jeu->bNeverFreeTextures = true;  // "FREE_TEXTURE_MEM=1" then keeps the models
        boum = new CDEC();  // the game's explosion list owns it
        boum->planche.create(42, 13, sf::Color::Red);
        boum->ajouterAnimDec(0, 0, 2, 21, 13, 1, 0);
        jeu->pExplosions->explosions["BOUM"] = boum;
        ASSERT_TRUE(charger(niveauComplet())) << "the level file did not open";
    }
    CSPRITE* spriteID(int plan, const std::string& source)
    {
        for (CSPRITE* sd : sprites(plan))
            if (sd->strSourceDEC == source)
                return sd;
        return nullptr;
    }
    CDEC* boum = nullptr;
};

} // namespace

// Level-wide keys whose reading does more than store a value (the plain values are proved by
// the save tests' byte-identical round trip).
TEST_F(NiveauComplet, ReglagesDuNiveau)
{
    CDecor& d = monde();
    ASSERT_NE(lecteur->pSpriteChargement, nullptr) << "IMAGECHARGEMENT makes the loading picture";
    EXPECT_EQ(lecteur->pTextureChargement->getSize().x, 16u) << "the loading picture is the file's";
    EXPECT_EQ(lecteur->couleurChargement, sf::Color(1, 2, 3, 44)) << "COULEURCHARGEMENT keeps the low 8 bits";
    EXPECT_EQ(d.nomNiveau, L"For\u00eat \u00e9t\u00e9") << "NOM is decoded from UTF-8";
    EXPECT_EQ(jeu->vuemode_save, 3) << "SCROLLVUE into the game's saved camera mode";
    EXPECT_FLOAT_EQ(d.scrollPlans[5][0], 0.125f) << "SCROLLPLAN5";
    EXPECT_EQ(d.chronoRef, 95) << "CHRONO";
    EXPECT_TRUE(jeu->bCarteJeu) << "CARTE sets the game's map flag";
    EXPECT_TRUE(d.bCouleurFond) << "FONDCOULEUR after FOND leaves the colour flag set";
    EXPECT_EQ(d.pFondImage->largeur, 64u) << "FOND loads the picture";
    EXPECT_FLOAT_EQ(d.pPlans[3]->rayonFlou, 2.5f) << "SHADERBLUR of plane 3";
    EXPECT_FLOAT_EQ(d.pFondImage->shader_blur_radius, 4.5f) << "SHADERBLUR=5 is the background's";
    EXPECT_EQ(d.modelesDEC.size(), 3u) << "NEVER_FREE_TEXTURES keeps the definitions";
    // Weather, at the level size read so far.
    ASSERT_TRUE(d.bNeige && d.pNeige) << "EFFET_NEIGE";
    EXPECT_EQ(d.pNeige->largeur, 3000) << "the level's width at the level's own zoom";
    EXPECT_TRUE(d.bPluie && d.pPluie && d.bLucioles && d.pLucioles && d.bBrouillard && d.pBrouillard && d.bNuages &&
                d.pNuages && d.bEtoiles && d.pEtoiles && d.bNuagePoussiere && d.pNuagePoussiere && d.bOrage && d.pOrage)
        << "every EFFET_ line makes its effect";
    // End of the load: the game's camera takes the level's view; the game its level file.
    EXPECT_EQ(jeu->pvueJeu->vuemode, 3) << "camera mode";
    EXPECT_FLOAT_EQ(jeu->pvueJeu->zoomBase, 0.75f) << "camera base zoom";
    EXPECT_EQ(jeu->fichierJeu, "niveau.niv");
    EXPECT_EQ(sf::String(jeu->statut).toAnsiString().rfind("Temps chargement = ", 0), 0u)
        << "the load time is shown";
    ASSERT_TRUE(d.modelesPersos.count("GARDE") && d.modelesPersos["GARDE"]) << "TEXTURE_PER";
    EXPECT_EQ(d.modelesPersos["GARDE"]->pPersoDef->cleDefinition, "GARDE") << "TEXTURE_PER keys the definition";
}

TEST_F(NiveauComplet, JoueursEtIA)
{
    CDecor& d = monde();
    ASSERT_EQ(d.persos.size(), 2u) << "PERSO and PERSO3 both make a player";
    CPerso& g = *d.persos.front();
    EXPECT_EQ(g.sprite->pDEC, d.modelesPersos["GARDE"]) << "PERSO draws from the preloaded model";
    EXPECT_FLOAT_EQ(g.sprite->ox, 15) << "ORIGINE -1: half the model's width";
    EXPECT_FLOAT_EQ(g.sprite->oy, 25) << "flag 1: half the model's height";
    // Made facing right (0) on a sheet facing left (mirrored), then turned by DIRECTION=1.
    EXPECT_EQ(g.directionInitiale, 1) << "DIRECTION: the facing revival returns to";
    EXPECT_EQ(g.sprite->flipH, 1) << "turning back to the sheet's side undoes the mirror";
    EXPECT_EQ(g.poids, 33) << "the line's weight replaces the model's";
    EXPECT_EQ(g.vie, 150) << "the model's settings";
    EXPECT_EQ(g.sprite->couleur, sf::Color(1, 2, 3, 4)) << "PERSO_COLOR keeps the low 8 bits";
    EXPECT_EQ(g.numJoueurBis, 1) << "NUMJOUEUR sets the saved copy too";
    EXPECT_EQ(g.spriteBouclier->pDEC, boum) << "EXPLOSION binds the explosion's bank";
    EXPECT_FLOAT_EQ(g.spriteBouclier->ox, 10) << "centred on the explosion's frame";
    ASSERT_NE(g.spriteSimple, nullptr);
    EXPECT_EQ(g.spriteSimple->pDEC->id, "BULLE") << "BOUCLIER reloads the shield";
    EXPECT_FLOAT_EQ(g.spriteSimple->getSprite()->oy, 125) << "shield origin y: 40 / 4 + 115";
    EXPECT_FLOAT_EQ(g.spriteSimple->getSX(), 3) << "shield at twice the sprite's scale";
    ASSERT_NE(g.particuleTouche, nullptr) << "the model's emitter is copied";
    EXPECT_EQ(g.particuleTouche->pElementAttache, g.sprite) << "attached to the character's sprite";

    CPerso& h = *d.persos.back();
    EXPECT_EQ(jeu->pPerso.get(), &h) << "the last player line makes the game's player";
    EXPECT_TRUE(h.sprite->bAnime) << "the character file's animated sprite";
    EXPECT_FLOAT_EQ(h.sprite->oy, 40) << "flag 0: the feet";
    EXPECT_EQ(h.visee, -1) << "flag 0 outside two-player rounds: no aim";
    EXPECT_EQ(h.sprite->getFrameCourante(), 0) << "frame 90 lies beyond the animation";
    EXPECT_EQ(h.numJoueur, 0) << "refinements came before this player";

    ASSERT_EQ(d.ias.size(), 1u) << "IA: made by the world's AI creation";
    const CPerso& ia = *d.ias.front();
    EXPECT_EQ(ia.chaine2, "r1") << "IDRESPAWN";
    EXPECT_FLOAT_EQ(ia.sprite->rotangle, 0) << "ROTIA is not read";
    EXPECT_EQ(ia.vitesse, 7) << "VITESSEIA is not read: the model's speed";
    EXPECT_EQ(ia.correctionY, 30) << "OMBREIA's last value";
}

TEST_F(NiveauComplet, SpritesDecorEtLeursComportements)
{
    CSPRITE3* sd = dynamic_cast<CSPRITE3*>(spriteID(2, "BLOC"));
    ASSERT_NE(sd, nullptr) << "SD in plane 2";
    CSPRITE3& s = *sd;
    EXPECT_FLOAT_EQ(s.ox, 16) << "ORIGINE -1: half the 32 x 16 frame";
    EXPECT_EQ(s.collision, 3) << "COLLISION replaces the definition's";
    EXPECT_FALSE(s.bPosDansLePlan) << "POSDANSLEPLAN=0 after the definition's 1";
    EXPECT_EQ(s.nbBouclesMax, 3) << "loop limit of animation 0";
    EXPECT_EQ(s.couleurGlobale, sf::Color(44, 20, 30, 128)) << "COLSD keeps the low 8 bits";
    ASSERT_TRUE(s.uniformsFrag.count("amp"));
    EXPECT_FLOAT_EQ(s.uniformsFrag["amp"].fValeur, 4) << "a vec4 keeps its fourth value in the float slot";
    ASSERT_TRUE(s.bPhysG && s.pPhysG && s.bPhysR && s.pPhysR && s.bPhysB && s.pPhysB) << "slide, bounce, seesaw";
    EXPECT_EQ(s.pPhysB->cpd, 6) << "the seesaw's last value";
    ASSERT_TRUE(s.bPhysE && s.pPhysE) << "collapse";
    EXPECT_EQ(s.pPhysE->vitesse, CPhysEffondrement::VITESSE_DEFAUT) << "the file holds no speed: it still falls";
    ASSERT_TRUE(s.bPhysDestruction && s.pPhysDestruction) << "destruction";
    EXPECT_EQ(s.pPhysDestruction->b, 7) << "the destruction's colour";
    EXPECT_TRUE(s.bOmbre) << "OMBRESD turns the shadow on";
    EXPECT_TRUE(s.bOmbreAvantPlan) << "OMBRESD's last value";

    // The path: only the first key point placed the sprite and gave it its look.
    ASSERT_TRUE(s.bPhysC && s.pChemin) << "the SD line's path flag makes the path";
    const CChemin& c = *s.pChemin;
    EXPECT_TRUE(c.bPauseDepart && c.bPause) << "KPG's pause flag, stored twice";
    ASSERT_EQ(c.nbKP, 3) << "three KP lines";
    EXPECT_FLOAT_EQ(c.getKP(0)->vc, -1) << "the key point's last value";
    EXPECT_FLOAT_EQ(c.getKP(1)->pAncre->x, 300.5f) << "key points keep their exact place";
    EXPECT_FLOAT_EQ(s.x, 150);
    EXPECT_FLOAT_EQ(s.x0, 100) << "the initial position is the SD line's";
    EXPECT_FLOAT_EQ(s.sxMax, 1.5f) << "the maximum scale is the SD line's";
    EXPECT_FLOAT_EQ(s.sx, 1.25f) << "the first key point's scale";
    EXPECT_EQ(s.flipH, -1) << "the first key point's flips";

    // The emitter and the force zone: their last values, and what the reader derives.
    ASSERT_TRUE(s.bPhysP && s.pParticules);
    const CParticules& p = *s.pParticules;
    EXPECT_FLOAT_EQ(p.aleaAccel, 0.75f) << "PARTICULESD's last value";
    EXPECT_TRUE(p.strCheminTexture.empty()) << "PARTICULESD value 17";
    EXPECT_FLOAT_EQ(p.forcesRefY, 0.125f) << "value 6 into its running copy";
    EXPECT_TRUE(p.bPause) << "value 38 into its running copy";
    EXPECT_EQ(p.pElementAttache, &s);
    EXPECT_FLOAT_EQ(p.x, 100) << "restarted at the sprite's place of that line";
    ASSERT_TRUE(s.bPhysForce && s.pForce) << "FORCESD";
    const CForceSD& f = *s.pForce;
    EXPECT_TRUE(f.bDrapeau) << "FORCESD's last value";
    EXPECT_EQ(f.ScriptFermeture, "./scripts/fermeture.scp") << "FORCESD value 12";
    ASSERT_TRUE(f.pScript && f.pScriptFermeture) << "the zone's scripts are made";
    for (const CScript* z : {f.pScript, f.pScriptFermeture}) {
        EXPECT_EQ(z->pSD, &s);
        EXPECT_TRUE(z->bDeclareDEC) << "the zone brings them back: not saved";
        EXPECT_FALSE(z->bActif) << "the flag cleared on zone scripts";
    }

    CSPRITE3* herbe = dynamic_cast<CSPRITE3*>(spriteID(0, "HERBE"));
    ASSERT_NE(herbe, nullptr);
    EXPECT_EQ(herbe->miroir, -1) << "the animated mirror follows the horizontal flip";
    EXPECT_FLOAT_EQ(herbe->planteEchelleBase[0], 2) << "sway about the sprite's scale";
    EXPECT_EQ(std::vector<int>(herbe->planteEntiers, herbe->planteEntiers + 4), (std::vector<int>{1, 2, 1, 1}))
        << "the last two sway values are at least 1";
    // A range of 5 degrees: n = 50, a start tilt in tenths from -2.5 to 2.4; the saved angle stays.
    EXPECT_TRUE(herbe->angleDynamique >= -2.5f && herbe->angleDynamique <= 2.4f) << herbe->angleDynamique;
    EXPECT_FLOAT_EQ(herbe->rotangle, 0) << "the start tilt is not the saved rotation";
    EXPECT_TRUE(herbe->numFrame >= 0 && herbe->numFrame < 3) << "NUM_ANIM_DEBUT -1: a random frame of the three";
    ASSERT_TRUE(herbe->bPhysC && herbe->pChemin) << "CHEMINSIMPLE makes the path";
    EXPECT_EQ(herbe->pChemin->depVitesse, 3);
    // Plane 7 is plane 4, which becomes the work plane; the start marker is listed.
    CSPRITE* debut = spriteID(4, "DEBUT_DE_NIVEAU");
    ASSERT_NE(debut, nullptr) << "plane 7 reads as plane 4";
    EXPECT_EQ(monde().pPlanTravail, monde().pPlans[4]);
    EXPECT_EQ(monde().positionsDepart, std::vector<CSPRITE*>{debut});
    EXPECT_EQ(lecteur->sdPlan, 7) << "the record keeps the plane read";
    EXPECT_EQ(lecteur->sdOrigineY, 4) << "the record keeps the origin for the writer";
}

// The scripts in the engine's order, with their owners, flags and chrono periods; only
// those of "SCRIPTRUN" lines are the level file's. A load leaves every countdown at 0, as a
// start does: a chrono script runs at once.
TEST_F(NiveauComplet, ScriptsDansLOrdre)
{
    vider(monde());
    ASSERT_TRUE(charger(niveauComplet()));
    const auto& s = moteur().scripts;
    ASSERT_EQ(s.size(), 6u) << "level, player, definition, two zone and one sprite script";
    CSPRITE* bloc = spriteID(2, "BLOC");
    CSPRITE* garde = monde().persos.front()->sprite;
    struct Attendu {
        const char* fichier;
        CSPRITE* sd;
        int declencheur, nbRunMax;
        bool bRelease, bDeclareDEC, bFichierNiveau;
        int nChrono;
    };
    const Attendu attendus[] = {
        {"./scripts/niveau.scp", nullptr, 2, -1, false, false, true, 4},
        {"./scripts/garde.scp", garde, 0, 1, false, false, true, 0},
        {"./scripts/def.scp", bloc, 12, 5, true, true, false, 2},
        {"./scripts/force.scp", bloc, 12, 0, false, true, false, 0},
        {"./scripts/fermeture.scp", bloc, 12, 0, false, true, false, 0},
        {"./scripts/porte.scp", bloc, 3, 4, true, false, true, 3},
    };
    for (size_t i = 0; i < 6; ++i) {
        const CScript& c = *s[i];
        const Attendu& a = attendus[i];
        EXPECT_EQ(c.strFichier, a.fichier) << "script " << i;
        EXPECT_EQ(c.pSD, a.sd) << a.fichier << ": owner";
        EXPECT_EQ(c.getDeclencheur(), a.declencheur) << a.fichier << ": trigger";
        EXPECT_EQ(c.nbRunMax, a.nbRunMax) << a.fichier << ": runs";
        EXPECT_EQ(c.bRelease, a.bRelease) << a.fichier << ": release flag";
        EXPECT_EQ(c.bDeclareDEC, a.bDeclareDEC) << a.fichier << ": declared by a definition or zone";
        EXPECT_EQ(c.bFichierNiveau, a.bFichierNiveau) << a.fichier << ": the level file's";
        EXPECT_EQ(c.nChrono, a.nChrono) << a.fichier << ": chrono period";
        EXPECT_EQ(c.nCompteChrono, 0) << a.fichier << ": countdown";
    }
    EXPECT_TRUE(s[2]->bSupprimerAuRedemarrage) << "SCRIPT_DESTROYONRELOAD of the definition";
    EXPECT_EQ(s[0]->nbCommandes, 1) << "the script file is compiled";
}
