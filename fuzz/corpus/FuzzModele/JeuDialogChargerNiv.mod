# Modèle de dialogue "JeuDialogChargerNiv"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogChargerNiv
TITRE=Charger un niveau
RECT=200;80;480;380
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=BOUTON;myButtonNouveau
TEXTE=Nouveau niveau
RECT=8;375;120;22
ANCRES=1;0;0;1
}
