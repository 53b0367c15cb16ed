// Files of the animation editor: saves that say whether they wrote, save-as and reopen,
// exports that keep the editor's identity, open, reload and New starting the edition over,
// the file dialogs the buttons open and what their callbacks accept, an element's own image,
// the running game's sprites read again, and the frame scripts in the script engines.
#include "OutilsEdition.h"

#include "characters/Perso.h"
#include "gui/CPLUXDialogFile.h"
#include "level/Decor.h"
#include "script/Script.h"
#include "script/ScriptEngine.h"

#include <filesystem>

namespace {
namespace fs = std::filesystem;

class FichiersTest : public EditionTest {
protected:
    void SetUp() override
    {
        EditionTest::SetUp();
        sauvegarde = g_services;
        g_services.messageBox = [this](const std::string& titre, const std::string& texte, const std::string&) {
            messages.push_back(titre + "|" + texte);
        };
    }
    void TearDown() override
    {
        g_services = sauvegarde;
        faceJeu::installer({});
        EditionTest::TearDown();
    }
    // The boxes of that title open ("Erreur !" by default), the texts of their controls each.
    std::vector<std::string> erreurs(const std::string& titre = "Erreur !") const
    {
        std::vector<std::string> r;
        for (const CPLUXMessageBox* b : CPLUX::getMessageBoxes())
            if (b->getTitle() == titre)
                r.push_back(texteBoite(*b));
        return r;
    }
    // The status message over the view while it shows, its lines joined.
    std::string message() const
    {
        const auto u = d().texteMessage.getString().toUtf8();
        std::string m(u.begin(), u.end());
        std::replace(m.begin(), m.end(), '\n', ' ');
        return d().dureeMessage > 0 ? m : "";
    }
    const CJeuDialogAnimationsSprites& d() const { return *e->d; }
    using EditionTest::d;
    // A file dialog of that kind owned by the editor, its folder and file chosen.
    template <class Rappel>
    CPLUXDialogFile* dialogue(int genre, Rappel rappel, const std::string& dossierChoisi, const std::string& fichier)
    {
        auto* f = CPLUX::addDialog(nullptr, nullptr, &d(), genre, true, rappel)->commeDialogFile();
        f->InitDossiers(dossierChoisi);
        if (auto* s = dynamic_cast<CPLUXDialogFileSave*>(f))
            s->getControl("txtFichier")->setText(fichier);
        else
            f->choisirFichier(fichier);
        return f;
    }
    DossierTemp dossier;
    std::vector<std::string> messages;
    ServicesFondation sauvegarde;
};

// What a reopened sprite must give back.
void memesGetters(const CSPRITE3& a, const CSPRITE3& b)
{
    ASSERT_EQ(a.getNbElements(), b.getNbElements());
    for (int e = 0; e < a.getNbElements(); ++e) {
        EXPECT_EQ(a.getElement(e)->nom, b.getElement(e)->nom);
        EXPECT_EQ(a.getRectElement(e), b.getRectElement(e));
        EXPECT_EQ(a.getOrigineElement(e), b.getOrigineElement(e));
        EXPECT_EQ(a.getMaillageElement(e), b.getMaillageElement(e));
    }
    ASSERT_EQ(a.getNbAnimations(), b.getNbAnimations());
    for (int n = 0; n < a.getNbAnimations(); ++n) {
        EXPECT_EQ(a.getAnim(n)->nom, b.getAnim(n)->nom);
        ASSERT_EQ(a.getNbFrames(n), b.getNbFrames(n));
        ASSERT_EQ(a.getNbAnimElems(n), b.getNbAnimElems(n));
        for (int ae = 0; ae < a.getNbAnimElems(n); ++ae)
            EXPECT_EQ(a.getAnimElem(n, ae)->enfants, b.getAnimElem(n, ae)->enfants);
        for (int f = 0; f < a.getNbFrames(n); ++f) {
            EXPECT_EQ(a.isKeyframe(n, f), b.isKeyframe(n, f)) << n << "/" << f;
            for (int ae = 0; ae < a.getNbAnimElems(n); ++ae) {
                EXPECT_EQ(a.getPositionInterpolee(n, f, ae), b.getPositionInterpolee(n, f, ae));
                EXPECT_EQ(a.getKeyAnimElemEchelle(n, f, ae), b.getKeyAnimElemEchelle(n, f, ae));
                EXPECT_EQ(a.getKeyAnimElemRotation(n, f, ae), b.getKeyAnimElemRotation(n, f, ae));
                EXPECT_EQ(a.getKeyAnimElemOrigine(n, f, ae), b.getKeyAnimElemOrigine(n, f, ae));
                EXPECT_EQ(a.isKeyAnimElemVisible(n, f, ae), b.isKeyAnimElemVisible(n, f, ae));
            }
        }
    }
    EXPECT_EQ(a.ID, b.ID);
    EXPECT_EQ(a.etats, b.etats);
}
} // namespace

