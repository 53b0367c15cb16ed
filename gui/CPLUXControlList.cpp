#include "gui/CPLUXControlList.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXDialog.h"

#include <algorithm>

namespace {
constexpr float LARGEUR_BARRE = 10.f;
// The first column always keeps room for a short number, scroll bar shown or not.
constexpr float LARGEUR_COL1_MIN = 40.f;
constexpr float MARGE_TEXTE = 4.f;  // a column's text from its left edge
constexpr int LIGNES_LISTE_COMBO = 10;
} // namespace

std::wstring CPLUXControlTextArea::plux_utf8(const std::string& t) { return tuv::utf8toWStr(t); }

CPLUXControlTextArea::CPLUXControlTextArea() : editeur_(new CPLUXControlTextInput)
{
    editeur_->setId("saisieCol2");
    editeur_->setVisible(false);
    editeur_->listeProprietaire = this;
    // Shown (and taking keys) only while the list is.
    editeur_->setParentCtrl(this);
}

CPLUXControlTextArea::~CPLUXControlTextArea()
{
    if (CPLUX::getKeyboardFocus() == editeur_.get())
        CPLUX::controleRetire(editeur_.get());
    editeur_->listeProprietaire = nullptr;
}

void CPLUXControlTextArea::initFont(int size, sf::Color c)
{
    setTextSize(size);
    setTextColor(c);
}

void CPLUXControlTextArea::insertText(const std::string& c, const std::string& a, int n)
{
    insertText(tuv::utf8toWStr(c), tuv::utf8toWStr(a), n);
}

void CPLUXControlTextArea::insertText(const std::wstring& c, const std::wstring& a, int n)
{
    fermerEditeur();
    auto l = std::make_unique<Ligne>();
    l->c1 = c;
    l->c2 = a;
    l->aCol2 = true;
    size_t pos = n < 0 || n >= getNbElements() ? lignes_.size() : static_cast<size_t>(n) + 1;
    lignes_.insert(lignes_.begin() + static_cast<long>(pos), std::move(l));
    selectionner(static_cast<int>(pos));
}

void CPLUXControlTextArea::reset()
{
    fermerEditeur();
    for (std::unique_ptr<Ligne>& l : lignes_)
        libres_.push_back(std::move(l));
    lignes_.clear();
    col2EnAttente_.clear();
    sel_ = -1;
    premiere_ = 0;
}

std::unique_ptr<CPLUXControlTextArea::Ligne> CPLUXControlTextArea::ligneLibre()
{
    if (libres_.empty())
        return std::make_unique<Ligne>();
    std::unique_ptr<Ligne> l = std::move(libres_.back());
    libres_.pop_back();
    l->c1.clear();
    l->c2.clear();
    l->aCol2 = false;
    l->couleurPerso = false;
    l->couleur = sf::Color();
    l->textes.reset();
    return l;
}

void CPLUXControlTextArea::ajouter(std::unique_ptr<Ligne> l)
{
    if (!col2EnAttente_.empty()) {
        l->c2 = std::move(col2EnAttente_.front());
        l->aCol2 = true;
        col2EnAttente_.pop_front();
    }
    lignes_.push_back(std::move(l));
}

void CPLUXControlTextArea::AddElement(const std::wstring& t)
{
    std::unique_ptr<Ligne> l = ligneLibre();
    l->c1 = t;
    ajouter(std::move(l));
}

void CPLUXControlTextArea::AddElement(std::wstring&& t)
{
    std::unique_ptr<Ligne> l = ligneLibre();
    l->c1 = std::move(t);
    ajouter(std::move(l));
}

void CPLUXControlTextArea::ajouterUtf8(std::string_view t)
{
    std::unique_ptr<Ligne> l = ligneLibre();
    tuv::utf8versWStr(t, l->c1);
    ajouter(std::move(l));
}

// Column 2 before or after its row: the n-th texts of both columns end up together.
std::wstring* CPLUXControlTextArea::col2Libre()
{
    if (lignes_.empty() || lignes_.back()->aCol2 || !col2EnAttente_.empty())
        return nullptr;
    lignes_.back()->aCol2 = true;
    return &lignes_.back()->c2;
}

void CPLUXControlTextArea::AddElementCol2(const std::wstring& t)
{
    if (std::wstring* c2 = col2Libre())
        *c2 = t;
    else
        col2EnAttente_.push_back(t);
}

