# Modèle de dialogue "JeuDialogScriptAnm"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogScriptAnm
TITRE=Script d'animation
RECT=520;100;436;348
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=LISTE;myListScript
RECT=8;33;420;260
COL2=1;200
INFO=Script
}
{
CONTROLE=COMBO;myComboBoxScpCmds
LIBELLE=Commande
RECT=98;297;330;20
}
{
CONTROLE=BOUTON;myButtonAddInstruction
TEXTE=Ajouter
RECT=8;321;137;20
}
{
CONTROLE=BOUTON;myButtonEditInstruction
TEXTE=Modifier
RECT=149;321;137;20
}
{
CONTROLE=BOUTON;myButtonDelInstruction
TEXTE=Supprimer
RECT=290;321;137;20
}
{
CONTROLE=BOUTON;myButtonCmdHaut
TEXTE=Monter
RECT=8;345;208;20
}
{
CONTROLE=BOUTON;myButtonCmdBas
TEXTE=Descendre
RECT=220;345;208;20
}
