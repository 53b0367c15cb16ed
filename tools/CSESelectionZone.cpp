#include "tools/CSESelectionZone.h"

#include "core/Fichiers.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlTextInput.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <cstdio>
#include <filesystem>
#include <system_error>

namespace {

constexpr const char* ID_DOSSIER = "myTextInputDossier";
constexpr const char* ID_PREFIXE = "myTextInputPrefixe";
constexpr const char* ID_NUM_DEBUT = "myTextInputNumDebut";
constexpr const char* ID_NUM_FIN = "myTextInputNumFin";
constexpr const char* ID_NB_DIGIT = "myTextInputNbDigit";
constexpr const char* ID_EXT = "myTextInputExt";
constexpr const char* ID_NB_IMAGES = "myTextInputNbImages";
constexpr const char* ID_DECALAGE = "myTextInputDecalage";
constexpr const char* ID_ZONE_L = "myTextInputZoneL";
constexpr const char* ID_ZONE_H = "myTextInputZoneH";
constexpr const char* ID_ABANDON = "myTextInputAbandonImage";
constexpr const char* ID_BOUCLE = "myButtonCheckBoucle";
constexpr const char* ID_SENS_INVERSE = "myButtonCheckBouclageSensInverse";
constexpr const char* ID_OPEN = "myButtonOpen";
constexpr const char* ID_OPEN_ANIMATION = "myButtonOpenAnimation";
constexpr const char* ID_ENREGISTRER = "myButtonEnregistrer";
constexpr const char* ID_PICKER = "CSEOpenDossier";
constexpr int LIGNE_CONSOLE = 2;

int versInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

int tailleZone(int v) { return std::clamp(v, 1, CCSESelectionZone::TAILLE_ZONE_MAX); }

// "1 découpe enregistrée", "3 découpes enregistrées": 0 and 1 take the singular.
std::string compte(int n, const char* un, const char* plusieurs)
{
    return tuv::itos(n) + " " + (n > 1 ? plusieurs : un);
}

} // namespace

CCSESelectionZone::CCSESelectionZone() = default;

// The preview goes first: it shows a sprite of this dialog.
CCSESelectionZone::~CCSESelectionZone() { pDialogApercu.reset(); }

std::string CCSESelectionZone::numero(int n, int chiffres)
{
    // A negative number counts as one digit: -3 on four gives "000-3".
    const std::string t = tuv::itos(n);
    const int longueur = n < 0 ? 1 : static_cast<int>(t.size());
    return std::string(static_cast<size_t>(std::max(0, chiffres - longueur)), '0') + t;
}

int CCSESelectionZone::cycleAbandon(int compteur) const
{
    // A negative drop count reads as 0: the cycle's modulus is never 0.
    const long long periode = static_cast<long long>(std::max(abandonImage, 0)) + 1;
    return static_cast<int>((static_cast<long long>(compteur) + 1) % periode);
}

// Fields and controls ----------------------------------------------------------------------------------

// Each field and the text of the value it edits, in the order the dialog fills them.
struct CCSESelectionZone::Champ {
    const char* id;
    std::string (*texte)(const CCSESelectionZone&);
};