TEST_F(FichiersTest, EverySaveSaysWhetherItWroteTheFile)
{
    ecrireTexte(dossier / "cible.anm", "ID=CIBLE\nTEXTURE=cible.png\n");
    ecrireTexte(dossier / "gardee.anm", "ID=GARDEE\n");
    fs::create_directory(dossier / "gardee.anm.save");
    fs::create_directory(dossier / "dossier.anm");
    struct Cas {
        const char* quoi;
        std::string chemin;
        bool ecrit;
        bool erreur;  // the "Erreur !" box (a target that does not read is the reader's report)
    };
    const std::string absent = dossier / "absent/a.anm";
    using Sauver = std::function<void(CJeuDialogAnimationsSprites&, const std::string&)>;
    const std::pair<const char*, Sauver> sauvegardes[] = {
        {"save", [](CJeuDialogAnimationsSprites& d, const std::string& c) {
             d.pSprite->strFichier = c;
             d.enregistrerAnm();
         }},
        {"save as", [](CJeuDialogAnimationsSprites& d, const std::string& c) { d.sauverAnmSous(c); }},
        {"export", [](CJeuDialogAnimationsSprites& d, const std::string& c) { d.exporterAnm(c); }},
        {"export as new", [](CJeuDialogAnimationsSprites& d, const std::string& c) { d.exporterNouveauAnm(c); }},
    };
    for (const auto& [nom, sauver] : sauvegardes) {
        const bool export_ = std::string(nom) == "export";
        const Cas table[] = {
            {"into a missing folder", absent, false, !export_},
            {"onto a folder", dossier / "dossier.anm", false, !export_},
            {"with its .save a folder", dossier / "gardee.anm", false, true},
            {"into an existing file", dossier / "cible.anm", true, false},
        };
        for (const Cas& c : table) {
            e.reset();
            CPLUXTest::reset();
            e = std::make_unique<Editeur>();
            sprite = std::make_unique<SpriteEdition>(s());
            messages.clear();
            const std::string avant = lireTexte(c.chemin);
            e->ctrl(IdAnm::myTextInputNomFichierANM)->setText("ancien.anm");
            s().strFichier = "ancien.anm";
            sauver(d(), c.chemin);
            const std::string quoi = std::string(nom) + ", " + c.quoi;
            // Save writes the sprite's own file; save-as takes the new name once written; the
            // exports never change it.
            const bool nouveauNom = std::string(nom) == "save" || (std::string(nom) == "save as" && c.ecrit);
            EXPECT_EQ(s().strFichier, nouveauNom ? c.chemin : "ancien.anm") << quoi;
            if (c.erreur) {
                ASSERT_EQ(erreurs().size(), 1u) << quoi;
                EXPECT_NE(erreurs().front().find("|Impossible d'enregistrer le fichier " + c.chemin + "|"),
                          std::string::npos)
                    << quoi << ": " << erreurs().front();
            } else {
                EXPECT_TRUE(erreurs().empty()) << quoi;
            }
            EXPECT_EQ(erreurs("Enregistrer").size(), c.ecrit ? 1u : 0u) << quoi << ": a box on every tab";
            if (c.ecrit) {
                EXPECT_EQ(message(), "Fichier enregistré : " + c.chemin) << quoi;
                EXPECT_NE(lireTexte(c.chemin), avant) << quoi;
            } else {
                EXPECT_EQ(lireTexte(c.chemin), avant) << quoi << ": the old file stays whole";
                EXPECT_EQ(message(), "") << quoi;
            }
            EXPECT_EQ(e->texte(IdAnm::myTextInputNomFichierANM),
                      std::string(nom) == "save as" && c.ecrit ? c.chemin : "ancien.anm")
                << quoi;
            if (export_ && !c.ecrit && !c.erreur) {
                EXPECT_EQ(messages.size(), 1u) << quoi << ": the reader said it could not read the target";
            }
            ecrireTexte(dossier / "cible.anm", "ID=CIBLE\nTEXTURE=cible.png\n");
        }
    }
    EXPECT_FALSE(fs::exists(dossier / "absent"));
    s().strFichier.clear();
    d().enregistrerAnm();
    EXPECT_EQ(erreurs("Enregistrer ANM").size(), 1u) << "without a file, a box says what to do";
}

