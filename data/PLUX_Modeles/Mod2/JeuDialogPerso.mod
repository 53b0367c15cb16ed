# Modèle de dialogue "JeuDialogPerso"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogPerso
TITRE=Personnage et IA
RECT=60;60;786;396
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=CASE;myButtonCheckCollisionsPersoIAs
TEXTE=Collisions perso/IA
RECT=8;33;250;20
}
{
CONTROLE=CASE;myButtonCheckVieVisible
TEXTE=Vie visible
RECT=8;57;250;20
}
{
CONTROLE=CASE;myButtonCheckVaisseau
TEXTE=Vaisseau
RECT=8;81;250;20
}
{
CONTROLE=CASE;myButtonCheckOmbre
TEXTE=Ombre
RECT=8;105;250;20
}
{
CONTROLE=CASE;myButtonCheckOmbreDynamique
TEXTE=Ombre dynamique
RECT=8;129;250;20
}
{
CONTROLE=CASE;myButtonCheckOmbreFixePosY
TEXTE=Ombre fixe position y
RECT=8;153;250;20
}
{
CONTROLE=SAISIE;myTextInputModeCollisions
LIBELLE=Mode collisions
RECT=148;177;110;20
}
{
CONTROLE=SAISIE;myTextInputId
LIBELLE=ID
RECT=148;201;110;20
}
{
CONTROLE=SAISIE;myTextInputIdPER
LIBELLE=ID PER
RECT=148;225;110;20
LECTURE_SEULE=1
}
{
CONTROLE=SAISIE;myTextInputFichierPER
LIBELLE=Fichier PER
RECT=148;249;110;20
LECTURE_SEULE=1
}
{
CONTROLE=SAISIE;myTextInputIdRespawn
LIBELLE=ID respawn
RECT=148;273;110;20
}
{
CONTROLE=SAISIE;myTextInputModeIA
LIBELLE=Mode IA
RECT=148;297;110;20
}
{
CONTROLE=SAISIE;myTextInputDegatsIA
LIBELLE=Dégâts IA
RECT=148;321;110;20
}
{
CONTROLE=SAISIE;myTextInputDegatsJoueur
LIBELLE=Dégâts joueur
RECT=148;345;110;20
}
{
CONTROLE=SAISIE;myTextInputMaxEscalier
LIBELLE=Max escalier
RECT=148;369;110;20
}
{
CONTROLE=SAISIE;myTextInputMaxSaut
LIBELLE=Max saut
RECT=148;393;110;20
}
{
CONTROLE=SAISIE;myTextInputMaxSautAuto
LIBELLE=Max saut auto
RECT=408;33;110;20
}
{
CONTROLE=SAISIE;myTextInputMaxVie
LIBELLE=Max vie
RECT=408;57;110;20
}
{
CONTROLE=SAISIE;myTextInputOx
LIBELLE=Ox
RECT=408;81;110;20
}
{
CONTROLE=SAISIE;myTextInputOy
LIBELLE=Oy
RECT=408;105;110;20
}
{
CONTROLE=SAISIE;myTextInputPoids
LIBELLE=Poids
RECT=408;129;110;20
}
{
CONTROLE=SAISIE;myTextInputPosPieds
LIBELLE=Position pieds
RECT=408;153;110;20
}
{
CONTROLE=SAISIE;myTextInputPosTeteBas
LIBELLE=Position tête bas
RECT=408;177;110;20
}
{
CONTROLE=SAISIE;myTextInputPosTeteDebout
LIBELLE=Position tête debout
RECT=408;201;110;20
}
{
CONTROLE=SAISIE;myTextInputSx
LIBELLE=SX
RECT=408;225;110;20
}
{
CONTROLE=SAISIE;myTextInputSy
LIBELLE=SY
RECT=408;249;110;20
}
{
CONTROLE=SAISIE;myTextInputVitesse
LIBELLE=Vitesse
RECT=408;273;110;20
}
{
CONTROLE=SAISIE;myTextInputVitesseBaisse
LIBELLE=Vitesse baisse
RECT=408;297;110;20
}
{
CONTROLE=SAISIE;myTextInputVitesseChute
LIBELLE=Vitesse chute
RECT=408;321;110;20
}
{
CONTROLE=SAISIE;myTextInputVitesseSaut
LIBELLE=Vitesse saut
RECT=408;345;110;20
}
{
CONTROLE=SAISIE;myTextInputX
LIBELLE=X
RECT=408;369;110;20
}
{
CONTROLE=SAISIE;myTextInputXi
LIBELLE=Xi
RECT=408;393;110;20
}
{
CONTROLE=SAISIE;myTextInputY
LIBELLE=Y
RECT=668;33;110;20
}
{
CONTROLE=SAISIE;myTextInputYi
LIBELLE=Yi
RECT=668;57;110;20
}
{
CONTROLE=SAISIE;myTextInputNumPlanIA
LIBELLE=N° plan IA
RECT=668;81;110;20
}
{
CONTROLE=SAISIE;myTextInputDirection
LIBELLE=Direction
RECT=668;105;110;20
}
{
CONTROLE=SAISIE;myTextInputNbArmes
LIBELLE=Nb armes
RECT=668;129;110;20
}
{
CONTROLE=SAISIE;myTextInputIdSonCriDegats
LIBELLE=ID son cri dégâts
RECT=668;153;110;20
}
{
CONTROLE=SAISIE;myTextInputOmbreYFixe
LIBELLE=Ombre y fixe
RECT=668;177;110;20
}
{
CONTROLE=SAISIE;myTextInputOmbreEchelle
LIBELLE=Ombre échelle
RECT=668;201;110;20
}
{
CONTROLE=SAISIE;myTextInputOmbreMinScale
LIBELLE=Ombre min scale
RECT=668;225;110;20
}
{
CONTROLE=SAISIE;myTextInputOmbreHmax
LIBELLE=Ombre hmax
RECT=668;249;110;20
}
{
CONTROLE=SAISIE;myTextInputCorrectionY
LIBELLE=Correction y
RECT=668;273;110;20
}
{
CONTROLE=SAISIE;myTextInputDegatsCoupPied
LIBELLE=Dégâts coup pied
RECT=668;297;110;20
}
{
CONTROLE=SAISIE;myTextInputDistancePatrouille
LIBELLE=Distance patrouille
RECT=668;321;110;20
}
{
CONTROLE=BOUTON;myButtonPosInit
TEXTE=Position init.
RECT=528;345;250;20
}
{
CONTROLE=BOUTON;myButtonPropSpriteIA
TEXTE=Propriétés sprite IA
RECT=528;369;250;20
}
