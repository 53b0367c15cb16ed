#include "gui/CPLUX.h"

#include "core/Fichiers.h"
#include "core/Texte.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXDialogFile.h"
#include "gui/CPLUXMessageBox.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXToolBar.h"

#include <SFML/Window/Joystick.hpp>
#include <SFML/Window/Keyboard.hpp>

#include <algorithm>
#include <cmath>
#include <deque>
#include <set>

std::string CPLUX::pathSources;
std::string CPLUX::strQtPro;
sf::RenderWindow* CPLUX::surface = nullptr;
CPLUXDialog* CPLUX::pTB = nullptr;
CPLUXDialog* CPLUX::dialogfocus = nullptr;
CPLUXControl* CPLUX::pCtrlFocus = nullptr;
std::map<int, CPLUXDialog*> CPLUX::dialoglist;

namespace {
CPLUXModeleDef g_modeleDef;

constexpr int NB_LIGNES_CONSOLE = 64;

struct Declaration {
    std::string id;
    std::string classe;
    PLUXFactory fabrique;
};

// A button press that began on a control and is still held.
struct Appui {
    bool actif = false;
    bool nouveau = false;
    CPLUXDialog* d = nullptr;
    CPLUXControl* c = nullptr;
    sf::Vector2i dernier;
};

enum class Glisse { Aucun, Deplacement, Redimension };

struct Etat {
    std::vector<Declaration> declarations;
    std::vector<std::pair<std::string, std::string>> paires;
    std::vector<CPLUXDialog*> registre; // bottom to top
    std::set<const CPLUXDialog*> vivants;
    std::set<CPLUXDialog*> bibliotheque;
    std::vector<CPLUXMessageBox*> boites;
    CPLUXMessageBox* boiteAuClavier = nullptr;
    std::vector<CPLUXControl*> controlesASupprimer;
    std::vector<CPLUXDialog*> dialoguesASupprimer;
    std::vector<CPLUXDialog*> copieImages;
    bool imagesEnCours = false;
    int profondeur = 0;
    int prochainHandle = 1;

    std::deque<sf::Event> file;
    // Every event pushed gets the next number: the front of the queue has numeroTete, the one
    // being processed numeroEnCours. A box ignores what was pushed before it opened.
    uint64_t numeroTete = 0;
    uint64_t numeroEnCours = 0;
    sf::Vector2i souris{-1, -1};
    sf::Vector2i sourisPush{-1, -1};
    bool boutonsPrisPush[3] = {false, false, false};
    bool sourisPrise = false;
    CPLUXControl* clavier = nullptr;
    CPLUXControlComboBox* combo = nullptr;
    Appui appuis[3];
    Glisse glisse = Glisse::Aucun;
    CPLUXDialog* dGlisse = nullptr;
    sf::Vector2i origineGlisse;
    sf::Vector2i positionDepart;
    sf::Vector2i tailleDepart;
    CPLUXControlButton* boutonTitre = nullptr;
    CPLUXDialog* dBoutonTitre = nullptr;
    CPLUXDialog* survolD = nullptr;
    CPLUXControl* survolC = nullptr;

    std::wstring console[NB_LIGNES_CONSOLE];
    plux::TexteCache consoleCache[NB_LIGNES_CONSOLE];
    bool consoleVisible = false;

    bool modifsForces = false;
    bool ctrl = false, shift = false, alt = false;

    bool padBoutons[8] = {};
    int padAxeX = 0, padAxeY = 0;
};

Etat& etat()
{
    // Never destroyed: dialogs living in static storage may unregister during exit.
    static Etat* e = new Etat;
    return *e;
}

bool estDialogueAffiche(const CPLUXDialog* d) { return d && d->estAffiche(); }

int indexBouton(sf::Mouse::Button b)
{
    switch (b) {
    case sf::Mouse::Left: return 0;
    case sf::Mouse::Right: return 1;
    case sf::Mouse::Middle: return 2;
    default: return -1;
    }
}

bool surBarre(sf::Vector2i p) { return estDialogueAffiche(CPLUX::pTB) && CPLUX::pTB->contient(p.x, p.y); }

// The open drop-down, where p shows it: the toolbar is drawn over everything, popups included.
bool dansListeOuverte(sf::Vector2i p)
{
    const CPLUXControlComboBox* c = etat().combo;
    return c && c->rectListe().contains(static_cast<float>(p.x), static_cast<float>(p.y)) && !surBarre(p);
}

// The dialog-like layer under p, in the drawing order: the toolbar, message boxes, then
// registered dialogs.
CPLUXDialog* coucheSous(sf::Vector2i p)
{
    Etat& e = etat();
    if (surBarre(p))
        return CPLUX::pTB;
    for (auto it = e.boites.rbegin(); it != e.boites.rend(); ++it)
        if ((*it)->estAffiche() && (*it)->contient(p.x, p.y))
            return *it;
    for (auto it = e.registre.rbegin(); it != e.registre.rend(); ++it)
        if ((*it)->estAffiche() && (*it)->contient(p.x, p.y))
            return *it;
    return nullptr;
}

// The control holding the keyboard still takes keys: since it got them the program may have
// hidden or disabled it, its list (the column-2 editor) or its dialog.
bool clavierUtilisable()
{
    const CPLUXControl* c = etat().clavier;
    if (!c || !c->getParent() || !c->getParent()->estAffiche() || !c->estAffiche() || !c->isActive())
        return false;
    return !c->getParentCtrl() || c->getParentCtrl()->isActive();
}

bool surGui(sf::Vector2i p) { return dansListeOuverte(p) || coucheSous(p) != nullptr; }

bool glisseEnCours()
{
    Etat& e = etat();
    return e.glisse != Glisse::Aucun || e.appuis[0].actif || e.appuis[1].actif || e.appuis[2].actif ||
           e.boutonTitre != nullptr;
}

void purger()
{
    Etat& e = etat();
    while (!e.dialoguesASupprimer.empty() || !e.controlesASupprimer.empty()) {
        std::vector<CPLUXDialog*> dialogues;
        dialogues.swap(e.dialoguesASupprimer);
        for (CPLUXDialog* d : dialogues)
            delete d;
        std::vector<CPLUXControl*> controles;
        controles.swap(e.controlesASupprimer);
        for (CPLUXControl* c : controles)
            delete c;
    }
}

CPLUXDialog* fabriquerDialogue(int kind)
{
    // The file dialogs come with their own controls.
    switch (kind) {
    case 1: return new CPLUXDialogFile;
    case 3: return new CPLUXDialogFileSave;
    case 4: return new CPLUXDialogFileImages;
    default: return new CPLUXDialog;
    }
}
} // namespace

