#include "animeditor/ControlTimeline.h"

#include "core/Fichiers.h"
#include "core/Media.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXDialog.h"

#include <SFML/Graphics/CircleShape.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <algorithm>
#include <climits>
#include <cmath>
#include <string>

namespace {
const char* const POLICE = "./PLUX_Res/polices/arial.ttf";

const sf::Color BLOC_SEL(200, 0, 0, 200);
const sf::Color BLOC(0, 200, 0, 200);
const sf::Color BLOC_FRAME_SEL(0, 0, 200, 100);
const sf::Color SURVOL(255, 255, 255, 50);
const sf::Color POINT_ACTION(0, 0, 0, 255);
const sf::Color POINT_SCRIPT(100, 100, 0, 255);
const sf::Color GRADUATION_LONGUE(250, 50, 50, 150);
const sf::Color GRADUATION_COURTE(250, 250, 250, 100);
const sf::Color LECTURE(250, 0, 0, 200);

int versInt(long long v) { return static_cast<int>(std::clamp<long long>(v, INT_MIN, INT_MAX)); }

// Products of frame counts and cell widths given by hand may leave 64 bits: they saturate.
long long produit(long long a, long long b)
{
    long long r = 0;
    if (__builtin_mul_overflow(a, b, &r))
        return (a < 0) != (b < 0) ? LLONG_MIN : LLONG_MAX;
    return r;
}

void rectangle(sf::RenderWindow& w, float x, float y, float l, float h, sf::Color c)
{
    sf::RectangleShape r({l, h});
    r.setPosition(x, y);
    r.setFillColor(c);
    w.draw(r);
}
} // namespace

CControlTimeline::CControlTimeline()
{
    // The ruler scrolls itself with the wheel: the image base must neither zoom nor scroll.
    setZoomMove(true);
    if (tuv::chargerMedia(police, POLICE)) {
        bPolice = true;
        texte.setFont(police);
        texte.setCharacterSize(10);
        texte.setStyle(sf::Text::Regular);
        texte.setPosition(0, 0);
        texte.setFillColor(sf::Color(255, 255, 255, 255));
        texte.setString("");
    }
}

// Geometry ---------------------------------------------------------------------------------------

long long CControlTimeline::largeur() const { return std::max(1, largeurFrame); }
long long CControlTimeline::pas() const { return std::max(1, pasDefilement); }
long long CControlTimeline::parDegre() const { return std::max(1, nbFramesParDegre); }

long long CControlTimeline::xFrame(int f) const
{
    return produit(static_cast<long long>(f) - premiereFrame, largeur());
}

bool CControlTimeline::celluleVisible(long long x) const
{
    return x >= 0 && static_cast<double>(x) < static_cast<double>(getWidth()) - static_cast<double>(largeur());
}

int CControlTimeline::frameSous(int xFenetre, int dialogLeft) const
{
    const double dx = static_cast<double>(xFenetre) - (static_cast<double>(dialogLeft) + getLeft());
    return versInt(static_cast<long long>(dx) / largeur() + premiereFrame);
}

// Markers --------------------------------------------------------------------------------------------

int CControlTimeline::indexMarqueur(int frame) const
{
    for (size_t i = 0; i < marqueurs.size(); ++i)
        if (marqueurs[i]->frame == frame)
            return static_cast<int>(i);
    return -1;
}

void CControlTimeline::setNbFrames(int n)
{
    nbFrames = n;
    const MarqueurTimeline* choisi = numMarqueurSel >= 0 && numMarqueurSel < static_cast<int>(marqueurs.size())
                                         ? marqueurs[static_cast<size_t>(numMarqueurSel)].get()
                                         : nullptr;
    marqueurs.erase(std::remove_if(marqueurs.begin(), marqueurs.end(),
                                   [n](const std::unique_ptr<MarqueurTimeline>& m) { return m->frame >= n; }),
                    marqueurs.end());
    numMarqueurSel = -1;
    for (size_t i = 0; i < marqueurs.size(); ++i)
        if (marqueurs[i].get() == choisi)
            numMarqueurSel = static_cast<int>(i);
}

void CControlTimeline::ajouterMarqueur(int frame, bool bAction, bool bScript)
{
    if (indexMarqueur(frame) >= 0)
        return;
    auto m = std::make_unique<MarqueurTimeline>();
    m->frame = frame;
    m->bAction = bAction;
    m->bScript = bScript;
    marqueurs.push_back(std::move(m));
}

void CControlTimeline::supprimerMarqueur(int frame)
{
    const int i = indexMarqueur(frame);
    if (i < 0)
        return;
    marqueurs.erase(marqueurs.begin() + i);
    if (numMarqueurSel == i)
        numMarqueurSel = -1;
    else if (numMarqueurSel > i)
        --numMarqueurSel;
}

