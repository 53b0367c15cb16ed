// Level load and start: what a load empties and rebuilds, the game's fields both reset, the
// respawn rules of a restart, meteors, camera, HUD countdown, background bindings, and the
// editor's save and reload keys.
#include "level/OutilsSauvegarde.h"

#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"
#include "characters/EtatsPerso.h"
#include "characters/IABehaviours.h"
#include "core/ForceSD.h"
#include "core/Physique.h"
#include "level/Creusement.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <regex>
#include <sstream>

namespace {

// A player from a model, a guard, a box on the main plane with a level-file script, and a
// respawn point "r1" the guard is tied to.
const char* const NIVEAU = "TEXTURE_PER=./personnages/garde.per;GARDE\n"
                           "TEXTURE_DEC=./decors/boite.dec;BOITE\n"
                           "TEXTURE_DEC=./decors/respawn.dec;RESPAWN\n"
                           "PERSO=GARDE;100;500;0;1;1;33;0\n"
                           "IA=GARDE;3000;800;0;1;1;80;1;3\nIDRESPAWN=r1\n"
                           "SD=BOITE;200;60;2;16;32;0;0;1;1;1;1;0;0;0;0;0;0;0\n"
                           "SCRIPTRUN=./scripts/boite.scp;0;0;-1\n"
                           "SD=RESPAWN;900;60;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\nIDSD=r1\n";

class ChargementTest : public SauvegardeTest {
protected:
    void SetUp() override
    {
        SauvegardeTest::SetUp();
        peindre("decors/respawn.png", 16, 8);
        ecrireFichier("decors/respawn.dec", "ID=RESPAWN\nPLANCHE=./decors/respawn.png;\nSPRITE=0;0;1;8;8;0;0\nSPRITE=8;0;1;8;8;0;0\n");
        ecrireFichier("n.niv", NIVEAU);
    }
    struct Comptes {
        size_t sprites, ias, persos, scripts, tirs, trous, effets, traces;
        bool operator==(const Comptes& o) const
        {
            return std::tie(sprites, ias, persos, scripts, tirs, trous, effets, traces) ==
                   std::tie(o.sprites, o.ias, o.persos, o.scripts, o.tirs, o.trous, o.effets, o.traces);
        }
    };
    Comptes compter()
    {
        CDecor& d = monde();
        size_t n = 0;
        for (const CCalqueSD* p : d.pPlans)
            n += p->sprites.size();
        return {n, d.ias.size(), d.persos.size(), moteur().scripts.size(), jeu->parmes->tirs.size(),
                d.creusements.size(), d.effets.size(), d.tracesPas.size()};
    }
    // A meteor model among the game's preloaded AIs.
    void modeleMeteore()
    {
        auto* m = new CPerso();
        m->sprite->ID = CDecor::MODELE_METEORE;
        m->sprite->bAnime = true;
        m->modeIA = CDecor::MODE_IA_METEORE;
        jeu->iasPrechargees.push_back(m);
    }
};

// What play changes in the sprite: place, animation, look and every behaviour's run state.
std::string etatSD(const CSPRITE& sd)
{
    std::ostringstream o;
    const sf::Color c = sd.sprite.getColor();
    o << sd.getIdDEC() << " at " << sd.x << "," << sd.y << " anim " << sd.getNumAnim() << "/" << sd.numFrame
      << " visible " << sd.bVisible << " colour " << int(c.r) << "," << int(c.g) << "," << int(c.b) << "," << int(c.a)
      << " (" << int(sd.couleur.b) << ") scale " << sd.sx << "," << sd.sy << " flips " << sd.flipH << "," << sd.flipV
      << " angle " << sd.rotangle << "+" << sd.angleDynamique << "+" << sd.angleTourne << " bounce "
      << (sd.pPhysR ? sd.pPhysR->etat : -1);
    if (const CPhysDestruction* d = sd.pPhysDestruction)
        o << " destruction " << d->degatsRecus << "/" << d->bDetruit << "/" << d->compteurTeinte;
    if (const CPhysEffondrement* e = sd.pPhysE)
        o << " collapse " << e->etat << "/" << e->bEnAttente << "/" << e->parcouru << "/" << e->bTermine << "/" << e->reste;
    if (const CForceSD* f = sd.pForce)
        o << " force " << f->bNouveauCycle << "/" << f->bEnForce << "/" << f->compteurCycle << "/" << f->compteurDuree
          << "/" << f->longueurCycle << "/" << f->duree << "/" << f->limiteX << "/" << f->limiteY;
    return o.str();
}

} // namespace

