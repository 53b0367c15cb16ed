// The reader's edge cases: lines read or skipped, origins and aims of players, decor-sprite
// records, unknown names, failures, a world loaded twice, two worlds, freed definitions.
#include "level/OutilsFichierNiveau.h"

#include "core/Chemin.h"
#include "core/FichierDec.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/Texte.h"
#include "level/FondImage.h"

#include <sstream>

namespace {

const std::string DEFINITIONS = "TEXTURE_DEC=./decors/bloc.dec;BLOC\nTEXTURE_PER=./personnages/garde.per;GARDE\n";
// A decor sprite of BLOC at (x, y) in plane 2 without behaviours.
std::string sd(int x, int y, const std::string& nom = "BLOC")
{
    return "SD=" + nom + ";" + std::to_string(x) + ";" + std::to_string(y) + ";2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n";
}

class Cas : public NiveauTest {
protected:
    void SetUp() override
    {
        NiveauTest::SetUp();
        peindre("decors/bloc.png", 40, 20);
        ecrireFichier("decors/bloc.dec", "ID=BLOC\nPLANCHE=./decors/bloc.png;\nSPRITE=0;0;2;20;20;0;0\n");
        peindre("personnages/garde.png", 30, 50);
        ecrireFichier("personnages/garde.per", "ID=GARDE\nPLANCHE=./personnages/garde.png;\nSPRITE=0;0;30;50;1;0;0\n"
                                                "ORIGINE=-1;-1\nDIRECTION_PLANCHE=1\nPOSITIONTETE=40;30\n");
    }
    CSPRITE* premier(int n) { return plan(n).sprites.empty() ? nullptr : plan(n).sprites.front(); }
};

} // namespace

TEST_F(Cas, LignesLuesEtIgnorees)
{
    // "=x" has an empty key: skipped, the lines after it are read.
    ASSERT_TRUE(charger("NOM=a;2\n=x\nCHRONO=5\n"));
    EXPECT_EQ(monde().chrono, 5) << "a line with an empty key no longer ends the read";
    // A plane number beyond the background: the radius is dropped.
    ASSERT_TRUE(charger("SHADERBLUR=7;9\nSHADERBLUR=-1;9\n"));
    for (CCalqueSD* p : monde().pPlans)
        EXPECT_FLOAT_EQ(p->rayonFlou, 0) << "SHADERBLUR=7 changes no plane";
    EXPECT_FLOAT_EQ(monde().pFondImage->shader_blur_radius, 0) << "nor the background";
    // An empty file reads nothing and still ends the load.
    ASSERT_TRUE(charger(""));
    EXPECT_EQ(sf::String(jeu->statut).toAnsiString(), "Temps chargement = 0 secondes");
    // A definition preloaded twice under one name is read once.
    peindre("decors/autre.png", 90, 10);
    ecrireFichier("decors/autre.dec", "ID=AUTRE\nPLANCHE=./decors/autre.png;\nSPRITE=0;0;9;10;10;0;0\n");
    ASSERT_TRUE(charger("TEXTURE_DEC=./decors/bloc.dec;X\nTEXTURE_DEC=./decors/autre.dec;X\n"));
    EXPECT_EQ(monde().modelesDEC["X"]->nbFramesAnim(0), 2) << "the second line keeps the first file";
    // CR LF, a byte-order mark, and a last line without line end.
    ASSERT_TRUE(charger("\xEF\xBB\xBFNOM=crlf;3\r\nCHRONO=8\r\nETOILES=1;2;3"));
    EXPECT_EQ(monde().nomNiveau, L"crlf");
    EXPECT_EQ(monde().chrono, 8);
    EXPECT_EQ(monde().etoiles[2], 3);
    // A short line repeats its last value; extra values are ignored.
    ASSERT_TRUE(charger("ZONE=1;5\nTAILLEJEU=10;20;30;40\n"));
    EXPECT_EQ(std::vector<int>(monde().zone, monde().zone + 4), (std::vector<int>{5, 5, 5, 5}));
    EXPECT_EQ(monde().tailleJeuY, 20);
}

