// The engine's records: construction, creation, removal and restart of scripts, the queue of
// what waits for the end of a pass, weapon fountains and the lookups the handlers share.
#include "script/ScriptEngine.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Hasard.h"
#include "core/Media.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace {
const char* const CHEMIN_POLICE = "./polices/SF_Minced_Meat.ttf";
const char* const ID_MONITEUR = "JeuDialogScripts";
constexpr int TIRAGES_ARME_MAX = 100;
// A fountain's animations: lit with a weapon to take, dark.
constexpr int FONTAINE_ALLUMEE = 0, FONTAINE_ETEINTE = 1;
} // namespace

std::function<CSPRITE3*()> CScriptEngine::spriteEditeurAnimations = [] { return nullptr; };

CScriptEngine::CScriptEngine()
{
    bPoliceChargee = tuv::chargerMedia(police, CHEMIN_POLICE);
    // Made even without the font, so that every user can size and colour it; it then draws
    // nothing.
    pTexte = std::make_unique<sf::Text>();
    pTexte->setFont(police);
    pTexte->setPosition(0, 0);
    pTexte->setFillColor(sf::Color(255, 255, 255, 255));
    for (sf::Text& ligne : textesLignes)
        ligne.setFont(police);
}

CScriptEngine::~CScriptEngine()
{
    actionsDifferees.clear();
    scripts.clear();
    nbScripts = 0;
}

// ---------------------------------------------------------------- creation

CScript* CScriptEngine::creerScript(const std::string& fichier, CSPRITE* sd, int declencheur, int nbRunMax,
                                    bool bRelease, bool bDeclareDEC)
{
    return creerScriptEx("", fichier, sd, declencheur, nbRunMax, bRelease, bDeclareDEC);
}

CScript* CScriptEngine::creerScriptEx(const std::string& nom, const std::string& fichierScp, CSPRITE* sd,
                                      int declencheur, int nbRunMax, bool bRelease, bool bDeclareDEC)
{
    auto s = std::make_unique<CScript>();
    s->strNom = nom;
    s->strFichier = fichierScp;
    s->pSD = sd;
    s->nDeclencheur = declencheur;
    s->nbRunMax = nbRunMax;
    s->bRelease = bRelease;
    s->bDeclareDEC = bDeclareDEC;
    s->numCreation = numCreationSuivant++;
    pTexte->setCharacterSize(static_cast<unsigned>(std::max(s->nTailleTexte, 0)));
    pTexte->setStyle(static_cast<sf::Uint32>(s->nStyleTexte));
    s->nbCommandes = 0;
    chargerScript(s.get());  // not listed yet: compiled at once, also during a pass
    CScript* r = s.get();
    scripts.push_back(std::move(s));
    nbScripts = static_cast<int>(scripts.size());
    rafraichirMoniteur();
    return r;
}

void CScriptEngine::rafraichirMoniteur()
{
    if (CSFMLJeuGlobal::bModeTest && CPLUX::getDialog(ID_MONITEUR))
        CPLUX::refresh(ID_MONITEUR);
}

bool CScriptEngine::contient(const CScript* script) const { return indexDe(script) >= 0; }

int CScriptEngine::indexDe(const CScript* script) const
{
    if (!script)
        return -1;
    for (size_t i = 0; i < scripts.size(); ++i)
        if (scripts[i].get() == script)
            return static_cast<int>(i);
    return -1;
}

int CScriptEngine::indexCreation(unsigned numero) const
{
    for (size_t i = 0; i < scripts.size(); ++i)
        if (scripts[i]->numCreation == numero)
            return static_cast<int>(i);
    return -1;
}

// ---------------------------------------------------------------- the queue

void CScriptEngine::apresPasse(std::function<void()> action)
{
    if (nPasse > 0)
        actionsDifferees.push_back(std::move(action));
    else
        action();
}

