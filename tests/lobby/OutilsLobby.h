#pragma once
// The lobby tests' bench: an in-process server on a free loopback port with a ":memory:" base
// and a clock the test moves, lobbies laid out from their real model and driven frame by
// frame, free UDP ports, and a socket that plays a stranger.
#include "game/OutilsJeu.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXModeleDef.h"
#include "gui/CPLUXTest.h"
#include "gui/ModelesOutils.h"
#include "lobby/ClientHttpLobby.h"
#include "lobby/JeuDialogInternet.h"
#include "lobby/serveur/ServeurLobby.h"
#include "lobby/serveur/StockJoueursSQLite.h"

#include <SFML/Network/UdpSocket.hpp>
#include <gtest/gtest.h>

#include <atomic>
#include <functional>
#include <initializer_list>
#include <memory>
#include <string>

struct ServeurEssai {
    // Every client of a test speaks from 127.0.0.1: the limits per address are the defaults
    // unless a test needs more players there.
    explicit ServeurEssai(const std::string& base = ":memory:", size_t max = 10000, size_t parAdresse = 8,
                          int parMinute = 60, const std::function<void(ConfigServeurLobby&)>& regler = {})
        : stock(base, max)
    {
        std::string erreur;
        EXPECT_TRUE(stock.ouvrir(erreur)) << erreur;
        ConfigServeurLobby c;
        c.port = 0;
        c.maxJoueurs = max;
        c.joueursParAdresse = parAdresse;
        c.ajoutsParMinute = parMinute;
        if (regler)
            regler(c);
        serveur = std::make_unique<CServeurLobby>(c, stock, [this] { return maintenant.load(); });
        port = serveur->demarrer(erreur);
        EXPECT_GT(port, 0) << erreur;
    }
    std::string url() const { return "http://127.0.0.1:" + std::to_string(port); }

    std::atomic<int64_t> maintenant{1000};
    CStockJoueursSQLite stock;
    std::unique_ptr<CServeurLobby> serveur;
    int port = 0;
};

// A UDP port free at this moment.
inline int portUdpLibre()
{
    sf::UdpSocket s;
    s.bind(sf::Socket::AnyPort, sf::IpAddress::LocalHost);
    return s.getLocalPort();
}

// One lobby as the game has it: its model applied, registered, created and shown.
struct Lobby {
    Lobby(const std::string& id, const std::string& url, int port, const std::wstring& pseudo)
        : d(std::make_unique<CJeuDialogInternet>())
    {
        d->setId(id);
        CPLUX::pModeleDef->appliquerFichier(d.get(), dossierModeles() + "JeuDialogInternet.mod");
        CPLUX::addDialog(nullptr, d.get(), nullptr, 0);
        d->show();
        d->configurerServeur(url, "/duelix");
        saisir("myTextInputPortUDP", std::to_string(port));
        saisir("myTextInputPseudo", pseudo);
    }
    CPLUXControl* ctrl(const std::string& id) const { return d->getControl(id); }
    CPLUXControlList* liste(const std::string& id) const { return d->ctrlList(id); }
    void saisir(const std::string& id, const std::string& t) { ctrl(id)->setText(t); }
    void saisir(const std::string& id, const std::wstring& t) { ctrl(id)->setText(t); }
    std::string texte(const std::string& id) const { return ctrl(id)->getText(); }
    void presser(const std::string& id) { d->onPressLeft(nullptr, 0, 0, ctrl(id)); }
    // Right press in the middle of a line of a list, scrolled into view, whatever line is
    // selected.
    void droit(const std::string& id, int ligne)
    {
        CPLUXControlList* l = liste(id);
        if (ligne < l->getScrollPosition() || ligne >= l->getScrollPosition() + l->lignesVisibles())
            l->setScrollPosition(ligne);
        const float h = l->hauteurLigne();
        const int y = l->getTopScreen() + 1 + static_cast<int>(h * (float(ligne - l->getScrollPosition()) + 0.5f));
        d->onPressRight(nullptr, l->getLeftScreen() + 10, y, ctrl(id));
    }
    // One frame, once every request queued so far has its answer.
    void image()
    {
        EXPECT_TRUE(d->attendreReseau(8000)) << "the worker answers within its deadlines";
        d->onFrame();
    }
    bool coche(const std::string& id) const { return d->ctrlButtonCheck(id)->isChecked(); }
    // Connects and applies the answers (the list too).
    void connecter()
    {
        presser("myButtonConnexionServeur");
        for (int i = 0; i < 3; ++i)
            image();
    }
    std::unique_ptr<CJeuDialogInternet> d;
};

// Frames of several lobbies in turn.
inline void images(std::initializer_list<Lobby*> lobbies, int n)
{
    for (int i = 0; i < n; ++i)
        for (Lobby* l : lobbies)
            l->image();
}

// Each lobby test in its own working folder with the library emptied.
class LobbyTest : public ::testing::Test {
protected:
    void SetUp() override { CPLUXTest::reset(); }
    void TearDown() override { CPLUXTest::reset(); }
    DossierDeTravail dossier;
};
