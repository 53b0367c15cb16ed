#include "tools/Fouet.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"

#include <SFML/Graphics/ConvexShape.hpp>
#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>
#include <utility>

namespace {

// The link from p to its neighbour q. A length of exactly 0 becomes 1e-7 once the gap is
// known, so that two nodes on one point add no force and divide by nothing.
LienFouet lien(const NoeudFouet& p, const NoeudFouet& q, float longueur)
{
    LienFouet l;
    l.dx = q.x - p.x;
    l.dy = q.y - p.y;
    l.norme = std::sqrt(l.dx * l.dx + l.dy * l.dy);
    l.ecart = l.norme - longueur;
    if (l.norme == 0.f)
        l.norme = 1e-7f;
    return l;
}

bool estFini(const NoeudFouet& n) { return std::isfinite(n.x) && std::isfinite(n.y); }

// A segment of the chain as the four-point shape the body and the trail are drawn with.
void segment(sf::ConvexShape& forme, const NoeudFouet& a, const NoeudFouet& b, sf::Color c, int epaisseur)
{
    forme.setPoint(0, {a.x, a.y});
    forme.setPoint(1, {b.x, b.y});
    forme.setPoint(2, {b.x, b.y});
    forme.setPoint(3, {a.x, a.y});
    forme.setFillColor(c);
    forme.setOutlineColor(c);
    forme.setOutlineThickness(static_cast<float>(epaisseur));
}

} // namespace

// Chain -----------------------------------------------------------------------------------------

float CFouet::masseNoeud(int i) const
{
    float m = masse;
    if (modeMasse == MASSE_CROISSANTE)
        m = masse + static_cast<float>(i) * facteurMasse;
    else if (modeMasse == MASSE_DECROISSANTE)
        m = masse - static_cast<float>(i) * facteurMasse;
    // Any other mode weighs as the constant one.
    return m < 0.f ? 0.f : m;
}

void CFouet::creer(int nb, float x, float y, float m, int mode, float facteur)
{
    vider();
    modeMasse = mode;
    nbNoeuds = std::clamp(nb, 0, NB_NOEUDS_MAX);
    masse = m;
    facteurMasse = facteur;
    noeuds.reserve(static_cast<size_t>(nbNoeuds));
    for (int i = 0; i < nbNoeuds; ++i)
        noeuds.push_back({x + longueur * static_cast<float>(i), y, masseNoeud(i), 1.f, 1.f});
    noeudsSuivants = noeuds;
    ajusterLiens();
}

void CFouet::vider()
{
    noeuds.clear();
    noeudsSuivants.clear();
    liens.clear();
    rigiditeLiens = 0;
    nbNoeuds = 0;
}

// The records follow the stiffness even when it changed without a new chain (a file, an
// input): a step never reads past them.
void CFouet::ajusterLiens()
{
    const int r = std::clamp(rigidite, 0, RIGIDITE_MAX);
    if (r != rigiditeLiens || liens.size() != static_cast<size_t>(2 * r))
        liens.assign(static_cast<size_t>(2 * r), LienFouet());
    rigiditeLiens = r;
}

// Step ----------------------------------------------------------------------------------------

sf::Vector2f CFouet::centreKP(const KPFouet& kp)
{
    if (!kp.marqueur)
        return {0.f, 0.f};
    return {static_cast<float>(kp.marqueur->getLeftScreen()) + kp.marqueur->getWidth() / 2.f,
            static_cast<float>(kp.marqueur->getTopScreen()) + kp.marqueur->getHeight() / 2.f};
}

// Indices left out of range by a removed key point: past the end means back to the start.
void CFouet::corrigerIndicesKP()
{
    const int n = static_cast<int>(keyPoints.size());
    if (numKPActif < 0 || numKPActif >= n) {
        numKPActif = 0;
        numKPPrec = n - 1;
    }
    if (numKPPrec < 0 || numKPPrec >= n)
        numKPPrec = numKPActif == 0 ? n - 1 : numKPActif - 1;
}