TEST_F(FichiersTest, SaveAsThenReopenGivesTheSameSpriteAndTheSameBytes)
{
    s().etats = {{"MARCHE", 0}, {"ARRET", -1}};
    e->ctrl(IdAnm::myTextInputIDAnm)->setText("HEROS");
    const std::string chemin = dossier / "heros.anm";
    d().sauverAnmSous(chemin);
    EXPECT_EQ(s().ID, "HEROS");
    EXPECT_EQ(e->texte(IdAnm::myTextInputNomFichierANM), chemin);
    const std::string octets = lireTexte(chemin);
    CSPRITE3 original(s());
    ASSERT_TRUE(d().ouvrirAnm(chemin));
    memesGetters(original, s());
    appuyer(IdAnm::myButtonEnregistrerANM);
    EXPECT_EQ(lireTexte(chemin), octets) << "saved again: the same bytes";
    EXPECT_EQ(lireTexte(chemin + ".save"), octets) << "the previous file kept";

    // Opening a file that is not there changes nothing.
    e->liste(IdAnm::myListAnimations)->setNumSel(0);
    choisirAE(1);
    ASSERT_FALSE(d().ouvrirAnm(dossier / "absent.anm"));
    EXPECT_EQ(messages.size(), 1u) << "the reader says so";
    EXPECT_EQ(d().numAnimElemSel, 1);
    EXPECT_EQ(e->texte(IdAnm::myTextInputNomFichierANM), chemin);
    memesGetters(original, s());
}

TEST_F(FichiersTest, ExportsKeepTheEditorsIdentity)
{
    const std::string propre = dossier / "propre.anm";
    e->ctrl(IdAnm::myTextInputIDAnm)->setText("PROPRE");
    s().strTexture = "propre.png";
    d().sauverAnmSous(propre);
    ecrireTexte(dossier / "b.anm", "ID=B\nTEXTURE=b.png\nANIMATION=vieille\n");
    d().exporterAnm(dossier / "b.anm");
    CSPRITE3 b;
    ASSERT_TRUE(b.charger(nullptr, nullptr, dossier / "b.anm", true));
    EXPECT_EQ(b.ID, "B") << "the target keeps its identifier";
    EXPECT_EQ(b.strTexture, "b.png") << "and its sheet";
    ASSERT_EQ(b.getNbAnimations(), 2) << "and takes the edited animations";
    EXPECT_EQ(b.getAnim(0)->nom, "marche");

    e->ctrl(IdAnm::myTextInputExportId)->setText("");
    e->ctrl(IdAnm::myTextInputExportPlanche)->setText("neuve.png");
    d().exporterNouveauAnm(dossier / "neuf.anm");
    CSPRITE3 neuf;
    ASSERT_TRUE(neuf.charger(nullptr, nullptr, dossier / "neuf.anm", true));
    EXPECT_EQ(neuf.ID, "") << "an empty identifier is written as typed";
    EXPECT_EQ(neuf.strTexture, "neuve.png");

    d().exporterAnm(dossier / "absent.anm");
    EXPECT_FALSE(fs::exists(dossier / "absent.anm")) << "no target, nothing written";

    EXPECT_EQ(s().ID, "PROPRE");
    EXPECT_EQ(s().strTexture, "propre.png");
    EXPECT_EQ(s().strFichier, propre);
    appuyer(IdAnm::myButtonEnregistrerANM);
    CSPRITE3 relu;
    ASSERT_TRUE(relu.charger(nullptr, nullptr, propre, true));
    EXPECT_EQ(relu.ID, "PROPRE") << "the next save writes the editor's own file and identity";
    EXPECT_EQ(b.ID, "B");
    EXPECT_EQ(lireTexte(dossier / "b.anm").find("PROPRE"), std::string::npos);
}

