// Two costs of the characters, each beside its plain baseline:
// - 500 copies of a model character (the shipped hero with two weapon slots, four emitters
//   and a child), against 500 copies of the model's animated sprite and its child's alone:
//   a copy must read no file and stay within 1.5 times the sprites' copies;
// - reading a generated 2,000-line ".per" (every key, 50 weapon lines with all their firing
//   keys) into a definition, against a bare CTUVFile walk of the same file (every key and
//   every value): within 2 times.
// Run from anywhere under Xvfb (textures need a GL context), with TUV_DATA_DIR or from the
// build folder: xvfb-run -a build/<release>/bench/bench_BenchPersos; compare cpu_time.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Particules.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/TuvFile.h"

#include <SFML/Graphics/Texture.hpp>
#include <SFML/Window/Context.hpp>

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <map>
#include <memory>
#include <vector>

#include <unistd.h>

namespace {

constexpr int NB_COPIES = 500;

std::filesystem::path dossierDonnees()
{
    const char* candidats[] = {std::getenv("TUV_DATA_DIR"), "../../data", "../data", "data"};
    for (const char* d : candidats)
        if (d && std::filesystem::exists(std::filesystem::path(d) / "personnages"))
            return std::filesystem::absolute(d);
    return {};
}

// The game's shared texture cache, as the characters reach it.
sf::Texture* textureEnCache(const std::string&, const std::string& chemin)
{
    static std::map<std::string, std::unique_ptr<sf::Texture>> cache;
    auto& t = cache[chemin];
    if (!t) {
        t = std::make_unique<sf::Texture>();
        if (!tuv::chargerMedia(*t, chemin))
            return nullptr;
    }
    return t.get();
}

// Runs in the data folder, before the model is made: the model reads the shipped files.
struct DansLesDonnees {
    DansLesDonnees()
    {
        g_services.textureCache = textureEnCache;
        std::filesystem::current_path(dossierDonnees());
    }
};

struct Modele : DansLesDonnees {
    Modele()
    {
        def.pPerso = &perso;
        def.charger("./personnages/heros.per", false, nullptr);
        def.appliquer(perso, CPersoDef::Usage::Prechargement);
        for (CParticules** e : {&perso.particuleMort, &perso.particuleFin, &perso.particuleLien})
            if (!*e)
                *e = new CParticules(*perso.particuleTouche);
        auto* enfant = new CPerso();
        CPersoDef defEnfant;
        defEnfant.pPerso = enfant;
        defEnfant.charger("./personnages/garde.per", false, nullptr);
        perso.enfants.push_back(enfant);
        perso.nbEnfants = 1;
    }
    sf::Context contexte;
    CPerso perso;
    CPersoDef def;
};

Modele& modele()
{
    static Modele m;
    return m;
}

void BM_CopiesDePersonnages(benchmark::State& state)
{
    const CPerso& m = modele().perso;
    for (auto _ : state) {
        std::vector<std::unique_ptr<CPerso>> copies;
        copies.reserve(NB_COPIES);
        for (int i = 0; i < NB_COPIES; ++i)
            copies.push_back(std::make_unique<CPerso>(m));
        benchmark::DoNotOptimize(copies.data());
    }
    state.SetItemsProcessed(state.iterations() * NB_COPIES);
}
BENCHMARK(BM_CopiesDePersonnages)->Unit(benchmark::kMillisecond);

void BM_CopiesDesSeulsSprites(benchmark::State& state)
{
    const CPerso& m = modele().perso;
    for (auto _ : state) {
        std::vector<std::unique_ptr<CSPRITE3>> copies;
        copies.reserve(2 * NB_COPIES);
        for (int i = 0; i < NB_COPIES; ++i) {
            copies.push_back(std::make_unique<CSPRITE3>(*m.sprite));
            copies.push_back(std::make_unique<CSPRITE3>(*m.enfants[0]->sprite));
        }
        benchmark::DoNotOptimize(copies.data());
    }
    state.SetItemsProcessed(state.iterations() * NB_COPIES);
}
BENCHMARK(BM_CopiesDesSeulsSprites)->Unit(benchmark::kMillisecond);

const char* const ANIMATIONS[] = {
    "ARRET", "ARRET_0", "ARRET_30", "ARRET_45", "ARRET_70", "ARRET_90", "ARRET_110", "ARRET_135", "ARRET_150",
    "ARRET_180", "MARCHE", "MARCHE_0", "MARCHE_30", "MARCHE_45", "MARCHE_70", "MARCHE_90", "MARCHE_110",
    "MARCHE_135", "MARCHE_150", "MARCHE_180", "SAUT_ASC", "SAUT_ASC_0", "SAUT_ASC_45", "SAUT_ASC_90",
    "SAUT_ASC_135", "SAUT_ASC_180", "SAUT_DSC", "SAUT_DSC_0", "SAUT_DSC_45", "SAUT_DSC_90", "SAUT_DSC_135",
    "SAUT_DSC_180", "SAUT_RECEPTION", "SAUT_RECEPTION_ARME", "ACTION", "TOUCHE", "MORT"};

// About 2,000 lines: every key of the format, then 50 weapon lines with all 23 firing keys.
const std::string& fichierPer()
{
    static const std::string chemin = [] {
        const std::string c = "/tmp/bench_persos_" + std::to_string(::getpid()) + ".per";
        std::ofstream out(c);
        std::string particules = "0;-1;4;4;0;0.1;20;30;5;0;3;255;200;100;255;10;;2;0;360;1;0;1;5;8;0;0;0;1;0.1;6;"
                                 "0;1;1;0;1;1;0;0;0;0;1;0;0;0.3;0.3;0;0;0";
        const char* cles[] = {"PARTICULE_TOUCHE", "PARTICULE_MORT", "PARTICULE_FIN", "PARTICULE_LIEN"};
        for (int bloc = 0; bloc < 9; ++bloc) {
            out << "ID=BANC\nPLANCHE=absente.png;\nSON_DEGATS=AIE\nIA=2\nDIRECTION_PLANCHE=1\nVIE_VISIBLE=1\n"
                   "COLLISIONS=1\nPATROUILLE=100\nECHELLE_DEFAUT=1;1\nMAX_SAUT=14\nMAX_SAUT_AUTO=16\n"
                   "MAX_ESCALIER=40\nVITESSE=5\nVITESSE_CHUTE=8\nVITESSE_SAUT=8\nVITESSE_BAS=2\nPOIDS=10\n"
                   "VIE=100;100\nHITBOX=1;2;3;4\nMODE=0\nOMBRE=./effets/ombre.dec\nDEGATS=5;5\n"
                   "POSITIONTETE=60;40\nPOSITIONPIEDS=0\nPOSITIONMITRAILLEUSE=1;2\nEXPLOSION=BOUM;1;1;1\n"
                   "CHUTE_VAISSEAU_MORT=0\nSPRITE2=VIDE\nSPRITE=0;0;16;16;1;0;0\nSPRITEBOUCLIER=0;0;16;16;1;0\n"
                   "TEXTURE_PER_PART=partie.per;PARTIE\nIAPART=a;b;1;2;3;1;1;1;1;4;5;6\nIAPARTAVP=1\n"
                   "IDIA=BANC_IA\nORIGINE=-1;-1\nSCRIPTRUN=banc.scp;1;0;1\n"
                   "ADD_OVER=o;o.png;0;1;2;1;1;0;1\nSHADER_LIEN=a.frag;1;t;float;1;0;a.vert;0\n";
            for (const char* cle : cles)
                out << cle << "=" << particules << "\n";
            for (const char* a : ANIMATIONS)
                out << "ANIM_PERSO_" << a << "=" << bloc << "\n";
        }
        const char* tirs[] = {"DEBOUT0", "DEBOUT30", "DEBOUT45", "DEBOUT70", "DEBOUT90", "DEBOUT110", "DEBOUT135",
                              "DEBOUT150", "DEBOUT180", "BAISSE0", "BAISSE30", "BAISSE45", "BAISSE70", "BAISSE90",
                              "BAISSE110", "BAISSE135", "BAISSE150", "BAISSE180", "BAISSEMARCHE0",
                              "BAISSEMARCHE45", "BAISSEMARCHE90", "BAISSEMARCHE135", "BAISSEMARCHE180"};
        for (int a = 0; a < 50; ++a) {
            out << "ARME=" << a % 22 << ";1;0;0\nARME_RECHARGE_AUTO=30\nNUM_DEBUT_SPRITES_ARME=1;2\n";
            for (const char* t : tirs)
                out << "XYTIR" << t << "=" << a << ";-" << a << "\n";
        }
        return c;
    }();
    return chemin;
}

void BM_LectureDefinition(benchmark::State& state)
{
    const std::string& chemin = fichierPer();
    CPersoDef def;
    for (auto _ : state) {
        def.charger(chemin, false, nullptr);
        benchmark::DoNotOptimize(def.nbArmes);
    }
}
BENCHMARK(BM_LectureDefinition)->Unit(benchmark::kMicrosecond);

void BM_ParcoursCTUVFile(benchmark::State& state)
{
    const std::string& chemin = fichierPer();
    for (auto _ : state) {
        CTUVFile f;
        f.open(chemin, false);
        size_t total = 0;
        for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
            // Every value of the line once.
            size_t restant = f.getLigneCourante().size() - f.getLigneCourante().find('=') - 1;
            while (true) {
                const std::string valeur = f.getValue();
                total += valeur.size();
                if (valeur.size() >= restant)
                    break;
                restant -= valeur.size() + 1;
            }
        }
        benchmark::DoNotOptimize(total);
    }
}
BENCHMARK(BM_ParcoursCTUVFile)->Unit(benchmark::kMicrosecond);

} // namespace

BENCHMARK_MAIN();
