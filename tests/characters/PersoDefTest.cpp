// The ".per" character file and the character definition.
#include "OutilsPersos.h"

#include "core/Dec.h"
#include "core/Particules.h"
#include "core/SetTextures.h"
#include "core/Sprite.h"
#include "level/Decor.h"

#include <algorithm>

namespace {

class PersoDefTest : public PersosTest {
protected:
    void SetUp() override
    {
        PersosTest::SetUp();
        armesSimples(3);
        feuille("perso.png", 128, 64);
    }
    void TearDown() override
    {
        // The banks free their definitions through the hooks the base set-up installed.
        decor.reset();
        PersosTest::TearDown();
    }
    // A bank of the level under that key, as the level's "TEXTURE_PER" line makes it.
    CDEC& banque(const std::string& cle)
    {
        CDEC*& b = decor->modelesPersos[cle];
        if (!b)
            b = new CDEC();
        b->nom = cle;
        return *b;
    }
    std::unique_ptr<CDecor> decor = std::make_unique<CDecor>();
};

const char* const FICHIER_COMPLET =
    "PLANCHE=perso.png;masque.png\n"  // before the ID: no bank yet
    "SPRITE=0;0;8;8;1;0;0\n"
    "ID=TESTPERSO\n"
    "PLANCHE=perso.png;\n"
    "SPRITEBOUCLIER=0;32;32;32;3;0.75\n"
    "SPRITE=0;0;16;16;4;0.5;1\n"
    "SPRITE=0;16;16;16;2;0.25;0\n"
    "SON_DEGATS=AIE\nIA=3\nDIRECTION_PLANCHE=1\nVIE_VISIBLE=0\nCOLLISIONS=2\nPATROUILLE=120\n"
    "ECHELLE_DEFAUT=1.5;0.5\nMAX_SAUT=20\nMAX_SAUT_AUTO=30\nMAX_ESCALIER=12\nVITESSE=5\n"
    "VITESSE_CHUTE=9\nVITESSE_SAUT=7\nVITESSE_BAS=2\nPOIDS=40\nVIE=80;90\nHITBOX=1;2;3;4\n"
    "SHADER_LIEN=lien.frag;1;temps;float;2.5;0.5;lien.vert;1;teinte;vec4;0.1;0.2;0.3;0.4;2\n"
    "MODE=4\nOMBRE=./effets/autre.dec\nDEGATS=11;12\nPOSITIONTETE=50;30\nPOSITIONPIEDS=3\n"
    "POSITIONMITRAILLEUSE=7;8\nEXPLOSION=EXPLO;1;2.5;3.5\nCHUTE_VAISSEAU_MORT=1\nIDIA=GARDE_IA\n"
    "ORIGINE=12;34.5\nSCRIPTRUN=ia.scp;2;1;5\nADD_OVER=casque;casque.png;1;4;-6;1.5;2;45;1\n"
    "XYTIRDEBOUT0=99;99\n"  // before any weapon: dropped
    "ARME=1;1;7;8\nXYTIRDEBOUT0=5;7\nARME_RECHARGE_AUTO=30\nNUM_DEBUT_SPRITES_ARME=3;4\n"
    "ARME=2;0;0;0\nXYTIRDEBOUT0=-5;-7\nXYTIRBAISSEMARCHE135=-9;11\nXYTIRBAISSE150=1;2\n"
    "ARME=-1;1;0;0\nARME=7;1;0;0\n"
    "ANIM_PERSO_ARRET=40\nANIM_PERSO_MARCHE_150=41\nANIM_PERSO_SAUT_DSC_180=42\nANIM_PERSO_MORT=43\n"
    "vie=5;5\nINCONNUE=1\n";

TEST_F(PersoDefTest, EveryKeyGroupFillsTheDefinition)
{
    CDEC& b = banque("TESTPERSO");
    ecrireTexte("p.per", std::string(FICHIER_COMPLET) + "PARTICULE_TOUCHE=" + particules(9, 0) + "\n");
    CPersoDef def;
    def.charger("p.per", false, decor.get());

    EXPECT_EQ(def.id, "TESTPERSO");
    // The shield line replaced the bank's animations, then the two sprite lines followed.
    ASSERT_EQ(b.nbAnims, 3) << "lines before the ID add nothing; SPRITEBOUCLIER keeps one animation";
    EXPECT_EQ(b.nbFramesAnim(1), 4);
    EXPECT_FLOAT_EQ(b.trouverAnim(1)->vitesse, 0.5f);
    EXPECT_EQ(def.maxSaut + def.maxSautAuto * 100 + def.maxEscalier * 10000, 20 + 3000 + 120000);
    EXPECT_EQ(def.vie, 80) << "the lower-case key 'vie' must be skipped";
    EXPECT_EQ(def.vieMax, 90);
    EXPECT_EQ(std::vector<int>(def.hitbox, def.hitbox + 4), (std::vector<int>{1, 2, 3, 4}));
    EXPECT_EQ(sf::Vector2f(def.echelleExplosionX, def.echelleExplosionY), sf::Vector2f(2.5f, 3.5f));
    EXPECT_EQ(sf::Vector2f(def.origineX, def.origineY), sf::Vector2f(12, 34.5f));

    ASSERT_EQ(def.scripts.size(), 1u);
    EXPECT_EQ(def.scripts[0]->declencheur * 100 + def.scripts[0]->maxRuns, 205);
    ASSERT_EQ(def.overs.size(), 1u);
    EXPECT_EQ(sf::Vector3f(def.overs[0].sx, def.overs[0].sy, def.overs[0].rotation), sf::Vector3f(1.5f, 2, 45));

    // Weapon lines: load and cadence from the list only for numbers of the list.
    ASSERT_EQ(def.nbArmes, 4);
    ASSERT_EQ(def.armes.size(), 4u);
    const CPersoDef::Arme& a0 = *def.armes[0];
    EXPECT_EQ(a0.munitions, 20);
    EXPECT_EQ(a0.cadence, 3);
    EXPECT_EQ(a0.rechargeAuto, 30);
    EXPECT_EQ(sf::Vector2i(a0.positionsTir[0][0], a0.positionsTir[0][1]), sf::Vector2i(5, 7))
        << "a firing key before the first weapon must not reach it";
    const CPersoDef::Arme& a1 = *def.armes[1];
    EXPECT_EQ(a1.rechargeAuto, -1);
    EXPECT_EQ(sf::Vector2i(a1.positionsTir[22][0], a1.positionsTir[22][1]), sf::Vector2i(-9, 11))
        << "XYTIRBAISSEMARCHE135 is the last pair";
    EXPECT_EQ(sf::Vector2i(a1.positionsTir[17][0], a1.positionsTir[17][1]), sf::Vector2i(1, 2))
        << "XYTIRBAISSE150 ends the crouched group";
    for (int i : {2, 3}) {
        EXPECT_EQ(def.armes[i]->munitions, 0) << "weapon " << def.armes[i]->numero << " is not in the list";
        EXPECT_EQ(def.armes[i]->cadence, 0);
    }

    EXPECT_EQ(def.animations[CPersoDef::ANIM_SAUT_DSC + 5], 42);
    EXPECT_EQ(def.animations[CPersoDef::ANIM_MORT], 43);
    EXPECT_EQ(def.animations[CPersoDef::ANIM_MARCHE + 1], 7) << "keys absent from the file keep their default";

    // Without a character being built the emitter stays in the definition, paused.
    ASSERT_NE(def.particuleTouche, nullptr);
    EXPECT_TRUE(def.particuleTouche->bPause) << "a .per emitter is paused whatever value 38 says";
    EXPECT_EQ(def.particuleTouche->nbParticules, 9);

    ASSERT_NE(def.spriteShaderLien, nullptr);
    const CSPRITE& lien = *def.spriteShaderLien;
    EXPECT_EQ(lien.strShaderFrag, "lien.frag") << "the first name is the fragment shader";
    ASSERT_TRUE(lien.uniformsVert.count("teinte"));
    const CSPRITE::Uniform& t = lien.uniformsVert.at("teinte");
    EXPECT_EQ(sf::Vector3f(t.fVec4X, t.fVec4Y, t.fVec4Z), sf::Vector3f(0.1f, 0.2f, 0.3f));
    EXPECT_FLOAT_EQ(t.fValeur, 0.4f) << "a vec4's fourth value";
    EXPECT_FLOAT_EQ(t.fPhaseDiviseur, 2.0f);
}

TEST_F(PersoDefTest, ReadingTwiceGivesTheSameDefinition)
{
    banque("TESTPERSO");
    ecrireTexte("p.per", std::string(FICHIER_COMPLET) + "PARTICULE_MORT=" + particules(4, 0) + "\n" +
                             "PARTICULE_MORT=" + particules(6, 0) + "\n");
    CPersoDef def;
    def.charger("p.per", false, decor.get());
    def.charger("p.per", false, decor.get());
    EXPECT_EQ(def.nbArmes, 4);
    EXPECT_EQ(def.armes.size(), 4u) << "weapon lines must not pile up on a second reading";
    EXPECT_EQ(def.overs.size(), 1u);
    EXPECT_EQ(def.scripts.size(), 1u);
    ASSERT_NE(def.particuleMort, nullptr);
    EXPECT_EQ(def.particuleMort->nbParticules, 6) << "a repeated emitter key keeps the last line";
    EXPECT_EQ(def.vie, 80);
}

TEST_F(PersoDefTest, AFileThatDoesNotOpenChangesNothing)
{
    ecrireTexte("id.per", "ID=SEUL\n");
    CPersoDef def;
    def.charger("id.per", false, nullptr);
    EXPECT_EQ(def.vie * 10 + def.vieMax, 11) << "a file without VIE reads 1;1";
    def.vie = 77;
    def.charger("absent.per", false, nullptr);
    EXPECT_EQ(def.vie, 77);
    EXPECT_EQ(def.nomFichier, "id.per");
}

TEST_F(PersoDefTest, LireNomReturnsTheLastId)
{
    ecrireTexte("deux.per", "ID=PREMIER\nVIE=1;1\nID=SECOND\nVITESSE=3\n");
    ecrireTexte("sans.per", "VIE=1;1\n");
    CPersoDef def;
    EXPECT_EQ(def.lireNom("deux.per"), "SECOND");
    EXPECT_EQ(def.lireNom("sans.per"), "");
    EXPECT_EQ(def.lireNom("absent.per"), "");
    EXPECT_TRUE(def.id.empty()) << "reading the name does not read the definition";
}

TEST_F(PersoDefTest, PreviewFillsThePickersBankAndMakesOneCharacter)
{
    CDEC apercu;
    CPersoDef::banqueApercu = [&apercu] { return &apercu; };
    banque("VUE");
    ecrireTexte("a.anm", "ID=A\nANIMATION=ARRET\nNBFRAMESANIMATION=2\n");
    ecrireTexte("v.per", "ID=VUE\nPLANCHE=perso.png;\nSPRITE=0;0;16;16;2;0;0\nSPRITE2=VIDE\n"
                         "SPRITEBOUCLIER=0;0;8;8;1;0\nSPRITE3=a.anm\nSPRITE3=a.anm\n"
                         "TEXTURE_PER_PART=v.per;PARTIE\nIAPART=a;b;1;2;3;1;1;1;1;4;5;6\n");
    CPersoDef def;
    def.cleDefinition = "VUE";
    def.charger("v.per", true, decor.get());
    CPersoDef::banqueApercu = [] { return static_cast<CDEC*>(nullptr); };

    EXPECT_EQ(apercu.nbAnims, 1) << "VIDE adds nothing in preview, the shield line replaces nothing";
    EXPECT_EQ(decor->modelesPersos["VUE"]->nbAnims, 0) << "preview lines never reach the level's bank";
    EXPECT_EQ(decor->modelesPersos["VUE"]->nbFrames, 0) << "IAPART does nothing in preview";
    EXPECT_EQ(decor->modelesPersos.count("PARTIE"), 0u) << "TEXTURE_PER_PART does nothing in preview";
    ASSERT_NE(def.pPersoApercu, nullptr);
    const CPerso* premier = def.pPersoApercu.get();
    def.charger("v.per", true, decor.get());
    EXPECT_EQ(def.pPersoApercu.get(), premier) << "the preview character is made once";
}

TEST_F(PersoDefTest, ACharacterBeingBuiltTakesTheEmittersAndTheAnimation)
{
    ecrireTexte("a.anm", "ID=A\nANIMATION=ARRET\nNBFRAMESANIMATION=2\nANIMATION=MARCHE\n");
    std::string fichier = "ID=X\nSPRITE3=a.anm\n";
    for (const char* cle : {"PARTICULE_TOUCHE", "PARTICULE_MORT", "PARTICULE_FIN", "PARTICULE_LIEN"})
        fichier += std::string(cle) + "=" + particules(3, 0) + "\n";
    ecrireTexte("c.per", fichier + "PARTICULE_FIN=" + particules(5, 0) + "\n");
    CPerso p;
    CPersoDef def;
    def.pPerso = &p;
    def.charger("c.per", false, nullptr);
    EXPECT_EQ(def.particuleTouche, nullptr) << "the emitters go to the character, not the definition";
    EXPECT_EQ(p.sprite->getNbAnimations(), 2);
    for (CParticules* e : {p.particuleTouche, p.particuleMort, p.particuleFin, p.particuleLien}) {
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->bPause);
        EXPECT_TRUE(e->bAttache);
        EXPECT_EQ(e->pElementAttache, p.sprite) << "an emitter follows the character's sprite";
    }
    EXPECT_EQ(p.particuleFin->nbParticules, 5) << "the repeated key replaced the first emitter";
}

