// The script monitor's listing and display: which scripts are listed, what is shown of the
// shown script, and what follows it every frame.
#include "editor/JeuDialogScripts.h"

#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "editor/IdsScripts.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/plux_theme.h"
#include "level/Decor.h"
#include "script/ScriptEngine.h"

#include <algorithm>
#include <string>

namespace {

namespace ids = IdScripts;

constexpr int LARGEUR_COL2 = 390;

const char* const PAUSE_TOUS = "Pause tous les scripts";
const char* const LANCE_TOUS = "Lance tous les scripts";
const char* const PAS_DE_SCRIPT = "Pas de script.";
const char* const TITRE_SPRITE = "Tous les scripts du sprite sélectionné.";
const char* const TITRE_NIVEAU = "Tous les scripts du niveau.";
const char* const INFO_DEC = "Script déclaré dans un DEC ou un ANM (non sauvegardé dans le NIV)";
const char* const INFO_NIV = "Script non déclaré dans un DEC ou un ANM (sauvegardé dans le NIV)";
const char* const COMMANDES = "Commandes";
const char* const COMMANDES_SANS_FICHIER = "Commandes (fichier introuvable : non relu)";
const char* const LIGNES_ILLISIBLES = "Lignes non lues";
constexpr size_t LIGNES_ILLISIBLES_MAX = 200;  // rows of a file that is no script at all

enum class EtatScript { Pause, EnCours, Attente, Fini };

EtatScript etatDe(const CScript& s)
{
    if (s.bEnCours)
        return s.bPause ? EtatScript::Pause : EtatScript::EnCours;
    return s.nbRunMax == -1 || s.nbRunFaits < s.nbRunMax ? EtatScript::Attente : EtatScript::Fini;
}

const char* texteEtat(EtatScript e)
{
    switch (e) {
    case EtatScript::Pause: return "en pause...";
    case EtatScript::EnCours: return "en cours...";
    case EtatScript::Attente: return "en attente...";
    case EtatScript::Fini: return "terminé";
    }
    return "";
}

// The marker after a script's file in the script list: its state while the switch stands on
// run, its own pause flag while it stands on pause.
const char* marqueur(const CScript& s, bool bScriptsRun)
{
    if (!bScriptsRun)
        return s.bPause ? "    (PAUSE)" : s.bEnCours ? "    (RUN)" : "";
    switch (etatDe(s)) {
    case EtatScript::Pause: return "   (en pause...)";
    case EtatScript::EnCours: return "   (en cours...)";
    case EtatScript::Attente: return "   (en attente...)";
    case EtatScript::Fini: return "   (fini)";
    }
    return "";
}

// A label is ":" and its name; other commands with arguments read "KEY(a ; b)".
std::string texteCommande(const CScriptCommand& c)
{
    std::string t = c.strMotCle;
    if (c.arguments.empty())
        return t;
    const bool label = c.strMotCle == ":";
    if (!label)
        t += "(";
    for (size_t i = 0; i < c.arguments.size(); ++i) {
        if (i > 0 && !label)
            t += " ; ";
        t += CPLUX::wstrToUtf8(c.arguments[i]);
    }
    return label ? t : t + ")";
}

// Emptied, with its second column shown at the monitor's width.
CPLUXControlList* preparer(CPLUXControlList* l)
{
    if (l) {
        l->reset();
        l->setVisibleCol2(true);
        l->setLargeurCol2(LARGEUR_COL2);
    }
    return l;
}

void ajouterLigne(CPLUXControlList& l, int numero, const std::string& texte)
{
    l.AddElement(CPLUX::itos(numero));
    l.AddElementCol2(texte);
}

// The text in as many rows as it takes within the second column, the first after premiere.
void ajouterCoupe(CPLUXControlList& l, const std::string& premiere, const std::string& texte)
{
    const unsigned taille = l.getTextSize();
    const float largeur = l.largeurTexteCol2();
    const std::wstring entier = tuv::utf8toWStr(texte);
    const std::wstring coupe = largeur <= 0 ? entier : plux::couperLignes(entier, largeur, [taille](const std::wstring& t) {
        return plux::largeurTexte(t, taille);
    });
    size_t debut = 0;
    for (bool suite = false;; suite = true) {
        const size_t fin = coupe.find(L'\n', debut);
        l.AddElement(suite ? std::string() : premiere);
        l.AddElementCol2(coupe.substr(debut, fin == std::wstring::npos ? fin : fin - debut));
        if (fin == std::wstring::npos)
            return;
        debut = fin + 1;
    }
}

CDecor* decor()
{
    MondeJeu* j = faceJeu::monde();
    return j ? j->pdecor : nullptr;
}

} // namespace

