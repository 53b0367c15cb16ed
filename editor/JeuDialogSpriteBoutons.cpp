// Buttons of the sprite properties dialog (option dialogs, sound, shadow steps) and the choice
// of the sprite's shaders.
#include "editor/JeuDialogSprite.h"

#include "core/EtatJeu.h"
#include "core/Globals.h"
#include "core/ShaderManager.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogShaderVERT.h"
#include "editor/LiensDialogues.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/OutilsControles.h"

namespace {

namespace ids = IdSprite;

// The buttons that only show a dialog: they work with or without a selection.
const struct {
    const char* bouton;
    const char* dialogue;
} AFFICHAGES[] = {
    {ids::myButtonOptC, ids::DIALOGUE_CHEMIN},
    {ids::myButtonOptE, ids::DIALOGUE_EFFONDREMENT},
    {ids::myButtonOptB, ids::DIALOGUE_BASCULE},
    {ids::myButtonOptP, ids::DIALOGUE_PARTICULES},
    {ids::myButtonOptForce, ids::DIALOGUE_FORCE},
    {ids::myButtonScripts, ids::DIALOGUE_SCRIPTS},
    {ids::myButtonShaderOptions, ids::DIALOGUE_SHADER},
};

// Each shadow button steps one value without bound, which its input then shows.
const struct {
    const char* bouton;
    float DonneesSprite::*champ;
    float pas;
    const char* saisie;
} PAS_OMBRE[] = {
    {ids::myButtonOmbreSXPlus, &DonneesSprite::ombreSX, 0.01f, ids::myTextInputOmbreSX},
    {ids::myButtonOmbreSXMoins, &DonneesSprite::ombreSX, -0.01f, ids::myTextInputOmbreSX},
    {ids::myButtonOmbreSYPlus, &DonneesSprite::ombreSY, 0.01f, ids::myTextInputOmbreSY},
    {ids::myButtonOmbreSYMoins, &DonneesSprite::ombreSY, -0.01f, ids::myTextInputOmbreSY},
    {ids::myButtonOmbreOfXPlus, &DonneesSprite::ombreDX, 2.0f, ids::myTextInputOmbreOfX},
    {ids::myButtonOmbreOfXMoins, &DonneesSprite::ombreDX, -2.0f, ids::myTextInputOmbreOfX},
    {ids::myButtonOmbreOfYPlus, &DonneesSprite::ombreDY, 2.0f, ids::myTextInputOmbreOfY},
    {ids::myButtonOmbreOfYMoins, &DonneesSprite::ombreDY, -2.0f, ids::myTextInputOmbreOfY},
    {ids::myButtonOmbreRotPlus, &DonneesSprite::ombreRotation, 0.1f, ids::myTextInputOmbreRotation},
    {ids::myButtonOmbreRotMoins, &DonneesSprite::ombreRotation, -0.1f, ids::myTextInputOmbreRotation},
};

} // namespace

bool CJeuDialogSprite::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    const std::string& id = c->getId();
    for (const auto& a : AFFICHAGES)
        if (id == a.bouton) {
            CPLUX::show(a.dialogue);
            return true;
        }
    CSPRITE* sd = selection();
    if (!sd)
        return true;
    if (id == ids::myButtonPlayPauseSon) {
        jouerPauseSon(*sd);
    } else if (id == ids::myButtonVolume) {
        float volume = sd->volumeSon;
        if (editeur::lireNombre(*this, ids::myTextInputVolumeSon, volume))
            sd->setVolumeSon(volume);
    } else {
        deplacerOmbre(*sd, id);
    }
    return true;
}

bool CJeuDialogSprite::deplacerOmbre(CSPRITE& sd, const std::string& id)
{
    for (const auto& p : PAS_OMBRE) {
        if (id != p.bouton)
            continue;
        float& valeur = sd.*(p.champ);
        valeur += p.pas;
        // What the input reports of this text is not a typed value.
        bRemplissage = true;
        editeur::afficher(*this, p.saisie, valeur);
        bRemplissage = false;
        return true;
    }
    return false;
}

// Flips the sound between playing and stopped from its start, then shows its real state.
void CJeuDialogSprite::jouerPauseSon(CSPRITE& sd)
{
    if (sd.idSon.empty())
        return;
    bSonEnLecture = !bSonEnLecture;
    sd.compteurSon = 0;
    if (bSonEnLecture) {
        sd.bSonStoppe = false;
        sd.gererSon();
    } else {
        sd.bSonStoppe = true;
        sd.stopSon();
    }
    init();
}

void CJeuDialogSprite::onCtrlComboChange(CPLUXControlComboBox* c)
{
    CPLUXDialog::onCtrlComboChange(c);
    CSPRITE* sd = selection();
    if (!c || !sd)
        return;
    if (c->getId() == ids::myComboBoxShader)
        choisirShader(*sd, *c, false);
    else if (c->getId() == ids::myComboBoxShaderFrag)
        choisirShader(*sd, *c, true);
}

// The chosen file's uniforms become the stage's map (values of names kept), and the shader
// variables dialog edits the sprite's two maps. "(sans shader)" empties the stage.
void CJeuDialogSprite::choisirShader(CSPRITE& sd, const CPLUXControlComboBox& combo, bool fragment)
{
    const AffichageJeu* jeu = faceJeu::affichage();
    CShaderManager* gestion = jeu ? jeu->pShaderManager : nullptr;
    if (!gestion)
        return;
    std::string& nom = fragment ? sd.strShaderFrag : sd.strShaderVert;
    nom = combo.getNumSel() > 0 ? combo.getTextSel() : std::string();
    gestion->getShader(sd.strShaderFrag, sd.strShaderVert);
    if (nom.empty())
        (fragment ? sd.uniformsFrag : sd.uniformsVert).clear();
    else
        gestion->lireUniforms(gestion->dossier + nom, sd.uniformsVert, sd.uniformsFrag, fragment ? 1 : 0);
    if (auto* d = dialogue<CJeuDialogShaderVERT>(ids::DIALOGUE_SHADER)) {
        d->attacher(&sd.uniformsVert, &sd.uniformsFrag);
        uniformsDonnees = &sd.uniformsVert;
    }
}
