// Text editing in an input, keyboard focus, and the conversions the GUI relies on.
#include "DialogueEssai.h"

#include <gtest/gtest.h>

#include <cmath>

namespace {

class Saisie : public ::testing::Test {
protected:
    void SetUp() override
    {
        CPLUXTest::reset();
        d = creerEssai();
        s = d->ctrlTextInput("txtNom");
    }
    void TearDown() override
    {
        journalCallbacks = nullptr;
        delete d;
        CPLUXTest::reset();
    }
    DialogueEssai* d = nullptr;
    CPLUXControlTextInput* s = nullptr;
};

TEST_F(Saisie, EditingKeysAndClipboard)
{
    ASSERT_TRUE(CPLUXTest::typeText("Essai", "txtNom", "Bonjour"));
    EXPECT_EQ(s->getText(), "Bonjour");
    EXPECT_EQ(std::count(d->journal.begin(), d->journal.end(), "input:txtNom"), 7);

    CPLUXTest::key(sf::Keyboard::A, true);
    CPLUXTest::type("x");
    EXPECT_EQ(s->getText(), "x");
    CPLUXTest::key(sf::Keyboard::BackSpace);
    EXPECT_EQ(s->getText(), "");
    CPLUXTest::key(sf::Keyboard::BackSpace);

    CPLUXTest::type("abcdef");
    CPLUXTest::key(sf::Keyboard::Home);
    CPLUXTest::key(sf::Keyboard::Right);
    CPLUXTest::key(sf::Keyboard::Right);
    CPLUXTest::key(sf::Keyboard::Right, false, true);
    CPLUXTest::key(sf::Keyboard::Right, false, true);
    EXPECT_EQ(s->getSelectionStart(), 2u);
    EXPECT_EQ(s->getSelectionEnd(), 4u);
    CPLUXTest::key(sf::Keyboard::C, true);
    CPLUXTest::type("Z");
    EXPECT_EQ(s->getText(), "abZef");
    CPLUXTest::key(sf::Keyboard::End);
    CPLUXTest::key(sf::Keyboard::V, true);
    EXPECT_EQ(s->getText(), "abZefcd");
    CPLUXTest::key(sf::Keyboard::Home);
    CPLUXTest::key(sf::Keyboard::Delete);
    CPLUXTest::key(sf::Keyboard::Left);
    EXPECT_EQ(s->getText(), "bZefcd");
    EXPECT_EQ(s->getCaret(), 0u);
    CPLUXTest::key(sf::Keyboard::End, false, true);
    CPLUXTest::key(sf::Keyboard::X, true);
    EXPECT_EQ(s->getText(), "");
    CPLUXTest::key(sf::Keyboard::V, true);
    EXPECT_EQ(s->getText(), "bZefcd");

    // Read-only: caret moves, text stays.
    s->setReadOnly(true);
    CPLUXTest::type("q");
    CPLUXTest::key(sf::Keyboard::BackSpace);
    EXPECT_EQ(s->getText(), "bZefcd");
    s->setReadOnly(false);

    d->vider();
    CPLUXTest::key(sf::Keyboard::Return);
    EXPECT_EQ(d->journal, (std::vector<std::string>{"enter:txtNom:bZefcd"}));
}

TEST_F(Saisie, KeyboardFocusDecidesWhoGetsTheKeys)
{
    sf::Event k;
    k.type = sf::Event::KeyPressed;
    k.key.code = sf::Keyboard::C;
    k.key.control = k.key.shift = k.key.alt = k.key.system = false;
    EXPECT_FALSE(CPLUX::isInput());
    CPLUXTest::click("Essai", "txtNom");
    EXPECT_TRUE(CPLUX::isInput());
    // Typing "c" in a dialog belongs to the GUI, never to the game.
    EXPECT_TRUE(CPLUX::pushEvent(k));
    sf::Event t;
    t.type = sf::Event::TextEntered;
    t.text.unicode = 'c';
    EXPECT_TRUE(CPLUX::pushEvent(t));
    d->vider();
    CPLUX::update(nullptr);
    EXPECT_EQ(s->getText(), "c");
    EXPECT_EQ(std::count(d->journal.begin(), d->journal.end(), "key"), 0);

    // A press outside every dialog takes the keyboard away but keeps the focused dialog.
    CPLUXTest::clickAt(5, 5);
    EXPECT_FALSE(CPLUX::isInput());
    EXPECT_EQ(CPLUX::dialogfocus, d);
    EXPECT_FALSE(CPLUX::pushEvent(k));
    CPLUX::update(nullptr);

    // Escape drops the focus; Tab goes to the next input.
    d->addControlTextInput("txtSuite", "", 160, 240, 100, 22);
    CPLUXTest::click("Essai", "txtNom");
    CPLUXTest::key(sf::Keyboard::Tab);
    EXPECT_EQ(CPLUX::getKeyboardFocus(), d->getControl("txtSuite"));
    CPLUXTest::key(sf::Keyboard::Escape);
    EXPECT_FALSE(CPLUX::isInput());
    // Hiding the dialog takes the keyboard back too, and so does disabling the input.
    CPLUXTest::click("Essai", "txtNom");
    d->hide();
    EXPECT_FALSE(CPLUX::isInput());
    d->show();
    CPLUXTest::click("Essai", "txtNom");
    d->disableControl("txtNom");
    EXPECT_FALSE(CPLUX::isInput());
    d->vider();
    CPLUXTest::type("z");
    EXPECT_EQ(s->getText(), "c");
    EXPECT_TRUE(d->journal.empty());
}

TEST_F(Saisie, LongTextScrollsAndAccentsSurvive)
{
    CPLUXTest::typeText("Essai", "txtNom", "Les élèves à l'école façonnent des châteaux très hauts");
    EXPECT_EQ(s->getText(), "Les élèves à l'école façonnent des châteaux très hauts");
    EXPECT_EQ(s->getTextW(), L"Les \u00e9l\u00e8ves \u00e0 l'\u00e9cole fa\u00e7onnent des ch\u00e2teaux tr\u00e8s hauts");
    if (plux::policeChargee()) {
        EXPECT_GT(s->getScroll(), 0.f);
        CPLUXTest::key(sf::Keyboard::Home);
        EXPECT_EQ(s->getScroll(), 0.f);
    }
    // Word jumps and deleting a word with Ctrl.
    CPLUXTest::key(sf::Keyboard::End);
    CPLUXTest::key(sf::Keyboard::BackSpace, true);
    EXPECT_EQ(s->getText(), "Les élèves à l'école façonnent des châteaux très ");
    CPLUXTest::key(sf::Keyboard::Left, true);
    EXPECT_EQ(s->getCaret(), s->getTextW().size() - 5);
}

TEST_F(Saisie, NumbersGoThroughTheRoundTrippingConversions)
{
    for (float f : {0.1f, -123.456f, 1e-5f, 3.f, 16777217.f, 1.17549435e-38f}) {
        s->setText(f);
        EXPECT_EQ(s->getText(), CPLUX::ftos(f));
        EXPECT_EQ(CPLUX::stof(s->getText()), f) << s->getText();
    }
    s->setText(0.1);
    EXPECT_EQ(CPLUX::stof(s->getText()), 0.1f);
    s->setText(-42);
    EXPECT_EQ(CPLUX::stoi(s->getText()), -42);
    EXPECT_EQ(CPLUX::stoi(""), 0);
    EXPECT_EQ(CPLUX::stoi("abc"), 0);
    EXPECT_EQ(CPLUX::stoi("99999999999999"), 2147483647);
    EXPECT_EQ(CPLUX::stof(""), 0.f);
    EXPECT_EQ(CPLUX::stof("abc"), 0.f);
    EXPECT_NO_THROW(CPLUX::stof("1e999"));
    EXPECT_EQ(CPLUX::delspaces(" a b\tc "), "abc");
    EXPECT_EQ(CPLUX::itows(-7), L"-7");
    EXPECT_EQ(CPLUX::wstrToUtf8(CPLUX::utf8toWStr("Noël")), "Noël");
    d->getControl("btnOk")->setText(std::string("Réglé"));
    EXPECT_EQ(d->getControl("btnOk")->getTextW(), L"R\u00e9gl\u00e9");
}

// A number field (here bound by name) refuses, as it is typed, a text that can become no
// number: the text goes, the value stays, shown in a form the field takes back. Keys typed
// ahead of the box add no box.
TEST_F(Saisie, NumberFieldsRefuseWhatCanBecomeNoNumber)
{
    CPLUX::pModeleDef->appliquerTexte(d, "{\nCONTROLE=SAISIE;txtN\nVAR=n;INT\nRECT=10;200;100;20\n}\n"
                                         "{\nCONTROLE=SAISIE;txtR\nVAR=r;FLOAT\nRECT=120;200;100;20\n}\n");
    int n = 7;
    float r = 1e6f;
    d->setMapVar("n", &n);
    d->setMapVar("r", &r);
    CPLUX::refresh("Essai");
    EXPECT_EQ(d->ctrlTextInput("txtR")->getText(), "1000000") << "no exponent, which the field would refuse";
    const struct {
        const char* id;
        const char* tape;
        const char* montre;
        int n;
        float r;
    } cas[] = {
        {"txtN", "a", "7", 7, 1e6f},
        {"txtN", "24a", "24", 24, 1e6f},
        {"txtN", "99999999999", "999999999", 999999999, 1e6f},  // the tenth 9 leaves int
        {"txtR", "1e3", "1", 999999999, 1.f},
        {"txtR", "-10000000000000000000", "-1000000000", 999999999, -1e9f},
    };
    for (const auto& c : cas) {
        ASSERT_TRUE(CPLUXTest::click("Essai", c.id));
        CPLUXTest::key(sf::Keyboard::A, true);
        CPLUXTest::type(c.tape);  // every key queued at once, as typed quickly
        EXPECT_EQ(d->ctrlTextInput(c.id)->getText(), c.montre) << c.tape;
        EXPECT_EQ(n, c.n) << c.tape;
        EXPECT_EQ(r, c.r) << c.tape;
        ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u) << c.tape << ": one box for every key refused";
        EXPECT_EQ(CPLUX::getMessageBoxes()[0]->getTitle(), "Réglages d'essai");
        CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
    }
    // The value shown takes the next key.
    ASSERT_TRUE(CPLUXTest::click("Essai", "txtR"));
    CPLUXTest::key(sf::Keyboard::End);
    CPLUXTest::key(sf::Keyboard::BackSpace);
    EXPECT_EQ(r, -1e8f);
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty());
}

