// The level writer's decor-sprite records: a sprite's group in the order the reader applies
// it, and the records that complete a sprite, a character or an AI (shader, emitter, force
// zone, shadow, path).
#include "level/FichierNiveau.h"

#include "anim/Sprite3.h"
#include "core/Chemin.h"
#include "core/Dec.h"
#include "core/ForceSD.h"
#include "core/Particules.h"
#include "core/Physique.h"
#include "core/ShaderManager.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "level/Decor.h"

#include <memory>

namespace {

bool blanc(const sf::Color& c) { return c == sf::Color(255, 255, 255, 255); }

// The most values after the name of an "SD" line (with both behaviours' values), and the
// values of a "KP" line.
constexpr size_t NB_VALEURS_SD_MAX = 28;
constexpr size_t NB_VALEURS_KP = 15;

} // namespace

// Where a sprite, a character or an AI is written, with what its path drives (rotation,
// colour, flips): its own (the level's colour, not one a script shows), or for a key-point
// path those of the first key point ((0, 0) without anchor), where the path takes it back;
// without any key point, its own.
// rembobiner: the path starts again from there.
CFichierNiveau::PlaceSauvee CFichierNiveau::placeSauvee(CSPRITE& sd, bool rembobiner)
{
    PlaceSauvee p{tuv::floatVersInt(sd.x0), tuv::floatVersInt(sd.y0), sd.rotangle, sd.couleurSauvee(), sd.flipH, sd.flipV};
    CChemin* c = sd.bPhysC ? sd.pChemin : nullptr;
    if (!c || c->typeAnimation != 0 || c->listeKP.empty() || !c->listeKP.front())
        return p;
    if (rembobiner)
        c->deselectionner();
    const CAncrageKP& kp = *c->listeKP.front();
    const CSPRITE* a = kp.pAncre;
    p.x = a ? tuv::floatVersInt(a->x) : 0;
    p.y = a ? tuv::floatVersInt(a->y) : 0;
    p.rotation = a ? a->rotangle : 0.0f;
    p.couleur = sf::Color(sf::Uint8(kp.r & 0xFF), sf::Uint8(kp.g & 0xFF), sf::Uint8(kp.b & 0xFF), sf::Uint8(kp.a & 0xFF));
    p.flipH = kp.flipH != 0 ? -1 : 1;
    p.flipV = kp.flipV != 0 ? -1 : 1;
    return p;
}

// The source name: the definition the sprite's bank is filed under, else the name an
// animated sprite without bank keeps.
bool CFichierNiveau::sauverSD(CSPRITE* sd, int plan) { return sd && sauverSD(*sd, plan, placeSauvee(*sd, true)); }

bool CFichierNiveau::sauverSD(CSPRITE& s, int plan, const PlaceSauvee& pos)
{
    CSPRITE* sd = &s;
    static const std::string sansNom;
    const auto* s3 = sd->pDEC ? nullptr : dynamic_cast<const CSPRITE3*>(sd);
    const std::string& nom = sd->pDEC ? sd->pDEC->nom : s3 ? s3->nom : sansNom;
    if (nom.empty())
        return false;
    cle("SD"), valeurTexte(nom);
    SuiteValeurs v = commencerSuite(NB_VALEURS_SD_MAX);
    v(pos.x), v(pos.y), v(plan), v(tuv::floatVersInt(sd->ox)), v(tuv::floatVersInt(sd->oy)), v(pos.rotation);
    v(sd->rotangle_virtuel), v(pos.flipV), v(pos.flipH), v(sd->sxMax), v(sd->syMax);
    for (bool b : {sd->bPhysB, sd->bPhysE, sd->bPhysR, sd->bPhysG, sd->bPhysP, sd->bPhysC, sd->bPhysDestruction})
        v(int(b));
    if (sd->bPhysB) {
        const CPhysBascule defaut;
        const CPhysBascule& b = sd->pPhysB ? *sd->pPhysB : defaut;
        v(b.buteeGauche), v(b.buteeDroite), v(b.pivot), v(b.largeurPivot);
        v(b.vitesseRot), v(b.poidsBascule), v(b.cpg), v(b.cpd);
    }
    if (sd->bPhysE) {
        const CPhysEffondrement defaut;
        const CPhysEffondrement& e = sd->pPhysE ? *sd->pPhysE : defaut;
        v(e.hauteur), v(int(e.bHauteurAuto));
    }
    finirSuite(v);
    finLigne();
    return true;
}