void CFouet::suivreKP()
{
    if (noeuds.empty())
        return;
    const sf::Vector2f a = centreKP(keyPoints[static_cast<size_t>(numKPActif)]);
    const sf::Vector2f b = centreKP(keyPoints[static_cast<size_t>(numKPPrec)]);
    const sf::Vector2f d = a - b;
    noeuds[0].x = a.x;
    noeuds[0].y = a.y;
    for (size_t i = 1; i < noeuds.size(); ++i) {
        noeuds[i].x += d.x;
        noeuds[i].y += d.y;
    }
}

void CFouet::avancerPause()
{
    --compteurPause;
    if (compteurPause > 0)
        return;
    const int dernier = static_cast<int>(keyPoints.size()) - 1;
    numKPPrec = numKPActif;
    ++numKPActif;
    if (numKPActif > dernier) {
        numKPActif = 0;
        numKPPrec = dernier;
    }
    compteurPause = keyPoints[static_cast<size_t>(numKPActif)].pause;
    if (CPLUXControlText* m = keyPoints[static_cast<size_t>(numKPPrec)].marqueur)
        m->setColorCadre(couleurCadreKP);
    if (CPLUXControlText* m = keyPoints[static_cast<size_t>(numKPActif)].marqueur)
        m->setColorCadre(couleurCadreKPCourant);
}

// Reads only `noeuds`, writes nodes 1.. of `noeudsSuivants`. Links at a distance of nbNoeuds
// or more are null on both sides and add nothing: the loop stops before them.
void CFouet::relaxer()
{
    const int n = static_cast<int>(std::min({static_cast<size_t>(nbNoeuds), noeuds.size(), noeudsSuivants.size()}));
    const int r = std::min(rigiditeLiens, n - 1);
    for (int i = 1; i < n; ++i) {
        const NoeudFouet& p = noeuds[static_cast<size_t>(i)];
        float fx = 0.f, fy = 0.f;
        for (int k = 1; k <= r; ++k) {
            LienFouet& arriere = liens[static_cast<size_t>(2 * (k - 1))];
            LienFouet& avant = liens[static_cast<size_t>(2 * (k - 1) + 1)];
            arriere = i - k >= 0 ? lien(p, noeuds[static_cast<size_t>(i - k)], longueur) : LienFouet();
            if (i + k < n)
                avant = lien(p, noeuds[static_cast<size_t>(i + k)], longueur);
            else if (bBoutTire)
                avant = LienFouet();
            else
                avant = {-arriere.dx, -arriere.dy, arriere.norme, arriere.ecart};
            fx += arriere.dx / arriere.norme * arriere.ecart;
            fy += arriere.dy / arriere.norme * arriere.ecart;
            fx += avant.dx / avant.norme * avant.ecart;
            fy += avant.dy / avant.norme * avant.ecart;
        }
        fy += gravite * p.masse;
        NoeudFouet& s = noeudsSuivants[static_cast<size_t>(i)];
        s.vx = friction * p.vx + ral * fx;
        s.vy = friction * p.vy + ral * fy;
        s.x = p.x + s.vx;
        s.y = p.y + s.vy;
    }
}

void CFouet::simuler(bool suivre, bool compterPause)
{
    const bool chemin = suivre && keyPoints.size() >= 2;
    if (chemin) {
        corrigerIndicesKP();
        suivreKP();
        if (compterPause)
            avancerPause();
    }
    ajusterLiens();
    if (nbNoeuds > 1)
        relaxer();
    std::swap(noeuds, noeudsSuivants);
}

// Drawing -----------------------------------------------------------------------------------------

