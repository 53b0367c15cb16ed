// Lobbies on loopback, driven frame by frame: connection, lists, delays, requests, pairing,
// options and chat, the watch on a silent partner, and every refusal. Names are shell
// metacharacters throughout: nothing may run, nothing may be written.
#include "OutilsLobby.h"

#include "core/Globals.h"
#include "core/Services.h"
#include "core/TuvFile.h"
#include "game/Jeu.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXMessageBox.h"
#include "menus/JeuMenus.h"
#include "support/FaceTest.h"
#include "support/PiloteJeu.h"

#include <SFML/Network/Packet.hpp>
#include <SFML/Network/TcpListener.hpp>

#include <filesystem>
#include <regex>

namespace {

const std::string LOCAL = "127.0.0.1";

int ligneDe(const Lobby& l, const Lobby& autre)
{
    return l.d->indexJoueurListe(LOCAL, autre.d->ipLan.toString(), autre.d->portLie());
}

sf::Color couleurLigne(const Lobby& l, const std::string& liste, int ligne)
{
    return l.liste(liste)->getColor(ligne);
}

// Every text of every open message box.
std::string textesBoites()
{
    std::string r;
    for (const CPLUXMessageBox* b : CPLUX::getMessageBoxes())
        for (const CPLUXControl* c : b->getControls())
            r += c->getText() + "\n";
    return r;
}

std::vector<std::string> fichiersDuDossier()
{
    std::vector<std::string> r;
    for (const auto& e : std::filesystem::directory_iterator("."))
        r.push_back(e.path().filename().string());
    return r;
}

// A game-request packet as a peer writes it.
sf::Packet demande(const std::wstring& pseudo, const std::string& ipwan, const std::string& iplan, sf::Int32 port,
                   sf::Int32 code)
{
    sf::Packet p;
    p << pseudo << ipwan << iplan << port << code;
    return p;
}

// The frames, of n of the lobby, after which the socket held one of its delay probes; without
// a lobby, only empties the socket.
std::vector<int> sondesRecues(sf::UdpSocket& s, Lobby* l, int n = 0)
{
    s.setBlocking(false);
    std::vector<int> r;
    for (int i = 0; i <= n; ++i) {
        if (l && i > 0)
            l->image();
        bool sonde = false;
        char octets[2048];
        std::size_t recus = 0;
        sf::IpAddress ip;
        unsigned short port = 0;
        while (s.receive(octets, sizeof octets, recus, ip, port) == sf::Socket::Done) {
            lobby::GenreSonde genre;
            uint32_t sequence = 0;
            sonde |= lobby::lireSonde(octets, recus, genre, sequence) && genre == lobby::GenreSonde::QUESTION;
        }
        if (sonde && i > 0)
            r.push_back(i);
    }
    return r;
}

sf::Packet options(const std::wstring& msg, sf::Int32 clones, sf::Int32 image, sf::Int32 couleur, sf::Int32 perso,
                   sf::Int32 mode)
{
    sf::Packet p;
    p << msg << clones << image << couleur << perso << mode;
    return p;
}

} // namespace

TEST_F(LobbyTest, PlayersAreLookedUpByAddressAndOptionsReset)
{
    CJeuDialogInternet d;
    d.listeJoueurs = {{L"a", "10.0.0.12", "192.168.0.1", 8000, 0}, {L"b", "10.0.0.1", "192.168.0.1", 8000, 0},
                      {L"autre nom", "10.0.0.1", "192.168.0.1", 8000, 1}};
    EXPECT_EQ(d.indexJoueurListe("10.0.0.1", "192.168.0.1", 8000), 1) << "10.0.0.12 does not match 10.0.0.1";
    EXPECT_EQ(d.indexJoueurListe("10.0.0.1", "192.168.0.1", 8001), -1);
    d.demandesEnvoyees = {d.listeJoueurs[2]};
    EXPECT_TRUE(d.isDemandeEnvoyee("10.0.0.1", "192.168.0.1", 8000)) << "the name plays no part";
    EXPECT_EQ(d.indexDemandeRecue("10.0.0.1", "192.168.0.1", 8000), -1);

    EXPECT_TRUE(d.portUDP == 8000 && d.strPseudo == L"Joueur" && d.strStatus == "hors ligne")
        << "a fresh lobby: port 8000, named Joueur, offline";
    d.nbClones = 3, d.numPerso = d.numCouleur = d.numImageNiveau = d.modeJeu = 1;
    d.initOptions();
    EXPECT_TRUE(d.nbClones == 1 && d.numPerso == 0 && d.numCouleur == 0 && d.numImageNiveau == 0 && d.modeJeu == 0)
        << "initOptions puts back one clone and the first of each choice";
}

