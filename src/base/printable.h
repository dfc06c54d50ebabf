// Text from a deck or a file name made safe for a terminal: every byte that
// is not printable ASCII shows as a backslash escape.
#pragma once

#include <string>
#include <string_view>

namespace bentpier {

// "\t" -> "\\t", a control or 8-bit byte -> "\\xNN", a backslash doubled.
std::string printable(std::string_view text);

}  // namespace bentpier
