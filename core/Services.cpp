#include "core/Services.h"

#include "core/Globals.h"

ServicesFondation::ServicesFondation()
{
    devMode = [] { return CSFMLJeuGlobal::bModeTest; };
}

ServicesFondation g_services;

float coefficientTemps()
{
    const float c = g_services.framerateCoeff ? g_services.framerateCoeff() : 1.0f;
    return (c > 0 && c < 100) ? c : 1.0f;
}
