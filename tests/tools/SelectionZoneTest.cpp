// The slicer: numbering, inputs, loading a sequence and the export of the cuts.
#include "DecoupeOutils.h"

#include "core/Texte.h"
#include "gui/plux_theme.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <climits>
#include <functional>

namespace {

using Decoupe = DecoupeTest<>;

std::vector<std::string> fichiers(const std::string& dossier)
{
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator(dossier))
        r.push_back(e.path().filename().string());
    std::sort(r.begin(), r.end());
    return r;
}

// "0007.png"
std::string numero(int n) { return CCSESelectionZone::numero(n, 4) + ".png"; }

sf::Image lire(const std::string& chemin)
{
    sf::Image i;
    EXPECT_TRUE(i.loadFromFile(chemin)) << chemin;
    return i;
}

// The cut of source at rect (left, top, w, h), pixel by pixel.
void verifierDecoupe(const sf::Image& cut, const sf::Image& source, int gauche, int haut, unsigned l, unsigned h,
                     const std::string& nom)
{
    ASSERT_EQ(cut.getSize(), sf::Vector2u(l, h)) << nom;
    int erreurs = 0;
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < l; ++x)
            if (cut.getPixel(x, y) != attendu(source, gauche + static_cast<int>(x), haut + static_cast<int>(y)))
                ++erreurs;
    EXPECT_EQ(erreurs, 0) << nom << ": pixels that differ from the source at (" << gauche << ", " << haut << ")";
}

} // namespace

TEST(Decoupage, Numbering)
{
    const std::tuple<int, int, const char*> cas[] = {{7, 4, "0007"},  {999, 4, "0999"}, {12345, 4, "12345"},
                                                     {-3, 4, "000-3"}, {7, 2, "07"},     {123, 2, "123"}};
    for (const auto& [n, chiffres, texte] : cas)
        EXPECT_EQ(CCSESelectionZone::numero(n, chiffres), texte) << n << " on " << chiffres;
}

// A number field refuses a text that is no number with a box, showing the value kept; blanks go
// wherever they stand; a value kept otherwise than typed is shown once the field is left.
TEST_F(Decoupe, TypedValuesLoseTheirSpacesAreCheckedAndBounded)
{
    const struct {
        const char* input;
        const char* texte;
        std::function<bool(const CCSESelectionZone&)> verifie;
        const char* montre = nullptr;  // what it shows once left, when not the text typed
        bool refuse = false;           // with a box, and the field showing at once the value kept
    } cas[] = {
        {"myTextInputNumDebut", "12 5", [](auto& s) { return s.numDebut == 125 && s.nbImages == -124; }, "125"},
        {"myTextInputNumDebut", "abc", [](auto& s) { return s.numDebut == 125; }, "125", true},
        {"myTextInputNumFin", "-2147483648", [](auto& s) { return s.nbImages == INT_MIN; }},
        {"myTextInputNumFin", "1", [](auto& s) { return s.nbImages == -124; }},
        {"myTextInputPrefixe", "my prefix", [](auto& s) { return s.strPrefixe == "myprefix"; }, "myprefix"},
        {"myTextInputExt", " .bmp", [](auto& s) { return s.strExt == ".bmp"; }, ".bmp"},
        {"myTextInputNbDigit", "6", [](auto& s) { return s.nbDigit == 6; }},
        {"myTextInputNbDigit", "12", [](auto& s) { return s.nbDigit == 10; }, "10"},
        {"myTextInputDecalage", "0a", [](auto& s) { return s.decalage == 0.f; }, "0", true},
        {"myTextInputDecalage", "-10.5", [](auto& s) { return s.decalage == -10.5f; }},
        {"myTextInputDecalage", "100000000000000000000", [](auto& s) { return s.decalage == 1e9f; }, "1000000000", true},
        {"myTextInputZoneL", "0", [](auto& s) { return s.zoneL == 1; }, "1"},
        {"myTextInputZoneH", "100000", [](auto& s) { return s.zoneH == CCSESelectionZone::TAILLE_ZONE_MAX; }, "8192"},
        {"myTextInputAbandonImage", "-7", [](auto& s) { return s.abandonImage == 0; }, "0"},
        {"myTextInputVitesse", "-1", [](auto& s) { return s.vitesse == -1.f; }},
        {"myTextInputZoom", "0", [](auto& s) { return s.zoom == 1.f; }, "1"},
        {"myTextInputZoom", "2.5", [](auto& s) { return s.zoom == 2.5f; }},
        {"myTextInputDossier", "ailleurs/", [](auto& s) { return s.strDossier == "ailleurs/"; }},
    };
    for (const auto& c : cas) {
        saisir(ID, c.input, c.texte);
        EXPECT_TRUE(c.verifie(*s)) << c.input << " typed \"" << c.texte << "\"";
        ASSERT_EQ(CPLUX::getMessageBoxes().size(), c.refuse ? 1u : 0u) << "\"" << c.texte << "\" refused or not";
        if (c.refuse) {
            EXPECT_EQ(texte(c.input), c.montre) << "\"" << c.texte << "\" gives way to the value kept";
            CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);
        }
        CPLUXTest::key(sf::Keyboard::Tab);
        EXPECT_EQ(texte(c.input), c.montre ? c.montre : c.texte) << c.input << " typed \"" << c.texte << "\", then left";
    }
    EXPECT_EQ(texte("myTextInputNbImages"), "0") << "numbers 125 to 1: no image to load";
    // The typed zone size became the zone's size (no image loaded: one to one); 8192 high, it
    // is drawn to the bottom of the 256-pixel view, from 32 pixels down.
    EXPECT_FLOAT_EQ(s->ctrlZone("myZone")->getWidth(), 1.f);
    EXPECT_FLOAT_EQ(s->ctrlZone("myZone")->getHeight(), 224.f);
}

