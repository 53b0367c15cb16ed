#include "gui/CPLUXControlTextInput.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXDialog.h"
#include "gui/CPLUXMessageBox.h"

#include <algorithm>
#include <climits>
#include <cwctype>

namespace {
constexpr float MARGE = 4.f;

bool estMot(wchar_t c) { return std::iswalnum(static_cast<wint_t>(c)) || c == L'_' || c > 127; }
} // namespace

const CPLUXControlTextInput* CPLUXControlTextInput::champRefuse_ = nullptr;

CPLUXControlTextInput::~CPLUXControlTextInput()
{
    if (champRefuse_ == this)
        champRefuse_ = nullptr;
}

void CPLUXControlTextInput::appliquerTexte(const std::wstring& t)
{
    // A programmatic text is a change like a typed one: it is reported (unless the send
    // flag is off); the caret goes to the end.
    changer(t, t.size());
}

void CPLUXControlTextInput::changer(const std::wstring& t, size_t caret)
{
    const bool different = t != texte_;
    texte_ = t;
    gardeeASortie_.clear();
    caret_ = std::min(caret, texte_.size());
    ancre_ = caret_;
    suivreCaret();
    (void)different;
    if (parent_)
        parent_->signalerChangement(this);
}

void CPLUXControlTextInput::editer(const std::wstring& t, size_t caret)
{
    if (champRefuse_ == this) {
        champRefuse_ = nullptr;
        for (CPLUXMessageBox* b : CPLUX::getMessageBoxes())
            if (b->getBoxId() == BOITE_REFUS) {
                b->repondre(-1);
                break;
            }
    }
    changer(t, caret);
}

void CPLUXControlTextInput::leverChangement(CPLUXDialog* d) { d->onCtrlInputChange(this); }

void CPLUXControlTextInput::selectAll()
{
    ancre_ = 0;
    caret_ = texte_.size();
    suivreCaret();
}

void CPLUXControlTextInput::onKeyboardFocus(bool f)
{
    focus_ = f;
    clignote_.restart();
    if (!f) {
        ancre_ = caret_;
        if (!gardeeASortie_.empty())
            afficherSansEnvoi(gardeeASortie_);
        if (listeProprietaire)
            listeProprietaire->fermerEditeur();
        if (parent_)
            parent_->signalerSortie(this);
    }
}

size_t CPLUXControlTextInput::caractereSous(int x)
{
    cache_.definir(texte_, tailleTexte_, couleurTexte_);
    const float lx = static_cast<float>(x - getLeftScreen()) - MARGE + defilement_;
    const std::vector<float> positions = cache_.positionsCaracteres();
    size_t meilleur = 0;
    float ecart = 1e9f;
    for (size_t i = 0; i < positions.size(); ++i) {
        const float d = std::abs(positions[i] - lx);
        if (d < ecart) {
            ecart = d;
            meilleur = i;
        }
    }
    return meilleur;
}

bool CPLUXControlTextInput::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    const size_t p = caractereSous(x);
    const float maintenant = horloge_.getElapsedTime().asSeconds();
    if (maintenant - dernierAppui_ < 0.35f && p == caret_ && !CPLUX::isKeyShiftPress()) {
        // Double click: the word under the caret.
        ancre_ = motPrecedent(std::min(p + 1, texte_.size()));
        if (ancre_ > p)
            ancre_ = p;
        size_t fin = p;
        while (fin < texte_.size() && estMot(texte_[fin]))
            ++fin;
        size_t debut = p;
        while (debut > 0 && estMot(texte_[debut - 1]))
            --debut;
        ancre_ = debut;
        caret_ = fin;
        dernierAppui_ = -10.f;
    } else {
        deplacer(p, CPLUX::isKeyShiftPress());
        dernierAppui_ = maintenant;
    }
    clignote_.restart();
    return true;
}

void CPLUXControlTextInput::onMouseDrag(int x, int y)
{
    if (!focus_)
        return;
    caret_ = caractereSous(x);
    suivreCaret();
}

void CPLUXControlTextInput::deplacer(size_t pos, bool etendre)
{
    caret_ = std::min(pos, texte_.size());
    if (!etendre)
        ancre_ = caret_;
    suivreCaret();
}

size_t CPLUXControlTextInput::motPrecedent(size_t p) const
{
    while (p > 0 && !estMot(texte_[p - 1]))
        --p;
    while (p > 0 && estMot(texte_[p - 1]))
        --p;
    return p;
}

size_t CPLUXControlTextInput::motSuivant(size_t p) const
{
    while (p < texte_.size() && !estMot(texte_[p]))
        ++p;
    while (p < texte_.size() && estMot(texte_[p]))
        ++p;
    return p;
}

