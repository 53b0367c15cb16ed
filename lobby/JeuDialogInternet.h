#pragma once
// The online lobby: registers the player on the lobby server, lists the players waiting,
// measures their delay, exchanges game requests peer to peer over UDP and, once two players
// are paired, the chat and the options of their game. Server requests run on a worker
// (CReseauLobby) and their answers are applied by onFrame; the socket is drained each frame.
#include "gui/CPLUXDialog.h"
#include "lobby/JoueurEnLigne.h"
#include "lobby/ProtocoleLobby.h"

#include <SFML/Network/IpAddress.hpp>
#include <SFML/Network/Packet.hpp>
#include <SFML/Network/UdpSocket.hpp>
#include <SFML/System/Clock.hpp>

#include <cstdint>
#include <deque>
#include <functional>
#include <memory>
#include <string>
#include <vector>

class CReseauLobby;
class CClientHttpLobby;
class CTUVFile;

class CJeuDialogInternet : public CPLUXDialog {
public:
    CJeuDialogInternet();
    // Stops the worker (the request under way is cancelled) and sends nothing.
    ~CJeuDialogInternet() override;

    // State ------------------------------------------------------------------------------
    int compteurPing = 100;
    int numJoueurPing = 0;
    std::string strUrlServeur = "http://127.0.0.1:8080";
    std::string strCheminService = "/duelix";
    int portUDP = 8000;
    sf::IpAddress ipLan;
    sf::IpAddress ipWan;
    std::wstring strPseudo = L"Joueur";
    std::string strGroupe;
    bool bGroupeUse = true;
    int numNiveau = 0;
    bool bEnJeu = false;
    std::string strStatus = "hors ligne";
    bool bConnecte = false;
    bool bScrollChatAuto = true;
    std::vector<JoueurEnLigne> listeJoueurs;
    std::vector<JoueurEnLigne> demandesEnvoyees;
    std::vector<JoueurEnLigne> demandesRecues;
    JoueurEnLigne adversaire;
    sf::UdpSocket socketUDP;
    int modeLobby = 0;
    int compteurFrame = 0;
    bool bMaitre = true;
    sf::Color couleurMaitre = sf::Color(50, 200, 50, 200);
    sf::Color couleurAutre = sf::Color(200, 50, 50, 200);
    std::wstring strMessage;
    int numPerso = 0;
    int numCouleur = 0;
    int numImageNiveau = 0;
    int modeJeu = 0;
    int nbClones = 1;
    int numPersoAdv = 0;
    int numCouleurAdv = 0;
    int numImageNiveauAdv = 0;
    int modeJeuAdv = 0;
    int nbClonesAdv = 1;
    int nbEchecsReception = 0;

    bool isDemandeEnvoyee(const std::string& ipwan, const std::string& iplan, int port) const;
    int indexDemandeEnvoyee(const std::string& ipwan, const std::string& iplan, int port) const;
    int indexJoueurListe(const std::string& ipwan, const std::string& iplan, int port) const;
    int indexDemandeRecue(const std::string& ipwan, const std::string& iplan, int port) const;
    void initOptions();
    // The server of "SERVEUR_LOBBY": false, and the address kept, when either part is invalid.
    bool configurerServeur(const std::string& url, const std::string& chemin);
    // The values of the line "SERVEUR_LOBBY=<base address>[;<service path>]" that the file has
    // just read, handed to the lobby "JeuDialogInternet"; a value that does not pass keeps the
    // default, and the console says why.
    static void lireCleServeur(CTUVFile& fichier);

    // Server requests ------------------------------------------------------------------------
    void connexionServeur(std::string url, std::string chemin);
    void editJoueur(std::string url, std::string chemin);
    void deconnexion(std::string url, std::string chemin);
    void refreshListeJoueurs(std::string url, std::string chemin);
    // The public address, into ipWan and "myTextInputIPWan" when the answer comes.
    void getIpWan(std::string url, std::string chemin);
    // Sends a delay probe; its answer is shown on the line of that player, or in
    // "myTextInputPing" for the partner.
    void ping(const std::string& adresse, int port);
    void pingJoueurs(int index);
    void onKeyPress(const sf::Event::KeyEvent& k) override;
    void onJoystickBtnBRelease(int pad) override;

    // Peer-to-peer packets -----------------------------------------------------------------
    void sendDemandeJeu(int index);
    void receiveDemandes();
    void traiteDemandeJeu(JoueurEnLigne r);
    void accepteDemandeJeu(JoueurEnLigne r, bool envoyer);
    void sendOptions();
    void receiveOptions();
    void addMsgChat();

