#pragma once
// Image bank and sprite definition: the sprite sheet (and its mask sheet), the numbered
// animations cut from it or loaded from image sequences, and the two file objects that
// describe the sprite (".dec" decor definition, ".per" character definition).
#include <SFML/Graphics/Image.hpp>

#include <cstdint>
#include <map>
#include <string>
#include <vector>

class CSetTextures;
class CFichierDEC;
class CPersoDef;
class CPerso;

// A part attached to a character (".per" "IAPART" line), in the order of that line.
struct PartieAttachee {
    std::string s1;
    std::string s2;
    int i1 = 0;
    int i2 = 0;
    int i3 = 0;
    float f1 = 0;
    float f2 = 0;
    float f3 = 0;
    float f4 = 0;
    int i4 = 0;
    int i5 = 0;
    int i6 = 0;
    bool bAvantPlan = true; // "IAPARTAVP"
};

class CDEC {
public:
    std::string nom; // key under which the bank is filed; for a ".dec" definition its ID
    std::string id;
    CFichierDEC* pFichierDEC = nullptr; // owned, always made
    CPersoDef* pPersoDef = nullptr;     // owned, made through g_services.creerPersoDef
    CPerso* pPersoModele = nullptr;     // not owned
    // Owned. A number, once given a set, keeps that very set for the bank's whole life (sets
    // are emptied and filled again, never replaced or removed): sprites keep the set they
    // found under the bank's serial number.
    std::map<int, CSetTextures*> anims;
    int nbAnims = 0;                    // next animation number to fill
    sf::Image planche;
    sf::Image* pMasquePlanche = nullptr; // owned, null without a mask sheet
    bool bPartiePerso = false;
    std::vector<PartieAttachee> frames;
    int nbFrames = 0;
    // Unique to this bank in the run (never 0), unlike its address, which a later bank can take.
    const std::uint64_t serie;

    CDEC();
    ~CDEC();
    CDEC(const CDEC&) = delete;
    CDEC& operator=(const CDEC&) = delete;

    // Loads the sheet, and the mask sheet when masque is not empty (otherwise the bank
    // has none any more).
    void chargerPlanche(const std::string& planche, const std::string& masque);
    // Next-numbered animation cut from the sheet, in the ".per" order.
    void ajouterAnim(int gauche, int haut, int largeur, int hauteur, int nbFrames, float vitesse,
                     int option);
    // The same in the order of a ".dec" "SPRITE" line and of "SPRITETIR".
    void ajouterAnimDec(int x, int y, int nbFrames, int largeur, int hauteur, float vitesse,
                        int nbBoucles);
    // Next-numbered animation from a numbered image sequence ("VIDE" adds an empty one).
    void ajouterAnimNom(const std::string& nom, int nbFrames, int largeur, int hauteur, int modeMasque,
                        float vitesse, int nbBoucles, int premierNumero, bool allerRetour);
    // Replaces the bank's animations by a single one cut from the sheet (shield image).
    void setAnimUnique(int gauche, int haut, int largeur, int hauteur, int nbFrames, float vitesse);
    void ajouterFrames(const std::string& s1, const std::string& s2, int i1, int i2, int i3, float f1,
                       float f2, float f3, float f4, int i4, int i5, int i6);

    // Animation of that number, created empty when missing.
    CSetTextures& anim(int numero);
    // Animation of that number, or null when there is none.
    const CSetTextures* trouverAnim(int numero) const;
    // Number of frames of an animation (0 when missing).
    int nbFramesAnim(int numero) const;

    // Mask pixels all the bank's cut animations may hold together: 64 MB of images, some
    // eighteen times the largest frame of the shipped data.
    static constexpr long long PIXELS_MASQUES_MAX = 1LL << 24;
    // Mask pixels the bank's animations hold now.
    long long pixelsMasques() const;
    // Whether the console was told that a line of the bank lost its frames to that bound.
    bool bCoupeMasquesSignalee = false;

private:
    // The set that the next fill goes to, emptied.
    CSetTextures& prochainSet();
};