namespace {

// Three connected players whose names are shell metacharacters, each listing the three with
// their delays; A and B may pair. Nothing may run and nothing may be written.
class Salon : public LobbyTest {
protected:
    void SetUp() override
    {
        LobbyTest::SetUp();
        srv = std::make_unique<ServeurEssai>();
        a = std::make_unique<Lobby>("JeuDialogInternet", srv->url(), portUdpLibre(), L"$(touch pwned)");
        b = std::make_unique<Lobby>("JeuDialogInternetB", srv->url(), portUdpLibre(), L"`touch pwned`");
        c = std::make_unique<Lobby>("JeuDialogInternetC", srv->url(), portUdpLibre(), L"| touch pwned");
        for (Lobby* l : tous()) {
            l->connecter();
            EXPECT_EQ(l->texte("myTextStatus"), "Connexion ok (200)");
            EXPECT_EQ(l->texte("myButtonConnexionServeur"), "Déconnexion");
        }
        for (Lobby* l : tous()) {
            sf::Event::KeyEvent f5{};
            f5.code = sf::Keyboard::F5;
            l->d->onKeyPress(f5);
        }
        images({a.get(), b.get(), c.get()}, 50);
    }
    void TearDown() override
    {
        EXPECT_TRUE(fichiersDuDossier().empty()) << "nothing written, nothing run in the working folder";
        c.reset();
        b.reset();
        a.reset();
        srv.reset();
        LobbyTest::TearDown();
    }
    std::vector<Lobby*> tous() { return {a.get(), b.get(), c.get()}; }
    // A asks B by a right click on B's line (its own line selected), B accepts, A takes the
    // acceptance.
    void apparier()
    {
        a->liste("myListJoueursEnLigne")->setNumSel(ligneDe(*a, *a));
        a->droit("myListJoueursEnLigne", ligneDe(*a, *b));
        images({b.get()}, 4);
        ASSERT_EQ(b->d->demandesRecues.size(), 1u);
        b->droit("myListDemandesDeJeu", 0);
        images({a.get()}, 4);
        ASSERT_EQ(a->d->modeLobby, 1);
    }
    void cocher(Lobby& l, const char* id)
    {
        l.d->ctrlButtonCheck(id)->setCheck(true);
        l.d->onCtrlCheckChange(l.d->ctrlButtonCheck(id));
    }
    std::unique_ptr<ServeurEssai> srv;
    std::unique_ptr<Lobby> a, b, c;
};

} // namespace

TEST_F(Salon, ConnectedPlayersListEachOtherWithTheirDelays)
{
    ASSERT_EQ(a->d->listeJoueurs.size(), 3u);
    const int ia = ligneDe(*a, *a), ib = ligneDe(*a, *b);
    ASSERT_TRUE(ia >= 0 && ib >= 0);
    EXPECT_EQ(a->liste("myListJoueursEnLigne")->getTextW(ia), L"$(touch pwned) (en attente d'un joueur)");
    EXPECT_EQ(couleurLigne(*a, "myListJoueursEnLigne", ia), sf::Color(255, 0, 0)) << "own line red";
    EXPECT_EQ(couleurLigne(*a, "myListJoueursEnLigne", ib), sf::Color(0, 0, 200)) << "a waiting player blue";
    const std::regex delai(R"(\(\d+ ms\))");
    EXPECT_TRUE(std::regex_match(a->liste("myListJoueursEnLigne")->getTextCol2(ib), delai))
        << "A measured B: [" << a->liste("myListJoueursEnLigne")->getTextCol2(ib) << "]";
    EXPECT_TRUE(std::regex_match(b->liste("myListJoueursEnLigne")->getTextCol2(ligneDe(*b, *a)), delai));
}

TEST_F(Salon, TheAskerBecomesTheMasterAndTheOthersHearThePairIsInAGame)
{
    const int ib = ligneDe(*a, *b);
    a->droit("myListJoueursEnLigne", ib);
    EXPECT_EQ(couleurLigne(*a, "myListJoueursEnLigne", ib), sf::Color(0, 200, 0));
    a->droit("myListJoueursEnLigne", ib);
    EXPECT_EQ(a->d->demandesEnvoyees.size(), 1u) << "asked once";
    images({b.get()}, 4);
    ASSERT_EQ(b->d->demandesRecues.size(), 1u);
    EXPECT_EQ(b->liste("myListDemandesDeJeu")->getTextW(0),
              L"$(touch pwned) veut jouer avec vous (clic droit pour accepter)");
    // A player that B does not list asks B too.
    sf::UdpSocket inconnu;
    ASSERT_EQ(inconnu.bind(sf::Socket::AnyPort, sf::IpAddress::LocalHost), sf::Socket::Done);
    inconnu.setBlocking(false);
    sf::Packet p = demande(L"X", LOCAL, LOCAL, inconnu.getLocalPort(), 0);
    inconnu.send(p, sf::IpAddress::LocalHost, static_cast<unsigned short>(b->d->portLie()));
    images({b.get()}, 4);
    ASSERT_EQ(b->d->demandesRecues.size(), 2u);

    // B accepts A: the side that asked is the master.
    b->droit("myListDemandesDeJeu", 0);
    EXPECT_EQ(b->d->modeLobby, 1);
    EXPECT_FALSE(b->d->bMaitre);
    EXPECT_EQ(b->ctrl("myTextGameMaster")->getTextW(), L"$(touch pwned) est le maître du jeu !");
    sf::Packet avis;
    sf::IpAddress ip;
    unsigned short port = 0;
    ASSERT_EQ(inconnu.receive(avis, ip, port), sf::Socket::Done) << "the player who had asked hears it too";
    std::wstring pseudo;
    std::string ipwan, iplan;
    sf::Int32 portB = 0, code = -1;
    avis >> pseudo >> ipwan >> iplan >> portB >> code;
    EXPECT_TRUE(pseudo == L"`touch pwned`" && code == 1) << "B is in a game";
    images({a.get()}, 4);
    ASSERT_EQ(a->d->modeLobby, 1) << "A took B's acceptance";
    EXPECT_TRUE(a->d->bMaitre);
    EXPECT_EQ(a->ctrl("myTextGameMaster")->getTextW(), L"Vous êtes le maître du jeu !");
    for (Lobby* l : {a.get(), b.get()}) {
        EXPECT_EQ(l->d->ctrlTab("myTab")->getNumTabElemActif(), 1);
        EXPECT_EQ(l->liste("myListDemandesDeJeu")->getNbElements(), 0);
        EXPECT_EQ(l->liste("myListChat")->getNbElements(), 0);
        EXPECT_TRUE(l->d->bEnJeu);
    }
    // Each side's own line says it is in a game, and stays red, also once the list is read again.
    EXPECT_EQ(a->liste("myListJoueursEnLigne")->getTextW(ligneDe(*a, *a)), L"$(touch pwned) (en jeu)");
    EXPECT_EQ(couleurLigne(*b, "myListJoueursEnLigne", ligneDe(*b, *b)), sf::Color(255, 0, 0));
    a->presser("myButtonRefreshList");
    a->image();
    EXPECT_EQ(a->liste("myListJoueursEnLigne")->getTextW(ligneDe(*a, *a)), L"$(touch pwned) (en jeu)");
    EXPECT_EQ(couleurLigne(*a, "myListJoueursEnLigne", ligneDe(*a, *a)), sf::Color(255, 0, 0));
    images({c.get()}, 8);
    for (const Lobby* l : {a.get(), b.get()}) {
        const int j = ligneDe(*c, *l);
        EXPECT_EQ(c->d->listeJoueurs[size_t(j)].etat, 1) << "C heard that both are in a game";
        EXPECT_EQ(couleurLigne(*c, "myListJoueursEnLigne", j), sf::Color(100, 100, 100));
    }
}

