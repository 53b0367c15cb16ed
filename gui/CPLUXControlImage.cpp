#include "gui/CPLUXControlImage.h"

#include "core/Fichiers.h"
#include "core/Media.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXDialog.h"
#include "gui/DecoupeVue.h"

#include <algorithm>
#include <cmath>
#include <filesystem>
#include <map>
#include <memory>

namespace {
// Pictures shared by every image control, loaded once per path and kept while the file stays
// as it was: a missing file is not retried, a file changed on disk is read again.
struct ImageFichier {
    std::unique_ptr<sf::Texture> texture;
    std::filesystem::file_time_type date{};
};

std::map<std::string, ImageFichier>& cacheTextures()
{
    static auto* cache = new std::map<std::string, ImageFichier>;
    return *cache;
}

std::filesystem::file_time_type dateDe(const std::string& chemin)
{
    std::error_code ec;
    const std::filesystem::file_time_type d = std::filesystem::last_write_time(chemin, ec);
    return ec ? std::filesystem::file_time_type::min() : d;
}

const sf::Texture* chargerTexture(const std::string& chemin, bool recharger)
{
    auto& cache = cacheTextures();
    auto it = cache.find(chemin);
    const std::filesystem::file_time_type date = dateDe(chemin);
    if (it != cache.end() && !recharger && it->second.date == date)
        return it->second.texture.get();
    auto t = std::make_unique<sf::Texture>();
    if (!tuv::chargerMedia(*t, chemin))
        t.reset();
    if (it == cache.end()) {
        ImageFichier& nouvelle = cache[chemin];
        nouvelle.texture = std::move(t);
        nouvelle.date = date;
        return nouvelle.texture.get();
    }
    it->second.date = date;
    // Reloaded in place so that every control holding the old texture sees the new pixels.
    if (t && it->second.texture)
        *it->second.texture = *t;
    else if (t)
        it->second.texture = std::move(t);
    return it->second.texture.get();
}

} // namespace

// Picture --------------------------------------------------------------------------------------

void CPLUXControlImage::setImage(const std::string& path)
{
    chemin_ = path;
    spriteProgramme_ = nullptr;
    textureFichier_ = path.empty() ? nullptr : chargerTexture(path, false);
    bornerScroll();
}

void CPLUXControlImage::setImage(sf::Sprite* sprite)
{
    spriteProgramme_ = sprite;
    textureFichier_ = nullptr;
    bornerScroll();
}

void CPLUXControlImage::removeImage()
{
    spriteProgramme_ = nullptr;
    textureFichier_ = nullptr;
    scrollX_ = scrollY_ = 0;
}

void CPLUXControlImage::refresh()
{
    if (chemin_.empty())
        return;
    spriteProgramme_ = nullptr;
    textureFichier_ = chargerTexture(chemin_, true);
    bornerScroll();
}

const sf::Texture* CPLUXControlImage::texture() const
{
    if (spriteProgramme_)
        return spriteProgramme_->getTexture();
    return textureFichier_;
}

bool CPLUXControlImage::hasImage() const { return texture() != nullptr; }

sf::IntRect CPLUXControlImage::rectSource() const
{
    if (spriteProgramme_)
        return spriteProgramme_->getTextureRect();
    if (textureFichier_) {
        const sf::Vector2u t = textureFichier_->getSize();
        return {0, 0, static_cast<int>(t.x), static_cast<int>(t.y)};
    }
    return {};
}

sf::Vector2f CPLUXControlImage::getImageSize() const
{
    if (!texture())
        return {0.f, 0.f};
    const sf::IntRect r = rectSource();
    return {static_cast<float>(std::abs(r.width)), static_cast<float>(std::abs(r.height))};
}

// View -------------------------------------------------------------------------------------------

void CPLUXControlImage::setScale(float s)
{
    if (std::isnan(s) || s < ZOOM_MIN)
        s = ZOOM_MIN;
    if (s > ZOOM_MAX)
        s = ZOOM_MAX;
    zoom_ = s;
    bornerScroll();
}

