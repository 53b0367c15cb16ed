// Write-back of the particle emitter options dialog: typed values, checks and the colour go
// into the live emitter at once; the restart and the weapon test.
#include "editor/JeuDialogPhysParticulesOptions.h"

#include "characters/Armes.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/ChampsParticules.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/OutilsControles.h"

#include <memory>

using namespace champsParticules;

namespace {

template <class T, size_t N>
const T* ligne(const T (&table)[N], const std::string& id)
{
    for (const T& l : table)
        if (id == l.id)
            return &l;
    return nullptr;
}

// Numbers by the number fields' rule: a text that is no number is refused, the value kept.
void ecrire(CParticules& p, const Saisie& s, CPLUXControlTextInput& c)
{
    int canal = 0;
    switch (s.genre) {
    case Genre::Reel:
        if (c.lireNombre(p.*s.reel) && s.copie)
            p.*s.copie = p.*s.reel;
        break;
    case Genre::Entier:
    case Genre::Compte: c.lireNombre(p.*s.entier); break;
    case Genre::Canal:
        canal = p.couleur.*s.canal;
        if (c.lireNombre(canal))
            p.couleur.*s.canal = sf::Uint8(canal & 0xFF);
        break;
    case Genre::Chemin: p.strCheminTexture = tuv::delspaces(c.getText()); break;
    }
}

void montrerGardee(const CParticules& p, const Saisie& s, CPLUXControlTextInput& c)
{
    if (s.genre == Genre::Reel)
        c.montrerValeurGardee(p.*s.reel);
    else if (s.genre == Genre::Canal)
        c.montrerValeurGardee(static_cast<int>(p.couleur.*s.canal));
    else if (s.genre != Genre::Chemin)
        c.montrerValeurGardee(p.*s.entier);
}

} // namespace

void CJeuDialogPhysParticulesOptions::redemarrer(int type)
{
    if (pProprietaire)
        pParticules->demarrer(tuv::floatVersInt(pProprietaire->x), tuv::floatVersInt(pProprietaire->y), type);
    else
        pParticules->demarrer(0, 0, 0);
    // A restart is a new start: an emitter that had lived its cycles emits again.
    pParticules->bFini = false;
}

bool CJeuDialogPhysParticulesOptions::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c || !pParticules)
        return true;
    const std::string& id = c->getId();
    if (id == ids::myButtonInit)
        redemarrer(pParticules->type);
    else if (id == ids::myButtonTestArmeParticule)
        testerArme();
    return true;
}

// The player's current weapon gets a copy of the emitter, which then belongs to it: later
// edits do not reach it. The copy follows no sprite, as a weapon's emitter read from the
// weapons file does: every shot copies it, and must not emit at (or read) the decor sprite.
void CJeuDialogPhysParticulesOptions::testerArme()
{
    const MondeJeu* jeu = faceJeu::monde();
    if (!pProprietaire || !jeu || !jeu->parmes)
        return;
    const CPerso* joueur = jeu->pPerso.get();
    const SlotArme* slot = joueur ? joueur->slotCourant() : nullptr;
    const auto& armes = jeu->parmes->armes;
    if (!slot || slot->numero < 0 || slot->numero >= static_cast<int>(armes.size()) || !armes[size_t(slot->numero)])
        return;
    auto copie = std::make_unique<CParticules>(*pParticules);
    copie->pElementAttache = nullptr;
    copie->bAttache = false;
    // Shots in flight hold their own copies: the weapon's former emitter can go.
    armes[size_t(slot->numero)]->pParticulesTir = std::move(copie);
}

void CJeuDialogPhysParticulesOptions::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    if (!c || bRemplissage || !pParticules)
        return;
    const Saisie* s = ligne(SAISIES, c->getId());
    if (!s)
        return;
    ecrire(*pParticules, *s, *c);
    // A half-typed value must not reach the next births (a negative random life, a huge
    // colour amplitude): the emitter keeps only values it can run with, which the field shows.
    pParticules->borner();
    montrerGardee(*pParticules, *s, *c);
    if (s->genre == Genre::Canal)
        editeur::colorer(*this, ids::myColorParticules, pParticules->couleur);
    else if (s->genre == Genre::Compte)
        redemarrer(pParticules->type);
}

void CJeuDialogPhysParticulesOptions::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    const Case* k = c && pParticules ? ligne(CASES, c->getId()) : nullptr;
    if (!k)
        return;
    CParticules& p = *pParticules;
    const bool etat = c->isChecked();
    switch (k->genre) {
    case GenreCase::Emission: {
        if (!pProprietaire)
            return;
        // The owner's flag claims the emitter only when its slot holds it: the animation
        // editor's sprite carries its emitters in its anim elements, not in that slot.
        const bool possede = pProprietaire->pParticules == pParticules;
        redemarrer(k->valeur);
        if (k->valeur == 0)
            p.pElementAttache = pProprietaire;
        if (possede)
            pProprietaire->bPhysP = true;
        break;
    }
    case GenreCase::Choix:
        if (etat)
            p.*k->entier = k->valeur;
        break;
    case GenreCase::Angle:
        for (const Case& autre : CASES)
            if (autre.genre == GenreCase::Angle)
                p.*autre.drapeau = !etat;
        p.*k->drapeau = etat;
        break;
    case GenreCase::Drapeau:
        p.*k->drapeau = etat;
        if (k->drapeau2)
            p.*k->drapeau2 = etat;
        break;
    }
    p.borner();
}

void CJeuDialogPhysParticulesOptions::onCtrlColorChange(CPLUXControlColor* c)
{
    CPLUXDialog::onCtrlColorChange(c);
    if (!c || !pParticules || c->getId() != ids::myColorParticules)
        return;
    pParticules->couleur = c->getColor();
    afficherCanaux();
}

void CJeuDialogPhysParticulesOptions::afficherCanaux()
{
    const bool avant = bRemplissage;
    bRemplissage = true;
    const sf::Color& col = pParticules->couleur;
    editeur::afficher(*this, ids::myTextInputR, tuv::itos(col.r));
    editeur::afficher(*this, ids::myTextInputG, tuv::itos(col.g));
    editeur::afficher(*this, ids::myTextInputB, tuv::itos(col.b));
    editeur::afficher(*this, ids::myTextInputA, tuv::itos(col.a));
    bRemplissage = avant;
}
