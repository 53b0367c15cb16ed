#pragma once
// What the three files of the shots share: the game's services they call and the image a
// shot's state shows.
#include <string>

class CDecor;
class CDEC;
class CTir;

namespace tirs {

CDecor* decorActif();
// The game option "USEPARTICULESARMES".
bool particulesArmes();
// Plays a named sound (nothing for an empty name).
void jouer(const std::string& son);
void secouer(int duree, int amplitude);
// Starts the shot's image on animation 0 of the bank (no frame when the bank has none).
void montrerImage(CTir& t, const CDEC* banque);
// Sine and cosine of degrees, exactly 0 at the right angles: a shot flying level must not
// drift by a truncated pixel.
double sinDeg(double degres);
double cosDeg(double degres);

} // namespace tirs
