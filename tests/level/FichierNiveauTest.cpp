// One hand-written level that uses every key of the reader, checked value by value on the
// objects it fills: level-wide settings, players, decor sprites with their behaviours, and
// the scripts in the engine's order.
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

TEST_F(NiveauComplet, ReglagesDuNiveau)
{
    CDecor& d = monde();
    EXPECT_FALSE(d.bInfos) << "INFOS";
    EXPECT_EQ(d.strImageChargement, "./niveaux/chargement.png") << "IMAGECHARGEMENT";
    ASSERT_NE(lecteur->pSpriteChargement, nullptr) << "IMAGECHARGEMENT makes the loading picture";
    EXPECT_EQ(lecteur->pTextureChargement->getSize().x, 16u) << "the loading picture is the file's";
    EXPECT_EQ(lecteur->couleurChargement, sf::Color(1, 2, 3, 44)) << "COULEURCHARGEMENT keeps the low 8 bits";
    EXPECT_EQ(d.nomNiveau, L"For\u00eat \u00e9t\u00e9") << "NOM is decoded from UTF-8";
    EXPECT_EQ(d.numNiveau, 7) << "NOM";
    EXPECT_EQ(d.tailleJeuX, 4000) << "TAILLEJEU";
    EXPECT_EQ(d.tailleJeuY, 1500) << "TAILLEJEU";
    EXPECT_EQ(d.scrollVue, 3) << "SCROLLVUE";
    EXPECT_EQ(jeu->vuemode_save, 3) << "SCROLLVUE into the game's saved camera mode";
    EXPECT_FLOAT_EQ(d.vitesseScrollVue, 12) << "SCROLLVUE";
    EXPECT_FLOAT_EQ(d.zoomVue, 0.75f) << "SCROLLVUE";
    const float plans[6][2] = {{1.5f, 0.25f}, {1.25f, 0.5f}, {1, 1}, {0.75f, 0.5f}, {0.5f, 0.25f}, {0.125f, 0}};
    for (int k = 0; k < 6; ++k) {
        EXPECT_FLOAT_EQ(d.scrollPlans[k][0], plans[k][0]) << "SCROLLPLAN" << k;
        EXPECT_FLOAT_EQ(d.scrollPlans[k][1], plans[k][1]) << "SCROLLPLAN" << k;
    }
    EXPECT_EQ(jeu->typeJeu, 1) << "TYPEJEU";
    EXPECT_TRUE(d.bZone) << "ZONE";
    EXPECT_EQ(std::vector<int>(d.zone, d.zone + 4), (std::vector<int>{10, 20, 300, 400})) << "ZONE";
    EXPECT_EQ(d.cheminMusique, "./musiques/theme.ogg") << "MUSIQUE";
    EXPECT_FALSE(d.bMusiqueBoucle) << "MUSIQUE";
    EXPECT_EQ(d.cheminMusiqueAmbiance, "./musiques/vent.ogg") << "MUSIQUE_AMBIANCE";
    EXPECT_TRUE(d.bMusiqueAmbianceBoucle) << "MUSIQUE_AMBIANCE";
    EXPECT_EQ(d.chrono, 95) << "CHRONO";
    EXPECT_EQ(d.chronoRef, 95) << "CHRONO";
    EXPECT_EQ(std::vector<int>(d.etoiles, d.etoiles + 3), (std::vector<int>{30, 60, 90})) << "ETOILES";
    EXPECT_TRUE(d.bCarte) << "CARTE";
    EXPECT_TRUE(jeu->bCarteJeu) << "CARTE sets the game's map flag";
    EXPECT_EQ(d.couleurFond, sf::Color(12, 34, 56, 78)) << "FONDCOULEUR";
    EXPECT_TRUE(d.bCouleurFond) << "FONDCOULEUR after FOND leaves the colour flag set";
    EXPECT_EQ(d.pFondImage->strFichierFond, "./niveaux/fond.png") << "FOND";
    EXPECT_EQ(d.pFondImage->largeur, 64u) << "FOND loads the picture";
    EXPECT_EQ(d.pFondImage->x0, -30) << "FOND";
    EXPECT_EQ(d.pFondImage->y0, 40) << "FOND";
    EXPECT_FLOAT_EQ(d.pFondImage->s, 1.5f) << "FOND";
    const float flous[5] = {1.5f, 2, 0, 2.5f, 3};
    for (int k = 0; k < 5; ++k)
        EXPECT_FLOAT_EQ(d.pPlans[k]->rayonFlou, flous[k]) << "SHADERBLUR of plane " << k;
    EXPECT_FLOAT_EQ(d.pFondImage->shader_blur_radius, 4.5f) << "SHADERBLUR=5 is the background's";
    EXPECT_EQ(d.strPoussierePas, "./effets/sable.dec") << "POUSSIERE_PAS";
    EXPECT_EQ(d.strTracePas, "./effets/neige_pas.png") << "TRACE_PAS";
    EXPECT_TRUE(jeu->bFreeTextureMem) << "FREE_TEXTURE_MEM";
    EXPECT_EQ(d.modelesDEC.size(), 3u) << "NEVER_FREE_TEXTURES keeps the definitions";
    EXPECT_FLOAT_EQ(jeu->pdecorJeu->scalePersosX, 1.25f) << "SCALE_PERSOS";
    EXPECT_FLOAT_EQ(jeu->pdecorJeu->scalePersosY, 0.75f) << "SCALE_PERSOS";
    // Weather, at the level size read so far.
    EXPECT_TRUE(d.bPluie && d.pPluie) << "EFFET_PLUIE";
    ASSERT_TRUE(d.bNeige && d.pNeige) << "EFFET_NEIGE";
    EXPECT_EQ(d.pNeige->nbFlocons, 250);
    EXPECT_EQ(d.pNeige->largeur, 3000) << "the level's width at the level's own zoom";
    EXPECT_EQ(d.pNeige->hauteur, 1600);
    ASSERT_TRUE(d.bLucioles && d.pLucioles) << "EFFET_LUCIOLES";
    EXPECT_EQ(d.pLucioles->nbLucioles, 40);
    EXPECT_TRUE(d.bBrouillard && d.pBrouillard) << "EFFET_BROUILLARD";
    EXPECT_TRUE(d.bNuages && d.pNuages) << "EFFET_NUAGES";
    ASSERT_TRUE(d.bEtoiles && d.pEtoiles) << "EFFET_ETOILES";
    EXPECT_EQ(d.pEtoiles->nbEtoiles, 120);
    EXPECT_TRUE(d.bNuagePoussiere && d.pNuagePoussiere) << "EFFET_NUAGEPOUSSIERE";
    EXPECT_TRUE(d.bOrage && d.pOrage) << "EFFET_ORAGE";
    // End of the load: the game's camera takes the level's view; the game its level file.
    const CVue& v = *jeu->pvueJeu;
    EXPECT_EQ(v.vuemode, 3) << "camera mode";
    EXPECT_FLOAT_EQ(v.vitesseScroll, 12) << "camera speed";
    EXPECT_FLOAT_EQ(v.zoom, 0.75f) << "camera zoom";
    EXPECT_FLOAT_EQ(v.zoomBase, 0.75f) << "camera base zoom";
    EXPECT_EQ(jeu->fichierJeu, "niveau.niv");
    EXPECT_TRUE(jeu->bJoue);
    EXPECT_EQ(jeu->texteStatut.getString().toAnsiString().rfind("Temps chargement = ", 0), 0u)
        << "the load time is shown";
}