TEST_F(Salon, OnlyTheMasterSetsTheOptionsAndTheOtherSideFollows)
{
    apparier();
    cocher(*a, "myButtonCheckCouleurBleue");
    cocher(*a, "myButtonCheckClone3");
    a->presser("myImageNiv3");
    b->presser("myImageNiv4");
    EXPECT_EQ(b->d->numImageNiveau, 0) << "the other side's level pictures choose nothing";
    b->presser("myImagePerso2");
    cocher(*b, "myButtonCheckModeMort");
    EXPECT_EQ(b->d->modeJeu, 0) << "only the master sets the options";
    images({a.get(), b.get()}, 8);
    EXPECT_EQ(b->d->numCouleur, 1);
    EXPECT_EQ(b->d->nbClones, 3);
    EXPECT_EQ(b->d->numImageNiveau, 2);
    EXPECT_EQ(b->d->numPerso, 1) << "each side chooses its own character";
    EXPECT_EQ(a->d->numPersoAdv, 1);
    EXPECT_TRUE(b->coche("myButtonCheckCouleurRouge") && b->coche("myButtonCheckClone3"))
        << "colour 1 checks Rouge on the other side";
    cocher(*a, "myButtonCheckCouleurRouge");
    images({a.get(), b.get()}, 8);
    EXPECT_TRUE(b->coche("myButtonCheckCouleurBleue")) << "colour 0 checks Bleue on the other side";
}

TEST_F(Salon, ChatLinesCrossInTheirAuthorsColour)
{
    apparier();
    a->saisir("myTextInputMsgChat", std::string("> pwned"));
    a->presser("myButtonSendMsg");
    EXPECT_EQ(a->texte("myTextInputMsgChat"), "");
    images({a.get(), b.get()}, 8);
    ASSERT_EQ(b->liste("myListChat")->getNbElements(), 1);
    EXPECT_EQ(b->liste("myListChat")->getText(0), "> pwned");
    EXPECT_EQ(couleurLigne(*b, "myListChat", 0), b->d->couleurMaitre) << "the master's line in its colour";
    b->saisir("myTextInputMsgChat", std::wstring(250, L'z'));
    b->d->onCtrlInputEnterPress(b->d->ctrlTextInput("myTextInputMsgChat"));
    images({a.get(), b.get()}, 8);
    ASSERT_EQ(a->liste("myListChat")->getNbElements(), 2);
    EXPECT_EQ(a->liste("myListChat")->getTextW(1), std::wstring(200, L'z')) << "cut to 200 characters";
    EXPECT_EQ(couleurLigne(*a, "myListChat", 1), a->d->couleurAutre);
}

TEST_F(Salon, APairMeasuresItsDelayAndRefusesOtherRequests)
{
    apparier();
    images({a.get(), b.get()}, 100);
    EXPECT_TRUE(std::regex_match(a->texte("myTextInputPing"), std::regex(R"(\d+ ms)"))) << a->texte("myTextInputPing");
    const size_t envoyees = a->d->demandesEnvoyees.size();
    a->droit("myListJoueursEnLigne", ligneDe(*a, *c));
    EXPECT_EQ(a->d->demandesEnvoyees.size(), envoyees) << "right presses while paired do nothing";
}

