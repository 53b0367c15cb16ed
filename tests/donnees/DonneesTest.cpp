// The shipped data set: every rule of the checker over data/, and the behaviours the levels
// must show between them.
#include "donnees/Verificateur.h"

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
