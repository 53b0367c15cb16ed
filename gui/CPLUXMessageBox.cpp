#include "gui/CPLUXMessageBox.h"

#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"

#include <algorithm>

CPLUXMessageBox::CPLUXMessageBox(const std::wstring& title, const std::wstring& text, const std::string& idBox,
                                 CPLUXDialog* owner, int kind)
    : idBoite_(idBox), proprietaire_(owner), genre_(kind < 0 || kind > 4 ? 0 : kind)
{
    setId(idBox);
    setTitle(title);
    setMinimisable(false);
    setDeplacable(true);
    setCloseMode(0);
    setVisibleInTB(false);

    const std::wstring coupe =
        plux::couperLignes(text, 420.f, [](const std::wstring& l) { return plux::largeurTexte(l, plux::TAILLE_TEXTE); });
    int nbLignes = 1 + static_cast<int>(std::count(coupe.begin(), coupe.end(), L'\n'));
    const float lTexte = plux::largeurTexte(coupe, plux::TAILLE_TEXTE);

    std::vector<std::wstring> libelles;
    switch (genre_) {
    case 2: libelles = {L"Oui", L"Non"}; break;
    case 3: libelles = {L"Oui", L"Non", L"Annuler"}; break;
    case 4: libelles = {L"OK", L"Annuler"}; break;
    default: libelles = {L"OK"}; break;
    }
    const int lBoutons = static_cast<int>(libelles.size()) * 88 - 8;
    const int largeur = std::max({280, static_cast<int>(lTexte) + 40, lBoutons + 40});
    const int hTexte = nbLignes * 17;
    const int hSaisie = genre_ == 4 ? 30 : 0;
    Size(largeur, 16 + hTexte + 12 + hSaisie + 36);

    const int t = plux::HAUTEUR_TITRE;
    addControlText("", coupe, 20, t + 14, largeur - 40, hTexte);
    int y = t + 14 + hTexte + 12;
    if (genre_ == 4) {
        saisie_ = addControlTextInput("saisie", "", 20, y, largeur - 40, 22);
        y += hSaisie;
    }
    int x = (largeur - lBoutons) / 2;
    for (size_t i = 0; i < libelles.size(); ++i, x += 88) {
        auto* b = new CPLUXControlButton;
        b->setId("bouton" + std::to_string(i));
        b->setText(libelles[i]);
        b->setPosition(static_cast<float>(x), static_cast<float>(y + 4));
        b->setVisibleDimension(80, 24);
        addControl(b);
        boutons_.push_back(b);
    }
    visible_ = true;
    minimise_ = false;
}

CPLUXControlButton* CPLUXMessageBox::getButton(int i) const
{
    return i >= 0 && i < getNbButtons() ? boutons_[static_cast<size_t>(i)] : nullptr;
}

void CPLUXMessageBox::centrer(sf::Vector2u taille, int rang)
{
    const int x = (static_cast<int>(taille.x) - getWidth()) / 2 + 24 * rang;
    const int y = (static_cast<int>(taille.y) - getOuterHeight()) / 2 + 24 * rang;
    setPosition(std::max(0, x), std::max(0, y));
}

void CPLUXMessageBox::repondre(int bouton)
{
    if (repondu_)
        return;
    repondu_ = true;
    bool a1 = false, a2 = false, a3 = false;
    const int n = getNbButtons();
    if (bouton == 0)
        a1 = true;
    else if (bouton == 1 && (genre_ == 2 || genre_ == 3))
        a2 = true;
    else
        a3 = true; // Annuler, or closed without a choice
    if (n == 1 && bouton == 0)
        a3 = false;
    const std::string texte = saisie_ && bouton == 0 ? saisie_->getText() : std::string();
    CPLUXDialog* proprietaire = proprietaire_;
    const int handle = getHwnd();
    const std::string id = idBoite_;
    // Out of the stack first: the owner's answer may open another box.
    CPLUX::retirerBoite(this);
    if (proprietaire && CPLUX::estVivant(proprietaire)) {
        CPLUX::entrerDispatch();
        proprietaire->onMBClose(handle, id, a1, a2, a3, texte);
        CPLUX::sortirDispatch();
    }
}

bool CPLUXMessageBox::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    for (int i = 0; i < getNbButtons(); ++i)
        if (c == boutons_[static_cast<size_t>(i)]) {
            repondre(i);
            break;
        }
    return true;
}

void CPLUXMessageBox::onCtrlInputEnterPress(CPLUXControlTextInput* c) { repondre(0); }

void CPLUXMessageBox::onKeyPress(const sf::Event::KeyEvent& k)
{
    if (k.code == sf::Keyboard::Return)
        repondre(0);
    else if (k.code == sf::Keyboard::Escape)
        repondre(getNbButtons() - 1);
}

void CPLUXMessageBox::onClose()
{
    // The title-bar cross: closed without a choice.
    repondre(-1);
}
