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

// The option dialogs of the behaviours, one namespace each: some ids are shared between
// dialogs ("myButtonCheckPause", "myTextInputX").
namespace IdSprite {

// Particle emitter options.
namespace Particules {
constexpr const char* myTextInputVelX = "myTextInputVelX";
constexpr const char* myTextInputVelY = "myTextInputVelY";
constexpr const char* myTextInputForcesX = "myTextInputForcesX";
constexpr const char* myTextInputForcesY = "myTextInputForcesY";
constexpr const char* myTextInputTailleParticule = "myTextInputTailleParticule";
constexpr const char* myTextInputDureeVie = "myTextInputDureeVie";
constexpr const char* myTextInputLargeurEmetteur = "myTextInputLargeurEmetteur";
constexpr const char* myTextInputR = "myTextInputR";
constexpr const char* myTextInputG = "myTextInputG";
constexpr const char* myTextInputB = "myTextInputB";
constexpr const char* myTextInputA = "myTextInputA";
constexpr const char* myTextInputHauteurEmetteur = "myTextInputHauteurEmetteur";
constexpr const char* myTextInputAleaDureeVie = "myTextInputAleaDureeVie";
constexpr const char* myTextInputAmplitudeDegradeCouleur = "myTextInputAmplitudeDegradeCouleur";
constexpr const char* myTextInputNbParticules = "myTextInputNbParticules";
constexpr const char* myTextInputNbCycles = "myTextInputNbCycles";
constexpr const char* myTextInputAngle1 = "myTextInputAngle1";
constexpr const char* myTextInputAngle2 = "myTextInputAngle2";
constexpr const char* myTextInputAlphaAgeDec = "myTextInputAlphaAgeDec";
constexpr const char* myTextInputAcceleration = "myTextInputAcceleration";
constexpr const char* myTextInputAlphaValDec = "myTextInputAlphaValDec";
constexpr const char* myTextInputCheminTexture = "myTextInputCheminTexture";
constexpr const char* myTextInputVariationRotation = "myTextInputVariationRotation";
constexpr const char* myTextInputVariationTaille = "myTextInputVariationTaille";
constexpr const char* myTextInputBorneVariationTaille = "myTextInputBorneVariationTaille";
constexpr const char* myTextInputTailleMin = "myTextInputTailleMin";
constexpr const char* myTextInputTailleMax = "myTextInputTailleMax";
constexpr const char* myTextInputInitLargeur = "myTextInputInitLargeur";
constexpr const char* myTextInputInitHauteur = "myTextInputInitHauteur";
constexpr const char* myTextInputDecPosX = "myTextInputDecPosX";
constexpr const char* myTextInputDecPosY = "myTextInputDecPosY";
constexpr const char* myTextInputAleaVitX = "myTextInputAleaVitX";
constexpr const char* myTextInputAleaVitY = "myTextInputAleaVitY";
constexpr const char* myTextInputAleaForceX = "myTextInputAleaForceX";
constexpr const char* myTextInputAleaForceY = "myTextInputAleaForceY";
constexpr const char* myTextInputAleaAccel = "myTextInputAleaAccel";
constexpr const char* myColorParticules = "myColorParticules";
constexpr const char* myButtonCheckFontaine = "myButtonCheckFontaine";
constexpr const char* myButtonCheckCascade = "myButtonCheckCascade";
constexpr const char* myButtonCheckCollisionSans = "myButtonCheckCollisionSans";
constexpr const char* myButtonCheckCollisionSimple = "myButtonCheckCollisionSimple";
constexpr const char* myButtonCheckCollisionAlea = "myButtonCheckCollisionAlea";
constexpr const char* myButtonCheckAngleAlea = "myButtonCheckAngleAlea";
constexpr const char* myButtonCheckAngleAleaCarre = "myButtonCheckAngleAleaCarre";
constexpr const char* myButtonCheckAngleAleaDirection = "myButtonCheckAngleAleaDirection";
constexpr const char* myButtonCheckAlphaDec = "myButtonCheckAlphaDec";
constexpr const char* myButtonCheckCarree = "myButtonCheckCarree";
constexpr const char* myButtonCheckCercle = "myButtonCheckCercle";
constexpr const char* myButtonCheckTexture = "myButtonCheckTexture";
constexpr const char* myButtonCheckPause = "myButtonCheckPause";
constexpr const char* myButtonCheckEmetteurVisible = "myButtonCheckEmetteurVisible";
constexpr const char* myButtonCheckVariationTaille = "myButtonCheckVariationTaille";
constexpr const char* myButtonCheckTailleAlea = "myButtonCheckTailleAlea";
constexpr const char* myButtonCheckRotDirection = "myButtonCheckRotDirection";
constexpr const char* myButtonCheckForcesExterieures = "myButtonCheckForcesExterieures";
constexpr const char* myButtonCheckNoCalcCollision = "myButtonCheckNoCalcCollision";
constexpr const char* myButtonCheckNoDrawPause = "myButtonCheckNoDrawPause";
constexpr const char* myButtonCheckNoCalcPause = "myButtonCheckNoCalcPause";
constexpr const char* myButtonInit = "myButtonInit";
constexpr const char* myButtonTestArmeParticule = "myButtonTestArmeParticule";
} // namespace Particules

// Collapse options.
namespace Effondrement {
constexpr const char* myTextInputVitesse = "myTextInputVitesse";
constexpr const char* myTextInputHauteur = "myTextInputHauteur";
constexpr const char* myButtonCheckHauteurAuto = "myButtonCheckHauteurAuto";
constexpr const char* myButtonCheckHauteurVisible = "myButtonCheckHauteurVisible";
constexpr const char* myButtonRAZPos = "myButtonRAZPos";
constexpr const char* myButtonPosInit = "myButtonPosInit";
constexpr const char* myButtonRAZPosTous = "myButtonRAZPosTous";
} // namespace Effondrement

// Key-point path options.
namespace Chemin {
constexpr const char* myButtonCheckAnimationKP = "myButtonCheckAnimationKP";
constexpr const char* myButtonCheckAnimationPlateforme = "myButtonCheckAnimationPlateforme";
constexpr const char* myTextInputDepH = "myTextInputDepH";
constexpr const char* myTextInputDepV = "myTextInputDepV";
constexpr const char* myTextInputDepVitesse = "myTextInputDepVitesse";
constexpr const char* myButtonCheck = "myButtonCheck";
constexpr const char* myButtonCheckPause = "myButtonCheckPause";
constexpr const char* myButtonCheckPauseAll = "myButtonCheckPauseAll";
constexpr const char* myTextInputSx = "myTextInputSx";
constexpr const char* myTextInputSy = "myTextInputSy";
constexpr const char* myTextInputR = "myTextInputR";
constexpr const char* myTextInputCR = "myTextInputCR";
constexpr const char* myTextInputCG = "myTextInputCG";
constexpr const char* myTextInputCB = "myTextInputCB";
constexpr const char* myTextInputCA = "myTextInputCA";
constexpr const char* myTextInputV = "myTextInputV";
constexpr const char* myTextInputVS = "myTextInputVS";
constexpr const char* myTextInputVR = "myTextInputVR";
constexpr const char* myTextInputVC = "myTextInputVC";
constexpr const char* myButtonCheckFH = "myButtonCheckFH";
constexpr const char* myButtonCheckFV = "myButtonCheckFV";
constexpr const char* myTextInputVGlobale = "myTextInputVGlobale";
constexpr const char* myTextInputVGlobaleC = "myTextInputVGlobaleC";
constexpr const char* myTextInputVGlobaleS = "myTextInputVGlobaleS";
constexpr const char* myTextInputVGlobaleR = "myTextInputVGlobaleR";
constexpr const char* myTextInputNBChemin = "myTextInputNBChemin";
constexpr const char* myButtonCheckAR = "myButtonCheckAR";
constexpr const char* myButtonCheckAS = "myButtonCheckAS";
constexpr const char* myButtonCheckB = "myButtonCheckB";
constexpr const char* myTextNum = "myTextNum";
constexpr const char* myTextInputX = "myTextInputX";
constexpr const char* myTextInputY = "myTextInputY";
constexpr const char* myButtonG = "myButtonG";
constexpr const char* myButtonD = "myButtonD";
constexpr const char* myButtonSuppr = "myButtonSuppr";
constexpr const char* myButtonNouveau = "myButtonNouveau";
constexpr const char* myButtonMAJ = "myButtonMAJ";
constexpr const char* myButtonKPOK = "myButtonKPOK";
} // namespace Chemin

// Seesaw options.
namespace Bascule {
constexpr const char* myTextInputPivot = "myTextInputPivot";
constexpr const char* myTextInputLargeurPivot = "myTextInputLargeurPivot";
constexpr const char* myTextInputButeeGauche = "myTextInputButeeGauche";
constexpr const char* myTextInputButeeDroite = "myTextInputButeeDroite";
constexpr const char* myTextInputVitesseRot = "myTextInputVitesseRot";
constexpr const char* myTextInputPoidsBascule = "myTextInputPoidsBascule";
constexpr const char* myTextInputCPG = "myTextInputCPG";
constexpr const char* myTextInputCPD = "myTextInputCPD";
constexpr const char* myButtonOk = "myButtonOk";
constexpr const char* myButtonAnnuler = "myButtonAnnuler";
} // namespace Bascule

// Force zone options.
namespace Force {
constexpr const char* myTextInputCycleMax = "myTextInputCycleMax";
constexpr const char* myTextInputCycleMin = "myTextInputCycleMin";
constexpr const char* myTextInputDureeMax = "myTextInputDureeMax";
constexpr const char* myTextInputDureeMin = "myTextInputDureeMin";
constexpr const char* myTextInputForceX = "myTextInputForceX";
constexpr const char* myTextInputForceY = "myTextInputForceY";
constexpr const char* myTextInputScript = "myTextInputScript";
constexpr const char* myTextInputScriptFermeture = "myTextInputScriptFermeture";
constexpr const char* myTextInputButeeX = "myTextInputButeeX";
constexpr const char* myTextInputButeeY = "myTextInputButeeY";
constexpr const char* myTextInputMaxButeeX = "myTextInputMaxButeeX";
constexpr const char* myTextInputMaxButeeY = "myTextInputMaxButeeY";
constexpr const char* myTextInputModifAngleMax = "myTextInputModifAngleMax";
constexpr const char* myTextInputRayonAttraction = "myTextInputRayonAttraction";
constexpr const char* myTextInputRayonAttracteur = "myTextInputRayonAttracteur";
constexpr const char* myTextInputEcartAngle = "myTextInputEcartAngle";
constexpr const char* myTextInputAccelerationDistance = "myTextInputAccelerationDistance";
constexpr const char* myButtonCheckLocal = "myButtonCheckLocal";
constexpr const char* myButtonCheckTousPlans = "myButtonCheckTousPlans";
constexpr const char* myButtonCheckCePlan = "myButtonCheckCePlan";
constexpr const char* myButtonCheckForceActive = "myButtonCheckForceActive";
constexpr const char* myButtonCheckSpriteVisible = "myButtonCheckSpriteVisible";
constexpr const char* myButtonCheckForceValeur = "myButtonCheckForceValeur";
constexpr const char* myButtonCheckForceMult = "myButtonCheckForceMult";
constexpr const char* myButtonCheckForceAjout = "myButtonCheckForceAjout";
constexpr const char* myButtonCheckInvSensX = "myButtonCheckInvSensX";
constexpr const char* myButtonCheckInvSensY = "myButtonCheckInvSensY";
constexpr const char* myButtonCheckAttracteur = "myButtonCheckAttracteur";
constexpr const char* myButtonCheckAccelDistance = "myButtonCheckAccelDistance";
constexpr const char* myButtonCheckModForceActif = "myButtonCheckModForceActif";
constexpr const char* myButtonCheckDisparitionImpact = "myButtonCheckDisparitionImpact";
constexpr const char* myButtonInitScript = "myButtonInitScript";
constexpr const char* myButtonInitScriptFermeture = "myButtonInitScriptFermeture";
} // namespace Force

// What the path dialog's counter reads with no key point to count.
constexpr const char* COMPTEUR_INCONNU = "??? / ???";
} // namespace IdSprite
