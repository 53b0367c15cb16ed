// Bad input on every key, input, combo and check of the editor, with nothing selected and with
// selections left over from deleted animations, AEs and elements: nothing crashes, nothing
// from the sanitizers, and no index out of range is written.
#include "OutilsManip.h"

#include "gui/CPLUXMessageBox.h"

#include <functional>

namespace {
const char* const TEXTES[] = {"", "abc", "-", "1e40", "-1e40", "-2147483649", "0.", "-3",
                              "99999999999999999999999999999999999999999999999999999999999999999999999999999999"};

class RobustesseTest : public ManipTest {
protected:
    // Every control of one kind, with its own change raised as the library raises it.
    template <class F>
    void pourChaque(CPLUXControl::Genre genre, F f)
    {
        for (CPLUXControl* c : std::vector<CPLUXControl*>(d().getControls()))
            if (c->getGenre() == genre && c->getId() != IdAnm::myTextInputNomFichierANM)
                f(c);
    }
    void tout()
    {
        pourChaque(CPLUXControl::GENRE_SAISIE, [&](CPLUXControl* c) {
            auto* saisie = static_cast<CPLUXControlTextInput*>(c);
            for (const char* t : TEXTES) {
                saisie->setText(t);  // the live change
                d().onCtrlInputEnterPress(saisie);
            }
        });
        pourChaque(CPLUXControl::GENRE_COMBO, [&](CPLUXControl* c) {
            auto* combo = static_cast<CPLUXControlComboBox*>(c);
            for (int ligne : {-1, 0, 1, combo->getNbElements() - 1, combo->getNbElements(), 1000}) {
                combo->setNumSel(ligne);
                d().onCtrlComboChange(combo);
            }
        });
        pourChaque(CPLUXControl::GENRE_CASE, [&](CPLUXControl* c) {
            auto* b = static_cast<CPLUXControlButtonCheck*>(c);
            for (bool coche : {true, false, true}) {
                b->setCheck(coche);
                d().onCtrlCheckChange(b);
            }
        });
        for (int onglet = 0; onglet < 3; ++onglet) {
            page(onglet);
            for (auto t : {sf::Keyboard::Escape, sf::Keyboard::C, sf::Keyboard::V, sf::Keyboard::Z, sf::Keyboard::D,
                           sf::Keyboard::Numpad2, sf::Keyboard::Num1, sf::Keyboard::Num0, sf::Keyboard::Delete,
                           sf::Keyboard::LShift, sf::Keyboard::RShift})
                for (int mod = 0; mod < 4; ++mod)
                    touche(t, mod & 1, mod & 2);
        }
        for (bool reponse : {false, true})
            for (const char* id : {CJeuDialogAnimationsSprites::IDMB_CHANGE_NBFRAMES,
                                   CJeuDialogAnimationsSprites::IDMBANIMAUTO})
                d().onMBClose(0, id, reponse, false, false, "");
        d().onMouseIn(nullptr, 0, 0, e->liste(IdAnm::myListAnimationElements));
        d().redimensionnerUtilisateur(d().getWidth(), d().getHeight());
        // And everything drawn with what was stored.
        for (int onglet = 0; onglet < 3; ++onglet) {
            page(onglet);
            CPLUXTest::frame(&fenetre);
        }
    }
};
} // namespace

TEST_F(RobustesseTest, EveryControlWithNothingOrAStaleSelection)
{
    s().setMaillage(0, 4, 4);
    s().getElement(0)->selections[0] = {-5, 3, 1000};
    s().getElement(0)->derniereSelection = 1;
    const std::pair<const char*, std::function<void()>> etats[] = {
        {"nothing selected", [] {}},
        {"all selected",
         [&] {
             animation(0);
             animElem(0);
             frame(5);
         }},
        {"indexes past every count",
         [&] {
             d().numAnimationSel = 7;
             d().numAnimElemSel = 9;
             d().elementSel = 12;
             d().numKeyFrameSel = 500;
             d().numAnimationCopie = 7;
             d().numAnimElemCopie = 9;
             d().bCopieFrame = true;
         }},
        {"the AE's element gone",
         [&] {
             animation(0);
             animElem(1);
             s().getAnimElem(0, 1)->element = 40;
         }},
    };
    for (const auto& [quoi, preparer] : etats) {
        SCOPED_TRACE(quoi);
        preparer();
        tout();
        EXPECT_LE(s().getNbAnimations(), 1) << "no animation made";
        EXPECT_LE(s().getNbAnimElems(0), 2);
        EXPECT_EQ(s().etats.count(""), 0u) << "no state without a name";
        EXPECT_GE(d().zoom, CJeuDialogAnimationsSprites::ZOOM_MIN);
        EXPECT_LE(d().zoom, CJeuDialogAnimationsSprites::ZOOM_MAX);
        EXPECT_GE(d().tailleQuadrillage, 1);
        EXPECT_GE(d().precisionCheminAnimation, 1);
        // Whatever was asked is answered, so that no box holds the keyboard.
        for (int n = 0; n < 100 && !CPLUX::getMessageBoxes().empty(); ++n) {
            const CPLUXMessageBox* b = CPLUX::getMessageBoxes().back();
            CPLUXTest::answerMessageBox(b->getHwnd(), b->getNbButtons() - 1);
        }
        EXPECT_TRUE(CPLUX::getMessageBoxes().empty());
    }
}