TEST_F(Decoupe, DefaultsLoadOneImageAndCutItAtTheZone)
{
    sequence("./Sprites/", "", ".png", 1, 1, 256, 256);
    EXPECT_EQ(texte("myTextInputDossier"), "./Sprites/") << "the folder a load reads, shown from the start";
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonOpenAnimation"));
    ASSERT_EQ(s->textures.size(), 1u);
    EXPECT_EQ(texte("myTextInputDossier"), "./Sprites/");
    EXPECT_EQ(texte("myTextStatut"), "1 image chargée depuis ./Sprites/");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonEnregistrer"));
    // The model's zone stands at (32, 32) from the picture's corner.
    verifierDecoupe(lire("Sprites/se_0001.png"), motif(256, 256, 0), 32, 32, 100, 200, "se_0001.png");
    EXPECT_EQ(texte("myTextStatut"), "1 découpe enregistrée dans ./Sprites/");
    EXPECT_EQ(fichiers("Sprites"), (std::vector<std::string>{"0001.png", "se_0001.png"}));
}

TEST_F(Decoupe, NumberedSequenceCutsEveryImagePixelByPixel)
{
    // Named with two digits; the folder typed without its separator.
    sequence("seq/", "run_", ".bmp", 8, 12, 64, 48, 2);
    charger("seq", 8, 12, "run_", ".bmp", 2);
    EXPECT_EQ(texte("myTextStatut"), "5 images chargées depuis seq/");
    ASSERT_EQ(s->textures.size(), 5u);
    EXPECT_EQ(s->nbImages, 4);
    geometrie(64, 48, 10, 20, 30, 16);
    EXPECT_EQ(sf::Vector2i(s->zoneL, s->zoneH), sf::Vector2i(30, 16));
    // A folder and a prefix typed since the load are the next load's: the cuts go beside theirs.
    saisir(ID, "myTextInputDossier", "ailleurs/");
    saisir(ID, "myTextInputPrefixe", "autre_");
    s->enregistrerZones();
    EXPECT_EQ(texte("myTextStatut"), "5 découpes enregistrées dans seq/");
    for (int k = 1; k <= 5; ++k) {
        // BMP keeps no transparency: the source as it reads back.
        sf::Image source = lire("seq/run_" + CCSESelectionZone::numero(7 + k, 2) + ".bmp");
        const std::string nom = "se_run_" + CCSESelectionZone::numero(k, 4) + ".png";
        verifierDecoupe(lire("seq/" + nom), source, 10, 20, 30, 16, nom);
    }
    EXPECT_FALSE(std::filesystem::exists("seq/se_run_0006.png"));
}

