#include "core/Particules.h"

#include "core/Fichiers.h"
#include "core/Hasard.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "core/TuvFile.h"

#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTarget.hpp>

#include <algorithm>
#include <cmath>

namespace {

constexpr float PI = 3.14159265f;
constexpr float GRAND = 1e6f;  // bound of every float setting: beyond it nothing sensible is drawn

float aleatoire01() { return tuv::rand() / float(tuv::RAND_MAX_JEU); }
// Uniform in [-1, 1].
float aleatoireSigne() { return aleatoire01() * 2.0f - 1.0f; }

float borneF(float v, float mini, float maxi)
{
    if (std::isnan(v))
        return std::max(mini, std::min(0.0f, maxi));
    return std::min(std::max(v, mini), maxi);
}

int borneI(int v, int mini, int maxi) { return std::min(std::max(v, mini), maxi); }

sf::Uint8 octet(int v) { return sf::Uint8(borneI(v, 0, 255)); }

} // namespace

CParticules::CParticules() : sommets(sf::Triangles) {}

CParticules::CParticules(const CParticules& a)
    : x(a.x), y(a.y), pElementAttache(a.pElementAttache), type(a.type), velX(a.velX), velY(a.velY),
      largeurEmetteur(a.largeurEmetteur), hauteurEmetteur(a.hauteurEmetteur), initLargeur(a.initLargeur),
      initHauteur(a.initHauteur), forcesX(a.forcesX), forcesY(a.forcesY), nbParticules(a.nbParticules),
      couleur(a.couleur), amplitudeDegradeCouleur(a.amplitudeDegradeCouleur),
      strCheminTexture(a.strCheminTexture), forme(a.forme), tailleParticule(a.tailleParticule),
      dureeVie(a.dureeVie), aleaDureeVie(a.aleaDureeVie), nbCycles(a.nbCycles), angle1(a.angle1),
      angle2(a.angle2), bAngleAlea(a.bAngleAlea), bAngleAleaCarre(a.bAngleAleaCarre),
      bAngleAleaDirection(a.bAngleAleaDirection), acceleration(a.acceleration), bAlphaDec(a.bAlphaDec),
      alphaAgeDec(a.alphaAgeDec), alphaValDec(a.alphaValDec), bPause(a.bPause),
      bPauseEmission(a.bPauseEmission), bEmetteurVisible(a.bEmetteurVisible), bRotDirection(a.bRotDirection),
      variationRotation(a.variationRotation), bVariationTaille(a.bVariationTaille),
      variationTaille(a.variationTaille), borneVariationTaille(a.borneVariationTaille),
      bTailleAlea(a.bTailleAlea), tailleMin(a.tailleMin), tailleMax(a.tailleMax), aleaVitX(a.aleaVitX),
      aleaVitY(a.aleaVitY), aleaForceX(a.aleaForceX), aleaForceY(a.aleaForceY), aleaAccel(a.aleaAccel),
      modeCollision(a.modeCollision), forcesRefX(a.forcesRefX), forcesRefY(a.forcesRefY), decPosX(a.decPosX),
      decPosY(a.decPosY), bForcesExterieures(a.bForcesExterieures), bNoCalcCollision(a.bNoCalcCollision),
      bNoDrawPause(a.bNoDrawPause), bNoCalcPause(a.bNoCalcPause), bAttache(a.bAttache), bStop(a.bStop),
      bStopDepart(a.bStopDepart), bFini(a.bFini), nbCyclesFaits(a.nbCyclesFaits), nbFinies(a.nbFinies),
      particules(a.particules), bTexture(a.bTexture), sommets(sf::Triangles)
{
    if (a.bTexture)
        texture = a.texture;
}

CParticules::~CParticules() = default;

int CParticules::demarrer(int px, int py, int t)
{
    x = float(px);
    y = float(py);
    type = t;
    preparer();
    return 1;
}

void CParticules::attacher(CSPRITE* sprite)
{
    bPause = bPauseEmission;
    bAttache = sprite != nullptr;
    pElementAttache = sprite;
    if (sprite)
        demarrer(tuv::floatVersInt(sprite->x), tuv::floatVersInt(sprite->y), 0);
    else
        demarrer(0, 0, 0);
}

// reset() bounds the settings and makes every particle anew, in a list of the right size.
void CParticules::preparer()
{
    bTexture = tuv::chargerMedia(texture, strCheminTexture);
    reset();
}

void CParticules::setPosition(float px, float py)
{
    x = px;
    y = py;
}

void CParticules::deplacer(float dx, float dy)
{
    for (auto& p : particules)
        if (p.bVivante) {
            p.x += dx;
            p.y += dy;
        }
}