CPLUXModeleDef* CPLUX::pModeleDef = &g_modeleDef;

CPLUX::CPLUX(sf::RenderWindow* w)
{
    if (w)
        surface = w;
    if (!pTB)
        pTB = new CPLUXToolBar;
}

CPLUX::~CPLUX() = default;

// Text ------------------------------------------------------------------------------------------------

std::string CPLUX::itos(int v) { return tuv::itos(v); }
std::wstring CPLUX::itows(int v) { return tuv::utf8toWStr(tuv::itos(v)); }
std::string CPLUX::ftos(float v) { return tuv::ftos(v); }
std::wstring CPLUX::ftows(float v) { return tuv::utf8toWStr(tuv::ftos(v)); }
int CPLUX::stoi(const std::string& t) { return tuv::stoi(t); }
float CPLUX::stof(const std::string& t) { return tuv::stof(t); }
std::string CPLUX::delspaces(const std::string& t) { return tuv::delspaces(t); }
std::wstring CPLUX::delspaces(const std::wstring& t) { return tuv::delspaces(t); }
std::wstring CPLUX::utf8toWStr(const std::string& t) { return tuv::utf8toWStr(t); }
std::string CPLUX::wstrToUtf8(const std::wstring& t) { return tuv::wstrToUtf8(t); }
bool CPLUX::isFileExist(const std::string& path) { return tuv::fichierExiste(path); }
bool CPLUX::isDir(const std::string& path) { return tuv::dossierExiste(path); }

// Registry ----------------------------------------------------------------------------------------------

void CPLUX::declareDialog(const std::string& id, const std::string& className, PLUXFactory f)
{
    etat().declarations.push_back({id, className, f});
    etat().paires.emplace_back(id, className);
}

const std::vector<std::pair<std::string, std::string>>& CPLUX::getDeclaredDialogs() { return etat().paires; }

PLUXFactory CPLUX::getDeclaredFactory(size_t i)
{
    return i < etat().declarations.size() ? etat().declarations[i].fabrique : nullptr;
}

int CPLUX::enregistrer(CPLUXDialog* d)
{
    Etat& e = etat();
    if (!d)
        return 0;
    if (std::find(e.registre.begin(), e.registre.end(), d) != e.registre.end())
        return d->getHwnd();
    d->setHandle(e.prochainHandle++);
    e.registre.push_back(d);
    return d->getHwnd();
}

void CPLUX::applyTabs()
{
    for (CPLUXDialog* d : etat().registre)
        d->appliquerOrdreTab();
}

CPLUXDialog* CPLUX::getDialog(const std::string& id)
{
    for (CPLUXDialog* d : etat().registre)
        if (d->getId() == id)
            return d;
    return nullptr;
}

CPLUXDialog* CPLUX::getDialog(int handle)
{
    for (CPLUXDialog* d : etat().registre)
        if (d->getHwnd() == handle)
            return d;
    return nullptr;
}

const std::vector<CPLUXDialog*>& CPLUX::getDialogs() { return etat().registre; }

void CPLUX::show(const std::string& id)
{
    if (CPLUXDialog* d = getDialog(id))
        d->show();
}

void CPLUX::hide(const std::string& id)
{
    if (CPLUXDialog* d = getDialog(id))
        d->hide();
}

bool CPLUX::isDialogVisible(const std::string& id) { return estDialogueAffiche(getDialog(id)); }

void CPLUX::refresh(const std::string& id)
{
    if (CPLUXDialog* d = getDialog(id)) {
        d->afficherVariables();
        d->onRefresh();
    }
}

void CPLUX::minimizeAll()
{
    const std::vector<CPLUXDialog*> copie = etat().registre;
    for (CPLUXDialog* d : copie)
        if (estVivant(d) && d->estAffiche())
            d->hide();
}

CPLUXControl* CPLUX::getControl(const std::string& dialogId, const std::string& controlId)
{
    CPLUXDialog* d = getDialog(dialogId);
    return d ? d->getControl(controlId) : nullptr;
}

namespace {
CPLUXDialog* ajouterDialogue(int* pId, CPLUXDialog* pDlg, void* owner, int kind)
{
    Etat& e = etat();
    CPLUXDialog* d = pDlg;
    if (!d) {
        d = fabriquerDialogue(kind);
        d->setBibliotheque(true);
        e.bibliotheque.insert(d);
    } else if (d->isBibliotheque()) {
        // A library dialog made by the library itself (the colour editor): freed at shutdown.
        e.bibliotheque.insert(d);
    }
    const int h = CPLUX::enregistrer(d);
    CPLUX::dialoglist[h] = d;
    if (pId)
        *pId = h;
    d->setOwner(owner);
    return d;
}

CPLUXDialog* terminerAjout(CPLUXDialog* d, bool fait, void* owner)
{
    if (!d->isCreate()) {
        d->onCreate();
        if (!CPLUX::estVivant(d))
            return nullptr;
        d->marquerCree();
    }
    if (fait) {
        auto* proprietaire = static_cast<CPLUXDialog*>(owner);
        if (owner && CPLUX::estVivant(proprietaire) && proprietaire->getHwnd() != 0)
            d->show(proprietaire->getHwnd());
        else
            d->show();
    }
    return d;
}
} // namespace

CPLUXDialog* CPLUX::addDialog(int* pId, CPLUXDialog* pDlg, void* owner, int kind, bool bCallback, PLUXCallback cb)
{
    CPLUXDialog* d = ajouterDialogue(pId, pDlg, owner, kind);
    if (bCallback && cb)
        d->setDialogCallback(cb);
    return terminerAjout(d, pDlg == nullptr, owner);
}

CPLUXDialog* CPLUX::addDialog(int* pId, CPLUXDialog* pDlg, void* owner, int kind, bool bCallback,
                              PLUXFileCallback cb)
{
    CPLUXDialog* d = ajouterDialogue(pId, pDlg, owner, kind);
    if (bCallback && cb)
        d->setDialogCallback(cb);
    return terminerAjout(d, pDlg == nullptr, owner);
}