const CCSESelectionZone::Champ CCSESelectionZone::CHAMPS[] = {
    {ID_DOSSIER, [](const CCSESelectionZone& s) { return s.strDossier; }},
    {ID_DECALAGE, [](const CCSESelectionZone& s) { return tuv::ftos(s.decalage); }},
    {ID_NB_IMAGES, [](const CCSESelectionZone& s) { return tuv::itos(s.nbImagesALire()); }},
    {ID_EXT, [](const CCSESelectionZone& s) { return s.strExt; }},
    {ID_NB_DIGIT, [](const CCSESelectionZone& s) { return tuv::itos(s.nbDigit); }},
    {ID_NUM_DEBUT, [](const CCSESelectionZone& s) { return tuv::itos(s.numDebut); }},
    {ID_NUM_FIN, [](const CCSESelectionZone& s) { return tuv::itos(s.numFin); }},
    {"myTextInputDebutLecture", [](const CCSESelectionZone& s) { return tuv::itos(s.debutLecture); }},
    {"myTextInputFinLecture", [](const CCSESelectionZone& s) { return tuv::itos(s.finLecture); }},
    {ID_PREFIXE, [](const CCSESelectionZone& s) { return s.strPrefixe; }},
    {"myTextInputVitesse", [](const CCSESelectionZone& s) { return tuv::ftos(s.vitesse); }},
    {"myTextInputZoom", [](const CCSESelectionZone& s) { return tuv::ftos(s.zoom); }},
    {ID_IMAGE_COURANTE, [](const CCSESelectionZone& s) { return tuv::itos(s.numImageCourante); }},
    {ID_ABANDON, [](const CCSESelectionZone& s) { return tuv::itos(s.abandonImage); }},
    {ID_ZONE_L, [](const CCSESelectionZone& s) { return tuv::itos(s.zoneL); }},
    {ID_ZONE_H, [](const CCSESelectionZone& s) { return tuv::itos(s.zoneH); }},
};

void CCSESelectionZone::onCreate()
{
    CPLUXDialog::onCreate();
    // Every picture at its own size times the view's scale (placerZone sets it), from the
    // view's corner; neither the wheel nor a drag moves it.
    if (CPLUXControlImage* image = ctrlImage(ID_IMAGE)) {
        image->setPathImage("");
        image->setImage(&spriteImage);
        image->setDimensionImage(true);
        image->setZoomMove(true);
    }
    // An export's status line names the cuts it leaves: on as many lines as that takes.
    if (CPLUXControlText* t = ctrlText(ID_STATUT))
        t->aLaLigne = true;
    // The zone's corner as the model places it, before the size fields size it.
    CPLUXControlZone* z = ctrlZone(ID_ZONE);
    if (z)
        z->setTailleMinimale(TAILLE_MIN_VUE);
    if (const std::optional<Vue> v = vue(); z && v)
        coinZone = v->versImage({z->getLeft(), z->getTop()});
    for (const Champ& champ : CHAMPS)
        if (CPLUXControlTextInput* t = ctrlTextInput(champ.id))
            t->setText(champ.texte(*this));
    if (CPLUXControlButtonCheck* c = ctrlButtonCheck(ID_BOUCLE))
        c->setCheck(bBoucle);
    if (CPLUXControlButtonCheck* c = ctrlButtonCheck(ID_SENS_INVERSE))
        c->setCheck(bBouclageSensInverse);
    placerZone();
}

// A value typed that the slicer does not keep as typed (a zone size beyond its bounds, a zoom
// of 0, spaces in a prefix) stays in its field while it is typed, "0" being on its way to
// "0.5": once the field is left, or at Return, the field shows the value kept.
void CCSESelectionZone::montrerValeurGardee(CPLUXControlTextInput& c) const
{
    for (const Champ& champ : CHAMPS)
        if (c.getId() == champ.id)
            c.afficherSansEnvoi(champ.texte(*this));
}

void CCSESelectionZone::onCtrlInputEnterPress(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputEnterPress(c);
    if (c)
        montrerValeurGardee(*c);
}

void CCSESelectionZone::onCtrlInputLeave(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputLeave(c);
    if (c)
        montrerValeurGardee(*c);
}

int CCSESelectionZone::nbImagesALire() const
{
    const long long n = static_cast<long long>(numFin) - numDebut + 1;
    return static_cast<int>(std::clamp<long long>(n, 0, NB_IMAGES_MAX));
}

// "Nb images" shows how many images a load reads; nbImages stays the index of the last one,
// where playback ends.
void CCSESelectionZone::majNbImages()
{
    nbImages = versInt(static_cast<long long>(numFin) - numDebut);
    if (CPLUXControlTextInput* t = ctrlTextInput(ID_NB_IMAGES))
        t->setText(nbImagesALire());
}