TEST_F(FichiersTest, OpenReloadAndNewStartTheEditionOver)
{
    const std::string chemin = dossier / "a.anm";
    s().etats.clear();
    d().sauverAnmSous(chemin);
    const ServicesFondation garde = g_services;
    g_services.notifierDialogue = &CSFMLJeu::notifierDialogue;
    struct Cas {
        const char* quoi;
        std::function<void()> faire;
        int elements, animations;
        int element;  // chosen after: a reload keeps "bras" (100, 0, 40 x 20)
    };
    const Cas table[] = {
        {"open", [&] { d().callbackOuvrirANM(&d(), dialogue(1, &CJeuDialogAnimationsSprites::callbackOuvrirANM, dossier.str(), "a.anm"), nullptr, 15); }, 4, 2, -1},
        {"reload", [&] { appuyer(IdAnm::myButtonReloadAnm); }, 4, 2, 1},
        {"New", [&] { appuyer(IdAnm::myButtonNouveauAnm); }, 0, 0, -1},
    };
    for (const Cas& c : table) {
        choisirAE(1);
        e->ctrl(IdAnm::myTextInputNomElement)->setText("tapé");
        appuyer(IdAnm::myButtonOriginCenter);
        appuyer(IdAnm::myButtonCopieAE);
        d().bCopieFrame = true;
        d().numAnimationCopie = 0;
        d().numAnimationMere = d().numAnimationFilleSel = 0;
        d().bNouvelleMere = false;
        ASSERT_FALSE(d().listeAnnulations.empty());
        c.faire();
        for (int sel : {d().numAnimationSel, d().numAnimElemSel, d().numAnimElemSelPrec, d().numKeyFrameSel,
                        d().numAnimElemSurvol, d().numAnimationMere, d().numAnimationFilleSel, d().numAnimationCopie,
                        d().numAnimationCopieAE})
            EXPECT_EQ(sel, -1) << c.quoi << ": a selection or a copy left";
        EXPECT_EQ(d().elementSel, c.element) << c.quoi;
        EXPECT_EQ(e->texte(IdAnm::myTextInputNomElement), c.element < 0 ? "" : "bras") << c.quoi << ": the element's panel";
        EXPECT_EQ(e->texte(IdAnm::myTextInputElementX), c.element < 0 ? "" : "100") << c.quoi << ": the zone is no element";
        EXPECT_TRUE(d().bNouvelleMere && d().listeAnnulations.empty() && !d().bCopieFrame && d().selectionMaillage.empty())
            << c.quoi << ": a mother link, an undo, a copied frame or a mesh selection left";
        EXPECT_EQ(d().mapCerclesMaillage.empty(), c.element < 0) << c.quoi << ": the chosen element's mesh circles";
        EXPECT_EQ(s().getNbElements(), c.elements) << c.quoi;
        EXPECT_EQ(e->liste(IdAnm::myListElementsPlanche)->getNbElements(), c.elements) << c.quoi;
        EXPECT_EQ(e->liste(IdAnm::myListAnimations)->getNbElements(), c.animations) << c.quoi;
        EXPECT_EQ(e->liste(IdAnm::myListAnimationElements)->getNbElements(), 0) << c.quoi;
        EXPECT_TRUE(d().pTimeline->getNbFrames() == 0 && d().pTimeline->getMarqueurs().empty()) << c.quoi << ": timeline";
        EXPECT_EQ(textesDe(e->combo(IdAnm::myComboBoxEtatJeu)), std::vector<std::string>{"(vide)"}) << c.quoi;
        EXPECT_EQ(e->liste(IdAnm::myListEtats)->getNbElements(), 0) << c.quoi;
        EXPECT_EQ(e->texte(IdAnm::myTextInputNomFichierANM), c.animations ? chemin : "") << c.quoi;
        // The sprite tells the editor when its playback stops.
        if (!c.animations) {
            s().ajouterAnimation("courte", true);
            s().setNbFrames(0, 3);
        }
        s().setAnimation(0, 0, true);
        s().bBoucle = false;
        s().bStopFin = true;
        d().ctrlButtonCheck(IdAnm::myButtonCheckPlayPauseAnim)->setCheck(true);
        s().play();
        for (int i = 0; i < 100 && s().bPlay; ++i)
            s().update(nullptr, 1, 0, 0, -1);
        EXPECT_FALSE(e->coche(IdAnm::myButtonCheckPlayPauseAnim)) << c.quoi;
        // Back to the saved file for the next case.
        ASSERT_TRUE(d().ouvrirAnm(chemin));
        e->liste(IdAnm::myListAnimations)->setNumSel(0);
    }
    g_services = garde;
    appuyer(IdAnm::myButtonNouveauAnm);
    appuyer(IdAnm::myButtonReloadAnm);
    EXPECT_EQ(s().getNbAnimations(), 0) << "no file: reload does nothing";
    EXPECT_TRUE(messages.empty());
}

