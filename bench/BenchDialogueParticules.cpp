// Cost of typing into the particle emitter options while the level runs in the editor: one
// decor sprite selected, carrying a live emitter of 5,000 square particles (life 60, no cycle
// limit). Baseline: the game's frame with the dialog hidden and nothing typed. Measured: the
// same frames with the dialog shown and filled and one key typed per frame (digits, ".",
// blanks and Backspace over six inputs that do not restart the emitter). Apart from the target:
// one key per frame into the particle count, which restarts the 5,000 particles.
// The frame-rate limit is off; compare the process CPU time.
// Run under Xvfb: xvfb-run -a build/bench/bench/bench_BenchDialogueParticules
#include "anim/Sprite3.h"
#include "core/Globals.h"
#include "core/Particules.h"
#include "editor/IdsSprite.h"
#include "editor/JeuDialogPhysParticulesOptions.h"
#include "game/Jeu.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlTextInput.h"
#include "level/CalqueSD.h"
#include "level/Decor.h"
#include "game/OutilsJeu.h"

#include <benchmark/benchmark.h>

#include <filesystem>

namespace {

namespace idp = IdSprite::Particules;

struct Banc {
    Banc()
    {
        // The whole game's data, as the editor finds it: with only the dialogs' models, each
        // menu and font the editor opens was missing and a pile of message boxes saying so
        // showed over both sides' frames.
        std::filesystem::copy(std::string(TUV_DATA_DIR_SOURCE), ".", std::filesystem::copy_options::recursive);
        ecrireTexte("jeu.ini", "VIEWPORT=1280;720\nFRAMERATE=60\nEDITEUR=./niveaux/niveau-vide.niv\n");
        CSFMLJeuGlobal::bModeTest = true;
        jeu.init("jeu.ini");
        if (jeu.fenetre)
            jeu.fenetre->setFramerateLimit(0);
        // The window's first events (focus among them) go by before the keys.
        for (int i = 0; i < 5; ++i)
            jeu.etape();
        boitesOuvertes = CPLUX::getMessageBoxes().size();
        dialogue = dynamic_cast<CJeuDialogPhysParticulesOptions*>(CPLUX::getDialog(IdSprite::DIALOGUE_PARTICULES));

        sd = new CSPRITE3();
        sd->x = sd->x0 = 400;
        sd->y = sd->y0 = 300;
        sd->plan = CDecor::PLAN_PRINCIPAL;
        sd->bPhysP = true;
        CParticules* e = sd->pParticules = new CParticules();
        e->nbParticules = 5000;
        e->forme = 1;
        e->dureeVie = 60;
        e->nbCycles = -1;
        e->velY = -3;
        e->aleaVitX = 1;
        e->demarrer(400, 300, 0);
        jeu.pdecor->pPlans[CDecor::PLAN_PRINCIPAL]->sprites.push_back(sd);
        jeu.pdecor->pSDSelection = sd;
    }
    // The dialog shown over the level (or hidden) and filled from the selected emitter.
    void montrer(bool visible)
    {
        if (!dialogue)
            return;
        jeu.bFocusJeu = true;
        for (unsigned& p : pas)
            p = 0;
        if (visible)
            dialogue->show();
        else
            dialogue->hide();
        dialogue->init(sd->pParticules, sd);
    }

    // One key into the input, as the library hands a key to the input holding the keyboard
    // (the window's focus under Xvfb comes and goes). Each decimal input runs through ".", a
    // digit, two Backspaces, a blank and a Backspace, so that its value stays close to the
    // fill's ("4" gives 4, 4.7, 4, 4, 4); a whole number input (a colour) through a blank and a
    // Backspace. Every text is a number (blanks aside), so that no refusal box opens: the
    // emitter keeps drawing what the baseline draws.
    void taper(int saisie, const char* id, bool reel)
    {
        static const char cycle[] = ".0\b\b \b";
        const unsigned k = pas[saisie]++;
        char t = reel ? cycle[k % 6] : " \b"[k % 2];
        if (t == '0')
            t = static_cast<char>('0' + (k / 6) % 10);
        taper(id, t);
    }
    void taper(const char* id, char t)
    {
        auto* c = dynamic_cast<CPLUXControlTextInput*>(dialogue->getControl(id));
        if (!c)
            return;
        CPLUX::setKeyboardFocus(c);
        if (t == '\b')
            c->onKey({sf::Keyboard::BackSpace, false, false, false, false});
        else
            c->onTextEntered(static_cast<sf::Uint32>(t));
    }

