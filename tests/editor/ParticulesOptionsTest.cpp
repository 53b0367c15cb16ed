// The particle emitter options: the fill of the 60 controls, the write-back of inputs, checks
// and colour into the live emitter, the restarts and the weapon test.
#include "OutilsOptions.h"

#include "characters/Armes.h"
#include "characters/Perso.h"

namespace {

namespace idp = IdSprite::Particules;

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
    CParticules* e = nullptr;
    CJeuDialogPhysParticulesOptions& dlgP() { return *dialParticules; }
};

// Every value distinct, and every check of a trio on its last box.
void remplirDistinct(CParticules& p)
{
    p.type = 1;
    p.velX = 1.5f, p.velY = -2.25f, p.forcesX = 0.125f, p.forcesY = 0.375f, p.tailleParticule = 3.5f;
    p.dureeVie = 90, p.largeurEmetteur = 30, p.couleur = sf::Color(1, 2, 3, 4), p.hauteurEmetteur = 5;
    p.aleaDureeVie = 12, p.amplitudeDegradeCouleur = 9, p.nbParticules = 77, p.nbCycles = 6;
    p.angle1 = -45, p.angle2 = 45.5f, p.alphaAgeDec = 20, p.acceleration = 0.0625f, p.alphaValDec = 13;
    p.strCheminTexture = "effets/particule.png", p.variationRotation = 2.5f, p.variationTaille = -0.25f;
    p.borneVariationTaille = 0.5f, p.tailleMin = 1.25f, p.tailleMax = 7.5f, p.initLargeur = 14, p.initHauteur = 8;
    p.decPosX = -3, p.decPosY = 11, p.aleaVitX = 0.75f, p.aleaVitY = 1.75f, p.aleaForceX = 1.125f;
    p.aleaForceY = 2.75f, p.aleaAccel = 0.03125f;
    p.modeCollision = 2, p.bAngleAleaCarre = true, p.bAlphaDec = true, p.forme = 2, p.bPause = true;
    p.bVariationTaille = true, p.bRotDirection = true, p.bForcesExterieures = true, p.bNoDrawPause = true;
}

struct Texte {
    const char* id;
    const char* rempli;
    bool videSansEmetteur;
};
const Texte TEXTES[] = {
    {idp::myTextInputVelX, "1.5", true}, {idp::myTextInputVelY, "-2.25", true},
    {idp::myTextInputForcesX, "0.125", true}, {idp::myTextInputForcesY, "0.375", true},
    {idp::myTextInputTailleParticule, "3.5", true}, {idp::myTextInputDureeVie, "90", true},
    {idp::myTextInputLargeurEmetteur, "30", true}, {idp::myTextInputR, "1", true},
    {idp::myTextInputG, "2", true}, {idp::myTextInputB, "3", true}, {idp::myTextInputA, "4", true},
    {idp::myTextInputHauteurEmetteur, "5", true}, {idp::myTextInputAleaDureeVie, "12", true},
    {idp::myTextInputAmplitudeDegradeCouleur, "9", true}, {idp::myTextInputNbParticules, "77", true},
    {idp::myTextInputNbCycles, "6", true}, {idp::myTextInputAngle1, "-45", true},
    {idp::myTextInputAngle2, "45.5", true}, {idp::myTextInputAlphaAgeDec, "20", true},
    {idp::myTextInputAcceleration, "0.0625", true}, {idp::myTextInputAlphaValDec, "13", true},
    {idp::myTextInputCheminTexture, "effets/particule.png", false},
    {idp::myTextInputVariationRotation, "2.5", false}, {idp::myTextInputVariationTaille, "-0.25", false},
    {idp::myTextInputBorneVariationTaille, "0.5", false}, {idp::myTextInputTailleMin, "1.25", false},
    {idp::myTextInputTailleMax, "7.5", false}, {idp::myTextInputInitLargeur, "14", true},
    {idp::myTextInputInitHauteur, "8", true}, {idp::myTextInputDecPosX, "-3", true},
    {idp::myTextInputDecPosY, "11", true}, {idp::myTextInputAleaVitX, "0.75", true},
    {idp::myTextInputAleaVitY, "1.75", true}, {idp::myTextInputAleaForceX, "1.125", true},
    {idp::myTextInputAleaForceY, "2.75", true}, {idp::myTextInputAleaAccel, "0.03125", true},
};

