// The lobby's requests to its server: registration, update, removal, the player list and the
// public address. Each runs on the lobby's worker; its answer is applied by onFrame. Nothing
// here runs a program or writes a file: answers are read from memory.
#include "core/EtatJeu.h"
#include "lobby/JeuDialogInternet.h"

#include "core/Globals.h"
#include "core/Texte.h"
#include "core/TuvFile.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "lobby/ClientHttpLobby.h"
#include "lobby/ProtocoleLobby.h"
#include "lobby/ReseauLobby.h"
#include "menus/JeuMenus.h"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <memory>
#include <string_view>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace {

const sf::Color ROUGE(255, 0, 0, 255);
const sf::Color GRIS(100, 100, 100, 255);
const sf::Color VERT(0, 200, 0, 255);
const sf::Color BLEU(0, 0, 200, 255);

// The "IP" answer of the server: its last "IP" line, when it holds a dotted address.
std::string lireReponseIp(int statut, const std::string& corps)
{
    std::string ip = "0.0.0.0";
    if (statut != 200)
        return ip;
    CTUVFile f;
    f.openTexte(corps);
    for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey())
        if (cle == "IP") {
            const std::string v = f.getValue();
            ip = lobby::estIpv4(v) ? v : "0.0.0.0";
        }
    return ip;
}

// One bit per byte of [p, p + n), n <= 64, that is ";" or "\n", the first byte's lowest.
uint64_t separateurs(const char* p, size_t n)
{
    uint64_t masque = 0;
    size_t i = 0;
#if defined(__SSE2__)
    const __m128i pointVirgule = _mm_set1_epi8(';'), finLigne = _mm_set1_epi8('\n');
    for (; i + 16 <= n; i += 16) {
        const __m128i octets = _mm_loadu_si128(reinterpret_cast<const __m128i*>(p + i));
        const __m128i trouves = _mm_or_si128(_mm_cmpeq_epi8(octets, pointVirgule), _mm_cmpeq_epi8(octets, finLigne));
        masque |= static_cast<uint64_t>(static_cast<uint32_t>(_mm_movemask_epi8(trouves))) << i;
    }
#endif
    for (; i < n; ++i)
        masque |= static_cast<uint64_t>(p[i] == ';' || p[i] == '\n') << i;
    return masque;
}

// The values of a line, split at ";" (at most MAX_VALEURS: the last one then takes the rest of
// the line). The line ends at the first "\n" (its place in `fin`) or with the text. The bytes
// are looked at 64 at a time into one mask of the ";" and "\n", walked bit by bit: no test
// per byte, where a byte-by-byte search mispredicts at every value. Their number.
constexpr size_t MAX_VALEURS = 9;
size_t decouperValeurs(std::string_view texte, std::string_view (&valeurs)[MAX_VALEURS], size_t& fin)
{
    const char* p = texte.data();
    size_t n = 0, debut = 0;
    for (size_t bloc = 0; bloc < texte.size(); bloc += 64) {
        for (uint64_t masque = separateurs(p + bloc, std::min<size_t>(64, texte.size() - bloc)); masque != 0;
             masque &= masque - 1) {
            const size_t pos = bloc + static_cast<size_t>(__builtin_ctzll(masque));
            if (p[pos] == '\n') {
                fin = pos;
                valeurs[n++] = std::string_view(p + debut, pos - debut);
                return n;
            }
            if (n < MAX_VALEURS - 1) {
                valeurs[n++] = std::string_view(p + debut, pos - debut);
                debut = pos + 1;
            }
        }
    }
    fin = texte.size();
    valeurs[n++] = std::string_view(p + debut, texte.size() - debut);
    return n;
}

// Whether a key is "J", blanks apart.
bool cleJ(std::string_view cle)
{
    bool j = false;
    for (char c : cle)
        if (c == 'J' && !j)
            j = true;
        else if (c != ' ' && c != '\t')
            return false;
    return j;
}

const std::string LISTE_NON_LUE = "Liste des joueurs non lue (code erreur=";

std::wstring texteEtat(int etat)
{
    return etat == 0 ? L"en attente d'un joueur" : etat == 1 ? L"en jeu" : L"???";
}

} // namespace

void CJeuDialogInternet::poster(std::function<void(CClientHttpLobby&)> travail, std::function<void()> suite)
{
    const unsigned g = generation_;
    reseau().poster(std::move(travail), suite ? [this, g, suite] {
        if (g == generation_)
            suite();
    } : std::function<void()>());
}

std::string CJeuDialogInternet::corpsJoueur(bool avecEtat, const std::wstring& pseudo, const std::string& groupe) const
{
    lobby::ChampsFormulaire champs = {{"pseudo", tuv::wstrToUtf8(pseudo)},
                                      {"groupe", groupe},
                                      {"niveau", std::to_string(numNiveau)},
                                      {"iplan", ipLanLiee_},
                                      {"port", std::to_string(portLie_)}};
    if (avecEtat)
        champs.emplace_back("etat", bEnJeu ? "1" : "0");
    return lobby::encoderFormulaire(champs);
}

