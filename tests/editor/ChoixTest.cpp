// The decor and character pickers: which files they list, paging with wrap-around, folder
// changes, the value fields and animation buttons, the empty list, the choice the level
// editor reads through g_services.choixEditeur, and a missing font said once per picker.
#include "OutilsDialoguesNiveau.h"

#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "core/Texte.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXMessageBox.h"
#include "level/CalqueSD.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Window/Window.hpp>

namespace fs = std::filesystem;

namespace {

class ChoixTest : public DialoguesNiveauTest {
protected:
    // A folder of the working folder with these files (name, content); a name ending in "/"
    // is a folder.
    std::string dossierAvec(const std::string& nom, const std::vector<std::pair<std::string, std::string>>& fichiers)
    {
        fs::create_directories(nom);
        for (const auto& [f, contenu] : fichiers)
            if (f.back() == '/')
                fs::create_directories(nom + "/" + f);
            else
                ecrireTexte(nom + "/" + f, contenu);
        return "./" + nom + "/";
    }
    // The picker's files, without their folder.
    static std::vector<std::string> noms(const CSFMLJeuChoix& c)
    {
        std::vector<std::string> r;
        for (const std::string& f : c.fichiers)
            r.push_back(f.substr(f.rfind('/') + 1));
        return r;
    }
    static std::wstring rang(const CSFMLJeuChoix& c)
    {
        const auto l = c.lignesTexte();
        return l.size() == 3 ? l[2] : L"";
    }
};

} // namespace

TEST_F(ChoixTest, BothPickersListTheNamedFilesOfTheirKindSorted)
{
    for (const std::string ext : {".dec", ".per"}) {
        SCOPED_TRACE(ext);
        const std::string d = dossierAvec("liste" + ext.substr(1), {
            {"b" + ext, "ID=B\n"},
            {"a" + ext, "# no ID line\nECHELLE=1\n"},
            {"x" + ext + ".bak", "ID=X\n"},           // the extension inside the name
            {"y" + ext + "/", ""},                     // a folder so named
            {"notes.txt", "ID=N\n"},
            {"vide" + ext, ""},
            {"tronque" + ext, "ID"},                   // a key cut before its value
            {"\xc3\xa9t\xc3\xa9" + ext, "ID=\xc3\x89T\xc3\x89\n"},
            {"\xff\xfe" + ext, "ID=Z\n"},             // a name that is not UTF-8
        });
        CSFMLJeuChoix& c = ext == ".dec" ? static_cast<CSFMLJeuChoix&>(choixDec()) : choixPer();
        c.chargerListe(d.substr(0, d.size() - 1));  // without its final "/"
        EXPECT_EQ(noms(c), (std::vector<std::string>{"b" + ext, "x" + ext + ".bak", "\xc3\xa9t\xc3\xa9" + ext,
                                                     "\xff\xfe" + ext}))
            << "named files of the kind, folders and empty names left out, byte order";
        EXPECT_EQ(c.nbFichiers, 4);
        EXPECT_EQ(c.fichiers[0], d + "b" + ext) << "full paths";
        ASSERT_NE(c.pDEC, nullptr);
        EXPECT_EQ(c.pDEC->nom, "B") << "the first file's preview";
        c.pager(-1);
        const auto lignes = c.lignesTexte();
        ASSERT_EQ(lignes.size(), 3u);
        EXPECT_EQ(lignes[0], tuv::utf8toWStr(d) + L"\xfffd\xfffd" + tuv::utf8toWStr(ext)) << "bad bytes shown as such";
        EXPECT_EQ(lignes[1], L"Z");
        c.pager(-1);
        EXPECT_EQ(c.lignesTexte()[1], L"\u00c9T\u00c9") << "accents decoded as UTF-8";
    }
}