TEST_F(Cas, OrigineEtViseeDesJoueurs)
{
    ecrireFichier("personnages/heros.per", "ID=HEROS\nORIGINE=-1;-1\n");
    struct Ligne {
        const char* ligne;
        int typeJeu;
        float oy;
        int visee;
    } lignes[] = {
        {"PERSO=GARDE;0;0;1;1;1;10;0", 0, 50, -1},
        {"PERSO=GARDE;0;0;1;1;1;10;1", 0, 25, 1},
        {"PERSO=GARDE;0;0;1;1;1;10;0", 2, 50, 1},
    };
    for (const Ligne& l : lignes) {
        vider(monde());
        ASSERT_TRUE(charger(DEFINITIONS + "TYPEJEU=" + std::to_string(l.typeJeu) + "\n" + l.ligne));
        ASSERT_EQ(monde().persos.size(), 1u) << l.ligne;
        const CPerso& p = *monde().persos.front();
        EXPECT_FLOAT_EQ(p.sprite->oy, l.oy) << l.ligne << ": flag 0 at the feet, 1 at the centre";
        EXPECT_EQ(p.visee, l.visee) << l.ligne << " in game type " << l.typeJeu;
        EXPECT_EQ(p.sprite->flipH, 1) << "facing the sheet's way: not mirrored";
    }
    vider(monde());
    ASSERT_TRUE(charger(DEFINITIONS + "PERSO=GARDE;0;0;0;1;1;10;0\nPERSO=GARDE;5;5;1;1;1;10;0\n"));
    ASSERT_EQ(monde().persos.size(), 2u) << "two players";
    EXPECT_EQ(monde().persos.front()->sprite->flipH, -1) << "facing away from the sheet: mirrored";
    EXPECT_EQ(jeu->pPerso.get(), monde().persos.back()) << "the second is the player";
}

TEST_F(Cas, JoueurAbsentOuInconnu)
{
    // The game's player from an earlier level was freed with it: never used.
    ASSERT_TRUE(charger(DEFINITIONS + "PERSO=GARDE;0;0;1;1;1;10;0\n"));
    vider(monde());
    testing::internal::CaptureStderr();
    ASSERT_TRUE(charger(DEFINITIONS + "NUMJOUEUR=3\nDIRECTION=0\nPERSO_COLOR=1;1;1;1\nBOUCLIER=./x.dec\n"
                                      "PERSO=FANTOME;1;1;1;1;1;1;0\nNUMJOUEUR=2\nCOLSD=1;2;3;4\n"
                                      "SD=RIEN;0;0;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\nIDSD=x\nLOCK=1\n"
                                      "PERSO=FANTOME;2;2;1;1;1;1;0\n"));
    const std::string erreurs = testing::internal::GetCapturedStderr();
    EXPECT_TRUE(monde().persos.empty()) << "an unknown model makes no player";
    EXPECT_TRUE(plan(2).sprites.empty()) << "an unknown definition makes no sprite";
    EXPECT_EQ(lecteur->nomsInconnus, (std::vector<std::string>{"FANTOME", "RIEN"})) << "each name once";
    EXPECT_NE(erreurs.find("FANTOME"), std::string::npos) << "reported on standard error";
    EXPECT_EQ(erreurs.find("FANTOME"), erreurs.rfind("FANTOME")) << "once";
    EXPECT_EQ(tuv::wstrToUtf8(jeu->message), "Niveau « niveau.niv » :\nNon préchargés : FANTOME, RIEN")
        << "and over the level";
    EXPECT_EQ(monde().modelesDEC.count("RIEN"), 0u) << "the lookup leaves no empty entry";
}

TEST_F(Cas, EnregistrementsDeSprites)
{
    // Seesaw 0 and collapse 1: exactly two more values.
    ASSERT_TRUE(charger(DEFINITIONS + "SD=BLOC;0;0;2;0;0;0;0;5;-7;1;1;0;1;0;0;0;0;0;40;1;999\n"));
    ASSERT_NE(premier(2), nullptr);
    EXPECT_EQ(premier(2)->flipV, 1) << "a flip is a sign";
    ASSERT_NE(premier(2)->pPhysE, nullptr);
    EXPECT_TRUE(premier(2)->pPhysE->bHauteurAuto) << "the last of the two values";
    EXPECT_EQ(premier(2)->pPhysB, nullptr);
    // An unknown uniform type reads nothing more: its values become the next name and type.
    vider(monde());
    ASSERT_TRUE(charger(DEFINITIONS + sd(0, 0) + "SHADERSD=f.frag;2;a;mat2;1;2;;0\n"));
    const auto& u = premier(2)->uniformsFrag;
    ASSERT_EQ(u.size(), 2u);
    EXPECT_EQ(u.at("a").strType, "mat2");
    EXPECT_EQ(u.at("1").strType, "2");
    // "KP" without a path is ignored; the sprite stays where "SD" put it.
    vider(monde());
    ASSERT_TRUE(charger(DEFINITIONS + sd(10, 20) + "KP=150;250;1;1;0;255;255;255;255;0;0;-1;-1;-1;-1\n"));
    EXPECT_EQ(premier(2)->pChemin, nullptr);
    EXPECT_FLOAT_EQ(premier(2)->x, 10);
    // A short emitter line repeats its last value into the missing ones.
    vider(monde());
    ASSERT_TRUE(charger(DEFINITIONS + "SD=BLOC;7;8;2;0;0;0;0;1;1;1;1;0;0;0;0;1;0;0\nPARTICULESD=1;2;3\n"));
    const CParticules& p = *premier(2)->pParticules;
    EXPECT_EQ(p.hauteurEmetteur, 3);
    EXPECT_FLOAT_EQ(p.aleaAccel, 3);
    // Value 38 sets the emission pause and its running copy, or clears both.
    for (int pause : {1, 0}) {
        vider(monde());
        std::string valeurs;
        for (int i = 1; i <= 49; ++i)
            valeurs += (i > 1 ? ";" : "") + std::string(i == 38 ? std::to_string(pause) : i == 17 ? "" : "1");
        ASSERT_TRUE(charger(DEFINITIONS + "SD=BLOC;7;8;2;0;0;0;0;1;1;1;1;0;0;0;0;1;0;0\nPARTICULESD=" + valeurs));
        EXPECT_EQ(premier(2)->pParticules->bPauseEmission, pause == 1) << "value 38 = " << pause;
        EXPECT_EQ(premier(2)->pParticules->bPause, pause == 1) << "its running copy, value 38 = " << pause;
    }
    // A particle line for a sprite without emitter changes nothing.
    vider(monde());
    ASSERT_TRUE(charger(DEFINITIONS + sd(0, 0) + "PARTICULESD=1;2;3\n"));
    EXPECT_EQ(premier(2)->pParticules, nullptr);
}

