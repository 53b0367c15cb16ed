#pragma once
// Records of the layered animated sprite CSPRITE3: elements cut from the sheet,
// animations made of anim elements (AEs) and keyframes, and the values of each AE at
// each keyframe (its key). Owned records are held by std::unique_ptr; a keyframe holds
// its keys by value, one per AE, in AE order.
#include "anim/ScriptAnm.h"
#include "core/Particules.h"
#include "core/Sprite.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/Graphics/VertexArray.hpp>
#include <SFML/System/Vector2.hpp>

#include <array>
#include <map>
#include <memory>
#include <string>
#include <vector>

class CSPRITE3;
class CScript;

// One part of the sheet. Its mesh has nbColonnes x nbLignes points; each cell is a quad,
// so the vertex array holds 4 x (nbColonnes - 1) x (nbLignes - 1) vertices, positioned in
// the element's own pixels and textured in sheet pixels.
struct CSPRITE3_ELEMENT {
    CSPRITE3_ELEMENT();
    CSPRITE3_ELEMENT(const CSPRITE3_ELEMENT& autre);
    CSPRITE3_ELEMENT& operator=(const CSPRITE3_ELEMENT&) = delete;
    ~CSPRITE3_ELEMENT();

    // Rebuilds the vertices and the point lists from rect and the mesh size (each raised
    // to 2 at least); texture coordinates go back to the plain grid.
    void construireMaillage();
    int getNbSommets() const { return static_cast<int>(vertices.getVertexCount()); }
    int getNbPoints() const { return nbColonnes * nbLignes; }

    std::string nom;
    sf::FloatRect rect;  // sheet pixels
    sf::Vector2f origine;
    int elementLie = -1;
    int nbColonnes = 2, nbLignes = 2;
    sf::VertexArray vertices;
    // Per mesh point (ligne x nbColonnes + colonne): the vertex of the cell below-right,
    // below-left, above-left and above-right of it; -1 where that cell does not exist.
    std::vector<std::array<int, 4>> indexPoints;
    bool bTexCoordsModifiees = false;  // written as ELTEXCOORDS only then
    bool bCouleurGlobale = false;
    int lienAnim[3] = {-1, -1, -1};  // sub-sprite animation: normal, shot, played when shooting
    CSPRITE3* pSpriteLie = nullptr;  // ANMREF: a global animation, shared, not owned
    std::string strAnmRef;           // its key in the global map (its path)
    bool bAnmDirLien = false;
    std::string strImage;                  // ELIMG
    std::unique_ptr<sf::Texture> pTexture;  // its own image when strImage opened
    bool bTailles = false;
    int arme = -1;  // -1: shown with every weapon
    std::vector<int> selections[3];  // saved mesh-point selections (point indexes)
    int derniereSelection = 0;       // slot last used, 1..3; 0 none
};

// Values of one AE at one keyframe, plus the per-tick slopes towards the next keyframe.
struct CSPRITE3_KEYANIMELEM {
    int element = -1;
    unsigned char visible = 1;
    unsigned char avantPlan = 0;
    sf::Vector2f position;
    sf::Vector2f origine;
    sf::Vector2f echelle{1, 1};
    float rotation = 0;  // degrees
    int lienAnim = -1;
    sf::Color couleur = sf::Color::White;
    std::vector<sf::Vector2f> maillage;  // one offset per vertex of the element's mesh

    // Run state (calculerPentes): change per tick.
    sf::Vector2f pentePosition;
    sf::Vector2f penteEchelle;
    float penteRotation = 0;
    float penteCouleur[4] = {0, 0, 0, 0};
    std::vector<sf::Vector2f> penteMaillage;  // empty when the mesh does not move
};

// The channels of a key's pose, combined with | to say what copierPose copies. A key's colour
// and linked animation are set on their own: no pose copy touches them.
namespace canalPose {
constexpr unsigned element = 1u << 0;
constexpr unsigned visible = 1u << 1;
constexpr unsigned avantPlan = 1u << 2;
constexpr unsigned position = 1u << 3;
constexpr unsigned origine = 1u << 4;
constexpr unsigned echelle = 1u << 5;
constexpr unsigned rotation = 1u << 6;
constexpr unsigned maillage = 1u << 7;  // only as many offsets as the target's element has vertices
constexpr unsigned tous = (1u << 8) - 1;
} // namespace canalPose

// Copies the chosen channels (canalPose) of one key into another; the others stay the target's.
void copierPose(CSPRITE3_KEYANIMELEM& vers, const CSPRITE3_KEYANIMELEM& de, unsigned canaux);

