// What the game does for the scripts. Message boxes and speech bubbles drawn into a window
// under Xvfb: places of the background, speaker image, lines and prompt (probed pixels), the
// waits on B and X at both frame rates, NOPARLE in both languages, the look commands, and the
// resources read from "jeu.ini"; the sounds' voices of PLAYSON; the scene drawn through the
// screen effects of a test shader.
#include "script/OutilsCommandes.h"

#include "core/ShaderManager.h"
#include "game/Jeu.h"
#include "menus/JeuMenus.h"
#include "support/Outils.h"

#include <SFML/Graphics/RenderWindow.hpp>
#include <SFML/Graphics/Texture.hpp>

#include <filesystem>

namespace {

// A plain PNG of one colour.
std::string ecrireImage(const DossierTemp& d, const std::string& nom, unsigned l, unsigned h, sf::Color c)
{
    sf::Image image;
    image.create(l, h, c);
    const std::string chemin = d / nom;
    image.saveToFile(chemin);
    return chemin;
}

bool proche(sf::Color a, sf::Color b, int tolerance = 12)
{
    return std::abs(a.r - b.r) <= tolerance && std::abs(a.g - b.g) <= tolerance && std::abs(a.b - b.b) <= tolerance;
}

// Text pixels (light grey) in a band of rows, right of x.
bool texteDans(const sf::Image& img, unsigned x0, unsigned y0, unsigned y1)
{
    for (unsigned y = y0; y < y1; ++y)
        for (unsigned x = x0; x < x0 + 200; ++x) {
            const sf::Color c = img.getPixel(x, y);
            if (c.g > 150 && c.b > 150)
                return true;
        }
    return false;
}

class CommandesMessages : public CommandesDe<CSFMLJeu> {
protected:
    void SetUp() override
    {
        CommandesDe<CSFMLJeu>::SetUp();
        jeu->fenetre = new sf::RenderWindow(sf::VideoMode(1280, 720), "messages", sf::Style::None);
        fond = ecrireImage(dossier, "fond.png", 200, 100, sf::Color(255, 0, 0));
        tilde = ecrireImage(dossier, "tilde.png", 30, 20, sf::Color(0, 0, 255));
        boutonB = ecrireImage(dossier, "b.png", 30, 20, sf::Color(255, 255, 0));
        visage = ecrireImage(dossier, "visage.png", 40, 40, sf::Color(0, 255, 0));
        bulle = ecrireImage(dossier, "bulle.png", 400, 150, sf::Color(255, 0, 255));
    }
    // What the window shows, after clearing it and running n frames.
    sf::Image capture(int n = 1)
    {
        sf::RenderWindow& f = *jeu->fenetre;
        f.clear(sf::Color::Black);
        images(n);
        sf::Texture t;
        t.create(f.getSize().x, f.getSize().y);
        t.update(f);
        return t.copyToImage();
    }

    // An animated speaker of three 32 x 32 frames.
    std::string parleur()
    {
        std::ofstream dec(dossier / "parleur.dec");
        dec << "ID=PARLEUR\nPLANCHE=" << ecrireImage(dossier, "planche.png", 96, 32, sf::Color(0, 200, 200))
            << ";\nSPRITE=0;0;3;32;32;0.5;0\n";
        return dossier / "parleur.dec";
    }

    void infos()
    {
        std::ofstream ini(dossier / "infos.ini");
        ini << "IMGINFO=Tilde;" << tilde << "\nIMGINFO=B;" << boutonB << "\n";
        ini.close();
        jeu->lireConfiguration(dossier / "infos.ini", false);
    }

    DansLesDonnees donnees;
    DossierTemp dossier;
    std::string fond, tilde, boutonB, visage, bulle;
};

} // namespace