void CScriptEngine::executerActionsDifferees()
{
    // An action may queue nothing more (no pass runs now), but it may add scripts.
    std::vector<std::function<void()>> actions;
    actions.swap(actionsDifferees);
    for (auto& a : actions)
        a();
}

// ---------------------------------------------------------------- removal

void CScriptEngine::detruireScript(size_t i)
{
    CScript* s = scripts[i].get();
    if (pScriptRun == s)
        pScriptRun = nullptr;
    if (pScriptEnChargement == s)
        pScriptEnChargement = nullptr;
    scripts.erase(scripts.begin() + static_cast<std::ptrdiff_t>(i));
    nbScripts = static_cast<int>(scripts.size());
}

void CScriptEngine::retirerScript(CScript* script)
{
    const int i = indexDe(script);
    if (i < 0)
        return;
    if (nPasse == 0) {
        detruireScript(static_cast<size_t>(i));
        return;
    }
    // Its sprite may be freed before the pass ends: nothing reads it again.
    script->bSupprime = true;
    script->pSD = nullptr;
    const unsigned numero = script->numCreation;
    apresPasse([this, numero] {
        const int k = indexCreation(numero);
        if (k >= 0)
            detruireScript(static_cast<size_t>(k));
    });
}

int CScriptEngine::supprimerScript(int i)
{
    if (i >= 0 && i < static_cast<int>(scripts.size()))
        retirerScript(scripts[static_cast<size_t>(i)].get());
    return 1;
}

int CScriptEngine::supprimerScriptNum(int i)
{
    if (i < 0 || i >= static_cast<int>(scripts.size()))
        return 0;
    retirerScript(scripts[static_cast<size_t>(i)].get());
    return 1;
}

int CScriptEngine::supprimerScriptNom(const std::string& nom)
{
    for (const auto& s : scripts)
        if (!s->bSupprime && s->strNom == nom) {
            retirerScript(s.get());
            return 1;
        }
    return 0;
}

int CScriptEngine::supprimerScriptPtr(CScript* script)
{
    if (!contient(script))
        return 0;
    retirerScript(script);
    return 1;
}

void CScriptEngine::supprimerScriptsSD(CSPRITE* sd)
{
    if (!sd)
        return;
    oublierAbandonnes(sd);
    std::vector<CScript*> partants;
    for (const auto& s : scripts)
        if (s->pSD == sd)
            partants.push_back(s.get());
    for (CScript* s : partants)
        retirerScript(s);
}

void CScriptEngine::oublierPerso(CPerso* perso)
{
    if (!perso)
        return;
    // Its animated sprite and its spirit's: frame and shot scripts are attached to them.
    const CSPRITE* sprite = perso->sprite;
    const CSPRITE* esprit = perso->spriteEsprit;
    for (const CSPRITE* sd : {sprite, esprit})
        if (sd)
            oublierAbandonnes(sd);
    // Its other references (current AI, triggering character) read as null by themselves.
    std::vector<CScript*> partants;
    for (const auto& s : scripts)
        if (s->pIAPropre == perso || (s->pSD && (s->pSD == sprite || s->pSD == esprit)))
            partants.push_back(s.get());
    for (CScript* s : partants)
        retirerScript(s);
}

void CScriptEngine::viderScripts()
{
    bPasserPause = 0;
    lignesSignalees.clear();
    scriptsAbandonnes.clear();
    if (nPasse == 0) {
        scripts.clear();
        nbScripts = 0;
        pScriptRun = nullptr;
        pScriptEnChargement = nullptr;
        return;
    }
    // What exists now goes after the pass; scripts made meanwhile stay.
    std::vector<CScript*> partants;
    for (const auto& s : scripts)
        partants.push_back(s.get());
    for (CScript* s : partants)
        retirerScript(s);
}

// ---------------------------------------------------------------- dropped level-file scripts

