#pragma once
// The frame-rate rule of the main loop. All motion is counted in frames, so the
// target rate is either 30 or 60 and the time coefficient (1.0 or 0.5) follows it.
// The clock is passed in, so that the rule can be driven without real time.
#include <vector>

class CRegleFramerate {
public:
    // framerate: "FRAMERATE" (below 31: 30 per second, else 60);
    // vsync: "VERTICALSYNCHRO" (60, synchronised with the screen instead of a limit);
    // autoFramerate: "AUTOFRAMERATE" (starts at 60, may fall back to 30 for good).
    void configurer(int framerate, bool vsync, bool autoFramerate);

    int getCible() const { return cible; }
    bool getVsync() const { return bVsync; }
    float getCoeff() const { return 30.0f / static_cast<float>(cible); }

    // Counts one frame shown at `secondes` (a clock that never goes back); seconds are
    // counted from the first frame. Returns true when the target or the vertical sync has
    // just changed.
    bool image(double secondes);
    // True when the last call to image() closed a second.
    bool getNouvelleSeconde() const { return bNouvelleSeconde; }
    // Frames counted in the last whole second.
    int getMesure() const { return mesure; }

    static constexpr int SEUIL_LENT = 50;
    // A synchronised second with more frames than this: the screen does not hold the rate.
    static constexpr int SEUIL_SYNCHRO = 90;
    static constexpr int PERIODE_CONTROLE = 4;

private:
    void fermerSecondes(long jusqua);

    int cible = 30;
    bool bVsync = false;
    bool bAuto = false;
    bool bDemarre = false;
    double origine = 0;
    long seconde = 0;
    int imagesSeconde = 0;
    int mesure = 0;
    bool bNouvelleSeconde = false;
    bool bChange = false;
    std::vector<int> secondesDepuisControle;
};