TEST_F(Cas, MeteoEtIA)
{
    ASSERT_TRUE(charger("TAILLEJEU=500;400\nEFFET_PLUIE=1\nEFFET_PLUIE=1\nEFFET_NEIGE=0;30\nEFFET_ETOILES=0\n"));
    EXPECT_TRUE(monde().bPluie && monde().pPluie) << "two rain lines: one rain";
    EXPECT_FALSE(monde().bNeige || monde().pNeige) << "flag 0 makes nothing";
    EXPECT_FALSE(monde().bEtoiles || monde().pEtoiles);
    ASSERT_TRUE(charger("EFFET_NUAGEPOUSSIERE=1\n"));
    ASSERT_TRUE(charger("NOM=suivant;1\n"));
    EXPECT_FALSE(monde().bNuagePoussiere || monde().pNuagePoussiere) << "the previous level's dust cloud is gone";
    EXPECT_FALSE(monde().bPluie || monde().pPluie) << "and its rain";
    // AI lines: before any AI, for a model never preloaded, and after a decor sprite.
    ASSERT_TRUE(charger(DEFINITIONS + "IDIA=avant\nIA=INCONNU;1;1;1;1;1;1;0;0\nIDIA=perdu\nPATROUILLE=5\n"
                                      "IA=GARDE;5;5;1;1;1;1;0;0\n" +
                        sd(0, 0) + "OMBREIA=0;0;7;1;1;1;1\nIDIA=garde\n"));
    ASSERT_EQ(monde().ias.size(), 1u) << "an unknown model makes no AI";
    EXPECT_EQ(lecteur->lignesCorrigees.at(0).texte(true),
              "\"IA=INCONNU;1;1;1;1;1;1;0;0\": model not preloaded, not made");
    EXPECT_EQ(monde().ias.front()->id, "garde") << "AI lines after a decor sprite still reach the AI";
    EXPECT_EQ(monde().ias.front()->ombreYFixe, 7);
    EXPECT_EQ(monde().ias.front()->distancePatrouille, 0) << "lines after an unknown model change nothing";
    EXPECT_EQ(monde().ias.front()->animTouche, 0) << "a sheet without hit pictures shows its standing one when hit";
    jeu->pIABehaviours = new CIABehaviours();  // what knows the level's ids
    const std::string garde = "IA=GARDE;1;1;1;1;1;1;0;0\nIDIA=GARDE", pris = "IA=GARDE;2;2;1;1;1;1;0;0";
    for (const char* langue : {"fr_", "en_"}) {
        jeu->langueMenus = langue;
        vider(monde());
        ASSERT_TRUE(charger(DEFINITIONS + garde + "\nNUMPLANIA=9\n" + garde + "1\n" + pris + "\nIDIA=GARDE1\n"));
        EXPECT_EQ(monde().ias.size(), 2u) << "GARDE, then GARDE1 by its own id; not GARDE1 again";
        EXPECT_EQ(monde().ias.front()->numPlanIA, 2) << "a plane no AI is drawn on is read as the main one";
        const std::string plan = langue[0] == 'f' ? "« NUMPLANIA=9 » : plan d'IA hors de 0 à 5, lu comme 2\n"
                                                  : "\"NUMPLANIA=9\": AI plane outside 0 to 5, read as 2\n";
        EXPECT_EQ(tuv::wstrToUtf8(jeu->message),
                  langue[0] == 'f'
                      ? "Niveau « niveau.niv » :\n" + plan + "« " + pris + " » : ID GARDE1 déjà dans le niveau, non créé"
                      : "Level \"niveau.niv\":\n" + plan + "\"" + pris + "\": ID GARDE1 already in the level, not made");
    }
}