TEST_F(Salon, ASilentPartnerIsReportedOnceAndTheGameCanBeCancelledWithOrWithoutTheServer)
{
    apparier();
    images({a.get(), b.get()}, 8);
    // B goes: A reports it once, at the 21st empty poll.
    b->presser("myButtonConnexionServeur");
    EXPECT_FALSE(b->d->bConnecte);
    EXPECT_EQ(b->d->modeLobby, 1) << "disconnection leaves the pairing";
    images({a.get()}, 8);  // what B sent before it went
    a->d->nbEchecsReception = 0;
    a->d->compteurFrame = 1;
    for (int poll = 1; poll <= 30; ++poll) {
        images({a.get()}, 4);
        EXPECT_EQ(CPLUX::getMessageBoxes().size(), poll >= 21 ? 1u : 0u) << "after poll " << poll;
    }
    ASSERT_EQ(CPLUX::getMessageBoxes().size(), 1u);
    EXPECT_NE(textesBoites().find("`touch pwned` n'est pas connecté !"), std::string::npos) << textesBoites();

    // "myButtonAnnulerJeu": back to connected.
    a->presser("myButtonAnnulerJeu");
    images({a.get()}, 3);
    EXPECT_TRUE(a->d->bConnecte && a->d->modeLobby == 0 && !a->d->bEnJeu);
    EXPECT_EQ(a->d->ctrlTab("myTab")->getNumTabElemActif(), 0);

    // With the server gone, a list that could not be read says so, and B, still paired while
    // offline, goes back to the lobby's screen all the same.
    srv.reset();
    c->presser("myButtonRefreshList");
    c->image();
    EXPECT_EQ(c->texte("myTextStatus"), "Liste des joueurs non lue (code erreur=1001)");
    EXPECT_EQ(c->liste("myListJoueursEnLigne")->getNbElements(), 0);
    b->presser("myButtonAnnulerJeu");
    b->image();
    EXPECT_EQ(b->texte("myTextStatus"), "Erreur de connexion (code erreur=1001)");
    EXPECT_TRUE(b->d->modeLobby == 0 && !b->d->bEnJeu) << "no outline left over the connection panel";
    EXPECT_EQ(b->d->ctrlTab("myTab")->getNumTabElemActif(), 0);
}

TEST_F(LobbyTest, ListsKeepTheGroupAndLevelAndColourEachLine)
{
    ServeurEssai srv;
    const struct {
        const char* pseudo;
        const char* groupe;
        int niveau, etat, port;
    } joueurs[] = {{"amis0", "amis", 0, 0, 1}, {"Amis", "Amis", 0, 0, 2}, {"sans", "", 0, 0, 3},
                   {"amis3", "amis", 3, 1, 4}, {"amis3b", "amis", 3, 0, 5}};
    for (const auto& j : joueurs)
        srv.stock.enregistrer({0, j.pseudo, j.groupe, j.niveau, j.etat, "203.0.113.9", "10.0.0.1", j.port}, srv.maintenant);
    Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), L"moi");
    a.saisir("myTextInputGroupe", std::string("amis"));
    a.connecter();
    const struct {
        bool groupe;
        int niveau;
        size_t lignes;
    } cas[] = {{true, 0, 4}, {true, 3, 2}, {false, 0, 1}, {false, 3, 0}};
    for (const auto& c : cas) {
        a.d->ctrlButtonCheck("myButtonCheckGroupeUse")->setCheck(c.groupe);
        a.d->onCtrlCheckChange(a.d->ctrlButtonCheck("myButtonCheckGroupeUse"));
        a.image();
        a.d->ctrlComboBox("myComboBoxNiveau")->setNumSel(c.niveau);
        a.d->onCtrlComboChange(a.d->ctrlComboBox("myComboBoxNiveau"));
        a.image();
        EXPECT_EQ(a.d->listeJoueurs.size(), c.lignes) << "group " << c.groupe << " level " << c.niveau;
        EXPECT_EQ(a.liste("myListJoueursEnLigne")->getNbElements(), int(c.lignes));
    }
    a.d->ctrlButtonCheck("myButtonCheckGroupeUse")->setCheck(true);
    a.d->onCtrlCheckChange(a.d->ctrlButtonCheck("myButtonCheckGroupeUse"));
    a.d->ctrlComboBox("myComboBoxNiveau")->setNumSel(0);
    a.d->onCtrlComboChange(a.d->ctrlComboBox("myComboBoxNiveau"));
    a.image();
    // amis0 asked (green), amis3 in a game (grey), amis3b waiting (blue), own line red.
    a.droit("myListJoueursEnLigne", a.d->indexJoueurListe("203.0.113.9", "10.0.0.1", 1));
    a.presser("myButtonRefreshList");
    a.image();
    const std::pair<int, sf::Color> couleurs[] = {{1, sf::Color(0, 200, 0)}, {4, sf::Color(100, 100, 100)},
                                                  {5, sf::Color(0, 0, 200)}};
    for (const auto& [port, couleur] : couleurs) {
        const int j = a.d->indexJoueurListe("203.0.113.9", "10.0.0.1", port);
        ASSERT_GE(j, 0);
        EXPECT_EQ(couleurLigne(a, "myListJoueursEnLigne", j), couleur) << "port " << port;
    }
    EXPECT_EQ(couleurLigne(a, "myListJoueursEnLigne", ligneDe(a, a)),
              sf::Color(255, 0, 0));
    a.droit("myListJoueursEnLigne", a.d->indexJoueurListe("203.0.113.9", "10.0.0.1", 4));
    EXPECT_EQ(a.d->demandesEnvoyees.size(), 1u) << "no request to a player in a game";

    // "Demander à tous" asks every waiting player listed, then reads the list again.
    srv.stock.enregistrer({0, "amis6", "amis", 0, 0, "203.0.113.9", "10.0.0.1", 6}, srv.maintenant);
    a.presser("myButtonDemandeTous");
    a.image();
    EXPECT_EQ(a.d->demandesEnvoyees.size(), 2u) << "amis3b asked; amis0 was, amis3 plays, amis6 was not listed";
    ASSERT_EQ(a.d->listeJoueurs.size(), 5u) << "the list read again holds amis6";
    EXPECT_EQ(couleurLigne(a, "myListJoueursEnLigne", a.d->indexJoueurListe("203.0.113.9", "10.0.0.1", 5)),
              sf::Color(0, 200, 0));
}

