// The replay of an input file: what each record gives the game at its frame, and the lines
// that do not read, which are skipped without stopping the replay.
#include "game/SourceRejouee.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace {

// The events of one frame, as "P<key>" (pressed), "R<key>" (released), "T<char>" or "C" (closed).
std::vector<std::string> evenements(SourceRejouee& s, long image)
{
    s.debutImage(image);
    std::vector<std::string> r;
    sf::Event e;
    while (s.evenementSuivant(e)) {
        if (e.type == sf::Event::KeyPressed || e.type == sf::Event::KeyReleased)
            r.push_back((e.type == sf::Event::KeyPressed ? "P" : "R") + std::to_string(e.key.code));
        else if (e.type == sf::Event::TextEntered)
            r.push_back("T" + std::to_string(e.text.unicode));
        else if (e.type == sf::Event::Closed)
            r.push_back("C");
    }
    return r;
}

} // namespace

TEST(SourceRejouee, ChaqueEnregistrementAgitASonImage)
{
    std::vector<std::string> captures;
    bool fermee = false;
    SourceRejouee s([&](const std::string& f) { captures.push_back(f); return true; }, [&] { fermee = true; });
    s.lireTexte("# a replay\n"
                "TOUCHE=2;Right;1\nTOUCHE=2;Space;1\nTEXTE=3;é\nTOUCHE=4;Right;0\n"
                "BOUTON=5;A;1\nBOUTON=5;Y;1\nAXE=5;X;-100\nAXE=5;Y;50\nBOUTON=6;A;0\n"
                "CAPTURE=7;menu.png\nFIN=8\n");
    EXPECT_EQ(s.lignesRejetees(), 0);
    EXPECT_TRUE(s.manette().bConnecte) << "a replay with pad records plugs the pad in";

    EXPECT_TRUE(evenements(s, 0).empty()) << "nothing before its frame";
    EXPECT_EQ(evenements(s, 2), (std::vector<std::string>{"P72", "P57"})) << "Right (72) and Space (57) pressed";
    EXPECT_TRUE(s.toucheEnfoncee(sf::Keyboard::Right) && s.toucheEnfoncee(sf::Keyboard::Space));
    EXPECT_EQ(evenements(s, 3), (std::vector<std::string>{"T233"})) << "é typed";
    EXPECT_TRUE(s.toucheEnfoncee(sf::Keyboard::Right)) << "held between its records";
    EXPECT_EQ(evenements(s, 4), (std::vector<std::string>{"R72"}));
    EXPECT_FALSE(s.toucheEnfoncee(sf::Keyboard::Right));
    EXPECT_TRUE(s.toucheEnfoncee(sf::Keyboard::Space));

    evenements(s, 5);
    EXPECT_EQ(s.manette().boutons, MANETTE_A | MANETTE_Y);
    const sf::Vector2f stick = convertirStick(s.manette().gaucheX, s.manette().gaucheY);
    EXPECT_EQ(stick, sf::Vector2f(-100, 50)) << "the game reads back the values written";
    evenements(s, 6);
    EXPECT_EQ(s.manette().boutons, MANETTE_Y) << "A released";

    evenements(s, 7);
    EXPECT_TRUE(captures.empty()) << "the capture waits for the frame to be drawn";
    s.finImage();
    EXPECT_EQ(captures, std::vector<std::string>{"menu.png"});
    EXPECT_EQ(evenements(s, 8), std::vector<std::string>{"C"}) << "FIN closes the window";
    s.fermerFenetre();
    EXPECT_TRUE(fermee);
}

TEST(SourceRejouee, LesLignesIllisiblesSontSautees)
{
    SourceRejouee s(nullptr, nullptr);
    s.lireTexte("TOUCHE=1;Nothing;1\n"  // unknown key
                "TOUCHE=1;Right;2\n"    // neither 1 nor 0
                "TOUCHE=-3;Right;1\n"   // frame before the start
                "TOUCHE=x;Right;1\n"
                "TEXTE=1;ab\n"          // two characters
                "BOUTON=1;Z;1\n"
                "AXE=1;Z;10\n"
                "CAPTURE=1;\n"
                "SAUTER=1\n"
                "TOUCHE=1;F2;1\n"       // the one good line
                "AXE=2;X;500\n");       // clamped, kept
    EXPECT_EQ(s.lignesRejetees(), 9);
    EXPECT_EQ(s.actions().size(), 2u);
    EXPECT_EQ(s.actions().begin()->second.code, sf::Keyboard::F2);
    EXPECT_EQ(s.actions().rbegin()->second.valeur, 100);
    EXPECT_FALSE(SourceRejouee(nullptr, nullptr).charger("/nonexistent/replay.txt"));
}
