// The character: construction, construction from a model, weapon slots, freeing, and the
// checked references to characters.
#include "OutilsPersos.h"

#include "core/Dec.h"
#include "core/Particules.h"
#include "core/Sprite.h"
#include "core/SpriteSimple.h"
#include "level/MenuImage.h"

#include <algorithm>
#include <new>
#include <set>

namespace {

// Every object a character owns, its children's included.
void possessions(const CPerso& p, std::set<const void*>& s)
{
    for (const void* o : {static_cast<const void*>(p.sprite), static_cast<const void*>(p.spriteEsprit),
                          static_cast<const void*>(p.spriteSimple), static_cast<const void*>(p.spriteBouclier),
                          static_cast<const void*>(p.menuPerso), static_cast<const void*>(p.particuleTouche),
                          static_cast<const void*>(p.particuleMort), static_cast<const void*>(p.particuleFin),
                          static_cast<const void*>(p.particuleLien)})
        if (o)
            s.insert(o);
    for (const SlotArme* slot : p.armes)
        s.insert(slot);
    for (const CPerso* e : p.enfants)
        if (e) {
            s.insert(e);
            possessions(*e, s);
        }
}

class PersoTest : public PersosTest {};

TEST_F(PersoTest, ACopyTakesTheModelsSettingsAndOwnsFreshObjects)
{
    auto modele = std::make_unique<CPerso>();
    CPerso autre;
    CDEC banque;
    CPerso& m = *modele;
    // Copied settings, and fields a copy does not take.
    m.animSautAsc[1] = 61;
    m.animSautAsc[2] = 99;  // a 30-degree jump entry: no key sets it, a copy keeps 0
    m.vie = 55;
    m.pPersoDetecte = &autre;
    m.tourelle = &autre;
    m.bTourelle = true;
    m.porteur = &autre;
    m.compteurTouche = 40;
    m.bDel = true;
    m.dernierAttaquant = &autre;
    m.angleVisee = 45;
    m.messages.push_back(new MessagePerso{10, 5, 0, 0, 0, "aie"});
    // Two slots, four emitters, a shield bank and a child with a child of its own.
    for (int i = 0; i < 2; ++i) {
        auto* s = new SlotArme();
        s->numero = 3 + i;
        s->munitions = 7 * i;
        s->positionsTir[4][1] = -12;
        m.armes.push_back(s);
    }
    m.nbarmesperso = 2;
    for (CParticules** e : {&m.particuleTouche, &m.particuleMort, &m.particuleFin, &m.particuleLien}) {
        *e = new CParticules();
        (*e)->bAttache = true;
        (*e)->pElementAttache = m.sprite;
    }
    m.spriteBouclier->pDEC = &banque;
    m.spriteBouclier->setOrigine(10.7f, -3.2f);
    m.spriteBouclier->setScale(2, 3);
    m.spriteSimple->setDEC(&banque);
    auto* enfant = new CPerso();
    auto* petit = new CPerso();
    enfant->enfants.push_back(petit);
    enfant->nbEnfants = 1;
    petit->porteur = enfant;
    enfant->porteur = &m;
    enfant->particuleMort = new CParticules();
    m.enfants.push_back(enfant);
    m.nbEnfants = 1;

    auto copie = std::make_unique<CPerso>(m);
    const CPerso& c = *copie;
    EXPECT_EQ(c.animSautAsc[1], 61);
    EXPECT_EQ(c.animSautAsc[2], 0) << "jump entries without a key take their default";
    EXPECT_EQ(c.vie, 55);
    EXPECT_EQ(c.pPersoDetecte, &autre);
    EXPECT_EQ(c.tourelle, nullptr) << "a copy never controls the model's turret";
    EXPECT_FALSE(c.bTourelle);
    EXPECT_EQ(c.porteur, nullptr) << "a top-level copy has no carrier";
    EXPECT_EQ(c.compteurTouche, -1) << "a copy starts unhurt";
    EXPECT_FALSE(c.bDel);
    EXPECT_EQ(c.dernierAttaquant, nullptr);
    EXPECT_EQ(c.angleVisee, -1.0f) << "a copy's free aim is unset whatever the model's";
    EXPECT_TRUE(c.messages.empty());

    ASSERT_EQ(c.armes.size(), 2u);
    EXPECT_EQ(c.armes[1]->positionsTir[4][1], -12);
    for (CParticules* e : {c.particuleTouche, c.particuleMort, c.particuleFin, c.particuleLien}) {
        ASSERT_NE(e, nullptr);
        EXPECT_TRUE(e->bAttache);
        EXPECT_EQ(e->pElementAttache, c.sprite) << "a copied emitter follows the copy's sprite";
    }
    EXPECT_EQ(sf::Vector2f(c.spriteBouclier->getSX(), c.spriteBouclier->getSY()), sf::Vector2f(2, 3));

    ASSERT_EQ(c.enfants.size(), 1u);
    ASSERT_NE(c.enfants[0], nullptr);
    EXPECT_EQ(c.enfants[0]->porteur, copie.get()) << "a copied child is carried by its new parent";
    ASSERT_EQ(c.enfants[0]->enfants.size(), 1u);
    EXPECT_EQ(c.enfants[0]->enfants[0]->porteur, c.enfants[0]);
    EXPECT_NE(c.enfants[0]->particuleMort, nullptr);

    std::set<const void*> aModele, aCopie;
    possessions(m, aModele);
    possessions(c, aCopie);
    for (const void* o : aCopie)
        EXPECT_EQ(aModele.count(o), 0u) << "the copy shares an owned object with its model";

    // The model goes first: the copy must not depend on it.
    modele.reset();
    EXPECT_EQ(c.enfants[0]->enfants[0]->porteur, c.enfants[0]);
    copie.reset();
}

TEST_F(PersoTest, AModelWithoutSlotsOrEmitters)
{
    CPerso m;
    const CPerso c(m);
    EXPECT_TRUE(c.armes.empty());
    for (const CParticules* e : {c.particuleTouche, c.particuleMort, c.particuleFin, c.particuleLien})
        EXPECT_EQ(e, nullptr);
    EXPECT_EQ(c.spriteSimple, nullptr) << "no definition to bind the light sprite to";
}

TEST_F(PersoTest, CopierArmesScalesFiringPositionsAndTakesTheListsAmmunition)
{
    armesSimples(3);
    CPersoDef def;
    def.ajouterArme(2, true, 4, 5);
    def.ajouterArme(9, false, 0, 0);  // not in the list
    def.ajouterArme(-1, false, 0, 0);
    const int positions[][2] = {{3, 5}, {-3, -5}, {7, 0}};
    for (int i = 0; i < 3; ++i) {
        def.armes[0]->positionsTir[i][0] = positions[i][0];
        def.armes[0]->positionsTir[i][1] = positions[i][1];
    }
    CPerso p;
    p.sprite->setScale(1.5f, 0.5f);
    EXPECT_TRUE(p.copierArmes(def));
    ASSERT_EQ(p.armes.size(), 3u);
    const SlotArme& s = *p.armes[0];
    EXPECT_EQ(s.munitions, 30) << "the weapon list's full load";
    EXPECT_EQ(s.cadence, 4);
    // Truncated toward zero: 4.5 -> 4, -4.5 -> -4, 2.5 -> 2, -2.5 -> -2.
    const int attendues[][2] = {{4, 2}, {-4, -2}, {10, 0}};
    for (int i = 0; i < 3; ++i)
        EXPECT_EQ(sf::Vector2i(s.positionsTir[i][0], s.positionsTir[i][1]),
                  sf::Vector2i(attendues[i][0], attendues[i][1])) << "position " << i;
    for (int i : {1, 2}) {
        EXPECT_EQ(p.armes[i]->munitions, 0) << "weapon " << p.armes[i]->numero << " is not in the list";
        EXPECT_EQ(p.armes[i]->cadence, 0);
    }
}

TEST_F(PersoTest, ReferencesReadNullOnceTheCharacterIsGone)
{
    alignas(CPerso) unsigned char zone[sizeof(CPerso)];
    CPerso* a = new (zone) CPerso();
    CPerso victime;
    victime.dernierAttaquant = a;
    jeu->pPerso = a;
    jeu->pPersoSelection = a;
    jeu->persosMorts.push_back(a);
    RefPerso copie = victime.dernierAttaquant;
    EXPECT_EQ(victime.dernierAttaquant, a);
    EXPECT_TRUE(copie == jeu->pPerso);
    EXPECT_EQ(jeu->pPerso->vie, 100) << "-> reaches the character";
    a->~CPerso();
    EXPECT_EQ(victime.dernierAttaquant, nullptr);
    EXPECT_EQ(jeu->pPerso, nullptr);
    EXPECT_EQ(jeu->pPersoSelection, nullptr);
    EXPECT_FALSE(copie);
    EXPECT_TRUE(jeu->persosMorts.empty()) << "a freed character leaves the list of eliminated players";

    // A new character at the very same address is not the one that was referred to.
    CPerso* b = new (zone) CPerso();
    ASSERT_EQ(static_cast<void*>(b), static_cast<void*>(a));
    EXPECT_EQ(victime.dernierAttaquant, nullptr);
    EXPECT_EQ(jeu->pPerso, nullptr);
    jeu->pPerso = b;
    EXPECT_EQ(jeu->pPerso, b);
    CPerso* brut = jeu->pPerso;  // the landed code reads it as a plain pointer
    EXPECT_EQ(brut, b);
    b->~CPerso();
    EXPECT_EQ(jeu->pPerso, nullptr);
}

TEST_F(PersoTest, AMissingFontIsSaidOncePerRun)
{
    const std::string attendu = "Erreur !|Impossible de charger la police !";
    {
        CPerso a, b;
        EXPECT_EQ(std::count(messages.begin(), messages.end(), attendu), 1);
        EXPECT_EQ(a.texte.getFont(), nullptr);
        // A copy never says it, even once the run's report is reset.
        CPerso::libererRessourcesPartagees();
        messages.clear();
        CPerso c(a);
        EXPECT_EQ(std::count(messages.begin(), messages.end(), attendu), 0);
    }
    avecPolices();
    CPerso::libererRessourcesPartagees();
    messages.clear();
    CPerso d;
    EXPECT_EQ(std::count(messages.begin(), messages.end(), attendu), 0);
    ASSERT_NE(d.texte.getFont(), nullptr);
    EXPECT_NE(d.texteFeu.getFont(), nullptr);
    EXPECT_EQ(d.texte.getCharacterSize(), 14u);
    EXPECT_EQ(d.texte.getString().toAnsiString(), "*");
}

TEST_F(PersoTest, SharedFilesAreReadOnce)
{
    avecPolices();
    std::filesystem::create_directories("menus");
    feuille("menus/menusperso.png", 320, 32);
    const std::filesystem::path donnees = dossierDonnees();
    for (const char* f : {"zeph_esprit.anm", "zeph_esprit.png"})
        std::filesystem::copy_file(donnees / f, f);
    CPerso modele;
    ASSERT_GE(modele.spriteEsprit->getNbAnimations(), 4) << "the shipped spirit has animations 0 to 3";
    EXPECT_NE(modele.spriteEsprit->getOrigineGlobale(0), sf::Vector2f(0, 0));
    EXPECT_TRUE(modele.spriteEsprit->bPlay);
    // Once read, the files are not needed any more: copies and new characters share them.
    for (const char* f : {"zeph_esprit.anm", "menus/menusperso.png", "polices/arial.ttf"})
        std::filesystem::remove(f);
    const CPerso copie(modele);
    CPerso nouveau;
    for (const CPerso* p : {&copie, static_cast<const CPerso*>(&nouveau)}) {
        EXPECT_EQ(p->spriteEsprit->getNbAnimations(), modele.spriteEsprit->getNbAnimations());
        ASSERT_NE(p->menuPerso, nullptr);
        EXPECT_EQ(p->menuPerso->sprite.getTexture(), modele.menuPerso->sprite.getTexture())
            << "every icon menu shows the one shared image";
        EXPECT_EQ(p->policeTexte, modele.policeTexte);
    }
    EXPECT_TRUE(messages.empty());
}

} // namespace
