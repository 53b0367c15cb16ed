// Decor-sprite lines of a ".niv" file: "SD" makes a decor sprite in one of the five planes;
// the lines after it (or after a character or AI line) refine the current sprite: shaders,
// path, force zone, particles, shadow and per-sprite settings.
#include "core/EtatJeu.h"
#include "level/FichierNiveau.h"

#include "anim/Sprite3.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/ForceSD.h"
#include "core/Globals.h"
#include "core/Physique.h"
#include "core/Services.h"
#include "core/ShaderManager.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "script/ScriptEngine.h"

#include <SFML/System/Lock.hpp>

#include <algorithm>
#include <utility>

void CFichierNiveau::enregistrerSD(TableCles& t)
{
    t.ajouter("SD", &CFichierNiveau::lireSD);
    t.ajouter("LOCK", &CFichierNiveau::lireLock);
    t.ajouter("SHADERSD", &CFichierNiveau::lireShaderSD);
    t.ajouter("POSDANSLEPLAN", &CFichierNiveau::lirePosDansLePlan);
    t.ajouter("CHEMINSIMPLE", &CFichierNiveau::lireCheminSimple);
    t.ajouter("KPG", &CFichierNiveau::lireKPG);
    t.ajouter("KP", &CFichierNiveau::lireKP);
    t.ajouter("FORCESD", &CFichierNiveau::lireForceSD);
    t.ajouter("PARTICULESD", &CFichierNiveau::lireParticulesCourant);
    t.ajouter("CALQUESD", &CFichierNiveau::lireCalqueSD);
    t.ajouter("OMBRESD", &CFichierNiveau::lireOmbreSD);
    t.ajouter("GROUPESD", &CFichierNiveau::lireGroupeSD);
    t.ajouter("PARAM_SCRIPT_SD", &CFichierNiveau::lireParamScriptSD);
    t.ajouter("IDSD", &CFichierNiveau::lireIdSD);
    t.ajouter("ROTSD", &CFichierNiveau::lireRotSD);
    t.ajouter("COLSD", &CFichierNiveau::lireColSD);
    t.ajouter("COLLISION", &CFichierNiveau::lireCollision);
    t.ajouter("VOLUMESON", &CFichierNiveau::lireVolumeSon);
    t.ajouter("DECDEFAUT", &CFichierNiveau::lireDecDefaut);
}

// The values of an "SD" line into the record; the seesaw's and the collapse's only when
// their flags are set. The file carries no collapse speed: the default one stands in.
void CFichierNiveau::lireRecordSD()
{
    nomSD = getValueView();
    sdX = mesure();
    sdY = mesure();
    sdPlan = entier();
    sdOrigineX = mesure();
    sdOrigineY = mesure();
    sdRotation = reel();
    sdVitesseRotation = reel();
    sdFlipV = entier();
    sdFlipH = entier();
    sdSX = reel();
    sdSY = reel();
    for (int* f : {&sdBascule, &sdEffondrement, &sdRebond, &sdGlisse, &sdParticules, &sdChemin, &sdDestruction})
        *f = entier();
    if (sdBascule != 0) {
        sdButeeGauche = mesure();
        sdButeeDroite = mesure();
        sdPivot = mesure();
        sdLargeurPivot = mesure();
        sdVitesseBascule = reel();
        sdPoidsBascule = mesure();
        sdCPG = mesure();
        sdCPD = mesure();
    }
    if (sdEffondrement != 0) {
        sdEffondrementValeurs[0] = mesure();
        sdEffondrementValeurs[1] = CPhysEffondrement::VITESSE_DEFAUT;
        sdEffondrementValeurs[2] = entier();
    }
}

void CFichierNiveau::lireSD()
{
    lireRecordSD();
    const int numero = (sdPlan >= 0 && sdPlan <= 3) ? sdPlan : 4;
    CCalqueSD* plan = pCible->pPlans[numero];
    pCible->pPlanTravail = plan;
    sf::Lock verrou(CSFMLJeuGlobal::mutex);
    CSPRITE3* sd = pCible->creerSDNiveau(this, plan);
    pSDCourant = sd;
    if (!sd) {
        // An unknown definition makes nothing: its refinements are ignored until the next sprite.
        if (!nomSD.empty())
            signalerInconnu(nomSD);
        return;
    }
    habillerSD(*sd);
}

