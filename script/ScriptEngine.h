#pragma once
// The script engine of one level world.
namespace sf { class RenderWindow; }

class CScriptEngine {
public:
    CScriptEngine() = default;
    // One command step of every running script; 1.
    int lancerScripts();
    void dessinerPrints(sf::RenderWindow* fenetre);
    // Editor view of the trigger zones.
    void dessinerZones();
};