void CPLUX::shutdown()
{
    Etat& e = etat();
    fermerCombo();
    setKeyboardFocus(nullptr);
    for (CPLUXMessageBox* b : std::vector<CPLUXMessageBox*>(e.boites))
        delete b;
    for (CPLUXDialog* d : std::vector<CPLUXDialog*>(e.bibliotheque.begin(), e.bibliotheque.end()))
        delete d;
    delete pTB;
    pTB = nullptr;
    const int profondeur = e.profondeur;
    e.profondeur = 0;
    purger();
    e.profondeur = profondeur;
    e.numeroTete += e.file.size();
    e.file.clear();
}

void CPLUX::reset()
{
    shutdown();
    Etat& e = etat();
    for (CPLUXDialog* d : e.registre)
        d->setHandle(0);
    e.registre.clear();
    dialoglist.clear();
    e.declarations.clear();
    e.paires.clear();
    dialogfocus = nullptr;
    pCtrlFocus = nullptr;
    e.clavier = nullptr;
    e.boiteAuClavier = nullptr;
    for (Appui& a : e.appuis)
        a = Appui();
    e.glisse = Glisse::Aucun;
    e.dGlisse = nullptr;
    e.boutonTitre = nullptr;
    e.dBoutonTitre = nullptr;
    e.survolD = nullptr;
    e.survolC = nullptr;
    for (bool& b : e.boutonsPrisPush)
        b = false;
    e.souris = e.sourisPush = {-1, -1};
    for (auto& l : e.console)
        l.clear();
    e.consoleVisible = false;
    pModeleDef->viderErreurs();
}

// Message boxes ---------------------------------------------------------------------------------------------

int CPLUX::MessageBoxW(const std::wstring& title, const std::wstring& text)
{
    return MessageBoxW(title, text, "", nullptr, 0);
}
int CPLUX::MessageBoxW(const std::string& title, const std::string& text)
{
    return MessageBoxW(utf8toWStr(title), utf8toWStr(text), "", nullptr, 0);
}
int CPLUX::MessageBoxW(const char* title, const char* text)
{
    return MessageBoxW(std::string(title ? title : ""), std::string(text ? text : ""));
}
int CPLUX::MessageBoxW(const wchar_t* title, const wchar_t* text)
{
    return MessageBoxW(std::wstring(title ? title : L""), std::wstring(text ? text : L""));
}
int CPLUX::MessageBoxW(const std::string& title, const std::string& text, const std::string& id,
                       CPLUXDialog* owner, int kind)
{
    return MessageBoxW(utf8toWStr(title), utf8toWStr(text), id, owner, kind);
}
int CPLUX::MessageBoxW(const char* title, const char* text, const std::string& id, CPLUXDialog* owner, int kind)
{
    return MessageBoxW(std::string(title ? title : ""), std::string(text ? text : ""), id, owner, kind);
}
int CPLUX::MessageBoxW(const wchar_t* title, const wchar_t* text, const std::string& id, CPLUXDialog* owner,
                       int kind)
{
    return MessageBoxW(std::wstring(title ? title : L""), std::wstring(text ? text : L""), id, owner, kind);
}

int CPLUX::MessageBoxW(const std::wstring& title, const std::wstring& text, const std::string& id,
                       CPLUXDialog* owner, int kind)
{
    Etat& e = etat();
    auto* b = new CPLUXMessageBox(title, text, id, owner, kind);
    b->setBibliotheque(true);
    b->setHandle(e.prochainHandle++);
    b->centrer(tailleSurface(), static_cast<int>(e.boites.size()));
    e.boites.push_back(b);
    // The key or click that led to the box, still in the queue, was meant for what the user
    // saw then: the box waits for a fresh one.
    b->setPremierEvenement(e.numeroTete + e.file.size());
    // The newest box answers Enter and Escape until the user presses elsewhere.
    e.boiteAuClavier = b;
    setKeyboardFocus(b->getEntry());
    return b->getHwnd();
}

const std::vector<CPLUXMessageBox*>& CPLUX::getMessageBoxes() { return etat().boites; }

CPLUXMessageBox* CPLUX::getMessageBox(int handle)
{
    for (CPLUXMessageBox* b : etat().boites)
        if (b->getHwnd() == handle)
            return b;
    return nullptr;
}

void CPLUX::retirerBoite(CPLUXMessageBox* b)
{
    Etat& e = etat();
    e.boites.erase(std::remove(e.boites.begin(), e.boites.end(), b), e.boites.end());
    if (e.boiteAuClavier == b)
        e.boiteAuClavier = nullptr;
    if (e.clavier && e.clavier->getParent() == b)
        setKeyboardFocus(nullptr);
    supprimerPlusTard(b);
}

// Console -----------------------------------------------------------------------------------------------

void CPLUX::setConsoleText(const std::wstring& text, int line)
{
    if (line >= 0 && line < NB_LIGNES_CONSOLE)
        etat().console[line] = text;
}
void CPLUX::setConsoleText(const std::string& text, int line) { setConsoleText(utf8toWStr(text), line); }
void CPLUX::setConsoleText(const char* text, int line) { setConsoleText(std::string(text ? text : ""), line); }
void CPLUX::setConsoleText(const wchar_t* text, int line)
{
    setConsoleText(std::wstring(text ? text : L""), line);
}
std::wstring CPLUX::getConsoleText(int line)
{
    return line >= 0 && line < NB_LIGNES_CONSOLE ? etat().console[line] : std::wstring();
}
void CPLUX::setConsoleVisible(bool v) { etat().consoleVisible = v; }
bool CPLUX::isConsoleVisible() { return etat().consoleVisible; }

// Small helpers -------------------------------------------------------------------------------------------

void CPLUX::drawLine(sf::RenderTarget* t, sf::Vector2f a, sf::Vector2f b, sf::Color c, float thickness)
{
    if (!t)
        return;
    if (thickness <= 1.f) {
        const sf::Vertex v[2] = {sf::Vertex(a, c), sf::Vertex(b, c)};
        t->draw(v, 2, sf::Lines);
        return;
    }
    const sf::Vector2f d = b - a;
    const float n = std::sqrt(d.x * d.x + d.y * d.y);
    if (n <= 0.f)
        return;
    const sf::Vector2f p(-d.y / n * thickness / 2, d.x / n * thickness / 2);
    const sf::Vertex v[4] = {sf::Vertex(a + p, c), sf::Vertex(b + p, c), sf::Vertex(b - p, c),
                             sf::Vertex(a - p, c)};
    t->draw(v, 4, sf::Quads);
}

