#include "script/ScriptEngine.h"

#include "core/Fichiers.h"
#include "core/Media.h"

namespace {
const char* const CHEMIN_POLICE = "./polices/SF_Minced_Meat.ttf";
}

CScriptEngine::CScriptEngine()
{
    if (tuv::chargerMedia(police, CHEMIN_POLICE)) {
        pTexte = std::make_unique<sf::Text>();
        pTexte->setFont(police);
        pTexte->setPosition(0, 0);
        pTexte->setFillColor(sf::Color(255, 255, 255, 255));
    }
}

CScriptEngine::~CScriptEngine() = default;

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
