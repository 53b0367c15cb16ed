// The multiplayer options menu 400: options line by line and the start of a round.
#include "OutilsMenus.h"

#include "anim/Sprite3.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Hasard.h"
#include "level/CalqueSD.h"
#include "script/Script.h"
#include "script/ScriptEngine.h"

#include <gtest/gtest.h>

namespace {

// Elements "corps" and "chapeau1" .. "chapeau4", each shown by an AE of animation 0.
void ajouterChapeaux(CSPRITE3& s)
{
    for (int k = 0; k <= 4; ++k) {
        const std::string nom = k == 0 ? "corps" : "chapeau" + std::to_string(k);
        s.ajouterElement(nom, 0, 0, 4, 4, 0, 0, 1, 1, -1, -1, false);
    }
    s.ajouterAnimation("a", true);
    for (int k = 0; k <= 4; ++k)
        s.ajouterAnimElem(0, k, k == 0 ? "corps" : "chapeau" + std::to_string(k), 0, 0);
}

// Which hats (1 to 4) show on a sprite: "0100" shows hat 2.
std::string chapeaux(const CSPRITE3& s)
{
    std::string r;
    for (int k = 1; k <= 4; ++k)
        r += s.isKeyAnimElemVisible(0, 0, k) ? '1' : '0';
    return r;
}

// Menu 400 with twelve option lines and a bench of preloaded characters, named by index.
struct BancManche {
    BancManche(int nbPrecharges)
    {
        ecrireMenus(13);
        CSFMLJeu& jeu = b.jeu;
        jeu.pOptionsMulti = new COptionsMulti(jeu.armesFontaine);
        jeu.pscriptEngineJeu = new CScriptEngine();
        jeu.pscriptEngineMenu = new CScriptEngine();
        jeu.pscriptEngine = jeu.pscriptEngineMenu;
        std::fill(std::begin(jeu.armesFontaine), std::end(jeu.armesFontaine), 1);
        for (int i = 0; i < nbPrecharges; ++i) {
            auto* p = new CPerso();
            p->fichier = "P" + std::to_string(i);  // copies keep their model's file
            ajouterChapeaux(*p->sprite);
            jeu.persosPrecharges.push_back(p);
        }
        m().strFichierNiveau = "./niveaux/m/niveau.niv";
        m().numNiveau = 3;
        m().ouvrirMenu(400);
    }
    CJeuMenus& m() { return b.menus(); }
    COptionsMulti& o() { return *b.jeu.pOptionsMulti; }
    // One step of the option of `ligne` (right or left).
    void pas(int ligne, bool droite)
    {
        m().ligneActive = ligne;
        m().lancerPartieMulti(false, false, false, droite, !droite, true);
    }
    std::vector<CPerso*> clones(int joueur)
    {
        std::vector<CPerso*> r;
        for (CPerso* p : b.jeu.pdecorJeu->persos)
            if (p->numJoueur == joueur)
                r.push_back(p);
        return r;
    }

    BancMenus b;
};

} // namespace

TEST(MancheMulti, BornesDesOptionsEtArmes)
{
    BancManche t(0);
    COptionsMulti& o = t.o();
    // Line, direction, steps, then the value read back.
    const struct {
        int ligne;
        bool droite;
        int pas;
        int COptionsMulti::*champ;
        int attendu;
    } cas[] = {
        {1, true, 5, &COptionsMulti::choixJ1, 3},   {1, false, 9, &COptionsMulti::choixJ1, 0},
        {2, true, 2, &COptionsMulti::choixJ2, 2},   {5, true, 9, &COptionsMulti::manches, 5},
        {5, false, 9, &COptionsMulti::manches, 1},  {10, true, 12, &COptionsMulti::optionMenu, 8},
        {11, true, 9, &COptionsMulti::reglageJ1, 4}, {12, false, 3, &COptionsMulti::reglageJ2, 0},
    };
    for (const auto& c : cas) {
        for (int i = 0; i < c.pas; ++i)
            t.pas(c.ligne, c.droite);
        EXPECT_EQ(o.*c.champ, c.attendu) << "line " << c.ligne << (c.droite ? " right x" : " left x") << c.pas;
    }
    for (int i = 0; i < 9; ++i)
        t.pas(4, true);
    EXPECT_EQ(o.nbClones[0], 4) << "clones stop at their maximum";
    o.nbClones[1] = 1;
    t.pas(4, true);
    EXPECT_EQ(o.nbClones[0], 1) << "a maximum of 1 holds a single clone";
    t.pas(8, true);
    EXPECT_TRUE(o.invertolites[0] && o.padsOtolite[0]) << "line 8 toggles both first values";

    // The first yes/no option switches weapons 3 and 5 off, and they stay off.
    int* armes = t.b.jeu.armesFontaine;
    t.pas(3, true);
    EXPECT_TRUE(o.drapeauxMenu[0] && armes[3] == 0 && armes[5] == 0 && armes[4] == 1);
    o.optionMenu = 3;
    t.m().lancerPartieMulti(false, false, true, false, false, false);
    EXPECT_EQ(armes[3], 0) << "X cannot switch weapon 3 back on";
    o.optionMenu = 4;
    t.m().lancerPartieMulti(false, false, true, false, false, false);
    EXPECT_EQ(armes[4], 0) << "X switches the weapon under the cursor";
    std::set<int> offertes;
    for (int i = 0; i < 300; ++i)
        offertes.insert(t.b.jeu.pscriptEngineJeu->choisirArmeAuHasard());
    EXPECT_EQ(offertes, (std::set<int>{0, 1, 2, 6, 7, 8})) << "the fountains offer only the weapons left on";
    // A held direction steps at once, then every fourth frame.
    o.manches = 1;
    t.m().compteurRepetitionMulti = 0;
    t.m().ligneActive = 5;
    for (int i = 0; i < 9; ++i)
        t.m().lancerPartieMulti(false, false, false, true, false, false);
    EXPECT_EQ(o.manches, 4) << "frames 1, 5 and 9";
    t.m().lancerPartieMulti(false, true, false, false, false, false);
    EXPECT_EQ(t.m().idMenu, 340) << "back returns to the level list";
    EXPECT_EQ(t.b.jeu.pdecorJeu->appels.chargerNiveau + t.b.jeu.pdecorJeu->appels.demarrerNiveau, 0)
        << "and starts nothing";
}

