#include "gui/CPLUXModeleDef.h"

#include "core/Fichiers.h"
#include "core/Texte.h"
#include "gui/CPLUX.h"
#include "gui/CPLUXControlColor.h"
#include "gui/CPLUXControlImage.h"
#include "gui/CPLUXControlList.h"
#include "gui/CPLUXControlSliderH.h"
#include "gui/CPLUXControlTab.h"
#include "gui/CPLUXControlTextInput.h"

#include <algorithm>
#include <fstream>
#include <iostream>
#include <map>
#include <sstream>

namespace {

constexpr float MARGE = 8.f;
constexpr float ECART = 6.f;

// s without its surrounding blanks, in place.
void rogner(std::string& s)
{
    const char* blancs = " \t\r\n";
    s.erase(s.find_last_not_of(blancs) + 1);
    s.erase(0, s.find_first_not_of(blancs));
}

std::string nettoyer(std::string s)
{
    rogner(s);
    return s;
}

// The fields of s from debut on, between the separators.
std::vector<std::string> decouper(const std::string& s, size_t debut, char sep)
{
    std::vector<std::string> r;
    r.reserve(static_cast<size_t>(std::count(s.begin() + static_cast<std::ptrdiff_t>(debut), s.end(), sep)) + 1);
    for (;;) {
        const size_t fin = s.find(sep, debut);
        if (fin == std::string::npos) {
            r.emplace_back(s, debut);
            return r;
        }
        r.emplace_back(s, debut, fin - debut);
        debut = fin + 1;
    }
}

sf::Color lireCouleur(const std::vector<std::string>& v)
{
    auto composante = [&](size_t i, int defaut) {
        return static_cast<sf::Uint8>(std::clamp(i < v.size() ? tuv::stoi(v[i]) : defaut, 0, 255));
    };
    return sf::Color(composante(0, 0), composante(1, 0), composante(2, 0), composante(3, 255));
}

bool vrai(const std::vector<std::string>& v) { return !v.empty() && tuv::stoi(v[0]) != 0; }

// One "{" ... "}" block: its keys in file order with their line numbers.
struct Bloc {
    int ligne = 0;
    std::vector<std::pair<std::string, std::vector<std::string>>> cles;
    std::vector<int> lignes;
    const std::vector<std::string>* valeur(const std::string& cle) const
    {
        for (const auto& c : cles)
            if (c.first == cle)
                return &c.second;
        return nullptr;
    }
};

// Next free slot of a flow of rows and columns.
struct Flux {
    float gauche = 0, haut = 0, bas = 0, largeurCol = 0;
    float x = 0, y = 0;
};

float hauteurParDefaut(CPLUXControl::Genre g)
{
    switch (g) {
    case CPLUXControl::GENRE_LISTE:
    case CPLUXControl::GENRE_ZONE_TEXTE: return 100.f;
    case CPLUXControl::GENRE_IMAGE: return 128.f;
    case CPLUXControl::GENRE_PANNEAU: return 60.f;
    default: return 20.f;
    }
}

float largeurTexte(const std::wstring& t)
{
    const float l = plux::largeurTexte(t, plux::TAILLE_TEXTE);
    return l > 0 ? l : 7.f * static_cast<float>(t.size());
}

class Lecteur {
public:
    Lecteur(CPLUXDialog* d, CPLUXModeleDef& def, const std::string& source,
            std::vector<std::string>& erreurs)
        : d_(d), source_(source), erreurs_(erreurs)
    {
        (void)def;
    }

