#include "editor/SFMLJeuChoixPer.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "characters/PersoDef.h"
#include "core/Dec.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/SetTextures.h"
#include "core/Texte.h"
#include "gui/CPLUXControlImage.h"

namespace {
const char* const DOSSIER_DEPART = "./personnages/";
constexpr unsigned TAILLE_TEXTE = 14;
constexpr float TEMPS_FRAME_APERCU = 0.1f;
} // namespace

CSFMLJeuChoixPer::CSFMLJeuChoixPer() : CSFMLJeuChoix(".per", DOSSIER_DEPART, TAILLE_TEXTE, "Erreur !")
{
    CSFMLJeuGlobal::pChoixPer = this;
    getDialogDossier()->setDialogCallback(&CSFMLJeuChoixPer::rappelDossier);
}

CSFMLJeuChoixPer::~CSFMLJeuChoixPer()
{
    CSFMLJeuChoixPer::libererApercu();
    if (CSFMLJeuGlobal::pChoixPer == this)
        CSFMLJeuGlobal::pChoixPer = nullptr;
}

bool CSFMLJeuChoixPer::rappelDossier(void* owner, CPLUXDialog*, CPLUXControl* c, int code)
{
    if (owner)
        static_cast<CSFMLJeuChoixPer*>(static_cast<CPLUXDialogImage*>(owner))->rappel(c, code);
    return true;
}

std::string CSFMLJeuChoixPer::nomDe(const std::string& chemin) { return CPersoDef().lireNom(chemin); }

void CSFMLJeuChoixPer::libererApercu()
{
    idOverSel.clear();
    pOverSel = nullptr;
    bDeplaceOver = false;
    CSFMLJeuChoix::libererApercu();
    // After the bank: its definition points at the character.
    delete pPerso;
    pPerso = nullptr;
}

void CSFMLJeuChoixPer::chargerApercu()
{
    if (nbFichiers < 1)
        return;
    libererApercu();
    pPerso = new CPerso();
    pDEC = new CDEC();
    if (CPersoDef* def = pDEC->pPersoDef) {
        def->pPerso = pPerso;
        // The preview's sprite lines go into this picker's bank, for this reading only.
        CPersoDef::banqueApercu = [this] { return pDEC; };
        const MondeJeu* jeu = faceJeu::monde();
        def->charger(fichiers[numFichier], true, jeu ? jeu->pdecor : nullptr);
        CPersoDef::banqueApercu = nullptr;
        pDEC->nom = def->id;
    }
    pApercu = new CSPRITE3();
    pApercu->pDEC = pDEC;
    pApercu->tempsFrame = TEMPS_FRAME_APERCU;
    pApercu->bAnime = pPerso->sprite && pPerso->sprite->bAnime;
    const CSetTextures* a0 = pDEC->trouverAnim(0);
    demiLargeur = a0 ? static_cast<float>(a0->largeur / 2) : 0.f;
    demiHauteur = a0 ? static_cast<float>(a0->hauteur / 2) : 0.f;
    ajouterOvers();
    remplirValeurs();
}

void CSFMLJeuChoixPer::ajouterOvers()
{
    const CPersoDef* def = pDEC->pPersoDef;
    if (!def)
        return;
    for (int a = 0; a < pDEC->nbAnims; ++a)
        for (const CPersoDef::Over& o : def->overs)
            if (o.parametre == a)
                pApercu->Over(o.nom, o.fichier, a, static_cast<float>(o.x), static_cast<float>(o.y), o.sx, o.sy,
                              o.rotation, o.bFlag);
}

CSPRITE3* CSFMLJeuChoixPer::spriteAnime() const
{
    return pApercu && pApercu->bAnime && pPerso ? pPerso->sprite : nullptr;
}

bool CSFMLJeuChoixPer::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CSFMLJeuChoix::onPressLeft(w, x, y, c);
    const std::string id = c ? c->getId() : std::string();
    if (pApercu && pDEC) {
        const int n = pApercu->getNumAnim();
        if (id == BOUTON_ANIM_MOINS && n > 0)
            pApercu->animer(n - 1);
        else if (id == BOUTON_ANIM_PLUS && n < pDEC->nbAnims - 1)
            pApercu->animer(n + 1);
    }
    remplirNumAnim();
    bDeplaceOver = false;
    return true;
}

bool CSFMLJeuChoixPer::onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CSFMLJeuChoix::onClicLeft(w, x, y, c);
    if (!pApercu || !c || c != getImageControl() || echelleApercu <= 0)
        return true;
    // The mouse in the preview sprite's own frame: relative to the control, less where the
    // sprite's point was drawn, over the drawing scale.
    const sf::Vector2f coin = c->getPositionScreen();
    const sf::Vector2f souris(static_cast<float>(x) - coin.x - positionApercu.x,
                              static_cast<float>(y) - coin.y - positionApercu.y);
    if (!bDeplaceOver) {
        idOverSel = pApercu->getIdOver(souris.x / echelleApercu, souris.y / echelleApercu);
        if (idOverSel.empty())
            return true;
        pOverSel = &pApercu->getOver(idOverSel);
        bDeplaceOver = true;
        decalageX = tuv::floatVersInt(souris.x - echelleApercu * pOverSel->x);
        decalageY = tuv::floatVersInt(souris.y - echelleApercu * pOverSel->y);
    } else if (pOverSel && !idOverSel.empty()) {
        pOverSel->x = (souris.x - static_cast<float>(decalageX)) / echelleApercu;
        pOverSel->y = (souris.y - static_cast<float>(decalageY)) / echelleApercu;
    }
    return true;
}
