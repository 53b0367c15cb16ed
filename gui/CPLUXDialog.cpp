#include "gui/CPLUXDialog.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXControlTextInput.h"

#include <algorithm>
#include <cmath>
#include <iostream>

CPLUXDialog::CPLUXDialog()
{
    CPLUX::dialogueCree(this);
    btnClose_ = new CPLUXControlButton;
    btnClose_->symbole = 1;
    ajouter(btnClose_, "btnClose", 0, 0, 20, 19);
    btnMinimize_ = new CPLUXControlButton;
    btnMinimize_->symbole = 2;
    ajouter(btnMinimize_, "btnMinimize", 0, 0, 20, 19);
    placerBoutonsTitre();
}

CPLUXDialog::~CPLUXDialog()
{
    CPLUX::dialogueDetruit(this);
    for (CPLUXControl* c : controles_) {
        c->setParent(nullptr);
        CPLUX::supprimerPlusTard(c);
    }
    for (CPLUXControl* c : aSupprimer_)
        CPLUX::supprimerPlusTard(c);
}

// State ------------------------------------------------------------------------------------------

void CPLUXDialog::show()
{
    const bool etait = estAffiche();
    visible_ = true;
    minimise_ = false;
    if (!etait)
        onShow();
    if (!CPLUX::estVivant(this))
        return;
    CPLUX::ajouterAuPremierPlan(this);
    CPLUX::changerFocusDialogue(this);
    // Keep at least the title bar reachable inside the window.
    const sf::Vector2u t = CPLUX::tailleSurface();
    int x = x_, y = y_;
    if (x + l_ > static_cast<int>(t.x))
        x = static_cast<int>(t.x) - l_;
    if (y + getOuterHeight() > static_cast<int>(t.y))
        y = static_cast<int>(t.y) - getOuterHeight();
    setPosition(std::max(0, x), std::max(0, y));
}

void CPLUXDialog::show(int handle)
{
    show();
    if (CPLUX::estVivant(this))
        CPLUX::ajouterAuPremierPlan(this, handle);
}

void CPLUXDialog::signalerAffichage(bool etait)
{
    if (etait == estAffiche())
        return;
    if (etait) {
        CPLUX::controleRetire(nullptr);
        onHide();
    } else {
        onShow();
    }
}

void CPLUXDialog::hide()
{
    const bool etait = estAffiche();
    minimise_ = true;
    signalerAffichage(etait);
}

void CPLUXDialog::setVisible(bool v)
{
    const bool etait = estAffiche();
    visible_ = v;
    signalerAffichage(etait);
}

void CPLUXDialog::setMinimize(bool m)
{
    const bool etait = estAffiche();
    minimise_ = m;
    signalerAffichage(etait);
}

void CPLUXDialog::close(int code)
{
    onClose();
    if (!CPLUX::estVivant(this))
        return;
    // The owner hears of it only when it is a dialog still alive.
    auto* proprietaire = static_cast<CPLUXDialog*>(owner_);
    if (owner_ && CPLUX::estVivant(proprietaire))
        proprietaire->onCloseCB(getId());
    if (!CPLUX::estVivant(this))
        return;
    if (modeFermeture_ == 1) {
        hide();
    } else if (modeFermeture_ == 0 && estBibliotheque_) {
        setVisible(false);
        CPLUX::supprimerPlusTard(this);
    } else {
        setVisible(false);
    }
}

// Geometry ----------------------------------------------------------------------------------------

void CPLUXDialog::setTitle(const std::string& t) { titre_ = tuv::utf8toWStr(t); }
void CPLUXDialog::setTitle(const std::wstring& t) { titre_ = t; }
std::string CPLUXDialog::getTitle() const { return tuv::wstrToUtf8(titre_); }

void CPLUXDialog::setPosition(int x, int y)
{
    x_ = plux::bornerPosition(x);
    y_ = plux::bornerPosition(y);
}

void CPLUXDialog::Size(int w, int h)
{
    l_ = plux::bornerTaille(w);
    h_ = plux::bornerTaille(h);
    placerBoutonsTitre();
}