// A second zone replaces the first, whose scripts leave the engine.
TEST_F(Cas, SecondeZoneDeForce)
{
    for (const char* s : {"a", "b", "c"})
        ecrireScript(std::string("./scripts/") + s + ".scp");
    const std::string zone = "0;0;0;0;1;1;./scripts/%s.scp;0;1;1;0;;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0;0\n";
    auto ligne = [&zone](const char* s) {
        std::string l = zone;
        return "FORCESD=" + l.replace(l.find("%s"), 2, s);
    };
    ASSERT_TRUE(charger(DEFINITIONS + sd(0, 0) + ligne("a") + ligne("b")));
    ASSERT_NE(premier(2)->pForce, nullptr);
    EXPECT_EQ(premier(2)->pForce->Script, "./scripts/b.scp");
    ASSERT_EQ(moteur().scripts.size(), 1u) << "the first zone's script left the engine";
    EXPECT_EQ(moteur().scripts[0]->strFichier, "./scripts/b.scp");
    EXPECT_EQ(premier(2)->pForce->pScript, moteur().scripts[0].get());
}

TEST_F(Cas, FichierAbsent)
{
    CDecor& d = monde();
    d.scrollVue = 5;
    d.vitesseScrollVue = 7;
    d.zoomVue = 2;
    d.chrono = 44;
    jeu->fichierJeu = "avant.niv";
    jeu->bJoue = false;
    CFichierNiveau f;
    EXPECT_FALSE(f.chargerNiveau("absent.niv", d)) << "a file that does not open";
    EXPECT_EQ(jeu->fichierJeu, "avant.niv");
    EXPECT_FALSE(jeu->bJoue);
    EXPECT_EQ(d.chrono, 44) << "the world stays as it was";
    EXPECT_FLOAT_EQ(jeu->pvueJeu->zoom, 2) << "the camera is still set from the world";
    EXPECT_FALSE(jeu->statut.empty()) << "the load time is still shown";
}

// A world that held another level ends as a fresh world reading the same file.
TEST_F(Cas, ChargementSansHistorique)
{
    peindre("niveaux/fond.png", 8, 8);
    const std::string premierNiveau =
        DEFINITIONS + "NOM=Un;4\nTAILLEJEU=900;800\nSCROLLVUE=4;20;2\nSCROLLPLAN3=0.5;0.5\nZONE=1;1;2;3;4\nCHRONO=60\n"
                      "ETOILES=1;2;3\nCARTE=1\nFONDCOULEUR=1;2;3;4\nFOND=./niveaux/fond.png;5;6;2\nSHADERBLUR=2;3\n"
                      "SHADERBLUR=5;1\nIMAGECHARGEMENT=./niveaux/fond.png\nPOUSSIERE_PAS=./a.dec\nTRACE_PAS=./a.png\n"
                      "MUSIQUE=./m.ogg;0\nMUSIQUE_AMBIANCE=./v.ogg;0\nINFOS=0\n" +
        sd(1, 1);
    const std::string second = DEFINITIONS + "NOM=Deux;9\n" + sd(5, 6) + "IDSD=seul\n";
    auto releve = [](CDecor& d) {
        std::ostringstream o;
        o << tuv::wstrToUtf8(d.nomNiveau) << '|' << d.numNiveau << '|' << d.tailleJeuX << ',' << d.tailleJeuY << '|'
          << d.scrollVue << ',' << d.vitesseScrollVue << ',' << d.zoomVue << '|';
        for (auto& p : d.scrollPlans)
            o << p[0] << ',' << p[1] << ';';
        o << '|' << d.bZone;
        for (int z : d.zone)
            o << ',' << z;
        o << '|' << d.chrono << ',' << d.chronoRef << '|' << d.etoiles[0] << d.etoiles[1] << d.etoiles[2] << '|'
          << d.bCarte << '|' << int(d.couleurFond.r) << ',' << int(d.couleurFond.a) << ',' << d.bCouleurFond << '|'
          << d.pFondImage->strFichierFond << ',' << d.pFondImage->x0 << ',' << d.pFondImage->y0 << ','
          << d.pFondImage->s << ',' << d.pFondImage->shader_blur_radius << ',' << (d.pFondImage->pTexture != nullptr)
          << '|' << d.strImageChargement << '|' << d.strPoussierePas << '|' << d.strTracePas << '|' << d.cheminMusique
          << ',' << d.bMusiqueBoucle << ',' << d.cheminMusiqueAmbiance << ',' << d.bMusiqueAmbianceBoucle << ','
          << d.bInfos << '|';
        for (CCalqueSD* p : d.pPlans)
            o << p->rayonFlou << ',' << p->sprites.size() << ';';
        for (CCalqueSD* p : d.pPlans)
            for (CSPRITE* s : p->sprites)
                o << s->strSourceDEC << '@' << s->x << ',' << s->y << ',' << s->strID << ';';
        return o.str();
    };
    ASSERT_TRUE(charger(premierNiveau));
    vider(monde());
    ASSERT_TRUE(charger(second));
    const std::string apres = releve(monde());
    CDecor neuf;
    vider(*jeu->pdecorJeu);
    ASSERT_TRUE(charger(second, &neuf));
    EXPECT_EQ(apres, releve(neuf)) << "the previous level leaves nothing behind";
    EXPECT_EQ(monde().pFondImage->pTexture, nullptr) << "no picture without FOND";
}