bool CPLUX::isKeyCtrlPress()
{
    if (etat().modifsForces)
        return etat().ctrl;
    return sf::Keyboard::isKeyPressed(sf::Keyboard::LControl) || sf::Keyboard::isKeyPressed(sf::Keyboard::RControl);
}
bool CPLUX::isKeyShiftPress()
{
    if (etat().modifsForces)
        return etat().shift;
    return sf::Keyboard::isKeyPressed(sf::Keyboard::LShift) || sf::Keyboard::isKeyPressed(sf::Keyboard::RShift);
}
bool CPLUX::isKeyAltPress()
{
    if (etat().modifsForces)
        return etat().alt;
    return sf::Keyboard::isKeyPressed(sf::Keyboard::LAlt) || sf::Keyboard::isKeyPressed(sf::Keyboard::RAlt);
}
void CPLUX::setModifiersOverride(bool actif, bool ctrl, bool shift, bool alt)
{
    Etat& e = etat();
    e.modifsForces = actif;
    e.ctrl = ctrl;
    e.shift = shift;
    e.alt = alt;
}

void CPLUX::setTextTI(CPLUXDialog* d, const std::string& id, const std::string& text)
{
    if (CPLUXControlTextInput* c = d ? d->ctrlTextInput(id) : nullptr)
        c->setText(text);
}
void CPLUX::setTextTI(CPLUXDialog* d, const std::string& id, const char* text)
{
    setTextTI(d, id, std::string(text ? text : ""));
}
void CPLUX::setTextTI(CPLUXDialog* d, const std::string& id, const std::wstring& text)
{
    if (CPLUXControlTextInput* c = d ? d->ctrlTextInput(id) : nullptr)
        c->setText(text);
}
void CPLUX::setTextTI(CPLUXDialog* d, const std::string& id, const wchar_t* text)
{
    setTextTI(d, id, std::wstring(text ? text : L""));
}

std::string CPLUX::getFocusId() { return dialogfocus ? dialogfocus->getId() : std::string(); }

// Focus, lifetime ------------------------------------------------------------------------------------------

void CPLUX::dialogueCree(CPLUXDialog* d) { etat().vivants.insert(d); }

bool CPLUX::estVivant(const CPLUXDialog* d) { return d && etat().vivants.count(d) > 0; }

void CPLUX::dialogueDetruit(CPLUXDialog* d)
{
    Etat& e = etat();
    e.vivants.erase(d);
    e.registre.erase(std::remove(e.registre.begin(), e.registre.end(), d), e.registre.end());
    for (auto it = dialoglist.begin(); it != dialoglist.end();)
        it = it->second == d ? dialoglist.erase(it) : std::next(it);
    e.bibliotheque.erase(d);
    e.boites.erase(std::remove(e.boites.begin(), e.boites.end(), d), e.boites.end());
    e.dialoguesASupprimer.erase(std::remove(e.dialoguesASupprimer.begin(), e.dialoguesASupprimer.end(), d),
                                e.dialoguesASupprimer.end());
    // Boxes of a destroyed owner stay open but nobody hears their answer.
    for (CPLUXMessageBox* b : e.boites)
        if (b->getOwnerDialog() == d)
            b->oublierProprietaire();
    if (e.boiteAuClavier == d)
        e.boiteAuClavier = nullptr;
    if (dialogfocus == d)
        dialogfocus = nullptr;
    if (pCtrlFocus && pCtrlFocus->getParent() == d)
        pCtrlFocus = nullptr;
    if (e.clavier && e.clavier->getParent() == d)
        e.clavier = nullptr;
    if (e.combo && e.combo->getParent() == d)
        e.combo = nullptr;
    if (e.survolD == d) {
        e.survolD = nullptr;
        e.survolC = nullptr;
    }
    for (Appui& a : e.appuis)
        if (a.d == d)
            a = Appui();
    if (e.dGlisse == d) {
        e.dGlisse = nullptr;
        e.glisse = Glisse::Aucun;
    }
    if (e.dBoutonTitre == d) {
        e.dBoutonTitre = nullptr;
        e.boutonTitre = nullptr;
    }
    if (pTB == d)
        pTB = nullptr;
}

void CPLUX::controleRetire(CPLUXControl* c)
{
    Etat& e = etat();
    if (!c) {
        // A dialog was hidden: focus and popups of dialogs no longer shown go away.
        if (e.clavier && (!e.clavier->getParent() || !e.clavier->getParent()->estAffiche()))
            setKeyboardFocus(nullptr);
        if (e.combo && (!e.combo->getParent() || !e.combo->getParent()->estAffiche()))
            fermerCombo();
        return;
    }
    if (e.clavier == c)
        e.clavier = nullptr;
    if (pCtrlFocus == c)
        pCtrlFocus = nullptr;
    if (e.survolC == c)
        e.survolC = nullptr;
    if (e.combo == c)
        e.combo = nullptr;
    for (Appui& a : e.appuis)
        if (a.c == c)
            a = Appui();
    if (e.boutonTitre == c) {
        e.boutonTitre = nullptr;
        e.dBoutonTitre = nullptr;
    }
}

void CPLUX::supprimerPlusTard(CPLUXControl* c)
{
    if (!c)
        return;
    if (etat().profondeur == 0)
        delete c;
    else
        etat().controlesASupprimer.push_back(c);
}

void CPLUX::supprimerPlusTard(CPLUXDialog* d)
{
    Etat& e = etat();
    if (!d)
        return;
    // Out of the registry at once; the object itself waits until no handler runs.
    e.registre.erase(std::remove(e.registre.begin(), e.registre.end(), d), e.registre.end());
    for (auto it = dialoglist.begin(); it != dialoglist.end();)
        it = it->second == d ? dialoglist.erase(it) : std::next(it);
    if (e.profondeur == 0)
        delete d;
    else if (std::find(e.dialoguesASupprimer.begin(), e.dialoguesASupprimer.end(), d) ==
             e.dialoguesASupprimer.end())
        e.dialoguesASupprimer.push_back(d);
}

void CPLUX::entrerDispatch() { ++etat().profondeur; }

void CPLUX::sortirDispatch()
{
    Etat& e = etat();
    if (e.profondeur > 0 && --e.profondeur == 0) {
        ++e.profondeur;
        purger();
        --e.profondeur;
        // Deleting may not add more work at depth 0, but be thorough.
        purger();
    }
}

sf::Vector2i CPLUX::getMousePosition() { return etat().souris; }

void CPLUX::setKeyboardFocus(CPLUXControl* c)
{
    Etat& e = etat();
    if (e.clavier == c)
        return;
    CPLUXControl* ancien = e.clavier;
    e.clavier = c;
    if (ancien)
        ancien->onKeyboardFocus(false);
    if (c && e.clavier == c)
        c->onKeyboardFocus(true);
}

