#pragma once
// The layered animated sprite: elements cut from a sheet, animations of anim elements
// (AEs) with keyframes, interpolation and a deformation mesh per element. Characters,
// many decor sprites and the animation editor are made of it.
//
// Every operation taking an index checks it: a bad animation, element, AE, keyframe or
// point changes nothing and getters return the default stated beside them. The editor
// calls them with whatever the user selected.
#include "anim/Sprite3Types.h"
#include "core/NotesLecture.h"
#include "core/Sprite.h"

#include <SFML/Graphics/Color.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Transform.hpp>
#include <SFML/System/Vector2.hpp>

#include <map>
#include <memory>
#include <set>
#include <string>
#include <vector>

class CPLUXControl;
namespace sf { class RenderTarget; class RenderTexture; }

class CSPRITE3 : public CSPRITE {
public:
    CSPRITE3();
    // Deep copy of the animation data. ANMREF sub-sprites stay shared; KF_SCRIPT script
    // objects belong to the script engine and are not copied (null in the copy).
    CSPRITE3(const CSPRITE3& autre);
    CSPRITE3& operator=(const CSPRITE3&) = delete;
    ~CSPRITE3() override;

    // ---------------------------------------------------------------- files (FichierAnm.cpp)
    // Reads an ".anm" file. When it cannot be opened: message box, false, sprite unchanged.
    // proprio and cible are handed to the particle emitters the file creates; editeur loads
    // the sheet under the editor's own texture key.
    bool charger(void* proprio, sf::RenderTarget* cible, const std::string& fichier, bool editeur);
    // Keeps the previous file as fichier + ".save", then writes safely. False when the
    // backup could not be made (nothing is written then) or the file could not be written
    // whole (the old file stays): the caller tells the user.
    bool sauver(const std::string& fichier);
    bool chargerTexture(const std::string& cle, const std::string& chemin);
    // A name as the file holds it: ";" (which separates values) becomes "," and line breaks
    // become spaces. Whatever stores a name the file will hold stores it so, and reads back
    // the name it stored.
    static std::string nomFichier(std::string nom);
    void viderElements();
    void viderAnimations();
    // Each keyframe naming a script makes it, on this sprite.
    void creerScriptsKeyframes();
    // Looks every ANMREF up again by its key: to be called after the game re-reads its map
    // of global animations, so that no element keeps pointing at a replaced sprite.
    void relierAnimsGlobales();

    // ---------------------------------------------------------------- elements
    void ajouterElement(const std::string& nom, float x, float y, float l, float h, float ox, float oy,
                        int colonnes, int lignes, int arme, int lie, bool bCouleurGlobale);
    void setElement(int e, const std::string& nom, float x, float y, float l, float h, float ox, float oy,
                    int arme, int lie, bool bCouleurGlobale);
    void supprimerElement(int e);
    int getNbElements() const { return static_cast<int>(elements.size()); }
    sf::FloatRect getRectElement(int e) const;            // (0,0,0,0)
    sf::Vector2f getOrigineElement(int e) const;          // (0,0)
    void setOrigineElement(int e, float x, float y);
    void appliquerOrigineElement(int e);
    void copierKeysElementLie(int e);
    sf::Vector2i getMaillageElement(int e) const;         // (columns, rows); (0,0)
    void setMaillage(int e, int colonnes, int lignes);
    int getSommetPointElement(int e, int point) const;    // 0
    int getSommetPointMaillage(int a, int ae, int point) const;  // 0
    void setTexCoordsPointMaillage(int e, int point, float u, float v);

