// The rules both sides of the lobby share, as tables of inputs and what they must give.
#include "core/TuvFile.h"
#include "lobby/JeuDialogInternet.h"
#include "lobby/ProtocoleLobby.h"
#include "support/Outils.h"

#include <gtest/gtest.h>

using namespace lobby;

TEST(ProtocoleLobby, FormValuesAreEncodedAndDecodedBack)
{
    const std::pair<std::string, std::string> cas[] = {
        {"Joueur", "Joueur"},
        {"a b", "a+b"},
        {"a&b=c+d%", "a%26b%3Dc%2Bd%25"},
        {"$(touch x)", "%24%28touch+x%29"},
        {"`|>\"'", "%60%7C%3E%22%27"},
        {"-._~", "-._~"},
        {"\xC3\xA9", "%C3%A9"},
        {";", "%3B"},
    };
    for (const auto& [clair, code] : cas) {
        EXPECT_EQ(encoderValeur(clair), code) << clair;
        ChampsFormulaire lu;
        ASSERT_TRUE(decoderFormulaire("k=" + code, lu)) << code;
        ASSERT_EQ(lu.size(), 1u);
        EXPECT_EQ(lu[0].second, clair) << "decoded back from " << code;
    }
    EXPECT_EQ(encoderFormulaire({{"pseudo", "a&b"}, {"port", "8000"}}), "pseudo=a%26b&port=8000");
    ChampsFormulaire lu;
    EXPECT_TRUE(decoderFormulaire("a=1&&b=&c=x", lu)) << "empty pairs are skipped, empty values kept";
    EXPECT_EQ(lu.size(), 3u);
    for (const char* mauvais : {"a=%G1", "a=%4", "a=%", "a", "a=1&b"})
        EXPECT_FALSE(decoderFormulaire(mauvais, lu)) << mauvais;
}

TEST(ProtocoleLobby, NamesAndGroupsFollowTheFieldRule)
{
    const auto accents = [](int n) {
        std::string r;
        for (int i = 0; i < n; ++i)
            r += "\xCC\x81";  // U+0301
        return r;
    };
    const std::string trenteDeux(32, 'x');
    const struct {
        std::string texte;
        bool pseudo, groupe;
    } cas[] = {
        {"Joueur", true, true},
        {"", false, true},
        {trenteDeux, true, true},
        {trenteDeux + "x", false, false},
        {"\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9\xC3\xA9", true, true},
        {"Jou;eur12", false, false},
        {"Joueur12\tb", false, false},
        {"abcdefg\x7F", false, false},
        {std::string("a\0b", 3), false, false},
        {"Joueur\r12", false, false},
        {"\xC3", false, false},          // cut sequence
        {"\xC0\xAF", false, false},      // overlong
        {"\xED\xA0\x80", false, false},  // surrogate
        {"\xF4\x90\x80\x80", false, false},
        {"&=+%\"'$`|> ", true, true},
        {"   ", false, false},                                    // spaces only: an empty line
        {"\xC2\xA0\xE2\x80\x83\xE3\x80\x80", false, false},  // no-break, em and ideographic spaces
        {" \xE2\x80\x83" "a", true, true},
        {"$(touch pwned)", true, true},
        // Invisible and layout characters: a name must look like what it is.
        {"admin\xE2\x80\xAEnimda", false, false},   // U+202E right-to-left override
        {"a\xE2\x81\xA6" "b", false, false},      // U+2066 left-to-right isolate
        {"a\xE2\x80\x8B" "b", false, false},      // U+200B zero width space
        {"a\xC2\xAD" "b", false, false},           // U+00AD soft hyphen
        {"a\xC2\x85" "b", false, false},           // U+0085, a C1 control
        {"\xEF\xBB\xBF" "a", false, false},        // U+FEFF
        {"a\xF3\xA0\x80\x81", false, false},       // U+E0001 language tag
        {"\xE2\x80\xA9", false, false},             // U+2029 paragraph separator
        {"\xE2\x80\xAF\xE2\x82\xAC\xF0\x9F\x99\x82", true, true},  // narrow space, euro, emoji
        // Noncharacters, and marks stacked past four on one letter.
        {"\xEF\xBF\xBF", false, false},                  // U+FFFF
        {"a\xEF\xB7\x90", false, false},                 // U+FDD0
        {"a\xF0\x9F\xBF\xBE", false, false},            // U+1FFFE
        {"a" + accents(4) + "b" + accents(4), true, true},  // four on each letter
        {"a" + accents(4) + "\xD2\x83", false, false},     // the fifth from another block
    };
    for (const auto& c : cas) {
        EXPECT_EQ(pseudoValide(c.texte), c.pseudo) << "pseudo [" << c.texte << "]";
        EXPECT_EQ(groupeValide(c.texte), c.groupe) << "groupe [" << c.texte << "]";
    }
    EXPECT_TRUE(pseudoValide(std::wstring(32, L'\u00E9')));
    EXPECT_FALSE(pseudoValide(std::wstring(1, static_cast<wchar_t>(0x110000))));
    EXPECT_FALSE(pseudoValide(std::wstring(L"ab\u202Ec"))) << "the game's own check refuses it too";
}

