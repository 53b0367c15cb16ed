# Modèle de dialogue "JeuDialogMenuEditeur"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogMenuEditeur
TITRE=Barre de l'éditeur
RECT=10;40;216;372
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=TEXTE;myTextFPS
TEXTE=FPS : 0
RECT=8;33;200;20
}
{
CONTROLE=BOUTON;myButtonSauvegarde
TEXTE=Sauvegarde
RECT=8;57;200;20
}
{
CONTROLE=CASE;myButtonCheckVieInfinie
TEXTE=Vie infinie
RECT=8;81;200;20
}
{
CONTROLE=CASE;myButtonCheckMunitionsInfinie
TEXTE=Munitions infinie
RECT=8;105;200;20
}
{
CONTROLE=CASE;myButtonCheckBoostInfinie
TEXTE=Boost infinie
RECT=8;129;200;20
}
{
CONTROLE=CASE;myButtonCheckModeFantome
TEXTE=Mode fantôme
RECT=8;153;200;20
}
{
CONTROLE=CASE;myButtonCheckModePerso
TEXTE=Mode perso
RECT=8;177;200;20
}
{
CONTROLE=CASE;myButtonCheckSizeX
TEXTE=Taille X
RECT=8;201;200;20
}
{
CONTROLE=CASE;myButtonCheckSizeY
TEXTE=Taille Y
RECT=8;225;200;20
}
{
CONTROLE=CASE;myButtonCheckLocksSelect
TEXTE=Verrous sélection
RECT=8;249;200;20
}
{
CONTROLE=CASE;myButtonCheckScriptsActifs
TEXTE=Scripts actifs
RECT=8;273;200;20
}
{
CONTROLE=CASE;myButtonCheckAfficheIAs
TEXTE=Afficher IA
RECT=8;297;200;20
}
{
CONTROLE=CASE;myButtonCheckAfficheHitboxes
TEXTE=Affiche hitboxes
RECT=8;321;200;20
}
{
CONTROLE=CASE;myButtonCheckAfficheGrille
TEXTE=Affiche grille
RECT=8;345;200;20
}
{
CONTROLE=CASE;myButtonCheckMenuVisible
TEXTE=Menu masqué
RECT=8;369;200;20
}