bool CCSESelectionZone::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    const std::string& id = c->getId();
    if (id == ID_OPEN) {
        CPLUX::show(ID_PICKER);
    } else if (id == ID_OPEN_ANIMATION) {
        bPlay = false;
        chargerImages(std::string(strDossier));
    } else if (id == ID_ENREGISTRER) {
        enregistrerZones();
    } else {
        appuiLecture(id);
    }
    return true;
}

// A number field takes only a number (CPLUXControlTextInput::lireNombre): another text is
// refused, with a box, and the value it edits stays.
void CCSESelectionZone::saisieTexte(CPLUXControlTextInput& c)
{
    const std::string& id = c.getId();
    int n = 0;
    if (id == ID_DOSSIER) {
        // A folder name may hold spaces: it is taken as typed.
        strDossier = c.getText();
    } else if (id == ID_PREFIXE) {
        strPrefixe = tuv::delspaces(c.getText());
    } else if (id == ID_EXT) {
        strExt = tuv::delspaces(c.getText());
    } else if (id == ID_NUM_DEBUT || id == ID_NUM_FIN) {
        if (c.lireNombre(id == ID_NUM_DEBUT ? numDebut : numFin))
            majNbImages();
    } else if (id == ID_NB_DIGIT) {
        n = nbDigit;
        if (c.lireNombre(n))
            nbDigit = std::clamp(n, 1, NB_CHIFFRES_MAX);
    } else if (id == ID_DECALAGE) {
        c.lireNombre(decalage);
    } else if (id == ID_ZONE_L || id == ID_ZONE_H) {
        int& taille = id == ID_ZONE_L ? zoneL : zoneH;
        n = taille;
        if (c.lireNombre(n)) {
            taille = tailleZone(n);
            resteGlisse_ = {};
            zoneChangee();
        }
    } else if (id == ID_IMAGE_COURANTE) {
        saisieImageCourante(c);
    } else if (id == ID_ABANDON) {
        n = abandonImage;
        if (c.lireNombre(n))
            abandonImage = std::max(0, n);
    }
}

// An index typed names an image loaded: another would leave the picture on the image shown
// while the field names one it does not show. Playback and the step buttons write theirs as
// they are (a reading range may lie past the images).
void CCSESelectionZone::saisieImageCourante(CPLUXControlTextInput& c)
{
    int n = numImageCourante;
    if (!c.lireNombre(n))
        return;
    const int derniere = static_cast<int>(textures.size()) - 1;
    if (!ecritureIndex_ && derniere >= 0 && (n < 0 || n > derniere)) {
        c.refuserHorsBornes(tuv::itos(numImageCourante), "une image chargée (0 à " + tuv::itos(derniere) + ")");
        return;
    }
    numImageCourante = n;
    afficherImage(n);
}

void CCSESelectionZone::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    // Spaces go wherever they stand: "12 5" reads 125, "my prefix" is "myprefix".
    if (c && !saisieLecture(*c))
        saisieTexte(*c);
}

void CCSESelectionZone::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    if (c->getId() == ID_BOUCLE) {
        bBoucle = c->isChecked();
        numImageCourante = 0;
    } else if (c->getId() == ID_SENS_INVERSE) {
        bBouclageSensInverse = c->isChecked();
    }
}

void CCSESelectionZone::statut(const std::string& texte) const
{
    if (CPLUXControlText* t = ctrlText(ID_STATUT))
        t->setText(texte);
    else
        CPLUX::setConsoleText(texte, LIGNE_CONSOLE);
}

// Zone geometry ----------------------------------------------------------------------------------------

sf::Vector2f CCSESelectionZone::Vue::versDialogue(sf::Vector2i pixel) const
{
    return {cadre.left + static_cast<float>(pixel.x) * echelle, cadre.top + static_cast<float>(pixel.y) * echelle};
}