void CPLUXControlTextArea::AddElementCol2(std::wstring&& t)
{
    if (std::wstring* c2 = col2Libre())
        *c2 = std::move(t);
    else
        col2EnAttente_.push_back(std::move(t));
}

void CPLUXControlTextArea::ajouterCol2Utf8(std::string_view t)
{
    if (std::wstring* c2 = col2Libre())
        tuv::utf8versWStr(t, *c2);
    else
        col2EnAttente_.push_back(tuv::utf8toWStr(t));
}

void CPLUXControlTextArea::selectionner(int n)
{
    sel_ = n >= 0 && n < getNbElements() ? n : -1;
    if (sel_ >= 0) {
        // Keep the selection in view.
        const int v = std::max(1, lignesVisibles());
        if (sel_ < premiere_)
            premiere_ = sel_;
        else if (sel_ >= premiere_ + v)
            premiere_ = sel_ - v + 1;
    }
    limiterDefilement();
}

void CPLUXControlTextArea::signalerSelection()
{
    if (parent_)
        parent_->signalerChangement(this);
}

void CPLUXControlTextArea::setNumSel(int n)
{
    fermerEditeur();
    selectionner(n);
    signalerSelection();
}

void CPLUXControlTextArea::setStrSel(const std::wstring& t)
{
    const int n = getLine(t);
    if (n >= 0)
        setNumSel(n);
}

std::string CPLUXControlTextArea::getTextSel() const { return getText(sel_); }
std::string CPLUXControlTextArea::getTextSelCol2() const { return getTextCol2(sel_); }
std::wstring CPLUXControlTextArea::getTextSelW() const { return getTextW(sel_); }

std::string CPLUXControlTextArea::getText(int row) const { return tuv::wstrToUtf8(getTextW(row)); }
std::string CPLUXControlTextArea::getTextCol2(int row) const { return tuv::wstrToUtf8(getTextCol2W(row)); }

std::wstring CPLUXControlTextArea::getTextW(int row) const
{
    return row >= 0 && row < getNbElements() ? lignes_[static_cast<size_t>(row)]->c1 : std::wstring();
}

std::wstring CPLUXControlTextArea::getTextCol2W(int row) const
{
    return row >= 0 && row < getNbElements() ? lignes_[static_cast<size_t>(row)]->c2 : std::wstring();
}

void CPLUXControlTextArea::editElement(const std::wstring& t, int row)
{
    if (row >= 0 && row < getNbElements())
        lignes_[static_cast<size_t>(row)]->c1 = t;
}

void CPLUXControlTextArea::editElement2(const std::wstring& t, int row)
{
    if (row >= 0 && row < getNbElements()) {
        lignes_[static_cast<size_t>(row)]->c2 = t;
        lignes_[static_cast<size_t>(row)]->aCol2 = true;
    }
}

void CPLUXControlTextArea::delLine(int row)
{
    if (row < 0 || row >= getNbElements())
        return;
    fermerEditeur();
    lignes_.erase(lignes_.begin() + row);
    if (sel_ == row)
        sel_ = -1;
    else if (sel_ > row)
        --sel_;
    limiterDefilement();
}

int CPLUXControlTextArea::getLine(const std::wstring& t) const
{
    for (size_t i = 0; i < lignes_.size(); ++i)
        if (lignes_[i]->c1 == t)
            return static_cast<int>(i);
    return -1;
}

int CPLUXControlTextArea::getMouseOnLine() const
{
    const sf::Vector2i m = CPLUX::getMousePosition();
    if (!contient(m.x, m.y))
        return -1;
    return ligneSous(m.y);
}

void CPLUXControlTextArea::setScrollPosition(int row)
{
    premiere_ = row;
    limiterDefilement();
}

void CPLUXControlTextArea::setColor(sf::Color c, int row)
{
    if (row >= 0 && row < getNbElements()) {
        lignes_[static_cast<size_t>(row)]->couleur = c;
        lignes_[static_cast<size_t>(row)]->couleurPerso = true;
    }
}

sf::Color CPLUXControlTextArea::getColor(int row) const
{
    if (row < 0 || row >= getNbElements() || !lignes_[static_cast<size_t>(row)]->couleurPerso)
        return sf::Color::Transparent;
    return lignes_[static_cast<size_t>(row)]->couleur;
}

int CPLUXControlTextArea::lignesVisibles() const
{
    return std::max(0, static_cast<int>((rect_.height - 2) / hauteurLigne()));
}

