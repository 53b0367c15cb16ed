// The lobby's peer-to-peer packets: game requests, pairing, options and chat, and the delay
// probes. Every datagram is checked before it counts: its size, every field, and where it
// came from. Addresses are parsed as dotted IPv4 and never resolved.
#include "lobby/JeuDialogInternet.h"

#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "lobby/ProtocoleLobby.h"

#include <algorithm>

namespace {

const sf::Color ROUGE(255, 0, 0, 255);
const sf::Color GRIS(100, 100, 100, 255);
const sf::Color VERT(0, 200, 0, 255);
const sf::Color BLEU(0, 0, 200, 255);

constexpr size_t DATAGRAMME_MAX = 1024;
// More than the socket's buffer holds: each frame empties it, however fast others send.
constexpr int LECTURES_PAR_IMAGE = 1024;
constexpr size_t FILE_MAX = 16;
// Requests waiting for an answer, one per player.
constexpr size_t DEMANDES_MAX = 32;
constexpr int LIGNE_CONSOLE = 4;
constexpr int REPONSES_PAR_SECONDE = 30;
const sf::Time DELAI_SONDE = sf::seconds(1);

std::string ipTexte(uint32_t ip) { return lobby::texteIpv4(ip); }

// The chat's own rule: at most 200 characters, no control character.
bool messageValide(const std::wstring& m)
{
    std::u32string p;
    for (wchar_t c : m)
        p += static_cast<char32_t>(c);
    return lobby::texteValide(p, 0, lobby::MESSAGE_CHAT_MAX, false);
}

} // namespace

JoueurEnLigne CJeuDialogInternet::ficheSoi(int code) const
{
    return {strPseudo, ipWan.toString(), ipLan.toString(), portUDP, code};
}

bool CJeuDialogInternet::estSoi(const JoueurEnLigne& j) const
{
    return j.ipwan == ipWan.toString() && j.iplan == ipLan.toString() && j.port == portUDP;
}

bool CJeuDialogInternet::estAdversaire(const JoueurEnLigne& j) const
{
    return j.ipwan == adversaire.ipwan && j.iplan == adversaire.iplan && j.port == adversaire.port;
}

void CJeuDialogInternet::envoyerPaquet(sf::Packet& p, const std::string& ipwan, int port)
{
    uint32_t ip = 0;
    if (!bConnecte || !lobby::lireIpv4(ipwan, ip) || port < 1 || port > 65535)
        return;
    socketUDP.send(p, sf::IpAddress(ip), static_cast<unsigned short>(port));
}

void CJeuDialogInternet::envoyerDemande(const JoueurEnLigne& a, int code)
{
    const JoueurEnLigne soi = ficheSoi(code);
    sf::Packet p;
    p << soi.pseudo << soi.ipwan << soi.iplan << static_cast<sf::Int32>(soi.port) << static_cast<sf::Int32>(soi.etat);
    envoyerPaquet(p, a.ipwan, a.port);
}

void CJeuDialogInternet::colorerLigneJoueur(int ligne, sf::Color c)
{
    if (CPLUXControlList* l = ctrlList("myListJoueursEnLigne"))
        l->setColor(c, ligne);
}

void CJeuDialogInternet::sendDemandeJeu(int index)
{
    if (index < 0 || index >= static_cast<int>(listeJoueurs.size()))
        return;
    const JoueurEnLigne l = listeJoueurs[static_cast<size_t>(index)];
    if (estSoi(l) || isDemandeEnvoyee(l.ipwan, l.iplan, l.port) || l.etat != 0)
        return;
    envoyerDemande(l, 0);
    demandesEnvoyees.push_back(l);
    colorerLigneJoueur(index, VERT);
}

bool CJeuDialogInternet::lireDemande(const Datagramme& d, JoueurEnLigne& r) const
{
    sf::Packet p;
    p.append(d.octets.data(), d.octets.size());
    sf::Int32 port = 0, code = 0;
    if (!(p >> r.pseudo >> r.ipwan >> r.iplan >> port >> code) || !p.endOfPacket())
        return false;
    if (!lobby::pseudoValide(r.pseudo) || !lobby::estIpv4(r.ipwan) || !lobby::estIpv4(r.iplan) || port < 1 ||
        port > 65535 || code < 0 || code > 2)
        return false;
    // A record speaks for the machine it came from, or for nobody.
    const std::string source = ipTexte(d.ip);
    if (source != r.ipwan && source != r.iplan)
        return false;
    r.port = port;
    r.etat = code;
    // An acceptance pairs only with a request this side sent, and only while unpaired.
    if (r.etat == 2 && (modeLobby != 0 || indexDemandeEnvoyee(r.ipwan, r.iplan, r.port) < 0))
        r.etat = 1;
    return true;
}