// To the nearest image pixel: a zone that placerZone put there reads back its own corner.
sf::Vector2i CCSESelectionZone::Vue::versImage(sf::Vector2f point) const
{
    return {tuv::floatVersInt(std::round((point.x - cadre.left) / echelle)),
            tuv::floatVersInt(std::round((point.y - cadre.top) / echelle))};
}

sf::Vector2u CCSESelectionZone::tailleSequence() const
{
    sf::Vector2u t;
    for (const auto& texture : textures) {
        t.x = std::max(t.x, texture->getSize().x);
        t.y = std::max(t.y, texture->getSize().y);
    }
    return t;
}

std::optional<CCSESelectionZone::Vue> CCSESelectionZone::vue() const
{
    const CPLUXControlImage* image = ctrlImage(ID_IMAGE);
    if (!image || image->getWidth() < 1.f || image->getHeight() < 1.f)
        return std::nullopt;
    // One scale for the whole sequence, that of its largest width and height shown whole: the
    // zone's pixels are the same pixels of every picture, each drawn at its own size from the
    // view's corner. Before an image is read, an image pixel is a dialog pixel.
    const sf::Vector2u t = tailleSequence();
    float echelle = 1.f;
    if (t.x > 0 && t.y > 0)
        echelle = std::clamp(std::min(image->getWidth() / static_cast<float>(t.x),
                                      image->getHeight() / static_cast<float>(t.y)),
                             CPLUXControlImage::ZOOM_MIN, CPLUXControlImage::ZOOM_MAX);
    return Vue{image->getRect(), echelle};
}

sf::FloatRect CCSESelectionZone::rectZone(const Vue& v)
{
    // The corner stays on a picture (on the view before a load), far enough in that a part of
    // the zone a drag can take lies on it: PRISE_ZONE pixels of the view, or the whole zone when
    // it is smaller. Pictures of several shapes leave corners of the sequence's box empty: the
    // zone takes, of the places each picture gives, the nearest to where it was put. It stays on
    // the view too; the outline stops at the view's edges.
    const sf::Vector2i vus(tuv::floatVersInt(std::ceil(v.cadre.width / v.echelle - 1e-3f)),
                           tuv::floatVersInt(std::ceil(v.cadre.height / v.echelle - 1e-3f)));
    const int prise = tuv::floatVersInt(std::ceil(PRISE_ZONE / v.echelle));
    const auto dernier = [&](long long etendue, int vu, int taille) {
        return static_cast<int>(std::max<long long>(0, std::min<long long>(etendue - std::min(taille, prise), vu - 1)));
    };
    const auto place = [&](sf::Vector2<long long> etendue) {
        return sf::Vector2i(std::clamp(coinZone.x, 0, dernier(etendue.x, vus.x, zoneL)),
                            std::clamp(coinZone.y, 0, dernier(etendue.y, vus.y, zoneH)));
    };
    const auto ecart = [&](sf::Vector2i c) {
        const long long dx = static_cast<long long>(c.x) - coinZone.x, dy = static_cast<long long>(c.y) - coinZone.y;
        return dx * dx + dy * dy;
    };
    std::optional<sf::Vector2i> coin;
    for (const auto& texture : textures) {
        const sf::Vector2u t = texture->getSize();
        if (t.x == 0 || t.y == 0)
            continue;
        const sf::Vector2i c = place({t.x, t.y});
        if (!coin || ecart(c) < ecart(*coin))
            coin = c;
    }
    coinZone = coin ? *coin : place({vus.x, vus.y});
    const sf::Vector2f haut = v.versDialogue(coinZone);
    const float l = std::min(static_cast<float>(zoneL) * v.echelle, v.cadre.left + v.cadre.width - haut.x);
    const float h = std::min(static_cast<float>(zoneH) * v.echelle, v.cadre.top + v.cadre.height - haut.y);
    return {haut.x, haut.y, l, h};
}

