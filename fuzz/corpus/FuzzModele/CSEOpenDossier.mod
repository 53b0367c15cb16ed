# Modèle de dialogue "CSEOpenDossier"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=CSEOpenDossier
TITRE=Ouvrir un dossier
RECT=200;80;480;380
OPTIONS=DEPLACABLE;REDIMENSIONNABLE;FERMABLE;MINIMISABLE
