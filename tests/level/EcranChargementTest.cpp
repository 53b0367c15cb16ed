// The loading screen's pacing with an injected clock and a window (under Xvfb), the level
// dialog's bound variables, and the game's own sprite definitions for key-point anchors.
#include "level/OutilsFichierNiveau.h"

#include "core/Chemin.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXDialog.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"
#include "level/FondImage.h"

#include <SFML/Graphics/RenderWindow.hpp>

namespace {

std::string lignes(int n)
{
    std::string texte;
    for (int i = 0; i < n; ++i)
        texte += "CHRONO=" + std::to_string(i) + "\n";
    return texte;
}

class EcranChargement : public NiveauTest {
protected:
    // Reads the level with a clock that moves pas milliseconds at each reading.
    // A loading flag set from the start is cleared at finChargement ms, before the load ends.
    int chargerAvecHorloge(const std::string& niveau, double pas, double finChargement = -1)
    {
        ecrireFichier("niveau.niv", niveau);
        lecteur = std::make_unique<CFichierNiveau>();
        double t = 0;
        CSFMLJeuGlobal::bChargement = finChargement >= 0;
        lecteur->horloge = [&t, pas, finChargement] {
            const double r = t;
            t += pas;
            if (r >= finChargement)
                CSFMLJeuGlobal::bChargement = false;
            return r;
        };
        lecteur->chargerNiveau("niveau.niv", monde());
        return lecteur->nbEcransChargement;
    }
};

// The level options dialog as the reader sees it: five text fields bound by name.
class DialogueOptions : public CPLUXDialog {
public:
    DialogueOptions()
    {
        setId("JeuDialogOptionsNiv");
        CPLUX::enregistrer(this);
    }
    void onRefresh() override { ++nbRafraichissements; }
    int nbRafraichissements = 0;
};

} // namespace

TEST_F(EcranChargement, LargeurDeLaBarre)
{
    const struct {
        int lus, comptes;
        float largeur;
    } cas[] = {{0, 10, 0}, {5, 10, 250}, {10, 10, 500}, {11, 10, 520}, {30, 10, 520}, {1, 0, 0}};
    for (const auto& c : cas)
        EXPECT_FLOAT_EQ(CFichierNiveau::largeurBarre(c.lus, c.comptes), c.largeur)
            << c.lus << " keys read of " << c.comptes;
}

TEST_F(EcranChargement, AuPlusUneImageParPeriode)
{
    jeu->fenetre = new sf::RenderWindow(sf::VideoMode(1280, 720), "chargement");
    // The clock is read after every 16th line and after the last: 160 lines and the end read
    // 20, 40, ... 220 ms; the screen shows at 40, 80, 120, 160 and 200 ms.
    EXPECT_EQ(chargerAvecHorloge(lignes(160), 20), 5) << "once per 33.34 ms of reading";
    EXPECT_NEAR(lecteur->derniereLargeurBarre, 160.0f / 161.0f * 500.0f, 0.01f)
        << "the bar at the last screen: 160 keys read of 161 counted";
    EXPECT_EQ(chargerAvecHorloge(lignes(160), 0), 0) << "no time passed: never drawn";
    EXPECT_EQ(chargerAvecHorloge("", 40), 1) << "an empty file: the end only";
    EXPECT_FLOAT_EQ(lecteur->derniereLargeurBarre, 500) << "one key counted, one read";
    EXPECT_EQ(chargerAvecHorloge(lignes(160), 20, 220), 0) << "never while something is loading";
    EXPECT_EQ(chargerAvecHorloge("INFOS=0\n" + lignes(160), 20), 0) << "no title, no picture: nothing shown";
    peindre("image.png", 4, 4);
    EXPECT_EQ(chargerAvecHorloge("INFOS=0\nIMAGECHARGEMENT=./image.png\n" + lignes(160), 20), 5)
        << "the picture alone is shown";
    EXPECT_EQ(lecteur->derniereLargeurBarre, -1) << "without the title there is no bar";
    delete jeu->fenetre;
    jeu->fenetre = nullptr;
    EXPECT_EQ(chargerAvecHorloge(lignes(160), 20), 0) << "no window: the reader runs headless";
}

// What the loading screen's steps see of the reading: no key yet, the key of the line being
// read, then the empty key that ends the file.
TEST_F(EcranChargement, CleDeLaLigneLue)
{
    ecrireFichier("niveau.niv", lignes(15) + "NOM=x;1\n");
    CFichierNiveau f;
    std::vector<std::string> cles;
    f.horloge = [&f, &cles] {
        cles.push_back(f.cleCourante);
        return 0.0;
    };
    f.chargerNiveau("niveau.niv", monde());
    EXPECT_EQ(cles, (std::vector<std::string>{"", "NOM", ""})) << "read at the start, after the 16th line, at the end";
}

TEST_F(EcranChargement, VariablesDuDialogueDesOptions)
{
    CPLUXTest::reset();
    {
        DialogueOptions d;
        ASSERT_TRUE(CPLUX::pModeleDef->appliquerTexte(&d, modeleChampsFond()));
        peindre("niveaux/fond.png", 8, 8);
        ASSERT_TRUE(charger("FOND=./niveaux/fond.png;5;-6;1.5\nSHADERBLUR=5;2.5\n"));
        EXPECT_EQ(d.nbRafraichissements, 1) << "each load ends with one refresh";
        d.afficherVariables();
        const char* attendus[5] = {"./niveaux/fond.png", "2.5", "5", "-6", "1.5"};
        for (int i = 0; i < 5; ++i)
            EXPECT_EQ(d.ctrlTextInput("c" + std::to_string(i))->getText(), attendus[i]) << CHAMPS_FOND[i][0] << " is bound";
        ASSERT_TRUE(charger("NOM=x;1\n"));
        EXPECT_EQ(d.nbRafraichissements, 2);
    }
    CPLUXTest::reset();
}
