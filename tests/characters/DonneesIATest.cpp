// The shipped AI characters read as the game reads them.
#include "OutilsPersos.h"

#include "characters/IABehaviours.h"
#include "core/Dec.h"
#include "level/Decor.h"

namespace {

class DonneesIA : public PersosTest {
protected:
    void SetUp() override
    {
        PersosTest::SetUp();
        avecPolices();
        namespace fs = std::filesystem;
        for (const char* d : {"personnages", "effets"})
            fs::copy(dossierDonnees() / d, d, fs::copy_options::recursive);
        for (const char* f : {"zeph_esprit.anm", "zeph_esprit.png"})
            fs::copy_file(dossierDonnees() / f, f);
    }
    // The level's model under the file's id, as a level's TEXTURE_PER line makes it.
    void modele(CDecor& decor, const std::string& id, const std::string& fichier)
    {
        auto* banque = new CDEC();
        banque->nom = id;
        decor.modelesPersos[id] = banque;
        banque->pPersoDef->id = id;
        banque->pPersoDef->cleDefinition = id;
        banque->pPersoDef->charger(fichier, false, &decor);
    }
};

TEST_F(DonneesIA, PersonnagesDesIA)
{
    CDecor decor;
    jeu->pdecor = &decor;
    struct Cas {
        const char* id;
        const char* fichier;
        int type, nbAnim0;
    } cas[] = {
        {"TIREUR", "./personnages/tireur.per", TypeIA::TIREUR_SOL, 2},
        {"VOLANT", "./personnages/volant.per", TypeIA::VOLANT, 2},
        {"OISEAU", "./personnages/oiseau.per", TypeIA::VOLANT_AMBIANT, 2},
        {"CANON_BASE", "./personnages/canon_base.per", TypeIA::INERTE_2, 8},
    };
    for (const Cas& c : cas) {
        modele(decor, c.id, c.fichier);
        CPerso* ia = decor.creerIA(c.id, 1000, 600, 0, 1, 1, 0, 0, 0, false);
        ASSERT_NE(ia, nullptr) << c.id;
        EXPECT_EQ(ia->modeIA, c.type) << c.id;
        const CDEC& banque = *decor.modelesPersos[c.id];
        EXPECT_EQ(banque.nbFramesAnim(0), c.nbAnim0) << c.id;
        // Made falling (as the picker places them), walking, hit: each shows a picture.
        for (int a : {ia->animSautDsc[0], ia->animMarche[0], ia->animArret[0], ia->animTouche})
            EXPECT_GT(banque.nbFramesAnim(a), 0) << c.id << " draws nothing in its animation " << a;
    }
    EXPECT_EQ(decor.ias.front()->animMarche[0], 1) << "the shooter walks with its sheet's second row";
    CPerso* base = decor.ias.back();
    ASSERT_EQ(base->nbEnfants, 1) << "the cannon is attached to its base";
    CPerso* canon = base->enfants[0];
    EXPECT_EQ(canon->modeIA, TypeIA::CANON_ROTATIF);
    EXPECT_EQ(canon->porteur, base);
    EXPECT_EQ(canon->sprite->x, 1000 - 135);
    EXPECT_TRUE(messages.empty()) << (messages.empty() ? "" : messages[0]);
    jeu->pdecor = nullptr;
}

} // namespace
