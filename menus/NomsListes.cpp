#include "menus/NomsListes.h"

#include "core/Fichiers.h"
#include "core/TuvFile.h"

namespace {

// Each level list and the choice menu that shows it, line 1 on.
const struct {
    const char* liste;
    const char* menu;
} LISTES[] = {
    {"./niveaux/niveaux_aventure.ini", "menu320_choixniveau_aventure.mnu"},
    {"./niveaux/niveaux_chrono.ini", "menu330_choixniveau_chrono.mnu"},
    {"./niveaux/niveaux_multi.ini", "menu340_choixniveau_multi.mnu"},
};

// The index of the entry whose level file is `fichier`, -1 when none.
int indexDans(const std::string& liste, const std::string& fichier)
{
    CTUVFile f;
    if (!f.open(liste, false))
        return -1;
    int trouve = -1;
    int i = 0;
    for (std::string cle = f.getKey(); !cle.empty() && trouve < 0; cle = f.getKey()) {
        if (cle != "NIV")
            continue;
        if (tuv::memeFichier(f.getValue() + "niveau.niv", fichier))
            trouve = i;
        ++i;
    }
    f.close();
    return trouve;
}

// Text 1 of the menu's line `ligne` (0: the first "LIGNE=").
std::string texteLigne(const std::string& menu, int ligne)
{
    CTUVFile f;
    if (!f.open(menu, false))
        return std::string();
    std::string texte;
    int n = 0;
    for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
        if (cle != "LIGNE" || n++ != ligne)
            continue;
        // x; y; selectable; image; text 1
        for (int k = 0; k < 4 && !f.finDeLigne(); ++k)
            f.getValue();
        if (!f.finDeLigne())
            texte = f.getValue();
        break;
    }
    f.close();
    return texte;
}

} // namespace

const std::string& NomsListes::nom(const std::string& fichier, const std::string& langue)
{
    if (lu_ && fichier == fichier_ && langue == langue_)
        return nom_;
    lu_ = true;
    fichier_ = fichier;
    langue_ = langue;
    nom_.clear();
    if (fichier.empty())
        return nom_;
    for (const auto& l : LISTES)
        if (const int i = indexDans(l.liste, fichier); i >= 0) {
            nom_ = texteLigne("./menus/" + langue + l.menu, i + 1);
            break;
        }
    return nom_;
}