TEST_F(Decoupe, ShiftDropAndTransparency)
{
    sequence("seq/", "", ".png", 1, 6, 64, 48);
    charger("seq/", 1, 3);
    geometrie(64, 48, 0, 0, 20, 10);
    saisir(ID, "myTextInputDecalage", "10");
    s->enregistrerZones();
    for (int k = 1; k <= 3; ++k)
        verifierDecoupe(lire("seq/se_" + CCSESelectionZone::numero(k, 4) + ".png"), motif(64, 48, k - 1), 10 * (k - 1), 0,
                        20, 10, "shifted cut " + std::to_string(k));

    // One image dropped after each kept one: images 0, 2 and 4 become cuts 1, 2 and 3.
    charger("seq/", 1, 6);
    saisir(ID, "myTextInputDecalage", "0");
    saisir(ID, "myTextInputAbandonImage", "1");
    s->enregistrerZones();
    for (int k = 1; k <= 3; ++k)
        verifierDecoupe(lire("seq/se_" + CCSESelectionZone::numero(k, 4) + ".png"), motif(64, 48, 2 * (k - 1)), 0, 0, 20,
                        10, "kept image " + std::to_string(2 * (k - 1)));
    EXPECT_FALSE(std::filesystem::exists("seq/se_0004.png"));

    // A drop count of -1 (set behind the inputs' back) cuts every image, without a division by 0.
    s->abandonImage = -1;
    s->enregistrerZones();
    EXPECT_TRUE(std::filesystem::exists("seq/se_0006.png"));

    s->decalage = -1e30f;  // more than a field takes: the zone misses every image but the first
    s->enregistrerZones();
    EXPECT_EQ(texte("myTextStatut"), "1 découpe enregistrée dans seq/, 1 découpe existante remplacée, 5 images "
                                     "que la zone ne touche pas : pas de découpe, 5 découpes d'un export précédent laissées");
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes().at(0)->getHwnd(), 0);
    // A shorter export leaves the longer one's last cuts, and says which, on as many lines of the
    // status line as that takes.
    s->decalage = 0.f;
    charger("seq/", 1, 5);
    s->enregistrerZones();
    EXPECT_EQ(texte("myTextStatut"), "5 découpes enregistrées dans seq/, 5 découpes existantes remplacées, 1 découpe "
                                     "d'un export plus long laissée après la dernière (se_0006.png)");
    s->abandonImage = 1;
    s->enregistrerZones();
    EXPECT_EQ(texte("myTextStatut"), "3 découpes enregistrées dans seq/, 3 découpes existantes remplacées, 3 découpes "
                                     "d'un export plus long laissées après la dernière (se_0004.png à se_0006.png)");
    const auto* statut = static_cast<const CPLUXControlText*>(s->getControl("myTextStatut"));
    EXPECT_TRUE(statut->aLaLigne && statut->getHeight() >= 3 * plux::TAILLE_TEXTE * 1.2f &&
                statut->getTop() + statut->getHeight() <= static_cast<float>(s->getOuterHeight()))
        << "three lines of the status line, within the dialog";
}

