// The shipped data set: every rule of the checker over data/, the behaviours the levels
// must show between them, and no way out of a level but death.
#include "donnees/Verificateur.h"
#include "support/PiloteJeu.h"

#include "characters/EtatsPerso.h"
#include "characters/IABehaviours.h"
#include "characters/Perso.h"
#include "core/ForceSD.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "level/Vue.h"
#include "menus/JeuMenus.h"
#include "script/ScriptEngine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>
#include <map>
#include <set>
#include <string>

namespace {

std::string dossierDonnees()
{
    const char* d = std::getenv("TUV_DATA_DIR");
    return d ? d : "data";
}

// The hero alive again and dropped at (x, y), then frames of that command without drawing;
// a fall below the level's bottom kills as in the game's frame.
void lacher(CSFMLJeu& j, CPerso& heros, float x, float y, const CommandesJoueur& commande, int images)
{
    j.pdecor->ranimerPerso(&heros, heros.armeCourante);
    heros.sprite->x = x;
    heros.sprite->y = y;
    heros.setEtat(EtatPerso::CHUTE);
    for (int i = 0; i < images && heros.vie > 0; ++i) {
        heros.appliquerCommandes(commande);
        j.pdecor->tuerPersosTombes();
    }
}

// Every shipped level in turn, loaded into the game's own world.
template <class F>
void pourChaqueNiveau(CSFMLJeu& j, F f)
{
    for (const auto& e : std::filesystem::recursive_directory_iterator("niveaux")) {
        if (e.path().extension() != ".niv")
            continue;
        const std::string niveau = "./" + e.path().string();
        j.pdecor = j.pdecorJeu;
        j.pdecor->chargerNiveau(niveau, 1);
        f(niveau, e.path());
    }
}

} // namespace

TEST(Donnees, LeDossierSuitSesFormats)
{
    donnees::Verificateur v(dossierDonnees());
    v.verifier();
    std::string liste;
    for (const std::string& e : v.erreurs())
        liste += e + "\n";
    EXPECT_TRUE(v.erreurs().empty()) << v.erreurs().size() << " faults in " << dossierDonnees() << ":\n" << liste;
}

// Between them the levels show every behaviour of the decor, four weather effects and the
// script commands a player meets.
TEST(Donnees, LesNiveauxMontrentChaqueComportement)
{
    donnees::Verificateur v(dossierDonnees());
    v.verifier();
    const std::map<std::string, int>& c = v.comportements();
    auto nombre = [&](const std::string& nom) {
        const auto it = c.find(nom);
        return it == c.end() ? 0 : it->second;
    };
    for (const char* nom : {"bascule", "effondrement", "rebond", "glisse", "particules", "destruction", "KPG",
                            "CHEMINSIMPLE", "FORCESD", "PARTICULESD", "CHECKPOINT", "FONTAINEDARMES", "PORTE_ONOFF",
                            "PADSOTOLITE", "INVERTOLITE", "IA", "DRAWMSG", "DRAWMSG_EN", "PARLE", "PARLE_EN",
                            "VIBRATION", "IAEXIT", "son de decor", "objet"})
        EXPECT_GT(nombre(nom), 0) << "no shipped level has " << nom;
    int meteo = 0;
    for (const char* effet : {"pluie", "neige", "lucioles", "brouillard", "nuages", "etoiles", "nuagepoussiere", "orage"})
        meteo += nombre(effet) > 0;
    EXPECT_GE(meteo, 4) << "weather effects used by the levels";
}

