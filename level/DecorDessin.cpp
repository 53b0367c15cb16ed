// The level frame: everything of the level updated and drawn once per frame into the scene,
// back to front: the background, then planes 4 to 0, each level closed by its AIs and the
// veil when it lies there. The main plane is drawn in two passes around the characters.
#include "anim/Sprite3.h"
#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/CalqueSD.h"
#include "level/ContexteNiveau.h"
#include "level/Creusement.h"
#include "level/Decor.h"
#include "level/EffetBrouillard.h"
#include "level/EffetEtoiles.h"
#include "level/EffetLucioles.h"
#include "level/EffetNeige.h"
#include "level/EffetNuagePoussiere.h"
#include "level/EffetNuages.h"
#include "level/EffetOrage.h"
#include "level/EffetPluie.h"
#include "level/FondImage.h"
#include "level/Vue.h"

#include <SFML/Graphics/RenderTexture.hpp>

#include <algorithm>
#include <cmath>
#include <string>

namespace {

constexpr int MODE_JEU = 1, MODE_EDITEUR = 2;
constexpr int ALPHA_MAX = 255;
// The veil overlaps the view by this much on each side.
constexpr float MARGE_VOILE = 200;
const sf::Color COULEUR_ZONE(0, 0, 0, 128);
constexpr float EPAISSEUR_ZONE = 5;
constexpr int ECART_ETIQUETTE_X = -50, ECART_ETIQUETTE_Y = -20;

} // namespace

struct CDecor::ContexteImage {
    sf::RenderTexture* scene = nullptr;
    MondeJeu* jeu = nullptr;  // the game's world, null without a game
    int mode = MODE_JEU;
    bool afficheIAs = true;
    float x = 0, y = 0;  // the world's camera's left and top
    float zoom = 1;
    sf::FloatRect vue;   // what the camera shows, in level coordinates (empty: no camera)
    int largeurVue = 0;
    int dx[NB_NIVEAUX] = {}, dy[NB_NIVEAUX] = {};  // offsets of planes 0-4 and the background
    bool editeur() const { return mode == MODE_EDITEUR; }
};

CDecor::ContexteImage CDecor::contexteImage() const
{
    ContexteImage c;
    c.scene = niveau::scene();
    c.jeu = faceJeu::monde();
    if (c.jeu) {
        c.mode = faceJeu::partie()->mode;
        c.afficheIAs = faceJeu::options()->bAfficheIAs;
        c.largeurVue = faceJeu::affichage()->largeurVue;
    }
    if (const CVue* vue = pCamera) {
        c.x = vue->x;
        c.y = vue->y;
        c.zoom = vue->zoom;
        c.vue = sf::FloatRect(vue->x + vue->cx, vue->y + vue->cy, vue->sx, vue->sy);
    }
    for (int n = 0; n < NB_NIVEAUX; ++n) {
        c.dx[n] = tuv::floatVersInt(decalagePlanX(n));
        c.dy[n] = tuv::floatVersInt(decalagePlanY(n));
    }
    return c;
}

void CDecor::dessiner(sf::RenderWindow*)
{
    ++appels.dessiner;
    const ContexteImage c = contexteImage();
    if (!c.scene)
        return;
    if (c.jeu && c.jeu->pAnimLapin) {
        c.jeu->pAnimLapin->bPlay = true;
        c.jeu->pAnimLapin->update(nullptr, 1.0f, 0, 0, 0);
    }
    c.scene->clear(couleurFond);
    dessinerLointain(c);
    dessinerPrincipal(c);
    dessinerProche(c);
    dessinerFinImage(c);
    // The scene is whole: the snapshots asked for during the frame can be taken.
    for (CPerso* p : persos)
        if (p)
            p->prendreCapture();
}