void CControlTimeline::deplacerMarqueur(int ancienneFrame, int nouvelleFrame)
{
    const int i = indexMarqueur(ancienneFrame);
    if (i < 0 || ancienneFrame == nouvelleFrame)
        return;
    if (indexMarqueur(nouvelleFrame) >= 0)
        supprimerMarqueur(ancienneFrame);
    else
        marqueurs[static_cast<size_t>(i)]->frame = nouvelleFrame;
}

void CControlTimeline::viderMarqueurs()
{
    marqueurs.clear();
    numMarqueurSel = -1;
    frameSel = -1;
    frameSurvol = -1;
}

void CControlTimeline::selectionnerFrame(int frame)
{
    numMarqueurSel = indexMarqueur(frame);
    if (numMarqueurSel < 0)
        frameSel = frame;
}

int CControlTimeline::getFrameMarqueurSel() const
{
    if (numMarqueurSel < 0 || numMarqueurSel >= static_cast<int>(marqueurs.size()))
        return -1;
    return marqueurs[static_cast<size_t>(numMarqueurSel)]->frame;
}

void CControlTimeline::defiler(int sens)
{
    if (sens >= 1) {
        if (produit(static_cast<long long>(nbFrames) - premiereFrame, largeur()) > static_cast<long long>(getWidth()))
            premiereFrame = versInt(premiereFrame + pas());
    } else if (premiereFrame >= pas()) {
        premiereFrame = versInt(premiereFrame - pas());
    }
}

// Mouse ------------------------------------------------------------------------------------------------

bool CControlTimeline::onMouseWheel(int delta, CPLUXDialog* d)
{
    CPLUXControlImage::onMouseWheel(delta, d);
    defiler(delta);
    return true;
}

bool CControlTimeline::onMouseOn(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    CPLUXControl::onMouseOn(w, x, y, d);
    const int f = frameSous(x, d ? d->getLeft() : 0);
    frameSurvol = f < 0 || f >= nbFrames ? -1 : f;
    return true;
}

void CControlTimeline::choisirFrame(int frame)
{
    if (frame == frameSel || frame < 0 || frame >= nbFrames)
        return;
    frameSel = frame;
    numMarqueurSel = indexMarqueur(frame);
    sendUserEvent("framechanged", nullptr);
}

bool CControlTimeline::onMouseClickLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    CPLUXControlImage::onMouseClickLeft(w, x, y, d);
    choisirFrame(frameSous(x, d ? d->getLeft() : 0));
    return true;
}

bool CControlTimeline::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    return CPLUXControlImage::onMousePressLeft(w, x, y, d);
}

bool CControlTimeline::onMouseClickRight(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    CPLUXControlImage::onMouseClickRight(w, x, y, d);
    // The cell under the mouse, as drawn and as the left button picks it.
    choisirFrame(frameSous(x, d ? d->getLeft() : 0));
    return true;
}

bool CControlTimeline::onMousePressRight(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    return CPLUXControlImage::onMousePressRight(w, x, y, d);
}

void CControlTimeline::onFocusOut()
{
    CPLUXControl::onFocusOut();
    frameSurvol = -1;
}

// Drawing ----------------------------------------------------------------------------------------------

void CControlTimeline::draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d)
{
    CPLUXControlImage::draw(w, dialogLeft, dialogTop, d);
    if (!w)
        return;
    // The base batches its background: it must lie under the ruler.
    plux::peintre().vider(*w);
    const sf::Vector2f coin(static_cast<float>(static_cast<int>(dialogLeft + getLeft())),
                            static_cast<float>(static_cast<int>(dialogTop + getTop())));
    if (bModeVisee) {
        dessinerVisee(*w, coin);
        return;
    }
    dessinerBlocs(*w, coin);
    dessinerPoints(*w, coin, true);
    dessinerGraduations(*w, coin, pas(), 1.f, 15.f);
    dessinerLecture(*w, coin);
    dessinerEtiquettes(*w, coin);
}

void CControlTimeline::dessinerBlocs(sf::RenderWindow& w, sf::Vector2f coin)
{
    const float l = static_cast<float>(largeur()), h = getHeight();
    for (size_t i = 0; i < marqueurs.size(); ++i) {
        const long long x = xFrame(marqueurs[i]->frame);
        if (marqueurs[i]->frame < nbFrames && celluleVisible(x))
            rectangle(w, coin.x + x, coin.y + h / 2, l, h / 2,
                      static_cast<int>(i) == numMarqueurSel ? BLOC_SEL : BLOC);
    }
    if (numMarqueurSel == -1 && frameSel != -1 && celluleVisible(xFrame(frameSel)))
        rectangle(w, coin.x + xFrame(frameSel), coin.y + h / 2, l, h / 2, BLOC_FRAME_SEL);
    if (frameSurvol != -1 && frameSurvol < nbFrames && celluleVisible(xFrame(frameSurvol)))
        rectangle(w, coin.x + xFrame(frameSurvol), coin.y, l, h, SURVOL);
}

