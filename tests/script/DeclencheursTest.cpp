// Triggers on a small level built here: zones of decor sprites, characters, the camera, the
// first player's buttons, chronos at both frame rates, frame scripts, and the filters.
#include "script/OutilsScript.h"

#include "core/SetTextures.h"

namespace {

class Declencheurs : public AvecMoteur {
protected:
    // A one-command script on a 100 x 100 sprite at (0, 0).
    CScript* surSprite(int type, int nbRunMax = -1)
    {
        if (!sd)
            sd = sprite(0, 0);
        return script("BASCULE()", type, nbRunMax, sd);
    }
    // Fires within one frame?
    bool feu(CScript* s)
    {
        s->bEnCours = false;
        s->nbRunFaits = 0;
        images(1);
        return s->bEnCours;
    }
    CommandesJoueur& j1() { return jeu->commandes[0]; }

    CSPRITE* sd = nullptr;
};

} // namespace

TEST_F(Declencheurs, ZoneDesJoueurs)
{
    CScript* s = surSprite(declencheur::ZONE_JOUEUR);
    CPerso* p = perso(500, 500);
    EXPECT_FALSE(feu(s)) << "no one in the zone";
    p->sprite->x = 50;
    p->sprite->y = 130;  // the head reaches 80: inside
    EXPECT_TRUE(feu(s));
    p->sprite->bVisible = false;
    EXPECT_FALSE(feu(s)) << "a hidden player does not fire trigger 0";
    p->sprite->bVisible = true;
    p->bDel = true;
    EXPECT_FALSE(feu(s)) << "nor an eliminated one";
    p->bDel = false;
    CPerso* second = perso(60, 50);
    EXPECT_TRUE(feu(s));
    EXPECT_EQ(s->pPersoDeclencheur, second) << "the last one in list order";
    CPerso* ia = perso(50, 50, true);
    p->sprite->x = second->sprite->x = 500;
    EXPECT_FALSE(feu(s)) << "an AI is no player";
    CScript* zoneIA = surSprite(declencheur::ZONE_IA);
    ia->sprite->bVisible = false;
    EXPECT_TRUE(feu(zoneIA)) << "trigger 11: any AI in the zone, seen or not";
    EXPECT_EQ(zoneIA->pPersoDeclencheur, ia);
}

TEST_F(Declencheurs, CameraImmediatEtNombreDeRuns)
{
    CScript* camera = surSprite(declencheur::ZONE_CAMERA);
    jeu->pvue->x = 150;
    EXPECT_FALSE(feu(camera));
    jeu->pvue->x = 100.9f;  // truncated: on the zone's right edge
    jeu->pvue->y = 0;
    EXPECT_TRUE(feu(camera));

    CScript* unique = script("BASCULE()", declencheur::IMMEDIAT, 1);
    CScript* toujours = script("BASCULE()", declencheur::IMMEDIAT, -1);
    CScript* detruit = script("BASCULE()", declencheur::IMMEDIAT, 1);
    detruit->bDetruireFin = true;
    images(2);  // fire, run
    EXPECT_TRUE(moteur->contient(detruit)) << "removed only at the start of the next frame";
    images(1);
    EXPECT_FALSE(moteur->contient(detruit));
    EXPECT_TRUE(toujours->bEnCours) << "fires again on the frame after its run";
    images(10);
    EXPECT_EQ(unique->nbRunFaits, 1);
    EXPECT_EQ(toujours->nbRunFaits, 6);
    for (int mauvais : {14, -1, 1000}) {
        CScript* jamais = script("BASCULE()", mauvais);
        EXPECT_FALSE(feu(jamais)) << "trigger " << mauvais;
    }
    CScript* zero = script("BASCULE()", declencheur::IMMEDIAT, 0);
    EXPECT_FALSE(feu(zero)) << "no run allowed";
}

