#include "characters/Armes.h"

#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Particules.h"
#include "core/Sprite.h"
#include "core/Texte.h"

CArmes* armesDuJeu() { return faceJeu::monde() ? faceJeu::monde()->parmes : nullptr; }

CArme::CArme()
    : pSpriteTir(new CSPRITE), pSpriteCanon(new CSPRITE), pSpriteImpactMur(new CSPRITE),
      pSpriteImpactPerso(new CSPRITE), pDecTir(new CDEC), pDecCanon(new CDEC), pDecImpactMur(new CDEC),
      pDecImpactPerso(new CDEC)
{
    pSpriteTir->pDEC = pDecTir.get();
    pSpriteCanon->pDEC = pDecCanon.get();
    pSpriteImpactMur->pDEC = pDecImpactMur.get();
    pSpriteImpactPerso->pDEC = pDecImpactPerso.get();
}

// The sprites go before the banks they are bound to.
CArme::~CArme()
{
    pSpriteTir.reset();
    pSpriteCanon.reset();
    pSpriteImpactMur.reset();
    pSpriteImpactPerso.reset();
}

CTir::~CTir() { delete pParticules; }

CArmes::~CArmes()
{
    viderTirs();
    viderArmes();
}

void CArmes::viderArmes()
{
    for (CArme* a : armes)
        delete a;
    armes.clear();
    nbArmes = 0;
    courante = nullptr;
}

const CArme* CArmes::arme(int i) const
{
    if (i < 0 || i >= nbArmes || i >= static_cast<int>(armes.size()))
        return nullptr;
    return armes[static_cast<size_t>(i)];
}

int CArmes::charger(const std::string& fichier)
{
    if (!tuv::fichierExiste(fichier) || !open(fichier, false))
        return 0;
    // The list is read once per run; a second reading replaces it rather than doubling it.
    viderArmes();
    notes.commencer(fichier);
    verifierDans(&notes);
    for (std::string cle = getKey(); !cle.empty(); cle = getKey())
        lireCle(cle);
    close();
    notes.direUneFois("Armes : ");
    return 0;
}

void CArmes::nouvelleArme()
{
    auto* a = new CArme();
    a->nom = valeur();
    a->nomAffiche = valeur();
    a->vitesse = static_cast<float>(valeurMesure());
    a->degats = valeurMesure();
    a->munitions = valeurMesure();
    a->portee = valeurMesure();
    armes.push_back(a);
    nbArmes = static_cast<int>(armes.size());
    courante = a;
}

namespace {

sf::Uint8 canal(int v) { return static_cast<sf::Uint8>(v < 0 ? 0 : v > 255 ? 255 : v); }

} // namespace

void CArmes::lireCle(const std::string& cle)
{
    if (cle == "ARME") {
        nouvelleArme();
        return;
    }
    // Every other key belongs to the latest weapon: before the first one it is dropped.
    if (!courante) {
        ligneIgnoree("avant la première ARME");
        return;
    }
    CArme& a = *courante;
    if (cle == "COLOR") {
        const int r = valeurEntier(), g = valeurEntier(), b = valeurEntier(), al = valeurEntier();
        a.couleur = sf::Color(canal(r), canal(g), canal(b), canal(al));
    } else if (cle == "CADENCETIR")
        a.cadenceTir = valeurEntier();
    else if (cle == "PARTICULE_TIR")
        lireEmetteur(a.pParticulesTir);
    else if (cle == "PARTICULE_TIR2")
        lireEmetteur(a.pParticulesTir2);
    else if (cle == "PLANCHE") {
        const std::string planche = valeur();
        for (CDEC* banque : {a.pDecTir.get(), a.pDecCanon.get(), a.pDecImpactMur.get(), a.pDecImpactPerso.get()})
            banque->chargerPlanche(planche, "");
    } else if (cle == "SPRITETIR")
        lireSpriteTir(*a.pDecTir, *a.pSpriteTir);
    else if (cle == "ORIGINE_SPRITETIR")
        lireOrigine(*a.pSpriteTir);
    else if (cle == "ORIGINE_SPRITETIR_IMPACT")
        lireOrigine(*a.pSpriteImpactMur);
    else if (cle == "SPRITETIRCANON")
        lireSpriteTir(*a.pDecCanon, *a.pSpriteCanon);
    else if (cle == "SPRITETIRIMPACTMUR")
        lireSpriteTir(*a.pDecImpactMur, *a.pSpriteImpactMur);
    else if (cle == "SPRITETIRIMPACTPERSO")
        lireSpriteTir(*a.pDecImpactPerso, *a.pSpriteImpactPerso);
    else if (cle == "SON")
        a.son = valeur();
    else if (cle == "NOM_EN")
        a.nomAfficheEn = valeur();
    else if (cle == "RECUL") {
        a.dureeRecul = valeurEntier();
        a.amplitudeRecul = valeurMesure();
    } else
        cleNonPrise();
}

// The seven values of a ".dec" sprite line; the image is centred on its frame.
void CArmes::lireSpriteTir(CDEC& banque, CSPRITE& sprite)
{
    const int x = valeurMesure(), y = valeurMesure(), nbFrames = valeurMesure();
    const int largeur = valeurMesure(), hauteur = valeurMesure();
    const float vitesse = valeurReel();
    const int nbBoucles = valeurEntier();
    banque.ajouterAnimDec(x, y, nbFrames, largeur, hauteur, vitesse, nbBoucles);
    sprite.setOrigine(static_cast<float>(largeur / 2), static_cast<float>(hauteur / 2));
}

void CArmes::lireOrigine(CSPRITE& sprite)
{
    const int ox = tuv::floatVersInt(valeurReel());
    const int oy = tuv::floatVersInt(valeurReel());
    sprite.setOrigine(static_cast<float>(ox), static_cast<float>(oy));
}

// A weapon's emitter runs on its own: paused as its line says, following no sprite.
void CArmes::lireEmetteur(std::unique_ptr<CParticules>& emetteur)
{
    auto e = std::make_unique<CParticules>();
    e->lire49(*this);
    e->bPause = e->bPauseEmission;
    e->demarrer(0, 0, 0);
    emetteur = std::move(e);
}
