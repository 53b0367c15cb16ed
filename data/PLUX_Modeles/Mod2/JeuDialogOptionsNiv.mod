# Modèle de dialogue "JeuDialogOptionsNiv"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogOptionsNiv
TITRE=Options du niveau
RECT=710;40;546;330
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=SAISIE;myTextInputXHG
LIBELLE=X HG
RECT=138;33;130;20
}
{
CONTROLE=SAISIE;myTextInputYHG
LIBELLE=Y HG
RECT=138;57;130;20
}
{
CONTROLE=SAISIE;myTextInputXBD
LIBELLE=X BD
RECT=138;81;130;20
}
{
CONTROLE=SAISIE;myTextInputYBD
LIBELLE=Y BD
RECT=138;105;130;20
}
{
CONTROLE=SAISIE;myTextInputTypeJeu
LIBELLE=Type de jeu
RECT=138;129;130;20
}
{
CONTROLE=SAISIE;myTextInputCheminFichierNiv
LIBELLE=Fichier niveau
RECT=138;153;130;20
}
{
CONTROLE=COMBO;myComboBox
LIBELLE=Mode de vue
RECT=138;177;130;20
ELEMENTS=0 suivi;1 défilement auto;2 fixe, zoom;3 suivi retardé;4 groupe;5 anticipation;6 vue fixe;7 centré joueur;8 zoom écart
}
{
CONTROLE=TEXTE;lblFond
TEXTE=Image de fond
RECT=8;207;260;20
COULEUR=40;70;120;255
}
{
CONTROLE=SAISIE;myTextInputFondFichier
LIBELLE=Fichier
RECT=138;231;130;20
VAR=CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->strFichierFond;STRING
}
{
CONTROLE=SAISIE;myTextInputFondFlou
LIBELLE=Flou
RECT=138;255;130;20
VAR=CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->shader_blur_radius;FLOAT
}
{
CONTROLE=SAISIE;myTextInputFondX0
LIBELLE=X
RECT=138;279;130;20
VAR=CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->x0;INT
}
{
CONTROLE=SAISIE;myTextInputFondY0
LIBELLE=Y
RECT=138;303;130;20
VAR=CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->y0;INT
}
{
CONTROLE=SAISIE;myTextInputFondEchelle
LIBELLE=Échelle
RECT=138;327;130;20
VAR=CSFMLJeuGlobal::pmonjeu->pdecor->pFondImage->s;FLOAT
}
{
CONTROLE=CASE;myButtonCheckZonePersos
TEXTE=Zone persos
RECT=278;33;260;20
}
{
CONTROLE=CASE;myButtonCheckCarteJeu
TEXTE=Carte jeu
RECT=278;57;260;20
}
{
CONTROLE=CASE;myButtonCheckPGPluie
TEXTE=Pluie
RECT=278;81;260;20
}
{
CONTROLE=CASE;myButtonCheckPGNeige
TEXTE=Neige
RECT=278;105;260;20
}
{
CONTROLE=CASE;myButtonCheckPGLucioles
TEXTE=Lucioles
RECT=278;129;260;20
}
{
CONTROLE=CASE;myButtonCheckPGBrouillard
TEXTE=Brouillard
RECT=278;153;260;20
}
{
CONTROLE=CASE;myButtonCheckPGNuages
TEXTE=Nuages
RECT=278;177;260;20
}
{
CONTROLE=CASE;myButtonCheckPGPoussiere
TEXTE=Poussière
RECT=278;201;260;20
}
{
CONTROLE=CASE;myButtonCheckPGEtoiles
TEXTE=Étoiles
RECT=278;225;260;20
}