// A crate shot down (it vanishes), a slab stood on until it fell, a seesaw tilted, a bounce pad used, a
// force zone of another plane run, a slab driven along its key points, grass started on its
// second frame, a script that moved, recoloured, hid and animated sprites, the hero on his
// second weapon: a restart gives back each sprite as the level's load gave it, in an adventure
// as in a chrono level, and the hero his start weapon.
TEST_F(ChargementTest, UnRedemarrageRendLeNiveauDuChargement)
{
    peindre("decors/caisse.png", 32, 64);
    ecrireFichier("decors/caisse.dec", "ID=CAISSE\nPLANCHE=./decors/caisse.png;\nSPRITE=0;0;1;32;32;0;0\n"
                                       "SPRITE=0;32;1;32;32;0;0\nORIGINE=16;32\nCOLLISIONS=1\n"
                                       "PHYSDESTRUCTION=1;30;1;0;0;0;1;255;140;100;255\n");
    ecrireFichier("decors/herbe.dec", "ID=HERBE\nPLANCHE=./decors/caisse.png;\nSPRITE=0;0;2;16;32;0.5;0\n"
                                      "SPRITE=0;32;1;16;32;0;0\nNUM_ANIM_DEBUT=1\n");
    ecrireFichier("personnages/tireur.per", "ID=TIREUR\nSPRITE3=./personnages/heros.anm\nORIGINE=-1;-1\n"
                                            "ARME=1;1;0;0\nARME=7;1;0;0\n");
    ecrireFichier("scripts/jeu.scp", "SETSDPOS(p;50;60)\nSETSDCOLOR(0;0;255;128;p)\nSETSDVISIBLE(0;h)\nSDANIM(h;1)\n");
    for (int type : {0, 1}) {
        ecrireFichier("b.niv", "TYPEJEU=" + std::to_string(type) + "\nSCRIPTRUN=./scripts/jeu.scp;2;0;1\n"
                               "TEXTURE_DEC=./decors/caisse.dec;CAISSE\nTEXTURE_DEC=./decors/dalle.dec;DALLE\n"
                               "TEXTURE_DEC=./decors/herbe.dec;HERBE\nPERSO3=./personnages/tireur.per;100;500;0;1;1;10;0\n"
                               "SD=CAISSE;200;500;2;16;32;0;0;1;1;1;1;0;0;0;0;0;0;1\n"
                               "SD=DALLE;300;500;2;32;0;0;0;1;1;1;1;0;1;0;0;0;0;0;40;0\n"
                               "SD=DALLE;400;500;2;32;0;0;0;1;1;1;1;1;0;0;0;0;0;0;-1;-1;-1;0;1.5;0;0;0\n"
                               "SD=DALLE;500;500;2;32;0;0;0;1;1;1;1;0;0;1;1;0;0;0\nIDSD=p\n"
                               "SD=DALLE;700;500;2;32;0;0;0;1;1;1;1;0;0;0;0;0;0;0\nKPG=0;4;5;0.1;20;0;-1\n"
                               "KP=720;480;1.5;1;10;200;100;50;255;0;0;-1;-1;-1;-1\n"
                               "KP=900;480;2;0.5;90;0;0;255;255;1;0;-1;-1;-1;-1\n"
                               "SD=HERBE;800;500;2;8;32;0;0;1;1;1;1;0;0;0;0;0;0;0\nIDSD=h\n"
                               "SD=DALLE;600;500;3;32;0;0;0;1;1;1;1;0;0;0;0;0;0;0\nFORCESD=" +
                                   std::regex_replace(FORCE_TEST, std::regex(";2;1;"), ";2;0;") + "\n");  // running
        monde().chargerNiveau("b.niv", 0);
        const auto chaque = [&](auto f) { for (int n = 0; n < 5; ++n) for (CSPRITE* s : sprites(n)) f(*s); };
        const auto etats = [&] { std::vector<std::string> r; chaque([&](CSPRITE& s) { r.push_back(etatSD(s)); }); return r; };
        const std::vector<std::string> frais = etats();
        const std::vector<CSPRITE*> sd = sprites(2);
        ASSERT_TRUE(sd.size() == 6 && sprites(3).size() == 1 && sd[0]->pPhysDestruction && sd[1]->pPhysE &&
                    sd[2]->pPhysB && sd[3]->pPhysR && sd[4]->pChemin && sd[5]->numFrame == 1 && sprites(3)[0]->pForce);
        CPerso& heros = *monde().persos.front();
        // Play as the shots, the hero's steps and his weight do it, the script, then a second
        // of frames; the seesaw tilted and the crate tinted as the restart comes.
        for (int tir = 0; tir < 3; ++tir)
            sd[0]->pPhysDestruction->toucher(sd[0], 12);
        sd[1]->pPhysE->bEnAttente = false;
        sd[3]->pPhysR->maj(500, 500, sd[3]);
        for (int i = 0; i < 30; ++i) {
            moteur().lancerScripts();
            chaque([](CSPRITE& s) { s.afficher(nullptr, 0, 0, s.passeDessin()); });
        }
        sd[2]->angleDynamique = 12;
        sd[0]->sprite.setColor(sf::Color::Red);
        heros.selectArme(1);
        ASSERT_TRUE(monde().sauverNiveau("joue.niv"));
        EXPECT_FALSE(contient(lireTexte("joue.niv"), "COLSD=0;0;255")) << "a save keeps the level's colour, not the script's";
        ASSERT_TRUE(sd[0]->pPhysDestruction->bDetruit && !sd[0]->bVisible && sd[1]->pPhysE->etat == 2 && !sprites(3)[0]->pForce->bNouveauCycle &&
                    sd[3]->x == 50 && sd[3]->couleur.b == 255 && !sd[5]->bVisible && sd[4]->x > 720)
            << "broken, fallen, run, moved by the script and along the path";
        monde().demarrerNiveau(1);
        EXPECT_EQ(etats(), frais) << "type " << type << ": every sprite after a restart as after the load (a crate whole breaks again)";
        EXPECT_EQ(heros.armeCourante, 0) << "the start weapon again";
    }
}

