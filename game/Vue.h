#pragma once
// A camera over a level world. The camera subsystem fills in the following rules.
class CVue {
public:
    CVue(int largeur, int hauteur);

    // Per-frame update; -1 when there is no player to follow.
    int maj();
    void zoomer(float pas, bool limiter);
    void tremblement(int duree, int amplitude);
    bool tremblementActif() const { return dureeTremblement > 0; }

    float x = 0, y = 0;
    int largeur, hauteur;
    float zoom = 1.0f;
    float distanceMax = 80.0f;
    int dureeTremblement = 0;
    int amplitudeTremblement = 0;
};
