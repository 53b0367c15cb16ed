#include "tools/CSEFouet.h"

#include "core/Services.h"
#include "core/Sprite.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlTextInput.h"
#include "gui/DecoupeVue.h"

#include <algorithm>
#include <iostream>
#include <vector>

namespace {

constexpr const char* ID_IMAGE = "myImageFouet";
constexpr const char* ID_AJOUTE = "myButtonAjoute";
constexpr const char* ID_SUPPRIME = "myButtonSupprime";
constexpr const char* ID_INIT_MASSE = "myButtonInitMasse";
constexpr const char* ID_PAUSE_INIT = "myButtonKPCourPauseInit";
constexpr const char* ID_LIRE = "myButtonLireFouet";
constexpr const char* ID_SAUVER = "myButtonSauverFouet";
constexpr const char* ID_FRAPPE = "myButtonFrappe";
constexpr const char* ID_FRAPPE2 = "myButtonFrappe2";
constexpr const char* ID_FRAME_PREC = "myButtonFramePrec";
constexpr const char* ID_FRAME_SUIV = "myButtonFrameSuiv";
constexpr const char* ID_KP_PAUSE = "myTextInputKPPause";
constexpr const char* ID_NB_NOEUDS = "myTextInputNbNoeuds";
constexpr const char* ID_LONGUEUR = "myTextInputLongueur";
constexpr const char* ID_RIGIDITE = "myTextInputRigidite";
constexpr const char* ID_NUM_FRAME = "myTextNumFrame";
constexpr const char* ID_NB_FRAMES = "myTextNbFrames";
constexpr const char* ID_KP_VISIBLE = "myButtonCheckKPVisible";
// Mass checks, in the order of the mass modes.
constexpr const char* ID_MASSES[] = {"myButtonCheckMasseCte", "myButtonCheckMassePlus", "myButtonCheckMasseMoins"};
// Strike checks, in the order of the strike modes: they prepare a strike without running it.
constexpr const char* ID_FRAPPES[] = {"myButtonCheckRepos", "myButtonCheckFrappe1", "myButtonCheckFrappe2"};

// The console line that names the key point chosen.
constexpr int LIGNE_KP = 10;

const sf::Color CADRE_NEUTRE(64, 64, 64, 255);
const sf::Color CADRE_SELECTION(0, 0, 255, 255);
const sf::Color CADRE_DEPART(255, 255, 255, 128);

// Displayed values bound to the model's inputs (their model declares these names).
constexpr const char* VAR_LONGUEUR = "longueur";
constexpr const char* VAR_RIGIDITE = "rigidite";
constexpr const char* VAR_KP_VISIBLES = "bKPVisibles";

} // namespace

CCSEFouet::CCSEFouet()
{
    setMapVar(VAR_LONGUEUR, &valeurs.longueur);
    setMapVar(VAR_RIGIDITE, &valeurs.rigidite);
    setMapVar(VAR_KP_VISIBLES, &valeurs.bKPVisibles);
}

bool CCSEFouet::aSprite() const { return ssFouet.pSprite != nullptr; }

// Operations ---------------------------------------------------------------------------------------

void CCSEFouet::majControles()
{
    const CFouet& f = *ssFouet.pFouet;
    valeurs = {f.bNoeudsVisibles, f.bCorpsVisible, f.bTraineVisible, f.bKPVisibles, f.couleur, f.couleurTraine,
               f.couleurNoeud, f.epaisseur, f.epaisseurTraine, f.nbNoeuds, f.longueur, f.gravite, f.friction,
               f.ral, f.rigidite, f.masse, f.modeMasse, f.facteurMasse};
    for (int mode = 0; mode < 3; ++mode)
        if (CPLUXControlButtonCheck* c = ctrlButtonCheck(ID_MASSES[mode]))
            c->setCheck(mode == f.modeMasse);
    if (CPLUXControlText* t = ctrlText(ID_NB_FRAMES))
        t->setText("Frames : " + tuv::itos(nbFrames));
    afficherNumFrame();
    CPLUX::refresh(getId());
}