TEST_F(Declencheurs, BoutonsDuPremierJoueur)
{
    struct Cas {
        int type;
        bool CommandesJoueur::*appuye;
        bool CommandesJoueur::*relache;
    } cas[] = {
        {3, &CommandesJoueur::bA, &CommandesJoueur::bRelA},         {4, &CommandesJoueur::bB, &CommandesJoueur::bRelB},
        {5, &CommandesJoueur::bX, &CommandesJoueur::bRelX},         {6, &CommandesJoueur::bY, &CommandesJoueur::bRelY},
        {7, &CommandesJoueur::bRB, &CommandesJoueur::bRelRB},       {8, &CommandesJoueur::bLB, &CommandesJoueur::bRelLB},
        {9, &CommandesJoueur::bStart, &CommandesJoueur::bRelStart}, {10, &CommandesJoueur::bBack, &CommandesJoueur::bRelBack},
    };
    CPerso* p = perso(50, 90);
    p->sprite->bVisible = false;  // no visibility test for the buttons
    for (const Cas& c : cas) {
        CScript* appui = surSprite(c.type);
        CScript* relache = surSprite(c.type);
        relache->bRelease = true;
        j1() = CommandesJoueur();
        EXPECT_FALSE(feu(appui)) << c.type << " without its button";
        j1().*c.appuye = true;
        EXPECT_TRUE(feu(appui)) << c.type;
        EXPECT_FALSE(feu(relache)) << c.type << " held: the release script waits";
        j1() = CommandesJoueur();
        j1().*c.relache = true;
        EXPECT_TRUE(feu(relache)) << c.type << " released";
        EXPECT_FALSE(feu(appui)) << c.type << " the pressed script ignores the release";
        p->sprite->x = 500;
        EXPECT_FALSE(feu(relache)) << c.type << " no one in the zone";
        p->sprite->x = 50;
        moteur->viderScripts();
    }
    // Trigger 6 shows its cue while a player stands in the zone without pressing Y.
    j1() = CommandesJoueur();
    CScript* indice = surSprite(declencheur::BOUTON_Y);
    images(1);
    EXPECT_TRUE(sd->bIndiceZone);
    EXPECT_FALSE(indice->bEnCours);
    p->sprite->x = 500;
    images(1);
    EXPECT_FALSE(sd->bIndiceZone);
}

TEST_F(Declencheurs, Chrono)
{
    for (const float coeff : {1.0f, 0.5f}) {
        jeu->framerateCoeff = coeff;
        CScript* s = surSprite(declencheur::CHRONO);
        s->nChrono = 2;
        sd->numAnim = 1;
        images(1);
        ASSERT_TRUE(s->bEnCours) << "a new chrono fires on its first idle frame";
        images(1);
        ASSERT_EQ(s->nbRunFaits, 1);
        const int attendu = static_cast<int>(60 / coeff);
        int idle = 0;
        while (!s->bEnCours && idle < 1000) {
            images(1);
            ++idle;
        }
        EXPECT_EQ(idle, attendu + 1) << attendu << " frames counted, fired on the next at " << coeff;
        images(1);
        sd->numAnim = 0;
        images(300);
        EXPECT_EQ(s->nbRunFaits, 2) << "no frame counts while the sprite shows animation 0";
        moteur->viderScripts();
    }
    // Without a sprite the chrono counts on every idle frame.
    jeu->framerateCoeff = 1.0f;
    CScript* libre = script("BASCULE()", declencheur::CHRONO);
    libre->nChrono = 1;
    images(2 + 31);
    EXPECT_EQ(libre->nbRunFaits, 1);
    EXPECT_TRUE(libre->bEnCours);
}