TEST_F(NiveauComplet, DefinitionsPrechargees)
{
    CDecor& d = monde();
    ASSERT_TRUE(d.modelesDEC.count("BLOC") && d.modelesDEC["BLOC"]) << "TEXTURE_DEC";
    EXPECT_EQ(d.modelesDEC["BLOC"]->nom, "BLOC") << "the bank is filed under the line's name";
    EXPECT_EQ(d.modelesDEC["BLOC"]->nbFramesAnim(0), 4) << "TEXTURE_DEC reads the definition's images";
    ASSERT_TRUE(d.modelesPersos.count("GARDE") && d.modelesPersos["GARDE"]) << "TEXTURE_PER";
    const CPersoDef* def = d.modelesPersos["GARDE"]->pPersoDef;
    ASSERT_NE(def, nullptr);
    EXPECT_EQ(def->id, "GARDE") << "TEXTURE_PER names the definition";
    EXPECT_EQ(def->cleDefinition, "GARDE") << "TEXTURE_PER keys the definition";
    EXPECT_EQ(def->vitesse, 7) << "TEXTURE_PER reads the character file";
    EXPECT_EQ(d.modelesPersos["GARDE"]->nbFramesAnim(0), 2) << "the character's sprite lines fill its bank";
}

TEST_F(NiveauComplet, JoueurDUnModele)
{
    CDecor& d = monde();
    ASSERT_EQ(d.persos.size(), 2u) << "PERSO and PERSO3 both make a player";
    CPerso& g = *d.persos.front();
    CSPRITE3& s = *g.sprite;
    EXPECT_EQ(s.pDEC, d.modelesPersos["GARDE"]) << "PERSO draws from the preloaded model";
    EXPECT_FALSE(s.bMarqueurPerso) << "PERSO is not marked as made from a character file";
    EXPECT_FLOAT_EQ(s.x0, 400);
    EXPECT_FLOAT_EQ(s.y0, 500);
    EXPECT_FLOAT_EQ(s.sxMax, 1.5f);
    EXPECT_FLOAT_EQ(s.syMax, 2);
    EXPECT_FLOAT_EQ(s.x, 400) << "placed at its position";
    EXPECT_FLOAT_EQ(s.y, 500);
    EXPECT_FLOAT_EQ(s.ox, 15) << "ORIGINE -1: half the model's width";
    EXPECT_FLOAT_EQ(s.oy, 25) << "flag 1: half the model's height";
    EXPECT_FLOAT_EQ(s.sx, 1.5f);
    EXPECT_FLOAT_EQ(s.sy, 2);
    // Made facing right (0) on a sheet facing left (mirrored), then turned by DIRECTION=1.
    EXPECT_EQ(g.direction, 1) << "DIRECTION";
    EXPECT_EQ(g.directionInitiale, 1) << "DIRECTION: the facing revival returns to";
    EXPECT_EQ(s.flipH, 1) << "turning back to the sheet's side undoes the mirror";
    EXPECT_TRUE(g.bVaisseau) << "the eighth value is the character's flag";
    EXPECT_EQ(g.visee, 1) << "flag 1 aims ahead";
    EXPECT_EQ(g.poids, 33) << "the line's weight replaces the model's";
    EXPECT_EQ(g.modeIA, 4);
    EXPECT_EQ(g.vitesse, 7);
    EXPECT_EQ(g.vitesseCourante, 7);
    EXPECT_EQ(g.vitesseBas, 2);
    EXPECT_EQ(g.vitesseChute, 9);
    EXPECT_EQ(g.vitesseSaut, 11);
    EXPECT_EQ(g.vie, 150);
    EXPECT_EQ(g.vieMax, 200);
    EXPECT_EQ(g.degats[1], 13);
    EXPECT_EQ(g.maxSaut, 20);
    EXPECT_EQ(g.maxSautAuto, 22);
    EXPECT_EQ(g.maxEscalier, 30);
    EXPECT_EQ(g.posTete[0], 40);
    EXPECT_EQ(g.posPieds, 5);
    EXPECT_EQ(std::vector<int>(s.hitbox, s.hitbox + 4), (std::vector<int>{2, 3, 4, 5}));
    EXPECT_EQ(g.sonDegats, "AIE");
    EXPECT_EQ(g.nbarmesperso, 1) << "the model's weapon line";
    EXPECT_EQ(s.couleur, sf::Color(1, 2, 3, 4)) << "PERSO_COLOR keeps the low 8 bits";
    EXPECT_EQ(g.numJoueur, 1) << "NUMJOUEUR";
    EXPECT_EQ(g.numJoueurBis, 1) << "NUMJOUEUR sets the saved copy too";
    EXPECT_EQ(g.mode, 7) << "falling";
    // Explosion, overlays, shield and emitters from the model.
    EXPECT_EQ(g.spriteBouclier->pDEC, boum) << "EXPLOSION binds the explosion's bank";
    EXPECT_FLOAT_EQ(g.spriteBouclier->ox, 10) << "centred on the explosion's frame";
    EXPECT_FLOAT_EQ(g.spriteBouclier->oy, 6);
    EXPECT_FLOAT_EQ(g.spriteBouclier->sx, 2);
    EXPECT_FLOAT_EQ(g.spriteBouclier->sy, 3);
    EXPECT_FALSE(g.bSupprimerMort) << "the explosion line's flag";
    ASSERT_TRUE(s.overs.count("alerte")) << "the model's ADD_OVER";
    EXPECT_FLOAT_EQ(s.overs["alerte"].y, -60);
    EXPECT_EQ(s.overs["alerte"].plan, -1);
    ASSERT_NE(g.spriteSimple, nullptr);
    EXPECT_EQ(g.spriteSimple->pDEC->id, "BULLE") << "BOUCLIER reloads the shield";
    EXPECT_FLOAT_EQ(g.spriteSimple->getSprite()->ox, 83) << "shield origin x";
    EXPECT_FLOAT_EQ(g.spriteSimple->getSprite()->oy, 125) << "shield origin y: 40 / 4 + 115";
    EXPECT_FLOAT_EQ(g.spriteSimple->getSX(), 3) << "shield at twice the sprite's scale";
    EXPECT_FLOAT_EQ(g.spriteSimple->getSY(), 4);
    ASSERT_NE(g.particuleTouche, nullptr) << "the model's emitter is copied";
    EXPECT_EQ(g.particuleTouche->pElementAttache, &s) << "attached to the character's sprite";
    EXPECT_TRUE(g.particuleTouche->bAttache);
    EXPECT_EQ(g.particuleTouche->nbParticules, 40);
}