// The name, group and port typed: false, with the reason shown, when one is refused.
bool CJeuDialogInternet::lireChampsSaisis(std::wstring& pseudo, std::string& groupe, int& port)
{
    const CPLUXControl* cPort = getControl("myTextInputPortUDP");
    const CPLUXControl* cPseudo = getControl("myTextInputPseudo");
    const CPLUXControl* cGroupe = getControl("myTextInputGroupe");
    long long p = portUDP;
    if (cPort && !lobby::lireEntier(tuv::delspaces(cPort->getText()), 1, 65535, p)) {
        montrerStatut("Port UDP invalide (1 à 65535)");
        return false;
    }
    port = static_cast<int>(p);
    pseudo = cPseudo ? cPseudo->getTextW() : strPseudo;
    groupe = cGroupe ? cGroupe->getText() : strGroupe;
    std::string refus = refusPseudo(pseudo);
    if (refus.empty())
        refus = refusGroupe(groupe);
    if (!refus.empty())
        montrerRefus(refus);
    return refus.empty();
}

void CJeuDialogInternet::connexionServeur(std::string url, std::string chemin)
{
    if (bConnexionEnCours)
        return;
    if (CPLUXControlTab* t = ctrlTab("myTab"))
        t->setNumTabElemActif(0);
    std::string hote;
    int portServeur = 0;
    if (!lobby::lireAdresseBase(url, hote, portServeur) || !lobby::cheminServiceValide(chemin)) {
        montrerStatut("Adresse du serveur invalide (SERVEUR_LOBBY de jeu.ini)");
        return initOptions();
    }
    std::wstring pseudo;
    std::string groupe;
    int port = 0;
    if (!lireChampsSaisis(pseudo, groupe, port))
        return initOptions();
    delier();
    // Bound before the registration: a port already taken must not pass for connected.
    if (socketUDP.bind(static_cast<unsigned short>(port)) != sf::Socket::Done) {
        montrerStatut("Port UDP " + std::to_string(port) + " indisponible");
        return initOptions();
    }
    socketUDP.setBlocking(false);
    portUDP = port;
    portLie_ = port;
    strPseudo = pseudo;
    strGroupe = groupe;
    ipLan = sf::IpAddress::getLocalAddress();
    ipLanLiee_ = ipLan.toString();
    bConnexionEnCours = true;
    montrerStatut("Connexion en cours…");
    auto ipwan = std::make_shared<std::string>();
    auto statut = std::make_shared<int>(CClientHttpLobby::SANS_REPONSE);
    const std::string corps = corpsJoueur(false, strPseudo, strGroupe);
    poster(
        [url, chemin, corps, ipwan, statut](CClientHttpLobby& client) {
            const ReponseHttp ip = client.get(url, chemin + "/giveip.php");
            *ipwan = lireReponseIp(ip.statut, ip.corps);
            // A server that did not answer in time is not asked a second time.
            if (ip.statut != CClientHttpLobby::SANS_REPONSE)
                *statut = client.post(url, chemin + "/addjoueur.php", corps).statut;
        },
        [this, ipwan, statut] { appliquerConnexion(*statut, *ipwan); });
}

void CJeuDialogInternet::appliquerConnexion(int statut, const std::string& ipwan)
{
    bConnexionEnCours = false;
    uint32_t ip = 0;
    ipWan = lobby::lireIpv4(ipwan, ip) ? sf::IpAddress(ip) : sf::IpAddress::Any;
    if (CPLUXControl* c = getControl("myTextInputIPLan"))
        c->setText(ipLan.toString());
    if (CPLUXControl* c = getControl("myTextInputIPWan"))
        c->setText(ipWan.toString());
    if (statut == 200) {
        bConnecte = true;
        bEnregistre = true;
        modeLobby = 0;
        bEnJeu = false;
        horlogeMaintien_.restart();
        montrerStatut("Connexion ok (200)");
        refreshListeJoueurs(strUrlServeur, strCheminService);
        if (CPLUXControlButton* b = ctrlButton("myButtonConnexionServeur"))
            b->setButtonText("Déconnexion");
    } else {
        delier();
        montrerStatut("Erreur de connexion (code erreur=" + std::to_string(statut) + ")");
    }
    initOptions();
}

void CJeuDialogInternet::editJoueur(std::string url, std::string chemin)
{
    // Sent only while registered, with the name and group as they were accepted.
    if (!bEnregistre || !lobby::pseudoValide(strPseudo) || !lobby::groupeValide(strGroupe))
        return;
    const std::string corps = corpsJoueur(true, strPseudo, strGroupe);
    poster([url, chemin, corps](CClientHttpLobby& c) { c.post(url, chemin + "/editjoueur.php", corps); }, {});
}

