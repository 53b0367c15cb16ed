// A lobby under a third party's datagrams, and names that would disguise themselves.
#include "OutilsLobby.h"

#include <SFML/Network/Packet.hpp>

#include <set>

namespace {

const std::string LOCAL = "127.0.0.1";

sf::Packet demande(const std::wstring& pseudo, const std::string& iplan, sf::Int32 port, sf::Int32 code)
{
    sf::Packet p;
    p << pseudo << LOCAL << iplan << port << code;
    return p;
}

} // namespace

TEST_F(LobbyTest, AThirdPartysFloodBoundsTheRequestsAndLeavesThePartnerIntact)
{
    ServeurEssai srv;
    Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), L"A");
    Lobby b("JeuDialogInternetB", srv.url(), portUdpLibre(), L"B");
    a.connecter();
    b.connecter();
    sf::UdpSocket tiers;
    ASSERT_EQ(tiers.bind(sf::Socket::AnyPort, sf::IpAddress::LocalHost), sf::Socket::Done);
    const auto versA = [&](sf::UdpSocket& s, sf::Packet p) {
        s.send(p, sf::IpAddress::LocalHost, static_cast<unsigned short>(a.d->portLie()));
    };
    // 100 datagrams a frame: 50 new players a frame, each twice, all naming the sender's machine.
    for (int image = 0; image < 8; ++image) {
        for (int k = 0; k < 100; ++k)
            versA(tiers, demande(L"T", "10.0." + std::to_string(image) + "." + std::to_string(1 + k % 50),
                                 tiers.getLocalPort(), 0));
        a.image();
    }
    ASSERT_EQ(a.d->demandesRecues.size(), 32u) << "at most 32 requests wait";
    EXPECT_EQ(a.liste("myListDemandesDeJeu")->getNbElements(), 32);
    std::set<std::string> joueurs;
    for (const JoueurEnLigne& d : a.d->demandesRecues)
        joueurs.insert(d.iplan);
    EXPECT_EQ(joueurs.size(), 32u) << "one request per player";
    EXPECT_NE(CPLUX::getConsoleText(4).find(L"la plus ancienne est retirée"), std::wstring::npos)
        << "the console says requests were dropped";

    // B asks; A accepts; B, the master, then sends its options and a line of chat under the flood.
    b.droit("myListJoueursEnLigne", b.d->indexJoueurListe(LOCAL, a.d->ipLan.toString(), a.d->portLie()));
    images({&a}, 4);
    a.droit("myListDemandesDeJeu", a.d->indexDemandeRecue(LOCAL, b.d->ipLan.toString(), b.d->portLie()));
    images({&b}, 4);
    ASSERT_TRUE(a.d->modeLobby == 1 && b.d->modeLobby == 1 && b.d->bMaitre);
    b.d->ctrlButtonCheck("myButtonCheckClone3")->setCheck(true);
    b.d->onCtrlCheckChange(b.d->ctrlButtonCheck("myButtonCheckClone3"));
    b.saisir("myTextInputMsgChat", std::string("bonjour"));
    b.presser("myButtonSendMsg");
    for (int image = 0; image < 12; ++image) {
        sf::Packet faux;
        faux << std::wstring(L"faux") << sf::Int32(4) << sf::Int32(3) << sf::Int32(1) << sf::Int32(1) << sf::Int32(1);
        for (int k = 0; k < 100; ++k)
            versA(tiers, faux);
        images({&b, &a}, 1);
    }
    EXPECT_EQ(a.d->nbClones, 3) << "the partner's options";
    ASSERT_EQ(a.liste("myListChat")->getNbElements(), 1) << "the partner's line only";
    EXPECT_EQ(a.liste("myListChat")->getText(0), "bonjour");
    EXPECT_EQ(a.d->nbEchecsReception, 0) << "the partner was heard through the flood";
}

TEST_F(LobbyTest, ANameWithAHiddenOrStackedCharacterIsRefusedAndTheStatusSaysWhich)
{
    ServeurEssai srv;
    Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), L"admin\u202Enimda");
    a.connecter();
    EXPECT_EQ(a.texte("myTextStatus"), "Pseudo refusé : caractère invisible ou de mise en forme (U+202E)");
    EXPECT_FALSE(a.d->bConnecte);
    a.saisir("myTextInputPseudo", L"a" + std::wstring(31, L'\u0301'));
    a.connecter();
    EXPECT_EQ(a.texte("myTextStatus"), "Pseudo refusé : plus de 4 accents sur une lettre (U+0301)");
    a.saisir("myTextInputPseudo", std::wstring(L"A"));
    a.saisir("myTextInputGroupe", std::string("\xE2\x80\x8B"));
    a.connecter();
    EXPECT_EQ(a.texte("myTextStatus"), "Groupe refusé : caractère invisible ou de mise en forme (U+200B)");
    CClientHttpLobby client;
    EXPECT_EQ(client.get(srv.url(), "/duelix/sendlistjoueurs.php").corps, "") << "nothing reached the server";
}
