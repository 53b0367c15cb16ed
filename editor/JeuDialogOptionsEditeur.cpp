#include "editor/JeuDialogOptionsEditeur.h"

#include "anim/Sprite3.h"
#include "characters/EtatsPerso.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Texte.h"
#include "editor/Editeur.h"
#include "gui/CPLUX.h"
#include "level/Decor.h"

namespace {

// The game's flags its check buttons show, by the names the model binds them to.
struct DrapeauLie {
    const char* nom;
    bool OptionsJeu::*drapeau;
};
const DrapeauLie DRAPEAUX[] = {
    {"CSFMLJeuGlobal::pmonjeu->bCarteJeu", &OptionsJeu::bCarteJeu},
    {"CSFMLJeuGlobal::pmonjeu->bModeFantome", &OptionsJeu::bModeFantome},
    {"CSFMLJeuGlobal::pmonjeu->bSizeX", &OptionsJeu::bSizeX},
    {"CSFMLJeuGlobal::pmonjeu->bSizeY", &OptionsJeu::bSizeY},
    {"CSFMLJeuGlobal::pmonjeu->bLocksSelect", &OptionsJeu::bLocksSelect},
    {"CSFMLJeuGlobal::pmonjeu->bScriptsActifs", &OptionsJeu::bScriptsActifs},
    {"CSFMLJeuGlobal::pmonjeu->bAfficheIAs", &OptionsJeu::bAfficheIAs},
    {"CSFMLJeuGlobal::pmonjeu->bAfficheHitboxes", &OptionsJeu::bAfficheHitboxes},
    {"CSFMLJeuGlobal::pmonjeu->bAfficheGrille", &OptionsJeu::bAfficheGrille},
};

enum class Bouton { Lumieres, ChargePosIAs, ChargeNiv, ChargeNivSaufPerso, SauveNiv, ModeJeu };
struct BoutonOptions {
    const char* id;
    Bouton bouton;
};
// In the order the ids are compared.
const BoutonOptions BOUTONS[] = {
    {"myButtonCheckLumieres", Bouton::Lumieres},
    {"myButtonChargePosIAs", Bouton::ChargePosIAs},
    {"myButtonChargeNiv", Bouton::ChargeNiv},
    {"myButtonChargeNivSaufPerso", Bouton::ChargeNivSaufPerso},
    {"myButtonSauveNiv", Bouton::SauveNiv},
    {"myButtonModeJeu", Bouton::ModeJeu},
};

} // namespace

void CJeuDialogOptionsEditeur::onCreate()
{
    CPLUXDialog::onCreate();
    if (OptionsJeu* jeu = faceJeu::options())
        for (const DrapeauLie& d : DRAPEAUX)
            setMapVar(d.nom, &(jeu->*d.drapeau));
    afficherVariables();
}

void CJeuDialogOptionsEditeur::onShow()
{
    CPLUXDialog::onShow();
    afficherVariables();
}

bool CJeuDialogOptionsEditeur::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    MondeJeu* jeu = faceJeu::monde();
    if (!c || !jeu)
        return true;
    for (const BoutonOptions& b : BOUTONS) {
        if (c->getId() != b.id)
            continue;
        switch (b.bouton) {
        case Bouton::Lumieres:
            if (jeu->pdecor)
                editeur::appliquerLumieres(*jeu->pdecor);
            break;
        case Bouton::ChargePosIAs:
            if (jeu->pdecor)
                for (CPerso* ia : jeu->pdecor->ias)
                    if (ia)
                        replacerIA(*ia);
            break;
        case Bouton::ChargeNiv: editeur::rechargerNiveau(); break;
        case Bouton::ChargeNivSaufPerso: rechargerSaufJoueur(); break;
        case Bouton::SauveNiv: editeur::sauvegardeRapide(); break;
        case Bouton::ModeJeu: basculerModeJeu(); break;
        }
        break;
    }
    return true;
}

void CJeuDialogOptionsEditeur::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    editeur::rafraichirBarre();
}

// Back where the level placed it and facing its way, alive, on animation 0 in state 0; its
// children too.
void CJeuDialogOptionsEditeur::replacerIA(CPerso& ia)
{
    if (ia.sprite)
        ia.sprite->placer(0, tuv::floatVersInt(ia.sprite->x0), tuv::floatVersInt(ia.sprite->y0));
    ia.bDel = false;
    ia.bMortLancee = false;
    ia.vie = ia.vieMax;
    // A dead character refuses every state: it leaves its death first.
    if (ia.mode == EtatPerso::MORT) {
        ia.mode = EtatPerso::ARRET;
        ia.bMortTerminee = false;
    }
    ia.setEtat(EtatPerso::ARRET);
    // Facing the way the author placed it, not the way its scripts turned it.
    ia.setDirection(ia.directionInitiale);
    // The level clears an entry whose child it freed.
    for (CPerso* enfant : ia.enfants)
        if (enfant)
            replacerIA(*enfant);
}

// The reload makes the player anew: it goes back where the old one stood, on the animation
// the reload gave it.
void CJeuDialogOptionsEditeur::rechargerSaufJoueur()
{
    MondeJeu& jeu = *faceJeu::monde();
    int x = 0, y = 0;
    if (CPerso* joueur = jeu.pPerso.get(); joueur && joueur->sprite) {
        x = tuv::floatVersInt(joueur->sprite->x);
        y = tuv::floatVersInt(joueur->sprite->y);
    }
    editeur::rechargerNiveau();
    if (CPerso* joueur = jeu.pPerso.get(); joueur && joueur->sprite)
        joueur->sprite->placer(-1, x, y);
}

// The library toolbar shown means editing: the press goes to playing; hidden, to editing.
void CJeuDialogOptionsEditeur::basculerModeJeu()
{
    if (!CSFMLJeuGlobal::bModeTest)
        return;
    OptionsJeu& jeu = *faceJeu::options();
    if (!CPLUX::pTB || !CPLUX::pTB->estAffiche()) {
        faceJeu::partie()->mode = 2;
        jeu.bHUDVisible = false;
        jeu.bCarteJeu = true;
        if (CPerso* joueur = faceJeu::monde()->pPerso.get())
            joueur->resetEtat();
    } else {
        faceJeu::partie()->mode = 1;
        CPLUX::pTB->setVisible(false);
        CPLUX::minimizeAll();
        jeu.bHUDVisible = true;
        jeu.bCarteJeu = false;
        faceJeu::monde()->pPersoSelection = nullptr;
    }
    afficherVariables();
}
