// What the user sees: a dialog of every kind drawn into an 800x600 window under Xvfb.
#include "DialogueEssai.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace {

const sf::Color FOND_JEU(24, 28, 40);

const char* MODELE_CAPTURE = R"(DIALOGUE=Capture
TITRE=Propriétés du sprite
RECT=40;40;470;270
OPTIONS=DEPLACABLE;FERMABLE;MINIMISABLE;REDIMENSIONNABLE
{
CONTROLE=ONGLETS;tab
ELEMENTS=ZmyTab:Général;ZmyTab1:Physique
RECT=10;32;450;200
}
{
CONTROLE=SAISIE;txtNom
LIBELLE=Nom
ONGLET=tab;0
RECT=80;66;170;22
}
{
CONTROLE=COMBO;cmbType
LIBELLE=Type
ONGLET=tab;0
ELEMENTS=Décor;Personnage;Objet;Déclencheur
RECT=80;96;170;22
}
{
CONTROLE=CASE;chkVisible
TEXTE=Visible
ONGLET=tab;0
RECT=20;130;110;20
}
{
CONTROLE=CASE;chkSolide
TEXTE=Solide
ONGLET=tab;0
RECT=20;154;110;20
}
{
CONTROLE=TEXTE;lblInfo
TEXTE=Appliqué à la sélection.
ONGLET=tab;0
RECT=20;184;240;20
}
{
CONTROLE=LISTE;lstCalques
ONGLET=tab;0
ELEMENTS=Fond;Arbres;Sol;Premier plan;Effets
COL2=1;60
RECT=270;66;180;150
}
{
CONTROLE=PANNEAU;pnlBas
RECT=10;242;450;44
COULEUR=228;231;236
}
{
CONTROLE=BOUTON;btnOk
TEXTE=Valider
RECT=280;252;84;26
}
{
CONTROLE=BOUTON;btnAnnuler
TEXTE=Annuler
RECT=370;252;84;26
}
{
CONTROLE=BOUTON;btnOff
TEXTE=Inactif
ACTIF=0
RECT=20;252;84;26
}
)";

sf::Color pixel(const sf::Image& i, int x, int y) { return i.getPixel(static_cast<unsigned>(x), static_cast<unsigned>(y)); }