CScriptEngine* CJeuDialogScripts::moteur()
{
    MondeJeu* j = faceJeu::monde();
    return j ? j->pscriptEngine : nullptr;
}

bool CJeuDialogScripts::listeValide() const
{
    const CScriptEngine* m = moteur();
    if (m != moteurLu || (m ? m->scripts.size() : 0) != nbScriptsMoteurLu)
        return false;
    if (nbScripts != static_cast<int>(listeScripts.size()) || listeScripts.size() != scriptsListes.size())
        return false;
    for (size_t k = 0; k < listeScripts.size(); ++k) {
        const int i = listeScripts[k];
        if (!m || i < 0 || static_cast<size_t>(i) >= m->scripts.size() || m->scripts[i].get() != scriptsListes[k])
            return false;
    }
    return true;
}

void CJeuDialogScripts::mettreAJour()
{
    if (bAReconstruire || !listeValide())
        refreshListeScripts();
}

CScript* CJeuDialogScripts::scriptAffiche() const
{
    CScriptEngine* m = moteur();
    if (!m || numScript < 0 || numScript >= nbScripts || static_cast<size_t>(numScript) >= listeScripts.size())
        return nullptr;
    const int i = listeScripts[static_cast<size_t>(numScript)];
    if (i < 0 || static_cast<size_t>(i) >= m->scripts.size() || m->scripts[i].get() != scriptsListes[numScript])
        return nullptr;
    return m->scripts[static_cast<size_t>(i)].get();
}

void CJeuDialogScripts::onRefresh()
{
    CPLUXDialog::onRefresh();
    bAReconstruire = true;
}

void CJeuDialogScripts::onShow()
{
    CPLUXDialog::onShow();
    mettreAJour();
}

void CJeuDialogScripts::refreshListeScripts()
{
    bAReconstruire = false;
    ++nbReconstructions;
    nbScripts = 0;
    listeScripts.clear();
    scriptsListes.clear();
    CScriptEngine* m = moteur();
    moteurLu = m;
    nbScriptsMoteurLu = m ? m->scripts.size() : 0;
    if (m && !m->scripts.empty()) {
        const CDecor* d = decor();
        const CSPRITE* selection = d ? d->pSDSelection : nullptr;
        const CPerso* perso = faceJeu::monde()->pPersoSelection.get();
        for (size_t i = 0; i < m->scripts.size(); ++i) {
            const CScript& s = *m->scripts[i];
            if (s.pSD == selection || (!selection && !perso) || (perso && s.pIAPropre == perso)) {
                listeScripts.push_back(static_cast<int>(i));
                scriptsListes.push_back(&s);
            }
        }
        nbScripts = static_cast<int>(listeScripts.size());
    }
    if (numScript >= nbScripts || numScript < 0)
        numScript = 0;
    rafraichir();
}

void CJeuDialogScripts::rafraichir()
{
    if (!listeValide()) {
        refreshListeScripts();  // lists again, then comes back here
        return;
    }
    if (CPLUXControlButton* b = ctrlButton(ids::BOUTON_TOUS))
        b->setButtonText(bScriptsRun ? PAUSE_TOUS : LANCE_TOUS);
    if (CPLUXControlButtonCheck* c = ctrlButtonCheck(ids::CASE_VARIABLES_AUTO))
        c->setCheck(bRefreshAutoVariables);
    const CScript* s = scriptAffiche();
    if (!s) {
        afficherVide();
        return;
    }
    afficherReglages(*s);
    afficherEtat(*s);
    const CDecor* d = decor();
    editeur::remplirTexte(getControl(ids::TEXTE_TITRE), d && d->pSDSelection ? TITRE_SPRITE : TITRE_NIVEAU);
    // The level writer saves exactly the scripts of the level file.
    editeur::remplirTexte(getControl(ids::TEXTE_INFO_DEC_NIV), s->bFichierNiveau ? INFO_NIV : INFO_DEC);
    remplirCommandes(*s);
    remplirIllisibles(*s);
    remplirVariables(*s);
    remplirScripts();
    remplirObjets();
}

