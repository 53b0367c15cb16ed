// The character's link line: a thick segment drawn through the shader of its definition's
// link sprite ("SHADER_LIEN"), and the layer filter through which a parent draws its children.
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/ShaderManager.h"

#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/Shader.hpp>

namespace {

// The program of the pair: the game's shader map under "frag-vert" (the key is added when
// missing), else the shader cache's; null when neither has one.
sf::Shader* programmeLien(const std::string& frag, const std::string& vert)
{
    AffichageJeu* jeu = faceJeu::affichage();
    if (!jeu)
        return nullptr;
    auto it = jeu->shaders.find(frag + "-" + vert);
    if (it == jeu->shaders.end())
        it = jeu->shaders.emplace(frag + "-" + vert, nullptr).first;
    if (it->second)
        return it->second;
    // The map owns its programs: one of the cache is used, not stored there.
    return jeu->pShaderManager ? jeu->pShaderManager->getShader(frag, vert) : nullptr;
}

} // namespace

void CPerso::appliquerShader(sf::RenderTarget& cible, float ax, float ay, float bx, float by,
                             sf::Color remplissage, sf::Color contour, int epaisseur, bool avecShader)
{
    if (!sprite || sprite->bAnime)
        return;
    // A flat quad A, B, B, A: what shows is its outline, a band along the segment.
    sf::ConvexShape forme(4);
    forme.setPoint(0, sf::Vector2f(ax, ay));
    forme.setPoint(1, sf::Vector2f(bx, by));
    forme.setPoint(2, sf::Vector2f(bx, by));
    forme.setPoint(3, sf::Vector2f(ax, ay));
    forme.setFillColor(remplissage);
    forme.setOutlineColor(contour);
    forme.setOutlineThickness(static_cast<float>(epaisseur));
    const CPersoDef* def = sprite->pDEC ? sprite->pDEC->pPersoDef : nullptr;
    const CSPRITE* lien = def ? def->spriteShaderLien.get() : nullptr;
    if (!avecShader || !lien) {
        cible.draw(forme);
        return;
    }
    if (lien->strShaderVert.empty() && lien->strShaderFrag.empty())
        return;
    sf::Shader* programme = programmeLien(lien->strShaderFrag, lien->strShaderVert);
    if (!programme) {
        cible.draw(forme);
        return;
    }
    // The link's values step by whole periods of the game's clock.
    CShaderManager::appliquerUniforms(*programme, lien->uniformsVert, lien->uniformsFrag, g_services.secondesHorloge(),
                                      true);
    cible.draw(forme, sf::RenderStates(programme));
}

int CPerso::dessinerSiPlan(sf::RenderTarget& cible, bool plan)
{
    if (bDevantParent != plan)
        return 0;
    return dessiner(cible) == 1 ? 1 : 0;
}