void CPLUXControlTextArea::limiterDefilement()
{
    const int maxi = std::max(0, getNbElements() - lignesVisibles());
    premiere_ = std::max(0, std::min(premiere_, maxi));
}

int CPLUXControlTextArea::ligneSous(int yEcran) const
{
    const float ly = static_cast<float>(yEcran - getTopScreen()) - 1.f;
    if (ly < 0)
        return -1;
    const int n = premiere_ + static_cast<int>(ly / hauteurLigne());
    return n < getNbElements() && n - premiere_ < lignesVisibles() ? n : -1;
}

float CPLUXControlTextArea::largeurColonne2() const
{
    if (!col2Visible_)
        return 0.f;
    const float place = std::max(0.f, rect_.width - LARGEUR_COL1_MIN - LARGEUR_BARRE - 1);
    return std::min(static_cast<float>(largeurCol2_), place);
}

float CPLUXControlTextArea::largeurTexteCol2() const { return std::max(0.f, largeurColonne2() - 2 * MARGE_TEXTE); }

sf::FloatRect CPLUXControlTextArea::rectBarre(float ox, float oy) const
{
    return {ox + rect_.left + rect_.width - LARGEUR_BARRE - 1, oy + rect_.top + 1, LARGEUR_BARRE,
            rect_.height - 2};
}

bool CPLUXControlTextArea::editeurOuvert() const { return editeur_->isVisible(); }

void CPLUXControlTextArea::fermerEditeur()
{
    if (!editeur_->isVisible())
        return;
    editeur_->setVisible(false);
    ligneEditee_ = -1;
    if (CPLUX::getKeyboardFocus() == editeur_.get())
        CPLUX::setKeyboardFocus(nullptr);
}

CPLUXControl* CPLUXControlTextArea::enfantSous(int x, int y)
{
    if (editeur_->isVisible() && editeur_->getParent() && editeur_->contient(x, y))
        return editeur_.get();
    return nullptr;
}

void CPLUXControlTextArea::setPosition(float x, float y)
{
    fermerEditeur();
    CPLUXControl::setPosition(x, y);
}

bool CPLUXControlTextArea::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    const bool barre = getNbElements() > lignesVisibles() &&
                       x >= getLeftScreen() + rect_.width - LARGEUR_BARRE - 1;
    if (barre) {
        glisseBarre_ = true;
        onMouseDrag(x, y);
        return true;
    }
    const int n = ligneSous(y);
    const float col2 = largeurColonne2();
    const bool surCol2 = col2 > 0 && x >= getLeftScreen() + rect_.width - col2 -
                                              (getNbElements() > lignesVisibles() ? LARGEUR_BARRE : 0);
    if (n >= 0 && n == sel_ && surCol2 && !lectureSeule_) {
        // In-place editor over column 2 of the selected row; the dialog writes the cell.
        editeur_->setParent(d);
        const float h = hauteurLigne();
        const float largeur = rect_.width - (getNbElements() > lignesVisibles() ? LARGEUR_BARRE + 1 : 0);
        editeur_->setVisibleDimension(col2, h + 2);
        editeur_->setPosition(rect_.left + largeur - col2, rect_.top + (n - premiere_) * h);
        editeur_->setTextSize(static_cast<int>(tailleTexte_));
        editeur_->setSendEventOnChange(false);
        editeur_->setText(lignes_[static_cast<size_t>(n)]->c2);
        editeur_->setSendEventOnChange(true);
        editeur_->selectAll();
        editeur_->setVisible(true);
        ligneEditee_ = n;
        CPLUX::setKeyboardFocus(editeur_.get());
        return true;
    }
    fermerEditeur();
    if (n < 0 && !deselectionHorsLignes_)
        return true;
    if (n != sel_) {
        selectionner(n);
        signalerSelection();
    }
    return true;
}

void CPLUXControlTextArea::onMouseDrag(int x, int y)
{
    if (!glisseBarre_)
        return;
    const int total = getNbElements(), v = lignesVisibles();
    if (total <= v)
        return;
    const float fraction = (static_cast<float>(y - getTopScreen()) - 1.f) / std::max(1.f, rect_.height - 2);
    premiere_ = static_cast<int>(fraction * total - v / 2.f);
    limiterDefilement();
}

bool CPLUXControlTextArea::onMouseWheel(int delta, CPLUXDialog* d)
{
    fermerEditeur();
    premiere_ -= delta * 3;
    limiterDefilement();
    return true;
}

