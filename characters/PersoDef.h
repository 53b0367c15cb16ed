#pragma once
// A character definition: what a ".per" character file says. Every image bank (CDEC) owns
// one (installerHooksPersoDef); the makers of single characters (preloading, the level's
// "PERSO3" lines) keep one on the stack, pointed at the character being built, for the
// time of the reading. appliquer() then copies the definition into a character: the one
// place where the three makers' copy rules live.
#include "characters/FichierValeurs.h"
#include "core/Fichiers.h"

#include <functional>
#include <memory>
#include <string>
#include <vector>

class CDEC;
class CDecor;
class CParticules;
class CPerso;
class CSPRITE;

class CPersoDef : public CFichierValeurs {
public:
    static constexpr int NB_ANIMATIONS = 37;
    static constexpr int NB_POSITIONS_TIR = 23;

    // Indexes of `animations`: the stand and walk tables (plain, then 0, 30, 45, 70, 90,
    // 110, 135, 150, 180 degrees), the two jump tables (plain, then 0, 45, 90, 135, 180),
    // then the five single animations.
    enum IndexAnimation {
        ANIM_ARRET = 0,
        ANIM_MARCHE = 10,
        ANIM_SAUT_ASC = 20,
        ANIM_SAUT_DSC = 26,
        ANIM_RECEPTION = 32,
        ANIM_RECEPTION_ARME = 33,
        ANIM_ACTION = 34,
        ANIM_TOUCHE = 35,
        ANIM_MORT = 36,
    };

    // One "SCRIPTRUN" line; the numbers are options of the script engine.
    struct Script {
        std::string fichier;
        int declencheur = 0;
        bool bFlag = false;
        int maxRuns = 0;
    };
    // One "ADD_OVER" line: an image drawn over the character's sprite.
    struct Over {
        int parametre = 0;
        std::string nom;
        std::string fichier;
        int x = 0, y = 0;
        float sx = 1, sy = 1, rotation = 0;
        bool bFlag = false;
    };
    // One "ARME" line with the keys that follow it.
    struct Arme {
        int numero = 0;      // index in the game's weapon list
        int munitions = 0;   // the weapon's, when the number is in the list
        bool bPossedee = false;
        int option1 = 0, option2 = 0;
        int cadence = 0;     // the weapon's, when the number is in the list
        int rechargeAuto = -1;
        int premierSprite[2] = {-1, -1};
        // Standing at 0, 180, 45, 90, 135, 30, 70, 110, 150 degrees; crouched at the same;
        // crouch-walking at 0, 180, 45, 90, 135.
        int positionsTir[NB_POSITIONS_TIR][2] = {};
    };
    struct RectSprite {
        int gauche = 0, haut = 0, largeur = 0, hauteur = 0, nbFrames = 0;
        float vitesse = 0;
        int option = 0;
    };

    // Who makes the character: the game's preloading ("LOADPERSO", "LOADIA"), the level's
    // "PERSO3" line (made as preloading does) or the level's AI creation.
    enum class Usage { Prechargement, Perso3, CreationIA };

    CPersoDef();
    ~CPersoDef() override;

    // Reads a ".per" file. bApercu: the character picker's preview, whose sprite lines go
    // to the picker's bank (banqueApercu). decor holds the banks of the level's
    // definitions (may be null: sprite lines then add nothing). Reports nothing; a file
    // that does not open changes nothing.
    void charger(const std::string& fichier, bool bApercu, CDecor* decor);
    // The value of the file's last "ID" line; "" when it does not open or has none.
    std::string lireNom(const std::string& fichier);
    // Fills an emitter from the 49 values of the current line, then pauses it.
    void lireParticules(CParticules& emetteur);
    // Appends a weapon line; true.
    bool ajouterArme(int numero, bool bPossedee, int option1, int option2);
    // Copies the definition into a character, as its maker's column of the table says. The
    // AI creation sets the character's bVaisseau and direction first (the origin and the
    // mirroring follow them), and starts the definition's scripts itself afterwards.
    void appliquer(CPerso& p, Usage usage) const;
    // Pieces of the AI creation's column that the level's "PERSO" lines take too:
    // - one over per "ADD_OVER" line on the sprite;
    void ajouterOvers(CSPRITE& s) const;
    // - the explosion shown at death ("EXPLOSION"), when the game's list has it: the
    //   character's explosion sprite takes its bank, centred, at the line's scale;
    void lierExplosion(CPerso& p) const;
    // - each emitter of the definition as the character's own copy, following its sprite,
    //   replacing what the character had in that slot.
    void copierEmetteurs(CPerso& p) const;

