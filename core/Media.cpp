#include "core/Media.h"

#include <SFML/Graphics/Image.hpp>

#include <cstdio>
#include <fstream>
#include <sstream>

namespace tuv {

bool ecrireImage(const sf::Image& image, const std::string& chemin)
{
    const std::string brouillon = creerFichierTemporaire(chemin, ".png");
    if (brouillon.empty())
        return false;
    std::string octets;
    if (image.saveToFile(brouillon)) {
        std::ifstream in(brouillon, std::ios::binary);
        std::stringstream ss;
        ss << in.rdbuf();
        octets = ss.str();
    }
    std::remove(brouillon.c_str());
    // The image library does not check its writes: an empty scratch file is a failed one.
    return !octets.empty() &&
           ecrireFichierSur(chemin, [&](std::ostream& out) { return bool(out.write(octets.data(), octets.size())); });
}

} // namespace tuv