    void lire(const std::string& texte)
    {
        std::istringstream in(texte);
        std::string ligne;
        int numero = 0;
        bool dansBloc = false;
        Bloc bloc;
        while (std::getline(in, ligne)) {
            ++numero;
            rogner(ligne);
            if (ligne.empty() || ligne[0] == '#')
                continue;
            if (ligne == "{") {
                if (dansBloc)
                    erreur(numero, "bloc non fermé");
                dansBloc = true;
                // Emptied, not replaced: the next blocks reuse its room.
                bloc.cles.clear();
                bloc.lignes.clear();
                bloc.ligne = numero;
                continue;
            }
            if (ligne == "}") {
                if (dansBloc)
                    controle(bloc);
                else
                    erreur(numero, "\"}\" sans \"{\"");
                dansBloc = false;
                continue;
            }
            const size_t egal = ligne.find('=');
            if (egal == std::string::npos) {
                erreur(numero, "ligne sans \"=\" : " + ligne);
                continue;
            }
            const std::string cle = nettoyer(ligne.substr(0, egal));
            std::vector<std::string> valeurs = decouper(ligne, egal + 1, ';');
            if (dansBloc) {
                bloc.cles.emplace_back(cle, std::move(valeurs));
                bloc.lignes.push_back(numero);
            } else {
                cleDialogue(numero, cle, valeurs);
            }
        }
        if (dansBloc)
            erreur(numero, "bloc non fermé en fin de fichier");
    }

private:
    void erreur(int ligne, const std::string& texte)
    {
        const std::string m = source_ + ":" + std::to_string(ligne) + ": " + texte;
        erreurs_.push_back(m);
        std::cerr << "PLUX : " << m << "\n";
    }

    void cleDialogue(int n, const std::string& cle, const std::vector<std::string>& v)
    {
        if (cle == "DIALOGUE") {
            if (d_->getId().empty())
                d_->setId(nettoyer(v[0]));
        } else if (cle == "TITRE") {
            d_->setTitle(v[0]);
        } else if (cle == "RECT") {
            if (v.size() < 4) {
                erreur(n, "RECT demande x;y;l;h");
                return;
            }
            d_->setPosition(tuv::stoi(v[0]), tuv::stoi(v[1]));
            d_->Size(tuv::stoi(v[2]), tuv::stoi(v[3]));
        } else if (cle == "OPTIONS") {
            d_->setDeplacable(false);
            d_->setRedimensionnable(false);
            d_->setFermable(false);
            d_->setMinimisable(false);
            for (const std::string& o0 : v) {
                const std::string o = nettoyer(o0);
                if (o == "DEPLACABLE")
                    d_->setDeplacable(true);
                else if (o == "REDIMENSIONNABLE")
                    d_->setRedimensionnable(true);
                else if (o == "FERMABLE")
                    d_->setFermable(true);
                else if (o == "MINIMISABLE")
                    d_->setMinimisable(true);
                else if (o == "SANS_TITRE")
                    d_->setSansTitre(true);
                else if (o == "PLEIN_ECRAN")
                    d_->setPleinEcran(true);
                else if (!o.empty())
                    erreur(n, "option inconnue : " + o);
            }
        } else if (cle == "MODE_FERMETURE") {
            d_->setCloseMode(tuv::stoi(v[0]));
        } else if (cle == "COLONNES") {
            nbColonnes_ = std::max(1, tuv::stoi(v[0]));
            largeurColonne_ = v.size() > 1 ? static_cast<float>(tuv::stoi(v[1])) : 0.f;
        } else if (cle == "COULEUR_FOND") {
            d_->setColorFond(lireCouleur(v));
        } else {
            erreur(n, "clé inconnue : " + cle);
        }
    }

    Flux& flux(CPLUXControlTab* tab, int page)
    {
        const auto cle = std::make_pair(tab, page);
        auto it = flux_.find(cle);
        if (it != flux_.end())
            return it->second;
        Flux f;
        if (tab) {
            const sf::FloatRect r = tab->rectPage();
            f.gauche = r.left + 6;
            f.haut = r.top + 6;
            f.bas = r.top + r.height - 6;
            f.largeurCol = r.width - 12;
        } else {
            const float largeurUtile = static_cast<float>(d_->getWidth()) - 2 * MARGE;
            f.gauche = MARGE;
            f.haut = static_cast<float>(d_->hauteurTitre()) + MARGE;
            f.bas = static_cast<float>(d_->getOuterHeight()) - MARGE;
            f.largeurCol = largeurColonne_ > 0 ? largeurColonne_
                                               : (largeurUtile - (nbColonnes_ - 1) * MARGE) / nbColonnes_;
        }
        f.x = f.gauche;
        f.y = f.haut;
        return flux_[cle] = f;
    }