// Loading behind the menus while the game world is active changes only the menu world and
// its camera, and the game world's character scale.
TEST_F(Cas, DeuxMondes)
{
    ecrireScript("./scripts/s.scp");
    jeu->typeJeu = 0;
    jeu->fichierJeu = "jeu.niv";
    jeu->vuemode_save = 2;
    jeu->bCarteJeu = false;
    CPerso* joueur = new CPerso();
    monde().persos.push_back(joueur);
    jeu->pPerso = joueur;
    CDecor& menu = *jeu->pdecorMenu;
    ASSERT_TRUE(charger(DEFINITIONS + "TYPEJEU=2\nSCROLLVUE=6;3;0.5\nCARTE=1\nNOM=Menu;1\nSCALE_PERSOS=2;3\n"
                                      "SCRIPTRUN=./scripts/s.scp;2;0;1\nPERSO=GARDE;0;0;1;1;1;10;0\n" +
                            sd(1, 2) + sd(3, 4, "RIEN"),
                        &menu));
    EXPECT_EQ(menu.persos.size(), 1u) << "the player goes to the menu world";
    EXPECT_EQ(menu.persos.front()->visee, 1) << "the file's own game type (two-player) sets the aim";
    EXPECT_EQ(jeu->pvueMenu->vuemode, 6) << "the menu camera";
    EXPECT_EQ(jeu->pvueJeu->vuemode, 1) << "the game camera is untouched";
    EXPECT_TRUE(jeu->typeJeu == 0 && jeu->fichierJeu == "jeu.niv" && jeu->vuemode_save == 2 && !jeu->bCarteJeu)
        << "the game's fields are untouched";
    EXPECT_TRUE(menu.typeJeu == 2 && menu.fichierNiveau == "niveau.niv") << "the menu world keeps its own";
    EXPECT_EQ(jeu->pPerso.get(), joueur) << "the game's player stays";
    EXPECT_TRUE(monde().pPlans[2]->sprites.empty());
    EXPECT_TRUE(moteur().scripts.empty()) << "no script in the game world's engine";
    EXPECT_EQ(jeu->pscriptEngineMenu->scripts.size(), 1u) << "the menu world's engine has it";
    EXPECT_FLOAT_EQ(monde().scalePersosX, 2) << "SCALE_PERSOS is the game world's";
    EXPECT_FLOAT_EQ(menu.scalePersosX, 1);
    EXPECT_TRUE(jeu->message.empty()) << "what the menus' level lacks is not said over the game";
    // but to the editor when it is entered on that level (M in a menu), before R can save it,
    menu.montrerMessageChargementTenu();
    EXPECT_EQ(tuv::wstrToUtf8(jeu->message), "Niveau « niveau.niv » :\nNon préchargés : RIEN");
    jeu->message.clear();
    menu.montrerMessageChargementTenu();
    EXPECT_TRUE(jeu->message.empty()) << "once";
    jeu->mode = 2;  // and at once to the editor entered from the menu, which works on that level
    jeu->pdecor = &menu;
    ASSERT_TRUE(charger(sd(3, 4, "RIEN"), &menu));
    EXPECT_EQ(tuv::wstrToUtf8(jeu->message), "Niveau « niveau.niv » :\nNon préchargés : RIEN");
    jeu->message.clear();
    menu.montrerMessageChargementTenu();
    EXPECT_TRUE(jeu->message.empty()) << "a message shown at the load is not kept";
}

// "FREE_TEXTURE_MEM": the definitions leave the maps; nothing drawn from one is freed under it.
TEST_F(Cas, LiberationDesDefinitions)
{
    const std::string niveau = "FREE_TEXTURE_MEM=1\n" + DEFINITIONS + "PERSO=GARDE;0;0;1;1;1;10;0\n" + sd(1, 1);
    ASSERT_TRUE(charger(niveau));
    CDEC* garde = monde().modelesPersos["GARDE"];
    // A preloaded game character drawing from the level's model keeps it alive.
    auto* precharge = new CPerso();
    precharge->sprite->pDEC = garde;
    jeu->persosPrecharges.push_back(precharge);
    for (int i = 0; i < 3; ++i) {
        vider(monde());
        ASSERT_TRUE(charger(niveau)) << "load " << i;
        EXPECT_EQ(monde().modelesDEC.size(), 1u) << "the file's definitions, read again";
        EXPECT_NE(monde().modelesPersos["GARDE"], garde) << "a new model under the name";
    }
    ASSERT_EQ(monde().definitionsRetirees.size(), 1u) << "only the model still in use waits";
    EXPECT_EQ(monde().definitionsRetirees.front().get(), garde);
    jeu->persosPrecharges.clear();
    delete precharge;
    vider(monde());
    ASSERT_TRUE(charger("NOM=x;1\n"));
    EXPECT_TRUE(monde().definitionsRetirees.empty()) << "freed at the next load once unused";
    // The game's guard keeps every definition in its map.
    jeu->bNeverFreeTextures = true;
    ASSERT_TRUE(charger(niveau));
    ASSERT_TRUE(charger(niveau));
    EXPECT_EQ(monde().modelesDEC.size(), 1u);
    EXPECT_TRUE(monde().definitionsRetirees.empty());
}

