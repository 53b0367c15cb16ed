#include "gui/CPLUXControlColor.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlSliderH.h"
#include "gui/CPLUXControlTextInput.h"

#include <algorithm>
#include <cwchar>

namespace {
CPLUXDialogCouleur* editeurOuvert = nullptr;

const char* const NOMS[4] = {"R", "G", "B", "A"};
constexpr int LARGEUR = 250;
constexpr int LIGNE = 26;

sf::Uint8 composante(const sf::Color& c, int i)
{
    return i == 0 ? c.r : i == 1 ? c.g : i == 2 ? c.b : c.a;
}
} // namespace

// Picker -------------------------------------------------------------------------------------------

CPLUXControlColor::~CPLUXControlColor() { CPLUXDialogCouleur::oublier(this); }

bool CPLUXControlColor::onMousePressLeft(sf::RenderWindow* w, int x, int y, CPLUXDialog* d)
{
    CPLUXControl::onMousePressLeft(w, x, y, d);
    if (actif_ && getParent())
        CPLUXDialogCouleur::ouvrir(this);
    return true;
}

void CPLUXControlColor::changerParUtilisateur(sf::Color c)
{
    couleur_ = c;
    if (getParent())
        getParent()->signalerChangement(this);
}

void CPLUXControlColor::leverChangement(CPLUXDialog* d) { d->onCtrlColorChange(this); }

void CPLUXControlColor::dessiner(plux::Peintre& p, float ox, float oy)
{
    const sf::FloatRect r = rectEcran(ox, oy);
    p.rect(r, plux::couleur::champ);
    p.cadre(r, actif_ ? plux::couleur::bord : plux::couleur::texteInactif);
    // A swatch, half of it over a dark square so that transparency shows, then the values.
    const float h = std::max(0.f, r.height - 6);
    const sf::FloatRect s(r.left + 3, r.top + 3, std::min(h * 1.4f, r.width - 6), h);
    p.rect({s.left + s.width / 2, s.top, s.width / 2, s.height}, sf::Color(60, 60, 60));
    p.rect(s, couleur_);
    p.cadre(s, plux::couleur::bord);
    wchar_t hex[16];
    if (couleur_.a == 255)
        std::swprintf(hex, 16, L"#%02X%02X%02X", couleur_.r, couleur_.g, couleur_.b);
    else
        std::swprintf(hex, 16, L"#%02X%02X%02X%02X", couleur_.r, couleur_.g, couleur_.b, couleur_.a);
    valeurs_.definir(hex, tailleTexte_, couleurTexteEffective());
    p.texte(valeurs_.texte(), {s.left + s.width + 6, r.top + (r.height - tailleTexte_ * 1.2f) / 2}, r);
}

// Editor -------------------------------------------------------------------------------------------

CPLUXDialogCouleur::CPLUXDialogCouleur(CPLUXControlColor* cible) : cible_(cible)
{
    estBibliotheque_ = true;
    setCloseMode(0);
    setId("PLUX_Couleur");
    setTitle(L"Couleur");
    setRedimensionnable(false);
    setVisibleInTB(false);
    const int t = plux::HAUTEUR_TITRE;
    Size(LARGEUR, 4 * LIGNE + 48);
    for (int i = 0; i < 4; ++i) {
        const float y = static_cast<float>(t + 8 + i * LIGNE);
        auto* l = new CPLUXControlText;
        ajouter(l, std::string("lbl") + NOMS[i], 8, y, 16, 20);
        l->setText(NOMS[i]);
        curseurs_[i] = static_cast<CPLUXControlSliderH*>(
            ajouter(new CPLUXControlSliderH, std::string("curseur") + NOMS[i], 26, y, 130, 20));
        curseurs_[i]->setRange(0, 255);
        champs_[i] = static_cast<CPLUXControlTextInput*>(
            ajouter(new CPLUXControlTextInput, std::string("saisie") + NOMS[i], 162, y, 40, 20));
    }
    apercu_ = static_cast<CPLUXControlPanel*>(ajouter(new CPLUXControlPanel, "apercu", 208, t + 8, 34, 4 * LIGNE - 6));
    auto* ok = new CPLUXControlButton;
    ajouter(ok, "btnOk", LARGEUR - 88, t + 8 + 4 * LIGNE + 6, 80, 22);
    ok->setText("OK");
    afficher(cible ? cible->getColor() : sf::Color::White, nullptr);
}