// A chrono script of 2 seconds on a box, which never shows an animation 1, runs on the first
// frames after a load as after a restart; the restart takes away what its run wrote.
TEST_F(ChargementTest, UnChronoPartAuChargementCommeAuRedemarrage)
{
    ecrireFichier("scripts/tic.scp", "PRINT(\"tic\";600;300)\n");
    ecrireFichier("c.niv", "TEXTURE_DEC=./decors/boite.dec;BOITE\nSD=BOITE;200;60;2;16;32;0;0;1;1;1;1;0;0;0;0;0;0;0\n"
                           "SCRIPTRUN=./scripts/tic.scp;12;0;-1\nSCRIPT_DECLENCHEUR_CHRONO=2\n");
    monde().chargerNiveau("c.niv", 0);
    const CScript& tic = *moteur().scripts.back();
    for (const char* quoi : {"load", "restart"}) {
        if (quoi == std::string("restart"))
            monde().demarrerNiveau(1);
        EXPECT_TRUE(tic.prints.empty()) << quoi;
        for (int i = 0; i < 3; ++i)
            moteur().lancerScripts();
        EXPECT_EQ(tic.prints.size(), 1u) << quoi << ": it ran at once";
    }
}

TEST_F(ChargementTest, DeuxChargementsDonnentLeMemeMonde)
{
    monde().chargerNiveau("n.niv", 0);
    const Comptes premier = compter();
    ASSERT_EQ(premier.sprites, 2u);
    ASSERT_TRUE(premier.ias == 1 && premier.persos == 1 && premier.scripts == 1);
    // What play leaves behind, and the editor's selections.
    monde().ajouterTracePas(100, 100, 1);
    monde().ajouterCreusement(sprites(2)[0], 200, 60);
    monde().pSDSelection = sprites(2)[0];
    jeu->pPersoSelection = monde().ias.front();
    jeu->parmes->tirs.push_back(new CTir());
    monde().activerOrage(true);
    monde().chargerNiveau("n.niv", 0);
    EXPECT_TRUE(compter() == premier) << "nothing of the first load remains";
    EXPECT_EQ(monde().pSDSelection, nullptr);
    EXPECT_FALSE(jeu->pPersoSelection) << "the selected AI went with its level";
    EXPECT_EQ(jeu->pPerso, monde().persos.front()) << "the level's first character plays";
    EXPECT_FALSE(monde().bOrage || monde().pOrage) << "the storm is off unless the level turns it on";

    monde().chargerNiveau("absent.niv", 0);
    EXPECT_EQ(fermerBoites(), std::vector<std::string>{"Erreur !"}) << "a missing file is said";
    EXPECT_TRUE(monde().persos.empty() && monde().ias.empty() && sprites(2).empty()) << "and leaves an empty world";
    EXPECT_FALSE(jeu->pPerso) << "no default character: no player";
}