void CScriptEngine::abandonner(const CScript& s)
{
    scriptsAbandonnes.push_back({s.strFichier, s.pSD, s.nDeclencheur, s.bRelease, s.nbRunMax, s.nChrono,
                                 s.bSupprimerAuRedemarrage, s.numCreation, s.modelesIA()});
}

void CScriptEngine::oublierAbandonnes(const CSPRITE* sd)
{
    scriptsAbandonnes.erase(std::remove_if(scriptsAbandonnes.begin(), scriptsAbandonnes.end(),
                                           [sd](const ScriptAbandonne& a) { return a.pSD == sd; }),
                            scriptsAbandonnes.end());
}

std::vector<ScriptAbandonne> CScriptEngine::scriptsAbandonnesDe(const CSPRITE* proprietaire) const
{
    std::vector<ScriptAbandonne> r;
    for (const ScriptAbandonne& a : scriptsAbandonnes)
        if (a.pSD == proprietaire)
            r.push_back(a);
    return r;
}

// ---------------------------------------------------------------- restart

void CScriptEngine::initFontainesDArmes()
{
    if (nPasse > 0) {
        apresPasse([this] { initFontainesDArmes(); });
        return;
    }
    // A release of X seen in the last level must not end every pause of this one.
    bPasserPause = 0;
    for (size_t i = 0; i < scripts.size();) {
        CScript& s = *scripts[i];
        if (s.nDeclencheur == declencheur::IMMEDIAT || s.bSupprimerAuRedemarrage) {
            if (s.bFichierNiveau)
                abandonner(s);
            detruireScript(i);
            continue;
        }
        redemarrerScript(s);
        ++i;
    }
}

void CScriptEngine::redemarrerScript(CScript& s)
{
    s.nbRunFaits = 0;
    s.pPersoDeclencheur = nullptr;
    s.nCompteChrono = 0;
    s.numCmdCour = 0;
    s.bBlocOuvert = false;
    chargerScript(&s);
    preparerFontaines(s);
}

void CScriptEngine::preparerFontaines(CScript& s)
{
    for (const auto& c : s.commandes)
        if (c->strMotCle == "FONTAINEDARMES" && s.pSD)
            allumerFontaine(s, choisirArmeFontaine());
}

// ---------------------------------------------------------------- weapon fountains

int CScriptEngine::choisirArmeAuHasard(int limite)
{
    const OptionsJeu* jeu = faceJeu::options();
    if (!jeu)
        return -1;
    const int* drapeaux = jeu->armesFontaine;
    auto offerte = [&](int k) { return k >= 0 && k < limite && k < NB_ARMES_FONTAINE && drapeaux[k] == 1; };
    int nb = 0, derniere = -1;
    for (int k = 0; k < NB_ARMES_FONTAINE; ++k)
        if (offerte(k)) {
            ++nb;
            derniere = k;
        }
    if (nb <= 1)
        return derniere;
    for (int essai = 0; essai < TIRAGES_ARME_MAX; ++essai) {
        const int k = tuv::rand() % NB_ARMES_FONTAINE;
        if (offerte(k))
            return k;
    }
    for (int k = 0; k < NB_ARMES_FONTAINE; ++k)
        if (offerte(k))
            return k;
    return -1;
}

// The adventure's hero has fewer slots than the row has weapons: a fountain shows only what
// every player can take.
int CScriptEngine::choisirArmeFontaine()
{
    int limite = NB_ARMES_FONTAINE;
    if (const CDecor* d = monde())
        for (const CPerso* p : d->persos)
            if (p)
                limite = std::min(limite, p->nbSlots());
    return choisirArmeAuHasard(limite);
}

bool CScriptEngine::armeDonnable(int w, const CPerso& p)
{
    const OptionsJeu* jeu = faceJeu::options();
    return jeu && w >= 0 && w < NB_ARMES_FONTAINE && jeu->armesFontaine[w] == 1 && w < p.nbSlots();
}