void CJeuDialogInternet::garderDemandeLue(const JoueurEnLigne& r)
{
    // A player's newest packet stands for it; many players at once keep the newest.
    for (JoueurEnLigne& l : demandesLues_)
        if (l.ipwan == r.ipwan && l.iplan == r.iplan && l.port == r.port) {
            l = r;
            return;
        }
    if (demandesLues_.size() >= DEMANDES_MAX)
        demandesLues_.pop_front();
    demandesLues_.push_back(r);
}

void CJeuDialogInternet::receiveDemandes()
{
    // A pairing ends the lobby: what came after it is not for this screen.
    while (!demandesLues_.empty() && modeLobby == 0) {
        const JoueurEnLigne r = std::move(demandesLues_.front());
        demandesLues_.pop_front();
        traiteDemandeJeu(r);
    }
    demandesLues_.clear();
}

void CJeuDialogInternet::traiteDemandeJeu(JoueurEnLigne r)
{
    if (r.etat <= 0) {
        CPLUXControlList* l = ctrlList("myListDemandesDeJeu");
        const std::wstring ligne = r.pseudo + L" veut jouer avec vous (clic droit pour accepter)";
        const int deja = indexDemandeRecue(r.ipwan, r.iplan, r.port);
        if (deja >= 0) {
            demandesRecues[static_cast<size_t>(deja)] = r;
            if (l)
                l->editElement(ligne, deja);
            return;
        }
        if (demandesRecues.size() >= DEMANDES_MAX) {
            CPLUX::setConsoleText(L"Salon : " + std::to_wstring(DEMANDES_MAX) +
                                      L" demandes de jeu au plus, la plus ancienne est retirée (" +
                                      demandesRecues.front().pseudo + L")",
                                  LIGNE_CONSOLE);
            demandesRecues.erase(demandesRecues.begin());
            if (l)
                l->delLine(0);
        }
        demandesRecues.push_back(r);
        if (l)
            l->AddElement(ligne);
        return;
    }
    const int recue = indexDemandeRecue(r.ipwan, r.iplan, r.port);
    if (recue >= 0) {
        demandesRecues.erase(demandesRecues.begin() + recue);
        if (CPLUXControlList* l = ctrlList("myListDemandesDeJeu"))
            l->delLine(recue);
    }
    const int j = indexJoueurListe(r.ipwan, r.iplan, r.port);
    if (j >= 0) {
        listeJoueurs[static_cast<size_t>(j)].etat = 1;
        if (CPLUXControlList* l = ctrlList("myListJoueursEnLigne")) {
            l->editElement(r.pseudo + L" (en jeu)", j);
            l->setColor(GRIS, j);
        }
    }
    const int envoyee = indexDemandeEnvoyee(r.ipwan, r.iplan, r.port);
    if (envoyee >= 0)
        demandesEnvoyees.erase(demandesEnvoyees.begin() + envoyee);
    if (r.etat == 2) {
        accepteDemandeJeu(r, false);
        bMaitre = true;
        if (CPLUXControlTab* t = ctrlTab("myPanelAnchorOptions"))
            t->setColorPanel(0, couleurMaitre);
        if (CPLUXControl* c = getControl("myTextGameMaster"))
            c->setText(L"Vous êtes le maître du jeu !");
    }
}

void CJeuDialogInternet::accepteDemandeJeu(JoueurEnLigne r, bool envoyer)
{
    adversaire = r;
    if (envoyer) {
        envoyerDemande(adversaire, 2);
        adversaire.etat = 1;
        traiteDemandeJeu(adversaire);
        bMaitre = false;
        if (CPLUXControlTab* t = ctrlTab("myPanelAnchorOptions"))
            t->setColorPanel(0, couleurAutre);
        if (CPLUXControl* c = getControl("myTextGameMaster"))
            c->setText(adversaire.pseudo + L" est le maître du jeu !");
    }
    bEnJeu = true;
    editJoueur(strUrlServeur, strCheminService);
    const JoueurEnLigne soi = ficheSoi(1);
    const int j = indexJoueurListe(soi.ipwan, soi.iplan, soi.port);
    if (j >= 0) {
        listeJoueurs[static_cast<size_t>(j)].etat = 1;
        if (CPLUXControlList* l = ctrlList("myListJoueursEnLigne")) {
            l->editElement(strPseudo + L" (en jeu)", j);
            l->setColor(ROUGE, j);
        }
    }
    for (size_t i = 0; i < listeJoueurs.size(); ++i)
        if (!estSoi(listeJoueurs[i]) && !estAdversaire(listeJoueurs[i])) {
            envoyerDemande(listeJoueurs[i], 1);
            colorerLigneJoueur(static_cast<int>(i), BLEU);
        }
    for (const JoueurEnLigne& d : demandesRecues)
        if (!estSoi(d) && !estAdversaire(d))
            envoyerDemande(d, 1);
    demandesEnvoyees.clear();
    demandesRecues.clear();
    demandesLues_.clear();
    file_.clear();
    for (const char* id : {"myListDemandesDeJeu", "myListChat"})
        if (CPLUXControlList* l = ctrlList(id))
            l->reset();
    modeLobby = 1;
    nbEchecsReception = 0;
    // The partner is probed at once, at any frame rate.
    compteurPing = frames(100);
    if (CPLUXControl* c = getControl("myTextNomJ1"))
        c->setText(strPseudo);
    if (CPLUXControl* c = getControl("myTextNomJ2"))
        c->setText(adversaire.pseudo);
    if (CPLUXControlTab* t = ctrlTab("myTab"))
        t->setNumTabElemActif(1);
}