TEST_F(CommandesMessages, DrawMsgPlacesEtAttente)
{
    infos();
    ASSERT_TRUE(moteur->chargerFondMessage(fond));
    ASSERT_TRUE(moteur->ajouterImageParle("chef", visage));
    CScript* s = lancer("DRAWMSG(chef;Premiere ligne;Deuxieme ligne;Troisieme ligne)\nBASCULE()");
    const sf::Image img = capture();
    EXPECT_TRUE(proche(img.getPixel(370, 140), sf::Color(230, 0, 0))) << "background at (180, 50), alpha 230";
    EXPECT_TRUE(proche(img.getPixel(179, 140), sf::Color::Black)) << "nothing left of it";
    EXPECT_TRUE(proche(img.getPixel(200, 90), sf::Color(0, 255, 0))) << "speaker image at (180, 70)";
    EXPECT_TRUE(proche(img.getPixel(260, 125), sf::Color(0, 0, 255))) << "tilde at (250, 115)";
    const sf::Color jaune(255, 255, 0), bleu(0, 0, 255);
    EXPECT_TRUE(proche(img.getPixel(290, 125), jaune) && !proche(img.getPixel(289, 125), jaune)) << "B at (290, 115)";
    EXPECT_TRUE(proche(img.getPixel(330, 125), bleu) && !proche(img.getPixel(329, 125), bleu))
        << "tilde again at (330, 115), 40 further";
    for (unsigned y : {10u, 45u, 80u})
        EXPECT_TRUE(texteDans(img, 250, y, y + 20)) << "a line at y " << y << ", 35 pixels apart";
    images(20);
    EXPECT_EQ(s->numCmdCour, 0) << "waits for B";
    relacher(&CommandesJoueur::bRelB);
    EXPECT_EQ(s->numCmdCour, 1);
    images(1);
    EXPECT_FALSE(moteur->bMessageAffiche) << "cleared by the next pass";
    EXPECT_TRUE(proche(capture().getPixel(370, 140), sf::Color::Black)) << "the box is gone";
}

TEST_F(CommandesMessages, DrawMsgLocuteurs)
{
    infos();
    CScript* s = lancer("DRAWMSG(B;ligne;;)");
    sf::Image img = capture();
    EXPECT_TRUE(proche(img.getPixel(200, 80), sf::Color(255, 255, 0))) << "an info image as the speaker";
    EXPECT_FALSE(texteDans(img, 250, 45, 100)) << "empty lines are skipped";
    s->numCmdCour = 0;
    s->commandes[0]->arguments[0] = L"inconnu";
    img = capture();
    EXPECT_TRUE(proche(img.getPixel(200, 80), sf::Color::Black)) << "an unknown speaker: no image";

    // An animated speaker placed at the image position.
    ASSERT_TRUE(moteur->ajouterImageParle2("anime", parleur()));
    s->commandes[0]->arguments[0] = L"anime";
    img = capture();
    EXPECT_TRUE(proche(img.getPixel(190, 80), sf::Color(0, 200, 200))) << "animated speaker at (180, 70)";
    EXPECT_FALSE(moteur->ajouterImageParle2("absent", dossier / "absent.dec"));
    EXPECT_FALSE(moteur->ajouterImageParle("absent", dossier / "absent.png"));
    EXPECT_FALSE(moteur->chargerFondMessage(dossier.str())) << "a folder loads nothing";
}

TEST_F(CommandesMessages, LookDuMessage)
{
    moteur->chargerFondMessage(fond);
    CScript* s = lancer("{\nSETMSGBGPOS(500;400)\nSETMSGIMGPOS(10;20)\nSETMSGTXTPOS(30;40)\n"
                        "SETMSGTXTCOLOR(260;-3;0;255)\nSETMSGTXTSTYLE(ITALIC)\nSETMSGTXTSIZE(-5)\n"
                        "SETMSGBG(" + fond + ";2;0.5)\n}\nDRAWMSG(;texte;;)");
    images(1);
    EXPECT_EQ(s->couleurTexte, sf::Color(4, 253, 0, 255)) << "260 gives 4, -3 gives 253";
    EXPECT_EQ(s->nTailleTexte, 1) << "at least 1";
    const sf::Image img = capture();
    EXPECT_TRUE(proche(img.getPixel(880, 440), sf::Color(230, 0, 0))) << "the background scaled by 2 x 0.5";
    EXPECT_TRUE(proche(img.getPixel(880, 460), sf::Color::Black));

    CScript* t = executer("{\nSETMSGTXTSTYLE(BOLDER)\nSETMSGTXTSIZE(100000)\n}\nDRAWMSG(;WWWW;;)");
    EXPECT_EQ(t->nStyleTexte, sf::Text::Regular) << "an unknown style is regular";
    EXPECT_EQ(t->nTailleTexte, 256) << "at most 256";
    capture();  // draws at 256 pixels without trouble
}

