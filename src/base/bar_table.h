// Reinforcing bars by bar number: area and the outside diameter over the
// deformations, which is what every cover, layer and spacing adds. Rows 12
// and 13 repeat bars 14 and 18 (the two large sizes packed into the codes
// that follow 11).
#pragma once

namespace bentpier {

inline constexpr int kLargestBar = 18;

struct Bar {
  float area;      // square inches
  float diameter;  // inches
};

inline constexpr Bar kBarTable[kLargestBar + 1] = {
    {0.0f, 0.0f},     // 0: never used
    {0.0f, 0.0f},     // 1
    {0.05f, 0.25f},   // 2
    {0.11f, 0.4375f}, // 3
    {0.20f, 0.5625f}, // 4
    {0.31f, 0.6875f}, // 5
    {0.44f, 0.875f},  // 6
    {0.60f, 1.0f},    // 7
    {0.79f, 1.125f},  // 8
    {1.00f, 1.25f},   // 9
    {1.27f, 1.4375f}, // 10
    {1.56f, 1.625f},  // 11
    {2.25f, 1.875f},  // 12: as bar 14
    {4.00f, 2.5f},    // 13: as bar 18
    {2.25f, 1.875f},  // 14
    {0.0f, 0.0f},     // 15
    {0.0f, 0.0f},     // 16
    {0.0f, 0.0f},     // 17
    {4.00f, 2.5f},    // 18
};

// The table entry of a bar number; numbers outside 0..18 read as no bar.
inline Bar barOf(int number) {
  if (number < 0 || number > kLargestBar) return kBarTable[0];
  return kBarTable[number];
}

}  // namespace bentpier
