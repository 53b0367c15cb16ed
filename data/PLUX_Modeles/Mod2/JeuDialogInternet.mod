# Modèle de dialogue "JeuDialogInternet"
# Une clé par ligne, valeurs séparées par ";" ; un bloc { } par contrôle,
# dans l'ordre de dessin et de tabulation. Positions dans le dialogue, barre de titre comprise.

DIALOGUE=JeuDialogInternet
TITRE=Jeu en réseau
RECT=0;0;1280;720
OPTIONS=PLEIN_ECRAN;SANS_TITRE
{
CONTROLE=ONGLETS;myTab
RECT=4;4;1272;712
ELEMENTS=ZmyTabConnexion:Connexion;ZmyTabPartie:Partie
ANCRES=1;1;1;1
}
{
CONTROLE=TEXTE;lblConnexion
TEXTE=Connexion
RECT=16;34;320;20
ONGLET=myTab;0
COULEUR=40;70;120;255
}
{
CONTROLE=SAISIE;myTextInputPseudo
LIBELLE=Pseudo
RECT=136;58;200;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputGroupe
LIBELLE=Groupe
RECT=136;82;200;20
ONGLET=myTab;0
}
{
CONTROLE=CASE;myButtonCheckGroupeUse
TEXTE=Mon groupe seulement
RECT=16;106;320;20
ONGLET=myTab;0
}
{
CONTROLE=COMBO;myComboBoxNiveau
LIBELLE=Niveaux
RECT=136;130;200;20
ONGLET=myTab;0
ELEMENTS=Tous les niveaux;Niveau 1;Niveau 2;Niveau 3;Niveau 4
}
{
CONTROLE=SAISIE;myTextInputPortUDP
LIBELLE=Port UDP
RECT=136;154;200;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputIPLan
LIBELLE=IP LAN
RECT=136;178;200;20
ONGLET=myTab;0
}
{
CONTROLE=SAISIE;myTextInputIPWan
LIBELLE=IP WAN
RECT=136;202;200;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonConnexionServeur
TEXTE=Connexion au serveur
RECT=16;226;320;28
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonRefreshList
TEXTE=Rafraîchir
RECT=16;258;320;20
ONGLET=myTab;0
}
{
CONTROLE=BOUTON;myButtonDemandeTous
TEXTE=Demander à tous
RECT=16;282;320;20
ONGLET=myTab;0
}
{
CONTROLE=TEXTE;myTextStatus
TEXTE=hors ligne
RECT=16;306;320;52
ONGLET=myTab;0
}
{
CONTROLE=TEXTE;lblAideListes
TEXTE=Clic droit : demander / accepter une partie
RECT=16;362;320;20
ONGLET=myTab;0
}
{
CONTROLE=TEXTE;lblJoueurs
TEXTE=Joueurs en ligne
RECT=360;34;900;20
ONGLET=myTab;0
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListJoueursEnLigne
RECT=360;58;900;400
ONGLET=myTab;0
COL2=1;100
INFO=Joueurs en ligne
}
{
CONTROLE=TEXTE;lblDemandes
TEXTE=Demandes de partie reçues
RECT=360;466;900;20
ONGLET=myTab;0
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListDemandesDeJeu
RECT=360;490;900;210
ONGLET=myTab;0
COL2=1;100
INFO=Demandes de partie
}
{
CONTROLE=TEXTE;myTextGameMaster
RECT=16;34;600;22
ONGLET=myTab;1
}
{
CONTROLE=TEXTE;myTextNomJ1
TEXTE=Joueur 1
RECT=16;62;196;20
ONGLET=myTab;1
}
{
CONTROLE=IMAGE;myImagePerso1
RECT=16;86;92;100
ONGLET=myTab;1
INFO=Personnage 1
}
{
CONTROLE=IMAGE;myImagePerso2
RECT=116;86;92;100
ONGLET=myTab;1
INFO=Personnage 2
}
{
CONTROLE=TEXTE;myTextNomJ2
TEXTE=Joueur 2
RECT=232;62;196;20
ONGLET=myTab;1
}
{
CONTROLE=IMAGE;myImagePersoAdv1
RECT=232;86;92;100
ONGLET=myTab;1
INFO=Adversaire 1
}
{
CONTROLE=IMAGE;myImagePersoAdv2
RECT=332;86;92;100
ONGLET=myTab;1
INFO=Adversaire 2
}
{
CONTROLE=IMAGE;myImageNiv1
RECT=16;198;300;160
ONGLET=myTab;1
INFO=Niveau 1
}
{
CONTROLE=IMAGE;myImageNiv2
RECT=324;198;300;160
ONGLET=myTab;1
INFO=Niveau 2
}
{
CONTROLE=IMAGE;myImageNiv3
RECT=16;366;300;160
ONGLET=myTab;1
INFO=Niveau 3
}
{
CONTROLE=IMAGE;myImageNiv4
RECT=324;366;300;160
ONGLET=myTab;1
INFO=Niveau 4
}
{
CONTROLE=ONGLETS;myPanelAnchorOptions
RECT=16;542;608;150
ONGLET=myTab;1
ELEMENTS=ZmyPanelAnchorOptions:Options de la partie
}
{
CONTROLE=CASE;myButtonCheckModeCapture
TEXTE=Mode capture
RECT=28;570;180;20
ONGLET=myTab;1
GROUPE=mode
}
{
CONTROLE=CASE;myButtonCheckModeMort
TEXTE=Mode mort
RECT=28;594;180;20
ONGLET=myTab;1
GROUPE=mode
}
{
CONTROLE=CASE;myButtonCheckClone1
TEXTE=1 clone
RECT=220;570;110;20
ONGLET=myTab;1
GROUPE=clones
}
{
CONTROLE=CASE;myButtonCheckClone2
TEXTE=2 clones
RECT=340;570;110;20
ONGLET=myTab;1
GROUPE=clones
}
{
CONTROLE=CASE;myButtonCheckClone3
TEXTE=3 clones
RECT=220;594;110;20
ONGLET=myTab;1
GROUPE=clones
}
{
CONTROLE=CASE;myButtonCheckClone4
TEXTE=4 clones
RECT=340;594;110;20
ONGLET=myTab;1
GROUPE=clones
}
{
CONTROLE=CASE;myButtonCheckCouleurRouge
TEXTE=Rouge
RECT=480;570;130;20
ONGLET=myTab;1
GROUPE=couleur
}
{
CONTROLE=CASE;myButtonCheckCouleurBleue
TEXTE=Bleue
RECT=480;594;130;20
ONGLET=myTab;1
GROUPE=couleur
}
{
CONTROLE=SAISIE;myTextInputPing
LIBELLE=Ping
RECT=120;630;120;20
ONGLET=myTab;1
LECTURE_SEULE=1
}
{
CONTROLE=TEXTE;lblSansPartie
TEXTE=Aucune partie ne démarre en réseau : le salon sert à discuter et à convenir des options.
RECT=28;660;584;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonAnnulerJeu
TEXTE=Annuler la partie
RECT=640;34;620;28
ONGLET=myTab;1
}
{
CONTROLE=TEXTE;lblChat
TEXTE=Discussion
RECT=640;70;620;20
ONGLET=myTab;1
COULEUR=40;70;120;255
}
{
CONTROLE=LISTE;myListChat
RECT=640;94;620;516
ONGLET=myTab;1
INFO=Discussion
}
{
CONTROLE=CASE;myButtonCheckScrollListChatAuto
TEXTE=Défilement auto
RECT=640;618;620;20
ONGLET=myTab;1
}
{
CONTROLE=SAISIE;myTextInputMsgChat
LIBELLE=Message
RECT=720;644;540;20
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonSendMsg
TEXTE=Envoyer
RECT=720;670;136;22
ONGLET=myTab;1
}
{
CONTROLE=BOUTON;myButtonEffacerMsg
TEXTE=Effacer
RECT=864;670;136;22
ONGLET=myTab;1
}
