// Decor sprites made from definitions: by the editor and the path anchors (creerSD), from a
// ".dec" file at the player (creerSDFichier), and from the record of a level file's "SD"
// line (creerSDNiveau). Every sprite points at this world's own copy of its definition.
// The editor's copy of a sprite (dupliquerSD).
#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/FichierDec.h"
#include "core/ForceSD.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/SetTextures.h"
#include "core/Texte.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/FichierNiveau.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <string_view>

namespace {

constexpr std::string_view DEBUT_DE_NIVEAU = "DEBUT_DE_NIVEAU";
constexpr int POSITION_SANS_JOUEUR = 500;
constexpr float VOLUME_SON_SD = 50;
constexpr int MODE_SON_BOUCLE = 3;


// A sprite of the bank: a copy of its definition's animated sprite (drawn from its layers),
// else an animated sprite drawn from the bank's images; at animation 0, frame 0.
CSPRITE3* nouveauSD(CDEC& banque)
{
    const CFichierDEC& def = *banque.pFichierDEC;
    CSPRITE3* sd = nullptr;
    if (def.pSprite3) {
        sd = new CSPRITE3(*def.pSprite3);
        sd->bAnime = true;
        sd->setAnimation(0, 0, true);
    } else {
        sd = new CSPRITE3();
    }
    sd->pDEC = &banque;
    if (sd->numAnim >= 0 && sd->numAnim < banque.nbAnims)
        if (const CSetTextures* set = banque.trouverAnim(sd->numAnim))
            sd->nbBouclesMax = set->nbBoucles;
    return sd;
}

// What the definition gives every sprite made from it: origin (a negative value is the
// centre of the last sheet frame), hit box, sound, damage, front flag, visibility.
void copierDefinition(CSPRITE3& sd, const CFichierDEC& def)
{
    const float ox = def.origineX < 0 ? static_cast<float>(def.largeurFrame / 2) : def.origineX;
    const float oy = def.origineY < 0 ? static_cast<float>(def.hauteurFrame / 2) : def.origineY;
    sd.setOrigine(ox, oy);
    std::copy(std::begin(def.hitbox), std::end(def.hitbox), sd.hitbox);
    sd.idSon = def.sonNom;
    sd.delaiSon = def.sonDelai;
    sd.modeSon = def.sonMode;
    std::copy(std::begin(def.degats), std::end(def.degats), sd.degats);
    sd.bPosDansLePlan = def.bPosDansLePlan;
    sd.bVisible = sd.bVisibleDepart = def.bVisible;
    // Only the editor switches a sprite to its own settings ("DECDEFAUT=0").
    sd.bDecDefaut = true;
}

void copierShader(CSPRITE3& sd, const CFichierDEC& def)
{
    if (!def.pShaderSD)
        return;
    const CSPRITE& s = *def.pShaderSD;
    sd.strShaderFrag = s.strShaderFrag;
    sd.strShaderVert = s.strShaderVert;
    sd.uniformsFrag = s.uniformsFrag;
    sd.uniformsVert = s.uniformsVert;
    sd.bShader = s.bShader;
    std::copy(std::begin(s.valeursShader), std::end(s.valeursShader), sd.valeursShader);
}

// Sway of a plant: the definition's settings about the sprite's scale, and a random start
// tilt within the range (kept out of the saved rotation).
void balancerSD(CSPRITE3& sd, const CFichierDEC& def)
{
    const PlanteDEC& p = def.plante;
    sd.planteAngleMin = p.angleMin;
    sd.planteAngleMax = p.angleMax;
    sd.planteVitesse = p.vitesse;
    sd.planteEntier = p.entier;
    sd.planteEchelleBase[0] = sd.sx;
    sd.planteEchelleBase[1] = sd.sy;
    sd.planteFloat2 = p.reel;
    std::copy(std::begin(p.entiers), std::end(p.entiers), sd.planteEntiers);
    sd.planteEntiers[2] = std::max(sd.planteEntiers[2], 1);
    sd.planteEntiers[3] = std::max(sd.planteEntiers[3], 1);
    sd.bPlante = def.bPlante;
    if (!def.bPlante)
        return;
    const int n = std::max(2, tuv::floatVersInt((p.angleMax - p.angleMin) * 10.0f));
    sd.angleDynamique = static_cast<float>(tuv::rand() % n - n / 2) / 10.0f;
}

// One behaviour object per flag of the record; the particle emitter is filled by the
// "PARTICULESD" line that follows, the destruction from the definition.
void ajouterComportements(CSPRITE3& sd, const CFichierNiveau& r, const CFichierDEC& def)
{
    sd.bPhysG = r.sdGlisse != 0;
    if (sd.bPhysG)
        sd.pPhysG = new CPhysG();
    sd.bPhysB = r.sdBascule != 0;
    if (sd.bPhysB)
        sd.pPhysB = new CPhysBascule(r.sdButeeGauche, r.sdButeeDroite, r.sdPivot, r.sdLargeurPivot,
                                     r.sdVitesseBascule, r.sdPoidsBascule, r.sdCPG, r.sdCPD);
    sd.bPhysR = r.sdRebond != 0;
    if (sd.bPhysR)
        sd.pPhysR = new CPhysRebond();
    sd.bPhysE = r.sdEffondrement != 0;
    if (sd.bPhysE)
        sd.pPhysE = new CPhysEffondrement(r.sdEffondrementValeurs[0], r.sdEffondrementValeurs[1],
                                          r.sdEffondrementValeurs[2] != 0);
    sd.bPhysC = r.sdChemin != 0;
    if (sd.bPhysC)
        sd.pChemin = new CChemin();
    sd.bPhysP = r.sdParticules != 0;
    if (sd.bPhysP)
        sd.pParticules = new CParticules();
    sd.bPhysDestruction = r.sdDestruction != 0;
    if (sd.bPhysDestruction)
        sd.pPhysDestruction = def.nouvelleDestruction();
}

// What a sprite does, given to its copy (whose copy constructor left every slot empty): the
// settings, not the run state. The path's key points move with the copy, by (dx, dy).
void copierComportements(const CSPRITE& m, CSPRITE& c, float dx, float dy)
{
    c.bPhysB = m.bPhysB, c.bPhysG = m.bPhysG, c.bPhysR = m.bPhysR, c.bPhysE = m.bPhysE;
    c.bPhysP = m.bPhysP, c.bPhysC = m.bPhysC, c.bPhysDestruction = m.bPhysDestruction, c.bPhysForce = m.bPhysForce;
    if (m.pPhysB)
        c.pPhysB = new CPhysBascule(*m.pPhysB);
    if (m.pPhysG)
        c.pPhysG = new CPhysG();
    if (m.pPhysR)
        c.pPhysR = new CPhysRebond();
    if (const CPhysEffondrement* e = m.pPhysE) {
        c.pPhysE = new CPhysEffondrement(e->hauteur, e->vitesse, e->bHauteurAuto);
        c.pPhysE->bHauteurVisible = e->bHauteurVisible;
    }
    if (const CPhysDestruction* d = m.pPhysDestruction)
        c.pPhysDestruction = new CPhysDestruction(d->bActif, d->resistance, d->animDetruit, d->v4, d->v5, d->v6,
                                                  d->bDisparait, d->r, d->g, d->b, d->a);
    if (m.pChemin)
        c.pChemin = new CChemin(*m.pChemin, dx, dy);
    if (m.pForce)
        c.pForce = new CForceSD(*m.pForce);
    if (m.pParticules) {
        c.pParticules = new CParticules(*m.pParticules);
        c.pParticules->attacher(&c);
    }
}

// The first of id1, id2... that no decor sprite of the world carries, numbered from the id
// without the number that ends it: a copy of a copy (SORTIE1) is SORTIE2, not SORTIE11.
std::string idLibreSD(const CDecor& d, const std::string& id)
{
    const size_t fin = id.find_last_not_of("0123456789");
    const std::string nom = fin == std::string::npos ? id : id.substr(0, fin + 1);
    for (unsigned n = 1;; ++n) {
        std::string libre = nom + std::to_string(n);
        const auto porte = [&libre](const CSPRITE* sd) { return sd && sd->strID == libre; };
        if (std::none_of(std::begin(d.pPlans), std::end(d.pPlans), [&porte](const CCalqueSD* plan) {
                return plan && std::any_of(plan->sprites.begin(), plan->sprites.end(), porte);
            }))
            return libre;
    }
}

} // namespace

