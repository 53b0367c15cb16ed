// The shipped data set: every rule of the checker over data/, the behaviours the levels
// must show between them, and no way out of a level but death.
#include "donnees/Verificateur.h"
#include "support/PiloteJeu.h"

#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "menus/JeuMenus.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <map>
#include <string>

namespace {

std::string dossierDonnees()
{
    const char* d = std::getenv("TUV_DATA_DIR");
    return d ? d : "data";
}

} // namespace

TEST(Donnees, LeDossierSuitSesFormats)
{
    donnees::Verificateur v(dossierDonnees());
    v.verifier();
    std::string liste;
    for (const std::string& e : v.erreurs())
        liste += e + "\n";
    EXPECT_TRUE(v.erreurs().empty()) << v.erreurs().size() << " faults in " << dossierDonnees() << ":\n" << liste;
}

// Between them the levels show every behaviour of the decor, four weather effects and the
// script commands a player meets.
TEST(Donnees, LesNiveauxMontrentChaqueComportement)
{
    donnees::Verificateur v(dossierDonnees());
    v.verifier();
    const std::map<std::string, int>& c = v.comportements();
    auto nombre = [&](const std::string& nom) {
        const auto it = c.find(nom);
        return it == c.end() ? 0 : it->second;
    };
    for (const char* nom : {"bascule", "effondrement", "rebond", "glisse", "particules", "destruction", "KPG",
                            "CHEMINSIMPLE", "FORCESD", "PARTICULESD", "CHECKPOINT", "FONTAINEDARMES", "PORTE_ONOFF",
                            "PADSOTOLITE", "INVERTOLITE", "IA", "DRAWMSG", "DRAWMSG_EN", "PARLE", "PARLE_EN",
                            "VIBRATION", "IAEXIT", "son de decor", "objet"})
        EXPECT_GT(nombre(nom), 0) << "no shipped level has " << nom;
    int meteo = 0;
    for (const char* effet : {"pluie", "neige", "lucioles", "brouillard", "nuages", "etoiles", "nuagepoussiere", "orage"})
        meteo += nombre(effet) > 0;
    EXPECT_GE(meteo, 4) << "weather effects used by the levels";
}

// A hero dropped anywhere over the cave's spikes, and ending among them (not on the walls
// around), is hurt: no spot of the bed or of the walls' feet is safe.
TEST(Donnees, NulNeSeTientIndemneDansLesPiques)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    j.mode = 1;
    j.pdecor = j.pdecorJeu;
    j.pdecor->chargerNiveau("./niveaux/aventure02/niveau.niv", 2);
    CPerso& heros = *j.pPerso;
    int essais = 0;
    for (CSPRITE* pics : j.pdecor->pPlans[2]->sprites) {
        if (pics->getIdDEC() != "GROTTE_PICS")
            continue;
        const sf::FloatRect boite = pics->getBoite();
        for (float x = boite.left - 8; x < boite.left + boite.width + 8; ++x) {
            j.pdecor->ranimerPerso(&heros, heros.armeCourante);
            heros.sprite->x = x;
            heros.sprite->y = boite.top - 100;
            heros.setEtat(EtatPerso::CHUTE);
            for (int i = 0; i < 40; ++i)
                heros.appliquerCommandes(CommandesJoueur{});
            if (heros.sprite->y > boite.top && ++essais)
                EXPECT_LT(heros.vie, heros.vieMax) << "unhurt among the spikes at (" << heros.sprite->x << ", "
                                                   << heros.sprite->y << ")";
        }
    }
    EXPECT_GT(essais, 400) << "most drops end among the spikes, some on the moving platforms";
}

// Every shipped level, its hero dropped near each edge walking out and below the bottom,
// frames of commands without drawing: a wall stops him within the level, or he dies.
TEST(Donnees, AucunNiveauNeSeQuitteSansMourir)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    j.mode = 1;
    for (const auto& e : std::filesystem::recursive_directory_iterator("niveaux")) {
        if (e.path().extension() != ".niv")
            continue;
        const std::string niveau = "./" + e.path().string();
        j.pdecor = j.pdecorJeu;
        j.pdecor->chargerNiveau(niveau, 1);
        if (j.typeJeu == 2) {  // the players' teams come with the round
            j.pMenus->strFichierNiveau = j.pMenus->strNiveauCharge = niveau;
            j.pMenus->lancerPartieMulti(true, false, false, false, false, false);
        }
        CPerso* heros = j.pdecor->persos.empty() ? nullptr : j.pPerso;
        if (!heros || !heros->sprite)
            continue;  // the menus' backdrop, the editor's empty level
        const float l = static_cast<float>(j.pdecor->tailleJeuX), h = static_cast<float>(j.pdecor->tailleJeuY);
        struct Cas { float x, y; bool droite; } cas[] = {
            {40, h / 4, false}, {40, h / 2, false}, {l - 40, h / 4, true}, {l - 40, h / 2, true}, {l / 2, h + 20, true}};
        for (const Cas& c : cas) {
            j.pdecor->ranimerPerso(heros, heros->armeCourante);
            heros->sprite->x = c.x;
            heros->sprite->y = c.y;
            heros->setEtat(EtatPerso::CHUTE);
            CommandesJoueur marche{};
            (c.droite ? marche.bDroite : marche.bGauche) = true;
            for (int i = 0; i < 300 && heros->vie > 0; ++i) {
                heros->appliquerCommandes(marche);
                j.pdecor->tuerPersosTombes();
            }
            const float x = heros->sprite->x, y = heros->sprite->y;
            EXPECT_TRUE(heros->vie <= 0 || (x >= 0 && x <= l && y <= h))
                << niveau << ": from (" << c.x << ", " << c.y << ") the hero is out at (" << x << ", " << y << ")";
        }
    }
}
