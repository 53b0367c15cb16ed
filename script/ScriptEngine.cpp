#include "script/ScriptEngine.h"

int CScriptEngine::lancerScripts()
{
    return 1;
}

void CScriptEngine::dessinerPrints(sf::RenderWindow* fenetre)
{
}

void CScriptEngine::dessinerZones()
{
}
