// The sprite tools against the plainest code doing the same work in the same run:
// - one whip step (100 nodes) against a loop over plain float arrays (two buffers) computing
//   the same links, forces, velocities and positions;
// - loading 100 PNG images and exporting their cuts with the slicer against loadFromFile,
//   create, copy and saveToFile per image. Both write identical files (checked once, untimed).
// Run under a display (the slicer's images are textures): xvfb-run -a bench_BenchOutils
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/ModelesOutils.h"
#include "support/Outils.h"
#include "tools/CSESelectionZone.h"
#include "tools/Fouet.h"

#include <SFML/Graphics/Image.hpp>
#include <benchmark/benchmark.h>

#include <cmath>
#include <vector>

namespace {

constexpr int NB_NOEUDS = 100;

void preparer(CFouet& f, int rigidite)
{
    f.rigidite = rigidite;
    f.longueur = 4.f;
    f.gravite = 0.05f;
    f.friction = 0.95f;
    f.creer(NB_NOEUDS, 0.f, 0.f, 1.f, CFouet::MASSE_CROISSANTE, 0.01f);
}

void BM_SimulerFouet(benchmark::State& state)
{
    CFouet f;
    preparer(f, static_cast<int>(state.range(0)));
    for (auto _ : state) {
        f.simuler(false, false);
        benchmark::DoNotOptimize(f.noeuds.data());
    }
    state.SetItemsProcessed(state.iterations() * NB_NOEUDS);
}

// The same step over plain arrays.
struct Tampon {
    std::vector<float> x, y, vx, vy, masse;
};

void BM_BoucleSimple(benchmark::State& state)
{
    const int r = static_cast<int>(state.range(0));
    CFouet modele;
    preparer(modele, r);
    Tampon a, b;
    for (const NoeudFouet& n : modele.noeuds) {
        a.x.push_back(n.x);
        a.y.push_back(n.y);
        a.vx.push_back(n.vx);
        a.vy.push_back(n.vy);
        a.masse.push_back(n.masse);
    }
    b = a;
    const float longueur = modele.longueur, gravite = modele.gravite, friction = modele.friction, ral = modele.ral;
    for (auto _ : state) {
        for (int i = 1; i < NB_NOEUDS; ++i) {
            float fx = 0.f, fy = 0.f;
            for (int k = 1; k <= r; ++k)
                for (const int j : {i - k, i + k}) {
                    if (j < 0 || j >= NB_NOEUDS)
                        continue;
                    const float dx = a.x[j] - a.x[i], dy = a.y[j] - a.y[i];
                    float norme = std::sqrt(dx * dx + dy * dy);
                    const float ecart = norme - longueur;
                    if (norme == 0.f)
                        norme = 1e-7f;
                    fx += dx / norme * ecart;
                    fy += dy / norme * ecart;
                }
            fy += gravite * a.masse[i];
            b.vx[i] = friction * a.vx[i] + ral * fx;
            b.vy[i] = friction * a.vy[i] + ral * fy;
            b.x[i] = a.x[i] + b.vx[i];
            b.y[i] = a.y[i] + b.vy[i];
        }
        std::swap(a, b);
        benchmark::DoNotOptimize(a.x.data());
    }
    state.SetItemsProcessed(state.iterations() * NB_NOEUDS);
}

BENCHMARK(BM_SimulerFouet)->Arg(2)->Arg(8);
BENCHMARK(BM_BoucleSimple)->Arg(2)->Arg(8);

// Export ---------------------------------------------------------------------------------------

constexpr int NB_IMAGES = 100;

struct Sequence {
    Sequence()
    {
        std::filesystem::create_directories(dossier / "base");
        for (int n = 1; n <= NB_IMAGES; ++n) {
            sf::Image img;
            img.create(256, 256);
            for (unsigned y = 0; y < 256; ++y)
                for (unsigned x = 0; x < 256; ++x)
                    img.setPixel(x, y, sf::Color(static_cast<sf::Uint8>(x + n), static_cast<sf::Uint8>(y),
                                                 static_cast<sf::Uint8>(x ^ y), (x * y + n) % 5 ? 255 : 0));
            img.saveToFile(dossier / (CCSESelectionZone::numero(n, 4) + ".png"));
        }
        slicer.setId("CSESelectionZone");
        CPLUX::pModeleDef->appliquerFichier(&slicer, dossierModeles() + "CSESelectionZone.mod");
        slicer.onCreate();
        CPLUXControlImage* image = slicer.ctrlImage("myImage");
        image->setVisibleDimension(256, 256);
        CPLUXControlZone* zone = slicer.ctrlZone("myZone");
        zone->setPosition(image->getLeft(), image->getTop());
        zone->setVisibleDimension(128, 128);
        slicer.onCtrlSizeChange(zone);
        slicer.numDebut = 1;
        slicer.numFin = NB_IMAGES;
        slicer.decalage = 1.f;
    }
    void exporter()
    {
        slicer.chargerImages(dossier.str() + "/");
        slicer.enregistrerZones();
    }
    void baseline()
    {
        for (int n = 1; n <= NB_IMAGES; ++n) {
            sf::Image source, cut;
            source.loadFromFile(dossier / (CCSESelectionZone::numero(n, 4) + ".png"));
            cut.create(128, 128, sf::Color::Black);
            cut.copy(source, 0, 0, sf::IntRect(n - 1, 0, 128, 128), true);
            cut.saveToFile(dossier / ("base/se_" + CCSESelectionZone::numero(n, 4) + ".png"));
        }
    }
    DossierTemp dossier;
    CCSESelectionZone slicer;
};

Sequence& sequence()
{
    static Sequence s;
    return s;
}

void BM_ExportDecoupes(benchmark::State& state)
{
    Sequence& s = sequence();
    s.exporter();
    s.baseline();
    for (int n = 1; n <= NB_IMAGES; ++n) {
        const std::string nom = "se_" + CCSESelectionZone::numero(n, 4) + ".png";
        if (lireTexte(s.dossier / nom) != lireTexte(s.dossier / ("base/" + nom))) {
            state.SkipWithError(("the cuts differ: " + nom).c_str());
            return;
        }
    }
    for (auto _ : state)
        s.exporter();
    state.SetItemsProcessed(state.iterations() * NB_IMAGES);
}

void BM_ExportBaseline(benchmark::State& state)
{
    Sequence& s = sequence();
    for (auto _ : state)
        s.baseline();
    state.SetItemsProcessed(state.iterations() * NB_IMAGES);
}

BENCHMARK(BM_ExportDecoupes)->Unit(benchmark::kMillisecond)->MinTime(3.0);
BENCHMARK(BM_ExportBaseline)->Unit(benchmark::kMillisecond)->MinTime(3.0);

} // namespace

BENCHMARK_MAIN();
