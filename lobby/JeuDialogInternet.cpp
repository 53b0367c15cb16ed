// The lobby's state, its screen and its event handlers.
#include "lobby/JeuDialogInternet.h"

#include "core/Services.h"
#include "core/Texte.h"
#include "core/TuvFile.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXControlTextInput.h"
#include "lobby/ProtocoleLobby.h"
#include "lobby/ReseauLobby.h"

#include <SFML/Graphics/RectangleShape.hpp>
#include <SFML/Graphics/RenderWindow.hpp>

#include <algorithm>
#include <cstdio>
#include <iostream>

namespace {

int indexDans(const std::vector<JoueurEnLigne>& v, const std::string& ipwan, const std::string& iplan, int port)
{
    for (size_t i = 0; i < v.size(); ++i)
        if (v[i].ipwan == ipwan && v[i].iplan == iplan && v[i].port == port)
            return static_cast<int>(i);
    return -1;
}

const char* const CASES_CLONES[] = {"myButtonCheckClone1", "myButtonCheckClone2", "myButtonCheckClone3",
                                    "myButtonCheckClone4"};
const char* const IMAGES_NIVEAUX[] = {"myImageNiv1", "myImageNiv2", "myImageNiv3", "myImageNiv4"};

std::string refusChamp(const std::string& champ, const std::string& regle, bool valide, const std::u32string& points)
{
    if (valide)
        return {};
    const lobby::PointRefuse r = lobby::premierRefuse(points);
    if (r.defaut == lobby::Defaut::AUCUN)
        return champ + " refusé : " + regle;
    char code[16];
    std::snprintf(code, sizeof code, "U+%04X", static_cast<unsigned>(r.point));
    const std::string quoi = r.defaut == lobby::Defaut::INVISIBLE ? "caractère invisible ou de mise en forme"
                             : r.defaut == lobby::Defaut::NON_CARACTERE
                                 ? "non-caractère Unicode"
                                 : "plus de " + std::to_string(lobby::MARQUES_MAX) + " accents sur une lettre";
    return champ + " refusé : " + quoi + " (" + code + ")";
}

} // namespace

std::string CJeuDialogInternet::refusPseudo(const std::wstring& pseudo)
{
    return refusChamp("Pseudo", "1 à 32 caractères dont un visible, sans « ; » ni caractère de contrôle",
                      lobby::pseudoValide(pseudo), std::u32string(pseudo.begin(), pseudo.end()));
}

std::string CJeuDialogInternet::refusGroupe(const std::string& groupe)
{
    std::u32string points;
    lobby::decoderUtf8(groupe, points);
    return refusChamp("Groupe", "vide, ou 1 à 32 caractères dont un visible, sans « ; » ni caractère de contrôle",
                      lobby::groupeValide(groupe), points);
}

CJeuDialogInternet::CJeuDialogInternet() = default;

CJeuDialogInternet::~CJeuDialogInternet()
{
    // The worker goes first: a request under way is cancelled, the queued ones dropped.
    reseau_.reset();
}

CReseauLobby& CJeuDialogInternet::reseau()
{
    if (!reseau_)
        reseau_ = std::make_unique<CReseauLobby>();
    return *reseau_;
}

bool CJeuDialogInternet::attendreReseau(int millisecondes) { return !reseau_ || reseau_->attendre(millisecondes); }

bool CJeuDialogInternet::isDemandeEnvoyee(const std::string& ipwan, const std::string& iplan, int port) const
{
    return indexDemandeEnvoyee(ipwan, iplan, port) >= 0;
}

int CJeuDialogInternet::indexDemandeEnvoyee(const std::string& ipwan, const std::string& iplan, int port) const
{
    return indexDans(demandesEnvoyees, ipwan, iplan, port);
}

int CJeuDialogInternet::indexJoueurListe(const std::string& ipwan, const std::string& iplan, int port) const
{
    return indexDans(listeJoueurs, ipwan, iplan, port);
}

int CJeuDialogInternet::indexDemandeRecue(const std::string& ipwan, const std::string& iplan, int port) const
{
    return indexDans(demandesRecues, ipwan, iplan, port);
}

void CJeuDialogInternet::initOptions()
{
    nbClones = 1;
    numPerso = numCouleur = numImageNiveau = modeJeu = 0;
    setCheckGroup("myButtonCheckModeCapture");
    setCheckGroup(CASES_CLONES[nbClones - 1]);
    setCheckGroup(numCouleur == 0 ? "myButtonCheckCouleurRouge" : "myButtonCheckCouleurBleue");
}