TEST_F(NiveauComplet, JoueurDUnFichier)
{
    CDecor& d = monde();
    ASSERT_EQ(d.persos.size(), 2u);
    CPerso& h = *d.persos.back();
    CSPRITE3& s = *h.sprite;
    EXPECT_EQ(jeu->pPerso.get(), &h) << "the last player line makes the game's player";
    EXPECT_TRUE(s.bMarqueurPerso) << "PERSO3 marks its sprite";
    EXPECT_EQ(h.fichier, "./personnages/heros.per");
    EXPECT_TRUE(s.bAnime) << "the character file's animated sprite";
    EXPECT_FLOAT_EQ(s.x0, 600);
    EXPECT_FLOAT_EQ(s.y0, 700);
    EXPECT_FLOAT_EQ(s.x, 600);
    EXPECT_FLOAT_EQ(s.y, 700);
    EXPECT_FLOAT_EQ(s.ox, 12) << "ORIGINE -1: half the animation's width";
    EXPECT_FLOAT_EQ(s.oy, 40) << "flag 0: the feet";
    EXPECT_EQ(h.direction, 1);
    EXPECT_FALSE(h.bVaisseau);
    EXPECT_EQ(h.visee, -1) << "flag 0 outside two-player rounds: no aim";
    EXPECT_EQ(h.vitesse, 6) << "the definition's settings";
    EXPECT_EQ(h.poids, 10) << "PERSO3 keeps the file's weight";
    EXPECT_EQ(h.mode, 7);
    EXPECT_EQ(s.getAnimation(), 0);
    EXPECT_EQ(s.getFrameCourante(), 0) << "frame 90 lies beyond the animation";
    EXPECT_TRUE(s.bPlay);
    EXPECT_EQ(h.numJoueur, 0) << "refinements came before this player";
}

