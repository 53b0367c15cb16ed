# Modèle de dialogue "JeuDialogInternet"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogInternet
TITRE=Jeu en réseau
RECT=0;0;1024;768
OPTIONS=PLEIN_ECRAN;SANS_TITRE
{
CONTROLE=ONGLETS;myTab
RECT=4;4;1016;760
ELEMENTS=ZmyTabConnexion:Connexion;ZmyTabPartie:Partie
ANCRES=1;1;1;1
}
{
CONTROLE=TEXTE;lblConnexion
TEXTE=Connexion
RECT=16;12;320;20
ONGLET=myTab;0
COULEUR=40;70;120;255
}
{
CONTROLE=SAISIE;myTextInputPseudo
LIBELLE=Pseudo
RECT=136;36;200;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputGroupe
LIBELLE=Groupe
RECT=136;60;200;20
ONGLET=myTab;0
}
{
CONTROLE=CASE;myButtonCheckGroupeUse
TEXTE=Mon groupe seulement
RECT=16;84;320;20
ONGLET=myTab;0
}
{
CONTROLE=COMBO;myComboBoxNiveau
LIBELLE=Niveaux
RECT=136;108;200;20
ONGLET=myTab;0
ELEMENTS=Tous les niveaux;Niveau 1;Niveau 2;Niveau 3;Niveau 4
}
{
CONTROLE=SAISIE;myTextInputPortUDP
LIBELLE=Port UDP
RECT=136;132;200;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputIPLan
LIBELLE=IP LAN
RECT=136;156;200;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputIPWan
LIBELLE=IP WAN
RECT=136;180;200;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonConnexionServeur
TEXTE=Connexion au serveur
RECT=16;204;320;28
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonRefreshList
TEXTE=Rafraîchir
RECT=16;236;320;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonDemandeTous
TEXTE=Demander à tous
RECT=16;260;320;20
ONGLET=myTab;0
}
{
CONTROLE=TEXTE;myTextStatus
TEXTE=hors ligne
RECT=16;284;320;20
ONGLET=myTab;0
}
{
CONTROLE=TEXTE;lblAideListes
TEXTE=Clic droit : demander / accepter une partie
RECT=16;308;320;20
ONGLET=myTab;0
}
{
CONTROLE=TEXTE;lblJoueurs
TEXTE=Joueurs en ligne
RECT=360;12;640;20
ONGLET=myTab;0
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListJoueursEnLigne
RECT=360;36;640;380
ONGLET=myTab;0
COL2=1;160
INFO=Joueurs en ligne
}
{
CONTROLE=TEXTE;lblDemandes
TEXTE=Demandes de partie reçues
RECT=360;424;640;20
ONGLET=myTab;0
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListDemandesDeJeu
RECT=360;448;640;300
ONGLET=myTab;0
COL2=1;160
INFO=Demandes de partie
}
{
CONTROLE=TEXTE;myTextGameMaster
RECT=16;12;600;22
ONGLET=myTab;1
}
{
CONTROLE=TEXTE;myTextNomJ1
TEXTE=Joueur 1
RECT=16;40;196;20
ONGLET=myTab;1
}
{
CONTROLE=IMAGE;myImagePerso1
RECT=16;64;92;100
ONGLET=myTab;1
INFO=Personnage 1
}
{
CONTROLE=IMAGE;myImagePerso2
RECT=116;64;92;100
ONGLET=myTab;1
INFO=Personnage 2
}
{
CONTROLE=TEXTE;myTextNomJ2
TEXTE=Joueur 2
RECT=232;40;196;20
ONGLET=myTab;1
}
{
CONTROLE=IMAGE;myImagePersoAdv1
RECT=232;64;92;100
ONGLET=myTab;1
INFO=Adversaire 1
}
{
CONTROLE=IMAGE;myImagePersoAdv2
RECT=332;64;92;100
ONGLET=myTab;1
INFO=Adversaire 2
}
{
CONTROLE=IMAGE;myImageNiv1
RECT=16;176;300;160
ONGLET=myTab;1
INFO=Niveau 1
}
{
CONTROLE=IMAGE;myImageNiv2
RECT=324;176;300;160
ONGLET=myTab;1
INFO=Niveau 2
}
{
CONTROLE=IMAGE;myImageNiv3
RECT=16;344;300;160
ONGLET=myTab;1
INFO=Niveau 3
}
{
CONTROLE=IMAGE;myImageNiv4
RECT=324;344;300;160
ONGLET=myTab;1
INFO=Niveau 4
}
{
CONTROLE=ONGLETS;myPanelAnchorOptions
RECT=16;520;608;150
ONGLET=myTab;1
ELEMENTS=ZmyPanelAnchorOptions:Options de la partie
}
{
CONTROLE=CASE;myButtonCheckModeCapture
TEXTE=Mode capture
RECT=28;548;180;20
ONGLET=myTab;1
GROUPE=mode
}
{
CONTROLE=CASE;myButtonCheckModeMort
TEXTE=Mode mort
RECT=28;572;180;20
ONGLET=myTab;1
GROUPE=mode
}
{
CONTROLE=CASE;myButtonCheckClone1
TEXTE=1 clone
RECT=220;548;110;20
ONGLET=myTab;1
GROUPE=clones
}
{
CONTROLE=CASE;myButtonCheckClone2
TEXTE=2 clones
RECT=340;548;110;20
ONGLET=myTab;1
GROUPE=clones
}
{
CONTROLE=CASE;myButtonCheckClone3
TEXTE=3 clones
RECT=220;572;110;20
ONGLET=myTab;1
GROUPE=clones
}
{
CONTROLE=CASE;myButtonCheckClone4
TEXTE=4 clones
RECT=340;572;110;20
ONGLET=myTab;1
GROUPE=clones
}
{
CONTROLE=CASE;myButtonCheckCouleurRouge
TEXTE=Rouge
RECT=480;548;130;20
ONGLET=myTab;1
GROUPE=couleur
}
{
CONTROLE=CASE;myButtonCheckCouleurBleue
TEXTE=Bleue
RECT=480;572;130;20
ONGLET=myTab;1
GROUPE=couleur
}
{
CONTROLE=SAISIE;myTextInputPing
LIBELLE=Ping
RECT=120;608;120;20
ONGLET=myTab;1
LECTURE_SEULE=1
}
{
CONTROLE=BOUTON;myButtonAnnulerJeu
TEXTE=Annuler la partie
RECT=640;12;360;28
ONGLET=myTab;1
}
{
CONTROLE=TEXTE;lblChat
TEXTE=Discussion
RECT=640;48;360;20
ONGLET=myTab;1
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListChat
RECT=640;72;360;560
ONGLET=myTab;1
INFO=Discussion
}
{
CONTROLE=CASE;myButtonCheckScrollListChatAuto
TEXTE=Défilement auto
RECT=640;638;360;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputMsgChat
LIBELLE=Message
RECT=720;664;280;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSendMsg
TEXTE=Envoyer
RECT=720;690;136;22
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonEffacerMsg
TEXTE=Effacer
RECT=864;690;136;22
ONGLET=myTab;1
}