    // The character picker's image bank (the picker sets it); null: preview sprite lines add
    // nothing.
    static std::function<CDEC*()> banqueApercu;

    // ---- fields, in their documented order --------------------------------------------
    std::string nomFichier;
    tuv::EmpreinteFichier empreinte;   // that file as it was when read
    std::vector<std::string> parties;  // the keys of its "TEXTURE_PER_PART" lines
    std::unique_ptr<CPerso> pPersoApercu;  // made by "SPRITE3" when no character is built
    std::string id;
    std::string idIA;
    std::string planche, planche2;
    std::vector<std::unique_ptr<Script>> scripts;
    int directionPlanche = 0;
    RectSprite rectSprite;
    std::vector<Over> overs;
    std::string cleDefinition;  // set by the caller; never changed by the reader
    int optionSprite2 = 0;
    std::unique_ptr<CParticules> particuleTouche, particuleMort, particuleFin, particuleLien;
    std::unique_ptr<CSPRITE> spriteShaderLien;
    std::string cleCourante;
    CPerso* pPerso = nullptr;  // the character being built (set by the caller), not owned
    int modeIA = -1;
    int mode = 0;
    int collisions = 0;
    float echelleX = 1, echelleY = 1;
    int vitesse = 8, vitesseBas = 1, vitesseChute = 8, vitesseSaut = 8, poids = 100;
    int vie = 200, vieMax = 200;
    int degats[2] = {0, 0};
    int maxSaut = 18, maxSautAuto = 24, maxEscalier = 40;
    int patrouille = 0;
    bool bChuteVaisseauMort = false;
    float origineX = -1, origineY = -1;  // -1: not given
    bool bVieVisible = true;
    std::string fichierSprite3;
    std::string fichierOmbre;
    std::string sonDegats;
    int hitbox[4] = {0, 0, 0, 0};  // left, top, right, bottom margins
    int animations[NB_ANIMATIONS] = {};
    int posTete[2] = {0, 0};
    int posPieds = 0;
    int posMitrailleuse[2] = {0, 0};
    std::string explosion;
    int bSupprimerMort = 0;
    float echelleExplosionX = 0, echelleExplosionY = 0;
    std::vector<std::unique_ptr<Arme>> armes;
    int nbArmes = 0;

private:
    enum class Type;
    struct Cle;
    static const Cle* trouverCle(const std::string& cle);

    void reinitialiser();
    void lireCle(const Cle& cle);
    void lireReglage(const Cle& cle);
    void lireImage(const Cle& cle);
    const RectSprite& lireRectSprite(bool avecOption);
    void lireSprite2();
    void lireSpriteBouclier();
    void lirePartie();
    void lireIAPart();
    void lireEmetteur(int numero);
    void lireShaderLien();
    void lireSprite3();
    void lireLigneArme(const Cle& cle);
    // An integer of the current line, read as at least min: one that is no number, or below
    // min, is named.
    int valeurBornee(bool mesure, int min);
    // The bank a sprite line of the current reading goes to: the picker's in preview mode,
    // else the level's bank of the current id; null when there is none.
    CDEC* banqueLignes() const;
    CDEC* banqueDe(const std::string& cle) const;
    void copierVersPersonnage(CPerso& p, Usage usage) const;
    void copierCreationIA(CPerso& p) const;
    void placerOrigine(CPerso& p, Usage usage) const;

    bool bApercuEnCours = false;
    CDecor* decorEnCours = nullptr;
    bool bDessin = false;  // a sprite line or a part was read: the character shows
};

// Makes every image bank own a character definition from now on (CDEC's hooks).
void installerHooksPersoDef();