sf::Vector2f CPLUXControlImage::facteurAffichage() const
{
    const sf::Vector2f taille = getImageSize();
    if (tailleReelle_ || taille.x <= 0.f || taille.y <= 0.f)
        return {zoom_, zoom_};
    sf::Vector2f f(getWidth() / taille.x, getHeight() / taille.y);
    if (garderRatio_)
        f.x = f.y = std::min(f.x, f.y);
    return f;
}

void CPLUXControlImage::setScroll(int x, int y)
{
    scrollX_ = x;
    scrollY_ = y;
    bornerScroll();
}

void CPLUXControlImage::bornerScroll()
{
    if (!tailleReelle_ || !hasImage()) {
        scrollX_ = scrollY_ = 0;
        return;
    }
    const sf::Vector2f taille = getImageSize();
    const int maxX = std::max(0, static_cast<int>(std::ceil(taille.x - getWidth() / zoom_)));
    const int maxY = std::max(0, static_cast<int>(std::ceil(taille.y - getHeight() / zoom_)));
    scrollX_ = std::clamp(scrollX_, 0, maxX);
    scrollY_ = std::clamp(scrollY_, 0, maxY);
}

void CPLUXControlImage::zoomerAutour(int delta, sf::Vector2f p)
{
    if (delta == 0)
        return;
    // The image point under p stays under p.
    const float ix = p.x / zoom_ + scrollX_;
    const float iy = p.y / zoom_ + scrollY_;
    setScale(delta > 0 ? zoom_ * PAS_ZOOM : zoom_ / PAS_ZOOM);
    scrollX_ = static_cast<int>(std::lround(ix - p.x / zoom_));
    scrollY_ = static_cast<int>(std::lround(iy - p.y / zoom_));
    bornerScroll();
}

bool CPLUXControlImage::onMouseWheel(int delta, CPLUXDialog* d)
{
    CPLUXControl::onMouseWheel(delta, d);
    if (zoomMove_)
        return true;
    const sf::Vector2i souris = CPLUX::getMousePosition();
    zoomerAutour(delta, {static_cast<float>(souris.x - getLeftScreen()),
                         static_cast<float>(souris.y - getTopScreen())});
    return true;
}

bool CPLUXControlImage::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    CPLUXControl::onMousePressLeft(w, x, y, d);
    dernierGlisse_ = {x, y};
    resteScroll_ = {0.f, 0.f};
    return true;
}

void CPLUXControlImage::onMouseDrag(int x, int y)
{
    const sf::Vector2i d(x - dernierGlisse_.x, y - dernierGlisse_.y);
    dernierGlisse_ = {x, y};
    if (zoomMove_ || !tailleReelle_)
        return;
    // Dragging the picture moves it with the mouse: the scroll goes the other way.
    resteScroll_ -= sf::Vector2f(d.x / zoom_, d.y / zoom_);
    const int sx = static_cast<int>(resteScroll_.x), sy = static_cast<int>(resteScroll_.y);
    resteScroll_ -= sf::Vector2f(static_cast<float>(sx), static_cast<float>(sy));
    setScroll(scrollX_ + sx, scrollY_ + sy);
}

// Drawing ----------------------------------------------------------------------------------------

void CPLUXControlImage::dessiner(plux::Peintre& p, float ox, float oy)
{
    const sf::FloatRect r = rectEcran(ox, oy);
    p.rect(r, couleurFond_);
    if (cadre_)
        p.cadre(r, couleurCadre_);
}

void CPLUXControlImage::draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d)
{
    plux::Peintre& p = plux::peintre();
    const sf::FloatRect ecran = rectEcran(static_cast<float>(dialogLeft), static_cast<float>(dialogTop));
    p.rect(ecran, couleurFond_);
    if (w && hasImage()) {
        // The batched background must lie under the picture.
        p.vider(*w);
        dessinerImage(*w, ecran);
        if (grille_)
            dessinerGrille(*w, ecran);
    }
    dessinerBarres(p, ecran);
    if (cadre_)
        p.cadre(ecran, couleurCadre_);
    if (!actif_)
        p.rect(ecran, sf::Color(242, 243, 245, 120));
}

