// State-list files: the writer's bytes, its ".save" copy and its failure, the reader over
// well-formed and malformed files, and the two file-dialog callbacks.
#include "OutilsEditeur.h"

#include "gui/CPLUXDialogFile.h"
#include "gui/CPLUXMessageBox.h"

#include <algorithm>
#include <filesystem>

namespace {
const std::string ENTETE = std::string(65, '#') + "\n#\tFichier d'animation du moteur de jeu Tuv2D v0.1 \n" +
                           std::string(65, '#') + "\n\n\n" + std::string(45, '#') + "\n";

std::vector<std::string> noms(const CSPRITE3& s)
{
    std::vector<std::string> r;
    for (const auto& [nom, a] : s.etats) {
        r.push_back(nom);
        EXPECT_EQ(a, -1) << nom << " is linked to no animation after a load";
    }
    return r;
}
} // namespace

TEST_F(EditeurTest, WriterWritesTheBannerAndTheSortedNames)
{
    DossierTemp dossier;
    Editeur e;
    CSPRITE3& s = *e->pSprite;
    struct Cas {
        std::vector<std::string> etats;
        std::string ligne;
    };
    const Cas table[] = {
        {{"CHUTE", "ACTION", "SAUT_RECEPTION"}, "ETATS=3;ACTION;CHUTE;SAUT_RECEPTION\n"},
        {{}, "ETATS=0\n"},
        {{"B", "A", "C"}, "ETATS=3;A;B;C\n"},
        {{"a;b", "deux\nlignes", "\xC3\xA9tat mort"}, "ETATS=3;a,b;deux lignes;\xC3\xA9tat mort\n"},
    };
    for (const Cas& c : table) {
        s.etats.clear();
        for (const std::string& n : c.etats)
            s.etats[n] = 2;
        const std::string chemin = dossier / "etats.eta";
        ASSERT_TRUE(e->sauverEtats(chemin)) << c.ligne;
        EXPECT_EQ(lireTexte(chemin), ENTETE + c.ligne);
    }
    // The written names read back as they were written, one name each.
    e->chargerEtats(dossier / "etats.eta");
    EXPECT_EQ(noms(s), (std::vector<std::string>{"a,b", "deux lignes", "\xC3\xA9tat mort"}));
}

TEST_F(EditeurTest, SavingAgainKeepsThePreviousFileAndAFailedSaveChangesNothing)
{
    DossierTemp dossier;
    Editeur e;
    CSPRITE3& s = *e->pSprite;
    const std::string chemin = dossier / "etats.eta";
    s.etats = {{"MARCHE", 0}};
    ASSERT_TRUE(e->sauverEtats(chemin));
    EXPECT_FALSE(std::filesystem::exists(chemin + ".save")) << "nothing to keep the first time";
    s.etats = {{"ARRET", 1}};
    ASSERT_TRUE(e->sauverEtats(chemin));
    EXPECT_EQ(lireTexte(chemin + ".save"), ENTETE + "ETATS=1;MARCHE\n");
    EXPECT_EQ(lireTexte(chemin), ENTETE + "ETATS=1;ARRET\n");

    EXPECT_FALSE(e->sauverEtats(dossier / "absent/etats.eta")) << "a missing folder";
    EXPECT_FALSE(e->sauverEtats(dossier.str())) << "a folder";
    EXPECT_FALSE(e->sauverEtats(""));
    EXPECT_FALSE(std::filesystem::exists(dossier / "absent"));
    EXPECT_EQ(lireTexte(chemin), ENTETE + "ETATS=1;ARRET\n");
}

TEST_F(EditeurTest, ReaderTakesTheNamesTheLastEtatsLineHolds)
{
    DossierTemp dossier;
    Editeur e;
    struct Cas {
        const char* quoi;
        std::string contenu;
        std::vector<std::string> attendus;
    };
    const Cas table[] = {
        {"three names", "ETATS=3;MARCHE;ARRET;SAUT\n", {"ARRET", "MARCHE", "SAUT"}},
        {"a name twice", "ETATS=2;ARRET;ARRET\n", {"ARRET"}},
        {"none", "ETATS=0\n", {}},
        {"a negative count", "ETATS=-5;A\n", {}},
        {"a count beyond the names", "ETATS=2000000000;A\n", {"A"}},
        {"fewer than the names", "ETATS=1;A;B\n", {"A"}},
        {"a trailing separator", "ETATS=2;A;B;\n", {"A", "B"}},
        {"blanks and UTF-8", "ETATS=2; en l'air ;\xC3\xA9tat\n", {" en l'air ", "\xC3\xA9tat"}},
        {"the last line wins", "ETATS=1;A\nAUTRE=3\nETATS=2;C;D\n", {"C", "D"}},
        {"CR LF, a byte-order mark, comments", "\xEF\xBB\xBF# titre\r\nETATS=1;Z\r\n", {"Z"}},
        {"not valid UTF-8", "ETATS=1;\xFF\xFE\n", {"\xFF\xFE"}},
    };
    for (const Cas& c : table) {
        ecrireTexte(dossier / "e.eta", c.contenu);
        e->chargerEtats(dossier / "e.eta");
        EXPECT_EQ(noms(*e->pSprite), c.attendus) << c.quoi;
        const std::vector<std::string> liste = textesDe(e.liste(IdAnm::myListEtats));
        EXPECT_EQ(liste.size(), c.attendus.size()) << c.quoi;
        EXPECT_EQ(textesDe(e.combo(IdAnm::myComboBoxEtatJeu)).front(), "(vide)") << c.quoi;
        EXPECT_EQ(e.combo(IdAnm::myComboBoxEtatJeu)->getNbElements(), liste.size() + 1) << c.quoi;
        if (c.attendus.size() == 3) {
            EXPECT_EQ(liste, c.attendus) << "the list in the map's order";
        }
    }
    std::string beaucoup = "ETATS=100000";
    for (int i = 0; i < 100000; ++i)
        beaucoup += ";E" + std::to_string(i);
    ecrireTexte(dossier / "e.eta", beaucoup + "\n");
    e->chargerEtats(dossier / "e.eta");
    EXPECT_EQ(e->pSprite->etats.size(), 100000u);
    EXPECT_EQ(e.liste(IdAnm::myListEtats)->getNbElements(), 100000);

    // What the reader cannot use leaves the states and the controls as they were.
    e->pSprite->etats = {{"GARDE", 3}};
    ecrireTexte(dossier / "vide.eta", "");
    ecrireTexte(dossier / "sans.eta", "# rien\nAUTRE=1;2\n");
    std::filesystem::create_directory(dossier / "dossier.eta");
    for (const std::string f : {"absent.eta", "vide.eta", "sans.eta", "dossier.eta"}) {
        e->chargerEtats(dossier / f);
        ASSERT_EQ(e->pSprite->etats.size(), 1u) << f;
        EXPECT_EQ(e->pSprite->etats.begin()->second, 3) << f;
    }
}