TEST_F(FichiersTest, FileButtonsOpenTheirDialogs)
{
    struct Cas {
        const char* bouton;
        int genre;
        std::vector<std::string> extensions;
        std::string dossier;
        std::string id;
    };
    const std::vector<std::string> images = {"jpg", "gif", "png", "bmp"};
    const Cas table[] = {
        {IdAnm::myButtonOuvrirImagePlanche, 4, images, "./", ""},
        {IdAnm::myButtonExportPlancheOpen, 4, images, "./", ""},
        {IdAnm::myButtonElementImageExt, 4, images, "./", ""},
        {IdAnm::myButtonEtatLoad, 1, {"eta"}, "./", ""},
        {IdAnm::myButtonEtatSave, 3, {"eta"}, "./", ""},
        {IdAnm::myButtonSelectScript, 1, {"scp"}, "./scripts/", ""},
        {IdAnm::myButtonScriptTir, 1, {"scp"}, "./scripts/", ""},
        {IdAnm::myButtonOuvrirANM, 1, {"anm"}, "./", ""},
        {IdAnm::myButtonEnregistrerANMSous, 3, {"anm"}, "./", "ID_CB_SAUVER_ANM"},
        {IdAnm::myButtonOutilsExportation, 3, {"anm"}, "./", "ID_CB_EXPORT_ANM"},
        {IdAnm::myButtonOutilsExportationNew, 3, {"anm"}, "./", "ID_CB_EXPORTNEW_ANM"},
    };
    for (const Cas& c : table) {
        const size_t avant = CPLUX::dialoglist.size();
        appuyer(c.bouton);
        ASSERT_EQ(CPLUX::dialoglist.size(), avant + 1) << c.bouton;
        CPLUXDialog* nouveau = CPLUX::dialoglist.rbegin()->second;
        CPLUXDialogFile* f = nouveau->commeDialogFile();
        ASSERT_TRUE(f) << c.bouton;
        const bool sauve = dynamic_cast<CPLUXDialogFileSave*>(f), image = dynamic_cast<CPLUXDialogFileImages*>(f);
        EXPECT_EQ(sauve ? 3 : image ? 4 : 1, c.genre) << c.bouton;
        // The image dialog lists the library's image kinds as well.
        for (const std::string& x : c.extensions)
            EXPECT_NE(std::find(f->getExtensions().begin(), f->getExtensions().end(), x), f->getExtensions().end())
                << c.bouton << ": " << x;
        if (!image) {
            EXPECT_EQ(f->getExtensions(), c.extensions) << c.bouton;
        }
        EXPECT_EQ(f->GetPath(), c.dossier) << c.bouton;
        EXPECT_EQ(f->getCloseMode(), 0) << c.bouton;
        EXPECT_EQ(f->getOwner(), static_cast<void*>(static_cast<CPLUXDialog*>(&d()))) << c.bouton;
        if (!c.id.empty()) {
            EXPECT_EQ(f->getId(), c.id) << c.bouton;
        }
        EXPECT_TRUE(f->estAffiche()) << c.bouton;
    }
}

