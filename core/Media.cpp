#include "core/Media.h"

#include <SFML/Graphics/Image.hpp>

#include <cstdio>
#include <ostream>

namespace {

// A PNG file ends with its IEND chunk: an empty length, the name and its fixed checksum.
bool pngEntier(const std::string& octets)
{
    static const std::string FIN("\0\0\0\0IEND\xAE\x42\x60\x82", 12);
    return octets.size() > FIN.size() && octets.compare(octets.size() - FIN.size(), FIN.size(), FIN) == 0;
}

} // namespace

namespace tuv {

namespace {

std::function<std::string(const std::string&)>& remplacant()
{
    static std::function<std::string(const std::string&)> f;
    return f;
}

} // namespace

void remplacerMedias(std::function<std::string(const std::string&)> f) { remplacant() = std::move(f); }

std::string detail::cheminMedia(const std::string& chemin) { return remplacant() ? remplacant()(chemin) : chemin; }

bool ecrireImage(const sf::Image& image, const std::string& chemin)
{
    const std::string brouillon = creerFichierTemporaire(chemin, ".png");
    if (brouillon.empty())
        return false;
    std::string octets;
    const bool lu = image.saveToFile(brouillon) && lireFichier(brouillon, octets);
    std::remove(brouillon.c_str());
    // The image library does not check its writes: a scratch file cut short by a full disk
    // lacks the end of the PNG.
    return lu && pngEntier(octets) &&
           ecrireFichierSur(chemin, [&](std::ostream& out) { return bool(out.write(octets.data(), octets.size())); });
}

} // namespace tuv