void CPLUXControlTextInput::remplacerSelection(const std::wstring& t)
{
    if (lectureSeule_)
        return;
    const size_t a = getSelectionStart(), b = getSelectionEnd();
    if (a == b && t.empty())
        return;
    editer(texte_.substr(0, a) + t + texte_.substr(b), a + t.size());
}

void CPLUXControlTextInput::effacer(bool avant)
{
    if (lectureSeule_)
        return;
    if (caret_ != ancre_) {
        remplacerSelection(L"");
        return;
    }
    if (avant && caret_ > 0) {
        const size_t debut = CPLUX::isKeyCtrlPress() ? motPrecedent(caret_) : caret_ - 1;
        editer(texte_.substr(0, debut) + texte_.substr(caret_), debut);
    } else if (!avant && caret_ < texte_.size()) {
        const size_t fin = CPLUX::isKeyCtrlPress() ? motSuivant(caret_) : caret_ + 1;
        editer(texte_.substr(0, caret_) + texte_.substr(fin), caret_);
    }
}

bool CPLUXControlTextInput::onKey(const sf::Event::KeyEvent& k)
{
    // No text: its dialog's (F5 refreshes a list while a field holds the keyboard).
    if (k.code >= sf::Keyboard::F1 && k.code <= sf::Keyboard::F15)
        return false;
    clignote_.restart();
    const bool ctrl = k.control || CPLUX::isKeyCtrlPress();
    const bool shift = k.shift || CPLUX::isKeyShiftPress();
    CPLUXDialog* d = parent_;
    switch (k.code) {
    case sf::Keyboard::Left:
        if (!shift && caret_ != ancre_)
            deplacer(getSelectionStart(), false);
        else
            deplacer(ctrl ? motPrecedent(caret_) : (caret_ > 0 ? caret_ - 1 : 0), shift);
        return true;
    case sf::Keyboard::Right:
        if (!shift && caret_ != ancre_)
            deplacer(getSelectionEnd(), false);
        else
            deplacer(ctrl ? motSuivant(caret_) : caret_ + 1, shift);
        return true;
    case sf::Keyboard::Home:
        deplacer(0, shift);
        return true;
    case sf::Keyboard::End:
        deplacer(texte_.size(), shift);
        return true;
    case sf::Keyboard::BackSpace:
        effacer(true);
        return true;
    case sf::Keyboard::Delete:
        effacer(false);
        return true;
    case sf::Keyboard::Return:
        if (d)
            d->signalerEntree(this);
        if (listeProprietaire && CPLUX::getKeyboardFocus() == this)
            CPLUX::setKeyboardFocus(nullptr);
        return true;
    case sf::Keyboard::Escape:
        CPLUX::setKeyboardFocus(nullptr);
        return true;
    case sf::Keyboard::Tab: {
        if (!d)
            return true;
        std::vector<CPLUXControl*> ordre = d->getTabOrder();
        if (ordre.empty())
            return true;
        auto it = std::find(ordre.begin(), ordre.end(), this);
        size_t i = it == ordre.end() ? 0 : static_cast<size_t>(it - ordre.begin());
        i = shift ? (i + ordre.size() - 1) % ordre.size() : (i + 1) % ordre.size();
        CPLUX::pCtrlFocus = ordre[i];
        CPLUX::setKeyboardFocus(ordre[i]);
        if (ordre[i]->isTextInput())
            static_cast<CPLUXControlTextInput*>(ordre[i])->selectAll();
        return true;
    }
    default:
        break;
    }
    if (!ctrl)
        return true;
    switch (k.code) {
    case sf::Keyboard::A:
        selectAll();
        break;
    case sf::Keyboard::C:
        if (caret_ != ancre_)
            plux::ecrirePressePapier(texte_.substr(getSelectionStart(), getSelectionEnd() - getSelectionStart()));
        break;
    case sf::Keyboard::X:
        if (caret_ != ancre_ && !lectureSeule_) {
            plux::ecrirePressePapier(texte_.substr(getSelectionStart(), getSelectionEnd() - getSelectionStart()));
            remplacerSelection(L"");
        }
        break;
    case sf::Keyboard::V: {
        // One line only: line breaks and other control characters are dropped.
        std::wstring colle;
        for (wchar_t c : plux::lirePressePapier())
            if (c >= 32 && c != 127)
                colle += c;
        remplacerSelection(colle);
        break;
    }
    default:
        break;
    }
    return true;
}

