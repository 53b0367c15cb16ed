// The option dialogs and the behaviours they set up, drawn under Xvfb at the game's size
// over a level in editor mode into "editor/options_<name>.png" of the working folder, for a
// look by eye.
#include "OutilsOptions.h"

#include <filesystem>
#include <optional>

namespace {

class CapturesOptions : public DialoguesOptions {
protected:
    void SetUp() override
    {
        DialoguesOptions::SetUp();
        dossier = std::filesystem::absolute("editor").string();
        std::filesystem::create_directories(dossier);
        fenetre.create(sf::VideoMode(1280, 720), "captures", sf::Style::None);
        CPLUX::setSurface(&fenetre);
        camera(0, 0);
        g_services.modeJeu = [] { return 2; };
        // The key-point anchors from the game's definition file, read in the data folder.
        donnees.emplace(dossierData());
        g_services.definitionJeu = [this](const std::string& nom, const std::string& fichier) {
            return jeu->definitionSprite(nom, fichier);
        };
    }
    void TearDown() override
    {
        CPLUX::setSurface(nullptr);
        DialoguesOptions::TearDown();
        donnees.reset();
    }
    CSPRITE* poser(const char* nom, int l, int h, sf::Color c, float x, float y)
    {
        CSPRITE* s = spriteDecor(plan(2), banqueCouleur(*decor, nom, l, h, c), x, y);
        s->plan = 2;
        s->x0 = x;
        s->y0 = y;
        return s;
    }
    // The level as the editor shows it, then the shown dialogs over it.
    void capturer(const std::string& nom, int images = 1)
    {
        for (int i = 0; i < images; ++i)
            decor->dessiner(nullptr);
        fenetre.clear(sf::Color(90, 96, 104));
        fenetre.draw(sf::Sprite(photoTexture()));
        CPLUXTest::frame(&fenetre);
        EXPECT_TRUE(CPLUXTest::screenshot(&fenetre, dossier + "/options_" + nom + ".png")) << nom;
    }
    const sf::Texture& photoTexture()
    {
        scene().display();
        return scene().getTexture();
    }
    void seul(CPLUXDialog* d)
    {
        for (CPLUXDialog* autre : {static_cast<CPLUXDialog*>(dialSprite.get()), static_cast<CPLUXDialog*>(dialParticules.get()),
                                   static_cast<CPLUXDialog*>(dialChemin.get()), static_cast<CPLUXDialog*>(dialEffondrement.get()),
                                   static_cast<CPLUXDialog*>(dialBascule.get()), static_cast<CPLUXDialog*>(dialForce.get())})
            autre->hide();
        if (d) {
            d->show();
            d->setPosition(1280 - d->getWidth() - 10, 10);
        }
    }
    sf::RenderWindow fenetre;
    std::string dossier;
    std::optional<DansDossier> donnees;
};

} // namespace

TEST_F(CapturesOptions, TheOptionsAsTheAuthorSeesThem)
{
    CSPRITE* effondrement = poser("quai", 96, 16, VERT, 60, 300);
    effondrement->bPhysE = true;
    effondrement->pPhysE = new CPhysEffondrement(120, 4, false);
    effondrement->pPhysE->bHauteurVisible = true;
    CSPRITE* chemin = poser("nacelle", 64, 16, BLEU, 200, 200);
    chemin->bPhysC = true;
    chemin->pChemin = new CChemin();
    for (float x : {200.0f, 330.0f, 460.0f}) {
        chemin->x = x;
        chemin->y = x == 330 ? 140.0f : 200.0f;
        chemin->pChemin->ajouterKP(chemin);
    }
    chemin->pChemin->numKP = 1;
    chemin->pChemin->bPause = true;
    CSPRITE* bascule = poser("planche", 200, 12, sf::Color(200, 160, 60), 150, 520);
    bascule->bPhysB = true;
    bascule->pPhysB = new CPhysBascule();
    bascule->pPhysB->cpg = 10;  // a weight always on the left: it tilts to its stop
    bascule->pPhysB->buteeGauche = 15;
    CSPRITE* force = poser("vent", 48, 48, sf::Color(120, 120, 220, 160), 500, 420);
    force->bPhysForce = true;
    force->pForce = new CForceSD();
    force->pForce->SpriteVisible = true;
    force->pForce->Script = "vent.scp";
    CSPRITE* texture = poser("source", 8, 8, ROUGE, 520, 660);
    texture->bPhysP = true;
    texture->pParticules = new CParticules();
    texture->pParticules->forme = 2;
    texture->pParticules->tailleParticule = 16;
    texture->pParticules->strCheminTexture = "./effets/particule.png";
    texture->pParticules->nbParticules = 200;
    texture->pParticules->demarrer(520, 660, 0);
    texture->pParticules->pElementAttache = texture;
    sd->x = 350, sd->y = 660;
    sd->bPhysP = true;
    sd->pParticules = new CParticules();
    sd->pParticules->nbParticules = 300;
    sd->pParticules->aleaVitX = 0.5f;
    sd->pParticules->demarrer(350, 660, 0);

    // The emitter becomes a red square fountain through its dialog.
    decor->pSDSelection = sd;
    dlg().init();
    seul(dialParticules.get());
    cliquerDans(*dialParticules, IdSprite::Particules::myButtonCheckCarree);
    saisirDans(*dialParticules, IdSprite::Particules::myTextInputG, "0");
    saisirDans(*dialParticules, IdSprite::Particules::myTextInputB, "60");
    capturer("particules", 130);  // the first births are spread over a lifetime
    const std::pair<const char*, CSPRITE*> dialogues[] = {
        {"chemin", chemin}, {"effondrement", effondrement}, {"bascule", bascule}, {"force", force}};
    CPLUXDialog* fenetres[] = {dialChemin.get(), dialEffondrement.get(), dialBascule.get(), dialForce.get()};
    for (int i = 0; i < 4; ++i) {
        decor->pSDSelection = dialogues[i].second;
        dlg().init();
        seul(fenetres[i]);
        capturer(dialogues[i].first);
    }
    decor->pSDSelection = nullptr;
    dlg().init();
    dialParticules->init(nullptr, nullptr);
    dialForce->refreshFromSprite();
    const std::pair<const char*, CPLUXDialog*> vides[] = {
        {"chemin_vide", dialChemin.get()}, {"effondrement_vide", dialEffondrement.get()},
        {"bascule_vide", dialBascule.get()}, {"force_vide", dialForce.get()},
        {"particules_vide", dialParticules.get()}};
    for (const auto& [nom, d] : vides) {
        seul(d);
        capturer(nom);
    }
    seul(nullptr);
    capturer("niveau", 5);

    // The animation editor's anim element emitter.
    Planche planche;
    Editeur e;
    spriteEssai(*e->pSprite, planche);
    e->pSprite->getAnimElem(0, 0)->pParticules = std::make_unique<CParticules>();
    e->numAnimationSel = 0;
    e->numAnimElemSel = 0;
    e->show();
    e->onPressLeft(nullptr, 0, 0, e.ctrl(IdAnm::myButtonShowOptionsParticules));
    capturer("particules_anim");
    dialParticules->init(nullptr, nullptr);
}
