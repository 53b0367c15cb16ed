# Modèle de dialogue "SFMLJeuChoixPer"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=SFMLJeuChoixPer
TITRE=Choix du personnage
RECT=900;60;320;440
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=BOUTON;btnLeft
TEXTE=<
RECT=8;33;40;22
}
{
CONTROLE=BOUTON;btnRight
TEXTE=>
RECT=272;33;40;22
}
{
CONTROLE=TEXTE;myTextNbAnims
TEXTE=/ 0
RECT=56;33;70;22
}
{
CONTROLE=SAISIE;myTextInputNumAnim
LIBELLE=Animation
RECT=90;411;60;20
}
{
CONTROLE=SAISIE;myTextInputVitesse
LIBELLE=Vitesse
RECT=252;411;60;20
}
{
CONTROLE=BOUTON;myButtonAnimMoins
TEXTE=Anim −
RECT=8;435;150;22
}
{
CONTROLE=BOUTON;myButtonAnimPlus
TEXTE=Anim +
RECT=162;435;150;22
}