// The background, the storm, clouds and stars, planes 4 and 3 with the far fireflies and rain.
void CDecor::dessinerLointain(const ContexteImage& c)
{
    if (pFondImage && !pFondImage->strFichierFond.empty())
        pFondImage->afficher(c.dx[NIVEAU_FOND], c.dy[NIVEAU_FOND]);
    if (bOrage && pOrage && c.mode == MODE_JEU)
        pOrage->afficher();
    if (bNuages && pNuages)
        pNuages->afficher(c.scene, 0, 0);
    dessinerIAs(NIVEAU_FOND, c);
    dessinerVoile(NIVEAU_FOND, c);

    pPlans[4]->dessiner(float(c.dx[4]), float(c.dy[4]), false, c.vue);
    if (bEtoiles && pEtoiles)
        pEtoiles->dessiner(c.scene, 0, 0, float(c.dx[4]), float(c.dy[4]));
    dessinerIAs(4, c);
    dessinerVoile(4, c);

    pPlans[3]->dessiner(float(c.dx[3]), float(c.dy[3]), false, c.vue);
    if (bLucioles && pLucioles)
        pLucioles->afficher(c.scene, 0, pLucioles->nbLucioles / 5, float(c.dx[3]), float(c.dy[3]));
    if (bPluie && pPluie)
        pPluie->afficher(c.scene, 0, pPluie->nbGouttes / 3, true);
    dessinerIAs(3, c);
    dessinerVoile(3, c);
}

// The main plane around the characters, dig holes, footprints, effects, shots and dust.
void CDecor::dessinerPrincipal(const ContexteImage& c)
{
    sf::RenderTexture& scene = *c.scene;
    const float dx = float(c.dx[PLAN_PRINCIPAL]), dy = float(c.dy[PLAN_PRINCIPAL]);
    pPlans[PLAN_PRINCIPAL]->dessiner(dx, dy, false, c.vue);
    for (auto it = creusements.rbegin(); it != creusements.rend(); ++it)
        (*it)->dessiner(scene);
    for (CPerso* p : persos)
        if (p)
            p->dessiner(scene);
    dessinerIAs(PLAN_PRINCIPAL, c);
    if (!c.editeur())
        afficherTracesPas(scene);
    for (auto it = creusements.rbegin(); it != creusements.rend(); ++it)
        (*it)->dessinerDevant(scene);
    afficherEffets(scene);
    if (c.jeu && c.jeu->parmes)
        c.jeu->parmes->afficherTirs(scene);
    if (bLucioles && pLucioles)
        pLucioles->afficher(c.scene, pLucioles->nbLucioles / 5, pLucioles->nbLucioles / 4, dx, dy);
    if (bPluie && pPluie)
        pPluie->afficher(c.scene, pPluie->nbGouttes / 3, pPluie->nbGouttes / 2, true);
    pPlans[PLAN_PRINCIPAL]->dessiner(dx, dy, true, c.vue);
    for (CPerso* p : persos)
        if (p)
            p->majParticules(c.scene);
    if (bNuagePoussiere && pNuagePoussiere)
        pNuagePoussiere->afficher(c.scene);
    dessinerVoile(PLAN_PRINCIPAL, c);
}

// Planes 1 and 0 with the near rain, snow, fireflies and fog, then the colour filter.
void CDecor::dessinerProche(const ContexteImage& c)
{
    pPlans[1]->dessiner(float(c.dx[1]), float(c.dy[1]), false, c.vue);
    dessinerIAs(1, c);
    if (bPluie && pPluie)
        pPluie->afficher(c.scene, pPluie->nbGouttes / 2, pPluie->nbGouttes, false);
    dessinerVoile(1, c);

    pPlans[0]->dessiner(float(c.dx[0]), float(c.dy[0]), false, c.vue);
    if (bNeige && pNeige)
        pNeige->afficher(c.scene);
    if (bLucioles && pLucioles)
        pLucioles->afficher(c.scene, pLucioles->nbLucioles / 4, pLucioles->nbLucioles, float(c.dx[0]), float(c.dy[0]));
    if (bBrouillard && pBrouillard)
        pBrouillard->afficher(c.scene);
    dessinerFiltre(*c.scene);
}

// The filter tints all the scene shows: it is stretched over the scene's view as it stands
// this frame, whole pixels around it, since the camera eases its zoom, keeps its rectangle
// off-centre and shakes long after the level was loaded.
void CDecor::dessinerFiltre(sf::RenderTexture& scene)
{
    CSPRITE* s = pFiltre ? pFiltre->getSprite() : nullptr;
    if (!bFiltre || !s)
        return;
    const sf::Vector2i image = s->getTaille();
    if (image.x <= 0 || image.y <= 0)
        return;
    const sf::View& vue = scene.getView();
    const sf::Vector2f coin = vue.getCenter() - vue.getSize() / 2.0f;
    const float gauche = std::floor(coin.x), haut = std::floor(coin.y);
    const float largeur = std::ceil(coin.x + vue.getSize().x) - gauche;
    const float hauteur = std::ceil(coin.y + vue.getSize().y) - haut;
    pFiltre->placer(int(gauche), int(haut));
    pFiltre->setScale(largeur / float(image.x), hauteur / float(image.y));
    pFiltre->dessiner(scene);
}

