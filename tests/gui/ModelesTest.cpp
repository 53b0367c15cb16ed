// The model files of the program's dialogs: every file reads without error, holds every
// control the program looks up (with its kind), and lays its controls out without overlaps,
// inside the dialog, with captions that fit.
#include "ModelesOutils.h"

#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <set>
#include <sstream>

namespace {
// Control ids the program reaches, by dialog; upper-case words give the kind of the ids after them.
const std::pair<const char*, const char*> ATTENDUS[] = {
    {"JeuDialogMenuEditeur",
     "TEXTE myTextFPS BOUTON myButtonSauvegarde CASE myButtonCheckVieInfinie myButtonCheckMunitionsInfinie "
     "myButtonCheckBoostInfinie myButtonCheckModeFantome myButtonCheckModePerso myButtonCheckSizeX "
     "myButtonCheckSizeY myButtonCheckLocksSelect myButtonCheckScriptsActifs myButtonCheckAfficheIAs "
     "myButtonCheckAfficheHitboxes myButtonCheckAfficheGrille myButtonCheckMenuVisible "},
    {"JeuDialogMenu",
     "BOUTON myButtonCharger myButtonSauver myButtonChoixDecor myButtonChoixIA myButtonOptionsEditeur "
     "myButtonOptionsNiv myButtonPlans myButtonScripts myButtonChemins myButtonListeSD myButtonListeIA "
     "myButtonPropIA myButtonPropSD myButtonAnimations myButtonReseauInternet "},
    {"JeuDialogOptionsEditeur",
     "CASE myButtonCheckLumieres myButtonCheckCarteJeu myButtonCheckModeFantome myButtonCheckSizeX "
     "myButtonCheckSizeY myButtonCheckLocksSelect myButtonCheckScriptsActifs myButtonCheckAfficheIAs "
     "myButtonCheckAfficheHitboxes myButtonCheckAfficheGrille BOUTON myButtonChargePosIAs myButtonChargeNiv "
     "myButtonChargeNivSaufPerso myButtonSauveNiv myButtonModeJeu "},
    {"JeuDialogPerso",
     "CASE myButtonCheckCollisionsPersoIAs myButtonCheckVieVisible myButtonCheckVaisseau "
     "myButtonCheckOmbre myButtonCheckOmbreDynamique myButtonCheckOmbreFixePosY SAISIE "
     "myTextInputModeCollisions myTextInputId myTextInputIdPER myTextInputFichierPER myTextInputIdRespawn "
     "myTextInputModeIA myTextInputDegatsIA myTextInputDegatsJoueur myTextInputMaxEscalier "
     "myTextInputMaxSaut myTextInputMaxSautAuto myTextInputMaxVie myTextInputOx myTextInputOy "
     "myTextInputPoids myTextInputPosPieds myTextInputPosTeteBas myTextInputPosTeteDebout myTextInputSx "
     "myTextInputSy myTextInputVitesse myTextInputVitesseBaisse myTextInputVitesseChute "
     "myTextInputVitesseSaut myTextInputX myTextInputXi myTextInputY myTextInputYi myTextInputNumPlanIA "
     "myTextInputDirection myTextInputNbArmes myTextInputIdSonCriDegats myTextInputOmbreYFixe "
     "myTextInputOmbreEchelle myTextInputOmbreMinScale myTextInputOmbreHmax myTextInputCorrectionY "
     "myTextInputDegatsCoupPied myTextInputDistancePatrouille BOUTON myButtonPosInit myButtonPropSpriteIA "},
    {"JeuDialogChargerNiv",
     "BOUTON open myButtonNouveau "},
    {"JeuDialogSauverNiv",
     "BOUTON save "},
    {"JeuDialogScripts",
     "TEXTE myTextTitre myTextNb myTextInfoDecNiv lblCommandes SAISIE myTextInputPos myTextInputScript "
     "myTextInputNbRun myTextInputChrono myTextInputNumCmdCour myTextInputCmdCour myTextInputNbLancementsFaits "
     "myTextInputScriptRun COMBO myComboBox CASE myButtonCheckRelease myButtonCheckRefreshAutoVariables "
     "myButtonCheckDelObjetsReload LISTE myListCommandes myListVariables myListScripts myListObjets BOUTON "
     "myButtonScriptsRunPause myButtonPrec myButtonSuiv myButtonNew myButtonDel myButtonReloadAllScripts "
     "myButtonCentrerSD myButtonReload myButtonInitScripts myButtonRunScript myButtonPauseScript "
     "myButtonCmdSuiv myButtonCmdPrec myButtonCmdRun "},
    {"JeuDialogOptionsNiv",
     "CASE myButtonCheckZonePersos myButtonCheckCarteJeu myButtonCheckPGPluie myButtonCheckPGNeige "
     "myButtonCheckPGLucioles myButtonCheckPGBrouillard myButtonCheckPGNuages myButtonCheckPGPoussiere "
     "myButtonCheckPGEtoiles SAISIE myTextInputXHG myTextInputYHG myTextInputXBD myTextInputYBD "
     "myTextInputTypeJeu myTextInputCheminFichierNiv COMBO myComboBox "},
    {"JeuDialogPlans",
     "SAISIE myTextInputCalqueTravail myTextInputCalqueVisible CASE chkPlan0 chkPlan1 chkPlan2 chkPlan3 "
     "chkPlan4 chkPlanV0 chkPlanV1 chkPlanV2 chkPlanV3 chkPlanV4 "},
    {"SFMLJeuChoixPer",
     "BOUTON btnLeft btnRight myButtonAnimMoins myButtonAnimPlus SAISIE myTextInputVitesse "
     "myTextInputNumAnim TEXTE myTextNbAnims "},
    {"SFMLJeuChoixDec",
     "BOUTON btnLeft btnRight SAISIE myTextInputVitesse myTextInputNumAnim TEXTE myTextNbAnims "},
    {"JeuDialogSprite",
     "TEXTE myTextStatusSon COMBO myComboBoxShader myComboBoxShaderFrag CASE myButtonCheckPhysB "
     "myButtonCheckPhysG myButtonCheckPhysR myButtonCheckPhysE myButtonCheckPhysP myButtonCheckPhysC "
     "myButtonCheckPhysDestruction myButtonCheckPhysForce myButtonCheckSprVisible myButtonCheckAvantPlan "
     "myButtonCheckCollisionsActives myButtonCheckDECdefaut myButtonCheckOmbre myButtonCheckOmbreAVP "
     "myButtonCheckSonLocal SAISIE myTextInputPoids myTextInputRotV myTextInputRot myTextInputRotAnim "
     "myTextInputCollision myTextInputX myTextInputY myTextInputSX myTextInputSY myTextInputOx "
     "myTextInputOy myTextInputXi myTextInputYi myTextInputPlan myTextInputID myTextInputDEC "
     "myTextInputFichierDEC myTextInputCalque myTextInputGroupe myTextInputParam1 myTextInputParam2 "
     "myTextInputParam3 myTextInputOmbreSX myTextInputOmbreSY myTextInputOmbreOfX myTextInputOmbreOfY "
     "myTextInputOmbreRotation myTextInputIdSon myTextInputModeSon myTextInputDelaisSon "
     "myTextInputVolumeSon BOUTON myButtonOptC myButtonOptE myButtonOptB myButtonOptP myButtonOptForce "
     "myButtonScripts myButtonShaderOptions myButtonPlayPauseSon myButtonVolume myButtonOmbreSXPlus "
     "myButtonOmbreSXMoins myButtonOmbreSYPlus myButtonOmbreSYMoins myButtonOmbreOfXPlus "
     "myButtonOmbreOfXMoins myButtonOmbreOfYPlus myButtonOmbreOfYMoins myButtonOmbreRotPlus "
     "myButtonOmbreRotMoins COULEUR myColor "},
    {"JeuDialogShader",
     "SAISIE myTextInputV1 myTextInputV2 myTextInputV3 myTextInputV4 myTextInputPhaseDiviseur COMBO "
     "myComboBoxVarVert myComboBoxVarFrag TEXTE myTextNomVar myTextVType BOUTON myButtonFermer "},
    {"JeuDialogPhysParticulesOptions",
     "CASE myButtonCheckFontaine myButtonCheckCascade myButtonCheckCollisionSans "
     "myButtonCheckCollisionSimple myButtonCheckCollisionAlea myButtonCheckAngleAlea "
     "myButtonCheckAngleAleaCarre myButtonCheckAngleAleaDirection myButtonCheckAlphaDec "
     "myButtonCheckCarree myButtonCheckCercle myButtonCheckTexture myButtonCheckPause "
     "myButtonCheckEmetteurVisible myButtonCheckVariationTaille myButtonCheckTailleAlea "
     "myButtonCheckRotDirection myButtonCheckForcesExterieures myButtonCheckNoCalcCollision "
     "myButtonCheckNoDrawPause myButtonCheckNoCalcPause COULEUR myColorParticules SAISIE myTextInputVelX "
     "myTextInputVelY myTextInputForcesX myTextInputForcesY myTextInputTailleParticule myTextInputDureeVie "
     "myTextInputLargeurEmetteur myTextInputR myTextInputG myTextInputB myTextInputA "
     "myTextInputHauteurEmetteur myTextInputAleaDureeVie myTextInputAmplitudeDegradeCouleur "
     "myTextInputNbParticules myTextInputNbCycles myTextInputAngle1 myTextInputAngle2 "
     "myTextInputAlphaAgeDec myTextInputAcceleration myTextInputAlphaValDec myTextInputCheminTexture "
     "myTextInputVariationRotation myTextInputVariationTaille myTextInputBorneVariationTaille "
     "myTextInputTailleMin myTextInputTailleMax myTextInputInitLargeur myTextInputInitHauteur "
     "myTextInputDecPosX myTextInputDecPosY myTextInputAleaVitX myTextInputAleaVitY myTextInputAleaForceX "
     "myTextInputAleaForceY myTextInputAleaAccel BOUTON myButtonInit myButtonTestArmeParticule "},
    {"JeuDialogPhysEffondrementOptions",
     "SAISIE myTextInputHauteur myTextInputVitesse CASE myButtonCheckHauteurAuto "
     "myButtonCheckHauteurVisible BOUTON myButtonRAZPos myButtonPosInit myButtonRAZPosTous "},
    {"JeuDialogPhysCheminOptions",
     "CASE myButtonCheck myButtonCheckAR myButtonCheckAS myButtonCheckB myButtonCheckAnimationKP "
     "myButtonCheckAnimationPlateforme myButtonCheckPause myButtonCheckPauseAll myButtonCheckFH "
     "myButtonCheckFV SAISIE myTextInputDepH myTextInputDepV myTextInputDepVitesse myTextInputSx "
     "myTextInputSy myTextInputR myTextInputCR myTextInputCG myTextInputCB myTextInputCA myTextInputV "
     "myTextInputVS myTextInputVR myTextInputVC myTextInputVGlobale myTextInputVGlobaleC "
     "myTextInputVGlobaleS myTextInputVGlobaleR myTextInputNBChemin myTextInputX myTextInputY BOUTON "
     "myButtonKPOK myButtonMAJ myButtonG myButtonD myButtonSuppr myButtonNouveau TEXTE myTextNum "},
    {"JeuDialogPhysBasculeOptions",
     "BOUTON myButtonOk myButtonAnnuler SAISIE myTextInputPivot myTextInputLargeurPivot "
     "myTextInputButeeGauche myTextInputButeeDroite myTextInputVitesseRot myTextInputPoidsBascule "
     "myTextInputCPG myTextInputCPD "},
    {"JeuDialogPhysForceOptions",
     "CASE myButtonCheckLocal myButtonCheckTousPlans myButtonCheckCePlan myButtonCheckForceValeur "
     "myButtonCheckForceMult myButtonCheckForceAjout myButtonCheckForceActive myButtonCheckSpriteVisible "
     "myButtonCheckInvSensX myButtonCheckInvSensY myButtonCheckAttracteur myButtonCheckAccelDistance "
     "myButtonCheckModForceActif myButtonCheckDisparitionImpact SAISIE myTextInputCycleMax "
     "myTextInputCycleMin myTextInputDureeMax myTextInputDureeMin myTextInputForceX myTextInputForceY "
     "myTextInputScript myTextInputScriptFermeture myTextInputButeeX myTextInputButeeY "
     "myTextInputMaxButeeX myTextInputMaxButeeY myTextInputModifAngleMax myTextInputRayonAttraction "
     "myTextInputRayonAttracteur myTextInputEcartAngle myTextInputAccelerationDistance BOUTON "
     "myButtonInitScript myButtonInitScriptFermeture "},
    {"JeuDialogEventsAnm",
     "LISTE myListEvents BOUTON myButtonDialogAnmScp myButtonNouveauScp myButtonDelScp "},
    {"JeuDialogScriptAnm",
     "LISTE myListScript COMBO myComboBoxScpCmds BOUTON myButtonAddInstruction myButtonDelInstruction "
     "myButtonEditInstruction myButtonCmdHaut myButtonCmdBas "},
    {"JeuDialogAnimationsSprites",
     "ZONE myZone IMAGE myImagePlancheSprites myImageAnimation myImageEtats myImageTimeLine SAISIE "
     "myTextInputOptionTailleQuadrillage myTextInputNbRunScript myTextInputAnimCourX myTextInputAnimCourY "
     "myTextInputAnimCourOx myTextInputAnimCourOy myTextInputAnimCourSx myTextInputAnimCourSy "
     "myTextInputAnimCourAngle myTextInputScriptFrame myTextInputGotoFrameAnim myTextInputNbGotoFrameAnim "
     "myTextInputDxMere myTextInputDyMere myTextInputNomElement myTextInputElementX myTextInputElementY "
     "myTextInputElementL myTextInputElementH myTextInputElementOx myTextInputElementOy "
     "myTextInputNomFichierANM myTextInputNomPlanche myTextInputIDAnm myTextInputExportId "
     "myTextInputExportPlanche myTextInputElementImageExt myTextInputScriptTir myTextInputZoomImagePlanche "
     "myTextInputOmbreDx myTextInputOmbreDy myTextInputTailleCaseGrillePlanche myTextInputElementEspace "
     "myTextInputElementNombre myTextInputZoomAnimation myTextInputPrecisionCheminAnimation "
     "myTextInputAnimFrameCour myTextInputAnimFrameNb myTextInputVitesseAnimCour myTextInputNbFramesVisee "
     "myTextInputMoveAnimDx myTextInputMoveAnimDy myTextInputNumFrameAppliquer myTextInputMaillageNbCols "
     "myTextInputMaillageNbLignes myTextInputNomAnimation myTextInputSoubressautBorneInf "
     "myTextInputSoubressautBorneSup myTextInputSoubressautMax myTextInputSoubressautVitesse "
     "myTextInputOmbreRot myTextInputOmbreEcraseX myTextInputOmbreEcraseY "
     "myTextInputNbLecturesAvantNouvelleAnim myTextInputNumAnimACharger myTextInputNomAnimElem "
     "myTextInputNomEtat myTextInputElementImageExterne COMBO myComboBoxAnimationMereFilles "
     "myComboBoxAnimationFille myComboBoxLienElement myComboBoxArmeElement myComboBoxShadersVert "
     "myComboBoxShadersFrag myComboBoxEtatJeu myComboBoxSonFrame myComboBoxAnimationLienAE "
     "myComboBoxLienElementAnim myComboBoxLienElementAnimTir Z_myComboBoxAnmBase myComboBoxArmes "
     "myComboBoxEtatsListeArmes CASE myButtonCheckAEStyle myButtonCheckPlayPauseAnim "
     "myButtonCheckElemAnimCourVisible myButtonCheckAnimElementAvantPlan "
     "myButtonCheckAnimElementFilleVisible myButtonCheckSensLectureFrame "
     "myButtonCheckFrameSensLectureSansChangement myButtonCheckPlaySonSiStop myButtonCheckUseSpriteColor "
     "myButtonCheckLectureAnimBoucle myButtonCheckGrillePlanche myButtonCheckReculTir "
     "myButtonCheckNomsVisibles myButtonCheckOptionQuadrillage myButtonCheckGrilleAnimation "
     "myButtonCheckModeSizeMoveRot myButtonCheckModeMaillage myButtonCheckLockAnimElemSel "
     "myButtonCheckCadreTousElements myButtonCheckCadreSurSelection myButtonCheckAfficheRectGlobal "
     "myButtonCheckAfficheRectHitbox myButtonCheckSuiviSourisVisee myButtonCheckDrawHierarchie "
     "myButtonCheckAfficheCheminAnimation myButtonCheckTimelineVisee myButtonCheckTousShadersActifs "
     "myButtonCheckAfficherMere myButtonCheckScriptsActifs myButtonCheckCAEVisible myButtonCheckCAEAvplan "
     "myButtonCheckCAEPosition myButtonCheckCAEOrigine myButtonCheckCAERotation myButtonCheckCAEEchelle "
     "myButtonCheckCAEMaillage myButtonCheckLienTailleElemAnim myButtonCheckLienAnmDirection "
     "myButtonCheckViseeMarcheSoubressaut myButtonCheckAfficheFilleAvant myButtonCheckAfficheFilleEntre "
     "myButtonCheckAfficheFilleApres myButtonCheckAnimAvecInterpolation myButtonCheckOmbreActive "
     "myButtonCheckAfficherFille myButtonCheckDecalageMere myButtonCheckLockAnimElem "
     "myButtonCheckVisibleAnimElem myButtonCheckShaderActif myButtonCheckEmetteurParticules ONGLETS myTab "
     "BOUTON myButtonShowOptionsShaders myButtonShowOptionsParticules myButtonEventsAE "
     "myButtonScriptAnmInterne myButtonEtatSave myButtonOuvrirImagePlanche myButtonElementImageExt "
     "myButtonEnregistrerANMSous myButtonOutilsExportation myButtonOutilsExportationNew "
     "myButtonReloadScriptFrame myButtonCopieAE myButtonColleAE myButtonEtatLoad myButtonAjouterKeyAnim "
     "myButtonCopyKeyAnim myButtonAppliquerFrame myButtonAppliquerMaillageToutesFrames "
     "myButtonAppliquerMaillageFrameSuiv myButtonAppliquerMaillageFramePrec myButtonResetMaillageElement "
     "myButtonTLMoins myButtonTLPlus myButtonTLGauche myButtonTLDroite myButtonNewDelEmetteur "
     "myButtonExportPlancheOpen myButtonSelectScript myButtonScriptTir myButtonOuvrirANM "
     "myButtonEnregistrerANM myButtonNouveauAnm myButtonReloadAnm myButtonReloadPlanche "
     "myButtonReloadIniAnm myButtonAppliquerAuJeu myButtonAjouterElement myButtonModifierElement "
     "myButtonAppliquerOrigineTous myButtonInitLienElement myButtonSupprimerElement myButtonElementCentreO "
     "myButtonAnimationFilleGo myButtonRazAxeAnimation myButtonAjouterAnimation myButtonModifierAnimation "
     "myButtonSupprimerAnimation myButtonCopieAnimation myButtonAjouterElementAnimation "
     "myButtonSupprimerElementAnimation myButtonModifierNomAnimElem myButtonMonterAnimElem "
     "myButtonDescendreAnimElem myButtonFlipH myButtonFlipV myButtonSupprimerKeyAnim "
     "myButtonInsererFrameInterpolation myButtonSupprimerFrameInterpolation myButtonOriginCenter "
     "myButtonTailleUn myButtonCreerAnimSimpleAuto myButtonRazMaillageElementToutesFrames "
     "myButtonRazMaillageElement myButtonCopieAESelRien myButtonCopieAESelTout myButtonReloadShaders "
     "myButtonAddEtat LISTE myListAnimations myListEtats myListElementsPlanche myListAnimationElements "
     "COULEUR myColorFrameAE myColorFrameElements myColorFond myColorGlobale ENTETE ZmyTab ZmyTab1 ZmyTab2 "},
    {"JeuDialogInternet",
     "SAISIE myTextInputPortUDP myTextInputIPLan myTextInputIPWan myTextInputPseudo myTextInputGroupe "
     "myTextInputMsgChat myTextInputPing TEXTE myTextStatus myTextGameMaster myTextNomJ1 myTextNomJ2 LISTE "
     "myListJoueursEnLigne myListDemandesDeJeu myListChat CASE myButtonCheckModeCapture "
     "myButtonCheckClone1 myButtonCheckClone2 myButtonCheckClone3 myButtonCheckClone4 "
     "myButtonCheckCouleurRouge myButtonCheckCouleurBleue myButtonCheckModeMort myButtonCheckGroupeUse "
     "myButtonCheckScrollListChatAuto ONGLETS myTab myPanelAnchorOptions BOUTON "
     "myButtonConnexionServeur myButtonDemandeTous myButtonRefreshList myButtonAnnulerJeu myButtonSendMsg "
     "myButtonEffacerMsg COMBO myComboBoxNiveau IMAGE myImagePerso1 myImagePersoAdv1 myImagePerso2 "
     "myImagePersoAdv2 myImageNiv1 myImageNiv2 myImageNiv3 myImageNiv4 "},
    {"CSEFouet",
     "IMAGE myImageFouet BOUTON myButtonLirePer myButtonSauverPer myButtonAjoute myButtonSupprime "
     "myButtonInitMasse myButtonKPCourPauseInit myButtonLireFouet myButtonSauverFouet myButtonFrappe "
     "myButtonFrappe2 myButtonFramePrec myButtonFrameSuiv CASE myButtonCheckMasseCte "
     "myButtonCheckMassePlus myButtonCheckMasseMoins myButtonCheckKPVisible myButtonCheckRepos "
     "myButtonCheckFrappe1 myButtonCheckFrappe2 TEXTE myTextNbFrames myTextNumFrame SAISIE "
     "myTextInputKPPause myTextInputNbNoeuds myTextInputLongueur myTextInputRigidite "},
    {"CSESelectionZone",
     "IMAGE myImage ZONE myZone SAISIE myTextInputDossier myTextInputPrefixe myTextInputNumDebut "
     "myTextInputNbImages myTextInputNumFin myTextInputNbDigit myTextInputExt myTextInputDecalage "
     "myTextInputZoneL myTextInputZoneH myTextInputImageCourante myTextInputAbandonImage "
     "myTextInputVitesse myTextInputZoom myTextInputDebutLecture myTextInputFinLecture CASE "
     "myButtonCheckBoucle myButtonCheckBouclageSensInverse BOUTON myButtonOpen myButtonOpenAnimation "
     "myButtonEnregistrer myButtonPlay myButtonPause myButtonArr myButtonAv myButtonTailleReelle "
     "myButtonTailleReelle05 myButtonApercu "},
    {"CSEOpenDossier",
     "BOUTON open "},
    {"JeuDialogListeSD",
     ""},
};

CPLUXControl::Genre genreDe(const std::string& k)
{
    static const std::map<std::string, CPLUXControl::Genre> g = {
        {"BOUTON", CPLUXControl::GENRE_BOUTON},   {"CASE", CPLUXControl::GENRE_CASE},
        {"TEXTE", CPLUXControl::GENRE_TEXTE},     {"SAISIE", CPLUXControl::GENRE_SAISIE},
        {"LISTE", CPLUXControl::GENRE_LISTE},     {"COMBO", CPLUXControl::GENRE_COMBO},
        {"IMAGE", CPLUXControl::GENRE_IMAGE},     {"ONGLETS", CPLUXControl::GENRE_ONGLETS},
        {"ZONE", CPLUXControl::GENRE_ZONE},       {"COULEUR", CPLUXControl::GENRE_COULEUR},
        {"ENTETE", CPLUXControl::GENRE_ENTETE_ONGLET}};
    return g.at(k);
}

bool recouvre(const sf::FloatRect& a, const sf::FloatRect& b)
{
    return a.left < b.left + b.width && b.left < a.left + a.width && a.top < b.top + b.height &&
           b.top < a.top + a.height;
}

// Controls that other controls may lie on: containers and the movable zone over its picture.
bool estConteneur(const CPLUXControl* c)
{
    const auto g = c->getGenre();
    return g == CPLUXControl::GENRE_ONGLETS || g == CPLUXControl::GENRE_PANNEAU || g == CPLUXControl::GENRE_ZONE ||
           g == CPLUXControl::GENRE_ENTETE_ONGLET;
}

// Same page of the same tab control, or either one on no page.
bool memePage(const CPLUXControl* a, const CPLUXControl* b)
{
    for (const CPLUXControl* c : {a, b})
        if (!c->getTab())
            return true;
    return a->getTab() != b->getTab() || a->getTabPage() == b->getTabPage();
}
} // namespace

