// The whip file: exact lines, round trip, what reading keeps and bounds, the backup copy and
// failed saves.
#include "OutilsOutils.h"

#include "tools/Fouet.h"

#include <cfloat>
#include <cstring>
#include <filesystem>

namespace {

// A dialog with a picture at (8, 33), 600 x 420, as in the whip editor.
struct Scene : ScenePicture {
    Scene() : ScenePicture(60, 40, 8, 33, 600, 420) {}
    bool charger(CFouet& f, const std::string& texte)
    {
        ecrireTexte("fouet0.ini", texte);
        return f.charger("fouet0.ini", &d, image, "__KP__");
    }
};

const char* LIGNES_DEFAUT = "FOUET_COULEUR=255;0;0;255\n"
                            "FOUET_COULEUR_TRAINE=128;0;0;32\n"
                            "FOUET_EPAISSEUR=1\n"
                            "FOUET_EPAISSEUR_TRAINE=1\n"
                            "FOUET_NBNOEUDS=0\n"
                            "FOUET_LONGUEUR=0.5\n"
                            "FOUET_GRAVITE=0.001\n"
                            "FOUET_FRICTION=0.98\n"
                            "FOUET_RAL=0.5\n"
                            "FOUET_RIGIDITE=2\n"
                            "FOUET_MASSE=1;0;1\n";

} // namespace

using FichierFouet = OutilTest;

TEST_F(FichierFouet, DefaultsWriteExactlyTheirLines)
{
    CFouet f;
    ASSERT_TRUE(f.sauver("fouet0.ini", nullptr));
    EXPECT_EQ(lireTexte("fouet0.ini"), LIGNES_DEFAUT);
}

TEST_F(FichierFouet, EveryKeyAndKeyPointRoundTrips)
{
    Scene s;
    CFouet f;
    f.couleur = {1, 2, 3, 4};
    f.couleurTraine = {5, 6, 7, 8};
    f.epaisseur = 3;
    f.epaisseurTraine = 4;
    f.longueur = 7.25f;
    f.gravite = 0.125f;
    f.friction = 0.75f;
    f.ral = 0.375f;
    f.rigidite = 5;
    f.creer(24, 0, 0, 2.5f, CFouet::MASSE_DECROISSANTE, 0.0625f);
    f.ajouterKP(&s.d, s.image, 57, 40, 6, "__KP__");
    f.ajouterKP(&s.d, s.image, 300, 200, 2, "__KP__");
    ASSERT_TRUE(f.sauver("fouet0.ini", s.image));
    EXPECT_NE(lireTexte("fouet0.ini").find("FOUET_KP=57;40;6\nFOUET_KP=300;200;2\n"), std::string::npos)
        << lireTexte("fouet0.ini");

    Scene s2;
    s2.image->setPosition(20, 50);  // another place: key points are relative to the picture
    CFouet g;
    ASSERT_TRUE(g.charger("fouet0.ini", &s2.d, s2.image, "__KP__"));
    EXPECT_EQ(g.strFichier, "fouet0.ini");
    EXPECT_EQ(g.couleur, sf::Color(1, 2, 3, 4));
    EXPECT_EQ(g.couleurTraine, sf::Color(5, 6, 7, 8));
    EXPECT_EQ(g.epaisseur, 3);
    EXPECT_EQ(g.epaisseurTraine, 4);
    EXPECT_FLOAT_EQ(g.longueur, 7.25f);
    EXPECT_FLOAT_EQ(g.gravite, 0.125f);
    EXPECT_FLOAT_EQ(g.friction, 0.75f);
    EXPECT_FLOAT_EQ(g.ral, 0.375f);
    EXPECT_EQ(g.rigidite, 5);
    EXPECT_FLOAT_EQ(g.masse, 2.5f);
    EXPECT_EQ(g.modeMasse, CFouet::MASSE_DECROISSANTE);
    EXPECT_FLOAT_EQ(g.facteurMasse, 0.0625f);
    ASSERT_EQ(g.keyPoints.size(), 2u);
    const CPLUXControl* m = g.keyPoints[0].marqueur;
    EXPECT_EQ(m->getLeft() + 7 - s2.image->getLeft(), 57.f) << "centre x from the picture's corner";
    EXPECT_EQ(m->getTop() + 7 - s2.image->getTop(), 40.f) << "centre y from the picture's corner";
    EXPECT_EQ(g.keyPoints[0].pause, 6);
    EXPECT_EQ(g.keyPoints[1].pause, 2);
    // The chain starts on key point 0's centre on screen: (60, 40) + (20 + 57, 50 + 40).
    ASSERT_EQ(g.nbNoeuds, 24);
    EXPECT_FLOAT_EQ(g.noeuds[0].x, 137.f) << "the handle on its marker";
    EXPECT_FLOAT_EQ(g.noeuds[0].y, 130.f) << "the handle on its marker";
    EXPECT_FLOAT_EQ(g.noeuds[1].masse, 2.5f - 0.0625f) << "mode 2 masses";
}