TEST_F(NiveauComplet, IA)
{
    ASSERT_EQ(monde().ias.size(), 1u) << "IA: made by the world's AI creation";
    const CPerso& ia = *monde().ias.front();
    EXPECT_EQ(ia.sprite->pDEC, monde().modelesPersos["GARDE"]);
    EXPECT_FLOAT_EQ(ia.sprite->x, 700);
    EXPECT_FLOAT_EQ(ia.sprite->sx, 1.5f);
    EXPECT_TRUE(ia.bVaisseau) << "the eighth value: floating";
    EXPECT_EQ(ia.id, "g1") << "IDIA";
    EXPECT_EQ(ia.chaine2, "r1") << "IDRESPAWN";
    EXPECT_EQ(ia.numPlanIA, 3) << "NUMPLANIA";
    EXPECT_EQ(ia.distancePatrouille, 120) << "PATROUILLE";
    EXPECT_FLOAT_EQ(ia.sprite->rotangle, 0) << "ROTIA is not read";
    EXPECT_EQ(ia.vitesse, 7) << "VITESSEIA is not read: the model's speed";
    EXPECT_FALSE(ia.bOmbre) << "OMBREIA";
    EXPECT_TRUE(ia.bOmbreDynamique);
    EXPECT_EQ(ia.ombreYFixe, 300);
    EXPECT_FLOAT_EQ(ia.ombreEchelle, 0.5f);
    EXPECT_FLOAT_EQ(ia.ombreMinScale, 0.2f);
    EXPECT_FLOAT_EQ(ia.ombreHmax, 400);
    EXPECT_EQ(ia.correctionY, 30);
    EXPECT_TRUE(monde().persos.size() == 2 && jeu->pPerso.get() == monde().persos.back())
        << "an AI line does not change the player";
}

