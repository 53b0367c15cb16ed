#include "gui/CPLUXTest.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXMessageBox.h"

namespace {
sf::Vector2i g_souris(0, 0);
bool g_ctrl = false, g_shift = false, g_alt = false;

void pousser(const sf::Event& e) { CPLUX::pushEvent(e); }

void evenementBouton(sf::Event::EventType type, sf::Mouse::Button b, sf::Vector2i p)
{
    sf::Event e;
    e.type = type;
    e.mouseButton.button = b;
    e.mouseButton.x = p.x;
    e.mouseButton.y = p.y;
    pousser(e);
}

void deplacer(sf::Vector2i p)
{
    g_souris = p;
    sf::Event e;
    e.type = sf::Event::MouseMoved;
    e.mouseMove.x = p.x;
    e.mouseMove.y = p.y;
    pousser(e);
}
} // namespace

void CPLUXTest::reset()
{
    CPLUX::reset();
    CPLUX::setSurface(nullptr);
    plux::simulerPressePapier(true);
    setModifiers(false, false, false);
    g_souris = {0, 0};
}

void CPLUXTest::setModifiers(bool ctrl, bool shift, bool alt)
{
    g_ctrl = ctrl;
    g_shift = shift;
    g_alt = alt;
    CPLUX::setModifiersOverride(true, ctrl, shift, alt);
}

sf::Vector2i CPLUXTest::centre(const std::string& dialogId, const std::string& controlId)
{
    CPLUXControl* c = CPLUX::getControl(dialogId, controlId);
    if (!c)
        return {-1, -1};
    return {c->getLeftScreen() + static_cast<int>(c->getWidth() / 2),
            c->getTopScreen() + static_cast<int>(c->getHeight() / 2)};
}

void CPLUXTest::mouseMove(int x, int y)
{
    deplacer({x, y});
    CPLUX::update(nullptr);
}

void CPLUXTest::pressLeftAt(int x, int y)
{
    deplacer({x, y});
    evenementBouton(sf::Event::MouseButtonPressed, sf::Mouse::Left, {x, y});
    CPLUX::update(nullptr);
}

void CPLUXTest::pressRightAt(int x, int y)
{
    deplacer({x, y});
    evenementBouton(sf::Event::MouseButtonPressed, sf::Mouse::Right, {x, y});
    CPLUX::update(nullptr);
}

bool CPLUXTest::pressLeft(const std::string& dialogId, const std::string& controlId, int dx, int dy)
{
    const sf::Vector2i p = centre(dialogId, controlId);
    if (p.x < 0)
        return false;
    pressLeftAt(p.x + dx, p.y + dy);
    return true;
}

bool CPLUXTest::pressRight(const std::string& dialogId, const std::string& controlId, int dx, int dy)
{
    const sf::Vector2i p = centre(dialogId, controlId);
    if (p.x < 0)
        return false;
    pressRightAt(p.x + dx, p.y + dy);
    return true;
}

void CPLUXTest::releaseLeft()
{
    evenementBouton(sf::Event::MouseButtonReleased, sf::Mouse::Left, g_souris);
    CPLUX::update(nullptr);
}

void CPLUXTest::releaseRight()
{
    evenementBouton(sf::Event::MouseButtonReleased, sf::Mouse::Right, g_souris);
    CPLUX::update(nullptr);
}

bool CPLUXTest::click(const std::string& dialogId, const std::string& controlId, int dx, int dy)
{
    if (!pressLeft(dialogId, controlId, dx, dy))
        return false;
    releaseLeft();
    return true;
}

void CPLUXTest::clickAt(int x, int y)
{
    pressLeftAt(x, y);
    releaseLeft();
}

bool CPLUXTest::drag(const std::string& dialogId, const std::string& controlId, int dx, int dy, int steps)
{
    const sf::Vector2i p = centre(dialogId, controlId);
    if (p.x < 0)
        return false;
    pressLeftAt(p.x, p.y);
    steps = steps < 1 ? 1 : steps;
    for (int i = 1; i <= steps; ++i) {
        deplacer({p.x + dx * i / steps, p.y + dy * i / steps});
        CPLUX::update(nullptr);
    }
    releaseLeft();
    return true;
}

