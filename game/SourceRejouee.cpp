#include "game/SourceRejouee.h"

#include "core/Fichiers.h"
#include "core/TuvFile.h"

#include <SFML/System/String.hpp>

#include <algorithm>
#include <cstdlib>
#include <utility>

namespace {

// The names a replay may give its keys.
const std::pair<const char*, sf::Keyboard::Key> NOMS_TOUCHES[] = {
    {"Left", sf::Keyboard::Left},       {"Right", sf::Keyboard::Right},     {"Up", sf::Keyboard::Up},
    {"Down", sf::Keyboard::Down},       {"Space", sf::Keyboard::Space},     {"Return", sf::Keyboard::Return},
    {"Escape", sf::Keyboard::Escape},   {"Tab", sf::Keyboard::Tab},         {"BackSpace", sf::Keyboard::BackSpace},
    {"LShift", sf::Keyboard::LShift},   {"RShift", sf::Keyboard::RShift},   {"LControl", sf::Keyboard::LControl},
    {"RControl", sf::Keyboard::RControl}, {"LAlt", sf::Keyboard::LAlt},     {"Add", sf::Keyboard::Add},
    {"Subtract", sf::Keyboard::Subtract}, {"PageUp", sf::Keyboard::PageUp}, {"PageDown", sf::Keyboard::PageDown},
};

const std::pair<const char*, uint16_t> NOMS_BOUTONS[] = {
    {"A", MANETTE_A},         {"B", MANETTE_B},         {"X", MANETTE_X},   {"Y", MANETTE_Y},
    {"START", MANETTE_START}, {"BACK", MANETTE_BACK},   {"LB", MANETTE_LB}, {"RB", MANETTE_RB},
    {"HAUT", MANETTE_HAUT},   {"BAS", MANETTE_BAS},     {"LS", MANETTE_LS}, {"RS", MANETTE_RS},
};

// A whole number, or false when the text is not one.
bool entier(const std::string& texte, long& valeur)
{
    if (texte.empty())
        return false;
    char* fin = nullptr;
    valeur = std::strtol(texte.c_str(), &fin, 10);
    return fin && *fin == '\0';
}

} // namespace

SourceRejouee::SourceRejouee(std::function<bool(const std::string&)> capturer, std::function<void()> fermer)
    : capturer(std::move(capturer)), fermer(std::move(fermer)), etat(std::make_shared<EtatManette>())
{
    std::weak_ptr<EtatManette> lu = etat;
    setLecteurManette([lu](unsigned int manette) {
        const auto e = lu.lock();
        return e && manette == 0 ? *e : EtatManette();
    });
}

SourceRejouee::~SourceRejouee() { setLecteurManette({}); }

sf::Keyboard::Key SourceRejouee::touche(const std::string& nom)
{
    for (const auto& [n, k] : NOMS_TOUCHES)
        if (nom == n)
            return k;
    if (nom.size() == 1 && nom[0] >= 'A' && nom[0] <= 'Z')
        return static_cast<sf::Keyboard::Key>(sf::Keyboard::A + (nom[0] - 'A'));
    if (nom.size() == 1 && nom[0] >= '0' && nom[0] <= '9')
        return static_cast<sf::Keyboard::Key>(sf::Keyboard::Num0 + (nom[0] - '0'));
    if (nom.size() >= 2 && nom[0] == 'F' && nom.size() <= 3) {
        long n = 0;
        if (entier(nom.substr(1), n) && n >= 1 && n <= 15)
            return static_cast<sf::Keyboard::Key>(sf::Keyboard::F1 + (n - 1));
    }
    long code = 0;
    if (entier(nom, code) && code >= 0 && code < sf::Keyboard::KeyCount)
        return static_cast<sf::Keyboard::Key>(code);
    return sf::Keyboard::Unknown;
}

bool SourceRejouee::charger(const std::string& fichier)
{
    // Only a regular file read whole: a FIFO would block, a failed read cut the replay.
    std::string texte;
    if (!tuv::lireFichier(fichier, texte))
        return false;
    lireTexte(texte);
    return true;
}