TEST_F(ChoixTest, PagingWrapsBothWaysAndTheEditorReadsTheShownFile)
{
    std::vector<std::pair<std::string, std::string>> douze;
    for (int i = 0; i < 12; ++i)
        douze.push_back({"f" + std::to_string(10 + i) + ".dec", "ID=F" + std::to_string(i) + "\nTEMPS_FRAME=0.25\n"});
    const std::string d = dossierAvec("douze", douze);
    choixDec().chargerListe(d);
    struct Pas {
        const char* bouton;
        int numero;
        const wchar_t* rang;
    };
    const Pas pas[] = {{"btnRight", 1, L"2/12"}, {"btnRight", 2, L"3/12"}, {"btnLeft", 1, L"2/12"},
                       {"btnLeft", 0, L"1/12"},  {"btnLeft", 11, L"12/12"}, {"btnRight", 0, L"1/12"}};
    for (const Pas& p : pas) {
        ASSERT_TRUE(presser(CSFMLJeuChoixDec::ID, p.bouton));
        EXPECT_EQ(choixDec().numFichier, p.numero) << p.bouton;
        EXPECT_EQ(rang(choixDec()), p.rang) << p.bouton;
        const ChoixEditeur choix = g_services.choixEditeur();
        EXPECT_EQ(choix.nomDecor, "F" + std::to_string(p.numero)) << "the editor places the shown definition";
        EXPECT_EQ(choix.fichierDecor, d + "f" + std::to_string(10 + p.numero) + ".dec");
        EXPECT_EQ(CPLUX::getControl(CSFMLJeuChoixDec::ID, "myTextInputVitesse")->getText(), "0.25")
            << "the definition's frame time after each page";
    }
    EXPECT_TRUE(g_services.choixEditeur().fichierPerso.empty() == (choixPer().nbFichiers == 0));
}

TEST_F(ChoixTest, AFolderChosenInTheListIsListedFromItsFirstFile)
{
    dossierAvec("personnages/autres", {{"p1.per", "ID=P1\n"}, {"p2.per", "ID=P2\n"}});
    CSFMLJeuChoixPer& c = choixPer();
    ASSERT_EQ(c.getFolder(), "./personnages/") << "the character picker starts in the characters' folder";
    ASSERT_GT(c.nbFichiers, 1) << "the game's characters are listed at creation";
    c.pager(1);
    CPLUX::show(CSFMLJeuChoixPer::ID);
    CPLUXControlList* l = c.ctrlList("lstDossiers");
    ASSERT_NE(l, nullptr);
    // Up, then down again through the folders the list shows, as the author goes.
    for (const char* dossier : {"..", "personnages", "autres"})
        ASSERT_TRUE(CPLUXTest::selectRow(CSFMLJeuChoixPer::ID, "lstDossiers", l->getLine(dossier))) << dossier;
    EXPECT_EQ(noms(c), (std::vector<std::string>{"p1.per", "p2.per"})) << "the new folder, reported with code 20";
    EXPECT_EQ(c.numFichier, 0);
    EXPECT_EQ(g_services.choixEditeur().nomPerso, "P1");
    EXPECT_EQ(g_services.choixEditeur().fichierPerso, "./personnages/autres/p1.per");
    ASSERT_TRUE(CPLUXTest::selectRow(CSFMLJeuChoixPer::ID, "lstDossiers", 0));
    EXPECT_EQ(c.getFolder(), "./personnages/");
    EXPECT_EQ(c.numFichier, 0) << "a folder change starts again at the first file";
    EXPECT_EQ(g_services.choixEditeur().fichierPerso, c.fichiers[0]);
}

TEST_F(ChoixTest, AnimationButtonsStayWithinTheBank)
{
    ecrireImage("planche.png", 30, 10, sf::Color::Red);
    const std::string d = dossierAvec("trois", {{"t.per", "ID=T\nPLANCHE=./planche.png\nSPRITE=0;0;10;10;1;0;0\n"
                                                          "SPRITE=10;0;10;10;1;0;0\nSPRITE=20;0;10;10;1;0;0\n"}});
    CSFMLJeuChoixPer& c = choixPer();
    c.chargerListe(d);
    ASSERT_NE(c.pApercu, nullptr);
    EXPECT_EQ(CPLUX::getControl(CSFMLJeuChoixPer::ID, "myTextNbAnims")->getText(), "/ 3");
    EXPECT_EQ(CPLUX::getControl(CSFMLJeuChoixPer::ID, "myTextInputVitesse")->getText(), "0.1");
    const std::pair<const char*, int> pas[] = {{"myButtonAnimMoins", 0}, {"myButtonAnimPlus", 1},
                                               {"myButtonAnimPlus", 2}, {"myButtonAnimPlus", 2},
                                               {"myButtonAnimMoins", 1}};
    for (const auto& [bouton, attendu] : pas) {
        ASSERT_TRUE(presser(CSFMLJeuChoixPer::ID, bouton));
        EXPECT_EQ(c.pApercu->getNumAnim(), attendu) << bouton;
        EXPECT_EQ(CPLUX::getControl(CSFMLJeuChoixPer::ID, "myTextInputNumAnim")->getText(), std::to_string(attendu));
    }
}

