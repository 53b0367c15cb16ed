// Files of the animation editor: the ".anm" opened, saved, saved as and exported (each save
// reports whether it wrote the file), a new animation, the running game's sprites read again
// from the saved file, and the paths the file dialogs give: the sheet, an element's own
// image, a keyframe's script, the shot script and the sheet of an export.
#include "animeditor/ControlTimeline.h"
#include "animeditor/IdsAnimationsSprites.h"
#include "animeditor/JeuDialogAnimationsSprites.h"

#include "anim/Sprite3.h"
#include "characters/Perso.h"
#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/Media.h"
#include "core/Services.h"
#include "core/Texte.h"
#include "core/TuvFile.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXDialogFile.h"
#include "gui/OutilsControles.h"
#include "level/Decor.h"

#include <set>

using editeur::afficher;
using editeur::cocher;
using editeur::colorer;

namespace {
using D = CJeuDialogAnimationsSprites;

// What a file dialog reports: a file chosen to open (no control and 15, or "open" and 0), or
// to save ("save" and 0); anything else is a cancel or a move in the dialog.
bool ouverture(const CPLUXControl* c, int code) { return (!c && code == 15) || (c && c->getId() == "open" && code == 0); }
bool sauvegarde(const CPLUXControl* c, int code) { return c && c->getId() == "save" && code == 0; }

// The callback's work on a live editor, with the file dialog; then the dialog closes.
template <class Action>
bool repondre(void* owner, CPLUXDialog* dlg, bool choisi, Action&& action)
{
    D* e = choisi ? D::editeurDe(owner) : nullptr;
    CPLUXDialogFile* f = dlg ? dlg->commeDialogFile() : nullptr;
    if (!e || !f)
        return true;
    action(*e, *f);
    dlg->close(0);
    return true;
}

// The folder and the file of an open dialog; empty when no file is chosen.
std::string fichierOuvert(const CPLUXDialogFile& f) { return f.GetFile().empty() ? std::string() : f.GetFullPath(); }

std::string fichierSauve(const CPLUXDialogFile& f)
{
    const auto* s = dynamic_cast<const CPLUXDialogFileSave*>(&f);
    return s ? s->getFullPathSave() : f.GetFullPath();
}

// What an export borrows for a moment and gives back.
struct Identite {
    explicit Identite(CSPRITE3& s) : sprite(s), id(s.ID), texture(s.strTexture), fichier(s.strFichier) {}
    ~Identite()
    {
        sprite.ID = id;
        sprite.strTexture = texture;
        sprite.strFichier = fichier;
    }
    CSPRITE3& sprite;
    std::string id, texture, fichier;
};
} // namespace

D* CJeuDialogAnimationsSprites::editeurDe(void* owner)
{
    auto* d = static_cast<CPLUXDialog*>(owner);
    return CPLUX::estVivant(d) ? dynamic_cast<D*>(d) : nullptr;
}

// Callbacks ------------------------------------------------------------------------------------------

bool D::callbackOuvrirANM(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, ouverture(ctrl, code),
                    [](D& e, CPLUXDialogFile& f) { e.ouvrirAnm(f.GetFullPath()); });
}

bool D::callbackSauverANM(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, sauvegarde(ctrl, code),
                    [](D& e, CPLUXDialogFile& f) { e.sauverAnmSous(fichierSauve(f)); });
}

bool D::callbackExporterANM(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, sauvegarde(ctrl, code),
                    [](D& e, CPLUXDialogFile& f) { e.exporterAnm(fichierSauve(f)); });
}

bool D::callbackExporterNouveauANM(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, sauvegarde(ctrl, code),
                    [](D& e, CPLUXDialogFile& f) { e.exporterNouveauAnm(fichierSauve(f)); });
}

bool D::callbackOuvrirPlanche(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, ouverture(ctrl, code),
                    [](D& e, CPLUXDialogFile& f) { e.chargerPlanche(f.GetFullPath()); });
}

bool D::chargerPlanche(const std::string& chemin)
{
    if (!pSprite->chargerTexture(CLE_TEXTURE, chemin)) {
        CPLUX::MessageBoxW(getTitle(), "Fichier introuvable : « " + chemin + " » (planche non chargée).");
        afficher(*this, IdAnm::myTextInputNomPlanche, pSprite->strTexture);
        return false;
    }
    afficher(*this, IdAnm::myTextInputNomPlanche, pSprite->strTexture);
    if (CPLUXControlImage* planche = ctrlImage(IdAnm::myImagePlancheSprites)) {
        planche->setImage(pSprite->strTexture);
        planche->setDimensionImage(true);
        planche->setScale(1.0f);
    }
    // The zone stays on its sheet pixels at the new scale; the zoom input follows.
    replacerZonePlanche();
    return true;
}