bool CPLUXDialog::contient(int x, int y) const
{
    return isInRect(x, y, x_, y_, l_, getOuterHeight());
}

void CPLUXDialog::setFermable(bool b) { btnClose_->setVisible(b && !sansTitre_); placerBoutonsTitre(); }
void CPLUXDialog::setMinimisable(bool b)
{
    btnMinimize_->setVisible(b && !sansTitre_);
    placerBoutonsTitre();
}
void CPLUXDialog::setSansTitre(bool b)
{
    sansTitre_ = b;
    if (b) {
        btnClose_->setVisible(false);
        btnMinimize_->setVisible(false);
    }
}

void CPLUXDialog::placerBoutonsTitre()
{
    float x = static_cast<float>(l_) - 24.f;
    btnClose_->setPosition(x, 3);
    if (btnClose_->isVisible())
        x -= 22.f;
    btnMinimize_->setPosition(x, 3);
    btnClose_->setAnchors(false, true, true, false);
    btnMinimize_->setAnchors(false, true, true, false);
}

void CPLUXDialog::setDialogCallback(PLUXCallback cb)
{
    callback_ = cb;
    callbackFichier_ = nullptr;
}

void CPLUXDialog::setDialogCallback(PLUXFileCallback cb)
{
    callbackFichier_ = cb;
    callback_ = nullptr;
}

void CPLUXDialog::appelerCallback(CPLUXControl* c, int code)
{
    if (callback_)
        callback_(owner_, this, c, code);
    else if (callbackFichier_)
        callbackFichier_(owner_, commeDialogFile(), c, code);
}

// Controls ----------------------------------------------------------------------------------------

CPLUXControl* CPLUXDialog::getControl(const std::string& id) const
{
    auto it = parId_.find(id);
    return it == parId_.end() ? nullptr : it->second;
}

namespace {
template <class T>
T* typer(CPLUXControl* c, std::initializer_list<CPLUXControl::Genre> genres)
{
    if (!c)
        return nullptr;
    for (auto g : genres)
        if (c->getGenre() == g)
            return static_cast<T*>(c);
    return nullptr;
}
} // namespace

CPLUXControlButton* CPLUXDialog::ctrlButton(const std::string& id) const
{
    return typer<CPLUXControlButton>(getControl(id), {CPLUXControl::GENRE_BOUTON});
}
CPLUXControlButtonCheck* CPLUXDialog::ctrlButtonCheck(const std::string& id) const
{
    return typer<CPLUXControlButtonCheck>(getControl(id), {CPLUXControl::GENRE_CASE});
}
CPLUXControlText* CPLUXDialog::ctrlText(const std::string& id) const
{
    return typer<CPLUXControlText>(getControl(id), {CPLUXControl::GENRE_TEXTE});
}
CPLUXControlTextInput* CPLUXDialog::ctrlTextInput(const std::string& id) const
{
    return typer<CPLUXControlTextInput>(getControl(id), {CPLUXControl::GENRE_SAISIE});
}
CPLUXControlList* CPLUXDialog::ctrlList(const std::string& id) const
{
    return typer<CPLUXControlList>(getControl(id), {CPLUXControl::GENRE_LISTE});
}
CPLUXControlComboBox* CPLUXDialog::ctrlComboBox(const std::string& id) const
{
    return typer<CPLUXControlComboBox>(getControl(id), {CPLUXControl::GENRE_COMBO});
}
CPLUXControlTab* CPLUXDialog::ctrlTab(const std::string& id) const
{
    return typer<CPLUXControlTab>(getControl(id), {CPLUXControl::GENRE_ONGLETS});
}

void CPLUXDialog::disableControl(const std::string& id)
{
    if (CPLUXControl* c = getControl(id))
        c->setActive(false);
}

void CPLUXDialog::enableControl(const std::string& id)
{
    if (CPLUXControl* c = getControl(id))
        c->setActive(true);
}