void CPLUXTest::type(const std::string& utf8)
{
    for (wchar_t c : tuv::utf8toWStr(utf8)) {
        sf::Event e;
        e.type = sf::Event::TextEntered;
        e.text.unicode = static_cast<sf::Uint32>(c);
        pousser(e);
    }
    CPLUX::update(nullptr);
}

bool CPLUXTest::typeText(const std::string& dialogId, const std::string& controlId, const std::string& utf8)
{
    CPLUXControl* c = CPLUX::getControl(dialogId, controlId);
    if (!c || !c->isTextInput())
        return false;
    if (CPLUX::getKeyboardFocus() != c && !click(dialogId, controlId))
        return false;
    type(utf8);
    return true;
}

void CPLUXTest::key(sf::Keyboard::Key code, bool ctrl, bool shift, bool alt)
{
    const bool c0 = g_ctrl, s0 = g_shift, a0 = g_alt;
    setModifiers(ctrl || c0, shift || s0, alt || a0);
    sf::Event e;
    e.type = sf::Event::KeyPressed;
    e.key.code = code;
    e.key.control = ctrl;
    e.key.shift = shift;
    e.key.alt = alt;
    e.key.system = false;
    pousser(e);
    CPLUX::update(nullptr);
    e.type = sf::Event::KeyReleased;
    pousser(e);
    CPLUX::update(nullptr);
    setModifiers(c0, s0, a0);
}

bool CPLUXTest::selectRow(const std::string& dialogId, const std::string& listId, int row)
{
    CPLUXDialog* d = CPLUX::getDialog(dialogId);
    CPLUXControlList* l = d ? d->ctrlList(listId) : nullptr;
    if (!l || row < 0 || row >= l->getNbElements())
        return false;
    l->setScrollPosition(row);
    const float h = l->hauteurLigne();
    const int y = l->getTopScreen() + 1 + static_cast<int>((row - l->getScrollPosition()) * h + h / 2);
    const int x = l->getLeftScreen() + 6;
    pressLeftAt(x, y);
    releaseLeft();
    return true;
}

bool CPLUXTest::chooseEntry(const std::string& dialogId, const std::string& comboId, int row)
{
    CPLUXDialog* d = CPLUX::getDialog(dialogId);
    CPLUXControlComboBox* c = d ? d->ctrlComboBox(comboId) : nullptr;
    if (!c || row < 0 || row >= c->getNbElements())
        return false;
    if (c->isRoll())
        click(dialogId, comboId);
    if (c->isRoll())
        return false;
    // Scroll the drop-down until the row shows, then press it.
    for (int i = 0; i < c->getNbElements(); ++i)
        c->molletteListe(1);
    const sf::FloatRect r = c->rectListe();
    const float h = c->hauteurLigne();
    int premiere = 0;
    const int visibles = static_cast<int>((r.height - 2) / h);
    if (row >= visibles) {
        premiere = row - visibles + 1;
        c->molletteListe(-premiere);
    }
    const int y = static_cast<int>(r.top + 1 + (row - premiere) * h + h / 2);
    clickAt(static_cast<int>(r.left + 6), y);
    return true;
}

bool CPLUXTest::answerMessageBox(int handle, int button, const std::string& text)
{
    CPLUXMessageBox* b = CPLUX::getMessageBox(handle);
    if (!b)
        return false;
    if (CPLUXControl* s = b->getEntry()) {
        clickAt(s->getLeftScreen() + 4, s->getTopScreen() + 4);
        key(sf::Keyboard::A, true);
        type(text);
    }
    CPLUXControlButton* bt = b->getButton(button);
    if (!bt)
        return false;
    clickAt(bt->getLeftScreen() + static_cast<int>(bt->getWidth() / 2),
            bt->getTopScreen() + static_cast<int>(bt->getHeight() / 2));
    return true;
}

void CPLUXTest::frame(sf::RenderWindow* window)
{
    CPLUX::update(window);
    if (window)
        CPLUX::refreshSurface();
}

bool CPLUXTest::screenshot(sf::RenderWindow* window, const std::string& path)
{
    if (!window)
        return false;
    sf::Texture t;
    const sf::Vector2u s = window->getSize();
    if (!t.create(s.x, s.y))
        return false;
    t.update(*window);
    return t.copyToImage().saveToFile(path);
}