CPLUXControl* CPLUX::getKeyboardFocus() { return etat().clavier; }

void CPLUX::ouvrirCombo(CPLUXControlComboBox* c)
{
    if (etat().combo == c)
        return;
    fermerCombo();
    etat().combo = c;
}

void CPLUX::fermerCombo() { etat().combo = nullptr; }

CPLUXControlComboBox* CPLUX::getComboOuvert() { return etat().combo; }

bool CPLUX::estPresse(const CPLUXControl* c)
{
    const Etat& e = etat();
    return c && ((e.appuis[0].actif && e.appuis[0].c == c) || e.boutonTitre == c);
}

sf::Vector2u CPLUX::tailleSurface() { return surface ? surface->getSize() : sf::Vector2u(800, 600); }

void CPLUX::ajouterAuPremierPlan(CPLUXDialog* d, int dessusHandle)
{
    auto& r = etat().registre;
    auto it = std::find(r.begin(), r.end(), d);
    if (it == r.end())
        return;
    r.erase(it);
    if (dessusHandle != 0) {
        for (auto j = r.begin(); j != r.end(); ++j)
            if ((*j)->getHwnd() == dessusHandle) {
                r.insert(j + 1, d);
                return;
            }
    }
    r.push_back(d);
}

void CPLUX::changerFocusDialogue(CPLUXDialog* d)
{
    // Only registered dialogs take the focus (not the toolbar, not a box).
    if (dialogfocus == d || (d && (d->getHwnd() == 0 || getDialog(d->getHwnd()) != d)))
        return;
    CPLUXDialog* ancien = dialogfocus;
    dialogfocus = d;
    if (ancien && estVivant(ancien))
        ancien->onFocusOff();
    if (d && estVivant(d) && dialogfocus == d)
        d->onFocusOn();
}

bool CPLUX::isInput()
{
    const Etat& e = etat();
    if (e.boiteAuClavier)
        return true;
    return clavierUtilisable();
}

bool CPLUX::isMouseOverDialog() { return surGui(etat().sourisPush); }

// Events ------------------------------------------------------------------------------------------------

bool CPLUX::pushEvent(const sf::Event& ev)
{
    Etat& e = etat();
    // While the window is in the background the program may not run update: keep the
    // queue bounded by forgetting the oldest events.
    if (e.file.size() >= 4096) {
        e.file.pop_front();
        ++e.numeroTete;
    }
    e.file.push_back(ev);
    switch (ev.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
    case sf::Event::TextEntered:
        return isInput();
    case sf::Event::MouseButtonPressed: {
        e.sourisPush = {ev.mouseButton.x, ev.mouseButton.y};
        const int b = indexBouton(ev.mouseButton.button);
        const bool pris = surGui(e.sourisPush) || glisseEnCours() ||
                          e.boutonsPrisPush[0] || e.boutonsPrisPush[1] || e.boutonsPrisPush[2];
        if (b >= 0 && pris)
            e.boutonsPrisPush[b] = true;
        return pris;
    }
    case sf::Event::MouseButtonReleased: {
        e.sourisPush = {ev.mouseButton.x, ev.mouseButton.y};
        const int b = indexBouton(ev.mouseButton.button);
        bool pris = surGui(e.sourisPush) || glisseEnCours();
        if (b >= 0) {
            pris = pris || e.boutonsPrisPush[b];
            e.boutonsPrisPush[b] = false;
        }
        return pris;
    }
    case sf::Event::MouseWheelScrolled:
        e.sourisPush = {ev.mouseWheelScroll.x, ev.mouseWheelScroll.y};
        return surGui(e.sourisPush);
    case sf::Event::MouseMoved:
        e.sourisPush = {ev.mouseMove.x, ev.mouseMove.y};
        return glisseEnCours() || e.boutonsPrisPush[0] || e.boutonsPrisPush[1] || e.boutonsPrisPush[2];
    default:
        return false;
    }
}