bool CPLUXDialog::isInRect(int x, int y, int rx, int ry, int w, int h)
{
    // In a wider type: the program may pass any rectangle.
    return rx <= x && x < static_cast<long long>(rx) + w && ry <= y && y < static_cast<long long>(ry) + h;
}

void CPLUXDialog::setCheckGroup(const std::string& id)
{
    CPLUXControlButtonCheck* cible = ctrlButtonCheck(id);
    if (!cible)
        return;
    cible->setCheck(true);
    if (cible->getGroup().empty())
        return;
    for (CPLUXControl* c : controles_)
        if (c != cible && c->getGenre() == CPLUXControl::GENRE_CASE && c->groupe == cible->getGroup())
            static_cast<CPLUXControlButtonCheck*>(c)->setCheck(false);
}

CPLUXControl* CPLUXDialog::ajouter(CPLUXControl* c, const std::string& id, float x, float y, float w, float h)
{
    c->setId(id);
    c->setPosition(x, y);
    c->setVisibleDimension(w, h);
    if (!addControl(c)) {
        delete c;
        return nullptr;
    }
    return c;
}

CPLUXControlButtonCheck* CPLUXDialog::addControlButtonCheck(const std::string& id, const std::string& label,
                                                            const std::string& imgOn,
                                                            const std::string& imgOff, int x, int y, int w,
                                                            int h, bool checked)
{
    auto* c = new CPLUXControlButtonCheck;
    c->setText(label);
    c->setImages(imgOn, imgOff);
    c->setCheck(checked);
    return static_cast<CPLUXControlButtonCheck*>(ajouter(c, id, x, y, w, h));
}

CPLUXControlText* CPLUXDialog::addControlText(const std::string& id, const std::string& text, int x, int y,
                                              int w, int h)
{
    return addControlText(id, tuv::utf8toWStr(text), x, y, w, h);
}

CPLUXControlText* CPLUXDialog::addControlText(const std::string& id, const std::wstring& text, int x, int y,
                                              int w, int h)
{
    auto* c = new CPLUXControlText;
    c->setText(text);
    return static_cast<CPLUXControlText*>(ajouter(c, id, x, y, w, h));
}

CPLUXControlButton* CPLUXDialog::addControlButton(const std::string& id, const std::string& text, int x, int y,
                                                  int w, int h)
{
    auto* c = new CPLUXControlButton;
    c->setText(text);
    return static_cast<CPLUXControlButton*>(ajouter(c, id, x, y, w, h));
}

CPLUXControlTextInput* CPLUXDialog::addControlTextInput(const std::string& id, const std::string& text, int x,
                                                        int y, int w, int h)
{
    auto* c = new CPLUXControlTextInput;
    c->setSendEventOnChange(false);
    c->setText(text);
    c->setSendEventOnChange(true);
    return static_cast<CPLUXControlTextInput*>(ajouter(c, id, x, y, w, h));
}

bool CPLUXDialog::addControl(CPLUXControl* c)
{
    if (!c)
        return false;
    // Anonymous controls (labels) share the empty id and stay out of the map.
    if (!c->getId().empty() && parId_.count(c->getId()))
        return false;
    c->setParent(this);
    controles_.push_back(c);
    if (!c->getId().empty())
        parId_[c->getId()] = c;
    return true;
}

void CPLUXDialog::addControlUser(CPLUXControl* c, const std::string& id)
{
    if (!c)
        return;
    c->setId(id);
    c->setUserCtrl(true);
    if (!addControl(c))
        std::cerr << "PLUX : contrôle " << id << " déjà présent dans " << id_ << ", non ajouté\n";
}

