// The lobby server in-process, as tables of requests with the status and the effect each must
// have; its store in a file across a restart; its program started as a player would.
#include "ChargeLobby.h"
#include "OutilsLobby.h"
#include "ProgrammeServeur.h"

#include "lobby/serveur/FichiersBase.h"
#include "support/ChienDeGarde.h"
#include "support/Processus.h"

#include <cstdio>
#include <ctime>
#include <filesystem>
#include <functional>
#include <optional>
#include <set>
#include <vector>

#include <sqlite3.h>
#include <sys/resource.h>
#include <sys/stat.h>


namespace {

const std::string CHEMIN = "/duelix";
const std::string CORPS = "pseudo=A&groupe=g&niveau=3&iplan=10.0.0.1&port=8000";

struct Requete {
    const char* methode;
    std::string script;
    std::string corps;
};

ReponseHttp envoyer(const ServeurEssai& s, const Requete& r)
{
    CClientHttpLobby c;
    const std::string uri = r.script.empty() || r.script[0] == '/' ? r.script : CHEMIN + "/" + r.script;
    return std::string(r.methode) == "GET" ? c.get(s.url(), uri) : c.post(s.url(), uri, r.corps);
}

std::string liste(const ServeurEssai& s) { return envoyer(s, {"GET", "sendlistjoueurs.php", ""}).corps; }

std::string ajoutPort(int port)
{
    return "pseudo=p" + std::to_string(port) + "&groupe=&niveau=0&iplan=1.1.1.1&port=" + std::to_string(port);
}

// A second server's start on `base`: "started", else why it was refused; a refusal by its lock.
std::string secondServeur(const std::string& base)
{
    CStockJoueursSQLite autre(base, 10);
    std::string erreur;
    return autre.ouvrir(erreur) ? std::string("started") : erreur;
}
std::string refusVerrou(const std::string& base)
{
    return "un autre serveur s'en sert (il tient le verrou " + base + ".verrou) ; arrêtez-le d'abord";
}

// Root acting as nobody while it lives, as a server run by a user of its own (a program started
// meanwhile too): root's files are then another user's to the server.
struct CommeUnAutre {
    CommeUnAutre() { EXPECT_TRUE(::setegid(65534) == 0 && ::seteuid(65534) == 0); }
    ~CommeUnAutre() { EXPECT_TRUE(::seteuid(0) == 0 && ::setegid(0) == 0); }
};

} // namespace

