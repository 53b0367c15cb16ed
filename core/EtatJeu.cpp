// The installed facets: the game installs itself at construction (game/Jeu.cpp), tests and
// tools install what they make.
#include "core/EtatJeu.h"

#include "core/Globals.h"

CSFMLJeu* CSFMLJeuGlobal::pmonjeu = nullptr;

namespace faceJeu {
namespace {
FacettesJeu installe;
}

void installer(const FacettesJeu& facettes)
{
    installe = facettes;
    CSFMLJeuGlobal::pmonjeu = facettes.jeu;
}

const FacettesJeu& installees() { return installe; }
MondeJeu* monde() { return installe.monde; }
PartieJeu* partie() { return installe.partie; }
OptionsJeu* options() { return installe.options; }
AffichageJeu* affichage() { return installe.affichage; }
ServicesJeu* services() { return installe.services; }

bool enAnglais() { return installe.services && installe.services->langue() == "en_"; }
} // namespace faceJeu