    // Places c (and its label) in the next slot of its container's flow.
    void placer(CPLUXControl* c, CPLUXControl* label, float hauteur)
    {
        Flux& f = flux(c->getTab(), c->getTabPage());
        if (c->getGenre() == CPLUXControl::GENRE_ONGLETS && hauteur <= 0)
            hauteur = std::max(60.f, f.bas - f.y);
        if (f.y + hauteur > f.bas && f.y > f.haut) {
            f.x += f.largeurCol + MARGE;
            f.y = f.haut;
        }
        float x = f.x, largeur = f.largeurCol;
        if (label) {
            const float l = std::min(f.largeurCol * 0.4f, 140.f);
            label->setPosition(x, f.y);
            label->setVisibleDimension(l, std::min(hauteur, 20.f));
            x += l + 4;
            largeur -= l + 4;
        }
        c->setPosition(x, f.y);
        c->setVisibleDimension(largeur, hauteur);
        f.y += hauteur + ECART;
    }

    void controle(const Bloc& b)
    {
        const auto* ctl = b.valeur("CONTROLE");
        if (!ctl || ctl->size() < 2 || nettoyer((*ctl)[1]).empty()) {
            erreur(b.ligne, "bloc sans CONTROLE=genre;id");
            return;
        }
        const std::string genre = nettoyer((*ctl)[0]);
        const std::string id = nettoyer((*ctl)[1]);
        CPLUXControl* c = CPLUXModeleDef::creerControle(genre);
        if (!c) {
            erreur(b.ligne, "genre de contrôle inconnu : " + genre);
            return;
        }
        c->setId(id);
        c->indexModele = indexModele_++;
        if (!d_->addControl(c)) {
            delete c;
            erreur(b.ligne, "identifiant en double : " + id);
            return;
        }
        // The page first: the auto layout places the control inside it.
        if (const auto* o = b.valeur("ONGLET")) {
            CPLUXControlTab* tab = d_->ctrlTab(nettoyer((*o)[0]));
            if (tab == c)
                erreur(b.ligne, "onglets placés sur leur propre page : " + id);
            else if (tab)
                c->setTab(tab, o->size() > 1 ? tuv::stoi((*o)[1]) : 0);
            else
                erreur(b.ligne, "onglets inconnus : " + (*o)[0]);
        }
        CPLUXControlText* label = nullptr;
        if (const auto* l = b.valeur("LIBELLE")) {
            label = new CPLUXControlText;
            label->estAnonyme = true;
            label->setText((*l)[0]);
            label->setTab(c->getTab(), c->getTabPage());
            label->alignerDroite = true;
            d_->addControl(label);
            c->setLibelle(label);
        }
        float hauteur = c->getGenre() == CPLUXControl::GENRE_ONGLETS ? 0.f : hauteurParDefaut(c->getGenre());
        if (const auto* h = b.valeur("HAUTEUR"))
            hauteur = static_cast<float>(tuv::stoi((*h)[0]));
        if (const auto* r = b.valeur("RECT")) {
            if (r->size() < 4) {
                erreur(b.ligne, "RECT demande x;y;l;h");
            } else {
                c->setPosition(static_cast<float>(tuv::stoi((*r)[0])), static_cast<float>(tuv::stoi((*r)[1])));
                c->setVisibleDimension(static_cast<float>(tuv::stoi((*r)[2])),
                                       static_cast<float>(tuv::stoi((*r)[3])));
                if (label) {
                    const float l = largeurTexte(label->getTextW()) + 2;
                    label->setPosition(c->getLeft() - l - 6, c->getTop());
                    label->setVisibleDimension(l, std::min(c->getHeight(), 20.f));
                }
            }
        } else {
            placer(c, label, hauteur);
        }
        for (size_t i = 0; i < b.cles.size(); ++i)
            cleControle(b.lignes[i], c, b.cles[i].first, b.cles[i].second);
        if (label) {
            label->setAnchors(c->getAnchor(0), c->getAnchor(1), c->getAnchor(2) && !c->getAnchor(0),
                              c->getAnchor(3) && !c->getAnchor(1));
        }
    }

