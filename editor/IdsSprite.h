#pragma once
// Ids of the decor-sprite dialogs and of their controls, as their models name them
// (data/PLUX_Modeles/Mod2/JeuDialogSprite.mod, JeuDialogShader.mod). The code uses these
// names instead of literals, so that a typing error is a compile error.

namespace IdSprite {

// The dialogs of a decor sprite: its properties, the shader variables, the options of its
// behaviours.
constexpr const char* DIALOGUE = "JeuDialogSprite";
constexpr const char* DIALOGUE_SHADER = "JeuDialogShader";
constexpr const char* DIALOGUE_CHEMIN = "JeuDialogPhysCheminOptions";
constexpr const char* DIALOGUE_EFFONDREMENT = "JeuDialogPhysEffondrementOptions";
constexpr const char* DIALOGUE_BASCULE = "JeuDialogPhysBasculeOptions";
constexpr const char* DIALOGUE_PARTICULES = "JeuDialogPhysParticulesOptions";
constexpr const char* DIALOGUE_FORCE = "JeuDialogPhysForceOptions";
// The script monitor, which the properties dialog only shows.
constexpr const char* DIALOGUE_SCRIPTS = "JeuDialogScripts";

// Properties dialog: combos.
constexpr const char* myComboBoxShader = "myComboBoxShader";
constexpr const char* myComboBoxShaderFrag = "myComboBoxShaderFrag";

// Properties dialog: checks.
constexpr const char* myButtonCheckPhysB = "myButtonCheckPhysB";
constexpr const char* myButtonCheckPhysG = "myButtonCheckPhysG";
constexpr const char* myButtonCheckPhysR = "myButtonCheckPhysR";
constexpr const char* myButtonCheckPhysE = "myButtonCheckPhysE";
constexpr const char* myButtonCheckPhysP = "myButtonCheckPhysP";
constexpr const char* myButtonCheckPhysC = "myButtonCheckPhysC";
constexpr const char* myButtonCheckPhysDestruction = "myButtonCheckPhysDestruction";
constexpr const char* myButtonCheckPhysForce = "myButtonCheckPhysForce";
constexpr const char* myButtonCheckSprVisible = "myButtonCheckSprVisible";
constexpr const char* myButtonCheckAvantPlan = "myButtonCheckAvantPlan";
constexpr const char* myButtonCheckCollisionsActives = "myButtonCheckCollisionsActives";
constexpr const char* myButtonCheckDECdefaut = "myButtonCheckDECdefaut";
constexpr const char* myButtonCheckOmbre = "myButtonCheckOmbre";
constexpr const char* myButtonCheckOmbreAVP = "myButtonCheckOmbreAVP";
constexpr const char* myButtonCheckSonLocal = "myButtonCheckSonLocal";

// Properties dialog: text inputs.
constexpr const char* myTextInputPoids = "myTextInputPoids";
constexpr const char* myTextInputRotV = "myTextInputRotV";
constexpr const char* myTextInputRot = "myTextInputRot";
constexpr const char* myTextInputRotAnim = "myTextInputRotAnim";
constexpr const char* myTextInputCollision = "myTextInputCollision";
constexpr const char* myTextInputX = "myTextInputX";
constexpr const char* myTextInputY = "myTextInputY";
constexpr const char* myTextInputSX = "myTextInputSX";
constexpr const char* myTextInputSY = "myTextInputSY";
constexpr const char* myTextInputOx = "myTextInputOx";
constexpr const char* myTextInputOy = "myTextInputOy";
constexpr const char* myTextInputXi = "myTextInputXi";
constexpr const char* myTextInputYi = "myTextInputYi";
constexpr const char* myTextInputPlan = "myTextInputPlan";
constexpr const char* myTextInputID = "myTextInputID";
constexpr const char* myTextInputDEC = "myTextInputDEC";
constexpr const char* myTextInputFichierDEC = "myTextInputFichierDEC";
constexpr const char* myTextInputCalque = "myTextInputCalque";
constexpr const char* myTextInputGroupe = "myTextInputGroupe";
constexpr const char* myTextInputParam1 = "myTextInputParam1";
constexpr const char* myTextInputParam2 = "myTextInputParam2";
constexpr const char* myTextInputParam3 = "myTextInputParam3";
constexpr const char* myTextInputOmbreSX = "myTextInputOmbreSX";
constexpr const char* myTextInputOmbreSY = "myTextInputOmbreSY";
constexpr const char* myTextInputOmbreOfX = "myTextInputOmbreOfX";
constexpr const char* myTextInputOmbreOfY = "myTextInputOmbreOfY";
constexpr const char* myTextInputOmbreRotation = "myTextInputOmbreRotation";
constexpr const char* myTextInputIdSon = "myTextInputIdSon";
constexpr const char* myTextInputModeSon = "myTextInputModeSon";
constexpr const char* myTextInputDelaisSon = "myTextInputDelaisSon";
constexpr const char* myTextInputVolumeSon = "myTextInputVolumeSon";

// Properties dialog: colour and sound status.
constexpr const char* myColor = "myColor";
constexpr const char* myTextStatusSon = "myTextStatusSon";

// Properties dialog: buttons.
constexpr const char* myButtonOptC = "myButtonOptC";
constexpr const char* myButtonOptE = "myButtonOptE";
constexpr const char* myButtonOptB = "myButtonOptB";
constexpr const char* myButtonOptP = "myButtonOptP";
constexpr const char* myButtonOptForce = "myButtonOptForce";
constexpr const char* myButtonScripts = "myButtonScripts";
constexpr const char* myButtonShaderOptions = "myButtonShaderOptions";
constexpr const char* myButtonPlayPauseSon = "myButtonPlayPauseSon";
constexpr const char* myButtonVolume = "myButtonVolume";
constexpr const char* myButtonOmbreSXPlus = "myButtonOmbreSXPlus";
constexpr const char* myButtonOmbreSXMoins = "myButtonOmbreSXMoins";
constexpr const char* myButtonOmbreSYPlus = "myButtonOmbreSYPlus";
constexpr const char* myButtonOmbreSYMoins = "myButtonOmbreSYMoins";
constexpr const char* myButtonOmbreOfXPlus = "myButtonOmbreOfXPlus";
constexpr const char* myButtonOmbreOfXMoins = "myButtonOmbreOfXMoins";
constexpr const char* myButtonOmbreOfYPlus = "myButtonOmbreOfYPlus";
constexpr const char* myButtonOmbreOfYMoins = "myButtonOmbreOfYMoins";
constexpr const char* myButtonOmbreRotPlus = "myButtonOmbreRotPlus";
constexpr const char* myButtonOmbreRotMoins = "myButtonOmbreRotMoins";

// Shader variables dialog.
constexpr const char* myComboBoxVarVert = "myComboBoxVarVert";
constexpr const char* myComboBoxVarFrag = "myComboBoxVarFrag";
constexpr const char* myTextNomVar = "myTextNomVar";
constexpr const char* myTextVType = "myTextVType";
constexpr const char* myTextInputPhaseDiviseur = "myTextInputPhaseDiviseur";
constexpr const char* myTextInputV1 = "myTextInputV1";
constexpr const char* myTextInputV2 = "myTextInputV2";
constexpr const char* myTextInputV3 = "myTextInputV3";
constexpr const char* myTextInputV4 = "myTextInputV4";
constexpr const char* myButtonFermer = "myButtonFermer";

// Texts the properties dialog shows.
constexpr const char* SANS_SHADER = "(sans shader)";
constexpr const wchar_t* SON_NON_DEFINI = L"(pas de son défini)";
constexpr const wchar_t* SON_STOPPE = L"(son stoppé)";
constexpr const wchar_t* SON_EN_PAUSE = L"(son en pause)";
constexpr const wchar_t* SON_EN_LECTURE = L"(lecture en cours)";
constexpr const wchar_t* SON_INCONNU = L"?";

} // namespace IdSprite
