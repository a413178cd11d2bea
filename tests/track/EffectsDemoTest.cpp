#include <gtest/gtest.h>

#include "core/Random.h"
#include "track/EffectsDemo.h"
#include "track/TrackDemo.h"

// Every developer key runs its effect to the end without faults (the scene
// draws nothing here: no graphics device).
TEST(EffectsDemo, EveryKeyRunsItsEffect) {
    GetRandom().Seed(17);
    TrackDemo scene;
    EffectsDemo demo(scene);
    for (int32_t key : {'1', '2', '3', '4', '5', '6', 'F', 'B', 'W', 'C', 'L', 'E'}) demo.OnKeyDown(key);
    for (int tick = 0; tick < 600; ++tick) {
        scene.Update();
        demo.Update();
    }
    demo.OnKeyDown('E');
    SUCCEED();
}
