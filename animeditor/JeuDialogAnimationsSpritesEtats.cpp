// State-list files (".eta"): the names of the sprite's game states alone, so that sprites can
// share one list. Reading links every state to no animation; the user links them again.
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "core/Fichiers.h"
#include "core/Texte.h"
#include "core/TuvFile.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXDialogFile.h"
#include "gui/OutilsControles.h"

#include <algorithm>

namespace {
const char* const CLE_ETATS = "ETATS";

// The names of an "ETATS=n;name;name..." line, at most n, empty ones left out. The line is
// split here rather than value by value: past the last value the reader repeats it, and a
// count of two billion would then read two billion names.
std::vector<std::string> nomsDeLaLigne(const std::string& ligne)
{
    std::vector<std::string> valeurs;
    const size_t egal = ligne.find('=');
    std::string reste = egal == std::string::npos ? std::string() : ligne.substr(egal + 1);
    for (size_t debut = 0;;) {
        const size_t fin = reste.find(';', debut);
        valeurs.push_back(reste.substr(debut, fin == std::string::npos ? std::string::npos : fin - debut));
        if (fin == std::string::npos)
            break;
        debut = fin + 1;
    }
    const long long n = tuv::stoi(tuv::delspaces(valeurs.front()));
    std::vector<std::string> noms;
    for (size_t i = 1; i < valeurs.size() && static_cast<long long>(i) <= n; ++i)
        if (!valeurs[i].empty())
            noms.push_back(valeurs[i]);
    return noms;
}
} // namespace

// The list replaces the sprite's names and unlinks them all: the box says how many links that
// undid, so that the author can link them again or reload the file.
void CJeuDialogAnimationsSprites::chargerEtats(const std::string& chemin)
{
    CTUVFile f;
    if (!f.open(chemin, false)) {
        CPLUX::MessageBoxW(getTitle(), "Impossible de lire " + chemin + " : les états restent.");
        return;
    }
    bool lu = false;
    std::map<std::string, int> etats;
    for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
        if (cle != CLE_ETATS)
            continue;
        // Each line replaces the list: the last one wins.
        etats.clear();
        for (const std::string& nom : nomsDeLaLigne(f.getLigneCourante()))
            etats[nom] = -1;
        lu = true;
    }
    f.close();
    if (!lu) {
        CPLUX::MessageBoxW(getTitle(), "Pas de ligne ETATS dans " + chemin + " : les états restent.");
        return;
    }
    const auto liens = std::count_if(pSprite->etats.begin(), pSprite->etats.end(),
                                     [](const auto& e) { return e.second != -1; });
    for (auto& anim : pSprite->animations)
        anim->etatJeu.clear();
    pSprite->etats = std::move(etats);
    remplirListesEtats();
    CPLUX::MessageBoxW(getTitle(), "États lus de " + chemin + " : " + CPLUX::itos(static_cast<int>(pSprite->etats.size())) +
                                       ", reliés à aucune animation. Liens défaits : " + CPLUX::itos(static_cast<int>(liens)) +
                                       " (« État jeu » relie un état à l'animation choisie).");
}

void CJeuDialogAnimationsSprites::remplirListesEtats()
{
    CPLUXControlComboBox* combo = ctrlComboBox(IdAnm::myComboBoxEtatJeu);
    CPLUXControlList* liste = ctrlList(IdAnm::myListEtats);
    if (combo) {
        combo->reset();
        combo->AddElement("(vide)");
    }
    if (liste)
        liste->reset();
    for (const auto& etat : pSprite->etats) {
        if (combo)
            combo->AddElement(etat.first);
        if (liste)
            liste->AddElement(etat.first);
    }
    editeur::choisirTexte(*this, IdAnm::myComboBoxEtatJeu, pSprite->getEtatAnimation(numAnimationSel));
}

bool CJeuDialogAnimationsSprites::sauverEtats(const std::string& chemin)
{
    if (chemin.empty())
        return false;
    // Without its ".save" copy the previous file is not replaced.
    if (!tuv::copierSauvegarde(chemin))
        return false;
    CTUVFile f;
    if (!f.open(chemin, true))
        return false;
    const std::string diese65(65, '#');
    f.writeLine(diese65);
    f.writeLine("#\tFichier d'animation du moteur de jeu Tuv2D v0.1 ");
    f.writeLine(diese65);
    f.writeLine("");
    f.writeLine("");
    f.writeLine(std::string(45, '#'));
    f.write(std::string(CLE_ETATS) + "=" + CPLUX::itos(static_cast<int>(pSprite->etats.size())));
    for (const auto& etat : pSprite->etats)
        f.write(";" + CSPRITE3::nomFichier(etat.first));
    f.writeLine("");
    return f.close();
}

bool CJeuDialogAnimationsSprites::cbChargerEtats(void* owner, CPLUXDialogFile* dlg, CPLUXControl* ctrl, int code)
{
    const bool choisi = (!ctrl && code == 15) || (ctrl && ctrl->getId() == "open" && code == 0);
    CJeuDialogAnimationsSprites* editeur = editeurDe(owner);
    if (!choisi || !dlg || !editeur)
        return true;
    editeur->chargerEtats(dlg->GetPath() + dlg->GetFile());
    dlg->close(0);
    return true;
}

bool CJeuDialogAnimationsSprites::callbackSauverEtats(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    if (!ctrl || ctrl->getId() != "save" || code != 0 || !dlg)
        return true;
    CJeuDialogAnimationsSprites* editeur = editeurDe(owner);
    CPLUXDialogFile* fichier = dlg->commeDialogFile();
    if (!editeur || !fichier)
        return true;
    auto* sauvegarde = dynamic_cast<CPLUXDialogFileSave*>(fichier);
    const std::string chemin = fichier->GetPath() + (sauvegarde ? sauvegarde->getFileSave() : fichier->GetFile());
    editeur->signalerSauvegarde(editeur->sauverEtats(chemin), chemin);
    dlg->close(0);
    return true;
}
