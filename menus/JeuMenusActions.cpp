// What validation and back do in each menu, at the end of every menu frame.
#include "menus/JeuMenus.h"

#include "core/Globals.h"
#include "game/Jeu.h"
#include "game/SourceEntrees.h"

void CJeuMenus::fermerFenetre()
{
    CSFMLJeu* jeu = CSFMLJeuGlobal::pmonjeu;
    if (jeu && jeu->pSourceEntrees)
        jeu->pSourceEntrees->fermerFenetre();
}

void CJeuMenus::actionMenu(const EntreesMenu& e)
{
    switch (idMenu) {
    case IdMenu::LANGUE:
        if (e.bValider) {
            if (ligneActive == 0)
                langue = "fr_";
            else if (ligneActive == 1)
                langue = "en_";
            if (!ecrireLangue("langue.ini"))
                signalerEchecEcriture("langue.ini");
            ouvrirMenu(IdMenu::PRINCIPAL);
        } else if (e.bRetour) {
            fermerFenetre();
        }
        break;
    case IdMenu::PRINCIPAL:
        if (e.bValider && ligneActive == 9) {
            fermerFenetre();
        } else if (e.bRetour && !e.bHaut && !e.bBas) {
            idMenu = IdMenu::LANGUE;
            ouvrirMenu(IdMenu::LANGUE);
        }
        break;
    default:
        break;
    }
}