void CCSEFouet::afficherNumFrame()
{
    if (CPLUXControlText* t = ctrlText(ID_NUM_FRAME))
        t->setText("Frame : " + tuv::itos(numFrame + 1));
}

void CCSEFouet::encadrerKP(int n, sf::Color c)
{
    const auto& kps = fouet().keyPoints;
    if (n >= 0 && n < static_cast<int>(kps.size()) && kps[static_cast<size_t>(n)].marqueur)
        kps[static_cast<size_t>(n)].marqueur->setColorCadre(c);
}

void CCSEFouet::selectKP(int n)
{
    const auto& kps = fouet().keyPoints;
    if (kps.empty())
        return;
    encadrerKP(numKPCour, CADRE_NEUTRE);
    numKPCour = std::clamp(n, 0, static_cast<int>(kps.size()) - 1);
    if (CPLUXControlTextInput* t = ctrlTextInput(ID_KP_PAUSE))
        t->setText(kps[static_cast<size_t>(numKPCour)].pause);
    encadrerKP(numKPCour, CADRE_SELECTION);
    majLigneKP(false);
}

int CCSEFouet::kpDeFrame(int f) const
{
    const auto& kps = ssFouet.pFouet->keyPoints;
    if (f < 0 || kps.empty())
        return -1;
    long long somme = 0;
    for (size_t i = 0; i < kps.size(); ++i) {
        somme += kps[i].pause;
        if (somme > f)
            return static_cast<int>(i);
    }
    return static_cast<int>(kps.size()) - 1;
}

void CCSEFouet::afficherFrame(int mode, int f)
{
    if (!aSprite())
        return;
    selectKP(kpDeFrame(f));
    spriteImage = ssFouet.pSprite->getSprite();
    if (pImageFouet) {
        pImageFouet->setDimensionImage(true);
        pImageFouet->setImage(&spriteImage);
    }
}

void CCSEFouet::initMasse()
{
    CFouet& f = fouet();
    if (f.nbNoeuds <= 0)
        return;
    sf::Vector2i depart(getLeft() + 10, getTop() + 100);
    if (!f.keyPoints.empty()) {
        const sf::Vector2f c = CFouet::centreKP(f.keyPoints[0]);
        depart = {tuv::floatVersInt(c.x), tuv::floatVersInt(c.y)};
    }
    f.creer(f.nbNoeuds, static_cast<float>(depart.x), static_cast<float>(depart.y), f.masse, numModeMasse,
            f.facteurMasse);
}

void CCSEFouet::initPositions()
{
    CFouet& f = fouet();
    if (!f.keyPoints.empty()) {
        const sf::Vector2f c = CFouet::centreKP(f.keyPoints[0]);
        for (auto* tampon : {&f.noeuds, &f.noeudsSuivants})
            for (NoeudFouet& n : *tampon) {
                n.x = c.x;
                n.y = c.y;
            }
    }
    for (KPFouet& kp : f.keyPoints)
        if (kp.marqueur)
            kp.marqueur->setColorCadre(CADRE_DEPART);
    f.numKPActif = 0;
    f.numKPPrec = 0;
    if (!f.keyPoints.empty())
        f.compteurPause = f.keyPoints[0].pause;
}

void CCSEFouet::lancerFrappe(int mode)
{
    fouet().montrerKP();
    numFrame = 0;
    modeFrappe = mode;
    if (!aSprite())
        nbFrames = 0;
    majControles();
    initPositions();
    afficherFrame(modeFrappe, 0);
    fouet().simuler(true, true);
}

