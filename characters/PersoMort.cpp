// What a hit does to a character's life: death (with the whole level in an adventure), the
// paralysis and elimination of the two-player game, the spirit that leaves a body, the hit
// timer that the drawing runs, and the death step of every frame after.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Explosions.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Particules.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "level/Decor.h"

#include <algorithm>
#include <functional>

namespace {

using namespace EtatPerso;

constexpr int TYPE_MULTI = 2;
constexpr int MODE_JEU = 1;
constexpr float DUREE_TOUCHE = 40, REPRISE_TOUCHE = 4;  // frames at 30 per second
constexpr float DUREE_CAPTURE = 30;                      // frames before an eliminated player is handed over
constexpr int NB_ANIMS_ESPRIT_HASARD = 3, ANIM_ESPRIT_ELIMINE = 0, ANIM_ESPRIT_MORT = 3;

void relancer(CParticules* e)
{
    if (!e)
        return;
    e->bFini = false;
    e->reset();
}

COptionsMulti* options()
{
    MondeJeu* jeu = faceJeu::monde();
    return jeu ? jeu->pOptionsMulti : nullptr;
}

// The explosion a character shows when it dies: its definition's, or the one its explosion
// sprite was bound to when it was made; "" for none.
std::string nomExplosion(const CPerso& p)
{
    if (p.sprite && p.sprite->pDEC && p.sprite->pDEC->pPersoDef)
        return p.sprite->pDEC->pPersoDef->explosion;
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pExplosions || !p.spriteBouclier || !p.spriteBouclier->pDEC)
        return "";
    for (const auto& [nom, banque] : jeu->pExplosions->explosions)
        if (banque == p.spriteBouclier->pDEC)
            return nom;
    return "";
}

} // namespace

void pourChaquePerso(const std::function<void(CPerso&)>& f)
{
    MondeJeu* jeu = faceJeu::monde();
    CDecor* d = jeu ? jeu->pdecor : nullptr;
    if (!d)
        return;
    for (auto* liste : {&d->persos, &d->ias})
        for (CPerso* p : *liste)
            if (p)
                f(*p);
}

// Step 10 of a hit: what a life at 0 or below, or a paralysis worn down, does.
void CPerso::mortOuParalysie()
{
    PartieJeu* jeu = faceJeu::partie();
    if (jeu && jeu->typeJeu == TYPE_MULTI) {
        if (vie <= 0 && modeIA == -1) {
            mortJoueurMulti();
        } else if (vie <= 0) {
            vie = 0;
            setEtat(MORT);
        } else if (bParalyse && vieParalysie <= 0 && jeu->compteurMultiPause == 0) {
            setEtat(ARRET);
            bParalyse = false;
            vie = vieParalysie = vieMax;
            if (numJoueur >= 0 && numJoueur < 4)
                --jeu->paralysie[numJoueur];
        }
        return;
    }
    if (vie > 0)
        return;
    // In the menus and the editor nobody dies.
    if (!jeu || jeu->mode != MODE_JEU) {
        vie = 1;
        return;
    }
    relancer(particuleMort);
    jouerSon("SPLASH");
    if (modeIA == -1) {
        mortGenerale();
    } else {
        bParalyse = false;
        setEtat(MORT);
        if (bChuteVaisseauMort)
            bVaisseau = false;
        lacherCristaux();
    }
    vie = 0;
}

// A player of the two-player game at 0 life: paralysed or dead, and eliminated once its
// paralysis count reaches the number of clones.
void CPerso::mortJoueurMulti()
{
    PartieJeu* jeu = faceJeu::partie();
    const COptionsMulti* o = options();
    const bool joueurValide = numJoueur >= 0 && numJoueur < 4;
    if (joueurValide)
        ++jeu->paralysie[numJoueur];
    if (o && o->drapeauxPartie[0]) {
        bParalyse = true;
        setEtat(PARALYSE);
        vieParalysie = vie = vieMax;
    } else {
        bParalyse = false;
        jouerSon("SPLASH");
        setEtat(MORT);
        compteurMort = imagesAuTaux(DUREE_CAPTURE);
        capturerIcone();
        libererEsprit(false);
        relancer(particuleMort);
    }
    jouerSon("DASH");
    if (joueurValide && o && jeu->paralysie[numJoueur] >= o->nbClones[0])
        eliminerJoueur();
}

// Every character of the player dies with it.
void CPerso::eliminerJoueur()
{
    PartieJeu* jeu = faceJeu::partie();
    const COptionsMulti* o = options();
    ++jeu->nbJoueursMultiDcd;
    const int joueur = numJoueur;
    const bool esprits = o && o->drapeauxPartie[0];
    pourChaquePerso([&](CPerso& p) {
        if (p.numJoueur != joueur)
            return;
        p.bParalyse = false;
        if (p.mode != MORT && p.modeIA == -1)
            p.compteurMort = imagesAuTaux(DUREE_CAPTURE);
        p.setEtat(MORT);
        if (p.estVisible()) {
            p.saigner();
            if (esprits)
                p.libererEsprit(true);
        }
    });
    jouerSon("SPLASH");
}

// An adventure player's death ends the level: every character falls with it.
void CPerso::mortGenerale()
{
    pourChaquePerso([](CPerso& p) {
        p.bParalyse = false;
        p.setEtat(MORT);
        if (p.estVisible())
            p.saigner();
    });
}