namespace {

void finirGlisses()
{
    Etat& e = etat();
    for (Appui& a : e.appuis) {
        if (a.actif && a.c)
            a.c->onMouseRelease();
        a = Appui();
    }
    if (e.boutonTitre)
        e.boutonTitre->onMouseRelease();
    e.boutonTitre = nullptr;
    e.dBoutonTitre = nullptr;
    e.glisse = Glisse::Aucun;
    e.dGlisse = nullptr;
    for (bool& b : e.boutonsPrisPush)
        b = false;
    CPLUX::fermerCombo();
}

void appuiDansDialogue(CPLUXDialog* d, int b, sf::Vector2i p, sf::RenderWindow* w)
{
    Etat& e = etat();
    if (b == 0 && !d->onDialogPressLeft(w, p.x, p.y))
        return;
    if (b == 1)
        d->onDialogPressRight(w, p.x, p.y);
    if (!CPLUX::estVivant(d))
        return;
    if (b == 0) {
        if (CPLUXControlButton* bt = d->boutonTitreSous(p.x, p.y)) {
            if (bt->isActive()) {
                e.boutonTitre = bt;
                e.dBoutonTitre = d;
                bt->onMousePressLeft(w, p.x, p.y, d);
            }
            return;
        }
        if (d->dansTitre(p.x, p.y)) {
            if (d->isDeplacable()) {
                e.glisse = Glisse::Deplacement;
                e.dGlisse = d;
                e.origineGlisse = p;
                e.positionDepart = d->getPosition();
            }
            return;
        }
        if (d->dansPoignee(p.x, p.y)) {
            e.glisse = Glisse::Redimension;
            e.dGlisse = d;
            e.origineGlisse = p;
            e.tailleDepart = {d->getWidth(), d->getHeight()};
            return;
        }
    } else if (d->dansTitre(p.x, p.y)) {
        return;
    }
    CPLUXControl* c = d->controleSous(p.x, p.y);
    if (!c) {
        if (b == 0)
            CPLUX::setKeyboardFocus(nullptr);
        return;
    }
    if (!c->isActive())
        return;
    if (c->isFocusable())
        CPLUX::pCtrlFocus = c;
    if (b == 0)
        CPLUX::setKeyboardFocus(c->isTextInput() ? c : nullptr);
    Appui& a = e.appuis[b];
    a.actif = true;
    a.nouveau = true;
    a.d = d;
    a.c = c;
    a.dernier = p;
    c->setDragDelta({0, 0});
    if (b == 0) {
        const float lx = static_cast<float>(p.x - d->getLeft()) - c->getLeft();
        const float ly = static_cast<float>(p.y - d->getTop()) - c->getTop();
        c->modeGlisse = c->isResizable() ? c->modeRedimension(lx, ly) : 0;
        c->onMousePressLeft(w, p.x, p.y, d);
        if (!CPLUX::estVivant(d) || !e.appuis[0].actif)
            return;
        d->onPressLeft(w, p.x, p.y, c);
        if (!CPLUX::estVivant(d) || !e.appuis[0].actif)
            return;
        if (d->aCallback())
            d->appelerCallback(c, 0);
    } else if (b == 1) {
        c->onMousePressRight(w, p.x, p.y, d);
        if (!CPLUX::estVivant(d) || !e.appuis[1].actif)
            return;
        d->onPressRight(w, p.x, p.y, c);
    } else {
        d->onPressMiddle(w, p.x, p.y, c);
    }
}

void traiterAppui(int b, sf::Vector2i p, sf::RenderWindow* w)
{
    Etat& e = etat();
    if (e.combo) {
        CPLUXControlComboBox* combo = e.combo;
        if (b == 0 && dansListeOuverte(p))
            combo->pressionListe(p.x, p.y);
        else
            CPLUX::fermerCombo();
        e.sourisPrise = true;
        return;
    }
    CPLUXDialog* d = coucheSous(p);
    // A press made before a box opened neither answers it nor takes the keyboard from it.
    if (e.boiteAuClavier && d != e.boiteAuClavier && !e.boiteAuClavier->estAnterieur(e.numeroEnCours))
        e.boiteAuClavier = nullptr;
    if (!d) {
        CPLUX::setKeyboardFocus(nullptr);
        // The colour editor is a popup: a press outside every dialog closes it as well.
        if (CPLUXDialogCouleur* editeur = CPLUXDialogCouleur::getOuvert())
            CPLUXDialogCouleur::oublier(editeur->getCible());
        return;
    }
    e.sourisPrise = true;
    const bool estBoite = std::find(e.boites.begin(), e.boites.end(), d) != e.boites.end();
    if (estBoite && static_cast<CPLUXMessageBox*>(d)->estAnterieur(e.numeroEnCours))
        return;
    if (estBoite)
        e.boiteAuClavier = static_cast<CPLUXMessageBox*>(d);
    if (!estBoite && d != CPLUX::pTB) {
        CPLUX::ajouterAuPremierPlan(d);
        CPLUX::changerFocusDialogue(d);
        if (!CPLUX::estVivant(d))
            return;
    }
    appuiDansDialogue(d, b, p, w);
}

void traiterRelache(int b, sf::Vector2i p, sf::RenderWindow* w)
{
    Etat& e = etat();
    if (b == 0) {
        if (e.boutonTitre) {
            CPLUXControlButton* bt = e.boutonTitre;
            CPLUXDialog* d = e.dBoutonTitre;
            e.boutonTitre = nullptr;
            e.dBoutonTitre = nullptr;
            bt->onMouseRelease();
            if (CPLUX::estVivant(d) && bt->contient(p.x, p.y)) {
                if (bt->getId() == "btnClose")
                    d->close(0);
                else
                    d->hide();
            }
        }
        e.glisse = Glisse::Aucun;
        e.dGlisse = nullptr;
    }
    Appui a = e.appuis[b];
    e.appuis[b] = Appui();
    if (!a.actif || !CPLUX::estVivant(a.d) || !a.c)
        return;
    if (a.c->contient(p.x, p.y)) {
        if (b == 0)
            a.c->onMouseClickLeft(w, p.x, p.y, a.d);
        else if (b == 1)
            a.c->onMouseClickRight(w, p.x, p.y, a.d);
    }
    // The control may have been removed by the click handler (deletion waits for the update).
    if (b == 0)
        a.c->onMouseRelease();
}

void traiterMouvement(sf::Vector2i p)
{
    Etat& e = etat();
    if (e.glisse == Glisse::Deplacement && CPLUX::estVivant(e.dGlisse)) {
        CPLUXDialog* d = e.dGlisse;
        const sf::Vector2i avant = d->getPosition();
        const sf::Vector2i apres = e.positionDepart + (p - e.origineGlisse);
        if (avant != apres) {
            d->setPosition(apres.x, apres.y);
            d->onMove(avant.x - apres.x, avant.y - apres.y);
        }
    } else if (e.glisse == Glisse::Redimension && CPLUX::estVivant(e.dGlisse)) {
        const sf::Vector2i t = e.tailleDepart + (p - e.origineGlisse);
        e.dGlisse->redimensionnerUtilisateur(t.x, t.y);
    }
    if (e.appuis[0].actif && e.appuis[0].c && CPLUX::estVivant(e.appuis[0].d))
        e.appuis[0].c->onMouseDrag(p.x, p.y);
}

void traiterMolette(int delta, sf::Vector2i p)
{
    Etat& e = etat();
    if (e.combo) {
        if (dansListeOuverte(p)) {
            e.combo->molletteListe(delta);
            e.sourisPrise = true;
        }
        return;
    }
    CPLUXDialog* d = coucheSous(p);
    if (!d)
        return;
    e.sourisPrise = true;
    CPLUXControl* c = d->controleSous(p.x, p.y);
    if (c && !c->isActive())
        c = nullptr;
    if (c)
        c->onMouseWheel(delta, d);
    if (CPLUX::estVivant(d))
        d->onMouseWheel(delta, c);
}

void traiterTouche(const sf::Event::KeyEvent& k)
{
    Etat& e = etat();
    // A key pressed before the box opened is no answer: it goes where it would have gone.
    CPLUXMessageBox* b = e.boiteAuClavier;
    if (b && !b->estAnterieur(e.numeroEnCours)) {
        if (k.code == sf::Keyboard::Return || k.code == sf::Keyboard::Escape) {
            b->onKeyPress(k);
            return;
        }
        if (e.clavier && e.clavier->getParent() == b)
            e.clavier->onKey(k);
        return;
    }
    if (b && e.clavier && e.clavier->getParent() == b)
        return;
    if (e.clavier && !clavierUtilisable())
        CPLUX::setKeyboardFocus(nullptr);
    if (e.clavier) {
        // A key the field has no use for goes to the field's dialog.
        CPLUXDialog* d = e.clavier->getParent();
        if (!e.clavier->onKey(k) && estDialogueAffiche(d))
            d->onKeyPress(k);
        return;
    }
    if (estDialogueAffiche(CPLUX::dialogfocus))
        CPLUX::dialogfocus->onKeyPress(k);
}

void traiterTexte(sf::Uint32 code)
{
    Etat& e = etat();
    const CPLUXMessageBox* b = e.boiteAuClavier;
    const bool champDeLaBoite = b && e.clavier && e.clavier->getParent() == b;
    if (b && (b->estAnterieur(e.numeroEnCours) ? champDeLaBoite : !champDeLaBoite))
        return;
    if (clavierUtilisable())
        e.clavier->onTextEntered(code);
}

void garderDansFenetre(sf::Vector2u t)
{
    std::vector<CPLUXDialog*> tous = etat().registre;
    tous.insert(tous.end(), etat().boites.begin(), etat().boites.end());
    for (CPLUXDialog* d : tous) {
        int x = std::min(d->getLeft(), static_cast<int>(t.x) - d->getWidth());
        int y = std::min(d->getTop(), static_cast<int>(t.y) - d->getOuterHeight());
        x = std::max(0, x);
        y = std::max(0, y);
        if (x != d->getLeft() || y != d->getTop())
            d->setPosition(x, y);
    }
}

void traiterEvenement(const sf::Event& ev, sf::RenderWindow* w)
{
    Etat& e = etat();
    CPLUXDialog* f = CPLUX::dialogfocus;
    if (estDialogueAffiche(f) && f->events(ev))
        return;
    switch (ev.type) {
    case sf::Event::MouseButtonPressed: {
        e.souris = {ev.mouseButton.x, ev.mouseButton.y};
        const int b = indexBouton(ev.mouseButton.button);
        if (b >= 0)
            traiterAppui(b, e.souris, w);
        break;
    }
    case sf::Event::MouseButtonReleased: {
        e.souris = {ev.mouseButton.x, ev.mouseButton.y};
        const int b = indexBouton(ev.mouseButton.button);
        if (b >= 0)
            traiterRelache(b, e.souris, w);
        break;
    }
    case sf::Event::MouseMoved:
        e.souris = {ev.mouseMove.x, ev.mouseMove.y};
        traiterMouvement(e.souris);
        break;
    case sf::Event::MouseWheelScrolled:
        e.souris = {ev.mouseWheelScroll.x, ev.mouseWheelScroll.y};
        if (ev.mouseWheelScroll.wheel == sf::Mouse::VerticalWheel)
            traiterMolette(static_cast<int>(std::lround(ev.mouseWheelScroll.delta)), e.souris);
        break;
    case sf::Event::KeyPressed:
        traiterTouche(ev.key);
        break;
    case sf::Event::TextEntered:
        traiterTexte(ev.text.unicode);
        break;
    case sf::Event::LostFocus:
        finirGlisses();
        break;
    case sf::Event::Resized:
        finirGlisses();
        garderDansFenetre({ev.size.width, ev.size.height});
        break;
    default:
        break;
    }
}

// One onClic step per update for each button held since an earlier update.
void pasDeGlisse(sf::RenderWindow* w)
{
    Etat& e = etat();
    for (int b = 0; b < 3; ++b) {
        Appui& a = e.appuis[b];
        if (!a.actif)
            continue;
        if (a.nouveau) {
            a.nouveau = false;
            continue;
        }
        if (!CPLUX::estVivant(a.d) || !a.c)
            continue;
        const sf::Vector2i delta = e.souris - a.dernier;
        a.dernier = e.souris;
        CPLUXDialog* d = a.d;
        CPLUXControl* c = a.c;
        c->setDragDelta({static_cast<float>(delta.x), static_cast<float>(delta.y)});
        if (b == 0)
            d->onClicLeft(w, e.souris.x, e.souris.y, c);
        else if (b == 1)
            d->onClicRight(w, e.souris.x, e.souris.y, c);
        else
            d->onClicMiddle(w, e.souris.x, e.souris.y, c);
    }
}

void survol(sf::RenderWindow* w)
{
    Etat& e = etat();
    const sf::Vector2i p = e.souris;
    CPLUXDialog* d = p.x < 0 ? nullptr : coucheSous(p);
    // No hover for others while a control is being dragged.
    const Appui& a = e.appuis[0];
    if (a.actif && a.c && (d ? d->controleSous(p.x, p.y) : nullptr) != a.c)
        return;
    if (d != e.survolD) {
        CPLUXDialog* ancien = e.survolD;
        CPLUXControl* ancienC = e.survolC;
        e.survolD = d;
        e.survolC = nullptr;
        if (ancien && CPLUX::estVivant(ancien)) {
            if (ancienC) {
                ancien->onMouseOut(w, p.x, p.y, ancienC);
                if (e.survolD == d)
                    ancienC->onFocusOut();
            }
            if (CPLUX::estVivant(ancien))
                ancien->onDialogOut();
        }
    }
    if (!d || !CPLUX::estVivant(d) || e.survolD != d)
        return;
    d->onDialogIn(w, p.x, p.y);
    if (!CPLUX::estVivant(d))
        return;
    CPLUXControl* c = d->controleSous(p.x, p.y);
    if (c != e.survolC) {
        CPLUXControl* ancienC = e.survolC;
        e.survolC = c;
        // Focus follows the mouse unless the dialog drives it itself (the pad in the lobby).
        if (c && d->isFocusMouseOn() && c->isFocusable() && c->isActive() && d == CPLUX::dialogfocus)
            CPLUX::pCtrlFocus = c;
        if (ancienC) {
            d->onMouseOut(w, p.x, p.y, ancienC);
            if (!CPLUX::estVivant(d))
                return;
            ancienC->onFocusOut();
        }
    }
    if (c && e.survolC == c) {
        d->onMouseIn(w, p.x, p.y, c);
        if (CPLUX::estVivant(d) && e.survolC == c)
            c->onMouseOn(w, p.x, p.y, d);
    }
}

void images(void)
{
    Etat& e = etat();
    // The registry as it stood: onFrame may open, close or reorder dialogs. The copy reuses the
    // buffer of the frames before, unless an onFrame runs the library's update in its turn.
    std::vector<CPLUXDialog*> local;
    std::vector<CPLUXDialog*>& copie = e.imagesEnCours ? local : e.copieImages;
    copie = e.registre;
    const bool dehors = !e.imagesEnCours;
    e.imagesEnCours = true;
    for (CPLUXDialog* d : copie)
        if (CPLUX::estVivant(d) && d->estAffiche())
            d->onFrame();
    if (dehors)
        e.imagesEnCours = false;
}

void manettes()
{
    Etat& e = etat();
    CPLUXDialog* d = CPLUX::dialogfocus;
    if (!estDialogueAffiche(d) || !sf::Joystick::isConnected(0))
        return;
    typedef void (CPLUXDialog::*Slot)(int);
    static const Slot boutons[8] = {&CPLUXDialog::onJoystickBtnARelease,    &CPLUXDialog::onJoystickBtnBRelease,
                                    &CPLUXDialog::onJoystickBtnXRelease,    &CPLUXDialog::onJoystickBtnYRelease,
                                    &CPLUXDialog::onJoystickBtnLBRelease,   &CPLUXDialog::onJoystickBtnRBRelease,
                                    &CPLUXDialog::onJoystickBtnBackRelease, &CPLUXDialog::onJoystickBtnStartRelease};
    for (unsigned i = 0; i < 8; ++i) {
        const bool presse = sf::Joystick::isButtonPressed(0, i);
        const bool relache = e.padBoutons[i] && !presse;
        e.padBoutons[i] = presse;
        if (relache && CPLUX::estVivant(d))
            (d->*boutons[i])(0);
    }
    auto axe = [](sf::Joystick::Axis a, sf::Joystick::Axis b) {
        float v = sf::Joystick::getAxisPosition(0, a);
        if (std::fabs(v) <= 50.f && sf::Joystick::hasAxis(0, b))
            v = sf::Joystick::getAxisPosition(0, b);
        return v > 50.f ? 1 : (v < -50.f ? -1 : 0);
    };
    const int x = axe(sf::Joystick::X, sf::Joystick::PovX);
    const int y = axe(sf::Joystick::Y, sf::Joystick::PovY);
    if (x != e.padAxeX && x != 0 && CPLUX::estVivant(d))
        x < 0 ? d->onJoystickLeft(0) : d->onJoystickRight(0);
    if (y != e.padAxeY && y != 0 && CPLUX::estVivant(d))
        y < 0 ? d->onJoystickUp(0) : d->onJoystickDown(0);
    e.padAxeX = x;
    e.padAxeY = y;
}
} // namespace

