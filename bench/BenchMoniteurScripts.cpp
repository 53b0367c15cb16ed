// The script monitor over an engine of 2,000 scripts of 50 commands and 20 variables, shown
// in a 1280x720 window with nothing selected (every script listed, the first one shown):
// - 2,000 refresh requests in one frame, then one frame of the GUI, against one rebuild and one
//   frame: within 1.2 times (the requests of a frame give one rebuild);
// - one rebuild (script list, the shown script's commands and variables) against building the
//   same line texts into a plain vector of pairs: within 3 times.
// Run under Xvfb: xvfb-run -a build/<release>/bench/bench_BenchMoniteurScripts; compare cpu_time.
#include "core/Globals.h"
#include "editor/Editeur.h"
#include "editor/JeuDialogScripts.h"
#include "game/Jeu.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"
#include "gui/CPLUXToolBar.h"
#include "script/ScriptEngine.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <benchmark/benchmark.h>

#include <memory>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace {

constexpr int NB_SCRIPTS = 2000;
constexpr int NB_COMMANDES = 50;
constexpr int NB_VARIABLES = 20;

// Fifty commands: labels, jumps, prints and assignments, as a level script reads.
std::string texteScript()
{
    std::ostringstream t;
    for (int c = 0; c < NB_COMMANDES; ++c) {
        switch (c % 4) {
        case 0: t << ":etape" << c << "\n"; break;
        case 1: t << "PRINT(\"ligne " << c << "\";10;" << c << ")\n"; break;
        case 2: t << "PAUSE(" << c << ")\n"; break;
        default: t << "GOTO(etape" << c - 3 << ")\n"; break;
        }
    }
    return t.str();
}

struct Banc {
    sf::RenderWindow fenetre{sf::VideoMode(1280, 720), "banc", sf::Style::None};
    std::unique_ptr<CSFMLJeu> jeu = std::make_unique<CSFMLJeu>();
    CScriptEngine* moteur = new CScriptEngine();  // the game frees it
    CJeuDialogScripts* mon = nullptr;

    Banc()
    {
        CPLUXTest::reset();
        CPLUX::setSurface(&fenetre);
        CPLUX::pTB = new CPLUXToolBar();
        CSFMLJeuGlobal::bModeTest = true;
        faceJeu::installer(jeu->facettes());
        jeu->pscriptEngine = jeu->pscriptEngineJeu = moteur;
        CPLUX::declareDialog<CJeuDialogScripts>(editeur::id::SCRIPTS, "CJeuDialogScripts");
        CPLUX::pModeleDef->readFile(std::string(TUV_DATA_DIR_SOURCE) + "/PLUX_Modeles/Mod2/");
        mon = dynamic_cast<CJeuDialogScripts*>(CPLUX::getDialog(editeur::id::SCRIPTS));
        const std::string texte = texteScript();
        for (int i = 0; i < NB_SCRIPTS; ++i) {
            CScript* s = moteur->creerScript("./niveaux/scripts/s" + std::to_string(i) + ".scp", nullptr,
                                             declencheur::IMMEDIAT, i % 3 ? -1 : 1, false, false);
            std::istringstream flux(texte);
            moteur->chargerScriptFlux(s, flux);
            for (int v = 0; v < NB_VARIABLES; ++v) {
                Variable& var = s->variables["variable" + std::to_string(v)];
                var.type = Variable::Entier;
                var.i = v * 7;
            }
        }
        CPLUX::show(editeur::id::SCRIPTS);
        CPLUXTest::frame(&fenetre);
    }
};

Banc& banc()
{
    static Banc* b = new Banc;  // kept to the end: the GUI's dialogs refer to it
    return *b;
}

void BM_DemandesPuisImage(benchmark::State& state)
{
    Banc& b = banc();
    for (auto _ : state) {
        for (int i = 0; i < NB_SCRIPTS; ++i)
            CPLUX::refresh(editeur::id::SCRIPTS);
        CPLUXTest::frame(&b.fenetre);
    }
}
BENCHMARK(BM_DemandesPuisImage)->Unit(benchmark::kMillisecond);

void BM_ReconstructionPuisImage(benchmark::State& state)
{
    Banc& b = banc();
    for (auto _ : state) {
        b.mon->refreshListeScripts();
        CPLUXTest::frame(&b.fenetre);
    }
}
BENCHMARK(BM_ReconstructionPuisImage)->Unit(benchmark::kMillisecond);

void BM_Reconstruction(benchmark::State& state)
{
    Banc& b = banc();
    for (auto _ : state)
        b.mon->refreshListeScripts();
}
BENCHMARK(BM_Reconstruction)->Unit(benchmark::kMillisecond);

// The same lines as plain text pairs: every listed script with its marker, then the shown
// script's commands and variables.
void BM_LignesBrutes(benchmark::State& state)
{
    Banc& b = banc();
    for (auto _ : state) {
        std::vector<std::pair<std::string, std::string>> lignes;
        const auto& scripts = b.moteur->scripts;
        for (size_t k = 0; k < scripts.size(); ++k)
            lignes.emplace_back(std::to_string(k + 1), scripts[k]->strFichier + "   (en attente...)");
        const CScript& s = *scripts.front();
        for (size_t c = 0; c < s.commandes.size(); ++c) {
            const CScriptCommand& cmd = *s.commandes[c];
            std::string t = cmd.strMotCle + "(";
            for (const std::wstring& a : cmd.arguments)
                t += CPLUX::wstrToUtf8(a) + " ; ";
            lignes.emplace_back(std::to_string(c), t + ")");
        }
        int n = 0;
        for (const auto& [nom, valeur] : s.variables)
            lignes.emplace_back(std::to_string(n++), nom + "=" + CScriptEngine::texteValeur(valeur));
        benchmark::DoNotOptimize(lignes.data());
    }
}
BENCHMARK(BM_LignesBrutes)->Unit(benchmark::kMillisecond);

} // namespace

BENCHMARK_MAIN();
