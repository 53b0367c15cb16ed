#include "core/SetTextures.h"

#include "core/Dec.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Texte.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Lock.hpp>

#include <algorithm>
#include <limits>

namespace {

// Part of the rectangle (x, y, w, h) that lies inside an image of the given size;
// empty when they do not overlap. Computed in 64 bits: x + k * width may overflow int.
sf::IntRect intersection(long long x, long long y, long long w, long long h, sf::Vector2u taille)
{
    const long long gauche = std::max(x, 0LL);
    const long long haut = std::max(y, 0LL);
    const long long droite = std::min(x + w, static_cast<long long>(taille.x));
    const long long bas = std::min(y + h, static_cast<long long>(taille.y));
    if (droite <= gauche || bas <= haut)
        return {};
    return sf::IntRect(static_cast<int>(gauche), static_cast<int>(haut), static_cast<int>(droite - gauche),
                       static_cast<int>(bas - haut));
}

// A failed sf::Image::loadFromFile empties the pixels but keeps the old size, so
// every load goes to a temporary that replaces the image only on success.
sf::Image* imageNoire(int largeur, int hauteur)
{
    auto* image = new sf::Image;
    image->create(static_cast<unsigned>(std::max(largeur, 0)), static_cast<unsigned>(std::max(hauteur, 0)),
                  sf::Color(0, 0, 0, 255));
    return image;
}

sf::Color couleurMasque(int modeMasque, sf::Color pixel)
{
    switch (modeMasque) {
    case 1: return sf::Color(0, 0, 255, 255);
    case 2: return sf::Color(0, 255, 0, 255);
    case 3: return sf::Color(255, 0, 0, 255);
    default: return sf::Color(pixel.r, pixel.g, pixel.b, 255);
    }
}

// Collision masks only tell "solid" from "empty": every visible pixel of the frame
// becomes the mode's opaque colour.
void colorierMasque(sf::Image& image, int largeur, int hauteur, int modeMasque)
{
    const unsigned l = std::min(static_cast<unsigned>(std::max(largeur, 0)), image.getSize().x);
    const unsigned h = std::min(static_cast<unsigned>(std::max(hauteur, 0)), image.getSize().y);
    for (unsigned y = 0; y < h; ++y)
        for (unsigned x = 0; x < l; ++x) {
            const sf::Color pixel = image.getPixel(x, y);
            if (pixel.a != 0)
                image.setPixel(x, y, couleurMasque(modeMasque, pixel));
        }
}

} // namespace

CSetTextures::~CSetTextures() { vider(); }

void CSetTextures::vider()
{
    for (auto& [numero, image] : images)
        delete image;
    for (auto& [numero, texture] : textures)
        delete texture;
    images.clear();
    textures.clear();
}

bool CSetTextures::dimensionsAcceptables(int nbFrames, int largeur, int hauteur)
{
    if (nbFrames > NB_FRAMES_MAX || largeur > TAILLE_FRAME_MAX || hauteur > TAILLE_FRAME_MAX)
        return false;
    if (nbFrames <= 0 || largeur <= 0 || hauteur <= 0)
        return true; // nothing to make, nothing to fear
    return static_cast<long long>(nbFrames) * largeur * hauteur <= PIXELS_MAX;
}

int CSetTextures::decouper(CDEC* banque, int x, int y, int nbFrames, int largeur, int hauteur, float vitesse,
                           int nbBoucles)
{
    nbImages = 0;
    nbTextures = 0;
    if (!dimensionsAcceptables(nbFrames, largeur, hauteur))
        nbFrames = 0;
    const sf::Image* planche = banque ? &banque->planche : nullptr;
    const sf::Image* masque = banque ? banque->pMasquePlanche : nullptr;
    if (masque && masque->getSize().x == 0)
        masque = nullptr;
    for (int k = 0; k < nbFrames; ++k) {
        const long long gauche = x + static_cast<long long>(k) * largeur;
        auto* texture = new sf::Texture;
        textures[nbTextures] = texture;
        // SFML would load the whole sheet for an empty rectangle: a frame outside the
        // sheet stays an empty texture instead.
        if (planche) {
            const sf::IntRect zone = intersection(gauche, y, largeur, hauteur, planche->getSize());
            if (zone.width > 0)
                texture->loadFromImage(*planche, zone);
        }
        if (masque) {
            sf::Image* image = imageNoire(largeur, hauteur);
            images[nbImages] = image;
            // sf::Image::copy does not clip a source rectangle that runs past the sheet's
            // right or bottom edge; clip it here.
            const sf::IntRect zone = intersection(gauche, y, largeur, hauteur, masque->getSize());
            if (zone.width > 0)
                image->copy(*masque, static_cast<unsigned>(zone.left - gauche),
                            static_cast<unsigned>(zone.top - y), zone, false);
            ++nbImages;
        }
        ++nbTextures;
    }
    this->largeur = largeur;
    this->hauteur = hauteur;
    this->vitesse = vitesse;
    this->nbBoucles = nbBoucles;
    return 0;
}

namespace {

std::string texteNumero(int n)
{
    const std::string texte = tuv::itos(n);
    if (n < 10)
        return "000" + texte;
    if (n < 100)
        return "00" + texte;
    if (n < 1000)
        return "0" + texte;
    return texte;
}

} // namespace

std::string CSetTextures::nomFichierFrame(const std::string& nom, int n, int nbFrames)
{
    if (nbFrames == 1)
        return nom;
    return nom + texteNumero(n) + ".png";
}

std::string CSetTextures::nomFichierMasque(const std::string& nom, int n, int nbFrames)
{
    if (nbFrames == 1)
        return "";
    return nom + "masque_" + texteNumero(n) + ".png";
}

int CSetTextures::chargerSequence(const std::string& nom, int nbFrames, int largeur, int hauteur,
                                  int modeMasque, float vitesse, int nbBoucles, int premierNumero,
                                  bool allerRetour)
{
    if (nom == "VIDE")
        return 1;
    nbImages = 0;
    nbTextures = 0;
    if (!dimensionsAcceptables(nbFrames, largeur, hauteur))
        nbFrames = 0;
    for (int k = 0; k < nbFrames; ++k) {
        // Numbers past INT_MAX cannot name a file: stop there.
        if (premierNumero > 0 && k > std::numeric_limits<int>::max() - premierNumero)
            break;
        const int n = premierNumero + k;
        const std::string fichier = nomFichierFrame(nom, n, nbFrames);
        auto* texture = new sf::Texture;
        textures[nbTextures] = texture;
        {
            sf::Lock verrou(CSFMLJeuGlobal::mutex);
            tuv::chargerMedia(*texture, fichier);
        }
        ++nbTextures;
        if (modeMasque > 0) {
            // A mask whose file does not load stays empty, which nothing collides with: a
            // frame-sized black image would let a file ask for 128 MB at every line.
            auto* image = new sf::Image;
            images[nbImages] = image;
            sf::Image lue;
            if (tuv::chargerMedia(lue, modeMasque == 4 ? nomFichierMasque(nom, n, nbFrames) : fichier)) {
                *image = lue;
                if (modeMasque != 4)
                    colorierMasque(*image, largeur, hauteur, modeMasque);
            }
            ++nbImages;
        }
    }
    this->largeur = largeur;
    this->hauteur = hauteur;
    this->vitesse = vitesse;
    this->nbBoucles = nbBoucles;
    bAllerRetour = allerRetour;
    return 0;
}