TEST(MancheMulti, ClonesPointsDeDepartEtScript)
{
    BancManche t(8);
    CSFMLJeu& jeu = t.b.jeu;
    CDecor& monde = *jeu.pdecorJeu;
    monde.scalePersosX = monde.scalePersosY = 0.8f;
    auto* vieux = new CPerso();
    monde.persos.push_back(vieux);
    RefPerso refVieux = vieux;
    t.o().choixJ1 = 1;
    t.o().choixJ2 = 2;
    t.o().nbClones[0] = 2;
    t.o().drapeauxMenu[3] = true;
    t.m().lancerPartieMulti(true, false, false, false, false, false);
    EXPECT_FALSE(refVieux) << "the world freed the characters it held";
    EXPECT_TRUE(jeu.pdecor == &monde && t.m().idMenu == 1000);
    EXPECT_EQ(monde.appels.chargerNiveau, 1);
    EXPECT_EQ(t.m().strNiveauCharge, "./niveaux/m/niveau.niv");
    EXPECT_EQ(monde.nbMeteores, 15) << "the drop option";
    const std::vector<CPerso*> j1 = t.clones(0), j2 = t.clones(1);
    ASSERT_TRUE(j1.size() == 2u && j2.size() == 2u);
    // No start marker: (300, 400) and (600, 400), 20 pixels between clones; then the two
    // halves of the list exchange their places.
    const int attendus[2][2] = {{600, 620}, {300, 320}};
    for (int p = 0; p < 2; ++p)
        for (int c = 0; c < 2; ++c) {
            const CPerso& k = *(p == 0 ? j1 : j2)[static_cast<size_t>(c)];
            EXPECT_EQ(k.fichier, p == 0 ? "P2" : "P5") << "hero k of player p is preloaded character 2k + p";
            EXPECT_EQ(k.sprite->x, attendus[p][c]) << "player " << p + 1 << " clone " << c;
            EXPECT_FLOAT_EQ(k.sprite->sx, 0.8f) << "the level's character scale";
            EXPECT_EQ(k.degatsCoup, 100) << "hero 2 in the game: blows hit four times as hard";
        }
    EXPECT_EQ(jeu.pPerso, j1[0]) << "player 1's first clone is the player";
    CScript* s = jeu.pscriptEngineJeu->getScriptNom("PERSO_INIT");
    ASSERT_TRUE(s);
    EXPECT_TRUE(s->getDeclencheur() == 12 && s->nbRunMax == 1) << "run once, at the start";
    EXPECT_EQ(s->listing(), "SCRIPTRUN 0 [./scripts/vortex_multi.scp]\n") << "the arrival script";
    EXPECT_EQ(jeu.pscriptEngineJeu->variablesGlobales["var_nbclones"], "2");

    // The same level again: restarted, and the arrival script made anew, once.
    t.m().lancerPartieMulti(true, false, false, false, false, false);
    EXPECT_EQ(monde.appels.demarrerNiveau, 1);
    int nb = 0;
    for (const auto& sc : jeu.pscriptEngineJeu->scripts)
        nb += sc->strNom == "PERSO_INIT";
    EXPECT_EQ(nb, 1);
    EXPECT_EQ(monde.persos.size(), 4u) << "the previous round's clones went";
}