TEST(Apparence, DialogOfEveryKindLooksTidy)
{
    CPLUXTest::reset();
    sf::RenderWindow fenetre(sf::VideoMode(800, 600), "capture", sf::Style::Titlebar);
    ASSERT_TRUE(fenetre.isOpen());
    CPLUX manager(&fenetre);
    auto* d = new DialogueEssai;
    CPLUX::pModeleDef->appliquerTexte(d, MODELE_CAPTURE);
    ASSERT_TRUE(CPLUX::pModeleDef->getErreurs().empty());
    CPLUX::addDialog(nullptr, d, nullptr, 0);
    d->show();
    CPLUX::setConsoleVisible(true);
    CPLUX::setConsoleText("FPS : 60", 0);
    CPLUX::setConsoleText("Sprites : 128", 1);
    for (int i = 0; i < 4; ++i)
        d->ctrlList("lstCalques")->editElement2(std::to_string(i * 10), i);
    d->ctrlButtonCheck("chkVisible")->setCheck(true);
    d->ctrlComboBox("cmbType")->setNumSel(1);
    CPLUXTest::selectRow("Capture", "lstCalques", 2);
    CPLUXTest::typeText("Capture", "txtNom", "Château d'eau");
    CPLUXTest::key(sf::Keyboard::Left, false, true);
    CPLUXTest::key(sf::Keyboard::Left, false, true);
    CPLUXTest::key(sf::Keyboard::Left, false, true);
    CPLUXTest::click("Capture", "cmbType");
    ASSERT_FALSE(d->ctrlComboBox("cmbType")->isRoll());
    CPLUXTest::mouseMove(700, 20);

    fenetre.clear(FOND_JEU);
    CPLUXTest::frame(&fenetre);
    const std::string chemin = "capture_gui.png";
    ASSERT_TRUE(CPLUXTest::screenshot(&fenetre, chemin));
    fenetre.display();
    sf::Image image;
    ASSERT_TRUE(image.loadFromFile(chemin));
    ASSERT_EQ(image.getSize(), sf::Vector2u(800, 600));

    // The game shows around the dialog; the dialog has its title bar and background.
    EXPECT_EQ(pixel(image, 700, 500), FOND_JEU);
    EXPECT_EQ(pixel(image, d->getLeft() + 4, d->getTop() + 20), plux::couleur::titreActif);
    EXPECT_EQ(pixel(image, d->getLeft() + 5, d->getTop() + plux::HAUTEUR_TITRE + 3), plux::couleur::fond);
    // The selected row of the list (right part of its first column, clear of the text).
    CPLUXControlList* liste = d->ctrlList("lstCalques");
    const int yLigne = liste->getTopScreen() + 1 + static_cast<int>(2 * liste->hauteurLigne() + 3);
    EXPECT_EQ(pixel(image, liste->getLeftScreen() + 105, yLigne), plux::couleur::selection);
    // The open drop-down is drawn above the dialog, framed in the accent colour.
    CPLUXControlComboBox* combo = d->ctrlComboBox("cmbType");
    const sf::FloatRect r = combo->rectListe();
    EXPECT_EQ(pixel(image, static_cast<int>(r.left), static_cast<int>(r.top + r.height / 2)),
              plux::couleur::titreActif);
    EXPECT_EQ(pixel(image, static_cast<int>(r.left + r.width - 6), static_cast<int>(r.top + r.height - 4)),
              plux::couleur::champ);
    // Opening the combo took the keyboard from the input: plain frame, white field.
    CPLUXControl* saisie = d->getControl("txtNom");
    EXPECT_EQ(pixel(image, saisie->getLeftScreen() + 30, saisie->getTopScreen()), plux::couleur::bord);
    EXPECT_EQ(pixel(image, saisie->getLeftScreen() + static_cast<int>(saisie->getWidth()) - 4,
                    saisie->getTopScreen() + 4),
              plux::couleur::champ);
    CPLUX::setSurface(nullptr);

    delete d;
    CPLUXTest::reset();
}

// Batched text (glyphs without their margin, nearest texel) has the very pixels of SFML's own
// text at the same whole-pixel place, clipped or not.
TEST(Apparence, BatchedTextHasSfmlTextPixels)
{
    plux::TexteCache t;
    t.definir(L"Aléa durée vie, #FF8040 gyjQ", plux::TAILLE_TEXTE, plux::couleur::texte);
    for (const sf::FloatRect clip : {sf::FloatRect(), sf::FloatRect(30, 12, 120, 9)}) {
        sf::Image images[2];
        for (sf::Image& i : images) {
            sf::RenderTexture rt;
            ASSERT_TRUE(rt.create(260, 40));
            rt.clear(plux::couleur::fond);
            &i == images ? plux::peintre().texte(t, {7, 9}, clip) : plux::peintre().texte(t.texte(), {7, 9}, clip);
            plux::peintre().vider(rt);
            rt.display();
            i = rt.getTexture().copyToImage();
        }
        EXPECT_TRUE(std::equal(images[0].getPixelsPtr(), images[0].getPixelsPtr() + 260 * 40 * 4, images[1].getPixelsPtr()))
            << "batched text differs from sf::Text, clip width " << clip.width;
    }
}