// Pictures of three sizes share the scale of the largest width and height (300 x 240, then
// 300 x 300, in the 256-pixel view), each drawn at its own size. The zone, dragged past each edge
// of the view, is taken back from there and keeps 16 view pixels (19 image pixels) on a picture,
// never in a corner of the sequence's box that no picture covers; each cut is its picture's crop,
// and a picture the zone misses gets none, said.
TEST_F(Decoupe, MixedSizesAndAZoneDraggedPastEachEdge)
{
    struct Cas { sf::Vector2i glisse, coin; int ecrites; };
    const struct { std::string dossier; std::vector<sf::Vector2u> tailles; int zone; std::vector<Cas> cas; } jeux[] = {
        {"mix/", {{200, 150}, {300, 100}, {120, 240}}, 150,
         {{{600, 0}, {281, 32}, 1}, {{-600, 0}, {0, 32}, 3}, {{0, 600}, {0, 221}, 1}, {{0, -600}, {0, 0}, 3},
          {{600, 600}, {181, 131}, 1}}},
        {"fin/", {{300, 1}, {1, 300}, {150, 150}}, 40,
         {{{600, 600}, {131, 131}, 1}, {{-600, -600}, {0, 0}, 3}, {{600, 0}, {281, 0}, 1}}},
    };
    for (const auto& [dossier, tailles, zone, cas] : jeux) {
        std::filesystem::create_directories(dossier);
        for (int i = 0; i < 3; ++i)
            ASSERT_TRUE(motif(tailles[i].x, tailles[i].y, i).saveToFile(dossier + numero(i + 1)));
        charger(dossier, 1, 3);
        for (int i = 0; i < 3; ++i) {
            saisir(ID, "myTextInputImageCourante", std::to_string(i));
            EXPECT_EQ(s->spriteImage.getTextureRect(), sf::IntRect(0, 0, tailles[i].x, tailles[i].y))
                << "picture " << i;
            EXPECT_FLOAT_EQ(s->ctrlImage("myImage")->facteurAffichage().x, 256.f / 300.f) << "picture " << i;
        }
        saisir(ID, "myTextInputZoneL", std::to_string(zone));
        saisir(ID, "myTextInputZoneH", std::to_string(zone * 4 / 5));
        for (const auto& [glisse, coin, ecrites] : cas) {
            const std::string nom =
                dossier + " dragged by " + std::to_string(glisse.x) + ", " + std::to_string(glisse.y);
            glisserZone(false, glisse.x, glisse.y);
            EXPECT_EQ(s->coinZone, coin) << nom;
            for (int k = 1; k <= 3; ++k)
                std::filesystem::remove(dossier + "se_" + numero(k));
            s->enregistrerZones();
            EXPECT_EQ(texte("myTextStatut"), ecrites == 3 ? "3 découpes enregistrées dans " + dossier
                                                          : "1 découpe enregistrée dans " + dossier +
                                                                ", 2 images que la zone ne touche pas : pas de découpe")
                << nom;
            for (int i = 0; i < 3; ++i)
                if (const std::string cut = dossier + "se_" + numero(i + 1); std::filesystem::exists(cut))
                    verifierDecoupe(lire(cut), motif(tailles[i].x, tailles[i].y, i), coin.x, coin.y, zone, zone * 4 / 5,
                                    nom);
            if (ecrites < 3)
                CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes().at(0)->getHwnd(), 0);
        }
    }
}

// A zone of any size is taken where it is drawn, at a scale below 1, at 1 and above: drawn alone
// over black, what shows is what a press takes, its box and its corner square (inside a zone more
// than twice as large as the square, past the corner of a smaller one). From (32, 32), a drag of
// 32 window pixels from the middle of what is drawn moves it 32 / scale image pixels; from the
// middle of its square, it sizes it as much.
TEST_F(Decoupe, AZoneOfAnySizeIsTakenWhereItIsDrawn)
{
    const struct { unsigned l, h; float echelle; int pas; } vues[] = {
        {400, 300, 0.64f, 50}, {256, 192, 1.f, 32}, {160, 120, 1.6f, 20}};
    for (const auto& v : vues) {
        const std::string dossier = "vue" + std::to_string(v.l) + "/";
        sequence(dossier, "", ".png", 1, 3, v.l, v.h);
        charger(dossier, 1, 3);
        ASSERT_FLOAT_EQ(s->ctrlImage("myImage")->facteurAffichage().x, v.echelle) << dossier;
        for (const int n : {1, 2, 3, 4, 5, 6, 40}) {
            const std::string nom = std::to_string(n) + "x" + std::to_string(n) + " at " + tuv::ftos(v.echelle);
            s->coinZone = {32, 32};
            saisir(ID, "myTextInputZoneL", std::to_string(n));
            saisir(ID, "myTextInputZoneH", std::to_string(n));
            CPLUXControlZone* z = s->ctrlZone("myZone");
            sf::RenderTexture cible;
            ASSERT_TRUE(cible.create(400, 400));
            cible.clear(sf::Color::Black);
            plux::Peintre p;
            z->dessiner(p, static_cast<float>(s->getLeft()), static_cast<float>(s->getTop())), p.vider(cible);
            cible.display();
            const sf::Image vu = cible.getTexture().copyToImage();
            const sf::IntRect carre = {z->poignee().left + s->getLeft(), z->poignee().top + s->getTop(), 6, 6};
            int x0 = 400, y0 = 400, x1 = -1, y1 = -1, carreVu = 0;  // what is drawn beside the square
            for (int y = 0; y < 400; ++y)
                for (int x = 0; x < 400; ++x)
                    if (vu.getPixel(x, y) != sf::Color::Black && !(carre.contains(x, y) && ++carreVu))
                        x0 = std::min(x0, x), y0 = std::min(y0, y), x1 = std::max(x1, x), y1 = std::max(y1, y);
            EXPECT_EQ(carreVu, 36) << nom << ": its square drawn whole";
            ASSERT_GE(x1, 0) << nom;
            const sf::IntRect boite(x0, y0, x1 - x0 + 1, y1 - y0 + 1);
            int ecarts = 0;
            for (int y = boite.top - 2; y < carre.top + 8; ++y)
                for (int x = boite.left - 2; x < carre.left + 8; ++x)
                    ecarts += (s->controleSous(x, y) == z) != (boite.contains(x, y) || carre.contains(x, y));
            EXPECT_EQ(ecarts, 0) << nom << ": pixels drawn and not taken, or taken and not drawn";
            glisser({boite.left + (boite.width - 1) / 2, boite.top + (boite.height - 1) / 2}, 32, 32);
            EXPECT_EQ(s->coinZone, sf::Vector2i(32 + v.pas, 32 + v.pas)) << nom << ": moved from its middle";
            EXPECT_EQ(sf::Vector2i(s->zoneL, s->zoneH), sf::Vector2i(n, n)) << nom << ": moved, not sized";
            glisser({z->poignee().left + s->getLeft() + 3, z->poignee().top + s->getTop() + 3}, 32, 32);
            EXPECT_EQ(sf::Vector2i(s->zoneL, s->zoneH), sf::Vector2i(n + v.pas, n + v.pas))
                << nom << ": sized by its square";
            EXPECT_EQ(s->coinZone, sf::Vector2i(32 + v.pas, 32 + v.pas)) << nom << ": sized, not moved";
        }
    }
}