struct Coche {
    const char* id;
    bool rempli;
    bool decocheSansEmetteur;
};
const Coche COCHES[] = {
    {idp::myButtonCheckFontaine, false, false}, {idp::myButtonCheckCascade, true, false},
    {idp::myButtonCheckCollisionSans, false, false}, {idp::myButtonCheckCollisionSimple, false, false},
    {idp::myButtonCheckCollisionAlea, true, false}, {idp::myButtonCheckAngleAlea, false, true},
    {idp::myButtonCheckAngleAleaCarre, true, true}, {idp::myButtonCheckAngleAleaDirection, false, true},
    {idp::myButtonCheckAlphaDec, true, false}, {idp::myButtonCheckCarree, false, true},
    {idp::myButtonCheckCercle, false, true}, {idp::myButtonCheckTexture, true, true},
    {idp::myButtonCheckPause, true, false}, {idp::myButtonCheckEmetteurVisible, false, false},
    {idp::myButtonCheckVariationTaille, true, false}, {idp::myButtonCheckTailleAlea, false, false},
    {idp::myButtonCheckRotDirection, true, false}, {idp::myButtonCheckForcesExterieures, true, true},
    {idp::myButtonCheckNoCalcCollision, false, true}, {idp::myButtonCheckNoDrawPause, true, true},
    {idp::myButtonCheckNoCalcPause, false, true},
};

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
    remplirDistinct(*e);
    e->forcesRefX = 9;
    e->strCheminTexture = "a b.png";
    const auto avant = positions(*e);
    dlgP().init(e, sd);
    EXPECT_EQ(e->forcesRefX, 9) << "the fill copied forcesX over its reference";
    EXPECT_EQ(e->strCheminTexture, "a b.png") << "the fill stripped the texture path";
    EXPECT_EQ(positions(*e), avant) << "the fill restarted the emitter";
    EXPECT_EQ(e->nbParticules, 77);
    e->strCheminTexture = "effets/particule.png";
    dlgP().init(e, sd);
    for (const Texte& t : TEXTES)
        EXPECT_EQ(texteDe(dlgP(), t.id), t.rempli) << t.id;
    for (const Coche& c : COCHES)
        EXPECT_EQ(cocheDe(dlgP(), c.id), c.rempli) << c.id;
    EXPECT_EQ(dlgP().ctrlColor(idp::myColorParticules)->getColor(), sf::Color(1, 2, 3, 4));

    dlgP().init(nullptr, nullptr);
    EXPECT_EQ(dlgP().pParticules, nullptr);
    for (const Texte& t : TEXTES)
        EXPECT_EQ(texteDe(dlgP(), t.id), t.videSansEmetteur ? "" : t.rempli) << t.id << " without emitter";
    for (const Coche& c : COCHES)
        EXPECT_EQ(cocheDe(dlgP(), c.id), !c.decocheSansEmetteur && c.rempli) << c.id << " without emitter";
    EXPECT_EQ(dlgP().ctrlColor(idp::myColorParticules)->getColor(), sf::Color(1, 2, 3, 4));

    // Values outside their ranges check no box of their trio.
    e->type = 5, e->forme = 7, e->modeCollision = -1;
    dlgP().init(e, sd);
    for (const char* id : {idp::myButtonCheckFontaine, idp::myButtonCheckCascade, idp::myButtonCheckCercle,
                           idp::myButtonCheckCarree, idp::myButtonCheckTexture, idp::myButtonCheckCollisionSans,
                           idp::myButtonCheckCollisionSimple, idp::myButtonCheckCollisionAlea})
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
        {idp::myTextInputNbParticules, "300", [](const CParticules& p) { return p.x + p.y; }, 150},
        {idp::myTextInputNbParticules, "300", [](const CParticules& p) { return float(p.type); }, 1},
        {idp::myTextInputNbParticules, "-5", [](const CParticules& p) { return float(p.getParticules().size()); }, 0},
        {idp::myTextInputNbParticules, "999999999",
         [](const CParticules& p) { return float(p.getParticules().size()); }, 100000},
        {idp::myTextInputAleaDureeVie, "-1", [](const CParticules& p) { return float(p.aleaDureeVie); }, 0},
        {idp::myTextInputAmplitudeDegradeCouleur, "2000000000",
         [](const CParticules& p) { return float(p.amplitudeDegradeCouleur); }, 255},
        {idp::myTextInputR, "300", [](const CParticules& p) { return float(p.couleur.r); }, 44},
        {idp::myTextInputForcesX, "1.5", [](const CParticules& p) { return p.forcesX; }, 1.5f},
        {idp::myTextInputForcesX, "1.5", [](const CParticules& p) { return p.forcesRefX; }, 1.5f},
        {idp::myTextInputVelY, "1 e", [](const CParticules& p) { return p.velY; }, 1},
        {idp::myTextInputLargeurEmetteur, "-4", [](const CParticules& p) { return float(p.largeurEmetteur); }, -4},
        {idp::myTextInputDureeVie, "abc", [](const CParticules& p) { return float(p.dureeVie); }, 1},
    };
    for (const auto& c : cas) {
        saisirDans(dlgP(), c.id, c.saisie);
        EXPECT_EQ(c.lire(*e), c.attendu) << c.id << " <- \"" << c.saisie << "\"";
    }
    EXPECT_EQ(dlgP().ctrlColor(idp::myColorParticules)->getColor().r, 44) << "the colour control follows";
    EXPECT_EQ(texteDe(dlgP(), idp::myTextInputR), "300") << "the typed channel stays as typed";

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
    cliquerDans(dlgP(), idp::myButtonCheckAngleAlea);
    EXPECT_TRUE(e->bAngleAlea && !e->bAngleAleaCarre && !e->bAngleAleaDirection) << "checking one random mode";
    cliquerDans(dlgP(), idp::myButtonCheckAngleAlea);
    EXPECT_TRUE(!e->bAngleAlea && e->bAngleAleaCarre && e->bAngleAleaDirection) << "unchecking it";
    cliquerDans(dlgP(), idp::myButtonCheckTexture);
    EXPECT_EQ(e->forme, 2);
    cliquerDans(dlgP(), idp::myButtonCheckCarree);
    EXPECT_EQ(e->forme, 1);
    EXPECT_FALSE(cocheDe(dlgP(), idp::myButtonCheckTexture)) << "the model groups the shapes";
    basculer(dlgP(), idp::myButtonCheckCarree, false);
    EXPECT_EQ(e->forme, 1) << "unchecking a shape";
    cliquerDans(dlgP(), idp::myButtonCheckCollisionSimple);
    EXPECT_EQ(e->modeCollision, 1);
    cliquerDans(dlgP(), idp::myButtonCheckPause);
    EXPECT_TRUE(e->bPause && e->bPauseEmission);
    cliquerDans(dlgP(), idp::myButtonCheckNoCalcPause);
    EXPECT_TRUE(e->bNoCalcPause);

    dlgP().ctrlColor(idp::myColorParticules)->changerParUtilisateur(sf::Color(10, 20, 30, 40));
    EXPECT_EQ(e->couleur, sf::Color(10, 20, 30, 40));
    const char* canaux[] = {idp::myTextInputR, idp::myTextInputG, idp::myTextInputB, idp::myTextInputA};
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(texteDe(dlgP(), canaux[i]), std::to_string(10 * (i + 1))) << canaux[i];
}