void CPLUXDialog::delControl(const std::string& id)
{
    CPLUXControl* c = getControl(id);
    if (!c || c == btnClose_ || c == btnMinimize_)
        return;
    parId_.erase(id);
    controles_.erase(std::remove(controles_.begin(), controles_.end(), c), controles_.end());
    for (CPLUXControl* autre : controles_) {
        if (autre->getTab() == c)
            autre->setTab(nullptr, 0), autre->setVisible(false);
        if (autre->getParentCtrl() == c)
            autre->setParentCtrl(nullptr);
        if (autre->getGenre() == CPLUXControl::GENRE_ENTETE_ONGLET &&
            static_cast<CPLUXControlTabHeader*>(autre)->tab == c)
            static_cast<CPLUXControlTabHeader*>(autre)->tab = nullptr;
        if (c->getGenre() == CPLUXControl::GENRE_ENTETE_ONGLET && autre->getGenre() == CPLUXControl::GENRE_ONGLETS)
            static_cast<CPLUXControlTab*>(autre)->oublierEntete(c);
    }
    CPLUX::controleRetire(c);
    c->oublierLibelle();
    c->setParent(nullptr);
    CPLUX::supprimerPlusTard(c);
}

std::vector<CPLUXControl*> CPLUXDialog::getTabOrder() const
{
    std::vector<CPLUXControl*> r;
    for (CPLUXControl* c : controles_)
        if (c->isTextInput() && c->estAffiche() && c->isActive())
            r.push_back(c);
    // Model order first, then the code-built ones top to bottom, left to right.
    std::stable_sort(r.begin(), r.end(), [](CPLUXControl* a, CPLUXControl* b) {
        const bool ma = a->indexModele >= 0, mb = b->indexModele >= 0;
        if (ma != mb)
            return ma;
        if (ma)
            return a->indexModele < b->indexModele;
        if (a->getTop() != b->getTop())
            return a->getTop() < b->getTop();
        return a->getLeft() < b->getLeft();
    });
    return r;
}

void CPLUXDialog::appliquerOrdreTab()
{
    // The order is computed on demand from the model order and geometry; nothing to store.
}

// Bound variables --------------------------------------------------------------------------------------

void CPLUXDialog::setMapVar(const std::string& name, std::string* v)
{
    if (v)
        variables_[name] = {Variable::STRING, v};
    else
        variables_.erase(name);
}
void CPLUXDialog::setMapVar(const std::string& name, float* v)
{
    if (v)
        variables_[name] = {Variable::FLOAT, v};
    else
        variables_.erase(name);
}
void CPLUXDialog::setMapVar(const std::string& name, int* v)
{
    if (v)
        variables_[name] = {Variable::INT, v};
    else
        variables_.erase(name);
}
void CPLUXDialog::setMapVar(const std::string& name, bool* v)
{
    if (v)
        variables_[name] = {Variable::BOOL, v};
    else
        variables_.erase(name);
}
void CPLUXDialog::setMapVar(const std::string& name, std::nullptr_t) { variables_.erase(name); }

namespace {
bool estListe(const CPLUXControl* c)
{
    return c->getGenre() == CPLUXControl::GENRE_LISTE || c->getGenre() == CPLUXControl::GENRE_COMBO ||
           c->getGenre() == CPLUXControl::GENRE_ZONE_TEXTE;
}
} // namespace