// Typed one key at a time, every step of a number is a number or may still become one, so
// that a number field opens no box on the way; a step that can become none is neither.
TEST(SaisieNombre, EachStepOfANumberBeingTypedIsLetBe)
{
    const std::pair<const char*, bool> nombres[] = {{"-.5", true}, {" + 12.25", true}, {".5", true},
                                                    {"-40", false}, {"7", false}};
    for (const auto& [nombre, reel] : nombres) {
        const std::string texte = nombre;
        for (size_t n = 0; n <= texte.size(); ++n) {
            const std::string debut = texte.substr(0, n);
            EXPECT_TRUE(CPLUXControlTextInput::estNombre(debut, reel) ||
                        CPLUXControlTextInput::nombreEnCours(debut, reel))
                << "\"" << debut << "\" on the way to \"" << texte << "\" (" << (reel ? "decimal" : "integer") << ")";
        }
    }
    const std::pair<const char*, bool> jamais[] = {{".", false}, {"-.", false}, {"..", true}, {"-.-", true},
                                                   {"a", true}, {".e", true}, {"--", false},
                                                   {"1e3", true}, {"2147483648", false}};
    for (const auto& [texte, reel] : jamais)
        EXPECT_FALSE(CPLUXControlTextInput::estNombre(texte, reel) || CPLUXControlTextInput::nombreEnCours(texte, reel))
            << "\"" << texte << "\" can become no " << (reel ? "decimal" : "integer");
}

} // namespace
