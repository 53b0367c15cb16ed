// Every keyword of the dispatcher with hostile arguments (none, empty, extreme numbers,
// unknown ids, very long texts, a variable holding NaN) on a small level: every
// frame ends, nothing crashes, and the camera, sprites and characters keep finite values.
#include "script/OutilsCommandes.h"

#include "core/Chemin.h"
#include "core/Particules.h"

#include <cmath>
#include <limits>

namespace {

class RobustesseCommandes : public Commandes {
protected:
    void SetUp() override
    {
        Commandes::SetUp();
        jeu->mode = 1;
        listeArmes({0});
        joueur = perso(100, 100);
        joueur->armes.push_back(new SlotArme());
        joueur->armeCourante = 0;
        jeu->pPerso = joueur;
        ia = perso(300, 100, true);
        ia->id = "ia";
        ia->enfants.push_back(new CPerso());
        ia->sprite->pChemin = new CChemin();
        sd = spriteAnime(0, 0, "sd");
        sd->pParticules = new CParticules();
        sd->groupe = 1;
        CSPRITE* mur = spriteAnime(-300, 0, "mur");
        mur->collision = 1;
        // CHARGERNIV's change is recorded, not made: this level stays for every keyword.
        CScriptEngine::changerMonde = [this](CDecor&, const std::string&, int, bool) { ++changements; };
    }
    void TearDown() override
    {
        CScriptEngine::changerMonde = defaut;
        Commandes::TearDown();
    }

    // Each keyword once per argument set, three frames each, then the scripts go.
    void essayer(const std::string& motCle, const std::vector<std::wstring>& args)
    {
        CScript* s = moteur->creerScript("", sd, declencheur::IMMEDIAT, -1, false, false);
        s->ajouterCommande(motCle, args);
        s->ajouterCommande("BASCULE", {});
        s->variables["n"].type = Variable::Flottant;
        s->variables["n"].f = std::numeric_limits<float>::quiet_NaN();
        s->variables["i"].type = Variable::Flottant;
        s->variables["i"].f = std::numeric_limits<float>::infinity();
        s->pIACourante = ia;
        s->pIAPropre = ia;
        s->pPersoDeclencheur = joueur;
        images(3);
    }

    static bool fini(float v) { return std::isfinite(v); }

    void verifierFinis(const std::string& contexte)
    {
        const CVue& v = *jeu->pvue;
        ASSERT_TRUE(fini(v.x) && fini(v.y) && fini(v.zoom) && v.zoom > 0) << contexte;
        for (CCalqueSD* plan : decor->pPlans)
            for (const CSPRITE* s : plan->sprites)
                ASSERT_TRUE(fini(s->x) && fini(s->y) && fini(s->sx) && fini(s->sy)) << contexte;
        for (auto* liste : {&decor->persos, &decor->ias})
            for (const CPerso* p : *liste)
                ASSERT_TRUE(fini(p->sprite->x) && fini(p->sprite->y) && fini(p->sprite->sx) && fini(p->sprite->sy))
                    << contexte;
    }

    CPerso* joueur = nullptr;
    CPerso* ia = nullptr;
    CSPRITE* sd = nullptr;
    int changements = 0;
    const decltype(CScriptEngine::changerMonde) defaut = CScriptEngine::changerMonde;
};

std::vector<std::wstring> repete(const std::wstring& v, size_t n = 16) { return std::vector<std::wstring>(n, v); }

} // namespace

TEST_F(RobustesseCommandes, ToutMotCleAvecDesArgumentsHostiles)
{
    const std::vector<std::vector<std::wstring>> jeux = {
        {},
        repete(L""),
        repete(L"2147483647"),
        repete(L"-2147483648"),
        repete(L"99999999999999999999"),
        repete(L"3.4e38"),
        repete(L"-3.4e38"),
        repete(L"nan"),
        repete(L"n"),
        repete(L"i"),
        repete(L"-1"),
        repete(L"0"),
        repete(L"ia"),
        repete(L"sd"),
        repete(std::wstring(5000, L'x')),
        {L"sd", L"1", L"-2147483648", L"2147483647", L"0.0000001", L"-0.5", L"7", L"1e38"},
    };
    for (const auto& [motCle, handler] : CScriptEngine::tableCommandes()) {
        (void)handler;
        for (size_t k = 0; k < jeux.size(); ++k) {
            essayer(motCle, jeux[k]);
            verifierFinis(motCle + " with argument set " + std::to_string(k));
            if (HasFatalFailure())
                return;
        }
        moteur->viderScripts();
        // What a command may have taken away is put back for the next one.
        jeu->pPerso = joueur;
        jeu->pvue->zoom = 1;
        jeu->pvue->x = jeu->pvue->y = 0;
        ia->id = "ia";
        jeu->mode = 1;
    }
    EXPECT_GT(changements, 0) << "CHARGERNIV asked for changes";
}