int CDecor::indexPlan(const CCalqueSD* plan) const
{
    for (int n = 0; n < NB_PLANS; ++n)
        if (pPlans[n] == plan)
            return n;
    return 0;
}

// The definition's scripts on the sprite; they come back with the definition, so the level
// writer does not save them.
static void creerScriptsSD(CScriptEngine* moteur, CSPRITE3& sd, const CFichierDEC& def)
{
    if (!moteur)
        return;
    for (const ScriptRunDEC& r : def.scripts) {
        CScript* s = moteur->creerScript(r.fichier, &sd, r.declencheur, r.maxRuns, r.bFlag, true);
        if (!s)
            continue;
        // Its countdown stays at 0, as a start leaves it: a chrono script runs at once.
        s->nChrono = r.chrono;
        s->bSupprimerAuRedemarrage = r.bDetruireAuRechargement;
    }
}

CSPRITE3* CDecor::creerSD(CDEC* definition, int x, int y, CCalqueSD* plan)
{
    if (!definition || !plan)
        return nullptr;
    const int i = indexPlan(plan);
    const std::string cle = definition->nom;
    const std::string chemin = definition->pFichierDEC ? definition->pFichierDEC->chemin : std::string();
    CDEC*& prive = modelesDEC[cle];
    if (!prive)
        prive = new CDEC();
    prive->nom = cle;
    prive->pFichierDEC->id = cle;
    prive->pFichierDEC->chargerDEC(chemin, prive);
    // The definition read again may give other frame sizes to the sprites already using it.
    invaliderIndex();
    const CFichierDEC& def = *prive->pFichierDEC;

    CSPRITE3* sd = nouveauSD(*prive);
    sd->strSourceDEC = chemin;
    creerScriptsSD(moteurScripts(), *sd, def);
    if (def.pParticules) {
        sd->pParticules = new CParticules(*def.pParticules);
        sd->pParticules->pElementAttache = sd;
        sd->pParticules->bAttache = true;
        sd->pParticules->bStop = sd->pParticules->bStopDepart = false;
        sd->bPhysP = true;
    }
    copierShader(*sd, def);
    copierDefinition(*sd, def);
    sd->plan = i;
    sd->calque = calqueTravail;
    ServicesJeu* jeu = faceJeu::services();
    if (jeu && def.sonMode == MODE_SON_BOUCLE && !def.sonNom.empty()) {
        jeu->bouclerSon(def.sonNom, true);
        jeu->jouerSon(def.sonNom);
    }
    // Without a sound, the volume a level line without "VOLUMESON" gives: nothing to write.
    if (!sd->idSon.empty())
        sd->volumeSon = VOLUME_SON_SD;
    sd->collision = def.collisions;
    const int px = tuv::floatVersInt(static_cast<float>(x) - decalagePlanX(i));
    const int py = tuv::floatVersInt(static_cast<float>(y) - decalagePlanY(i));
    sd->placer(0, px, py);
    sd->setPosInit(px, py, -1, -1);
    sd->setScale(def.echelleX, def.echelleY);
    sd->bPhysDestruction = def.bPhysDestruction;
    if (def.bPhysDestruction)
        sd->pPhysDestruction = def.nouvelleDestruction();
    plan->sprites.push_back(sd);
    return sd;
}