// The picture keeps its ratio in the 256 x 256 view: on any shape the red zone, its fields, the
// preview and the cuts are the same pixels. The zone typed 40 x 30, moved by (20, 10) pixels of
// the window, its corner grip dragged by (10, 6).
TEST_F(Decoupe, ZoneFieldsPreviewAndCutsAreTheSamePixelsOnAnyShape)
{
    // The picture's size, its window pixels per image pixel; the zone's corner and size on it.
    const struct { unsigned l, h; float echelle; sf::Vector2i coin, taille; } cas[] = {
        {128, 96, 2.f, {32 + 10, 32 + 5}, {40 + 5, 30 + 3}},
        {192, 256, 1.f, {32 + 20, 32 + 10}, {40 + 10, 30 + 6}},
        {512, 384, 0.5f, {32 + 40, 32 + 20}, {40 + 20, 30 + 12}},
    };
    for (const auto& c : cas) {
        const std::string nom = std::to_string(c.l) + "x" + std::to_string(c.h), dossier = "seq" + nom + "/";
        s = dialogueOutil<CCSESelectionZone>(ID);
        sequence(dossier, "", ".png", 1, 1, c.l, c.h, 2);
        charger(dossier, 1, 1, "", ".png", 2);
        EXPECT_EQ(sf::Vector2i(s->zoneL, s->zoneH), sf::Vector2i(100, 200)) << nom << ": a load keeps the zone";
        saisir(ID, "myTextInputZoneL", "40");
        saisir(ID, "myTextInputZoneH", "30");
        glisserZone(false, 20, 10);
        glisserZone(true, 10, 6);
        EXPECT_EQ(texte("myTextInputZoneL") + " x " + texte("myTextInputZoneH"),
                  std::to_string(c.taille.x) + " x " + std::to_string(c.taille.y)) << nom;
        const sf::Vector2f coin = sf::Vector2f(c.coin) * c.echelle, taille = sf::Vector2f(c.taille) * c.echelle;
        const sf::FloatRect vue = s->getControl("myImage")->getRect();
        EXPECT_EQ(s->ctrlZone("myZone")->getRect(),
                  sf::FloatRect(vue.left + coin.x, vue.top + coin.y, taille.x, taille.y))
            << nom << ": the red zone on these pixels of the picture";
        ASSERT_TRUE(CPLUXTest::click(ID, "myButtonApercu") && CPLUXTest::click(ID, "myButtonEnregistrer"));
        const sf::Image cut = lire(dossier + "se_0001.png"), apercu = s->textureApercu.copyToImage();
        const sf::Vector2u t(c.taille);
        verifierDecoupe(cut, motif(c.l, c.h, 0), c.coin.x, c.coin.y, t.x, t.y, nom);
        ASSERT_EQ(apercu.getSize(), t) << nom;
        EXPECT_TRUE(std::equal(cut.getPixelsPtr(), cut.getPixelsPtr() + 4 * t.x * t.y, apercu.getPixelsPtr())) << nom;
    }
}