void CJeuDialogScripts::afficherVide()
{
    editeur::remplirTexte(getControl(ids::TEXTE_NB), 0);
    editeur::remplirTexte(getControl(ids::SAISIE_POS), 0);
    editeur::remplirTexte(getControl(ids::SAISIE_SCRIPT), "");
    editeur::remplirTexte(getControl(ids::SAISIE_NB_RUN), -1);
    editeur::remplirSelection(getControl(ids::COMBO_DECLENCHEUR), 0);
    if (CPLUXControlButtonCheck* c = ctrlButtonCheck(ids::CASE_RELEASE))
        c->setCheck(false);
    editeur::remplirTexte(getControl(ids::TEXTE_TITRE), PAS_DE_SCRIPT);
    editeur::remplirTexte(getControl(ids::TEXTE_INFO_DEC_NIV), "");
    editeur::remplirTexte(getControl(ids::SAISIE_CHRONO), 0);
    editeur::remplirTexte(getControl(ids::TEXTE_COMMANDES), COMMANDES);
    editeur::remplirTexte(getControl(ids::SAISIE_NUM_CMD), 0);
    for (const char* id : {ids::SAISIE_CMD, ids::SAISIE_RUNS_FAITS, ids::SAISIE_ETAT})
        editeur::remplirTexte(getControl(id), "");
    editeur::remplirTexte(getControl(ids::TEXTE_ILLISIBLES), LIGNES_ILLISIBLES);
    for (const char* id : {ids::LISTE_COMMANDES, ids::LISTE_VARIABLES, ids::LISTE_SCRIPTS, ids::LISTE_OBJETS,
                           ids::LISTE_ILLISIBLES})
        if (CPLUXControlList* l = ctrlList(id))
            l->reset();
}

// A rebuild comes whenever a script of the level ends a run: the field the author is typing
// in for the same script keeps its text and caret ("-" on the way to "-3" would else come
// back as the value kept, at every key).
void CJeuDialogScripts::afficherReglages(const CScript& s)
{
    const bool memeScript = scriptRegle == &s && numCreationRegle == s.numCreation;
    scriptRegle = &s;
    numCreationRegle = s.numCreation;
    auto champ = [&](const char* id) {
        CPLUXControl* c = getControl(id);
        return memeScript && c && CPLUX::getKeyboardFocus() == c ? nullptr : c;
    };
    editeur::remplirTexte(getControl(ids::TEXTE_NB), nbScripts);
    editeur::remplirTexte(champ(ids::SAISIE_POS), numScript + 1);
    editeur::remplirTexte(champ(ids::SAISIE_SCRIPT), s.strFichier);
    editeur::remplirTexte(champ(ids::SAISIE_NB_RUN), s.nbRunMax);
    editeur::remplirSelection(getControl(ids::COMBO_DECLENCHEUR), s.getDeclencheur());
    if (CPLUXControlButtonCheck* c = ctrlButtonCheck(ids::CASE_RELEASE))
        c->setCheck(s.bRelease);
    editeur::remplirTexte(champ(ids::SAISIE_CHRONO), s.nChrono);
    afficherFichier(s.strFichier);
}

// A file that is not there reads nothing: the commands listed are those read before, if any.
void CJeuDialogScripts::afficherFichier(const std::string& fichier)
{
    const char* titre = tuv::fichierExiste(fichier) ? COMMANDES : COMMANDES_SANS_FICHIER;
    editeur::remplirTexte(getControl(ids::TEXTE_COMMANDES), titre);
}

