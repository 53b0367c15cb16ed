#pragma once
// What the level editor's dialogs and keys share: the dialog ids, the toggle by id, silent
// fills of controls, the opener of the path dialog, the reload and the quick save of the level
// being edited, the light sprites and the weather switches.
#include <string>

#include <SFML/Window/Keyboard.hpp>

class CDecor;
class CPLUXControl;

namespace editeur {

// Dialogs of the editor, by the id the GUI library knows them by.
namespace id {
inline constexpr const char* MENU_EDITEUR = "JeuDialogMenuEditeur";
inline constexpr const char* MENU = "JeuDialogMenu";
inline constexpr const char* OPTIONS_EDITEUR = "JeuDialogOptionsEditeur";
inline constexpr const char* OPTIONS_NIV = "JeuDialogOptionsNiv";
inline constexpr const char* PLANS = "JeuDialogPlans";
inline constexpr const char* LISTE_SD = "JeuDialogListeSD";
inline constexpr const char* PERSO = "JeuDialogPerso";
inline constexpr const char* SPRITE = "JeuDialogSprite";
inline constexpr const char* CHEMIN = "JeuDialogPhysCheminOptions";
inline constexpr const char* SCRIPTS = "JeuDialogScripts";
inline constexpr const char* CHARGER_NIV = "JeuDialogChargerNiv";
inline constexpr const char* SAUVER_NIV = "JeuDialogSauverNiv";
inline constexpr const char* CHOIX_DEC = "SFMLJeuChoixDec";
inline constexpr const char* CHOIX_PER = "SFMLJeuChoixPer";
inline constexpr const char* ANIMATIONS = "JeuDialogAnimationsSprites";
inline constexpr const char* INTERNET = "JeuDialogInternet";
} // namespace id

// Hides the dialog when it is shown, shows it otherwise; true when it is shown now. Nothing
// else opens or closes. An id with no dialog does nothing (false).
bool basculerDialogue(const std::string& dialogue);

// The toolbar's refreshChecks, when the toolbar exists.
void rafraichirBarre();

// The editor's function keys that open a dialog: F1 editor options, F2 decor picker, F3
// character picker, F4 path dialog, F5 layers, F6 level options, F7 script monitor. False for
// any other key.
bool toucheDialogue(sf::Keyboard::Key touche);

// The editor's zoom keys, 1 to 4 of the number row: the level's chosen view mode back (an
// auto-scroll held still while the level is edited), at zoom 1, 2 or 3, or (4) wide enough
// for the whole level (its width over the view's, plus one), the view around the player
// within the level. False for any other key.
bool toucheZoom(sf::Keyboard::Key touche);

// Fills a control from the game without the fill coming back as a change: the control's
// send flag is off while its text or selection is set, then restored. A null control is
// skipped.
void remplirTexte(CPLUXControl* c, const std::string& texte);
void remplirTexte(CPLUXControl* c, int valeur);
// A list's or a combo's selected line.
void remplirSelection(CPLUXControl* c, int ligne);

// "myButtonChemins" and F4: with no decor sprite selected, the sprite of the character that
// the character dialog holds becomes the selection (in no plane); then the path dialog is
// toggled and refilled when it was shown.
void ouvrirDialogueChemins();

// Reads the running level's file (its fichierSaisi) again with the load option of its last
// load. A level file that is not there is not loaded (the level would be emptied): the
// load's error box says so.
void rechargerNiveau();

// The quick save of the toolbar, of the editor options and of the key R: writes the running
// level (the menus' as well as the game's) to its own file, or to the path typed in the level
// options. When that path is not the file the level was read from or last written to and
// another file stands there, the toolbar asks first. A level without a file is not written,
// and the message says why; otherwise the level world's message tells the author what
// happened. True when written now.
bool sauvegardeRapide();
// The writing itself, once nothing needs asking; true when written.
bool ecrireNiveau(const std::string& fichier);

// Every light sprite (type exactly "LUX") of the five planes takes the level's bLuxVisibles.
void appliquerLumieres(CDecor& decor);

// The weather and ambient effects the editor switches, made with the editor's counts over
// the level size (on) or freed (off). The flag follows. The snow falls over `hauteurNeige`
// pixels, which each dialog chooses.
enum class Meteo { Pluie, Neige, Lucioles, Brouillard, Nuages, Poussiere, Etoiles };
void appliquerMeteo(CDecor& decor, Meteo effet, bool actif, int hauteurNeige);
bool meteoActive(const CDecor& decor, Meteo effet);

} // namespace editeur