void CScriptEngine::afficherArmeFontaine(CScript* script, int w)
{
    if (!script || !script->pSD || w < 0 || w >= NB_ARMES_FONTAINE)
        return;
    script->pSD->setOverFichier("FONTAINEDARMES_ARME", "ARME" + tuv::itos(w + 1));
    script->pSD->numArmeFontaine = w;
}

void CScriptEngine::allumerFontaine(CScript& s, int w)
{
    CSPRITE* sd = s.pSD;
    if (!sd)
        return;
    const bool allumee = w >= 0 && w < NB_ARMES_FONTAINE;
    sd->setAnim(allumee ? FONTAINE_ALLUMEE : FONTAINE_ETEINTE);
    sd->setOverVisible("FONTAINEDARMESLUX", allumee);
    sd->setOverVisible("FONTAINEDARMES_ARME", allumee);
    if (allumee)
        afficherArmeFontaine(&s, w);
    else
        sd->numArmeFontaine = -1;
}

// ---------------------------------------------------------------- lookups

void CScriptEngine::setVariableGlobale(const std::string& nom, const std::string& valeur)
{
    variablesGlobales[nom] = valeur;
}

CScript* CScriptEngine::getScriptNom(const std::string& nom) const
{
    for (const auto& s : scripts)
        if (!s->bSupprime && s->strNom == nom)
            return s.get();
    return nullptr;
}

CPerso* CScriptEngine::chercherIA(const std::string& id) const
{
    const MondeJeu* jeu = faceJeu::monde();
    return jeu && jeu->pdecor ? jeu->pdecor->iaParId(id) : nullptr;
}

namespace {
// The ids of a level often share their beginning ("caisse_12", "caisse_13"): a candidate of
// the right length is told apart by its last byte before its other bytes are compared.
struct IdCherche {
    const std::string& id;

    bool egal(const std::string& candidat) const
    {
        const size_t n = id.size();
        return candidat.size() == n &&
               (n == 0 || (candidat[n - 1] == id[n - 1] && std::memcmp(candidat.data(), id.data(), n - 1) == 0));
    }
};
} // namespace

CSPRITE* CScriptEngine::chercherSD(const std::string& id) const
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor)
        return nullptr;
    const IdCherche cherche{id};
    for (CCalqueSD* plan : jeu->pdecor->pPlans)
        if (plan)
            for (CSPRITE* sd : plan->sprites)
                if (sd && cherche.egal(sd->strID))
                    return sd;
    return nullptr;
}

CSPRITE3* CScriptEngine::chercherSprite3(const std::string& nom) const
{
    if (spriteEditeurAnimations)
        if (CSPRITE3* s = spriteEditeurAnimations(); s && s->nom == nom)
            return s;
    const MondeJeu* jeu = faceJeu::monde();
    if (!jeu || !jeu->pdecor)
        return nullptr;
    for (CPerso* p : jeu->pdecor->ias)
        if (p && p->sprite && p->sprite->nom == nom)
            return p->sprite;
    return nullptr;
}

int CScriptEngine::jouerSonSD(CSPRITE* sd)
{
    if (ServicesJeu* jeu = faceJeu::services(); jeu && sd)
        jeu->jouerSon(sd->idSon);
    return 1;
}

// ---------------------------------------------------------------- services of the handlers

void CScriptEngine::avancerScript(CScript* script)
{
    if (!contient(script))
        return;
    ++script->numCmdCour;
    if (script->numCmdCour >= static_cast<int>(script->commandes.size()))
        finirRun(script, false);
}

int CScriptEngine::imagesChrono(int secondes) const
{
    return tuv::floatVersInt(static_cast<float>(static_cast<double>(secondes) * 30.0 / coefficient()));
}

int CScriptEngine::imagesAuTaux(int n) const
{
    const int r = tuv::floatVersInt(static_cast<float>(static_cast<double>(n) / coefficient()));
    return n >= 1 ? std::max(r, 1) : r;
}
