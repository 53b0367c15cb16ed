// The editor's combo boxes: daughters and links, the base animation of an element and its
// links, the game state, the family line, the weapon, a keyframe's sound and an AE's shaders.
#include "OutilsManip.h"

#include "core/Services.h"
#include "core/ShaderManager.h"
#include "editor/JeuDialogShaderVERT.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <cmath>
#include <filesystem>
#include <functional>

namespace {
class CombosTest : public ManipTest {
protected:
    void SetUp() override
    {
        ManipTest::SetUp();
        s().ajouterAnimation("fille", true);
        s().ajouterAnimElem(1, 0, "", 0, 1);
        d().majListeAnimations();
        animation(0);
    }
    void TearDown() override
    {
        g_services = services;
        ManipTest::TearDown();
    }
    // One second of a tone: a sound the game can play.
    void son(const std::string& nom, float frequence)
    {
        std::vector<sf::Int16> echantillons(22050);
        for (size_t i = 0; i < echantillons.size(); ++i)
            echantillons[i] = static_cast<sf::Int16>(8000 * std::sin(6.2831853 * frequence * i / 22050.0));
        ASSERT_TRUE(jeu.jeu.buffersSons[nom].loadFromSamples(echantillons.data(), echantillons.size(), 1, 22050));
    }

    ServicesFondation services = g_services;
};
} // namespace