void CCSEFouet::pasFrame()
{
    if (!bFrappeEnCours) {
        fouet().simuler(false, false);
        return;
    }
    // Without a sprite every frame counts as a new animation frame.
    bool change = true;
    if (aSprite()) {
        CSPRITE* s = ssFouet.pSprite;
        change = false;
        if (bLecture) {
            const int avant = s->numFrame;
            s->animer(-1);
            change = s->numFrame != avant;
        }
        if (bAfficherFrame) {
            spriteImage = s->getSprite();
            if (pImageFouet)
                pImageFouet->setImage(&spriteImage);
        }
    }
    fouet().simuler(true, change);
    if (modeFrappe != FRAPPE_REPOS && aSprite() && ssFouet.pSprite->nbanimtotale >= 1)
        lancerFrappe(FRAPPE_REPOS);
}

// Handlers ---------------------------------------------------------------------------------------

void CCSEFouet::console(const std::string& texte, int ligne)
{
    CPLUX::setConsoleText(texte, ligne);
    lignesConsole_[ligne] = CPLUX::getConsoleText(ligne);
}

// Its lines on the program's console go with it, but for those another tool wrote since.
void CCSEFouet::onHide()
{
    CPLUXDialog::onHide();
    for (const auto& [ligne, texte] : lignesConsole_)
        if (CPLUX::getConsoleText(ligne) == texte)
            CPLUX::setConsoleText(L"", ligne);
    lignesConsole_.clear();
}

void CCSEFouet::onCreate()
{
    CPLUXDialog::onCreate();
    pImageFouet = ctrlImage(ID_IMAGE);
    // The mass check of the whip's mode and the frame texts, from the start.
    majControles();
}

// The node count is not bound (the library would read it at every key): it is shown with the
// bound values.
void CCSEFouet::onRefresh()
{
    CPLUXDialog::onRefresh();
    if (CPLUXControlTextInput* t = ctrlTextInput(ID_NB_NOEUDS)) {
        const bool envoi = t->isSendEventOnChange();
        t->setSendEventOnChange(false);
        t->setText(fouet().nbNoeuds);
        t->setSendEventOnChange(envoi);
    }
}

void CCSEFouet::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    if (w)
        CPLUXDialog::draw(w, mouseX, mouseY, ox, oy);
    // One step per frame at 30 frames per second, one every second frame at 60.
    accumulateurPas_ += coefficientTemps();
    while (accumulateurPas_ >= 1.f) {
        accumulateurPas_ -= 1.f;
        pasFrame();
    }
    // The rope flies wide during a strike: it stays inside its own view.
    if (w && pImageFouet) {
        const CDecoupeVue vue(*w, {pImageFouet->getPositionScreen(), {pImageFouet->getWidth(), pImageFouet->getHeight()}});
        fouet().dessiner(*w);
    }
    if (aSprite()) {
        console("ssFouet.pSprite->nbanimtotale=" + tuv::itos(ssFouet.pSprite->nbanimtotale), 0);
        console("ssFouet.pSprite->sensAnim=" + tuv::itos(ssFouet.pSprite->sensAnim), 1);
    }
}

void CCSEFouet::onMove(int dx, int dy)
{
    CPLUXDialog::onMove(dx, dy);
    CFouet& f = fouet();
    for (auto* tampon : {&f.noeuds, &f.noeudsSuivants})
        for (NoeudFouet& n : *tampon) {
            n.x -= static_cast<float>(dx);
            n.y -= static_cast<float>(dy);
        }
    f.simuler(false, false);
}

bool CCSEFouet::onClicLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onClicLeft(w, x, y, c);
    CFouet& f = fouet();
    if (c && c == pImageFouet && !f.noeuds.empty()) {
        const float dx = static_cast<float>(x) - f.noeuds[0].x, dy = static_cast<float>(y) - f.noeuds[0].y;
        for (NoeudFouet& n : f.noeuds) {
            n.x += dx;
            n.y += dy;
        }
    }
    return true;
}