    DossierDeTravail dossier;
    CSFMLJeu jeu;
    CJeuDialogPhysParticulesOptions* dialogue = nullptr;
    CSPRITE* sd = nullptr;  // the level's
    unsigned pas[6] = {};
    size_t boitesOuvertes = 0;  // message boxes the start left open: a file missing
};

Banc& banc()
{
    static Banc* b = new Banc;  // never freed: the library outlives the benchmarks' exit
    return *b;
}

void BM_EtapeDialogueCache(benchmark::State& state)
{
    Banc& b = banc();
    if (b.boitesOuvertes)
        state.SkipWithError("message boxes open over the editor: a data file is missing");
    b.montrer(false);
    for (auto _ : state)
        b.jeu.etape();
}
BENCHMARK(BM_EtapeDialogueCache)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

void BM_EtapeSaisieParticules(benchmark::State& state)
{
    Banc& b = banc();
    if (b.boitesOuvertes)
        state.SkipWithError("message boxes open over the editor: a data file is missing");
    if (!b.dialogue) {
        state.SkipWithError("no particle dialog: the development switch did not declare it");
        return;
    }
    b.montrer(true);
    const char* saisies[] = {idp::myTextInputVelX,   idp::myTextInputVelY,
                             idp::myTextInputForcesX, idp::myTextInputAngle1,
                             idp::myTextInputTailleParticule, idp::myTextInputR};
    const int colonne = 5;  // the whole number among them
    const size_t taille = b.sd->pParticules->getParticules().size();
    // One key goes in and out before the timing: every six keys an input is back to its fill,
    // so the texts after the run tell nothing.
    const CPLUXControl* vitesse = b.dialogue->getControl(idp::myTextInputVelX);
    const std::string avant = vitesse ? vitesse->getText() : std::string();
    b.taper(idp::myTextInputVelX, '.');
    const bool recu = vitesse && vitesse->getText() != avant;
    b.taper(idp::myTextInputVelX, '\b');
    int i = 0;
    for (auto _ : state) {
        b.taper(i, saisies[i], i != colonne);
        i = (i + 1) % 6;
        b.jeu.etape();
    }
    if (b.sd->pParticules->getParticules().size() != taille)
        state.SkipWithError("a write resized the particle set");
    else if (!recu)
        state.SkipWithError("the keys did not reach the dialog");
    else if (CPLUX::getMessageBoxes().size() > b.boitesOuvertes)
        state.SkipWithError("a key was refused: a box holds the keyboard over the editor");
    b.montrer(false);
}
BENCHMARK(BM_EtapeSaisieParticules)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

// Outside the target, to tell the costs apart: the dialog shown and filled, nothing typed.
void BM_EtapeDialogueMontre(benchmark::State& state)
{
    Banc& b = banc();
    if (b.boitesOuvertes)
        state.SkipWithError("message boxes open over the editor: a data file is missing");
    b.montrer(true);
    for (auto _ : state)
        b.jeu.etape();
    b.montrer(false);
}
BENCHMARK(BM_EtapeDialogueMontre)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

// Outside the target: every key restarts the emitter, and its count stays 5,000.
void BM_EtapeSaisieNbParticules(benchmark::State& state)
{
    Banc& b = banc();
    if (b.boitesOuvertes)
        state.SkipWithError("message boxes open over the editor: a data file is missing");
    if (!b.dialogue) {
        state.SkipWithError("no particle dialog");
        return;
    }
    b.montrer(true);
    bool blanc = true;
    for (auto _ : state) {
        // "5000 " and "5000" in turn: a blank, then a Backspace.
        b.taper(idp::myTextInputNbParticules, blanc ? ' ' : '\b');
        blanc = !blanc;
        b.jeu.etape();
    }
    b.montrer(false);
}
BENCHMARK(BM_EtapeSaisieNbParticules)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime()->UseRealTime();

} // namespace

BENCHMARK_MAIN();