CPLUXDialogCouleur::~CPLUXDialogCouleur()
{
    if (editeurOuvert == this)
        editeurOuvert = nullptr;
}

CPLUXDialogCouleur* CPLUXDialogCouleur::getOuvert() { return editeurOuvert; }

CPLUXDialogCouleur* CPLUXDialogCouleur::ouvrir(CPLUXControlColor* c)
{
    if (editeurOuvert) {
        CPLUXDialogCouleur* ancien = editeurOuvert;
        editeurOuvert = nullptr;
        ancien->cible_ = nullptr;
        ancien->close(0);
    }
    auto* e = new CPLUXDialogCouleur(c);
    editeurOuvert = e;
    // Under the picker, kept inside the window.
    int x = c->getLeftScreen(), y = c->getTopScreen() + static_cast<int>(c->getHeight()) + 2;
    const sf::Vector2u fenetre = CPLUX::tailleSurface();
    if (fenetre.x > 0 && fenetre.y > 0) {
        x = std::max(0, std::min(x, static_cast<int>(fenetre.x) - e->getWidth()));
        if (y + e->getOuterHeight() > static_cast<int>(fenetre.y))
            y = std::max(0, c->getTopScreen() - e->getOuterHeight() - 2);
    }
    e->setPosition(x, y);
    CPLUX::addDialog(nullptr, e, nullptr, 0);
    e->show();
    return e;
}

void CPLUXDialogCouleur::oublier(CPLUXControlColor* c)
{
    if (editeurOuvert && editeurOuvert->cible_ == c) {
        CPLUXDialogCouleur* e = editeurOuvert;
        editeurOuvert = nullptr;
        e->cible_ = nullptr;
        e->close(0);
    }
}

void CPLUXDialogCouleur::afficher(sf::Color c, const CPLUXControl* source)
{
    remplissage_ = true;
    for (int i = 0; i < 4; ++i) {
        curseurs_[i]->setValue(composante(c, i));
        if (champs_[i] != source)
            champs_[i]->setText(static_cast<int>(composante(c, i)));
    }
    apercu_->setColor(c);
    remplissage_ = false;
}

sf::Color CPLUXDialogCouleur::lire() const
{
    sf::Uint8 v[4];
    for (int i = 0; i < 4; ++i)
        v[i] = static_cast<sf::Uint8>(std::clamp(static_cast<int>(curseurs_[i]->getValue() + 0.5f), 0, 255));
    return {v[0], v[1], v[2], v[3]};
}

void CPLUXDialogCouleur::appliquer(sf::Color c)
{
    if (cible_)
        cible_->changerParUtilisateur(c);
}

void CPLUXDialogCouleur::onCtrlSliderChange(CPLUXControlSliderH* c)
{
    CPLUXDialog::onCtrlSliderChange(c);
    if (remplissage_)
        return;
    const sf::Color couleur = lire();
    afficher(couleur, nullptr);
    appliquer(couleur);
}

void CPLUXDialogCouleur::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    if (remplissage_)
        return;
    for (int i = 0; i < 4; ++i) {
        int canal = champs_[i] == c ? static_cast<int>(curseurs_[i]->getValue()) : 0;
        if (champs_[i] == c && c->lireNombre(canal))
            curseurs_[i]->setValue(static_cast<float>(std::clamp(canal, 0, 255)));
    }
    // The field being typed in keeps its text ("3" on the way to "30").
    const sf::Color couleur = lire();
    afficher(couleur, c);
    appliquer(couleur);
}

bool CPLUXDialogCouleur::onFocusOff()
{
    CPLUXDialog::onFocusOff();
    // A press anywhere else closes the editor, as a drop-down list would.
    if (editeurOuvert == this) {
        editeurOuvert = nullptr;
        close(0);
    }
    return true;
}

bool CPLUXDialogCouleur::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (c && c->getId() == "btnOk" && editeurOuvert == this) {
        editeurOuvert = nullptr;
        close(0);
    }
    return true;
}

CPLUXControlColor* CPLUXDialog::ctrlColor(const std::string& id) const
{
    CPLUXControl* c = getControl(id);
    return c && c->getGenre() == CPLUXControl::GENRE_COULEUR ? static_cast<CPLUXControlColor*>(c) : nullptr;
}
