#pragma once
// The animation editor ("JeuDialogAnimationsSprites"): one dialog that edits one layered
// animated sprite (CSPRITE3) with its sheet, elements, animations, anim elements (AEs),
// keyframes, mesh and hitboxes, and saves it as an ".anm" file. Three pages on "myTab":
// the sheet view, the animation view with its timeline, and the preview.
//
// The class is spread over several files: state and lifecycle (JeuDialogAnimationsSprites.cpp),
// creation (...Creation.cpp), general events (...Evenements.cpp), panels (...Panneaux.cpp),
// lists and combos (...Listes.cpp), state-list files (...Etats.cpp), the sheet view
// (...Planche.cpp), the animation view and the anim elements on it (...Vue.cpp), its grids,
// rectangles and their handles (...Grilles.cpp), the handles and hit tests (...Poignees.cpp),
// the mesh selection (...Maillage.cpp), the selection lists (...Selection.cpp), the
// preview (...Apercu.cpp), undo (...Annulation.cpp), keyframe edits (...Keyframes.cpp), the
// mouse in the views (...Souris.cpp), the buttons by group (...BoutonsFichiers.cpp, which
// holds the dispatch, ...BoutonsPlanche.cpp, ...BoutonsAnimations.cpp,
// ...BoutonsKeyframes.cpp, ...BoutonsAnimElems.cpp) and the files (...Fichiers.cpp).
//
// -1 means none for every selection. Every control is looked up by id and may be missing
// from a model: the step that needs it is then skipped.
#include "gui/CPLUXDialog.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Text.hpp>

#include <list>
#include <map>
#include <memory>
#include <string>
#include <unordered_map>
#include <utility>
#include <vector>

class CCiseaux;
class CControlTimeline;
class CLotFormes;
class CPLUXControlZone;
class CPLUXControlImage;
class CPLUXControlTab;
class CPLUXDialogFile;
class CShaderManager;
class CSPRITE3;
struct CSPRITE3_ELEMENT;

// One undo step: the values that undoing a change of one AE key puts back.
struct AnmUndoRecord {
    // The kinds, and what valeur1..4 hold: MOVE position; SCALE scale, then position; ROT
    // rotation; ORIGIN origin; MAILLE a mesh point's offset, then the point; VISIBLE and AVP
    // the flag; FLIPH and FLIPV the scale.
    static constexpr const char* FAE_MOVE = "FAE_MOVE";
    static constexpr const char* FAE_SCALE = "FAE_SCALE";
    static constexpr const char* FAE_ROT = "FAE_ROT";
    static constexpr const char* FAE_ORIGIN = "FAE_ORIGIN";
    static constexpr const char* FAE_MAILLE = "FAE_MAILLE";
    static constexpr const char* FAE_VISIBLE = "FAE_VISIBLE";
    static constexpr const char* FAE_AVP = "FAE_AVP";
    static constexpr const char* FAE_FLIPH = "FAE_FLIPH";
    static constexpr const char* FAE_FLIPV = "FAE_FLIPV";
    // What the edit did to the AE's children, which undoing does again: their positions
    // followed (moved, scaled or turned with it; their visibility with it), and their scales
    // or rotations followed. An edit that left them alone records 0.
    static constexpr int ENFANTS_POSITIONS = 1;
    static constexpr int ENFANTS_ECHELLES = 2;
    static constexpr int ENFANTS_TOUS = ENFANTS_POSITIONS | ENFANTS_ECHELLES;

    std::string type;
    int animation = -1;
    int frame = -1;
    int animElem = -1;
    float valeur1 = 0, valeur2 = 0, valeur3 = 0, valeur4 = 0;
    int enfants = ENFANTS_TOUS;
};

// The handle of the selected AE that a drag of the animation view holds; none: the drag
// moves the AE.
enum class PoigneeAE { Aucune, HG, HD, BG, BD, O, R };

