#include "level/MondeAleatoire.h"

#include <gtest/gtest.h>

// Every query by place answers as the walk over the whole list, in a few hundred random
// levels whose sprites move, appear and go within and between frames (absurd places,
// scales and frame sizes included).
TEST(IndexSD, RepondCommeLeParcoursDeLaListe)
{
    const mondeAleatoire::Bilan b = mondeAleatoire::verifier(1, 300, 60);
    EXPECT_GT(b.requetes, 5000);
    EXPECT_GT(b.enGrille, 20 * b.requetes) << "the probes hardly ever went through the grid";
    for (size_t i = 0; i < std::min<size_t>(b.ecarts.size(), 10); ++i)
        ADD_FAILURE() << b.ecarts[i];
    EXPECT_TRUE(b.ecarts.empty()) << b.ecarts.size() << " queries differ";
}