    // ---------------------------------------------------------------- animations
    int getNbAnimations() const { return static_cast<int>(animations.size()); }
    int getAnimation() const { return animCourante; }
    void setAnimation(int a, int frame, bool restart);
    void setAnimation2(int a, int frame) { setAnimation(a, frame, true); }
    void ajouterAnimation(const std::string& nom, bool bKeyframe0);
    void copierAnimation(int a);
    void supprimerAnimation(int a);
    void setNomAnimation(int a, const std::string& nom);
    void deplacerAnimation(int a, float dx, float dy);
    int getNbFrames(int a) const;  // 0
    void setNbFrames(int a, int n);
    void insererFrame(int a, int f);
    void supprimerFrame(int a, int f);
    int getVitesseAnim(int a) const;  // 0
    void setVitesseAnim(int a, int n);
    bool getInterpolation(int a) const;  // true
    void setInterpolation(int a, bool b);
    bool isVisee(int a) const;  // false
    void setVisee(int a, bool b);
    int getNbFramesVisee(int a) const;  // 0
    void setNbFramesVisee(int a, int n);
    sf::Vector2f getCercleViseePos(int a) const;
    void setCercleViseePos(int a, float x, float y);
    int getCercleViseeRayon(int a) const;  // the current weapon's radius when it has one; 0
    void setCercleViseeRayon(int a, int rayon);
    int getModeAnimationFille(int a) const;
    void setModeAnimationFille(int a, int mode);
    bool hasOmbre(int a) const;
    void setOmbre(int a, bool b);
    int getOmbreRotation(int a) const;
    void setOmbreRotation(int a, int r);
    sf::Vector2f getOmbreDecalage(int a) const;
    void setOmbreDecalage(int a, float dx, float dy);
    sf::Vector2f getOmbreEcrasement(int a) const;
    void setOmbreEcrasement(int a, float sx, float sy);
    sf::Vector2f getOrigineGlobale(int a) const;
    // Of the base's numAnim, which setAnimation keeps equal to the current animation.
    sf::Vector2f getOrigineGlobaleCourante() const;
    sf::FloatRect getRectHitbox(int a) const;
    void getRectGlobal(sf::FloatRect& rect, int a) const;
    std::string getEtatAnimation(int a) const;
    void setEtatAnimation(const std::string& nom, int a, int valeur);
    // -1 when the state is absent; never inserts (the character code's subscript does).
    int getEtat(const std::string& nom) const;
    int getNbBoucles(int a) const;
    int getFrame(int a) const;
    void setFrame(int a, int f);
    int getFrameCourante() const;
    void setFrameCourante(int f);
    sf::Vector2f getPointVisee(int a, float angle) const;
    void setCouleurGlobale(sf::Color c) { couleurGlobale = c; }

    // ---------------------------------------------------------------- anim elements
    int getNbAnimElems(int a) const;  // -1
    int getElementAnimElem(int a, int ae) const;  // -1
    // parent: -1, or an AE of the animation that gets the new one as a child.
    void ajouterAnimElem(int a, int e, const std::string& nom, int verrou, int option, int parent = -1);
    void collerAnimElem(int aSrc, int aDst, int aeSrc, int frameSrc);
    void supprimerAnimElem(int a, int ae);
    void monterAnimElem(int a, int ae);
    void descendreAnimElem(int a, int ae);
    void detacherAnimElem(int ae);            // current animation
    void retirerDescendant(int ae, int autre);  // current animation
    bool isAnimElemRacine(int ae) const;       // current animation
    std::string getNomAnimElem(int a, int ae) const;  // "NULL" for a bad animation
    void setNomAnimElem(int a, int ae, const std::string& nom);
    bool getAnimElemVerrou(int a, int ae) const;
    void setAnimElemVerrou(int a, int ae, bool b);
    bool getAnimElemOption(int a, int ae) const;
    std::string getShaderVert(int a, int ae) const;
    std::string getShaderFrag(int a, int ae) const;
    void setShaderVert(int a, int ae, const std::string& nom);
    void setShaderFrag(int a, int ae, const std::string& nom);
    bool isShaderActif(int a, int ae) const;
    void setShaderActif(int a, int ae, bool b);
    bool hasEmetteur(int a, int ae) const;
    bool isEmetteurActif(int a, int ae) const;
    void setEmetteurActif(int a, int ae, bool b);
    void ajouterEmetteur(sf::RenderTarget* cible, void* proprio, int a, int ae);
    void supprimerEmetteur(int a, int ae);
    // Shows (bAffiche) the AEs of that name (the AE's own, else its element's) in every
    // keyframe of animation a; bEnfants: their descendants too.
    void appliquerAnimElems(int a, const std::string& nom, bool bAffiche, bool bEnfants);
    void appliquerAnimElemsParNom(const std::string& nom, bool bAffiche, bool bEnfants);
    CSPRITE3_ANIMELEM* getAnimationParNom(const std::string& nomAnim, const std::string& nomAE);

    // ---------------------------------------------------------------- keyframes
    int getKeyframe(int a, int f) const;       // at f, else the last before; 0
    int getKeyframeAvant(int a, int f) const;  // last below f; 0
    bool isKeyframe(int a, int f) const;
    int getKeyframeFrame(int a, int k) const;  // 0
    void ajouterKeyframe(int a, int f);         // nothing when one stands at f
    void supprimerKeyframe(int a, int f);
    void supprimerKeyframes(int a);
    int copierFrame(int aSrc, int fSrc, int aDst, int fDst);
    int appliquerInterpolationKeyframe(int aSrc, int fSrc, int aDst, int fDst, int ae);
    void calculerPentes(int a, int ae, int k, int f);
    bool getKeyframeFlag(int a, int f) const;
    void setKeyframeFlag(int a, int f, bool b);
    sf::Vector2f getKeyframeDelta(int a, int f) const;
    void setKeyframeDelta(int a, int f, float dx, float dy);
    sf::Vector2i getKeyframeGoto(int a, int f) const;  // (-1, 0)
    void setKeyframeGoto(int a, int f, int cible, int nb);
    bool isKeyframeSensInverse(int a, int f) const;
    void setKeyframeSensInverse(int a, int f, bool b);
    int getKeyframeSensChange(int a, int f) const;  // 1
    void setKeyframeSensChange(int a, int f, bool b);
    sf::Color getKeyframeCouleur(int a, int f) const;  // white
    void setKeyframeCouleur(int a, int f, sf::Color c);
    std::string getKeyframeSon(int a, int f) const;