// Every shipped level, frames of its hero's commands without drawing: dropped onto each
// platform, or onto ground just above the level's bottom, he stands on it, and its ground has
// no crack he would fall through; dropped near
// each edge walking out, or below the bottom, he is stopped by a wall within the level or dies;
// dropped anywhere over a hurting decor (the cave's spikes) and ending among it, not on the
// walls around, he is hurt.
TEST(Donnees, NiSortieNiRepitDansLesNiveaux)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    j.mode = 1;
    int parmiLesPiques = 0;
    pourChaqueNiveau(j, [&](const std::string& niveau, const std::filesystem::path&) {
        if (j.typeJeu == 2) {  // the players' teams come with the round
            j.pMenus->strFichierNiveau = j.pMenus->strNiveauCharge = niveau;
            j.pMenus->lancerPartieMulti(true, false, false, false, false, false);
        }
        CPerso* heros = j.pdecor->persos.empty() ? nullptr : j.pPerso;
        if (!heros || !heros->sprite)
            return;  // the menus' backdrop
        const auto& plan = j.pdecor->pPlans[2]->sprites;
        for (CSPRITE* sd : plan) {
            const sf::FloatRect boite = sd->getBoite();
            // A platform holds the hero whatever the height he falls from (a fall probes every
            // 8 pixels).
            for (int d = 0; sd->collision == 3 && d < 8; ++d) {
                lacher(j, *heros, boite.left + boite.width / 2, boite.top - 60 - static_cast<float>(d), {}, 40);
                EXPECT_LT(heros->sprite->y, boite.top + boite.height)
                    << niveau << ": through the platform at x = " << boite.left << ", from 60 + " << d;
            }
            // A collapsing bridge that goes on from the ground at one of its ends is walked onto
            // from there, not into a notch under its end that only a jump leaves.
            constexpr float MARCHE = 16;  // the heroes' highest stair (MAX_ESCALIER)
            for (int sens = 1; sd->pPhysE && sens >= -1; sens -= 2) {
                const float bout = sens > 0 ? boite.left : boite.left + boite.width;
                lacher(j, *heros, bout - 40 * static_cast<float>(sens), boite.top - 60, {}, 30);
                if (heros->vie <= 0 || std::abs(heros->sprite->y - boite.top) > MARCHE)
                    continue;  // no ground level with it there
                heros->setEtat(EtatPerso::ARRET);  // landed: the landing's end comes with its drawing
                CommandesJoueur marche{};
                (sens > 0 ? marche.bDroite : marche.bGauche) = true;
                for (int i = 0; i < 20 && heros->vie > 0; ++i)
                    heros->appliquerCommandes(marche);
                const float x = heros->sprite->x, y = heros->sprite->y;
                EXPECT_TRUE(y <= boite.top + MARCHE && (x - bout) * static_cast<float>(sens) > 10)
                    << niveau << ": walking onto the bridge at (" << bout << ", " << boite.top << "), the hero stops at ("
                    << x << ", " << y << ")";
            }
            // Ground just above the level's bottom holds the hero as any other.
            const bool fond = sd->collision == 1 && static_cast<float>(j.pdecor->tailleJeuY) - boite.top < 40;
            for (int d = 0; fond && d < 8; ++d) {
                lacher(j, *heros, boite.left + boite.width / 2, boite.top - 100 - static_cast<float>(d), {}, 40);
                EXPECT_GT(heros->vie, 0) << niveau << ": dies on the ground at (" << heros->sprite->x << ", "
                                         << heros->sprite->y << ")";
            }
            // Two pieces of ground with a crack between them narrower than a body.
            for (CSPRITE* autre : plan) {
                const sf::FloatRect b = autre->getBoite();
                const float fente = b.left - (boite.left + boite.width);
                EXPECT_FALSE(sd->collision == 1 && autre->collision == 1 && fente > 0 && fente < 32 &&
                             std::abs(b.top - boite.top) < 32)
                    << niveau << ": a crack of " << fente << " pixels at x = " << b.left;
            }
        }
        const float l = static_cast<float>(j.pdecor->tailleJeuX), h = static_cast<float>(j.pdecor->tailleJeuY);
        struct Cas { float x, y; bool droite; } cas[] = {
            {40, h / 4, false}, {40, h / 2, false}, {l - 40, h / 4, true}, {l - 40, h / 2, true}, {l / 2, h + 20, true}};
        for (const Cas& c : cas) {
            CommandesJoueur marche{};
            (c.droite ? marche.bDroite : marche.bGauche) = true;
            lacher(j, *heros, c.x, c.y, marche, 300);
            const float x = heros->sprite->x, y = heros->sprite->y;
            EXPECT_TRUE(heros->vie <= 0 || (x >= 0 && x <= l && y <= h))
                << niveau << ": from (" << c.x << ", " << c.y << ") the hero is out at (" << x << ", " << y << ")";
        }
        for (CSPRITE* sd : plan) {
            const sf::FloatRect boite = sd->getBoite();
            for (float x = boite.left - 8; sd->collision == 4 && x < boite.left + boite.width + 8; ++x) {
                lacher(j, *heros, x, boite.top - 100, CommandesJoueur{}, 40);
                if (heros->sprite->y > boite.top && ++parmiLesPiques) {
                    EXPECT_LT(heros->vie, heros->vieMax) << niveau << ": unhurt among the spikes at ("
                                                         << heros->sprite->x << ", " << heros->sprite->y << ")";
                }
            }
        }
    });
    EXPECT_GT(parmiLesPiques, 400) << "drops that ended among the spikes (some end on moving platforms)";
}

