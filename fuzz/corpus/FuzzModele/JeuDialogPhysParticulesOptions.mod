# Modèle de dialogue "JeuDialogPhysParticulesOptions"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogPhysParticulesOptions
TITRE=Options de l'émetteur de particules
RECT=40;40;756;516
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=CASE;myButtonCheckFontaine
TEXTE=Fontaine
RECT=8;33;240;20
GROUPE=type
}
{
CONTROLE=CASE;myButtonCheckCascade
TEXTE=Cascade
RECT=8;57;240;20
GROUPE=type
}
{
CONTROLE=CASE;myButtonCheckCollisionSans
TEXTE=Collision sans
RECT=8;81;240;20
GROUPE=collision
}
{
CONTROLE=CASE;myButtonCheckCollisionSimple
TEXTE=Collision simple
RECT=8;105;240;20
GROUPE=collision
}
{
CONTROLE=CASE;myButtonCheckCollisionAlea
TEXTE=Collision aléa
RECT=8;129;240;20
GROUPE=collision
}
{
CONTROLE=CASE;myButtonCheckAngleAlea
TEXTE=Angle aléa
RECT=8;153;240;20
}
{
CONTROLE=CASE;myButtonCheckAngleAleaCarre
TEXTE=Angle aléa carré
RECT=8;177;240;20
}
{
CONTROLE=CASE;myButtonCheckAngleAleaDirection
TEXTE=Angle aléa direction
RECT=8;201;240;20
}
{
CONTROLE=CASE;myButtonCheckAlphaDec
TEXTE=Alpha DEC
RECT=8;225;240;20
}
{
CONTROLE=CASE;myButtonCheckCarree
TEXTE=Carrée
RECT=8;249;240;20
GROUPE=forme
}
{
CONTROLE=CASE;myButtonCheckCercle
TEXTE=Cercle
RECT=8;273;240;20
GROUPE=forme
}
{
CONTROLE=CASE;myButtonCheckTexture
TEXTE=Texture
RECT=8;297;240;20
GROUPE=forme
}
{
CONTROLE=CASE;myButtonCheckPause
TEXTE=Pause
RECT=8;321;240;20
}
{
CONTROLE=CASE;myButtonCheckEmetteurVisible
TEXTE=Émetteur visible
RECT=8;345;240;20
}
{
CONTROLE=CASE;myButtonCheckVariationTaille
TEXTE=Variation taille
RECT=8;369;240;20
}
{
CONTROLE=CASE;myButtonCheckTailleAlea
TEXTE=Taille aléa
RECT=8;393;240;20
}
{
CONTROLE=CASE;myButtonCheckRotDirection
TEXTE=Rot. direction
RECT=8;417;240;20
}
{
CONTROLE=CASE;myButtonCheckForcesExterieures
TEXTE=Forces extérieures
RECT=8;441;240;20
}
{
CONTROLE=CASE;myButtonCheckNoCalcCollision
TEXTE=No calc collision
RECT=8;465;240;20
}
{
CONTROLE=CASE;myButtonCheckNoDrawPause
TEXTE=No draw pause
RECT=8;489;240;20
}
{
CONTROLE=CASE;myButtonCheckNoCalcPause
TEXTE=No calc pause
RECT=8;513;240;20
}
{
CONTROLE=COULEUR;myColorParticules
LIBELLE=Particules
RECT=388;33;110;20
}
{
CONTROLE=BOUTON;myButtonInit
TEXTE=Init.
RECT=258;57;240;20
}
{
CONTROLE=BOUTON;myButtonTestArmeParticule
TEXTE=Test arme particule
RECT=258;81;240;20
}
{
CONTROLE=SAISIE;myTextInputVelX
LIBELLE=Vel x
RECT=408;105;90;20
}
{
CONTROLE=SAISIE;myTextInputVelY
LIBELLE=Vel y
RECT=408;129;90;20
}
{
CONTROLE=SAISIE;myTextInputForcesX
LIBELLE=Forces x
RECT=408;153;90;20
}
{
CONTROLE=SAISIE;myTextInputForcesY
LIBELLE=Forces y
RECT=408;177;90;20
}
{
CONTROLE=SAISIE;myTextInputTailleParticule
LIBELLE=Taille particule
RECT=408;201;90;20
}
{
CONTROLE=SAISIE;myTextInputDureeVie
LIBELLE=Durée vie
RECT=408;225;90;20
}
{
CONTROLE=SAISIE;myTextInputLargeurEmetteur
LIBELLE=Largeur émetteur
RECT=408;249;90;20
}
{
CONTROLE=SAISIE;myTextInputR
LIBELLE=R
RECT=408;273;90;20
}
{
CONTROLE=SAISIE;myTextInputG
LIBELLE=G
RECT=408;297;90;20
}
{
CONTROLE=SAISIE;myTextInputB
LIBELLE=B
RECT=408;321;90;20
}
{
CONTROLE=SAISIE;myTextInputA
LIBELLE=A
RECT=408;345;90;20
}
{
CONTROLE=SAISIE;myTextInputHauteurEmetteur
LIBELLE=Hauteur émetteur
RECT=408;369;90;20
}
{
CONTROLE=SAISIE;myTextInputAleaDureeVie
LIBELLE=Aléa durée vie
RECT=408;393;90;20
}
{
CONTROLE=SAISIE;myTextInputAmplitudeDegradeCouleur
LIBELLE=Dégradé couleur
RECT=408;417;90;20
}
{
CONTROLE=SAISIE;myTextInputNbParticules
LIBELLE=Nb particules
RECT=408;441;90;20
}
{
CONTROLE=SAISIE;myTextInputNbCycles
LIBELLE=Nb cycles
RECT=408;465;90;20
}
{
CONTROLE=SAISIE;myTextInputAngle1
LIBELLE=Angle 1
RECT=408;489;90;20
}
{
CONTROLE=SAISIE;myTextInputAngle2
LIBELLE=Angle 2
RECT=408;513;90;20
}
{
CONTROLE=SAISIE;myTextInputAlphaAgeDec
LIBELLE=Alpha age DEC
RECT=658;33;90;20
}
{
CONTROLE=SAISIE;myTextInputAcceleration
LIBELLE=Accélération
RECT=658;57;90;20
}
{
CONTROLE=SAISIE;myTextInputAlphaValDec
LIBELLE=Alpha val DEC
RECT=658;81;90;20
}
{
CONTROLE=SAISIE;myTextInputCheminTexture
LIBELLE=Chemin texture
RECT=658;105;90;20
}
{
CONTROLE=SAISIE;myTextInputVariationRotation
LIBELLE=Variation rotation
RECT=658;129;90;20
}
{
CONTROLE=SAISIE;myTextInputVariationTaille
LIBELLE=Variation taille
RECT=658;153;90;20
}
{
CONTROLE=SAISIE;myTextInputBorneVariationTaille
LIBELLE=Borne variation taille
RECT=658;177;90;20
}
{
CONTROLE=SAISIE;myTextInputTailleMin
LIBELLE=Taille min
RECT=658;201;90;20
}
{
CONTROLE=SAISIE;myTextInputTailleMax
LIBELLE=Taille max
RECT=658;225;90;20
}
{
CONTROLE=SAISIE;myTextInputInitLargeur
LIBELLE=Init. largeur
RECT=658;249;90;20
}
{
CONTROLE=SAISIE;myTextInputInitHauteur
LIBELLE=Init. hauteur
RECT=658;273;90;20
}
{
CONTROLE=SAISIE;myTextInputDecPosX
LIBELLE=DEC position x
RECT=658;297;90;20
}
{
CONTROLE=SAISIE;myTextInputDecPosY
LIBELLE=DEC position y
RECT=658;321;90;20
}
{
CONTROLE=SAISIE;myTextInputAleaVitX
LIBELLE=Aléa vit x
RECT=658;345;90;20
}
{
CONTROLE=SAISIE;myTextInputAleaVitY
LIBELLE=Aléa vit y
RECT=658;369;90;20
}
{
CONTROLE=SAISIE;myTextInputAleaForceX
LIBELLE=Aléa force x
RECT=658;393;90;20
}
{
CONTROLE=SAISIE;myTextInputAleaForceY
LIBELLE=Aléa force y
RECT=658;417;90;20
}
{
CONTROLE=SAISIE;myTextInputAleaAccel
LIBELLE=Aléa accél.
RECT=658;441;90;20
}
