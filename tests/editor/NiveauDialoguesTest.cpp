// The level open and save dialogs as the author drives them, and their self-registering
// pair: what is loaded, what is written (and never replaced without "Oui"), what the menu
// object learns, and the callbacks' filtering.
#include "OutilsDialoguesNiveau.h"

#include "editor/SFMLJeuOuvrir.h"
#include "editor/SFMLJeuSauver.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXMessageBox.h"
#include "level/CalqueSD.h"
#include "support/Outils.h"

namespace fs = std::filesystem;

namespace {

// The empty level (its ground, eight sprites, and its hero) with a game type, a zone and three
// boxes of the main plane.
std::string niveauAvecCaisses()
{
    std::string n = lireTexte("niveaux/niveau-vide.niv");
    n.replace(n.find("TYPEJEU=0"), 9, "TYPEJEU=1");
    n.replace(n.find("ZONE=0;100;100;500;500"), 22, "ZONE=1;10;20;300;400");
    return n + "TEXTURE_DEC=./decors/caisse.dec;CAISSE\n"
               "SD=CAISSE;520;592;2;32;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n"
               "SD=CAISSE;584;592;2;32;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n"
               "SD=CAISSE;552;528;2;32;0;0;0;1;1;1;1;0;0;0;0;0;0;0\n";
}

class NiveauDialoguesTest : public DialoguesNiveauTest {
protected:
    size_t nbSprites() const
    {
        size_t n = 0;
        for (const CCalqueSD* p : jeu->pdecor->pPlans)
            n += p->sprites.size();
        return n;
    }
    // The file row of the open dialog, chosen as the author does.
    bool choisir(const char* dialogue, const std::string& fichier)
    {
        CPLUXDialogFile* d = CPLUX::getDialog(dialogue)->commeDialogFile();
        d->actualiser();
        CPLUX::show(dialogue);
        return CPLUXTest::selectRow(dialogue, "lstFichiers", d->ctrlList("lstFichiers")->getLine(fichier));
    }
    // Types the name and presses "Enregistrer".
    void enregistrer(const std::string& nom)
    {
        CPLUX::show(CJeuDialogSauverNiv::ID);
        CPLUX::getControl(CJeuDialogSauverNiv::ID, "txtFichier")->setText(nom);
        presser(CJeuDialogSauverNiv::ID, "btnEnregistrer");
    }
    // The box of that id still open, or null.
    static CPLUXMessageBox* boite(const std::string& id)
    {
        for (CPLUXMessageBox* b : CPLUX::getMessageBoxes())
            if (b->getBoxId() == id)
                return b;
        return nullptr;
    }
    std::wstring message() const { return jeu->texteMessage.getString().toWideString(); }
};

} // namespace

TEST_F(NiveauDialoguesTest, OpenLoadsTheChosenLevelOrTheEmptyOne)
{
    ecrireTexte("niveaux/essai.niv", niveauAvecCaisses());
    jeu->mode = PartieJeu::MODE_EDITEUR;
    ASSERT_TRUE(choisir(CJeuDialogChargerNiv::ID, "essai.niv"));
    ASSERT_TRUE(presser(CJeuDialogChargerNiv::ID, "open"));
    EXPECT_EQ(nbSprites(), 11u) << "its sprites: the ground and the boxes";
    EXPECT_EQ(jeu->typeJeu, 1);
    EXPECT_EQ(jeu->pdecor->zone[0], 10);
    EXPECT_EQ(jeu->pMenus->strDossierNiveau, "./niveaux/") << "the menu object's level folder";
    EXPECT_EQ(jeu->pMenus->strCheminNiveau, "./niveaux/essai.niv") << "and path";
    EXPECT_TRUE(CPLUX::isDialogVisible(CJeuDialogChargerNiv::ID)) << "the dialog stays open";

    ASSERT_TRUE(presser(CJeuDialogChargerNiv::ID, "myButtonNouveau"));
    EXPECT_EQ(nbSprites(), 8u) << "the empty level: its ground";
    EXPECT_EQ(jeu->typeJeu, 0);
    EXPECT_EQ(jeu->pMenus->strDossierNiveau, "./niveaux/");
    EXPECT_EQ(jeu->pMenus->strCheminNiveau, "./niveaux/niveau-vide.niv");
    EXPECT_TRUE(CPLUX::isDialogVisible(CJeuDialogChargerNiv::ID));

    // Other controls, and "open" with no file chosen, leave the level alone.
    CPLUXDialogFile* d = CPLUX::getDialog(CJeuDialogChargerNiv::ID)->commeDialogFile();
    d->choisirFichier("essai.niv");
    presser(CJeuDialogChargerNiv::ID, "txtDossier");
    d->InitDossiers("./niveaux/");
    presser(CJeuDialogChargerNiv::ID, "open");
    EXPECT_EQ(jeu->pMenus->strCheminNiveau, "./niveaux/niveau-vide.niv");
    EXPECT_EQ(nbSprites(), 8u);

    jeu->mode = 0;  // opened over the main menu
    ASSERT_TRUE(choisir(CJeuDialogChargerNiv::ID, "essai.niv"));
    ASSERT_TRUE(presser(CJeuDialogChargerNiv::ID, "open"));
    EXPECT_EQ(nbSprites(), 11u);
    EXPECT_FALSE(CPLUX::isDialogVisible(CJeuDialogChargerNiv::ID)) << "left over the loaded level";
}