    void cleControle(int n, CPLUXControl* c, const std::string& cle, const std::vector<std::string>& v)
    {
        using G = CPLUXControl;
        const G::Genre g = c->getGenre();
        const bool liste = g == G::GENRE_LISTE || g == G::GENRE_COMBO || g == G::GENRE_ZONE_TEXTE;
        if (cle == "CONTROLE" || cle == "RECT" || cle == "ONGLET" || cle == "LIBELLE" || cle == "HAUTEUR")
            return;
        if (c->appliquerCle(cle, v))
            return;
        if (cle == "TEXTE") {
            // The initial text of an input is not a change.
            c->setSendEventOnChange(false);
            c->setText(v[0]);
            c->setSendEventOnChange(true);
        } else if (cle == "GROUPE") {
            c->groupe = nettoyer(v[0]);
        } else if (cle == "ELEMENTS") {
            if (liste) {
                for (const std::string& e : v)
                    static_cast<CPLUXControlTextArea*>(c)->AddElement(e);
            } else if (g == G::GENRE_ONGLETS) {
                for (const std::string& e : v) {
                    const size_t p = e.find(':');
                    const std::string idEntete = nettoyer(e.substr(0, p));
                    const std::string titre = p == std::string::npos ? idEntete : e.substr(p + 1);
                    if (!static_cast<CPLUXControlTab*>(c)->ajouterPage(idEntete, tuv::utf8toWStr(titre)))
                        erreur(n, "identifiant en double : " + idEntete);
                }
            } else {
                erreur(n, "ELEMENTS sur un contrôle sans éléments");
            }
        } else if (cle == "COL2") {
            if (liste) {
                static_cast<CPLUXControlTextArea*>(c)->setVisibleCol2(vrai(v));
                if (v.size() > 1)
                    static_cast<CPLUXControlTextArea*>(c)->setLargeurCol2(tuv::stoi(v[1]));
            }
        } else if (cle == "ANCRES") {
            if (v.size() < 4)
                erreur(n, "ANCRES demande g;h;d;b");
            else
                c->setAnchors(tuv::stoi(v[0]) != 0, tuv::stoi(v[1]) != 0, tuv::stoi(v[2]) != 0,
                              tuv::stoi(v[3]) != 0);
        } else if (cle == "VAR") {
            c->varNom = nettoyer(v[0]);
            c->varType = v.size() > 1 ? nettoyer(v[1]) : "STRING";
            if (c->varType != "STRING" && c->varType != "FLOAT" && c->varType != "INT" && c->varType != "BOOL")
                erreur(n, "type de variable inconnu : " + c->varType);
        } else if (cle == "ACTIF") {
            c->setActive(vrai(v));
        } else if (cle == "VISIBLE") {
            c->setVisible(vrai(v));
        } else if (cle == "LECTURE_SEULE") {
            c->setReadOnly(vrai(v));
        } else if (cle == "DEPLACABLE") {
            c->setMovable(vrai(v));
        } else if (cle == "REDIMENSIONNABLE") {
            c->setResizable(vrai(v));
        } else if (cle == "COULEUR") {
            if (g == G::GENRE_BOUTON)
                static_cast<CPLUXControlButton*>(c)->setColor(lireCouleur(v));
            else if (g == G::GENRE_PANNEAU)
                static_cast<CPLUXControlPanel*>(c)->setColor(lireCouleur(v));
            else if (g == G::GENRE_ENTETE_ONGLET)
                static_cast<CPLUXControlTabHeader*>(c)->setColor(lireCouleur(v));
            else if (g == G::GENRE_ZONE)
                static_cast<CPLUXControlZone*>(c)->setColor(lireCouleur(v));
            else if (g == G::GENRE_COULEUR)
                static_cast<CPLUXControlColor*>(c)->initColor(lireCouleur(v));
            else
                c->setTextColor(lireCouleur(v));
        } else if (cle == "IMAGE") {
            if (g == G::GENRE_CASE)
                static_cast<CPLUXControlButtonCheck*>(c)->setImages(v[0], v.size() > 1 ? v[1] : v[0]);
            else if (g == G::GENRE_IMAGE)
                static_cast<CPLUXControlImage*>(c)->setImage(v[0]);
            else
                erreur(n, "IMAGE sur un contrôle sans image");
        } else if (cle == "DONNEE") {
            c->setData(v[0]);
        } else if (cle == "TAILLE_TEXTE") {
            c->setTextSize(tuv::stoi(v[0]));
        } else if (cle == "INFO") {
            c->setInfo(tuv::utf8toWStr(v[0]));
        } else {
            erreur(n, "clé inconnue : " + cle);
        }
    }

