// Counting main bars and placing them in layers.
#include <gtest/gtest.h>

#include <cmath>

#include "design/cap/bar_layers.h"

namespace bentpier {
namespace {

TEST(CapSectionBarCount, AnyExcessTakesAnotherBar) {
  EXPECT_EQ(barCount(8.0f, 1.0f, 100), 8);
  EXPECT_EQ(barCount(8.0001f, 1.0f, 100), 9);
  EXPECT_EQ(barCount(7.9999f, 1.0f, 100), 8);
  EXPECT_EQ(barCount(0.5f, 1.56f, 100), 1);
  EXPECT_EQ(barCount(0.0f, 1.56f, 100), 0);
  // Areas formed as whole numbers of bars in single precision, which read a
  // unit in the last place above the count: 13 #4 and 27 #10.
  EXPECT_EQ(barCount(0.2f * 13.0f, 0.2f, 100), 13);
  EXPECT_EQ(barCount(1.27f * 27.0f, 1.27f, 100), 27);
  EXPECT_EQ(barCount(1.27f * 27.0f + 0.001f, 1.27f, 100), 28);
}

TEST(CapSectionBarCount, HugeOrUnformedCountsStopAtTheCeiling) {
  EXPECT_EQ(barCount(1.0e30f, 1.0f, 13), 13);
  EXPECT_EQ(barCount(5.0f, 0.0f, 13), 13);
  EXPECT_EQ(barCount(std::nanf(""), 1.0f, 13), 13);
  EXPECT_EQ(barCount(12.5f, 1.0f, 13), 13);
  EXPECT_EQ(barCount(13.5f, 1.0f, 13), 13);
}

TEST(CapSectionBarCount, LayerOffsetRunsFromOneLayerToTwoFullLayers) {
  // Six to a layer, #9 main bars (1.25 in): the first layer's centres lie
  // half a bar (0.625 in) above the cover line, a second layer set on it a
  // bar further (1.875 in). Centroids by moments of the bar areas:
  //   8 bars: (6 * 0.625 + 2 * 1.875) / 8 = 0.9375;
  //  12 bars: (6 * 0.625 + 6 * 1.875) / 12 = 1.25.
  EXPECT_FLOAT_EQ(layerOffset(4, 6, 1.25f), 0.625f);
  EXPECT_FLOAT_EQ(layerOffset(6, 6, 1.25f), 0.625f);
  EXPECT_FLOAT_EQ(layerOffset(8, 6, 1.25f), 0.9375f);
  EXPECT_FLOAT_EQ(layerOffset(12, 6, 1.25f), 1.25f);
}

}  // namespace
}  // namespace bentpier
