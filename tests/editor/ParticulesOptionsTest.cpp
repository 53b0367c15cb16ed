// The particle emitter options: the fill of the controls, the write-back of inputs, checks
// and colour into the live emitter, the restarts and the weapon test.
#include "OutilsOptions.h"

#include "characters/Armes.h"
#include "characters/Perso.h"

#include <set>

namespace {

class Particules : public DialoguesOptions {
protected:
    void SetUp() override
    {
        DialoguesOptions::SetUp();
        sd->x = 100.7f;
        sd->y = 50.9f;
        sd->bPhysP = true;
        sd->pParticules = e = new CParticules();
        e->dureeVie = 10;
        e->nbParticules = 20;
        e->demarrer(100, 50, 1);
        dialParticules->show();
        dialParticules->init(e, sd);
    }
    CJeuDialogPhysParticulesOptions& dlgP() { return *dialParticules; }
    void cliquer(const char* id) { cliquerDans(dlgP(), id); }
    CParticules* e = nullptr;
};

// The 21 checks; the first ten are unchecked by a fill without emitter.
const char* const CASES[] = {
    idp::myButtonCheckCercle, idp::myButtonCheckCarree, idp::myButtonCheckTexture, idp::myButtonCheckAngleAlea,
    idp::myButtonCheckAngleAleaCarre, idp::myButtonCheckAngleAleaDirection, idp::myButtonCheckForcesExterieures,
    idp::myButtonCheckNoCalcCollision, idp::myButtonCheckNoDrawPause, idp::myButtonCheckNoCalcPause,
    idp::myButtonCheckFontaine, idp::myButtonCheckCascade, idp::myButtonCheckCollisionSans,
    idp::myButtonCheckCollisionSimple, idp::myButtonCheckCollisionAlea, idp::myButtonCheckAlphaDec,
    idp::myButtonCheckPause, idp::myButtonCheckEmetteurVisible, idp::myButtonCheckVariationTaille,
    idp::myButtonCheckTailleAlea, idp::myButtonCheckRotDirection,
};

float taillesMinMax(const CParticules& p) { return p.tailleMin * 100 + p.tailleMax; }

std::vector<sf::Vector2f> positions(const CParticules& p)
{
    std::vector<sf::Vector2f> r;
    for (const auto& q : p.getParticules())
        r.emplace_back(q.x, q.y);
    return r;
}

} // namespace

TEST_F(Particules, TheFillShowsEveryValueAndWritesNothingBack)
{
    for (const SaisieParticules& t : SAISIES_PARTICULES)
        saisirDans(dlgP(), t.id, t.texte);
    e->type = 1, e->modeCollision = 2, e->bAngleAleaCarre = true, e->forme = 2, e->bPause = true;
    e->bNoDrawPause = true, e->bRotDirection = true;
    const std::set<std::string> cochees = {idp::myButtonCheckCascade, idp::myButtonCheckCollisionAlea,
                                           idp::myButtonCheckAngleAleaCarre, idp::myButtonCheckTexture,
                                           idp::myButtonCheckPause, idp::myButtonCheckNoDrawPause,
                                           idp::myButtonCheckRotDirection};
    e->forcesRefX = 9;
    const auto avant = positions(*e);
    dlgP().init(e, sd);
    for (const SaisieParticules& t : SAISIES_PARTICULES)
        EXPECT_EQ(texteDe(dlgP(), t.id), t.texte) << t.id;
    for (const char* id : CASES)
        EXPECT_EQ(cocheDe(dlgP(), id), cochees.count(id) == 1) << id;
    EXPECT_EQ(dlgP().ctrlColor(idp::myColorParticules)->getColor(), sf::Color(1, 2, 3, 4));
    EXPECT_EQ(e->forcesRefX, 9) << "the fill copied forcesX over its reference";
    EXPECT_EQ(positions(*e), avant) << "the fill restarted the emitter";
    e->strCheminTexture = "a b.png";
    dlgP().init(e, sd);
    EXPECT_EQ(e->strCheminTexture, "a b.png") << "the fill stripped the texture path";

    dlgP().init(nullptr, nullptr);
    EXPECT_EQ(dlgP().pParticules, nullptr);
    for (const SaisieParticules& t : SAISIES_PARTICULES)
        if (std::string(t.id) != idp::myTextInputCheminTexture) {
            EXPECT_EQ(texteDe(dlgP(), t.id), t.videSansEmetteur ? "" : t.texte) << t.id << " without emitter";
        }
    for (size_t i = 0; i < std::size(CASES); ++i)
        EXPECT_EQ(cocheDe(dlgP(), CASES[i]), i >= 10 && cochees.count(CASES[i])) << CASES[i] << " without emitter";

    // Values outside their ranges check no box of their trio.
    e->type = 5, e->forme = 7, e->modeCollision = -1;
    dlgP().init(e, sd);
    for (const char* id : {CASES[0], CASES[1], CASES[2], CASES[10], CASES[11], CASES[12], CASES[13], CASES[14]})
        EXPECT_FALSE(cocheDe(dlgP(), id)) << id << " checked for a value outside its range";
}