namespace {
// The window rectangles that the shown dialogs from debut on, then the message boxes, paint
// whole with opaque pixels (frame, title bar, body). A translucent background, the toolbar
// (no frame) and a degenerate size count for nothing.
std::vector<sf::FloatRect> rectsOpaques(const std::vector<CPLUXDialog*>& dialogues, size_t debut,
                                        const std::vector<CPLUXMessageBox*>& boites)
{
    std::vector<sf::FloatRect> r;
    auto ajouter = [&](const CPLUXDialog* d) {
        if (CPLUX::estVivant(d) && d->estAffiche() && d != CPLUX::pTB && d->getColorFond().a == 255 &&
            d->getWidth() >= 2 && d->getHeight() >= 2)
            r.emplace_back(static_cast<float>(d->getLeft()), static_cast<float>(d->getTop()),
                           static_cast<float>(d->getWidth()), static_cast<float>(d->getOuterHeight()));
    };
    for (size_t i = debut; i < dialogues.size(); ++i)
        ajouter(dialogues[i]);
    for (const CPLUXMessageBox* b : boites)
        ajouter(b);
    return r;
}
} // namespace

bool CPLUX::update(sf::RenderWindow* w)
{
    Etat& e = etat();
    if (w)
        surface = w;
    entrerDispatch();
    e.sourisPrise = false;
    while (!e.file.empty()) {
        const sf::Event ev = e.file.front();
        e.file.pop_front();
        e.numeroEnCours = e.numeroTete++;
        traiterEvenement(ev, w);
    }
    pasDeGlisse(w);
    survol(w);
    images();
    if (w)
        manettes();
    if (auto* tb = dynamic_cast<CPLUXToolBar*>(pTB))
        tb->actualiser(tailleSurface());
    const bool prise = e.sourisPrise || glisseEnCours() || (e.souris.x >= 0 && surGui(e.souris));
    sortirDispatch();
    return prise;
}