TEST_F(ChargementTest, ChampsDuJeuAuDemarrageEtAuChargement)
{
    for (bool chargement : {false, true}) {
        monde().chargerNiveau("n.niv", 0);
        FaceTest& j = *jeu;
        j.bJoue = j.bControleJoueurs = j.bSansFaute = j.bZoomEntree = false;
        j.tableCoups[2] = j.compteursNiveau[1] = j.compteurJeu = j.manchesGagnees[3] = j.paralysie[1] = 4;
        j.nbJoueursMultiDcd = j.compteurMultiPause = 5;
        j.bGoChrono = j.bPersoIAdcd = true;
        chargement ? monde().chargerNiveau("n.niv", 2) : monde().demarrerNiveau(2);
        const char* quoi = chargement ? "load" : "start";
        EXPECT_TRUE(j.bJoue && j.bControleJoueurs && j.bSansFaute) << quoi << " sets the running flags";
        EXPECT_EQ(j.bZoomEntree, chargement) << "only the load sets the zoom input";
        EXPECT_TRUE(j.tableCoups[2] == 0 && j.paralysie[1] == 0 && j.compteurJeu == 0 && j.nbJoueursMultiDcd == 0 &&
                    j.compteurMultiPause == 0 && !j.bGoChrono && !j.bPersoIAdcd)
            << quoi << " resets the counters";
        EXPECT_EQ(j.compteursNiveau[1], chargement ? 4 : 0) << "the per-level counters at a start";
        EXPECT_EQ(j.manchesGagnees[3], chargement ? 0 : 4) << "the rounds table at a load";
        EXPECT_EQ(monde().calqueVisible, 2) << quoi;
        EXPECT_EQ(j.pMenus, nullptr);
    }
}

TEST_F(ChargementTest, RedemarrageRespawnEtIA)
{
    // A guard on foot facing left, with a hit box of its own.
    ecrireFichier("personnages/garde.per", lireTexte("personnages/garde.per") + "HITBOX=2;8;2;0\n");
    ecrireFichier("n.niv", std::regex_replace(NIVEAU, std::regex("3000;800;0;1;1;80;1"), "3000;800;1;1;1;80;0"));
    monde().chargerNiveau("n.niv", 0);
    CSPRITE* respawn = sprites(2)[1];
    CPerso& garde = *monde().ias.front();
    CPerso& joueur = *monde().persos.front();
    // What a restart must give back of the guard as the load made it.
    const auto etat = [&] {
        const CSPRITE3& s = *garde.sprite;
        return std::vector<int>{s.hitbox[0], s.hitbox[1], s.hitbox[2], s.hitbox[3], garde.direction, s.flipH,
                                s.miroir, garde.vie, garde.mode, garde.visee, garde.bDel, garde.bMortLancee,
                                int(s.x), int(s.y)};
    };
    const std::vector<int> charge = etat();
    // Turned, then killed in play: its dropped loot triples the top of its hit box; its death
    // has not played out when the hero dies in turn.
    jeu->mode = 1;
    garde.setDirection(1 - garde.directionInitiale);
    garde.prendreCoup(garde.vieMax, 0, 0, 0);
    ASSERT_TRUE(garde.mode == EtatPerso::MORT && garde.sprite->hitbox[1] == 24 && !garde.bMortTerminee);
    monde().demarrerNiveau(1);
    EXPECT_EQ(etat(), charge) << "hit box, facing, mirror, life, state, aim, place of the load";
    // The player reached the respawn point; the guard tied to it had died before.
    respawn->setAnim(1);
    monde().checkpointX = 950;
    monde().checkpointY = 40;
    garde.bMortTerminee = true;
    monde().demarrerNiveau(1);
    EXPECT_EQ(respawn->getNumAnim(), 1) << "a reached respawn point keeps its animation";
    EXPECT_TRUE(garde.bMortTerminee) << "killed before the point was reached: stays dead";
    EXPECT_EQ(joueur.sprite->x, 950) << "the player comes back at the checkpoint";
    monde().checkpointX = monde().checkpointY = -1;
    respawn->setAnim(0);
    monde().demarrerNiveau(1);
    EXPECT_EQ(etat(), charge) << "without the checkpoint it comes back";
    EXPECT_TRUE(jeu->pvue->x == 0 && jeu->pvue->y == 0) << "no checkpoint: the level's origin";
    garde.bDetruireAuRechargement = true;
    monde().demarrerNiveau(1);
    EXPECT_TRUE(garde.bDel) << "told not to come back";
}