TEST_F(Particules, TypedValuesGoIntoTheLiveEmitter)
{
    const struct {
        const char* id;
        const char* saisie;
        float (*lire)(const CParticules&);
        float attendu;
    } cas[] = {
        {idp::myTextInputNbParticules, "300", [](const CParticules& p) { return float(p.getParticules().size()); }, 300},
        {idp::myTextInputNbParticules, "300", [](const CParticules& p) { return p.x + p.y + p.type; }, 151},
        {idp::myTextInputNbParticules, "-5", [](const CParticules& p) { return float(p.getParticules().size()); }, 0},
        {idp::myTextInputNbParticules, "999999999",
         [](const CParticules& p) { return float(p.getParticules().size()); }, 100000},
        {idp::myTextInputAleaDureeVie, "-1", [](const CParticules& p) { return float(p.aleaDureeVie); }, 0},
        {idp::myTextInputAmplitudeDegradeCouleur, "2000000000",
         [](const CParticules& p) { return float(p.amplitudeDegradeCouleur); }, 255},
        {idp::myTextInputR, "300", [](const CParticules& p) { return float(p.couleur.r); }, 44},
        {idp::myTextInputForcesX, "1.5", [](const CParticules& p) { return p.forcesX + p.forcesRefX; }, 3},
        {idp::myTextInputVelY, "1 e", [](const CParticules& p) { return p.velY; }, 1},
        {idp::myTextInputLargeurEmetteur, "-4", [](const CParticules& p) { return float(p.largeurEmetteur); }, -4},
        {idp::myTextInputDureeVie, "abc", [](const CParticules& p) { return float(p.dureeVie); }, 10},
        {idp::myTextInputDureeVie, "-5", [](const CParticules& p) { return float(p.dureeVie); }, 1},
        // Sizes stay as typed in either order (minimum x 100 + maximum), even reversed.
        {idp::myTextInputTailleMin, "9", taillesMinMax, 901},
        {idp::myTextInputTailleMax, "20", taillesMinMax, 920},
        {idp::myTextInputTailleMax, "3", taillesMinMax, 903},
        {idp::myTextInputTailleMin, "2", taillesMinMax, 203},
    };
    int refusees = 0;
    for (const auto& c : cas) {
        saisirDans(dlgP(), c.id, c.saisie);
        EXPECT_EQ(c.lire(*e), c.attendu) << c.id << " <- \"" << c.saisie << "\"";
        refusees += refus();
    }
    EXPECT_EQ(refusees, 2) << "\"1 e\" and \"abc\"";
    EXPECT_EQ(dlgP().ctrlColor(idp::myColorParticules)->getColor().r, 44) << "the colour control follows";
    // Each field shows what the emitter kept: its range, the channel's low byte.
    const std::pair<const char*, const char*> gardes[] = {
        {idp::myTextInputNbParticules, "100000"}, {idp::myTextInputR, "44"}, {idp::myTextInputDureeVie, "1"}};
    for (const auto& [id, garde] : gardes)
        EXPECT_EQ(texteDe(dlgP(), id), garde) << id << " shows the value kept";

    // Absurd values typed meanwhile run clean (UndefinedBehaviorSanitizer watches).
    saisirDans(dlgP(), idp::myTextInputNbParticules, "50");
    for (int i = 0; i < 300; ++i)
        e->majTout();

    // The texture path is stored without blanks and waits for a restart.
    const auto avant = positions(*e);
    saisirDans(dlgP(), idp::myTextInputCheminTexture, "a b.png");
    EXPECT_EQ(e->strCheminTexture, "ab.png");
    EXPECT_EQ(positions(*e), avant) << "a texture path restarted the emitter";
}