void CPLUXControlTextArea::dessinerLignes(plux::Peintre& p, sf::FloatRect r, int premiere, int n, int survol,
                                          bool barre)
{
    namespace c = plux::couleur;
    const float h = hauteurLigne();
    const float largeur = r.width - (barre ? LARGEUR_BARRE + 1 : 0);
    const float col2 = largeurColonne2();
    const float hTexte = static_cast<float>(tailleTexte_) * 1.2f;
    for (int i = premiere; i < premiere + n && i < getNbElements(); ++i) {
        Ligne& l = *lignes_[static_cast<size_t>(i)];
        const float y = r.top + (i - premiere) * h;
        const bool choisie = i == sel_;
        if (choisie)
            p.rect({r.left, y, largeur, h}, actif_ ? couleurSelection_ : c::texteInactif);
        else if (i == survol)
            p.rect({r.left, y, largeur, h}, couleurSurvol_);
        sf::Color coul = l.couleurPerso ? l.couleur : couleurTexteEffective();
        // White text on a solid selection; a light, translucent one keeps the row's colour.
        if (choisie && (!actif_ || couleurSelection_.a >= 128))
            coul = c::texteSelection;
        const float yt = y + (h - hTexte) / 2.f;
        Ligne::Textes& t = l.caches();
        t.t1.definir(l.c1, tailleTexte_, coul);
        if (!l.c1.empty())
            p.texte(t.t1, {r.left + 4, yt}, {r.left, y, largeur - col2 - 2, h});
        if (col2 > 0) {
            p.rect({r.left + largeur - col2, y, 1, h}, sf::Color(215, 217, 221));
            t.t2.definir(l.c2, tailleTexte_, coul);
            if (!l.c2.empty() && !(editeurOuvert() && i == ligneEditee_))
                p.texte(t.t2, {r.left + largeur - col2 + MARGE_TEXTE, yt}, {r.left + largeur - col2, y, col2, h});
        }
    }
}

void CPLUXControlTextArea::dessiner(plux::Peintre& p, float ox, float oy)
{
    namespace c = plux::couleur;
    const sf::FloatRect r = rectEcran(ox, oy);
    p.cadre(r, actif_ ? c::bord : sf::Color(190, 193, 198));
    p.rect({r.left + 1, r.top + 1, r.width - 2, r.height - 2}, actif_ ? c::champ : c::champInactif);
    const int v = lignesVisibles();
    const bool barre = getNbElements() > v;
    int survol = -1;
    if (actif_) {
        const sf::Vector2i m = CPLUX::getMousePosition();
        if (contient(m.x, m.y))
            survol = ligneSous(m.y);
    }
    dessinerLignes(p, {r.left + 1, r.top + 1, r.width - 2, r.height - 2}, premiere_, v, survol, barre);
    if (barre) {
        const sf::FloatRect b = rectBarre(ox, oy);
        p.rect(b, sf::Color(228, 230, 234));
        const float total = static_cast<float>(getNbElements());
        const float hPouce = std::max(12.f, b.height * v / total);
        const float yPouce = b.top + (b.height - hPouce) * premiere_ / std::max(1.f, total - v);
        p.rect({b.left + 2, yPouce, b.width - 4, hPouce}, sf::Color(160, 166, 176));
    }
}

void CPLUXControlTextArea::draw(sf::RenderWindow* w, int dialogLeft, int dialogTop, CPLUXDialog* d)
{
    CPLUXControl::draw(w, dialogLeft, dialogTop, d);
    if (editeur_->isVisible())
        editeur_->draw(w, dialogLeft, dialogTop, d);
}

void CPLUXControlList::leverChangement(CPLUXDialog* d) { d->onCtrlListChange(this); }

// Combo box -------------------------------------------------------------------------------------------

CPLUXControlComboBox::~CPLUXControlComboBox()
{
    if (CPLUX::getComboOuvert() == this)
        CPLUX::fermerCombo();
}

void CPLUXControlComboBox::leverChangement(CPLUXDialog* d) { d->onCtrlComboChange(this); }

void CPLUXControlComboBox::setRoll(bool ferme)
{
    if (ferme) {
        if (CPLUX::getComboOuvert() == this)
            CPLUX::fermerCombo();
    } else if (parent_) {
        premiereListe_ = std::max(0, std::min(sel_, getNbElements() - nbListe()));
        CPLUX::ouvrirCombo(this);
    }
}

