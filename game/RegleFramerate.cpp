#include "game/RegleFramerate.h"

#include <algorithm>
#include <cmath>

void CRegleFramerate::configurer(int framerate, bool vsync, bool autoFramerate)
{
    bVsync = vsync;
    bAuto = autoFramerate;
    if (vsync || autoFramerate)
        cible = 60;
    else
        cible = framerate < 31 ? 30 : 60;
    secondesDepuisControle.clear();
}

// Every second from `seconde` up to `jusqua` (excluded) is over; a second in which no
// frame was shown at all counts as slow.
void CRegleFramerate::fermerSecondes(long jusqua)
{
    for (long s = seconde; s < jusqua; ++s) {
        int n = s == seconde ? imagesSeconde : 0;
        mesure = n;
        secondesDepuisControle.push_back(n);
        // A driver or screen that ignores the synchronisation (or runs far above 60 Hz)
        // would run every frame-counted motion too fast and keep a core busy: back to the
        // frame-rate limit.
        if (bVsync && n > SEUIL_SYNCHRO) {
            bVsync = false;
            bChange = true;
        }
        long finie = s + 1;
        if (finie % PERIODE_CONTROLE != 0)
            continue;
        long lentes = std::count_if(secondesDepuisControle.begin(), secondesDepuisControle.end(),
                                    [](int images) { return images < SEUIL_LENT; });
        if (bAuto && cible == 60 && lentes >= 2) {
            cible = 30;
            bVsync = false;
            bAuto = false;
            bChange = true;
        }
        secondesDepuisControle.clear();
    }
    seconde = jusqua;
    imagesSeconde = 0;
}

bool CRegleFramerate::image(double secondes)
{
    bChange = false;
    bNouvelleSeconde = false;
    // The loop starts in the middle of a second of the clock: that piece of a second is
    // not a slow second.
    if (!bDemarre) {
        bDemarre = true;
        origine = secondes;
    }
    long s = static_cast<long>(std::floor(std::max(0.0, secondes - origine)));
    if (s > seconde) {
        fermerSecondes(s);
        bNouvelleSeconde = true;
    }
    ++imagesSeconde;
    return bChange;
}