// A group without its "SD" line is left out whole: its records would land on the previous sprite.
bool CFichierNiveau::ecrireGroupeSD(CSPRITE* sd, int plan)
{
    const PlaceSauvee place = placeSauvee(*sd, true);
    if (!sauverSD(*sd, plan, place))
        return false;
    ecrireReglagesSD(*sd, plan);
    sauverShaderSD(sd);
    if (sd->paramsScript[0] != 0.0f || sd->paramsScript[1] != 0.0f || sd->paramsScript[2] != 0.0f)
        cle("PARAM_SCRIPT_SD"), valeur(sd->paramsScript[0]), valeur(sd->paramsScript[1]),
            valeur(sd->paramsScript[2]), finLigne();
    // A volume typed on a sprite whose definition has no sound waits for one: kept too.
    if (!sd->idSon.empty() || sd->volumeSon != DonneesSprite::VOLUME_SON_DEFAUT)
        cle("VOLUMESON"), valeur(sd->volumeSon), finLigne();
    if (sd->bLock)
        ecrireLigne("LOCK=1");
    if (sd->rotationPas != 0.0f)
        cle("ROTSD"), valeur(sd->rotationPas), finLigne();
    const sf::Color c = place.couleur;
    if (!blanc(c))
        cle("COLSD"), valeur(int(c.r)), valeur(int(c.g)), valeur(int(c.b)), valeur(int(c.a)), finLigne();
    sauverParticulesSD(sd);
    sauverForceSD(sd);
    sauverOmbreSD(sd);
    sauverChemin(sd);
    ecrireScripts(sd);
    return true;
}

void CFichierNiveau::ecrireReglagesSD(CSPRITE& sd, int plan)
{
    if (plan == CDecor::PLAN_PRINCIPAL) {
        if (!sd.bDecDefaut)
            ecrireLigne("DECDEFAUT=0"), cle("COLLISION"), valeur(sd.collision), finLigne();
        if (sd.bPosDansLePlan)
            ecrireLigne("POSDANSLEPLAN=1");
    }
    if (!sd.strID.empty())
        cle("IDSD"), valeurTexte(sd.strID), finLigne();
    if (sd.calque != 0)
        cle("CALQUESD"), valeur(sd.calque), finLigne();
    if (sd.groupe != 0)
        cle("GROUPESD"), valeur(sd.groupe), finLigne();
}

void CFichierNiveau::sauverShaderSD(CSPRITE* sd)
{
    if (!sd || (sd->strShaderFrag.empty() && sd->strShaderVert.empty()))
        return;
    bool corriger = aCorriger(sd->strShaderFrag) || aCorriger(sd->strShaderVert);
    for (const auto* m : {&sd->uniformsFrag, &sd->uniformsVert})
        for (const auto& [nom, u] : *m)
            corriger = corriger || aCorriger(nom) || aCorriger(u.strType);
    if (!corriger) {
        ligneEntiere.assign("SHADERSD=");
        ajouterTexteShaderSD(ligneEntiere, *sd);
        ecrireLigne(ligneEntiere);
        return;
    }
    // Rare: names that would break the record are written from a corrected copy.
    DonneesSprite copie;
    copie.strShaderFrag = texteSur(sd->strShaderFrag);
    copie.strShaderVert = texteSur(sd->strShaderVert);
    for (auto [de, vers] : {std::pair{&sd->uniformsFrag, &copie.uniformsFrag},
                            std::pair{&sd->uniformsVert, &copie.uniformsVert}})
        for (const auto& [nom, u] : *de) {
            UniformSD v = u;
            v.strType = texteSur(u.strType);
            (*vers)[texteSur(nom)] = v;
        }
    ecrireLigne("SHADERSD=" + texteShaderSD(copie));
}