void CCSESelectionZone::placerZone()
{
    CPLUXControlZone* z = ctrlZone(ID_ZONE);
    const std::optional<Vue> v = vue();
    if (!z || !v)
        return;
    if (CPLUXControlImage* image = ctrlImage(ID_IMAGE))
        image->setScale(v->echelle);
    const sf::FloatRect r = rectZone(*v);
    z->setPosition(r.left, r.top);
    z->setVisibleDimension(r.width, r.height);
    zonePlacee_ = z->getRect();
}

void CCSESelectionZone::lireZone(const CPLUXControl& zone)
{
    const std::optional<Vue> v = vue();
    if (!v)
        return;
    // Where the mouse has the zone: where the library moved or resized it, plus what rounding
    // held back at the drag's earlier steps, so that a slow drag is not lost.
    const sf::FloatRect r = zone.getRect();
    const sf::FloatRect libre(r.left + resteGlisse_.left, r.top + resteGlisse_.top, r.width + resteGlisse_.width,
                              r.height + resteGlisse_.height);
    coinZone = v->versImage({libre.left, libre.top});
    const sf::Vector2i voulu = coinZone;
    // A side dragged gives its size; the other keeps its own, which the view's edge may cut.
    const bool largeur = r.width != zonePlacee_.width, hauteur = r.height != zonePlacee_.height;
    const auto taille = [&](float cote) { return tailleZone(tuv::floatVersInt(std::round(cote / v->echelle))); };
    if (largeur)
        zoneL = taille(libre.width);
    if (hauteur)
        zoneH = taille(libre.height);
    const sf::FloatRect place = rectZone(*v);
    // Held at the view's edge, the corner keeps nothing back; moved, the zone's sides neither
    // (the view's edge may cut them otherwise).
    const bool deplacee = r.left != zonePlacee_.left || r.top != zonePlacee_.top;
    const auto reste = [&](bool change, float voulue, float placee, float avant) {
        return change ? voulue - placee : deplacee ? 0.f : avant;
    };
    resteGlisse_ = {coinZone.x == voulu.x ? libre.left - place.left : 0.f,
                    coinZone.y == voulu.y ? libre.top - place.top : 0.f,
                    reste(largeur, libre.width, place.width, resteGlisse_.width),
                    reste(hauteur, libre.height, place.height, resteGlisse_.height)};
    for (const auto& [id, valeur] : {std::pair{ID_ZONE_L, zoneL}, std::pair{ID_ZONE_H, zoneH}})
        if (CPLUXControlTextInput* t = ctrlTextInput(id))
            t->afficherSansEnvoi(tuv::itos(valeur));
}

void CCSESelectionZone::zoneChangee()
{
    placerZone();
    if (pDialogApercu) {
        dimensionnerApercu();
        afficherImage(numImageCourante);
    }
}

void CCSESelectionZone::onCtrlSizeChange(CPLUXControl* c)
{
    CPLUXDialog::onCtrlSizeChange(c);
    if (c && c->getId() == ID_ZONE) {
        lireZone(*c);
        zoneChangee();
    }
}

void CCSESelectionZone::onCtrlMove(CPLUXControl* c)
{
    CPLUXDialog::onCtrlMove(c);
    if (c && c->getId() == ID_ZONE) {
        lireZone(*c);
        zoneChangee();
    }
}

std::optional<sf::IntRect> CCSESelectionZone::rectangleDecoupe(int i) const
{
    const std::optional<Vue> v = vue();
    if (!v || i < 0 || i >= static_cast<int>(textures.size()))
        return std::nullopt;
    // The shift is typed in pixels of the view.
    const float x = static_cast<float>(coinZone.x) + static_cast<float>(i) * decalage / v->echelle;
    return sf::IntRect(tuv::floatVersInt(std::round(x)), coinZone.y, zoneL, zoneH);
}

