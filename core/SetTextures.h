#pragma once
// One numbered animation of an image bank: its frames as textures (numbered from 0),
// an optional mask image per frame, the frame size and the playback settings that
// the sprite animation step reads.
#include <map>
#include <string>

namespace sf { class Image; class Texture; }
class CDEC;

class CSetTextures {
public:
    std::map<int, sf::Image*> images;     // mask image of each frame (owned)
    std::map<int, sf::Texture*> textures; // texture of each frame (owned)
    int nbImages = 0;
    int nbTextures = 0;
    int largeur = 1;
    int hauteur = 1;
    float vitesse = 0.0f; // added to the frame accumulator each tick; one frame per 1.0
    int nbBoucles = 0;    // loop limit
    bool bAllerRetour = false;

    // The frames the animation plays: the count read from its file, else its textures.
    int nbFrames() const { return nbTextures > 0 ? nbTextures : int(textures.size()); }

    CSetTextures() = default;
    ~CSetTextures();
    CSetTextures(const CSetTextures&) = delete;
    CSetTextures& operator=(const CSetTextures&) = delete;

    // Cuts nbFrames frames in a row from the bank's sheet, starting at (x, y) and moving
    // right by the frame width; with a mask sheet each frame also gets its mask. Returns 0.
    int decouper(CDEC* banque, int x, int y, int nbFrames, int largeur, int hauteur, float vitesse,
                 int nbBoucles);
    // Loads the numbered files nom + "0008" + ".png"... (masks nom + "masque_" + number + ".png";
    // a single frame is the file nom itself). Mask modes: 0 none, 4 the mask file,
    // 1/2/3 opaque blue/green/red where the frame is not transparent, other: the frame's
    // own colour made opaque. Returns 1 without changing anything for "VIDE", else 0.
    int chargerSequence(const std::string& nom, int nbFrames, int largeur, int hauteur, int modeMasque,
                        float vitesse, int nbBoucles, int premierNumero, bool allerRetour);
    // Frees every texture and mask image; the counts keep their values until the next fill.
    void vider();

    // Frame file and mask file names of frame number n for a sequence of nbFrames frames.
    static std::string nomFichierFrame(const std::string& nom, int n, int nbFrames);
    static std::string nomFichierMasque(const std::string& nom, int n, int nbFrames);

    // Hostile files could ask for billions of frames or gigantic frames: fills that exceed
    // these bounds make no frame at all.
    static constexpr int NB_FRAMES_MAX = 4096;
    static constexpr int TAILLE_FRAME_MAX = 8192;
    static constexpr long long PIXELS_MAX = 1LL << 25;
    static bool dimensionsAcceptables(int nbFrames, int largeur, int hauteur);
};