void CPLUXControlTextInput::onTextEntered(sf::Uint32 c)
{
    if (c < 32 || c == 127 || lectureSeule_ || c > 0x10FFFF || (c >= 0xD800 && c <= 0xDFFF))
        return;
    // Ctrl+letter also produces a control character, filtered above.
    if (CPLUX::isKeyCtrlPress() && !CPLUX::isKeyAltPress())
        return;
    remplacerSelection(std::wstring(1, static_cast<wchar_t>(c)));
    clignote_.restart();
}

void CPLUXControlTextInput::suivreCaret()
{
    cache_.definir(texte_, tailleTexte_, couleurTexte_);
    const float interieur = std::max(1.f, rect_.width - 2 * MARGE);
    const float xc = cache_.positionCaractere(caret_);
    if (xc - defilement_ > interieur)
        defilement_ = xc - interieur;
    if (xc - defilement_ < 0)
        defilement_ = xc;
    // No empty space at the right while text is hidden at the left.
    const float total = cache_.largeur();
    if (total - defilement_ < interieur)
        defilement_ = std::max(0.f, total - interieur);
}

void CPLUXControlTextInput::dessiner(plux::Peintre& p, float ox, float oy)
{
    namespace c = plux::couleur;
    const sf::FloatRect r = rectEcran(ox, oy);
    const bool focus = focus_ && CPLUX::getKeyboardFocus() == this;
    p.cadre(r, focus ? c::titreActif : (actif_ ? c::bord : sf::Color(190, 193, 198)));
    if (focus)
        p.cadre({r.left + 1, r.top + 1, r.width - 2, r.height - 2}, sf::Color(120, 170, 230));
    const float e = focus ? 2.f : 1.f;
    const sf::FloatRect interieur(r.left + e, r.top + e, r.width - 2 * e, r.height - 2 * e);
    p.rect(interieur, !actif_ || lectureSeule_ ? c::champInactif : c::champ);
    cache_.definir(texte_, tailleTexte_, couleurTexteEffective());
    const float xTexte = r.left + MARGE - defilement_;
    const float hLigne = static_cast<float>(tailleTexte_) * 1.2f;
    const float yTexte = r.top + (r.height - hLigne) / 2.f;
    const sf::FloatRect clip(r.left + 2, r.top + 1, r.width - 4, r.height - 2);
    if (focus && caret_ != ancre_) {
        const float a = xTexte + cache_.positionCaractere(getSelectionStart());
        const float b = xTexte + cache_.positionCaractere(getSelectionEnd());
        const float g = std::max(a, clip.left), dr = std::min(b, clip.left + clip.width);
        if (dr > g)
            p.rect({g, yTexte, dr - g, hLigne + 2},
                   plux::melange(c::champ, sf::Color(c::selection.r, c::selection.g, c::selection.b, 110)));
    }
    if (!texte_.empty())
        p.texte(cache_, {xTexte, yTexte}, clip);
    if (focus && clignote_.getElapsedTime().asMilliseconds() % 1000 < 600) {
        const float xc = xTexte + cache_.positionCaractere(caret_);
        if (xc >= clip.left - 1 && xc <= clip.left + clip.width)
            p.rect({std::round(xc), yTexte, 1.f, hLigne + 2}, c::texte);
    }
}

namespace {

// Blanks aside, a sign and digits, for a decimal with one "." among them.
bool formeNombre(const std::string& s, bool reel)
{
    size_t i = !s.empty() && (s[0] == '-' || s[0] == '+') ? 1 : 0;
    bool chiffre = false, point = false;
    for (; i < s.size(); ++i) {
        if (s[i] >= '0' && s[i] <= '9')
            chiffre = true;
        else if (s[i] == '.' && reel && !point)
            point = true;
        else
            return false;
    }
    return chiffre;
}

} // namespace

bool CPLUXControlTextInput::lireEntier(const std::string& texte, int& valeur)
{
    const std::string t = tuv::delspaces(texte);
    // More digits could overflow the reading itself.
    constexpr size_t CHIFFRES_MAX = 10;
    const size_t debut = !t.empty() && (t[0] == '+' || t[0] == '-') ? 1 : 0;
    if (!formeNombre(t, false) || t.size() - debut > CHIFFRES_MAX)
        return false;
    const long long v = std::stoll(t);
    if (v < INT_MIN || v > INT_MAX)
        return false;
    valeur = static_cast<int>(v);
    return true;
}

bool CPLUXControlTextInput::lireReel(const std::string& texte, float& valeur)
{
    const std::string t = tuv::delspaces(texte);
    if (!formeNombre(t, true))
        return false;
    const float v = tuv::stof(t);
    if (!(std::fabs(v) < tuv::FLOAT_VERS_INT_MAX))
        return false;
    valeur = v;
    return true;
}