void CParticules::reset()
{
    borner();
    if (particules.size() != size_t(nbParticules))
        particules.assign(size_t(nbParticules), Particule());
    nbFinies = 0;
    nbCyclesFaits = 0;
    for (size_t i = 0; i < particules.size(); ++i) {
        Particule& p = particules[i];
        // naitre sets every other field: a whole default particle copied in first cost a
        // level's load a tenth of its emitters' time.
        p.naissances = 0;
        naitre(p, int(i));
        // Spread the first births over one lifetime so that the emitter does not pulse.
        p.age = -float(tuv::rand() % std::max(1, dureeVie));
    }
}

void CParticules::borner()
{
    auto f = [](float& v) { v = borneF(v, -GRAND, GRAND); };
    for (float* v : {&x, &y, &velX, &velY, &forcesX, &forcesY, &angle1, &angle2, &acceleration,
                     &variationRotation, &variationTaille, &borneVariationTaille, &aleaVitX, &aleaVitY,
                     &aleaForceX, &aleaForceY, &aleaAccel, &forcesRefX, &forcesRefY})
        f(*v);
    tailleParticule = borneF(tailleParticule, 0, 4096);
    if (tailleParticule <= 0)
        tailleParticule = 1;
    // The size bounds stay as typed, even reversed: births take the pair in order.
    tailleMin = borneF(tailleMin, 0, 4096);
    tailleMax = borneF(tailleMax, 0, 4096);
    nbParticules = borneI(nbParticules, 0, NB_PARTICULES_MAX);
    dureeVie = borneI(dureeVie, 1, 1000000);
    aleaDureeVie = borneI(aleaDureeVie, 0, 1000000);
    amplitudeDegradeCouleur = borneI(amplitudeDegradeCouleur, 0, 255);
    forme = borneI(forme, 0, 2);
    modeCollision = borneI(modeCollision, 0, 2);
    alphaValDec = borneI(alphaValDec, 0, 255);
}

void CParticules::naitre(Particule& p, int indice)
{
    largeurEmetteur = std::max(largeurEmetteur, 1);
    hauteurEmetteur = std::max(hauteurEmetteur, 1);
    initLargeur = std::max(initLargeur, 1);
    initHauteur = std::max(initHauteur, 1);
    if (bAttache && pElementAttache) {
        x = pElementAttache->x;
        y = pElementAttache->y;
    }
    float ox = x + decPosX, oy = y + decPosY;
    if (type == 1) {
        // Cascade: births anywhere over the emitter rectangle.
        p.x = ox + aleatoire01() * largeurEmetteur - largeurEmetteur / 2.0f;
        p.y = oy + aleatoire01() * hauteurEmetteur - hauteurEmetteur / 2.0f;
    } else {
        p.x = ox + aleatoire01() * initLargeur - initLargeur / 2.0f;
        p.y = oy + aleatoire01() * initHauteur - initHauteur / 2.0f;
    }
    float a = angle1;
    // Each random mode draws on its own: squared toward angle1, or turned half the time.
    if (bAngleAlea || bAngleAleaCarre || bAngleAleaDirection) {
        float t = aleatoire01();
        if (bAngleAleaCarre)
            t *= t;
        a = angle1 + (angle2 - angle1) * t;
        if (bAngleAleaDirection && tuv::rand() % 2)
            a += 180;
    } else if (nbParticules > 1) {
        a = angle1 + (angle2 - angle1) * float(indice) / float(nbParticules - 1);
    }
    float vx = velX + aleatoireSigne() * aleaVitX;
    float vy = velY + aleatoireSigne() * aleaVitY;
    float c = std::cos(a * PI / 180), s = std::sin(a * PI / 180);
    p.vx = vx * c - vy * s;
    p.vy = vx * s + vy * c;
    p.fx = forcesX + aleatoireSigne() * aleaForceX;
    p.fy = forcesY + aleatoireSigne() * aleaForceY;
    p.acc = acceleration + aleatoireSigne() * aleaAccel;
    const float petite = std::min(tailleMin, tailleMax), grande = std::max(tailleMin, tailleMax);
    p.taille = bTailleAlea ? petite + aleatoire01() * (grande - petite) : tailleParticule;
    p.rotation = 0;
    p.vRotation = bRotDirection ? -variationRotation : variationRotation;
    p.vie = dureeVie + tuv::rand() % (aleaDureeVie + 1);
    p.age = 0;
    p.alpha = couleur.a;
    auto varie = [this](sf::Uint8 v) {
        if (amplitudeDegradeCouleur == 0)
            return v;
        return octet(v + tuv::rand() % (2 * amplitudeDegradeCouleur + 1) - amplitudeDegradeCouleur);
    };
    p.couleur = sf::Color(varie(couleur.r), varie(couleur.g), varie(couleur.b), couleur.a);
    p.naissances++;
    p.bVivante = true;
}