TEST_F(LobbyTest, RefusedConnectionsSaySoAndSendNothing)
{
    ServeurEssai srv;
    sf::UdpSocket occupe;
    ASSERT_EQ(occupe.bind(sf::Socket::AnyPort), sf::Socket::Done);
    const std::string pseudoRefuse =
        "Pseudo refusé : 1 à 32 caractères dont un visible, sans « ; » ni caractère de contrôle";
    const struct {
        std::wstring pseudo;
        std::string port, url, statut;
    } cas[] = {
        {L"a;b", "", "", pseudoRefuse},
        {L"", "", "", pseudoRefuse},
        {L"\u00A0 ", "", "", pseudoRefuse},
        {std::wstring(33, L'n'), "", "", pseudoRefuse},
        {L"ok", "0", "", "Port UDP invalide (1 à 65535)"},
        {L"ok", "70000", "", "Port UDP invalide (1 à 65535)"},
        {L"ok", "80a", "", "Port UDP invalide (1 à 65535)"},
        {L"ok", std::to_string(occupe.getLocalPort()), "",
         "Port UDP " + std::to_string(occupe.getLocalPort()) + " indisponible"},
        {L"ok", "", "http://h/x", "Adresse du serveur invalide (SERVEUR_LOBBY de jeu.ini)"},
    };
    for (const auto& c : cas) {
        CPLUXTest::reset();
        Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), c.pseudo);
        if (!c.port.empty())
            a.saisir("myTextInputPortUDP", c.port);
        if (!c.url.empty())
            a.d->strUrlServeur = c.url;
        a.connecter();
        EXPECT_EQ(a.texte("myTextStatus"), c.statut);
        EXPECT_FALSE(a.d->bConnecte || a.d->connexionEnCours());
    }
    Lobby g("JeuDialogInternet", srv.url(), portUdpLibre(), L"ok");
    g.saisir("myTextInputGroupe", std::string("  "));
    g.connecter();
    EXPECT_EQ(g.texte("myTextStatus"),
              "Groupe refusé : vide, ou 1 à 32 caractères dont un visible, sans « ; » ni caractère de contrôle");
    CClientHttpLobby client;
    EXPECT_EQ(client.get(srv.url(), "/duelix/sendlistjoueurs.php").corps, "") << "nothing reached the server";
}

// A name (or group) typed and Return, F5 with the field still holding the keyboard: the status
// says what the server did with it, the field and the list show the one it keeps, and the next
// success (a name taken, a list read) clears a refusal. Two adds or edits a minute.
TEST_F(LobbyTest, TheStatusSaysWhatTheServerDidWithANameAndTheNextSuccessClearsARefusal)
{
    ServeurEssai srv(":memory:", 10000, 8, 2);
    Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), L"Arthur");
    a.connecter();
    const std::string ok = "Connexion ok (200)";
    // Typed then Return (none: F5) after seconds on the server's clock; the status; the name kept
    // in the field and the list; the field, the name's unless given.
    const struct { const wchar_t* tape; int secondes; std::string statut; const wchar_t* garde;
                   const char* champ = "myTextInputPseudo"; } etapes[] = {
        {L"Lancelot", 0, ok, L"Lancelot"},
        {L"Galaad", 0, "Pseudo non changé (code erreur=429), « Lancelot » gardé", L"Lancelot"},
        {nullptr, 0, ok, L"Lancelot"},
        {L"Lancelot", 0, "Pseudo non changé (code erreur=429), « Lancelot » gardé", L"Lancelot"},
        {L"amis", 0, "Groupe non changé (code erreur=429), toujours sans groupe", L"", "myTextInputGroupe"},
        {L" 　 ", 0, "Pseudo refusé : 1 à 32 caractères dont un visible, sans « ; » ni caractère de contrôle",
         nullptr},
        {L"Galaad", 61, ok, L"Galaad"},
    };
    for (const auto& e : etapes) {
        srv.maintenant += e.secondes;
        if (e.tape)
            a.saisir(e.champ, std::wstring(e.tape));
        CPLUX::setKeyboardFocus(a.ctrl(e.champ));
        CPLUXTest::key(e.tape ? sf::Keyboard::Return : sf::Keyboard::F5);
        images({&a}, 2);
        const std::string quoi = e.tape ? tuv::wstrToUtf8(e.tape) : "F5";
        EXPECT_EQ(a.texte("myTextStatus"), e.statut) << quoi;
        if (!e.garde)
            continue;
        EXPECT_EQ(a.ctrl(e.champ)->getTextW(), e.garde) << quoi;
        const bool nom = std::string(e.champ) == "myTextInputPseudo";
        EXPECT_TRUE(a.d->listeJoueurs.size() == 1 && (!nom || a.d->listeJoueurs[0].pseudo == e.garde)) << quoi;
    }
}