CSPRITE3* CDecor::creerSDFichier(const std::string& fichier, CCalqueSD* plan)
{
    CDEC transitoire;
    transitoire.nom = transitoire.pFichierDEC->lireIdDEC(fichier);
    transitoire.pFichierDEC->chemin = fichier;
    int x = POSITION_SANS_JOUEUR, y = POSITION_SANS_JOUEUR;
    const MondeJeu* jeu = faceJeu::monde();
    if (const CPerso* joueur = jeu ? jeu->pPerso.get() : nullptr; joueur && joueur->sprite) {
        x = tuv::floatVersInt(joueur->sprite->x);
        y = tuv::floatVersInt(joueur->sprite->y);
    }
    return creerSD(&transitoire, x, y, plan);
}

CSPRITE3* CDecor::creerSDNiveau(CFichierNiveau* fichier, CCalqueSD* plan)
{
    if (!fichier || !plan || fichier->nomSD.empty())
        return nullptr;
    const CFichierNiveau& r = *fichier;
    auto it = modelesDEC.find(r.nomSD);
    if (it == modelesDEC.end() || !it->second)
        return nullptr;
    CDEC& banque = *it->second;
    const CFichierDEC& def = *banque.pFichierDEC;
    CSPRITE3* sd = nouveauSD(banque);
    sd->plan = indexPlan(plan);
    if (r.nomSD == DEBUT_DE_NIVEAU)
        positionsDepart.push_back(sd);
    sd->calque = 0;
    copierDefinition(*sd, def);
    creerScriptsSD(moteurScripts(), *sd, def);
    sd->rotangle = r.sdRotation;
    sd->rotangle_virtuel = r.sdVitesseRotation;
    sd->strSourceDEC = r.nomSD;
    // Flip signs are +1 or -1 whatever the file says: a sign scales the drawing.
    sd->flipH = r.sdFlipH < 0 ? -1 : 1;
    sd->flipV = r.sdFlipV < 0 ? -1 : 1;
    sd->sx = r.sdSX;
    sd->sy = r.sdSY;
    sd->collision = def.collisions;
    sd->miroir = sd->flipH;
    balancerSD(*sd, def);
    ajouterComportements(*sd, r, def);
    copierShader(*sd, def);
    sd->placer(0, r.sdX, r.sdY);
    sd->setPosInit(r.sdX, r.sdY, r.sdSX, r.sdSY);
    const int nbFrames = banque.nbAnims > 0 ? banque.nbFramesAnim(0) : 0;
    int frame = def.numAnimDebut;
    if (frame == -1)
        frame = nbFrames > 0 ? tuv::rand() % nbFrames : 0;
    if (frame > 0 && frame < nbFrames) {
        sd->numFrame = sd->numFrameDepart = frame;
        sd->placer(-1, r.sdX, r.sdY);
    }
    plan->sprites.push_back(sd);
    return sd;
}

