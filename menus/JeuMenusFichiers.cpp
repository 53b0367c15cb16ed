// Menu files: ".mnu" files of "./menus/", one per language, read into the menu's lines.
#include "menus/JeuMenus.h"

#include "core/EtatJeu.h"
#include "core/Fichiers.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Texte.h"
#include "level/Decor.h"

#include <algorithm>

namespace {

// The three level-choice menus: their selectable lines name the levels.
bool estChoixNiveau(const std::string& fichier)
{
    return fichier == IdMenu::fichier(IdMenu::CHOIX_CHRONO) || fichier == IdMenu::fichier(IdMenu::CHOIX_MULTI) ||
           fichier == IdMenu::fichier(IdMenu::CHOIX_AVENTURE);
}

// A file that cannot be read (or is not a file) leaves an empty texture, which draws nothing.
std::unique_ptr<sf::Texture> chargerImage(const std::string& fichier)
{
    auto t = std::make_unique<sf::Texture>();
    tuv::chargerMedia(*t, fichier);
    return t;
}

sf::Uint8 composante(int v)
{
    return static_cast<sf::Uint8>(((v % 256) + 256) % 256);
}

constexpr int TAILLE_TEXTE_MAX = 1000;

} // namespace

void CJeuMenus::chargerMenu(const std::string& dossier, const std::string& fichier)
{
    lignes.clear();
    const bool choixNiveau = estChoixNiveau(fichier);
    if (choixNiveau)
        nomsNiveaux.clear();
    bRevoirKillcam = false;
    indexKillcam = -1;
    nbLignes = 0;
    ligneActive = -1;
    bFondNiv = false;
    pSpriteFond.reset();
    pTextureFond.reset();
    if (!open(dossier + langue + fichier, false))
        return;
    for (std::string cle = getKey(); !cle.empty(); cle = getKey()) {
        if (cle == "FOND") {
            lireFond();
        } else if (cle == "FONDNIV") {
            lireFondNiv();
        } else if (cle == "CURSEUR") {
            lireCurseur();
        } else if (cle == "NOCURSEUR") {
            bCurseur = false;
        } else if (cle == "LIGNEACTIVECOULEUR") {
            const int r = entierLigne(), g = entierLigne(), b = entierLigne();
            couleurLigneActive = sf::Color(composante(r), composante(g), composante(b), 255);
        } else if (cle == "LIGNE") {
            lireLigne(choixNiveau);
        }
    }
    close();
}

// The next value of the line, or "" once the line has given its last value: a line that
// stops early never lends its last value to the fields after it.
std::string CJeuMenus::valeurLigne()
{
    return finDeLigne() ? std::string() : getValue();
}

// Held to +-1,000,000: a menu's integers are places, sizes, colours, a font and a flag, and
// the background's place is added to each line's and to the drawing offsets of the extras.
int CJeuMenus::entierLigne()
{
    return finDeLigne() ? 0 : tuv::bornerValeurFichier(getValueInt());
}

void CJeuMenus::lireFond()
{
    const std::string image = valeurLigne();
    fondX = entierLigne();
    fondY = entierLigne();
    // Width and height follow; the image is shown at its own size.
    pSpriteFond.reset();
    pTextureFond = chargerImage(image);
    pSpriteFond = std::make_unique<sf::Sprite>(*pTextureFond);
    pSpriteFond->setPosition(static_cast<float>(fondX), static_cast<float>(fondY));
}

void CJeuMenus::lireFondNiv()
{
    const std::string niveau = valeurLigne();
    fondX = fondY = 0;
    bFondNiv = true;
    selectionnerDecorMenu();
    // For data authors: a value that only extends the previous one (the old name followed
    // by more characters) keeps the level running behind the menu; it is not reloaded.
    if (!strFondNiv.empty() && niveau.compare(0, strFondNiv.size(), strFondNiv) == 0)
        return;
    strFondNiv = niveau;
    MondeJeu* jeu = faceJeu::monde();
    if (jeu && jeu->pdecor && !niveau.empty()) {
        bJeuMondeMenu = false;
        jeu->pdecor->chargerNiveau(niveau, 1);
    }
}

void CJeuMenus::lireCurseur()
{
    const std::string image = valeurLigne();
    pSpriteCurseur.reset();
    pTextureCurseur = chargerImage(image);
    pSpriteCurseur = std::make_unique<sf::Sprite>(*pTextureCurseur);
    bCurseur = true;
}

// x; y; selectable; image; text 1 [; font; size; r; g; b [; text 2; font; size; r; g; b]].
void CJeuMenus::lireLigne(bool choixNiveau)
{
    auto l = std::make_unique<LigneMenu>();
    l->x = sommeBornee(entierLigne(), fondX);
    l->y = sommeBornee(entierLigne(), fondY);
    l->bSelectionnable = entierLigne() != 0;
    const std::string image = valeurLigne();
    if (!image.empty()) {
        l->pTexture = chargerImage(image);
        l->pSprite = std::make_unique<sf::Sprite>(*l->pTexture);
    }
    const std::wstring texte1 = tuv::utf8toWStr(valeurLigne());
    if (!texte1.empty()) {
        // The colour of text 1 is the line's, even when its font gives no text.
        l->pTexte1 = lireTexte(texte1, l->couleur);
        const std::wstring texte2 = tuv::utf8toWStr(valeurLigne());
        sf::Color couleur2;
        if (!texte2.empty())
            l->pTexte2 = lireTexte(texte2, couleur2);
    }
    if (choixNiveau && l->bSelectionnable)
        nomsNiveaux.push_back(tuv::wstrToUtf8(texte1));
    if (ligneActive == -1 && l->bSelectionnable)
        ligneActive = nbLignes;
    lignes.push_back(std::move(l));
    ++nbLignes;
}

// Font index, size, r, g, b after a text. A font outside the ten slots or a size of 0 or
// less makes no text; a size above 1000 is held to 1000 (the font would render glyphs of
// any size asked).
std::unique_ptr<sf::Text> CJeuMenus::lireTexte(const std::wstring& texte, sf::Color& couleur)
{
    int v[5];
    for (int& x : v)
        x = entierLigne();
    const int police = v[0], taille = v[1];
    couleur = sf::Color(composante(v[2]), composante(v[3]), composante(v[4]), 255);
    if (police < 0 || police >= NB_POLICES || taille <= 0)
        return nullptr;
    auto t = std::make_unique<sf::Text>(sf::String(texte), polices[police],
                                        static_cast<unsigned>(std::min(taille, TAILLE_TEXTE_MAX)));
    t->setStyle(sf::Text::Regular);
    t->setFillColor(couleur);
    return t;
}
