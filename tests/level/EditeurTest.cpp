// The editor over the running level, scripted through SourisJeu: picking, dragging and
// right-click placing, the selected sprite's icon strip, and the toolbar's routing.
#include "level/OutilsNiveau.h"

#include "core/FichierDec.h"
#include "core/Physique.h"
#include "game/HUD.h"
#include "game/JeuBarreOutils.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXTest.h"
#include "level/MenuImage.h"
#include "script/ScriptEngine.h"
#include "support/Outils.h"

#include <SFML/Graphics/RenderWindow.hpp>

#include <cmath>

namespace {

enum Icone { ECHELLE = 0, ROTATION = 1, VERROU = 2, PLAN_SUIVANT = 4, PLAN_PRECEDENT = 7, MIROIR_H = 8, SUPPRIMER = 11 };

class EditeurTest : public SourisEditeurDe<FaceTest> {
protected:
    // One frame of the mouse at (x, y) through the strip (or the picking under it).
    bool image(int x, int y, bool gauche, bool droit = false)
    {
        etat = {gauche, droit, {x, y}};
        return decor->gererMenuSD(&fenetre, 0, 0);
    }
    void clic(int x, int y, bool droit = false)
    {
        image(x, y, !droit, droit);
        image(x, y, false);
    }
    // Ctrl+click on a point of the level; the strip then stands under it.
    void selectionner(int x, int y)
    {
        ctrl = true;
        clic(x, y);
    }
    sf::Vector2i centreIcone(int k) const { return {decor->pMenuSD->x + 32 * k + 16, decor->pMenuSD->y + 16}; }
    void clicIcone(int k)
    {
        const sf::Vector2i p = centreIcone(k);
        clic(p.x, p.y);
    }
    void tenirIcone(int k, int frames, bool droit = false)
    {
        const sf::Vector2i p = centreIcone(k);
        for (int i = 0; i < frames; ++i)
            image(p.x, p.y, !droit, droit);
        image(p.x, p.y, false);
    }

    sf::Window fenetre;
};

} // namespace

TEST_F(EditeurTest, ChoixGlisserEtCopie)
{
    CSPRITE* proche = spriteDecor(plan(0), b, 100, 100);
    CSPRITE* principal = spriteDecor(plan(2), b, 100, 100);
    clic(110, 110);
    EXPECT_EQ(decor->pSDSelection, nullptr) << "a click without left Control selects nothing";
    EXPECT_FALSE(decor->bSourisEnfoncee) << "nor starts a drag";
    selectionner(110, 110);
    EXPECT_EQ(decor->pSDSelection, proche) << "planes are asked from the nearest";
    EXPECT_EQ(decor->ancreMenuSDX, 110) << "camera x 0: the strip anchored at the mouse";
    // Drag by (50, 20); a locked sprite stays.
    image(110, 110, true);
    image(160, 130, true);
    image(160, 130, false);
    EXPECT_TRUE(proche->x == 150 && proche->y == 120 && proche->x0 == 150) << "dragged, with its start";
    proche->bLock = true;
    image(160, 130, true);
    image(200, 200, true);
    image(200, 200, false);
    EXPECT_EQ(proche->x, 150) << "a locked sprite is not dragged";
    // Right click with the selection and no picker: a copy in its plane, not selected.
    const size_t avant = plan(0).sprites.size();
    clic(400, 300, true);
    ASSERT_EQ(plan(0).sprites.size(), avant + 1);
    CSPRITE* copie = plan(0).sprites.back();
    EXPECT_TRUE(copie->x == 400 && copie->y == 300 && !copie->bSelectionne && decor->pSDSelection == proche);
    // Held down for many frames, one right click places one object.
    for (int i = 0; i < 10; ++i)
        image(500, 300, false, true);
    image(500, 300, false);
    EXPECT_EQ(plan(0).sprites.size(), avant + 2);
    (void)principal;
}

TEST_F(EditeurTest, ClicDroitAvecLeChoixDeDecors)
{
    DossierTemp d;
    sf::Image img;
    img.create(10, 10, sf::Color::Blue);
    img.saveToFile(d / "pot.png");
    ecrireTexte(d / "pot.dec", "ID=POT\nPLANCHE=" + d / "pot.png" + ";\nSPRITE=0;0;1;10;10;0;0\n");
    CPLUXDialog choix;
    choix.setId("SFMLJeuChoixDec");
    CPLUX::enregistrer(&choix);
    choix.show();
    decor->pPlanTravail = &plan(3);
    clic(300, 200, true);
    EXPECT_TRUE(plan(3).sprites.empty()) << "nothing chosen in the picker: nothing placed";
    g_services.choixEditeur = [&d] { return ChoixEditeur{"POT", d / "pot.dec", "", ""}; };
    clic(300, 200, true);
    ASSERT_EQ(plan(3).sprites.size(), 1u) << "the picker's definition in the work plane";
    EXPECT_EQ(plan(3).sprites.front()->pDEC, decor->modelesDEC["POT"]);
}

