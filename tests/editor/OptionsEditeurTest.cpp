// The editor options: light sprites, the AIs put back, the reload, the play/edit switch and
// the checks bound to the game's flags.
#include "OutilsEditeurNiveau.h"

#include "characters/EtatsPerso.h"
#include "gui/CPLUXMessageBox.h"

namespace {
const char* const OPTIONS = editeur::id::OPTIONS_EDITEUR;
} // namespace

using OptionsEditeur = EditeurNiveauTest;

TEST_F(OptionsEditeur, LightsComeBackOnlyForSpritesTypedExactlyLux)
{
    CSPRITE* lux[] = {sprite(0, "LUX"), sprite(3, "LUX"), sprite(2, "LUX2"), sprite(4, "lux"), sprite(1, "DEC")};
    for (CSPRITE* sd : lux)
        sd->bVisible = false;
    presser(OPTIONS, "myButtonCheckLumieres");
    const bool attendus[] = {true, true, false, false, false};
    for (int i = 0; i < 5; ++i)
        EXPECT_EQ(lux[i]->bVisible, attendus[i]) << "sprite " << i << " of type " << lux[i]->type;
    EXPECT_TRUE(decor().bLuxVisibles) << "the level's flag is not changed here";
}

TEST_F(OptionsEditeur, AIsGoBackToTheirStartAliveWithTheirChildren)
{
    CPerso* ia = perso(true, 10.9f, -3.7f);
    auto* enfant = new CPerso();
    enfant->sprite->x0 = 40;
    enfant->sprite->y0 = 50;
    ia->enfants = {nullptr, enfant};  // a freed child leaves its entry null
    ia->direction = ia->directionInitiale = 0, ia->setDirection(1);  // placed facing right, turned by a script
    for (CPerso* p : {ia, enfant}) {
        p->sprite->placer(3, 700, 800);
        p->bDel = p->bMortLancee = p->bMortTerminee = true;
        p->mode = EtatPerso::MORT;
        p->vieMax = 80;
        p->vie = 5;
    }
    joueur->sprite->placer(2, 123, 456);
    presser(OPTIONS, "myButtonChargePosIAs");
    const std::pair<CPerso*, sf::Vector2f> attendus[] = {{ia, {10, -3}}, {enfant, {40, 50}}};
    for (const auto& [p, position] : attendus) {
        EXPECT_EQ(sf::Vector2f(p->sprite->x, p->sprite->y), position) << "truncated toward zero";
        EXPECT_EQ(p->sprite->getNumAnim(), 0) << "on animation 0";
        EXPECT_FALSE(p->bDel || p->bMortLancee) << "no longer leaving the level";
        EXPECT_EQ(p->vie, 80) << "full life";
        EXPECT_EQ(p->mode, EtatPerso::ARRET) << "state 0, out of its death";
        EXPECT_TRUE(p->direction == p->directionInitiale && p->sprite->flipH == 1)
            << "facing the way it was placed: " << p->direction << ", mirror " << p->sprite->flipH;
    }
    EXPECT_EQ(sf::Vector2f(joueur->sprite->x, joueur->sprite->y), sf::Vector2f(123, 456)) << "the player stays";
}

TEST_F(OptionsEditeur, ReloadUsesTheLastLoadOptionAndNeverEmptiesTheLevelForAMissingFile)
{
    presser(OPTIONS, "myButtonChargeNiv");
    EXPECT_EQ(decor().appels.chargerNiveau, 0) << "no level file: nothing to read";
    decor().fichierSaisi = "absent.niv";
    presser(OPTIONS, "myButtonChargeNiv");
    EXPECT_EQ(decor().appels.chargerNiveau, 0) << "a missing file would leave an empty level";
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "the load's error box says why";
    EXPECT_EQ(CPLUX::getMessageBoxes()[0]->getTitle(), "Erreur !");

    ecrireTexte("niveau.niv", "NOM=essai;1\n");
    decor().fichierSaisi = "niveau.niv";
    decor().optionChargement = 3;
    presser(OPTIONS, "myButtonChargeNiv");
    EXPECT_EQ(decor().appels.chargerNiveau, 1);
    EXPECT_EQ(decor().appels.fichierCharge, "niveau.niv");
    EXPECT_EQ(decor().appels.numeroCharge, 3) << "the sub-layer of the last load";
}

TEST_F(OptionsEditeur, PlayEditSwitchFollowsTheLibraryToolbar)
{
    jeu->bHUDVisible = false;
    jeu->pPersoSelection = joueur;
    CPLUX::pTB->show();
    CPLUX::show(editeur::id::PLANS);
    presser(OPTIONS, "myButtonModeJeu");
    EXPECT_EQ(jeu->mode, 1) << "a shown library toolbar means editing: the press plays";
    EXPECT_FALSE(CPLUX::pTB->isVisible());
    EXPECT_FALSE(CPLUX::isDialogVisible(editeur::id::PLANS)) << "every dialog minimised";
    EXPECT_TRUE(jeu->bHUDVisible && !jeu->bCarteJeu && !jeu->pPersoSelection);

    presser(OPTIONS, "myButtonModeJeu");
    EXPECT_EQ(jeu->mode, 2) << "hidden toolbar: the press edits";
    EXPECT_TRUE(!jeu->bHUDVisible && jeu->bCarteJeu);

    CSFMLJeuGlobal::bModeTest = false;
    CPLUX::pTB->show();
    presser(OPTIONS, "myButtonModeJeu");
    EXPECT_EQ(jeu->mode, 2) << "without the development switch the button does nothing";
    EXPECT_TRUE(CPLUX::pTB->estAffiche());
}

TEST_F(OptionsEditeur, BoundChecksWriteTheGameFlagsAndTheToolbarFollows)
{
    CPLUX::show(editeur::id::MENU_EDITEUR);
    const std::pair<const char*, bool CSFMLJeu::*> lies[] = {
        {"myButtonCheckCarteJeu", &CSFMLJeu::bCarteJeu},       {"myButtonCheckModeFantome", &CSFMLJeu::bModeFantome},
        {"myButtonCheckSizeX", &CSFMLJeu::bSizeX},             {"myButtonCheckSizeY", &CSFMLJeu::bSizeY},
        {"myButtonCheckLocksSelect", &CSFMLJeu::bLocksSelect}, {"myButtonCheckScriptsActifs", &CSFMLJeu::bScriptsActifs},
        {"myButtonCheckAfficheIAs", &CSFMLJeu::bAfficheIAs},   {"myButtonCheckAfficheHitboxes", &CSFMLJeu::bAfficheHitboxes},
        {"myButtonCheckAfficheGrille", &CSFMLJeu::bAfficheGrille},
    };
    for (const auto& [id, drapeau] : lies) {
        SCOPED_TRACE(id);
        const bool avant = jeu.get()->*drapeau;
        EXPECT_EQ(coche(OPTIONS, id), avant) << "shown from the game";
        presser(OPTIONS, id);
        EXPECT_EQ(jeu.get()->*drapeau, !avant) << "the press writes the flag";
        if (caseDe(editeur::id::MENU_EDITEUR, id)) {
            EXPECT_EQ(coche(editeur::id::MENU_EDITEUR, id), !avant) << "the toolbar reads it again";
        }
    }
}
