// Playback of the slicer's sequence and the "Aperçu" preview of its zone. Playback advances
// once per drawing of the dialog: its speed is in images per drawn frame, with no clock of
// its own. Steps do not draw: they write the index into "myTextInputImageCourante", whose
// change shows the image.
#include "tools/CSESelectionZone.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/plux_theme.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

constexpr const char* ID_VITESSE = "myTextInputVitesse";
constexpr const char* ID_ZOOM = "myTextInputZoom";
constexpr const char* ID_DEBUT_LECTURE = "myTextInputDebutLecture";
constexpr const char* ID_FIN_LECTURE = "myTextInputFinLecture";
constexpr const char* ID_APERCU_IMAGE = "myImageVETailleReelle";

// The width the preview's title bar needs to show its whole title, as the library lays it out:
// the text from 8 pixels in, clipped 4 pixels before the close button (24 pixels) and the
// minimise one (22).
int largeurTitre(const CPLUXDialog& d)
{
    float l = 8.f + plux::largeurTexte(d.getTitleW(), plux::TAILLE_TEXTE) + 4.f;
    for (const auto& [id, bouton] : {std::pair{"btnClose", 24.f}, std::pair{"btnMinimize", 22.f}})
        if (const CPLUXControl* b = d.getControl(id); b && b->isVisible())
            l += bouton;
    return static_cast<int>(std::ceil(l));
}

int difference(int a, int b)
{
    return static_cast<int>(std::clamp<long long>(static_cast<long long>(a) - b, INT_MIN, INT_MAX));
}

} // namespace

void CCSESelectionZone::onHide()
{
    CPLUXDialog::onHide();
    if (pDialogApercu && pDialogApercu->estAffiche())
        pDialogApercu->close();
}

void CCSESelectionZone::onFrame()
{
    CPLUXDialog::onFrame();
    if (!pDialogApercu || !pDialogApercu->estAffiche())
        return;
    const std::vector<CPLUXDialog*>& ordre = CPLUX::getDialogs();
    const auto rang = [&](const CPLUXDialog* d) { return std::find(ordre.begin(), ordre.end(), d) - ordre.begin(); };
    if (rang(pDialogApercu.get()) < rang(this))
        CPLUX::ajouterAuPremierPlan(pDialogApercu.get(), getHwnd());
}

void CCSESelectionZone::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    if (w)
        CPLUXDialog::draw(w, mouseX, mouseY, ox, oy);
    if (bPlay)
        avancerLecture(vitesse);
}

void CCSESelectionZone::ecrireIndex(int index)
{
    if (CPLUXControlTextInput* t = ctrlTextInput(ID_IMAGE_COURANTE)) {
        ecritureIndex_ = true;
        t->setText(index);
        ecritureIndex_ = false;
    } else {
        numImageCourante = index;
        afficherImage(index);
    }
}

void CCSESelectionZone::avancerLecture(float v)
{
    // A speed of 0 or below holds playback still, and leaves no debt that a speed typed later
    // would have to pay back before the next image.
    cumulVitesse = std::max(0.f, cumulVitesse + (std::isfinite(v) ? v : 0.f));
    if (cumulVitesse < 1.f)
        return;
    // Reset, not reduced: any speed of 1 or more gives one image per drawn frame.
    cumulVitesse = 0.f;
    // Outside the loaded list playback idles, still on, until the user steps or reloads.
    if (numImageCourante < 0 || numImageCourante >= static_cast<int>(textures.size()))
        return;
    if (compteurAbandon == 0)
        ecrireIndex(numImageCourante);
    compteurAbandon = cycleAbandon(compteurAbandon);
    numImageCourante += sensLecture;
    // The end is nbImages, not the reading range nor the number of loaded textures.
    if (!bBoucle) {
        if (numImageCourante > nbImages)
            bPlay = false;
    } else if (sensLecture == 1) {
        if (numImageCourante > nbImages) {
            if (bBouclageSensInverse)
                sensLecture = -1;
            numImageCourante = bBouclageSensInverse ? nbImages : 0;
        }
    } else if (numImageCourante < 0) {
        if (bBouclageSensInverse)
            sensLecture = 1;
        numImageCourante = bBouclageSensInverse ? 0 : nbImages;
    }
}

