#include "editor/SFMLJeuChoixDec.h"

#include "anim/Sprite3.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Globals.h"

namespace {
const char* const DOSSIER_DEPART = "./decors/";
constexpr unsigned TAILLE_TEXTE = 12;
} // namespace

CSFMLJeuChoixDec::CSFMLJeuChoixDec()
    : CSFMLJeuChoix(".dec", DOSSIER_DEPART, TAILLE_TEXTE, "Erreur dans CSFMLJeuChoixDec"),
      lecteurId_(std::make_unique<CFichierDEC>())
{
    CSFMLJeuGlobal::pChoixDec = this;
    getDialogDossier()->setDialogCallback(&CSFMLJeuChoixDec::rappelDossier);
}

CSFMLJeuChoixDec::~CSFMLJeuChoixDec()
{
    if (CSFMLJeuGlobal::pChoixDec == this)
        CSFMLJeuGlobal::pChoixDec = nullptr;
}

bool CSFMLJeuChoixDec::rappelDossier(void* owner, CPLUXDialog*, CPLUXControl* c, int code)
{
    if (owner)
        static_cast<CSFMLJeuChoixDec*>(static_cast<CPLUXDialogImage*>(owner))->rappel(c, code);
    return false;
}

std::string CSFMLJeuChoixDec::nomDe(const std::string& chemin) { return lecteurId_->lireIdDEC(chemin); }

void CSFMLJeuChoixDec::chargerApercu()
{
    if (nbFichiers < 1)
        return;
    libererApercu();
    pDEC = new CDEC();
    pDEC->pFichierDEC->chargerDEC(fichiers[numFichier], pDEC);
    pDEC->nom = pDEC->pFichierDEC->id;
    pApercu = new CSPRITE3();
    pApercu->pDEC = pDEC;
    pApercu->tempsFrame = pDEC->pFichierDEC->tempsFrame;
    pApercu->bAnime = pDEC->pFichierDEC->pSprite3 != nullptr;
    remplirValeurs();
}

CSPRITE3* CSFMLJeuChoixDec::spriteAnime() const
{
    return pDEC && pApercu && pApercu->bAnime ? pDEC->pFichierDEC->pSprite3.get() : nullptr;
}