void CControlTimeline::dessinerPoints(sf::RenderWindow& w, sf::Vector2f coin, bool avecScripts)
{
    const float rayon = static_cast<float>(largeur() / 2 - 1);
    if (rayon <= 0.f)
        return;
    sf::CircleShape point(rayon, 30);
    point.setOutlineColor(sf::Color(255, 255, 255, 255));
    point.setOutlineThickness(1);
    const float h = getHeight(), l = static_cast<float>(largeur());
    for (const auto& m : marqueurs) {
        const long long x = xFrame(m->frame);
        if (m->frame >= nbFrames || !celluleVisible(x))
            continue;
        if (m->bAction) {
            point.setFillColor(POINT_ACTION);
            point.setPosition(coin.x + x + 1, coin.y + h - l);
            w.draw(point);
        }
        if (m->bScript && avecScripts) {
            point.setFillColor(POINT_SCRIPT);
            point.setPosition(coin.x + x + 1, coin.y + h - l - h / 3);
            w.draw(point);
        }
    }
}

void CControlTimeline::dessinerGraduations(sf::RenderWindow& w, sf::Vector2f coin, long long pasLong,
                                            float hautLong, float hautCourt)
{
    if (premiereFrame > nbFrames)
        return;
    const long long dernier = static_cast<long long>(nbFrames) - premiereFrame;
    const float bas = coin.y + getHeight() - 1;
    sf::VertexArray lignes(sf::Lines);
    // Cells beyond the width are not drawn: the loop stops there, whatever the frame count.
    for (long long i = 0; i <= dernier && static_cast<double>(i * largeur()) < getWidth(); ++i) {
        const bool longue = i % pasLong == 0;
        const sf::Color c = longue ? GRADUATION_LONGUE : GRADUATION_COURTE;
        const float x = coin.x + static_cast<float>(i * largeur());
        lignes.append(sf::Vertex({x, coin.y + (longue ? hautLong : hautCourt)}, c));
        lignes.append(sf::Vertex({x, bas}, c));
    }
    w.draw(lignes);
}

void CControlTimeline::dessinerLecture(sf::RenderWindow& w, sf::Vector2f coin)
{
    if (frameLecture == -1)
        return;
    const long long x = xFrame(frameLecture);
    if (x < -2 || static_cast<double>(x) + 2 >= getWidth())
        return;
    if (bModeVisee) {
        const float xl = coin.x + static_cast<float>(x) + 2;
        CPLUX::drawLine(&w, {xl, coin.y + 1}, {xl, coin.y + getHeight() - 1}, LECTURE, 2.f);
    } else {
        rectangle(w, coin.x + x, coin.y + 1, static_cast<float>(largeur()), 10, LECTURE);
    }
}

std::vector<std::pair<long long, long long>> CControlTimeline::etiquettes() const
{
    std::vector<std::pair<long long, long long>> r;
    auto ajouter = [&](long long x, long long valeur) {
        // Beyond the width nothing more shows, whatever the frame count.
        if (static_cast<double>(x) >= getWidth())
            return false;
        r.emplace_back(x, valeur);
        return true;
    };
    if (bModeVisee) {
        // A label reads the degree of the frame at its place.
        for (long long k = 0; k <= 180 && premiereFrame + k <= nbFrames; k += pas())
            if (!ajouter(produit(k * parDegre(), largeur()), (premiereFrame + k * parDegre()) / parDegre()))
                break;
        return r;
    }
    const long long reste = static_cast<long long>(nbFrames) - premiereFrame;
    for (long long k = 0; k <= reste / pas() && premiereFrame + k * pas() <= nbFrames; ++k)
        if (!ajouter(produit(k * pas(), largeur()), premiereFrame + k * pas()))
            break;
    return r;
}

void CControlTimeline::dessinerEtiquettes(sf::RenderWindow& w, sf::Vector2f coin)
{
    if (!bPolice)
        return;
    for (const auto& [x, valeur] : etiquettes()) {
        texte.setString(std::to_string(valeur));
        // Labels only grow to the right: the first that does not fit ends them.
        if (static_cast<double>(x) + texte.getGlobalBounds().width >= getWidth())
            return;
        texte.setPosition(coin.x + static_cast<float>(x), coin.y);
        w.draw(texte);
    }
}

void CControlTimeline::dessinerVisee(sf::RenderWindow& w, sf::Vector2f coin)
{
    dessinerBlocs(w, coin);
    dessinerPoints(w, coin, false);
    dessinerGraduations(w, coin, parDegre(), 8.f, 10.f);
    dessinerLecture(w, coin);
    dessinerEtiquettes(w, coin);
}
