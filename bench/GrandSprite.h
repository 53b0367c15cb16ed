#pragma once
// The large animated sprite of the benchmarks: 40 elements (every fourth with a 3 x 3 mesh),
// 30 animations of 30 keyframes with one AE per element, each AE the child of the one before,
// keys that all differ. The elements are made as the file reader makes them, without a sheet
// texture (a texture would need a display).
#include "anim/Sprite3.h"

#include <memory>
#include <string>

namespace banc {

constexpr int NB_ELEMENTS = 40;
constexpr int NB_ANIMATIONS = 30;
constexpr int NB_KEYFRAMES = 30;

inline void construireGrandSprite(CSPRITE3& s)
{
    for (int e = 0; e < NB_ELEMENTS; ++e) {
        auto el = std::make_unique<CSPRITE3_ELEMENT>();
        el->nom = "element_" + std::to_string(e);
        el->rect = sf::FloatRect(e * 10.0f, 0, 10, 20);
        el->origine = sf::Vector2f(5, 10);
        el->nbColonnes = el->nbLignes = e % 4 ? 2 : 3;
        el->elementLie = e > 0 ? e - 1 : -1;
        el->bCouleurGlobale = e % 2 == 0;
        el->construireMaillage();
        s.elements.push_back(std::move(el));
    }
    for (int a = 0; a < NB_ANIMATIONS; ++a) {
        s.ajouterAnimation("animation_" + std::to_string(a), true);
        s.setNbFrames(a, NB_KEYFRAMES * 4);
        for (int e = 0; e < NB_ELEMENTS; ++e)
            s.ajouterAnimElem(a, e, e % 3 ? "" : "ae_" + std::to_string(e), 0, 1, e > 0 ? e - 1 : -1);
        for (int k = 1; k < NB_KEYFRAMES; ++k)
            s.ajouterKeyframe(a, k * 4);
        CSPRITE3_ANIMATION& anim = *s.animations[static_cast<size_t>(a)];
        for (size_t k = 0; k < anim.keyframes.size(); ++k)
            for (size_t i = 0; i < anim.keyframes[k]->cles.size(); ++i) {
                CSPRITE3_KEYANIMELEM& cle = anim.keyframes[k]->cles[i];
                cle.position = sf::Vector2f(i * 1.5f + k, k * 0.25f - i);
                cle.rotation = static_cast<float>((k * 7 + i) % 360);
                cle.echelle = sf::Vector2f(1 + k * 0.01f, 1);
                if (i % 4 == 0)
                    cle.maillage[4] = sf::Vector2f(k * 0.5f, -0.25f);
            }
    }
}

} // namespace banc