sf::IntRect CCSESelectionZone::partieDans(const sf::IntRect& rect, sf::Vector2u taille)
{
    // In 64 bits: a shifted rectangle may lie near the ints' ends.
    const long long gauche = std::max<long long>(rect.left, 0);
    const long long haut = std::max<long long>(rect.top, 0);
    const long long droite = std::min<long long>(static_cast<long long>(rect.left) + rect.width, taille.x);
    const long long bas = std::min<long long>(static_cast<long long>(rect.top) + rect.height, taille.y);
    if (droite <= gauche || bas <= haut)
        return {};
    return {static_cast<int>(gauche), static_cast<int>(haut), static_cast<int>(droite - gauche),
            static_cast<int>(bas - haut)};
}

sf::Image CCSESelectionZone::decouper(const sf::Image& source, const sf::IntRect& rect) const
{
    sf::Image cut;
    cut.create(static_cast<unsigned>(tailleZone(zoneL)), static_cast<unsigned>(tailleZone(zoneH)),
               sf::Color::Black);
    // Only the part inside the source is copied, at its place in the cut: the image library
    // would read past the source for a rectangle that runs off it.
    const sf::IntRect dedans = partieDans(rect, source.getSize());
    if (dedans.width > 0)
        cut.copy(source, static_cast<unsigned>(static_cast<long long>(dedans.left) - rect.left),
                 static_cast<unsigned>(static_cast<long long>(dedans.top) - rect.top), dedans, true);
    return cut;
}

// Loading and showing ----------------------------------------------------------------------------------

void CCSESelectionZone::chargerImages(const std::string& dossier)
{
    // The folder is a prefix of every path: "seq" typed is the folder seq/.
    strDossier = dossier;
    if (!strDossier.empty() && strDossier.back() != '/')
        strDossier += '/';
    if (CPLUXControlTextInput* t = ctrlTextInput(ID_DOSSIER))
        t->setText(strDossier);
    // Nothing may keep pointing at the textures that go.
    spriteImage = sf::Sprite();
    spriteZone = sf::Sprite();
    textures.clear();
    dossierCharge = strDossier;
    prefixeCharge = strPrefixe;
    const long long dernier =
        std::min<long long>(numFin, static_cast<long long>(numDebut) + NB_IMAGES_MAX - 1);
    int manquantes = 0;
    for (long long n = numDebut; n <= dernier; ++n) {
        const std::string chemin = strDossier + strPrefixe + numero(static_cast<int>(n), nbDigit) + strExt;
        auto t = std::make_unique<sf::Texture>();
        // Only a regular file reaches the image library.
        if (!tuv::chargerMedia(*t, chemin))
            ++manquantes;
        textures.push_back(std::move(t));
    }
    // The zone keeps its pixels (its fields say what they said), brought onto the pictures.
    resteGlisse_ = {};
    placerZone();
    ecrireIndex(0);
    std::string message =
        compte(static_cast<int>(textures.size()), "image chargée", "images chargées") + " depuis " + strDossier;
    if (numDebut > numFin)
        message += " : Premier n° (" + tuv::itos(numDebut) + ") au-dessus de Dernier n° (" + tuv::itos(numFin) + ")";
    if (manquantes > 0)
        message += ", " + compte(manquantes, "absente ou illisible", "absentes ou illisibles");
    if (dernier < numFin)
        message += " (limite de " + tuv::itos(NB_IMAGES_MAX) + " images)";
    statut(message);
}

void CCSESelectionZone::afficherImage(int i)
{
    if (i < 0 || i >= static_cast<int>(textures.size()))
        return;
    // At its own size: nothing of another picture's frame is drawn past a smaller one. "myImage"
    // draws spriteImage from the start.
    spriteImage.setTexture(*textures[static_cast<size_t>(i)], true);
    if (pDialogApercu)
        afficherApercu(i);
}

// Export -------------------------------------------------------------------------------------------------

std::string CCSESelectionZone::cheminDecoupe(int k) const
{
    return dossierCharge + "se_" + prefixeCharge + numero(k, CHIFFRES_DECOUPES) + ".png";
}

