// Footprints left in sand, one-shot effect animations, and the editor's deselection.
#include "core/Dec.h"
#include "core/Hasard.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/ContexteNiveau.h"
#include "level/Decor.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>
#include <cmath>

namespace {

// A footprint loses one alpha about every 5 frames at 30 frames per second.
constexpr int FRAMES_PAR_PALIER_TRACE = 5;

bool effetFini(const CSPRITE_SIMPLE* e) { return !e || !e->pSprite || e->pSprite->nbanimtotale >= 1; }

} // namespace

void CDecor::ajouterTracePas(int x, int y, float echelle)
{
    if (tracesPas.size() >= NB_TRACES_MAX)
        return;
    auto* trace = new sf::Sprite(textureTracePas);
    const sf::Vector2u t = textureTracePas.getSize();
    trace->setOrigin(float(t.x / 2), float(t.y / 2));
    trace->setPosition(float(x), float(y));
    trace->setScale(echelle, echelle);
    tracesPas.push_back(trace);
}

void CDecor::afficherTracesPas(sf::RenderTarget& cible)
{
    // Faded in frames: at 60 frames per second a step comes half as often.
    const int periode = niveau::images(FRAMES_PAR_PALIER_TRACE);
    for (sf::Sprite* trace : tracesPas) {
        if (tuv::rand() % periode == 0) {
            sf::Color c = trace->getColor();
            if (c.a > 0)
                --c.a;
            trace->setColor(c);
        }
        cible.draw(*trace);
    }
    tracesPas.remove_if([](sf::Sprite* trace) { return trace->getColor().a == 0 && supprimerSprite(trace); });
}

void CDecor::ajouterEffet(float x, float y, float sx, float sy)
{
    if (effets.size() >= NB_EFFETS_MAX || !pPoussierePas || !pPoussierePas->pDEC)
        return;
    // Borrows the step-dust bank: the effect frees only its own sprite.
    auto* effet = new CSPRITE_SIMPLE();
    effet->setDEC(pPoussierePas->pDEC);
    effet->setScale(sx, sy);
    effet->placer(tuv::floatVersInt(x), tuv::floatVersInt(y));
    if (CSPRITE* s = effet->getSprite())
        if (const sf::Texture* image = s->getTexture(0, 0))
            s->setOrigine(float(image->getSize().x / 2), float(image->getSize().y / 2));
    effets.push_back(effet);
}

void CDecor::afficherEffets(sf::RenderTarget& cible)
{
    for (CSPRITE_SIMPLE* effet : effets)
        if (!effetFini(effet))
            effet->dessiner(cible);
    // One at most, and only the oldest: effets keeps its order for the callers.
    if (!effets.empty() && effetFini(effets.front())) {
        delete effets.front();
        effets.erase(effets.begin());
    }
}

void CDecor::afficherEffetsFenetre(sf::RenderWindow& fenetre) { afficherEffets(fenetre); }

void CDecor::viderEffets()
{
    for (CSPRITE_SIMPLE* effet : effets)
        delete effet;
    effets.clear();
}

void CDecor::deselectionner()
{
    if (pSDSelection) {
        pSDSelection->bSelectionne = false;
        pSDSelection = nullptr;
    }
    CPLUX::refresh("JeuDialogScripts");
    g_services.rafraichirDialogueSprite();
}
