#include <SFML/Window/Context.hpp>
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>

// Kept reachable on purpose: the context must outlive every test's GL resources.
static sf::Context* contexteGL = nullptr;

int main(int argc, char** argv)
{
    std::setlocale(LC_ALL, "C");
    // SFML drops and remakes its shared GL context each time the last GL resource
    // goes, leaking an X connection every round; after a few hundred rounds the X
    // server refuses clients. One context held for the whole run avoids that.
    if (std::getenv("DISPLAY"))
        contexteGL = new sf::Context;
    ::testing::InitGoogleTest(&argc, argv);
    return RUN_ALL_TESTS();
}
