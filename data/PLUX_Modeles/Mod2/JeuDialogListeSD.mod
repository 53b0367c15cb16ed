# Modèle de dialogue "JeuDialogListeSD"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogListeSD
TITRE=Liste des sprites du décor
RECT=920;440;296;216
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=PANNEAU;panListeSD
RECT=8;33;280;200
}
