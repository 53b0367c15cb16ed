// The menus against their plainest baselines: loading a 300-line menu file against walking
// the same file with CTUVFile alone, and one menu frame with 10 events against only taking
// the 10 events from the input source.
#include "core/Globals.h"
#include "core/Manettes.h"
#include "core/TuvFile.h"
#include "game/Jeu.h"
#include "game/SourceEntrees.h"
#include "menus/JeuMenus.h"
#include "support/Outils.h"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace {

// The same frame of events again and again, no key held.
class SourceRepetee : public SourceEntrees {
public:
    explicit SourceRepetee(std::vector<sf::Event> e) : evenements(std::move(e)) {}
    void debutImage(long) override { suivant = 0; }
    bool evenementSuivant(sf::Event& e) override
    {
        if (suivant >= evenements.size())
            return false;
        e = evenements[suivant++];
        return true;
    }
    bool toucheEnfoncee(sf::Keyboard::Key) const override { return false; }
    void fermerFenetre() override {}

private:
    std::vector<sf::Event> evenements;
    size_t suivant = 0;
};

// A working folder with the three menu fonts and two menus: 300 lines and 30 lines.
struct Dossier {
    Dossier()
    {
        const char* env = std::getenv("TUV_DATA_DIR");
        const std::filesystem::path donnees = env ? env : TUV_DATA_DIR_SOURCE;
        std::filesystem::create_directories(dossier / "polices");
        std::filesystem::create_directories(dossier / "menus");
        for (const char* police : {"SF_Minced_Meat.ttf", "Chaos in Wisconsin.ttf", "MASQUE__.ttf"})
            std::filesystem::copy_file(donnees / "polices" / police, dossier / ("polices/" + std::string(police)));
        ecrire("fr_grand.mnu", 300);
        ecrire("fr_trente.mnu", 30);
        if (::chdir(dossier.str().c_str()) != 0)
            std::abort();
    }
    void ecrire(const std::string& nom, int lignes)
    {
        std::ofstream out(dossier / ("menus/" + nom));
        out << "LIGNEACTIVECOULEUR=255;215;90\n";
        for (int i = 0; i < lignes; ++i)
            out << "LIGNE=80;" << 20 * i << ";1;;Ligne de menu " << i << ";" << i % 3 << ";28;190;190;215\n";
    }
    DossierTemp dossier;
};

Dossier& dossier()
{
    static Dossier d;
    return d;
}

void BM_ChargerMenu(benchmark::State& state)
{
    dossier();
    CJeuMenus menus;
    for (auto _ : state) {
        menus.chargerMenu("./menus/", "grand.mnu");
        benchmark::DoNotOptimize(menus.nbLignes);
    }
    state.SetItemsProcessed(state.iterations() * 300);
}

void BM_ParcoursTuvFile(benchmark::State& state)
{
    dossier();
    for (auto _ : state) {
        CTUVFile f;
        f.open("./menus/fr_grand.mnu", false);
        size_t total = 0;
        for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
            total += cle.size();
            do {
                std::string valeur = f.getValue();
                total += valeur.size();
                benchmark::DoNotOptimize(valeur.data());
            } while (!f.finDeLigne());
        }
        benchmark::DoNotOptimize(total);
    }
    state.SetItemsProcessed(state.iterations() * 300);
}

std::vector<sf::Event> dixEvenements()
{
    std::vector<sf::Event> e(10);
    for (size_t i = 0; i < e.size(); ++i) {
        e[i].type = sf::Event::KeyPressed;
        e[i].key = sf::Event::KeyEvent{i % 2 ? sf::Keyboard::Up : sf::Keyboard::Down, false, false, false, false};
    }
    return e;
}

void BM_ImageMenu(benchmark::State& state)
{
    dossier();
    setLecteurManette([](unsigned) { return EtatManette(); });
    CSFMLJeu jeu;
    faceJeu::installer(jeu.facettes());
    jeu.pSourceEntrees = std::make_unique<SourceRepetee>(dixEvenements());
    jeu.pMenus = new CJeuMenus();
    jeu.pMenus->chargerMenu("./menus/", "trente.mnu");
    jeu.pMenus->entrerMenu(9999);  // no action answers it
    for (auto _ : state) {
        jeu.traiterEvenementsFenetre();
        jeu.pMenus->gererMenu();
        benchmark::DoNotOptimize(jeu.pMenus->ligneActive);
    }
    state.SetItemsProcessed(state.iterations() * 10);
    setLecteurManette({});
}

void BM_PrendreEvenements(benchmark::State& state)
{
    SourceRepetee source(dixEvenements());
    sf::Event e;
    for (auto _ : state) {
        source.debutImage(0);
        int n = 0;
        while (source.evenementSuivant(e))
            n += e.key.code;
        benchmark::DoNotOptimize(n);
    }
    state.SetItemsProcessed(state.iterations() * 10);
}

} // namespace

BENCHMARK(BM_ChargerMenu);
BENCHMARK(BM_ParcoursTuvFile);
BENCHMARK(BM_ImageMenu);
BENCHMARK(BM_PrendreEvenements);
BENCHMARK_MAIN();
