# Modèle de dialogue "JeuDialogPhysForceOptions"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogPhysForceOptions
TITRE=Options de la zone de force
RECT=60;60;786;396
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=CASE;myButtonCheckLocal
TEXTE=Local
RECT=8;33;250;20
GROUPE=portee
}
{
CONTROLE=CASE;myButtonCheckTousPlans
TEXTE=Tous plans
RECT=8;57;250;20
GROUPE=portee
}
{
CONTROLE=CASE;myButtonCheckCePlan
TEXTE=Ce plan
RECT=8;81;250;20
GROUPE=portee
}
{
CONTROLE=CASE;myButtonCheckForceValeur
TEXTE=Force valeur
RECT=8;105;250;20
GROUPE=modeForce
}
{
CONTROLE=CASE;myButtonCheckForceMult
TEXTE=Force mult.
RECT=8;129;250;20
GROUPE=modeForce
}
{
CONTROLE=CASE;myButtonCheckForceAjout
TEXTE=Force ajout
RECT=8;153;250;20
GROUPE=modeForce
}
{
CONTROLE=CASE;myButtonCheckForceActive
TEXTE=Force active
RECT=8;177;250;20
}
{
CONTROLE=CASE;myButtonCheckSpriteVisible
TEXTE=Sprite visible
RECT=8;201;250;20
}
{
CONTROLE=CASE;myButtonCheckInvSensX
TEXTE=Inv sens x
RECT=8;225;250;20
}
{
CONTROLE=CASE;myButtonCheckInvSensY
TEXTE=Inv sens y
RECT=8;249;250;20
}
{
CONTROLE=CASE;myButtonCheckAttracteur
TEXTE=Attracteur
RECT=8;273;250;20
}
{
CONTROLE=CASE;myButtonCheckAccelDistance
TEXTE=Accél. distance
RECT=8;297;250;20
}
{
CONTROLE=CASE;myButtonCheckModForceActif
TEXTE=Mod force actif
RECT=8;321;250;20
}
{
CONTROLE=CASE;myButtonCheckDisparitionImpact
TEXTE=Disparition impact
RECT=8;345;250;20
}
{
CONTROLE=SAISIE;myTextInputCycleMax
LIBELLE=Cycle max
RECT=158;369;100;20
}
{
CONTROLE=SAISIE;myTextInputCycleMin
LIBELLE=Cycle min
RECT=158;393;100;20
}
{
CONTROLE=SAISIE;myTextInputDureeMax
LIBELLE=Durée max
RECT=418;33;100;20
}
{
CONTROLE=SAISIE;myTextInputDureeMin
LIBELLE=Durée min
RECT=418;57;100;20
}
{
CONTROLE=SAISIE;myTextInputForceX
LIBELLE=Force x
RECT=418;81;100;20
}
{
CONTROLE=SAISIE;myTextInputForceY
LIBELLE=Force y
RECT=418;105;100;20
}
{
CONTROLE=SAISIE;myTextInputScript
LIBELLE=Script
RECT=418;129;100;20
}
{
CONTROLE=SAISIE;myTextInputScriptFermeture
LIBELLE=Script fermeture
RECT=418;153;100;20
}
{
CONTROLE=SAISIE;myTextInputButeeX
LIBELLE=Butée x
RECT=418;177;100;20
}
{
CONTROLE=SAISIE;myTextInputButeeY
LIBELLE=Butée y
RECT=418;201;100;20
}
{
CONTROLE=SAISIE;myTextInputMaxButeeX
LIBELLE=Max butée x
RECT=418;225;100;20
}
{
CONTROLE=SAISIE;myTextInputMaxButeeY
LIBELLE=Max butée y
RECT=418;249;100;20
}
{
CONTROLE=SAISIE;myTextInputModifAngleMax
LIBELLE=Modif angle max
RECT=418;273;100;20
}
{
CONTROLE=SAISIE;myTextInputRayonAttraction
LIBELLE=Rayon attraction
RECT=418;297;100;20
}
{
CONTROLE=SAISIE;myTextInputRayonAttracteur
LIBELLE=Rayon attracteur
RECT=418;321;100;20
}
{
CONTROLE=SAISIE;myTextInputEcartAngle
LIBELLE=Écart angle
RECT=418;345;100;20
}
{
CONTROLE=SAISIE;myTextInputAccelerationDistance
LIBELLE=Accélération distance
RECT=418;369;100;20
}
{
CONTROLE=BOUTON;myButtonInitScript
TEXTE=Init. script
RECT=268;393;250;20
}
{
CONTROLE=BOUTON;myButtonInitScriptFermeture
TEXTE=Init. script fermeture
RECT=528;33;250;20
}
