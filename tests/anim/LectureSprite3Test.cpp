#include "LectureOutilsTest.h"

#include "core/Commandes.h"

#include <SFML/Audio/Sound.hpp>

#include <cmath>

using V = std::vector<int>;

class Lecture : public AvecServices {
protected:
    void SetUp() override { ecouter(); }
    // One animation, current and playing.
    int demarrer(int nbFrames, int vitesse = 1)
    {
        const int a = ajouterAnim(s, "marche", nbFrames, vitesse);
        s.setAnimation2(a, 0);
        s.play();
        return a;
    }
    CSPRITE3 s;
};

TEST_F(Lecture, CadenceSelonLeCoefficient)
{
    const int a = demarrer(5, 2);
    EXPECT_EQ(frames(s, 8), (V{0, 1, 1, 2, 2, 3, 3, 4}));
    g_services.framerateCoeff = [] { return 0.5f; };
    s.setFrameCourante(0);
    EXPECT_EQ(frames(s, 8), (V{0, 0, 0, 1, 1, 1, 1, 2}));

    // A broken coefficient or not playing: nothing moves; a speed of 0 counts as 1.
    g_services.framerateCoeff = [] { return std::nanf(""); };
    EXPECT_EQ(frames(s, 2), (V{2, 2}));
    g_services.framerateCoeff = [] { return 1.0f; };
    s.bPlay = false;
    EXPECT_EQ(frames(s, 2), (V{2, 2}));
    s.play();
    s.animations[a]->vitesse = 0;
    EXPECT_EQ(frames(s, 2), (V{3, 4}));
}

TEST_F(Lecture, BoucleArretEnFinEtNotification)
{
    int dialogue = 0;
    s.pDialogue = &dialogue;
    const int a = demarrer(3);
    EXPECT_EQ(frames(s, 7), (V{1, 2, 0, 1, 2, 0, 1}));
    EXPECT_EQ(s.getNbBoucles(a), 2);
    EXPECT_TRUE(notifications.empty());

    s.bBoucle = false;
    s.bStopFin = true;
    EXPECT_EQ(frames(s, 4), (V{2, 2, 2, 2}));
    EXPECT_FALSE(s.bPlay);
    ASSERT_EQ(notifications.size(), 1u);
    EXPECT_EQ(notifications[0], std::make_pair(static_cast<void*>(&dialogue), std::string("CSPRITE3_bPlay_changed")));

    // Without the stop flag it stays on its last frame, still playing, silently.
    s.bStopFin = false;
    s.setAnimation2(a, 0);
    s.play();
    EXPECT_EQ(frames(s, 4), (V{1, 2, 2, 2}));
    EXPECT_TRUE(s.bPlay);
    EXPECT_EQ(notifications.size(), 1u);
}

TEST_F(Lecture, GotoEtSensDeKeyframe)
{
    const int a = demarrer(6);
    s.ajouterKeyframe(a, 4);
    s.setKeyframeGoto(a, 4, 1, 2);
    EXPECT_EQ(frames(s, 16), (V{1, 2, 3, 1, 2, 3, 1, 2, 3, 4, 5, 0, 1, 2, 3, 1}));

    // KF_SENS -1 at 3; keyframe 0 sends it forward again, unless it changes nothing.
    s.setKeyframeGoto(a, 4, -1, 0);
    s.ajouterKeyframe(a, 3);
    s.setKeyframeSensInverse(a, 3, true);
    s.setAnimation2(a, 0);
    EXPECT_EQ(frames(s, 8), (V{1, 2, 3, 2, 1, 0, 1, 2}));
    s.setKeyframeSensChange(a, 0, false);
    s.setAnimation2(a, 0);
    EXPECT_EQ(frames(s, 8), (V{1, 2, 3, 2, 1, 0, 5, 4}));
    EXPECT_EQ(s.getNbBoucles(a), 1);
}