TEST_F(PersoDefTest, PartFilesAreReadOncePerLevel)
{
    // Each part file adds one animation to its own bank: a second reading would add another.
    auto partie = [](const std::string& id, const std::string& suivante, const std::string& cle) {
        return "ID=" + id + "\nPLANCHE=perso.png;\nSPRITE=0;0;8;8;1;0;0\nTEXTURE_PER_PART=" + suivante + ";" + cle + "\n";
    };
    ecrireTexte("moi.per", partie("P1", "moi.per", "P1"));
    ecrireTexte("b.per", partie("P2", "c.per", "P3"));
    ecrireTexte("c.per", partie("P3", "b.per", "P2"));
    ecrireTexte("tete.per",
                "ID=TETE\nTEXTURE_PER_PART=moi.per;P1\nTEXTURE_PER_PART=b.per;P2\nTEXTURE_PER_PART=absent.per;P4\n");
    CPersoDef def;
    def.charger("tete.per", false, decor.get());
    for (const char* cle : {"P1", "P2", "P3"}) {
        ASSERT_TRUE(decor->modelesPersos[cle]) << cle;
        const CDEC& b = *decor->modelesPersos[cle];
        EXPECT_EQ(b.nbAnims, 1) << cle << " was read " << b.nbAnims << " times";
    }
    // A part whose file is missing is still filed under its key, with the key as its id.
    const CDEC* sansFichier = decor->modelesPersos["P4"];
    ASSERT_TRUE(sansFichier && sansFichier->pPersoDef);
    EXPECT_EQ(sansFichier->nom, "P4");
    EXPECT_EQ(sansFichier->pPersoDef->id, "P4");
    // The attached-part lines go to the bank of the definition's key.
    banque("TETE");
    ecrireTexte("parts.per", "IAPARTAVP=0\nIAPART=bras;arme;1;2;3;1.5;2.5;3.5;4.5;4;5;6\nIAPARTAVP=0\n");
    CPersoDef avecCle;
    avecCle.cleDefinition = "TETE";
    avecCle.charger("parts.per", false, decor.get());
    const CDEC& tete = *decor->modelesPersos["TETE"];
    ASSERT_EQ(tete.nbFrames, 1);
    EXPECT_FLOAT_EQ(tete.frames[0].f4, 4.5f) << "the attached part's values";
}