void CParticules::avancer(Particule& p, float coeff)
{
    if (p.age < 0) {
        p.age += coeff;
        return;
    }
    float fx = bForcesExterieures ? forcesX : p.fx;
    float fy = bForcesExterieures ? forcesY : p.fy;
    p.vx += fx * coeff;
    p.vy += fy * coeff;
    if (p.acc != 0) {
        float k = std::max(0.0f, 1.0f + p.acc * coeff);
        p.vx *= k;
        p.vy *= k;
    }
    float nx = p.x + p.vx * coeff, ny = p.y + p.vy * coeff;
    if (modeCollision != 0 && !bNoCalcCollision && g_services.estCollision(p.x, p.y, nx, ny)) {
        if (modeCollision == 1) {
            p.vy = -p.vy * 0.5f;
        } else {
            float v = std::sqrt(p.vx * p.vx + p.vy * p.vy) * 0.5f;
            float a = aleatoire01() * 2 * PI;
            p.vx = v * std::cos(a);
            p.vy = -std::fabs(v * std::sin(a));
        }
        nx = p.x;
        ny = p.y;
    }
    p.x = nx;
    p.y = ny;
    p.rotation += p.vRotation * coeff;
    if (bVariationTaille) {
        p.taille += variationTaille * coeff;
        if (variationTaille > 0 && borneVariationTaille > 0)
            p.taille = std::min(p.taille, borneVariationTaille);
        else if (variationTaille < 0)
            p.taille = std::max(p.taille, std::max(borneVariationTaille, 0.0f));
        p.taille = std::max(p.taille, 0.0f);
    }
    if (bAlphaDec && p.age >= alphaAgeDec)
        p.alpha = std::max(0.0f, p.alpha - alphaValDec * coeff);
    p.age += coeff;
    if (p.age >= p.vie)
        p.bVivante = false;
}

void CParticules::majTout()
{
    if (bFini)
        return;
    const float coeff = coefficientTemps();
    bool figees = bPause && bNoCalcPause;
    int finies = 0;
    int cyclesMin = -1;
    for (size_t i = 0; i < particules.size(); ++i) {
        Particule& p = particules[i];
        if (p.bVivante && !figees)
            avancer(p, coeff);
        if (!p.bVivante) {
            bool encore = nbCycles < 0 || p.naissances < nbCycles;
            if (encore && !bPause && !bStop)
                naitre(p, int(i));
            else if (!encore)
                finies++;
        }
        if (cyclesMin < 0 || p.naissances < cyclesMin)
            cyclesMin = p.naissances;
    }
    nbFinies = finies;
    nbCyclesFaits = std::max(cyclesMin, 0);
    if (!particules.empty() && nbFinies >= int(particules.size()))
        bFini = true;
}

int CParticules::nbVivantes() const
{
    int n = 0;
    for (const auto& p : particules)
        n += (p.bVivante && p.age >= 0) ? 1 : 0;
    return n;
}

const sf::Texture& CParticules::textureDisque()
{
    static sf::Texture disque;
    static bool fait = false;
    if (!fait) {
        const unsigned n = 32;
        sf::Image img;
        img.create(n, n, sf::Color::Transparent);
        const float r = n / 2.0f;
        for (unsigned j = 0; j < n; ++j)
            for (unsigned i = 0; i < n; ++i) {
                float dx = i + 0.5f - r, dy = j + 0.5f - r;
                if (dx * dx + dy * dy <= r * r)
                    img.setPixel(i, j, sf::Color::White);
            }
        disque.loadFromImage(img);
        fait = true;
    }
    return disque;
}

const sf::Texture* CParticules::textureDessin()
{
    if (forme == 2)
        return bTexture ? &texture : nullptr;
    if (forme == 0)
        return &textureDisque();
    return nullptr;
}

void CParticules::dessiner(sf::RenderTarget& cible, float dx, float dy)
{
    if (bPause && bNoDrawPause)
        return;
    const sf::Texture* tex = textureDessin();
    sf::Vector2f ts = tex ? sf::Vector2f(tex->getSize()) : sf::Vector2f(1, 1);
    sommets.clear();
    for (const auto& p : particules) {
        if (!p.bVivante || p.age < 0 || p.taille <= 0)
            continue;
        float h = p.taille / 2;
        float c = 1, s = 0;
        if (p.rotation != 0) {
            c = std::cos(p.rotation * PI / 180);
            s = std::sin(p.rotation * PI / 180);
        }
        sf::Color col = p.couleur;
        col.a = sf::Uint8(std::min(255.0f, std::max(0.0f, p.alpha)));
        const float coins[4][2] = {{-h, -h}, {h, -h}, {h, h}, {-h, h}};
        const float tc[4][2] = {{0, 0}, {ts.x, 0}, {ts.x, ts.y}, {0, ts.y}};
        sf::Vertex v[4];
        for (int k = 0; k < 4; ++k) {
            v[k].position = sf::Vector2f(p.x + dx + coins[k][0] * c - coins[k][1] * s,
                                         p.y + dy + coins[k][0] * s + coins[k][1] * c);
            v[k].texCoords = sf::Vector2f(tc[k][0], tc[k][1]);
            v[k].color = col;
        }
        for (int k : {0, 1, 2, 0, 2, 3})
            sommets.append(v[k]);
    }
    if (sommets.getVertexCount() > 0) {
        sf::RenderStates etats;
        etats.texture = tex;
        cible.draw(sommets, etats);
    }
}