TEST_F(FichierFouet, ReadingKeepsNodesWithoutACountAndAlwaysReplacesKeyPoints)
{
    Scene s;
    CFouet f;
    f.creer(5, 10, 20, 1.f, 0, 0.f);
    f.ajouterKP(&s.d, s.image, 50, 50, 1, "__KP__");
    f.ajouterKP(&s.d, s.image, 80, 50, 1, "__KP__");
    ASSERT_TRUE(s.charger(f, "FOUET_LONGUEUR=3\nFOUET_RAL=1\nFOUET_XYZ=5\nFOUET_RAL=2\n"));
    EXPECT_EQ(f.nbNoeuds, 5) << "no count keeps the nodes";
    EXPECT_FLOAT_EQ(f.noeuds[4].x, 12.f) << "at their places (spacing 0.5)";
    EXPECT_FLOAT_EQ(f.longueur, 3.f);
    EXPECT_FLOAT_EQ(f.ral, 2.f) << "a repeated key overwrites";
    EXPECT_TRUE(f.keyPoints.empty()) << "the old key points go even without new ones";
    EXPECT_EQ(s.d.getControl("__KP__0"), nullptr);
    ASSERT_TRUE(s.charger(f, "FOUET_NBNOEUDS=0\n"));
    EXPECT_EQ(f.nbNoeuds, 0) << "a whip saved with no node reads back with none";
    EXPECT_TRUE(f.noeuds.empty() && f.noeudsSuivants.empty());

    // A file that does not open leaves everything as it was.
    f.ajouterKP(&s.d, s.image, 50, 50, 1, "__KP__");
    EXPECT_FALSE(f.charger("absent.ini", &s.d, s.image, "__KP__"));
    std::filesystem::create_directory("dossier.ini");
    EXPECT_FALSE(f.charger("dossier.ini", &s.d, s.image, "__KP__"));
    EXPECT_EQ(f.keyPoints.size(), 1u);
    EXPECT_EQ(f.strFichier, "fouet0.ini");
}

// A value the model cannot take is named (the box: EditeurFouet.ReadAndSaveFouet0) and read
// as a new whip's, a count or a stiffness as its nearest bound, a key point on the picture.
TEST_F(FichierFouet, BadValuesAreNamedAndBounded)
{
    Scene s;
    const struct {
        const char* texte;
        int nbNoeuds, rigidite;
        float longueur;
        size_t corrigees;
    } cas[] = {
        {"FOUET_NBNOEUDS=1000000000\nFOUET_RIGIDITE=-5\n", CFouet::NB_NOEUDS_MAX, 0, 0.5f, 2},
        {"FOUET_NBNOEUDS=3\nFOUET_RIGIDITE=1000000\nFOUET_LONGUEUR=nan\n", 3, CFouet::RIGIDITE_MAX, 0.5f, 2},
        {"FOUET_NBNOEUDS=3\r\nFOUET_LONGUEUR=inf\r\n", 3, 2, 0.5f, 1},
        {"\xEF\xBB\xBF" "FOUET_NBNOEUDS=4\nFOUET_LONGUEUR=1e40\n", 4, 2, 0.5f, 1},
        {"FOUET_NBNOEUDS=4\nFOUET_LONGUEUR=1e-05\nFOUET_MASSE=2;1;0.25\n", 4, 2, 1e-5f, 0},
    };
    for (const auto& c : cas) {
        CFouet f;
        ASSERT_TRUE(s.charger(f, c.texte)) << c.texte;
        EXPECT_EQ(f.nbNoeuds, c.nbNoeuds) << c.texte;
        EXPECT_EQ(f.rigidite, c.rigidite) << c.texte;
        EXPECT_FLOAT_EQ(f.longueur, c.longueur) << c.texte;
        EXPECT_EQ(f.valeursCorrigees.size(), c.corrigees) << c.texte;
        for (int i = 0; i < 3; ++i)
            f.simuler(false, false);
        EXPECT_EQ(f.liens.size(), static_cast<size_t>(2 * c.rigidite)) << c.texte;
    }
    // Each line named once with all it was read as, which the next save writes (picture 600 x 420).
    const struct { std::string ligne; const char* dit; } lignes[] = {
        {"FOUET_NBNOEUDS=12.7", "pas un nombre entier, lu comme 12"},
        {"FOUET_RIGIDITE=2.5", "pas un nombre entier, lu comme 2"},
        {"FOUET_EPAISSEUR_TRAINE= 2x", "pas un nombre entier, lu comme 2"},
        {"FOUET_EPAISSEUR=-3", "hors de 0 à 1000000, lu comme 1"},
        {"FOUET_COULEUR=300;90;40;255", "hors de 0 à 255, lu comme 44;90;40;255"},
        {"FOUET_COULEUR_TRAINE=a;-1;3.5;7", "pas un nombre, hors de 0 à 255, pas un nombre entier, lu comme 0;255;3;7"},
        {"FOUET_MASSE=1;7;0.03", "mode de masse hors de 0 à 2, lu comme 1;0;0.03"},
        {"FOUET_KP=abc;150;4", "x pas un nombre, lu comme 0;150;4"},
        {"FOUET_KP=100;100;-4", "pause d'au moins 1, lu comme 100;100;1"},
        {"FOUET_KP=9000;9000;5", "x hors de 0 à 600, y hors de 0 à 420, lu comme 600;420;5"},
        {"FOUET_KP=-5;421;x", "x hors de 0 à 600, y hors de 0 à 420, pause pas un nombre, lu comme 0;420;1"},
        // A short line: its missing values are its last one again, said as a bad value is.
        {"FOUET_COULEUR=200;20", "valeurs 3 à 4 absentes, lu comme 200;20;20;20"},
        {"FOUET_MASSE=1", "valeurs 2 à 3 absentes, lu comme 1;1;1"},
        {"FOUET_KP=150;150", "valeur 3 absente, lu comme 150;150;150"},
    };
    for (const auto& l : lignes) {
        Scene s2;  // its markers' ids free
        CFouet f;
        ASSERT_TRUE(s2.charger(f, l.ligne + "\n"));
        EXPECT_EQ(f.valeursCorrigees, std::vector<std::string>{"fouet0.ini:1: « " + l.ligne + " » : " + l.dit});
        ASSERT_TRUE(f.sauver("fouet0.ini", s2.image));
        const std::string ecrit = l.ligne.substr(0, l.ligne.find('=') + 1) + (strstr(l.dit, "lu comme ") + 9);
        EXPECT_NE(lireTexte("fouet0.ini").find(ecrit + "\n"), std::string::npos) << ecrit << " not saved";
    }
    CFouet f;
    std::string beaucoup = "FOUET_COULEUR=300;-1;256;7\nFOUET_KP=10;20\n";
    for (int i = 0; i < 100000; ++i)
        beaucoup += "FOUET_KP=100;100;2\n";
    ASSERT_TRUE(s.charger(f, beaucoup));
    EXPECT_EQ(f.couleur, sf::Color(44, 255, 0, 7)) << "colours keep their low 8 bits";
    EXPECT_EQ(f.keyPoints.size(), static_cast<size_t>(CFouet::NB_KP_MAX_FICHIER));
    EXPECT_EQ(f.nbKPIgnores, 100001 - CFouet::NB_KP_MAX_FICHIER);
    EXPECT_EQ(f.keyPoints[0].marqueur->getLeft() + 7 - s.image->getLeft(), 10.f) << "a two-value line";
    ecrireTexte("fouet0.ini", std::string("\0\x01\xff=\n=;;\n", 8));
    EXPECT_TRUE(f.charger("fouet0.ini", &s.d, s.image, "__KP__")) << "binary junk reads as nothing";
    EXPECT_TRUE(f.keyPoints.empty());
}