void CJeuDialogScripts::afficherEtat(const CScript& s)
{
    editeur::remplirTexte(getControl(ids::SAISIE_NUM_CMD), s.numCmdCour);
    editeur::remplirTexte(getControl(ids::SAISIE_RUNS_FAITS), s.nbRunFaits);
    const EtatScript e = etatDe(s);
    editeur::remplirTexte(getControl(ids::SAISIE_ETAT), texteEtat(e));
    if (e == EtatScript::Attente || e == EtatScript::Fini)
        editeur::remplirTexte(getControl(ids::SAISIE_CMD), "");
    else if (const CScriptCommand* c = CScriptEngine::commandeCourante(&s))
        editeur::remplirTexte(getControl(ids::SAISIE_CMD), texteCommande(*c));
    // Past its commands, a running script's current command keeps its last text.
}

void CJeuDialogScripts::remplirCommandes(const CScript& s)
{
    if (CPLUXControlList* l = preparer(ctrlList(ids::LISTE_COMMANDES)))
        for (size_t i = 0; i < s.commandes.size(); ++i)
            ajouterLigne(*l, static_cast<int>(i), texteCommande(*s.commandes[i]));
}

// Each line by its number: what is wrong, then the line as written, each wrapped within the
// column.
void CJeuDialogScripts::remplirIllisibles(const CScript& s)
{
    const size_t n = s.lignesIllisibles.size();
    editeur::remplirTexte(getControl(ids::TEXTE_ILLISIBLES),
                          n == 0 ? std::string(LIGNES_ILLISIBLES)
                                 : std::string(LIGNES_ILLISIBLES) + " (" + std::to_string(n) + ")");
    CPLUXControlList* l = ctrlList(ids::LISTE_ILLISIBLES);
    if (!l)
        return;
    l->reset();
    for (size_t i = 0; i < std::min(n, LIGNES_ILLISIBLES_MAX); ++i) {
        const LigneIllisible& ligne = s.lignesIllisibles[i];
        ajouterCoupe(*l, CPLUX::itos(ligne.ligne), ligne.raisonTexte());
        ajouterCoupe(*l, "", ligne.citee);
    }
    if (n > LIGNES_ILLISIBLES_MAX) {
        l->AddElement("...");
        l->AddElementCol2("et " + std::to_string(n - LIGNES_ILLISIBLES_MAX) + " autres");
    }
}

void CJeuDialogScripts::remplirVariables(const CScript& s)
{
    if (CPLUXControlList* l = preparer(ctrlList(ids::LISTE_VARIABLES)))
        moteur()->remplirListeVariables(&s, l);
}

void CJeuDialogScripts::remplirScripts()
{
    CPLUXControlList* l = preparer(ctrlList(ids::LISTE_SCRIPTS));
    if (!l)
        return;
    std::string texte;  // one buffer for every row's text
    for (int k = 0; k < nbScripts; ++k) {
        const CScript& s = *scriptsListes[static_cast<size_t>(k)];
        texte.assign(s.strFichier).append(marqueur(s, bScriptsRun));
        ajouterLigne(*l, k + 1, texte);
    }
    editeur::remplirSelection(l, numScript);
}

void CJeuDialogScripts::remplirObjets()
{
    CPLUXControlList* l = preparer(ctrlList(ids::LISTE_OBJETS));
    const CDecor* d = decor();
    if (!l || !d)
        return;
    int n = 0;
    for (const CPerso* ia : d->ias)
        if (ia && ia->bCreeParScript)
            ajouterLigne(*l, n++, ia->id + "  (" + ia->fichierScriptIA + ")");
}

void CJeuDialogScripts::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    // What is drawn is what the engine holds now.
    mettreAJour();
    CPLUXDialog::draw(w, mouseX, mouseY, ox, oy);
    const CScript* s = scriptAffiche();
    if (nbScripts == 0 || !s)
        return;
    afficherEtat(*s);
    editeur::remplirSelection(getControl(ids::LISTE_COMMANDES), s->numCmdCour);
    if (!bRefreshAutoVariables)
        return;
    CPLUXControlList* l = ctrlList(ids::LISTE_VARIABLES);
    if (!l)
        return;
    // Refilled in place: the author's scroll position and chosen row stay.
    const int defilement = l->getScrollPosition();
    const int ligne = l->getNumSel();
    l->reset();
    moteur()->remplirListeVariables(s, l);
    l->setScrollPosition(defilement);
    editeur::remplirSelection(l, ligne);
}