TEST_F(NiveauComplet, SpriteDecorEtSesComportements)
{
    CSPRITE3* sd = dynamic_cast<CSPRITE3*>(spriteID(2, "BLOC"));
    ASSERT_NE(sd, nullptr) << "SD in plane 2";
    CSPRITE3& s = *sd;
    EXPECT_EQ(s.pDEC, monde().modelesDEC["BLOC"]);
    EXPECT_EQ(s.plan, 2);
    EXPECT_EQ(s.calque, 2) << "CALQUESD";
    EXPECT_FLOAT_EQ(s.ox, 16) << "ORIGINE -1: half the 32 x 16 frame";
    EXPECT_FLOAT_EQ(s.oy, 8);
    EXPECT_EQ(std::vector<int>(s.hitbox, s.hitbox + 4), (std::vector<int>{1, 2, 3, 4})) << "HITBOX";
    EXPECT_EQ(s.idSon, "SON_BLOC") << "PLAYSON";
    EXPECT_EQ(s.delaiSon, 7);
    EXPECT_EQ(s.modeSon, 1);
    EXPECT_EQ(s.degats[0], 5) << "DEGATS";
    EXPECT_EQ(s.degats[1], 6);
    EXPECT_EQ(s.collision, 3) << "COLLISION replaces the definition's";
    EXPECT_FALSE(s.bDecDefaut) << "DECDEFAUT";
    EXPECT_FALSE(s.bPosDansLePlan) << "POSDANSLEPLAN=0 after the definition's 1";
    EXPECT_FALSE(s.bVisible) << "VISIBLE";
    EXPECT_FALSE(s.bVisibleDepart);
    EXPECT_EQ(s.nbBouclesMax, 3) << "loop limit of animation 0";
    EXPECT_EQ(s.numFrame, 2) << "NUM_ANIM_DEBUT";
    EXPECT_FLOAT_EQ(s.rotangle_virtuel, 0.25f) << "rotation speed";
    EXPECT_EQ(s.strID, "porte") << "IDSD";
    EXPECT_EQ(s.groupe, 7) << "GROUPESD";
    EXPECT_FLOAT_EQ(s.paramsScript[2], 3.5f) << "PARAM_SCRIPT_SD";
    EXPECT_FLOAT_EQ(s.volumeSon, 75) << "VOLUMESON";
    EXPECT_TRUE(s.bLock) << "LOCK";
    EXPECT_FLOAT_EQ(s.rotationPas, 2.5f) << "ROTSD";
    EXPECT_EQ(s.couleurGlobale, sf::Color(44, 20, 30, 128)) << "COLSD keeps the low 8 bits";
    ASSERT_TRUE(s.overs.count("halo")) << "the definition's ADD_OVER";
    EXPECT_FLOAT_EQ(s.overs["halo"].rotation, 45);
    EXPECT_FALSE(s.overs["halo"].bVisible);
    // Shader: a vec4 keeps its fourth value in the float slot.
    EXPECT_EQ(s.strShaderFrag, "./shaders/ondes.frag");
    ASSERT_TRUE(s.uniformsFrag.count("amp"));
    const UniformSD& u = s.uniformsFrag["amp"];
    EXPECT_EQ(u.strType, "vec4");
    EXPECT_FLOAT_EQ(u.fVec4Z, 3);
    EXPECT_FLOAT_EQ(u.fValeur, 4);
    EXPECT_FLOAT_EQ(u.fPhaseDiviseur, 0.5f);
    EXPECT_TRUE(s.uniformsVert.empty()) << "vertex count 0";
    // Behaviours of the seven flags.
    ASSERT_TRUE(s.bPhysG && s.pPhysG) << "slide";
    ASSERT_TRUE(s.bPhysR && s.pPhysR) << "bounce";
    ASSERT_TRUE(s.bPhysB && s.pPhysB) << "seesaw";
    EXPECT_EQ(s.pPhysB->buteeGauche, -10);
    EXPECT_EQ(s.pPhysB->buteeDroite, 20);
    EXPECT_EQ(s.pPhysB->pivot, 16);
    EXPECT_EQ(s.pPhysB->largeurPivot, 8);
    EXPECT_FLOAT_EQ(s.pPhysB->vitesseRot, 1.5f);
    EXPECT_EQ(s.pPhysB->poidsBascule, 30);
    EXPECT_EQ(s.pPhysB->cpg, 5);
    EXPECT_EQ(s.pPhysB->cpd, 6);
    ASSERT_TRUE(s.bPhysE && s.pPhysE) << "collapse";
    EXPECT_EQ(s.pPhysE->hauteur, 40);
    EXPECT_EQ(s.pPhysE->vitesse, CPhysEffondrement::VITESSE_DEFAUT) << "the file holds no speed: it still falls";
    EXPECT_TRUE(s.pPhysE->bHauteurAuto);
    ASSERT_TRUE(s.bPhysDestruction && s.pPhysDestruction) << "destruction";
    const CPhysDestruction& x = *s.pPhysDestruction;
    EXPECT_TRUE(x.bActif);
    EXPECT_EQ(x.resistance, 3);
    EXPECT_EQ(x.animDetruit, 1);
    EXPECT_EQ(x.v6, 6);
    EXPECT_TRUE(x.bDisparait);
    EXPECT_EQ(sf::Color(x.r, x.g, x.b, x.a), sf::Color(250, 128, 7, 255));
    // Shadow.
    EXPECT_TRUE(s.bOmbre) << "OMBRESD turns the shadow on";
    EXPECT_FLOAT_EQ(s.ombreSX, 1.1f);
    EXPECT_FLOAT_EQ(s.ombreSY, 0.9f);
    EXPECT_FLOAT_EQ(s.ombreDX, 4);
    EXPECT_FLOAT_EQ(s.ombreDY, -5);
    EXPECT_FLOAT_EQ(s.ombreRotation, 15);
    EXPECT_TRUE(s.bOmbreAvantPlan);
}