bool CCSESelectionZone::appuiLecture(const std::string& id)
{
    const int premier = difference(debutLecture, numDebut), dernier = difference(finLecture, numDebut);
    if (id == "myButtonPlay") {
        bPlay = true;
        compteurAbandon = 0;
        numImageCourante = premier;
    } else if (id == "myButtonPause") {
        bPlay = !bPlay;
    } else if (id == "myButtonArr") {
        bPlay = false;
        numImageCourante = std::max(difference(numImageCourante, 1), premier);
        ecrireIndex(numImageCourante);
    } else if (id == "myButtonAv") {
        bPlay = false;
        numImageCourante = difference(numImageCourante, -1);
        if (numImageCourante > nbImages || numImageCourante > dernier)
            numImageCourante = dernier;
        ecrireIndex(numImageCourante);
    } else if (id == "myButtonTailleReelle") {
        tailleReelle(1.0f);
    } else if (id == "myButtonTailleReelle05") {
        tailleReelle(0.5f);
    } else if (id == "myButtonApercu") {
        ouvrirApercu();
    } else {
        return false;
    }
    return true;
}

bool CCSESelectionZone::saisieLecture(CPLUXControlTextInput& c)
{
    const std::string& id = c.getId();
    if (id == ID_VITESSE) {
        c.lireNombre(vitesse);
    } else if (id == ID_ZOOM) {
        // A zoom that is not above 0 would make an empty preview: the old one stays.
        float z = zoom;
        if (c.lireNombre(z) && z > 0.f)
            zoom = z;
        afficherImage(numImageCourante);
    } else if (id == ID_DEBUT_LECTURE) {
        c.lireNombre(debutLecture);
    } else if (id == ID_FIN_LECTURE) {
        c.lireNombre(finLecture);
    } else {
        return false;
    }
    return true;
}

// The cut at its own size in the preview (times facteur).
void CCSESelectionZone::tailleReelle(float facteur)
{
    if (textures.empty())
        return;
    zoom = facteur;
    if (CPLUXControlTextInput* t = ctrlTextInput(ID_ZOOM))
        t->setText(zoom);
    ouvrirApercu();
}

// Preview -----------------------------------------------------------------------------------------------

sf::Vector2i CCSESelectionZone::tailleApercu() const
{
    return {std::clamp(tuv::floatVersInt(static_cast<float>(zoneL) * zoom), 1, TAILLE_APERCU_MAX),
            std::clamp(tuv::floatVersInt(static_cast<float>(zoneH) * zoom), 1, TAILLE_APERCU_MAX)};
}

void CCSESelectionZone::dimensionnerApercu()
{
    const sf::Vector2i t = tailleApercu();
    pDialogApercu->Size(std::max(t.x, largeurTitre(*pDialogApercu)), t.y);
    if (CPLUXControlImage* image = pDialogApercu->ctrlImage(ID_APERCU_IMAGE))
        image->setVisibleDimension(static_cast<float>(t.x), static_cast<float>(t.y));
}

void CCSESelectionZone::ouvrirApercu()
{
    if (!pDialogApercu) {
        auto d = std::make_unique<CPLUXDialog>();
        d->setTitle(L"Aperçu");
        d->setVisible(true);
        d->setPosition(10, 10);
        d->setCloseMode(2);
        if (CPLUXControlImage* image = d->addControlImage(ID_APERCU_IMAGE)) {
            image->setAnchors(true, true, false, false);
            image->setUserCtrl(true);
            image->setVisible(true);
            image->setPosition(0, static_cast<float>(d->hauteurTitre()));
        }
        CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
        pDialogApercu = std::move(d);
    }
    // Over the slicer, whose button asked for it, also when it comes back.
    pDialogApercu->setVisible(true);
    pDialogApercu->setMinimize(false);
    CPLUX::ajouterAuPremierPlan(pDialogApercu.get());
    dimensionnerApercu();
    afficherImage(numImageCourante);
}

// The cut itself, black where the export writes black, not the picture under the zone.
void CCSESelectionZone::afficherApercu(int i)
{
    const std::optional<sf::IntRect> r = rectangleDecoupe(i);
    if (r && textureApercu.loadFromImage(decouper(textures[static_cast<size_t>(i)]->copyToImage(), *r)))
        spriteZone.setTexture(textureApercu, true);
    else
        spriteZone = sf::Sprite();
    if (CPLUXControlImage* image = pDialogApercu->ctrlImage(ID_APERCU_IMAGE)) {
        image->setPathImage("");
        image->setImage(&spriteZone);
        image->setKeepRatio(true);
        image->setDimensionImage(false);
    }
}
