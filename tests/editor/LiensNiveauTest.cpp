// What the level world asks of the dialogs through the hooks (picking, the icon strip, the
// delete, a level load, a freed character).
#include "OutilsSprite.h"

#include "core/Particules.h"
#include "level/MenuImage.h"

namespace {

enum Icone { PROPRIETES = 3, SUPPRIMER = 11 };

class Liens : public DialoguesSprite {
protected:
    void SetUp() override
    {
        DialoguesSprite::SetUp();
        camera(0, 0);
        jeu->mode = 2;
        SourisJeu::lire = [this](const sf::Window&) { return etat; };
        SourisJeu::ctrlGauche = [] { return true; };
        icones.create(12 * 32, 32);
        decor->pMenuSD->charger(icones, 32, 32, 0, 0);
        decor->pSDSelection = nullptr;
        sd->strID = "caisse";  // 8 x 8 at (100, 50)
    }
    void TearDown() override
    {
        SourisJeu::reinitialiser();
        DialoguesSprite::TearDown();
    }
    // A Ctrl+click at (x, y) through the icon strip (or the picking under it).
    void clic(int x, int y)
    {
        for (bool gauche : {true, false}) {
            etat = {gauche, false, {x, y}};
            decor->gererMenuSD(&fenetre, 0, 0);
        }
    }
    void clicIcone(int k) { clic(decor->pMenuSD->x + 32 * k + 16, decor->pMenuSD->y + 16); }
    // Both dialogs attached to the sprite's maps and emitter, the shader dialog on "f".
    void attacher(CSPRITE& s)
    {
        s.uniformsFrag["f"].strType = "float";
        s.bPhysP = true;
        s.pParticules = new CParticules();
        dialShader->pUniformsVert = &s.uniformsVert;
        dialShader->pUniformsFrag = &s.uniformsFrag;
        dialShader->init();
        dialShader->show();
        ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE_SHADER, ids::myComboBoxVarFrag, 0));
        dialParticules->init(s.pParticules, &s);
    }
    void detaches()
    {
        EXPECT_EQ(dialShader->pUniformsVert, nullptr);
        EXPECT_EQ(dialShader->pUniformsFrag, nullptr);
        EXPECT_EQ(dialShader->ctrlComboBox(ids::myComboBoxVarFrag)->getNbElements(), 0) << "the gone sprite's list";
        EXPECT_EQ(dialShader->getControl(ids::myTextNomVar)->getText(), "") << "its chosen variable";
        EXPECT_EQ(dialParticules->pParticules, nullptr);
        EXPECT_EQ(dialParticules->pProprietaire, nullptr);
    }
    // A value typed into the shader dialog and a fill, on whatever they still hold.
    void toucher()
    {
        saisir(ids::DIALOGUE_SHADER, ids::myTextInputV1, "3");
        dlg().init();
    }

    sf::Window fenetre;
    EtatSouris etat;
    sf::Texture icones;
};

} // namespace

TEST_F(Liens, PickingAndTheIconStripRefillTheDialog)
{
    clic(102, 52);
    ASSERT_EQ(decor->pSDSelection, sd);
    EXPECT_EQ(texte(ids::myTextInputID), "caisse") << "the pick refilled nothing";
    clic(600, 600);
    EXPECT_EQ(decor->pSDSelection, nullptr);
    EXPECT_EQ(texte(ids::myTextInputID), "") << "the empty pick refilled nothing";
    etat = {true, false, {102, 52}};
    decor->souris(&fenetre, 0, 0);
    EXPECT_EQ(texte(ids::myTextInputID), "caisse") << "souris alone";
    etat = {false, false, {102, 52}};
    decor->souris(&fenetre, 0, 0);

    dialSprite->hide();
    sd->strID = "renomme";
    clicIcone(PROPRIETES);
    EXPECT_TRUE(CPLUX::isDialogVisible(ids::DIALOGUE));
    EXPECT_EQ(texte(ids::myTextInputID), "renomme");
    dialSprite->close();  // its cross
    clicIcone(PROPRIETES);
    EXPECT_TRUE(CPLUX::isDialogVisible(ids::DIALOGUE)) << "the first click after the cross shows it";
    decor->deselectionner();
    EXPECT_EQ(texte(ids::myTextInputID), "");
}

TEST_F(Liens, DeleteLoadAndFreedCharacterLeaveTheDialogsDetached)
{
    clic(102, 52);
    attacher(*sd);
    clicIcone(SUPPRIMER);
    EXPECT_EQ(decor->pSDSelection, nullptr);
    EXPECT_TRUE(plan(2).sprites.empty());
    detaches();
    toucher();  // AddressSanitizer watches

    // A level load detaches both; the next fill attaches the selection's, nothing chosen.
    CSPRITE* autre = spriteDecor(plan(2), banqueCouleur(*decor, "autre", 4, 4, VERT), 0, 0);
    attacher(*autre);
    CSFMLJeuGlobal::bModeTest = true;  // the load lets the dialog go only where it exists
    decor->chargerNiveau("absent.niv", 0);
    CSFMLJeuGlobal::bModeTest = false;
    detaches();
    toucher();
    decor->pSDSelection = spriteDecor(plan(2), banqueCouleur(*decor, "autre", 4, 4, VERT), 0, 0);
    dlg().init();
    EXPECT_EQ(dialShader->pUniformsFrag, &decor->pSDSelection->uniformsFrag);
    EXPECT_EQ(dialShader->getControl(ids::myTextInputV1)->getText(), "");

    // A character freed with its selected sprite (an attached character's here).
    CPerso* ia = perso();
    auto* enfant = new CPerso();
    ia->enfants.push_back(enfant);
    attacher(*enfant->sprite);
    decor->pSDSelection = enfant->sprite;
    enfant->sprite->strID = "enfant";
    dlg().init();
    decor->detruirePerso(ia);
    EXPECT_EQ(decor->pSDSelection, nullptr);
    EXPECT_EQ(texte(ids::myTextInputID), "") << "the properties still show the freed sprite";
    detaches();
    toucher();
}