TEST_F(EditeurTest, FileDialogCallbacksActOnlyOnTheChosenFile)
{
    DossierTemp dossier;
    Editeur e;
    e->pSprite->etats = {{"SAUT", 1}};
    ecrireTexte(dossier / "lu.eta", "ETATS=1;LU\n");

    auto* ouvrir = static_cast<CPLUXDialogFile*>(
        CPLUX::addDialog(nullptr, nullptr, e.d.get(), 1, true, &CJeuDialogAnimationsSprites::cbChargerEtats));
    ouvrir->InitDossiers(dossier.str());
    ouvrir->choisirFichier("lu.eta");
    CPLUXControl* annuler = ouvrir->getControl("annuler");
    CPLUXControl* open = ouvrir->getControl("open");
    const std::pair<CPLUXControl*, int> sansEffet[] = {{annuler, 0}, {open, 15}, {nullptr, 0}, {open, 1}};
    for (const auto& [c, code] : sansEffet) {
        EXPECT_TRUE(CJeuDialogAnimationsSprites::cbChargerEtats(e.d.get(), ouvrir, c, code));
        EXPECT_EQ(e->pSprite->etats.count("SAUT"), 1u) << (c ? c->getId() : "no control") << " " << code;
    }
    EXPECT_TRUE(CJeuDialogAnimationsSprites::cbChargerEtats(e.d.get(), ouvrir, nullptr, 15));
    EXPECT_EQ(e->pSprite->etats.count("LU"), 1u) << "no control and 15: a file was chosen";
    EXPECT_FALSE(ouvrir->estAffiche()) << "the file dialog closes after acting";
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    EXPECT_NE(texteBoite(*CPLUX::getMessageBoxes()[0]).find("États lus de " + dossier / "lu.eta" +
                                                            " : 1, reliés à aucune animation. Liens défaits : 1 "),
              std::string::npos) << "the load says how many links it undid";
    CPLUX::getMessageBoxes()[0]->repondre(0);
    e->pSprite->etats = {{"SAUT", 1}};
    ouvrir->show();
    EXPECT_TRUE(CJeuDialogAnimationsSprites::cbChargerEtats(e.d.get(), ouvrir, open, 0));
    EXPECT_EQ(e->pSprite->etats.count("LU"), 1u);
    CPLUX::getMessageBoxes()[0]->repondre(0);

    auto* sauver = static_cast<CPLUXDialogFile*>(CPLUX::addDialog(
        nullptr, nullptr, e.d.get(), 3, true, &CJeuDialogAnimationsSprites::callbackSauverEtats));
    sauver->addExtension("eta");
    sauver->InitDossiers(dossier / "absent");
    sauver->getControl("txtFichier")->setText("etats");
    CPLUXControl* save = sauver->getControl("save");
    EXPECT_TRUE(CJeuDialogAnimationsSprites::callbackSauverEtats(e.d.get(), sauver, save, 1));
    EXPECT_TRUE(CJeuDialogAnimationsSprites::callbackSauverEtats(e.d.get(), sauver, nullptr, 0));
    EXPECT_TRUE(CPLUX::getMessageBoxes().empty()) << "nothing acted";
    EXPECT_TRUE(CJeuDialogAnimationsSprites::callbackSauverEtats(e.d.get(), sauver, save, 0));
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "a failed save says so";
    const CPLUXMessageBox* boite = CPLUX::getMessageBoxes().front();
    EXPECT_EQ(boite->getTitle(), "Erreur !");
    EXPECT_NE(texteBoite(*boite).find("Impossible d'enregistrer le fichier " + dossier / "absent/etats.eta" + "|"),
              std::string::npos) << "the box names the file";
    EXPECT_FALSE(sauver->estAffiche()) << "the file dialog closes all the same";
    EXPECT_FALSE(std::filesystem::exists(dossier / "absent"));

    sauver->InitDossiers(dossier.str());
    sauver->show();
    EXPECT_TRUE(CJeuDialogAnimationsSprites::callbackSauverEtats(e.d.get(), sauver, save, 0));
    EXPECT_EQ(lireTexte(dossier / "etats.eta"), ENTETE + "ETATS=1;LU\n") << "the extension is added";
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 2u);
    EXPECT_EQ(CPLUX::getMessageBoxes().back()->getTitle(), "Enregistrer") << "the written file is reported";
}