TEST_F(Particules, RestartsAtTheOwnerAndEmitAgain)
{
    // An emitter that lived its one cycle emits again after "myButtonInit".
    e->nbCycles = 1;
    for (int i = 0; i < 40 && !e->bFini; ++i)
        e->majTout();
    ASSERT_TRUE(e->bFini);
    cliquerDans(dlgP(), idp::myButtonInit);
    EXPECT_FALSE(e->bFini);
    EXPECT_EQ(e->x, 100) << "at the owner's truncated position";
    EXPECT_EQ(e->type, 1) << "keeping its type";
    for (int i = 0; i < 12; ++i)
        e->majTout();
    EXPECT_GT(e->nbVivantes(), 0);

    dlgP().init(e, nullptr);
    cliquerDans(dlgP(), idp::myButtonInit);
    EXPECT_EQ(e->x + e->y + e->type, 0) << "without owner: at (0, 0) as a fountain";

    // Fountain: bound to its owner, whose flag is set when its slot holds the emitter.
    e->type = 1;
    dlgP().init(e, sd);
    sd->bPhysP = false;
    cliquerDans(dlgP(), idp::myButtonCheckFontaine);
    EXPECT_TRUE(sd->bPhysP);
    EXPECT_EQ(e->pElementAttache, sd);
    EXPECT_EQ(e->type, 0);
    CSPRITE3 editeur;  // the animation editor's sprite: its emitters live in its anim elements
    dlgP().init(e, &editeur);
    cliquerDans(dlgP(), idp::myButtonCheckCascade);
    EXPECT_EQ(e->type, 1);
    EXPECT_FALSE(editeur.bPhysP) << "a flag claiming an emitter the sprite does not hold";
    dlgP().init(nullptr, nullptr);
}