// A key the file lacks takes a new whip's value, not what the file read before left.
TEST_F(FichierFouet, MissingKeysTakeANewWhipsValues)
{
    Scene s;
    CFouet f;
    ASSERT_TRUE(s.charger(f, "FOUET_COULEUR_TRAINE=1;2;3;4\nFOUET_GRAVITE=0.5\nFOUET_RIGIDITE=5\nFOUET_MASSE=3;2;0.5\n"));
    ASSERT_EQ(f.rigidite, 5);
    ASSERT_TRUE(s.charger(f, "FOUET_LONGUEUR=2\n"));
    const CFouet neuf;
    EXPECT_EQ(f.couleurTraine, neuf.couleurTraine) << "the trail colour of the earlier file";
    EXPECT_EQ(f.gravite, neuf.gravite) << "the gravity of the earlier file";
    EXPECT_EQ(f.rigidite, neuf.rigidite) << "the stiffness of the earlier file";
    EXPECT_TRUE(f.masse == neuf.masse && f.modeMasse == neuf.modeMasse && f.facteurMasse == neuf.facteurMasse)
        << "the mass of the earlier file";
    EXPECT_EQ(f.longueur, 2.f);
    EXPECT_TRUE(f.valeursCorrigees.empty()) << "a missing key is no corrected value";
}

TEST_F(FichierFouet, SaveKeepsABackupAndReportsFailure)
{
    CFouet f;
    ASSERT_TRUE(f.sauver("fouet0.ini", nullptr));
    f.rigidite = 7;
    ASSERT_TRUE(f.sauver("fouet0.ini", nullptr));
    EXPECT_EQ(lireTexte("fouet0.ini.save"), LIGNES_DEFAUT) << "the previous file";
    EXPECT_NE(lireTexte("fouet0.ini").find("FOUET_RIGIDITE=7\n"), std::string::npos);

    // A backup that cannot be written stops the save: the file stays as it was.
    std::filesystem::remove("fouet0.ini.save");
    std::filesystem::create_directories("fouet0.ini.save/plein");
    f.rigidite = 9;
    EXPECT_FALSE(f.sauver("fouet0.ini", nullptr));
    EXPECT_NE(lireTexte("fouet0.ini").find("FOUET_RIGIDITE=7\n"), std::string::npos);
    std::filesystem::create_directory("dossier.ini");
    EXPECT_FALSE(f.sauver("dossier.ini", nullptr)) << "a folder is no file to write";
    EXPECT_FALSE(f.sauver("absent/fouet0.ini", nullptr));
}