void CPLUXDialog::ecrireVariable(CPLUXControl* c)
{
    if (c->varNom.empty())
        return;
    auto it = variables_.find(c->varNom);
    if (it == variables_.end())
        return;
    const Variable& v = it->second;
    const bool coche = c->getGenre() == CPLUXControl::GENRE_CASE;
    const bool liste = estListe(c);
    auto* l = liste ? static_cast<CPLUXControlTextArea*>(c) : nullptr;
    auto* saisie = c->getGenre() == CPLUXControl::GENRE_SAISIE ? dynamic_cast<CPLUXControlTextInput*>(c) : nullptr;
    const std::string texte = l ? l->getTextSel() : c->getText();
    switch (v.type) {
    case Variable::STRING:
        *static_cast<std::string*>(v.ptr) =
            coche ? (static_cast<CPLUXControlButtonCheck*>(c)->isChecked() ? "1" : "0") : texte;
        break;
    // A number field's text goes by the fields' rule (CPLUXControlTextInput::lireNombre): a
    // text that is no number is refused and leaves the number as it was.
    case Variable::FLOAT:
        if (liste)
            *static_cast<float*>(v.ptr) = static_cast<float>(l->getNumSel());
        else if (saisie)
            saisie->lireNombre(*static_cast<float*>(v.ptr));
        else
            CPLUXControlTextInput::lireReel(texte, *static_cast<float*>(v.ptr));
        break;
    case Variable::INT:
        if (coche)
            *static_cast<int*>(v.ptr) = static_cast<CPLUXControlButtonCheck*>(c)->isChecked() ? 1 : 0;
        else if (liste)
            *static_cast<int*>(v.ptr) = l->getNumSel();
        else if (saisie)
            saisie->lireNombre(*static_cast<int*>(v.ptr));
        else
            CPLUXControlTextInput::lireEntier(texte, *static_cast<int*>(v.ptr));
        break;
    case Variable::BOOL:
        if (coche)
            *static_cast<bool*>(v.ptr) = static_cast<CPLUXControlButtonCheck*>(c)->isChecked();
        else
            *static_cast<bool*>(v.ptr) = (liste ? l->getNumSel() : tuv::stoi(tuv::delspaces(texte))) != 0;
        break;
    }
}

void CPLUXDialog::afficherVariables()
{
    // Refreshes can come by the thousand in a frame: nothing to walk without variables.
    if (variables_.empty())
        return;
    for (CPLUXControl* c : controles_) {
        if (c->varNom.empty())
            continue;
        auto it = variables_.find(c->varNom);
        if (it == variables_.end())
            continue;
        const Variable& v = it->second;
        std::string texte;
        bool b = false;
        int n = 0;
        switch (v.type) {
        case Variable::STRING:
            texte = *static_cast<std::string*>(v.ptr);
            b = texte == "1";
            n = tuv::stoi(texte);
            break;
        case Variable::FLOAT:
            texte = tuv::ftos(*static_cast<float*>(v.ptr));
            n = tuv::floatVersInt(*static_cast<float*>(v.ptr));
            b = n != 0;
            break;
        case Variable::INT:
            n = *static_cast<int*>(v.ptr);
            texte = tuv::itos(n);
            b = n != 0;
            break;
        case Variable::BOOL:
            b = *static_cast<bool*>(v.ptr);
            n = b ? 1 : 0;
            texte = b ? "1" : "0";
            break;
        }
        // Showing a value is not a change: no event of any kind.
        const bool envoi = c->isSendEventOnChange();
        c->setSendEventOnChange(false);
        if (c->getGenre() == CPLUXControl::GENRE_CASE) {
            static_cast<CPLUXControlButtonCheck*>(c)->setCheck(b);
        } else if (estListe(c)) {
            auto* l = static_cast<CPLUXControlTextArea*>(c);
            if (v.type == Variable::STRING)
                l->setStrSel(texte);
            else
                l->setNumSel(n);
        } else {
            c->setText(texte);
        }
        c->setSendEventOnChange(envoi);
    }
}

const sf::Font& CPLUXDialog::getFont() const { return plux::police(); }

// Events ------------------------------------------------------------------------------------------

void CPLUXDialog::signalerChangement(CPLUXControl* c)
{
    if (!c || !c->isSendEventOnChange() || c->enChangement)
        return;
    c->enChangement = true;
    CPLUX::entrerDispatch();
    ecrireVariable(c);
    c->leverChangement(this);
    // c outlives the handler even if it deleted the dialog: deletions wait for the dispatch.
    c->enChangement = false;
    CPLUX::sortirDispatch();
}

void CPLUXDialog::signalerEntree(CPLUXControlTextInput* c)
{
    if (!c)
        return;
    CPLUX::entrerDispatch();
    onCtrlInputEnterPress(c);
    CPLUX::sortirDispatch();
}

void CPLUXDialog::signalerSortie(CPLUXControlTextInput* c)
{
    if (!c)
        return;
    CPLUX::entrerDispatch();
    onCtrlInputLeave(c);
    CPLUX::sortirDispatch();
}