void CPLUX::updateSansEntrees()
{
    entrerDispatch();
    images();
    sortirDispatch();
}

void CPLUX::refreshSurface()
{
    Etat& e = etat();
    if (!surface)
        return;
    sf::RenderWindow& w = *surface;
    const sf::View ancienne = w.getView();
    const sf::Vector2u t = w.getSize();
    w.setView(sf::View(sf::FloatRect(0, 0, static_cast<float>(t.x), static_cast<float>(t.y))));
    // What the dialogs and boxes above a dialog cover is left out: they paint over it.
    plux::Peintre& p = plux::peintre();
    const std::vector<CPLUXDialog*> copie = e.registre;
    for (size_t i = 0; i < copie.size(); ++i) {
        if (!estVivant(copie[i]) || !copie[i]->estAffiche())
            continue;
        p.definirCaches(rectsOpaques(copie, i + 1, e.boites));
        copie[i]->draw(surface, e.souris.x, e.souris.y, 0, 0);
    }
    p.definirCaches({});
    if (e.combo && !(e.combo->estAffiche() && e.combo->getParent() && e.combo->getParent()->estAffiche()))
        fermerCombo(); // the program hid it while it was open
    if (e.combo) {
        e.combo->dessinerListe(p);
        p.vider(w);
    }
    for (CPLUXMessageBox* b : std::vector<CPLUXMessageBox*>(e.boites))
        if (estVivant(b) && b->estAffiche())
            b->draw(surface, e.souris.x, e.souris.y, 0, 0);
    if (e.consoleVisible) {
        float y = 4.f, largeur = 0.f;
        int derniere = -1;
        for (int i = 0; i < NB_LIGNES_CONSOLE; ++i) {
            e.consoleCache[i].definir(e.console[i], 12, plux::couleur::texteConsole);
            if (!e.console[i].empty()) {
                derniere = i;
                largeur = std::max(largeur, e.consoleCache[i].largeur());
            }
        }
        if (derniere >= 0) {
            p.rect({0, 0, largeur + 12, 8 + 15.f * (derniere + 1)}, plux::couleur::console);
            for (int i = 0; i <= derniere; ++i, y += 15.f)
                if (!e.console[i].empty())
                    p.texte(e.consoleCache[i], {6, y});
            p.vider(w);
        }
    }
    if (estDialogueAffiche(pTB))
        pTB->draw(surface, e.souris.x, e.souris.y, 0, 0);
    w.setView(ancienne);
}