TEST_F(Declencheurs, Zones)
{
    CSPRITE* r = sprite(0, 0);
    r->hitbox[0] = 10;  // left
    r->hitbox[2] = 30;  // right
    r->flipH = -1;
    CScript* s = script("", declencheur::ZONE_JOUEUR, -1, r);
    ZoneScript z = CScriptEngine::zoneScript(*s);
    EXPECT_EQ(z.x, 30) << "flipped: the right margin comes first";
    r->flipH = 1;
    r->flipV = -1;
    r->hitbox[1] = 5;
    r->hitbox[3] = 15;
    r->x = 100.7f;
    r->y = 20;
    r->sx = 2;
    r->ox = 50;
    z = CScriptEngine::zoneScript(*s);
    EXPECT_EQ(z.x, 20) << "(10 - 50) x 2 + 100.7, truncated";
    EXPECT_EQ(z.hauteur, 80) << "flipped vertically, (100 - 5 - 15) x 1";
    EXPECT_EQ(CScriptEngine::zoneScript(*s, true).x, 21) << "rounded for the editor's view";
    // Without a fixed size, animation 0 of the bank gives it, whatever other numbers it holds.
    r->bTailleFixe = false;
    r->pDEC->anim(1).hauteur = 50;
    r->pDEC->anim(-1).hauteur = 60;
    EXPECT_EQ(CScriptEngine::zoneScript(*s).hauteur, -20) << "no animation 0: (0 - 5 - 15) x 1";
    r->pDEC->anim(0).hauteur = 120;
    EXPECT_EQ(CScriptEngine::zoneScript(*s).hauteur, 100) << "animation 0's: (120 - 5 - 15) x 1";

    // Without a bank, or without a sprite, there is no zone: a player at (0, 0) fires nothing.
    perso(0, 0);
    r->pDEC = nullptr;
    EXPECT_FALSE(CScriptEngine::zoneScript(*s).valide);
    EXPECT_FALSE(feu(s));
    CScript* sansSprite = script("", declencheur::ZONE_JOUEUR);
    EXPECT_FALSE(feu(sansSprite));
}

TEST_F(Declencheurs, FiltresDeZoneEtDIA)
{
    CScript* s = surSprite(declencheur::IMMEDIAT);
    sd->calque = 2;
    decor->calqueVisible = 1;
    EXPECT_FALSE(feu(s)) << "a sprite of another zone";
    s->bEnCours = true;
    images(3);
    EXPECT_EQ(s->nbRunFaits, 0) << "nor stepped";
    decor->calqueVisible = 2;
    images(1);
    EXPECT_EQ(s->nbRunFaits, 1);
    sd->calque = 0;
    CPerso* ia = perso(900, 900, true);
    CScript* propre = script("BASCULE()");
    propre->pIAPropre = ia;
    jeu->bAfficheIAs = false;
    EXPECT_FALSE(feu(propre)) << "an own AI's script waits while the AI switch is off";
    jeu->bAfficheIAs = true;
    EXPECT_TRUE(feu(propre));
}

// A character freed while its scripts live (between frames, or by a step of a pass) takes
// them with it: neither it nor its sprite is read again (AddressSanitizer watches).
TEST_F(Declencheurs, IALibereeAvecSesScripts)
{
    auto liberer = [this](CPerso* ia) {
        decor->ias.remove(ia);
        delete ia;
    };
    CPerso* ia = perso(50, 50, true);
    CScript* propre = script("BASCULE()\nBASCULE()");
    propre->pIAPropre = ia;
    CScript* surSprite = script("BASCULE()", declencheur::ZONE_JOUEUR, -1, ia->sprite);
    ia->sprite->pDEC = decor->modelesDEC["x"] = new CDEC();
    CScript* autreMonde = jeu->pscriptEngineMenu->creerScript("", ia->sprite, 13, -1, false, true);
    CScript* esprit = script("BASCULE()", declencheur::IMMEDIAT_PAUSE, 1, ia->spriteEsprit);
    CScript* courante = script("BASCULE()");
    courante->pIACourante = ia;
    perso(0, 0);
    images(2);
    liberer(ia);
    EXPECT_FALSE(moteur->contient(propre));
    EXPECT_FALSE(moteur->contient(surSprite));
    EXPECT_FALSE(moteur->contient(esprit)) << "its spirit's scripts too";
    EXPECT_FALSE(jeu->pscriptEngineMenu->contient(autreMonde)) << "in both engines";
    ASSERT_TRUE(moteur->contient(courante)) << "a script it was only the current AI of stays";
    EXPECT_EQ(courante->pIACourante, nullptr);
    images(3);

    MoniteurEspion moniteur;
    CPerso* autre = perso(50, 50, true);
    CScript* court = script("BASCULE()");
    CScript* sien = script("BASCULE()", declencheur::ZONE_JOUEUR, -1, autre->sprite);
    autre->sprite->pDEC = decor->modelesDEC["x"];
    moniteur.action = [&] {
        if (moteur->passeEnCours() && autre) {
            liberer(autre);
            autre = nullptr;
        }
    };
    images(4);  // the short script's run ends during the second pass
    EXPECT_EQ(autre, nullptr);
    EXPECT_FALSE(moteur->contient(sien));
    EXPECT_TRUE(moteur->contient(court));
}
