#include "core/Chemin.h"

#include "core/Services.h"
#include "core/Sprite.h"
#include "core/Texte.h"

#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/Graphics/VertexArray.hpp>

#include <algorithm>
#include <cmath>

namespace {

float vitesse(float propre, float globale)
{
    float v = (propre == -1) ? globale : propre;
    return std::isnan(v) ? 0.0f : v;
}

// Moves a toward b by at most pas.
float rapprocher(float a, float b, float pas)
{
    if (std::fabs(b - a) <= pas)
        return b;
    return a + (b > a ? pas : -pas);
}

} // namespace

// ---------------------------------------------------------------- key point

CAncrageKP::CAncrageKP()
{
    pAncre = new CSPRITE();
    // Made once: a level of paths makes thousands of key points.
    static const std::string nom = "SPRITE_ANCRAGE_KP", fichier = "./effets/ancrage_kp.dec";
    pAncre->pDEC = g_services.definitionJeu(nom, fichier);
    pAncre->bAncreKP = true;
    pAncre->placer(0, 0, 0);
}

CAncrageKP::~CAncrageKP() { delete pAncre; }

// ---------------------------------------------------------------- path

CChemin::CChemin() = default;

CChemin::CChemin(const CChemin& a, float dx, float dy)
    : typeAnimation(a.typeAnimation), type(a.type), depVitesse(a.depVitesse), depH(a.depH), depV(a.depV),
      vGlobale(a.vGlobale), vGlobaleC(a.vGlobaleC), vGlobaleR(a.vGlobaleR), vGlobaleS(a.vGlobaleS),
      modeParcours(a.modeParcours), bAfficherChemin(a.bAfficherChemin), nbChemin(a.nbChemin),
      bPauseDepart(a.bPauseDepart), bPasAPas(a.bPasAPas), bActif(a.bActif)
{
    for (const CAncrageKP* kp : a.listeKP) {
        if (!kp)
            continue;
        auto* k = new CAncrageKP();
        k->pAncre->x = k->pAncre->x0 = kp->pAncre->x + dx;
        k->pAncre->y = k->pAncre->y0 = kp->pAncre->y + dy;
        k->pAncre->rotangle = kp->pAncre->rotangle;
        k->sx = kp->sx, k->sy = kp->sy;
        k->r = kp->r, k->g = kp->g, k->b = kp->b, k->a = kp->a;
        k->flipH = kp->flipH, k->flipV = kp->flipV;
        k->v = kp->v, k->vs = kp->vs, k->vr = kp->vr, k->vc = kp->vc;
        listeKP.push_back(k);
    }
    nbKP = static_cast<int>(listeKP.size());
    reinitialiser();
}

CChemin::~CChemin()
{
    for (CAncrageKP* kp : listeKP)
        delete kp;
    listeKP.clear();
}

CAncrageKP* CChemin::getKP(int indice) const
{
    if (indice < 0 || indice >= int(listeKP.size()))
        return nullptr;
    auto it = listeKP.begin();
    std::advance(it, indice);
    return *it;
}

void CChemin::KPsuivant(CSPRITE*)
{
    if (sens == 1)
        numKP = (numKP < nbKP - 1) ? numKP + 1 : 0;
    else
        numKP = (numKP > 0) ? numKP - 1 : nbKP - 1;
    numKPCible = numKP;
}

void CChemin::KPprecedent(CSPRITE*)
{
    if (sens == 0)
        numKP = (numKP < nbKP - 1) ? numKP + 1 : 0;
    else
        numKP = (numKP > 0) ? numKP - 1 : nbKP - 1;
    numKPCible = numKP;
}

bool CChemin::supprimerKP(int indice)
{
    if (indice >= 0 && indice < nbKP && indice < int(listeKP.size())) {
        auto it = listeKP.begin();
        std::advance(it, indice);
        delete *it;
        listeKP.erase(it);
        nbKP--;
    }
    deselectionner();
    return true;
}