bool D::callbackImageElement(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, ouverture(ctrl, code),
                    [](D& e, CPLUXDialogFile& f) { e.chargerImageElement(e.elementSel, fichierOuvert(f)); });
}

bool D::callbackOuvrirScriptFrame(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, ouverture(ctrl, code),
                    [](D& e, CPLUXDialogFile& f) { e.choisirScriptFrame(fichierOuvert(f)); });
}

bool D::callbackOuvrirScriptTir(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, ouverture(ctrl, code), [](D& e, CPLUXDialogFile& f) {
        e.pSprite->scriptTir = fichierOuvert(f);
        afficher(e, IdAnm::myTextInputScriptTir, e.pSprite->scriptTir);
    });
}

bool D::callbackExportPlanche(void* owner, CPLUXDialog* dlg, CPLUXControl* ctrl, int code)
{
    return repondre(owner, dlg, ouverture(ctrl, code),
                    [](D& e, CPLUXDialogFile& f) { afficher(e, IdAnm::myTextInputExportPlanche, fichierOuvert(f)); });
}

// Opening, New ----------------------------------------------------------------------------------------

bool D::ouvrirAnm(const std::string& chemin)
{
    if (!pSprite->charger(CPLUX::surface, nullptr, chemin, true))
        return false;
    afficher(*this, IdAnm::myTextInputNomFichierANM, chemin);
    reinitialiserEdition();
    afficherSprite();
    // What the reader took otherwise than written: the next save writes it so.
    constexpr size_t NOTES_MONTREES = 8;
    if (!pSprite->notes.vide())
        CPLUX::MessageBoxW(getTitleW(), tuv::utf8toWStr(chemin + " : valeurs corrigées\n" +
                                                        pSprite->notes.resume(NOTES_MONTREES)));
    return true;
}

// The editor's own settings carry over to the new sprite (the checks still show them).
void D::nouvelleAnimation()
{
    const CSPRITE3& ancien = *pSprite;
    auto* nouveau = new CSPRITE3;
    nouveau->bBoucle = ancien.bBoucle;
    nouveau->bStopFin = ancien.bStopFin;
    nouveau->bDessinerFille = ancien.bDessinerFille;
    nouveau->bDessinerMere = ancien.bDessinerMere;
    nouveau->bShadersTous = ancien.bShadersTous;
    nouveau->bScriptsFrames = ancien.bScriptsFrames;
    nouveau->armeCourante = ancien.armeCourante;
    delete pSprite;
    pSprite = nouveau;
    reinitialiserEdition();
    afficherSprite();
    if (pImagePlanche)
        pImagePlanche->removeImage();
    if (pImageAnimation)
        pImageAnimation->removeImage();
    afficher(*this, IdAnm::myTextInputNomFichierANM, "");
    colorerListeAnimElems(numKeyFrameSel);
}

// Another sprite, or the same one read again: nothing of the old one is named any more.
void D::reinitialiserEdition()
{
    // The sprite tells the editor when its playback stops.
    pSprite->pDialogue = static_cast<void*>(static_cast<CPLUXDialog*>(this));
    oublierReferences(-1);
    elementSel = numAnimationSel = numAnimElemSel = numAnimElemSelPrec = -1;
    numKeyFrameSel = numAnimElemSurvol = numAnimationMere = numAnimationFilleSel = -1;
    bNouvelleMere = true;
    selectionMaillage.clear();
    mapCerclesMaillage.clear();
    numCercleMaillageAESel = numCercleMaillageElementSel = -1;
    poigneeAE = PoigneeAE::Aucune;
    if (pTimeline) {
        pTimeline->viderMarqueurs();
        pTimeline->setNbFrames(0);
    }
    if (CPLUXControlComboBox* c = ctrlComboBox(IdAnm::myComboBoxAnimationMereFilles))
        c->reset();
}

