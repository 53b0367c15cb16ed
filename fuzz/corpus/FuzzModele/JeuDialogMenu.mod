# Modèle de dialogue "JeuDialogMenu"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogMenu
TITRE=Menu de l'éditeur
RECT=230;40;216;372
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=BOUTON;myButtonCharger
TEXTE=Charger
RECT=8;33;200;20
}
{
CONTROLE=BOUTON;myButtonSauver
TEXTE=Sauver
RECT=8;57;200;20
}
{
CONTROLE=BOUTON;myButtonChoixDecor
TEXTE=Choix décor
RECT=8;81;200;20
}
{
CONTROLE=BOUTON;myButtonChoixIA
TEXTE=Choix IA
RECT=8;105;200;20
}
{
CONTROLE=BOUTON;myButtonOptionsEditeur
TEXTE=Options éditeur
RECT=8;129;200;20
}
{
CONTROLE=BOUTON;myButtonOptionsNiv
TEXTE=Options niveau
RECT=8;153;200;20
}
{
CONTROLE=BOUTON;myButtonPlans
TEXTE=Plans
RECT=8;177;200;20
}
{
CONTROLE=BOUTON;myButtonScripts
TEXTE=Scripts
RECT=8;201;200;20
}
{
CONTROLE=BOUTON;myButtonChemins
TEXTE=Chemins
RECT=8;225;200;20
}
{
CONTROLE=BOUTON;myButtonListeSD
TEXTE=Liste SD
RECT=8;249;200;20
}
{
CONTROLE=BOUTON;myButtonListeIA
TEXTE=Liste IA
RECT=8;273;200;20
}
{
CONTROLE=BOUTON;myButtonPropIA
TEXTE=Propriétés IA
RECT=8;297;200;20
}
{
CONTROLE=BOUTON;myButtonPropSD
TEXTE=Propriétés SD
RECT=8;321;200;20
}
{
CONTROLE=BOUTON;myButtonAnimations
TEXTE=Animations
RECT=8;345;200;20
}
{
CONTROLE=BOUTON;myButtonReseauInternet
TEXTE=Réseau internet
RECT=8;369;200;20
}