TEST(ProtocoleLobby, DottedAddressesAndNumbers)
{
    const struct {
        const char* texte;
        bool ok;
        uint32_t valeur;
    } cas[] = {
        {"127.0.0.1", true, 0x7F000001},  {"0.0.0.0", true, 0},           {"255.255.255.255", true, 0xFFFFFFFF},
        {"1.2.3", false, 0},              {"256.1.1.1", false, 0},        {"a.b.c.d", false, 0},
        {"1.2.3.4.5", false, 0},          {"01.2.3.4", false, 0},         {" 1.2.3.4", false, 0},
        {"1.2.3.4 ", false, 0},           {"host.example", false, 0},     {"-1.2.3.4", false, 0},
        {"", false, 0},                   {"1..3.4", false, 0},          {"1.2.3.1000", false, 0},
        {"1.2.3.00", false, 0},
    };
    for (const auto& c : cas) {
        uint32_t v = 12345;
        EXPECT_EQ(lireIpv4(c.texte, v), c.ok) << c.texte;
        if (c.ok) {
            EXPECT_EQ(v, c.valeur) << c.texte;
            EXPECT_EQ(texteIpv4(v), c.texte);
        }
    }
    long long n = 0;
    EXPECT_TRUE(lireEntier("65535", 1, 65535, n) && n == 65535);
    for (const char* mauvais : {"0", "65536", "8000x", "-1", "+5", " 5", "", "99999999999999999999"})
        EXPECT_FALSE(lireEntier(mauvais, 1, 65535, n)) << mauvais;
}

TEST(ProtocoleLobby, ListLinesBecomeRecordsOnlyWhenEveryValueChecks)
{
    FicheJoueur f;
    const std::vector<std::string_view> exemple = {"12", "Joueur2",     "amis",         "0",
                                                   "0",  "203.0.113.7", "192.168.1.20", "8000"};
    ASSERT_TRUE(ficheDepuisValeurs(exemple.data(), exemple.size(), f));
    EXPECT_EQ(f.id, 12);
    EXPECT_EQ(f.pseudo, "Joueur2");
    EXPECT_EQ(f.groupe, "amis");
    EXPECT_EQ(f.port, 8000);
    EXPECT_EQ(ligneListe(f), "J=12;Joueur2;amis;0;0;203.0.113.7;192.168.1.20;8000\n");
    const std::vector<std::string_view> base = {"1", "N", "", "3", "1", "1.2.3.4", "10.0.0.1", "9000"};
    EXPECT_TRUE(ficheDepuisValeurs(base.data(), base.size(), f));
    const struct {
        size_t i;
        const char* valeur;
    } mauvais[] = {{0, "x"},   {1, ""},           {2, "ggggggggggggggggggggggggggggggggg"}, {3, "1001"}, {3, "-1"},
                   {4, "2"},   {5, "host.example"}, {6, "1.2.3"},                   {7, "0"},    {7, "70000"},
                   {7, "-1"},  {1, "a\x01"}};
    for (const auto& m : mauvais) {
        std::vector<std::string_view> v = base;
        v[m.i] = m.valeur;
        EXPECT_FALSE(ficheDepuisValeurs(v.data(), v.size(), f)) << "value " << m.i << " = " << m.valeur;
    }
    std::vector<std::string_view> sept(base.begin(), base.end() - 1), neuf = base;
    neuf.push_back("x");
    EXPECT_FALSE(ficheDepuisValeurs(sept.data(), sept.size(), f));
    EXPECT_FALSE(ficheDepuisValeurs(neuf.data(), neuf.size(), f));
}