TEST_F(LobbyTest, AnUnreachableServerNeverHoldsTheFrame)
{
    sf::TcpListener muet;  // accepts connections into its backlog, never answers
    ASSERT_EQ(muet.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost), sf::Socket::Done);
    Lobby a("JeuDialogInternet", "http://127.0.0.1:" + std::to_string(muet.getLocalPort()), portUdpLibre(), L"ok");
    a.presser("myButtonConnexionServeur");
    a.d->onFrame();
    EXPECT_EQ(a.texte("myTextStatus"), "Connexion en cours…") << "the frame ran while the request hangs";
    a.presser("myButtonConnexionServeur");
    EXPECT_TRUE(a.d->connexionEnCours()) << "the button waits for the answer";
    a.image();
    EXPECT_EQ(a.texte("myTextStatus"), "Erreur de connexion (code erreur=1001)");
    EXPECT_FALSE(a.d->bConnecte);

    sf::TcpListener ferme;
    ferme.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
    const std::string url = "http://127.0.0.1:" + std::to_string(ferme.getLocalPort());
    ferme.close();
    a.d->strUrlServeur = url;
    a.connecter();
    EXPECT_EQ(a.texte("myTextStatus"), "Erreur de connexion (code erreur=1001)");
    sf::Event::KeyEvent f5{};
    f5.code = sf::Keyboard::F5;
    a.d->onKeyPress(f5);
    EXPECT_TRUE(a.d->attendreReseau(0)) << "F5 offline queues nothing";
}

TEST_F(LobbyTest, HostileDatagramsChangeNothing)
{
    ServeurEssai srv;
    Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), L"A");
    Lobby b("JeuDialogInternetB", srv.url(), portUdpLibre(), L"B");
    a.connecter();
    b.connecter();
    sf::UdpSocket tiers, autrePort;
    ASSERT_EQ(tiers.bind(sf::Socket::AnyPort, sf::IpAddress(127, 0, 0, 2)), sf::Socket::Done);
    ASSERT_EQ(autrePort.bind(sf::Socket::AnyPort, sf::IpAddress::LocalHost), sf::Socket::Done);
    const sf::Int32 pb = b.d->portLie();
    const auto envoyer = [&](sf::UdpSocket& s, const void* d, size_t n) {
        s.send(d, n, sf::IpAddress::LocalHost, static_cast<unsigned short>(a.d->portLie()));
    };
    const auto paquet = [&](sf::UdpSocket& s, sf::Packet p) { envoyer(s, p.getData(), p.getDataSize()); };
    const std::string gros(1100, 'x');
    const auto sonde = lobby::encoderSonde(lobby::GenreSonde::REPONSE, 7);
    const struct {
        const char* quoi;
        std::function<void()> envoi;
    } demandes[] = {
        {"from a third address", [&] { paquet(tiers, demande(L"B", LOCAL, LOCAL, pb, 0)); }},
        {"truncated", [&] {
             sf::Packet p = demande(L"B", LOCAL, LOCAL, pb, 0);
             envoyer(autrePort, p.getData(), p.getDataSize() - 2);
         }},
        {"trailing bytes", [&] {
             sf::Packet p = demande(L"B", LOCAL, LOCAL, pb, 0);
             p << sf::Int32(1);
             paquet(autrePort, p);
         }},
        {"over 1 KB", [&] { envoyer(autrePort, gros.data(), gros.size()); }},
        {"port 0", [&] { paquet(autrePort, demande(L"B", LOCAL, LOCAL, 0, 0)); }},
        {"port 70000", [&] { paquet(autrePort, demande(L"B", LOCAL, LOCAL, 70000, 0)); }},
        {"port -1", [&] { paquet(autrePort, demande(L"B", LOCAL, LOCAL, -1, 0)); }},
        {"code 3", [&] { paquet(autrePort, demande(L"B", LOCAL, LOCAL, pb, 3)); }},
        {"code -1", [&] { paquet(autrePort, demande(L"B", LOCAL, LOCAL, pb, -1)); }},
        {"empty name", [&] { paquet(autrePort, demande(L"", LOCAL, LOCAL, pb, 0)); }},
        {"name with ;", [&] { paquet(autrePort, demande(L"a;b", LOCAL, LOCAL, pb, 0)); }},
        {"host name", [&] { paquet(autrePort, demande(L"B", "host.example", LOCAL, pb, 0)); }},
        {"acceptance never asked", [&] { paquet(autrePort, demande(L"B", LOCAL, LOCAL, pb, 2)); }},
        {"probe of 11 bytes", [&] { envoyer(autrePort, sonde.data(), 11); }},
        {"probe never asked", [&] { envoyer(autrePort, sonde.data(), sonde.size()); }},
    };
    for (const auto& c : demandes) {
        c.envoi();
        images({&a}, 8);
        EXPECT_TRUE(a.d->demandesRecues.empty()) << c.quoi;
        EXPECT_EQ(a.d->modeLobby, 0) << c.quoi;
    }
    // A real request from B still counts after all that.
    paquet(autrePort, demande(L"B", LOCAL, LOCAL, pb, 0));
    images({&a}, 4);
    EXPECT_EQ(a.d->demandesRecues.size(), 1u) << "the same packet from its own machine counts";

    // Paired with B: options only from B's address and port, read in full, in range.
    a.droit("myListDemandesDeJeu", 0);
    ASSERT_EQ(a.d->modeLobby, 1);
    const struct {
        const char* quoi;
        std::function<void()> envoi;
    } opts[] = {
        {"from a third address", [&] { paquet(tiers, options(L"x", 2, 1, 1, 1, 1)); }},
        {"from B's address on another port", [&] { paquet(autrePort, options(L"x", 2, 1, 1, 1, 1)); }},
        {"clones 5", [&] { paquet(autrePort, options(L"x", 5, 1, 1, 1, 1)); }},
        {"a game request", [&] { paquet(autrePort, demande(L"B", LOCAL, LOCAL, pb, 1)); }},
    };
    sf::UdpSocket& socketB = b.d->socketUDP;
    const struct {
        const char* quoi;
        sf::Packet p;
    } deB[] = {
        {"clones 0", options(L"", 0, 1, 1, 1, 1)},
        {"level picture 4", options(L"", 2, 4, 1, 1, 1)},
        {"colour -1", options(L"", 2, 1, -1, 1, 1)},
        {"message of 201", options(std::wstring(201, L'm'), 2, 1, 1, 1, 1)},
        {"control character", options(L"a\nb", 2, 1, 1, 1, 1)},
        {"truncated", demande(L"B", LOCAL, LOCAL, pb, 1)},
    };
    const auto etat = [&] {
        return std::to_string(a.d->nbClonesAdv) + std::to_string(a.d->numImageNiveauAdv) +
               std::to_string(a.d->numCouleurAdv) + std::to_string(a.d->numPersoAdv) +
               std::to_string(a.liste("myListChat")->getNbElements());
    };
    const std::string avant = etat();
    a.d->compteurFrame = 1;  // a poll every fourth frame from now on
    for (const auto& c : opts) {
        const int echecs = a.d->nbEchecsReception;
        c.envoi();
        images({&a}, 4);
        EXPECT_EQ(etat(), avant) << c.quoi;
        EXPECT_EQ(a.d->nbEchecsReception, echecs + 1) << c.quoi << ": the watch sees an empty poll";
    }
    for (const auto& c : deB) {
        const int echecs = a.d->nbEchecsReception;
        sf::Packet p = c.p;
        socketB.send(p, sf::IpAddress::LocalHost, static_cast<unsigned short>(a.d->portLie()));
        images({&a}, 4);
        EXPECT_EQ(etat(), avant) << c.quoi;
        EXPECT_EQ(a.d->nbEchecsReception, echecs + 1) << c.quoi;
    }
    sf::Packet bon = options(L"salut", 2, 1, 1, 1, 1);
    socketB.send(bon, sf::IpAddress::LocalHost, static_cast<unsigned short>(a.d->portLie()));
    images({&a}, 4);
    EXPECT_EQ(a.d->nbEchecsReception, 0) << "a packet that counts resets the watch";
    EXPECT_EQ(a.liste("myListChat")->getTextW(0), L"salut");
}