void CJeuDialogInternet::changerPseudoGroupe(const std::wstring& pseudo, const std::string& groupe, Champ champ)
{
    if (!bEnregistre) {
        // Offline: taken as typed, sent at the next connection.
        strPseudo = pseudo;
        strGroupe = groupe;
        if (statutRefus_ && !bConnexionEnCours)
            montrerStatut("hors ligne");
        return;
    }
    auto statut = std::make_shared<int>(CClientHttpLobby::SANS_REPONSE);
    const std::string url = strUrlServeur, chemin = strCheminService, corps = corpsJoueur(true, pseudo, groupe);
    poster([url, chemin, corps,
            statut](CClientHttpLobby& c) { *statut = c.post(url, chemin + "/editjoueur.php", corps).statut; },
           [this, pseudo, groupe, champ, statut] { appliquerChangement(*statut, pseudo, groupe, champ); });
}

void CJeuDialogInternet::appliquerChangement(int statut, const std::wstring& pseudo, const std::string& groupe,
                                             Champ champ)
{
    if (statut == 200) {
        strPseudo = pseudo;
        strGroupe = groupe;
        montrerStatut("Connexion ok (200)");
        return refreshListeJoueurs(strUrlServeur, strCheminService);
    }
    // What the server still lists is kept, and shown again in the field typed in (which may
    // hold the very one kept).
    const bool nom = champ == Champ::PSEUDO;
    const std::string garde = nom ? tuv::wstrToUtf8(strPseudo) : strGroupe;
    if (CPLUXControl* c = getControl(nom ? "myTextInputPseudo" : "myTextInputGroupe"))
        c->setText(garde);
    // A name is never empty; a group may be: then none was kept.
    const std::string gardeDit = garde.empty() ? "toujours sans groupe" : "« " + garde + " » gardé";
    montrerRefus(std::string(nom ? "Pseudo" : "Groupe") + " non changé (code erreur=" + std::to_string(statut) +
                 "), " + gardeDit);
}

void CJeuDialogInternet::delier()
{
    socketUDP.unbind();
    file_.clear();
    demandesLues_.clear();
    sondes_.clear();
}

void CJeuDialogInternet::deconnexion(std::string url, std::string chemin)
{
    // Removes the record under the address and port it was registered with; a connection
    // still on its way may have registered it too.
    if (bEnregistre || bConnexionEnCours) {
        const std::string corps =
            lobby::encoderFormulaire({{"iplan", ipLanLiee_}, {"port", std::to_string(portLie_)}});
        reseau().poster([url, chemin, corps](CClientHttpLobby& c) { c.post(url, chemin + "/deconnexionjoueur.php", corps); },
                        {});
    }
    ++generation_;
    bEnregistre = bConnexionEnCours = bRafraichissementEnCours = false;
    listeJoueurs.clear();
    demandesEnvoyees.clear();
    demandesRecues.clear();
    montrerStatut("hors ligne");
    for (const char* id : {"myListJoueursEnLigne", "myListDemandesDeJeu"})
        if (CPLUXControlList* l = ctrlList(id))
            l->reset();
    if (CPLUXControlButton* b = ctrlButton("myButtonConnexionServeur"))
        b->setButtonText("Connexion au serveur");
    bConnecte = false;
    delier();
}

void CJeuDialogInternet::refreshListeJoueurs(std::string url, std::string chemin)
{
    if (!bConnecte || bRafraichissementEnCours)
        return;
    bRafraichissementEnCours = true;
    auto reponse = std::make_shared<ReponseHttp>();
    poster([url, chemin, reponse](CClientHttpLobby& c) { *reponse = c.get(url, chemin + "/sendlistjoueurs.php"); },
           [this, reponse] {
               bRafraichissementEnCours = false;
               appliquerListe(reponse->statut, reponse->corps);
           });
}

void CJeuDialogInternet::getIpWan(std::string url, std::string chemin)
{
    auto ip = std::make_shared<std::string>("0.0.0.0");
    poster(
        [url, chemin, ip](CClientHttpLobby& c) {
            const ReponseHttp r = c.get(url, chemin + "/giveip.php");
            *ip = lireReponseIp(r.statut, r.corps);
        },
        [this, ip] {
            uint32_t a = 0;
            ipWan = lobby::lireIpv4(*ip, a) ? sf::IpAddress(a) : sf::IpAddress::Any;
            if (CPLUXControl* c = getControl("myTextInputIPWan"))
                c->setText(ipWan.toString());
        });
}