// Every AI a shipped level lists is made, and one that starts on the ground is still on it
// after walking a while in view (none walks on over a pit).
TEST(Donnees, LesIAMarchentSurLeSol)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    j.mode = 1;
    pourChaqueNiveau(j, [&](const std::string& niveau, const std::filesystem::path& chemin) {
        const std::string texte = lireTexte(chemin);
        size_t lignes = 0;
        for (size_t i = texte.find("\nIA="); i != std::string::npos; i = texte.find("\nIA=", i + 1))
            ++lignes;
        EXPECT_EQ(j.pdecor->ias.size(), lignes) << niveau << ": an AI of the file is missing";
        auto auSol = [&](const CPerso& ia) {
            for (float k = 0; k < 12; ++k)
                if (j.pdecor->estCollision(nullptr, ia.sprite->x, ia.sprite->y + k, ia.sprite->x, ia.sprite->y + k))
                    return true;
            return ia.vie <= 0 || ia.bDel;
        };
        for (CPerso* ia : j.pdecor->ias) {
            bool sol = ia && ia->sprite && auSol(*ia);
            for (int i = 0; sol && i < 300; ++i) {
                j.pvue->x = ia->sprite->x - j.pvue->largeur / 2;
                j.pIABehaviours->majIA();
                sol = auSol(*ia);
                EXPECT_TRUE(sol) << niveau << ": " << ia->id << " walks in the air at (" << ia->sprite->x << ", "
                                 << ia->sprite->y << ")";
            }
        }
    });
}

// Every force zone that blows upwards lifts a hero who stands still at its foot: the push must
// beat his own fall, or he stays on the ground landing again and again. Within three seconds
// his feet are in the upper half of the zone.
TEST(Donnees, UnCourantMontantSouleveLeHeros)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    j.mode = 1;
    int courants = 0;
    for (const auto& e : std::filesystem::recursive_directory_iterator("niveaux")) {
        if (e.path().extension() != ".niv" || lireTexte(e.path()).find("\nFORCESD=") == std::string::npos)
            continue;
        const std::string niveau = "./" + e.path().string();
        j.pdecor = j.pdecorJeu;
        j.pdecor->chargerNiveau(niveau, 1);
        CPerso* heros = j.pdecor->persos.empty() ? nullptr : j.pPerso;
        for (CSPRITE* sd : j.pdecor->pPlans[2]->sprites) {
            if (!heros || !sd->pForce || sd->pForce->ForceY >= 0)
                continue;
            ++courants;
            const sf::FloatRect zone = sd->getBoite();
            lacher(j, *heros, zone.left + zone.width / 2, zone.top + zone.height - 40, {}, 1);
            float plusHaut = heros->sprite->y;
            for (int i = 0; i < 90; ++i) {
                p.image();
                plusHaut = std::min(plusHaut, heros->sprite->y);
            }
            EXPECT_LT(plusHaut, zone.top + zone.height / 2)
                << niveau << ": the zone at x = " << zone.left << " lifts the hero only to y = " << plusHaut;
        }
    }
    EXPECT_GT(courants, 0) << "no level has a rising air current";
}

// A character whose weapon is empty has the rabbit drawn at his feet, placed by its own origin
// on the character's: it sits on his ground line beside his hit box, not over his legs (it
// once hid them, and a hero out of ammunition seemed to stand on a white block).
TEST(Donnees, LeLapinDUneArmeVideEstACoteDesJambes)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    ASSERT_NE(j.pAnimLapin, nullptr);
    j.pdecor = j.pdecorJeu;
    j.pdecor->chargerNiveau("./niveaux/aventure01/niveau.niv", 1);
    ASSERT_NE(j.pPerso, nullptr);
    const CSPRITE3& h = *j.pPerso->sprite;
    const sf::FloatRect boite = h.getRectHitbox(h.getAnimation());
    const sf::Vector2f o = h.getOrigineGlobaleCourante(), l = j.pAnimLapin->getOrigineGlobaleCourante();
    sf::FloatRect lapin;
    j.pAnimLapin->getRectGlobal(lapin, 0);  // its one animation
    // Both from the hero's feet, in level pixels; the rabbit is drawn at scale 1.
    const float sx = h.getSX(), sy = h.getSY();
    const float gauche = (boite.left - o.x) * sx, droite = (boite.left + boite.width - o.x) * sx;
    const float lapinGauche = -l.x * sx, lapinBas = -l.y * sy + lapin.height;
    EXPECT_TRUE(lapinGauche + lapin.width <= gauche || lapinGauche >= droite)
        << "the rabbit spans " << lapinGauche << " to " << lapinGauche + lapin.width << ", the hero " << gauche
        << " to " << droite;
    EXPECT_GT(lapinGauche + lapin.width, gauche - 12) << "the rabbit stays by the hero";
    EXPECT_NEAR(lapinBas, (boite.top + boite.height - o.y) * sy, 2) << "the rabbit on the hero's ground line";
}

