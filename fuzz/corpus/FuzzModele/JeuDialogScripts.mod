# Modèle de dialogue "JeuDialogScripts"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogScripts
TITRE=Scripts du niveau
RECT=80;60;816;518
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=TEXTE;myTextTitre
TEXTE=Scripts
RECT=8;33;260;20
}
{
CONTROLE=TEXTE;myTextNb
TEXTE=0
RECT=8;57;260;20
}
{
CONTROLE=TEXTE;myTextInfoDecNiv
TEXTE=Info DEC niveau
RECT=8;81;260;20
}
{
CONTROLE=LISTE;myListScripts
RECT=8;105;260;150
INFO=Scripts
}
{
CONTROLE=BOUTON;myButtonPrec
TEXTE=<
RECT=8;259;128;20
}
{
CONTROLE=BOUTON;myButtonSuiv
TEXTE=>
RECT=140;259;128;20
}
{
CONTROLE=BOUTON;myButtonNew
TEXTE=Nouveau
RECT=8;283;128;20
}
{
CONTROLE=BOUTON;myButtonDel
TEXTE=Suppr.
RECT=140;283;128;20
}
{
CONTROLE=BOUTON;myButtonScriptsRunPause
TEXTE=Tout lancer / pause
RECT=8;307;260;20
}
{
CONTROLE=BOUTON;myButtonReloadAllScripts
TEXTE=Recharger tous les scripts
RECT=8;331;260;20
}
{
CONTROLE=BOUTON;myButtonInitScripts
TEXTE=Initialiser les scripts
RECT=8;355;260;20
}
{
CONTROLE=BOUTON;myButtonCentrerSD
TEXTE=Centrer sur le sprite
RECT=8;379;260;20
}
{
CONTROLE=BOUTON;myButtonReload
TEXTE=Recharger le script
RECT=8;403;260;20
}
{
CONTROLE=SAISIE;myTextInputPos
LIBELLE=Position
RECT=398;33;140;20
}
{
CONTROLE=SAISIE;myTextInputScript
LIBELLE=Script
RECT=398;57;140;20
}
{
CONTROLE=SAISIE;myTextInputNbRun
LIBELLE=Nb exécutions
RECT=398;81;140;20
}
{
CONTROLE=SAISIE;myTextInputChrono
LIBELLE=Chrono
RECT=398;105;140;20
}
{
CONTROLE=SAISIE;myTextInputNbLancementsFaits
LIBELLE=Lancements faits
RECT=398;129;140;20
}
{
CONTROLE=SAISIE;myTextInputScriptRun
LIBELLE=Script lancé
RECT=398;153;140;20
}
{
CONTROLE=COMBO;myComboBox
LIBELLE=Déclencheur
RECT=398;177;140;20
ELEMENTS=0 joueur dans la zone;1 caméra dans la zone;2 immédiat;3 bouton A;4 bouton B;5 bouton X;6 bouton Y;7 bouton RB;8 bouton LB;9 bouton START;10 bouton BACK;11 IA dans la zone;12 chrono;13 immédiat, pause après
}
{
CONTROLE=CASE;myButtonCheckRelease
TEXTE=Au relâchement
RECT=278;201;260;20
}
{
CONTROLE=CASE;myButtonCheckRefreshAutoVariables
TEXTE=Variables rafraîchies
RECT=278;225;260;20
}
{
CONTROLE=CASE;myButtonCheckDelObjetsReload
TEXTE=Suppr. objets au rechargement
RECT=278;249;260;20
}
{
CONTROLE=BOUTON;myButtonRunScript
TEXTE=Lancer
RECT=278;273;128;20
}
{
CONTROLE=BOUTON;myButtonPauseScript
TEXTE=Pause script
RECT=410;273;128;20
}
{
CONTROLE=TEXTE;lblVariables
TEXTE=Variables
RECT=278;297;260;20
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListVariables
RECT=278;321;260;110
INFO=Variables
}
{
CONTROLE=TEXTE;lblObjets
TEXTE=Objets
RECT=278;435;260;20
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListObjets
RECT=278;459;260;76
INFO=Objets
}
{
CONTROLE=SAISIE;myTextInputNumCmdCour
LIBELLE=N° cmd cour.
RECT=668;33;140;20
}
{
CONTROLE=SAISIE;myTextInputCmdCour
LIBELLE=Cmd cour.
RECT=668;57;140;20
}
{
CONTROLE=BOUTON;myButtonCmdPrec
TEXTE=< Cmd
RECT=548;81;84;20
}
{
CONTROLE=BOUTON;myButtonCmdSuiv
TEXTE=Cmd >
RECT=636;81;84;20
}
{
CONTROLE=BOUTON;myButtonCmdRun
TEXTE=Exécuter
RECT=724;81;84;20
}
{
CONTROLE=TEXTE;lblCommandes
TEXTE=Commandes
RECT=548;105;260;20
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListCommandes
RECT=548;129;260;376
INFO=Commandes
}