bool CPLUXDialog::onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    if (!c || (!c->isMovable() && !c->isResizable()))
        return true;
    const sf::Vector2f d = c->getDragDelta();
    if (d.x == 0 && d.y == 0)
        return true;
    if (c->isResizable() && c->modeGlisse != 0) {
        float w2 = c->getWidth(), h2 = c->getHeight();
        if (c->modeGlisse & 1)
            w2 = std::max(c->getTailleMinimale(), w2 + d.x);
        if (c->modeGlisse & 2)
            h2 = std::max(c->getTailleMinimale(), h2 + d.y);
        c->setVisibleDimension(w2, h2);
        onCtrlSizeChange(c);
    } else if (c->isMovable()) {
        c->setPosition(c->getLeft() + d.x, c->getTop() + d.y);
        onCtrlMove(c);
    }
    return true;
}

CPLUXControl* CPLUXDialog::controleSous(int x, int y) const
{
    for (auto it = controles_.rbegin(); it != controles_.rend(); ++it) {
        CPLUXControl* c = *it;
        if (c == btnClose_ || c == btnMinimize_ || !c->isVisible())
            continue;
        // Where the point falls first: whether a control shows asks its page and containers.
        CPLUXControl* sous = c->enfantSous(x, y);
        if (!sous && c->contient(x, y))
            sous = c;
        if (sous && c->estAffiche())
            return sous;
    }
    return nullptr;
}

CPLUXControlButton* CPLUXDialog::boutonTitreSous(int x, int y) const
{
    for (CPLUXControlButton* b : {btnClose_, btnMinimize_})
        if (b->isVisible() && b->contient(x, y))
            return b;
    return nullptr;
}

bool CPLUXDialog::dansTitre(int x, int y) const
{
    return !sansTitre_ && isInRect(x, y, x_, y_, l_, plux::HAUTEUR_TITRE);
}

bool CPLUXDialog::dansPoignee(int x, int y) const
{
    return redimensionnable_ && isInRect(x, y, x_ + l_ - 12, y_ + getOuterHeight() - 12, 12, 12);
}

void CPLUXDialog::redimensionnerUtilisateur(int w, int h)
{
    w = plux::bornerTaille(std::max(w, 80));
    h = plux::bornerTaille(std::max(h, 40));
    const float dw = static_cast<float>(w - l_), dh = static_cast<float>(h - h_);
    l_ = w;
    h_ = h;
    if (dw != 0 || dh != 0) {
        for (CPLUXControl* c : controles_) {
            if (c->getParentCtrl())
                continue; // moved by its container
            float x = c->getLeft(), y = c->getTop(), cw = c->getWidth(), ch = c->getHeight();
            if (c->getAnchor(2)) {
                if (c->getAnchor(0))
                    cw += dw;
                else
                    x += dw;
            }
            if (c->getAnchor(3)) {
                if (c->getAnchor(1))
                    ch += dh;
                else
                    y += dh;
            }
            if (x != c->getLeft() || y != c->getTop())
                c->setPosition(x, y);
            if (cw != c->getWidth() || ch != c->getHeight())
                c->setVisibleDimension(cw, ch);
        }
    }
    onResize(w, h);
}

// Pad focus -------------------------------------------------------------------------------------

namespace {
void deplacerFocus(CPLUXDialog* d, float dirX, float dirY)
{
    CPLUXControl* actuel = CPLUX::pCtrlFocus;
    if (actuel && actuel->getParent() != d)
        actuel = nullptr;
    sf::Vector2f depart(0, 0);
    if (actuel)
        depart = {actuel->getLeft() + actuel->getWidth() / 2, actuel->getTop() + actuel->getHeight() / 2};
    CPLUXControl* meilleur = nullptr;
    float meilleurScore = 0;
    for (CPLUXControl* c : d->getControls()) {
        if (c == actuel || !c->isFocusable() || !c->estAffiche() || !c->isActive() ||
            c->getId() == "btnClose" || c->getId() == "btnMinimize")
            continue;
        const sf::Vector2f p(c->getLeft() + c->getWidth() / 2, c->getTop() + c->getHeight() / 2);
        const float dx = p.x - depart.x, dy = p.y - depart.y;
        const float avance = dx * dirX + dy * dirY;
        if (actuel && avance <= 0)
            continue;
        const float lateral = std::fabs(dx * dirY) + std::fabs(dy * dirX);
        const float score = avance + 2 * lateral;
        if (!meilleur || score < meilleurScore) {
            meilleur = c;
            meilleurScore = score;
        }
    }
    if (meilleur)
        CPLUX::pCtrlFocus = meilleur;
}
} // namespace

