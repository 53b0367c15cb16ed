// The explosion list of "explos.ini" and the multiplayer options with the fountains' flags.
#include "OutilsPersos.h"

#include "characters/Explosions.h"
#include "characters/OptionsMulti.h"
#include "core/Dec.h"
#include "core/SetTextures.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <fstream>
#include <set>
#include <sstream>

namespace {

using ExplosionsOptions = PersosTest;

TEST_F(ExplosionsOptions, NamedExplosions)
{
    feuille("ex/boom0000.png", 8, 8);
    feuille("ex/boom0001.png", 8, 8);
    const std::string sequence = "SPRITE2=ex/boom;2;8;8;0;0.5;1;0;0\n";
    ecrireTexte("explos.ini", "# banner\nSON=AVANT\n" + sequence + "EXPLOSION=SEULE\nEXPLOSION=DOUBLE\n" + sequence +
                                  "SPRITE2=ex/boom;2;8;8;0;1;1;0;1\nSON=BOUM\nEXPLOSION=REDEFINIE\nSON=X\n" + sequence +
                                  "EXPLOSION=REDEFINIE\nINCONNUE=1\n");
    CExplosions e;
    EXPECT_EQ(e.charger("explos.ini"), 0);
    EXPECT_EQ(e.explosions.size(), 3u) << "lines before the first EXPLOSION belong to nothing";
    ASSERT_NE(e.banque("SEULE"), nullptr);
    EXPECT_EQ(e.banque("SEULE")->trouverAnim(0), nullptr) << "a lone EXPLOSION line: a bank without animations";
    const CDEC* d = e.banque("DOUBLE");
    ASSERT_NE(d, nullptr);
    EXPECT_EQ(d->nbFramesAnim(0), 2);
    EXPECT_EQ(d->nbFramesAnim(1), 2) << "two SPRITE2 lines: animations 0 and 1";
    EXPECT_EQ(e.son("DOUBLE"), "BOUM");
    ASSERT_NE(e.banque("REDEFINIE"), nullptr);
    EXPECT_EQ(e.banque("REDEFINIE")->trouverAnim(0), nullptr) << "defined again: a new bank (the old one freed)";
    EXPECT_EQ(e.son("REDEFINIE"), "") << "and no sound";

    EXPECT_EQ(e.banque("INCONNUE"), nullptr);
    EXPECT_EQ(e.son("INCONNUE"), "");
    EXPECT_EQ(e.explosions.count("INCONNUE") + e.sonsExplosions.count("INCONNUE"), 0u) << "lookups add nothing";

    CExplosions absente;
    absente.charger("absent.ini");
    EXPECT_TRUE(absente.explosions.empty() && absente.sonsExplosions.empty()) << "a missing file: empty, silent";
    EXPECT_TRUE(messages.empty());
}

TEST_F(ExplosionsOptions, MultiplayerOptionsReader)
{
    COptionsMulti o;
    ecrireTexte("options.ini", "MANCHES=5\nNBJOUEURS=1;3\nINVERTOLITES=1;0\nMINESAUTO=0\nPADSOTOLITE=7\n"
                               "ARMESDEPART=4\nINCONNUE=9\n");
    o.reglageJ1 = 3;
    EXPECT_EQ(o.charger("options.ini"), 1);
    EXPECT_EQ(o.manches, 5);
    EXPECT_EQ(std::vector<int>(o.nbJoueurs, o.nbJoueurs + 2), (std::vector<int>{1, 3}));
    EXPECT_TRUE(o.invertolites[0] && !o.invertolites[1]);
    EXPECT_FALSE(o.minesAuto);
    EXPECT_TRUE(o.padsOtolite[0] && !o.padsOtolite[1]) << "a missing second flag reads off";
    EXPECT_EQ(o.armesDepart, 4);
    EXPECT_EQ(o.reglageJ1, 3) << "fields without a key keep their values";
    o.nbClones[0] = o.nbClones[1] = 1;
    std::fill(std::begin(o.drapeauxMenu), std::end(o.drapeauxMenu), true);
    EXPECT_EQ(o.charger("absent.ini"), 1);
    EXPECT_EQ(o.manches, 3) << "a missing file brings the defaults back";
    EXPECT_TRUE(o.minesAuto);
    EXPECT_EQ(std::vector<int>(o.nbClones, o.nbClones + 2), (std::vector<int>{1, 4}));
    EXPECT_EQ(std::vector<bool>(o.drapeauxMenu, o.drapeauxMenu + 4), (std::vector<bool>{false, false, true, false}))
        << "the menu's four yes/no options: off, off, on, off";
}

// The shipped files agree: every explosion a character names is defined with its images,
// every sound of the weapons and explosions is loaded, and the loot images are preloaded.
TEST_F(ExplosionsOptions, ShippedExplosionsSoundsAndLoot)
{
    const std::filesystem::path d = dossierDonnees();
    std::filesystem::current_path(d);
    CExplosions e;
    e.charger("./explosions/explos.ini");
    auto valeursDe = [](const std::string& fichier, const std::string& cle, int rang) {
        std::set<std::string> valeurs;
        std::ifstream in(fichier);
        for (std::string ligne; std::getline(in, ligne);)
            if (ligne.rfind(cle + "=", 0) == 0) {
                std::stringstream reste(ligne.substr(cle.size() + 1));
                std::string v;
                for (int i = 0; i <= rang; ++i)
                    std::getline(reste, v, ';');
                valeurs.insert(v);
            }
        return valeurs;
    };
    for (const char* per : {"personnages/heros.per", "personnages/garde.per"})
        for (const std::string& nom : valeursDe(per, "EXPLOSION", 0)) {
            ASSERT_NE(e.banque(nom), nullptr) << per << " names " << nom;
            EXPECT_GT(e.banque(nom)->nbFramesAnim(0), 1) << nom;
            EXPECT_NE(e.banque(nom)->trouverAnim(0)->textures.at(0)->getSize().x, 0u) << nom << ": its images load";
        }
    const std::set<std::string> sons = valeursDe("sons.ini", "LOADSOUND", 0);
    std::set<std::string> joues = valeursDe("personnages/armes.arm", "SON", 0);
    for (const auto& [nom, son] : e.sonsExplosions)
        joues.insert(son);
    for (const char* s : {"TIRVIDE", "MISSILE", "REBOND_GRENADE", "IMPACT_FLECHE", "ROCKER_PROPAGATION", "TOURELLE",
                          "EXPLOSION"})
        joues.insert(s);
    for (const std::string& son : joues)
        EXPECT_EQ(sons.count(son), 1u) << son << " is played but not loaded";
    const std::set<std::string> overs = valeursDe("jeu.ini", "LOADOVER", 0);
    for (const char* o : {"LUX21", "CRISTAL", "CRISTAL1", "CRISTAL2", "CRISTAL3"})
        EXPECT_EQ(overs.count(o), 1u) << o;
    EXPECT_TRUE(std::filesystem::exists("decors/Divers/rocker.dec"));
    std::filesystem::current_path(dossier.str());
}

} // namespace