CSPRITE3* CDecor::dupliquerSD(CSPRITE3* modele, int x, int y, CCalqueSD* plan)
{
    if (!modele || !plan)
        return nullptr;
    const int i = indexPlan(plan);
    const int px = tuv::floatVersInt(float(x) - decalagePlanX(i));
    const int py = tuv::floatVersInt(float(y) - decalagePlanY(i));
    auto* copie = new CSPRITE3(*modele);
    copie->placer(0, px, py);
    copie->setPosInit(px, py, -1, -1);
    copie->plan = i;
    copie->bSelectionne = false;
    // The key points keep their place relative to the start: the model may be anywhere on
    // its path when copied.
    copierComportements(*modele, *copie, float(px) - modele->x0, float(py) - modele->y0);
    creerScriptsForce(*copie);
    // A sprite with a sound object of its own plays through it: the copy gets one too, at
    // the model's volume (the copy constructor shares none).
    if (ServicesJeu* jeu = faceJeu::services(); jeu && modele->pSon && jeu->attacherSon(modele->idSon, copie))
        copie->setVolumeSon(modele->volumeSon);
    // A script's colour is the model's in play only: the copy takes the level's, which it is
    // saved with.
    if (modele->couleurDuNiveau) {
        copie->setColor(*modele->couleurDuNiveau);
        copie->couleurDuNiveau.reset();
    }
    // A script naming the id must find one sprite.
    if (!modele->strID.empty())
        copie->strID = idLibreSD(*this, modele->strID);
    plan->sprites.push_back(copie);
    return copie;
}

void CDecor::creerScriptsForce(CSPRITE& sd)
{
    CScriptEngine* moteur = moteurScripts();
    CForceSD* f = sd.pForce;
    if (!moteur || !f)
        return;
    for (auto [nom, script] : {std::pair{&f->Script, &f->pScript}, std::pair{&f->ScriptFermeture, &f->pScriptFermeture}}) {
        if (nom->empty())
            continue;
        *script = moteur->creerScript(*nom, &sd, declencheur::CHRONO, 0, false, true);
        if (*script)
            (*script)->bActif = false;
    }
}