TEST_F(ChoixTest, AnEmptyListShowsAndPlacesNothing)
{
    const std::string d = dossierAvec("rien", {{"sans.dec", "PLANCHE=x.png\n"}, {"sans.per", "VIE=3;3\n"}});
    choixDec().chargerListe(d);
    choixPer().chargerListe(d);
    for (CSFMLJeuChoix* c : {static_cast<CSFMLJeuChoix*>(&choixDec()), static_cast<CSFMLJeuChoix*>(&choixPer())}) {
        EXPECT_EQ(c->nbFichiers, 0);
        EXPECT_EQ(c->pDEC, nullptr) << "no bank without a file";
        EXPECT_EQ(c->pApercu, nullptr);
        EXPECT_TRUE(c->lignesTexte().empty()) << "no texts";
        for (const char* b : {"btnLeft", "btnRight", "myButtonAnimPlus", "myButtonAnimMoins"})
            presser(c->getId().c_str(), b);
        EXPECT_EQ(c->numFichier, 0) << "paging does nothing";
        EXPECT_EQ(c->pDEC, nullptr);
    }
    image();
    EXPECT_FALSE(choixDec().getImageControl()->hasImage()) << "the image control is cleared";
    const ChoixEditeur choix = g_services.choixEditeur();
    EXPECT_TRUE(choix.nomDecor.empty() && choix.fichierDecor.empty() && choix.nomPerso.empty() &&
                choix.fichierPerso.empty())
        << "both tools place nothing";
}

TEST_F(ChoixTest, ADeletedPickerLeavesTheEmptyChoice)
{
    ASSERT_GT(choixDec().nbFichiers, 0) << "the game's decor folder";
    EXPECT_FALSE(g_services.choixEditeur().nomDecor.empty());
    CPLUX::hide(CSFMLJeuChoixDec::ID);
    delete CSFMLJeuGlobal::pChoixDec;
    EXPECT_EQ(CSFMLJeuGlobal::pChoixDec, nullptr) << "the destructor clears the global";
    EXPECT_EQ(CPLUX::getDialog(CSFMLJeuChoixDec::ID), nullptr) << "and unregisters the dialog";
    EXPECT_TRUE(g_services.choixEditeur().nomDecor.empty());
    EXPECT_FALSE(g_services.choixEditeur().nomPerso.empty()) << "the other picker still chooses";
}