// Over-images, the meteor timer, the nearest AIs, the veil over everything, the editor's zone.
void CDecor::dessinerFinImage(const ContexteImage& c)
{
    if (c.jeu)
        faceJeu::services()->animerOvers();
    majMeteores();
    dessinerIAs(0, c);
    dessinerVoile(0, c);
    if (c.editeur() && bZone)
        dessinerZone(*c.scene);
}

void CDecor::majMeteores()
{
    if (nbMeteores <= 0)
        return;
    if (compteurMeteores == 0) {
        relancerMeteores();
        compteurMeteores = niveau::images(600);
    } else if (compteurMeteores > 0) {
        --compteurMeteores;
    }
}

// The AIs of one level of the drawing order, numbered in the editor; those of the main plane
// also update and draw their particle emitters.
void CDecor::dessinerIAs(int niveauDessin, const ContexteImage& c)
{
    if (!c.afficheIAs)
        return;
    int numero = 0;
    for (CPerso* ia : ias) {
        if (!ia || ia->numPlanIA != niveauDessin)
            continue;
        ia->dessiner(*c.scene);
        if (niveauDessin == PLAN_PRINCIPAL)
            ia->majParticules(c.scene);
        if (c.editeur())
            ia->afficherTexte(L"n°=" + std::to_wstring(++numero), ECART_ETIQUETTE_X, ECART_ETIQUETTE_Y);
    }
}

void CDecor::dessinerVoile(int niveauDessin, const ContexteImage& c)
{
    if (!voile.bActif || voile.plan != niveauDessin)
        return;
    // A square wider than the view at any zoom, laid where the camera looks.
    const float cote = float(c.largeurVue) * c.zoom + 2 * MARGE_VOILE;
    voile.rectangle.setSize(sf::Vector2f(cote, cote));
    voile.rectangle.setPosition(c.x - MARGE_VOILE, c.y - MARGE_VOILE);
    voile.rectangle.setFillColor(voile.couleur);
    c.scene->draw(voile.rectangle);
    if (voile.bFini)
        return;
    // The period counts frames at 30 per second: its steps come at the same times at 60.
    const int limite = niveau::images(voile.periode + 1) - 1;
    if (voile.compteur < limite) {
        ++voile.compteur;
        return;
    }
    const long long alpha = std::clamp<long long>(static_cast<long long>(voile.couleur.a) + voile.pas, 0, ALPHA_MAX);
    voile.couleur.a = static_cast<sf::Uint8>(alpha);
    voile.compteur = 0;
    if (alpha == voile.alphaCible || (voile.pas > 0 && alpha == ALPHA_MAX)) {
        if (voile.bArretFin)
            voile.bActif = false;
        else
            voile.bFini = true;
    } else if (voile.pas < 0 && alpha == 0) {
        voile.bActif = false;
    }
}

void CDecor::dessinerZone(sf::RenderTexture& scene)
{
    const sf::Vector2f hautGauche{float(zone[0]), float(zone[1])}, basDroite{float(zone[2]), float(zone[3])};
    const sf::Vector2f basGauche{hautGauche.x, basDroite.y}, hautDroite{basDroite.x, hautGauche.y};
    CPLUX::drawLine(&scene, hautGauche, basGauche, COULEUR_ZONE, EPAISSEUR_ZONE);
    CPLUX::drawLine(&scene, hautGauche, hautDroite, COULEUR_ZONE, EPAISSEUR_ZONE);
    CPLUX::drawLine(&scene, basDroite, basGauche, COULEUR_ZONE, EPAISSEUR_ZONE);
    CPLUX::drawLine(&scene, basDroite, hautDroite, COULEUR_ZONE, EPAISSEUR_ZONE);
}
