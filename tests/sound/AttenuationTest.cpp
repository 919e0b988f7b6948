#include <gtest/gtest.h>

#include "sound/Attenuation.h"

namespace velmora {
namespace {

TEST(Attenuation, HundredthsOfADecibelToGain) {
    EXPECT_DOUBLE_EQ(*AttenuationToGain(0), 1.0);
    EXPECT_NEAR(*AttenuationToGain(-600), 0.501, 0.001);
    EXPECT_NEAR(*AttenuationToGain(-2000), 0.1, 1e-12);
    EXPECT_NEAR(*AttenuationToGain(-9999), 1.0e-5, 1e-7);
    EXPECT_EQ(*AttenuationToGain(-10000), 0.0);
    EXPECT_FALSE(AttenuationToGain(1));
    EXPECT_FALSE(AttenuationToGain(-10001));
}

}  // namespace
}  // namespace velmora