bool CPLUXControlTextInput::estNombre(const std::string& texte, bool reel)
{
    int entier = 0;
    float decimal = 0.f;
    return reel ? lireReel(texte, decimal) : lireEntier(texte, entier);
}

bool CPLUXControlTextInput::nombreEnCours(const std::string& texte, bool reel)
{
    const std::string s = tuv::delspaces(texte);
    const size_t signe = !s.empty() && (s[0] == '-' || s[0] == '+') ? 1 : 0;
    return s.size() == signe || (reel && s.size() == signe + 1 && s[signe] == '.');
}

bool CPLUXControlTextInput::lireNombre(int& valeur, bool valide)
{
    const std::string texte = getText();
    if (lireEntier(texte, valeur))
        return true;
    if (valide || !nombreEnCours(texte, false))
        refuserNombre(tuv::itos(valeur), false);
    return false;
}

bool CPLUXControlTextInput::lireNombre(float& valeur, bool valide)
{
    const std::string texte = getText();
    if (lireReel(texte, valeur))
        return true;
    // A value kept beyond the fields' range came from a file: the texts between it and a new
    // value (its digits being removed or replaced) are as large, and refusing them would bring
    // it back at every key.
    const bool depuisHorsBornes = !(std::fabs(valeur) < tuv::FLOAT_VERS_INT_MAX) &&
                                  formeNombre(tuv::delspaces(texte), true);
    if (valide || !(nombreEnCours(texte, true) || depuisHorsBornes))
        refuserNombre(tuv::ftos(valeur), true);
    return false;
}

bool CPLUXControlTextInput::lireNombre(int& valeur, int min, int max, bool valide)
{
    int v = valeur;
    if (lireEntier(getText(), v) && v >= min && v <= max) {
        valeur = v;
        return true;
    }
    if (!valide && nombreEnCours(getText(), false))
        return false;
    refuser(tuv::itos(valeur), "n'est pas un nombre entier de " + tuv::itos(min) + " à " + tuv::itos(max));
    return false;
}

// A number beyond what the field holds is told so: it is a number, only too large.
void CPLUXControlTextInput::refuserNombre(const std::string& valeur, bool reel)
{
    const std::string t = tuv::delspaces(getText());
    if (!formeNombre(t, reel)) {
        refuser(valeur, reel ? "n'est pas un nombre" : "n'est pas un nombre entier");
        return;
    }
    const bool negatif = t[0] == '-';
    const std::string borne = reel ? (negatif ? "plus de -" : "moins de ") + tuv::itos(static_cast<int>(tuv::FLOAT_VERS_INT_MAX))
                                   : negatif ? "au moins " + tuv::itos(INT_MIN) : "au plus " + tuv::itos(INT_MAX);
    refuser(valeur, std::string(negatif ? "est trop petit (" : "est trop grand (") + borne + ")");
}

void CPLUXControlTextInput::refuser(const std::string& valeur, const std::string& description)
{
    const std::string texte = getText();
    afficherSansEnvoi(valeur);
    // One box says it for every refusal while it is open (fields read together, keys typed
    // ahead of it): it holds the keyboard until answered.
    for (const CPLUXMessageBox* b : CPLUX::getMessageBoxes())
        if (b->getBoxId() == BOITE_REFUS)
            return;
    std::string message = "« " + texte + " » " + description;
    message += valeur.empty() ? "." : " : la valeur reste " + valeur + ".";
    champRefuse_ = this;
    CPLUX::MessageBoxW(parent_ ? parent_->getTitleW() : std::wstring(), tuv::utf8toWStr(message), BOITE_REFUS,
                       nullptr, 0);
}

void CPLUXControlTextInput::refuserHorsBornes(const std::string& valeur, const std::string& description)
{
    refuser(valeur, "n'est pas " + description);
}

void CPLUXControlTextInput::afficherSansEnvoi(const std::string& texte)
{
    const bool envoi = isSendEventOnChange();
    setSendEventOnChange(false);
    setText(texte);
    setSendEventOnChange(envoi);
}

void CPLUXControlTextInput::montrerValeurGardee(int valeur)
{
    int lu = 0;
    if (lireEntier(getText(), lu) && lu != valeur)
        afficherSansEnvoi(tuv::itos(valeur));
}

void CPLUXControlTextInput::montrerValeurGardee(float valeur)
{
    float lu = 0.f;
    if (!lireReel(getText(), lu) || lu == valeur)
        return;
    if (lu == 0.f)
        gardeeASortie_ = tuv::ftos(valeur);
    else
        afficherSansEnvoi(tuv::ftos(valeur));
}