    // Screen and events ------------------------------------------------------------------------
    void onCreate() override;
    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    bool onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    void onCtrlInputEnterPress(CPLUXControlTextInput* c) override;
    void onCtrlComboChange(CPLUXControlComboBox* c) override;
    void onCtrlCheckChange(CPLUXControlButtonCheck* c) override;
    void onHide() override;
    void onClose() override;
    void onJoystickBtnARelease(int pad) override;
    void draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy) override;
    void onFrame() override;

    // Hands each "J" line of a list answer that passes every check to `chaque`, in order, at
    // most 10,000 lines read; the rest is dropped.
    static void lireListe(const std::string& corps, const std::function<void(lobby::FicheJoueur&)>& chaque);

    // For tests and the status line -----------------------------------------------------------
    // Waits, at most that long, until every queued server request has its answer; the next
    // onFrame applies them.
    bool attendreReseau(int millisecondes);
    bool connexionEnCours() const { return bConnexionEnCours; }
    // The UDP port bound at connection (0 when none).
    int portLie() const { return portLie_; }

private:
    struct Datagramme {
        std::vector<char> octets;
        uint32_t ip = 0;
        unsigned short port = 0;
    };
    struct Sonde {
        uint32_t ip;
        unsigned short port;
        uint32_t sequence;
        sf::Time envoi;
    };

    // Why a typed name or group is refused (shown on the status line); empty when it passes.
    static std::string refusPseudo(const std::wstring& pseudo);
    static std::string refusGroupe(const std::string& groupe);

    // Server side.
    CReseauLobby& reseau();
    void poster(std::function<void(CClientHttpLobby&)> travail, std::function<void()> suite);
    bool lireChampsSaisis(std::wstring& pseudo, std::string& groupe, int& port);
    void appliquerConnexion(int statut, const std::string& ipwan);
    void appliquerListe(int statut, const std::string& corps);
    void ajouterLigneJoueur(const JoueurEnLigne& j);
    std::string corpsJoueur(bool avecEtat, const std::wstring& pseudo, const std::string& groupe) const;
    // A name or group typed in `champ` and accepted by the game: kept once the server takes it
    // (at once when offline); refused, the one the server lists stays, in that field too.
    enum class Champ { PSEUDO, GROUPE };
    void changerPseudoGroupe(const std::wstring& pseudo, const std::string& groupe, Champ champ);
    void appliquerChangement(int statut, const std::wstring& pseudo, const std::string& groupe, Champ champ);
    void montrerStatut(const std::string& s);
    // A refusal on the status line, until the next answer read or name taken says otherwise.
    void montrerRefus(const std::string& s);

    // Packets.
    JoueurEnLigne ficheSoi(int code) const;
    bool estSoi(const JoueurEnLigne& j) const;
    bool estAdversaire(const JoueurEnLigne& j) const;
    void envoyerPaquet(sf::Packet& p, const std::string& ipwan, int port);
    void envoyerDemande(const JoueurEnLigne& a, int code);
    bool lireDemande(const Datagramme& d, JoueurEnLigne& r) const;
    void garderDemandeLue(const JoueurEnLigne& r);
    bool deAdversaire(const Datagramme& d) const;
    bool lireOptions(const Datagramme& d);
    void afficherOptionsRecues();
    void ajouterLigneChat(const std::wstring& texte, sf::Color couleur);
    void lireSocket();
    void traiterSonde(const Datagramme& d);
    void ecrireDelai(uint32_t ip, unsigned short port, int millisecondes);
    void delier();

    // Screen.
    void envoyerMessageSaisi();
    void colorerLigneJoueur(int ligne, sf::Color c);
    static int frames(int a30fps);

    std::unique_ptr<CReseauLobby> reseau_;
    // Answers of requests made before the last disconnection are dropped.
    unsigned generation_ = 0;
    bool bConnexionEnCours = false;
    bool bRafraichissementEnCours = false;
    bool statutRefus_ = false;
    // Registered on the server, under this address and port.
    bool bEnregistre = false;
    std::string ipLanLiee_;
    int portLie_ = 0;
    sf::Clock horlogeMaintien_;

    sf::Clock horloge_;
    // Read each frame, handled every few: the partner's datagrams while paired, and before
    // that the game requests that passed their checks, one per player.
    std::deque<Datagramme> file_;
    std::deque<JoueurEnLigne> demandesLues_;
    std::vector<Sonde> sondes_;
    uint32_t sequenceSonde_ = 0;
    sf::Time debutSecondeReponses_;
    int reponsesSeconde_ = 0;
};