// The shipped cannon: a base carrying its gun, which is in no list of the level, on ground, its
// shadow off as the snow pass has it. Hit until its turn has run, then both killed, the hero in
// its sight; restarted from the reached flag, then from the start: the base and its gun come
// back each time as the load made them, and neither casts a shadow meanwhile (the gun's, sought
// on the ground below, lay slanted at the base's foot and, turned, through its turret).
TEST_F(ChargementTest, LeCanonEtSonTubeReviennentCommeAuChargement)
{
    namespace fs = std::filesystem;
    for (const char* f : {"canon.per", "canon.png", "canon_base.per", "canon_base.png"})
        fs::copy_file(fs::path(TUV_DATA_DIR_SOURCE) / "personnages" / f, std::string("personnages/") + f);
    peindre("decors/sol.png", 640, 32);
    ecrireFichier("decors/sol.dec", "ID=SOL\nPLANCHE=./decors/sol.png;./decors/sol.png\nSPRITE=0;0;1;640;32;0;0\n"
                                    "ORIGINE=0;0\nCOLLISIONS=1\n");
    ecrireFichier("canon.niv", "TEXTURE_PER=./personnages/canon_base.per;CANON_BASE\nTEXTURE_DEC=./decors/sol.dec;SOL\n"
                               "TEXTURE_DEC=./decors/respawn.dec;RESPAWN\nPERSO3=./personnages/heros.per;2400;802;0;1;1;10;0\n"
                               "IA=CANON_BASE;2900;802;0;1;1;100;0;1\nOMBREIA=0;1;0;0.3;0.15;350;0\n"
                               "SD=RESPAWN;2300;802;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n"
                               "SD=SOL;2580;802;2;0;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n");
    jeu->pIABehaviours = new CIABehaviours();
    monde().chargerNiveau("canon.niv", 0);
    ASSERT_TRUE(monde().ias.size() == 1 && monde().ias.front()->enfants.size() == 1);
    CPerso &base = *monde().ias.front(), &tube = *base.enfants.front();
    // Life, state, death, shown, place, facing, turn, frame and its way of play of each.
    const auto etat = [&] {
        std::vector<float> v;
        for (const CPerso* p : {&base, &tube})
            v.insert(v.end(), {float(p->vie), float(p->mode), float(p->bDel || p->bMortTerminee), float(p->sprite->bVisible),
                               p->sprite->x, p->sprite->y, float(p->direction), p->sprite->rotangle,
                               float(p->sprite->numFrame), float(p->sprite->sensAnim)});
        return v;
    };
    const std::vector<float> charge = etat();
    // The bodies into a target of their own; the shadows go to the scene, around the cannon.
    sf::RenderTexture image;
    ASSERT_TRUE(image.create(16, 16));
    CSFMLJeuGlobal::prenderTexture = new sf::RenderTexture();
    sf::RenderTexture& scene = *CSFMLJeuGlobal::prenderTexture;
    ASSERT_TRUE(scene.create(640, 320));
    const auto ombres = [&] {
        scene.display();
        const sf::Image i = scene.getTexture().copyToImage();
        int n = 0;
        for (unsigned y = 0; y < i.getSize().y; ++y)
            for (unsigned x = 0; x < i.getSize().x; ++x)
                n += i.getPixel(x, y).a != 0;
        scene.clear(sf::Color::Transparent);
        scene.setView(sf::View(sf::FloatRect(2580, 600, 640, 320)));
        return n;
    };
    ombres();
    jeu->mode = 1;
    for (bool drapeau : {true, false}) {
        jeu->pvue->x = 2300;  // the cannon in view: its animations run as it is drawn
        for (int i = 0; i < 24; ++i) {
            if (i % 3 == 0)
                base.prendreCoup(10, 0, 0, 0);
            jeu->pIABehaviours->majIA();
            base.dessiner(image);
            EXPECT_EQ(ombres(), 0) << "pixels of shadow at frame " << i << (drapeau ? ", first round" : ", after the flag");
        }
        tube.prendreCoup(tube.vieMax, 0, 0, 0);
        base.prendreCoup(base.vieMax, 0, 0, 0);
        ASSERT_TRUE(base.mode == EtatPerso::MORT && tube.mode == EtatPerso::MORT) << "both killed";
        sprites(2)[0]->setAnim(drapeau ? 1 : 0);
        monde().checkpointX = monde().checkpointY = drapeau ? 2300 : -1;
        monde().demarrerNiveau(1);
        EXPECT_EQ(etat(), charge) << (drapeau ? "from the flag" : "from the start");
    }
    jeu->pvue->x = 2300;
    base.dessiner(image);
    EXPECT_EQ(ombres(), 0) << "after the restart from the start";
    base.bOmbre = true;
    base.dessiner(image);
    EXPECT_GT(ombres(), 0) << "with the base's shadow on, shadows show";
}

