// Left presses of the animation editor: one table from control id to action (each group of
// buttons registers its own, in its own file), the press on the animation view that starts a
// drag, and the buttons that work on files: the file dialogs they open, save, New, reload,
// and applying the saved file to the running game.
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXDialogFile.h"

#include <initializer_list>

namespace {
// The library's kinds of file dialog.
constexpr int OUVRIR = 1;
constexpr int ENREGISTRER = 3;
constexpr int IMAGE = 4;
const std::initializer_list<const char*> IMAGES = {"jpg", "gif", "png", "bmp"};

// A file dialog of the editor: it lives on its own and calls back when the user confirms.
template <class Rappel>
void ouvrirDialogueFichier(CPLUXDialog& editeur, int genre, std::initializer_list<const char*> extensions,
                           const char* dossier, Rappel rappel, const char* idRappel = nullptr)
{
    int numero = 0;
    CPLUX::addDialog(&numero, nullptr, &editeur, genre, true, rappel);
    const auto it = CPLUX::dialoglist.find(numero);
    if (numero == 0 || it == CPLUX::dialoglist.end() || !it->second)
        return;
    CPLUXDialog* d = it->second;
    d->setCloseMode(0);
    if (idRappel)
        d->setId(idRappel);
    if (CPLUXDialogFile* f = d->commeDialogFile()) {
        for (const char* e : extensions)
            f->addExtension(e);
        f->InitDossiers(dossier);
    }
}
} // namespace

// Dispatch --------------------------------------------------------------------------------------------

bool CJeuDialogAnimationsSprites::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    if (c == pImageAnimation) {
        // A new drag: its first step chooses what it moves and records it once.
        bDebutDrag = true;
        bAnnulationDeplacement = true;
        return true;
    }
    const auto it = tableBoutons().find(c->getId());
    if (it != tableBoutons().end())
        it->second(*this, AppuiGauche{w, x, y, c});
    return true;
}

const CJeuDialogAnimationsSprites::TableBoutons& CJeuDialogAnimationsSprites::tableBoutons()
{
    static const TableBoutons table = [] {
        TableBoutons t;
        boutonsFichiers(t);
        boutonsPlanche(t);
        boutonsAnimations(t);
        boutonsKeyframes(t);
        boutonsAnimElems(t);
        return t;
    }();
    return table;
}

// File buttons ------------------------------------------------------------------------------------------

void CJeuDialogAnimationsSprites::boutonsFichiers(TableBoutons& t)
{
    using D = CJeuDialogAnimationsSprites;
    t[IdAnm::myButtonOuvrirImagePlanche] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, IMAGE, IMAGES, "./", &D::callbackOuvrirPlanche);
    };
    t[IdAnm::myButtonExportPlancheOpen] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, IMAGE, IMAGES, "./", &D::callbackExportPlanche);
    };
    t[IdAnm::myButtonElementImageExt] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, IMAGE, IMAGES, "./", &D::callbackImageElement);
    };
    t[IdAnm::myButtonEtatLoad] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, OUVRIR, {"eta"}, "./", &D::cbChargerEtats);
    };
    t[IdAnm::myButtonEtatSave] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, ENREGISTRER, {"eta"}, "./", &D::callbackSauverEtats);
    };
    t[IdAnm::myButtonSelectScript] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, OUVRIR, {"scp"}, "./scripts/", &D::callbackOuvrirScriptFrame);
    };
    t[IdAnm::myButtonScriptTir] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, OUVRIR, {"scp"}, "./scripts/", &D::callbackOuvrirScriptTir);
    };
    t[IdAnm::myButtonOuvrirANM] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, OUVRIR, {"anm"}, "./", &D::callbackOuvrirANM);
    };
    t[IdAnm::myButtonEnregistrerANMSous] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, ENREGISTRER, {"anm"}, "./", &D::callbackSauverANM, "ID_CB_SAUVER_ANM");
    };
    t[IdAnm::myButtonOutilsExportation] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, ENREGISTRER, {"anm"}, "./", &D::callbackExporterANM, "ID_CB_EXPORT_ANM");
    };
    t[IdAnm::myButtonOutilsExportationNew] = [](D& d, const AppuiGauche&) {
        ouvrirDialogueFichier(d, ENREGISTRER, {"anm"}, "./", &D::callbackExporterNouveauANM, "ID_CB_EXPORTNEW_ANM");
    };
    t[IdAnm::myButtonEnregistrerANM] = [](D& d, const AppuiGauche&) { d.enregistrerAnm(); };
    t[IdAnm::myButtonNouveauAnm] = [](D& d, const AppuiGauche&) { d.nouvelleAnimation(); };
    // The element chosen stays chosen, its panel showing what the file holds.
    t[IdAnm::myButtonReloadAnm] = [](D& d, const AppuiGauche&) {
        const int element = d.elementSel;
        if (d.pSprite->strFichier.empty() || !d.ouvrirAnm(d.pSprite->strFichier))
            return;
        if (CPLUXControlList* l = d.ctrlList(IdAnm::myListElementsPlanche); l && d.pSprite->getElement(element))
            l->setNumSel(element);
    };
    t[IdAnm::myButtonReloadPlanche] = [](D& d, const AppuiGauche&) { d.rechargerPlanche(); };
    t[IdAnm::myButtonReloadScriptFrame] = [](D& d, const AppuiGauche&) { d.majNbExecutionsScript(); };
    t[IdAnm::myButtonReloadIniAnm] = [](D& d, const AppuiGauche&) { d.rechargerAnimsGlobales(); };
    t[IdAnm::myButtonAppliquerAuJeu] = [](D& d, const AppuiGauche&) { d.appliquerAuJeu(); };
}

// The sheet the "Planche" field names: one typed there is loaded as if chosen with "Ouvrir
// planche…", or refused with a box; the same sheet is read again from the disk.
void CJeuDialogAnimationsSprites::rechargerPlanche()
{
    const CPLUXControl* champ = getControl(IdAnm::myTextInputNomPlanche);
    const std::string chemin = champ ? champ->getText() : pSprite->strTexture;
    if (chemin != pSprite->strTexture || chemin.empty()) {
        chargerPlanche(chemin);
        return;
    }
    if (pImagePlanche)
        pImagePlanche->setImage(pSprite->strTexture);
    if (!pSprite->chargerTexture(CLE_TEXTURE, pSprite->strTexture))
        chargerPlanche(chemin);
}

// The game's global animations read again; the sprite's sub-sprites are looked up again in
// the new map (the old ones may be gone).
void CJeuDialogAnimationsSprites::rechargerAnimsGlobales()
{
    if (ServicesJeu* jeu = faceJeu::services())
        jeu->chargerAnimsGlobales("./anmglobaux.ini");
    majComboAnmBase(true);
    pSprite->relierAnimsGlobales();
}
