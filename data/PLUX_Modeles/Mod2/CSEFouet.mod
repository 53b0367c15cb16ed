# Modèle de dialogue "CSEFouet"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=CSEFouet
TITRE=Éditeur de fouet
RECT=60;40;1134;436
OPTIONS=DEPLACABLE;FERMABLE;MINIMISABLE
{
CONTROLE=IMAGE;myImageFouet
RECT=8;33;600;420
INFO=Fouet
}
{
CONTROLE=BOUTON;myButtonLireFouet
TEXTE=Lire fouet
RECT=616;33;123;20
}
{
CONTROLE=BOUTON;myButtonSauverFouet
TEXTE=Sauver fouet
RECT=743;33;123;20
}
{
CONTROLE=BOUTON;myButtonLirePer
TEXTE=Lire PER
RECT=616;57;123;20
}
{
CONTROLE=BOUTON;myButtonSauverPer
TEXTE=Sauver PER
RECT=743;57;123;20
}
{
CONTROLE=SAISIE;myTextInputNbNoeuds
LIBELLE=Nb nœuds
RECT=746;81;120;20
}
{
CONTROLE=SAISIE;myTextInputLongueur
LIBELLE=Longueur
RECT=746;105;120;20
VAR=longueur;FLOAT
}
{
CONTROLE=SAISIE;myTextInputRigidite
LIBELLE=Rigidité
RECT=746;129;120;20
VAR=rigidite;INT
}
{
CONTROLE=BOUTON;myButtonAjoute
TEXTE=Ajoute
RECT=616;153;123;20
}
{
CONTROLE=BOUTON;myButtonSupprime
TEXTE=Supprime
RECT=743;153;123;20
}
{
CONTROLE=BOUTON;myButtonInitMasse
TEXTE=Initialiser les masses
RECT=616;177;250;20
}
{
CONTROLE=CASE;myButtonCheckMasseCte
TEXTE=Masse constante
RECT=616;201;250;20
GROUPE=masse
}
{
CONTROLE=CASE;myButtonCheckMassePlus
TEXTE=Masse croissante
RECT=616;225;250;20
GROUPE=masse
}
{
CONTROLE=CASE;myButtonCheckMasseMoins
TEXTE=Masse décroissante
RECT=616;249;250;20
GROUPE=masse
}
{
CONTROLE=CASE;myButtonCheckKPVisible
TEXTE=KP visibles
RECT=616;273;250;20
VAR=bKPVisibles;BOOL
}
{
CONTROLE=CASE;myButtonCheckRepos
TEXTE=Repos
RECT=616;297;250;20
}
{
CONTROLE=CASE;myButtonCheckFrappe1
TEXTE=Frappe 1
RECT=616;321;250;20
}
{
CONTROLE=CASE;myButtonCheckFrappe2
TEXTE=Frappe 2
RECT=616;345;250;20
}
{
CONTROLE=BOUTON;myButtonFrappe
TEXTE=Frappe
RECT=616;369;123;20
}
{
CONTROLE=BOUTON;myButtonFrappe2
TEXTE=Frappe 2
RECT=743;369;123;20
}
{
CONTROLE=SAISIE;myTextInputKPPause
LIBELLE=Pause KP
RECT=746;393;120;20
}
{
CONTROLE=BOUTON;myButtonKPCourPauseInit
TEXTE=Pause du KP courant
RECT=616;417;250;20
}
{
CONTROLE=BOUTON;myButtonFramePrec
TEXTE=< Frame
RECT=876;33;123;20
}
{
CONTROLE=BOUTON;myButtonFrameSuiv
TEXTE=Frame >
RECT=1003;33;123;20
}
{
CONTROLE=TEXTE;myTextNumFrame
TEXTE=Frame : 0
RECT=876;57;123;20
}
{
CONTROLE=TEXTE;myTextNbFrames
TEXTE=Frames : 0
RECT=1003;57;123;20
}
