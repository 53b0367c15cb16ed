#pragma once
// The image-sequence slicer: loads a numbered sequence of images from a folder, shows one at a
// time under a movable, resizable zone, plays the sequence, previews the zone at a chosen
// scale in a dialog of its own ("Aperçu"), and cuts the zone, shifted along x by a fixed step
// per image, out of every kept image into numbered PNG files beside the sequence.
#include "gui/CPLUXDialog.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Rect.hpp>
#include <SFML/Graphics/Sprite.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <memory>
#include <optional>
#include <string>
#include <vector>

class CCSESelectionZone : public CPLUXDialog {
public:
    // At most this many images load (numbers beyond are not tried).
    static constexpr int NB_IMAGES_MAX = 10000;
    // Bounds of the cut and of the preview, in pixels.
    static constexpr int TAILLE_ZONE_MAX = 8192;
    static constexpr int TAILLE_APERCU_MAX = 4096;
    // What a drag keeps of the zone on the pictures, in pixels of the view (all of a smaller zone).
    static constexpr float PRISE_ZONE = 16.f;
    // What a drag of its square leaves of the zone, in pixels of the view: less than one on a
    // picture shown smaller than its own pixels, so that a drag takes it down to one of them.
    static constexpr float TAILLE_MIN_VUE = 0.01f;

    CCSESelectionZone();
    ~CCSESelectionZone() override;

    // "Nb chiffres" at most: more would only add zeros to a whole number's ten digits.
    static constexpr int NB_CHIFFRES_MAX = 10;
    // The cuts' numbers have four digits, whatever the sequence's.
    static constexpr int CHIFFRES_DECOUPES = 4;

    // n with `chiffres` digits at least, a negative n counting as one: (7, 4) -> "0007",
    // (7, 2) -> "07", (1000, 2) -> "1000", (-3, 4) -> "000-3".
    static std::string numero(int n, int chiffres);
    // How many images a load reads: from numDebut to numFin, none when numDebut is above.
    int nbImagesALire() const;

    // Loads numDebut..numFin from the folder (a missing image keeps its place, empty).
    void chargerImages(const std::string& dossier);
    // Shows image i in "myImage" and, when it exists, its cut in the preview.
    void afficherImage(int i);
    // Cuts every kept image into dossierCharge + "se_" + prefixeCharge + number + ".png".
    void enregistrerZones();
    // The cut of image i in that image's pixels: the zone, shifted by i x decalage; nothing when
    // "myImage" has no size.
    std::optional<sf::IntRect> rectangleDecoupe(int i) const;
    // The cut of a source image: a zoneL x zoneH image, opaque black where the rectangle
    // leaves the source or the source is transparent.
    sf::Image decouper(const sf::Image& source, const sf::IntRect& rect) const;
    // The part of rect on an image of that size, empty (width 0) when none.
    static sf::IntRect partieDans(const sf::IntRect& rect, sf::Vector2u taille);
    // The largest width and height of the images loaded, (0, 0) without one.
    sf::Vector2u tailleSequence() const;

    // Playback and preview (CSESelectionZoneLecture.cpp).
    void avancerLecture(float v);
    void ouvrirApercu();

