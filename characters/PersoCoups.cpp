// The hit handler every blow goes through: whether the character can be hit, push back,
// camera kick, sounds, damage, the floating message in the player's language, the blast
// shader of kicks and spirit hits, then death, paralysis or the hit state (PersoMort.cpp).
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/OptionsMulti.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Particules.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "level/Vue.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <climits>
#include <cmath>

namespace {

using namespace EtatPerso;

constexpr float DUREE_TOUCHE = 40;  // frames at 30 per second
constexpr int TYPE_CHRONO = 1;
constexpr int TYPE_MULTI = 2;
constexpr int POUSSEE_TIR_CIBLE = 40, POUSSEE_LEGERE = 4, POUSSEE = 20;  // frames at 30 per second
constexpr float RECUL_ZOOM = 0.08f, MARGE_ZOOM = 0.02f, SECOUSSE_CAMERA = 32;

// Life lost without wrapping around, whatever a file gives as damage.
int retirer(int valeur, int degats)
{
    const long long r = static_cast<long long>(valeur) - degats;
    return static_cast<int>(std::clamp<long long>(r, INT_MIN, INT_MAX));
}

// The share of the damage that a character of the two-player game takes while its player's
// super power runs.
int diviseurSuperPouvoir(const CPerso& p)
{
    const std::string& s = p.sprite ? p.sprite->ID : std::string();
    if (s == "TEUZJ1" || s == "TEUZJ2")
        return 6;
    if (s == "VEVIDIZv3" || s == "VEVIDIZJ2v3" || p.id == "RERODEZPERSO_MULTI")
        return 2;
    return 4;
}

int typeJeu()
{
    const PartieJeu* jeu = faceJeu::partie();
    return jeu ? jeu->typeJeu : 0;
}

// French while there is no menu object, or while its language is French.
bool enFrancais()
{
    const ServicesJeu* jeu = faceJeu::services();
    return !jeu || jeu->langue() == "fr_";
}

// The camera backs off and jumps on a direct hit, unless it is already backing off.
void secousseCamera()
{
    MondeJeu* jeu = faceJeu::monde();
    CVue* vue = jeu ? jeu->pvue : nullptr;
    if (!vue || vue->zoom < vue->zoomBase - MARGE_ZOOM)
        return;
    vue->zoom -= RECUL_ZOOM;
    vue->x += SECOUSSE_CAMERA;
    vue->y += SECOUSSE_CAMERA;
}

void relancer(CParticules* e)
{
    if (!e)
        return;
    e->bFini = false;
    e->reset();
}

// One row of the message table: the texts, the sound, and what the row changes.
struct LigneMessage {
    const char* francais;
    const char* anglais;
    const char* son;  // null: none
    bool blast;
};

} // namespace

bool CPerso::superPouvoir() const
{
    const PartieJeu* jeu = faceJeu::partie();
    return jeu && numJoueur >= 0 && numJoueur < 4 && jeu->commandes[numJoueur].bSuperPouvoir;
}

void CPerso::prendreCoup(int degats, int directionPoussee, int inutilise, int indirect)
{
    (void)inutilise;
    const std::string idSprite = sprite ? sprite->ID : std::string();
    if ((idSprite == "ZADIRIREZI_J1" || idSprite == "ZADIRIREZI_J2") && superPouvoir())
        return;
    if (indirect != 0 && bParalyse)
        return;
    // Push back, longer for a head or leg shot; the frames last as long at 60 fps as at 30.
    if (bTirTete || bTirJambes)
        compteurDash2 = imagesAuTaux(POUSSEE_TIR_CIBLE);
    else if (derniereArme == "ARME 4" || derniereArme == "FANTOME")
        compteurDash2 = imagesAuTaux(POUSSEE_LEGERE);
    else
        compteurDash2 = imagesAuTaux(POUSSEE);
    this->directionPoussee = directionPoussee;
    if (indirect == 0)
        secousseCamera();
    const bool vivant = mode != MORT;
    if (vivant) {
        jouerSon("DASH");
        if (vie > 0)
            jouerSon(sonDegats);
        relancer(particuleTouche);
        subirDegats(degats, indirect);
        if (typeJeu() != TYPE_CHRONO)
            ajouterMessage(degats, true);
    } else {
        if (typeJeu() != TYPE_CHRONO)
            ajouterMessage(degats, false);
        return;
    }
    lacherTourelle();
    mortOuParalysie();
    commencerTouche();
}

void CPerso::subirDegats(int degats, int indirect)
{
    if (bVieInfinie || bSansDegats)
        return;
    if (bParalyse && indirect == 0) {
        vieParalysie = retirer(vieParalysie, degats);
        return;
    }
    const bool pouvoir = typeJeu() == TYPE_MULTI && superPouvoir();
    vie = retirer(vie, pouvoir ? degats / diviseurSuperPouvoir(*this) : degats);
}