TEST(Modeles, EveryModelReadsWithoutErrorAndHoldsTheControlsTheProgramUses)
{
    CPLUXTest::reset();
    std::set<std::string> fichiers;
    for (const auto& e : std::filesystem::directory_iterator(dossierModeles()))
        fichiers.insert(e.path().stem().string());
    EXPECT_EQ(fichiers.size(), std::size(ATTENDUS));

    for (const auto& [id, liste] : ATTENDUS) {
        SCOPED_TRACE(id);
        EXPECT_EQ(fichiers.count(id), 1u);
        ModeleCharge m(id);
        EXPECT_TRUE(m.lu);
        EXPECT_TRUE(m.erreurs.empty()) << (m.erreurs.empty() ? "" : m.erreurs.front());
        std::istringstream in(liste);
        std::string mot, genre;
        while (in >> mot) {
            if (std::all_of(mot.begin(), mot.end(), [](char ch) { return ch >= 'A' && ch <= 'Z'; })) {
                genre = mot;
                continue;
            }
            CPLUXControl* c = m.d->getControl(mot);
            ASSERT_NE(c, nullptr) << mot;
            EXPECT_EQ(c->getGenre(), genreDe(genre)) << mot;
        }
    }
}

namespace {
void verifierDisposition(CPLUXDialog* d)
{
    const sf::FloatRect dialogue(0, 0, static_cast<float>(d->getWidth()), static_cast<float>(d->getOuterHeight()));
    std::vector<CPLUXControl*> places;
    for (CPLUXControl* c : d->getControls()) {
        if (!c->isVisible() || c->getId() == "btnClose" || c->getId() == "btnMinimize")
            continue;
        const sf::FloatRect r = c->getRect();
        EXPECT_TRUE(r.left >= 0 && r.top >= 0 && r.left + r.width <= dialogue.width &&
                    r.top + r.height <= dialogue.height)
            << c->getId();
        EXPECT_LE(largeurTexte(c), r.width) << c->getId() << " \"" << c->getText() << "\"";
        if (!estConteneur(c))
            places.push_back(c);
    }
    for (size_t i = 0; i < places.size(); ++i)
        for (size_t j = i + 1; j < places.size(); ++j)
            if (memePage(places[i], places[j])) {
                EXPECT_FALSE(recouvre(places[i]->getRect(), places[j]->getRect()))
                    << places[i]->getId() << " / " << places[j]->getId();
            }
}
} // namespace