// Labels and message boxes are measured without laying out vertices, and a click in a text
// field finds its character from every offset at once: the width is that of SFML's own
// bounds and each offset SFML's, whatever whitespace, kerning or lines the text holds.
TEST(Apparence, TextMeasuresAreSfmls)
{
    const std::wstring textes[] = {L"Nom", L"AV To Wa", L"  deux espaces devant", L"fin ", L"\ttab\t",
                                   L"lignes\nplus longue\r\ncourte", L"\r", L" ", std::wstring(L"a\0b", 3),
                                   L"Aléa durée vie, #FF8040 gyjQ"};
    for (const unsigned taille : {plux::TAILLE_TEXTE, 31u})
        for (const std::wstring& t : textes) {
            sf::Text sfml(plux::versSf(t), plux::police(), taille);
            sfml.setPosition(7, 3);
            EXPECT_FLOAT_EQ(plux::largeurTexte(t, taille), sfml.getLocalBounds().width)
                << "size " << taille << ", text of " << t.size() << " characters: " << CPLUX::wstrToUtf8(t);
            const std::vector<float> positions = [&] {
                plux::TexteCache c;
                c.definir(t, taille, plux::couleur::texte);
                c.texte().setPosition(7, 3);
                return c.positionsCaracteres();
            }();
            ASSERT_EQ(positions.size(), t.size() + 1);
            for (size_t i = 0; i <= t.size(); ++i)
                EXPECT_FLOAT_EQ(positions[i], sfml.findCharacterPos(i).x - 7)
                    << "offset of character " << i << ", size " << taille << ": " << CPLUX::wstrToUtf8(t);
        }
}

// Message boxes and the game's timed message break their lines at the last space that fits,
// inside a word wider than a line, and never right after an opening quote.
TEST(Apparence, LinesBreakAtSpacesAndKeepAQuoteWithItsText)
{
    const auto caracteres = [](const std::wstring& l) { return static_cast<float>(l.size()); };
    EXPECT_EQ(plux::couperLignes(L"abc def ghi", 10.f, caracteres), L"abc def\nghi");
    EXPECT_EQ(plux::couperLignes(L"Niveau « ./abcdefghijkl »", 10.f, caracteres), L"Niveau\n« ./abcdef\nghijkl »")
        << "the quote goes with the path, broken inside";
}

// A dialog under another dialog or a message box leaves out what they cover: the frame has the
// pixels of every layer drawn in full, bottom to top.
TEST(Apparence, CoveredPartsLeftOutChangeNoPixel)
{
    CPLUXTest::reset();
    sf::RenderWindow fenetre(sf::VideoMode(800, 600), "capture", sf::Style::Titlebar);
    CPLUX manager(&fenetre);
    auto* dessous = new DialogueEssai;
    CPLUX::pModeleDef->appliquerTexte(dessous, MODELE_CAPTURE);
    auto* dessus = new DialogueEssai;
    dessus->setId("Dessus");
    dessus->Size(200, 120);
    for (CPLUXDialog* d : {static_cast<CPLUXDialog*>(dessous), static_cast<CPLUXDialog*>(dessus)})
        CPLUX::addDialog(nullptr, d, nullptr, 0), d->show();
    dessus->setPosition(150, 150);
    CPLUX::MessageBoxW("Boîte", "Au-dessus des dialogues et de leurs contrôles");
    sf::Image images[2];
    for (int entier = 0; entier < 2; ++entier) {
        CPLUXTest::frame(&fenetre);
        fenetre.clear(FOND_JEU);
        if (!entier)
            CPLUX::refreshSurface();
        else
            for (CPLUXDialog* d : {static_cast<CPLUXDialog*>(dessous), static_cast<CPLUXDialog*>(dessus),
                                   static_cast<CPLUXDialog*>(CPLUX::getMessageBoxes().at(0))})
                d->draw(&fenetre, 0, 0, 0, 0);
        sf::Texture t;
        ASSERT_TRUE(t.create(800, 600));
        t.update(fenetre);
        images[entier] = t.copyToImage();
    }
    EXPECT_TRUE(std::equal(images[0].getPixelsPtr(), images[0].getPixelsPtr() + 800 * 600 * 4, images[1].getPixelsPtr()))
        << "a covered part was left out where it shows, or drawn differently";
    CPLUX::setSurface(nullptr);
    delete dessus;
    delete dessous;
    CPLUXTest::reset();
}

} // namespace
