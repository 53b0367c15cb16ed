#include "core/ForceSD.h"
#include "core/Sprite.h"
#include "SpriteTestBanque.h"

namespace {

using ForceSD = ServicesSauves;

TEST_F(ForceSD, PousseSelonLeCycleEtLesDrapeaux)
{
    std::vector<float> forces;
    g_services.appliquerForce = [&](CSPRITE*, CForceSD& z) { forces.push_back(z.forceCouranteX()); };
    CSPRITE sd;
    CForceSD z;
    z.ForceX = 3;
    // Cycles of 5 frames pushing during the first 2.
    z.CycleMin = 5;
    z.CycleMax = 5;
    z.DureeMin = 2;
    z.DureeMax = 2;
    for (int i = 0; i < 10; ++i)
        z.maj(&sd);
    EXPECT_EQ(forces, (std::vector<float>{3, 3, 3, 3}));

    // Without a cycle the zone pushes every frame; the inverted sign is drawn per cycle.
    forces.clear();
    CForceSD continu;
    continu.ForceX = 2;
    continu.InvSensX = true;
    for (int i = 0; i < 4; ++i)
        continu.maj(&sd);
    ASSERT_EQ(forces.size(), 4u);
    EXPECT_EQ(std::abs(forces[0]), 2);

    // ForceActive stops the update; ModForceActif off leaves the characters alone.
    forces.clear();
    continu.ForceActive = true;
    continu.maj(&sd);
    continu.ForceActive = false;
    continu.ModForceActif = false;
    continu.maj(&sd);
    EXPECT_TRUE(forces.empty());
}

} // namespace
