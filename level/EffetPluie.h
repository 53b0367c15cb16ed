#pragma once
// Rain: drops falling over the level, splashing on the decor or below the level.
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <vector>

namespace sf { class RenderTarget; }

class CEffetPluie {
public:
    static constexpr const char* IMAGE_GOUTTE = "./effets/pluie.png";
    static constexpr const char* IMAGE_ECLABOUSSURE = "./effets/pluie_fin.png";
    // Drop states between -1 (falling) and 0 (to be put back): splash frames left.
    static constexpr int TOMBE = -1;
    static constexpr int A_REPLACER = 0;
    static constexpr int ECLABOUSSURE = 4;

    // Loads both images, then makes n drops over a level of that size.
    CEffetPluie(int n, int largeur, int hauteur);
    // Makes n drops (0 to 10,000) with the base fall and drift steps.
    void creerGouttes(int n, int chute, int derive, int largeur, int hauteur);
    // Moves and draws drops premier .. fin - 1 into the scene; the decor's collision test on
    // falling drops when collision is set. cible is not used.
    void afficher(sf::RenderTarget* cible, int premier, int fin, bool collision);

    unsigned char drapeau = 1;
    sf::Texture textureGoutte;
    sf::Texture textureEclaboussure;
    int chuteBase = 100;
    int deriveBase = 20;
    int pasDerive = 20;  // current drift step
    int pasChute = 100;  // current fall step
    int largeur = 0, hauteur = 0;
    int marge = 300;
    int nbGouttes = 0;
    std::vector<sf::Sprite> gouttes;
    std::vector<int> etats;  // -1 falling, 1 to 4 splash frames left, 0 to be put back

private:
    void changerVent();
};
