#include "editor/MenuEditeurImage.h"

#include "core/EtatJeu.h"
#include "core/Texte.h"
#include "level/Decor.h"
#include "level/MenuImage.h"
#include "level/Vue.h"

CMenuEditeurImage::CMenuEditeurImage() : pMenu(std::make_unique<CMenuImage>())
{
    pMenu->charger(IMAGE, TAILLE_CASE, TAILLE_CASE, 0, 0);
    largeurCase = pMenu->getLargeurCase();
    hauteurCase = pMenu->getHauteurCase();
    pMenu->setActif(true);
}

CMenuEditeurImage::~CMenuEditeurImage() = default;

int CMenuEditeurImage::dessiner(sf::RenderTarget& cible)
{
    if (!pjeu || !pjeu->pvue)
        return 0;
    const CVue& vue = *pjeu->pvue;
    const int camX = tuv::floatVersInt(vue.x), camY = tuv::floatVersInt(vue.y);
    pMenu->setValeurs(camX, camY);
    pMenu->setPosition(tuv::floatVersInt(static_cast<float>(decalageX) + vue.x),
                       tuv::floatVersInt(static_cast<float>(decalageY) + vue.y));
    return pMenu->dessiner(cible);
}

bool CMenuEditeurImage::gerer(sf::Window& fenetre, int, int)
{
    const bool dessus = pMenu->survol(fenetre);
    if (pMenu->clicGaucheCtrl() && pMenu->getIndex() == CASE_MASQUES && pjeu && pjeu->pdecor)
        pjeu->pdecor->bMasques = !pjeu->pdecor->bMasques;
    return dessus;
}