TEST_F(CommandesMessages, ParleDureeAuxDeuxTaux)
{
    moteur->chargerBulle(bulle);
    moteur->ajouterImageParle("chef", visage);
    for (const float coeff : {1.0f, 0.5f}) {
        taux(coeff);
        CScript* s = lancer("PARLE(chef;300;Bonjour;;)");
        s->nbRunMax = 2;
        for (int passage = 0; passage < 2; ++passage) {
            EXPECT_EQ(jusquALaFin(s, 200), coeff == 1.0f ? 30 : 60) << coeff << ", pass " << passage;
            images(1);
        }
    }
    taux(1);
    // Places: the bubble at (250, 470), a still portrait at (50, 515) at half size.
    CScript* s = lancer("PARLE(chef;300;Bonjour;;)");
    const sf::Image img = capture();
    EXPECT_TRUE(proche(img.getPixel(640, 600), sf::Color(200, 0, 200))) << "bubble tinted alpha 200";
    EXPECT_TRUE(proche(img.getPixel(249, 600), sf::Color::Black));
    EXPECT_TRUE(proche(img.getPixel(65, 530), sf::Color(0, 255, 0))) << "portrait";
    EXPECT_TRUE(proche(img.getPixel(71, 530), sf::Color::Black)) << "at half size";
    relacher(&CommandesJoueur::bRelB);
    EXPECT_FALSE(s->bEnCours) << "a release of B ends it at once";
}

TEST_F(CommandesMessages, ParleSansFinEtX)
{
    infos();
    moteur->chargerBulle(bulle);
    CScript* s = lancer("PARLE(;-1;Une;Deux;)");
    // Two lines: the "B" picture stands at (350, 500 + 100).
    EXPECT_TRUE(proche(capture().getPixel(360, 610), sf::Color(255, 255, 0))) << "B under the last line";
    images(50);
    EXPECT_TRUE(s->bEnCours) << "-1 waits for B";
    relacher(&CommandesJoueur::bRelB);
    EXPECT_FALSE(s->bEnCours);

    // After a release of X the bubble ends in its first frame without being drawn.
    s = lancer("PARLE(;-1;Une;Deux;)");
    jeu->commandes[0].bRelX = true;
    const sf::Image rien = capture();
    EXPECT_FALSE(s->bEnCours);
    EXPECT_TRUE(proche(rien.getPixel(640, 600), sf::Color::Black)) << "nothing drawn";
}

// A keyboard player (the menus' last input) reads the key Return where the pad's B shows.
TEST_F(CommandesMessages, AuClavierLaToucheEntree)
{
    infos();
    jeu->pMenus = new CJeuMenus();
    lancer("DRAWMSG(;Une;;\"~B : fermer\")");
    const sf::Image img = capture();
    EXPECT_EQ(moteur->textesLignes[2].getString().toWideString(), L"[Entrée] : fermer") << "\"~B\" in a line";
    EXPECT_EQ(moteur->textesLignes[3].getString().toWideString(), L"[Entrée]") << "the prompt";
    EXPECT_TRUE(texteDans(img, 250, 115, 140) && !proche(img.getPixel(300, 125), sf::Color(255, 255, 0)))
        << "the prompt's text in place of the pad's pictures";
    jeu->pMenus->langue = "en_";
    lancer("PARLE(;-1;Une;;)");
    capture();
    EXPECT_EQ(moteur->textesLignes[3].getString().toWideString(), L"[Return]") << "under a bubble without end, in English";
}

TEST_F(CommandesMessages, NoParleDansLesDeuxLangues)
{
    CScript* fr = lancer("PARLE(;-1;fr;;)\nBASCULE()\nBASCULE()");
    CScript* en = moteur->creerScript("", nullptr, declencheur::IMMEDIAT, 1, false, false);
    en->ajouterCommande("PARLE_EN", {L"", L"-1", L"en"});
    en->ajouterCommande("BASCULE", {});
    en->ajouterCommande("BASCULE", {});
    CScript* autre = lancer("PAUSE(100)");
    images(2);
    ASSERT_TRUE(fr->bEnCours && en->bEnCours);
    ASSERT_EQ(fr->numCmdCour, 0);
    executer("NOPARLE()");
    EXPECT_EQ(fr->numCmdCour, 1) << "moved on past PARLE";
    EXPECT_EQ(en->numCmdCour, 1) << "and past PARLE_EN";
    EXPECT_EQ(autre->numCmdCour, 0) << "a script on another command stays";
}

