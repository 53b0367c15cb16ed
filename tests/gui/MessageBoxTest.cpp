// Message boxes: answers reach the owner, and an owner gone before the answer is forgotten.
#include "DialogueEssai.h"

#include <gtest/gtest.h>

namespace {

class Boites : public ::testing::Test {
protected:
    void SetUp() override { CPLUXTest::reset(); }
    void TearDown() override { CPLUXTest::reset(); }
};

TEST_F(Boites, AnswersReachTheOwner)
{
    DialogueEssai proprietaire;
    const int h = CPLUX::MessageBoxW("Question", "Continuer ?", "IDMB", &proprietaire, 2);
    ASSERT_NE(CPLUX::getMessageBox(h), nullptr);
    EXPECT_EQ(CPLUX::getMessageBox(h)->getNbButtons(), 2);
    // The box takes the mouse over it, and Enter / Escape while it waits.
    const CPLUXMessageBox* b = CPLUX::getMessageBox(h);
    sf::Event e;
    e.type = sf::Event::MouseButtonPressed;
    e.mouseButton.button = sf::Mouse::Left;
    e.mouseButton.x = b->getLeft() + 10;
    e.mouseButton.y = b->getTop() + 40;
    EXPECT_TRUE(CPLUX::pushEvent(e));
    e.type = sf::Event::MouseButtonReleased;
    CPLUX::pushEvent(e);
    CPLUX::update(nullptr);
    EXPECT_TRUE(CPLUX::isInput());

    CPLUXTest::answerMessageBox(h, 1);
    EXPECT_EQ(proprietaire.journal, (std::vector<std::string>{"mb:" + std::to_string(h) + ":IDMB:010:"}));
    EXPECT_EQ(CPLUX::getMessageBox(h), nullptr);
    EXPECT_FALSE(CPLUX::isInput());

    proprietaire.vider();
    const int h4 = CPLUX::MessageBoxW(L"Rapport", L"Décrivez le problème :", "IDMBTEXTE", &proprietaire, 4);
    EXPECT_TRUE(CPLUX::isInput());
    CPLUXTest::answerMessageBox(h4, 0, "Ça plante à l'écran 3");
    EXPECT_EQ(proprietaire.journal,
              (std::vector<std::string>{"mb:" + std::to_string(h4) + ":IDMBTEXTE:100:Ça plante à l'écran 3"}));

    // Escape is the last button, Enter the first; the two-argument form has no owner.
    proprietaire.vider();
    const int h3 = CPLUX::MessageBoxW("Fermer", "Enregistrer ?", "IDMB3", &proprietaire, 3);
    CPLUXTest::key(sf::Keyboard::Escape);
    const int h1 = CPLUX::MessageBoxW("Info", "Fini", "IDMB1", &proprietaire, 1);
    CPLUXTest::key(sf::Keyboard::Return);
    EXPECT_EQ(proprietaire.journal, (std::vector<std::string>{"mb:" + std::to_string(h3) + ":IDMB3:001:",
                                                              "mb:" + std::to_string(h1) + ":IDMB1:100:"}));
    const int sans = CPLUX::MessageBoxW("Erreur !", "Impossible de charger la police !");
    EXPECT_TRUE(CPLUXTest::answerMessageBox(sans, 0));
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty());
}

// The program acts on events before the library's update sees them: a box opened by a key (a
// save that failed) must not take that key, nor anything else pushed before it was shown.
TEST_F(Boites, EventsPushedBeforeTheBoxAreNotAnswers)
{
    DialogueEssai proprietaire;
    sf::Event e;
    for (sf::Keyboard::Key k : {sf::Keyboard::Return, sf::Keyboard::Escape}) {
        e.type = sf::Event::KeyPressed;
        e.key = {k, false, false, false, false};
        EXPECT_FALSE(CPLUX::pushEvent(e)) << "no box yet: the key is the program's";
    }
    auto ouvrir = [&] { return CPLUX::MessageBoxW("Erreur", "Impossible d'enregistrer", "IDMB", &proprietaire, 1); };
    const int h1 = ouvrir();
    const CPLUXControlButton* ok = CPLUX::getMessageBox(h1)->getButton(0);
    const sf::Vector2i p(ok->getLeftScreen() + 10, ok->getTopScreen() + 10);
    CPLUX::update(nullptr);
    EXPECT_TRUE(proprietaire.journal.empty()) << "the keys that led to the box answered it";
    CPLUXTest::clickAt(p.x, p.y);
    ASSERT_EQ(proprietaire.journal.size(), 1u) << "a click made once the box is shown answers it";

    // A click where the next box's button will be, made before it opens, is not its answer.
    e.type = sf::Event::MouseButtonPressed;
    e.mouseButton = {sf::Mouse::Left, p.x, p.y};
    CPLUX::pushEvent(e);
    const int h2 = ouvrir();
    e.type = sf::Event::MouseButtonReleased;
    CPLUX::pushEvent(e);
    CPLUX::update(nullptr);
    EXPECT_NE(CPLUX::getMessageBox(h2), nullptr) << "closed by a click made before it was shown";
    CPLUXTest::key(sf::Keyboard::Return);
    EXPECT_EQ(proprietaire.journal.back(), "mb:" + std::to_string(h2) + ":IDMB:100:") << "a fresh Return answers it";
}

TEST_F(Boites, OwnerDeletedBeforeTheAnswer)
{
    auto* proprietaire = new DialogueEssai;
    const int h1 = CPLUX::MessageBoxW("A", "premier", "IDMB", proprietaire, 2);
    const int h2 = CPLUX::MessageBoxW("B", "second", "IDMB", proprietaire, 4);
    EXPECT_EQ(CPLUX::getMessageBoxes().size(), 2u);
    delete proprietaire;
    // Both boxes stay; answering them calls nobody.
    EXPECT_EQ(CPLUX::getMessageBoxes().size(), 2u);
    EXPECT_TRUE(CPLUXTest::answerMessageBox(h2, 0, "texte"));
    // The title-bar cross closes without a choice.
    CPLUXMessageBox* b = CPLUX::getMessageBox(h1);
    ASSERT_NE(b, nullptr);
    CPLUXControl* croix = b->getControl("btnClose");
    CPLUXTest::clickAt(croix->getLeftScreen() + 5, croix->getTopScreen() + 5);
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty());

    // The console keeps its 64 lines and ignores others.
    CPLUX::setConsoleText("FPS : 60", 3);
    CPLUX::setConsoleText(L"ignorée", 64);
    CPLUX::setConsoleText("ignorée", -1);
    EXPECT_EQ(CPLUX::getConsoleText(3), L"FPS : 60");
    EXPECT_EQ(CPLUX::getConsoleText(64), L"");
}

} // namespace
