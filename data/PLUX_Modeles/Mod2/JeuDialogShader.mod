# Modèle de dialogue "JeuDialogShader"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogShader
TITRE=Variables du shader
RECT=500;100;316;252
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=COMBO;myComboBoxVarVert
LIBELLE=Variable vert.
RECT=128;33;180;20
}
{
CONTROLE=COMBO;myComboBoxVarFrag
LIBELLE=Variable frag.
RECT=128;57;180;20
}
{
CONTROLE=TEXTE;myTextNomVar
LIBELLE=Variable
RECT=128;81;180;20
}
{
CONTROLE=TEXTE;myTextVType
LIBELLE=Type
RECT=128;105;180;20
}
{
CONTROLE=SAISIE;myTextInputV1
LIBELLE=Valeur 1
RECT=128;129;180;20
}
{
CONTROLE=SAISIE;myTextInputV2
LIBELLE=Valeur 2
RECT=128;153;180;20
}
{
CONTROLE=SAISIE;myTextInputV3
LIBELLE=Valeur 3
RECT=128;177;180;20
}
{
CONTROLE=SAISIE;myTextInputV4
LIBELLE=Valeur 4
RECT=128;201;180;20
}
{
CONTROLE=SAISIE;myTextInputPhaseDiviseur
LIBELLE=Phase diviseur
RECT=128;225;180;20
}
{
CONTROLE=BOUTON;myButtonFermer
TEXTE=Fermer
RECT=8;249;300;20
}