void CFouet::dessiner(sf::RenderTarget& cible) const
{
    if (bKPVisibles)
        for (size_t i = 0; i + 1 < keyPoints.size(); ++i)
            CPLUX::drawLine(&cible, centreKP(keyPoints[i]), centreKP(keyPoints[i + 1]), sf::Color(100, 0, 0, 150), 1.f);
    // A chain that diverged (a friction above 1...) is not drawn where it is not finite.
    const size_t n = std::min(static_cast<size_t>(std::max(nbNoeuds, 0)), noeuds.size());
    sf::ConvexShape forme(4);
    if (bTraineVisible)
        for (size_t i = 0; i + 1 < n; ++i)
            if (estFini(noeuds[i]) && estFini(noeuds[i + 1])) {
                segment(forme, noeuds[i], noeuds[i + 1], couleurTraine, epaisseurTraine);
                cible.draw(forme);
            }
    sf::RectangleShape carre({5.f, 5.f});
    carre.setOrigin(2.f, 2.f);
    carre.setFillColor(couleurNoeud);
    carre.setOutlineThickness(0.f);
    for (size_t i = 0; i < n; ++i) {
        const bool fini = estFini(noeuds[i]);
        if (bCorpsVisible && i + 1 < n && fini && estFini(noeuds[i + 1])) {
            segment(forme, noeuds[i], noeuds[i + 1], couleur, epaisseur);
            cible.draw(forme);
        }
        // The loop also reaches the last node, which gets its square as well.
        if (bNoeudsVisibles && fini) {
            carre.setPosition(noeuds[i].x, noeuds[i].y);
            cible.draw(carre);
        }
    }
}

// Key points ---------------------------------------------------------------------------------------

bool CFouet::ajouterKP(CPLUXDialog* dialog, CPLUXControl* conteneur, float x, float y, int pause,
                       const std::string& prefixe)
{
    if (!dialog)
        return false;
    const float cl = conteneur ? conteneur->getLeft() : 0.f, ct = conteneur ? conteneur->getTop() : 0.f;
    const int cw = conteneur ? tuv::floatVersInt(conteneur->getWidth()) : 0;
    const int ch = conteneur ? tuv::floatVersInt(conteneur->getHeight()) : 0;
    const int demi = TAILLE_MARQUEUR / 2;
    int gauche = tuv::floatVersInt(x + cl - static_cast<float>(demi));
    if (gauche < 0)
        gauche = tuv::floatVersInt(cl + static_cast<float>(cw / 2));
    int haut = tuv::floatVersInt(y + ct - static_cast<float>(demi));
    if (haut < 0)
        haut = tuv::floatVersInt(ct + static_cast<float>(ch / 2));
    const std::string n = tuv::itos(static_cast<int>(keyPoints.size()));
    CPLUXControlText* m = dialog->addControlText(prefixe + n, n, gauche, haut, TAILLE_MARQUEUR, TAILLE_MARQUEUR);
    if (!m)
        return false;
    m->setData(n);
    m->setMovable(true);
    m->setResizable(false);
    m->setUserCtrl(false);
    m->setCadre(true);
    m->setColorCadre(couleurCadreKP);
    m->setParentCtrl(conteneur);
    m->setTextSize(7);
    m->setTextColor(sf::Color(0, 0, 100, 255));
    keyPoints.push_back({m, pause > 0 ? pause : 1});
    return true;
}

void CFouet::supprimerDernierKP()
{
    if (keyPoints.empty())
        return;
    CPLUXControlText* m = keyPoints.back().marqueur;
    if (m && m->getParent())
        m->getParent()->delControl(m->getId());
    keyPoints.pop_back();
}

void CFouet::supprimerKP()
{
    while (!keyPoints.empty())
        supprimerDernierKP();
}

void CFouet::montrerKP()
{
    for (KPFouet& kp : keyPoints)
        if (kp.marqueur)
            kp.marqueur->setVisible(true);
}

void CFouet::cacherKP()
{
    for (KPFouet& kp : keyPoints)
        if (kp.marqueur)
            kp.marqueur->setVisible(false);
}
