// On-screen texts (PRINT, CLRPRINT), pauses (PAUSE), started scripts (SCRIPTRUN), the two
// drawings of the frame (the scripts' texts, the editor's view of trigger zones) and the
// script monitor's variable list.
#include "core/EtatJeu.h"
#include "script/ScriptEngine.h"

#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "gui/CPLUXControlList.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <climits>

void CScriptEngine::enregistrerTextes(TableCommandes& t)
{
    t["PRINT"] = &CScriptEngine::cmdPRINT;
    t["CLRPRINT"] = &CScriptEngine::cmdCLRPRINT;
    t["PAUSE"] = &CScriptEngine::cmdPAUSE;
    t["SCRIPTRUN"] = &CScriptEngine::cmdSCRIPTRUN;
}

void CScriptEngine::cmdPRINT(CScript* s)
{
    marquerFait(s);
    if (s->prints.size() < NB_PRINTS_MAX) {
        // The game's text font; the engine's own when there is no game.
        const ServicesJeu* jeu = faceJeu::services();
        sf::Text t;
        t.setFont(jeu ? *jeu->policeJeu() : police);
        t.setString(sf::String(getArgWString(s, 0)));
        t.setPosition(static_cast<float>(getArgInt(s, 1)), static_cast<float>(getArgInt(s, 2)));
        s->prints.push_back(t);
    }
    ++s->numCmdCour;
}

void CScriptEngine::cmdCLRPRINT(CScript* s)
{
    marquerFait(s);
    s->prints.clear();
    ++s->numCmdCour;
}

// Holds the script for n steps (one when n < 1), at any frame rate; a release of X seen by a
// step ends it at once.
void CScriptEngine::cmdPAUSE(CScript* s)
{
    CScriptCommand* c = commandeCourante(s);
    c->bFait = 1;
    if (c->nCompteur < 1 && c->nEtat == 0) {
        // The preset value is 0 when the argument names a variable.
        c->nCompteur = getArgInt(s, 0);
        c->nEtat = 1;
    }
    if (c->nCompteur > INT_MIN)
        --c->nCompteur;
    if (c->nCompteur >= 1 && !bPasserPause)
        return;
    c->nCompteur = getArgInt(s, 0);
    ++s->numCmdCour;
}

void CScriptEngine::cmdSCRIPTRUN(CScript* s)
{
    marquerFait(s);
    int nb = 0;
    CScript* fini = nullptr;  // the oldest started script whose run is over
    for (const auto& x : scripts) {
        if (!x->bScriptRun || x->bSupprime)
            continue;
        ++nb;
        if (!fini && !x->bEnCours && x->nbRunFaits >= x->nbRunMax)
            fini = x.get();
    }
    // A script that starts itself twice per run must not grow the list without end.
    if (nb >= NB_SCRIPTRUN_MAX) {
        if (!fini) {
            ++s->numCmdCour;
            return;
        }
        retirerScript(fini);
    }
    CScript* nouveau = creerScript(getArgString(s, 0), nullptr, declencheur::IMMEDIAT, 1, false, false);
    nouveau->bScriptRun = true;
    pScriptRun = nouveau;
    ++s->numCmdCour;
}

// ---------------------------------------------------------------- drawing

void CScriptEngine::dessinerPrints(sf::RenderWindow* fenetre)
{
    if (!fenetre)
        return;
    // Window pixels, whatever view the frame left on the window.
    const sf::View vue = fenetre->getView();
    fenetre->setView(fenetre->getDefaultView());
    for (const auto& s : scripts)
        for (const sf::Text& t : s->prints)
            fenetre->draw(t);
    fenetre->setView(vue);
}

void CScriptEngine::dessinerZones()
{
    if (sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture)
        dessinerZones(*scene);
}

void CScriptEngine::dessinerZones(sf::RenderTarget& cible)
{
    for (const auto& s : scripts)
        if (s->pSD)
            s->pSD->decalageLabel = 0;
    for (const auto& s : scripts) {
        if (!s->pSD || s->bSupprime || estFiltre(*s))
            continue;
        const ZoneScript z = zoneScript(*s, true);
        if (!z.valide)
            continue;
        sf::RectangleShape cadre(sf::Vector2f(z.largeur - 8, z.hauteur - 8));
        cadre.setPosition(z.x + 4, z.y + 4);
        cadre.setOutlineColor(sf::Color::Yellow);
        cadre.setOutlineThickness(4);
        cadre.setFillColor(sf::Color(50, 50, 50, 128));
        cible.draw(cadre);
        pTexte->setFillColor(sf::Color(239, 174, 0, 255));
        pTexte->setPosition(z.x + z.largeur / 2, z.y + z.hauteur / 2 + static_cast<float>(s->pSD->decalageLabel));
        pTexte->setString(sf::String::fromUtf8(s->strFichier.begin(), s->strFichier.end()) + " (" +
                          tuv::itos(s->nDeclencheur) + ")");
        if (bPoliceChargee)
            cible.draw(*pTexte);
        s->pSD->decalageLabel += 20;
    }
}

void CScriptEngine::remplirListeVariables(const CScript* script, CPLUXControlList* liste) const
{
    if (!script || !liste)
        return;
    int ligne = 0;
    for (const auto& [nom, valeur] : script->variables) {
        liste->AddElement(tuv::itos(ligne++));
        liste->AddElementCol2(nom + "=" + texteValeur(valeur));
    }
}