TEST(Modeles, ControlsLieInsideTheirDialogWithoutOverlapsAndTheirCaptionsFit)
{
    CPLUXTest::reset();
    for (const auto& [id, liste] : ATTENDUS) {
        SCOPED_TRACE(id);
        ModeleCharge m(id);
        verifierDisposition(m.d.get());
        // Still tidy once the user has made the dialog larger.
        if (m.d->isRedimensionnable()) {
            m.d->redimensionnerUtilisateur(m.d->getWidth() + 160, m.d->getHeight() + 90);
            m.d->draw(nullptr, 0, 0, 0, 0);
            verifierDisposition(m.d.get());
        }
    }
}

TEST(Modeles, GeometryTheProgramDependsOn)
{
    CPLUXTest::reset();
    {
        ModeleCharge m("JeuDialogInternet");
        for (const char* p : {"myImagePerso1", "myImagePerso2", "myImagePersoAdv1", "myImagePersoAdv2"})
            EXPECT_EQ(m.d->getControl(p)->getRect(), sf::FloatRect(m.d->getControl(p)->getPosition(), {92, 100}));
        for (const char* p : {"myImageNiv1", "myImageNiv2", "myImageNiv3", "myImageNiv4"})
            EXPECT_EQ(m.d->getControl(p)->getRect(), sf::FloatRect(m.d->getControl(p)->getPosition(), {300, 160}));
    }
    {
        // The script monitor: whole on a 1280x720 screen, its lists wide enough for a number
        // column and a 390-pixel second column, its status fields only shown.
        ModeleCharge m("JeuDialogScripts");
        EXPECT_LE(m.d->getLeft() + m.d->getWidth(), 1280);
        EXPECT_LE(m.d->getTop() + m.d->getOuterHeight(), 720);
        for (const char* l : {"myListScripts", "myListCommandes", "myListVariables", "myListObjets"})
            EXPECT_GE(m.d->getControl(l)->getWidth(), 450) << l;
        for (const char* s : {"myTextInputPos", "myTextInputNumCmdCour", "myTextInputCmdCour",
                              "myTextInputNbLancementsFaits", "myTextInputScriptRun"})
            EXPECT_TRUE(m.d->getControl(s)->isReadOnly()) << s;
        for (const char* s : {"myTextInputScript", "myTextInputNbRun", "myTextInputChrono"})
            EXPECT_FALSE(m.d->getControl(s)->isReadOnly()) << s;
    }
    {
        ModeleCharge m("CSESelectionZone");
        const sf::FloatRect image = m.d->getControl("myImage")->getRect();
        const sf::FloatRect zone = m.d->getControl("myZone")->getRect();
        sf::FloatRect inter;
        EXPECT_TRUE(image.intersects(zone, inter) && inter == zone);
        EXPECT_FALSE(m.d->isRedimensionnable()) << "nothing in it follows a new size";
    }
    {
        ModeleCharge m("JeuDialogAnimationsSprites");
        CPLUXControl* tl = m.d->getControl("myImageTimeLine");
        ASSERT_NE(tl->getTab(), nullptr);
        EXPECT_EQ(tl->getTabPage(), 1);
        // The preview is clipped to the animation view: both share one rectangle.
        EXPECT_EQ(m.d->getControl("myImageAnimation")->getRect(), m.d->getControl("myImageEtats")->getRect());
        EXPECT_EQ(m.d->getControl("myImagePlancheSprites")->getTabPage(), 0);
        EXPECT_EQ(m.d->getControl("myImageEtats")->getTabPage(), 2);
        sf::FloatRect inter;
        const sf::FloatRect zone = m.d->getControl("myZone")->getRect();
        EXPECT_TRUE(m.d->getControl("myImagePlancheSprites")->getRect().intersects(zone, inter) && inter == zone);
    }
}