TEST_F(ChoixTest, ARightClickPlacesWhatTheShownPickerShows)
{
    CDecor& decor = *jeu->pdecor;
    sf::Window fenetre;
    EtatSouris souris;
    SourisJeu::lire = [&souris](const sf::Window&) { return souris; };
    const auto clicDroit = [&](int x, int y) {
        souris = {false, true, {x, y}};
        decor.souris(&fenetre, 0, 0);
        souris = {false, false, {x, y}};
        decor.souris(&fenetre, 0, 0);
    };
    // The decor picker shown on "caisse.dec": a box in the work plane.
    ASSERT_EQ(choixDec().pDEC->nom, "CAISSE") << "the first of the game's decor folder";
    CPLUX::show(CSFMLJeuChoixDec::ID);
    clicDroit(300, 200);
    ASSERT_EQ(decor.pPlanTravail->sprites.size(), 1u);
    CSPRITE* caisse = decor.pPlanTravail->sprites.front();
    EXPECT_EQ(caisse->pDEC, decor.modelesDEC["CAISSE"]) << "the level's own copy of the definition";
    EXPECT_EQ(caisse->x, 300);
    // Paging and deleting the picker free nothing the placed box uses.
    choixDec().pager(1);
    CPLUX::hide(CSFMLJeuChoixDec::ID);
    delete CSFMLJeuGlobal::pChoixDec;
    sf::RenderTexture rt;
    ASSERT_TRUE(rt.create(64, 64));
    caisse->dessinerImage(rt, -280, -180);
    // The character picker shown on "heros.per": an AI of it.
    while (choixPer().pDEC->nom != "HEROS")
        choixPer().pager(1);
    CPLUX::show(CSFMLJeuChoixPer::ID);
    clicDroit(500, 400);
    ASSERT_EQ(decor.ias.size(), 1u) << "an AI placed";
    EXPECT_NE(decor.modelesPersos["HEROS"], choixPer().pDEC) << "made from the level's own definition";
    EXPECT_EQ(decor.pPlanTravail->sprites.size(), 1u);
    // Again on that name: nothing made, and the author is told why in the player's language.
    jeu->pIABehaviours = new CIABehaviours();  // what knows the level's ids, as the game makes it
    const struct { const char* langue; const wchar_t* message; } refus[] = {
        {"fr_", L"« HEROS » est déjà dans le niveau :\nl'éditeur place un seul personnage\nde ce nom à la fois"},
        {"en_", L"\"HEROS\" is already in the level:\nthe editor places one character\nof a name at a time"}};
    for (const auto& r : refus) {
        jeu->pMenus->langue = r.langue;
        clicDroit(700, 400);
        EXPECT_EQ(decor.ias.size(), 1u) << r.langue << ": one character of a name at a time";
        EXPECT_EQ(jeu->texteMessage.getString().toWideString(), r.message) << r.langue;
    }
    // Shift+right click, an AI taken and the picker clicked last: its guard, made as a level line
    // naming the model makes it (facing, scales, weight, collision value of garde.per).
    while (choixPer().pDEC->nom != "GARDE")
        presser(CSFMLJeuChoixPer::ID, "btnRight");
    jeu->pPersoSelection = decor.ias.front();
    decor.ias.front()->modeIA = 1;  // heros.per names no behaviour: only an AI places so
    SourisJeu::shiftGauche = [] { return true; };
    souris = {false, true, {600, 400}};
    decor.ias.front()->dialoguePerso(fenetreDialogues(), 0, 0);
    ASSERT_EQ(decor.ias.size(), 2u);
    // The flyer, a ship as the shipped levels write it.
    SourisJeu::shiftGauche = [] { return false; };
    while (choixPer().pDEC->nom != "VOLANT")
        presser(CSFMLJeuChoixPer::ID, "btnRight");
    clicDroit(800, 300);
    ASSERT_EQ(decor.ias.size(), 3u);
    ASSERT_TRUE(decor.sauverNiveau("./niveaux/choix.niv"));
    const std::string niveau = lireTexte("niveaux/choix.niv");
    EXPECT_NE(niveau.find("\nIA=GARDE;600;400;0;1;1;100;0;1\n"), std::string::npos)
        << "written with the model's collision value: shot at in play";
    EXPECT_NE(niveau.find("\nIA=VOLANT;800;300;0;1;1;100;1;1\n"), std::string::npos) << "the flyer is no ship";
    for (size_t i = niveau.find("\nOMBREIA="); i != std::string::npos; i = niveau.find("\nOMBREIA=", i + 1))
        EXPECT_EQ(niveau.substr(niveau.find('\n', i + 1) - 2, 2), ";0") << "a shadow corrected unlike the shipped lines";
}

TEST_F(DialoguesNiveauTest, AMissingFontIsSaidOncePerPicker)
{
    CSFMLJeuChoix::libererSelecteurs();
    fs::remove("polices/arial.ttf");
    CPLUX::addDialog(nullptr, new CSFMLJeuChoixDec, nullptr, 0);
    CPLUX::addDialog(nullptr, new CSFMLJeuChoixPer, nullptr, 0);
    for (int i = 0; i < 3; ++i)
        image();
    std::vector<std::string> titres;
    for (const CPLUXMessageBox* b : CPLUX::getMessageBoxes())
        titres.push_back(b->getTitle());
    EXPECT_EQ(titres, (std::vector<std::string>{"Erreur dans CSFMLJeuChoixDec", "Erreur !"}));
    EXPECT_GT(choixDec().nbFichiers, 0) << "the picker works without its text";
}