TEST_F(EditeurTest, IconesDeLaSelection)
{
    CSPRITE* sd = spriteDecor(plan(2), b, 100, 100);
    jeu->pscriptEngine = new CScriptEngine();
    jeu->pscriptEngineJeu = jeu->pscriptEngine;
    CScript* script = jeu->pscriptEngine->creerScript("x.scp", sd, 0, -1, false, false);
    decor->positionsDepart = {sd};
    sd->bPhysE = true;
    sd->pPhysE = new CPhysEffondrement();
    selectionner(110, 110);
    ASSERT_EQ(decor->pSDSelection, sd);

    // Scaling: only the enabled axes, within 0.1 and 50.
    sd->sx = sd->sy = 0.15f;
    tenirIcone(ECHELLE, 1, true);
    EXPECT_FLOAT_EQ(sd->sx, 0.15f) << "neither axis enabled: no change";
    jeu->bSizeX = true;
    tenirIcone(ECHELLE, 1, true);
    EXPECT_FLOAT_EQ(sd->sx, 0.1f) << "not below 0.1";
    EXPECT_FLOAT_EQ(sd->sy, 0.15f) << "the axis not enabled";
    sd->sx = 49.95f;
    tenirIcone(ECHELLE, 1);
    EXPECT_FLOAT_EQ(sd->sxMax, 50.0f) << "not above 50, kept as its default scale";
    const struct {
        float depart;
        bool droit;
        float attendu;
    } rotations[] = {{359.5f, false, 0}, {0.5f, true, 359}, {10, false, 11}};
    for (const auto& r : rotations) {
        sd->rotangle = r.depart;
        tenirIcone(ROTATION, 1, r.droit);
        EXPECT_FLOAT_EQ(sd->rotangle, r.attendu) << "from " << r.depart;
    }
    // The same turn and growth per second at 60 frames per second.
    for (float coeff : {1.0f, 0.5f}) {
        jeu->framerateCoeff = coeff;
        sd->rotangle = 0;
        sd->sx = 1;
        tenirIcone(ROTATION, static_cast<int>(30 / coeff));
        tenirIcone(ECHELLE, static_cast<int>(30 / coeff));
        EXPECT_NEAR(sd->rotangle, 30, 1e-3) << "degrees per second at " << coeff;
        EXPECT_NEAR(sd->sx, 4, 1e-3) << "scale per second at " << coeff;
    }
    // Locked: the lock icon still works, nothing else does.
    clicIcone(VERROU);
    EXPECT_TRUE(sd->bLock);
    clicIcone(MIROIR_H);
    clicIcone(SUPPRIMER);
    EXPECT_TRUE(sd->flipH == 1 && decor->pSDSelection == sd) << "a locked sprite is left alone";
    clicIcone(VERROU);
    // A plane move keeps the object with its behaviour, script and start marker.
    clicIcone(PLAN_SUIVANT);
    ASSERT_EQ(plan(3).sprites.size(), 1u);
    EXPECT_TRUE(plan(3).sprites.front() == sd && plan(2).sprites.empty() && decor->numPlanSelection == 3);
    EXPECT_TRUE(sd->bPhysE && sd->pPhysE && script->pSD == sd && decor->positionsDepart.front() == sd);
    clicIcone(PLAN_SUIVANT);
    clicIcone(PLAN_SUIVANT);
    EXPECT_EQ(decor->numPlanSelection, 4) << "no plane beyond the farthest";
    // Delete: its scripts, the selection, the start marker and the shader dialog's hold go.
    int detachements = 0;
    g_services.detacherDialogueShader = [&detachements] { ++detachements; };
    clicIcone(SUPPRIMER);
    EXPECT_EQ(detachements, 1) << "the shader variables dialog lets the sprite go";
    EXPECT_TRUE(plan(4).sprites.empty() && decor->pSDSelection == nullptr && decor->positionsDepart.empty());
    EXPECT_TRUE(jeu->pscriptEngine->scripts.empty()) << "its scripts went with it";
    delete jeu->pscriptEngine;
    jeu->pscriptEngine = jeu->pscriptEngineJeu = nullptr;
}

TEST_F(EditeurTest, SpriteHorsPlanEtZoom)
{
    CSPRITE3 perso;  // a character's sprite chosen through a dialog: no plane holds it
    decor->pSDSelection = &perso;
    decor->ancreMenuSDX = 200;
    decor->ancreMenuSDY = 100;
    decor->pMenuSD->setActif(true);
    image(1000, 700, false);
    clicIcone(SUPPRIMER);
    EXPECT_EQ(decor->pSDSelection, &perso) << "the delete icon leaves it alone";
    // The strip follows the zoom: half as far from the view's corner at zoom 2.
    jeu->pvue->zoom = 2;
    image(1000, 700, false);
    EXPECT_EQ(decor->pMenuSD->x, 100);
    EXPECT_EQ(decor->pMenuSD->y, (100 + 1 + 32) / 2);
    decor->pSDSelection = nullptr;
}
