// The lobby drawn at 1280 x 720 in each of its states, into the folder named by
// TUV_CAPTURES_LOBBY when it is set (for a look by eye), else into the test's own folder;
// and the outlines of the chosen pictures, drawn only while paired.
#include "OutilsLobby.h"

#include "gui/CPLUXMessageBox.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Network/TcpListener.hpp>

#include <cstdlib>
#include <filesystem>

namespace {

namespace fs = std::filesystem;

// The lobby's pictures, from the game's data.
void copierImages()
{
    const char* data = std::getenv("TUV_DATA_DIR");
    if (!data)
        return;
    for (const char* d : {"personnages/vignettes", "niveaux/niveau1000", "niveaux/niveau1001", "niveaux/niveau1002",
                          "niveaux/niveau1003"}) {
        fs::create_directories(d);
        std::error_code ec;
        fs::copy(fs::path(data) / d, d, fs::copy_options::recursive | fs::copy_options::overwrite_existing, ec);
    }
}

class CapturesLobby : public LobbyTest {
protected:
    void SetUp() override
    {
        LobbyTest::SetUp();
        copierImages();
        const char* d = std::getenv("TUV_CAPTURES_LOBBY");
        dossierCaptures = d ? d : "captures";
        fs::create_directories(dossierCaptures);
        fenetre.create(sf::VideoMode(1280, 720), "lobby", sf::Style::None);
    }
    sf::Image dessiner(Lobby& l, const std::string& nom)
    {
        fenetre.clear(sf::Color(90, 96, 104));
        l.d->draw(&fenetre, 0, 0, 0, 0);
        for (CPLUXMessageBox* b : CPLUX::getMessageBoxes()) {
            b->centrer(fenetre.getSize(), 0);
            b->draw(&fenetre, 0, 0, 0, 0);
        }
        EXPECT_TRUE(CPLUXTest::screenshot(&fenetre, dossierCaptures + "/" + nom + ".png")) << nom;
        sf::Texture t;
        t.create(1280, 720);
        t.update(fenetre);
        return t.copyToImage();
    }
    std::string dossierCaptures;
    sf::RenderWindow fenetre;
};

bool cadreRouge(const sf::Image& img, const CPLUXControl* c)
{
    // Just outside the picture's top left corner, where the 4-pixel outline lies.
    const sf::Color p = img.getPixel(unsigned(c->getLeftScreen() - 2), unsigned(c->getTopScreen() + 20));
    return p.r > 150 && p.g < 60 && p.b < 60;
}

} // namespace

TEST_F(CapturesLobby, EveryStateDrawnAtTheWindowSize)
{
    ServeurEssai srv;
    const struct {
        const char* pseudo;
        int etat, port;
    } autres[] = {{"Zorglub", 0, 9001}, {"Mélusine", 1, 9002}, {"Kadoc", 0, 9003}, {"Perceval", 0, 9004}};
    for (const auto& j : autres)
        srv.stock.enregistrer({0, j.pseudo, "", 0, j.etat, "203.0.113.8", "192.168.1.8", j.port}, srv.maintenant);
    Lobby a("JeuDialogInternet", srv.url(), portUdpLibre(), L"Arthur");
    Lobby b("JeuDialogInternetB", srv.url(), portUdpLibre(), L"Guenièvre");
    for (Lobby* l : {&a, &b}) {
        l->d->ctrlButtonCheck("myButtonCheckGroupeUse")->setCheck(false);
        l->d->onCtrlCheckChange(l->d->ctrlButtonCheck("myButtonCheckGroupeUse"));
    }
    const sf::Image horsLigne = dessiner(a, "1-hors-ligne");
    EXPECT_FALSE(cadreRouge(horsLigne, a.ctrl("myImagePerso1")));

    a.presser("myButtonConnexionServeur");
    a.d->onFrame();
    dessiner(a, "2-connexion-en-cours");
    images({&a}, 3);
    b.connecter();
    a.presser("myButtonRefreshList");
    images({&a, &b}, 100);
    a.droit("myListJoueursEnLigne", a.d->indexJoueurListe("203.0.113.8", "192.168.1.8", 9001));
    ASSERT_EQ(a.d->listeJoueurs.size(), 6u);
    dessiner(a, "3-connecte-six-joueurs");
    a.droit("myListJoueursEnLigne", a.d->indexJoueurListe("127.0.0.1", b.d->ipLan.toString(), b.d->portLie()));
    images({&a, &b}, 4);
    dessiner(b, "4-demande-recue");
    b.droit("myListDemandesDeJeu", 0);
    images({&a, &b}, 4);
    ASSERT_EQ(a.d->modeLobby, 1);
    a.saisir("myTextInputMsgChat", std::string("Bonjour, on joue au niveau 3 ?"));
    a.presser("myButtonSendMsg");
    a.presser("myImageNiv3");
    images({&a, &b}, 8);
    b.saisir("myTextInputMsgChat", std::string("D'accord, je prends le second personnage."));
    b.presser("myButtonSendMsg");
    b.presser("myImagePerso2");
    images({&a, &b}, 110);
    const sf::Image maitre = dessiner(a, "5-maitre-du-jeu");
    EXPECT_TRUE(cadreRouge(maitre, a.ctrl("myImagePerso1"))) << "own character outlined";
    EXPECT_TRUE(cadreRouge(maitre, a.ctrl("myImagePersoAdv2"))) << "the partner's choice outlined";
    EXPECT_TRUE(cadreRouge(maitre, a.ctrl("myImageNiv3"))) << "the level outlined in the master's red";
    dessiner(b, "6-autre-cote");
    b.presser("myButtonConnexionServeur");
    images({&a}, 100);
    dessiner(a, "9-partenaire-absent");
    srv.serveur.reset();
    a.presser("myButtonAnnulerJeu");
    images({&a}, 1);
    EXPECT_FALSE(cadreRouge(dessiner(a, "10-partie-annulee-sans-serveur"), a.ctrl("myImagePerso1")));

    Lobby r("JeuDialogInternetR", srv.url(), portUdpLibre(), L"a;b");
    r.connecter();
    dessiner(r, "7-pseudo-refuse");
    sf::TcpListener ferme;  // a port that was free a moment ago: nobody listens there
    ferme.listen(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
    const unsigned short port = ferme.getLocalPort();
    ferme.close();
    Lobby m("JeuDialogInternetM", "http://127.0.0.1:" + std::to_string(port), portUdpLibre(), L"m");
    m.connecter();
    dessiner(m, "8-serveur-injoignable");
}