TEST(MancheMulti, UnPointDeDepartDeuxPrechargesEtChapeaux)
{
    CSPRITE depart;
    depart.x = 1000;
    depart.y = 200;
    BancManche t(2);
    CSFMLJeu& jeu = t.b.jeu;
    CDecor& monde = *jeu.pdecorJeu;
    monde.positionsDepart = {&depart};
    t.o().choixJ1 = t.o().choixJ2 = 3;
    t.o().nbClones[0] = 3;
    t.o().reglageJ1 = 3;
    t.o().reglageJ2 = 0;
    ajouterChapeaux(t.m().animsVictoire[0]);
    ajouterChapeaux(t.m().animsVictoire[7]);
    t.m().lancerPartieMulti(true, false, false, false, false, false);
    const std::vector<CPerso*> j1 = t.clones(0), j2 = t.clones(1);
    ASSERT_TRUE(j1.size() == 3u && j2.size() == 3u);
    EXPECT_TRUE(j1[0]->fichier == "P0" && j2[0]->fichier == "P1") << "hero 3 not preloaded: player p's own character";
    // Player 1 from the one marker (1000, 1020, 1040), player 2 a team's width to its right
    // (1060, 1080, 1100); then the teams exchange their places pair by pair.
    EXPECT_EQ(j1[2]->sprite->x, 1100) << "player 1's third clone in player 2's third place";
    EXPECT_EQ(j2[0]->sprite->x, 1000) << "player 2's first clone on the marker";
    EXPECT_EQ(j2[0]->direction, 1) << "beyond half the level: facing left";
    EXPECT_EQ(chapeaux(*j1[1]->sprite), "0010") << "hat 3";
    EXPECT_EQ(chapeaux(*j2[1]->sprite), "0000") << "hat 0 shows none";
    EXPECT_EQ(chapeaux(t.m().animsVictoire[0]), "0010") << "player 1's victory animations";
    EXPECT_EQ(chapeaux(t.m().animsVictoire[7]), "0000") << "player 2's";
}

TEST(MancheMulti, DeuxPointsOtolitesEtBouclier)
{
    std::unique_ptr<CDEC> pads(new CDEC()), inverses(new CDEC());
    pads->pFichierDEC->id = "PADSOTOLITE";
    inverses->pFichierDEC->id = "INVERTOLITE";
    CSPRITE a, bb;
    a.x = 100, a.y = 50, bb.x = 900, bb.y = 60;
    BancManche t(2);
    CSFMLJeu& jeu = t.b.jeu;
    CDecor& monde = *jeu.pdecorJeu;
    monde.positionsDepart = {&a, &bb};
    auto* pad = new CSPRITE();
    pad->pDEC = pads.get();
    auto* inverse = new CSPRITE();
    inverse->pDEC = inverses.get();
    monde.getPlan(2)->sprites = {pad, inverse};
    std::filesystem::create_directories("personnages");
    ecrireImage("personnages/b.png", 8, 8, sf::Color::Cyan);
    ecrireTexte("personnages/bouclierperso.dec", "ID=BOUCLIER\nPLANCHE=./personnages/b.png\nSPRITE=0;0;1;8;8;0;0\n");
    jeu.persosPrecharges[0]->hauteurHitbox = 10;
    t.o().nbClones[0] = 1;
    t.o().padsOtolite[0] = true;
    t.o().invertolites[0] = false;
    // The level is the one the game world holds: each round restarts it, and the markers
    // and pads placed here stay (a load would replace them by the file's).
    t.m().strNiveauCharge = t.m().strFichierNiveau;
    std::set<int> vus;
    for (unsigned graine : {1u, 2u, 3u, 4u, 5u, 6u}) {
        tuv::srand(graine);
        t.m().lancerPartieMulti(true, false, false, false, false, false);
        const int x1 = static_cast<int>(t.clones(0)[0]->sprite->x), x2 = static_cast<int>(t.clones(1)[0]->sprite->x);
        EXPECT_TRUE((x1 == 100 && x2 == 900) || (x1 == 900 && x2 == 100)) << "two different markers: " << x1 << " " << x2;
        vus.insert(x1);
    }
    EXPECT_EQ(vus.size(), 2u) << "player 1 takes either marker";
    EXPECT_TRUE(pad->bVisible && !inverse->bVisible) << "shown or hidden by the first values";
    const CPerso& clone = *t.clones(0)[0];
    ASSERT_TRUE(clone.spriteSimple && clone.spriteSimple->getSprite());
    EXPECT_TRUE(clone.spriteSimple->getSprite()->ox == 83 && clone.spriteSimple->getSprite()->oy == 117)
        << "shield origin (83, 115 + h / 4)";
    monde.getPlan(2)->sprites.clear();
    delete pad;
    delete inverse;
}