    CPLUXDialog* d_;
    std::string source_;
    std::vector<std::string>& erreurs_;
    int nbColonnes_ = 1;
    float largeurColonne_ = 0.f;
    int indexModele_ = 0;
    std::map<std::pair<CPLUXControlTab*, int>, Flux> flux_;
};

} // namespace

CPLUXControl* CPLUXModeleDef::creerControle(const std::string& genre)
{
    if (genre == "BOUTON")
        return new CPLUXControlButton;
    if (genre == "CASE")
        return new CPLUXControlButtonCheck;
    if (genre == "TEXTE")
        return new CPLUXControlText;
    if (genre == "SAISIE")
        return new CPLUXControlTextInput;
    if (genre == "LISTE")
        return new CPLUXControlList;
    if (genre == "COMBO")
        return new CPLUXControlComboBox;
    if (genre == "ONGLETS")
        return new CPLUXControlTab;
    if (genre == "PANNEAU")
        return new CPLUXControlPanel;
    if (genre == "IMAGE")
        return new CPLUXControlImage;
    if (genre == "ZONE")
        return new CPLUXControlZone;
    if (genre == "COULEUR")
        return new CPLUXControlColor;
    if (genre == "CURSEUR")
        return new CPLUXControlSliderH;
    return nullptr;
}

void CPLUXModeleDef::erreur(const std::string& source, int ligne, const std::string& texte)
{
    const std::string m = source + ":" + std::to_string(ligne) + ": " + texte;
    erreurs_.push_back(m);
    std::cerr << "PLUX : " << m << "\n";
}

bool CPLUXModeleDef::appliquerTexte(CPLUXDialog* d, const std::string& texte, const std::string& source)
{
    if (!d)
        return false;
    Lecteur l(d, *this, source.empty() ? d->getId() : source, erreurs_);
    l.lire(texte);
    return true;
}

bool CPLUXModeleDef::appliquerFichier(CPLUXDialog* d, const std::string& chemin)
{
    if (!d)
        return false;
    // A folder opens as a stream on Linux and reads as nothing, and opening a FIFO blocks:
    // neither is a model. Checked before the stream is opened.
    std::ifstream in;
    if (tuv::fichierExiste(chemin))
        in.open(chemin, std::ios::binary);
    if (!in.is_open()) {
        if (d->getTitleW().empty())
            d->setTitle(d->getId());
        erreur(chemin, 0, "modèle introuvable");
        return false;
    }
    std::stringstream ss;
    ss << in.rdbuf();
    return appliquerTexte(d, ss.str(), chemin);
}

void CPLUXModeleDef::readFile(const std::string& folder)
{
    std::string dossier = folder;
    if (!dossier.empty() && dossier.back() != '/')
        dossier += '/';
    const auto& declares = CPLUX::getDeclaredDialogs();
    std::vector<CPLUXDialog*> crees;
    for (size_t i = 0; i < declares.size(); ++i) {
        const std::string& id = declares[i].first;
        if (CPLUX::getDialog(id))
            continue;
        PLUXFactory f = CPLUX::getDeclaredFactory(i);
        CPLUXDialog* d = f ? f() : nullptr;
        if (!d) {
            erreur(id, 0, "la classe " + declares[i].second + " n'a pas pu être créée");
            continue;
        }
        d->setId(id);
        appliquerFichier(d, dossier + id + ".mod");
        if (d->getTitleW().empty())
            d->setTitle(id);
        // Declared dialogs start hidden: visible but minimised, in the toolbar.
        d->visible_ = true;
        d->minimise_ = true;
        CPLUX::enregistrer(d);
        crees.push_back(d);
    }
    // Every dialog and control exists before the first onCreate runs.
    for (CPLUXDialog* d : crees) {
        if (!CPLUX::estVivant(d) || d->isCreate())
            continue;
        d->onCreate();
        if (CPLUX::estVivant(d))
            d->marquerCree();
    }
}
