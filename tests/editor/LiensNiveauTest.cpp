// What the level world asks of the dialogs through the hooks, sprites freed while the dialogs
// hold them, and the dialogs as the game's set-up declares them.
#include "OutilsSprite.h"

#include "core/Particules.h"

#include <filesystem>
#include <set>

namespace {

class Liens : public DialoguesSprite {
protected:
    // Both dialogs attached to the sprite's maps and emitter, the shader dialog on "f".
    void attacher(CSPRITE& s)
    {
        s.uniformsFrag["f"].strType = "float";
        s.bPhysP = true;
        s.pParticules = new CParticules();
        dialShader->pUniformsVert = &s.uniformsVert;
        dialShader->pUniformsFrag = &s.uniformsFrag;
        dialShader->init();
        dialShader->show();
        ASSERT_TRUE(CPLUXTest::chooseEntry(ids::DIALOGUE_SHADER, ids::myComboBoxVarFrag, 0));
        dialParticules->init(s.pParticules, &s);
    }
    void detache()
    {
        EXPECT_EQ(dialShader->pUniformsVert, nullptr);
        EXPECT_EQ(dialShader->pUniformsFrag, nullptr);
        EXPECT_EQ(dialParticules->pParticules, nullptr);
        EXPECT_EQ(dialParticules->pProprietaire, nullptr);
    }
};

} // namespace

TEST_F(Liens, AFreedSpriteLeavesNothingBehindInTheDialogs)
{
    sd->strID = "caisse";
    attacher(*sd);
    plan(2).sprites.remove(sd);
    decor->detacherSD(sd);
    delete sd;
    detache();
    EXPECT_EQ(decor->pSDSelection, nullptr);
    saisir(ids::DIALOGUE_SHADER, ids::myTextInputV1, "3");  // AddressSanitizer watches
    dlg().init();
    EXPECT_EQ(texte(ids::myTextInputID), "");

    // The next fill of a selected sprite finds the shader dialog detached and empties it.
    CSPRITE* autre = spriteDecor(plan(2), banqueCouleur(*decor, "autre", 4, 4, VERT), 0, 0);
    decor->pSDSelection = autre;
    dlg().init();
    EXPECT_EQ(dialShader->iListeCourante, -1);
    EXPECT_EQ(dialShader->getControl(ids::myTextInputV1)->getText(), "");
}

TEST_F(Liens, AFreedCharacterTakesItsSelectedSpriteAlong)
{
    CPerso* ia = perso();
    auto* enfant = new CPerso();
    ia->enfants.push_back(enfant);
    attacher(*enfant->sprite);
    decor->pSDSelection = enfant->sprite;
    decor->detruirePerso(ia);
    EXPECT_EQ(decor->pSDSelection, nullptr);
    detache();
    dlg().init();  // AddressSanitizer watches
}

TEST_F(Liens, DeselectingRefillsTheDialog)
{
    sd->strID = "porte";
    dlg().init();
    ASSERT_EQ(texte(ids::myTextInputID), "porte");
    decor->deselectionner();
    EXPECT_EQ(texte(ids::myTextInputID), "");
    EXPECT_EQ(sd->strID, "porte");
}

namespace {

// The control ids a model file declares.
std::set<std::string> controlesDuModele(const std::string& id)
{
    std::set<std::string> r;
    std::istringstream in(lireTexte(dossierData() + "/PLUX_Modeles/Mod2/" + id + ".mod"));
    for (std::string l; std::getline(in, l);)
        if (l.rfind("CONTROLE=", 0) == 0)
            r.insert(l.substr(l.find(';') + 1));
    return r;
}

struct Interrupteur {
    explicit Interrupteur(bool dev) { CSFMLJeuGlobal::bModeTest = dev; }
    ~Interrupteur() { CSFMLJeuGlobal::bModeTest = false; }
};

} // namespace

TEST(DeclarationDialogues, OnlyWithTheDevelopmentSwitch)
{
    for (bool dev : {false, true}) {
        CPLUXTest::reset();
        Interrupteur i(dev);
        DossierDeTravail dossier;
        std::filesystem::copy(dossierData() + "/PLUX_Modeles", "PLUX_Modeles",
                              std::filesystem::copy_options::recursive);
        ecrireTexte("jeu.ini", "VIEWPORT=320;200\n");
        {
            CSFMLJeu jeu;
            ASSERT_EQ(jeu.init("jeu.ini"), 0);
            for (const char* id : {ids::DIALOGUE, ids::DIALOGUE_SHADER, ids::DIALOGUE_EFFONDREMENT, ids::DIALOGUE_BASCULE,
                                   ids::DIALOGUE_CHEMIN, ids::DIALOGUE_PARTICULES, ids::DIALOGUE_FORCE}) {
                CPLUXDialog* d = CPLUX::getDialog(id);
                ASSERT_EQ(d != nullptr, dev) << id << (dev ? " missing" : " without the switch");
                if (!d)
                    continue;
                EXPECT_FALSE(CPLUX::isDialogVisible(id)) << id;
                for (const std::string& c : controlesDuModele(id))
                    EXPECT_TRUE(d->isCtrlIdExist(c)) << id << ": " << c;
            }
            if (dev) {
                EXPECT_NE(dynamic_cast<CJeuDialogSprite*>(CPLUX::getDialog(ids::DIALOGUE)), nullptr);
                EXPECT_NE(dynamic_cast<CJeuDialogShaderVERT*>(CPLUX::getDialog(ids::DIALOGUE_SHADER)), nullptr);
                EXPECT_NE(dynamic_cast<CJeuDialogPhysEffondrementOptions*>(CPLUX::getDialog(ids::DIALOGUE_EFFONDREMENT)),
                          nullptr);
                EXPECT_NE(dynamic_cast<CJeuDialogPhysBasculeOptions*>(CPLUX::getDialog(ids::DIALOGUE_BASCULE)), nullptr);
                EXPECT_NE(dynamic_cast<CJeuDialogPhysCheminOptions*>(CPLUX::getDialog(ids::DIALOGUE_CHEMIN)), nullptr);
                EXPECT_NE(dynamic_cast<CJeuDialogPhysParticulesOptions*>(CPLUX::getDialog(ids::DIALOGUE_PARTICULES)),
                          nullptr);
                EXPECT_NE(dynamic_cast<CJeuDialogPhysForceOptions*>(CPLUX::getDialog(ids::DIALOGUE_FORCE)), nullptr);
            }
        }
        CSFMLJeuGlobal::pmonjeu = nullptr;
        CPLUXTest::reset();
    }
}
