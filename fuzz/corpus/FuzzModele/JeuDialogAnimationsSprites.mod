# Modèle de dialogue "JeuDialogAnimationsSprites"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogAnimationsSprites
TITRE=Éditeur d'animations
RECT=0;0;1280;695
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
RECT=256;30;1016;682
ELEMENTS=ZmyTab:Planche;ZmyTab1:Animation;ZmyTab2:Aperçu
ANCRES=1;1;1;1
}
{
CONTROLE=IMAGE;myImagePlancheSprites
RECT=264;58;1000;454
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
RECT=385;518;74;20
ONGLET=myTab;0
}
{
CONTROLE=CASE;myButtonCheckGrillePlanche
TEXTE=Grille
RECT=264;539;195;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputTailleCaseGrillePlanche
LIBELLE=Case grille
RECT=385;560;74;20
ONGLET=myTab;0
}
{
CONTROLE=CASE;myButtonCheckNomsVisibles
TEXTE=Noms visibles
RECT=264;581;195;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementEspace
LIBELLE=Élément espace
RECT=385;602;74;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementNombre
LIBELLE=Élément nombre
RECT=385;623;74;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputMaillageNbCols
LIBELLE=Maillage colonnes
RECT=385;644;74;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputMaillageNbLignes
LIBELLE=Maillage lignes
RECT=385;665;74;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonResetMaillageElement
TEXTE=RAZ maillage
RECT=264;686;195;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputExportId
LIBELLE=Export ID
RECT=570;518;90;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputExportPlanche
LIBELLE=Export planche
RECT=570;539;90;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonExportPlancheOpen
TEXTE=Planche export…
RECT=465;560;195;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonOutilsExportation
TEXTE=Exporter
RECT=465;581;195;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonOutilsExportationNew
TEXTE=Exporter (nouveau)
RECT=465;602;195;20
ONGLET=myTab;0
}
{
CONTROLE=TEXTE;lblElements
TEXTE=Éléments de la planche
RECT=666;518;195;20
ONGLET=myTab;0
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListElementsPlanche
RECT=666;539;195;167
ONGLET=myTab;0
INFO=Éléments planche
}
{
CONTROLE=SAISIE;myTextInputNomElement
LIBELLE=Nom élément
RECT=963;518;99;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementX
LIBELLE=X
RECT=963;539;99;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementY
LIBELLE=Y
RECT=963;560;99;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementL
LIBELLE=Largeur
RECT=963;581;99;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementH
LIBELLE=Hauteur
RECT=963;602;99;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementOx
LIBELLE=Ox
RECT=963;623;99;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementOy
LIBELLE=Oy
RECT=963;644;99;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonAjouterElement
TEXTE=Ajouter élément
RECT=867;665;195;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonModifierElement
TEXTE=Modifier élément
RECT=867;686;195;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonSupprimerElement
TEXTE=Supprimer élément
RECT=1068;518;195;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonAppliquerOrigineTous
TEXTE=Origine à tous
RECT=1068;539;195;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonElementCentreO
TEXTE=Origine au centre
RECT=1068;560;195;20
ONGLET=myTab;0
}
{
CONTROLE=COMBO;myComboBoxLienElement
LIBELLE=Lien élément
RECT=1171;581;92;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonInitLienElement
TEXTE=Init. lien élément
RECT=1068;602;195;20
ONGLET=myTab;0
}
{
CONTROLE=COMBO;myComboBoxArmeElement
LIBELLE=Arme élément
RECT=1171;623;92;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementImageExt
LIBELLE=Image ext.
RECT=1171;644;92;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonElementImageExt
TEXTE=Image ext. …
RECT=1068;665;195;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputElementImageExterne
LIBELLE=Image externe
RECT=1171;686;92;20
ONGLET=myTab;0
}
{
CONTROLE=IMAGE;myImageAnimation
RECT=264;58;440;382
ONGLET=myTab;1
INFO=Vue animation
}
{
CONTROLE=IMAGE;myImageTimeLine
RECT=264;444;440;44
ONGLET=myTab;1
INFO=Timeline
}
{
CONTROLE=BOUTON;myButtonTLGauche
TEXTE=<
RECT=264;492;40;22
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonTLDroite
TEXTE=>
RECT=308;492;40;22
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonTLMoins
TEXTE=−
RECT=352;492;40;22
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonTLPlus
TEXTE=+
RECT=396;492;40;22
ONGLET=myTab;1
}
{
CONTROLE=TEXTE;lblTimeline
TEXTE=Timeline : < > défilement, − + largeur
RECT=440;492;264;22
ONGLET=myTab;1
}
{
CONTROLE=TEXTE;lblAnimElems
TEXTE=Éléments de l'animation (AE)
RECT=264;518;217;20
ONGLET=myTab;1
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListAnimationElements
RECT=264;539;217;167
ONGLET=myTab;1
INFO=Animation éléments
}
{
CONTROLE=SAISIE;myTextInputNomAnimElem
LIBELLE=Nom AE
RECT=565;518;139;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourX
LIBELLE=X
RECT=505;539;88;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourY
LIBELLE=Y
RECT=615;539;88;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourOx
LIBELLE=Ox
RECT=514;560;79;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourOy
LIBELLE=Oy
RECT=624;560;79;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourSx
LIBELLE=Échelle X
RECT=554;581;39;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourSy
LIBELLE=Échelle Y
RECT=664;581;39;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimCourAngle
LIBELLE=Angle
RECT=565;602;139;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimFrameCour
LIBELLE=Frame
RECT=565;644;139;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputAnimFrameNb
LIBELLE=Nb frames
RECT=565;665;139;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputVitesseAnimCour
LIBELLE=Vitesse
RECT=565;686;139;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputGotoFrameAnim
LIBELLE=Goto frame
RECT=814;226;78;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputNbGotoFrameAnim
LIBELLE=Nb goto frame
RECT=814;247;78;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputNumFrameAppliquer
LIBELLE=Frame cible
RECT=814;163;78;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputScriptFrame
LIBELLE=Script frame
RECT=814;373;78;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputNbRunScript
LIBELLE=Nb exécutions
RECT=814;394;78;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputScriptTir
LIBELLE=Script tir
RECT=814;478;78;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAjouterElementAnimation
TEXTE=Ajouter AE
RECT=898;58;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSupprimerElementAnimation
TEXTE=Retirer AE
RECT=990;58;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonModifierNomAnimElem
TEXTE=Renommer AE
RECT=898;79;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonMonterAnimElem
TEXTE=Monter AE
RECT=898;100;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonDescendreAnimElem
TEXTE=Descendre AE
RECT=898;121;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonFlipH
TEXTE=Miroir H
RECT=898;163;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonFlipV
TEXTE=Miroir V
RECT=990;163;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonOriginCenter
TEXTE=Origine au centre
RECT=898;184;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonTailleUn
TEXTE=Échelle 1
RECT=898;142;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckElemAnimCourVisible
TEXTE=AE courant visible
RECT=898;205;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAnimElementAvantPlan
TEXTE=AE avant-plan
RECT=898;226;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAnimElementFilleVisible
TEXTE=AE fille visible
RECT=898;247;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLockAnimElem
TEXTE=AE verrouillé
RECT=898;268;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckVisibleAnimElem
TEXTE=AE visible
RECT=898;289;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckUseSpriteColor
TEXTE=Couleur du sprite
RECT=898;310;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLienTailleElemAnim
TEXTE=Lien taille AE
RECT=898;331;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLienAnmDirection
TEXTE=Lien direction
RECT=898;352;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxLienElementAnim
LIBELLE=Lien AE
RECT=990;373;88;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxLienElementAnimTir
LIBELLE=Lien AE tir
RECT=990;394;88;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxAnimationLienAE
LIBELLE=Anim. liée AE
RECT=990;415;88;20
ONGLET=myTab;1
}
{
CONTROLE=COULEUR;myColorFrameAE
LIBELLE=Couleur AE
RECT=565;623;139;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonEventsAE
TEXTE=Événements AE
RECT=898;436;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonCopieAE
TEXTE=Copier AE
RECT=898;457;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonColleAE
TEXTE=Coller AE
RECT=990;457;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonCopieAESelRien
TEXTE=Copie : rien
RECT=898;478;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonCopieAESelTout
TEXTE=Copie : tout
RECT=990;478;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEVisible
TEXTE=Visible
RECT=898;499;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEAvplan
TEXTE=Avant-plan
RECT=990;499;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEPosition
TEXTE=Position
RECT=898;520;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEOrigine
TEXTE=Origine
RECT=990;520;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAERotation
TEXTE=Rotation
RECT=898;541;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEEchelle
TEXTE=Échelle
RECT=990;541;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCAEMaillage
TEXTE=Maillage
RECT=898;562;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAjouterKeyAnim
TEXTE=Ajouter clé
RECT=712;100;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonCopyKeyAnim
TEXTE=Copier clé
RECT=804;100;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSupprimerKeyAnim
TEXTE=Suppr. clé
RECT=712;121;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAppliquerFrame
TEXTE=Appliquer frame
RECT=712;142;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonInsererFrameInterpolation
TEXTE=Insérer frame interp.
RECT=712;184;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSupprimerFrameInterpolation
TEXTE=Suppr. frame interp.
RECT=712;205;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAnimAvecInterpolation
TEXTE=Avec interpolation
RECT=712;79;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=COULEUR;myColorFrameElements
LIBELLE=Couleur frame
RECT=814;310;78;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckPlayPauseAnim
TEXTE=Lecture
RECT=712;58;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLectureAnimBoucle
TEXTE=Boucle
RECT=804;58;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckSensLectureFrame
TEXTE=Sens de lecture
RECT=712;268;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckFrameSensLectureSansChangement
TEXTE=Sens lecture fixe
RECT=712;289;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckPlaySonSiStop
TEXTE=Son même à l'arrêt
RECT=712;352;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxSonFrame
LIBELLE=Son frame
RECT=814;331;78;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonReloadScriptFrame
TEXTE=Recharger script
RECT=712;415;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSelectScript
TEXTE=Choisir script
RECT=712;436;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonScriptAnmInterne
TEXTE=Script interne
RECT=712;457;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonScriptTir
TEXTE=Script tir
RECT=712;499;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckReculTir
TEXTE=Recul tir
RECT=804;499;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxAnimationMereFilles
LIBELLE=Mère / filles
RECT=814;583;78;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxAnimationFille
LIBELLE=Anim. fille
RECT=814;604;78;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAnimationFilleGo
TEXTE=Aller à la fille
RECT=712;625;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputDxMere
LIBELLE=Dx mère
RECT=814;646;78;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputDyMere
LIBELLE=Dy mère
RECT=814;667;78;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckDecalageMere
TEXTE=Décalage mère
RECT=898;625;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficherFille
TEXTE=Fille
RECT=898;646;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheFilleAvant
TEXTE=Avant
RECT=898;667;57;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheFilleEntre
TEXTE=Entre
RECT=959;667;57;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheFilleApres
TEXTE=Après
RECT=1020;667;57;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficherMere
TEXTE=Mère
RECT=990;646;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxShadersVert
LIBELLE=Shader vert.
RECT=1201;58;63;20
ONGLET=myTab;1
}
{
CONTROLE=COMBO;myComboBoxShadersFrag
LIBELLE=Shader frag.
RECT=1201;79;63;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckShaderActif
TEXTE=Shader actif
RECT=1084;100;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonShowOptionsShaders
TEXTE=Options shaders
RECT=1084;121;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckEmetteurParticules
TEXTE=Émetteur particules
RECT=1084;142;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonNewDelEmetteur
TEXTE=Émetteur ±
RECT=1084;163;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonShowOptionsParticules
TEXTE=Options particules
RECT=1084;184;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckModeSizeMoveRot
TEXTE=Mode taille/pos./rot.
RECT=1084;205;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckModeMaillage
TEXTE=Mode maillage
RECT=1084;226;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAppliquerMaillageToutesFrames
TEXTE=Maillage → toutes frames
RECT=1084;247;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAppliquerMaillageFrameSuiv
TEXTE=→ frame suiv.
RECT=1176;268;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAppliquerMaillageFramePrec
TEXTE=→ frame préc.
RECT=1084;268;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonRazMaillageElementToutesFrames
TEXTE=RAZ maillage, toutes
RECT=1084;289;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonRazMaillageElement
TEXTE=RAZ maillage AE
RECT=1084;310;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreDx
LIBELLE=Ombre dx
RECT=1201;352;63;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreDy
LIBELLE=Ombre dy
RECT=1201;373;63;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreRot
LIBELLE=Ombre rot.
RECT=1201;394;63;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreEcraseX
LIBELLE=Ombre écrase X
RECT=1201;415;63;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOmbreEcraseY
LIBELLE=Ombre écrase Y
RECT=1201;436;63;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckOmbreActive
TEXTE=Ombre active
RECT=1084;331;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckTimelineVisee
TEXTE=Timeline visée
RECT=712;520;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputNbFramesVisee
LIBELLE=Frames visée
RECT=814;541;78;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckSuiviSourisVisee
TEXTE=Visée suit la souris
RECT=712;562;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputZoomAnimation
LIBELLE=Zoom
RECT=1131;457;41;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckGrilleAnimation
TEXTE=Grille
RECT=1084;478;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckOptionQuadrillage
TEXTE=Damier
RECT=1176;478;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputOptionTailleQuadrillage
LIBELLE=Taille damier
RECT=1201;499;63;20
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCadreTousElements
TEXTE=Cadre tous
RECT=1084;520;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckCadreSurSelection
TEXTE=Cadre sél.
RECT=1176;520;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheRectGlobal
TEXTE=Rect global
RECT=1084;541;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheRectHitbox
TEXTE=Hitbox
RECT=1176;541;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckDrawHierarchie
TEXTE=Hiérarchie
RECT=1084;562;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAfficheCheminAnimation
TEXTE=Chemin
RECT=1176;562;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputPrecisionCheminAnimation
LIBELLE=Précision chemin
RECT=1201;583;63;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputMoveAnimDx
LIBELLE=Décaler dx
RECT=1201;604;63;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputMoveAnimDy
LIBELLE=Décaler dy
RECT=1201;625;63;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonRazAxeAnimation
TEXTE=RAZ axe
RECT=1176;457;88;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckLockAnimElemSel
TEXTE=Verrou sélection AE
RECT=898;583;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=CASE;myButtonCheckAEStyle
TEXTE=Liste AE à plat
RECT=898;604;180;20
TAILLE_TEXTE=12
ONGLET=myTab;1
}
{
CONTROLE=COULEUR;myColorFond
LIBELLE=Fond de la vue
RECT=1201;646;63;20
ONGLET=myTab;1
}
{
CONTROLE=IMAGE;myImageEtats
RECT=264;58;440;382
ONGLET=myTab;2
INFO=Aperçu
}
{
CONTROLE=LISTE;myListEtats
RECT=712;58;552;150
ONGLET=myTab;2
INFO=États
}
{
CONTROLE=SAISIE;myTextInputNomEtat
LIBELLE=Nom état
RECT=866;209;398;20
ONGLET=myTab;2
}
{
CONTROLE=BOUTON;myButtonAddEtat
TEXTE=Ajouter état
RECT=712;230;552;20
ONGLET=myTab;2
}
{
CONTROLE=BOUTON;myButtonEtatSave
TEXTE=Enregistrer états
RECT=712;251;274;20
ONGLET=myTab;2
}
{
CONTROLE=BOUTON;myButtonEtatLoad
TEXTE=Charger états
RECT=990;251;274;20
ONGLET=myTab;2
}
{
CONTROLE=COMBO;myComboBoxEtatJeu
LIBELLE=État jeu
RECT=866;272;398;20
ONGLET=myTab;2
}
{
CONTROLE=COMBO;myComboBoxEtatsListeArmes
LIBELLE=Arme de l'état
RECT=866;293;398;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputNbLecturesAvantNouvelleAnim
LIBELLE=Lectures avant anim.
RECT=866;314;398;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputNumAnimACharger
LIBELLE=Anim. à charger
RECT=866;335;398;20
ONGLET=myTab;2
}
{
CONTROLE=CASE;myButtonCheckViseeMarcheSoubressaut
TEXTE=Visée : soubresaut en marche
RECT=712;356;552;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputSoubressautBorneInf
LIBELLE=Soubresaut borne inf.
RECT=866;377;398;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputSoubressautBorneSup
LIBELLE=Soubresaut borne sup.
RECT=866;398;398;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputSoubressautMax
LIBELLE=Soubresaut max
RECT=866;419;398;20
ONGLET=myTab;2
}
{
CONTROLE=SAISIE;myTextInputSoubressautVitesse
LIBELLE=Soubresaut vitesse
RECT=866;440;398;20
ONGLET=myTab;2
}