TEST_F(Particules, ChecksAndColourActOnTheirFields)
{
    cliquer(idp::myButtonCheckAngleAlea);
    EXPECT_TRUE(e->bAngleAlea && !e->bAngleAleaCarre && !e->bAngleAleaDirection) << "checking one random mode";
    cliquer(idp::myButtonCheckAngleAlea);
    EXPECT_TRUE(!e->bAngleAlea && e->bAngleAleaCarre && e->bAngleAleaDirection) << "unchecking it";
    cliquer(idp::myButtonCheckTexture);
    EXPECT_EQ(e->forme, 2);
    cliquer(idp::myButtonCheckCarree);
    EXPECT_EQ(e->forme, 1);
    EXPECT_FALSE(cocheDe(dlgP(), idp::myButtonCheckTexture)) << "the model groups the shapes";
    basculer(dlgP(), idp::myButtonCheckCarree, false);
    EXPECT_EQ(e->forme, 1) << "unchecking a shape";
    cliquer(idp::myButtonCheckCollisionSimple);
    EXPECT_EQ(e->modeCollision, 1);
    cliquer(idp::myButtonCheckPause);
    EXPECT_TRUE(e->bPause && e->bPauseEmission);

    dlgP().ctrlColor(idp::myColorParticules)->changerParUtilisateur(sf::Color(10, 20, 30, 40));
    EXPECT_EQ(e->couleur, sf::Color(10, 20, 30, 40));
    const std::pair<const char*, const char*> canaux[] = {
        {idp::myTextInputR, "10"}, {idp::myTextInputG, "20"}, {idp::myTextInputB, "30"}, {idp::myTextInputA, "40"}};
    for (const auto& [id, texte] : canaux)
        EXPECT_EQ(texteDe(dlgP(), id), texte) << id;
}

TEST_F(Particules, RestartsAtTheOwnerAndEmitAgain)
{
    // An emitter that lived its one cycle emits again after "myButtonInit".
    e->nbCycles = 1;
    for (int i = 0; i < 40 && !e->bFini; ++i)
        e->majTout();
    ASSERT_TRUE(e->bFini);
    cliquer(idp::myButtonInit);
    EXPECT_FALSE(e->bFini);
    EXPECT_EQ(e->x + e->y + e->type, 151) << "at the owner's truncated position, keeping its type";
    for (int i = 0; i < 12; ++i)
        e->majTout();
    EXPECT_GT(e->nbVivantes(), 0);
    dlgP().init(e, nullptr);
    cliquer(idp::myButtonInit);
    EXPECT_EQ(e->x + e->y + e->type, 0) << "without owner: at (0, 0) as a fountain";

    // Fountain: bound to its owner, whose flag is set when its slot holds the emitter.
    e->type = 1;
    dlgP().init(e, sd);
    sd->bPhysP = false;
    cliquer(idp::myButtonCheckFontaine);
    EXPECT_TRUE(sd->bPhysP && e->pElementAttache == sd && e->type == 0);
    CSPRITE3 editeur;  // the animation editor's sprite: its emitters live in its anim elements
    dlgP().init(e, &editeur);
    cliquer(idp::myButtonCheckCascade);
    EXPECT_EQ(e->type, 1);
    EXPECT_FALSE(editeur.bPhysP) << "a flag claiming an emitter the sprite does not hold";

    // Without an emitter nothing changes.
    dlgP().init(nullptr, sd);
    const auto avant = positions(*e);
    for (const SaisieParticules& t : SAISIES_PARTICULES)
        saisirDans(dlgP(), t.id, "7");
    for (const char* id : CASES)
        cliquer(id);
    cliquer(idp::myButtonInit);
    EXPECT_EQ(positions(*e), avant);
    EXPECT_TRUE(e->velX == 0 && e->type == 1 && e->forme == 0);
}