void CPLUXDialog::onJoystickLeft(int pad) { deplacerFocus(this, -1, 0); }
void CPLUXDialog::onJoystickRight(int pad) { deplacerFocus(this, 1, 0); }
void CPLUXDialog::onJoystickUp(int pad) { deplacerFocus(this, 0, -1); }
void CPLUXDialog::onJoystickDown(int pad) { deplacerFocus(this, 0, 1); }

// Drawing ---------------------------------------------------------------------------------------

void CPLUXDialog::dessinerCadre(plux::Peintre& p)
{
    namespace c = plux::couleur;
    const float x = static_cast<float>(x_), y = static_cast<float>(y_);
    const float w = static_cast<float>(l_), h = static_cast<float>(getOuterHeight());
    // Each pixel is filled once: shadow strips, frame, title bar, then the body.
    p.rect({x + w, y + 3, 3, h}, sf::Color(0, 0, 0, 45));
    p.rect({x + 3, y + h, w - 3, 3}, sf::Color(0, 0, 0, 45));
    p.cadre({x, y, w, h}, c::bord);
    const float hTitre = sansTitre_ ? 0.f : static_cast<float>(plux::HAUTEUR_TITRE);
    p.rect({x + 1, y + hTitre + (sansTitre_ ? 1 : 0), w - 2, h - hTitre - (sansTitre_ ? 2 : 1)}, couleurFond_);
    if (!sansTitre_) {
        const sf::Color t = titreActif() ? c::titreActif : c::titreInactif;
        p.rect({x, y, w, hTitre - 1}, t);
        p.rect({x, y + hTitre - 1.f, w, 1}, plux::melange(t, sf::Color(0, 0, 0, 50)));
        cacheTitre_.definir(titre_, plux::TAILLE_TEXTE, c::texteTitre);
        if (!titre_.empty()) {
            const float lTitre = w - 8 - (btnClose_->isVisible() ? 24 : 0) - (btnMinimize_->isVisible() ? 22 : 0);
            p.texte(cacheTitre_, {x + 8, y + 4}, {x + 4, y, std::max(lTitre, 1.f), 25.f});
        }
    }
    if (redimensionnable_) {
        const float gx = x + w - 3, gy = y + h - 3;
        for (int i = 1; i <= 3; ++i)
            p.ligne({gx - 3.f * i, gy}, {gx, gy - 3.f * i}, c::bord, 1.f);
    }
}

bool CPLUXDialog::titreActif() const { return CPLUX::dialogfocus == this; }

void CPLUXDialog::dessinerControles(sf::RenderWindow* w, plux::Peintre& p)
{
    for (CPLUXControl* c : controles_) {
        if (!c->estAffiche())
            continue;
        if (c->isUserCtrl()) {
            // A program control draws straight into the window: what lies under it first.
            if (w)
                p.vider(*w);
            c->draw(w, x_, y_, this);
            continue;
        }
        c->draw(w, x_, y_, this);
        if (cadreFocus_ && c == CPLUX::pCtrlFocus) {
            const sf::FloatRect r = c->getRect();
            p.cadre({x_ + r.left - 2, y_ + r.top - 2, r.width + 4, r.height + 4}, plux::couleur::focus, 2.f);
        }
    }
}

void CPLUXDialog::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    plux::Peintre& p = plux::peintre();
    dessinerCadre(p);
    dessinerControles(w, p);
    if (w)
        p.vider(*w);
}