TEST_F(PersoDefTest, MalformedLinesKeepWhatCouldBeRead)
{
    banque("MAL");
    ecrireTexte("a.anm", "ID=A\nANIMATION=ARRET\n");
    ecrireTexte("mal.per",
                "\xEF\xBB\xBFID=MAL\r\nVIE=42\r\nVITESSE=vite\r\n=5\r\nSANS_EGAL\r\n"
                "ARME_RECHARGE_AUTO=3\nNUM_DEBUT_SPRITES_ARME=1;1\n"
                "SPRITE=0;0;-16;0;-3;0;0\nSPRITE=0;0;99999;99999;9999;1;0\n"
                "SHADER_LIEN=f;-3;v;99999;w;bizarre;x;int\n"
                "ADD_OVER=seul\nSCRIPTRUN=\nEXPLOSION=\nPARTICULE_LIEN=-50;nan;1e9\n"
                "SPRITE3=absente.anm\n");
    CPerso p;
    CPersoDef def;
    def.pPerso = &p;
    def.charger("mal.per", false, decor.get());
    EXPECT_EQ(def.id, "MAL") << "byte-order mark and CR LF";
    EXPECT_EQ(def.vie, 42);
    EXPECT_EQ(def.vieMax, 1) << "a missing value reads 0, not the previous one, and a life is at least 1";
    EXPECT_EQ(def.vitesse, 0) << "text where a number is expected reads 0";
    EXPECT_TRUE(def.armes.empty()) << "weapon keys before any ARME are dropped";
    EXPECT_EQ(decor->modelesPersos["MAL"]->nbAnims, 2) << "absurd cuts add empty animations";
    EXPECT_EQ(decor->modelesPersos["MAL"]->nbFramesAnim(1), 0);
    ASSERT_NE(def.spriteShaderLien, nullptr);
    EXPECT_TRUE(def.spriteShaderLien->uniformsFrag.empty()) << "a negative count reads no uniform";
    ASSERT_TRUE(def.spriteShaderLien->uniformsVert.count("w"));
    EXPECT_EQ(def.spriteShaderLien->uniformsVert.at("w").strType, "bizarre");
    ASSERT_EQ(def.overs.size(), 1u);
    ASSERT_NE(p.particuleLien, nullptr);
    EXPECT_GE(p.particuleLien->nbParticules, 0);
    EXPECT_LE(p.particuleLien->nbParticules, CParticules::NB_PARTICULES_MAX);
    // A missing animation file: the reader's message, an empty sprite, the character stays.
    ASSERT_NE(p.sprite, nullptr);
    EXPECT_EQ(p.sprite->getNbAnimations(), 0);
    EXPECT_EQ(std::count_if(messages.begin(), messages.end(),
                            [](const std::string& m) { return m.find("absente.anm") != std::string::npos; }),
              1);
    EXPECT_EQ(p.setEtat(0), 1) << "the character still changes state";
}

