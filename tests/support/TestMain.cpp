#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <system_error>

namespace fs = std::filesystem;

// Kept reachable on purpose: the context must outlive every test's GL resources.
static sf::Context* contexteGL = nullptr;

namespace {

// An assertion that stops (ASSERT_..., FAIL) stops the whole test, also from a helper or from
// a fixture's base set-up: otherwise the derived set-up or the test body goes on with what the
// assertion found missing, and crashes on it. A failure without a file is the framework's own
// report of an exception it caught: that one has already stopped what threw.
class ArretSurEchecFatal : public ::testing::EmptyTestEventListener {
    void OnTestPartResult(const ::testing::TestPartResult& r) override
    {
        if (r.fatally_failed() && r.file_name())
            throw ::testing::AssertionException(r);
    }
};

// The tests find the game's data/ through TUV_DATA_DIR; without it, the source tree's. A
// relative one is taken from where the binary was started, before it moves to its folder.
bool preparerDonnees(const fs::path& depart)
{
    const char* env = std::getenv("TUV_DATA_DIR");
    fs::path donnees = env && *env ? fs::path(env) : fs::path(TUV_DATA_DIR_SOURCE);
    if (donnees.is_relative())
        donnees = depart / donnees;
    std::error_code ec;
    if (!fs::is_regular_file(donnees / "jeu.ini", ec)) {
        std::fprintf(stderr,
                     "The game's data/ folder is not at %s (no jeu.ini there): set TUV_DATA_DIR to the "
                     "project's data/ folder.\n",
                     donnees.string().c_str());
        return false;
    }
    ::setenv("TUV_DATA_DIR", donnees.lexically_normal().string().c_str(), 1);
    return true;
}

} // namespace

int main(int argc, char** argv)
{
    // Sounds load and play silently, as under test.sh, also in a binary run by hand: OpenAL
    // reads this when it first opens a device, so before any test makes a sound.
    ::setenv("ALSOFT_DRIVERS", "null", 0);
    std::setlocale(LC_ALL, "C");
    ::testing::InitGoogleTest(&argc, argv);
    const fs::path depart = fs::current_path();
    if (!::testing::GTEST_FLAG(list_tests) && !preparerDonnees(depart))
        return 1;
    // Wherever it is started, a test binary works in its own folder (build/test/tests/), as
    // under ctest: the files and pictures the tests leave never land in the source tree.
    std::error_code ec;
    const fs::path exe = fs::read_symlink("/proc/self/exe", ec);
    if (!ec)
        fs::current_path(exe.parent_path(), ec);
    // SFML drops and remakes its shared GL context each time the last GL resource
    // goes, leaking an X connection every round; after a few hundred rounds the X
    // server refuses clients. One context held for the whole run avoids that.
    if (std::getenv("DISPLAY"))
        contexteGL = new sf::Context;
    ::testing::UnitTest::GetInstance()->listeners().Append(new ArretSurEchecFatal);
    return RUN_ALL_TESTS();
}
