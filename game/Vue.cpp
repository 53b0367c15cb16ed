#include "game/Vue.h"

CVue::CVue(int l, int h) : largeur(l), hauteur(h) {}

int CVue::maj()
{
    if (dureeTremblement > 0)
        --dureeTremblement;
    return -1;
}

void CVue::zoomer(float pas, bool limiter)
{
    zoom += pas;
}

void CVue::tremblement(int duree, int amplitude)
{
    dureeTremblement = duree;
    amplitudeTremblement = amplitude;
}
