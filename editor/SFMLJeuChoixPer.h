#pragma once
// The level editor's character picker ("SFMLJeuChoixPer"): pages through the ".per" files of
// a folder with a preview of the character, steps through the preview's animations and lets
// the author drag the preview's overs (the file is never written). The current file is what
// the character tool places. Registered with the development switch; main deletes it after
// the game object.
#include "editor/SFMLJeuChoix.h"

#include "core/Sprite.h"

class CPerso;

class CSFMLJeuChoixPer : public CSFMLJeuChoix {
public:
    static constexpr const char* ID = "SFMLJeuChoixPer";
    static constexpr const char* BOUTON_ANIM_MOINS = "myButtonAnimMoins";
    static constexpr const char* BOUTON_ANIM_PLUS = "myButtonAnimPlus";

    CSFMLJeuChoixPer();
    ~CSFMLJeuChoixPer() override;

    // Reads fichiers[numFichier] in preview mode into a new character and bank named by the
    // file's ID; the preview sprite carries the definition's overs.
    void chargerApercu() override;
    // The folder list's callback: code 20 lists the folder in the control's data.
    static bool rappelDossier(void* owner, CPLUXDialog* dlg, CPLUXControl* c, int code);

    bool onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;
    // A drag over the preview grabs the over under the mouse, then moves it.
    bool onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c) override;

    CPerso* pPerso = nullptr;  // owned: the character the preview definition fills
    float demiLargeur = 0, demiHauteur = 0;  // of the bank's animation 0
    std::string idOverSel;
    DonneesSprite::Over* pOverSel = nullptr;
    bool bDeplaceOver = false;
    int decalageX = 0, decalageY = 0;

protected:
    std::string nomDe(const std::string& chemin) override;
    void libererApercu() override;
    CSPRITE3* spriteAnime() const override;
    int animFixe() const override { return -1; }

private:
    void ajouterOvers();
};
