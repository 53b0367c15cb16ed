# Modèle de dialogue "JeuDialogEventsAnm"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogEventsAnm
TITRE=Événements de l'élément
RECT=500;80;316;264
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=LISTE;myListEvents
RECT=8;33;300;200
COL2=1;120
INFO=Événements
}
{
CONTROLE=BOUTON;myButtonDialogAnmScp
TEXTE=Éditer le script
RECT=8;237;300;20
}
{
CONTROLE=BOUTON;myButtonNouveauScp
TEXTE=Nouveau script
RECT=8;261;148;20
}
{
CONTROLE=BOUTON;myButtonDelScp
TEXTE=Supprimer script
RECT=160;261;148;20
}