bool CJeuDialogInternet::configurerServeur(const std::string& url, const std::string& chemin)
{
    std::string hote;
    int port = 0;
    if (!lobby::lireAdresseBase(url, hote, port) || !lobby::cheminServiceValide(chemin))
        return false;
    strUrlServeur = url;
    strCheminService = chemin;
    return true;
}

void CJeuDialogInternet::lireCleServeur(CTUVFile& f)
{
    const std::string url = tuv::delspaces(f.getValue());
    const std::string chemin = f.finDeLigne() ? std::string("/duelix") : tuv::delspaces(f.getValue());
    auto* lobby = dynamic_cast<CJeuDialogInternet*>(CPLUX::getDialog("JeuDialogInternet"));
    if (lobby && !lobby->configurerServeur(url, chemin))
        std::cerr << "jeu.ini : SERVEUR_LOBBY=" << url << ";" << chemin
                  << " refusé (http://hôte[:port];/chemin attendu), serveur par défaut " << lobby->strUrlServeur
                  << lobby->strCheminService << "\n";
}

int CJeuDialogInternet::frames(int a30fps)
{
    // Counts of frames are given at 30 frames per second: at 60 they last twice as many.
    return std::max(1, static_cast<int>(static_cast<float>(a30fps) / coefficientTemps()));
}

void CJeuDialogInternet::montrerStatut(const std::string& s)
{
    strStatus = s;
    statutRefus_ = false;
    if (CPLUXControl* c = getControl("myTextStatus"))
        c->setText(strStatus);
}

void CJeuDialogInternet::montrerRefus(const std::string& s)
{
    montrerStatut(s);
    statutRefus_ = true;
}

void CJeuDialogInternet::onCreate()
{
    CPLUXDialog::onCreate();
    setPosition(0, 0);
    setFocusMouseOn(false);
    setDrawCadreFocus(true);
    if (CPLUXControlTab* t = ctrlTab("myTab")) {
        t->setVisibleTabElem(false);
        t->setNumTabElemActif(0);
    }
    if (CPLUXControl* c = getControl("myTextInputPortUDP"))
        c->setText(portUDP);
    for (const char* id : {"myTextInputIPLan", "myTextInputIPWan"})
        if (CPLUXControl* c = getControl(id))
            c->setText("");
    if (CPLUXControl* c = getControl("myTextInputPseudo"))
        c->setText(strPseudo);
    if (CPLUXControl* c = getControl("myTextInputGroupe"))
        c->setText(strGroupe);
    // A refusal says why in full, on as many lines as the column needs.
    if (CPLUXControlText* t = ctrlText("myTextStatus"))
        t->aLaLigne = true;
    montrerStatut(strStatus);
    if (CPLUXControlButtonCheck* c = ctrlButtonCheck("myButtonCheckGroupeUse"))
        c->setCheck(bGroupeUse);
    if (CPLUXControlComboBox* c = ctrlComboBox("myComboBoxNiveau"))
        c->setNumSel(numNiveau);
    if (CPLUXControlButtonCheck* c = ctrlButtonCheck("myButtonCheckScrollListChatAuto"))
        c->setCheck(bScrollChatAuto);
    for (const char* id : {"myListJoueursEnLigne", "myListDemandesDeJeu", "myListChat"})
        if (CPLUXControlList* l = ctrlList(id))
            l->reset();
    if (CPLUXControlList* l = ctrlList("myListChat")) {
        l->setColorMouseOver(sf::Color(10, 10, 10, 10));
        l->setColorSelection(sf::Color(10, 10, 10, 40));
    }
    if (CPLUXControlButton* b = ctrlButton("myButtonConnexionServeur"))
        b->setButtonText("Connexion au serveur");
    const std::pair<const char*, const char*> images[] = {
        {"myImagePerso1", "./personnages/vignettes/zeph.png"},
        {"myImagePersoAdv1", "./personnages/vignettes/zeph.png"},
        {"myImagePerso2", "./personnages/vignettes/vevidiz.png"},
        {"myImagePersoAdv2", "./personnages/vignettes/vevidiz.png"},
        {"myImageNiv1", "./niveaux/niveau1000/mini.png"},
        {"myImageNiv2", "./niveaux/niveau1001/mini.png"},
        {"myImageNiv3", "./niveaux/niveau1002/mini.png"},
        {"myImageNiv4", "./niveaux/niveau1003/mini.png"}};
    for (const auto& [id, chemin] : images)
        if (CPLUXControlImage* i = ctrlImage(id))
            i->setImage(chemin);
}