void CFichierNiveau::sauverParticulesSD(CSPRITE* sd)
{
    if (!sd || !sd->pParticules)
        return;
    if (!aCorriger(sd->pParticules->strCheminTexture)) {
        ligneEntiere.assign("PARTICULESD=");
        sd->pParticules->ajouterTexte49(ligneEntiere);
        ecrireLigne(ligneEntiere);
        return;
    }
    CParticules copie(*sd->pParticules);
    copie.strCheminTexture = texteSur(copie.strCheminTexture);
    ecrireLigne("PARTICULESD=" + copie.texte49());
}

void CFichierNiveau::sauverForceSD(CSPRITE* sd)
{
    if (!sd || !sd->pForce)
        return;
    const CForceSD& f = *sd->pForce;
    cle("FORCESD"), valeur(f.CycleMax), valeur(f.CycleMin), valeur(f.DureeMax), valeur(f.DureeMin);
    valeur(f.ForceX), valeur(f.ForceY), valeurTexte(f.Script), valeur(f.portee), valeur(int(f.ForceActive));
    valeur(int(f.SpriteVisible)), valeur(f.modeForce), valeurTexte(f.ScriptFermeture), valeur(int(f.InvSensX));
    valeur(int(f.InvSensY)), valeur(f.ButeeX), valeur(f.ButeeY), valeur(f.MaxButeeX), valeur(f.MaxButeeY);
    valeur(int(f.Attracteur)), valeur(int(f.AccelDistance)), valeur(f.ModifAngleMax), valeur(f.RayonAttraction);
    valeur(f.RayonAttracteur), valeur(f.EcartAngle), valeur(f.AccelerationDistance), valeur(int(f.ModForceActif));
    valeur(int(f.DisparitionImpact)), valeur(int(f.bDrapeau)), finLigne();
}

void CFichierNiveau::sauverOmbreSD(CSPRITE* sd)
{
    if (!sd || !sd->bOmbre)
        return;
    cle("OMBRESD"), valeur(sd->ombreSX), valeur(sd->ombreSY), valeur(sd->ombreDX), valeur(sd->ombreDY);
    valeur(sd->ombreRotation), valeur(int(sd->bOmbreAvantPlan)), finLigne();
}

bool CFichierNiveau::sauverChemin(CSPRITE* sd)
{
    if (!sd || !sd->bPhysC || !sd->pChemin)
        return true;
    const CChemin& c = *sd->pChemin;
    if (c.typeAnimation == 1) {
        cle("CHEMINSIMPLE"), valeur(c.depH), valeur(c.depV), valeur(c.depVitesse), finLigne();
        return true;
    }
    cle("KPG"), valeur(c.modeParcours), valeur(c.vGlobale), valeur(c.vGlobaleR), valeur(c.vGlobaleS);
    valeur(c.vGlobaleC), valeur(int(c.bPauseDepart)), valeur(c.nbChemin), finLigne();
    for (const CAncrageKP* kp : c.listeKP) {
        if (!kp)
            continue;
        const CSPRITE* a = kp->pAncre;
        cle("KP"), valeur(a ? a->x : 0.0f);
        SuiteValeurs v = commencerSuite(NB_VALEURS_KP - 1);
        v(a ? a->y : 0.0f), v(kp->sx), v(kp->sy), v(a ? a->rotangle : 0.0f), v(kp->r), v(kp->g), v(kp->b);
        v(kp->a), v(kp->flipH), v(kp->flipV), v(kp->v), v(kp->vs), v(kp->vr), v(kp->vc);
        finirSuite(v);
        finLigne();
    }
    return true;
}