TEST(ServeurLobby, EachBadFieldAloneIsRefusedAndChangesNothing)
{
    ServeurEssai s;
    const std::string sansPort = "pseudo=A&groupe=g&niveau=3&iplan=10.0.0.1";
    const struct {
        const char* quoi;
        Requete r;
        int statut;
    } cas[] = {
        {"pseudo missing", {"POST", "addjoueur.php", "groupe=g&niveau=3&iplan=10.0.0.1&port=8000"}, 400},
        {"port missing", {"POST", "addjoueur.php", sansPort}, 400},
        {"iplan missing", {"POST", "deconnexionjoueur.php", "port=8000"}, 400},
        {"etat missing", {"POST", "editjoueur.php", CORPS}, 400},
        {"pseudo repeated", {"POST", "addjoueur.php", CORPS + "&pseudo=B"}, 400},
        {"unknown field", {"POST", "addjoueur.php", CORPS + "&ipwan=1.2.3.4"}, 400},
        {"empty pseudo", {"POST", "addjoueur.php", "pseudo=&groupe=g&niveau=3&iplan=10.0.0.1&port=8000"}, 400},
        {"spaces only", {"POST", "addjoueur.php", "pseudo=+%C2%A0%E3%80%80&groupe=&niveau=0&iplan=1.1.1.1&port=1"},
         400},
        {"group of spaces", {"POST", "addjoueur.php", "pseudo=a&groupe=%20%20&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"33 characters", {"POST", "addjoueur.php", "pseudo=" + std::string(33, 'a') + "&groupe=&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"group of 33", {"POST", "addjoueur.php", "pseudo=a&groupe=" + std::string(33, 'a') + "&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"not UTF-8", {"POST", "addjoueur.php", "pseudo=%FF&groupe=&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"semicolon", {"POST", "addjoueur.php", "pseudo=a%3Bb&groupe=&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"CR", {"POST", "addjoueur.php", "pseudo=a%0Db&groupe=&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"LF", {"POST", "addjoueur.php", "pseudo=a&groupe=%0A&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"NUL", {"POST", "addjoueur.php", "pseudo=a%00&groupe=&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"U+202E", {"POST", "addjoueur.php", "pseudo=a%E2%80%AEb&groupe=&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"zero width", {"POST", "addjoueur.php", "pseudo=a&groupe=%E2%80%8B&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"bad escape", {"POST", "addjoueur.php", "pseudo=a%G0&groupe=&niveau=0&iplan=1.1.1.1&port=1"}, 400},
        {"port 0", {"POST", "addjoueur.php", sansPort + "&port=0"}, 400},
        {"port 65536", {"POST", "addjoueur.php", sansPort + "&port=65536"}, 400},
        {"port 8000x", {"POST", "addjoueur.php", sansPort + "&port=8000x"}, 400},
        {"niveau 1001", {"POST", "addjoueur.php", "pseudo=A&groupe=g&niveau=1001&iplan=10.0.0.1&port=8000"}, 400},
        {"etat 2", {"POST", "editjoueur.php", CORPS + "&etat=2"}, 400},
        {"iplan 1.2.3", {"POST", "addjoueur.php", "pseudo=A&groupe=g&niveau=3&iplan=1.2.3&port=8000"}, 400},
        {"iplan 256.1.1.1", {"POST", "addjoueur.php", "pseudo=A&groupe=g&niveau=3&iplan=256.1.1.1&port=8000"}, 400},
        {"iplan a.b.c.d", {"POST", "addjoueur.php", "pseudo=A&groupe=g&niveau=3&iplan=a.b.c.d&port=8000"}, 400},
        {"junk body", {"POST", "addjoueur.php", "\x01\x02garbage"}, 400},
        {"body over 4 KiB", {"POST", "addjoueur.php", CORPS + "&x=" + std::string(4200, 'a')}, 413},
        {"another path", {"GET", "/duelix/autre.php", ""}, 404},
        {"outside the service", {"GET", "/giveip.php", ""}, 404},
        {"GET of a form", {"GET", "addjoueur.php", ""}, 405},
        {"POST of the list", {"POST", "sendlistjoueurs.php", CORPS}, 405},
        {"URI over 8 KiB", {"GET", "/duelix/giveip.php?x=" + std::string(9000, 'a'), ""}, 414},
    };
    for (const auto& c : cas) {
        const ReponseHttp r = envoyer(s, c.r);
        EXPECT_EQ(r.statut, c.statut) << c.quoi << ": " << r.corps;
        if (r.statut == 400) {
            EXPECT_EQ(std::count(r.corps.begin(), r.corps.end(), '\n'), 1) << c.quoi << ": one line of reason";
        }
    }
    EXPECT_EQ(liste(s), "") << "no bad request stored anything";
}

TEST(ServeurLobby, TheFiveScriptsAndTheirEffects)
{
    ServeurEssai s;
    EXPECT_EQ(liste(s), "");
    const ReponseHttp ip = envoyer(s, {"GET", "giveip.php", ""});
    EXPECT_EQ(ip.statut, 200);
    EXPECT_EQ(ip.corps, "IP=127.0.0.1\n");
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", CORPS}).statut, 200);
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", "pseudo=B&groupe=&niveau=0&iplan=10.0.0.2&port=8001"}).statut, 200);
    EXPECT_EQ(liste(s), "J=1;A;g;3;0;127.0.0.1;10.0.0.1;8000\nJ=2;B;;0;0;127.0.0.1;10.0.0.2;8001\n");
    EXPECT_EQ(envoyer(s, {"POST", "editjoueur.php", "pseudo=A2&groupe=h&niveau=0&iplan=10.0.0.1&port=8000&etat=1"}).statut,
              200);
    EXPECT_EQ(liste(s), "J=1;A2;h;0;1;127.0.0.1;10.0.0.1;8000\nJ=2;B;;0;0;127.0.0.1;10.0.0.2;8001\n")
        << "edited in place: id kept, the cache follows";
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", CORPS}).statut, 200);
    EXPECT_EQ(liste(s).substr(0, 38), "J=1;A;g;3;0;127.0.0.1;10.0.0.1;8000\nJ=") << "a new add replaces, etat back to 0";

    // Another router's player with the same local address and port: out of reach from here.
    lobby::FicheJoueur autre{0, "Loin", "", 0, 0, "203.0.113.7", "10.0.0.1", 8000};
    ASSERT_TRUE(s.stock.enregistrer(autre, s.maintenant));
    EXPECT_EQ(envoyer(s, {"POST", "deconnexionjoueur.php", "iplan=10.0.0.1&port=8000"}).statut, 200);
    EXPECT_EQ(envoyer(s, {"POST", "deconnexionjoueur.php", "iplan=10.0.0.1&port=8000"}).statut, 200)
        << "removing an absent record is no error";
    const std::string l = liste(s);
    const std::string premiere = "J=2;B;;0;0;127.0.0.1;10.0.0.2;8001\n", fin = ";Loin;;0;0;203.0.113.7;10.0.0.1;8000\n";
    EXPECT_TRUE(l.compare(0, premiere.size(), premiere) == 0 && l.size() > fin.size() &&
                l.compare(l.size() - fin.size(), fin.size(), fin) == 0 && std::count(l.begin(), l.end(), '\n') == 2)
        << l;
}

TEST(ServeurLobby, NamesComeBackByteForByte)
{
    ServeurEssai s(":memory:", 10000, 16);
    const char* noms[] = {"a&b", "x=y", "1+1", "100%", "\"q'", "$(touch x)", "\xC3\xA9t\xC3\xA9", "a b", "`|>"};
    int port = 1;
    std::string attendu;
    for (const char* n : noms) {
        const std::string corps = lobby::encoderFormulaire(
            {{"pseudo", n}, {"groupe", n}, {"niveau", "0"}, {"iplan", "1.1.1.1"}, {"port", std::to_string(port)}});
        ASSERT_EQ(envoyer(s, {"POST", "addjoueur.php", corps}).statut, 200) << n;
        attendu += "J=" + std::to_string(port) + ";" + n + ";" + n + ";0;0;127.0.0.1;1.1.1.1;" + std::to_string(port) + "\n";
        ++port;
    }
    EXPECT_EQ(liste(s), attendu);
}

TEST(ServeurLobby, RecordsExpireOnTheInjectedClockAndComeBackWithAnEdit)
{
    ServeurEssai s;
    const int64_t t0 = s.maintenant;
    ASSERT_EQ(envoyer(s, {"POST", "addjoueur.php", CORPS}).statut, 200);
    s.maintenant = t0 + 599;
    EXPECT_NE(liste(s), "") << "listed at 599 s";
    s.maintenant = t0 + 605;
    EXPECT_EQ(liste(s), "") << "gone at 605 s, though the list was made at 599 s and not swept since";
    s.maintenant = t0 + 610;
    EXPECT_EQ(liste(s), "") << "gone after 610 s";
    EXPECT_EQ(envoyer(s, {"POST", "editjoueur.php", CORPS + "&etat=0"}).statut, 200);
    EXPECT_EQ(liste(s), "J=2;A;g;3;0;127.0.0.1;10.0.0.1;8000\n") << "a keep-alive brings it back";
}

TEST(ServeurLobby, FullServerAnswers503ButStillEditsItsPlayers)
{
    ServeurEssai s(":memory:", 2);
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", "pseudo=a&groupe=&niveau=0&iplan=1.1.1.1&port=1"}).statut, 200);
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", "pseudo=b&groupe=&niveau=0&iplan=1.1.1.1&port=2"}).statut, 200);
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", "pseudo=c&groupe=&niveau=0&iplan=1.1.1.1&port=3"}).statut, 503);
    EXPECT_EQ(envoyer(s, {"POST", "editjoueur.php", "pseudo=B&groupe=&niveau=0&iplan=1.1.1.1&port=2&etat=1"}).statut,
              200);
}

// Times are calendar seconds kept in the file: after a reboot, or with the clock set back,
// records from a later time count as seen now, and expire from there.
TEST(ServeurLobby, RecordsFromALaterClockExpireAfterARestartAtAnEarlierOne)
{
    EXPECT_NEAR(static_cast<double>(CServeurLobby::horlogeSysteme()), static_cast<double>(std::time(nullptr)), 2)
        << "the calendar, not the time since boot";
    DossierTemp d;
    const std::string base = d / "lobby.sqlite";
    {
        ServeurEssai s(base);
        s.maintenant = 5000000;
        for (int port = 1; port <= 8; ++port)
            ASSERT_EQ(envoyer(s, {"POST", "addjoueur.php", ajoutPort(port)}).statut, 200);
        EXPECT_FALSE(std::filesystem::exists(base + "-shm")) << "the log's index is in memory, no file to fail";
    }
    ServeurEssai s(base);  // at 1000
    const std::string l = liste(s);
    EXPECT_EQ(std::count(l.begin(), l.end(), '\n'), 8) << "kept in the file, listed as seen now";
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", ajoutPort(9)}).statut, 429) << "and counted by the address's cap";
    s.maintenant = 1000 + 599;
    EXPECT_NE(liste(s), "");
    s.maintenant = 1000 + 601;
    EXPECT_EQ(liste(s), "") << "gone once the expiry has passed since the restart";
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", ajoutPort(9)}).statut, 200) << "the address may add again";
}

TEST(ServeurLobby, AClockSetBackSweepsAtOnceAndFromItsNewTimeOn)
{
    DossierTemp d;
    const std::string base = d / "lobby.sqlite";
    ServeurEssai s(base);
    s.maintenant = 4600;
    ASSERT_EQ(envoyer(s, {"POST", "addjoueur.php", CORPS}).statut, 200);
    s.maintenant = 1000;  // an hour back
    ASSERT_EQ(std::remove(base.c_str()), 0);
    EXPECT_NE(liste(s), "") << "seen now";
    EXPECT_TRUE(std::filesystem::exists(base)) << "the sweep looked at the file and wrote it again";
    s.maintenant = 1000 + 601;
    EXPECT_EQ(liste(s), "") << "expired an expiry after the clock went back, not an hour later";
}

// While the base's name cannot be had (another user's folder there, in a folder with the sticky
// bit), the copy beside it is made again at each sweep, a folder found at its name first moved
// aside; once the base is written again the copy goes.
TEST(ServeurLobby, TheCopyKeptWhileTheBaseCannotBeWrittenFollowsTheSweepsUntilItIs)
{
    namespace fs = std::filesystem;
    if (::geteuid() != 0)
        GTEST_SKIP() << "another user's folder needs root to make";
    DossierTemp d;
    fs::permissions(d.str(), fs::perms::all | fs::perms::sticky_bit);
    const std::string base = d / "lobby.sqlite", secours = base + ".secours";
    const auto joueurs = [](const std::string& fichier) {
        sqlite3* b = nullptr;
        sqlite3_stmt* st = nullptr;
        int n = -1;
        if (sqlite3_open_v2(fichier.c_str(), &b, SQLITE_OPEN_READONLY, nullptr) == SQLITE_OK &&
            sqlite3_prepare_v2(b, "SELECT COUNT(*) FROM joueurs", -1, &st, nullptr) == SQLITE_OK &&
            sqlite3_step(st) == SQLITE_ROW)
            n = sqlite3_column_int(st, 0);
        sqlite3_finalize(st);
        sqlite3_close(b);
        return n;
    };
    std::optional<CommeUnAutre> serveur(std::in_place);
    ServeurEssai s(base);
    ASSERT_EQ(envoyer(s, {"POST", "addjoueur.php", ajoutPort(1)}).statut, 200);
    ASSERT_EQ(envoyer(s, {"POST", "addjoueur.php", ajoutPort(2)}).statut, 200);
    fs::create_directory(secours);
    fs::remove(base);
    serveur.reset();
    fs::create_directory(base);
    serveur.emplace();
    EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", ajoutPort(3)}).statut, 503);
    EXPECT_EQ(joueurs(secours), 2) << "the copy made at the look before the add";
    EXPECT_TRUE(fs::is_directory(secours + ".remplacee-1")) << "not ours: moved aside";
    EXPECT_EQ(envoyer(s, {"POST", "deconnexionjoueur.php", "iplan=1.1.1.1&port=1"}).statut, 200);
    s.maintenant += 10;
    liste(s);
    EXPECT_EQ(joueurs(secours), 1) << "made again at the sweep";
    serveur.reset();
    fs::remove(base);
    serveur.emplace();
    s.maintenant += 10;
    EXPECT_EQ(liste(s), "J=2;p2;;0;0;127.0.0.1;1.1.1.1;2\n");
    EXPECT_TRUE(fs::is_regular_file(base)) << "the base written again";
    EXPECT_FALSE(fs::exists(secours)) << "the copy gone with it";
    EXPECT_TRUE(fs::exists(secours + ".remplacee-1")) << "the other one kept";
}

// The first version kept times since boot: its players are kept as seen at the upgrade, once.
TEST(ServeurLobby, APlayerOfAFirstVersionBaseIsListedAfterTheUpgradeThenExpires)
{
    DossierTemp d;
    const std::string base = d / "lobby.sqlite";
    sqlite3* b = nullptr;
    ASSERT_EQ(sqlite3_open(base.c_str(), &b), SQLITE_OK);
    const char* ancienne =
        "CREATE TABLE joueurs (id INTEGER PRIMARY KEY AUTOINCREMENT, pseudo TEXT NOT NULL, groupe TEXT NOT NULL,"
        " niveau INTEGER NOT NULL, etat INTEGER NOT NULL, ipwan TEXT NOT NULL, iplan TEXT NOT NULL,"
        " port INTEGER NOT NULL, vu INTEGER NOT NULL, UNIQUE (ipwan, iplan, port));"
        "INSERT INTO joueurs VALUES (7, 'Ancien', '', 0, 0, '203.0.113.1', '10.0.0.1', 9, 50);";
    ASSERT_EQ(sqlite3_exec(b, ancienne, nullptr, nullptr, nullptr), SQLITE_OK);
    sqlite3_close(b);
    {
        ServeurEssai s(base);  // at 1000, 50 s after a boot long ago
        EXPECT_EQ(liste(s), "J=7;Ancien;;0;0;203.0.113.1;10.0.0.1;9\n");
    }
    ServeurEssai s(base);
    s.maintenant = 1000 + 601;
    EXPECT_EQ(liste(s), "") << "seen at the upgrade, not again at each start";
}

TEST(ServeurLobby, LoadOfFiftyClientsHasNoError)
{
    // Fifty players behind one address.
    ServeurEssai s(":memory:", 10000, 50, 1000, [](ConfigServeurLobby& c) { c.connexionsParAdresse = 50; });
    const ResultatCharge r = chargerServeur(s.url(), 50, 20);
    EXPECT_EQ(r.erreurs, 0);
    ASSERT_EQ(r.millisecondes.size(), 1000u);
    std::printf("[load] 1000 requests: p50 %.2f ms, p99 %.2f ms, worst %.2f ms\n", r.centile(0.5), r.centile(0.99),
                r.millisecondes.back());
    EXPECT_EQ(liste(s), "") << "every client removed itself";
}

// The program ------------------------------------------------------------------------------

TEST(ServeurLobby, ProgramAnnouncesItsPortAnswersAndStopsOnSigterm)
{
    Programme p({"--port", "0", "--base", ":memory:"});
    ASSERT_GT(p.pid, 0);
    const std::string l = Programme::ligne(p.out);
    const std::string debut = "Serveur du salon : http://127.0.0.1:";
    ASSERT_EQ(l.compare(0, debut.size(), debut), 0) << l;
    const int port = std::atoi(l.c_str() + debut.size());
    EXPECT_NE(l.find("/duelix (base :memory:)"), std::string::npos) << l;
    CClientHttpLobby c;
    EXPECT_EQ(c.get("http://127.0.0.1:" + std::to_string(port), "/duelix/giveip.php").corps, "IP=127.0.0.1\n");
    ::kill(p.pid, SIGTERM);
    int code = -1;
    {
        ChienDeGarde garde(ChienDeGarde::BLOCAGE, "the server after SIGTERM");
        code = attendreProcessus(p.pid);
    }
    p.pid = -1;
    EXPECT_EQ(code, 0) << "stopped on SIGTERM, status 0";
}

// What the server acknowledged is in the base's files after a kill -9 or a SIGTERM, whatever was
// done to them while it served, with their mode; a file put in the base's place is kept aside,
// whole. A name that cannot be had refuses the adds, and the whole copy made for it stays beside
// the base, where the operator puts it back: no add refused is listed, no add acknowledged is lost.
TEST(ServeurLobby, AcknowledgedPlayersOutliveAKillAfterTheBaseOrItsLogWasDeletedOrReplaced)
{
    namespace fs = std::filesystem;
    const std::string copie = "copie de l'opérateur";
    const auto ailleurs = [](const std::string& nom) {
        fs::rename(nom, nom + ".ailleurs");
        fs::create_symlink(fs::path(nom + ".ailleurs").filename(), nom);
    };
    const auto remplacer = [&copie](const std::string& nom) {
        ecrireTexte(nom + ".neuve", copie);
        fs::rename(nom + ".neuve", nom);
    };
    const auto dossier = [](const std::string& nom) {
        fs::remove(nom);
        fs::create_directory(nom);
    };
    // The server, run as another user, may move root's files in a folder of its own.
    const auto auServeur = [](const std::string& b) { ::chown(fs::path(b).parent_path().c_str(), 65534, 65534); };
    // What is kept beside the base, named in the log: what was found in its place moved aside
    // (a file, a link, a folder), the copy of the players while the base's name cannot be had;
    // nothing when its folder is gone (the players lost, their number said).
    enum class Garde { RIEN, FICHIER, LIEN, COPIE, DOSSIER, PERDUS };
    const struct {
        const char* quoi;
        std::function<void(const std::string& base)> faute;
        int acquittes;      // of 40 adds, 20 before the fault
        Garde garde;
        const char* nom;  // its name after the base's
        std::function<void(const std::string& base)> avant = {};  // before the server starts
        bool autre = false;  // the server run by another user than root, who makes the fault
        bool arret = false;  // the fault after the last add and the list, then SIGTERM, not a kill
        const char* dit = "";  // in the log's last line
    } fautes[] = {
        {"log deleted", [](const std::string& b) { fs::remove(b + "-wal"); }, 40, Garde::RIEN, ""},
        {"base deleted", [](const std::string& b) { fs::remove(b); }, 40, Garde::RIEN, ""},
        {"log deleted, then SIGTERM", [](const std::string& b) { fs::remove(b + "-wal"); }, 40, Garde::RIEN, "", {},
         false, true, "-wal supprimé pendant le service : base récrite (joueurs : 40)\n"},
        {"its folder removed, then SIGTERM", [](const std::string& b) { fs::remove_all(fs::path(b).parent_path()); },
         40, Garde::PERDUS, "", {}, false, true,
         ": impossible de la récrire avant l'arrêt (No such file or directory) ; joueurs acquittés : 40, perdus"},
        {"base replaced", remplacer, 40, Garde::FICHIER, ".remplacee-1"},
        {"base moved behind a link", [&](const std::string& b) { ailleurs(b); }, 40, Garde::LIEN, ".remplacee-1"},
        {"log moved behind a link", [&](const std::string& b) { ailleurs(b + "-wal"); }, 40, Garde::LIEN,
         "-wal.remplacee-1"},
        {"a folder in the base's place", dossier, 40, Garde::DOSSIER, ".remplacee-1"},
        {"a folder in the log's place", [&](const std::string& b) { dossier(b + "-wal"); }, 40, Garde::DOSSIER,
         "-wal.remplacee-1"},
        {"another user's file in the base's place", remplacer, 40, Garde::FICHIER, ".remplacee-1", auServeur, true},
        {"another user's folder in the base's place and file at the copy's, sticky folder", dossier, 20,
         Garde::COPIE, ".secours-1",
         [&](const std::string& b) {
             fs::permissions(fs::path(b).parent_path(), fs::perms::all | fs::perms::sticky_bit);
             ecrireTexte(b + ".secours", copie);
         },
         true},
        {"the base's name, a link, pointed at another file",
         [](const std::string& b) { fs::remove(b); fs::create_symlink("lobby.sqlite.autre", b); }, 40, Garde::LIEN,
         ".remplacee-1",
         [&](const std::string& b) { fs::create_symlink("lobby.sqlite.vraie", b); ecrireTexte(b + ".autre", copie); }},
    };
    for (const auto& f : fautes) {
        if (f.autre && ::geteuid() != 0) {
            std::printf("[skipped] %s: another user's files need root to make\n", f.quoi);
            continue;
        }
        DossierTemp d;
        const std::string base = fs::canonical(d.str()) / "lobby.sqlite", nom = base;
        if (f.avant)
            f.avant(base);
        std::optional<CommeUnAutre> autre;
        if (f.autre)
            autre.emplace();
        Programme p({"--port", "0", "--base", base, "--joueurs-par-adresse", "100"});
        autre.reset();
        const std::string url = p.url();
        ASSERT_NE(url, "");
        CClientHttpLobby c;
        int acquittes = 0;
        const unsigned droits = 0640;
        for (int port = 1; port <= 40; ++port) {
            if (port == 11)
                ::chmod(base.c_str(), droits);  // by the operator while it serves
            if (port == 21 && !f.arret)
                f.faute(base);
            acquittes += c.post(url, "/duelix/addjoueur.php", ajoutPort(port)).statut == 200;
        }
        const std::string liste = c.get(url, "/duelix/sendlistjoueurs.php").corps;
        if (f.arret)
            f.faute(base);
        ::kill(p.pid, f.arret ? SIGTERM : SIGKILL);
        EXPECT_EQ(attendreProcessus(p.pid), f.arret ? (f.garde == Garde::PERDUS ? 1 : 0) : 1000 + SIGKILL) << f.quoi;
        p.pid = -1;
        const std::string journal = Programme::tout(p.err);
        EXPECT_EQ(acquittes, f.acquittes) << f.quoi << ": " << journal;
        EXPECT_EQ(std::count(liste.begin(), liste.end(), '\n'), f.acquittes) << f.quoi << ": a refused add listed";
        EXPECT_NE(journal.find(f.dit, journal.rfind("serveur_lobby")), std::string::npos)
            << f.quoi << ": the log's last line should say " << f.dit << "\n" << journal;
        if (f.garde == Garde::PERDUS)
            continue;
        const std::string gardee = nom + f.nom, dit = " sous le nom " + gardee + (f.garde == Garde::COPIE ? "," : "\n");
        if (f.garde != Garde::RIEN) {
            EXPECT_NE(journal.find(dit), std::string::npos) << f.quoi << ": " << journal;
            EXPECT_EQ(journal.find(dit), journal.rfind(dit)) << f.quoi << ": named once";
        }
        if (f.garde == Garde::FICHIER) {
            EXPECT_EQ(lireTexte(gardee), copie) << "kept aside, whole";
        }
        if (f.garde == Garde::LIEN) {
            EXPECT_TRUE(fs::is_symlink(gardee)) << f.quoi << ": the link itself kept aside";
        }
        if (f.garde == Garde::COPIE) {
            // Put back as docs/lobby.md says: what took the base's name away, the old log,
            // then the copy.
            fs::remove(base);
            fs::remove(base + "-wal");
            fs::rename(gardee, base);
        }
        if (f.garde == Garde::DOSSIER) {
            EXPECT_TRUE(fs::is_directory(gardee)) << f.quoi << ": the folder moved aside";
        }
        struct stat st {};
        ::stat(base.c_str(), &st);
        EXPECT_EQ(st.st_mode & 07777, droits) << f.quoi << ": the base written again keeps its mode, 0" << std::oct
                                              << droits << ", not 0" << (st.st_mode & 07777);
        if (fs::exists(base + ".autre")) {
            EXPECT_EQ(lireTexte(base + ".autre"), copie) << f.quoi << ": the file the link led to, left as it was";
        }
        CStockJoueursSQLite stock(base, 100);
        std::string erreur;
        ASSERT_TRUE(stock.ouvrir(erreur)) << f.quoi << ": " << erreur;
        EXPECT_EQ(stock.lister(0).size(), static_cast<size_t>(f.acquittes))
            << f.quoi << ": every acknowledged player after the kill";
    }
}

// The docs' remedies, the server started in its base's folder as ./run.sh --serveur does: the
// folder removed and made again, or the base chmodded read-only then deleted (the server, not
// root, may write it but not reopen it: adds refused, the list kept); then SIGTERM writes the
// base whole at its name, with the mode of the chmod, and says so.
TEST(ServeurLobby, ABaseDeletedInTheServersOwnFolderIsWrittenAgainThereAtTheStop)
{
    namespace fs = std::filesystem;
    const std::string supprimee = "serveur_lobby : base lobby.sqlite supprimée";
    // The case; the chmod; run by a user other than root; the fault in the folder; the status of
    // an add after it (0: none); the log.
    const struct { const char* quoi; unsigned droits; bool pasRoot; std::function<void(const std::string&)> faute;
                   int ajout; std::string journal; } cas[] = {
        {"its folder removed and made again", 0600, false,
         [](const std::string& d) { fs::remove_all(d); fs::create_directory(d); }, 0,
         supprimee + ", journal lobby.sqlite-wal supprimé pendant le service : récrite (joueurs : 1)\n"},
        {"read-only, deleted", 0444, true, [](const std::string& d) { fs::remove(d + "/lobby.sqlite"); }, 503,
         supprimee + " pendant le service : récrite (joueurs : 1), mais impossible de la rouvrir (fichier en lecture"
                     " seule pour le serveur), les ajouts sont refusés\nserveur_lobby : base lobby.sqlite hors service"
                     " : base récrite (joueurs : 1)\n"},
    };
    for (const auto& c : cas) {
        DossierTemp d;
        ::chown(d.str().c_str(), 65534, 65534);
        // To root no file is read-only: root runs the server as nobody, any other user as itself.
        // A user of its own through and through: the leak check at its end works only so.
        const bool nobody = c.pasRoot && ::geteuid() == 0;
        Programme p({"--port", "0"}, "cd " + d.str() + " && exec" +
                                         (nobody ? " setpriv --reuid=65534 --regid=65534 --clear-groups" : ""));
        const std::string url = p.url();
        ASSERT_NE(url, "") << c.quoi;
        CClientHttpLobby client;
        ASSERT_EQ(client.post(url, "/duelix/addjoueur.php", ajoutPort(1)).statut, 200);
        ::chmod((d / "lobby.sqlite").c_str(), c.droits);
        c.faute(d.str());
        EXPECT_TRUE(!c.ajout || client.post(url, "/duelix/addjoueur.php", ajoutPort(2)).statut == c.ajout) << c.quoi;
        EXPECT_EQ(client.get(url, "/duelix/sendlistjoueurs.php").corps, "J=1;p1;;0;0;127.0.0.1;1.1.1.1;1\n")
            << c.quoi << ": the player still listed";
        ::kill(p.pid, SIGTERM);
        EXPECT_EQ(attendreProcessus(p.pid), 0) << c.quoi;
        p.pid = -1;
        EXPECT_EQ(Programme::tout(p.err), c.journal) << c.quoi;
        struct stat st {};
        EXPECT_TRUE(::stat((d / "lobby.sqlite").c_str(), &st) == 0 && (st.st_mode & 07777) == c.droits)
            << c.quoi << ": written again with the mode of the chmod, 0" << std::oct << (st.st_mode & 07777);
        ::chmod((d / "lobby.sqlite").c_str(), 0600);
        CStockJoueursSQLite stock(d / "lobby.sqlite", 10);
        std::string erreur;
        EXPECT_TRUE(stock.ouvrir(erreur) && stock.lister(0).size() == 1) << c.quoi << ": " << erreur;
    }
}

// The request remedy, from the server's own folder: its folder removed and made again, a
// request after a sweep's interval writes the base there whole with its lock, and the lobby
// goes on. A second server given any name of the base (a spelling of its path, a link to its
// file, a chain of them, a link to its folder) is refused with the lock's line before any
// removal, and after it both before the first server's look and after it. A first server given
// a link that then leads elsewhere writes the base at the link's name, and its lock goes along.
TEST(ServeurLobby, ARequestAfterASweepWritesTheBaseAgainInItsFolderMadeAgain)
{
    namespace fs = std::filesystem;
    DossierDeTravail dossier;
    DossierTemp ailleurs;
    const std::string base = dossier / "lobby.sqlite", nom = fs::path(base).parent_path(), lien = nom + "/lien.sqlite";
    const std::string vraie = fs::canonical(nom) / "lobby.sqlite", parDossier = ailleurs / "serveur";
    fs::create_directory_symlink(nom, parDossier);
    // The folder made anew with its links, leading to no file until the first server's look.
    const auto refaire = [&] {
        fs::remove_all(nom);
        fs::create_directory(nom);
        fs::create_symlink("lobby.sqlite", lien);
        fs::create_symlink("lien.sqlite", nom + "/chaine.sqlite");
    };
    // By its full path (this process stays in the folder removed); a link's refusal names the lock
    // beside the base, in full.
    const struct { std::string nom; bool lien; } noms[] = {
        {base, false}, {nom + "/./lobby.sqlite", false},
        {nom + "/../" + fs::path(nom).filename().string() + "/lobby.sqlite", false},
        {lien, true},  {nom + "/chaine.sqlite", true}, {parDossier + "/lobby.sqlite", false}};
    for (const auto& n : noms) {
        const std::string refus = refusVerrou(n.lien ? vraie : n.nom);
        refaire();
        ASSERT_EQ(::chdir(nom.c_str()), 0);
        ServeurEssai s("lobby.sqlite");
        ASSERT_EQ(envoyer(s, {"POST", "addjoueur.php", ajoutPort(1)}).statut, 200);
        EXPECT_EQ(secondServeur(n.nom), refus) << n.nom << ": before any removal";
        refaire();
        EXPECT_EQ(secondServeur(n.nom), refus) << n.nom << ": before the first server's look";
        EXPECT_EQ(std::distance(fs::directory_iterator(nom), {}), 2) << n.nom << ": the refusal made no file";
        s.maintenant += 11;
        testing::internal::CaptureStderr();
        EXPECT_EQ(envoyer(s, {"GET", "giveip.php", ""}).corps, "IP=127.0.0.1\n");
        EXPECT_EQ(testing::internal::GetCapturedStderr(),
                  "serveur_lobby : base lobby.sqlite supprimée, journal lobby.sqlite-wal supprimé pendant le service :"
                  " récrite (joueurs : 1)\n");
        EXPECT_TRUE(fs::exists(base + ".verrou")) << "the lock file made again with the base";
        EXPECT_EQ(secondServeur(n.nom), refus) << n.nom << ": after the look";
        EXPECT_EQ(envoyer(s, {"POST", "addjoueur.php", ajoutPort(2)}).statut, 200) << "adds taken";
        EXPECT_EQ(liste(s), "J=1;p1;;0;0;127.0.0.1;1.1.1.1;1\nJ=2;p2;;0;0;127.0.0.1;1.1.1.1;2\n");
    }
    {
        CStockJoueursSQLite stock(base, 10);
        std::string erreur;
        EXPECT_TRUE(stock.ouvrir(erreur) && stock.lister(0).size() == 2) << "both in the base: " << erreur;
    }
    ServeurEssai s(lien);
    EXPECT_EQ(secondServeur(base), refusVerrou(base)) << "the file the link leads to";
    fs::remove(lien);
    fs::create_symlink("autre.sqlite", lien);
    s.maintenant += 11;
    EXPECT_EQ(liste(s), "J=1;p1;;0;0;127.0.0.1;1.1.1.1;1\nJ=2;p2;;0;0;127.0.0.1;1.1.1.1;2\n");
    EXPECT_EQ(secondServeur(lien), refusVerrou(lien)) << "the base now at the link's name";
    EXPECT_EQ(secondServeur(base), "started") << "the file the link led to, no longer the server's";
    CFichiersBase partie(nom + "/autre.sqlite", "autre.sqlite");  // the folder removed while a server starts
    partie.noter(nom + "/autre.sqlite");
    EXPECT_EQ(partie.constater().base, CFichiersBase::Etat::SUPPRIME) << "a base gone before the first look";
}

TEST(ServeurLobby, ProgramLogsTheFirstWriteFailureOfAKindAndTheRecovery)
{
    DossierTemp d;
    const std::string base = d / "lobby.sqlite";
    Programme p({"--port", "0", "--base", base});
    const std::string url = p.url();
    ASSERT_NE(url, "");
    CClientHttpLobby c;
    ASSERT_EQ(c.post(url, "/duelix/addjoueur.php", ajoutPort(1)).statut, 200);
    // A full disk: the file size limit at the log's size.
    const rlimit plein{static_cast<rlim_t>(std::filesystem::file_size(base + "-wal")), RLIM_INFINITY};
    ASSERT_EQ(::prlimit(p.pid, RLIMIT_FSIZE, &plein, nullptr), 0);
    for (int port = 2; port <= 5; ++port)
        EXPECT_EQ(c.post(url, "/duelix/addjoueur.php", ajoutPort(port)).corps, "base indisponible\n");
    const rlimit libre{RLIM_INFINITY, RLIM_INFINITY};
    ASSERT_EQ(::prlimit(p.pid, RLIMIT_FSIZE, &libre, nullptr), 0);
    EXPECT_EQ(c.post(url, "/duelix/addjoueur.php", ajoutPort(6)).statut, 200);
    ::kill(p.pid, SIGTERM);
    attendreProcessus(p.pid);
    p.pid = -1;
    const std::string prefixe = "serveur_lobby : base " + base + " : ", raison = "disk I/O error (File too large)";
    EXPECT_EQ(Programme::tout(p.err),
              prefixe + "échec (ajout) : " + raison + " ; les échecs suivants du même genre ne sont pas signalés\n" +
                  prefixe + "de nouveau écrite après l'échec « " + raison + " »\n")
        << "the first failure and the recovery, once each";
}

TEST(ServeurLobby, ProgramRefusesBadOptionsAndBasesItCannotUse)
{
    const struct {
        std::vector<std::string> args;
        int code;
        const char* message;
    } cas[] = {
        {{"--port", "65536"}, 2, "usage"},
        {{"--port"}, 2, "usage"},
        {{"--adresse", "localhost"}, 2, "usage"},
        {{"--inconnue", "1"}, 2, "usage"},
        {{"--expiration", "0"}, 2, "usage"},
    };
    for (const auto& c : cas) {
        Programme p(c.args);
        const std::string e = Programme::tout(p.err);
        EXPECT_EQ(attendreProcessus(p.pid), c.code) << c.args[0];
        p.pid = -1;
        EXPECT_NE(e.find(c.message), std::string::npos) << e;
    }
    // Bases it cannot use, refused at start with one line: not a base; one it cannot write
    // (a file size limit, a read-only file), refused before the first add; another program's
    // (valid SQLite files, one only a version or an application id set, one the server's table
    // and version with an application id), its own with a column added to its table, or beside
    // another base's log, a log with no base (also named through a link), left byte for byte;
    // one a running server holds, though its file was deleted. A refusal leaves no file it made. Its own base with what an operator adds beside its table is served, the
    // additions kept.
    DossierTemp d;
    ecrireTexte(d / "texte.sqlite", std::string(4096, 'x'));
    {
        CStockJoueursSQLite stock(d / "ancienne.sqlite", 10);
        std::string erreur;
        ASSERT_TRUE(stock.ouvrir(erreur) && stock.enregistrer({0, "A", "", 0, 0, "1.2.3.4", "1.1.1.1", 1}, 1));
    }
    ecrireTexte(d / "lecture.sqlite", lireTexte(d / "ancienne.sqlite"));
    ::chmod((d / "lecture.sqlite").c_str(), 0444);
    const auto etrangere = [&d](const char* nom, const char* sql) {
        sqlite3* b = nullptr;
        EXPECT_TRUE(sqlite3_open((d / nom).c_str(), &b) == 0 && sqlite3_exec(b, sql, nullptr, nullptr, nullptr) == 0)
            << nom << ": " << sql << ": " << sqlite3_errmsg(b);
        sqlite3_close(b);
    };
    etrangere("autre.sqlite", "CREATE TABLE t (x); INSERT INTO t VALUES (1); PRAGMA user_version=7;");
    etrangere("journal.sqlite", "PRAGMA journal_mode=WAL; CREATE TABLE t (x); INSERT INTO t VALUES (1);");
    etrangere("colonnes.sqlite", "CREATE TABLE joueurs (pseudo TEXT, ipwan TEXT);");
    etrangere("sans_unique.sqlite", "CREATE TABLE joueurs (id INTEGER PRIMARY KEY AUTOINCREMENT, pseudo, groupe,"
                                    " niveau, etat, ipwan, iplan, port, vu);");
    etrangere("types.sqlite", "CREATE TABLE joueurs (id INTEGER PRIMARY KEY AUTOINCREMENT, pseudo TEXT NOT NULL,"
                              " groupe TEXT NOT NULL, niveau TEXT NOT NULL, etat INTEGER NOT NULL, ipwan TEXT NOT NULL,"
                              " iplan TEXT NOT NULL, port INTEGER NOT NULL, vu INTEGER NOT NULL,"
                              " UNIQUE (ipwan, iplan, port));");
    etrangere("version.sqlite", "PRAGMA user_version=7;");
    etrangere("application.sqlite", "PRAGMA application_id=42;");
    for (const char* nom :
         {"analysee.sqlite", "indexee.sqlite", "journal_autre.sqlite", "marquee.sqlite", "elargie.sqlite"})
        ecrireTexte(d / nom, lireTexte(d / "ancienne.sqlite"));
    etrangere("marquee.sqlite", "PRAGMA application_id=42;");
    etrangere("elargie.sqlite", "ALTER TABLE joueurs ADD COLUMN note INTEGER; ALTER TABLE joueurs ADD \"l'a\";");
    etrangere("analysee.sqlite", "ANALYZE; PRAGMA optimize;");
    etrangere("indexee.sqlite", "CREATE INDEX parPseudo ON joueurs (pseudo); CREATE VIEW noms AS SELECT pseudo FROM"
                                " joueurs; CREATE TRIGGER t AFTER DELETE ON joueurs BEGIN SELECT 1; END;");
    sqlite3* ailleurs = nullptr;  // another base's log, copied while it is open (closed, it has none)
    sqlite3_open((d / "ailleurs.sqlite").c_str(), &ailleurs);
    sqlite3_exec(ailleurs, "PRAGMA journal_mode=WAL; CREATE TABLE t (x); INSERT INTO t VALUES (1);", 0, 0, 0);
    std::filesystem::copy_file(d / "ailleurs.sqlite-wal", d / "journal_autre.sqlite-wal");
    std::filesystem::copy_file(d / "ailleurs.sqlite-wal", d / "orpheline.sqlite-wal");
    std::filesystem::create_symlink("orpheline.sqlite", d / "lien_orpheline.sqlite");
    sqlite3_close(ailleurs);
    const auto voisins = [&d](const std::string& base) {
        std::set<std::string> noms;
        const std::string prefixe = std::filesystem::absolute(base).lexically_normal();
        for (const auto& e : std::filesystem::directory_iterator(d.str()))
            if (e.path().string().rfind(prefixe, 0) == 0)
                noms.insert(e.path().string());
        return noms;
    };
    Programme tenante({"--port", "0", "--base", d / "tenue.sqlite"});
    ASSERT_NE(tenante.url(), "");
    std::filesystem::remove(d / "tenue.sqlite");
    const char* etranger = "base d'un autre programme";
    const std::string journalAutre = d / "journal_autre.sqlite-wal", orpheline = d / "orpheline.sqlite-wal";
    // Its command works from any folder, not only the server's.
    const std::string baseAutre = std::filesystem::relative(d / "journal_autre.sqlite");
    const struct {
        std::string base, prelude;
        std::string dit;  // a part of the line
        bool intacte;     // left byte for byte, with its log if it had one
        bool servie = false;
    } bases[] = {{d / "texte.sqlite", "", "file is not a database", true},
                 {d / "neuve.sqlite", "ulimit -f 0 && exec", "", false},
                 {d / "ancienne.sqlite", "ulimit -f 0 && exec", "", false},
                 {d / "lecture.sqlite", "", "", false},
                 {d / "autre.sqlite", "", "base d'un autre programme (version 7, tables : t)", true},
                 {d / "journal.sqlite", "", etranger, true},
                 {d / "colonnes.sqlite", "", etranger, true},
                 {d / "sans_unique.sqlite", "", etranger, true},
                 {d / "types.sqlite", "", etranger, true},
                 {d / "version.sqlite", "", "base d'un autre programme (version 7, tables : aucune)", true},
                 {d / "application.sqlite", "", "(version 0, application_id 42, tables : aucune)", true},
                 {d / "marquee.sqlite", "", "(version 1, application_id 42, tables : joueurs, sqlite_sequence)", true},
                 {baseAutre, "", "de côté (mv " + journalAutre + " " + journalAutre + ".autre)", true},
                 {d / "lien_orpheline.sqlite", "", "journal " + orpheline + " sans base à côté de lui", true},
                 {d / "orpheline.sqlite", "", "journal " + orpheline + " sans base à côté de lui, laissé tel", true},
                 {d / "elargie.sqlite", "",
                  "table joueurs différente de celle du serveur (colonnes en plus : note, l'a), laissée telle quelle :"
                  " le serveur arrêté, retirez-les (sqlite3 " + d / "elargie.sqlite" +
                      " 'ALTER TABLE joueurs DROP COLUMN \"note\";ALTER TABLE joueurs DROP COLUMN \"l'\\''a\";')",
                  true},
                 {d / "analysee.sqlite", "", "", false, true},
                 {d / "indexee.sqlite", "", "", false, true},
                 {d / "tenue.sqlite", "", "un autre serveur s'en sert (il tient le verrou ", false}};
    for (const auto& [base, prelude, dit, intacte, servie] : bases) {
        if (base == d / "lecture.sqlite" && ::access(base.c_str(), W_OK) == 0) {
            std::printf("[skipped] read-only base: this user writes it anyway\n");
            continue;
        }
        const std::string avant = lireTexte(base), walAvant = lireTexte(base + "-wal");
        const std::set<std::string> fichiers = voisins(base);
        Programme p({"--port", "0", "--base", base}, prelude);
        if (!p.url().empty())
            ::kill(p.pid, SIGKILL);  // started: its status says so below
        const std::string e = Programme::tout(p.err);
        EXPECT_EQ(attendreProcessus(p.pid), servie ? 1000 + SIGKILL : 1) << base << ": " << e;
        p.pid = -1;
        if (servie)
            continue;
        EXPECT_TRUE(e.rfind("serveur_lobby : base " + base + " : ", 0) == 0 &&
                    std::count(e.begin(), e.end(), '\n') == 1 && e.find(dit) != std::string::npos)
            << e;
        EXPECT_EQ(voisins(base), fichiers) << base << ": a refusal leaves no file it made (lock, base, log)";
        if (intacte) {
            EXPECT_TRUE(lireTexte(base) == avant && lireTexte(base + "-wal") == walAvant)
                << base << ": left byte for byte";
        }
    }
    // What the operator added, kept by the server: dropped now, each fails when missing.
    etrangere("analysee.sqlite", "DROP TABLE sqlite_stat1;");
    etrangere("indexee.sqlite", "DROP INDEX parPseudo; DROP VIEW noms; DROP TRIGGER t;");
    CStockJoueursSQLite stock(d / "ancienne.sqlite", 10);
    std::string erreur;
    EXPECT_TRUE(stock.ouvrir(erreur) && stock.lister(0).size() == 1) << "so is the base: " << erreur;

    // A writable base in a folder where its log cannot be made: the folder and the reason said,
    // as for a user other than the folder's (root is one only after giving up its rights).
    const std::string ferme = d / "ferme";
    std::filesystem::create_directory(ferme);
    ecrireTexte(ferme + "/lobby.sqlite", lireTexte(d / "ancienne.sqlite"));
    ::chmod((ferme + "/lobby.sqlite").c_str(), 0666);
    ::chmod(ferme.c_str(), 0555);
    const int code = dansUnProcessus([&] {
        if (::geteuid() == 0 && (::setgid(65534) != 0 || ::setuid(65534) != 0))
            return 2;
        CStockJoueursSQLite s(ferme + "/lobby.sqlite", 10);
        std::string e;
        const bool ouverte = s.ouvrir(e);
        std::fprintf(stderr, "%s\n", e.c_str());
        return !ouverte && e == "dossier " + ferme +
                                    " : le serveur ne peut pas y créer de fichier (Permission denied) ;"
                                    " il y crée le journal lobby.sqlite-wal à côté de la base"
                   ? 0
                   : 1;
    });
    ::chmod(ferme.c_str(), 0755);
    EXPECT_EQ(code, 0) << "an unwritable folder named as such";
}
