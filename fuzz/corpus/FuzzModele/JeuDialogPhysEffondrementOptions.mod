# Modèle de dialogue "JeuDialogPhysEffondrementOptions"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogPhysEffondrementOptions
TITRE=Options d'effondrement
RECT=400;100;256;180
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=SAISIE;myTextInputHauteur
LIBELLE=Hauteur
RECT=118;33;130;20
}
{
CONTROLE=SAISIE;myTextInputVitesse
LIBELLE=Vitesse
RECT=118;57;130;20
}
{
CONTROLE=CASE;myButtonCheckHauteurAuto
TEXTE=Hauteur auto
RECT=8;81;240;20
}
{
CONTROLE=CASE;myButtonCheckHauteurVisible
TEXTE=Hauteur visible
RECT=8;105;240;20
}
{
CONTROLE=BOUTON;myButtonRAZPos
TEXTE=RAZ position
RECT=8;129;240;20
}
{
CONTROLE=BOUTON;myButtonPosInit
TEXTE=Position init.
RECT=8;153;240;20
}
{
CONTROLE=BOUTON;myButtonRAZPosTous
TEXTE=RAZ position tous
RECT=8;177;240;20
}