TEST_F(CommandesMessages, RessourcesDeJeuIni)
{
    const std::string boutonA = ecrireImage(dossier, "a.png", 16, 16, sf::Color(255, 128, 0));
    {
        std::ofstream ini(dossier / "jeu.ini");
        ini << "FONDINFO=" << fond << "\nBULLE=" << bulle << "\nIMGPARLE=chef;" << visage
            << "\nIMGPARLE2=anime;" << parleur() << "\nIMGPARLE=absent;" << (dossier / "non.png")
            << "\nIMGINFO=A;" << boutonA << "\nIMGINFO=Tilde;" << tilde << "\n";
    }
    jeu->lireConfiguration(dossier / "jeu.ini", false);
    for (CScriptEngine* e : {jeu->pscriptEngineMenu, jeu->pscriptEngineJeu}) {
        EXPECT_EQ(e->textureFondMessage.getSize(), sf::Vector2u(200, 100));
        EXPECT_EQ(e->textureBulle.getSize(), sf::Vector2u(400, 150));
        ASSERT_EQ(e->imagesParle.count("chef"), 1u);
        EXPECT_EQ(e->imagesParle.count("absent"), 0u);
        ASSERT_EQ(e->spritesParle.count("anime"), 1u);
    }
    EXPECT_NE(jeu->pscriptEngineMenu->imagesParle["chef"].get(), jeu->pscriptEngineJeu->imagesParle["chef"].get())
        << "each engine its own copy";
    // SETMSGBG in one engine leaves the other's background.
    executer("SETMSGBG(" + visage + ";1;1)");
    EXPECT_EQ(jeu->pscriptEngineJeu->textureFondMessage.getSize(), sf::Vector2u(40, 40));
    EXPECT_EQ(jeu->pscriptEngineMenu->textureFondMessage.getSize(), sf::Vector2u(200, 100));

    // IMGINFO: the pad names also give the "~" marker its picture.
    EXPECT_EQ(jeu->imagesInfo.count("A"), 1u);
    ASSERT_EQ(jeu->iconesBoutons.count("A"), 1u);
    EXPECT_NE(jeu->iconesBoutons["A"], jeu->imagesInfo["A"]) << "its own texture";
    EXPECT_EQ(jeu->iconesBoutons.count("Tilde"), 0u);
}

// The shipped resources, as "jeu.ini" names them, all load.
TEST_F(CommandesMessages, RessourcesLivrees)
{
    std::ifstream livre("jeu.ini");
    std::ofstream ini(dossier / "messages.ini");
    for (std::string ligne; std::getline(livre, ligne);)
        for (const char* cle : {"FONDINFO=", "BULLE=", "IMGPARLE=", "IMGPARLE2=", "IMGINFO="})
            if (ligne.rfind(cle, 0) == 0)
                ini << ligne << "\n";
    ini.close();
    jeu->lireConfiguration(dossier / "messages.ini", false);
    EXPECT_GT(moteur->textureFondMessage.getSize().x, 0u);
    EXPECT_GT(moteur->textureBulle.getSize().x, 0u);
    EXPECT_EQ(moteur->imagesParle.count("guide"), 1u);
    EXPECT_EQ(moteur->spritesParle.count("robot"), 1u);
    for (const char* nom : {"Tilde", "A", "B", "X", "Y", "Joy"})
        EXPECT_EQ(jeu->imagesInfo.count(nom), 1u) << nom;
    EXPECT_EQ(jeu->iconesBoutons.size(), 5u);
}

namespace {

// The game's voices under the scripts, the sounds it plays recorded.
class SonsDesScripts : public CommandesDe<CSFMLJeu> {
protected:
    void SetUp() override
    {
        CommandesDe<CSFMLJeu>::SetUp();
        jeu->espionSons = [this](const std::string& nom) { sons.push_back(nom); };
    }
    int compterSons(const std::string& nom) const { return static_cast<int>(std::count(sons.begin(), sons.end(), nom)); }

