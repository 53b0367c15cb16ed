// Write-back of the sprite properties dialog: typed values, the behaviour checks with the
// player's list, the own sound and the colour.
#include "OutilsSprite.h"

#include "core/Chemin.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "script/ScriptEngine.h"

#include <SFML/Audio/Sound.hpp>

#include <tuple>

namespace {

class Saisies : public DialoguesSprite {
protected:
    void SetUp() override
    {
        DialoguesSprite::SetUp();
        decor->calqueVisible = 1;
        dlg().init();
    }
};

} // namespace

// Typed key by key into a sprite at layer 3, start (90, 40), visible; read back by a fill.
TEST_F(Saisies, TypedValuesGoIntoTheSprite)
{
    const struct {
        const char* saisie;
        const char* tape;
        bool effondrement;
        const char* relue;
        const char* attendu;
        bool visible;
    } cas[] = {
        {ids::myTextInputX, "1 5", false, ids::myTextInputXi, "15", true},  // blanks removed
        {ids::myTextInputX, "1 5", true, ids::myTextInputXi, "90", true},   // a collapsing sprite waits there
        {ids::myTextInputY, "-7", false, ids::myTextInputYi, "-7", true},
        {ids::myTextInputRot, "1 5", false, ids::myTextInputRot, "15", true},
        {ids::myTextInputCalque, "-3", false, ids::myTextInputCalque, "0", true},  // layer 0 is shown
        {ids::myTextInputCalque, "3", false, ids::myTextInputCalque, "3", true},   // the same: flag kept
        {ids::myTextInputCalque, "1", false, ids::myTextInputCalque, "1", true},   // the visible layer
        {ids::myTextInputCalque, "2", false, ids::myTextInputCalque, "2", false},
        {ids::myTextInputCalque, "99999999999999", false, ids::myTextInputCalque, "999999999", false},  // refused
        {ids::myTextInputGroupe, "-3", false, ids::myTextInputGroupe, "0", true},
        {ids::myTextInputParam1, "2.9", false, ids::myTextInputParam1, "2", true},
        {ids::myTextInputParam3, "-2.9", false, ids::myTextInputParam3, "-2", true},
        {ids::myTextInputOx, "12", false, ids::myTextInputOx, "12", true},
        {ids::myTextInputCollision, "abc", false, ids::myTextInputCollision, "1", true},  // refused: kept
        {ids::myTextInputModeSon, " 3", false, ids::myTextInputModeSon, "3", true},
        {ids::myTextInputOmbreOfY, "1e40", false, ids::myTextInputOmbreOfY, "1", true},  // refused at the "e"
        {ids::myTextInputID, " porte;1 ", false, ids::myTextInputID, " porte;1 ", true},
    };
    int refusees = 0;
    for (const auto& c : cas) {
        sd->calque = 3, sd->x0 = 90, sd->bVisible = true, sd->groupe = 5, sd->bPhysE = c.effondrement;
        saisir(c.saisie, c.tape);
        refusees += refus();
        if (std::string(c.saisie) == c.relue) {
            EXPECT_EQ(tuv::delspaces(texte(c.saisie)), tuv::delspaces(c.attendu))
                << c.saisie << " <- \"" << c.tape << "\": the value kept shown at once";
        }
        dlg().init();
        EXPECT_EQ(texte(c.relue), c.attendu) << c.saisie << " <- \"" << c.tape << "\"";
        EXPECT_EQ(sd->bVisible, c.visible) << c.saisie << " <- \"" << c.tape << "\"";
    }
    EXPECT_EQ(refusees, 3) << "one box for each text refused";
    EXPECT_FLOAT_EQ(sd->sprite.getOrigin().x, 12) << "Ox sets the drawn origin";

    // The inputs that only show a value take no typing; the volume waits for its button;
    // without a selection nothing is written.
    for (const char* id : {ids::myTextInputPoids, ids::myTextInputSX, ids::myTextInputSY, ids::myTextInputXi,
                           ids::myTextInputYi, ids::myTextInputPlan, ids::myTextInputDEC, ids::myTextInputFichierDEC}) {
        const std::string montre = texte(id);
        saisir(id, "77");
        EXPECT_EQ(texte(id), montre) << id << " took typing, which changes nothing";
    }
    saisir(ids::myTextInputVolumeSon, "77");
    decor->pSDSelection = nullptr;
    saisir(ids::myTextInputX, "5");
    EXPECT_TRUE(sd->sx == 1 && sd->volumeSon == 100 && sd->x0 == 90 && sd->plan == 2 && sd->x == 15);
}

namespace {

using Slot = void* (*)(const CSPRITE&);
const std::tuple<const char*, bool DonneesSprite::*, Slot> COMPORTEMENTS[] = {
    {ids::myButtonCheckPhysB, &DonneesSprite::bPhysB, [](const CSPRITE& s) -> void* { return s.pPhysB; }},
    {ids::myButtonCheckPhysG, &DonneesSprite::bPhysG, [](const CSPRITE& s) -> void* { return s.pPhysG; }},
    {ids::myButtonCheckPhysR, &DonneesSprite::bPhysR, [](const CSPRITE& s) -> void* { return s.pPhysR; }},
    {ids::myButtonCheckPhysE, &DonneesSprite::bPhysE, [](const CSPRITE& s) -> void* { return s.pPhysE; }},
    {ids::myButtonCheckPhysP, &DonneesSprite::bPhysP, [](const CSPRITE& s) -> void* { return s.pParticules; }},
    {ids::myButtonCheckPhysC, &DonneesSprite::bPhysC, [](const CSPRITE& s) -> void* { return s.pChemin; }},
    {ids::myButtonCheckPhysDestruction, &DonneesSprite::bPhysDestruction,
     [](const CSPRITE& s) -> void* { return s.pPhysDestruction; }},
    {ids::myButtonCheckPhysForce, &DonneesSprite::bPhysForce, [](const CSPRITE& s) -> void* { return s.pForce; }},
};

} // namespace