    // ---------------------------------------------------------------- keys (keyframe in force at f)
    sf::Vector2f getKeyAnimElemOrigine(int a, int f, int ae) const;  // (0,0)
    sf::Vector2f getKeyAnimElemEchelle(int a, int f, int ae) const;  // (1,1)
    float getKeyAnimElemRotation(int a, int f, int ae) const;
    bool isKeyAnimElemVisible(int a, int f, int ae) const;
    bool isKeyAnimElemAvantPlan(int a, int f, int ae) const;
    int getKeyAnimElemLienAnim(int a, int f, int ae) const;  // -1
    sf::Vector2f getKeyAnimElemPoint(int a, int f, int ae, int sommet) const;
    void setKeyAnimElemPoint(int a, int f, int ae, int sommet, float x, float y);
    void setKeyAnimElemValeurs(int a, int f, int ae, int e, bool visible, float x, float y, float ox, float oy,
                               float sx, float sy, float rot, bool avantPlan);
    void setKeyAnimElemPosition(int a, int f, int ae, float x, float y, bool bEnfants);
    void setKeyAnimElemEchelle(int a, int f, int ae, float sx, float sy, bool bEnfants, bool bEchelleEnfants);
    void setKeyAnimElemRotation(int a, int f, int ae, float angle, bool bTournerPositions, bool bEnfants);
    void setKeyAnimElemOrigine(int a, int f, int ae, float x, float y);
    void setKeyAnimElemVisible(int a, int f, int ae, bool visible, bool bRecursif);
    void setKeyAnimElemAvantPlan(int a, int f, int ae, bool b);
    void setKeyAnimElemCouleur(int a, int f, int ae, sf::Color c);
    void setKeyAnimElemLienAnim(int a, int f, int ae, int n);
    void setPointMaillage(int a, int f, int ae, int point, float x, float y);
    void copierMaillageToutesKeyframes(int a, int ae, int f);

    // ---------------------------------------------------------------- interpolation
    // Value of key k plus the ticks elapsed since it times its slope when the animation
    // interpolates; the key's value otherwise; 0 on bad indexes.
    float getXInterpole(int a, int ae, int k, int f, int fk, bool bLecture) const;
    float getYInterpole(int a, int ae, int k, int f, int fk, bool bLecture) const;
    float getSXInterpole(int a, int ae, int k, int f, int fk, bool bLecture) const;
    float getSYInterpole(int a, int ae, int k, int f, int fk, bool bLecture) const;
    float getRotationInterpolee(int a, int ae, int k, int f, int fk, bool bLecture) const;
    sf::Color getCouleurInterpolee(int a, int ae, int k, int f, int fk, bool bLecture) const;
    float getPointXInterpole(int a, int ae, int k, int f, int fk, bool bLecture, int sommet) const;
    float getPointYInterpole(int a, int ae, int k, int f, int fk, bool bLecture, int sommet) const;
    sf::Vector2f getPositionInterpolee(int a, int f, int ae) const;
    sf::Vector2f getPointMaillageInterpole(int a, int f, int ae, int sommet) const;

    // ---------------------------------------------------------------- playback and drawing
    // (Sprite3Lecture.cpp, Sprite3Dessin.cpp)
    void play()
    {
        bPlay = true;
        bRestart = false;
    }
    void update(CPLUXControl* ctrl, float zoom, float x, float y, int anim);
    void updateEtatJoueur(int joueur);
    void dessiner(sf::RenderTarget* cible, int niveau, float dx, float dy, CPLUXControl* ctrl, float zoom, float x,
                  float y, int anim);
    sf::Vector2f dessinerOmbre(sf::RenderTarget* cible, int niveau, sf::RenderTexture* rtOmbre, float ox, float oy,
                               CPLUXControl* ctrl, float echelle, float x, float y, int anim, int r,
                               const sf::Transform& t);
    void dessinerAnimation(CPLUXControl* ctrl, float zoom, float x, float y, int anim, int precision);
    void dessinerMarqueursAnimElems(CPLUXControl* ctrl, float zoom, float x, float y, int anim, int ae);
    bool collisionHitbox(float x, float y);
    // The editor's form: into the scene texture (CSFMLJeuGlobal::prenderTexture), relative to
    // and clipped by the control.
    void dessiner(CPLUXControl* ctrl, float zoom, float x, float y, int anim);
    // One AE of animation a at the current frame; t takes animation coordinates to the target.
    void dessinerElement(sf::RenderTarget& cible, int a, int ae, const sf::Transform& t);
    // The same markers into a given target (the overloads above draw into the scene texture).
    void dessinerAnimation(sf::RenderTarget& cible, CPLUXControl* ctrl, float zoom, float x, float y, int anim,
                           int precision);
    void dessinerMarqueursAnimElems(sf::RenderTarget& cible, CPLUXControl* ctrl, float zoom, float x, float y,
                                    int anim, int ae);
    // Mouse at pointLocal (animation coordinates of the current animation) with the buttons'
    // states: runs the AE event scripts on entry, exit and button edges.
    void gererSouris(sf::Vector2f pointLocal, bool gauche, bool droit);