TEST_F(LobbyTest, PollsFollowTheFrameRate)
{
    ServeurEssai srv;
    for (float coef : {1.0f, 0.5f}) {
        CPLUXTest::reset();
        g_services.framerateCoeff = [coef] { return coef; };
        Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), L"A");
        a.connecter();
        sf::UdpSocket pair;
        ASSERT_EQ(pair.bind(sf::Socket::AnyPort, sf::IpAddress::LocalHost), sf::Socket::Done);
        a.d->compteurFrame = 0;
        std::vector<int> recues;
        for (int n = 1; n <= 20; ++n) {
            // Twenty players behind one machine: a request each.
            const std::string iplan = "10.0.0." + std::to_string(n);
            sf::Packet p = demande(L"P" + std::to_wstring(n), LOCAL, iplan, pair.getLocalPort(), 0);
            pair.send(p, sf::IpAddress::LocalHost, static_cast<unsigned short>(a.d->portLie()));
            const size_t avant = a.d->demandesRecues.size();
            a.image();
            if (a.d->demandesRecues.size() > avant)
                recues.push_back(n);
        }
        const std::vector<int> attendu = coef == 1.0f ? std::vector<int>{5, 9, 13, 17} : std::vector<int>{9, 17};
        EXPECT_EQ(recues, attendu) << "coefficient " << coef;

        // Delay probes: a listed player every 15 frames (at 30 per second), the partner every 100.
        const JoueurEnLigne partenaire = {L"P", LOCAL, LOCAL, static_cast<int>(pair.getLocalPort()), 0};
        a.d->listeJoueurs = {partenaire};
        a.d->numJoueurPing = 0;
        a.d->compteurPing = 100;
        sondesRecues(pair, nullptr);
        const std::vector<int> liste = coef == 1.0f ? std::vector<int>{1, 16, 31, 46, 61} : std::vector<int>{1, 31, 61};
        EXPECT_EQ(sondesRecues(pair, &a, 61), liste) << "coefficient " << coef;
        // The partner from the pairing on: probed at once, then every 100 frames at 30 per second.
        a.d->accepteDemandeJeu(partenaire, false);
        sondesRecues(pair, nullptr);
        const std::vector<int> partenaireSondes = coef == 1.0f ? std::vector<int>{1, 101, 201} : std::vector<int>{1, 201};
        EXPECT_EQ(sondesRecues(pair, &a, 201), partenaireSondes) << "coefficient " << coef;
    }
    g_services.framerateCoeff = [] { return 1.0f; };
}