bool CCSEFouet::onClicRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onClicRight(w, x, y, c);
    CFouet& f = fouet();
    if (c && c == pImageFouet && !f.noeuds.empty() && !f.noeudsSuivants.empty()) {
        f.noeuds.back().x = static_cast<float>(x);
        f.noeuds.back().y = static_cast<float>(y);
        NoeudFouet& s = f.noeudsSuivants.back();
        s = {static_cast<float>(x), static_cast<float>(y), s.masse, 0.f, 0.f};
    }
    // The tip is held: the links past it cancel until the next right press.
    f.bBoutTire = false;
    f.simuler(false, false);
    return true;
}

bool CCSEFouet::onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressRight(w, x, y, c);
    fouet().bBoutTire = true;
    return true;
}

void CCSEFouet::appuiMarqueur(CPLUXControl* marqueur)
{
    CFouet& f = fouet();
    const int n = tuv::stoi(marqueur->getData());
    if (n < 0 || n >= static_cast<int>(f.keyPoints.size()))
        return;
    encadrerKP(numKPCour, CADRE_NEUTRE);
    numKPCour = n;
    if (CPLUXControlTextInput* t = ctrlTextInput(ID_KP_PAUSE))
        t->setText(f.keyPoints[static_cast<size_t>(n)].pause);
    encadrerKP(numKPCour, CADRE_SELECTION);
    majLigneKP(false);
    long long somme = 0;
    for (int i = 0; i < n; ++i)
        somme += f.keyPoints[static_cast<size_t>(i)].pause;
    numFrame = static_cast<int>(std::min<long long>(somme, 2000000000));
    afficherFrame(modeFrappe, numFrame);
    afficherNumFrame();
}

// No key point chosen any more (removed, or the file read): the frame and the pause shown were
// its own.
void CCSEFouet::oublierKP()
{
    numKPCour = -1;
    numFrame = 0;
    afficherNumFrame();
    majLigneKP(false);
    if (CPLUXControlTextInput* t = ctrlTextInput(ID_KP_PAUSE))
        t->afficherSansEnvoi(std::string());
}

// A frame step writes the line; it then follows the key point chosen, and goes with none (but
// for a line another tool wrote since).
void CCSEFouet::majLigneKP(bool pas)
{
    const auto it = lignesConsole_.find(LIGNE_KP);
    const bool aNous = it != lignesConsole_.end() && CPLUX::getConsoleText(LIGNE_KP) == it->second;
    if (numKPCour >= 0 && (pas || aNous)) {
        console("numKPCour=" + tuv::itos(numKPCour), LIGNE_KP);
    } else if (numKPCour < 0 && aNous) {
        CPLUX::setConsoleText(L"", LIGNE_KP);
        lignesConsole_.erase(it);
    }
}

// One frame back (pas < 0) or forward, wrapping around the strike's frames; without any frame
// it stays on the first.
void CCSEFouet::changerFrame(int pas)
{
    if (pas < 0) {
        if (--numFrame < 0)
            numFrame = std::max(nbFrames, 1) - 1;
    } else if (++numFrame >= nbFrames) {
        numFrame = 0;
    }
    afficherFrame(modeFrappe, numFrame);
    majLigneKP(true);
    bLecture = false;
    afficherNumFrame();
}

// The console line says what the last read or save did; values read otherwise than written
// are named in a box and on standard error, as a level's load names its corrected lines.
void CCSEFouet::lireFouet()
{
    CFouet& f = fouet();
    const std::string fichier = FICHIER;
    if (!f.charger(fichier, this, pImageFouet, strPrefixeKP)) {
        console(fichier + " introuvable", 2);
        return;
    }
    oublierKP();
    // The chain is rebuilt with the mode the check buttons show: the file's.
    numModeMasse = f.modeMasse;
    std::string bilan = fichier + " lu";
    std::vector<std::string> dits = f.valeursCorrigees;
    if (f.nbKPIgnores > 0) {
        const std::string ignores = tuv::itos(f.nbKPIgnores) + " points clés ignorés au-delà de " +
                                    tuv::itos(CFouet::NB_KP_MAX_FICHIER);
        bilan += ", " + ignores;
        dits.insert(dits.begin(), ignores);  // before the values, which may be many
    }
    if (!f.valeursCorrigees.empty())
        bilan += ", " + tuv::itos(static_cast<int>(f.valeursCorrigees.size())) + " valeurs corrigées";
    if (!dits.empty()) {
        std::string message = fichier + " : valeurs corrigées";
        constexpr size_t MONTREES_MAX = 8;
        for (size_t i = 0; i < dits.size(); ++i) {
            std::cerr << "Fouet : " << dits[i] << '\n';
            if (i < MONTREES_MAX)
                message += "\n" + dits[i];
        }
        if (dits.size() > MONTREES_MAX)
            message += "\n... et " + tuv::itos(static_cast<int>(dits.size() - MONTREES_MAX)) + " autres (console)";
        CPLUX::MessageBoxW(getTitleW(), tuv::utf8toWStr(message));
    }
    console(bilan, 2);
    majControles();
}