TEST_F(NiveauDialoguesTest, ABrokenLevelChosenIsReportedAndTheEditorGoesOn)
{
    ecrireTexte("niveaux/casse.niv", "\xff\xfeSD=;;;\nTEXTURE_DEC=./absent.dec;X\n");
    fs::create_directories("niveaux/dossier.niv");
    for (const char* f : {"casse.niv", "dossier.niv"}) {
        SCOPED_TRACE(f);
        CPLUXDialogFile* d = CPLUX::getDialog(CJeuDialogChargerNiv::ID)->commeDialogFile();
        d->choisirFichier(f);
        presser(CJeuDialogChargerNiv::ID, "open");
        EXPECT_EQ(nbSprites(), 0u);
        EXPECT_EQ(jeu->pMenus->strCheminNiveau, std::string("./niveaux/") + f);
    }
    EXPECT_FALSE(CPLUX::getMessageBoxes().empty()) << "the level says what did not read";
}

TEST_F(NiveauDialoguesTest, SaveWritesTheTypedNameInTheShownFolderOnly)
{
    const std::string vide = lireTexte("niveaux/niveau-vide.niv");
    const auto nbFichiers = [] { return std::distance(fs::directory_iterator("niveaux"), fs::directory_iterator()); };
    const auto avant = nbFichiers();
    enregistrer("");
    EXPECT_EQ(nbFichiers(), avant) << "no name: nothing written";

    enregistrer("essai");
    EXPECT_TRUE(fs::is_regular_file("niveaux/essai.niv"));
    EXPECT_EQ(jeu->pdecor->fichierNiveau, "./niveaux/essai.niv") << "the level now stands for the written file";
    EXPECT_EQ(message().rfind(L"Sauvegarde du niveau effectuée", 0), 0u) << "the writer's message";
    EXPECT_TRUE(CPLUX::isDialogVisible(CJeuDialogSauverNiv::ID));

    for (const char* nom : {"../../x", "a/b"}) {
        enregistrer(nom);
        EXPECT_FALSE(CPLUX::getMessageBoxes().size()) << nom << ": a new name asks nothing";
    }
    EXPECT_TRUE(fs::is_regular_file("niveaux/x.niv") && fs::is_regular_file("niveaux/b.niv"))
        << "the folder part of a name dropped";
    EXPECT_FALSE(fs::exists("../x.niv") || fs::exists("x.niv") || fs::exists("niveaux/a"));

    // The template: confirmed as any existing file, then refused by the writer.
    enregistrer("niveau-vide");
    ASSERT_NE(boite("PLUX_REMPLACER"), nullptr);
    CPLUXTest::answerMessageBox(boite("PLUX_REMPLACER")->getHwnd(), 0);
    EXPECT_EQ(lireTexte("niveaux/niveau-vide.niv"), vide) << "the empty level is never overwritten";
    EXPECT_FALSE(CPLUX::getMessageBoxes().empty()) << "the \"ATTENTION !\" box";
    EXPECT_EQ(message().rfind(L"Erreur", 0), 0u);
}

TEST_F(NiveauDialoguesTest, AnExistingFileIsReplacedOnlyAfterOui)
{
    ecrireTexte("niveaux/essai.niv", "ancien\n");
    const struct {
        int bouton;
        const char* attendu;
    } reponses[] = {{1, "ancien\n"}, {0, nullptr}};
    for (const auto& r : reponses) {
        SCOPED_TRACE(r.bouton);
        enregistrer("essai");
        CPLUXMessageBox* b = boite("PLUX_REMPLACER");
        ASSERT_NE(b, nullptr) << "asked first";
        CPLUXTest::answerMessageBox(b->getHwnd(), r.bouton);
        if (r.attendu) {
            EXPECT_EQ(lireTexte("niveaux/essai.niv"), r.attendu) << "\"Non\" leaves it byte for byte";
            EXPECT_FALSE(fs::exists("niveaux/essai.niv.save"));
        } else {
            EXPECT_NE(lireTexte("niveaux/essai.niv").find("TAILLEJEU="), std::string::npos) << "\"Oui\" replaces it";
            EXPECT_EQ(lireTexte("niveaux/essai.niv.save"), "ancien\n") << "the old one kept as .save";
        }
    }
}