// The emitter of the end, or blood over the sprite.
void CPerso::saigner()
{
    if (particuleFin)
        relancer(particuleFin);
    else if (sprite)
        sprite->Over("SANG1", "SANG", 0, -40, -50, 3, 3, 0, true, -1);
}

void CPerso::libererEsprit(bool elimine)
{
    if (spriteEsprit && sprite) {
        const COptionsMulti* o = options();
        const bool drapeau = o && o->drapeauxMenu[0];
        const bool hasard = elimine ? drapeau : drapeau && derniereArme != "FANTOME";
        const int a = hasard ? tuv::rand() % NB_ANIMS_ESPRIT_HASARD : elimine ? ANIM_ESPRIT_ELIMINE : ANIM_ESPRIT_MORT;
        CSPRITE3& e = *spriteEsprit;
        e.setAnimation(a, 0, true);
        // A random spirit flies off upwards; the others rise in place.
        e.x0 = 0;
        e.y0 = hasard ? -10.0f : 0.0f;
        e.play();
        const sf::Vector2f o0 = e.getOrigineGlobaleCourante();
        e.x = sprite->x - o0.x * sprite->getSX();
        e.y = sprite->y - o0.y * sprite->getSY();
    }
    jouerSon("FANTOME");
}

void CPerso::majTouche()
{
    // 40 and 36 at 30 frames per second: the same durations in seconds at 60.
    const int duree = imagesAuTaux(DUREE_TOUCHE);
    const int reprise = duree - imagesAuTaux(REPRISE_TOUCHE);
    if (compteurTouche > reprise) {
        --compteurTouche;
        animerTouche();
    } else if (compteurTouche == reprise) {
        compteurTouche = reprise - 1;
        if (!bVaisseau && mode != MORT)
            setEtat(CHUTE);
    } else if (compteurTouche >= 1) {
        --compteurTouche;
    } else if (compteurTouche == 0) {
        if (sprite)
            sprite->sprite.setColor(sprite->couleur);
        compteurTouche = -1;
    }
}

int CPerso::mourir()
{
    PartieJeu* jeu = faceJeu::partie();
    const bool joueur = modeIA == -1;
    if (jeu && jeu->typeJeu == TYPE_MULTI && joueur) {
        if (compteurMort == 0) {
            faceJeu::services()->ajouterPersoMort(this);
            compteurMort = -1;
        } else if (compteurMort > 0) {
            capturerIcone();
            --compteurMort;
        }
    }
    // A death's keys run once: the body lies on an animation (the shipped characters' death
    // animation itself) that comes round to them again for as long as the level lasts.
    if (mode == MORT && sprite && sprite->bAnime && sprite->getNbBoucles(sprite->getAnimation()) > 0)
        sprite->bScriptsKeyframesSuspendus = true;
    if (bMortTerminee)
        return 2;
    if (bVieInfinie)
        return -2;
    compteurTouche = 0;
    nbTirs = 0;
    if (sprite)
        sprite->supprimerOver("Alerte");
    if (joueur) {
        if (bCollisions)
            tomber();
        if (jeu && jeu->typeJeu != TYPE_MULTI)
            jeu->bPersoIAdcd = true;
        return 1;
    }
    if (bMortLancee)
        return 0;
    if (animationMort() == 1)
        return 1;
    explosionMort();
    const size_t nb = std::min(enfants.size(), static_cast<size_t>(std::max(0, nbEnfants)));
    for (size_t i = 0; i < nb; ++i)
        if (enfants[i])
            enfants[i]->bMortLancee = true;
    return 1;
}

// The death animation and its end; 1 when the step is over for this frame.
int CPerso::animationMort()
{
    if (!sprite)
        return 1;
    CSPRITE3& s = *sprite;
    if (s.bAnime) {
        const int arret = animationEtat(s, "ARRET");
        const int mort = animationEtat(s, "MORT");
        if (s.getAnimation() == arret && mort != arret)
            s.setAnimation(mort, 0, true);
        else
            setAnimation(animMort, 0, 0);
        if (s.getNbBoucles(s.getAnimation()) > 0) {
            bMortTerminee = true;
            s.setAnimation(arret, 0, true);
            if (bSupprimerMort)
                bDel = true;
            return 1;
        }
        return 0;
    }
    setAnimation(animMort, 0, 0);
    if (!s.pDEC) {
        bMortTerminee = bMortTerminee || s.nbanimtotale >= 1;
        return 1;
    }
    if (s.nbanimtotale >= 1 || animMort < 0 || animMort >= s.pDEC->nbAnims)
        bMortTerminee = true;
    return 0;
}

void CPerso::explosionMort()
{
    const std::string nom = nomExplosion(*this);
    if (nom.empty())
        return;
    bMortLancee = true;
    if (spriteBouclier)
        spriteBouclier->nbanimtotale = 0;
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pExplosions)
        return;
    // Lookups never add a name: an unknown explosion plays nothing.
    const auto& sons = jeu->pExplosions->sonsExplosions;
    auto it = sons.find(nom);
    if (it != sons.end() && !it->second.empty())
        jouerSon(it->second);
}
