#pragma once
// Ids of the animation editor dialog and of its controls, as its model names them
// (data/PLUX_Modeles/Mod2/JeuDialogAnimationsSprites.mod). Every part of the editor uses
// these names instead of literals, so that a typing error is a compile error.

namespace IdAnm {

constexpr const char* DIALOGUE = "JeuDialogAnimationsSprites";
// The timeline, added by the program over "myImageTimeLine".
constexpr const char* maTimelineSpriteAnimation = "maTimelineSpriteAnimation";
// The headers of the three pages of "myTab".
constexpr const char* ZmyTab = "ZmyTab";
constexpr const char* ZmyTab1 = "ZmyTab1";
constexpr const char* ZmyTab2 = "ZmyTab2";

// Tab controls (1)
constexpr const char* myTab = "myTab";

// Images (4)
constexpr const char* myImagePlancheSprites = "myImagePlancheSprites";
constexpr const char* myImageAnimation = "myImageAnimation";
constexpr const char* myImageTimeLine = "myImageTimeLine";
constexpr const char* myImageEtats = "myImageEtats";

// Zones (1)
constexpr const char* myZone = "myZone";

// Lists (4)
constexpr const char* myListAnimations = "myListAnimations";
constexpr const char* myListElementsPlanche = "myListElementsPlanche";
constexpr const char* myListAnimationElements = "myListAnimationElements";
constexpr const char* myListEtats = "myListEtats";

// Combo boxes (14)
constexpr const char* Z_myComboBoxAnmBase = "Z_myComboBoxAnmBase";
constexpr const char* myComboBoxArmes = "myComboBoxArmes";
constexpr const char* myComboBoxLienElement = "myComboBoxLienElement";
constexpr const char* myComboBoxArmeElement = "myComboBoxArmeElement";
constexpr const char* myComboBoxLienElementAnim = "myComboBoxLienElementAnim";
constexpr const char* myComboBoxLienElementAnimTir = "myComboBoxLienElementAnimTir";
constexpr const char* myComboBoxAnimationLienAE = "myComboBoxAnimationLienAE";
constexpr const char* myComboBoxSonFrame = "myComboBoxSonFrame";
constexpr const char* myComboBoxAnimationMereFilles = "myComboBoxAnimationMereFilles";
constexpr const char* myComboBoxAnimationFille = "myComboBoxAnimationFille";
constexpr const char* myComboBoxShadersVert = "myComboBoxShadersVert";
constexpr const char* myComboBoxShadersFrag = "myComboBoxShadersFrag";
constexpr const char* myComboBoxEtatJeu = "myComboBoxEtatJeu";
constexpr const char* myComboBoxEtatsListeArmes = "myComboBoxEtatsListeArmes";

// Text inputs (58)
constexpr const char* myTextInputNomFichierANM = "myTextInputNomFichierANM";
constexpr const char* myTextInputIDAnm = "myTextInputIDAnm";
constexpr const char* myTextInputNomPlanche = "myTextInputNomPlanche";
constexpr const char* myTextInputNomAnimation = "myTextInputNomAnimation";
constexpr const char* myTextInputZoomImagePlanche = "myTextInputZoomImagePlanche";
constexpr const char* myTextInputTailleCaseGrillePlanche = "myTextInputTailleCaseGrillePlanche";
constexpr const char* myTextInputElementEspace = "myTextInputElementEspace";
constexpr const char* myTextInputElementNombre = "myTextInputElementNombre";
constexpr const char* myTextInputMaillageNbCols = "myTextInputMaillageNbCols";
constexpr const char* myTextInputMaillageNbLignes = "myTextInputMaillageNbLignes";
constexpr const char* myTextInputExportId = "myTextInputExportId";
constexpr const char* myTextInputExportPlanche = "myTextInputExportPlanche";
constexpr const char* myTextInputNomElement = "myTextInputNomElement";
constexpr const char* myTextInputElementX = "myTextInputElementX";
constexpr const char* myTextInputElementY = "myTextInputElementY";
constexpr const char* myTextInputElementL = "myTextInputElementL";
constexpr const char* myTextInputElementH = "myTextInputElementH";
constexpr const char* myTextInputElementOx = "myTextInputElementOx";
constexpr const char* myTextInputElementOy = "myTextInputElementOy";
constexpr const char* myTextInputElementImageExt = "myTextInputElementImageExt";
constexpr const char* myTextInputElementImageExterne = "myTextInputElementImageExterne";
constexpr const char* myTextInputNomAnimElem = "myTextInputNomAnimElem";
constexpr const char* myTextInputAnimCourX = "myTextInputAnimCourX";
constexpr const char* myTextInputAnimCourY = "myTextInputAnimCourY";
constexpr const char* myTextInputAnimCourOx = "myTextInputAnimCourOx";
constexpr const char* myTextInputAnimCourOy = "myTextInputAnimCourOy";
constexpr const char* myTextInputAnimCourSx = "myTextInputAnimCourSx";
constexpr const char* myTextInputAnimCourSy = "myTextInputAnimCourSy";
constexpr const char* myTextInputAnimCourAngle = "myTextInputAnimCourAngle";
constexpr const char* myTextInputAnimFrameCour = "myTextInputAnimFrameCour";
constexpr const char* myTextInputAnimFrameNb = "myTextInputAnimFrameNb";
constexpr const char* myTextInputVitesseAnimCour = "myTextInputVitesseAnimCour";
constexpr const char* myTextInputGotoFrameAnim = "myTextInputGotoFrameAnim";
constexpr const char* myTextInputNbGotoFrameAnim = "myTextInputNbGotoFrameAnim";
constexpr const char* myTextInputNumFrameAppliquer = "myTextInputNumFrameAppliquer";
constexpr const char* myTextInputScriptFrame = "myTextInputScriptFrame";
constexpr const char* myTextInputNbRunScript = "myTextInputNbRunScript";
constexpr const char* myTextInputScriptTir = "myTextInputScriptTir";
constexpr const char* myTextInputDxMere = "myTextInputDxMere";
constexpr const char* myTextInputDyMere = "myTextInputDyMere";
constexpr const char* myTextInputOmbreDx = "myTextInputOmbreDx";
constexpr const char* myTextInputOmbreDy = "myTextInputOmbreDy";
constexpr const char* myTextInputOmbreRot = "myTextInputOmbreRot";
constexpr const char* myTextInputOmbreEcraseX = "myTextInputOmbreEcraseX";
constexpr const char* myTextInputOmbreEcraseY = "myTextInputOmbreEcraseY";
constexpr const char* myTextInputNbFramesVisee = "myTextInputNbFramesVisee";
constexpr const char* myTextInputZoomAnimation = "myTextInputZoomAnimation";
constexpr const char* myTextInputOptionTailleQuadrillage = "myTextInputOptionTailleQuadrillage";
constexpr const char* myTextInputPrecisionCheminAnimation = "myTextInputPrecisionCheminAnimation";
constexpr const char* myTextInputMoveAnimDx = "myTextInputMoveAnimDx";
constexpr const char* myTextInputMoveAnimDy = "myTextInputMoveAnimDy";
constexpr const char* myTextInputNomEtat = "myTextInputNomEtat";
constexpr const char* myTextInputNbLecturesAvantNouvelleAnim = "myTextInputNbLecturesAvantNouvelleAnim";
constexpr const char* myTextInputNumAnimACharger = "myTextInputNumAnimACharger";
constexpr const char* myTextInputSoubressautBorneInf = "myTextInputSoubressautBorneInf";
constexpr const char* myTextInputSoubressautBorneSup = "myTextInputSoubressautBorneSup";
constexpr const char* myTextInputSoubressautMax = "myTextInputSoubressautMax";
constexpr const char* myTextInputSoubressautVitesse = "myTextInputSoubressautVitesse";

// Check buttons (50)
constexpr const char* myButtonCheckScriptsActifs = "myButtonCheckScriptsActifs";
constexpr const char* myButtonCheckTousShadersActifs = "myButtonCheckTousShadersActifs";
constexpr const char* myButtonCheckGrillePlanche = "myButtonCheckGrillePlanche";
constexpr const char* myButtonCheckNomsVisibles = "myButtonCheckNomsVisibles";
constexpr const char* myButtonCheckElemAnimCourVisible = "myButtonCheckElemAnimCourVisible";
constexpr const char* myButtonCheckAnimElementAvantPlan = "myButtonCheckAnimElementAvantPlan";
constexpr const char* myButtonCheckAnimElementFilleVisible = "myButtonCheckAnimElementFilleVisible";
constexpr const char* myButtonCheckLockAnimElem = "myButtonCheckLockAnimElem";
constexpr const char* myButtonCheckVisibleAnimElem = "myButtonCheckVisibleAnimElem";
constexpr const char* myButtonCheckUseSpriteColor = "myButtonCheckUseSpriteColor";
constexpr const char* myButtonCheckLienTailleElemAnim = "myButtonCheckLienTailleElemAnim";
constexpr const char* myButtonCheckLienAnmDirection = "myButtonCheckLienAnmDirection";
constexpr const char* myButtonCheckCAEVisible = "myButtonCheckCAEVisible";
constexpr const char* myButtonCheckCAEAvplan = "myButtonCheckCAEAvplan";
constexpr const char* myButtonCheckCAEPosition = "myButtonCheckCAEPosition";
constexpr const char* myButtonCheckCAEOrigine = "myButtonCheckCAEOrigine";
constexpr const char* myButtonCheckCAERotation = "myButtonCheckCAERotation";
constexpr const char* myButtonCheckCAEEchelle = "myButtonCheckCAEEchelle";
constexpr const char* myButtonCheckCAEMaillage = "myButtonCheckCAEMaillage";
constexpr const char* myButtonCheckAnimAvecInterpolation = "myButtonCheckAnimAvecInterpolation";
constexpr const char* myButtonCheckPlayPauseAnim = "myButtonCheckPlayPauseAnim";
constexpr const char* myButtonCheckLectureAnimBoucle = "myButtonCheckLectureAnimBoucle";
constexpr const char* myButtonCheckSensLectureFrame = "myButtonCheckSensLectureFrame";
constexpr const char* myButtonCheckFrameSensLectureSansChangement = "myButtonCheckFrameSensLectureSansChangement";
constexpr const char* myButtonCheckPlaySonSiStop = "myButtonCheckPlaySonSiStop";
constexpr const char* myButtonCheckReculTir = "myButtonCheckReculTir";
constexpr const char* myButtonCheckDecalageMere = "myButtonCheckDecalageMere";
constexpr const char* myButtonCheckAfficherFille = "myButtonCheckAfficherFille";
constexpr const char* myButtonCheckAfficheFilleAvant = "myButtonCheckAfficheFilleAvant";
constexpr const char* myButtonCheckAfficheFilleEntre = "myButtonCheckAfficheFilleEntre";
constexpr const char* myButtonCheckAfficheFilleApres = "myButtonCheckAfficheFilleApres";
constexpr const char* myButtonCheckAfficherMere = "myButtonCheckAfficherMere";
constexpr const char* myButtonCheckShaderActif = "myButtonCheckShaderActif";
constexpr const char* myButtonCheckEmetteurParticules = "myButtonCheckEmetteurParticules";
constexpr const char* myButtonCheckModeSizeMoveRot = "myButtonCheckModeSizeMoveRot";
constexpr const char* myButtonCheckModeMaillage = "myButtonCheckModeMaillage";
constexpr const char* myButtonCheckOmbreActive = "myButtonCheckOmbreActive";
constexpr const char* myButtonCheckTimelineVisee = "myButtonCheckTimelineVisee";
constexpr const char* myButtonCheckSuiviSourisVisee = "myButtonCheckSuiviSourisVisee";
constexpr const char* myButtonCheckGrilleAnimation = "myButtonCheckGrilleAnimation";
constexpr const char* myButtonCheckOptionQuadrillage = "myButtonCheckOptionQuadrillage";
constexpr const char* myButtonCheckCadreTousElements = "myButtonCheckCadreTousElements";
constexpr const char* myButtonCheckCadreSurSelection = "myButtonCheckCadreSurSelection";
constexpr const char* myButtonCheckAfficheRectGlobal = "myButtonCheckAfficheRectGlobal";
constexpr const char* myButtonCheckAfficheRectHitbox = "myButtonCheckAfficheRectHitbox";
constexpr const char* myButtonCheckDrawHierarchie = "myButtonCheckDrawHierarchie";
constexpr const char* myButtonCheckAfficheCheminAnimation = "myButtonCheckAfficheCheminAnimation";
constexpr const char* myButtonCheckLockAnimElemSel = "myButtonCheckLockAnimElemSel";
constexpr const char* myButtonCheckAEStyle = "myButtonCheckAEStyle";
constexpr const char* myButtonCheckViseeMarcheSoubressaut = "myButtonCheckViseeMarcheSoubressaut";

// Buttons (67)
constexpr const char* myButtonOuvrirANM = "myButtonOuvrirANM";
constexpr const char* myButtonEnregistrerANM = "myButtonEnregistrerANM";
constexpr const char* myButtonEnregistrerANMSous = "myButtonEnregistrerANMSous";
constexpr const char* myButtonNouveauAnm = "myButtonNouveauAnm";
constexpr const char* myButtonReloadAnm = "myButtonReloadAnm";
constexpr const char* myButtonReloadIniAnm = "myButtonReloadIniAnm";
constexpr const char* myButtonAppliquerAuJeu = "myButtonAppliquerAuJeu";
constexpr const char* myButtonOuvrirImagePlanche = "myButtonOuvrirImagePlanche";
constexpr const char* myButtonReloadPlanche = "myButtonReloadPlanche";
constexpr const char* myButtonAjouterAnimation = "myButtonAjouterAnimation";
constexpr const char* myButtonModifierAnimation = "myButtonModifierAnimation";
constexpr const char* myButtonSupprimerAnimation = "myButtonSupprimerAnimation";
constexpr const char* myButtonCopieAnimation = "myButtonCopieAnimation";
constexpr const char* myButtonCreerAnimSimpleAuto = "myButtonCreerAnimSimpleAuto";
constexpr const char* myButtonReloadShaders = "myButtonReloadShaders";
constexpr const char* myButtonResetMaillageElement = "myButtonResetMaillageElement";
constexpr const char* myButtonExportPlancheOpen = "myButtonExportPlancheOpen";
constexpr const char* myButtonOutilsExportation = "myButtonOutilsExportation";
constexpr const char* myButtonOutilsExportationNew = "myButtonOutilsExportationNew";
constexpr const char* myButtonAjouterElement = "myButtonAjouterElement";
constexpr const char* myButtonModifierElement = "myButtonModifierElement";
constexpr const char* myButtonSupprimerElement = "myButtonSupprimerElement";
constexpr const char* myButtonAppliquerOrigineTous = "myButtonAppliquerOrigineTous";
constexpr const char* myButtonElementCentreO = "myButtonElementCentreO";
constexpr const char* myButtonInitLienElement = "myButtonInitLienElement";
constexpr const char* myButtonElementImageExt = "myButtonElementImageExt";
constexpr const char* myButtonTLGauche = "myButtonTLGauche";
constexpr const char* myButtonTLDroite = "myButtonTLDroite";
constexpr const char* myButtonTLMoins = "myButtonTLMoins";
constexpr const char* myButtonTLPlus = "myButtonTLPlus";
constexpr const char* myButtonAjouterElementAnimation = "myButtonAjouterElementAnimation";
constexpr const char* myButtonSupprimerElementAnimation = "myButtonSupprimerElementAnimation";
constexpr const char* myButtonModifierNomAnimElem = "myButtonModifierNomAnimElem";
constexpr const char* myButtonMonterAnimElem = "myButtonMonterAnimElem";
constexpr const char* myButtonDescendreAnimElem = "myButtonDescendreAnimElem";
constexpr const char* myButtonFlipH = "myButtonFlipH";
constexpr const char* myButtonFlipV = "myButtonFlipV";
constexpr const char* myButtonOriginCenter = "myButtonOriginCenter";
constexpr const char* myButtonTailleUn = "myButtonTailleUn";
constexpr const char* myButtonEventsAE = "myButtonEventsAE";
constexpr const char* myButtonCopieAE = "myButtonCopieAE";
constexpr const char* myButtonColleAE = "myButtonColleAE";
constexpr const char* myButtonCopieAESelRien = "myButtonCopieAESelRien";
constexpr const char* myButtonCopieAESelTout = "myButtonCopieAESelTout";
constexpr const char* myButtonAjouterKeyAnim = "myButtonAjouterKeyAnim";
constexpr const char* myButtonCopyKeyAnim = "myButtonCopyKeyAnim";
constexpr const char* myButtonSupprimerKeyAnim = "myButtonSupprimerKeyAnim";
constexpr const char* myButtonAppliquerFrame = "myButtonAppliquerFrame";
constexpr const char* myButtonInsererFrameInterpolation = "myButtonInsererFrameInterpolation";
constexpr const char* myButtonSupprimerFrameInterpolation = "myButtonSupprimerFrameInterpolation";
constexpr const char* myButtonReloadScriptFrame = "myButtonReloadScriptFrame";
constexpr const char* myButtonSelectScript = "myButtonSelectScript";
constexpr const char* myButtonScriptAnmInterne = "myButtonScriptAnmInterne";
constexpr const char* myButtonScriptTir = "myButtonScriptTir";
constexpr const char* myButtonAnimationFilleGo = "myButtonAnimationFilleGo";
constexpr const char* myButtonShowOptionsShaders = "myButtonShowOptionsShaders";
constexpr const char* myButtonNewDelEmetteur = "myButtonNewDelEmetteur";
constexpr const char* myButtonShowOptionsParticules = "myButtonShowOptionsParticules";
constexpr const char* myButtonAppliquerMaillageToutesFrames = "myButtonAppliquerMaillageToutesFrames";
constexpr const char* myButtonAppliquerMaillageFrameSuiv = "myButtonAppliquerMaillageFrameSuiv";
constexpr const char* myButtonAppliquerMaillageFramePrec = "myButtonAppliquerMaillageFramePrec";
constexpr const char* myButtonRazMaillageElementToutesFrames = "myButtonRazMaillageElementToutesFrames";
constexpr const char* myButtonRazMaillageElement = "myButtonRazMaillageElement";
constexpr const char* myButtonRazAxeAnimation = "myButtonRazAxeAnimation";
constexpr const char* myButtonAddEtat = "myButtonAddEtat";
constexpr const char* myButtonEtatSave = "myButtonEtatSave";
constexpr const char* myButtonEtatLoad = "myButtonEtatLoad";

// Colours (4)
constexpr const char* myColorGlobale = "myColorGlobale";
constexpr const char* myColorFrameAE = "myColorFrameAE";
constexpr const char* myColorFrameElements = "myColorFrameElements";
constexpr const char* myColorFond = "myColorFond";

// Texts (4)
constexpr const char* lblAnimations = "lblAnimations";
constexpr const char* lblElements = "lblElements";
constexpr const char* lblTimeline = "lblTimeline";
constexpr const char* lblAnimElems = "lblAnimElems";

} // namespace IdAnm
