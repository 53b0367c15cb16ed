# Modèle de dialogue "CSESelectionZone"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=CSESelectionZone
TITRE=Découpe d'images
RECT=40;40;850;562
OPTIONS=DEPLACABLE;FERMABLE;MINIMISABLE
{
CONTROLE=IMAGE;myImage
RECT=8;33;256;256
INFO=Image courante
}
{
CONTROLE=ZONE;myZone
RECT=40;65;128;128
}
{
CONTROLE=SAISIE;myTextInputDossier
LIBELLE=Dossier
RECT=412;33;140;20
}
{
CONTROLE=BOUTON;myButtonOpen
TEXTE=Dossier…
RECT=272;57;138;20
}
{
CONTROLE=BOUTON;myButtonOpenAnimation
TEXTE=Charger séquence
RECT=414;57;138;20
}
{
CONTROLE=SAISIE;myTextInputPrefixe
LIBELLE=Préfixe
RECT=412;81;140;20
}
{
CONTROLE=SAISIE;myTextInputNumDebut
LIBELLE=Premier n°
RECT=412;105;140;20
}
{
CONTROLE=SAISIE;myTextInputNumFin
LIBELLE=Dernier n°
RECT=412;129;140;20
}
{
CONTROLE=SAISIE;myTextInputNbImages
LIBELLE=Nb images
RECT=412;153;140;20
LECTURE_SEULE=1
}
{
CONTROLE=SAISIE;myTextInputNbDigit
LIBELLE=Nb chiffres
RECT=412;177;140;20
}
{
CONTROLE=SAISIE;myTextInputExt
LIBELLE=Extension
RECT=412;201;140;20
}
{
CONTROLE=SAISIE;myTextInputDecalage
LIBELLE=Décalage
RECT=412;225;140;20
}
{
CONTROLE=SAISIE;myTextInputZoneL
LIBELLE=Largeur zone
RECT=412;249;140;20
}
{
CONTROLE=SAISIE;myTextInputZoneH
LIBELLE=Hauteur zone
RECT=412;273;140;20
}
{
CONTROLE=SAISIE;myTextInputAbandonImage
LIBELLE=Images sautées
RECT=412;297;140;20
}
{
CONTROLE=BOUTON;myButtonEnregistrer
TEXTE=Enregistrer les découpes
RECT=272;321;280;20
}
{
CONTROLE=SAISIE;myTextInputImageCourante
LIBELLE=Image courante
RECT=412;345;140;20
}
{
CONTROLE=SAISIE;myTextInputVitesse
LIBELLE=Vitesse
RECT=412;369;140;20
}
{
CONTROLE=SAISIE;myTextInputZoom
LIBELLE=Zoom
RECT=412;393;140;20
}
{
CONTROLE=SAISIE;myTextInputDebutLecture
LIBELLE=Début lecture
RECT=412;417;140;20
}
{
CONTROLE=SAISIE;myTextInputFinLecture
LIBELLE=Fin lecture
RECT=412;441;140;20
}
{
CONTROLE=CASE;myButtonCheckBoucle
TEXTE=Boucle
RECT=272;465;280;20
}
{
CONTROLE=CASE;myButtonCheckBouclageSensInverse
TEXTE=Boucle en sens inverse
RECT=272;489;280;20
}
{
CONTROLE=BOUTON;myButtonArr
TEXTE=<<
RECT=562;33;67;20
}
{
CONTROLE=BOUTON;myButtonPlay
TEXTE=Lecture
RECT=633;33;67;20
}
{
CONTROLE=BOUTON;myButtonPause
TEXTE=Pause
RECT=704;33;67;20
}
{
CONTROLE=BOUTON;myButtonAv
TEXTE=>>
RECT=775;33;67;20
}
{
CONTROLE=BOUTON;myButtonTailleReelle
TEXTE=Taille 1
RECT=562;57;90;20
}
{
CONTROLE=BOUTON;myButtonTailleReelle05
TEXTE=Taille 0.5
RECT=656;57;90;20
}
{
CONTROLE=BOUTON;myButtonApercu
TEXTE=Aperçu
RECT=750;57;90;20
}
{
CONTROLE=TEXTE;myTextStatut
RECT=8;513;834;68
}