struct CSPRITE3_KEYFRAME {
    int frame = 0;
    unsigned char bFille = 1;  // the daughter animation shows at this keyframe
    sf::Vector2f delta;        // KF_DELTA
    int gotoCible = -1, gotoMax = 0;
    int compteurGoto = 0;  // run state
    int sensLecture = 1;   // KF_SENS
    unsigned char sensChange = 1;
    sf::Color couleur = sf::Color::White;
    std::string son;
    unsigned char bSonSiStop = 0;
    static constexpr int EXECUTIONS_SANS_FIN = -1;
    std::string script;  // KF_SCRIPT path
    int nbExecutions = 0;  // runs per character and level; EXECUTIONS_SANS_FIN: each time it plays
    CScript* pScript = nullptr;  // made and owned by the script engine; a copy makes its own
    unsigned numScript = 0;      // its creation number: the engine may give a freed script's address to a new one
    CScriptAnm scp;              // KF_SCP
    std::vector<CSPRITE3_KEYANIMELEM> cles;  // one per AE, AE order

    // Makes the keyframe's script (trigger 13: one run, then it waits paused for its frame).
    void creerScript(const std::string& chemin, CSPRITE* sd);
    // Removes it from its engine, if the engine still holds that very script.
    void supprimerScript();
    // The script while its engine still holds it; null (and forgotten) once the engine freed
    // it, even if a new script now stands at the same address.
    CScript* scriptVivant();
};

struct CSPRITE3_ANIMELEM {
    CSPRITE3_ANIMELEM() = default;
    CSPRITE3_ANIMELEM(const CSPRITE3_ANIMELEM& autre);
    CSPRITE3_ANIMELEM& operator=(const CSPRITE3_ANIMELEM&) = delete;
    ~CSPRITE3_ANIMELEM();

    int element = -1;
    std::string nom;  // empty: the element's name stands for it
    std::vector<int> enfants;  // AE indexes of the same animation
    unsigned char verrou = 0;
    unsigned char option = 1;  // shown and pickable in the editor
    // "onMouseClickLeft", "onMouseClickRight", "onMouseReleaseLeft", "onMouseReleaseRight",
    // "onMouseOn", "onMouseOut".
    std::map<std::string, CScriptAnm> evenements;
    std::string strShaderVert, strShaderFrag;
    CSPRITE::Uniforms uniformsVert, uniformsFrag;
    bool bShaderActif = true;
    bool bEmetteurActif = false;
    std::unique_ptr<CParticules> pParticules;
    bool bSourisDessus = false;  // run state
};

struct CSPRITE3_ANIMATION {
    CSPRITE3_ANIMATION() = default;
    CSPRITE3_ANIMATION(const CSPRITE3_ANIMATION& autre);
    CSPRITE3_ANIMATION& operator=(const CSPRITE3_ANIMATION&) = delete;
    ~CSPRITE3_ANIMATION();

    std::string nom;
    int nbFrames = 0;
    int vitesse = 1;  // ticks per frame
    bool bInterpolation = true;
    bool bVisee = false;
    int nbFramesVisee = 1;  // frames per degree
    sf::Vector2f cercleViseePos;
    int cercleViseeRayon = 100;
    std::map<int, int> cercleViseeRayonArmes;  // weapon -> radius
    int fille = -1;
    int modeFille = 0;  // 0 before the mother, 1 between its two passes, 2 after
    bool bFilleSuitMere = false;
    unsigned char bDeltaActif = 0;
    bool bSoubressaut = false;
    float vitesseSoubressaut = 0, maxSoubressaut = 0;
    int borneInf = 0, borneSup = 0;
    int nbLecturesGoto = 0, animGoto = -1;
    std::string etatJeu;
    sf::FloatRect rectGlobal, rectHitbox;
    sf::Vector2f origineGlobale;
    bool bOmbre = false;
    int ombreRotation = 0;
    sf::Vector2f ombreDecalage;
    sf::Vector2f ombreEcrasement{1, 1};
    std::vector<std::unique_ptr<CSPRITE3_ANIMELEM>> animElems;
    std::vector<std::unique_ptr<CSPRITE3_KEYFRAME>> keyframes;  // frame order, one per frame

    // Run state.
    int frame = 0;
    float compteurTick = 0;
    int sens = 1;
    int nbLectures = 0;  // completed plays
};

// Aim sweep started by the frame script "initElementAnimationLinkViseeAuto".
struct ViseeAutoSprite3 {
    float angleDepart = 0, angleArrivee = 0, vitesse = 0, angle = 0;
    bool bBoucle = false;
    bool bActif = false;
};
