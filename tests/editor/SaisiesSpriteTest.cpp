// Write-back of the sprite properties dialog: typed values, the behaviour checks with the
// player's list, the own sound and the colour.
#include "OutilsSprite.h"

#include "core/Chemin.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "gui/CPLUXControlColor.h"
#include "script/ScriptEngine.h"

#include <SFML/Audio/Sound.hpp>

namespace {

class Saisies : public DialoguesSprite {
protected:
    void SetUp() override
    {
        DialoguesSprite::SetUp();
        sd->calque = 3;
        sd->x0 = 90;
        decor->calqueVisible = 1;
        dlg().init();
    }
};

struct Cas {
    const char* nom;
    const char* saisie;
    const char* texte;
    void (*avant)(CSPRITE&);
    float (*lire)(const CSPRITE&);
    float attendu;
};

void rien(CSPRITE&) {}
void cacheAuCalque3(CSPRITE& s)
{
    s.calque = 3;
    s.bVisible = false;
}

} // namespace

TEST_F(Saisies, TypedValuesGoIntoTheSprite)
{
    const Cas cas[] = {
        {"X without blanks", ids::myTextInputX, "1 5", rien, [](const CSPRITE& s) { return s.x; }, 15},
        {"X moves the start", ids::myTextInputX, "1 5", rien, [](const CSPRITE& s) { return s.x0; }, 15},
        {"a collapsing sprite keeps its start", ids::myTextInputX, "1 5",
         [](CSPRITE& s) { s.bPhysE = true; }, [](const CSPRITE& s) { return s.x0; }, 90},
        {"Y", ids::myTextInputY, "-7", rien, [](const CSPRITE& s) { return s.y0; }, -7},
        {"Rot as typed", ids::myTextInputRot, "1 5", rien, [](const CSPRITE& s) { return s.rotangle; }, 1},
        {"RotV", ids::myTextInputRotV, "2.5", rien, [](const CSPRITE& s) { return s.rotangle_virtuel; }, 2.5f},
        {"layer below 0", ids::myTextInputCalque, "-3", rien, [](const CSPRITE& s) { return float(s.calque); }, 0},
        {"layer 0 is shown", ids::myTextInputCalque, "0", cacheAuCalque3,
         [](const CSPRITE& s) { return float(s.bVisible); }, 1},
        {"the same layer keeps the flag", ids::myTextInputCalque, "3", cacheAuCalque3,
         [](const CSPRITE& s) { return float(s.bVisible); }, 0},
        {"the visible layer shows", ids::myTextInputCalque, "1", cacheAuCalque3,
         [](const CSPRITE& s) { return float(s.bVisible); }, 1},
        {"another layer hides", ids::myTextInputCalque, "2", [](CSPRITE& s) { s.calque = 3; },
         [](const CSPRITE& s) { return float(s.bVisible); }, 0},
        {"group below 0", ids::myTextInputGroupe, "-3", [](CSPRITE& s) { s.groupe = 5; },
         [](const CSPRITE& s) { return float(s.groupe); }, 0},
        {"parameter truncated", ids::myTextInputParam1, "2.9", rien,
         [](const CSPRITE& s) { return s.paramsScript[0]; }, 2},
        {"negative parameter", ids::myTextInputParam3, "-2.9", rien,
         [](const CSPRITE& s) { return s.paramsScript[2]; }, -2},
        {"huge layer", ids::myTextInputCalque, "99999999999999", rien,
         [](const CSPRITE& s) { return float(s.calque); }, 2147483647.0f},
        {"origin applied", ids::myTextInputOx, "12", rien, [](const CSPRITE& s) { return s.sprite.getOrigin().x; },
         12},
        {"collision", ids::myTextInputCollision, "abc", [](CSPRITE& s) { s.collision = 4; },
         [](const CSPRITE& s) { return float(s.collision); }, 0},
        {"sound mode", ids::myTextInputModeSon, " 3", rien, [](const CSPRITE& s) { return float(s.modeSon); }, 3},
        {"shadow offset", ids::myTextInputOmbreOfY, "1e40", rien, [](const CSPRITE& s) { return s.ombreDY; },
         3.40282347e38f},
    };
    for (const Cas& c : cas) {
        sd->bVisible = true;
        sd->bPhysE = false;
        sd->x0 = 90;
        c.avant(*sd);
        saisir(c.saisie, c.texte);
        EXPECT_FLOAT_EQ(c.lire(*sd), c.attendu) << c.nom;
    }
    saisir(ids::myTextInputID, " porte;1 ");
    EXPECT_EQ(sd->strID, " porte;1 ") << "the ID is kept as typed";

    // The inputs that only show a value change nothing.
    sd->calque = 3;
    const float sx = sd->sx, volume = sd->volumeSon;
    for (const char* id : {ids::myTextInputPoids, ids::myTextInputSX, ids::myTextInputSY, ids::myTextInputXi,
                           ids::myTextInputYi, ids::myTextInputPlan, ids::myTextInputDEC, ids::myTextInputFichierDEC,
                           ids::myTextInputVolumeSon})
        saisir(id, "77");
    EXPECT_EQ(sd->sx, sx);
    EXPECT_EQ(sd->volumeSon, volume);
    EXPECT_FLOAT_EQ(sd->x0, 90);
    EXPECT_EQ(sd->plan, 2);
    EXPECT_EQ(sd->pDEC->nom, "caisse");

    // Nothing selected: typing writes nowhere.
    decor->pSDSelection = nullptr;
    saisir(ids::myTextInputX, "5");
    EXPECT_FLOAT_EQ(sd->x, 15);
}