// Each value read otherwise than written is named with file and line; what would leave the
// character dead at its start or walking backwards is bounded.
TEST_F(PersoDefTest, BadValuesAndShortLinesNamed)
{
    const struct { std::string ligne, note; } cas[] = {
        {"VIE=abc;-5", "VIE valeur 1 «abc» pas un nombre, lue comme 1|VIE valeur 2 «-5» inférieure à 1, lue comme 1"},
        {"VITESSE=-3", "VITESSE valeur 1 «-3» inférieure à 0, lue comme 0"},
        {"VITESSE_SAUT=vite", "VITESSE_SAUT valeur 1 «vite» pas un nombre, lue comme 0"},
        {"ARME=99;1;0;0", "ARME arme 99 absente de la liste des armes, sans munitions"},
        {"HITBOX=6;8", "HITBOX valeurs 3 à 4 absentes, lues comme «0 ou vide»"},
        {"POSITIONTETE=5", "POSITIONTETE valeur 2 absente, lue comme «0 ou vide»"},
        {"VIE=100;100", ""},
        {"VIEE=100", "VIEE clé inconnue, ligne non lue"},
        {"VIE 100", "«VIE 100» sans « = », ligne non lue"},
        {"VIE=1;2;3", "VIE valeur 3 «3» en trop, non lue"},
    };
    for (const auto& c : cas) {
        ecrireTexte("mal.per", "ID=MAL\n" + c.ligne + "\nSPRITE=0;0;8;8;1;0;0\n");
        CPersoDef def;
        def.charger("mal.per", false, decor.get());
        std::string notes;
        for (const std::string& n : def.notes.notes())
            notes += (notes.empty() ? "" : "|") + n.substr(std::string("mal.per:2: ").size());
        EXPECT_EQ(notes, c.note) << c.ligne;
    }
    // Nothing to draw: the character would walk and fire unseen.
    ecrireTexte("mal.per", "ID=MAL\nVIE=100;100\n");
    CPersoDef invisible;
    invisible.charger("mal.per", false, decor.get());
    ASSERT_EQ(invisible.notes.notes().size(), 1u);
    EXPECT_EQ(invisible.notes.notes()[0], "mal.per: ni SPRITE3 ni SPRITE, le personnage n'a rien à dessiner");
    ecrireTexte("mal.per", "VIE=abc;-5\nVITESSE=-3\nHITBOX=6;8\n");
    CPersoDef def;
    def.charger("mal.per", false, decor.get());
    EXPECT_TRUE(def.vie == 1 && def.vieMax == 1) << "life read as " << def.vie << ";" << def.vieMax;
    EXPECT_EQ(def.vitesse, 0) << "a negative speed";
    EXPECT_EQ(std::vector<int>(def.hitbox, def.hitbox + 4), (std::vector<int>{6, 8, 0, 0})) << "missing values";
}

TEST_F(PersoDefTest, HooksMakeEveryBankOwnADefinition)
{
    g_services.creerPersoDef = [](CDEC*) -> CPersoDef* { return nullptr; };
    EXPECT_EQ(CDEC().pPersoDef, nullptr);
    installerHooksPersoDef();
    auto b = std::make_unique<CDEC>();
    ASSERT_NE(b->pPersoDef, nullptr);
    b->pPersoDef->ajouterArme(0, true, 0, 0);  // something for the leak checker to see freed
    b.reset();
}

} // namespace