// A preloaded file edited while the game runs is read again by the next load of the level (the
// editor's C), whose message lists its notes as the first load's does; a file gone since
// leaves the definition as it was read, and the message says so.
TEST_F(Cas, DefinitionModifieeRelue)
{
    const std::string niveau = DEFINITIONS + sd(1, 1);
    const std::string bloc = "ID=BLOC\nPLANCHE=./decors/bloc.png;\nSPRITE=0;0;2;20;20;0;0\nORIGINE=";
    ecrireFichier("decors/bloc.dec", bloc + "abc;5\n");
    ASSERT_TRUE(charger(niveau));
    ASSERT_EQ(lecteur->notesDefinitions.size(), 1u) << "the first load";
    ASSERT_TRUE(charger(niveau));
    ASSERT_EQ(lecteur->notesDefinitions.size(), 1u) << "the same definition loaded again";
    EXPECT_NE(tuv::wstrToUtf8(jeu->message).find("ORIGINE valeur 1 «abc»"), std::string::npos) << "in the message";
    ecrireFichier("decors/bloc.dec", bloc + "7;5\n");
    ASSERT_TRUE(charger(niveau));
    EXPECT_TRUE(lecteur->notesDefinitions.empty()) << "the mended file read again";
    ASSERT_NE(premier(2), nullptr);
    EXPECT_EQ(monde().modelesDEC["BLOC"]->pFichierDEC->origineX, 7) << "its new origin, which the sprites take";
    std::filesystem::remove("decors/bloc.dec");
    ASSERT_TRUE(charger(niveau));
    EXPECT_EQ(lecteur->definitionsNonRelues, (std::vector<std::string>{"./decors/bloc.dec"}));
    EXPECT_NE(tuv::wstrToUtf8(jeu->message).find("Non relue"), std::string::npos);
    EXPECT_EQ(monde().modelesDEC["BLOC"]->pFichierDEC->origineX, 7) << "the definition read before stays";
}