    void onCreate() override;
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputChange(CPLUXControlTextInput* c) override;
    void onCtrlInputEnterPress(CPLUXControlTextInput* c) override;
    void onCtrlInputLeave(CPLUXControlTextInput* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    void onCtrlSizeChange(CPLUXControl* c) override;
    void onCtrlMove(CPLUXControl* c) override;
    // The preview goes with the slicer (closed, hidden or minimised).
    void onHide() override;
    // The preview stays over the slicer while it shows, also when the slicer is pressed.
    void onFrame() override;

    bool bPlay = false;
    bool bBoucle = false;
    std::string strDossier = "./Sprites/";
    std::vector<std::unique_ptr<sf::Texture>> textures;
    sf::Sprite spriteImage;
    sf::Sprite spriteZone;
    std::string strPrefixe;
    std::string strExt = ".png";
    // Folder and prefix of the sequence loaded: the cuts go beside it, whatever "Dossier" and
    // "Préfixe" say since (the next load's).
    std::string dossierCharge;
    std::string prefixeCharge;
    int nbImages = 0;
    int numImageCourante = 0;
    float decalage = 0.f;
    int abandonImage = 0;
    int compteurAbandon = 0;
    int nbDigit = 4;
    int numDebut = 1;
    int numFin = 1;
    int debutLecture = 1;
    int finLecture = 1;
    float vitesse = 1.0f;
    float cumulVitesse = 0.f;
    bool bBouclageSensInverse = false;
    int sensLecture = 1;
    // The zone in pixels of the images: its size here, its corner in coinZone.
    int zoneL = 100;
    int zoneH = 200;
    sf::Vector2i coinZone;
    // Made on first use; kept (closing only hides it) until the slicer goes.
    std::unique_ptr<CPLUXDialog> pDialogApercu;
    // Preview pixels per image pixel: 1 shows the cut at its own size.
    float zoom = 1.0f;
    // What the preview shows: the cut of the current image, as the export writes it.
    sf::Texture textureApercu;

private:
    struct Champ;
    static const Champ CHAMPS[];

    // Controls both halves of the dialog reach.
    static constexpr const char* ID_IMAGE = "myImage";
    static constexpr const char* ID_ZONE = "myZone";
    static constexpr const char* ID_IMAGE_COURANTE = "myTextInputImageCourante";
    // The status line at the bottom of the dialog.
    static constexpr const char* ID_STATUT = "myTextStatut";

    // How the picture stands in "myImage": a point of the dialog is cadre's corner + an image
    // point x echelle. The zone, its size fields, the preview and the cuts all go through it.
    struct Vue {
        sf::FloatRect cadre;
        float echelle = 1.f;
        sf::Vector2f versDialogue(sf::Vector2i pixel) const;
        sf::Vector2i versImage(sf::Vector2f point) const;
    };

    // Next position in the drop cycle of abandonImage.
    int cycleAbandon(int compteur) const;
    // Nothing when "myImage" has no size.
    std::optional<Vue> vue() const;
    // The zone's rectangle in the dialog from coinZone, zoneL and zoneH: on whole image pixels,
    // inside "myImage" (a zone larger than what the view holds of it is drawn to the view's
    // edges); coinZone is brought back first so that a part of the zone lies on the pictures.
    sf::FloatRect rectZone(const Vue& v);
    void placerZone();
    // coinZone, zoneL and zoneH from the zone the user is moving or resizing.
    void lireZone(const CPLUXControl& zone);
    // The zone control and the preview after the zone changed.
    void zoneChangee();
    // What the last load or export did, on the dialog's status line (on the library's
    // console when the model has none).
    void statut(const std::string& texte) const;
    // What an export did, counted for its status line.
    struct BilanExport {
        int ecrites = 0, remplacees = 0, manquantes = 0, vides = 0, laissees = 0, echecs = 0;
        int apres = 0;  // cuts of an earlier, longer export left past the last one written
    };
    // Cut k's file, beside the sequence loaded.
    std::string cheminDecoupe(int k) const;
    void direBilan(const BilanExport& b, int suivante) const;
    void majNbImages();
    void montrerValeurGardee(CPLUXControlTextInput& c) const;
    void ecrireIndex(int index);
    void saisieTexte(CPLUXControlTextInput& c);
    void saisieImageCourante(CPLUXControlTextInput& c);
    bool saisieLecture(CPLUXControlTextInput& c);
    bool appuiLecture(const std::string& id);
    void tailleReelle(float facteur);
    sf::Vector2i tailleApercu() const;
    void dimensionnerApercu();
    void afficherApercu(int i);

    // Playback or a step button is writing its index into "myTextInputImageCourante".
    bool ecritureIndex_ = false;
    // The zone control as placerZone left it, and how far from it the mouse has the zone while
    // a drag's steps are rounded to whole image pixels.
    sf::FloatRect zonePlacee_;
    sf::FloatRect resteGlisse_;
};