TEST_F(Lecture, EnchainementApresNLectures)
{
    const int a = demarrer(3);
    const int b = ajouterAnim(s, "repos", 4);
    s.animations[a]->nbLecturesGoto = 1;
    s.animations[a]->animGoto = b;
    frames(s, 5);
    EXPECT_EQ(s.getAnimation(), a);
    EXPECT_EQ(frames(s, 2), (V{0, 1}));
    EXPECT_EQ(s.getAnimation(), b);
}

TEST_F(Lecture, SonEtScriptDeKeyframe)
{
    const int a = demarrer(3);
    s.ajouterKeyframe(a, 2);
    CSPRITE3_KEYFRAME& kf = *s.animations[a]->keyframes[1];
    kf.son = "pas";
    kf.scp.commandes = {"playSound"};
    kf.scp.arguments = {"( cri )"};
    frames(s, 2);
    EXPECT_EQ(sons, (std::vector<std::string>{"pas", "cri"}));

    // The editor's switch turns frame scripts off; a sound asked only when stopped waits.
    s.bScriptsFrames = false;
    kf.bSonSiStop = 1;
    g_services.sonEnCours = [](const std::string&) { return int(sf::Sound::Playing); };
    frames(s, 3);
    EXPECT_EQ(sons.size(), 2u);
}

// A global animation shared by two elements, and a sprite drawn in both passes of the main
// plane: each moves on once per frame. A sprite linking itself does not recurse for ever.
TEST_F(Lecture, SpritePartageAvanceUneFoisParFrame)
{
    CSPRITE3 global;
    const int g = ajouterAnim(global, "flamme", 10);
    global.setAnimation2(g, 0);
    const int a = demarrer(4);
    for (const char* nom : {"torche1", "torche2", "moi"}) {
        const int e = ajouterElementSansFeuille(s, nom);
        s.elements[e]->pSpriteLie = e < 2 ? &global : &s;
        s.ajouterAnimElem(a, e, nom, 0, 1);
    }
    frames(s, 3);  // without a frame clock each outermost update is a frame
    EXPECT_EQ(global.getFrame(g), 3);
    EXPECT_EQ(s.getFrame(a), 3);

    unsigned long numero = 1;
    g_services.numeroFrame = [&numero] { return numero; };
    s.update(nullptr, 1, 0, 0, a);
    s.update(nullptr, 1, 0, 0, a);  // second pass of the same frame
    EXPECT_EQ(s.getFrameCourante(), 0);
    EXPECT_EQ(global.getFrame(g), 4);
    ++numero;
    s.update(nullptr, 1, 0, 0, a);
    EXPECT_EQ(s.getFrameCourante(), 1);
    EXPECT_EQ(global.getFrame(g), 5);
}

TEST_F(Lecture, EtatDuJoueurDeLApercu)
{
    for (const char* etat : {"ARRET", "MARCHE", "SAUT_MONTE", "CHUTE"})
        s.etats[etat] = ajouterAnim(s, etat, 2);
    CommandesJoueur c{};
    g_services.commandes = [&c](int j) -> const CommandesJoueur* { return j == 0 ? &c : nullptr; };
    c.bGauche = true;
    s.updateEtatJoueur(0);
    EXPECT_EQ(s.getAnimation(), s.etats["MARCHE"]);
    EXPECT_EQ(s.miroir, -1);
    // A jump goes up, falls from a vertical speed of 6, and lands.
    c = CommandesJoueur{};
    c.bSaut = true;
    std::vector<int> vues;
    for (int i = 0; i < 30; ++i) {
        s.updateEtatJoueur(0);
        c.bSaut = false;
        if (vues.empty() || vues.back() != s.getAnimation())
            vues.push_back(s.getAnimation());
    }
    EXPECT_EQ(vues, (V{s.etats["SAUT_MONTE"], s.etats["CHUTE"], s.etats["ARRET"]}));
    EXPECT_EQ(s.vitesseVerticale, 0);
}
