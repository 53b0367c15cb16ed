// Compiling a large ".scp" script with the engine against the plainest reader of the same
// text: std::getline, the line cut at its first "(", the rest split on ";" into wide strings.
#include "core/Texte.h"
#include "script/ScriptEngine.h"
#include "support/Outils.h"

#include <benchmark/benchmark.h>

#include <fstream>
#include <string>
#include <vector>

namespace {

constexpr int NB_LIGNES = 20000;

// A 20-line pattern repeated: keywords of every argument count, both kinds of assignment,
// conditionals on several lines and on one, labels, blocks, quoted texts and comments.
const char* const MOTIF[] = {
    "# patrol of the guard",
    ":debut_%",
    "if (compteur < 10)",
    "    PRINT(\"Tour numéro %\";10;20)  # shown for a while",
    "    compteur = compteur + 1",
    "else",
    "    GOTO(fin_%)",
    "endif",
    "{",
    "    x ; y = GETIAPOS(garde%)",
    "    SETSDPOS(porte;x;y)",
    "    PAUSE(15)",
    "}",
    "if (x >= 300) then DRAWMSG(\"Halte !\";img;1;2) else DRAWMSG_EN(\"Stop!\";img;1;2)",
    "IA(garde%;./personnages/garde.per;100;200;1;0;1;0;1)",
    "KP(chemin;1;2;3;4;5;6;7;8;9;10;11;12;13;14)",
    "PARLE(\"Qui va là ?\";40;a;b;c)",
    "STOPIA()",
    "z = -y * 2",
    ":fin_%",
};

const std::string& fichierTest()
{
    static DossierTemp dossier;
    static const std::string chemin = [] {
        const std::string p = dossier / "grand.scp";
        std::ofstream out(p);
        const int taille = sizeof(MOTIF) / sizeof(MOTIF[0]);
        for (int i = 0; i < NB_LIGNES; ++i) {
            std::string ligne = MOTIF[i % taille];
            const size_t pourcent = ligne.find('%');
            if (pourcent != std::string::npos)
                ligne.replace(pourcent, 1, std::to_string(i / taille));
            out << ligne << "\n";
        }
        return p;
    }();
    return chemin;
}

void BM_ChargerScript(benchmark::State& state)
{
    CScriptEngine moteur;
    CScript s;
    s.strFichier = fichierTest();
    for (auto _ : state) {
        moteur.chargerScript(&s);
        benchmark::DoNotOptimize(s.nbCommandes);
    }
    state.SetItemsProcessed(state.iterations() * NB_LIGNES);
}

void BM_GetlineDecoupe(benchmark::State& state)
{
    const std::string& chemin = fichierTest();
    for (auto _ : state) {
        std::ifstream in(chemin);
        std::string ligne;
        std::vector<std::pair<std::string, std::vector<std::wstring>>> lignes;
        while (std::getline(in, ligne)) {
            const size_t p = ligne.find('(');
            std::vector<std::wstring> args;
            if (p != std::string::npos) {
                for (size_t debut = p + 1;;) {
                    const size_t fin = ligne.find(';', debut);
                    args.push_back(tuv::utf8toWStr(ligne.substr(debut, fin == std::string::npos ? fin : fin - debut)));
                    if (fin == std::string::npos)
                        break;
                    debut = fin + 1;
                }
            }
            lignes.emplace_back(ligne.substr(0, p), std::move(args));
        }
        benchmark::DoNotOptimize(lignes.data());
    }
    state.SetItemsProcessed(state.iterations() * NB_LIGNES);
}

} // namespace

BENCHMARK(BM_ChargerScript)->Unit(benchmark::kMillisecond);
BENCHMARK(BM_GetlineDecoupe)->Unit(benchmark::kMillisecond);

BENCHMARK_MAIN();