    std::vector<std::string> sons;
};

// The scene drawn through the screen effects into a small window.
class EffetEcran : public CommandesDe<CSFMLJeu> {
protected:
    void SetUp() override
    {
        CommandesDe<CSFMLJeu>::SetUp();
        if (!sf::Shader::isAvailable())
            GTEST_SKIP() << "no shaders here";
        jeu->fenetre = new sf::RenderWindow(sf::VideoMode(64, 64), "effet", sf::Style::None);
        jeu->pShaderManager = new CShaderManager();
        jeu->pShaderManager->dossier = TUV_SHADERS_TEST_DIR;
        jeu->bUseShader = true;
        scene.create(64, 64);
        scene.clear(sf::Color(0, 0, 255));
        scene.display();
        e0 = sprite(0, 0);
        e0->strID = "effet0";
        e0->strShaderFrag = "effet_test.frag";
        e1 = sprite(0, 0);
        e1->strID = "effet1";
        e1->strShaderFrag = "effet_test.frag";
    }
    sf::Color pixel()
    {
        jeu->fenetre->clear(sf::Color::Black);
        jeu->afficherScene(scene);
        sf::Texture t;
        t.create(64, 64);
        t.update(*jeu->fenetre);
        return t.copyToImage().getPixel(32, 32);
    }

    static bool proche(sf::Color a, sf::Color b)
    {
        return std::abs(a.r - b.r) <= 2 && std::abs(a.g - b.g) <= 2 && std::abs(a.b - b.b) <= 2;
    }

    sf::RenderTexture scene;
    CSPRITE* e0 = nullptr;
    CSPRITE* e1 = nullptr;
};

} // namespace

TEST_F(SonsDesScripts, ModesDePlaySon)
{
    // The modes of PLAYSON on a sound that lasts a few seconds: times played, playing (2).
    std::vector<sf::Int16> echantillons(22050 * 4, 1000);
    jeu->buffersSons["BIP"].loadFromSamples(echantillons.data(), echantillons.size(), 1, 22050);
    const struct {
        const char* commande;
        int joues, enCours;
    } cas[] = {
        {"PLAYSON(BIP;1)", 1, 2},
        {"PLAYSON(BIP;1)", 1, 2},   // mode 1 leaves a playing sound alone
        {"PLAYSON(BIP;-1)", 1, 0},  // -1 stops
        {"PLAYSON(BIP;5)", 2, 2},   // other modes: again from the start
    };
    for (const auto& c : cas) {
        executer(c.commande);
        EXPECT_EQ(compterSons("BIP"), c.joues) << c.commande;
        EXPECT_EQ(jeu->sonEnCours("BIP"), c.enCours) << c.commande;
    }
    executer("PLAYSON(BIP;2)");
    EXPECT_TRUE(jeu->voixSons.voixDe("BIP")->getLoop()) << "mode 2 loops";
    executer("PLAYSON(ABSENT;2)");
    EXPECT_EQ(jeu->sonEnCours("ABSENT"), 0);
    jeu->arreterSons();
}

TEST_F(EffetEcran, SceneATraversLeShader)
{
    EXPECT_EQ(pixel(), sf::Color(0, 0, 255)) << "no effect: the plain copy";
    executer("{\nINITSHADERGLOBAL(effet0;1;200;0;0;1;0;3)\n}");
    EXPECT_TRUE(proche(pixel(), sf::Color(200, 0, 255))) << "mode 1 writes red";
    EXPECT_NE(jeu->shaderEcran, nullptr);
    jeu->bUseShader = false;
    EXPECT_EQ(pixel(), sf::Color(0, 0, 255)) << "USESHADER off";
    EXPECT_EQ(jeu->shaderEcran, nullptr);
    jeu->bUseShader = true;
    // Both slots: slot 0's pass first, slot 1's over it.
    executer("{\nINITSHADERGLOBAL(effet1;1;0;0;0;0;1;-1)\n}");
    EXPECT_TRUE(proche(pixel(), sf::Color(255, 200, 0))) << "(200, 0, 255) turned round";
    // Lives run out: e0 had 3 frames, e1 has no end.
    for (int i = 0; i < 3; ++i)
        jeu->decompterEffetsEcran();
    EXPECT_EQ(jeu->effetsEcran[0], nullptr);
    EXPECT_EQ(jeu->effetsEcran[1], e1);
    EXPECT_EQ(pixel(), sf::Color(255, 0, 0)) << "slot 1 alone turns blue round";
    // A shader that does not load: the plain copy.
    e1->strShaderFrag = "casse.frag";
    EXPECT_EQ(pixel(), sf::Color(0, 0, 255));
    e1->strShaderFrag = "absent.frag";
    EXPECT_EQ(pixel(), sf::Color(0, 0, 255));
    // The level frees the slot's sprite: the slot is emptied first.
    e1->strShaderFrag = "effet_test.frag";
    decor->detacherSD(e1);
    EXPECT_EQ(jeu->effetsEcran[1], nullptr);
}
