// State and lifecycle of the animation editor, and the handlers that only pass the events on.
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "core/LotFormes.h"
#include "core/ShaderManager.h"
#include "gui/CPLUX.h"

namespace {
// A circle of one pixel's outline; drawn at a fixed size on screen (a handle) it takes no more
// points than that size shows.
sf::CircleShape cercle(float rayon, sf::Color fond, sf::Color contour, bool tailleFixe = true)
{
    sf::CircleShape c(rayon, tailleFixe ? CLotFormes::pointsCercle(rayon + 1) : 30);
    c.setFillColor(fond);
    c.setOutlineColor(contour);
    c.setOutlineThickness(1);
    c.setRotation(0);
    c.setPosition(0, 0);
    return c;
}
} // namespace

CJeuDialogAnimationsSprites::CJeuDialogAnimationsSprites()
    : pSprite(new CSPRITE3), lot_(std::make_unique<CLotFormes>())
{
    creerPoignees();
    preparerTextes();
}

CJeuDialogAnimationsSprites::~CJeuDialogAnimationsSprites()
{
    // A sprite copied from this one keeps the back pointer; the hook tests that the dialog lives.
    delete pSprite;
}

void CJeuDialogAnimationsSprites::creerPoignees()
{
    const float r = static_cast<float>(rayonPoignee);
    for (const char* cle : {"HG", "HD", "BG", "BD"})
        mapPoignees[cle] = cercle(r, sf::Color(50, 50, 100, 200), sf::Color(255, 255, 255, 200));
    mapPoignees["O"] = cercle(r, sf::Color(250, 50, 50, 150), sf::Color(250, 250, 250, 220));
    mapPoignees["R"] = cercle(r, sf::Color(50, 250, 50, 200), sf::Color(0, 0, 0, 200));

    for (const char* cle : {"HG", "HD", "BG", "BD"})
        mapPoigneesHitbox[cle] = cercle(r, sf::Color(200, 200, 200, 200), sf::Color(0, 150, 150, 100));
    mapPoigneesHitbox["O"] = cercle(r + 1, sf::Color(250, 50, 50, 150), sf::Color(0, 150, 150, 255));
    for (const char* cle : {"HG_HB", "HD_HB", "BG_HB", "BD_HB"})
        mapPoigneesHitbox[cle] = cercle(r, sf::Color(50, 50, 250, 150), sf::Color(250, 250, 250, 220));

    cercleVisee = cercle(static_cast<float>(rayonVisee), sf::Color::Transparent, sf::Color(200, 0, 0, 100), false);
    cercleVisee.setOrigin(static_cast<float>(rayonVisee), static_cast<float>(rayonVisee));
    cercleRepere = cercle(5, sf::Color(100, 100, 100, 100), sf::Color(255, 255, 255, 200));
    cercleRepere.setOutlineThickness(2);
    cercleRepere.setOrigin(5, 5);
}

void CJeuDialogAnimationsSprites::preparerTextes()
{
    texte.setFont(getFont());
    texte.setCharacterSize(8);
    texte.setStyle(sf::Text::Regular);
    texte.setFillColor(sf::Color(20, 20, 20, 150));
    texteMessage.setFont(getFont());
    texteMessage.setCharacterSize(16);
    texteMessage.setStyle(sf::Text::Regular);
    texteMessage.setFillColor(sf::Color(250, 250, 250, 250));
}

// Handlers that change nothing of the editor's state ------------------------------------------------

bool CJeuDialogAnimationsSprites::onFocusOn()
{
    CPLUXDialog::onFocusOn();
    return true;
}

bool CJeuDialogAnimationsSprites::onFocusOff()
{
    CPLUXDialog::onFocusOff();
    return true;
}

// Hiding and showing keep the sprite, the selection, the undo list and the options. The editor
// fills the window: the library toolbar, drawn over every dialog, would hide its bottom rows
// while it is open.
void CJeuDialogAnimationsSprites::onShow()
{
    CPLUXDialog::onShow();
    if (CPLUX::pTB && CPLUX::pTB->estAffiche()) {
        bBarreARendre = true;
        CPLUX::pTB->hide();
    }
}

void CJeuDialogAnimationsSprites::onHide()
{
    CPLUXDialog::onHide();
    if (bBarreARendre && CPLUX::pTB)
        CPLUX::pTB->show();
    bBarreARendre = false;
}
void CJeuDialogAnimationsSprites::onClose() { CPLUXDialog::onClose(); }
void CJeuDialogAnimationsSprites::onCloseCB(std::string id) { CPLUXDialog::onCloseCB(id); }

bool CJeuDialogAnimationsSprites::onDialogOut()
{
    CPLUXDialog::onDialogOut();
    return true;
}

bool CJeuDialogAnimationsSprites::onDialogPressLeft(sf::RenderWindow* w, int x, int y)
{
    CPLUXDialog::onDialogPressLeft(w, x, y);
    return true;
}

// Handlers that only pass the event on ---------------------------------------------------------------

bool CJeuDialogAnimationsSprites::onMouseOut(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onMouseOut(w, x, y, c);
    return true;
}

void CJeuDialogAnimationsSprites::onCtrlSliderChange(CPLUXControlSliderH* c) { CPLUXDialog::onCtrlSliderChange(c); }

bool CJeuDialogAnimationsSprites::save(std::wofstream* f)
{
    CPLUXDialog::save(f);
    return true;
}