TEST_F(CombosTest, EachComboAsTheUserChoosesALine)
{
    // The game owns its global animations.
    CSPRITE3& globale = *(jeu.jeu.animsGlobales["objets/arme.anm"] = new CSPRITE3);
    globale.ajouterAnimation("g0", true);
    globale.ajouterAnimation("g1", true);
    d().majComboAnmBase(true);
    if (CPLUXControlComboBox* c = e->combo(IdAnm::myComboBoxEtatJeu))
        c->AddElement("SAUT");
    s().getElement(1)->arme = 1;
    s().getAnim(0)->cercleViseeRayonArmes[0] = 40;
    CSPRITE3_ANIMATION& an = *s().getAnim(0);
    CSPRITE3_ELEMENT& corps = *s().getElement(1);

    struct Cas {
        const char* quoi;
        std::function<void()> preparer;
        const char* combo;
        int ligne;
        std::function<void()> verifier;
    };
    const auto rien = [] {};
    const Cas table[] = {
        {"a daughter", rien, IdAnm::myComboBoxAnimationFille, 2, [&] { EXPECT_EQ(an.fille, 1); }},
        {"itself as daughter", rien, IdAnm::myComboBoxAnimationFille, 1, [&] { EXPECT_EQ(an.fille, -1); }},
        {"the key's link", [&] { animElem(0); }, IdAnm::myComboBoxAnimationLienAE, 2,
         [&] { EXPECT_EQ(s().getKeyAnimElemLienAnim(0, 0, 0), 1); }},
        {"itself as the key's link", rien, IdAnm::myComboBoxAnimationLienAE, 1,
         [&] { EXPECT_EQ(s().getKeyAnimElemLienAnim(0, 0, 0), -1); }},
        {"a base animation without element", [&] { e->liste(IdAnm::myListElementsPlanche)->setNumSel(-1); },
         IdAnm::Z_myComboBoxAnmBase, 1, [&] { EXPECT_EQ(e->combo(IdAnm::Z_myComboBoxAnmBase)->getNumSel(), 0); }},
        {"a base animation", [&] { element(1); }, IdAnm::Z_myComboBoxAnmBase, 1,
         [&] {
             EXPECT_EQ(corps.pSpriteLie, &globale);
             EXPECT_EQ(corps.strAnmRef, "objets/arme.anm");
         }},
        {"its links", rien, IdAnm::myComboBoxLienElementAnim, 2,
         [&] {
             EXPECT_EQ(corps.lienAnim[0], 1);
             EXPECT_EQ(corps.lienAnim[1], 1);
             EXPECT_EQ(globale.getAnimation(), 1) << "the base animation plays it";
         }},
        {"its shot link", rien, IdAnm::myComboBoxLienElementAnimTir, 1, [&] { EXPECT_EQ(corps.lienAnim[2], 0); }},
        {"the same base animation", rien, IdAnm::Z_myComboBoxAnmBase, 1,
         [&] { EXPECT_EQ(corps.lienAnim[0] * 100 + corps.lienAnim[2], 100) << "the links stay"; }},
        {"no base animation", rien, IdAnm::Z_myComboBoxAnmBase, 0,
         [&] {
             EXPECT_EQ(corps.pSpriteLie, nullptr);
             EXPECT_EQ(corps.strAnmRef, "");
             EXPECT_EQ(corps.lienAnim[0] + corps.lienAnim[1] + corps.lienAnim[2], -3) << "links cleared";
         }},
        {"a linked element", rien, IdAnm::myComboBoxLienElement, 1, [&] { EXPECT_EQ(corps.elementLie, 0); }},
        {"no linked element", rien, IdAnm::myComboBoxLienElement, 0, [&] { EXPECT_EQ(corps.elementLie, -1); }},
        {"a game state", rien, IdAnm::myComboBoxEtatJeu, 1,
         [&] {
             EXPECT_EQ(s().getEtat("SAUT"), 0);
             EXPECT_EQ(an.etatJeu, "SAUT");
         }},
        {"no game state", rien, IdAnm::myComboBoxEtatJeu, 0,
         [&] {
             EXPECT_EQ(s().getEtat("SAUT"), -1);
             EXPECT_EQ(an.etatJeu, "");
         }},
        {"no game state again", rien, IdAnm::myComboBoxEtatJeu, 0,
         [&] { EXPECT_EQ(s().etats.count(""), 0u) << "an animation without state makes none"; }},
        {"weapon 1 keeps an AE of weapon 1", [&] { animElem(1); }, IdAnm::myComboBoxArmes, 2,
         [&] { EXPECT_EQ(d().numAnimElemSel, 1); }},
        {"weapon 0 drops it", rien, IdAnm::myComboBoxArmes, 1,
         [&] {
             EXPECT_EQ(s().armeCourante, 0);
             EXPECT_EQ(d().numAnimElemSel, -1);
             EXPECT_EQ(e->liste(IdAnm::myListAnimationElements)->getNumSel(), -1);
             EXPECT_EQ(d().rayonVisee, 40) << "the aim circle of weapon 0";
             EXPECT_EQ(d().cercleVisee.getRadius(), 40.f);
         }},
        {"no weapon keeps an AE of every weapon", [&] { animElem(0); }, IdAnm::myComboBoxEtatsListeArmes, 0,
         [&] {
             EXPECT_EQ(s().armeCourante, -1);
             EXPECT_EQ(d().numAnimElemSel, 0);
         }},
        {"weapon 0 drops an AE of every weapon", rien, IdAnm::myComboBoxEtatsListeArmes, 1,
         [&] { EXPECT_EQ(d().numAnimElemSel, -1); }},
    };
    for (const Cas& c : table) {
        SCOPED_TRACE(c.quoi);
        c.preparer();
        choisir(c.combo, c.ligne);
        c.verifier();
    }

    // The base animation is saved by its key and found again when the file is read.
    DossierTemp dossier;
    element(1);
    choisir(IdAnm::Z_myComboBoxAnmBase, 1);
    ASSERT_TRUE(s().sauver(dossier / "s.anm"));
    g_services.animGlobale = [&](const std::string& cle) { return jeu.jeu.getAnimGlobale(cle); };
    CSPRITE3 relu;
    ASSERT_TRUE(relu.charger(nullptr, nullptr, dossier / "s.anm", false));
    EXPECT_EQ(relu.getElement(1)->strAnmRef, "objets/arme.anm");
    EXPECT_EQ(relu.getElement(1)->pSpriteLie, &globale);
}

TEST_F(CombosTest, TheFamilyLineSelectsTheDaughterAndKeepsTheMother)
{
    s().getAnim(0)->fille = 1;
    animation(1);
    animation(0);
    ASSERT_EQ(e->combo(IdAnm::myComboBoxAnimationMereFilles)->getNbElements(), 2);
    choisir(IdAnm::myComboBoxAnimationMereFilles, 1);
    EXPECT_EQ(d().numAnimationSel, 1);
    EXPECT_EQ(d().numAnimationMere, 0) << "the mother stays";
    EXPECT_EQ(d().numAnimationFilleSel, 1);
    EXPECT_EQ(d().numLigneMereFilles, 1);
    EXPECT_TRUE(d().bNouvelleMere) << "the next animation chosen in the list is a new mother";
    choisir(IdAnm::myComboBoxAnimationMereFilles, 0);
    EXPECT_EQ(d().numAnimationSel, 0);
    EXPECT_EQ(d().numAnimationFilleSel, -1);
}

