#include "core/Dec.h"

#include "core/FichierDec.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/SetTextures.h"

#include <SFML/System/Lock.hpp>

#include <algorithm>
#include <atomic>
#include <iostream>

namespace {
std::atomic<std::uint64_t> derniereSerie{0};
} // namespace

CDEC::CDEC() : pFichierDEC(new CFichierDEC), serie(++derniereSerie)
{
    if (g_services.creerPersoDef)
        pPersoDef = g_services.creerPersoDef(this);
}

CDEC::~CDEC()
{
    for (auto& [numero, set] : anims)
        delete set; // frees its textures and masks
    anims.clear();
    delete pMasquePlanche;
    delete pFichierDEC;
    if (pPersoDef && g_services.detruirePersoDef)
        g_services.detruirePersoDef(pPersoDef);
}

void CDEC::chargerPlanche(const std::string& fichierPlanche, const std::string& fichierMasque)
{
    // A failed sf::Image load keeps the old size over emptied pixels: load aside and
    // keep an empty sheet on failure, so that cutting never reads past the pixels.
    sf::Image lue;
    planche = tuv::chargerMedia(lue, fichierPlanche) ? lue : sf::Image();
    delete pMasquePlanche;
    pMasquePlanche = nullptr;
    if (!fichierMasque.empty()) {
        sf::Image masque;
        if (tuv::chargerMedia(masque, fichierMasque))
            pMasquePlanche = new sf::Image(masque);
    }
}

CSetTextures& CDEC::anim(int numero)
{
    CSetTextures*& set = anims[numero];
    if (!set)
        set = new CSetTextures;
    return *set;
}

const CSetTextures* CDEC::trouverAnim(int numero) const
{
    auto it = anims.find(numero);
    return it == anims.end() ? nullptr : it->second;
}

int CDEC::nbFramesAnim(int numero) const
{
    const CSetTextures* set = trouverAnim(numero);
    return set ? set->nbTextures : 0;
}

CSetTextures& CDEC::prochainSet()
{
    CSetTextures& set = anim(nbAnims);
    set.vider();
    ++nbAnims;
    return set;
}

long long CDEC::pixelsMasques() const
{
    long long total = 0;
    for (const auto& [numero, set] : anims)
        total += static_cast<long long>(set->images.size()) * std::max(set->largeur, 0) * std::max(set->hauteur, 0);
    return total;
}

void CDEC::ajouterAnim(int gauche, int haut, int largeur, int hauteur, int nbFrames, float vitesse, int option)
{
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    CSetTextures& set = prochainSet();
    // Each mask frame is a whole frame-sized image, even past the mask sheet: one line may ask
    // for 128 MB, and a file has as many lines as it likes. Past the bank's bound a line
    // makes no frame, as a line past a line's bound does.
    if (pMasquePlanche && CSetTextures::dimensionsAcceptables(nbFrames, largeur, hauteur) && nbFrames > 0 &&
        largeur > 0 && hauteur > 0 &&
        pixelsMasques() + static_cast<long long>(nbFrames) * largeur * hauteur > PIXELS_MASQUES_MAX) {
        if (!bCoupeMasquesSignalee)
            std::cerr << "Image bank " << nom << ": masks past " << PIXELS_MASQUES_MAX / (1 << 20)
                      << " Mpixels: animation " << nbAnims - 1 << " and the lines past the bound have no image"
                      << std::endl;
        bCoupeMasquesSignalee = true;
        nbFrames = 0;
    }
    set.decouper(this, gauche, haut, nbFrames, largeur, hauteur, vitesse, option);
}

void CDEC::ajouterAnimDec(int x, int y, int nbFrames, int largeur, int hauteur, float vitesse, int nbBoucles)
{
    ajouterAnim(x, y, largeur, hauteur, nbFrames, vitesse, nbBoucles);
}

void CDEC::ajouterAnimNom(const std::string& nom, int nbFrames, int largeur, int hauteur, int modeMasque,
                          float vitesse, int nbBoucles, int premierNumero, bool allerRetour)
{
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    prochainSet().chargerSequence(nom, nbFrames, largeur, hauteur, modeMasque, vitesse, nbBoucles,
                                  premierNumero, allerRetour);
}

void CDEC::setAnimUnique(int gauche, int haut, int largeur, int hauteur, int nbFrames, float vitesse)
{
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    // The sets stay allocated (sprites may hold them); only their frames go.
    for (auto& [numero, set] : anims)
        set->vider();
    nbAnims = 0;
    prochainSet().decouper(this, gauche, haut, nbFrames, largeur, hauteur, vitesse, 0);
}

void CDEC::ajouterFrames(const std::string& s1, const std::string& s2, int i1, int i2, int i3, float f1,
                         float f2, float f3, float f4, int i4, int i5, int i6)
{
    frames.push_back(PartieAttachee{s1, s2, i1, i2, i3, f1, f2, f3, f4, i4, i5, i6, true});
    ++nbFrames;
}
