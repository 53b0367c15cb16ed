# Modèle de dialogue "SFMLJeuChoixPer"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.
# Le bandeau sombre reçoit les trois lignes que le sélecteur écrit (fichier, ID, rang) ;
# l'aperçu commence sous les boutons, à la hauteur que fixe la classe.

DIALOGUE=SFMLJeuChoixPer
TITRE=Choix du personnage
RECT=900;60;320;513
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=PANNEAU;panTextes
RECT=0;36;320;64
COULEUR=36;40;48
ANCRES=1;1;1;0
}
{
CONTROLE=BOUTON;btnLeft
TEXTE=<
RECT=8;104;40;22
}
{
CONTROLE=BOUTON;btnRight
TEXTE=>
RECT=272;104;40;22
}
{
CONTROLE=SAISIE;myTextInputNumAnim
LIBELLE=Animation
RECT=80;482;40;20
LECTURE_SEULE=1
}
{
CONTROLE=TEXTE;myTextNbAnims
TEXTE=/ 0
RECT=126;482;56;20
}
{
CONTROLE=SAISIE;myTextInputVitesse
LIBELLE=Vitesse
RECT=252;482;60;20
LECTURE_SEULE=1
}
{
CONTROLE=BOUTON;myButtonAnimMoins
TEXTE=Anim −
RECT=8;508;150;22
}
{
CONTROLE=BOUTON;myButtonAnimPlus
TEXTE=Anim +
RECT=162;508;150;22
}
