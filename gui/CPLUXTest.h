#pragma once
// Drives the library without a user: injects events as the window would and runs update.
// Positions are those of the controls' centres, so tests do not depend on layout details.
#include <SFML/Graphics.hpp>

#include <string>

class CPLUXControl;

class CPLUXTest {
public:
    // Empties the registry, the library's dialogs, focus, queue and console; uses a private
    // clipboard and fixed modifier keys (all up).
    static void reset();
    static void setModifiers(bool ctrl, bool shift, bool alt);
    static void mouseMove(int x, int y);
    static bool pressLeft(const std::string& dialogId, const std::string& controlId, int dx = 0, int dy = 0);
    static bool pressRight(const std::string& dialogId, const std::string& controlId, int dx = 0, int dy = 0);
    static void pressLeftAt(int x, int y);
    static void pressRightAt(int x, int y);
    static void releaseLeft();
    static void releaseRight();
    static bool click(const std::string& dialogId, const std::string& controlId, int dx = 0, int dy = 0);
    static void clickAt(int x, int y);
    static bool drag(const std::string& dialogId, const std::string& controlId, int dx, int dy, int steps);
    static bool typeText(const std::string& dialogId, const std::string& controlId, const std::string& utf8);
    // Text typed into whatever holds the keyboard.
    static void type(const std::string& utf8);
    static void key(sf::Keyboard::Key code, bool ctrl = false, bool shift = false, bool alt = false);
    static bool selectRow(const std::string& dialogId, const std::string& listId, int row);
    static bool chooseEntry(const std::string& dialogId, const std::string& comboId, int row);
    // Presses button `button` of the box (0 first) after typing text into its entry field.
    static bool answerMessageBox(int handle, int button, const std::string& text = "");
    static void frame(sf::RenderWindow* window = nullptr);
    static bool screenshot(sf::RenderWindow* window, const std::string& path);
    // Window-pixel centre of a control, (-1, -1) when missing.
    static sf::Vector2i centre(const std::string& dialogId, const std::string& controlId);
};
