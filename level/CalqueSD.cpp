#include "level/CalqueSD.h"

#include "anim/Sprite3.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/SetTextures.h"
#include "core/ShaderManager.h"
#include "core/Texte.h"
#include "level/Decor.h"
#include "level/GeometrieSD.h"

#include <SFML/Graphics/RenderTexture.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Sprite.hpp>

#include <algorithm>
#include <cstdint>
#include <iterator>

namespace {

// The plane's font as the game finds its own: ours, the GUI's copy, then the system's.
bool chargerPolicePlan(sf::Font& police)
{
    for (const char* chemin : {"./polices/arial.ttf", "./PLUX_Res/polices/arial.ttf",
                               "/usr/share/fonts/truetype/dejavu/DejaVuSans.ttf"})
        if (tuv::chargerMedia(police, chemin))
            return true;
    return false;
}

// Sub-layer shown in the editor: the active world's.
int calqueVisibleActif()
{
    MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pdecor ? jeu->pdecor->calqueVisible : 1;
}

bool locksSelect()
{
    OptionsJeu* jeu = faceJeu::options();
    return jeu && jeu->bLocksSelect;
}

// Alpha of the frame's texture at a pixel; 0 outside the image actually read.
bool pixelOpaque(const sf::Texture& texture, float u, float v)
{
    const sf::Image image = texture.copyToImage();
    const int iu = tuv::floatVersInt(u), iv = tuv::floatVersInt(v);
    if (iu < 0 || iv < 0 || iu >= int(image.getSize().x) || iv >= int(image.getSize().y))
        return false;
    return image.getPixel(unsigned(iu), unsigned(iv)).a != 0;
}

// Asks for the list node holding *valeur: its links lie just before the value, possibly on the
// cache line before.
void prechargerNoeud(CSPRITE* const* valeur)
{
    const auto v = reinterpret_cast<std::uintptr_t>(valeur);
    __builtin_prefetch(valeur);
    __builtin_prefetch(reinterpret_cast<const void*>(v - 2 * sizeof(void*)));
}

} // namespace

CCalqueSD::CCalqueSD() : pCible(CSFMLJeuGlobal::prenderTexture)
{
    // Ten planes are built at start-up: a missing font is said once per run, not ten times.
    static bool dejaSignale = false;
    if (!chargerPolicePlan(police)) {
        if (!dejaSignale)
            g_services.messageBox("Erreur !", "Impossible de charger la police !", "");
        dejaSignale = true;
        return;
    }
    texte.setFont(police);
    texte.setString("*");
    texte.setCharacterSize(20);
    texte.setStyle(sf::Text::Bold);
    texte.setFillColor(sf::Color(255, 255, 255, 255));
    texte.setPosition(0, 0);
}

CCalqueSD::~CCalqueSD() { vider(); }

bool CCalqueSD::creerTexture(unsigned largeur, unsigned hauteur)
{
    auto rt = std::make_unique<sf::RenderTexture>();
    if (largeur == 0 || hauteur == 0 || !rt->create(largeur, hauteur))
        return false;
    pRenderTexture = std::move(rt);
    pCible = pRenderTexture.get();
    return true;
}

void CCalqueSD::afficherCalque(int n)
{
    for (CSPRITE* sd : sprites)
        if (sd->calque > 0)
            sd->bVisible = sd->calque == n;
}

int CCalqueSD::mettreDevant(CSPRITE* sd)
{
    auto it = std::find(sprites.begin(), sprites.end(), sd);
    if (it != sprites.end())
        sprites.splice(sprites.end(), sprites, it);
    index.invalider();
    return int(sprites.size());
}

CSPRITE* CCalqueSD::mettreDerriere(CSPRITE* sd)
{
    auto it = std::find(sprites.begin(), sprites.end(), sd);
    if (it != sprites.end())
        sprites.splice(sprites.begin(), sprites, it);
    index.invalider();
    return sprites.empty() ? nullptr : sprites.front();
}

void CCalqueSD::purger(const Detacheur& avantLiberation)
{
    index.invalider();
    for (auto it = sprites.begin(); it != sprites.end();) {
        CSPRITE* sd = *it;
        if (!sd || !sd->bASupprimer) {
            ++it;
            continue;
        }
        if (pSDTrouve == sd)
            pSDTrouve = nullptr;
        if (avantLiberation)
            avantLiberation(sd);
        it = sprites.erase(it);
        supprimerSD(sd);
    }
}

void CCalqueSD::vider(const Detacheur& avantLiberation)
{
    // Taken out of the list first: a detacher walking the planes never meets a freed sprite.
    std::list<CSPRITE*> anciens;
    anciens.swap(sprites);
    index.invalider();
    pSDTrouve = nullptr;
    for (CSPRITE* sd : anciens) {
        if (avantLiberation && sd)
            avantLiberation(sd);
        supprimerSD(sd);
    }
}

// ------------------------------------------------------------------------------ drawing