class CJeuDialogAnimationsSprites : public CPLUXDialog {
public:
    // The pages of "myTab".
    static constexpr int ONGLET_PLANCHE = 0;
    static constexpr int ONGLET_ANIMATION = 1;
    static constexpr int ONGLET_APERCU = 2;
    // The zoom of the animation view and the preview, as the wheel changes it.
    static constexpr float ZOOM_MIN = 0.1f;
    static constexpr float ZOOM_MAX = 10.f;
    static constexpr double PAS_ZOOM = 0.1;
    // The key the sheet texture is loaded under while the editor holds it.
    static constexpr const char* CLE_TEXTURE = "ID_PROVISOIRE_EDITEUR_ANIMATION_SPRITE";

    CJeuDialogAnimationsSprites();
    // Deletes the sprite; the timeline belongs to the dialog's controls.
    ~CJeuDialogAnimationsSprites() override;

    // Overrides, in slot order; each calls the base first.
    bool onMouseWheel(int delta, CPLUXControl* under) override;
    bool onFocusOn() override;
    bool onFocusOff() override;
    void onCreate() override;
    void onShow() override;
    void onHide() override;
    void onClose() override;
    void onCloseCB(std::string id) override;
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;
    bool onDialogIn(sf::RenderWindow* w, int x, int y) override;
    bool onDialogOut() override;
    bool onDialogPressLeft(sf::RenderWindow* w, int x, int y) override;
    bool onDialogPressRight(sf::RenderWindow* w, int x, int y) override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onClicRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onMouseIn(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onMouseOut(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onResize(int w, int h) override;
    void onCtrlMove(CPLUXControl* c) override;
    void onMBClose(int handle, std::string id, bool answer1, bool answer2, bool answer3,
                   std::string text) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlInputEnterPress(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    void onCtrlSliderChange(CPLUXControlSliderH* c) override;
    void onCtrlColorChange(CPLUXControlColor* c) override;
    void onCtrlSizeChange(CPLUXControl* c) override;
    void onCtrlListChange(CPLUXControlList* c) override;
    void onCtrlComboChange(CPLUXControlComboBox* c) override;
    void onCtrlTabChange(CPLUXControlTab* c) override;
    void onCtrlUserChange(CPLUXControl* c, std::string event, void* data) override;
    void onKeyPress(const sf::Event::KeyEvent& k) override;
    bool save(std::wofstream* f) override;

    // Drawing of the three pages (the views and the preview).
    void dessinerPlanche(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy);
    void dessinerVue(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy);
    void dessinerApercu(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy);
    // The animation the preview plays, marked in the animation list (-1: none marked).
    void marquerAnimationApercu(int animation);
    // Shapes of the views, each drawn into cible at once (the views collect them and draw
    // them together).
    void dessinerMaillagePlanche(sf::RenderTarget& cible, int element);
    void dessinerContourElement(sf::RenderTarget& cible, int element);
    void dessinerCadreAE(sf::RenderTarget& cible, int animElem);
    void dessinerMaillageAE(sf::RenderTarget& cible, int animElem);
    void dessinerPoigneesAE(sf::RenderTarget& cible, int animElem);

    // Grids of the animation view, its aim dial (the origin marker) and the status message.
    // casesDamier: the first and last column (or row) of checkerboard cells of side cote for
    // an origin that far from the view's edge in a view that wide, before the view cuts
    // them; pasRegle: the rulers' step in sprite pixels at a zoom.
    static std::pair<long long, long long> casesDamier(double origine, double cote, double taille);
    static double pasRegle(float zoom);
    void dessinerDamier(sf::RenderWindow* w);
    void dessinerRegles(sf::RenderWindow* w);
    void dessinerRepereOrigine(sf::RenderWindow* w);
    // Shown over the animation view for 120 drawings at 30 frames per second (4 seconds).
    void afficherMessage(const std::wstring& message);

    // The global rectangle, the global origin and the hitbox of an animation, with their
    // handles and the shadow marker. deplacerPoigneesRect: a drag step of the animation view
    // (mouse in window pixels); true when it grabbed or moved one of them.
    void placerPoigneesRect(int animation);
    void dessinerRectsAnimation(sf::RenderWindow* w);
    bool deplacerPoigneesRect(int x, int y);

    // Places the handles of an AE at a frame, and its mesh circles.
    void majPoigneesAE(int animation, int frame, int animElem);
    void majPoigneesMaillageAE(int animation, int frame, int animElem);
    // The mesh circles of the selected sheet element.
    void creerPoigneesMaillagePlanche();
    void placerPoigneesMaillagePlanche(int element);
    void dessinerPoigneesMaillagePlanche(sf::RenderTarget& cible);
    // Hit tests of an image control; (x, y) in dialog pixels, a rectangle in image pixels.
    int getElementSousSouris(const std::string& idImage, int x, int y) const;
    bool isRectVisible(const std::string& idImage, int x, int y, int l, int h) const;

    // Mesh points of the selected AE: their circles, selection and picking in the views.
    void initSelectionMaillage();
    void appliquerTailleMaillage();
    void basculerPointMaillage(int mode, int point);
    void selectionnerDansVue(sf::RenderWindow* w, int mouseX, int mouseY, CPLUXControl* c);
    void finDragCercleMaillagePlanche(sf::RenderWindow* w, int mouseX, int mouseY, CPLUXControl* c);
    // Moves one mesh point of the selected AE by the drag step (the drags fill it).
    void deplacerPointMaillage(int point);

    // Geometry. The point (x, y) turned about (cx, cy) by minus the angle (degrees): how a
    // point of the screen looks from an element drawn with that rotation.
    static sf::Vector2f tournerPoint(float x, float y, float angle, float cx, float cy);
    // A rectangle of the dialog in the pixels of the picture that image control shows, and
    // back. A missing image control leaves the rectangle as it is.
    sf::FloatRect ecranVersImage(const std::string& idImage, float x, float y, float l, float h) const;
    sf::FloatRect imageVersEcran(const std::string& idImage, float x, float y, float l, float h) const;

    // State lists (".eta" files): the sprite's state names alone.
    void chargerEtats(const std::string& chemin);
    // False when the file could not be written (the file on disk is then unchanged).
    bool sauverEtats(const std::string& chemin);
    // Close callbacks of the open and save dialogs: they act on the chosen file only.
    static bool cbChargerEtats(void* owner, CPLUXDialogFile* dlg, CPLUXControl* ctrl, int code);
    static bool callbackSauverEtats(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);

    // Panels.
    void majPanneauKeyFrame();
    void majPanneauAE();
    void majNbExecutionsScript();
    // The frame script dialog back on the keyframe shown, whatever it showed last (an AE's
    // event script from the events dialog).
    void ciblerScriptFrame();

    // Lists and combos.
    void majListeElements();
    void majCombosLienElementAnim();
    void majListeAnimElems();
    void ajouterArbreAnimElem(int animElem, int profondeur);
    void ajouterLigneAnimElem(int animElem, int profondeur);
    void colorerListeAnimElems(int frame);
    void colorerListeAnimElemsCourante();
    void setPanneauAELectureSeule(bool lectureSeule);
    void majListeAnimations();
    void majComboAnimationFille();
    void majComboAnimationMereFilles();
    void majComboSonFrame();
    void majMarqueursTimeline(CSPRITE3* sprite, CControlTimeline* timeline);
    void majComboAnimationLienAE();
    void majComboAnmBase(bool remplir);
    void modifierElement(bool rafraichir);
    // The state combo and list: "(vide)", then the sprite's state names.
    void remplirListesEtats();

    // Undo -------------------------------------------------------------------------------------
    static constexpr size_t MAX_ANNULATIONS = 25;
    // Called before the change, with the values it replaces. enfants: what the change does to
    // the AE's children (AnmUndoRecord::ENFANTS_...); inputs and checks, which move no child,
    // pass 0.
    void ajouterAnnulation(const std::string& type, int animation, int frame, int animElem, float v1, float v2,
                           float v3, float v4, int enfants = AnmUndoRecord::ENFANTS_TOUS);
    // Takes the newest record back: restores it when its AE and a keyframe at its frame still
    // exist, removes it either way. Nothing on an empty list.
    void annulerDerniereAction();
    // Undo records, copy buffers and the dialogs bound to an AE hold indexes. After a change
    // that renumbers or removes what they name: -1 forgets everything (another sprite, or
    // elements or animations gone); an animation forgets its undo records, and with
    // animElems (an AE removed or moved) also the copy buffers naming it and the dialogs.
    void oublierReferences(int animation, bool animElems = false);
    // The shader, particle, events and frame-script dialogs let go of the sprite's data.
    void detacherDialoguesLies();

    // Keyframes ----------------------------------------------------------------------------------
    // Writes the AE panel into the keyframe shown, when there is one to write into.
    void appliquerPanneauAE();
    bool panneauAEEcrivable() const;
    // A value typed or ticked in the AE panel: the undo record of that kind (none for null)
    // with the values it replaces, then the panel written; or a box saying why it cannot be.
    void modifierPanneauAE(const char* annulation, float v1, float v2, float v3, float v4);
    // True, with a box saying why, when the frame shown cannot take a change: no keyframe
    // there, the animation playing, or (pourAE) no AE chosen.
    bool refuserHorsKeyframe(bool pourAE);
    // A keyframe at the current frame, when it has none: interpolated from the keyframe
    // before it, or a copy of that keyframe.
    void ajouterKeyframeInterpolee();
    void copierKeyframePrecedente();
    // The checked channels of the selected AE's panel into the keyframe at frameCible, or
    // into every keyframe with -1.
    void appliquerAEKeyframes(int frameCible);
    // The same into the keyframe typed in "myTextInputNumFrameAppliquer", or a box saying why not.
    void appliquerVersFrame();
    // The animation's own fields emptied while no animation is chosen.
    void viderPanneauAnimation();
    void viderPanneauAnimElem();
    // Selects frame f on the timeline and runs what choosing it there runs: after keyframes
    // or frames changed, the selection and the panels name what the frame now holds.
    void allerAFrame(int f);

    // Files ---------------------------------------------------------------------------------------
    // Reads the file into the sprite; false, and nothing changed, when it does not open.
    bool ouvrirAnm(const std::string& chemin);
    void nouvelleAnimation();
    void enregistrerAnm();
    void sauverAnmSous(const std::string& chemin);
    // Into an existing file, under that file's identifier and sheet; as a new file, under
    // those of the export panel. The edited sprite keeps its own identity.
    void exporterAnm(const std::string& chemin);
    void exporterNouveauAnm(const std::string& chemin);
    // Every running sprite of the edited identifier reads the edited file again.
    void appliquerAuJeu();
    // An element's own image: loaded at once; an empty path removes it.
    void chargerImageElement(int e, const std::string& chemin);
    // The script of the keyframe at the current frame: made again from that file, or removed
    // with an empty one.
    void choisirScriptFrame(const std::string& chemin);
    // A failed save opens the "Erreur !" box; a saved file is named over the view.
    void signalerSauvegarde(bool ok, const std::string& chemin);
    // Close callbacks of the file dialogs: they act on the chosen file only (see ...Fichiers.cpp).
    // The owner a file dialog was opened with: the editor, while it lives; else null.
    static CJeuDialogAnimationsSprites* editeurDe(void* owner);
    static bool callbackOuvrirANM(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
    static bool callbackSauverANM(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
    static bool callbackExporterANM(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
    static bool callbackExporterNouveauANM(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
    static bool callbackOuvrirPlanche(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
    static bool callbackImageElement(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
    static bool callbackOuvrirScriptFrame(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
    static bool callbackOuvrirScriptTir(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);
    static bool callbackExportPlanche(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code);

    // Keys, inputs, combos and checks ------------------------------------------------------------
    // The questions whose answers onMBClose takes.
    static constexpr const char* IDMB_CHANGE_NBFRAMES = "IDMB_CHANGE_NBFRAMES";
    static constexpr const char* IDMBANIMAUTO = "IDMBANIMAUTO";
    // The mode of the animation view (mesh or size-move-turn), shown by its two checks.
    void setModeMaillage(bool maillage);
    // The frame count of an animation, within the sprite's bounds; the timeline and the count
    // input show what the sprite stored.
    void changerNbFrames(int animation, long long n);
    // The selection zone over the sheet pixels of rectZonePlanche, at the sheet's zoom.
    void placerZonePlanche();
    // The game's shader manager, else the editor's own.
    CShaderManager* gestionnaireShaders();

    // The edited object and the controls ----------------------------------------------------
    CSPRITE3* pSprite;  // owned, never null
    CPLUXControlZone* pZonePlanche = nullptr;
    sf::FloatRect rectZonePlanche;
    CPLUXControlImage* pImagePlanche = nullptr;
    CPLUXControlImage* pImageAnimation = nullptr;
    CPLUXControlImage* pImageEtats = nullptr;
    CPLUXControlTab* pTab = nullptr;
    CControlTimeline* pTimeline = nullptr;

    // Selection ------------------------------------------------------------------------------
    int elementSel = -1;
    int numAnimationSel = -1;
    int numAnimElemSelPrec = -1;
    int numAnimElemSel = -1;
    bool bNomsVisibles = false;
    int espacementElements = 0;
    int nombreElements = 1;
    int numKeyFrameSel = 0;
    // 0 one point, 1 its row, 2 its column, 3 both.
    int modeSelectionMaillage = 0;

    // Animation view geometry and options ---------------------------------------------------------
    int centreVueX = 0, centreVueY = 0;
    bool bQuadrillage = true;
    bool bGrilleAnimation = true;
    int tailleQuadrillage = 50;
    float zoom = 1.0f;
    sf::Text texte;

    // Drags and mesh ---------------------------------------------------------------------------------
    bool bChercherCercleMaillage = true;
    bool bDebutDrag = true;
    PoigneeAE poigneeAE = PoigneeAE::Aucune;
    // Set by a press of the animation view: the first step of the drag that moves the AE
    // records where it was.
    bool bAnnulationDeplacement = false;
    bool bDragPoigneesHitbox[10] = {false, false, false, false, false, false, false, false, false, false};
    std::map<std::string, sf::CircleShape> mapPoignees;
    int rayonPoignee = 3;
    std::map<int, sf::CircleShape> selectionMaillage;
    int rayonCercleMaillageSel = 3;
    std::map<int, sf::CircleShape> mapCerclesMaillage;
    int rayonCercleMaillage = 3;
    std::map<std::string, sf::CircleShape> mapPoigneesHitbox;
    sf::CircleShape cercleVisee;
    int rayonVisee = 100;
    sf::CircleShape cercleRepere;
    bool bModeMaillage = false;
    int numCercleMaillageAESel = -1;
    int numCercleMaillageElementSel = -1;

    // Display options and secondary selections ----------------------------------------------------------
    bool bLockAnimElemSel = false;
    bool bCadreTousElements = false;
    bool bCadreSurSelection = true;
    bool bAfficheRectGlobal = true;
    bool bAfficheRectHitbox = true;
    bool bSuiviSourisVisee = false;
    bool bDrawHierarchie = true;
    int numAnimElemSurvol = -1;
    int numAnimationMere = -1;
    int numAnimationFilleSel = -1;
    bool bNouvelleMere = true;
    int numAnimationComboMereFilles = 0;
    int numLigneMereFilles = 0;
    bool bAfficheCheminAnimation = false;
    int precisionCheminAnimation = 10;
    int styleAE = 0;

    // Copy buffers, undo and status message ----------------------------------------------------------------
    int numAnimationCopieAE = -1, numAnimElemCopieAE = -1, numFrameCopieAE = -1;
    bool bCopieFrame = false;
    int numAnimationCopie = -1, numFrameCopie = -1, numAnimElemCopie = -1;
    std::list<AnmUndoRecord> listeAnnulations;
    int dureeMessage = 0;
    sf::Text texteMessage;
    // The library toolbar was shown when the editor opened: it comes back when the editor goes.
    bool bBarreARendre = false;

private:
    // Left presses: a table from control id to action, each Part's buttons registered in
    // their own file.
    struct AppuiGauche {
        sf::RenderWindow* fenetre;
        int x, y;  // window pixels
        CPLUXControl* controle;
    };
    using ActionBouton = void (*)(CJeuDialogAnimationsSprites&, const AppuiGauche&);
    using TableBoutons = std::unordered_map<std::string, ActionBouton>;
    static const TableBoutons& tableBoutons();
    static void boutonsFichiers(TableBoutons& t);
    static void boutonsPlanche(TableBoutons& t);
    static void boutonsAnimations(TableBoutons& t);
    static void boutonsKeyframes(TableBoutons& t);
    static void boutonsAnimElems(TableBoutons& t);

    // Sheet and element buttons.
    void appuiPlanche(int x, int y);
    void ajouterElements();
    void supprimerElementSel();
    void centrerOrigineElement();
    void zoneDeplacee(bool taille);
    // Animation and AE buttons.
    void lierAnimElems();
    void allerAFille();
    void centrerVue();
    void ajouterAnimation();
    void supprimerAnimationSel();
    void ajouterAnimElemSel();
    void supprimerAnimElemSel();
    void renommerAnimElem();
    void deplacerAnimElem(int sens);
    void choisirLigneAnimElem(int animElem);
    // Keyframe, frame, mesh and timeline buttons.
    void retournerAE(bool horizontal);
    void supprimerKeyframeSel();
    void changerFrames(bool inserer);
    void defilerTimeline(int sens);
    void centrerOrigineAE();
    void tailleUnAE();
    void razMaillageAE(bool toutesKeyframes);
    // AE copy, shader, particle, state and script-dialog buttons.
    void collerAE();
    void appliquerVersKeyframeVoisine(int sens);
    void montrerOptionsShaders();
    void montrerOptionsParticules();
    void basculerEmetteur(sf::RenderWindow* fenetre);
    // What "myButtonNewDelEmetteur" does to the chosen AE, said in the panel's language.
    static const char* texteBoutonEmetteur(bool aUnEmetteur);
    void ajouterEtat();
    void remplirCombosShaders();
    // File buttons without a dialog.
    void rechargerPlanche();
    // The sheet from that file, shown at zoom 1; a file that is not there is refused with a
    // box and the sheet stays. False when refused.
    bool chargerPlanche(const std::string& chemin);
    void rechargerAnimsGlobales();
    void prendreIdentifiant();

    // Drags of the animation view: the handle the first step takes, then each step's edit.
    enum class ChoixDrag { Editer, Panner };
    ChoixDrag choisirPoigneeAE(sf::Vector2f souris);
    void etapeEditionAE(bool premierPas);
    void editerEchelleAE(int a, int f, int ae, sf::Vector2f d);
    void editerRotationAE(int a, int f, int ae, sf::Vector2f d, bool premierPas);
    void deplacerAE(int a, int f, int ae);
    void pannerVueSansDeselection(CPLUXControlImage* image);
    // Where an AE's position lands in the view (dialog pixels), and its rotation there.
    sf::Vector2f ancreAE(int animation, int frame, int animElem, float* rotation);
    // Modifier keys as the children flags of an edit: Control spares the positions, Alt the
    // scales and rotations.
    static int enfantsSelonTouches();

    // Keyframe edits: the refresh that follows them, and keyframe creation.
    void rafraichirKeyframes(int frame);
    void creerKeyframe(bool interpolee);
    // The selection and everything shown of the sprite start over (open, reload, New).
    void reinitialiserEdition();
    void afficherSprite();

    // An AE at a frame as the view shows it: its key's origin and its (interpolated)
    // position, scale and rotation; valide is false when there is nothing to show.
    struct ValeursAE {
        bool valide = false;
        sf::Vector2f position, origine, echelle{1, 1};
        float rotation = 0;
        int element = -1;
        // Interpolated from this keyframe (its index and frame).
        bool interpolee = false;
        int keyframe = 0, frameKeyframe = 0;
    };
    ValeursAE valeursAE(int animation, int frame, int animElem);
    // The offset of the daughter animation's KF_DELTA where the view draws the AEs.
    sf::Vector2f decalageFille(int animation, int frame) const;
    // Where an AE's position lands in the animation view: window pixels, or dialog pixels.
    sf::Vector2f placeEcranAE(sf::Vector2f position, bool ecran) const;
    // A mesh point of an AE's element: its texture coordinates and its offset at the frame.
    sf::Vector2f pointAE(int animation, int frame, int animElem, int point) const;
    // The topmost shown AE of the keyframe in force under (x, y), dialog pixels; -1 none.
    int animElemSous(int x, int y, int frame, bool sansVerrouilles);
    // The shapes collected for the views' next drawing.
    void collecterMaillagePlanche(int element);
    void collecterContourElement(int element);
    void collecterLabelElement(int element, const sf::Text& modele);
    void collecterCadreAE(int animElem);
    void collecterMaillageAE(int animElem);
    void collecterPoigneesAE(int animElem);
    void collecterPoigneesMaillagePlanche();
    void collecterDamier();
    static sf::Color melange(sf::Color dessus, sf::Color dessous);
    void colorerFondVue();
    bool fondVueUni() const;
    void collecterRegles();
    void collecterRepereOrigine();
    void collecterRectsAnimation();
    void collecterSurSprite(int animation);
    bool saisirPoigneeRect(int x, int y);
    void dessinerApercusElements(sf::RenderWindow& w);
    void dessinerSpriteVue(sf::RenderWindow& w, CCiseaux& ciseaux);
    void suivreSourisVisee();
    void redessinerBoutonsMode(sf::RenderWindow& w, int ox, int oy);
    void pannerVue();
    bool saisirCercleMaillageAE(sf::Vector2f souris, int frame);
    // The three branches of onCtrlListChange.
    void elementChoisi(CPLUXControlList* l);
    void animationChoisie(CPLUXControlList* l);
    void viseeChoisie(int animation);
    void panneauAnimation(int animation);
    void animElemChoisi(CPLUXControlList* l);
    void panneauxAnimElem(int animation, int animElem);

    void creerPoignees();
    void preparerTextes();
    void viderSprite();
    void lierVues();
    void placerTimeline();
    void remplirOptionsVue();
    void remplirOptionsAffichage();
    void remplirOngletsEtCombos();
    void remplirCombosArmes();
    void changerZoomVue(int delta);
    void replacerZonePlanche();
    void frameChoisie(CControlTimeline* timeline);
    void frameChoisie(int frame, bool keyframe);
    void testerSurvol(int x, int y);
    void retargeterScriptFrame(int animation, int frame);
    // Keys: the Control shortcuts, and the saved mesh selections (Shift, Shift+Control).
    bool toucheControle(sf::Keyboard::Key code, int onglet);
    void copierFrameCourante();
    void collerFrame();
    bool toucheSelectionMaillage(sf::Keyboard::Key code, bool controle);
    void sauverSelectionMaillage(CSPRITE3_ELEMENT& element, int slot);
    void restaurerSelectionMaillage(CSPRITE3_ELEMENT& element, int slot);
    // The answer to "IDMBANIMAUTO": one frame per AE, each showing its AE alone.
    void creerAnimationSimple(int animation);
    // A tree of AEs under root, depth first; an AE already on the way down is not listed again.
    void ajouterArbre(int racine, int profondeur, int& reste);

    // Shader lists come from the game's manager, or from this one while the game has none.
    std::unique_ptr<CShaderManager> shadersPropres_;
    std::unique_ptr<CLotFormes> lot_;
    // The frame script dialog's last target: (sprite, animation, keyframe frame or -1).
    struct CibleScript {
        const CSPRITE3* sprite = nullptr;
        int animation = -1;
        int frame = -1;
        bool valide = false;
    } cibleScript_;
};
