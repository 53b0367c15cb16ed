#pragma once
// Every media load of the program (sounds, music, images, textures, fonts, shaders) goes
// through chargerMedia, every image written through ecrireImage. SFML's decoders take any path: the sound decoder loops for ever on
// a folder, and every decoder blocks for ever on a FIFO. Only regular files reach them;
// any other path loads nothing, exactly as a missing file does.
#include "core/Fichiers.h"

#include <functional>
#include <string>
#include <type_traits>
#include <utility>

namespace sf {
class Image;
}

namespace tuv {

// For the fuzz targets, which read the same few media files at every input: a function that
// names the file to decode in place of an existing media file (a small stand-in of the same
// kind), so that decoding pictures and sounds does not take most of a run. The game never
// sets it: each file is then decoded itself.
void remplacerMedias(std::function<std::string(const std::string&)> remplacant);

namespace detail {

// The file chargerMedia decodes for chemin: chemin itself unless remplacerMedias was given.
std::string cheminMedia(const std::string& chemin);

template <class Media, class = void>
struct estFlux : std::false_type {};
// Music is streamed from its file: it is opened, not loaded.
template <class Media>
struct estFlux<Media, std::void_t<decltype(std::declval<Media&>().openFromFile(std::string()))>> : std::true_type {};

template <class T>
bool cheminValide(const T& argument)
{
    if constexpr (std::is_convertible_v<const T&, std::string>)
        return fichierExiste(argument);
    else
        return true;
}

} // namespace detail

// media.loadFromFile(chemin, autres...) (openFromFile for music) when chemin, and every
// further argument that is a path (a shader's second source), names a regular file; false
// without calling SFML otherwise.
template <class Media, class... Autres>
bool chargerMedia(Media& media, const std::string& chemin, const Autres&... autres)
{
    if (!fichierExiste(chemin) || !(detail::cheminValide(autres) && ...))
        return false;
    if constexpr (detail::estFlux<Media>::value)
        return media.openFromFile(detail::cheminMedia(chemin));
    else
        return media.loadFromFile(detail::cheminMedia(chemin), autres...);
}

// Writes an image as a PNG through the program's one commit point. The image library
// writes only to a path: it fills a scratch file of a name nobody holds, whose bytes then
// go through ecrireFichierSur, so that no file is overwritten on the way. False on failure,
// the old file then untouched.
bool ecrireImage(const sf::Image& image, const std::string& chemin);

} // namespace tuv