void CPLUXControlImage::dessinerImage(sf::RenderWindow& w, sf::FloatRect ecran)
{
    sf::Sprite s(*texture(), rectSource());
    if (spriteProgramme_)
        s.setColor(spriteProgramme_->getColor());
    const sf::Vector2f f = facteurAffichage();
    s.setScale(f);
    if (tailleReelle_)
        s.setPosition(ecran.left - scrollX_ * f.x, ecran.top - scrollY_ * f.y);
    else
        s.setPosition(ecran.left, ecran.top);
    CDecoupeVue decoupe(w, ecran);
    w.draw(s);
}

void CPLUXControlImage::dessinerGrille(sf::RenderWindow& w, sf::FloatRect ecran)
{
    const sf::Vector2f f = facteurAffichage();
    const float pasX = tailleCase_ * f.x, pasY = tailleCase_ * f.y;
    // Cells under two screen pixels would only grey the picture.
    if (pasX < 2.f || pasY < 2.f)
        return;
    const sf::Vector2f taille = getImageSize();
    const float x0 = ecran.left - (tailleReelle_ ? scrollX_ * f.x : 0.f);
    const float y0 = ecran.top - (tailleReelle_ ? scrollY_ * f.y : 0.f);
    const float x1 = std::min(ecran.left + ecran.width, x0 + taille.x * f.x);
    const float y1 = std::min(ecran.top + ecran.height, y0 + taille.y * f.y);
    const sf::Color c(255, 255, 255, 70);
    sf::VertexArray lignes(sf::Lines);
    const float debutX = x0 + std::max(0.f, std::floor((ecran.left - x0) / pasX)) * pasX;
    for (float x = debutX; x <= x1; x += pasX) {
        lignes.append({{x, std::max(y0, ecran.top)}, c});
        lignes.append({{x, y1}, c});
    }
    const float debutY = y0 + std::max(0.f, std::floor((ecran.top - y0) / pasY)) * pasY;
    for (float y = debutY; y <= y1; y += pasY) {
        lignes.append({{std::max(x0, ecran.left), y}, c});
        lignes.append({{x1, y}, c});
    }
    CDecoupeVue decoupe(w, ecran);
    w.draw(lignes);
}

void CPLUXControlImage::dessinerBarres(plux::Peintre& p, sf::FloatRect ecran)
{
    if (!tailleReelle_ || !hasImage())
        return;
    const sf::Vector2f taille = getImageSize() * zoom_;
    const sf::Color fond(0, 0, 0, 40), curseur(60, 64, 72, 160);
    const float e = 5.f;
    if (taille.x > ecran.width + 0.5f) {
        const float l = ecran.width * ecran.width / taille.x;
        const float x = ecran.left + scrollX_ * zoom_ * ecran.width / taille.x;
        p.rect({ecran.left, ecran.top + ecran.height - e, ecran.width, e}, fond);
        p.rect({x, ecran.top + ecran.height - e, l, e}, curseur);
    }
    if (taille.y > ecran.height + 0.5f) {
        const float l = ecran.height * ecran.height / taille.y;
        const float y = ecran.top + scrollY_ * zoom_ * ecran.height / taille.y;
        p.rect({ecran.left + ecran.width - e, ecran.top, e, ecran.height}, fond);
        p.rect({ecran.left + ecran.width - e, y, e, l}, curseur);
    }
}

// Zone -------------------------------------------------------------------------------------------

namespace {
// The pixel edge nearest to a coordinate.
int pixelProche(float v) { return static_cast<int>(std::clamp(std::floor(v + 0.5f), -1e9f, 1e9f)); }
} // namespace

CPLUXControlZone::CPLUXControlZone()
{
    deplacable_ = true;
    redimensionnable_ = true;
}

