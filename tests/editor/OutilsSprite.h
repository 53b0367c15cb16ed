#pragma once
// The decor-sprite dialogs as the GUI set-up makes them (their real models, registered, then
// onCreate), over a game without init whose world's main plane holds a sprite made in code,
// selected; the level hooks filled as the game fills them. Inputs are typed key by key.
#include "animeditor/OutilsEditeur.h"
#include "game/Jeu.h"
#include "game/OutilsJeu.h"
#include "level/OutilsNiveau.h"

#include "core/ShaderManager.h"
#include "core/Texte.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogPhysBasculeOptions.h"
#include "editor/JeuDialogPhysCheminOptions.h"
#include "editor/JeuDialogPhysEffondrementOptions.h"
#include "editor/JeuDialogPhysForceOptions.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "editor/JeuDialogShaderVERT.h"
#include "editor/JeuDialogSprite.h"
#include "editor/LiensDialogues.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/CPLUXMessageBox.h"

#include <SFML/Audio/SoundBuffer.hpp>

#include <cstdint>
#include <vector>

namespace ids = IdSprite;

// A dialog of the editor made from its model in data/, then created.
template <class T>
std::unique_ptr<T> dialogueCree(const std::string& id)
{
    auto d = dialogueModele<T>(id);
    d->onCreate();
    return d;
}

// One second of a tone: long enough to be still playing when a test looks.
inline void sonEssai(sf::SoundBuffer& b)
{
    std::vector<std::int16_t> s(22050);
    for (std::size_t i = 0; i < s.size(); ++i)
        s[i] = static_cast<std::int16_t>((i % 50) * 400 - 10000);
    b.loadFromSamples(s.data(), s.size(), 1, 22050);
}

class DialoguesSprite : public AvecJeuDe<CSFMLJeu> {
protected:
    void SetUp() override
    {
        CPLUXTest::reset();
        AvecJeuDe<CSFMLJeu>::SetUp();
        installerLiensDialogues();
        dialSprite = dialogueCree<CJeuDialogSprite>(ids::DIALOGUE);
        dialShader = dialogueCree<CJeuDialogShaderVERT>(ids::DIALOGUE_SHADER);
        dialParticules = dialogueCree<CJeuDialogPhysParticulesOptions>(ids::DIALOGUE_PARTICULES);
        dialSprite->show();
        sd = spriteDecor(plan(2), banqueCouleur(*decor, "caisse", 8, 8, ROUGE), 100, 50);
        sd->plan = 2;
        decor->pSDSelection = sd;
    }
    void TearDown() override
    {
        dialSprite.reset();
        dialShader.reset();
        dialParticules.reset();
        AvecJeuDe<CSFMLJeu>::TearDown();
        CPLUXTest::reset();
    }

    CJeuDialogSprite& dlg() { return *dialSprite; }
    CPLUXControl* ctrl(const char* id) const { return dialSprite->getControl(id); }
    std::string texte(const char* id) const { return ctrl(id)->getText(); }
    bool coche(const char* id) const { return dialSprite->ctrlButtonCheck(id)->isChecked(); }

    // Replaces the input's text by typing, one change per character (an empty text erases).
    static void saisir(const char* dialogue, const char* id, const std::string& t)
    {
        ASSERT_TRUE(CPLUXTest::click(dialogue, id)) << id;
        CPLUXTest::key(sf::Keyboard::A, true);
        if (t.empty())
            CPLUXTest::key(sf::Keyboard::BackSpace);
        CPLUXTest::type(t);
    }
    void saisir(const char* id, const std::string& t) { saisir(ids::DIALOGUE, id, t); }
    void cliquer(const char* id) { ASSERT_TRUE(CPLUXTest::click(ids::DIALOGUE, id)) << id; }
    // Answers the box of a refused number: true when one was open.
    static bool refus()
    {
        const auto& boites = CPLUX::getMessageBoxes();
        return !boites.empty() && CPLUXTest::answerMessageBox(boites[0]->getHwnd(), 0);
    }

    // The game's sounds played through its table, as its own set-up does.
    void brancherSons()
    {
        g_services.jouerSon = [this](const std::string& n) { jeu->jouerSon(n); };
        g_services.arreterSon = [this](const std::string& n) { jeu->arreterSon(n); };
        g_services.bouclerSon = [this](const std::string& n, bool b) { jeu->bouclerSon(n, b); };
        sonEssai(jeu->buffersSons["cloche"]);
    }

    std::unique_ptr<CJeuDialogSprite> dialSprite;
    std::unique_ptr<CJeuDialogShaderVERT> dialShader;
    std::unique_ptr<CJeuDialogPhysParticulesOptions> dialParticules;
    CSPRITE* sd = nullptr;
};