namespace {
// Scale, colour and flips of the sprite as a key point stores them.
void copierApparence(CAncrageKP& kp, const CSPRITE& sd)
{
    kp.sx = sd.sx;
    kp.sy = sd.sy;
    const sf::Color c = sd.sprite.getColor();
    kp.r = c.r;
    kp.g = c.g;
    kp.b = c.b;
    kp.a = c.a;
    kp.flipH = sd.flipH != 1 ? 1 : 0;
    kp.flipV = sd.flipV != 1 ? 1 : 0;
}
}

bool CChemin::ajouterKP(CSPRITE* sd)
{
    if (!sd)
        return false;
    auto* kp = new CAncrageKP();
    kp->pAncre->x = kp->pAncre->x0 = sd->x;
    kp->pAncre->y = kp->pAncre->y0 = sd->y;
    kp->pAncre->rotangle = sd->rotangle;
    copierApparence(*kp, *sd);
    listeKP.push_back(kp);
    nbKP++;
    deselectionner();
    return true;
}

bool CChemin::majKP(CSPRITE* sd, float v, float vs, float vr, float vc)
{
    CAncrageKP* kp = (numKP >= 0 && numKP < nbKP) ? getKP(numKP) : nullptr;
    if (!sd || !kp)
        return false;
    copierApparence(*kp, *sd);
    kp->v = v;
    kp->vs = vs;
    kp->vr = vr;
    kp->vc = vc;
    deselectionner();
    return true;
}

bool CChemin::placerAuDepart(CSPRITE& sd) const
{
    const CAncrageKP* kp = typeAnimation == 0 && !listeKP.empty() ? listeKP.front() : nullptr;
    if (!kp || !kp->pAncre)
        return false;
    const CSPRITE& a = *kp->pAncre;
    sd.placer(-1, tuv::floatVersInt(a.x), tuv::floatVersInt(a.y));
    sd.setColor(sf::Color(sf::Uint8(kp->r & 0xFF), sf::Uint8(kp->g & 0xFF), sf::Uint8(kp->b & 0xFF),
                          sf::Uint8(kp->a & 0xFF)));
    sd.setScale(kp->sx, kp->sy);
    sd.setRotation(a.rotangle);
    sd.setFlip(kp->flipH != 0, kp->flipV != 0);
    return true;
}

void CChemin::reinitialiserLeg()
{
    bLegEnCours = false;
    legParcouru = 0;
    legLongueur = 0;
}

void CChemin::deselectionner()
{
    numKP = -1;
    numKPCible = 0;
    sens = 0;
    reinitialiserLeg();
}

void CChemin::reinitialiser()
{
    numKP = -1;
    numKPCible = 0;
    sens = 0;
    nbLegsFaits = 0;
    bArrive = false;
    bPause = bPauseDepart;
    platPos = 0;
    platSens = 1;
    decalageX = decalageY = 0;
    reinitialiserLeg();
}

void CChemin::maj(int, int, CSPRITE* sd)
{
    decalageX = decalageY = 0;
    if (!sd || !bActif)
        return;
    if (typeAnimation == 1)
        majPlateforme(sd);
    else
        majKeyPoints(sd);
}

void CChemin::majPlateforme(CSPRITE* sd)
{
    float longueur = std::sqrt(float(depH) * depH + float(depV) * depV);
    if (longueur <= 0)
        return;
    platPos += platSens * std::fabs(float(depVitesse)) * coefficientTemps();
    if (platPos >= longueur) {
        platPos = longueur;
        platSens = -1;
    } else if (platPos <= 0) {
        platPos = 0;
        platSens = 1;
    }
    float nx = sd->x0 + depH * platPos / longueur;
    float ny = sd->y0 + depV * platPos / longueur;
    decalageX = nx - sd->x;
    decalageY = ny - sd->y;
    sd->x = nx;
    sd->y = ny;
}

int CChemin::cibleSuivante()
{
    if (modeParcours == 2)
        return (numKP + 1) % nbKP;
    if (modeParcours == 1)
        return numKP + 1 < nbKP ? numKP + 1 : -1;
    // Back and forth: the direction turns at both ends.
    if (sens == 0 && numKP >= nbKP - 1)
        sens = 1;
    else if (sens == 1 && numKP <= 0)
        sens = 0;
    return sens == 0 ? numKP + 1 : numKP - 1;
}

