#pragma once
// The base sprite: every decor sprite, effect, HUD item and tool sprite is one.
// Textures are never cached here: they are fetched from the bank (pDEC) when drawn,
// so that re-reading a definition cannot leave a live sprite pointing at freed images.
#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <cstddef>
#include <cstdint>
#include <map>
#include <memory>
#include <new>
#include <optional>
#include <string>

class CDEC;
class CSetTextures;
class CPhysBascule;
class CPhysG;
class CPhysRebond;
class CPhysEffondrement;
class CPhysDestruction;
class CParticules;
class CChemin;
class CForceSD;
namespace sf { class RenderTarget; class Shader; class Sound; }

// A shader uniform as declared in the shader source, with the value the level gives it.
struct UniformSD {
    std::string strType;  // "float", "int", "vec2", "vec3", "vec4"
    float fValeur = 0;    // also w of a vec4
    int iValeur = 0;
    float fVec2X = 0, fVec2Y = 0;
    float fVec3X = 0, fVec3Y = 0, fVec3Z = 0;
    float fVec4X = 0, fVec4Y = 0, fVec4Z = 0;
    float fPhaseDiviseur = 0;  // 0 = constant, else the game clock / this is added
};

// The drawable of a new sprite: copying it costs a level load of thousands of sprites less
// than constructing each drawable through the graphics library (several calls per sprite).
const sf::Sprite& spriteVierge();

// Every field of a sprite. Kept apart from CSPRITE so that its copy constructor can
// copy them all at once and then drop what a copy must not share.
struct DonneesSprite {
    using Uniforms = std::map<std::string, UniformSD>;

    // An image drawn over the sprite (alert marker, label...).
    struct Over {
        std::string fichier;
        int anim = 0;
        float x = 0, y = 0;
        float sx = 1, sy = 1;
        float rotation = 0;
        bool bVisible = true;
        int plan = -1;  // -1: drawn with the sprite in its own pass
        // The loaded image; shared so that copying a sprite or a record stays cheap and safe.
        std::shared_ptr<sf::Texture> texture;
        std::shared_ptr<sf::Image> image;
        std::string fichierCharge;  // which file texture/image hold
    };
    using Overs = std::map<std::string, Over>;


    // --- identity ---
    CDEC* pDEC = nullptr;  // not owned
    bool bDecDefaut = false;

    // --- place ---
    float x = 0, y = 0, x0 = 0, y0 = 0;
    float sx = 1, sy = 1;
    float sxMax = 1, syMax = 1;
    float ox = 0, oy = 0;
    float rotangle = 0;
    float rotangle_virtuel = 0;
    float rotationPas = 0;
    float angleDynamique = 0;  // seesaw and sway tilt; never saved
    float angleTourne = 0;     // turned by rotationPas since the level was made; never saved
    int flipH = 1, flipV = 1;
    int sens = 1;
    sf::Color couleur = sf::Color::White;

    // --- size ---
    bool bTailleFixe = false;
    bool bAnime = false;
    // Zone cue, size, zone number and hit-box margins beside the place: the scripts' trigger
    // test reads them with the place for every zone script each frame.
    bool bIndiceZone = false;
    int largeurFixe = 0, hauteurFixe = 0;
    int calque = 0;
    int hitbox[4] = {0, 0, 0, 0};

    // --- animation ---
    int numAnim = 0;
    int numFrame = 0;
    float tempsFrame = 0;
    int sensAnim = 1;
    int nbanimtotale = 0;
    int nbBouclesMax = 0;
    int niveauAnimFixe = 0;

protected:
    // Beside the animation fields, which every frame reads too: a frame of a level's
    // thousands of sprites touches fewer cache lines of each.
    int largeurPx = 0, hauteurPx = 0;  // frame size set at the last animation change
    bool bAnimeCetteFrame = false;    // a behaviour already advanced the animation this frame
    bool bTextureVoulue = false;      // within afficher's behaviours: animer keeps the texture for the draw
    // The animation number of setAnime (below), in the room the flags above leave before the
    // pointers: a character's step then reads no line past the animation's.
    int numSetAnime = 0;
    // The current frame's texture as animer found it during the afficher call in progress
    // (null otherwise): the draw then needs no second look into the bank.
    const sf::Texture* textureAnimee = nullptr;
    // The set animer last found, for the bank of that serial number and animation numSetAnime.
    CSetTextures* setAnime = nullptr;
    std::uint64_t serieSetAnime = 0;

public:

    // --- visibility ---
    bool bVisible = true;
    bool bVisibleDepart = true;

    // --- level / editor ---
    int plan = 0;
    int groupe = 0;
    float paramsScript[3] = {0, 0, 0};
    int collision = 0;
    bool bCollisionsActives = true;
    int degats[2] = {0, 0};
    bool bPosDansLePlan = false;
    bool bLock = false;
    bool bSelectionne = false;
    bool bASupprimer = false;
    bool bAncreKP = false;
    bool bTemporaire = false;
    bool bMarqueurPerso = false;
    bool bChange = false;
    int marqueTir = 0;
    bool bImpact = false;
    bool bPorteFermee = false;
    int decalageLabel = 0;
    // A weapon fountain's weapon (0-8 of the options' row), -1 while it has none to give.
    int numArmeFontaine = -1;
    // What a load gives the sprite and a restart gives back: the frame of animation 0 it
    // starts on (its definition's NUM_ANIM_DEBUT, or one drawn at random), and, while a
    // script's colour shows, the colour the level gave it (none otherwise).
    int numFrameDepart = 0;
    std::optional<sf::Color> couleurDuNiveau;