// Bad input: the load returns and keeps everything in range (run under the sanitizers).
TEST_F(Cas, EntreesAbsurdes)
{
    const std::string niveau =
        DEFINITIONS +
        "TAILLEJEU=99999999999999;-99999999999999\nSCROLLVUE=x;y;nan\nEFFET_NEIGE=1;-5\nEFFET_ETOILES=1;99999999999\n"
        "EFFET_LUCIOLES=1;2147483648\nSD=BLOC;1e30;-1e30;2;0;0;inf;nan;5;-7;1e39;-1e39;1;1;1;1;1;1;1;"
        "-9;9;9;9;9;9;9;9;9;9\nKPG=7;1;1;1;1;1;-5\nKP=1e30;-1e30;1;1;nan;300;300;300;300;1;1;1;1;1;1\n"
        "SHADERSD=a.frag;2147483647;x;vec4\nCALQUESD=-3\nPARTICULESD=1;1;1;1;1;1;999999999\n"
        "FORCESD=1\nOMBRESD=x\nIDSD=a;b\nCOLSD=-1;-1;-1;-1\nVOLUMESON=1e20\n"
        "PERSO=GARDE;99999999999;-99999999999;7;nan;inf;5;9\nBOUCLIER=./absent.dec\nDIRECTION=5\n"
        "IA=GARDE;1;1;1;1;1;1;1;1\nIDIA=x\nOMBREIA=1\nSCRIPTRUN=./scripts/absent.scp;99;1;-1\n"
        "SCRIPT_DECLENCHEUR_CHRONO=2147483647\nTEXTURE_PER=./absent.per;P\nTEXTURE_DEC=./absent.dec;D\n"
        "SD=D;0;0;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\nFOND=./absent.png;1;1;1\n";
    ASSERT_TRUE(charger(niveau));
    CSPRITE* s = premier(2);
    ASSERT_NE(s, nullptr);
    EXPECT_FLOAT_EQ(s->x, 2e9f) << "a key point far away is clamped before truncation";
    EXPECT_FLOAT_EQ(s->y, -2e9f);
    EXPECT_FLOAT_EQ(s->rotangle_virtuel, 0) << "a float that is not finite reads as 0";
    EXPECT_LE(s->pParticules->nbParticules, CParticules::NB_PARTICULES_MAX);
    EXPECT_EQ(s->strID, "a") << "a name cut at \";\"";
    EXPECT_EQ(s->couleur, sf::Color(255, 255, 255, 255)) << "COLSD -1 keeps its low 8 bits";
    EXPECT_EQ(monde().pFondImage->strFichierFond, "./absent.png") << "a missing picture keeps its name";
    // Read again after a level whose characters and sprites were freed.
    vider(monde());
    ASSERT_TRUE(charger(niveau));
    EXPECT_EQ(monde().persos.size(), 1u);
    // A view mode the camera does not know, or a zoom that shows nothing, is read as the
    // default, and the line is named over the level in the player's language.
    enum { RIEN = -1, MODE, ZOOM, NONNOMBRE };
    const struct { const char* langue; std::string titre, avant, apres[3]; } langues[] = {
        {"fr_", "Niveau « niveau.niv » :\n", "« ",
         {" » : mode de vue inconnu, lu comme 1", " » : zoom de vue nul, négatif ou infini, lu comme 1",
          " » : zoom de vue qui n'est pas un nombre, lu comme 1"}},
        {"en_", "Level \"niveau.niv\":\n", "\"",
         {"\": unknown view mode, read as 1", "\": zero, negative or infinite view zoom, read as 1",
          "\": view zoom that is not a number, read as 1"}}};
    const struct { std::string ligne; int mode; float zoom; int dit; } vues[] = {
        {"SCROLLVUE=9;18;1", 1, 1, MODE}, {"SCROLLVUE=-1;18;1", 1, 1, MODE}, {"SCROLLVUE=2147483647;18;1", 1, 1, MODE},
        {"SCROLLVUE=4;18;0", 4, 1, ZOOM}, {"SCROLLVUE=4;18;-0.5", 4, 1, ZOOM}, {"SCROLLVUE=4;18;-Inf", 4, 1, ZOOM},
        {"SCROLLVUE=4;18;nan", 4, 1, NONNOMBRE}, {"SCROLLVUE=4;18;0.8", 4, 0.8f, RIEN}};
    for (const auto& l : langues)
        for (const auto& v : vues) {
            jeu->langueMenus = l.langue;
            jeu->message.clear();
            ASSERT_TRUE(charger(v.ligne + "\n"));
            EXPECT_TRUE(monde().scrollVue == v.mode && jeu->vuemode_save == v.mode && jeu->pvueJeu->vuemode == v.mode)
                << v.ligne;
            EXPECT_FLOAT_EQ(jeu->pvueJeu->zoom, v.zoom) << v.ligne;
            const std::string dit = v.dit == RIEN ? "" : l.titre + l.avant + v.ligne + l.apres[v.dit];
            EXPECT_EQ(tuv::wstrToUtf8(jeu->message), dit) << l.langue << " " << v.ligne;
        }
    // Past four reasons (of whole lines, the rest counted in lines), and the names left out.
    const std::string deux = "SCROLLVUE=9;18;nan\n", un = "SCROLLVUE=9;18;1\n";
    ASSERT_TRUE(charger(un + deux + un + deux + deux + un + sd(0, 0, "RIEN")));
    const std::wstring m = jeu->message;
    EXPECT_NE(m.find(L"\n... and 3 more corrected lines (console)\nNot preloaded: RIEN"), std::wstring::npos)
        << tuv::wstrToUtf8(m);
}

