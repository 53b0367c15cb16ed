#pragma once
// What the fuzz targets share: the input as a file of this process (the readers read
// files), and the set-up every run needs once.
#include "core/Media.h"

#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/RenderTarget.hpp>
#include <SFML/OpenGL.hpp>
#include <SFML/System/Err.hpp>
#include <SFML/Window/Context.hpp>

#include <algorithm>
#include <cctype>
#include <cstddef>
#include <cstdlib>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>

#include <unistd.h>

namespace fuzz {

// "<dossier>/fuzz_<pid>/<nom>": a file of this process, in a folder of its own (a save lists
// its folder for what killed saves left) in memory where the system has a memory file system
// (every save syncs its file to the disk: on a disk that would be most of a run's time). The
// folder goes when the process ends.
inline std::string chemin(const std::string& nom)
{
    // Never freed: the exit handler that removes the folder runs after the static objects go.
    static const std::string* dossier = [] {
        auto* d = new std::string(std::string(::access("/dev/shm", W_OK) == 0 ? "/dev/shm" : "/tmp") + "/fuzz_" +
                                  std::to_string(::getpid()));
        std::filesystem::create_directories(*d);
        std::atexit([] {
            std::error_code ec;
            std::filesystem::remove_all(*dossier, ec);
        });
        return d;
    }();
    return *dossier + "/" + nom;
}

inline void ecrire(const std::string& chemin, const std::string& octets)
{
    std::ofstream out(chemin, std::ios::binary | std::ios::trunc);
    out.write(octets.data(), static_cast<std::streamsize>(octets.size()));
}

inline std::string lire(const std::string& chemin)
{
    std::ifstream in(chemin, std::ios::binary);
    return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Writes the input to chemin(nom) and gives that path.
inline std::string ecrireEntree(const std::string& nom, const uint8_t* donnees, std::size_t taille)
{
    const std::string chemin = fuzz::chemin(nom);
    ecrire(chemin, std::string(reinterpret_cast<const char*>(donnees), taille));
    return chemin;
}

// The small picture or sound decoded in place of a media file of the data that an input
// names; any other file is read itself.
inline std::string remplacant(const std::string& fichier)
{
    static const std::string image = [] {
        sf::Image i;
        i.create(8, 8, sf::Color(0, 255, 0, 255));
        for (unsigned k = 0; k < 8; ++k)
            i.setPixel(k, k, sf::Color::Transparent);
        const std::string c = chemin("petit.png");
        i.saveToFile(c);
        return c;
    }();
    static const std::string son = [] {
        const sf::Int16 echantillons[16] = {0, 1000, -1000, 2000};
        sf::SoundBuffer b;
        b.loadFromSamples(echantillons, 16, 1, 22050);
        const std::string c = chemin("petit.wav");
        b.saveToFile(c);
        return c;
    }();
    std::string extension = fichier.substr(std::min(fichier.size(), fichier.rfind('.') + 1));
    std::transform(extension.begin(), extension.end(), extension.begin(),
                   [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
    for (const char* e : {"png", "jpg", "jpeg", "bmp", "tga", "gif", "psd", "hdr", "pic"})
        if (extension == e)
            return image;
    for (const char* e : {"ogg", "wav", "flac"})
        if (extension == e)
            return son;
    return fichier;
}

// Once per process: the software renderer kept to one thread, a GL context and an audio
// resource kept for the whole run (textures need a context, sounds the audio device: making
// either per input takes milliseconds, the device's thread sleeping as it stops), small
// stand-ins decoded in place of the data's pictures and sounds, and SFML's and the readers'
// console messages silenced (bad input makes thousands a second; the sanitizers and
// libFuzzer write to the error output themselves).
inline void preparer()
{
    // The software renderer draws in the calling thread unless told otherwise: its worker
    // threads, woken for every draw of small pictures, cost more processor time than they
    // share. A value the run's environment gives wins.
    [[maybe_unused]] static const int unFil = ::setenv("LP_NUM_THREADS", "0", 0);
    [[maybe_unused]] static const sf::Context* contexte = new sf::Context;
    [[maybe_unused]] static const sf::SoundBuffer* son = new sf::SoundBuffer;
    static const bool fait = [] {
        tuv::remplacerMedias(remplacant);
        sf::err().rdbuf(nullptr);
        std::cerr.rdbuf(nullptr);
        std::clog.rdbuf(nullptr);
        return true;
    }();
    (void)fait;
}

// Has the GL driver carry out what the input drew on that target and give back the memory
// it used. The software renderer holds a frame's draw commands until the frame is finished,
// and frees them only once the next frame begins: an empty frame, finished too, releases
// them. Left there, they stay from one input to the next, and libFuzzer, seeing an input
// keep memory, runs it again and then turns its leak check off.
inline void finirRendu(sf::RenderTarget& cible)
{
    if (!cible.setActive(true))
        return;
    glFinish();
    cible.clear();
    glFinish();
}

} // namespace fuzz