    // --- what every frame's draw asks of each sprite, together ---
    // The behaviours' switches (their objects below), the sway's, the sound mode, the
    // shaders' names, the shadow's switches, the overlays and the drawable follow the fields
    // the per-frame loops read: a frame of thousands of sprites then touches a few cache
    // lines of each, the rest of the sprite (names, behaviours' objects and settings, sound,
    // uniforms) lying after them.
    bool bPhysB = false, bPhysG = false, bPhysR = false, bPhysE = false, bPhysP = false, bPhysC = false;
    bool bPhysDestruction = false, bPhysForce = false;
    bool bPlante = false;
    bool bOmbre = false, bOmbreAvantPlan = false;
    int modeSon = 0;
    std::string strShaderVert, strShaderFrag;
    Overs overs;
    sf::Sprite sprite{spriteVierge()};

    // --- identity, by name ---
    // type first: strID then lies within one cache line (the sprite starts one), and the
    // look-up by id reads it of every sprite of the level.
    std::string type = "DEC";
    std::string strID;
    std::string strSourceDEC;

    // --- behaviours (owned, null while off; their switches above) ---
    CPhysBascule* pPhysB = nullptr;
    CPhysG* pPhysG = nullptr;
    CPhysRebond* pPhysR = nullptr;
    CPhysEffondrement* pPhysE = nullptr;
    CParticules* pParticules = nullptr;
    CChemin* pChemin = nullptr;
    CPhysDestruction* pPhysDestruction = nullptr;
    CForceSD* pForce = nullptr;

    // --- sway (its switch above) ---
    float planteAngleMin = 0, planteAngleMax = 0, planteVitesse = 0;
    int planteEntier = 0;
    float planteEchelleBase[2] = {1, 1};
    float planteFloat2 = 0;
    int planteEntiers[4] = {0, 0, 0, 0};
    int planteSens = 1;  // run-time swing direction
    // Multipliers of the lowest angle, the highest angle and the speed of the sway (set for
    // the whole level by a script command; 1 leaves the sprite's own values).
    float planteMultAngleMin = 1, planteMultAngleMax = 1, planteMultVitesse = 1;

    // --- sound (its mode above) ---
    std::string idSon;
    sf::Sound* pSon = nullptr;  // owned; created on demand by the game
    int delaiSon = 0;
    int compteurSon = 0;
    static constexpr float VOLUME_SON_DEFAUT = 100;  // also of a level line without "VOLUMESON"
    float volumeSon = VOLUME_SON_DEFAUT;
    bool bSonStoppe = false;
    bool bSonJoue = false;  // modes 1 and 3: already started

    // --- shaders (their names above) ---
    Uniforms uniformsVert, uniformsFrag;
    bool bShader = false;
    float valeursShader[5] = {0, 0, 0, 0, 0};

    // --- shadow (its switches above) ---
    float ombreSX = 1, ombreSY = 1, ombreDX = 0, ombreDY = 0, ombreRotation = 0;

    // --- screen effect ---
    bool bEffetEcran = false;
    int effetTemps1 = 0, effetTemps2 = 0;
    float effetX = 0, effetY = 0;
    int effetMode = 0;
    int effetVie = 0;
};

// On a cache line of its own: the fields a frame's loops read of each of thousands of
// sprites (place, size, zone) then lie on as few lines as the layout above allows.
class alignas(64) CSPRITE : public DonneesSprite {
public:
    using Uniform = UniformSD;
    CSPRITE();
    CSPRITE(const CSPRITE& autre);
    CSPRITE& operator=(const CSPRITE&) = delete;
    virtual ~CSPRITE();

    // A level makes and frees thousands of sprites: they are cut one after the other from
    // plates of a few dozen of one size, and a plate goes back to the C library with its last
    // sprite (SpriteBlocs.cpp). The size tells the delete which plates a sprite came from.
    static void* operator new(std::size_t taille, std::align_val_t alignement);
    static void operator delete(void* objet, std::size_t taille, std::align_val_t alignement) noexcept;

