// Media loads see only regular files: a folder, a FIFO or a missing path loads nothing and
// returns at once (SFML's decoders hang on the first two).
#include "core/Media.h"
#include "support/ChienDeGarde.h"
#include "support/Outils.h"

#include <SFML/Audio/Music.hpp>
#include <SFML/Audio/SoundBuffer.hpp>
#include <SFML/Graphics/Font.hpp>
#include <SFML/Graphics/Image.hpp>
#include <SFML/Graphics/Shader.hpp>
#include <SFML/Graphics/Texture.hpp>
#include <SFML/System/Err.hpp>

#include <gtest/gtest.h>

#include <chrono>
#include <filesystem>
#include <functional>
#include <sstream>
#include <vector>

#include <sys/stat.h>

TEST(Media, SeulUnFichierOrdinaireArriveAuxDecodeurs)
{
    DossierTemp d;
    std::filesystem::create_directory(d / "sons");
    ASSERT_EQ(::mkfifo((d / "tube").c_str(), 0600), 0);
    ecrireTexte(d / "vrai.frag", "void main() { gl_FragColor = vec4(1.0); }\n");

    using Charge = std::function<bool(const std::string&)>;
    const std::pair<const char*, Charge> medias[] = {
        {"sound", [](const std::string& p) { sf::SoundBuffer m; return tuv::chargerMedia(m, p); }},
        {"music", [](const std::string& p) { sf::Music m; return tuv::chargerMedia(m, p); }},
        {"image", [](const std::string& p) { sf::Image m; return tuv::chargerMedia(m, p); }},
        {"texture", [](const std::string& p) { sf::Texture m; return tuv::chargerMedia(m, p, sf::IntRect()); }},
        {"font", [](const std::string& p) { sf::Font m; return tuv::chargerMedia(m, p); }},
        {"shader", [](const std::string& p) { sf::Shader m; return tuv::chargerMedia(m, p, sf::Shader::Fragment); }},
        {"shader's second source",
         [&d](const std::string& p) { sf::Shader m; return tuv::chargerMedia(m, d / "vrai.frag", p); }},
    };
    const std::pair<const char*, std::string> chemins[] = {
        {"a folder", d / "sons"}, {"a folder with its slash", d / "sons/"}, {"a FIFO", d / "tube"},
        {"a missing file", d / "absent.wav"}, {"an empty path", ""},
    };
    std::stringstream erreurs;
    std::streambuf* ancien = sf::err().rdbuf(erreurs.rdbuf());
    for (const auto& [media, charger] : medias)
        for (const auto& [quoi, chemin] : chemins) {
            ChienDeGarde garde(ChienDeGarde::BLOCAGE, std::string(media) + " from " + quoi);
            EXPECT_FALSE(charger(chemin)) << media << " loaded from " << quoi;
        }
    sf::err().rdbuf(ancien);
    EXPECT_EQ(erreurs.str(), "") << "a refused path reached SFML";
}

TEST(Media, UnVraiFichierArriveAvecSesAutresArguments)
{
    DossierTemp d;
    sf::Image image;
    image.create(3, 2, sf::Color::Green);
    ASSERT_TRUE(image.saveToFile(d / "vert.png"));
    sf::Texture partie;
    EXPECT_TRUE(tuv::chargerMedia(partie, d / "vert.png", sf::IntRect(0, 0, 2, 1)));
    EXPECT_EQ(partie.getSize(), sf::Vector2u(2, 1)) << "the further arguments must reach SFML";
}
