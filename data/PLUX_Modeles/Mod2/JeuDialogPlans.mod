# Modèle de dialogue "JeuDialogPlans"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogPlans
TITRE=Plans
RECT=450;440;466;210
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
{
CONTROLE=SAISIE;myTextInputCalqueTravail
LIBELLE=Calque travail
RECT=128;33;100;20
}
{
CONTROLE=SAISIE;myTextInputCalqueVisible
LIBELLE=Calque visible
RECT=128;57;100;20
}
{
CONTROLE=TEXTE;lblPlanTravail
TEXTE=Plan de travail
RECT=8;87;220;20
COULEUR=40;70;120;255
}
{
CONTROLE=CASE;chkPlan0
TEXTE=Plan 0 (premier plan)
RECT=8;111;220;20
GROUPE=plans
}
{
CONTROLE=CASE;chkPlan1
TEXTE=Plan 1
RECT=8;135;220;20
GROUPE=plans
}
{
CONTROLE=CASE;chkPlan2
TEXTE=Plan 2 (principal)
RECT=8;159;220;20
GROUPE=plans
}
{
CONTROLE=CASE;chkPlan3
TEXTE=Plan 3
RECT=8;183;220;20
GROUPE=plans
}
{
CONTROLE=CASE;chkPlan4
TEXTE=Plan 4 (fond)
RECT=8;207;220;20
GROUPE=plans
}
{
CONTROLE=TEXTE;lblPlansVisibles
TEXTE=Plans visibles
RECT=238;33;220;20
COULEUR=40;70;120;255
}
{
CONTROLE=CASE;chkPlanV0
TEXTE=Plan 0 visible
RECT=238;57;220;20
}
{
CONTROLE=CASE;chkPlanV1
TEXTE=Plan 1 visible
RECT=238;81;220;20
}
{
CONTROLE=CASE;chkPlanV2
TEXTE=Plan 2 visible
RECT=238;105;220;20
}
{
CONTROLE=CASE;chkPlanV3
TEXTE=Plan 3 visible
RECT=238;129;220;20
}
{
CONTROLE=CASE;chkPlanV4
TEXTE=Plan 4 visible
RECT=238;153;220;20
}