TEST(ProtocoleLobby, BaseAddressesAndServicePaths)
{
    const struct {
        const char* url;
        bool ok;
        const char* hote;
        int port;
    } cas[] = {
        {"http://h:8080", true, "h", 8080},
        {"http://127.0.0.1", true, "127.0.0.1", 80},
        {"http://lobby.example.org:81", true, "lobby.example.org", 81},
        {"https://h", false, "", 0},
        {"http://h:0", false, "", 0},
        {"http://h:65536", false, "", 0},
        {"http://h/x", false, "", 0},
        {"http://h :80", false, "", 0},
        {"http:// h", false, "", 0},
        {"http://", false, "", 0},
        {"http://1.2.3", false, "", 0},
        {"http://a;b", false, "", 0},
        {"ftp://h", false, "", 0},
    };
    for (const auto& c : cas) {
        std::string hote;
        int port = 0;
        EXPECT_EQ(lireAdresseBase(c.url, hote, port), c.ok) << c.url;
        if (c.ok) {
            EXPECT_TRUE(hote == c.hote && port == c.port) << c.url << " -> " << hote << ":" << port;
        }
    }
    std::string hote;
    int port;
    EXPECT_FALSE(lireAdresseBase("http://" + std::string(250, 'a'), hote, port)) << "over 255 characters";
    for (const char* ok : {"/duelix", "/a/b-c._~"})
        EXPECT_TRUE(cheminServiceValide(ok)) << ok;
    for (const char* non : {"", "duelix", "/a b", "/a?b", "/a;b", "/%41"})
        EXPECT_FALSE(cheminServiceValide(non)) << non;
    EXPECT_FALSE(cheminServiceValide("/" + std::string(64, 'a')));
}

TEST(ProtocoleLobby, ProbesReadOnlyAtTheirExactShape)
{
    const auto q = encoderSonde(GenreSonde::QUESTION, 0x01020304);
    const unsigned char attendu[] = {0xFF, 0xFF, 0xFF, 0xFF, 0, 0, 0, 1, 1, 2, 3, 4};
    EXPECT_EQ(std::vector<unsigned char>(q.begin(), q.end()), std::vector<unsigned char>(attendu, attendu + 12));
    GenreSonde g;
    uint32_t s = 0;
    EXPECT_TRUE(lireSonde(q.data(), q.size(), g, s) && g == GenreSonde::QUESTION && s == 0x01020304);
    EXPECT_FALSE(lireSonde(q.data(), 11, g, s)) << "short";
    std::vector<unsigned char> long13(q.begin(), q.end());
    long13.push_back(0);
    EXPECT_FALSE(lireSonde(long13.data(), long13.size(), g, s)) << "long";
    auto autre = q;
    autre[7] = 3;
    EXPECT_FALSE(lireSonde(autre.data(), autre.size(), g, s)) << "kind 3";
    EXPECT_TRUE(marqueSonde(long13.data(), long13.size()));
}