// Whatever the view mode, a start shows the hero and the ground he stands on: the view around
// the checkpoint (or his start without one), held within the level, also at its corner. The
// diagnostic mode 8 (its own zoom, a view that does not move) too, its lines on the console
// only while it runs. The group's view starts 200 px left of the checkpoint at the top, its
// first update one step of 10 px down toward the group (the hero faces right: no step across).
// He faces the middle of the level from there, and the push of the blow that killed him,
// turned the other way, and a force zone's drift are not taken up at his first step.
TEST_F(ChargementTest, LeHerosEtSonSolEnVueAuDepart)
{
    constexpr float HAUT = 100, SOL = 40;  // the hero above his feet, the ground under them
    // Mode, zoom and checkpoint ((-1, -1): none, the hero at his start, (3000, 1200)).
    const std::tuple<int, float, int, int> CAS[] = {
        {1, 1, 3000, 1200}, {2, 1, 3000, 1200}, {3, 1, 3000, 1200}, {5, 0.8f, 3000, 1200}, {6, 0.8f, 3000, 1200},
        {1, 1, 5940, 1940}, {3, 1, 5940, 1940}, {6, 0.8f, 60, 1940}, {6, 1, 5940, 1940}, {2, 1, 60, 120},
        {8, 1, 5940, 1940}, {8, 0.8f, 60, 120}, {1, 1, -1, -1},      {5, 0.8f, -1, -1},
        {4, 1, 3000, 1200}};
    for (const auto& [mode, zoom, px, py] : CAS) {
        ecrireFichier("grand.niv", "TAILLEJEU=6000;2000\nSCROLLVUE=" + std::to_string(mode) + ";18;" +
                                       std::to_string(zoom) + "\nTEXTURE_PER=./personnages/garde.per;GARDE\n"
                                       "PERSO=GARDE;3000;1200;0;1;1;33;0\n");
        monde().chargerNiveau("grand.niv", 0);
        monde().checkpointX = px;
        monde().checkpointY = py;
        const float hx = px < 0 ? 3000 : px, hy = px < 0 ? 1200 : py;
        const int face = hx > 3000 ? 1 : 0;  // left past the level's middle
        CPerso& heros = *monde().persos.front();
        heros.compteurDash2 = 10;
        heros.directionPoussee = face;  // a push that turns him to 1 - face
        heros.vitesseForceX = 6;        // and a force zone's drift
        monde().demarrerNiveau(1);
        for (int i = 0; mode == CVue::MODE_DIAGNOSTIC && i < 3; ++i)  // it holds still from the start on
            jeu->pvue->maj();
        const sf::View& v = jeu->pvue->vue;
        const sf::FloatRect r(v.getCenter() - v.getSize() / 2.0f, v.getSize());
        SCOPED_TRACE("mode " + std::to_string(mode) + ", hero at " + std::to_string(hx) + ", " + std::to_string(hy) +
                     ", view from " + std::to_string(r.left) + ", " + std::to_string(r.top));
        if (mode == CVue::MODE_GROUPE) {
            EXPECT_TRUE(r.left == 2800 && r.top == 10) << "200 px left of the checkpoint, at the top";
        } else {
            EXPECT_TRUE(r.left < hx - SOL && hx + SOL < r.left + r.width) << "the hero across";
            EXPECT_TRUE(r.top < hy - HAUT && hy + SOL < r.top + r.height) << "the hero and the ground under him";
            EXPECT_TRUE(r.left >= 0 && r.left + r.width <= 6000 && r.top + r.height <= 2000) << "within the level";
        }
        EXPECT_EQ(CPLUX::getConsoleText(16).empty(), mode != CVue::MODE_DIAGNOSTIC) << "the diagnostic's lines";
        heros.appliquerCommandes(CommandesJoueur{});
        monde().pousserPersos();
        EXPECT_TRUE(heros.direction == face && heros.sprite->x == hx) << "facing the middle, not pushed on";
    }
}