// Every control that shows the sprite, from its lists to its colours.
void D::afficherSprite()
{
    afficher(*this, IdAnm::myTextInputNomPlanche, pSprite->strTexture);
    pSprite->bPlay = false;
    cocher(*this, IdAnm::myButtonCheckPlayPauseAnim, false);
    pSprite->setAnimation2(-1, -1);
    majListeElements();
    majListeAnimations();
    majListeAnimElems();
    majComboAnmBase(true);
    afficher(*this, IdAnm::myTextInputScriptTir, pSprite->scriptTir);
    remplirListesEtats();
    afficher(*this, IdAnm::myTextInputIDAnm, pSprite->ID);
    if (pImagePlanche) {
        pImagePlanche->setImage(pSprite->strTexture);
        pImagePlanche->setDimensionImage(true);
        pImagePlanche->setScale(1.0f);
        afficher(*this, IdAnm::myTextInputZoomImagePlanche, CPLUX::ftos(pImagePlanche->getScale()));
        pImagePlanche->setGridCellSize(static_cast<float>(pSprite->grilleCase));
        afficher(*this, IdAnm::myTextInputTailleCaseGrillePlanche, pSprite->grilleCase);
        pImagePlanche->setGrid(pSprite->bGrilleVisible);
        cocher(*this, IdAnm::myButtonCheckGrillePlanche, pSprite->bGrilleVisible);
    }
    // Nothing is chosen: the panels say so rather than show the old sprite's.
    pZonePlanche = ctrlZone(IdAnm::myZone);
    if (CPLUXControlList* l = ctrlList(IdAnm::myListElementsPlanche))
        elementChoisi(l);
    // No element chosen: its fields do not pass the selection zone off as one.
    if (elementSel < 0)
        for (const char* id : {IdAnm::myTextInputElementX, IdAnm::myTextInputElementY, IdAnm::myTextInputElementL,
                               IdAnm::myTextInputElementH})
            afficher(*this, id, "");
    afficher(*this, IdAnm::myTextInputNomAnimation, "");
    afficher(*this, IdAnm::myTextInputNomAnimElem, "");
    cocher(*this, IdAnm::myButtonCheckReculTir, pSprite->bReculArme);
    if (pImageAnimation)
        pImageAnimation->setColorCadre(pSprite->couleurFond);
    colorer(*this, IdAnm::myColorFond, pSprite->couleurFond);
    colorer(*this, IdAnm::myColorGlobale, pSprite->couleurGlobale);
    afficher(*this, IdAnm::myTextInputAnimFrameNb, 0);
    majPanneauAE();
    majPanneauKeyFrame();
}

// Saves --------------------------------------------------------------------------------------------------

// In a box: the status line shows only on the animation tab.
void D::signalerSauvegarde(bool ok, const std::string& chemin)
{
    if (!ok) {
        CPLUX::MessageBoxW("Erreur !", "Impossible d'enregistrer le fichier " + chemin);
        return;
    }
    afficherMessage(L"Fichier enregistré : " + CPLUX::utf8toWStr(chemin));
    CPLUX::MessageBoxW("Enregistrer", "Fichier enregistré : " + chemin);
}

// The identifier typed, as the file will hold it.
void D::prendreIdentifiant()
{
    if (const CPLUXControl* c = getControl(IdAnm::myTextInputIDAnm))
        pSprite->ID = CSPRITE3::nomFichier(c->getText());
    afficher(*this, IdAnm::myTextInputIDAnm, pSprite->ID);
}

void D::enregistrerAnm()
{
    if (pSprite->strFichier.empty()) {
        CPLUX::MessageBoxW("Enregistrer ANM", "Aucun fichier ANM ouvert : « Enreg. sous… » choisit où l'écrire.");
        return;
    }
    prendreIdentifiant();
    const std::string chemin = pSprite->strFichier;
    signalerSauvegarde(pSprite->sauver(chemin), chemin);
}

void D::sauverAnmSous(const std::string& chemin)
{
    prendreIdentifiant();
    const bool ok = pSprite->sauver(chemin);
    if (ok)
        afficher(*this, IdAnm::myTextInputNomFichierANM, chemin);
    signalerSauvegarde(ok, chemin);
}

// The target file keeps its identifier and sheet and takes the edited animations. A target
// that does not read (already reported by the reader) is not written.
void D::exporterAnm(const std::string& chemin)
{
    CSPRITE3 cible;
    if (!cible.charger(CPLUX::surface, nullptr, chemin, false))
        return;
    bool ok = false;
    {
        const Identite propre(*pSprite);
        pSprite->ID = cible.ID;
        pSprite->strTexture = cible.strTexture;
        ok = pSprite->sauver(chemin);
    }
    signalerSauvegarde(ok, chemin);
}

void D::exporterNouveauAnm(const std::string& chemin)
{
    bool ok = false;
    {
        const Identite propre(*pSprite);
        const CPLUXControl* id = getControl(IdAnm::myTextInputExportId);
        const CPLUXControl* planche = getControl(IdAnm::myTextInputExportPlanche);
        pSprite->ID = CSPRITE3::nomFichier(id ? id->getText() : std::string());
        pSprite->strTexture = planche ? planche->getText() : std::string();
        ok = pSprite->sauver(chemin);
    }
    signalerSauvegarde(ok, chemin);
}