TEST_F(NiveauDialoguesTest, AFailedSaveIsToldAndChangesNothing)
{
    fs::create_directories("niveaux/parti");
    CPLUX::getDialog(CJeuDialogSauverNiv::ID)->commeDialogFile()->InitDossiers("./niveaux/parti/");
    fs::remove("niveaux/parti");  // removed while shown
    jeu->pdecor->fichierNiveau = "./niveaux/avant.niv";
    enregistrer("essai");
    EXPECT_FALSE(fs::exists("niveaux/parti"));
    EXPECT_EQ(jeu->pdecor->fichierNiveau, "./niveaux/avant.niv");
    EXPECT_EQ(message().rfind(L"Erreur : Sauvegarde du niveau non effectuée", 0), 0u);
}

TEST_F(NiveauDialoguesTest, TheSelfRegisteringPairAsBuilt)
{
    auto ouvrir = std::make_unique<CSFMLJeuOuvrir>();
    auto sauver = std::make_unique<CSFMLJeuSauver>();
    ASSERT_TRUE(ouvrir->pDialogFichier && sauver->pDialogFichier);
    const struct {
        CPLUXDialogFile* d;
        const char* titre;
        sf::Vector2i coin;
        const char* dossier;
    } formes[] = {{ouvrir->pDialogFichier, "Charger niveau", {80, 80}, "./"},
                  {sauver->pDialogFichier, "Sauvegarde du niveau de jeu", {300, 175}, "./jeux/"}};
    for (const auto& f : formes) {
        EXPECT_EQ(f.d->getTitle(), f.titre);
        EXPECT_EQ(f.d->getPosition(), f.coin) << f.titre;
        EXPECT_TRUE(f.d->getWidth() == 590 && f.d->getHeight() == 520) << f.titre;
        EXPECT_LE(f.d->getTop() + f.d->getOuterHeight(), 720) << "inside the game window";
        EXPECT_TRUE(f.d->isVisible() && f.d->isMinimize() && f.d->getCloseMode() == 2) << f.titre;
        EXPECT_EQ(f.d->GetPath(), f.dossier);
    }
    // Only their confirm button with code 0 acts.
    ecrireTexte("niveaux/essai.niv", niveauAvecCaisses());
    CPLUXDialogFile& o = *ouvrir->pDialogFichier;
    o.InitDossiers("./niveaux/");
    o.choisirFichier("essai.niv");
    CPLUXControl* annuler = o.getControl("annuler");
    const std::pair<CPLUXControl*, int> ignores[] = {{nullptr, 0}, {annuler, 0}, {o.getControl("open"), 1}};
    for (const auto& [c, code] : ignores) {
        EXPECT_FALSE(CSFMLJeuOuvrir::rappel(ouvrir.get(), &o, c, code));
        EXPECT_TRUE(CSFMLJeuSauver::rappel(sauver.get(), sauver->pDialogFichier, c, code));
    }
    EXPECT_EQ(nbSprites(), 0u);
    EXPECT_FALSE(CSFMLJeuOuvrir::rappel(ouvrir.get(), &o, o.getControl("open"), 0));
    EXPECT_EQ(nbSprites(), 11u) << "folder + file loaded";
    CPLUXDialogFileSave& s = *sauver->pDialogFichier;
    s.InitDossiers("./niveaux/");
    s.getControl("txtFichier")->setText("copie.niv");
    EXPECT_TRUE(CSFMLJeuSauver::rappel(sauver.get(), &s, s.getControl("save"), 0));
    EXPECT_NE(lireTexte("niveaux/copie.niv").find("SD=CAISSE"), std::string::npos) << "folder + name written";
    // Their destructors free the dialogs they made.
    const int h1 = o.getHwnd(), h2 = s.getHwnd();
    ouvrir.reset();
    sauver.reset();
    EXPECT_TRUE(CPLUX::getDialog(h1) == nullptr && CPLUX::getDialog(h2) == nullptr);
}
