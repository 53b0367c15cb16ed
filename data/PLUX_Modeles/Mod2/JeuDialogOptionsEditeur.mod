# Modèle de dialogue "JeuDialogOptionsEditeur"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogOptionsEditeur
TITRE=Options de l'éditeur
RECT=450;40;256;372
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
{
CONTROLE=CASE;myButtonCheckCarteJeu
TEXTE=Carte jeu
RECT=8;177;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bCarteJeu;BOOL
}
{
CONTROLE=CASE;myButtonCheckModeFantome
TEXTE=Mode fantôme
RECT=8;201;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bModeFantome;BOOL
}
{
CONTROLE=CASE;myButtonCheckSizeX
TEXTE=Taille X
RECT=8;225;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bSizeX;BOOL
}
{
CONTROLE=CASE;myButtonCheckSizeY
TEXTE=Taille Y
RECT=8;249;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bSizeY;BOOL
}
{
CONTROLE=CASE;myButtonCheckLocksSelect
TEXTE=Verrous sélection
RECT=8;273;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bLocksSelect;BOOL
}
{
CONTROLE=CASE;myButtonCheckScriptsActifs
TEXTE=Scripts actifs
RECT=8;297;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bScriptsActifs;BOOL
}
{
CONTROLE=CASE;myButtonCheckAfficheIAs
TEXTE=Afficher IA
RECT=8;321;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bAfficheIAs;BOOL
}
{
CONTROLE=CASE;myButtonCheckAfficheHitboxes
TEXTE=Afficher hitboxes
RECT=8;345;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bAfficheHitboxes;BOOL
}
{
CONTROLE=CASE;myButtonCheckAfficheGrille
TEXTE=Afficher grille
RECT=8;369;240;20
VAR=CSFMLJeuGlobal::pmonjeu->bAfficheGrille;BOOL
}