// Flag and slot in agreement and in both disagreements: the flag follows the check, an object
// is made only into an empty slot and freed only from a full one (LeakSanitizer watches).
TEST_F(Saisies, BehaviourChecksMatchTheirFlagAndSlot)
{
    for (const auto& [check, drapeau, slot] : COMPORTEMENTS) {
        auto basculer = [&, check = check](bool flag, bool attendu) {
            (*sd).*drapeau = flag;
            dlg().init();
            void* avant = slot(*sd);
            cliquer(check);
            const std::string cas = std::string(check) + " from flag " + std::to_string(flag) + ", slot " +
                                    std::to_string(avant != nullptr);
            EXPECT_EQ((*sd).*drapeau, attendu) << cas;
            EXPECT_EQ(slot(*sd) != nullptr, attendu) << cas;
            if (avant && attendu) {
                EXPECT_EQ(slot(*sd), avant) << cas << ": the object in place is kept";
            }
        };
        basculer(false, true);   // off, empty
        basculer(true, false);   // on, full
        basculer(true, false);   // on, empty
        basculer(false, true);   // off, empty again: made
        (*sd).*drapeau = false;  // off, full
        basculer(false, true);
        basculer(true, false);
    }
}

TEST_F(Saisies, ThePlayersListAndWhatTheDialogsHold)
{
    CPerso* joueur = perso();
    jeu->pPerso = joueur;
    CSPRITE* repos = spriteDecor(plan(2), sd->pDEC, 0, 0);
    CSPRITE* lance = spriteDecor(plan(2), sd->pDEC, 0, 0);
    for (CSPRITE* s : {repos, lance})
        s->bPhysR = true, s->pPhysR = new CPhysRebond();
    lance->pPhysR->etat = 2;
    joueur->plateformes = {repos, lance};
    cliquer(ids::myButtonCheckPhysP);
    dialParticules->init(sd->pParticules, nullptr);
    cliquer(ids::myButtonCheckPhysP);
    EXPECT_EQ(dialParticules->pParticules, nullptr) << "the freed emitter stayed in the particle dialog";
    cliquer(ids::myButtonCheckPhysP);
    EXPECT_EQ(joueur->plateformes, (std::list<CSPRITE*>{repos, sd})) << "pruned of the launching pad, sd once";
    EXPECT_EQ(dialParticules->pParticules, sd->pParticules) << "the new emitter shown once checked";

    // The force zone's two scripts leave the engine with the zone.
    jeu->pscriptEngineJeu = jeu->pscriptEngine = new CScriptEngine();
    cliquer(ids::myButtonCheckPhysForce);
    sd->pForce->pScript = jeu->pscriptEngine->creerScript("zone.scp", sd, 12, -1, false, true);
    sd->pForce->pScriptFermeture = jeu->pscriptEngine->creerScript("fin.scp", sd, 12, -1, false, true);
    cliquer(ids::myButtonCheckPhysForce);
    EXPECT_EQ(jeu->pscriptEngine->nbScripts, 0);
    EXPECT_EQ(std::count(joueur->plateformes.begin(), joueur->plateformes.end(), sd), 1);
}

TEST_F(Saisies, OwnSoundAndColour)
{
    sonEssai(jeu->buffersSons["cloche"]);
    const struct {
        const char* idSon;
        int mode;
        bool propre, joue;
        float volume;
    } cas[] = {{"cloche", 2, true, false, 50}, {"cloche", 3, true, true, 50}, {"cloche", 4, false, false, 0},
               {"", 2, false, false, 80},      {"inconnu", 2, false, false, 80}};
    for (const auto& c : cas) {
        sd->idSon = c.idSon, sd->modeSon = c.mode, sd->volumeSon = 80;
        dlg().init();
        cliquer(ids::myButtonCheckSonLocal);
        const std::string nom = std::string(c.idSon) + " mode " + std::to_string(c.mode);
        ASSERT_EQ(sd->pSon != nullptr, c.propre) << nom;
        EXPECT_FLOAT_EQ(sd->volumeSon, c.volume) << nom;
        if (!c.propre)
            continue;
        EXPECT_EQ(sd->pSon->getStatus() == sf::Sound::Playing, c.joue) << nom;
        cliquer(ids::myButtonCheckSonLocal);
        EXPECT_EQ(sd->pSon, nullptr) << nom << ": off drops it";
    }

    dialSprite->ctrlColor(ids::myColor)->changerParUtilisateur(sf::Color(1, 2, 3, 4));
    EXPECT_EQ(sd->couleur, sf::Color(1, 2, 3, 4));
    EXPECT_EQ(sd->sprite.getColor(), sf::Color(1, 2, 3, 4));
    EXPECT_EQ(static_cast<CSPRITE3*>(sd)->couleurGlobale, sf::Color(1, 2, 3, 4));
}