// Open and image dialogs act on no control with 15, or "open" with 0; save dialogs on "save"
// with 0; anything else is answered true and changes nothing.
TEST_F(FichiersTest, CallbacksActOnTheChosenFileOnly)
{
    using Rappel = bool (*)(void*, CPLUXDialog*, CPLUXControl*, int);
    using D = CJeuDialogAnimationsSprites;
    struct Cas {
        const char* quoi;
        Rappel rappel;
        int genre;
        std::function<bool()> agi;
    };
    ecrireTexte(dossier / "x.anm", "ID=X\n");
    sf::Image petite;
    petite.create(2, 2, sf::Color::Blue);
    ASSERT_TRUE(petite.saveToFile(dossier / "x.png"));
    const Cas table[] = {
        {"open", &D::callbackOuvrirANM, 1, [&] { return s().ID == "X"; }},
        {"sheet", &D::callbackOuvrirPlanche, 4, [&] { return s().strTexture == dossier / "x.png"; }},
        {"shot script", &D::callbackOuvrirScriptTir, 1, [&] { return s().scriptTir == dossier / "x.anm"; }},
        {"frame script", &D::callbackOuvrirScriptFrame, 1,
         [&] { return e->texte(IdAnm::myTextInputScriptFrame) == dossier / "x.anm"; }},
        {"export sheet", &D::callbackExportPlanche, 4,
         [&] { return e->texte(IdAnm::myTextInputExportPlanche) == dossier / "x.png"; }},
        {"element image", &D::callbackImageElement, 4, [&] { return s().getElement(0)->strImage == dossier / "x.png"; }},
        {"save as", &D::callbackSauverANM, 3, [&] { return fs::exists(dossier / "x.anm.save"); }},
        {"export", &D::callbackExporterANM, 3, [&] { return fs::exists(dossier / "x.anm.save"); }},
        {"export as new", &D::callbackExporterNouveauANM, 3, [&] { return fs::exists(dossier / "x.anm.save"); }},
    };
    for (const Cas& c : table) {
        const bool sauve = c.genre == 3;
        const std::pair<const char*, int> reponses[] = {{nullptr, 15}, {"open", 0}, {"save", 0}, {"open", 15},
                                                        {nullptr, 0},  {"annuler", 0}, {"save", 1}, {"open", 20}};
        for (const auto& [id, code] : reponses) {
            const bool agit = sauve ? (id && std::string(id) == "save" && code == 0)
                                    : ((!id && code == 15) || (id && std::string(id) == "open" && code == 0));
            e.reset();
            CPLUXTest::reset();
            e = std::make_unique<Editeur>();
            sprite = std::make_unique<SpriteEdition>(s());
            d().majListeElements();
            e->liste(IdAnm::myListElementsPlanche)->setNumSel(0);
            d().majListeAnimations();
            e->liste(IdAnm::myListAnimations)->setNumSel(0);  // a keyframe shown, for its script
            ecrireTexte(dossier / "x.anm", "ID=X\n");
            fs::remove(dossier / "x.anm.save");
            CPLUXDialogFile* f = dialogue(c.genre, c.rappel, dossier.str(), c.genre == 4 ? "x.png" : "x.anm");
            CPLUXControl* controle = id ? f->getControl(id) : nullptr;
            if (id && !controle) {
                // A save dialog has no "open" and an open one no "save": such a control stands in.
                static CPLUXControlButton bouton;
                bouton.setId(id);
                controle = &bouton;
            }
            EXPECT_TRUE(c.rappel(&d(), f, controle, code)) << c.quoi;
            EXPECT_EQ(c.agi(), agit) << c.quoi << ": " << (id ? id : "no control") << ", " << code;
            EXPECT_EQ(f->estAffiche(), !agit) << c.quoi << ": the dialog closes when the callback acts";
        }
    }
    // A dialog confirmed once its editor is gone does nothing.
    CPLUXDialogFile* f = dialogue(1, &D::callbackOuvrirANM, dossier.str(), "x.anm");
    e.reset();
    EXPECT_TRUE(D::callbackOuvrirANM(nullptr, f, nullptr, 15));
}

