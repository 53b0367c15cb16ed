#include "core/Services.h"

#include "core/Globals.h"

ServicesFondation::ServicesFondation()
{
    devMode = [] { return CSFMLJeuGlobal::bModeTest; };
}

ServicesFondation g_services;
