#include "level/EffetOrage.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Sprite.h"
#include "level/ContexteNiveau.h"
#include "level/Decor.h"
#include "level/EffetsCommuns.h"

#include <SFML/Graphics/RenderTexture.hpp>

namespace {

constexpr float ECHELLE = 2;
// A stroke starts one drawing in 60, a flash one in 300, at 30 frames per second; at 60 the
// chances are halved, so that the storm strikes as often per second.
constexpr int CHANCES_ECLAIR = 60;
constexpr int CHANCES_FLASH = 300;
constexpr int ECHELLE_MAX = 4;       // a stroke of the largest size in both directions thunders
const sf::Color COULEUR_FLASH(255, 255, 255, 128);
constexpr int DUREE_SECOUSSE = 4, AMPLITUDE_SECOUSSE = 4;

} // namespace

void CEffetOrage::charger(CDecor& decor, int, int, int, int)
{
    pDecor = &decor;
    pEclair = effets::chargerSprite(DEFINITION, ECHELLE);
    compteurFlash = -1;
}

void CEffetOrage::afficher()
{
    if (!pEclair || !pEclair->getSprite() || !pDecor)
        return;
    if (compteurFlash > 0) {
        --compteurFlash;
    } else {
        // A player's power and the dust cloud hold the filter on for themselves.
        const PartieJeu* jeu = faceJeu::partie();
        const bool pouvoir = jeu && jeu->bFiltrePouvoir;
        if (!pouvoir && !pDecor->bNuagePoussiere)
            pDecor->bFiltre = false;
    }
    if (pEclair->estAnimee()) {
        effets::avancerEtDessiner(*pEclair, niveau::scene());
        return;
    }
    if (tuv::rand() % niveau::images(CHANCES_ECLAIR) == 0)
        frapper();
    if (tuv::rand() % niveau::images(CHANCES_FLASH) == 0)
        flash();
}

void CEffetOrage::frapper()
{
    const int x = tuv::rand() % 1500 + 500;
    const int y = tuv::rand() % 50 + 100;
    const int a = tuv::rand() % ECHELLE_MAX + 1;
    const int b = tuv::rand() % ECHELLE_MAX + 1;
    pEclair->placer(x, y);
    pEclair->setScale(static_cast<float>(a), static_cast<float>(b));
    effets::avancerEtDessiner(*pEclair, niveau::scene());
    if (a == ECHELLE_MAX && b == ECHELLE_MAX)
        if (ServicesJeu* jeu = faceJeu::services())
            jeu->jouerSon("TONERRE1");
}

void CEffetOrage::flash()
{
    if (pDecor->pFiltre && pDecor->pFiltre->getSprite())
        pDecor->pFiltre->getSprite()->setColor(COULEUR_FLASH);
    pDecor->bFiltre = true;
    if (ServicesJeu* jeu = faceJeu::services()) {
        jeu->jouerSon("TONERRE2");
        jeu->secouerCamera(DUREE_SECOUSSE, AMPLITUDE_SECOUSSE);
    }
    compteurFlash = niveau::images(DUREE_FLASH);
}
