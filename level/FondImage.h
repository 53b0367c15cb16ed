#pragma once
// The picture behind a level: one image file drawn each frame at an offset and a uniform
// scale into the scene render texture.
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <string>

class CFondImage {
public:
    // Replaces the picture by the file's; a file that does not read leaves an empty picture
    // and keeps the path, so that the level is saved back unchanged.
    void charger(const std::string& fichier);
    // Draws at (dx + x0, dy + y0) scaled by s; nothing before a load.
    void afficher(int dx, int dy);

    std::string strFichierFond;
    std::unique_ptr<sf::Image> pImage;
    std::unique_ptr<sf::Texture> pTexture;
    std::unique_ptr<sf::Sprite> pSprite;
    unsigned int largeur = 0, hauteur = 0;
    int x0 = 0, y0 = 0;
    float s = 1.0f;
    float shader_blur_radius = 0.0f;
};
