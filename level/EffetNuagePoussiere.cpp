#include "level/EffetNuagePoussiere.h"

#include "core/Hasard.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "level/ContexteNiveau.h"
#include "level/Decor.h"
#include "level/EffetsCommuns.h"
#include "level/Vue.h"

#include <SFML/Graphics/RenderTexture.hpp>

namespace {

constexpr float ECHELLE = 4;
const sf::Color TEINTE_DEPART(128, 0, 0, 32);
// The tint's red turns back above this and below the other: it swings from 127 to 149.
constexpr int ROUGE_HAUT = 148;
constexpr int ROUGE_BAS = 128;
constexpr int CHANCES_TEINTE = 5;

} // namespace

void CEffetNuagePoussiere::charger(CDecor& decor)
{
    pDecor = &decor;
    pSprite = effets::chargerSprite(DEFINITION, ECHELLE);
    vitesse = 0;
    teinte = TEINTE_DEPART;
    sensTeinte = 1;
    if (pSprite)
        decor.bFiltre = true;
}

void CEffetNuagePoussiere::afficher(sf::RenderTarget*)
{
    if (!pSprite || !pSprite->getSprite())
        return;
    CSPRITE& s = *pSprite->getSprite();
    const CVue* vue = niveau::camera();
    const float cameraX = vue ? vue->x : 0;
    if (pSprite->estAnimee() && s.x > cameraX) {
        s.x -= static_cast<float>(vitesse) * niveau::coefficient();
        s.sprite.setPosition(s.x, s.y);
    } else {
        replacer();
    }
    effets::avancerEtDessiner(*pSprite, niveau::scene());
    varierTeinte();
}

// Back at the right edge of the view, at a new height, size and speed.
void CEffetNuagePoussiere::replacer()
{
    const CVue* vue = niveau::camera();
    const float x = vue ? vue->x + vue->largeur : 0;
    const float y = vue ? vue->y + vue->hauteur / static_cast<float>(tuv::rand() % 4 + 2) : 0;
    pSprite->placer(tuv::floatVersInt(x), tuv::floatVersInt(y));
    const float ex = static_cast<float>(tuv::rand() % 5 + 2);
    const float ey = static_cast<float>(tuv::rand() % 5 + 2);
    pSprite->setScale(ex, ey);
    vitesse = tuv::rand() % 10;
}

// One drawing in 5 at 30 frames per second, one in 10 at 60: the same swing per second.
void CEffetNuagePoussiere::varierTeinte()
{
    if (tuv::rand() % niveau::images(CHANCES_TEINTE) != 0)
        return;
    teinte.r = static_cast<sf::Uint8>(teinte.r + sensTeinte);
    teinte.a = static_cast<sf::Uint8>(teinte.a + sensTeinte);
    if (sensTeinte > 0 && teinte.r > ROUGE_HAUT)
        sensTeinte = -1;
    else if (sensTeinte < 0 && teinte.r < ROUGE_BAS)
        sensTeinte = 1;
    if (pDecor && pDecor->pFiltre && pDecor->pFiltre->getSprite())
        pDecor->pFiltre->getSprite()->setColor(teinte);
}