TEST_F(NiveauComplet, CheminEtPointsCles)
{
    CSPRITE3& s = *dynamic_cast<CSPRITE3*>(spriteID(2, "BLOC"));
    ASSERT_TRUE(s.bPhysC && s.pChemin) << "the SD line's path flag makes the path";
    const CChemin& c = *s.pChemin;
    EXPECT_EQ(c.typeAnimation, 0) << "KPG: a key-point path";
    EXPECT_EQ(c.modeParcours, 2);
    EXPECT_FLOAT_EQ(c.vGlobale, 1.5f);
    EXPECT_FLOAT_EQ(c.vGlobaleR, 0.5f);
    EXPECT_FLOAT_EQ(c.vGlobaleS, 0.25f);
    EXPECT_FLOAT_EQ(c.vGlobaleC, 8);
    EXPECT_TRUE(c.bPauseDepart) << "KPG's pause flag, stored twice";
    EXPECT_TRUE(c.bPause);
    EXPECT_EQ(c.nbChemin, 3);
    ASSERT_EQ(c.nbKP, 3) << "three KP lines";
    ASSERT_EQ(c.listeKP.size(), 3u);
    const CAncrageKP& k = *c.getKP(0);
    EXPECT_FLOAT_EQ(k.pAncre->x, 150);
    EXPECT_FLOAT_EQ(k.pAncre->y0, 250);
    EXPECT_FLOAT_EQ(k.pAncre->rotangle, 30);
    EXPECT_FLOAT_EQ(k.sx, 1.25f);
    EXPECT_FLOAT_EQ(k.sy, 0.75f);
    EXPECT_EQ(k.r, 255);
    EXPECT_EQ(k.g, 128);
    EXPECT_EQ(k.a, 200);
    EXPECT_EQ(k.flipH, 1);
    EXPECT_EQ(k.flipV, 0);
    EXPECT_FLOAT_EQ(k.v, 2);
    EXPECT_FLOAT_EQ(k.vs, 0.5f);
    EXPECT_FLOAT_EQ(k.vr, 1.5f);
    EXPECT_FLOAT_EQ(k.vc, -1);
    EXPECT_FLOAT_EQ(c.getKP(1)->pAncre->x, 300.5f) << "key points keep their exact place";
    // Only the first key point placed the sprite and gave it its look.
    EXPECT_FLOAT_EQ(s.x, 150);
    EXPECT_FLOAT_EQ(s.y, 250);
    EXPECT_FLOAT_EQ(s.x0, 100) << "the initial position is the SD line's";
    EXPECT_FLOAT_EQ(s.sxMax, 1.5f) << "the maximum scale is the SD line's";
    EXPECT_EQ(s.couleur, sf::Color(255, 128, 64, 200)) << "the first key point's colour";
    EXPECT_FLOAT_EQ(s.sx, 1.25f) << "the first key point's scale";
    EXPECT_FLOAT_EQ(s.rotangle, 30) << "the first key point's rotation";
    EXPECT_EQ(s.flipH, -1) << "the first key point's flips";
    EXPECT_EQ(s.flipV, 1);
    // A path made by its first line.
    CSPRITE* herbe = spriteID(0, "HERBE");
    ASSERT_NE(herbe, nullptr) << "SD in plane 0";
    ASSERT_TRUE(herbe->bPhysC && herbe->pChemin) << "CHEMINSIMPLE makes the path";
    EXPECT_EQ(herbe->pChemin->typeAnimation, 1);
    EXPECT_EQ(herbe->pChemin->depH, 10);
    EXPECT_EQ(herbe->pChemin->depV, 20);
    EXPECT_EQ(herbe->pChemin->depVitesse, 3);
}

