// Counting the main bars of a face and placing them in one or two layers.
#pragma once

namespace bentpier {

// The smallest whole number of bars of area AB that gives at least AS, so
// that any excess, however small, takes one bar more. Counts above `ceiling`
// (and a count that cannot be formed) read as `ceiling`, which keeps the
// conversion to an integer bounded; callers pass one more than they accept.
int barCount(float AS, float AB, int ceiling);

// Distance from the clear cover line (cover plus stirrup) to the centroid of
// NBARS main bars of diameter DMAIN placed NMAX to a layer: the first layer
// alone, or the first layer full and the rest in a second layer set on it.
float layerOffset(int NBARS, int NMAX, float DMAIN);

}  // namespace bentpier