bool CPLUXControlComboBox::isRoll() const { return CPLUX::getComboOuvert() != this; }

int CPLUXControlComboBox::nbListe() const { return std::min(getNbElements(), LIGNES_LISTE_COMBO); }

bool CPLUXControlComboBox::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    if (!lectureSeule_)
        setRoll(false);
    return true;
}

sf::FloatRect CPLUXControlComboBox::rectListe() const
{
    const float h = hauteurLigne() * std::max(1, nbListe()) + 2;
    const float x = static_cast<float>(getLeftScreen());
    float y = static_cast<float>(getTopScreen()) + rect_.height;
    // Opens upwards when there is no room below.
    const sf::Vector2u t = CPLUX::tailleSurface();
    if (y + h > static_cast<float>(t.y) && getTopScreen() - h >= 0)
        y = static_cast<float>(getTopScreen()) - h;
    return {x, y, rect_.width, h};
}

void CPLUXControlComboBox::pressionListe(int x, int y)
{
    const sf::FloatRect r = rectListe();
    const int n = premiereListe_ + static_cast<int>((static_cast<float>(y) - r.top - 1) / hauteurLigne());
    CPLUX::fermerCombo();
    if (n < 0 || n >= getNbElements() || n == sel_)
        return;
    selectionner(n);
    if (parent_)
        parent_->signalerChangement(this);
}

void CPLUXControlComboBox::molletteListe(int delta)
{
    premiereListe_ = std::max(0, std::min(premiereListe_ - delta, getNbElements() - nbListe()));
}

void CPLUXControlComboBox::dessiner(plux::Peintre& p, float ox, float oy)
{
    namespace c = plux::couleur;
    const sf::FloatRect r = rectEcran(ox, oy);
    const bool ouvert = !isRoll();
    p.cadre(r, ouvert ? c::titreActif : (actif_ ? c::bord : sf::Color(190, 193, 198)));
    p.rect({r.left + 1, r.top + 1, r.width - 2, r.height - 2}, actif_ ? c::champ : c::champInactif);
    const float cote = std::min(r.height - 2, 18.f);
    const sf::FloatRect bouton(r.left + r.width - cote - 1, r.top + 1, cote, r.height - 2);
    p.rect(bouton, actif_ ? c::bouton : c::champInactif);
    const float cx = bouton.left + bouton.width / 2, cy = bouton.top + bouton.height / 2;
    const sf::Color fleche = actif_ ? c::texte : c::texteInactif;
    p.ligne({cx - 4, cy - 2}, {cx, cy + 2}, fleche, 1.6f);
    p.ligne({cx, cy + 2}, {cx + 4, cy - 2}, fleche, 1.6f);
    if (sel_ < 0)
        return;
    Ligne& l = *lignes_[static_cast<size_t>(sel_)];
    const sf::Color coul = l.couleurPerso && actif_ ? l.couleur : couleurTexteEffective();
    plux::TexteCache& t1 = l.caches().t1;
    t1.definir(l.c1, tailleTexte_, coul);
    const float hTexte = static_cast<float>(tailleTexte_) * 1.2f;
    const sf::FloatRect zone(r.left + 1, r.top, r.width - cote - 4, r.height);
    if (!l.c1.empty())
        p.texte(t1, {r.left + 5, r.top + (r.height - hTexte) / 2}, zone);
}

void CPLUXControlComboBox::dessinerListe(plux::Peintre& p)
{
    namespace c = plux::couleur;
    const sf::FloatRect r = rectListe();
    p.rect({r.left + r.width, r.top + 3, 2, r.height}, sf::Color(0, 0, 0, 50));
    p.rect({r.left + 2, r.top + r.height, r.width - 2, 3}, sf::Color(0, 0, 0, 50));
    p.cadre(r, c::titreActif);
    p.rect({r.left + 1, r.top + 1, r.width - 2, r.height - 2}, c::champ);
    int survol = -1;
    const sf::Vector2i m = CPLUX::getMousePosition();
    if (r.contains(static_cast<float>(m.x), static_cast<float>(m.y)))
        survol = premiereListe_ + static_cast<int>((static_cast<float>(m.y) - r.top - 1) / hauteurLigne());
    dessinerLignes(p, {r.left + 1, r.top + 1, r.width - 2, r.height - 2}, premiereListe_, nbListe(), survol, false);
}