void CJeuDialogInternet::sendOptions()
{
    sf::Packet p;
    p << strMessage << static_cast<sf::Int32>(nbClones) << static_cast<sf::Int32>(numImageNiveau)
      << static_cast<sf::Int32>(numCouleur) << static_cast<sf::Int32>(numPerso) << static_cast<sf::Int32>(modeJeu);
    envoyerPaquet(p, adversaire.ipwan, adversaire.port);
    strMessage.clear();
}

bool CJeuDialogInternet::deAdversaire(const Datagramme& d) const
{
    uint32_t ip = 0;
    return lobby::lireIpv4(adversaire.ipwan, ip) && d.ip == ip && d.port == adversaire.port;
}

bool CJeuDialogInternet::lireOptions(const Datagramme& d)
{
    if (!deAdversaire(d))
        return false;
    sf::Packet p;
    p.append(d.octets.data(), d.octets.size());
    std::wstring message;
    sf::Int32 clones, image, couleur, perso, mode;
    if (!(p >> message >> clones >> image >> couleur >> perso >> mode) || !p.endOfPacket())
        return false;
    if (clones < 1 || clones > 4 || image < 0 || image > 3 || couleur < 0 || couleur > 1 || perso < 0 || perso > 1 ||
        mode < 0 || mode > 1 || !messageValide(message))
        return false;
    nbClonesAdv = clones;
    numImageNiveauAdv = image;
    numCouleurAdv = couleur;
    numPersoAdv = perso;
    modeJeuAdv = mode;
    if (!bMaitre) {
        numCouleur = couleur;
        numImageNiveau = image;
        modeJeu = mode;
        nbClones = clones;
    }
    if (!message.empty())
        ajouterLigneChat(message, bMaitre ? couleurAutre : couleurMaitre);
    return true;
}

void CJeuDialogInternet::receiveOptions()
{
    // Every packet the partner sent since the last time: none of its chat lines is lost.
    bool recu = false;
    while (!file_.empty()) {
        const Datagramme d = std::move(file_.front());
        file_.pop_front();
        recu = lireOptions(d) || recu;
    }
    if (recu) {
        nbEchecsReception = 0;
    } else if (nbEchecsReception != -1 && ++nbEchecsReception > 20) {
        CPLUX::MessageBoxW(L"ATTENTION !", adversaire.pseudo + L" n'est pas connecté !", "IDMB", this, 1);
        nbEchecsReception = -1;
    }
    if (!bMaitre)
        afficherOptionsRecues();
}

void CJeuDialogInternet::afficherOptionsRecues()
{
    if (modeJeu == 0 || modeJeu == 1)
        setCheckGroup(modeJeu == 0 ? "myButtonCheckModeCapture" : "myButtonCheckModeMort");
    // The other side's buttons read the reverse of the master's: colour 0 checks "Bleue".
    if (numCouleur == 0 || numCouleur == 1)
        setCheckGroup(numCouleur == 0 ? "myButtonCheckCouleurBleue" : "myButtonCheckCouleurRouge");
    if (nbClones >= 1 && nbClones <= 4)
        setCheckGroup("myButtonCheckClone" + std::to_string(nbClones));
}

void CJeuDialogInternet::ajouterLigneChat(const std::wstring& texte, sf::Color couleur)
{
    CPLUXControlList* l = ctrlList("myListChat");
    if (!l)
        return;
    const int n = l->getNbElements();
    l->AddElement(texte);
    l->setColor(couleur, n);
    l->setNumSel(n);
    if (bScrollChatAuto)
        l->setScrollPosition(n - 5);
}