TEST_F(Particules, TheWeaponTestGivesTheCurrentWeaponACopy)
{
    jeu->parmes = new CArmes();
    for (int i = 0; i < 2; ++i)
        jeu->parmes->armes.push_back(new CArme());
    jeu->parmes->nbArmes = 2;
    CPerso* joueur = perso();
    for (int numero : {1, 7}) {
        joueur->armes.push_back(new SlotArme());
        joueur->armes.back()->numero = numero;
    }
    joueur->nbarmesperso = 2;
    const struct {
        const char* nom;
        CParticules* emetteur;
        bool avecJoueur;
        int slot;
    } cas[] = {
        {"no emitter", nullptr, true, 0}, {"no player", e, false, 0}, {"slot -1", e, true, -1},
        {"slot past the slots", e, true, 2}, {"weapon past the list", e, true, 1},
    };
    for (const auto& c : cas) {
        dlgP().init(c.emetteur, sd);
        jeu->pPerso = c.avecJoueur ? joueur : nullptr;
        joueur->armeCourante = c.slot;
        cliquer(idp::myButtonTestArmeParticule);
        EXPECT_TRUE(!jeu->parmes->armes[0]->pParticulesTir && !jeu->parmes->armes[1]->pParticulesTir) << c.nom;
    }
    // A valid slot whose weapon had no emitter gets an independent one that follows no sprite.
    joueur->armeCourante = 0;
    cliquer(idp::myButtonTestArmeParticule);
    const CParticules* copie = jeu->parmes->armes[1]->pParticulesTir.get();
    ASSERT_NE(copie, nullptr);
    EXPECT_TRUE(copie != e && !copie->pElementAttache && !copie->bAttache);
    saisirDans(dlgP(), idp::myTextInputVelX, "8");
    EXPECT_EQ(copie->velX, 0) << "a later edit reached the weapon";

    // The decor sprite goes; a shot copies the weapon's emitter and flies (AddressSanitizer).
    plan(2).sprites.remove(sd);
    decor->detacherSD(sd);
    delete sd;
    ASSERT_EQ(jeu->parmes->tirer(1, 10, 10, 0, -1, false, joueur), 1);
    for (int i = 0; i < 5; ++i)
        jeu->parmes->majTirs();
    jeu->parmes->viderTirs();
}

TEST_F(Particules, AColourChangeShowsAtOnce)
{
    e->forme = 1, e->velY = 0, e->forcesY = 0;
    e->demarrer(100, 50, 0);
    saisirDans(dlgP(), idp::myTextInputG, "0");
    saisirDans(dlgP(), idp::myTextInputB, "0");
    for (int i = 0; i < 2 * e->dureeVie; ++i)
        e->majTout();
    sf::RenderTexture rt;
    ASSERT_TRUE(rt.create(200, 100));
    rt.clear(sf::Color::Black);
    e->dessiner(rt);
    rt.display();
    const sf::Image img = rt.getTexture().copyToImage();
    int vus = 0;
    for (const auto& q : e->getParticules())
        if (q.bVivante && q.age >= 0 && ++vus) {
            EXPECT_EQ(img.getPixel(unsigned(q.x), unsigned(q.y)), sf::Color::Red) << "particle at " << q.x << ", " << q.y;
        }
    EXPECT_GT(vus, 0) << "no particle alive to look at";
}
