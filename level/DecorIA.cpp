// The level's AI characters: made from the level's character models with their attached
// characters, copied from existing characters, and freed through one function.
#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "level/Decor.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <iostream>

namespace {

// One creation makes at most this many characters with its attached ones: a model whose
// attached lists branch out at every level would otherwise never finish.
constexpr int NB_PERSOS_PAR_CREATION_MAX = 1000;
// How long the editor's word on a name already placed stays: frames at 30 per second.
constexpr float DUREE_MESSAGE_NOM_PRIS = 150;

// The ready-made character of a model: the one its definition read from its ".anm", else the
// one lent to its bank.
CPerso* modeleDe(const CDEC& banque)
{
    if (banque.pPersoDef && banque.pPersoDef->pPersoApercu)
        return banque.pPersoDef->pPersoApercu.get();
    return banque.pPersoModele;
}

bool idPris(const std::string& id)
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pIABehaviours && jeu->pIABehaviours->persoExiste(id);
}

} // namespace

// The models of the attached characters being made, from the first to the current one.
struct CDecor::ChaineIA {
    std::vector<std::string> modeles;
    int nbFaits = 0;
    bool bSignale = false;

    void signaler(const std::string& message)
    {
        if (!bSignale)
            std::cerr << message << std::endl;
        bSignale = true;
    }
};

CPerso* CDecor::creerIA(const std::string& modele, int x, int y, int direction, float sx, float sy, int,
                        int flottant, int valeur, bool attache, const std::string& id)
{
    ChaineIA chaine;
    return creerIA(modele, x, y, direction, sx, sy, flottant, valeur, attache, chaine, id);
}

CPerso* CDecor::creerIA(const std::string& modele, int x, int y, int direction, float sx, float sy, int flottant,
                        int valeur, bool attache, ChaineIA& chaine, const std::string& id)
{
    // The subscript is the Part's lookup: an unknown name is left in the map, empty.
    CDEC* banque = modelesPersos[modele];
    if (!banque || !banque->pPersoDef || (idPris(modele) && (id.empty() || idPris(id))))
        return nullptr;
    if (chaine.nbFaits >= NB_PERSOS_PAR_CREATION_MAX) {
        chaine.signaler("AI " + modele + ": too many attached characters, the rest are not made");
        return nullptr;
    }
    ++chaine.nbFaits;
    const CPersoDef& def = *banque->pPersoDef;
    CPerso* modeleIA = modeleDe(*banque);
    CPerso* ia = modeleIA ? new CPerso(*modeleIA) : new CPerso();
    if (!ia->sprite)
        ia->sprite = new CSPRITE3();
    CSPRITE3& s = *ia->sprite;
    s.bTailleFixe = modeleIA != nullptr;
    ia->id = id.empty() ? def.id : id;
    ia->bVaisseau = flottant != 0;
    ia->modeCollisions = valeur;
    s.pDEC = banque;
    ia->compteurDetection = static_cast<int>(std::min<size_t>(ias.size(), 1000000));
    ia->direction = ia->directionInitiale = direction;
    s.setScale(sx, sy);
    s.setPosInit(x, y, sx, sy);
    // Animation numbers, origin, mirroring, settings, weapons, explosion, overs, emitters.
    def.appliquer(*ia, CPersoDef::Usage::CreationIA);
    ia->setEtat(ia->bVaisseau ? EtatPerso::ARRET : EtatPerso::CHUTE);
    s.placer(0, x, y);
    ia->visee = ia->bVaisseau ? 1 : -1;
    creerScriptsIA(*ia, def);
    ia->armeSuivante();
    ia->pMonde = this;
    if (!attache)
        ias.push_back(ia);
    chaine.modeles.push_back(modele);
    creerEnfants(*ia, *banque, sx, sy, chaine);
    chaine.modeles.pop_back();
    return ia;
}

