// The inventory of found objects: its file, finds, use and removal, and the discovery message's
// lifetime at both frame rates.
#include "OutilsPersos.h"

#include "characters/Inventaire.h"
#include "core/Dec.h"
#include "core/FichierDec.h"
#include "core/Sprite.h"

#include <SFML/Graphics/RenderTexture.hpp>

namespace {

const char* const INVENTAIRE = "CAT=0;Nourriture\n"
                               "# a comment\n"
                               "MESSAGE_DECOUVERTE=Objet trouvé !\n"
                               "CAT=7;Soins\n"
                               "OBJ=BONMIAM;0;Bon miam;Un gâteau;./objets/bonmiam.dec\n"
                               "OBJ=MOUSSE;1;Mousse;Elle soigne;\n"
                               "OBJ=PERDU;5;Perdu;Sans catégorie;\n"
                               "OBJ=POMME;0;Pomme;Croquante;\n"
                               "OBJ=POMME;0;Pomme verte;Acide;\n"
                               "CAT_EN=0;Food\nCAT_EN=9;Nowhere\nOBJ_EN=POMME;Green apple;Sour\n"
                               "INCONNU=1;2\n";

class Inventaire : public PersosTest {
protected:
    void SetUp() override
    {
        PersosTest::SetUp();
        std::filesystem::create_directories("objets");
        ecrireTexte("objets/inventaire.inv", INVENTAIRE);
        feuille("objets/trouve.png", 40, 40, sf::Color::Red);
        ecrireTexte("objets/trouve.dec", "ID=TROUVE\nPLANCHE=./objets/trouve.png;\nSPRITE=0;0;1;40;40;0;0\n");
        feuille("objets/bonmiam.png", 30, 30, sf::Color::Blue);
        ecrireTexte("objets/bonmiam.dec", "ID=BONMIAM\nPLANCHE=./objets/bonmiam.png;\nSPRITE=0;0;1;30;30;0;0\n");
        std::filesystem::create_directories("polices");
        std::filesystem::copy_file(dossierDonnees() / "polices" / "SF_Minced_Meat.ttf", "polices/SF_Minced_Meat.ttf");
        g_services.framerateCoeff = [this] { return coeff; };
    }
    void TearDown() override
    {
        banques.clear();  // while the definition hooks are the game's
        PersosTest::TearDown();
    }
    // A decor sprite whose definition has that id.
    std::unique_ptr<CSPRITE> objet(const std::string& id)
    {
        auto b = std::make_unique<CDEC>();
        b->nom = id;
        b->pFichierDEC->id = id;
        auto sd = std::make_unique<CSPRITE>();
        sd->pDEC = b.get();
        banques.push_back(std::move(b));
        return sd;
    }
    float coeff = 1.0f;
    std::vector<std::unique_ptr<CDEC>> banques;
};

TEST_F(Inventaire, LectureDuFichier)
{
    CInventaire inv;
    ASSERT_EQ(inv.categories.size(), 2u);
    EXPECT_EQ(inv.categories[1], L"Soins") << "numbered by order, the CAT value unused";
    EXPECT_EQ(inv.messageDecouverte, L"Objet trouvé !") << "UTF-8 text";
    ASSERT_EQ(inv.objets.size(), 4u);
    EXPECT_EQ(inv.objets["POMME"].nomAffiche, L"Pomme verte") << "the later line wins";
    // In English, the English texts where the file gives them, else the French ones.
    inv.bAnglais = true;
    inv.objets["POMME"].nombre = 1;
    inv.compterObjets();
    std::vector<std::wstring> textes;
    sf::RenderTexture rt;
    inv.dessinerListe(rt, [&](sf::Text& t) { textes.push_back(t.getString().toWideString()); });
    EXPECT_EQ(textes, (std::vector<std::wstring>{L"Food", L"Soins", L"Green apple  [ 1 ]", L"Green apple", L"Sour"}));

    struct Cas {
        const char* nom;
        const char* texte;
        size_t categories, objets;
    } cas[] = {
        {"empty", "", 0, 0},
        {"values cut short", "OBJ=A\nCAT=\nOBJ=B;x;;\n", 1, 2},
        {"no equals sign", "CAT 0 Nourriture\nOBJ\n", 0, 0},
    };
    for (const Cas& c : cas) {
        ecrireTexte("autre.inv", c.texte);
        inv.lireObjets("autre.inv");
        EXPECT_EQ(inv.categories.size(), c.categories) << c.nom;
        EXPECT_EQ(inv.objets.size(), c.objets) << c.nom;
    }
    EXPECT_EQ(inv.lireObjets("absent.inv"), 0);
    EXPECT_TRUE(inv.objets.empty()) << "a missing file: no objects";

    std::filesystem::remove_all("objets");
    std::filesystem::remove_all("polices");
    CInventaire vide;
    EXPECT_TRUE(vide.categories.empty());
    EXPECT_EQ(vide.pSpriteTrouve, nullptr) << "no trouve.dec: no discovery image";
    EXPECT_TRUE(messages.empty()) << "nothing reported";
}

TEST_F(Inventaire, TrouverUtiliserRetirer)
{
    CInventaire inv;
    auto inconnu = objet("CAILLOU");
    inv.objetTrouve(inconnu.get());
    EXPECT_EQ(inv.compteurDecouverte, 0) << "a sprite that names no object shows nothing";
    EXPECT_TRUE(inconnu->bVisible);

    auto miam = objet("BONMIAM");
    inv.objetTrouve(miam.get());
    EXPECT_FALSE(miam->bVisible) << "the found sprite disappears";
    EXPECT_EQ(inv.compteurDecouverte, 90);
    inv.objetTrouve(objet("BONMIAM").get());
    EXPECT_EQ(inv.objets["BONMIAM"].nombre, 2);

    // Use: "BONMIAM" heals 10, "MOUSSE" 25, capped at the maximum; without a player nothing.
    auto* joueur = new CPerso();
    jeu->pPerso = joueur;
    joueur->vie = 50;
    inv.utiliserObjet();
    EXPECT_EQ(joueur->vie, 60);
    EXPECT_EQ(inv.objets["BONMIAM"].nombre, 1);
    inv.objetTrouve(objet("MOUSSE").get());
    inv.objetTrouve(objet("MOUSSE").get());
    inv.categorieCourante = 1;
    inv.compterObjets();
    inv.colonne = 1;
    joueur->vie = 70;
    inv.utiliserObjet();
    EXPECT_EQ(joueur->vie, 95);
    inv.utiliserObjet();
    EXPECT_EQ(joueur->vie, 100) << "95 + 25 held to 100";
    EXPECT_EQ(inv.colonne, 0) << "the last object of the category gone, back to the categories";
    inv.objetTrouve(objet("POMME").get());
    inv.categorieCourante = 0;
    inv.objetCourant = 1;  // POMME, after BONMIAM
    inv.utiliserObjet();
    EXPECT_EQ(inv.objets["POMME"].nombre, 1) << "other objects are not used";
    jeu->pPerso = nullptr;
    delete joueur;
    inv.objetCourant = 0;
    inv.utiliserObjet();
    EXPECT_EQ(inv.objets["BONMIAM"].nombre, 1);

    // Removing: an unknown name adds nothing; the selection stays on a held object.
    inv.retirerObjet("RIEN");
    EXPECT_EQ(inv.objets.count("RIEN"), 0u);
    inv.objetCourant = 1;
    inv.retirerObjet("POMME");
    EXPECT_EQ(inv.objetCourant, 0);
    EXPECT_EQ(inv.nbObjetsCategorie, 1);
}

TEST_F(Inventaire, DureeDuMessageAuxDeuxCadences)
{
    sf::RenderTexture rt;
    ASSERT_TRUE(rt.create(1280, 720));
    for (float c : {1.0f, 0.5f}) {
        coeff = c;
        CInventaire inv;
        inv.objetTrouve(objet("BONMIAM").get());
        int premier = 0, total = 0;
        while (inv.compteurDecouverte > 0 && total < 1000) {
            inv.dessinerDecouverte(rt);
            if (inv.texte.getString() == L"Objet trouvé !")
                ++premier;
            else
                EXPECT_EQ(inv.texte.getString(), L"Bon miam");
            ++total;
        }
        EXPECT_EQ(total, static_cast<int>(90 / c)) << "three seconds at " << c;
        EXPECT_EQ(premier, static_cast<int>(20 / c)) << "the first text at " << c;
    }
}

} // namespace
