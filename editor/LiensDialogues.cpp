#include "editor/LiensDialogues.h"

#include "anim/Sprite3.h"
#include "core/Services.h"
#include "core/Sprite.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogPhysCheminOptions.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "editor/JeuDialogShaderVERT.h"
#include "editor/JeuDialogSprite.h"

void installerLiensDialogues()
{
    g_services.rafraichirDialogueSprite = [] { rafraichirDialogueSprite(); };
    g_services.detacherDialogueShader = [] { detacherDialogueShader(); };
    g_services.oublierSpriteDialogues = [](CSPRITE* sd) { oublierSpriteDialogues(sd); };
    g_services.rafraichirDialogueChemin = [] { rafraichirDialogueChemin(); };
}

void rafraichirDialogueChemin()
{
    if (auto* d = dialogue<CJeuDialogPhysCheminOptions>(IdSprite::DIALOGUE_CHEMIN))
        d->rafraichirEnMarche();
}

void rafraichirDialogueSprite()
{
    if (auto* d = dialogue<CJeuDialogSprite>(IdSprite::DIALOGUE))
        d->init();
}

// Emptied as well: a list of variables whose sprite is gone would offer what cannot be edited.
void detacherDialogueShader()
{
    if (auto* d = dialogue<CJeuDialogShaderVERT>(IdSprite::DIALOGUE_SHADER))
        d->attacher(nullptr, nullptr);
}

namespace {

// Whether the map is one of the sprite's own or one of its anim elements'.
bool mapDuSprite(const CSPRITE::Uniforms* m, const CSPRITE& sd)
{
    if (!m)
        return false;
    if (m == &sd.uniformsVert || m == &sd.uniformsFrag)
        return true;
    if (const auto* s3 = dynamic_cast<const CSPRITE3*>(&sd))
        for (const auto& a : s3->animations) {
            if (!a)
                continue;
            for (const auto& ae : a->animElems)
                if (ae && (m == &ae->uniformsVert || m == &ae->uniformsFrag))
                    return true;
        }
    return false;
}

} // namespace

void oublierSpriteDialogues(const CSPRITE* sd)
{
    if (!sd)
        return;
    if (auto* d = dialogue<CJeuDialogShaderVERT>(IdSprite::DIALOGUE_SHADER))
        if (mapDuSprite(d->pUniformsVert, *sd) || mapDuSprite(d->pUniformsFrag, *sd))
            detacherDialogueShader();
    if (auto* d = dialogue<CJeuDialogPhysParticulesOptions>(IdSprite::DIALOGUE_PARTICULES))
        if (d->pProprietaire == sd || (d->pParticules && d->pParticules == sd->pParticules))
            d->init(nullptr, nullptr);
}

void oublierEmetteurDialogues(const CParticules* emetteur)
{
    if (auto* d = dialogue<CJeuDialogPhysParticulesOptions>(IdSprite::DIALOGUE_PARTICULES))
        if (emetteur && d->pParticules == emetteur)
            d->init(nullptr, nullptr);
}