// The definition's overlays, colour and sound on a new sprite.
void CFichierNiveau::habillerSD(CSPRITE3& sd)
{
    const CFichierDEC& def = *sd.pDEC->pFichierDEC;
    for (const OverDEC& o : def.overs) {
        sd.Over(o.nom, o.fichier, o.n, static_cast<float>(o.x), static_cast<float>(o.y), o.sx, o.sy, o.rot,
                o.bVisible);
        sd.setOverVisible(o.nom, o.bVisible);
    }
    sd.setColor(def.couleur);
    sd.setCouleurGlobale(def.couleur);
    if (pJeu)
        faceJeu::services()->attacherSon(def.sonNom, &sd);
}

void CFichierNiveau::lireLock()
{
    const bool v = drapeau();
    if (pSDCourant)
        pSDCourant->bLock = v;
}

// The rest of the line is the shader record; the shader is loaded into the cache once.
void CFichierNiveau::lireShaderSD()
{
    resteLu();
    if (!pSDCourant)
        return;
    ::lireShaderSD(std::string_view(ligneCourante).substr(std::min(pos, ligneCourante.size())), *pSDCourant, this);
    const AffichageJeu* affichage = faceJeu::affichage();
    if (CShaderManager* shaders = affichage ? affichage->pShaderManager : nullptr)
        shaders->getShader(pSDCourant->strShaderFrag, pSDCourant->strShaderVert);
}

void CFichierNiveau::lirePosDansLePlan()
{
    const bool v = drapeau();
    if (pSDCourant)
        pSDCourant->bPosDansLePlan = v;
}

// The sprite's path, made by the first path line when its "SD" line did not ask for one.
CChemin& CFichierNiveau::chemin(CSPRITE& sd)
{
    if (!sd.pChemin) {
        sd.pChemin = new CChemin();
        sd.bPhysC = true;
    }
    return *sd.pChemin;
}

void CFichierNiveau::lireCheminSimple()
{
    const int h = mesure(), v = mesure(), vitesse = mesure();
    if (!pSDCourant)
        return;
    CChemin& c = chemin(*pSDCourant);
    c.typeAnimation = 1;
    c.depH = h;
    c.depV = v;
    c.depVitesse = vitesse;
}

void CFichierNiveau::lireKPG()
{
    const int mode = entier();
    const float v = reel(), vr = reel(), vs = reel(), vc = reel();
    const bool pause = drapeau();
    const int nbChemin = entier();
    if (!pSDCourant)
        return;
    CChemin& c = chemin(*pSDCourant);
    c.typeAnimation = 0;
    c.modeParcours = mode;
    c.vGlobale = v;
    c.vGlobaleR = vr;
    c.vGlobaleS = vs;
    c.vGlobaleC = vc;
    c.bPauseDepart = c.bPause = pause;
    c.nbChemin = nbChemin;
}

// A key point; the first one of the path places the sprite and gives it its look.
void CFichierNiveau::lireKP()
{
    const float x = reel(), y = reel(), sx = reel(), sy = reel(), rotation = reel();
    int rgba[4];
    for (int& c : rgba)
        c = entier();
    const int fh = entier(), fv = entier();
    const float v = reel(), vs = reel(), vr = reel(), vc = reel();
    if (!pSDCourant || !pSDCourant->pChemin)
        return;
    CSPRITE& sd = *pSDCourant;
    CChemin& c = *sd.pChemin;
    auto* kp = new CAncrageKP();
    kp->pAncre->x = kp->pAncre->x0 = x;
    kp->pAncre->y = kp->pAncre->y0 = y;
    kp->pAncre->setRotation(rotation);
    kp->sx = sx;
    kp->sy = sy;
    kp->r = rgba[0];
    kp->g = rgba[1];
    kp->b = rgba[2];
    kp->a = rgba[3];
    kp->flipH = fh;
    kp->flipV = fv;
    kp->v = v;
    kp->vs = vs;
    kp->vr = vr;
    kp->vc = vc;
    c.listeKP.push_back(kp);
    if (++c.nbKP != 1)
        return;
    sd.placer(-1, tuv::floatVersInt(x), tuv::floatVersInt(y));
    sd.setColor(sf::Color(static_cast<sf::Uint8>(rgba[0] & 0xFF), static_cast<sf::Uint8>(rgba[1] & 0xFF),
                          static_cast<sf::Uint8>(rgba[2] & 0xFF), static_cast<sf::Uint8>(rgba[3] & 0xFF)));
    sd.setScale(sx, sy);
    sd.setRotation(rotation);
    sd.setFlip(fh != 0, fv != 0);
}