TEST_F(Decoupe, OddSequencesLoadWhatTheyCan)
{
    std::filesystem::create_directories("seq");
    charger("seq/", 5, 2);
    EXPECT_TRUE(s->textures.empty()) << "first number above the last";
    EXPECT_EQ(texte("myTextStatut"), "0 image chargée depuis seq/ : Premier n° (5) au-dessus de Dernier n° (2)");
    EXPECT_EQ(texte("myTextInputNbImages"), "0");
    ASSERT_TRUE(CPLUXTest::click(ID, "myButtonEnregistrer"));
    EXPECT_EQ(texte("myTextStatut"), "Découpe : aucune image chargée, rien n'est enregistré");

    sequence("seq/", "", ".png", 1, 3, 32, 32);
    std::filesystem::remove("seq/0002.png");
    ecrireTexte("seq/0003.png", "pas une image");
    std::filesystem::create_directory("seq/0004.png");
    charger("seq/", 1, 4);
    ASSERT_EQ(s->textures.size(), 4u) << "missing images keep their places";
    EXPECT_TRUE(s->textures[1]->getSize() == sf::Vector2u(0, 0) && s->textures[2]->getSize() == sf::Vector2u(0, 0))
        << "a missing and an unreadable image hold empty places";
    EXPECT_EQ(texte("myTextStatut"), "4 images chargées depuis seq/, 3 absentes ou illisibles");
    // A missing source gets no cut: its number stays free, or keeps the cut of an earlier export.
    ecrireTexte("seq/se_0003.png", "ancienne");
    s->enregistrerZones();
    EXPECT_EQ(textesBoites(), "Erreur !: 1 découpe enregistrée dans seq/\n3 images source absentes ou illisibles : "
                              "pas de découpe\n1 découpe d'un export précédent laissée\n");
    EXPECT_EQ(fichiers("seq"),
              (std::vector<std::string>{"0001.png", "0003.png", "0004.png", "se_0001.png", "se_0003.png"}));

    charger("seq/", 1, 1000000000);
    EXPECT_EQ(s->textures.size(), static_cast<size_t>(CCSESelectionZone::NB_IMAGES_MAX));
    EXPECT_EQ(texte("myTextStatut"),
              "10000 images chargées depuis seq/, 9999 absentes ou illisibles (limite de 10000 images)");
    charger("seq/", -5, 5);
    EXPECT_EQ(s->textures.size(), 11u);
}

TEST_F(Decoupe, FailedWritesAreCountedAndLeaveNothingBehind)
{
    sequence("seq/", "", ".png", 1, 3, 32, 32);
    charger("seq/", 1, 3);
    geometrie(32, 32, 0, 0, 8, 8);
    ecrireTexte("seq/se_0001.png", "ancien");
    std::filesystem::create_directories("seq/se_0002.png/occupe");
    s->enregistrerZones();
    EXPECT_EQ(lire("seq/se_0001.png").getSize(), sf::Vector2u(8, 8)) << "an old cut is replaced";
    EXPECT_TRUE(std::filesystem::is_directory("seq/se_0002.png/occupe")) << "what could not be replaced stays";
    EXPECT_EQ(fichiers("seq"), (std::vector<std::string>{"0001.png", "0002.png", "0003.png", "se_0001.png",
                                                         "se_0002.png", "se_0003.png"}))
        << "no temporary file left";
    EXPECT_EQ(texte("myTextStatut"),
              "2 découpes enregistrées dans seq/, 1 découpe existante remplacée, 1 découpe non enregistrée");
    EXPECT_EQ(textesBoites(), "Erreur !: 2 découpes enregistrées dans seq/\n1 découpe existante remplacée\n"
                              "1 découpe non enregistrée\n");

    // A folder nobody may write in, root included.
    s->dossierCharge = "/proc/";
    s->enregistrerZones();
    EXPECT_EQ(texte("myTextStatut"), "0 découpe enregistrée dans /proc/, 3 découpes non enregistrées");
}