TEST_F(FichiersTest, AnElementsOwnImageShowsInTheView)
{
    sf::Image vert;
    vert.create(100, 50, sf::Color(0, 200, 0));
    ASSERT_TRUE(vert.saveToFile(dossier / "vert.png"));
    d().zoom = 1;
    d().centreVueX = d().centreVueY = 100;
    d().bQuadrillage = d().bGrilleAnimation = d().bCadreSurSelection = false;
    const sf::Vector2i p = ecran({50, 25});
    const sf::Color feuille = image().getPixel(p.x, p.y);
    EXPECT_TRUE(procheDe(feuille, sf::Color(200, 200, 200))) << "the sheet's grey";

    e->liste(IdAnm::myListElementsPlanche)->setNumSel(0);
    CPLUXDialogFile* f = dialogue(4, &CJeuDialogAnimationsSprites::callbackImageElement, dossier.str(), "vert.png");
    CJeuDialogAnimationsSprites::callbackImageElement(&d(), f, nullptr, 15);
    EXPECT_EQ(s().getElement(0)->strImage, dossier / "vert.png");
    EXPECT_EQ(e->texte(IdAnm::myTextInputElementImageExt), dossier / "vert.png");
    EXPECT_TRUE(procheDe(image().getPixel(p.x, p.y), sf::Color(0, 200, 0))) << "the element's own picture";

    // No file name: the element goes back to the sheet.
    f = dialogue(4, &CJeuDialogAnimationsSprites::callbackImageElement, dossier.str(), "");
    CJeuDialogAnimationsSprites::callbackImageElement(&d(), f, nullptr, 15);
    EXPECT_TRUE(s().getElement(0)->strImage.empty() && !s().getElement(0)->pTexture) << "the sheet's picture again";
    EXPECT_TRUE(procheDe(image().getPixel(p.x, p.y), feuille));

    // A picture that does not load: the path kept, the sheet shown, the reader's message.
    ecrireTexte(dossier / "faux.png", "pas une image");
    d().chargerImageElement(0, dossier / "faux.png");
    EXPECT_TRUE(s().getElement(0)->strImage == dossier / "faux.png" && !s().getElement(0)->pTexture)
        << "the path kept, no picture";
    ASSERT_FALSE(CPLUX::getMessageBoxes().empty());
    EXPECT_EQ(CPLUX::getMessageBoxes().back()->getBoxId(), "IDMBIMGLIEN");
    d().chargerImageElement(9, dossier / "vert.png");
    EXPECT_EQ(s().getNbElements(), 4) << "no such element: nothing";
}

TEST_F(FichiersTest, ApplyingToTheGameReadsAgainTheSpritesOfTheEditedIdentifier)
{
    JeuEssai essai;
    CSFMLJeu& jeu = essai.jeu;
    jeu.pdecorJeu = new CDecor();
    jeu.pdecorMenu = new CDecor();
    jeu.pdecor = jeu.pdecorJeu;
    auto perso = [](const std::string& id) {
        auto* p = new CPerso();
        p->sprite->ID = id;
        return p;
    };
    jeu.pdecor->persos.push_back(perso("HEROS"));
    jeu.pdecorMenu->ias.push_back(perso("HEROS"));
    jeu.persosPrecharges.push_back(perso("HEROS"));
    jeu.pdecor->ias.push_back(perso("AUTRE"));
    std::vector<CSPRITE3*> heros = {jeu.pdecor->persos.front()->sprite, jeu.pdecorMenu->ias.front()->sprite,
                                    jeu.persosPrecharges.front()->sprite};
    const CSPRITE3* autre = jeu.pdecor->ias.front()->sprite;

    appuyer(IdAnm::myButtonAppliquerAuJeu);
    for (const CSPRITE3* h : heros)
        EXPECT_EQ(h->getNbAnimations(), 0) << "no file yet: nothing read";

    e->ctrl(IdAnm::myTextInputIDAnm)->setText("HEROS");
    s().setNbFrames(0, 33);
    d().sauverAnmSous(dossier / "heros.anm");
    s().setNbFrames(0, 44);  // not saved: the game gets the file
    appuyer(IdAnm::myButtonAppliquerAuJeu);
    for (const CSPRITE3* h : heros) {
        ASSERT_EQ(h->getNbAnimations(), 2);
        EXPECT_EQ(h->getNbFrames(0), 33);
    }
    EXPECT_EQ(autre->getNbAnimations(), 0) << "another identifier is left alone";
    EXPECT_EQ(s().getNbFrames(0), 44) << "the editor's own sprite is not read again";

    fs::remove(dossier / "heros.anm");
    s().setNbFrames(0, 55);
    messages.clear();
    appuyer(IdAnm::myButtonAppliquerAuJeu);
    EXPECT_EQ(messages.size(), 1u) << "one report, not one per sprite: " << ::testing::PrintToString(messages);
    for (const CSPRITE3* h : heros)
        EXPECT_EQ(h->getNbFrames(0), 33) << "nothing read again";
    // A sprite plays on the animation it played, by name, when numbers moved.
    heros[0]->setAnimation(1, 0, true);
    const std::string joue = s().getAnim(1)->nom;
    s().supprimerAnimation(0);
    d().sauverAnmSous(dossier / "heros.anm");
    appuyer(IdAnm::myButtonAppliquerAuJeu);
    ASSERT_EQ(heros[0]->getAnimation(), 0);
    EXPECT_EQ(heros[0]->getAnim(0)->nom, joue);
}