TEST_F(LobbyTest, GamepadAndFocusedControls)
{
    ServeurEssai srv;
    FaceTest face;
    std::unique_ptr<CJeuMenus> menus(face.pMenus = new CJeuMenus());
    std::filesystem::create_directories("menus");
    ecrireTexte("menus/fr_menu1.mnu", "LIGNE=0;0;1;;Autre;0;20;1;1;1\n");
    {
        Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), L"A");
        a.d->onJoystickBtnARelease(0);
        EXPECT_TRUE(a.d->attendreReseau(0) && !a.d->connexionEnCours()) << "button A without focus does nothing";
        CPLUX::pCtrlFocus = a.ctrl("myButtonConnexionServeur");
        a.d->onJoystickBtnARelease(0);
        EXPECT_TRUE(a.d->connexionEnCours()) << "button A presses the focused control";
        CPLUX::pCtrlFocus = nullptr;
        images({&a}, 3);
        ASSERT_TRUE(a.d->bConnecte);

        // B on panel 1: disconnect, connect again, back on panel 0.
        a.d->ctrlTab("myTab")->setNumTabElemActif(1);
        a.d->onJoystickBtnBRelease(0);
        images({&a}, 3);
        EXPECT_TRUE(a.d->bConnecte && a.d->isVisible());
        EXPECT_EQ(a.d->ctrlTab("myTab")->getNumTabElemActif(), 0);

        // B on panel 0: offline, hidden, main menu; the server forgot the player.
        a.d->onJoystickBtnBRelease(0);
        EXPECT_FALSE(a.d->bConnecte);
        EXPECT_FALSE(a.d->estAffiche());
        EXPECT_EQ(menus->idMenu, 1);
        EXPECT_TRUE(a.d->attendreReseau(5000));
        CClientHttpLobby client;
        EXPECT_EQ(client.get(srv.url(), "/duelix/sendlistjoueurs.php").corps, "");
    }
}

// Two games on one machine: the one whose window lost the focus still hears its peers.
TEST_F(LobbyTest, AGameWithoutTheFocusStillHearsItsPeers)
{
    ServeurEssai srv;
    PiloteJeu pilote;
    ASSERT_TRUE(pilote.demarrer());
    auto* lobby = dynamic_cast<CJeuDialogInternet*>(CPLUX::getDialog("JeuDialogInternet"));
    ASSERT_TRUE(lobby && lobby->configurerServeur(srv.url(), "/duelix"));
    lobby->getControl("myTextInputPortUDP")->setText(std::to_string(portUdpLibre()));
    lobby->show();
    lobby->onPressLeft(nullptr, 0, 0, lobby->getControl("myButtonConnexionServeur"));
    ASSERT_TRUE(pilote.attendre([&] { return lobby->attendreReseau(8000) && lobby->bConnecte; }, 5));
    pilote.source->file.push_back(sf::Event{sf::Event::LostFocus, {}});
    sf::UdpSocket pair;
    ASSERT_EQ(pair.bind(sf::Socket::AnyPort, sf::IpAddress::LocalHost), sf::Socket::Done);
    sf::Packet p = demande(L"Voisin", LOCAL, LOCAL, pair.getLocalPort(), 0);
    pair.send(p, sf::IpAddress::LocalHost, static_cast<unsigned short>(lobby->portLie()));
    EXPECT_TRUE(pilote.attendre([&] { return lobby->ctrlList("myListDemandesDeJeu")->getNbElements() == 1; }, 30));
    EXPECT_FALSE(pilote.jeu->bFocusJeu) << "heard without the focus";
}

TEST_F(LobbyTest, JeuIniNamesTheServerOrKeepsTheDefault)
{
    Lobby a("JeuDialogInternet", "http://127.0.0.1:8080", 8000, L"A");
    CTUVFile jeuIni;
    const struct {
        const char* ligne;
        const char* attendu;
    } cas[] = {
        {"SERVEUR_LOBBY=http://192.168.1.10:8081;/salon", "http://192.168.1.10:8081/salon"},
        {"SERVEUR_LOBBY=http://lobby.example.org", "http://lobby.example.org/duelix"},
        {"SERVEUR_LOBBY=https://h;/duelix", "http://lobby.example.org/duelix"},
        {"SERVEUR_LOBBY=http://h:0;/duelix", "http://lobby.example.org/duelix"},
        {"SERVEUR_LOBBY=http://h;duelix", "http://lobby.example.org/duelix"},
        {"SERVEUR_LOBBY=http://h$(touch pwned);/duelix", "http://lobby.example.org/duelix"},
    };
    for (const auto& c : cas) {
        jeuIni.openTexte(std::string(c.ligne) + "\n");
        ASSERT_EQ(jeuIni.getKey(), "SERVEUR_LOBBY");
        CJeuDialogInternet::lireCleServeur(jeuIni);
        EXPECT_EQ(a.d->strUrlServeur + a.d->strCheminService, c.attendu) << c.ligne;
    }
    EXPECT_TRUE(fichiersDuDossier().empty());
}
