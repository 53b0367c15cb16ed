#pragma once
// Reader of ".dec" sprite definitions: the images go to the target image bank (CDEC),
// everything else stays in this object for the decor-sprite creation to copy.
#include "core/Fichiers.h"
#include "core/NotesLecture.h"
#include "core/TuvFile.h"

#include <SFML/Graphics/Color.hpp>

#include <memory>
#include <string>
#include <vector>

class CDEC;
class CSPRITE;
class CSPRITE3;
class CParticules;
class CPhysDestruction;
namespace sf { class Texture; }

// "SCRIPTRUN" record, completed by the two keys that follow it.
struct ScriptRunDEC {
    std::string fichier;
    int declencheur = 0;
    bool bFlag = false;
    int maxRuns = 0;
    int chrono = 0;                        // "SCRIPT_DECLENCHEUR_CHRONO", seconds
    bool bDetruireAuRechargement = false;  // "SCRIPT_DESTROYONRELOAD"
};

// "ADD_OVER" record: an image drawn over the sprite.
struct OverDEC {
    std::string nom;
    std::string fichier;
    int n = 0;
    int x = 0;
    int y = 0;
    float sx = 1;
    float sy = 1;
    float rot = 0;
    bool bVisible = true;
};

// "PLANTE": sway of plant sprites.
struct PlanteDEC {
    float angleMin = 0;
    float angleMax = 0;
    float vitesse = 0;
    int entier = 0;
    float reel = 0;
    int entiers[4] = {0, 0, 0, 0};
};

class CFichierDEC : public CTUVFile {
public:
    std::string id;
    std::string chemin; // file read last (set once it opened)
    tuv::EmpreinteFichier empreinte; // that file as it was when read
    std::string fichierSprite3;
    std::shared_ptr<CSPRITE3> pSprite3; // read from fichierSprite3 (g_services.lireSprite3)
    int largeurFrame = 0;         // of the last "SPRITE"/"SPRITE2" line
    int hauteurFrame = 0;
    int numAnimDebut = -1; // -1: random start frame
    float origineX = -1;   // -1: half the frame size
    float origineY = -1;
    int collisions = 0;
    float echelleX = 1;
    float echelleY = 1;
    bool bVisible = true;
    sf::Texture* pTextureCreuse[2] = {nullptr, nullptr}; // owned: hole image, edge image
    std::string ligneParticules; // values of "PARTICULESD", as written
    CParticules* pParticules = nullptr;
    std::string ligneShaderSD; // values of "SHADERSD", as written
    CSPRITE* pShaderSD = nullptr;
    int degats[2] = {0, 0};
    bool bPlante = false;
    PlanteDEC plante;
    std::vector<ScriptRunDEC> scripts;
    bool bPosDansLePlan = false;
    std::string sonNom;
    int sonDelai = 0;
    int sonMode = 0;
    int hitbox[4] = {0, 0, 0, 0}; // left, top, right, bottom
    bool bPhysDestruction = false;
    int destruction[11] = {};
    sf::Color couleur = sf::Color::White;
    std::vector<OverDEC> overs;
    float tempsFrame = 0;
    std::string planche;
    std::string masque;
    // What the last read took otherwise than written (chargerDEC says them on the console).
    tuv::RecueilNotes notes;

    CFichierDEC() = default;
    ~CFichierDEC() override;

    // Reads a ".dec" file; the sprite lines fill cible (animations numbered from 0).
    // A file that does not open gives false and changes nothing.
    bool chargerDEC(const std::string& fichier, CDEC* cible);
    // Value of the file's last "ID" line; "" when it does not open or has none.
    std::string lireIdDEC(const std::string& fichier);
    // The destruction every sprite of this definition takes ("PHYSDESTRUCTION"; without the
    // line, one that is off); the caller owns it.
    CPhysDestruction* nouvelleDestruction() const;

private:
    // The next value as an integer; a mesure (position, size, margin, damage, count of images)
    // is held to tuv::VALEUR_FICHIER_MAX, so that sums of a few stay inside int.
    int entier() { return getValueInt(); }
    int mesure();
    // A frame's width or height: below 0 the sprite would draw nothing, its size is read.
    int tailleFrame();
    float origine();
    void reinitialiser();
    void libererTexturesCreuses();
    void lireCle(const std::string& cle, CDEC* cible);
    bool lireCleSprite(const std::string& cle, CDEC* cible);
    bool lireCleScript(const std::string& cle);
    void lireCreuse();
    void lirePlante();
    void lireDestruction();
    void verifierDestruction();
    void lireOver();
    void lireDeuxNoms(std::string& premier, std::string& second);
    std::string resteDeLaLigne() const;

    int nbAnimations = 0;         // "SPRITE" and "SPRITE2" lines read
    std::string lieuDestruction;  // where the "PHYSDESTRUCTION" line is, for its note
};