namespace {

// The level started as a game of that kind starts it: a two-player game from its options
// screen, the others by a restart with their players (an arena's: a two-player hero). Its
// first player, shown as his arrival would.
CPerso& demarrerEnType(CSFMLJeu& j, const std::string& niveau, int type)
{
    j.typeJeu = type;
    if (type == 2) {
        j.pMenus->strFichierNiveau = j.pMenus->strNiveauCharge = niveau;
        j.pMenus->lancerPartieMulti(true, false, false, false, false, false);
    } else {
        if (j.pdecor->persos.empty())
            j.pdecor->persos.push_back(new CPerso(*j.persosPrecharges[0]));
        j.pdecor->demarrerNiveau(1);
    }
    CPerso& h = *j.pdecor->persos.front();
    h.sprite->bVisible = true;
    return h;
}

} // namespace

// Every weapon fountain of the shipped levels, in each kind of game, gives the weapon it shows,
// ticked in the options' row and in a slot of the players. After a start that drew weapon 4,
// nothing ticked leaves it dark and giving nothing; weapon 2 alone shows and gives 2; weapon 7
// alone is past the adventure hero's five slots: his fountains stay dark.
TEST(Donnees, UneFontaineNeDonneQueLArmeCocheeQuElleMontre)
{
    PiloteJeu p;
    ASSERT_TRUE(p.demarrer());
    CSFMLJeu& j = *p.jeu;
    j.pMenus->selectionnerDecor(true);
    j.mode = 1;
    int vues = 0;
    pourChaqueNiveau(j, [&](const std::string& niveau, const std::filesystem::path&) {
        for (int type : {0, 1, 2})
            for (int cochee : {3, -1, 1, 6}) {
                std::fill(std::begin(j.armesFontaine), std::end(j.armesFontaine), 0);
                if (cochee >= 0)
                    j.armesFontaine[cochee] = 1;
                CPerso& h = demarrerEnType(j, niveau, type);
                const int arme = cochee < h.nbSlots() ? cochee : -1;
                const std::string cas = niveau + ", game type " + std::to_string(type) + ", " +
                                        (cochee < 0 ? "no weapon" : "weapon " + std::to_string(cochee + 1) + " alone");
                std::set<CSPRITE*> fontaines;
                for (const auto& s : j.pscriptEngine->scripts)
                    for (const auto& c : s->commandes)
                        if (c->strMotCle == "FONTAINEDARMES" && s->pSD)
                            fontaines.insert(s->pSD);
                for (CSPRITE* f : fontaines) {
                    ++vues;
                    const auto& o = f->overs["FONTAINEDARMES_ARME"];
                    const std::string montree = o.bVisible ? o.fichier : "";
                    const std::string attendue = arme >= 0 ? "ARME" + std::to_string(arme + 1) : "";
                    EXPECT_TRUE(f->getNumAnim() == (arme >= 0 ? 0 : 1) && montree == attendue)
                        << cas << ": shows «" << montree << "», animation " << f->getNumAnim();
                    const int tenue = h.armeCourante;
                    h.sprite->x = f->x;
                    h.sprite->y = f->y;
                    for (int i = 0; i < 5; ++i)  // standing on it: its take script fires, then runs
                        j.pscriptEngine->lancerScripts();
                    EXPECT_EQ(f->getNumAnim(), 1) << cas << ": taken, or dark";
                    EXPECT_TRUE(arme >= 0 ? h.armeCourante == arme && h.armes[static_cast<size_t>(arme)]->bPossedee
                                          : h.armeCourante == tenue)
                        << cas << ": holds weapon " << h.armeCourante + 1;
                }
            }
    });
    EXPECT_GE(vues, 5 * 3 * 4) << "the five fountains of the shipped levels, in three kinds of game, four times";
}