TEST_F(CombosTest, AKeyframesSoundIsHeardAloneAtOnce)
{
    son("pas", 440);
    son("tir", 660);
    d().majComboSonFrame();
    ASSERT_EQ(e->combo(IdAnm::myComboBoxSonFrame)->getText(1), "pas");
    frame(5);
    jeu.jeu.jouerSon("tir");
    ASSERT_EQ(jeu.jeu.sonEnCours("tir"), 2);
    choisir(IdAnm::myComboBoxSonFrame, 1);
    EXPECT_EQ(s().getKeyframeSon(0, 5), "pas");
    EXPECT_EQ(jeu.jeu.sonEnCours("pas"), 2) << "the chosen sound plays";
    EXPECT_EQ(jeu.jeu.sonEnCours("tir"), 0) << "the others stopped";
    EXPECT_TRUE(d().pTimeline->getMarqueurs()[1]->bAction) << "the keyframe is marked";
    choisir(IdAnm::myComboBoxSonFrame, 0);
    EXPECT_EQ(s().getKeyframeSon(0, 5), "");
    // Off a keyframe nothing is written.
    frame(7);
    choisir(IdAnm::myComboBoxSonFrame, 2);
    EXPECT_EQ(s().getKeyframeSon(0, 5), "");
    EXPECT_EQ(s().getKeyframeSon(0, 0), "");
}

TEST_F(CombosTest, ShadersReadTheirUniformsAndLineZeroClearsTheStage)
{
    DossierTemp dossier;
    std::filesystem::create_directory(dossier / "shaders");
    ecrireTexte(dossier / "shaders/onde.vert",
                "uniform float amplitude;\nvoid main() { gl_Position = gl_ModelViewProjectionMatrix * gl_Vertex;"
                " gl_FrontColor = gl_Color; }\n");
    ecrireTexte(dossier / "shaders/eau.frag", "uniform vec2 centre;\nvoid main() { gl_FragColor = gl_Color; }\n");
    DansDossier ici(dossier.str());
    d().gestionnaireShaders()->remplirComboShaders("./shaders", e->combo(IdAnm::myComboBoxShadersVert), "vert");
    d().gestionnaireShaders()->remplirComboShaders("./shaders", e->combo(IdAnm::myComboBoxShadersFrag), "frag");
    CJeuDialogShaderVERT variables;
    variables.setId("JeuDialogShader");
    CPLUX::addDialog(nullptr, &variables, nullptr, 0);
    animElem(1);
    const CSPRITE3_ANIMELEM& ae = *s().getAnimElem(0, 1);
    const int vert = e->combo(IdAnm::myComboBoxShadersVert)->getLine("onde.vert");
    const int frag = e->combo(IdAnm::myComboBoxShadersFrag)->getLine("eau.frag");
    ASSERT_GT(vert, 0);
    ASSERT_GT(frag, 0);
    choisir(IdAnm::myComboBoxShadersVert, vert);
    choisir(IdAnm::myComboBoxShadersFrag, frag);
    EXPECT_EQ(ae.strShaderVert, "onde.vert");
    EXPECT_EQ(ae.strShaderFrag, "eau.frag");
    EXPECT_EQ(ae.uniformsVert.count("amplitude"), 1u);
    EXPECT_EQ(ae.uniformsFrag.count("centre"), 1u);
    EXPECT_EQ(variables.pUniformsVert, &s().getAnimElem(0, 1)->uniformsVert) << "the variables dialog shows them";
    EXPECT_EQ(variables.pUniformsFrag, &s().getAnimElem(0, 1)->uniformsFrag);
    choisir(IdAnm::myComboBoxShadersVert, 0);
    EXPECT_EQ(ae.strShaderVert, "");
    EXPECT_TRUE(ae.uniformsVert.empty()) << "the stage's uniforms go with it";
    EXPECT_EQ(ae.uniformsFrag.count("centre"), 1u) << "the other stage keeps its own";
    // Without an AE nothing is written.
    touche(sf::Keyboard::Escape);
    choisir(IdAnm::myComboBoxShadersFrag, 0);
    EXPECT_EQ(ae.strShaderFrag, "eau.frag");
}
