// The quick save of the toolbar, the editor options and the key R: written at once to a new
// path or to the level's own file, asked first over another existing file, refused where the
// writer cannot write, and always told.
#include "OutilsEditeurNiveau.h"

#include "core/Texte.h"
#include "gui/CPLUXMessageBox.h"

#include <filesystem>

namespace {

const char* const BARRE = editeur::id::MENU_EDITEUR;

std::wstring message(const CSFMLJeu& jeu) { return jeu.texteMessage.getString().toWideString(); }
bool reussi(const CSFMLJeu& jeu) { return message(jeu).rfind(L"Sauvegarde du niveau effectuée", 0) == 0; }
bool echoue(const CSFMLJeu& jeu) { return message(jeu).rfind(L"Erreur : Sauvegarde du niveau non effectuée", 0) == 0; }

// The texts of the last message box.
std::wstring texteBoite()
{
    std::wstring t;
    if (!CPLUX::getMessageBoxes().empty())
        for (const CPLUXControl* c : CPLUX::getMessageBoxes().back()->getControls())
            t += c->getTextW() + L"|";
    return t;
}

} // namespace

class SauvegardeRapide : public EditeurNiveauTest {
protected:
    void SetUp() override
    {
        EditeurNiveauTest::SetUp();
        CPLUX::show(BARRE);
    }
    void sauvegarder() { presser(BARRE, CJeuDialogMenuEditeur::BOUTON_SAUVEGARDE); }
};

TEST_F(SauvegardeRapide, WritesTheLevelFileAndTellsHowItWent)
{
    decor().fichierSaisi = "a.niv";
    sauvegarder();
    EXPECT_TRUE(reussi(*jeu)) << "a new path saves at once";
    EXPECT_EQ(jeu->compteurMessage, 200);
    const std::string ecrit = lireTexte("a.niv");
    EXPECT_NE(ecrit.find("TAILLEJEU="), std::string::npos) << "a level file";
    sauvegarder();
    EXPECT_EQ(lireTexte("a.niv.save"), ecrit) << "the second save keeps the first as .save";

    // Without a file, or where nothing can be written, the message says so and why.
    std::filesystem::create_directories("dossier");
    const std::pair<const char*, const wchar_t*> echecs[] = {{"", L"n'a pas de fichier"},
        {"   ", L"n'a pas de fichier"}, {"dossier", L"« dossier » n'a pas pu être écrit"},
        {"absent/x.niv", L"« absent/x.niv » n'a pas pu être écrit"}};
    for (const auto& [chemin, pourquoi] : echecs) {
        decor().fichierSaisi = chemin;
        jeu->texteMessage.setString("");
        sauvegarder();
        EXPECT_TRUE(echoue(*jeu) && message(*jeu).find(pourquoi) != std::wstring::npos)
            << "\"" << chemin << "\": " << tuv::wstrToUtf8(message(*jeu));
    }
    EXPECT_FALSE(std::filesystem::exists("absent")) << "no folder made";

    // The key R and the editor options' button are the same save.
    decor().fichierSaisi = "r.niv";
    jeu->touchesEditeur(sf::Keyboard::R);
    EXPECT_TRUE(std::filesystem::exists("r.niv"));
    jeu->touchesEditeur(sf::Keyboard::C);
    EXPECT_EQ(decor().appels.fichierCharge, "r.niv") << "and C reloads it, as the options' button does";
    decor().fichierSaisi = "options.niv";
    presser(editeur::id::OPTIONS_EDITEUR, "myButtonSauveNiv");
    EXPECT_TRUE(std::filesystem::exists("options.niv"));

    decor().fichierSaisi = "./niveaux/niveau-vide.niv";
    sauvegarder();
    EXPECT_TRUE(echoue(*jeu)) << "the template is never overwritten";
    EXPECT_NE(texteBoite().find(L"Vous devez créer un nouveau fichier"), std::wstring::npos) << texteBoite();
}

TEST_F(SauvegardeRapide, AnotherLevelsFileIsReplacedOnlyOnYes)
{
    ecrireTexte("autre.niv", "NOM=Autre;2\n");
    decor().fichierNiveau = "mien.niv";  // the level stands for its own file
    decor().fichierSaisi = "autre.niv";  // typed in the level options
    sauvegarder();
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "asked first";
    CPLUXMessageBox* boite = CPLUX::getMessageBoxes()[0];
    EXPECT_EQ(boite->getBoxId(), CJeuDialogMenuEditeur::BOITE_REMPLACER);
    EXPECT_EQ(boite->getTitleW(), L"Enregistrer");
    EXPECT_NE(texteBoite().find(L"Le fichier « autre.niv » existe déjà.\nLe remplacer ?"), std::wstring::npos)
        << texteBoite();
    sauvegarder();
    EXPECT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "one question at a time";
    ASSERT_TRUE(CPLUXTest::answerMessageBox(boite->getHwnd(), 1));  // "Non"
    EXPECT_EQ(lireTexte("autre.niv"), "NOM=Autre;2\n") << "left byte for byte";
    EXPECT_FALSE(std::filesystem::exists("autre.niv.save"));

    sauvegarder();
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    CPLUXTest::answerMessageBox(CPLUX::getMessageBoxes()[0]->getHwnd(), 0);  // "Oui"
    EXPECT_TRUE(reussi(*jeu));
    EXPECT_NE(lireTexte("autre.niv"), "NOM=Autre;2\n") << "replaced";
    EXPECT_EQ(decor().fichierNiveau, "autre.niv") << "the level now stands for the file it was written to";
    sauvegarder();
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "its own file: saved at once";
    EXPECT_TRUE(std::filesystem::exists("autre.niv.save"));
}
