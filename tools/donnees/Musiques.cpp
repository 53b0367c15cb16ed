// The levels' musics and ambiences, synthesised and written as OGG files by SFML's audio
// module: each music is a loop of chords, bass, a melody made from a few motifs of
// its scale and drums; each ambience a loop of filtered noise with the sounds of its place.
// Everything is drawn from the game's random generator with fixed seeds, so the files never
// change from one run to the next.
#include "tools/donnees/Musiques.h"

#include "core/Hasard.h"

#include <SFML/Audio/OutputSoundFile.hpp>

#include <algorithm>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <functional>
#include <iostream>
#include <string>
#include <vector>

namespace {

constexpr unsigned TAUX = 22050;
constexpr double PI = 3.14159265358979;

using Piste = std::vector<float>;

// A fraction in [0, 1) from the game's generator.
double fraction() { return tuv::rand() / 32768.0; }

double frequence(int demiTons) { return 440.0 * std::pow(2.0, demiTons / 12.0); }

// A note added to the track: a few harmonics under an attack-decay envelope.
void note(Piste& p, double debut, double duree, double f, double volume, const std::vector<double>& harmoniques,
          double attaque = 0.01, double declin = 3.0)
{
    const size_t d = size_t(debut * TAUX), n = size_t(duree * TAUX);
    for (size_t i = 0; i < n && d + i < p.size(); ++i) {
        const double t = double(i) / TAUX;
        const double env = std::min(1.0, t / attaque) * std::exp(-t * declin) * std::min(1.0, (duree - t) * 40);
        double v = 0;
        for (size_t h = 0; h < harmoniques.size(); ++h)
            v += harmoniques[h] * std::sin(2 * PI * f * double(h + 1) * t);
        p[d + i] += float(v * env * volume);
    }
}

void grosseCaisse(Piste& p, double debut, double volume)
{
    const size_t d = size_t(debut * TAUX);
    double phase = 0;
    for (size_t i = 0; i < TAUX / 5 && d + i < p.size(); ++i) {
        const double t = double(i) / TAUX;
        phase += 2 * PI * (50 + 100 * std::exp(-t * 30)) / TAUX;
        p[d + i] += float(std::sin(phase) * std::exp(-t * 14) * volume);
    }
}

void bruitCourt(Piste& p, double debut, double duree, double volume, double clarte)
{
    const size_t d = size_t(debut * TAUX), n = size_t(duree * TAUX);
    double filtre = 0;
    for (size_t i = 0; i < n && d + i < p.size(); ++i) {
        const double b = fraction() * 2 - 1;
        filtre += (b - filtre) * clarte;
        const double v = clarte > 0.5 ? b - filtre : filtre;
        p[d + i] += float(v * std::exp(-double(i) / n * 5) * volume);
    }
}

struct Theme {
    const char* nom;
    int tonique;           // semitones from A 440
    bool mineur;
    double tempo;          // beats per minute
    std::vector<int> accords;  // degrees of the scale, one chord per bar
    std::vector<double> timbre;   // harmonics of the melody
    double batterie;       // drums' volume
    unsigned graine;
};

const int MAJEURE[7] = {0, 2, 4, 5, 7, 9, 11};
const int MINEURE[7] = {0, 2, 3, 5, 7, 8, 10};

int degre(const Theme& th, int d)
{
    const int* gamme = th.mineur ? MINEURE : MAJEURE;
    const int octave = d >= 0 ? d / 7 : (d - 6) / 7;
    return th.tonique + gamme[((d % 7) + 7) % 7] + 12 * octave;
}

// Two bars of melody: eight eighth-notes walking the scale near the chord, with rests.
std::vector<int> motif(const Theme& th)
{
    (void)th;
    std::vector<int> m;
    int d = 7 + int(fraction() * 5);
    for (int k = 0; k < 16; ++k) {
        if (fraction() < 0.2) {
            m.push_back(-100);  // a rest
            continue;
        }
        d += int(fraction() * 5) - 2;
        d = std::clamp(d, 4, 14);
        m.push_back(d);
    }
    return m;
}

Piste composer(const Theme& th)
{
    tuv::srand(th.graine);
    const double temps = 60.0 / th.tempo, mesure = 4 * temps;
    const size_t nbMesures = th.accords.size() * 2;
    Piste p(size_t(mesure * double(nbMesures) * TAUX), 0.0f);
    const std::vector<int> motifs[2] = {motif(th), motif(th)};
    for (size_t m = 0; m < nbMesures; ++m) {
        const double t0 = double(m) * mesure;
        const int a = th.accords[m % th.accords.size()];
        // The chord, held over the bar; the bass on each beat.
        for (int k : {0, 2, 4})
            note(p, t0, mesure, frequence(degre(th, a + k) - 12), 0.05, {1, 0.5, 0.3, 0.2}, 0.08, 0.6);
        for (int b = 0; b < 4; ++b)
            note(p, t0 + b * temps, temps * 0.9, frequence(degre(th, a) - 24), 0.16, {1, 0.4}, 0.005, 4);
        // The melody: the first motif, then the second in the second half.
        const std::vector<int>& mo = motifs[(m / th.accords.size()) % 2];
        for (int k = 0; k < 8; ++k) {
            const int d = mo[size_t((m % 2) * 8 + size_t(k))];
            if (d > -100)
                note(p, t0 + k * temps / 2, temps / 2, frequence(degre(th, a + d - 7)), 0.12, th.timbre, 0.01, 5);
        }
        for (int b = 0; b < 4; ++b) {
            if (b % 2 == 0)
                grosseCaisse(p, t0 + b * temps, 0.35 * th.batterie);
            else
                bruitCourt(p, t0 + b * temps, 0.12, 0.18 * th.batterie, 0.3);
            bruitCourt(p, t0 + (b + 0.5) * temps, 0.04, 0.08 * th.batterie, 0.9);
        }
    }
    return p;
}

// ---------------------------------------------------------------- ambiences

struct Ambiance {
    const char* nom;
    double vent;           // volume of the wind
    double coupure;        // its filter (higher: brighter)
    unsigned graine;
    std::function<void(Piste&)> details;
};

Piste souffler(const Ambiance& a, double duree)
{
    tuv::srand(a.graine);
    Piste p(size_t(duree * TAUX), 0.0f);
    double f1 = 0, f2 = 0;
    for (size_t i = 0; i < p.size(); ++i) {
        const double t = double(i) / TAUX;
        f1 += (fraction() * 2 - 1 - f1) * a.coupure;
        f2 += (f1 - f2) * a.coupure;
        const double houle = 0.6 + 0.4 * std::sin(2 * PI * t / duree * 3) * std::sin(2 * PI * t / duree * 2 + 1);
        p[i] += float(f2 * a.vent * houle * 6);
    }
    if (a.details)
        a.details(p);
    return p;
}

void oiseaux(Piste& p)
{
    const double duree = double(p.size()) / TAUX;
    for (double t = 0.5; t < duree - 1; t += 1.5 + fraction() * 2) {
        const double f = 2500 + fraction() * 1500;
        for (int k = 0; k < 3; ++k)
            note(p, t + k * 0.12, 0.1, f * (1 + 0.1 * k), 0.08, {1}, 0.005, 20);
    }
}

void gouttes(Piste& p)
{
    const double duree = double(p.size()) / TAUX;
    for (double t = 0.3; t < duree - 1; t += 0.7 + fraction() * 1.8)
        note(p, t, 0.3, 900 + fraction() * 700, 0.15, {1, 0.2}, 0.002, 18);
}

void carillons(Piste& p)
{
    const double duree = double(p.size()) / TAUX;
    for (double t = 1; t < duree - 2; t += 3 + fraction() * 3)
        note(p, t, 1.5, frequence(int(fraction() * 12) + 3), 0.05, {1, 0, 0.3}, 0.005, 2.5);
}

void pluieEtGrondements(Piste& p)
{
    const double duree = double(p.size()) / TAUX;
    for (double t = 0; t < duree - 0.05; t += 0.01 + fraction() * 0.02)
        bruitCourt(p, t, 0.01, 0.05, 0.95);
    for (double t = 4; t < duree - 3; t += 8)
        for (size_t i = 0; i < TAUX * 2 && size_t(t * TAUX) + i < p.size(); ++i)
            p[size_t(t * TAUX) + i] += float(std::sin(2 * PI * 38 * double(i) / TAUX) * 0.1 * std::sin(PI * double(i) / (TAUX * 2)));
}

void bourdon(Piste& p)
{
    for (size_t i = 0; i < p.size(); ++i) {
        const double t = double(i) / TAUX;
        p[i] += float(0.05 * std::sin(2 * PI * 55 * t) * (0.7 + 0.3 * std::sin(2 * PI * 0.1 * t)) +
                      0.03 * std::sin(2 * PI * 82.5 * t));
    }
}

// The loop's end fades into its start, so that it plays on without a click.
void boucler(Piste& p)
{
    const size_t n = std::min<size_t>(TAUX / 4, p.size() / 2);
    for (size_t i = 0; i < n; ++i) {
        const float a = float(i) / float(n);
        p[i] = p[i] * a + p[p.size() - n + i] * (1 - a);
    }
    p.resize(p.size() - n);
}

bool ecrireOgg(Piste p, const std::string& fichier)
{
    boucler(p);
    float crete = 0.001f;
    for (float v : p)
        crete = std::max(crete, std::fabs(v));
    std::vector<sf::Int16> echantillons(p.size());
    for (size_t i = 0; i < p.size(); ++i)
        echantillons[i] = sf::Int16(std::lround(p[i] / crete * 0.8f * 32767));
    std::remove(fichier.c_str());
    // Written straight to the file (a sound buffer would need an audio device to say its rate).
    bool ok;
    {
        sf::OutputSoundFile sortie;
        ok = sortie.openFromFile(fichier, TAUX, 1);
        if (ok)
            sortie.write(echantillons.data(), echantillons.size());
    }
    std::cout << (ok ? "written: " : "NOT written: ") << fichier << "\n";
    return ok;
}

} // namespace

