// Sound of a decor sprite. Modes: 0 none; 1 once after the delay; 2 again every delay;
// 3 looping from the start; 4 through the game's sound table only.
// The sprite's own sf::Sound is made by the game on demand and dropped when stopped:
// OpenAL has only a few hundred sources for the whole level.
#include "core/Sprite.h"

#include "core/Services.h"
#include "core/Texte.h"

#include <SFML/Audio/Sound.hpp>

#include <algorithm>
#include <cmath>

namespace {

float volumeApplique(float volumeSon)
{
    float effets = g_services.volumeEffets();
    if (std::isnan(effets))
        effets = 100;
    return std::clamp(volumeSon * effets / 100.0f, 0.0f, 100.0f);
}

} // namespace

// Kept also without a sound: the author may type the volume before the sound, and the level
// file keeps it.
void CSPRITE::setVolumeSon(float v)
{
    volumeSon = std::isnan(v) ? 0.0f : std::clamp(v, 0.0f, 100.0f);
    if (pSon)
        pSon->setVolume(volumeApplique(volumeSon));
}

void CSPRITE::stopSon()
{
    if (idSon.empty())
        return;
    if (pSon) {
        pSon->stop();
        delete pSon;
        pSon = nullptr;
    } else {
        g_services.arreterSon(idSon);
    }
    bSonJoue = false;
}

void CSPRITE::gererSon()
{
    // The mode first: most sprites have no sound, and the name lies further in the sprite.
    if (modeSon <= 0 || modeSon > 4 || bSonStoppe || idSon.empty())
        return;
    compteurSon--;
    if (compteurSon > 0)
        return;
    bool propre = pSon && modeSon != 4;
    switch (modeSon) {
    case 1:
        if (bSonJoue)
            return;
        bSonJoue = true;
        break;
    case 3:
        if (propre) {
            if (pSon->getStatus() == sf::Sound::Playing)
                return;
            pSon->setLoop(true);
        } else {
            if (bSonJoue)
                return;
            g_services.bouclerSon(idSon, true);
            bSonJoue = true;
            return;
        }
        break;
    default:
        // The delay counts frames at 30 per second: at 60 the same period takes twice as many.
        compteurSon = std::max(tuv::floatVersInt(std::trunc(static_cast<float>(delaiSon) / coefficientTemps())), 1);
        break;
    }
    if (propre) {
        pSon->setVolume(volumeApplique(volumeSon));
        pSon->play();
    } else {
        g_services.jouerSon(idSon);
    }
}
