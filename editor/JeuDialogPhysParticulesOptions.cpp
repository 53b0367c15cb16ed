// The fill of the particle emitter options dialog: every control from the emitter it is given.
#include "editor/JeuDialogPhysParticulesOptions.h"

#include "editor/ChampsParticules.h"
#include "gui/OutilsControles.h"

using namespace champsParticules;

void CJeuDialogPhysParticulesOptions::init(CParticules* particules, CSPRITE* proprietaire)
{
    pParticules = particules;
    pProprietaire = proprietaire;
    // Our inputs report the texts written here as changes: they must not go back into the
    // emitter (the count would restart it, the forces overwrite their reference).
    const bool avant = bRemplissage;
    bRemplissage = true;
    if (particules)
        remplir(*particules);
    else
        vider();
    bRemplissage = avant;
}

void CJeuDialogPhysParticulesOptions::remplir(const CParticules& p)
{
    for (const Saisie& s : SAISIES) {
        switch (s.genre) {
        case Genre::Reel: editeur::afficher(*this, s.id, p.*s.reel); break;
        case Genre::Entier:
        case Genre::Compte: editeur::afficher(*this, s.id, p.*s.entier); break;
        case Genre::Canal: editeur::afficher(*this, s.id, int(p.couleur.*s.canal)); break;
        case Genre::Chemin: editeur::afficher(*this, s.id, p.strCheminTexture); break;
        }
    }
    editeur::colorer(*this, ids::myColorParticules, p.couleur);
    for (const Case& c : CASES) {
        const bool coche = c.entier ? p.*c.entier == c.valeur : p.*c.drapeau;
        editeur::cocher(*this, c.id, coche);
    }
}

// Without an emitter the value inputs empty and the per-emitter checks clear; the texture
// path, the size bounds, the type, the collision mode, a few flags and the colour keep what
// the last emitter showed.
void CJeuDialogPhysParticulesOptions::vider()
{
    for (const Saisie& s : SAISIES)
        if (s.videSansEmetteur)
            editeur::afficher(*this, s.id, std::string());
    for (const Case& c : CASES)
        if (c.decocheSansEmetteur)
            editeur::cocher(*this, c.id, false);
}