    // --- placing and animation ---
    int placer(int numAnim, int x, int y);
    void placerImage(int anim, int frame, int x, int y);
    virtual void animer(int numAnim = -1);
    int setAnim(int numAnim);
    int getNumAnim() const { return numAnim; }
    void deplacer(int numAnim, float dx, float dy);
    void deplacerAnime(int numAnim, float dx, float dy, int niveau);
    void setPosInit(int x0, int y0, float maxSx, float maxSy);
    void setScale(float sx, float sy);
    float getSX() const { return sx; }
    float getSY() const { return sy; }
    void setFlip(bool h, bool v);
    void setRotation(float deg);
    float getAngleTotal() const { return rotangle + rotangle_virtuel + angleDynamique + angleTourne; }
    void setOrigine(float ox, float oy);
    void appliquerOrigine();
    void setVisible(bool visible) { bVisible = visible; }
    bool estVisible() const { return bVisible; }
    void setColor(sf::Color c);
    // A colour that play gives (a script's): shown until the next restart, which gives the
    // level's back; the level file keeps the level's.
    void colorerEnJeu(sf::Color c);
    sf::Color couleurSauvee() const { return couleurDuNiveau.value_or(couleur); }
    int getLargeur() const;
    int getHauteur() const;
    // Both at once (one look-up in the bank).
    sf::Vector2i getTaille() const;
    int getLargeurPx() const { return largeurPx; }
    int getHauteurPx() const { return hauteurPx; }
    sf::Sprite getSprite() const;
    const sf::Texture* getTexture(int anim, int frame) const;
    const sf::Image* getMasque(int anim, int frame) const;
    std::string getID() const { return strID; }
    std::string getIdDEC() const;
    // The set of the current animation; null without bank or for an unknown number.
    CSetTextures* getSet(int anim) const;
    // Bounding box in level coordinates (position, origin, scale, flips, total angle).
    sf::FloatRect getBoite() const;

    // --- overlays ---
    void Over(const std::string& nom, const std::string& fichier, int anim, float x, float y, float sx,
              float sy, float rot, bool visible, int plan = -1);
    void setOverVisible(const std::string& nom, bool visible);
    void setOverFichier(const std::string& nom, const std::string& fichier);
    void supprimerOver(const std::string& nom);
    struct Over& getOver(const std::string& nom);
    std::string getIdOver(float x, float y);
    void afficherOvers(sf::RenderTarget& cible, int plan);

    // --- drawing ---
    // passe: 0 or 1; the main plane (2) is drawn twice, a POSDANSLEPLAN sprite there in pass 1.
    // vue: what the camera shows, in level coordinates; a sprite outside it costs no draw
    // (empty: draw wherever it lies).
    virtual void afficher(sf::RenderTarget* cible, float dx, float dy, bool passe,
                          const sf::FloatRect& vue = sf::FloatRect());
    // The pass in which this sprite runs its behaviours and draws.
    int passeDessin() const { return (plan == 2 && bPosDansLePlan) ? 1 : 0; }
    // Asks for the cache lines a still sprite's draw reads (from its start to the end of the
    // drawable): a loop over sprites calls it for the next one while this one draws.
    void prechargerDessin() const
    {
        const char* fin = reinterpret_cast<const char*>(&sprite + 1);
        for (const char* l = reinterpret_cast<const char*>(this); l < fin; l += 64)
            __builtin_prefetch(l);
    }
    // Per-frame behaviours and animation (step 2 of afficher), run once per frame.
    void majComportements();
    // What play changed in the behaviours and their marks on the sprite back to what the level
    // made (a restart): every behaviour's run state, the tilt, turn and hit tint, a script's
    // colour, the visibility a destruction took, the door, push and shot marks. The settings
    // stay, as do the place and the animation, which the caller rewinds.
    void reinitialiserComportements();
    // Draws the current image with everything applied, without culling or behaviours.
    virtual void dessinerImage(sf::RenderTarget& cible, float dx, float dy);

    // --- sound ---
    void setVolumeSon(float v);
    void stopSon();
    void gererSon();

protected:
    void appliquerEchelle();
    // Sets the sprite's texture from the bank now; null when the frame has none.
    const sf::Texture* appliquerTexture();
    // Sets the sprite's texture to t, the current frame's (null: none).
    const sf::Texture* appliquerTexture(const sf::Texture* t);
    // Selects an animation from its first frame with counters reset.
    void choisirAnim(int numero);
    // getSet(numAnim), kept from the last call while the bank and the number stay.
    CSetTextures* setDuNumero();
    void dessinerAvec(sf::RenderTarget& cible, float dx, float dy, const sf::Shader* shader);
    // Texture and transform of sprite from the current state; null when there is no image.
    const sf::Texture* preparerSprite();
    // The same with the current frame's texture already found (null: none).
    const sf::Texture* preparerSprite(const sf::Texture* image);
    void dessinerPrepare(sf::RenderTarget& cible, float dx, float dy, const sf::Shader* shader);
    // Shadow, image with its shader, shadow in front and overlays, once sprite is prepared.
    void dessinerVisible(sf::RenderTarget& cible, float dx, float dy);
    void dessinerOmbre(sf::RenderTarget& cible, float dx, float dy);
    void dessinerExtrasEditeur(sf::RenderTarget& cible, float dx, float dy);
    void afficherOvers(sf::RenderTarget& cible, int plan, float dx, float dy);
    void chargerImageOver(struct Over& o);
    sf::Transform transformeDessin(float dx, float dy) const;
};

// List predicate of the decor layers: deletes the sprite and says so.
bool supprimerSD(CSPRITE* sd);
bool supprimerSprite(CSPRITE* sd);
bool supprimerSprite(sf::Sprite* s);