void CCSEFouet::sauverFouet()
{
    const std::string fichier = FICHIER;
    if (fouet().sauver(fichier, pImageFouet)) {
        console(fichier + " enregistré", 2);
        return;
    }
    console(fichier + " non enregistré", 2);
    CPLUX::MessageBoxW("Erreur !", "Impossible d'enregistrer " + fichier);
}

bool CCSEFouet::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    CFouet& f = fouet();
    const std::string& id = c->getId();
    if (id == ID_AJOUTE) {
        // At the picture's centre: the "no position" of the marker rule would put it on the
        // dialog's edge, off the picture.
        const float cx = pImageFouet ? pImageFouet->getWidth() / 2.f : -1.f;
        const float cy = pImageFouet ? pImageFouet->getHeight() / 2.f : -1.f;
        f.ajouterKP(this, pImageFouet, cx, cy, 1, strPrefixeKP);
    } else if (id == ID_SUPPRIME) {
        f.supprimerDernierKP();
        if (numKPCour >= static_cast<int>(f.keyPoints.size()))
            oublierKP();
    } else if (id.find(strPrefixeKP) != std::string::npos) {
        appuiMarqueur(c);
    } else if (id == ID_INIT_MASSE) {
        initMasse();
    } else if (id == ID_PAUSE_INIT) {
        // A pause that is no number is refused: the key point keeps its own. Without a key
        // point chosen the pause typed goes nowhere: a box says so.
        if (numKPCour < 0 || numKPCour >= static_cast<int>(f.keyPoints.size())) {
            CPLUX::MessageBoxW(getTitleW(), tuv::utf8toWStr("Aucun point clé choisi : cliquez sur son repère.\n"
                                                            "La pause tapée n'est pas prise."));
        } else {
            int& pause = f.keyPoints[static_cast<size_t>(numKPCour)].pause;
            if (CPLUXControlTextInput* t = ctrlTextInput(ID_KP_PAUSE); t && t->lireNombre(pause, true))
                pause = std::max(1, pause);
            selectKP(kpDeFrame(numFrame));
        }
    } else if (id == ID_LIRE) {
        lireFouet();
    } else if (id == ID_SAUVER) {
        sauverFouet();
    } else if (id == ID_FRAPPE || id == ID_FRAPPE2) {
        lancerFrappe(id == ID_FRAPPE ? FRAPPE_1 : FRAPPE_2);
        if (aSprite())
            ssFouet.pSprite->nbanimtotale = 0;
        bLecture = true;
        bFrappeEnCours = true;
    } else if (id == ID_FRAME_PREC) {
        changerFrame(-1);
    } else if (id == ID_FRAME_SUIV) {
        changerFrame(1);
    }
    // "myButtonLirePer" and "myButtonSauverPer" have no action: nothing loads a sprite here.
    return true;
}