// A second zone for the same sprite replaces the first, whose two scripts leave the engine.
void CFichierNiveau::lireForceSD()
{
    // The lines of a sprite that was not made are dropped: the load named the sprite.
    if (!pSDCourant)
        return ligneIgnoree();
    CSPRITE& sd = *pSDCourant;
    CScriptEngine* e = moteur();
    if (sd.pForce && e) {
        e->supprimerScriptPtr(sd.pForce->pScript);
        e->supprimerScriptPtr(sd.pForce->pScriptFermeture);
    }
    delete sd.pForce;
    sd.pForce = new CForceSD();
    sd.bPhysForce = true;
    lireValeursForce(*sd.pForce);
    if (pCible)
        pCible->creerScriptsForce(sd);
}

void CFichierNiveau::lireValeursForce(CForceSD& f)
{
    f.CycleMax = entier();
    f.CycleMin = entier();
    f.DureeMax = entier();
    f.DureeMin = entier();
    f.ForceX = reel();
    f.ForceY = reel();
    f.Script = getValue();
    f.portee = mesure();
    f.ForceActive = drapeau();
    f.SpriteVisible = drapeau();
    f.modeForce = entier();
    f.ScriptFermeture = getValue();
    f.InvSensX = drapeau();
    f.InvSensY = drapeau();
    f.ButeeX = mesure();
    f.ButeeY = mesure();
    f.MaxButeeX = mesure();
    f.MaxButeeY = mesure();
    f.Attracteur = drapeau();
    f.AccelDistance = drapeau();
    f.ModifAngleMax = reel();
    f.RayonAttraction = mesure();
    f.RayonAttracteur = mesure();
    f.EcartAngle = mesure();
    f.AccelerationDistance = reel();
    f.ModForceActif = drapeau();
    f.DisparitionImpact = drapeau();
    f.bDrapeau = drapeau();
}

void CFichierNiveau::lireParticulesCourant()
{
    if (pSDCourant && pSDCourant->pParticules)
        lireParticulesSD(pSDCourant->pParticules, pSDCourant);
    else
        ligneIgnoree();
}

void CFichierNiveau::lireCalqueSD()
{
    const int n = entier();
    if (pSDCourant)
        pSDCourant->calque = n;
}

void CFichierNiveau::lireOmbreSD()
{
    const float sx = reel(), sy = reel(), dx = reel(), dy = reel(), rotation = reel();
    const bool avantPlan = drapeau();
    if (!pSDCourant)
        return;
    CSPRITE& sd = *pSDCourant;
    sd.bOmbre = true;
    sd.ombreSX = sx;
    sd.ombreSY = sy;
    sd.ombreDX = dx;
    sd.ombreDY = dy;
    sd.ombreRotation = rotation;
    sd.bOmbreAvantPlan = avantPlan;
}

void CFichierNiveau::lireGroupeSD()
{
    const int n = entier();
    if (pSDCourant)
        pSDCourant->groupe = n;
}

void CFichierNiveau::lireParamScriptSD()
{
    const float a = reel(), b = reel(), c = reel();
    if (!pSDCourant)
        return;
    pSDCourant->paramsScript[0] = a;
    pSDCourant->paramsScript[1] = b;
    pSDCourant->paramsScript[2] = c;
}

void CFichierNiveau::lireIdSD()
{
    const std::string_view id = getValueView();
    if (pSDCourant)
        pSDCourant->strID = id;
}

void CFichierNiveau::lireRotSD()
{
    const float v = reel();
    if (pSDCourant)
        pSDCourant->rotationPas = v;
}

void CFichierNiveau::lireColSD()
{
    const sf::Color c = couleur();
    if (!pSDCourant)
        return;
    pSDCourant->setColor(c);
    if (auto* s3 = dynamic_cast<CSPRITE3*>(pSDCourant))
        s3->setCouleurGlobale(c);
}

void CFichierNiveau::lireCollision()
{
    const int n = entier();
    if (pSDCourant)
        pSDCourant->collision = n;
}

void CFichierNiveau::lireVolumeSon()
{
    const float v = reel();
    if (pSDCourant)
        pSDCourant->setVolumeSon(v);
}

void CFichierNiveau::lireDecDefaut()
{
    const bool v = drapeau();
    if (pSDCourant)
        pSDCourant->bDecDefaut = v;
}