// A game type, a background scale or a blur that F6 refuses is read as its default, and the load
// names the line; the scale of no picture and the blur of no plane are not read: nothing said.
TEST_F(Cas, ReglagesRefusesParF6)
{
    peindre("decors/fond.png", 8, 8);
    const std::string fond = "FOND=./decors/fond.png;0;0;", ECHELLE = "échelle du fond de 0 ou moins, lu comme 1";
    // The line; the game type, the background's scale and blur and plane 2's blur read; what is said.
    const struct { std::string ligne; int type; float echelle, flouFond, flouPlan2; std::string dit; } cas[] = {
        {"TYPEJEU=-1", 0, 1, 0, 0, "type de jeu hors de 0 à 2, lu comme 0"}, {"TYPEJEU=2", 2, 1, 0, 0, ""},
        {fond + "-2.5", 0, 1, 0, 0, ECHELLE}, {fond + "nan", 0, 1, 0, 0, "valeur 4 «nan» n'est pas un nombre, lu comme 1"}, {fond + "0.5", 0, 0.5f, 0, 0, ""},
        {"FOND=;0;0;0", 0, 1, 0, 0, ""},      {"SHADERBLUR=2;-0.5", 0, 1, 0, 0, "flou négatif, lu comme 0"},
        {"SHADERBLUR=5;3", 0, 1, 3, 0, ""},   {"SHADERBLUR=7;-4", 0, 1, 0, 0, ""},
    };
    for (const auto& c : cas) {
        jeu->message.clear();
        jeu->typeJeu = 0;  // the game's, which a file without the line leaves as it is
        ASSERT_TRUE(charger(c.ligne + "\n"));
        const CDecor& m = monde();
        EXPECT_TRUE(jeu->typeJeu == c.type && m.typeJeu == c.type && m.pFondImage->s == c.echelle &&
                    m.pFondImage->shader_blur_radius == c.flouFond && m.pPlans[2]->rayonFlou == c.flouPlan2)
            << c.ligne << ": game type " << m.typeJeu << ", scale " << m.pFondImage->s << ", blurs "
            << m.pFondImage->shader_blur_radius << " " << m.pPlans[2]->rayonFlou;
        const std::string dit = c.dit.empty() ? "" : "Niveau « niveau.niv » :\n« " + c.ligne + " » : " + c.dit;
        EXPECT_EQ(tuv::wstrToUtf8(jeu->message), dit) << c.ligne;
    }
    jeu->langueMenus = "en_";
    ASSERT_TRUE(charger("TYPEJEU=3\n" + fond + "0\nSHADERBLUR=5;-4\n"));
    EXPECT_EQ(tuv::wstrToUtf8(jeu->message), "Level \"niveau.niv\":\n\"TYPEJEU=3\": game type outside 0 to 2, read as 0\n"
                                             "\"" + fond + "0\": background scale of 0 or below, read as 1\n"
                                             "\"SHADERBLUR=5;-4\": negative blur, read as 0");
}

// Every value of a setting F6 shows is read under F6's rule for its field, a short line's
// missing values as its last one: each value read otherwise than written is named, the
// line's reasons together.
TEST_F(Cas, ValeursDesReglagesLuesAutrementNommees)
{
    peindre("decors/fond.png", 8, 8);
    const struct { std::string ligne; std::string dit; } cas[] = {
        {"FOND=./decors/fond.png;abc;12.5;1",
         "valeur 2 «abc» n'est pas un nombre, lu comme 0\n« FOND=./decors/fond.png;abc;12.5;1 » : "
         "valeur 3 «12.5» n'est pas un nombre entier, lu comme 12"},
        {"FOND=./decors/fond.png;0;0;inf", "valeur 4 «inf» n'est pas un nombre, lu comme 1"},
        {"FOND=./decors/fond.png;4", "valeur 3-4 absente(s), lu comme 4"},
        {"ZONE=1;abc;5.5;-3;x",
         "valeur 2 «abc» n'est pas un nombre, lu comme 0\n« ZONE=1;abc;5.5;-3;x » : valeur 3 «5.5» n'est pas un "
         "nombre entier, lu comme 5\n« ZONE=1;abc;5.5;-3;x » : valeur 5 «x» n'est pas un nombre, lu comme 0"},
        {"ZONE=1;10;20", "valeur 4-5 absente(s), lu comme 20"},
        {"SHADERBLUR=2;abc", "valeur 2 «abc» n'est pas un nombre, lu comme 0"},
        {"SHADERBLUR=5", "valeur 2 absente(s), lu comme 5"},
        {"TYPEJEU=1.5", "valeur 1 «1.5» n'est pas un nombre entier, lu comme 1"},
        {"ZONE=1;-3;0;50;60", ""},
        {"FOND=./decors/fond.png;3000000000;0;3000000000", ""},  // past F6's fields, kept as ever
    };
    for (const auto& c : cas) {
        jeu->message.clear();
        ASSERT_TRUE(charger(c.ligne + "\n"));
        const std::string dit = c.dit.empty() ? "" : "Niveau « niveau.niv » :\n« " + c.ligne + " » : " + c.dit;
        EXPECT_EQ(tuv::wstrToUtf8(jeu->message), dit) << c.ligne;
    }
    ASSERT_TRUE(charger("FOND=./decors/fond.png;abc;12.5;inf\nZONE=1;abc;5.5;-3;x\nSHADERBLUR=2;abc\n"));
    const CDecor& m = monde();
    EXPECT_TRUE(m.pFondImage->x0 == 0 && m.pFondImage->y0 == 12 && m.pFondImage->s == 1)
        << "background read as " << m.pFondImage->x0 << ", " << m.pFondImage->y0 << ", scale " << m.pFondImage->s;
    EXPECT_TRUE(m.bZone && m.zone[0] == 0 && m.zone[1] == 5 && m.zone[2] == -3 && m.zone[3] == 0)
        << "zone read as " << m.zone[0] << ";" << m.zone[1] << ";" << m.zone[2] << ";" << m.zone[3];
    EXPECT_EQ(m.pPlans[2]->rayonFlou, 0) << "a blur that is no number";
}