void SourceRejouee::lireTexte(const std::string& texte)
{
    CTUVFile f;
    f.openTexte(texte);
    for (std::string cle = f.getKey(); !cle.empty(); cle = f.getKey()) {
        std::vector<std::string> valeurs;
        do
            valeurs.push_back(f.getValue());
        while (!f.finDeLigne() && valeurs.size() < 4);
        if (!lireLigne(cle, valeurs))
            ++rejetees;
    }
}

bool SourceRejouee::lireLigne(const std::string& cle, const std::vector<std::string>& v)
{
    long image = 0;
    if (v.empty() || !entier(v[0], image) || image < 0)
        return false;
    Action a;
    long n = 0;
    const bool etat01 = v.size() == 3 && entier(v[2], n) && (n == 0 || n == 1);
    if (cle == "TOUCHE" && etat01) {
        a = {Action::Type::Touche, touche(v[1]), static_cast<int>(n), ""};
        if (a.code == sf::Keyboard::Unknown)
            return false;
    } else if (cle == "TEXTE" && v.size() == 2) {
        const sf::String s = sf::String::fromUtf8(v[1].begin(), v[1].end());
        if (s.getSize() != 1)
            return false;
        a = {Action::Type::Texte, static_cast<int>(s[0]), 0, ""};
    } else if (cle == "BOUTON" && etat01) {
        const auto b = std::find_if(std::begin(NOMS_BOUTONS), std::end(NOMS_BOUTONS),
                                    [&](const auto& p) { return v[1] == p.first; });
        if (b == std::end(NOMS_BOUTONS))
            return false;
        a = {Action::Type::Bouton, b->second, static_cast<int>(n), ""};
    } else if (cle == "AXE" && v.size() == 3 && (v[1] == "X" || v[1] == "Y") && entier(v[2], n)) {
        a = {Action::Type::Axe, v[1] == "Y", static_cast<int>(std::clamp(n, -100L, 100L)), ""};
    } else if (cle == "CAPTURE" && v.size() == 2 && !v[1].empty()) {
        a = {Action::Type::Capture, 0, 0, v[1]};
    } else if (cle == "FIN" && v.size() == 1) {
        a = {Action::Type::Fin, 0, 0, ""};
    } else {
        return false;
    }
    // A replay that uses the pad plugs it in from the start.
    etat->bConnecte |= a.type == Action::Type::Bouton || a.type == Action::Type::Axe;
    programme.emplace(image, a);
    return true;
}

void SourceRejouee::debutImage(long image)
{
    const auto [debut, fin] = programme.equal_range(image);
    for (auto it = debut; it != fin; ++it)
        appliquer(it->second);
}

void SourceRejouee::appliquer(const Action& a)
{
    sf::Event e;
    switch (a.type) {
    case Action::Type::Touche: {
        const auto k = static_cast<sf::Keyboard::Key>(a.code);
        e.type = a.valeur ? sf::Event::KeyPressed : sf::Event::KeyReleased;
        e.key = {k, false, false, false, false};
        file.push_back(e);
        if (a.valeur)
            tenues.insert(k);
        else
            tenues.erase(k);
        break;
    }
    case Action::Type::Texte:
        e.type = sf::Event::TextEntered;
        e.text.unicode = static_cast<sf::Uint32>(a.code);
        file.push_back(e);
        break;
    case Action::Type::Bouton:
        etat->boutons = a.valeur ? (etat->boutons | a.code) : (etat->boutons & ~a.code);
        break;
    case Action::Type::Axe: {
        // The game reads raw / 327: 328 per step gives back exactly the value written.
        const int16_t brut = static_cast<int16_t>(std::clamp(a.valeur * 328, -32768, 32767));
        (a.code ? etat->gaucheY : etat->gaucheX) = brut;
        break;
    }
    case Action::Type::Capture:
        captures.push_back(a.fichier);
        break;
    case Action::Type::Fin:
        e.type = sf::Event::Closed;
        file.push_back(e);
        break;
    }
}

bool SourceRejouee::evenementSuivant(sf::Event& e)
{
    if (file.empty())
        return false;
    e = file.front();
    file.pop_front();
    return true;
}

bool SourceRejouee::toucheEnfoncee(sf::Keyboard::Key k) const { return tenues.count(k) != 0; }

void SourceRejouee::fermerFenetre()
{
    if (fermer)
        fermer();
}

void SourceRejouee::finImage()
{
    for (const std::string& f : captures)
        if (capturer)
            capturer(f);
    captures.clear();
}