    // ---------------------------------------------------------------- fields
    std::string nom;
    std::string ID = "ID_SPRITE3";
    std::string strFichier;
    // Whether the console was told that a drawing left out one of the sprite's sub-sprites.
    mutable bool bCoupeSignalee = false;
    std::string strTexture;
    std::string scriptTir;
    bool bPlay = false;
    bool bBoucle = true;
    bool bStopFin = false;
    bool bRestart = false;
    int miroir = 1;
    int armeCourante = -1;
    bool bAnimForcee = false;
    sf::Color couleurFond = sf::Color(128, 128, 128);
    sf::Color couleurGlobale = sf::Color::White;
    std::map<std::string, int> etats;
    // What the last charger read otherwise than written (said on the console).
    tuv::RecueilNotes notes;
    bool bGrilleVisible = false;
    int grilleCase = 16;
    bool bReculArme = false;
    float vitesseVerticale = 0;
    bool bDessinerFille = true, bDessinerMere = true, bShadersTous = true, bScriptsFrames = true;
    // Read for play (not for the animation editor): its keyframes' scripts are made, and so
    // are a copy's, whatever became of the original's (a level load empties the engine).
    bool bScriptsKeyframesEnJeu = false;
    // Its character lies dead: the animation the body lies on comes round to the keys its death
    // already ran, and moving onto a keyframe no longer resumes the keyframe's script.
    bool bScriptsKeyframesSuspendus = false;
    void* pDialogue = nullptr;  // hears "CSPRITE3_bPlay_changed"
    std::vector<std::unique_ptr<CSPRITE3_ELEMENT>> elements;
    std::vector<std::unique_ptr<CSPRITE3_ANIMATION>> animations;
    int animCourante = -1;
    ViseeAutoSprite3 viseeAuto;
    sf::Texture* pTextureFeuille = nullptr;  // from the game's texture cache, not owned
    // Run state of playback and mouse events: per animation, the frame it last moved on in.
    std::vector<unsigned long> framesAvancees;
    bool sourisGauche = false, sourisDroite = false;

    // ---------------------------------------------------------------- checked access
    // Null for a bad index.
    CSPRITE3_ELEMENT* getElement(int e) const;
    CSPRITE3_ANIMATION* getAnim(int a) const;
    CSPRITE3_ANIMELEM* getAnimElem(int a, int ae) const;
    // The keyframe in force at f (at f, else the last before, else the first); null when none.
    CSPRITE3_KEYFRAME* getKeyframeEnForce(int a, int f) const;
    // The key of ae in the keyframe in force at f; null when none.
    CSPRITE3_KEYANIMELEM* getCle(int a, int f, int ae) const;

    // Slopes of every AE of the animation (after any change to its keys or keyframes).
    void recalculerPentes(int a);

private:
    // A fresh key for an AE showing element e: visible, at (0,0), the given origin, scale 1.
    CSPRITE3_KEYANIMELEM nouvelleCle(int e, sf::Vector2f origine) const;
    // Size of the mesh offsets an AE showing e needs.
    int nbSommetsElement(int e) const;
    // Descendants of ae (not ae itself), each once even when the children lists loop.
    std::vector<int> descendants(const CSPRITE3_ANIMATION& anim, int ae) const;
    void deplacerEnfants(CSPRITE3_ANIMATION& anim, CSPRITE3_KEYFRAME& kf, int ae, sf::Vector2f d);
    // Resizes every key's mesh offsets to its AE's element; drops children that are no AE.
    void normaliser(CSPRITE3_ANIMATION& anim);
    void lireAnm(CTUVFile& f, void* proprio, sf::RenderTarget* cible);
    friend class LecteurAnm;  // the ".anm" reader makes keys the way the editor does
    void ecrireAnm(CTUVFile& f) const;
};

// The layered animation of a ".dec" definition's "SPRITE3" key, read from the ".anm" file it
// names: what the game gives core/'s ".dec" reader as g_services.lireSprite3. Null when the
// file does not open (the reader's message box says so).
std::shared_ptr<CSPRITE3> lireSprite3DEC(const std::string& fichier);
