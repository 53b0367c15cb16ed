#include "core/Sprite.h"

#include <SFML/Graphics/RenderTarget.hpp>

CSPRITE::CSPRITE() {}
CSPRITE::CSPRITE(const CSPRITE& a) : strID(a.strID) {}
CSPRITE::~CSPRITE() {}
int CSPRITE::placer(int, int, int) { return 1; }
void CSPRITE::placerImage(int, int, int, int) {}
void CSPRITE::animer(int) {}
int CSPRITE::setAnim(int) { return 0; }
void CSPRITE::deplacer(int, float, float) {}
void CSPRITE::deplacerAnime(int, float, float, int) {}
void CSPRITE::setPosInit(int, int, float, float) {}
void CSPRITE::setScale(float, float) {}
void CSPRITE::setFlip(bool, bool) {}
void CSPRITE::setRotation(float) {}
void CSPRITE::setOrigine(float, float) {}
void CSPRITE::appliquerOrigine() {}
void CSPRITE::setColor(sf::Color) {}
int CSPRITE::getLargeur() const { return 0; }
int CSPRITE::getHauteur() const { return 0; }
sf::Sprite CSPRITE::getSprite() const { return sprite; }
const sf::Texture* CSPRITE::getTexture(int, int) const { return nullptr; }
const sf::Image* CSPRITE::getMasque(int, int) const { return nullptr; }
std::string CSPRITE::getIdDEC() const { return ""; }
CSetTextures* CSPRITE::getSet(int) const { return nullptr; }
sf::FloatRect CSPRITE::getBoite() const { return {}; }
void CSPRITE::Over(const std::string&, const std::string&, int, float, float, float, float, float, bool, int) {}
void CSPRITE::setOverVisible(const std::string&, bool) {}
void CSPRITE::setOverFichier(const std::string&, const std::string&) {}
void CSPRITE::supprimerOver(const std::string&) {}
struct CSPRITE::Over& CSPRITE::getOver(const std::string& nom) { return overs[nom]; }
std::string CSPRITE::getIdOver(float, float) { return ""; }
void CSPRITE::afficherOvers(sf::RenderTarget&, int) {}
void CSPRITE::afficher(sf::RenderTarget*, float, float, bool) {}
void CSPRITE::majComportements() {}
void CSPRITE::dessinerImage(sf::RenderTarget&, float, float) {}
void CSPRITE::setVolumeSon(float) {}
void CSPRITE::stopSon() {}
void CSPRITE::gererSon() {}
void CSPRITE::appliquerEchelle() {}
void CSPRITE::appliquerTexture() {}
void CSPRITE::dessinerOmbre(sf::RenderTarget&, float, float) {}
void CSPRITE::dessinerExtrasEditeur(sf::RenderTarget&, float, float) {}
void CSPRITE::chargerImageOver(struct Over&) {}
bool supprimerSD(CSPRITE* sd) { delete sd; return true; }
bool supprimerSprite(CSPRITE* sd) { return supprimerSD(sd); }
bool supprimerSprite(sf::Sprite* s) { delete s; return true; }