// A zone larger than the dialog's picture, or dragged past it, is drawn only over its dialog's
// body: the rest would lie over the level or another dialog. It is drawn on whole pixels, those
// a press takes: the edges of a zone over a picture shown at another scale than its own fall
// between pixels.
void CPLUXControlZone::dessiner(plux::Peintre& p, float ox, float oy)
{
    const auto ecran = [&](sf::IntRect r) {
        return sf::FloatRect(ox + static_cast<float>(r.left), oy + static_cast<float>(r.top),
                             static_cast<float>(r.width), static_cast<float>(r.height));
    };
    const sf::FloatRect r = ecran(pixels());
    const CPLUXDialog* d = getParent();
    const sf::FloatRect corps = d ? sf::FloatRect(ox, oy + static_cast<float>(d->hauteurTitre()),
                                                  static_cast<float>(d->getWidth()), static_cast<float>(d->getHeight()))
                                  : r;
    const auto peindre = [&](sf::FloatRect morceau) {
        sf::FloatRect vu;
        if (morceau.intersects(corps, vu))
            p.rect(vu, couleur_);
    };
    // A line of one pixel at least; a zone it would fill is filled.
    const float e = epaisseur_ > 0.f ? std::max(1.f, std::round(epaisseur_)) : 0.f;
    if (e > 0.f && (2 * e >= r.width || 2 * e >= r.height)) {
        peindre(r);
    } else if (e > 0.f) {
        peindre({r.left, r.top, r.width, e});
        peindre({r.left, r.top + r.height - e, r.width, e});
        peindre({r.left, r.top + e, e, r.height - 2 * e});
        peindre({r.left + r.width - e, r.top + e, e, r.height - 2 * e});
    }
    if (redimensionnable_)
        peindre(ecran(poignee()));
}

sf::IntRect CPLUXControlZone::pixels() const
{
    const int gauche = pixelProche(rect_.left), haut = pixelProche(rect_.top);
    const int droite = std::max(pixelProche(rect_.left + rect_.width), gauche + 1);
    const int bas = std::max(pixelProche(rect_.top + rect_.height), haut + 1);
    return {gauche, haut, droite - gauche, bas - haut};
}

sf::IntRect CPLUXControlZone::poignee() const
{
    const sf::IntRect z = pixels();
    const int dedans = z.width > 2 * BORD_SAISIE && z.height > 2 * BORD_SAISIE ? BORD_SAISIE : 0;
    return {z.left + z.width - dedans, z.top + z.height - dedans, BORD_SAISIE, BORD_SAISIE};
}

bool CPLUXControlZone::contient(int x, int y) const
{
    if (!parent_)
        return false;
    const int lx = x - parent_->getLeft(), ly = y - parent_->getTop();
    if (!pixels().contains(lx, ly) && !(redimensionnable_ && poignee().contains(lx, ly)))
        return false;
    return !parentCtrl_ || parentCtrl_->getRect().contains(static_cast<float>(lx), static_cast<float>(ly));
}

int CPLUXControlZone::modeRedimension(float x, float y) const
{
    // (x, y) is from the rectangle's corner: back to the pixel pressed.
    return poignee().contains(pixelProche(getLeft() + x), pixelProche(getTop() + y)) ? 3 : 0;
}

// Typed look-ups of the dialog for the kinds above ------------------------------------------------

CPLUXControlImage* CPLUXDialog::ctrlImage(const std::string& id) const
{
    CPLUXControl* c = getControl(id);
    return c && c->getGenre() == CPLUXControl::GENRE_IMAGE ? static_cast<CPLUXControlImage*>(c) : nullptr;
}

CPLUXControlImage* CPLUXDialog::addControlImage(const std::string& id)
{
    return static_cast<CPLUXControlImage*>(ajouter(new CPLUXControlImage, id, 0, 0, 0, 0));
}

CPLUXControlZone* CPLUXDialog::ctrlZone(const std::string& id) const
{
    CPLUXControl* c = getControl(id);
    return c && c->getGenre() == CPLUXControl::GENRE_ZONE ? static_cast<CPLUXControlZone*>(c) : nullptr;
}