void CPerso::commencerTouche()
{
    if (mode == MORT || compteurTouche >= 0)
        return;
    setEtat(TOUCHE);
    // The tint goes to the drawable only: the sprite keeps its own colour to come back to.
    if (sprite)
        sprite->sprite.setColor(couleur);
    // The hit lasts as long at 60 frames per second as at 30.
    compteurTouche = imagesAuTaux(DUREE_TOUCHE);
}

// The floating message of a hit, chosen by the first row of the table that applies.
void CPerso::ajouterMessage(int degats, bool vivant)
{
    static const LigneMessage ESPRIT_VENGEUR_MORT = {"Esprit revenchard !", "Esprit revenchard!", "FUREUR", false};
    static const LigneMessage ESPRIT_FRAPPEUR = {"Esprit frappeur !", "poltergeist!", "FUREUR", false};
    static const LigneMessage MORT_AUTRE = {" ", " ", nullptr, false};
    static const LigneMessage COUP_DE_PIED = {"Bottage de cul !", "KickAss!", "KICKASS", true};
    static const LigneMessage VENGEANCE = {"Vengeance spiritique !", "Spirit Revenge!", "FUREUR", true};
    static const LigneMessage ESPRIT_SEUL = {"", "", nullptr, true};
    static const LigneMessage CASQUE = {"", "", "TIRDANSCASQUE", false};
    static const LigneMessage HEADSHOT = {"Headshot !", "Headshot!", "HEADSHOT", false};
    static const LigneMessage GENOU = {"Fleche dans le genou !", "Arrow in the knee!", nullptr, false};
    static const LigneMessage RIEN = {"", "", nullptr, false};

    const MondeJeu* jeu = faceJeu::monde();
    const COptionsMulti* o = jeu ? jeu->pOptionsMulti : nullptr;
    // A gone attacker counts as another character.
    const bool parLuiMeme = dernierAttaquant.get() == this;
    const bool fantome = derniereArme == "FANTOME";
    const LigneMessage* l = &RIEN;
    if (!vivant) {
        l = fantome ? (parLuiMeme ? &ESPRIT_FRAPPEUR : &ESPRIT_VENGEUR_MORT) : &MORT_AUTRE;
    } else if (derniereArme == "COUP DE PIED") {
        l = &COUP_DE_PIED;
    } else if (fantome) {
        l = parLuiMeme ? &ESPRIT_SEUL : &VENGEANCE;
    } else if (bTirTete) {
        const int reglage = !o ? 0 : numJoueur == 0 ? o->reglageJ1 : numJoueur == 1 ? o->reglageJ2 : 0;
        const bool casque = (numJoueur == 0 || numJoueur == 1) && (reglage == 1 || reglage == 4);
        l = casque ? &CASQUE : &HEADSHOT;
        bToucheTete = bToucheTete || !casque;
        bTirTete = false;
    } else if (bTirJambes) {
        l = derniereArme == "ARME 8" ? &GENOU : &RIEN;
        bFlecheGenou = true;
        bTirJambes = false;
    }
    auto* m = new MessagePerso();
    // The message lives (int)(30 / coefficient + 15) frames: 45 at 30 fps, 75 at 60.
    m->compteur = static_cast<int>(30.0f / coefficientTemps() + 15.0f);
    m->valeur = typeJeu() == TYPE_MULTI && superPouvoir() ? degats / 4 : degats;
    m->decalageX = tuv::rand() % 30;
    m->decalageY = tuv::rand() % 10;
    m->derive = tuv::rand() % 10 - 5;
    m->texte = enFrancais() ? l->francais : l->anglais;
    messages.push_back(m);
    if (l->son)
        jouerSon(l->son);
    if (l->blast)
        lancerShaderCoup();
}

// The blast of a kick or a spirit hit: a one-shot script of the active engine starts the
// screen shader at the character.
void CPerso::lancerShaderCoup()
{
    MondeJeu* jeu = faceJeu::monde();
    CScriptEngine* moteur = jeu ? jeu->pscriptEngine : nullptr;
    if (!moteur)
        return;
    const std::wstring n = std::to_wstring(numJoueur);
    const float x = sprite ? sprite->x : 0.0f;
    const float y = sprite ? sprite->y + static_cast<float>(sprite->getHauteur()) / 2.0f : 0.0f;
    CScript* s = moteur->creerScriptEx("PERSO_COUP_" + std::to_string(numJoueur), "", nullptr,
                                       declencheur::IMMEDIAT, 1, false, false);
    if (!s)
        return;
    s->bDetruireFin = true;
    s->ajouterCommande("INITSHADERGLOBAL", {L"SHADER_BLAST_COUP_" + n, L"1", L"30",
                                            std::to_wstring(std::lround(x)), std::to_wstring(std::lround(y)), L"1",
                                            n, L"10"});
}