void CJeuDialogInternet::envoyerMessageSaisi()
{
    CPLUXControl* saisie = getControl("myTextInputMsgChat");
    if (!saisie)
        return;
    strMessage = saisie->getTextW().substr(0, lobby::MESSAGE_CHAT_MAX);
    addMsgChat();
    saisie->setText("");
}

bool CJeuDialogInternet::onPressLeft(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressLeft(w, x, y, c);
    if (!c)
        return true;
    const std::string& id = c->getId();
    if (id == "myButtonConnexionServeur") {
        if (bConnexionEnCours)
            return true;  // the answer is on its way
        if (!bConnecte)
            connexionServeur(strUrlServeur, strCheminService);
        else
            deconnexion(strUrlServeur, strCheminService);
    } else if (id == "myButtonDemandeTous") {
        for (size_t i = 0; i < listeJoueurs.size(); ++i)
            sendDemandeJeu(static_cast<int>(i));
        refreshListeJoueurs(strUrlServeur, strCheminService);
    } else if (id == "myButtonRefreshList") {
        refreshListeJoueurs(strUrlServeur, strCheminService);
    } else if (id == "myButtonAnnulerJeu") {
        // The pairing ends here, whatever the server answers: back to the lobby's screen.
        modeLobby = 0;
        bEnJeu = false;
        if (CPLUXControlTab* t = ctrlTab("myTab"))
            t->setNumTabElemActif(0);
        deconnexion(strUrlServeur, strCheminService);
        connexionServeur(strUrlServeur, strCheminService);
    } else if (id == "myButtonSendMsg") {
        envoyerMessageSaisi();
    } else if (id == "myButtonEffacerMsg") {
        if (CPLUXControl* s = getControl("myTextInputMsgChat"))
            s->setText("");
    } else if (id == "myImagePerso1" || id == "myImagePerso2") {
        numPerso = id == "myImagePerso1" ? 0 : 1;
    } else {
        for (int n = 0; n < 4; ++n)
            if (id == IMAGES_NIVEAUX[n] && bMaitre)
                numImageNiveau = n;
    }
    return true;
}

bool CJeuDialogInternet::onPressRight(sf::RenderWindow* w, int x, int y, CPLUXControl* c)
{
    CPLUXDialog::onPressRight(w, x, y, c);
    if (bEnJeu || !c)
        return true;
    CPLUXControlList* liste = ctrlList(c->getId());
    if (!liste || liste != c)
        return true;
    // The line clicked, not the one selected: a right click does not select, and the first
    // right click on a line must reach that line's player. Below the lines: nothing.
    const int ligne = liste->ligneSous(y);
    if (ligne < 0)
        return true;
    if (c->getId() == "myListJoueursEnLigne") {
        sendDemandeJeu(ligne);
    } else if (c->getId() == "myListDemandesDeJeu") {
        // A line past the requests (a list edited meanwhile) is ignored.
        if (ligne < static_cast<int>(demandesRecues.size()))
            accepteDemandeJeu(demandesRecues[static_cast<size_t>(ligne)], true);
    }
    return true;
}

void CJeuDialogInternet::onCtrlInputEnterPress(CPLUXControlTextInput* c)
{
    CPLUXDialog::onCtrlInputEnterPress(c);
    if (!c)
        return;
    const std::string& id = c->getId();
    if (id == "myTextInputPseudo" || id == "myTextInputGroupe") {
        const bool pseudo = id == "myTextInputPseudo";
        if (const std::string refus = pseudo ? refusPseudo(c->getTextW()) : refusGroupe(c->getText()); !refus.empty())
            return montrerRefus(refus);
        changerPseudoGroupe(pseudo ? c->getTextW() : strPseudo, pseudo ? strGroupe : c->getText(),
                            pseudo ? Champ::PSEUDO : Champ::GROUPE);
    } else if (id == "myTextInputMsgChat") {
        envoyerMessageSaisi();
    }
}

void CJeuDialogInternet::onCtrlComboChange(CPLUXControlComboBox* c)
{
    CPLUXDialog::onCtrlComboChange(c);
    if (c && c->getId() == "myComboBoxNiveau") {
        numNiveau = std::max(0, c->getNumSel());
        refreshListeJoueurs(strUrlServeur, strCheminService);
    }
}