// Apply to the game ----------------------------------------------------------------------------------
//
// The active world's characters, the game's preloaded models, the active world's AIs, then
// the other world's characters and AIs. What is read is the saved file: unsaved edits do not
// reach the game. A file that does not open is reported once by the reader, and nothing else
// is read.

void D::appliquerAuJeu()
{
    MondeJeu* jeu = faceJeu::monde();
    const std::string fichier = pSprite->strFichier;
    if (!jeu || fichier.empty())
        return;
    std::vector<CPerso*> persos;
    auto ajouter = [&persos](const auto& liste) { persos.insert(persos.end(), liste.begin(), liste.end()); };
    CDecor* autre = jeu->pdecor == jeu->pdecorJeu ? jeu->pdecorMenu : jeu->pdecorJeu;
    if (jeu->pdecor)
        ajouter(jeu->pdecor->persos);
    ajouter(jeu->persosPrecharges);
    if (jeu->pdecor)
        ajouter(jeu->pdecor->ias);
    if (autre && autre != jeu->pdecor) {
        ajouter(autre->persos);
        ajouter(autre->ias);
    }
    std::set<const CSPRITE3*> relus;
    for (CPerso* p : persos) {
        CSPRITE3* s = p ? p->sprite : nullptr;
        if (!s || s == pSprite || s->ID != pSprite->ID || !relus.insert(s).second)
            continue;
        // Played on by name: numbers move when animations were added or deleted.
        const CSPRITE3_ANIMATION* joue = s->getAnim(s->getAnimation());
        const std::string nom = joue ? joue->nom : std::string();
        const int frame = s->getFrameCourante();
        if (!s->charger(nullptr, CSFMLJeuGlobal::prenderTexture, fichier, false))
            return;
        for (int a = 0; !nom.empty() && a < s->getNbAnimations(); ++a)
            if (s->getAnim(a)->nom == nom) {
                s->setAnimation(a, frame, false);
                break;
            }
    }
}

// Paths of the panels --------------------------------------------------------------------------------

// An image that does not load leaves the element drawn from the sheet, its path kept, and
// says so as the reader does.
void D::chargerImageElement(int e, const std::string& chemin)
{
    CSPRITE3_ELEMENT* el = pSprite->getElement(e);
    if (!el)
        return;
    el->strImage = chemin;
    el->pTexture.reset();
    afficher(*this, IdAnm::myTextInputElementImageExt, chemin);
    if (chemin.empty())
        return;
    el->pTexture = std::make_unique<sf::Texture>();
    if (tuv::chargerMedia(*el->pTexture, chemin))
        return;
    el->pTexture.reset();
    CPLUX::MessageBoxW("Ouverture Image externe liée à un élément",
                       "ERREUR : impossible d'ouvrir le fichier " + chemin + " de l'élément n°" + tuv::itos(e),
                       "IDMBIMGLIEN", this, 0);
}

// Made through the hooks the sprite's reader uses: the engine that holds a script removes it.
// Typed or chosen, a script goes to the keyframe shown; off a keyframe it is refused, and so
// is a file that is not there (the keyframe keeps its script). A keyframe given its first
// script runs it each time it plays: a count of 0 would never run it.
void D::choisirScriptFrame(const std::string& chemin)
{
    if (refuserHorsKeyframe(false))
        return;
    if (!chemin.empty() && !tuv::fichierExiste(chemin)) {
        CPLUX::MessageBoxW(getTitle(), "Fichier introuvable : « " + chemin + " » (script non gardé).");
        majPanneauKeyFrame();
        return;
    }
    afficher(*this, IdAnm::myTextInputScriptFrame, chemin);
    const int a = numAnimationSel, f = pSprite->getFrameCourante();
    CSPRITE3_KEYFRAME* kf = pSprite->getKeyframeEnForce(a, f);
    if (kf->pScript || chemin.empty()) {
        kf->supprimerScript();
        kf->script.clear();
    }
    if (!chemin.empty()) {
        if (kf->nbExecutions == 0)
            kf->nbExecutions = CSPRITE3_KEYFRAME::EXECUTIONS_SANS_FIN;
        kf->creerScript(chemin, nullptr);
        kf->script = chemin;
        afficher(*this, IdAnm::myTextInputNbRunScript, CPLUX::itos(kf->nbExecutions));
    }
    rafraichirKeyframes(f);
}