// While the editor is on, a level loaded into the world it edits, the game's or a menu's, is
// seen as a start shows it, whatever the mode: the hero and the ground under him, the level
// taller than the view. A scrolling view holds at his start; M plays on with him in view.
TEST_F(ChargementTest, UnChargementSousLEditeurMontreLeHerosEtTientLaVue)
{
    for (int mode = 0; mode < CVue::NB_MODES; ++mode) {
        CDecor& d = mode % 2 ? *jeu->pdecorMenu : *jeu->pdecorJeu;
        ecrireFichier("haut.niv", "TAILLEJEU=6000;900\nSCROLLVUE=" + std::to_string(mode) + ";18;1\n"
                                  "TEXTURE_PER=./personnages/garde.per;GARDE\nPERSO=GARDE;100;840;0;1;1;33;0\n");
        jeu->mode = 2;
        jeu->pdecor = &d;
        jeu->pvue = d.pCamera;
        d.chargerNiveau("haut.niv", 0);
        for (int maj : {60, 120}) {  // edited, then played after M
            for (int i = 0; i < maj; ++i)
                jeu->pvue->maj();
            const sf::FloatRect r(jeu->pvue->vue.getCenter() - jeu->pvue->vue.getSize() / 2.0f, jeu->pvue->vue.getSize());
            const float hx = d.persos.front()->sprite->x;  // 40 px to each side, 100 above his feet, 40 of ground under
            EXPECT_TRUE(r.left < hx + 40 && hx - 40 < r.left + r.width && r.top < 840 - 100 && 840 + 40 < r.top + r.height &&
                        (maj > 60 || mode != 1 || (r.left == 0 && hx == 100)))
                << "mode " << mode << " after " << maj << " updates: hero at " << hx << ", view from " << r.left << ", " << r.top;
            d.reprendreModeVue();  // M
            jeu->mode = 1;
        }
    }
}

TEST_F(ChargementTest, MeteoresCompteurEtFiltre)
{
    modeleMeteore();
    monde().nbMeteores = 3;
    monde().chargerNiveau("n.niv", 0);
    monde().activerNuagePoussiere(true);
    for (int i = 0; i < 100; ++i)
        monde().demarrerNiveau(1);
    EXPECT_EQ(monde().ias.size(), 4u) << "the guard and 3 meteors after 100 restarts";
    EXPECT_EQ(moteur().scripts.size(), 1u) << "the box's script stays alone: none piles up";
    EXPECT_TRUE(monde().bFiltre) << "the dust cloud keeps its tint";
    for (float coeff : {1.0f, 0.5f}) {
        jeu->framerateCoeff = coeff;
        monde().demarrerNiveau(1);
        EXPECT_EQ(jeu->compteDepart, coeff == 1.0f ? 90 : 180) << "three seconds at " << coeff;
        EXPECT_EQ(monde().compteurMeteores, coeff == 1.0f ? 200 : 400) << "the meteors' timer is armed";
    }
}

TEST_F(ChargementTest, LesVariablesDuFondSontDeliees)
{
    CPLUXTest::reset();
    {
        struct Dialogue : CPLUXDialog {
            Dialogue()
            {
                setId("JeuDialogOptionsNiv");
                CPLUX::enregistrer(this);
            }
        } d;
        ASSERT_TRUE(CPLUX::pModeleDef->appliquerTexte(&d, modeleChampsFond()));
        peindre("niveaux/fond.png", 8, 8);
        ecrireFichier("fond.niv", "FOND=./niveaux/fond.png;5;-6;1.5\n");
        monde().chargerNiveau("fond.niv", 0);
        monde().chargerNiveau("n.niv", 0);
        for (int i = 0; i < 5; ++i)
            d.ctrlTextInput("c" + std::to_string(i))->setText("tel quel");
        d.afficherVariables();
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(d.ctrlTextInput("c" + std::to_string(i))->getText(), "tel quel") << CHAMPS_FOND[i][0] << " unbound";
    }
    CPLUXTest::reset();
}