sf::RenderTarget* CCalqueSD::choisirCible()
{
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    pCible = scene;
    if (rayonFlou == 0 || !g_services.shadersActifs())
        return pCible;
    // The inactive world's planes never got their texture: made here at the scene's size.
    if (!pRenderTexture && scene)
        creerTexture(scene->getSize().x, scene->getSize().y);
    if (!pRenderTexture)
        return pCible = scene;
    pRenderTexture->setView(scene ? scene->getView() : pRenderTexture->getDefaultView());
    pRenderTexture->clear(sf::Color(0, 0, 0, 0));
    return pCible = pRenderTexture.get();
}

bool CCalqueSD::dessiner(float dx, float dy, bool passe, const sf::FloatRect& vue)
{
    if (!bVisible)
        return false;
    sf::RenderTarget* cible = choisirCible();
    dessinerSprites(cible, dx, dy, passe, vue);
    if (pRenderTexture && cible == pRenderTexture.get())
        composer();
    return true;
}

void CCalqueSD::dessinerSprites(sf::RenderTarget* cible, float dx, float dy, bool passe, const sf::FloatRect& vue)
{
    // Each sprite, and each node of the list, lies apart in memory: the next sprite's lines
    // and the node after it are asked for while this one draws, instead of the walk waiting
    // for them (a frame's rendering leaves none of them in the caches).
    for (auto it = sprites.begin(); it != sprites.end(); ++it) {
        CSPRITE* sd = *it;
        if (auto suivant = std::next(it); suivant != sprites.end()) {
            if (auto apres = std::next(suivant); apres != sprites.end())
                prechargerNoeud(&*apres);
            if (*suivant)
                (*suivant)->prechargerDessin();
        }
        if (!sd)
            continue;
        CSPRITE3* anime = sd->bAnime ? dynamic_cast<CSPRITE3*>(sd) : nullptr;
        if (anime)
            dessinerAnime(*anime, cible, dx, dy, passe);
        else
            sd->afficher(cible, dx, dy, passe, vue);
    }
}

void CCalqueSD::dessinerAnime(CSPRITE3& sd, sf::RenderTarget* cible, float dx, float dy, bool passe)
{
    // Like a plain sprite: acts in its own pass only, drawn where picking finds it.
    if (int(passe) != sd.passeDessin())
        return;
    sd.majComportements();
    const int x = tuv::floatVersInt(sd.x), y = tuv::floatVersInt(sd.y);
    const int anim = sd.getAnimation();
    sd.dessiner(cible, 0, dx, dy, nullptr, sd.sx, float(x), float(y), anim);
    sd.update(nullptr, sd.sx, float(x), float(y), anim);
}

void CCalqueSD::composer()
{
    sf::RenderTexture* scene = CSFMLJeuGlobal::prenderTexture;
    pRenderTexture->display();
    pCible = scene;
    if (!scene)
        return;
    sf::RenderStates etats;
    const AffichageJeu* affichage = faceJeu::affichage();
    if (CShaderManager* gestion = affichage ? affichage->pShaderManager : nullptr) {
        if (sf::Shader* flou = gestion->getShader("flou.frag", "")) {
            flou->setUniform("texture", sf::Shader::CurrentTexture);
            flou->setUniform("rayon", rayonFlou);
            etats.shader = flou;
        }
    }
    const sf::View vue = scene->getView();
    scene->setView(scene->getDefaultView());
    scene->draw(sf::Sprite(pRenderTexture->getTexture()), etats);
    scene->setView(vue);
}

// ------------------------------------------------------------------------------ picking

bool CCalqueSD::spriteSousPoint(CSPRITE& sd, float x, float y, float dx, float dy)
{
    sf::Vector2f l;
    if (!geometrie::versLocal(sd, x - dx, y - dy, l))
        return false;
    if (sd.bAnime) {
        if (auto* anime = dynamic_cast<CSPRITE3*>(&sd))
            return anime->collisionHitbox(l.x, l.y);
        return false;
    }
    const sf::Vector2i taille = geometrie::tailleFrame(sd);
    const float gauche = sd.x - sd.ox, haut = sd.y - sd.oy;
    if (!(l.x > gauche && l.x < gauche + taille.x && l.y > haut && l.y < haut + taille.y))
        return false;
    if (sd.pDEC && sd.pDEC->nom == "DECVIDE")
        return true;
    const CSetTextures* set = sd.getSet(sd.numAnim);
    if (!set || sd.numFrame < 0 || sd.numFrame >= set->nbTextures)
        return false;
    const sf::Texture* texture = sd.getTexture(sd.numAnim, sd.numFrame);
    return texture && pixelOpaque(*texture, l.x - gauche, l.y - haut);
}

bool CCalqueSD::choisirSprite(sf::RenderWindow* fenetre, int x, int y, float dx, float dy)
{
    if (!bVisible)
        return false;
    const bool verrous = locksSelect();
    const int calque = calqueVisibleActif();
    CIndexSD::Parcours candidats = index.sous(float(x) - dx, float(y) - dy);
    CSPRITE* sd = nullptr;
    while (candidats.suivant(sd)) {
        if (!sd || (verrous && sd->bLock) || (sd->calque != 0 && sd->calque != calque))
            continue;
        if (spriteSousPoint(*sd, float(x), float(y), dx, dy)) {
            sd->bSelectionne = true;
            pSDTrouve = sd;
            return true;
        }
    }
    return false;
}