bool ecrireMusiques()
{
    const Theme themes[] = {
        {"menu", -9, false, 96, {0, 4, 5, 3}, {1, 0.3, 0.15}, 0.5, 11},
        {"aventure01", -2, false, 112, {0, 3, 4, 0, 5, 3, 1, 4}, {1, 0.5, 0.25, 0.1}, 1.0, 12},
        {"aventure02", -5, true, 84, {0, 5, 3, 4}, {1, 0, 0.3, 0, 0.1}, 0.6, 13},
        {"aventure03", 0, true, 100, {0, 3, 5, 4, 0, 6, 4, 4}, {1, 0.2, 0.4}, 0.8, 14},
        {"chrono01", -4, true, 138, {0, 6, 5, 4}, {1, 0.6, 0.2, 0.2}, 1.2, 15},
        {"chrono02", -7, true, 146, {0, 0, 5, 6, 3, 3, 4, 4}, {1, 0.7, 0.5, 0.3}, 1.3, 16},
        {"multi01", 2, false, 128, {0, 4, 5, 3}, {1, 0.4, 0.4}, 1.1, 17},
        {"multi02", -3, true, 132, {0, 5, 6, 4}, {1, 0.1, 0.6, 0.1}, 1.2, 18},
    };
    const Ambiance ambiances[] = {
        {"menu", 0.3, 0.02, 21, oiseaux},
        {"aventure01", 0.4, 0.03, 22, oiseaux},
        {"aventure02", 0.2, 0.01, 23, gouttes},
        {"aventure03", 1.0, 0.05, 24, nullptr},
        {"chrono01", 0.6, 0.04, 25, carillons},
        {"chrono02", 0.5, 0.03, 26, pluieEtGrondements},
        {"multi01", 0.35, 0.03, 27, oiseaux},
        {"multi02", 0.1, 0.01, 28, bourdon},
    };
    bool ok = true;
    for (const Theme& th : themes)
        ok = ecrireOgg(composer(th), std::string("./musiques/") + th.nom + ".ogg") && ok;
    for (const Ambiance& a : ambiances)
        ok = ecrireOgg(souffler(a, 20.0), std::string("./musiques/") + a.nom + "_ambiance.ogg") && ok;
    return ok;
}