std::string CParticules::texte49() const
{
    std::string s;
    ajouterTexte49(s);
    return s;
}

// Appended value by value: a level holds thousands of emitters, and no value is ever empty,
// so every one but the first follows a ";".
void CParticules::ajouterTexte49(std::string& s) const
{
    int n = 0;
    auto f = [&s, &n](float v) {
        if (n++ > 0)
            s += ';';
        tuv::ajouterReel(s, v);
    };
    auto i = [&s, &n](int v) {
        if (n++ > 0)
            s += ';';
        tuv::ajouterEntier(s, v);
    };
    auto b = [&i](bool v) { i(v ? 1 : 0); };
    f(velX), f(velY), i(largeurEmetteur), i(hauteurEmetteur), f(forcesX), f(forcesY);
    i(nbParticules), i(dureeVie), i(aleaDureeVie), i(forme), f(tailleParticule);
    i(couleur.r), i(couleur.g), i(couleur.b), i(couleur.a), i(amplitudeDegradeCouleur);
    s += ';';
    ++n;
    const size_t debut = s.size();
    s += strCheminTexture;
    std::replace(s.begin() + static_cast<std::ptrdiff_t>(debut), s.end(), ';', ',');
    i(nbCycles), f(angle1), f(angle2), b(bAngleAlea);
    f(acceleration), b(bAlphaDec), i(alphaAgeDec), i(alphaValDec), b(bEmetteurVisible);
    b(bRotDirection), f(variationRotation), b(bVariationTaille), f(variationTaille);
    f(borneVariationTaille), b(bTailleAlea), f(tailleMin), f(tailleMax), i(modeCollision);
    i(initLargeur), i(initHauteur), b(bPauseEmission), i(decPosX), i(decPosY);
    b(bForcesExterieures), b(bNoCalcCollision), b(bNoDrawPause), b(bNoCalcPause), f(aleaVitX);
    f(aleaVitY), f(aleaForceX), f(aleaForceY), f(aleaAccel);
}

void CParticules::lire49(CTUVFile& f)
{
    auto fl = [&f] { return f.getValueFloat(); };
    // Sizes, counts and offsets are held to the files' bound; times, modes and colours are
    // taken as written (borner() keeps those that need it in their range).
    auto mesure = [&f] { return tuv::bornerValeurFichier(f.getValueInt()); };
    auto in = [&f] { return f.getValueInt(); };
    auto bo = [&f] { return f.getValueInt() != 0; };
    velX = fl();
    velY = fl();
    largeurEmetteur = mesure();
    hauteurEmetteur = mesure();
    forcesX = fl();
    forcesY = fl();
    forcesRefX = forcesX;
    forcesRefY = forcesY;
    nbParticules = mesure();
    dureeVie = in();
    aleaDureeVie = in();
    forme = in();
    tailleParticule = fl();
    couleur.r = octet(in());
    couleur.g = octet(in());
    couleur.b = octet(in());
    couleur.a = octet(in());
    amplitudeDegradeCouleur = in();
    strCheminTexture = f.getValue();
    nbCycles = in();
    angle1 = fl();
    angle2 = fl();
    bAngleAlea = bo();
    acceleration = fl();
    bAlphaDec = bo();
    alphaAgeDec = in();
    alphaValDec = in();
    bEmetteurVisible = bo();
    bRotDirection = bo();
    variationRotation = fl();
    bVariationTaille = bo();
    variationTaille = fl();
    borneVariationTaille = fl();
    bTailleAlea = bo();
    tailleMin = fl();
    tailleMax = fl();
    modeCollision = in();
    initLargeur = mesure();
    initHauteur = mesure();
    bPauseEmission = bo();
    decPosX = mesure();
    decPosY = mesure();
    bForcesExterieures = bo();
    bNoCalcCollision = bo();
    bNoDrawPause = bo();
    bNoCalcPause = bo();
    aleaVitX = fl();
    aleaVitY = fl();
    aleaForceX = fl();
    aleaForceY = fl();
    aleaAccel = fl();
    borner();
}