TEST_F(Particules, WithoutEmitterNothingChanges)
{
    jeu->parmes = new CArmes();
    jeu->parmes->armes.push_back(new CArme());
    dlgP().init(nullptr, sd);
    const auto avant = positions(*e);
    for (const Texte& t : TEXTES)
        saisirDans(dlgP(), t.id, "7");
    for (const Coche& c : COCHES)
        cliquerDans(dlgP(), c.id);
    cliquerDans(dlgP(), idp::myButtonInit);
    cliquerDans(dlgP(), idp::myButtonTestArmeParticule);
    EXPECT_EQ(positions(*e), avant);
    EXPECT_EQ(e->velX, 0);
    EXPECT_EQ(e->type, 1);
    EXPECT_EQ(jeu->parmes->armes[0]->pParticulesTir, nullptr);
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
        bool avecJoueur;
        int slot;
        bool donne;
    } cas[] = {
        {"no player", false, 0, false},  {"slot -1", true, -1, false},
        {"slot past the slots", true, 2, false}, {"weapon past the list", true, 1, false},
        {"valid slot, weapon without emitter", true, 0, true},
    };
    for (const auto& c : cas) {
        jeu->pPerso = c.avecJoueur ? joueur : nullptr;
        joueur->armeCourante = c.slot;
        cliquerDans(dlgP(), idp::myButtonTestArmeParticule);
        EXPECT_EQ(jeu->parmes->armes[1]->pParticulesTir != nullptr, c.donne) << c.nom;
        EXPECT_EQ(jeu->parmes->armes[0]->pParticulesTir, nullptr) << c.nom;
    }
    const CParticules* copie = jeu->parmes->armes[1]->pParticulesTir.get();
    ASSERT_NE(copie, nullptr);
    EXPECT_NE(copie, e);
    EXPECT_EQ(copie->pElementAttache, nullptr);
    EXPECT_FALSE(copie->bAttache);
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
    e->forme = 1;
    e->tailleParticule = 4;
    e->velY = 0;
    e->forcesY = 0;
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
    for (const auto& q : e->getParticules()) {
        if (!q.bVivante || q.age < 0)
            continue;
        const sf::Color c = img.getPixel(unsigned(q.x), unsigned(q.y));
        EXPECT_EQ(c, sf::Color(255, 0, 0)) << "particle at " << q.x << ", " << q.y;
        vus++;
    }
    EXPECT_GT(vus, 0) << "no particle alive to look at";
}