void CJeuDialogInternet::appliquerListe(int statut, const std::string& corps)
{
    CPLUXControlList* liste = ctrlList("myListJoueursEnLigne");
    if (liste) {
        liste->setVisibleCol2(true);
        liste->setLargeurCol2(80);
        liste->reset();
    }
    numJoueurPing = 0;
    // Emptied on a failure too, so that the lines always match the records; the status says
    // why the list is empty, until a list is read again.
    listeJoueurs.clear();
    if (statut != 200)
        return montrerStatut(LISTE_NON_LUE + std::to_string(statut) + ")");
    // Read: whatever failure or refusal the status said is over.
    montrerStatut("Connexion ok (200)");
    lireListe(corps, [this](lobby::FicheJoueur& fiche) {
        if (bGroupeUse ? fiche.groupe != strGroupe : !fiche.groupe.empty())
            return;
        if (numNiveau != 0 && fiche.niveau != numNiveau)
            return;
        ajouterLigneJoueur({tuv::utf8toWStr(fiche.pseudo), std::move(fiche.ipwan), std::move(fiche.iplan), fiche.port,
                            fiche.etat});
    });
}

// Read in place under the reading rules of every data file (a BOM, CR LF, "#" lines, blanks
// dropped from a key): a list of thousands of lines is not copied line by line.
void CJeuDialogInternet::lireListe(const std::string& corps, const std::function<void(lobby::FicheJoueur&)>& chaque)
{
    std::string_view reste(corps);
    if (reste.substr(0, 3) == "\xEF\xBB\xBF")
        reste.remove_prefix(3);
    std::string_view valeurs[MAX_VALEURS];
    lobby::FicheJoueur fiche;
    size_t lignes = 0;
    while (!reste.empty() && lignes < lobby::LIGNES_LISTE_MAX) {
        size_t n, fin;
        if (reste.size() >= 2 && reste[0] == 'J' && reste[1] == '=') {
            // The server's own lines: the values and the end of the line in one pass.
            n = decouperValeurs(reste.substr(2), valeurs, fin);
            reste.remove_prefix(std::min(fin + 3, reste.size()));
            std::string_view& derniere = valeurs[n - 1];
            if (!derniere.empty() && derniere.back() == '\r')
                derniere.remove_suffix(1);
        } else {
            const size_t finLigne = std::min(reste.find('\n'), reste.size());
            std::string_view ligne = reste.substr(0, finLigne);
            reste.remove_prefix(std::min(finLigne + 1, reste.size()));
            if (!ligne.empty() && ligne.back() == '\r')
                ligne.remove_suffix(1);
            const size_t egal = ligne.find('=');
            if (ligne.empty() || ligne[0] == '#' || ligne[0] == '\r' || ligne[0] == '{' || ligne[0] == '}' ||
                egal == std::string_view::npos || !cleJ(ligne.substr(0, egal)))
                continue;
            n = decouperValeurs(ligne.substr(egal + 1), valeurs, fin);
        }
        ++lignes;
        // Nine values read means more than eight on the line: the line is dropped.
        if (lobby::ficheDepuisValeurs(valeurs, n, fiche))
            chaque(fiche);
    }
}

void CJeuDialogInternet::ajouterLigneJoueur(const JoueurEnLigne& j)
{
    listeJoueurs.push_back(j);
    CPLUXControlList* liste = ctrlList("myListJoueursEnLigne");
    if (!liste)
        return;
    const int n = liste->getNbElements();
    liste->AddElement(j.pseudo + L" (" + texteEtat(j.etat) + L")");
    sf::Color c = BLEU;
    if (estSoi(j))
        c = ROUGE;
    else if (j.etat == 1)
        c = GRIS;
    else if (isDemandeEnvoyee(j.ipwan, j.iplan, j.port))
        c = VERT;
    liste->setColor(c, n);
}

void CJeuDialogInternet::pingJoueurs(int index)
{
    if (index < 0 || index >= static_cast<int>(listeJoueurs.size()))
        return;
    const JoueurEnLigne& j = listeJoueurs[static_cast<size_t>(index)];
    ping(j.ipwan, j.port);
}

void CJeuDialogInternet::onKeyPress(const sf::Event::KeyEvent& k)
{
    if (k.code == sf::Keyboard::F5)
        refreshListeJoueurs(strUrlServeur, strCheminService);
}

void CJeuDialogInternet::onJoystickBtnBRelease(int pad)
{
    const CPLUXControlTab* t = ctrlTab("myTab");
    if (!t || t->getNumTabElemActif() == 0) {
        deconnexion(strUrlServeur, strCheminService);
        hide();
        MondeJeu* jeu = faceJeu::monde();
        if (jeu && jeu->pMenus) {
            jeu->pMenus->chargerMenu("./menus/", "menu1.mnu");
            jeu->pMenus->entrerMenu(1);
        }
    } else {
        deconnexion(strUrlServeur, strCheminService);
        connexionServeur(strUrlServeur, strCheminService);
    }
}