void CJeuDialogInternet::addMsgChat()
{
    if (strMessage.empty())
        return;
    ajouterLigneChat(strMessage, bMaitre ? couleurMaitre : couleurAutre);
}

// Delay probes ------------------------------------------------------------------------------

void CJeuDialogInternet::ping(const std::string& adresse, int port)
{
    uint32_t ip = 0;
    if (!bConnecte || !lobby::lireIpv4(adresse, ip) || port < 1 || port > 65535)
        return;
    const sf::Time maintenant = horloge_.getElapsedTime();
    // Probes past their second are forgotten: their answers no longer count.
    sondes_.erase(std::remove_if(sondes_.begin(), sondes_.end(),
                                 [&](const Sonde& s) { return maintenant - s.envoi > DELAI_SONDE; }),
                  sondes_.end());
    const uint32_t sequence = ++sequenceSonde_;
    const auto s = lobby::encoderSonde(lobby::GenreSonde::QUESTION, sequence);
    if (socketUDP.send(s.data(), s.size(), sf::IpAddress(ip), static_cast<unsigned short>(port)) == sf::Socket::Done)
        sondes_.push_back({ip, static_cast<unsigned short>(port), sequence, maintenant});
}

void CJeuDialogInternet::traiterSonde(const Datagramme& d)
{
    lobby::GenreSonde genre;
    uint32_t sequence = 0;
    if (!lobby::lireSonde(d.octets.data(), d.octets.size(), genre, sequence))
        return;
    const sf::Time maintenant = horloge_.getElapsedTime();
    if (genre == lobby::GenreSonde::QUESTION) {
        if (maintenant - debutSecondeReponses_ >= sf::seconds(1)) {
            debutSecondeReponses_ = maintenant;
            reponsesSeconde_ = 0;
        }
        if (d.port == 0 || ++reponsesSeconde_ > REPONSES_PAR_SECONDE)
            return;
        const auto r = lobby::encoderSonde(lobby::GenreSonde::REPONSE, sequence);
        socketUDP.send(r.data(), r.size(), sf::IpAddress(d.ip), d.port);
        return;
    }
    for (size_t i = 0; i < sondes_.size(); ++i) {
        const Sonde s = sondes_[i];
        if (s.ip != d.ip || s.port != d.port || s.sequence != sequence)
            continue;
        sondes_.erase(sondes_.begin() + static_cast<long>(i));
        if (maintenant - s.envoi <= DELAI_SONDE)
            ecrireDelai(s.ip, s.port, (maintenant - s.envoi).asMilliseconds());
        return;
    }
}

void CJeuDialogInternet::ecrireDelai(uint32_t ip, unsigned short port, int ms)
{
    const std::string adresse = ipTexte(ip);
    if (modeLobby == 1 && adversaire.ipwan == adresse && adversaire.port == port) {
        if (CPLUXControl* c = getControl("myTextInputPing"))
            c->setText(std::to_string(ms) + " ms");
        return;
    }
    for (size_t j = 0; j < listeJoueurs.size(); ++j)
        if (listeJoueurs[j].ipwan == adresse && listeJoueurs[j].port == port) {
            if (CPLUXControlList* l = ctrlList("myListJoueursEnLigne"))
                l->editElement2("(" + std::to_string(ms) + " ms)", static_cast<int>(j));
            return;
        }
}

void CJeuDialogInternet::lireSocket()
{
    char tampon[DATAGRAMME_MAX + 1];
    for (int i = 0; i < LECTURES_PAR_IMAGE; ++i) {
        std::size_t n = 0;
        sf::IpAddress source;
        unsigned short port = 0;
        if (socketUDP.receive(tampon, sizeof tampon, n, source, port) != sf::Socket::Done)
            return;
        // A datagram larger than the buffer arrives cut to its size: dropped unread.
        if (n > DATAGRAMME_MAX)
            continue;
        Datagramme d{std::vector<char>(tampon, tampon + n), source.toInteger(), port};
        if (lobby::marqueSonde(tampon, n)) {
            traiterSonde(d);
            continue;
        }
        // Sorted before anything is kept: a third party's datagrams never displace the
        // partner's, and only a request that passed its checks takes a place.
        JoueurEnLigne r;
        if (modeLobby == 1 && deAdversaire(d)) {
            if (file_.size() >= FILE_MAX)
                file_.pop_front();
            file_.push_back(std::move(d));
        } else if (modeLobby == 0 && lireDemande(d, r)) {
            garderDemandeLue(r);
        }
    }
}
