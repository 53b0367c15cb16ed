# Modèle de dialogue "JeuDialogAnimationsSprites"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogAnimationsSprites
TITRE=Éditeur d'animations
RECT=10;10;1500;875
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=SAISIE;myTextInputNomFichierANM
LIBELLE=Fichier ANM
RECT=108;33;140;20
}
{
CONTROLE=SAISIE;myTextInputIDAnm
LIBELLE=ID ANM
RECT=108;57;140;20
}
{
CONTROLE=BOUTON;myButtonOuvrirANM
TEXTE=Ouvrir ANM…
RECT=8;81;118;20
}
{
CONTROLE=BOUTON;myButtonEnregistrerANM
TEXTE=Enregistrer ANM
RECT=130;81;118;20
}
{
CONTROLE=BOUTON;myButtonEnregistrerANMSous
TEXTE=Enreg. sous…
RECT=8;105;118;20
}
{
CONTROLE=BOUTON;myButtonNouveauAnm
TEXTE=Nouvelle ANM
RECT=130;105;118;20
}
{
CONTROLE=BOUTON;myButtonReloadAnm
TEXTE=Recharger ANM
RECT=8;129;118;20
}
{
CONTROLE=BOUTON;myButtonReloadIniAnm
TEXTE=Recharger ini
RECT=130;129;118;20
}
{
CONTROLE=BOUTON;myButtonAppliquerAuJeu
TEXTE=Appliquer au jeu
RECT=8;153;240;20
}
{
CONTROLE=SAISIE;myTextInputNomPlanche
LIBELLE=Planche
RECT=108;177;140;20
}
{
CONTROLE=BOUTON;myButtonOuvrirImagePlanche
TEXTE=Ouvrir planche…
RECT=8;201;118;20
}
{
CONTROLE=BOUTON;myButtonReloadPlanche
TEXTE=Recharger
RECT=130;201;118;20
}
{
CONTROLE=TEXTE;lblAnimations
TEXTE=Animations
RECT=8;225;240;20
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListAnimations
RECT=8;249;240;180
INFO=Animations
}
{
CONTROLE=SAISIE;myTextInputNomAnimation
LIBELLE=Nom
RECT=108;433;140;20
}
{
CONTROLE=BOUTON;myButtonAjouterAnimation
TEXTE=Ajouter
RECT=8;457;118;20
}
{
CONTROLE=BOUTON;myButtonModifierAnimation
TEXTE=Modifier
RECT=130;457;118;20
}
{
CONTROLE=BOUTON;myButtonSupprimerAnimation
TEXTE=Supprimer
RECT=8;481;118;20
}
{
CONTROLE=BOUTON;myButtonCopieAnimation
TEXTE=Copier
RECT=130;481;118;20
}
{
CONTROLE=BOUTON;myButtonCreerAnimSimpleAuto
TEXTE=Créer anim. simple auto
RECT=8;505;240;20
}
{
CONTROLE=COMBO;Z_myComboBoxAnmBase
LIBELLE=ANM de base
RECT=108;529;140;20
}
{
CONTROLE=COMBO;myComboBoxArmes
LIBELLE=Arme
RECT=108;553;140;20
}
{
CONTROLE=CASE;myButtonCheckScriptsActifs
TEXTE=Scripts actifs
RECT=8;577;240;20
}
{
CONTROLE=CASE;myButtonCheckTousShadersActifs
TEXTE=Tous shaders actifs
RECT=8;601;240;20
}
{
CONTROLE=BOUTON;myButtonReloadShaders
TEXTE=Recharger shaders
RECT=8;625;240;20
}
{
CONTROLE=COULEUR;myColorGlobale
LIBELLE=Couleur globale
RECT=108;649;140;20
}
{
CONTROLE=ONGLETS;myTab
RECT=256;30;1236;862
ELEMENTS=ZmyTab:Planche;ZmyTab1:Animation;ZmyTab2:Aperçu
ANCRES=1;1;1;1
}
{
CONTROLE=IMAGE;myImagePlancheSprites
RECT=264;58;1220;450
ONGLET=myTab;0
ANCRES=1;1;1;0
INFO=Planche de sprites
}
{
CONTROLE=ZONE;myZone
RECT=300;98;64;64
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputZoomImagePlanche
LIBELLE=Zoom
RECT=374;516;118;20
ONGLET=myTab;0
}
{
CONTROLE=CASE;myButtonCheckGrillePlanche
TEXTE=Grille
RECT=264;540;228;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputTailleCaseGrillePlanche
LIBELLE=Case grille
RECT=374;564;118;20
ONGLET=myTab;0
}
{
CONTROLE=CASE;myButtonCheckNomsVisibles
TEXTE=Noms visibles
RECT=264;588;228;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementEspace
LIBELLE=Élément espace
RECT=374;612;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementNombre
LIBELLE=Élément nombre
RECT=374;636;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputMaillageNbCols
LIBELLE=Maillage colonnes
RECT=374;660;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputMaillageNbLignes
LIBELLE=Maillage lignes
RECT=374;684;118;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonResetMaillageElement
TEXTE=RAZ maillage
RECT=264;708;228;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputExportId
LIBELLE=Export ID
RECT=374;732;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputExportPlanche
LIBELLE=Export planche
RECT=374;756;118;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonExportPlancheOpen
TEXTE=Planche export…
RECT=264;780;228;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonOutilsExportation
TEXTE=Exporter
RECT=264;804;228;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonOutilsExportationNew
TEXTE=Exporter (nouveau)
RECT=264;828;228;20
ONGLET=myTab;0
}
{
CONTROLE=TEXTE;lblElements
TEXTE=Éléments de la planche
RECT=502;516;228;20
ONGLET=myTab;0
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListElementsPlanche
RECT=502;540;228;150
ONGLET=myTab;0
INFO=Éléments planche
}
{
CONTROLE=SAISIE;myTextInputNomElement
LIBELLE=Nom élément
RECT=612;694;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementX
LIBELLE=X
RECT=612;718;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementY
LIBELLE=Y
RECT=612;742;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementL
LIBELLE=Largeur
RECT=612;766;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementH
LIBELLE=Hauteur
RECT=612;790;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementOx
LIBELLE=Ox
RECT=612;814;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementOy
LIBELLE=Oy
RECT=612;838;118;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonAjouterElement
TEXTE=Ajouter élément
RECT=502;862;228;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonModifierElement
TEXTE=Modifier élément
RECT=740;516;228;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonSupprimerElement
TEXTE=Supprimer élément
RECT=740;540;228;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonAppliquerOrigineTous
TEXTE=Origine à tous
RECT=740;564;228;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonElementCentreO
TEXTE=Origine au centre
RECT=740;588;228;20
ONGLET=myTab;0
}
{
CONTROLE=COMBO;myComboBoxLienElement
LIBELLE=Lien élément
RECT=850;612;118;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonInitLienElement
TEXTE=Init. lien élément
RECT=740;636;228;20
ONGLET=myTab;0
}
{
CONTROLE=COMBO;myComboBoxArmeElement
LIBELLE=Arme élément
RECT=850;660;118;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementImageExt
LIBELLE=Image ext.
RECT=850;684;118;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonElementImageExt
TEXTE=Image ext. …
RECT=740;708;228;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementImageExterne
LIBELLE=Image externe
RECT=850;732;118;20
ONGLET=myTab;0
}
{
CONTROLE=IMAGE;myImageAnimation
RECT=264;58;520;360
ONGLET=myTab;1
INFO=Vue animation
}
{
CONTROLE=IMAGE;myImageTimeLine
RECT=264;424;520;56
ONGLET=myTab;1
INFO=Timeline
}
{
CONTROLE=BOUTON;myButtonTLGauche
TEXTE=<
RECT=264;486;56;22
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonTLDroite
TEXTE=>
RECT=324;486;56;22
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonTLMoins
TEXTE=−
RECT=384;486;56;22
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonTLPlus
TEXTE=+
RECT=444;486;56;22
ONGLET=myTab;1
}
{
CONTROLE=TEXTE;lblTimeline
TEXTE=Timeline : < > défilement, − + largeur
RECT=508;486;276;22
ONGLET=myTab;1
}
{
CONTROLE=TEXTE;lblAnimElems
TEXTE=Éléments de l'animation (AE)
RECT=264;514;222;20
ONGLET=myTab;1
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListAnimationElements
RECT=264;538;222;150
ONGLET=myTab;1
INFO=Animation éléments
}
{
CONTROLE=SAISIE;myTextInputNomAnimElem
LIBELLE=Nom AE
RECT=374;692;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourX
LIBELLE=X
RECT=374;716;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourY
LIBELLE=Y
RECT=374;740;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourOx
LIBELLE=Ox
RECT=374;764;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourOy
LIBELLE=Oy
RECT=374;788;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourSx
LIBELLE=Échelle X
RECT=374;812;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourSy
LIBELLE=Échelle Y
RECT=374;836;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourAngle
LIBELLE=Angle
RECT=374;860;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimFrameCour
LIBELLE=Frame
RECT=606;514;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimFrameNb
LIBELLE=Nb frames
RECT=606;538;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputVitesseAnimCour
LIBELLE=Vitesse
RECT=606;562;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputGotoFrameAnim
LIBELLE=Goto frame
RECT=606;586;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputNbGotoFrameAnim
LIBELLE=Nb goto frame
RECT=606;610;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputNumFrameAppliquer
LIBELLE=Frame cible
RECT=606;634;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputScriptFrame
LIBELLE=Script frame
RECT=606;658;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputNbRunScript
LIBELLE=Nb exécutions
RECT=606;682;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputScriptTir
LIBELLE=Script tir
RECT=606;706;112;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAjouterElementAnimation
TEXTE=Ajouter AE
RECT=496;730;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSupprimerElementAnimation
TEXTE=Retirer AE
RECT=609;730;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonModifierNomAnimElem
TEXTE=Renommer AE
RECT=496;754;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonMonterAnimElem
TEXTE=Monter AE
RECT=609;754;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonDescendreAnimElem
TEXTE=Descendre AE
RECT=496;778;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonFlipH
TEXTE=Miroir H
RECT=609;778;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonFlipV
TEXTE=Miroir V
RECT=496;802;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonOriginCenter
TEXTE=Origine au centre
RECT=496;826;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonTailleUn
TEXTE=Échelle 1
RECT=496;850;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckElemAnimCourVisible
TEXTE=AE courant visible
RECT=792;58;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAnimElementAvantPlan
TEXTE=AE avant-plan
RECT=792;82;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAnimElementFilleVisible
TEXTE=AE fille visible
RECT=792;106;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLockAnimElem
TEXTE=AE verrouillé
RECT=792;130;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckVisibleAnimElem
TEXTE=AE visible
RECT=792;154;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckUseSpriteColor
TEXTE=Couleur du sprite
RECT=792;178;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLienTailleElemAnim
TEXTE=Lien taille AE
RECT=792;202;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLienAnmDirection
TEXTE=Lien direction
RECT=792;226;222;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxLienElementAnim
LIBELLE=Lien AE
RECT=902;250;112;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxLienElementAnimTir
LIBELLE=Lien AE tir
RECT=902;274;112;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxAnimationLienAE
LIBELLE=Anim. liée AE
RECT=902;298;112;20
ONGLET=myTab;1
}
{
CONTROLE=COULEUR;myColorFrameAE
LIBELLE=Couleur AE
RECT=902;322;112;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonEventsAE
TEXTE=Événements AE
RECT=792;346;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonCopieAE
TEXTE=Copier AE
RECT=792;370;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonColleAE
TEXTE=Coller AE
RECT=905;370;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonCopieAESelRien
TEXTE=Copie : rien
RECT=792;394;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonCopieAESelTout
TEXTE=Copie : tout
RECT=905;394;109;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEVisible
TEXTE=Copie : visible
RECT=792;418;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEAvplan
TEXTE=Copie : avant-plan
RECT=792;442;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEPosition
TEXTE=Copie : position
RECT=792;466;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEOrigine
TEXTE=Copie : origine
RECT=792;490;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAERotation
TEXTE=Copie : rotation
RECT=792;514;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEEchelle
TEXTE=Copie : échelle
RECT=792;538;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEMaillage
TEXTE=Copie : maillage
RECT=792;562;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAjouterKeyAnim
TEXTE=Ajouter clé
RECT=792;586;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonCopyKeyAnim
TEXTE=Copier clé
RECT=905;586;109;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSupprimerKeyAnim
TEXTE=Suppr. clé
RECT=792;610;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAppliquerFrame
TEXTE=Appliquer frame
RECT=792;634;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonInsererFrameInterpolation
TEXTE=Insérer frame interp.
RECT=792;658;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSupprimerFrameInterpolation
TEXTE=Suppr. frame interp.
RECT=792;682;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAnimAvecInterpolation
TEXTE=Avec interpolation
RECT=792;706;222;20
ONGLET=myTab;1
}
{
CONTROLE=COULEUR;myColorFrameElements
LIBELLE=Couleur frame
RECT=902;730;112;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckPlayPauseAnim
TEXTE=Lecture
RECT=792;754;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLectureAnimBoucle
TEXTE=Boucle
RECT=792;778;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckSensLectureFrame
TEXTE=Sens de lecture
RECT=792;802;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckFrameSensLectureSansChangement
TEXTE=Sens lecture fixe
RECT=792;826;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckPlaySonSiStop
TEXTE=Son même à l'arrêt
RECT=792;850;222;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxSonFrame
LIBELLE=Son frame
RECT=1134;58;112;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonReloadScriptFrame
TEXTE=Recharger script
RECT=1024;82;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSelectScript
TEXTE=Choisir script
RECT=1024;106;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonScriptAnmInterne
TEXTE=Script interne
RECT=1024;130;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonScriptTir
TEXTE=Script tir
RECT=1024;154;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckReculTir
TEXTE=Recul tir
RECT=1024;178;222;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxAnimationMereFilles
LIBELLE=Mère / filles
RECT=1134;202;112;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxAnimationFille
LIBELLE=Anim. fille
RECT=1134;226;112;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAnimationFilleGo
TEXTE=Aller à la fille
RECT=1024;250;222;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputDxMere
LIBELLE=Dx mère
RECT=1134;274;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputDyMere
LIBELLE=Dy mère
RECT=1134;298;112;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckDecalageMere
TEXTE=Décalage mère
RECT=1024;322;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficherFille
TEXTE=Afficher fille
RECT=1024;346;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheFilleAvant
TEXTE=Fille avant
RECT=1024;370;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheFilleEntre
TEXTE=Fille entre
RECT=1024;394;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheFilleApres
TEXTE=Fille après
RECT=1024;418;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficherMere
TEXTE=Afficher mère
RECT=1024;442;222;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxShadersVert
LIBELLE=Shader vert.
RECT=1134;466;112;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxShadersFrag
LIBELLE=Shader frag.
RECT=1134;490;112;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckShaderActif
TEXTE=Shader actif
RECT=1024;514;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonShowOptionsShaders
TEXTE=Options shaders
RECT=1024;538;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckEmetteurParticules
TEXTE=Émetteur particules
RECT=1024;562;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonNewDelEmetteur
TEXTE=Émetteur +/−
RECT=1024;586;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonShowOptionsParticules
TEXTE=Options particules
RECT=1024;610;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckModeSizeMoveRot
TEXTE=Mode taille/pos./rot.
RECT=1024;634;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckModeMaillage
TEXTE=Mode maillage
RECT=1024;658;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAppliquerMaillageToutesFrames
TEXTE=Maillage → toutes frames
RECT=1024;682;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAppliquerMaillageFrameSuiv
TEXTE=Maillage → frame suiv.
RECT=1024;706;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAppliquerMaillageFramePrec
TEXTE=Maillage → frame préc.
RECT=1024;730;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonRazMaillageElementToutesFrames
TEXTE=RAZ maillage, toutes frames
RECT=1024;754;222;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonRazMaillageElement
TEXTE=RAZ maillage AE
RECT=1024;778;222;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreDx
LIBELLE=Ombre dx
RECT=1134;802;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreDy
LIBELLE=Ombre dy
RECT=1134;826;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreRot
LIBELLE=Ombre rot.
RECT=1134;850;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreEcraseX
LIBELLE=Ombre écrase X
RECT=1366;58;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreEcraseY
LIBELLE=Ombre écrase Y
RECT=1366;82;112;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckOmbreActive
TEXTE=Ombre active
RECT=1256;106;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckTimelineVisee
TEXTE=Timeline visée
RECT=1256;130;222;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputNbFramesVisee
LIBELLE=Frames visée
RECT=1366;154;112;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckSuiviSourisVisee
TEXTE=Visée suit la souris
RECT=1256;178;222;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputZoomAnimation
LIBELLE=Zoom
RECT=1366;202;112;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckGrilleAnimation
TEXTE=Grille
RECT=1256;226;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckOptionQuadrillage
TEXTE=Damier
RECT=1256;250;222;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOptionTailleQuadrillage
LIBELLE=Taille damier
RECT=1366;274;112;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCadreTousElements
TEXTE=Cadre tous AE
RECT=1256;298;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCadreSurSelection
TEXTE=Cadre sélection
RECT=1256;322;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheRectGlobal
TEXTE=Rect. global
RECT=1256;346;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheRectHitbox
TEXTE=Rect. hitbox
RECT=1256;370;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckDrawHierarchie
TEXTE=Hiérarchie
RECT=1256;394;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheCheminAnimation
TEXTE=Afficher chemin
RECT=1256;418;222;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputPrecisionCheminAnimation
LIBELLE=Précision chemin
RECT=1366;442;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputMoveAnimDx
LIBELLE=Décaler dx
RECT=1366;466;112;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputMoveAnimDy
LIBELLE=Décaler dy
RECT=1366;490;112;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonRazAxeAnimation
TEXTE=RAZ axe
RECT=1256;514;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLockAnimElemSel
TEXTE=Verrou sélection AE
RECT=1256;538;222;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAEStyle
TEXTE=Liste AE à plat
RECT=1256;562;222;20
ONGLET=myTab;1
}
{
CONTROLE=COULEUR;myColorFond
LIBELLE=Fond de la vue
RECT=1366;586;112;20
ONGLET=myTab;1
}
{
CONTROLE=IMAGE;myImageEtats
RECT=264;58;520;360
ONGLET=myTab;2
INFO=Aperçu
}
{
CONTROLE=LISTE;myListEtats
RECT=792;58;300;150
ONGLET=myTab;2
INFO=États
}
{
CONTROLE=SAISIE;myTextInputNomEtat
LIBELLE=Nom état
RECT=952;212;140;20
ONGLET=myTab;2
}
{
CONTROLE=BOUTON;myButtonAddEtat
TEXTE=Ajouter état
RECT=792;236;300;20
ONGLET=myTab;2
}
{
CONTROLE=BOUTON;myButtonEtatSave
TEXTE=Enregistrer états
RECT=792;260;300;20
ONGLET=myTab;2
}
{
CONTROLE=BOUTON;myButtonEtatLoad
TEXTE=Charger états
RECT=792;284;300;20
ONGLET=myTab;2
}
{
CONTROLE=COMBO;myComboBoxEtatJeu
LIBELLE=État jeu
RECT=952;308;140;20
ONGLET=myTab;2
}
{
CONTROLE=COMBO;myComboBoxEtatsListeArmes
LIBELLE=Arme de l'état
RECT=952;332;140;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputNbLecturesAvantNouvelleAnim
LIBELLE=Lectures avant anim.
RECT=952;356;140;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputNumAnimACharger
LIBELLE=Anim. à charger
RECT=952;380;140;20
ONGLET=myTab;2
}
{
CONTROLE=CASE;myButtonCheckViseeMarcheSoubressaut
TEXTE=Visée : soubresaut en marche
RECT=792;404;300;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputSoubressautBorneInf
LIBELLE=Soubresaut borne inf.
RECT=952;428;140;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputSoubressautBorneSup
LIBELLE=Soubresaut borne sup.
RECT=952;452;140;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputSoubressautMax
LIBELLE=Soubresaut max
RECT=952;476;140;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputSoubressautVitesse
LIBELLE=Soubresaut vitesse
RECT=952;500;140;20
ONGLET=myTab;2
}
