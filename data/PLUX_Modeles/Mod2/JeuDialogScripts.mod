# Modèle de dialogue "JeuDialogScripts"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.
# Trois colonnes : la liste des scripts et ses boutons, avec les variables et les objets
# dessous ; les réglages du script affiché, avec les lignes de son fichier ignorées ou mal
# lues dessous ; ses commandes. Les listes ont une première colonne de 60 pixels pour les
# numéros et une seconde de 390 pixels, celle des lignes non lues 50 et 250.

DIALOGUE=JeuDialogScripts
TITRE=Scripts du niveau
RECT=20;40;1236;644
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=TEXTE;myTextTitre
TEXTE=Scripts
RECT=8;33;450;20
}
{
CONTROLE=TEXTE;myTextNb
TEXTE=0
RECT=8;57;450;20
}
{
CONTROLE=TEXTE;myTextInfoDecNiv
TEXTE=Info DEC niveau
RECT=8;81;450;20
}
{
CONTROLE=LISTE;myListScripts
RECT=8;105;450;170
COL2=1;390
LECTURE_SEULE=1
INFO=Scripts
}
{
CONTROLE=BOUTON;myButtonPrec
TEXTE=<
RECT=8;279;223;20
}
{
CONTROLE=BOUTON;myButtonSuiv
TEXTE=>
RECT=235;279;223;20
}
{
CONTROLE=BOUTON;myButtonNew
TEXTE=Nouveau
RECT=8;303;223;20
}
{
CONTROLE=BOUTON;myButtonDel
TEXTE=Supprimer
RECT=235;303;223;20
}
{
CONTROLE=BOUTON;myButtonScriptsRunPause
TEXTE=Pause tous les scripts
RECT=8;327;223;20
}
{
CONTROLE=BOUTON;myButtonReloadAllScripts
TEXTE=Recharger tous les scripts
RECT=235;327;223;20
}
{
CONTROLE=BOUTON;myButtonInitScripts
TEXTE=Initialiser la liste
RECT=8;351;223;20
}
{
CONTROLE=BOUTON;myButtonCentrerSD
TEXTE=Centrer sur le sprite
RECT=235;351;223;20
}
{
CONTROLE=BOUTON;myButtonReload
TEXTE=Recharger le script
RECT=8;375;450;20
}
{
CONTROLE=TEXTE;lblVariables
TEXTE=Variables
RECT=8;403;450;20
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListVariables
RECT=8;427;450;116
COL2=1;390
LECTURE_SEULE=1
INFO=Variables
}
{
CONTROLE=TEXTE;lblObjets
TEXTE=Objets créés en jeu
RECT=8;547;450;20
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListObjets
RECT=8;571;450;90
COL2=1;390
LECTURE_SEULE=1
INFO=Objets
}
{
CONTROLE=SAISIE;myTextInputPos
LIBELLE=Position
RECT=578;33;190;20
LECTURE_SEULE=1
}
{
CONTROLE=SAISIE;myTextInputScript
LIBELLE=Script
RECT=578;57;190;20
}
{
CONTROLE=SAISIE;myTextInputNbRun
LIBELLE=Nb exécutions
RECT=578;81;190;20
}
{
CONTROLE=SAISIE;myTextInputChrono
LIBELLE=Chrono (s)
RECT=578;105;190;20
}
{
CONTROLE=COMBO;myComboBox
LIBELLE=Déclencheur
RECT=578;129;190;20
ELEMENTS=0 joueur dans la zone;1 caméra dans la zone;2 immédiat;3 bouton A;4 bouton B;5 bouton X;6 bouton Y;7 bouton RB;8 bouton LB;9 bouton START;10 bouton BACK;11 IA dans la zone;12 chrono;13 immédiat, pause après
}
{
CONTROLE=CASE;myButtonCheckRelease
TEXTE=Au relâchement du bouton
RECT=468;153;300;20
}
{
CONTROLE=SAISIE;myTextInputNbLancementsFaits
LIBELLE=Lancements faits
RECT=578;181;190;20
LECTURE_SEULE=1
}
{
CONTROLE=SAISIE;myTextInputScriptRun
LIBELLE=État
RECT=578;205;190;20
LECTURE_SEULE=1
}
{
CONTROLE=BOUTON;myButtonRunScript
TEXTE=Lancer
RECT=468;233;148;20
}
{
CONTROLE=BOUTON;myButtonPauseScript
TEXTE=Pause
RECT=620;233;148;20
}
{
CONTROLE=CASE;myButtonCheckRefreshAutoVariables
TEXTE=Variables rafraîchies
RECT=468;261;300;20
}
{
CONTROLE=CASE;myButtonCheckDelObjetsReload
TEXTE=Suppr. objets au rechargement
RECT=468;285;300;20
}
{
CONTROLE=TEXTE;lblLignesIllisibles
TEXTE=Lignes non lues
RECT=468;313;300;20
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListLignesIllisibles
RECT=468;337;300;324
COL2=1;250
LECTURE_SEULE=1
INFO=Lignes du fichier ignorées ou mal lues
}
{
CONTROLE=SAISIE;myTextInputNumCmdCour
LIBELLE=N° cmd cour.
RECT=868;33;80;20
LECTURE_SEULE=1
}
{
CONTROLE=SAISIE;myTextInputCmdCour
LIBELLE=Cmd cour.
RECT=868;57;360;20
LECTURE_SEULE=1
}
{
CONTROLE=BOUTON;myButtonCmdPrec
TEXTE=< Cmd
RECT=778;81;148;20
}
{
CONTROLE=BOUTON;myButtonCmdSuiv
TEXTE=Cmd >
RECT=930;81;148;20
}
{
CONTROLE=BOUTON;myButtonCmdRun
TEXTE=Exécuter
RECT=1082;81;146;20
}
{
CONTROLE=TEXTE;lblCommandes
TEXTE=Commandes
RECT=778;109;450;20
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListCommandes
RECT=778;133;450;528
COL2=1;390
LECTURE_SEULE=1
INFO=Commandes
}