// The attached characters, made in this world at offsets from their carrier, which moves them.
void CDecor::creerEnfants(CPerso& parent, CDEC& banque, float sx, float sy, ChaineIA& chaine)
{
    const bool retourne = parent.sprite && parent.sprite->flipH == -1;
    // A copy: making a child may read definitions, never this bank's own list.
    const std::vector<PartieAttachee> parties = banque.frames;
    for (const PartieAttachee& e : parties) {
        if (std::find(chaine.modeles.begin(), chaine.modeles.end(), e.s1) != chaine.modeles.end()) {
            chaine.signaler("AI " + chaine.modeles.front() + ": the attached model " + e.s1 +
                            " leads back to itself and is not made again");
            continue;
        }
        int dx = tuv::floatVersInt(static_cast<float>(e.i1) * sx);
        int direction = e.i3;
        if (retourne) {
            direction = (direction + 1) % 2;
            dx = -dx;
        }
        const int dy = tuv::floatVersInt(static_cast<float>(e.i2) * sy);
        // The offsets are from the carrier, which has been placed already and moves its
        // children with it from now on.
        const int px = parent.sprite ? tuv::floatVersInt(parent.sprite->x) : 0;
        const int py = parent.sprite ? tuv::floatVersInt(parent.sprite->y) : 0;
        CPerso* enfant = creerIA(e.s1, px + dx, py + dy, direction, sx * e.f1, sy * e.f2, e.i5, e.i6, true, chaine);
        if (!enfant)
            continue;
        parent.enfants.push_back(enfant);
        ++parent.nbEnfants;
        enfant->porteur = &parent;
        enfant->bDevantParent = e.bAvantPlan;
    }
}

// Every script of the definition, on the character's sprite, owned by the character. The
// engine is the one of this world.
void CDecor::creerScriptsIA(CPerso& ia, const CPersoDef& def)
{
    CScriptEngine* moteur = moteurScripts();
    if (!moteur || def.scripts.empty())
        return;
    for (const auto& d : def.scripts) {
        if (!d)
            continue;
        CScript* script = moteur->creerScript(d->fichier, ia.sprite, d->declencheur, d->maxRuns, d->bFlag, true);
        if (script) {
            script->pIAPropre = &ia;
            script->pIACourante = &ia;
        }
    }
}

CPerso* CDecor::ajouterIA(CPerso* modele, int x, int y)
{
    if (!modele || !modele->sprite)
        return nullptr;
    const CSPRITE3& sm = *modele->sprite;
    const bool anime = sm.bAnime || sm.bTailleFixe;
    if (!anime && !sm.pDEC)
        return nullptr;
    auto* copie = new CPerso(*modele);
    copie->pMonde = this;
    if (!copie->sprite)
        copie->sprite = new CSPRITE3();
    const float dx = static_cast<float>(x) - copie->sprite->x, dy = static_cast<float>(y) - copie->sprite->y;
    copie->sprite->placer(0, x, y);
    copie->sprite->setPosInit(x, y, -1, -1);
    // The children copied from the model's come along.
    copie->deplacerEnfants(dx, dy, true);
    if (anime) {
        ias.push_back(copie);
        return copie;
    }
    auto it = modelesPersos.find(sm.pDEC->nom);
    if (it != modelesPersos.end() && it->second && it->second->pPersoDef && !idPris(sm.pDEC->nom)) {
        creerScriptsIA(*copie, *it->second->pPersoDef);
        ias.push_back(copie);
        return copie;
    }
    delete copie;
    return nullptr;
}

bool CDecor::signalerNomPris(const std::string& nom) const
{
    if (!idPris(nom))
        return false;
    if (ServicesJeu* jeu = faceJeu::services()) {
        const std::wstring n = tuv::utf8toWStr(nom);
        const std::wstring message =
            faceJeu::enAnglais()
                ? L"\"" + n + L"\" is already in the level:\nthe editor places one character\nof a name at a time"
                : L"« " + n + L" » est déjà dans le niveau :\n"
                  L"l'éditeur place un seul personnage\nde ce nom à la fois";
        jeu->afficherMessage(message, imagesAuTaux(DUREE_MESSAGE_NOM_PRIS));
    }
    return true;
}