// The library has read a typed length or stiffness into its displayed value, by the number
// fields' rule; the value goes into the model, bounded, the displayed value becomes the
// model's, and the chain is rebuilt.
void CCSEFouet::saisieParametre(const std::string& id)
{
    CFouet& f = fouet();
    if (id == ID_LONGUEUR) {
        if (valeurs.longueur > 0.f)
            f.longueur = valeurs.longueur;
    } else {
        f.rigidite = std::clamp(valeurs.rigidite, 0, CFouet::RIGIDITE_MAX);
    }
    valeurs.longueur = f.longueur;
    valeurs.rigidite = f.rigidite;
    initMasse();
}

void CCSEFouet::onCtrlInputChange(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputChange(c);
    const std::string& id = c->getId();
    // A text on its way to a number changes nothing yet.
    if ((id == ID_LONGUEUR || id == ID_RIGIDITE) && CPLUXControlTextInput::estNombre(c->getText(), id == ID_LONGUEUR))
        saisieParametre(id);
}

// Each count rebuilds the chain: taken as typed, "2.75" or "1e3" would leave a whip of their
// first digits, and "Sauver fouet" would write it.
void CCSEFouet::onCtrlInputEnterPress(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputEnterPress(c);
    finSaisie(*c, true);
}

void CCSEFouet::onCtrlInputLeave(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputLeave(c);
    finSaisie(*c, false);
}

// A length or a stiffness the model did not take (a length of 0 or below, a stiffness beyond
// its bounds) stays in its field while it is typed, "0" being on its way to "0.5": once the
// field is left, it shows what the model kept.
void CCSEFouet::finSaisie(CPLUXControlTextInput& c, bool entree)
{
    if (c.getId() == ID_NB_NOEUDS)
        saisieNbNoeuds(c, entree);
    else if (c.getId() == ID_LONGUEUR || c.getId() == ID_RIGIDITE)
        CPLUX::refresh(getId());
}

// A count beyond 0 .. NB_NOEUDS_MAX is refused with the rest: the field shows the model's.
void CCSEFouet::saisieNbNoeuds(CPLUXControlTextInput& saisie, bool entree)
{
    CFouet& f = fouet();
    int nb = f.nbNoeuds;
    if (!saisie.lireNombre(nb, 0, CFouet::NB_NOEUDS_MAX, true) || (nb == f.nbNoeuds && !entree))
        return;
    if (nb == 0)
        f.vider();
    f.nbNoeuds = valeurs.nbNoeuds = nb;
    initMasse();
}

// The mode checked is the whip's at once, as a typed length is: the chain is rebuilt with it,
// and "Sauver fouet" writes the mode the checks show.
void CCSEFouet::choisirModeMasse(int mode)
{
    numModeMasse = mode;
    fouet().modeMasse = mode;
    initMasse();
}

void CCSEFouet::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    const std::string& id = c->getId();
    for (int mode = 0; mode < 3; ++mode)
        if (id == ID_MASSES[mode] && c->isChecked())
            choisirModeMasse(mode);
    if (id == ID_KP_VISIBLE)
        c->isChecked() ? fouet().montrerKP() : fouet().cacherKP();
    for (int mode = 0; mode < 3; ++mode)
        if (id == ID_FRAPPES[mode]) {
            lancerFrappe(mode);
            bFrappeEnCours = false;
        }
}

// Off the picture, a key point would be drawn over other dialogs and saved where a read cannot
// put it back (a marker past the dialog's edge is read to the picture's middle).
void CCSEFouet::onCtrlMove(CPLUXControl* c)
{
    CPLUXDialog::onCtrlMove(c);
    if (!c || !pImageFouet || c->getId().find(strPrefixeKP) == std::string::npos)
        return;
    const float demi = CFouet::TAILLE_MARQUEUR / 2.f;
    const float l = pImageFouet->getLeft(), t = pImageFouet->getTop();
    const float x = std::clamp(c->getLeft() + demi, l, l + pImageFouet->getWidth()) - demi;
    const float y = std::clamp(c->getTop() + demi, t, t + pImageFouet->getHeight()) - demi;
    if (x != c->getLeft() || y != c->getTop())
        c->setPosition(x, y);
}