void CChemin::partirVers(int cible, CSPRITE* sd)
{
    CAncrageKP* kp = getKP(cible);
    numKPCible = cible;
    bLegEnCours = true;
    legX = sd->x;
    legY = sd->y;
    legSX = sd->sx;
    legSY = sd->sy;
    float dx = kp->pAncre->x - legX, dy = kp->pAncre->y - legY;
    legLongueur = std::sqrt(dx * dx + dy * dy);
    legParcouru = 0;
    sf::Color c = sd->sprite.getColor();
    couleur[0] = c.r;
    couleur[1] = c.g;
    couleur[2] = c.b;
    couleur[3] = c.a;
    if (g_services.devMode && g_services.devMode())
        g_services.rafraichirDialogueChemin();
}

void CChemin::majKeyPoints(CSPRITE* sd)
{
    nbKP = int(listeKP.size());
    if (nbKP < 2 || bPause || bArrive)
        return;
    if (numKP < 0 || numKP >= nbKP) {
        // Start over from the first key point.
        CAncrageKP* premier = getKP(0);
        numKP = 0;
        sens = 0;
        decalageX = premier->pAncre->x - sd->x;
        decalageY = premier->pAncre->y - sd->y;
        sd->x = premier->pAncre->x;
        sd->y = premier->pAncre->y;
        reinitialiserLeg();
    }
    if (!bLegEnCours || numKPCible < 0 || numKPCible >= nbKP) {
        int cible = cibleSuivante();
        if (cible < 0 || cible >= nbKP) {
            bArrive = true;
            return;
        }
        partirVers(cible, sd);
    }

    CAncrageKP* kp = getKP(numKPCible);
    float coeff = coefficientTemps();
    float pas = std::fabs(vitesse(kp->v, vGlobale)) * coeff;
    legParcouru = std::min(legParcouru + pas, legLongueur);
    bool arrive = legParcouru >= legLongueur;
    float t = (legLongueur > 0) ? legParcouru / legLongueur : 1.0f;
    float nx = arrive ? kp->pAncre->x : legX + (kp->pAncre->x - legX) * t;
    float ny = arrive ? kp->pAncre->y : legY + (kp->pAncre->y - legY) * t;
    decalageX += nx - sd->x;
    decalageY += ny - sd->y;
    sd->x = nx;
    sd->y = ny;

    float pasRot = std::fabs(vitesse(kp->vr, vGlobaleR)) * coeff;
    sd->rotangle = rapprocher(sd->rotangle, kp->pAncre->rotangle, pasRot);
    float pasCoul = std::fabs(vitesse(kp->vc, vGlobaleC)) * coeff;
    const int cibleCoul[4] = {kp->r, kp->g, kp->b, kp->a};
    for (int i = 0; i < 4; ++i)
        couleur[i] = rapprocher(couleur[i], float(std::clamp(cibleCoul[i], 0, 255)), pasCoul);
    sd->setColor(sf::Color(sf::Uint8(couleur[0]), sf::Uint8(couleur[1]), sf::Uint8(couleur[2]),
                           sf::Uint8(couleur[3])));
    sd->setScale(legSX + (kp->sx - legSX) * t, legSY + (kp->sy - legSY) * t);

    if (!arrive)
        return;
    sd->setFlip(kp->flipH != 0, kp->flipV != 0);
    numKP = numKPCible;
    bLegEnCours = false;
    nbLegsFaits++;
    if (nbChemin >= 0 && nbLegsFaits >= nbChemin)
        bArrive = true;
    if (bPasAPas)
        bPause = true;
}

void CChemin::dessiner(sf::RenderTarget& cible, float dx, float dy)
{
    if (listeKP.empty())
        return;
    sf::VertexArray lignes(sf::LineStrip);
    for (CAncrageKP* kp : listeKP)
        lignes.append(sf::Vertex(sf::Vector2f(kp->pAncre->x + dx, kp->pAncre->y + dy), sf::Color::Yellow));
    cible.draw(lignes);
    for (CAncrageKP* kp : listeKP)
        kp->pAncre->dessinerImage(cible, dx, dy);
}
