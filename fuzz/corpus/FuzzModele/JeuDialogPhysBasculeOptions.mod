# Modèle de dialogue "JeuDialogPhysBasculeOptions"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogPhysBasculeOptions
TITRE=Options de la bascule
RECT=400;100;256;228
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=SAISIE;myTextInputPivot
LIBELLE=Pivot
RECT=128;33;120;20
}
{
CONTROLE=SAISIE;myTextInputLargeurPivot
LIBELLE=Largeur pivot
RECT=128;57;120;20
}
{
CONTROLE=SAISIE;myTextInputButeeGauche
LIBELLE=Butée gauche
RECT=128;81;120;20
}
{
CONTROLE=SAISIE;myTextInputButeeDroite
LIBELLE=Butée droite
RECT=128;105;120;20
}
{
CONTROLE=SAISIE;myTextInputVitesseRot
LIBELLE=Vitesse rot.
RECT=128;129;120;20
}
{
CONTROLE=SAISIE;myTextInputPoidsBascule
LIBELLE=Poids bascule
RECT=128;153;120;20
}
{
CONTROLE=SAISIE;myTextInputCPG
LIBELLE=CPG
RECT=128;177;120;20
}
{
CONTROLE=SAISIE;myTextInputCPD
LIBELLE=CPD
RECT=128;201;120;20
}
{
CONTROLE=BOUTON;myButtonOk
TEXTE=OK
RECT=8;225;118;20
}
{
CONTROLE=BOUTON;myButtonAnnuler
TEXTE=Annuler
RECT=130;225;118;20
}
