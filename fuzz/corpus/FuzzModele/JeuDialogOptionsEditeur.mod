# Modèle de dialogue "JeuDialogOptionsEditeur"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogOptionsEditeur
TITRE=Options de l'éditeur
RECT=450;40;256;156
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=CASE;myButtonCheckLumieres
TEXTE=Lumières
RECT=8;33;240;20
}
{
CONTROLE=BOUTON;myButtonChargePosIAs
TEXTE=Charger position IA
RECT=8;57;240;20
}
{
CONTROLE=BOUTON;myButtonChargeNiv
TEXTE=Charge niveau
RECT=8;81;240;20
}
{
CONTROLE=BOUTON;myButtonChargeNivSaufPerso
TEXTE=Charge niveau sauf perso
RECT=8;105;240;20
}
{
CONTROLE=BOUTON;myButtonSauveNiv
TEXTE=Sauve niveau
RECT=8;129;240;20
}
{
CONTROLE=BOUTON;myButtonModeJeu
TEXTE=Mode jeu
RECT=8;153;240;20
}
