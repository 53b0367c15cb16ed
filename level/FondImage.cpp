#include "level/FondImage.h"

#include "core/Globals.h"
#include "core/Media.h"

#include <SFML/Graphics/RenderTexture.hpp>

void CFondImage::charger(const std::string& fichier)
{
    // A failed load may keep the old size over emptied pixels: read aside, keep it only whole.
    auto image = std::make_unique<sf::Image>();
    sf::Image lue;
    if (tuv::chargerMedia(lue, fichier))
        *image = lue;
    pImage = std::move(image);
    strFichierFond = fichier;
    largeur = pImage->getSize().x;
    hauteur = pImage->getSize().y;
    pTexture = std::make_unique<sf::Texture>();
    if (largeur > 0 && hauteur > 0)
        pTexture->loadFromImage(*pImage, sf::IntRect());
    pSprite = std::make_unique<sf::Sprite>(*pTexture);
}

void CFondImage::afficher(int dx, int dy)
{
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    if (!pSprite || !scene)
        return;
    // Summed in 64 bits: offsets near the int limits must not overflow.
    pSprite->setPosition(float(static_cast<long long>(dx) + x0), float(static_cast<long long>(dy) + y0));
    pSprite->setScale(s, s);
    scene->draw(*pSprite);
}
