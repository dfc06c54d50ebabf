// Counting the main bars of a face and placing them in one or two layers.
#pragma once

namespace bentpier {

// The smallest whole number of bars of area AB that gives at least AS, so
// that any excess, however small, takes one bar more; only the rounding
// left by an area formed as a whole number of bars (13 x 0.20 / 0.20 reads
// 13.000001) is not an excess. Counts above `ceiling`
// (and a count that cannot be formed) read as `ceiling`, which keeps the
// conversion to an integer bounded; callers pass one more than they accept.
int barCount(float AS, float AB, int ceiling);

// Distance from the clear cover line (cover plus stirrup) to the centroid of
// NBARS main bars of diameter DMAIN placed NMAX to a layer: the first layer
// alone, or the first layer full and the rest in a second layer set on it.
float layerOffset(int NBARS, int NMAX, float DMAIN);

// Whether the minimum of a face, MINNO bars and the minimum steel area
// ASMIN in main bars of area AB, fits in two layers of NMAX. When it does
// not, no depth of section helps.
bool minimumFitsTwoLayers(int MINNO, float ASMIN, float AB, int NMAX);

}  // namespace bentpier
