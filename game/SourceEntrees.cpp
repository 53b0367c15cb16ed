#include "game/SourceEntrees.h"

#include "game/Jeu.h"

#include <algorithm>

SourceFenetre::SourceFenetre(CSFMLJeu& jeu)
    : jeu(jeu), parEvenement(sf::Keyboard::KeyCount, DEPUIS_CLAVIER)
{
}

void SourceFenetre::debutImage(long image)
{
    file.clear();
    sf::Event e;
    while (jeu.fenetre && jeu.fenetre->pollEvent(e))
        file.emplace_back(e, true);
    auto programmee = jeu.touchesProgrammees.find(image);
    if (programmee != jeu.touchesProgrammees.end())
        file.emplace_back(SourceScriptee::toucheAppuyee(programmee->second), false);
}

bool SourceFenetre::evenementSuivant(sf::Event& e)
{
    if (file.empty())
        return false;
    e = file.front().first;
    const bool fenetre = file.front().second;
    file.pop_front();
    if (fenetre)
        suivreTouches(e);
    return true;
}

void SourceFenetre::suivreTouches(const sf::Event& e)
{
    switch (e.type) {
    case sf::Event::KeyPressed:
    case sf::Event::KeyReleased:
        if (e.key.code >= 0 && e.key.code < sf::Keyboard::KeyCount)
            parEvenement[static_cast<size_t>(e.key.code)] = e.type == sf::Event::KeyPressed ? ENFONCEE : RELACHEE;
        break;
    case sf::Event::LostFocus:
        std::fill(parEvenement.begin(), parEvenement.end(), RELACHEE);
        break;
    case sf::Event::GainedFocus:
        std::fill(parEvenement.begin(), parEvenement.end(), DEPUIS_CLAVIER);
        clavier->oublier();
        break;
    default:
        break;
    }
}

bool SourceFenetre::toucheEnfoncee(sf::Keyboard::Key k) const
{
    if (k >= 0 && k < sf::Keyboard::KeyCount && parEvenement[static_cast<size_t>(k)] != DEPUIS_CLAVIER)
        return parEvenement[static_cast<size_t>(k)] == ENFONCEE;
    return clavier->enfoncee(k);
}

void SourceFenetre::fermerFenetre()
{
    if (jeu.fenetre)
        jeu.fenetre->close();
}

SourceScriptee::Image& SourceScriptee::ajouterImage(const Touches& touches)
{
    images.push_back(Image{touches, {}});
    return images.back();
}

SourceScriptee::Image& SourceScriptee::ajouterImage(const sf::Event& e, const Touches& apres)
{
    Image& i = ajouterImage();
    i.evenements.emplace_back(e, apres);
    return i;
}

void SourceScriptee::debutImage(long image)
{
    evenement = 0;
    if (suivante < images.size()) {
        courantes = images[suivante].touches;
        ++suivante;
    } else {
        suivante = images.size() + 1;
        courantes.clear();
    }
}

bool SourceScriptee::evenementSuivant(sf::Event& e)
{
    if (suivante == 0 || suivante > images.size())
        return false;
    const Image& i = images[suivante - 1];
    if (evenement >= i.evenements.size())
        return false;
    e = i.evenements[evenement].first;
    courantes = i.evenements[evenement].second;
    ++evenement;
    return true;
}

bool SourceScriptee::toucheEnfoncee(sf::Keyboard::Key k) const
{
    return courantes.count(k) != 0;
}

void SourceScriptee::fermerFenetre()
{
    bFermee = true;
    if (fenetre)
        fenetre->close();
}

sf::Event SourceScriptee::toucheAppuyee(sf::Keyboard::Key k)
{
    sf::Event e;
    e.type = sf::Event::KeyPressed;
    e.key = sf::Event::KeyEvent{k, false, false, false, false};
    return e;
}

sf::Event SourceScriptee::toucheRelachee(sf::Keyboard::Key k)
{
    sf::Event e = toucheAppuyee(k);
    e.type = sf::Event::KeyReleased;
    return e;
}

sf::Event SourceScriptee::texte(sf::Uint32 caractere)
{
    sf::Event e;
    e.type = sf::Event::TextEntered;
    e.text.unicode = caractere;
    return e;
}