// Cut k is the k-th image kept, from 1 whatever the sequence's first number. A missing source,
// or one the zone misses altogether (a smaller picture of the sequence, a shift), leaves its
// number without a cut: an older cut of that number stays as it was, and is said. The cuts of
// one sequence never land beside another one picked or typed since the load.
void CCSESelectionZone::enregistrerZones()
{
    compteurAbandon = 0;
    if (textures.empty()) {
        statut("Découpe : aucune image chargée, rien n'est enregistré");
        return;
    }
    if (!rectangleDecoupe(0)) {
        statut("Découpe : \"myImage\" a une taille nulle, rien n'est enregistré");
        return;
    }
    BilanExport b;
    int k = 1;
    for (size_t i = 0; i < textures.size(); ++i) {
        if (compteurAbandon == 0) {
            const sf::Image source = textures[i]->copyToImage();
            const sf::IntRect rect = *rectangleDecoupe(static_cast<int>(i));
            const sf::IntRect dedans = partieDans(rect, source.getSize());
            const std::string chemin = cheminDecoupe(k);
            std::error_code erreur;
            const bool existait = std::filesystem::exists(chemin, erreur);
            const bool absente = source.getSize().x == 0 || source.getSize().y == 0;
            if (absente || dedans.width == 0) {
                ++(absente ? b.manquantes : b.vides);
                b.laissees += existait ? 1 : 0;
            } else if (!tuv::ecrireImage(decouper(source, rect), chemin)) {
                ++b.echecs;
            } else {
                ++b.ecrites;
                b.remplacees += existait ? 1 : 0;
            }
            ++k;
        }
        compteurAbandon = cycleAbandon(compteurAbandon);
    }
    // Cuts of a longer export, numbered on from this one's last.
    std::error_code erreur;
    while (b.apres < NB_IMAGES_MAX && std::filesystem::exists(cheminDecoupe(k + b.apres), erreur))
        ++b.apres;
    direBilan(b, k);
}

void CCSESelectionZone::direBilan(const BilanExport& b, int suivante) const
{
    const auto nom = [&](int k) { return std::filesystem::path(cheminDecoupe(k)).filename().string(); };
    // The status line holds one line, the parts after the count; the box, shown when a cut is
    // missing, one per line.
    std::vector<std::string> parties{compte(b.ecrites, "découpe enregistrée", "découpes enregistrées") + " dans " +
                                     dossierCharge};
    if (b.remplacees > 0)
        parties.push_back(compte(b.remplacees, "découpe existante remplacée", "découpes existantes remplacées"));
    if (b.manquantes > 0)
        parties.push_back(compte(b.manquantes, "image source absente ou illisible",
                                 "images source absentes ou illisibles") + " : pas de découpe");
    if (b.vides > 0)
        parties.push_back(compte(b.vides, "image que la zone ne touche pas", "images que la zone ne touche pas") +
                          " : pas de découpe");
    if (b.laissees > 0)
        parties.push_back(
            compte(b.laissees, "découpe d'un export précédent laissée", "découpes d'un export précédent laissées"));
    if (b.echecs > 0)
        parties.push_back(compte(b.echecs, "découpe non enregistrée", "découpes non enregistrées"));
    if (b.apres > 0)
        parties.push_back(
            compte(b.apres, "découpe d'un export plus long laissée", "découpes d'un export plus long laissées") +
            " après la dernière (" + nom(suivante) + (b.apres > 1 ? " à " + nom(suivante + b.apres - 1) : "") + ")");
    std::string ligne, boite;
    for (const std::string& p : parties) {
        ligne += (ligne.empty() ? "" : ", ") + p;
        boite += (boite.empty() ? "" : "\n") + p;
    }
    statut(ligne);
    if (b.manquantes > 0 || b.vides > 0 || b.echecs > 0)
        CPLUX::MessageBoxW("Erreur !", boite);
}