TEST_F(NiveauComplet, EmetteurEtZoneDeForce)
{
    CSPRITE3& s = *dynamic_cast<CSPRITE3*>(spriteID(2, "BLOC"));
    ASSERT_TRUE(s.bPhysP && s.pParticules);
    const CParticules& p = *s.pParticules;
    const std::vector<std::pair<float, float>> valeurs = {
        {p.velX, 0.5f}, {p.velY, -1.5f}, {float(p.largeurEmetteur), 12}, {float(p.hauteurEmetteur), 6},
        {p.forcesX, 0.25f}, {p.forcesY, 0.125f}, {float(p.nbParticules), 40}, {float(p.dureeVie), 50},
        {float(p.aleaDureeVie), 10}, {float(p.forme), 1}, {p.tailleParticule, 3.5f}, {float(p.couleur.r), 200},
        {float(p.couleur.g), 100}, {float(p.couleur.b), 50}, {float(p.couleur.a), 255},
        {float(p.amplitudeDegradeCouleur), 20}, {float(p.nbCycles), -1}, {p.angle1, 10}, {p.angle2, 80},
        {float(p.bAngleAlea), 1}, {p.acceleration, 0.5f}, {float(p.bAlphaDec), 1}, {float(p.alphaAgeDec), 20},
        {float(p.alphaValDec), 5}, {float(p.bEmetteurVisible), 0}, {float(p.bRotDirection), 1},
        {p.variationRotation, 2.5f}, {float(p.bVariationTaille), 1}, {p.variationTaille, 0.1f},
        {p.borneVariationTaille, 4}, {float(p.bTailleAlea), 1}, {p.tailleMin, 1}, {p.tailleMax, 6},
        {float(p.modeCollision), 1}, {float(p.initLargeur), 2}, {float(p.initHauteur), 3},
        {float(p.bPauseEmission), 1}, {float(p.decPosX), 7}, {float(p.decPosY), -8},
        {float(p.bForcesExterieures), 1}, {float(p.bNoCalcCollision), 0}, {float(p.bNoDrawPause), 1},
        {float(p.bNoCalcPause), 0}, {p.aleaVitX, 0.5f}, {p.aleaVitY, 0.25f}, {p.aleaForceX, 0.125f},
        {p.aleaForceY, 0.0625f}, {p.aleaAccel, 0.75f}};
    for (size_t i = 0; i < valeurs.size(); ++i)
        EXPECT_FLOAT_EQ(valeurs[i].first, valeurs[i].second) << "PARTICULESD value " << (i < 16 ? i + 1 : i + 2);
    EXPECT_TRUE(p.strCheminTexture.empty()) << "PARTICULESD value 17";
    EXPECT_FLOAT_EQ(p.forcesRefX, 0.25f) << "value 5 into its running copy";
    EXPECT_FLOAT_EQ(p.forcesRefY, 0.125f) << "value 6 into its running copy";
    EXPECT_TRUE(p.bPause) << "value 38 into its running copy";
    EXPECT_TRUE(p.bAttache);
    EXPECT_EQ(p.pElementAttache, &s);
    EXPECT_FLOAT_EQ(p.x, 100) << "restarted at the sprite's place of that line";
    EXPECT_FLOAT_EQ(p.y, 200);

    ASSERT_TRUE(s.bPhysForce && s.pForce) << "FORCESD";
    const CForceSD& f = *s.pForce;
    const std::vector<std::pair<float, float>> force = {
        {float(f.CycleMax), 120}, {float(f.CycleMin), 60}, {float(f.DureeMax), 40}, {float(f.DureeMin), 20},
        {f.ForceX, 1.5f}, {f.ForceY, -2.5f}, {float(f.portee), 2}, {float(f.ForceActive), 1},
        {float(f.SpriteVisible), 1}, {float(f.modeForce), 1}, {float(f.InvSensX), 1}, {float(f.InvSensY), 0},
        {float(f.ButeeX), 5}, {float(f.ButeeY), 6}, {float(f.MaxButeeX), 50}, {float(f.MaxButeeY), 60},
        {float(f.Attracteur), 1}, {float(f.AccelDistance), 1}, {f.ModifAngleMax, 0.05f},
        {float(f.RayonAttraction), 300}, {float(f.RayonAttracteur), 40}, {float(f.EcartAngle), 15},
        {f.AccelerationDistance, 0.5f}, {float(f.ModForceActif), 0}, {float(f.DisparitionImpact), 1},
        {float(f.bDrapeau), 1}};
    for (size_t i = 0; i < force.size(); ++i)
        EXPECT_FLOAT_EQ(force[i].first, force[i].second) << "FORCESD numeric value " << i + 1;
    EXPECT_EQ(f.Script, "./scripts/force.scp") << "FORCESD value 7";
    EXPECT_EQ(f.ScriptFermeture, "./scripts/fermeture.scp") << "FORCESD value 12";
    ASSERT_NE(f.pScript, nullptr) << "the zone's script is made";
    ASSERT_NE(f.pScriptFermeture, nullptr) << "the closing script is made";
    for (const CScript* z : {f.pScript, f.pScriptFermeture}) {
        EXPECT_EQ(z->pSD, &s);
        EXPECT_EQ(z->getDeclencheur(), declencheur::CHRONO);
        EXPECT_TRUE(z->bDeclareDEC) << "the zone brings them back: not saved";
        EXPECT_FALSE(z->bActif) << "the flag cleared on zone scripts";
        EXPECT_FALSE(z->bFichierNiveau);
    }
}