CPerso* CDecor::copierIAEditeur(CPerso* modele, int x, int y)
{
    CPerso* copie = ajouterIA(modele, x, y);
    const CDEC* banque = modele && modele->sprite ? modele->sprite->pDEC : nullptr;
    if (!copie) {
        if (banque)
            signalerNomPris(banque->nom);
        return nullptr;
    }
    // The load makes one character per id: a copy carrying none, or another's, would be saved
    // and then lost. Its name is the one its level line is written with (a copy without a
    // model is not saved). The copy is the last AI: another carrying its id comes first.
    if (banque && (copie->id.empty() || iaParId(copie->id) != copie))
        copie->id = idLibre(banque->nom);
    return copie;
}

std::string CDecor::idLibre(const std::string& nom) const
{
    for (unsigned n = 1;; ++n) {
        std::string id = nom + std::to_string(n);
        if (!iaParId(id))
            return id;
    }
}

CPerso* CDecor::getModeleIA(const std::string& nom) const
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu)
        return nullptr;
    for (CPerso* p : jeu->iasPrechargees)
        if (p && p->sprite && p->sprite->ID == nom)
            return p;
    return nullptr;
}

CPerso* CDecor::iaParId(const std::string& id) const
{
    for (CPerso* p : ias)
        if (p && p->id == id)
            return p;
    return nullptr;
}

// Meteors wait with bDel set between showers: they belong to the showers, not to the purge.
bool CDecor::iaASupprimer(const CPerso* perso) const
{
    return perso && perso->bDel && perso->modeIA != MODE_IA_METEORE;
}

bool CDecor::persoASupprimer(const CPerso* perso) const { return perso && perso->bSupprime; }

int CDecor::purger(std::list<CPerso*>& liste, bool (CDecor::*aSupprimer)(const CPerso*) const)
{
    std::vector<CPerso*> finis;
    for (CPerso* p : liste)
        if ((this->*aSupprimer)(p))
            finis.push_back(p);
    for (CPerso* p : finis)
        detruirePerso(p);
    return static_cast<int>(finis.size());
}

int CDecor::purgerIAs() { return purger(ias, &CDecor::iaASupprimer); }

int CDecor::purgerPersos() { return purger(persos, &CDecor::persoASupprimer); }

void CDecor::detruirePerso(CPerso* perso)
{
    if (!perso)
        return;
    persos.remove(perso);
    ias.remove(perso);
    if (CPerso* porteur = perso->porteur.get())
        std::replace(porteur->enfants.begin(), porteur->enfants.end(), perso, static_cast<CPerso*>(nullptr));
    oublierSpritesPerso(*perso);
    delete perso;
}

bool CDecor::retirerIA(CPerso* ia)
{
    auto it = std::find(ias.begin(), ias.end(), ia);
    if (!ia || it == ias.end())
        return false;
    ias.erase(it);
    iasRetirees.push_back(ia);
    return true;
}

void CDecor::libererIAsRetirees()
{
    std::vector<CPerso*> partantes;
    partantes.swap(iasRetirees);
    for (CPerso* ia : partantes)
        detruirePerso(ia);
}

// The editor can select a character's own sprite (the AI dialog does): neither the selection
// nor a dialog may keep it. The attached characters go with their carrier.
void CDecor::oublierSpritesPerso(const CPerso& perso)
{
    if (perso.sprite) {
        g_services.oublierSpriteDialogues(perso.sprite);
        if (pSDSelection == perso.sprite) {
            pSDSelection = nullptr;
            pPlanSelection = nullptr;
            // The properties dialog showed it: it shows the empty selection now.
            g_services.rafraichirDialogueSprite();
        }
    }
    for (const CPerso* enfant : perso.enfants)
        if (enfant)
            oublierSpritesPerso(*enfant);
}