TEST(ProtocoleLobby, TextInMemoryReadsAsTheSameBytesInAFile)
{
    DossierTemp d;
    const std::string textes[] = {
        "J=1;a;b;0;0;1.2.3.4;5.6.7.8;9\nIP=1.2.3.4\n",
        "\xEF\xBB\xBFIP=1.1.1.1\r\nJ=2;x\r\n",
        "# commentaire\n\n=vide\nK = a;b\nJ=3;court\n{\n}\nFIN=1;2;3;",
        "",
        "X=1",
    };
    for (const std::string& t : textes) {
        ecrireTexte(d / "f.txt", t);
        CTUVFile fichier, memoire;
        ASSERT_TRUE(fichier.open(d / "f.txt", false));
        memoire.openTexte(t);
        for (int k = 0; k < 12; ++k) {
            const std::string a = fichier.getKey(), b = memoire.getKey();
            ASSERT_EQ(a, b) << "key " << k << " of [" << t << "]";
            if (a.empty())
                break;
            for (int v = 0; v < 4; ++v) {
                EXPECT_EQ(fichier.getValue(), memoire.getValue()) << "value " << v << " of key " << a;
                EXPECT_EQ(fichier.finDeLigne(), memoire.finDeLigne()) << "end of line after value " << v;
            }
        }
    }
    CTUVFile f;
    f.openTexte("A=1\n");
    f.openTexte("B=2\n");
    EXPECT_EQ(f.getKey(), "B") << "a second text replaces the first";
    EXPECT_EQ(f.getKey(), "");
}

TEST(ProtocoleLobby, ListAnswersKeepOnlyWholeCheckedLines)
{
    const std::string bonne = "J=1;a;g;0;0;1.2.3.4;10.0.0.1;8000";
    const struct {
        const char* quoi;
        std::string texte;
        size_t fiches;
    } cas[] = {
        {"one line", bonne + "\n", 1},
        {"CR LF and a BOM", "\xEF\xBB\xBF" + bonne + "\r\n" + bonne + "\r\n", 2},
        {"7 values", "J=1;a;g;0;0;1.2.3.4;8000\n", 0},
        {"9 values", bonne + ";9\n", 0},
        {"a trailing ;", bonne + ";\n", 0},
        {"host name", "J=1;a;g;0;0;host.example;10.0.0.1;8000\n", 0},
        {"other keys and comments", "# x\nIP=1.2.3.4\nK=1\n" + bonne + "\n", 1},
        {"blanks in the key, no final line end", " J\t" + bonne.substr(1), 1},
        {"keys that only look like J", "JJ" + bonne.substr(1) + "\n{\n}" + bonne.substr(1) + "\n\r\r\n=1\n", 0},
        {"not a list", "<html><body>404</body></html>", 0},
        {"empty", "", 0},
        {"longest names, past 64 bytes", "J=123456;" + std::string(32, 'p') + ";" + std::string(32, 'g') +
                                             ";1000;1;255.255.255.255;203.0.113.254;65535\r\n" + bonne,
         2},
    };
    for (const auto& c : cas) {
        std::vector<lobby::FicheJoueur> f;
        CJeuDialogInternet::lireListe(c.texte, [&](lobby::FicheJoueur& x) { f.push_back(x); });
        EXPECT_EQ(f.size(), c.fiches) << c.quoi;
        if (f.size() == 2 && f[0].id == 123456) {
            EXPECT_TRUE(f[0].pseudo == std::string(32, 'p') && f[0].groupe == std::string(32, 'g') &&
                        f[0].niveau == 1000 && f[0].iplan == "203.0.113.254" && f[0].port == 65535 &&
                        f[1].pseudo == "a")
                << "values split where the separators are";
        }
    }
    std::string grande;
    for (int i = 0; i < 20000; ++i)
        grande += "J=" + std::to_string(i) + ";p" + std::to_string(i) + ";;0;0;1.2.3.4;10.0.0.1;" +
                  std::to_string(i % 60000 + 1) + "\n";
    std::vector<lobby::FicheJoueur> f;
    CJeuDialogInternet::lireListe(grande, [&](lobby::FicheJoueur& x) { f.push_back(x); });
    EXPECT_EQ(f.size(), 10000u) << "at most 10,000 lines used";
    EXPECT_EQ(f.back().pseudo, "p9999");
}