namespace {

// One behaviour: its check, its flag, what its slot holds, and how to fill the slot.
struct Comportement {
    const char* check;
    bool DonneesSprite::*drapeau;
    void* (*slot)(const CSPRITE&);
    void (*remplir)(CSPRITE&);
};

const Comportement COMPORTEMENTS[] = {
    {ids::myButtonCheckPhysB, &DonneesSprite::bPhysB, [](const CSPRITE& s) -> void* { return s.pPhysB; },
     [](CSPRITE& s) { s.pPhysB = new CPhysBascule(); }},
    {ids::myButtonCheckPhysG, &DonneesSprite::bPhysG, [](const CSPRITE& s) -> void* { return s.pPhysG; },
     [](CSPRITE& s) { s.pPhysG = new CPhysG(); }},
    {ids::myButtonCheckPhysR, &DonneesSprite::bPhysR, [](const CSPRITE& s) -> void* { return s.pPhysR; },
     [](CSPRITE& s) { s.pPhysR = new CPhysRebond(); }},
    {ids::myButtonCheckPhysE, &DonneesSprite::bPhysE, [](const CSPRITE& s) -> void* { return s.pPhysE; },
     [](CSPRITE& s) { s.pPhysE = new CPhysEffondrement(); }},
    {ids::myButtonCheckPhysP, &DonneesSprite::bPhysP, [](const CSPRITE& s) -> void* { return s.pParticules; },
     [](CSPRITE& s) { s.pParticules = new CParticules(); }},
    {ids::myButtonCheckPhysC, &DonneesSprite::bPhysC, [](const CSPRITE& s) -> void* { return s.pChemin; },
     [](CSPRITE& s) { s.pChemin = new CChemin(); }},
    {ids::myButtonCheckPhysDestruction, &DonneesSprite::bPhysDestruction,
     [](const CSPRITE& s) -> void* { return s.pPhysDestruction; },
     [](CSPRITE& s) { s.pPhysDestruction = new CPhysDestruction(); }},
    {ids::myButtonCheckPhysForce, &DonneesSprite::bPhysForce, [](const CSPRITE& s) -> void* { return s.pForce; },
     [](CSPRITE& s) { s.pForce = new CForceSD(); }},
};

} // namespace

// Flag and slot in agreement, and in both disagreements: the flag follows the check, an
// object is made only into an empty slot and freed only from a full one (LeakSanitizer).
TEST_F(Saisies, BehaviourChecksMatchTheirFlagAndSlot)
{
    for (const Comportement& c : COMPORTEMENTS) {
        for (int depart = 0; depart < 4; ++depart) {
            const bool drapeau = depart == 1 || depart == 2, plein = depart == 1 || depart == 3;
            (*sd).*(c.drapeau) = drapeau;
            if (plein)
                c.remplir(*sd);
            void* avant = c.slot(*sd);
            dlg().init();
            cliquer(c.check);
            const std::string cas = std::string(c.check) + " from flag " + std::to_string(drapeau) + ", slot " +
                                    std::to_string(plein);
            EXPECT_EQ((*sd).*(c.drapeau), !drapeau) << cas;
            EXPECT_EQ(c.slot(*sd) != nullptr, !drapeau) << cas;
            if (plein && !drapeau)
                EXPECT_EQ(c.slot(*sd), avant) << cas << ": the object in place is kept";
            if ((*sd).*(c.drapeau))
                cliquer(c.check);  // back to nothing
            EXPECT_EQ(c.slot(*sd), nullptr) << cas;
        }
    }
}