void CJeuDialogInternet::onCtrlCheckChange(CPLUXControlButtonCheck* c)
{
    CPLUXDialog::onCtrlCheckChange(c);
    if (!c)
        return;
    const std::string& id = c->getId();
    const bool coche = c->isChecked();
    if (id == "myButtonCheckGroupeUse") {
        if (CPLUXControl* g = getControl("myTextInputGroupe")) {
            if (const std::string refus = refusGroupe(g->getText()); !refus.empty())
                return montrerRefus(refus);
            strGroupe = g->getText();
        }
        bGroupeUse = coche;
        refreshListeJoueurs(strUrlServeur, strCheminService);
    } else if (id == "myButtonCheckScrollListChatAuto") {
        bScrollChatAuto = coche;
    } else if (bMaitre && coche) {
        if (id == "myButtonCheckModeCapture")
            modeJeu = 0;
        else if (id == "myButtonCheckModeMort")
            modeJeu = 1;
        else if (id == "myButtonCheckCouleurBleue")
            numCouleur = 1;
        else if (id == "myButtonCheckCouleurRouge")
            numCouleur = 0;
        for (int n = 0; n < 4; ++n)
            if (id == CASES_CLONES[n])
                nbClones = n + 1;
    }
}

void CJeuDialogInternet::onHide()
{
    CPLUXDialog::onHide();
    if (isCreate())
        deconnexion(strUrlServeur, strCheminService);
}

void CJeuDialogInternet::onClose()
{
    CPLUXDialog::onClose();
    if (isCreate())
        deconnexion(strUrlServeur, strCheminService);
}

void CJeuDialogInternet::onJoystickBtnARelease(int pad)
{
    CPLUXDialog::onJoystickBtnARelease(pad);
    if (CPLUX::pCtrlFocus && CPLUX::pCtrlFocus->getParent() == this)
        onPressLeft(nullptr, 0, 0, CPLUX::pCtrlFocus);
}

void CJeuDialogInternet::draw(sf::RenderWindow* w, int mouseX, int mouseY, int ox, int oy)
{
    CPLUXDialog::draw(w, mouseX, mouseY, ox, oy);
    if (!w || modeLobby != 1)
        return;
    const sf::Color rouge(200, 0, 0, 200);
    auto cadre = [&](const char* id, sf::Vector2f taille, sf::Color couleur) {
        const CPLUXControl* c = getControl(id);
        if (!c)
            return;
        sf::RectangleShape r(taille);
        r.setPosition(static_cast<float>(c->getLeftScreen()), static_cast<float>(c->getTopScreen()));
        r.setFillColor(sf::Color::Transparent);
        r.setOutlineColor(couleur);
        r.setOutlineThickness(4.f);
        w->draw(r);
    };
    cadre(numPerso == 0 ? "myImagePerso1" : "myImagePerso2", {92, 100}, rouge);
    cadre(numPersoAdv == 0 ? "myImagePersoAdv1" : "myImagePersoAdv2", {92, 100}, rouge);
    if (numImageNiveau >= 0 && numImageNiveau < 4)
        cadre(IMAGES_NIVEAUX[numImageNiveau], {300, 160}, bMaitre ? rouge : sf::Color(0, 100, 0, 200));
}

void CJeuDialogInternet::onFrame()
{
    if (reseau_)
        reseau_->appliquer();
    // Offline is idle: no socket to read, nothing to send.
    if (!bConnecte)
        return;
    lireSocket();
    // Without news for 10 minutes the server forgets a player: tell it we are still here.
    if (horlogeMaintien_.getElapsedTime() >= sf::seconds(180)) {
        horlogeMaintien_.restart();
        editJoueur(strUrlServeur, strCheminService);
    }
    if (compteurFrame > frames(4) - 1) {
        if (modeLobby == 0) {
            receiveDemandes();
        } else if (modeLobby == 1) {
            receiveOptions();
            sendOptions();
        }
        compteurFrame = 1;
    } else {
        ++compteurFrame;
    }
    if (modeLobby == 0) {
        if (compteurPing > frames(15) - 1) {
            pingJoueurs(numJoueurPing);
            if (++numJoueurPing >= static_cast<int>(listeJoueurs.size()))
                numJoueurPing = 0;
            compteurPing = 1;
        } else {
            ++compteurPing;
        }
    } else if (modeLobby == 1) {
        if (compteurPing > frames(100) - 1) {
            ping(adversaire.ipwan, adversaire.port);
            compteurPing = 1;
        } else {
            ++compteurPing;
        }
    }
}
