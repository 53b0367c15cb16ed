# Modèle de dialogue "CSESelectionZone"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=CSESelectionZone
TITRE=Découpe d'images
RECT=40;40;1234;496
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=IMAGE;myImage
RECT=8;33;640;480
INFO=Image courante
}
{
CONTROLE=ZONE;myZone
RECT=40;65;128;128
}
{
CONTROLE=SAISIE;myTextInputDossier
LIBELLE=Dossier
RECT=796;33;140;20
}
{
CONTROLE=BOUTON;myButtonOpen
TEXTE=Dossier…
RECT=656;57;138;20
}
{
CONTROLE=BOUTON;myButtonOpenAnimation
TEXTE=Charger séquence
RECT=798;57;138;20
}
{
CONTROLE=SAISIE;myTextInputPrefixe
LIBELLE=Préfixe
RECT=796;81;140;20
}
{
CONTROLE=SAISIE;myTextInputNumDebut
LIBELLE=Premier n°
RECT=796;105;140;20
}
{
CONTROLE=SAISIE;myTextInputNumFin
LIBELLE=Dernier n°
RECT=796;129;140;20
}
{
CONTROLE=SAISIE;myTextInputNbImages
LIBELLE=Nb images
RECT=796;153;140;20
}
{
CONTROLE=SAISIE;myTextInputNbDigit
LIBELLE=Nb chiffres
RECT=796;177;140;20
}
{
CONTROLE=SAISIE;myTextInputExt
LIBELLE=Extension
RECT=796;201;140;20
}
{
CONTROLE=SAISIE;myTextInputDecalage
LIBELLE=Décalage
RECT=796;225;140;20
}
{
CONTROLE=SAISIE;myTextInputZoneL
LIBELLE=Largeur zone
RECT=796;249;140;20
}
{
CONTROLE=SAISIE;myTextInputZoneH
LIBELLE=Hauteur zone
RECT=796;273;140;20
}
{
CONTROLE=SAISIE;myTextInputAbandonImage
LIBELLE=Images sautées
RECT=796;297;140;20
}
{
CONTROLE=BOUTON;myButtonEnregistrer
TEXTE=Enregistrer les découpes
RECT=656;321;280;20
}
{
CONTROLE=SAISIE;myTextInputImageCourante
LIBELLE=Image courante
RECT=796;345;140;20
}
{
CONTROLE=SAISIE;myTextInputVitesse
LIBELLE=Vitesse
RECT=796;369;140;20
}
{
CONTROLE=SAISIE;myTextInputZoom
LIBELLE=Zoom
RECT=796;393;140;20
}
{
CONTROLE=SAISIE;myTextInputDebutLecture
LIBELLE=Début lecture
RECT=796;417;140;20
}
{
CONTROLE=SAISIE;myTextInputFinLecture
LIBELLE=Fin lecture
RECT=796;441;140;20
}
{
CONTROLE=CASE;myButtonCheckBoucle
TEXTE=Boucle
RECT=656;465;280;20
}
{
CONTROLE=CASE;myButtonCheckBouclageSensInverse
TEXTE=Boucle en sens inverse
RECT=656;489;280;20
}
{
CONTROLE=BOUTON;myButtonArr
TEXTE=<<
RECT=946;33;67;20
}
{
CONTROLE=BOUTON;myButtonPlay
TEXTE=Lecture
RECT=1017;33;67;20
}
{
CONTROLE=BOUTON;myButtonPause
TEXTE=Pause
RECT=1088;33;67;20
}
{
CONTROLE=BOUTON;myButtonAv
TEXTE=>>
RECT=1159;33;67;20
}
{
CONTROLE=BOUTON;myButtonTailleReelle
TEXTE=Taille 1
RECT=946;57;90;20
}
{
CONTROLE=BOUTON;myButtonTailleReelle05
TEXTE=Taille 0.5
RECT=1040;57;90;20
}
{
CONTROLE=BOUTON;myButtonApercu
TEXTE=Aperçu
RECT=1134;57;90;20
}