TEST_F(Saisies, ThePlayersListAndWhatTheDialogsHold)
{
    CPerso* joueur = perso();
    jeu->pPerso = joueur;
    CSPRITE* repos = spriteDecor(plan(2), sd->pDEC, 0, 0);
    CSPRITE* lance = spriteDecor(plan(2), sd->pDEC, 0, 0);
    for (CSPRITE* s : {repos, lance}) {
        s->bPhysR = true;
        s->pPhysR = new CPhysRebond();
    }
    lance->pPhysR->etat = 2;
    joueur->plateformes = {repos, lance};

    cliquer(ids::myButtonCheckPhysP);
    dialParticules->init(sd->pParticules, nullptr);
    cliquer(ids::myButtonCheckPhysP);
    cliquer(ids::myButtonCheckPhysP);
    EXPECT_EQ(joueur->plateformes, (std::list<CSPRITE*>{repos, sd})) << "pruned of the launching pad, sd once";
    EXPECT_EQ(dialParticules->pParticules, nullptr) << "the freed emitter stayed in the particle dialog";

    // The force zone's two scripts leave the engine with the zone.
    jeu->pscriptEngineJeu = jeu->pscriptEngine = new CScriptEngine();
    cliquer(ids::myButtonCheckPhysForce);
    sd->pForce->pScript = jeu->pscriptEngine->creerScript("zone.scp", sd, 12, -1, false, true);
    sd->pForce->pScriptFermeture = jeu->pscriptEngine->creerScript("fin.scp", sd, 12, -1, false, true);
    CScript* zone = sd->pForce->pScript;
    cliquer(ids::myButtonCheckPhysForce);
    EXPECT_FALSE(jeu->pscriptEngine->contient(zone));
    EXPECT_EQ(jeu->pscriptEngine->nbScripts, 0);
    EXPECT_EQ(std::count(joueur->plateformes.begin(), joueur->plateformes.end(), sd), 1);
}

TEST_F(Saisies, OwnSoundAndColour)
{
    sonEssai(jeu->buffersSons["cloche"]);
    struct Cas {
        const char* nom;
        const char* idSon;
        int mode;
        bool propre;
        bool joue;
    } cas[] = {
        {"a known id", "cloche", 2, true, false},  {"mode 3 plays", "cloche", 3, true, true},
        {"mode 4", "cloche", 4, false, false},     {"an empty id", "", 2, false, false},
        {"an unknown id", "inconnu", 2, false, false},
    };
    for (const Cas& c : cas) {
        sd->idSon = c.idSon;
        sd->modeSon = c.mode;
        sd->volumeSon = 80;
        dlg().init();
        cliquer(ids::myButtonCheckSonLocal);
        ASSERT_EQ(sd->pSon != nullptr, c.propre) << c.nom;
        if (c.propre) {
            EXPECT_FLOAT_EQ(sd->volumeSon, 50) << c.nom;
            EXPECT_EQ(sd->pSon->getStatus() == sf::Sound::Playing, c.joue) << c.nom;
            cliquer(ids::myButtonCheckSonLocal);
            EXPECT_EQ(sd->pSon, nullptr) << c.nom << ": off drops it";
        } else if (std::string(c.idSon) == "inconnu") {
            EXPECT_FLOAT_EQ(sd->volumeSon, 80) << c.nom;
        }
    }

    dialSprite->ctrlColor(ids::myColor)->changerParUtilisateur(sf::Color(1, 2, 3, 4));
    EXPECT_EQ(sd->couleur, sf::Color(1, 2, 3, 4));
    EXPECT_EQ(sd->sprite.getColor(), sf::Color(1, 2, 3, 4));
    EXPECT_EQ(static_cast<CSPRITE3*>(sd)->couleurGlobale, sf::Color(1, 2, 3, 4));
}