TEST_F(FichiersTest, FrameScriptsLiveInTheEngineThatHoldsThem)
{
    JeuEssai essai;
    CSFMLJeu& jeu = essai.jeu;
    jeu.pscriptEngineJeu = new CScriptEngine();
    jeu.pscriptEngineMenu = new CScriptEngine();
    jeu.pscriptEngine = jeu.pscriptEngineMenu;
    installerServicesScripts(jeu);
    ecrireTexte(dossier / "a.scp", "BASCULE()\n");
    ecrireTexte(dossier / "b.scp", "BASCULE()\n");

    // Between keyframes it is refused with a box: the field shows the frame has none.
    d().allerAFrame(4);
    d().choisirScriptFrame(dossier / "a.scp");
    EXPECT_EQ(e->texte(IdAnm::myTextInputScriptFrame), "");
    EXPECT_EQ(CPLUX::getMessageBoxes().size(), 1u) << "refused with a box";
    EXPECT_TRUE(jeu.pscriptEngineMenu->nbScripts == 0 && s().getAnim(0)->keyframes[0]->script.empty())
        << "a script made or written";

    // A path to no file is refused with a box naming it, the keyframe keeping its script.
    d().allerAFrame(10);
    s().getKeyframeEnForce(0, 10)->nbExecutions = 3;
    d().choisirScriptFrame(dossier / "a.scp");
    CSPRITE3_KEYFRAME& kf = *s().getKeyframeEnForce(0, 10);
    d().choisirScriptFrame(dossier / "absent.scp");
    EXPECT_NE(texteBoite(*CPLUX::getMessageBoxes().back()).find("absent.scp"), std::string::npos);
    EXPECT_EQ(e->texte(IdAnm::myTextInputScriptFrame), dossier / "a.scp") << "the script kept";
    ASSERT_NE(kf.pScript, nullptr);
    EXPECT_TRUE(jeu.pscriptEngineMenu->contient(kf.pScript));
    EXPECT_TRUE(kf.pScript->bPause) << "it waits for its frame";
    EXPECT_EQ(kf.script, dossier / "a.scp");
    EXPECT_TRUE(d().pTimeline->getMarqueurs()[1]->bScript) << "the timeline marks it";

    // Chosen again while the other engine is the active one: the old one leaves its engine.
    jeu.pscriptEngine = jeu.pscriptEngineJeu;
    d().choisirScriptFrame(dossier / "b.scp");
    EXPECT_EQ(jeu.pscriptEngineMenu->nbScripts, 0);
    EXPECT_EQ(jeu.pscriptEngineJeu->nbScripts, 1) << "one script for the keyframe";
    d().choisirScriptFrame(dossier / "b.scp");
    EXPECT_EQ(jeu.pscriptEngineJeu->nbScripts, 1);

    d().choisirScriptFrame("");
    EXPECT_EQ(jeu.pscriptEngineJeu->nbScripts, 0) << "an empty name removes it";
    EXPECT_TRUE(!kf.pScript && kf.script.empty()) << "the keyframe keeps a script";
    appuyer(IdAnm::myButtonNouveauAnm);
}
