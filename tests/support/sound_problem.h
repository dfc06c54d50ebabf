// A small sound problem: a hammerhead on one column, analysed without design.
// It runs every stage up to the load groups and is quick, so hostile-input
// checks can put it after bad bytes and expect its report unchanged.
#pragma once

namespace bentpier::testing {

inline constexpr const char* kSoundProblem =
    "*B030201SR 12 RAMP C - PIER 3 - HAMMERHEAD\n"
    " 1   L2 1 2      4000      6000024000                11 5     9\n"
    " 21.04.0    2.5 2.1               30.0125  6.0                              P\n"
    "11P 14.0  2.0  3.0  4.0       3.0  8.0 12.0  8.0\n"
    "121\n"
    "211CT  28.0       4.0  3.0           1.5     4 6 9\n"
    "41 640.0 410.01                     7.25 7.25  4.6  3.1\n"
    "421                    1                      90.0 90.0 11.0 11.0\n"
    "43   6.2   9.0 11.0 11.0                           1\n"
    "44 1 85.0 12.0 2380     360.0      40.0 14.0-96.0420.0     -2710      55.0\n"
    "51DEAD   118.0 126.5  15.0 126.5 118.0\n"
    "611LN  1  64.2  41.0\n"
    "612LN  2  58.7  66.3        52.9  31.4\n";

}  // namespace bentpier::testing