TEST_F(NiveauComplet, AutresSpritesDecor)
{
    CSPRITE3* herbe = dynamic_cast<CSPRITE3*>(spriteID(0, "HERBE"));
    ASSERT_NE(herbe, nullptr);
    EXPECT_FLOAT_EQ(herbe->ox, 5) << "ORIGINE given";
    EXPECT_FLOAT_EQ(herbe->oy, 7);
    EXPECT_EQ(herbe->flipH, -1) << "the record's flips";
    EXPECT_EQ(herbe->miroir, -1) << "the animated mirror follows the horizontal flip";
    EXPECT_FLOAT_EQ(herbe->sx, 2) << "the record's scale";
    EXPECT_FLOAT_EQ(herbe->sy, 3);
    EXPECT_TRUE(herbe->bDecDefaut) << "new sprites use their definition's settings";
    EXPECT_TRUE(herbe->bPlante) << "PLANTE";
    EXPECT_FLOAT_EQ(herbe->planteAngleMin, -2);
    EXPECT_FLOAT_EQ(herbe->planteVitesse, 0.5f);
    EXPECT_FLOAT_EQ(herbe->planteEchelleBase[0], 2) << "sway about the sprite's scale";
    EXPECT_FLOAT_EQ(herbe->planteFloat2, 1.5f);
    EXPECT_EQ(std::vector<int>(herbe->planteEntiers, herbe->planteEntiers + 4), (std::vector<int>{1, 2, 1, 1}))
        << "the last two sway values are at least 1";
    // A range of 5 degrees: n = 50, a start tilt in tenths from -2.5 to 2.4; the saved angle stays.
    EXPECT_GE(herbe->angleDynamique, -2.5f);
    EXPECT_LE(herbe->angleDynamique, 2.4f);
    EXPECT_FLOAT_EQ(herbe->rotangle, 0) << "the start tilt is not the saved rotation";
    EXPECT_GE(herbe->numFrame, 0) << "NUM_ANIM_DEBUT -1: a random frame of the three";
    EXPECT_LT(herbe->numFrame, 3);
    // Plane 7 is plane 4, which becomes the work plane; the start marker is listed.
    CSPRITE* debut = spriteID(4, "DEBUT_DE_NIVEAU");
    ASSERT_NE(debut, nullptr) << "plane 7 reads as plane 4";
    EXPECT_EQ(monde().pPlanTravail, monde().pPlans[4]);
    EXPECT_EQ(monde().positionsDepart, std::vector<CSPRITE*>{debut});
    EXPECT_EQ(lecteur->sdPlan, 7) << "the record keeps the plane read";
    EXPECT_EQ(lecteur->sdOrigineX, 3) << "the record keeps the origin for the writer";
    EXPECT_EQ(lecteur->sdOrigineY, 4);
    EXPECT_EQ(plan(1).sprites.size() + plan(3).sprites.size(), 0u);
}

// The scripts in the engine's order, with their owners, flags and chrono countdowns; only
// those of "SCRIPTRUN" lines are the level file's.
TEST_F(NiveauComplet, ScriptsDansLOrdre)
{
    for (float coeff : {1.0f, 0.5f}) {
        vider(monde());
        jeu->framerateCoeff = coeff;
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
            int nChrono, compte;
        };
        const int n = static_cast<int>(1 / coeff);
        const Attendu attendus[] = {
            {"./scripts/niveau.scp", nullptr, 2, -1, false, false, true, 4, 120 * n},
            {"./scripts/garde.scp", garde, 0, 1, false, false, true, 0, 0},
            {"./scripts/def.scp", bloc, 12, 5, true, true, false, 2, 60 * n},
            {"./scripts/force.scp", bloc, 12, 0, false, true, false, 0, 0},
            {"./scripts/fermeture.scp", bloc, 12, 0, false, true, false, 0, 0},
            {"./scripts/porte.scp", bloc, 3, 4, true, false, true, 3, 90 * n},
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
            EXPECT_EQ(c.nCompteChrono, a.compte) << a.fichier << ": countdown at coefficient " << coeff;
        }
        EXPECT_TRUE(s[2]->bSupprimerAuRedemarrage) << "SCRIPT_DESTROYONRELOAD of the definition";
        EXPECT_EQ(s[0]->nbCommandes, 1) << "the script file is compiled";
    }
}
