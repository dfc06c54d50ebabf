// Building card images column by column, for tests.
#pragma once

#include <string>
#include <utility>
#include <vector>

namespace bentpier::testing {

// A blank 80-column card with each text placed from its (1-based) column.
inline std::string cardWith(const std::vector<std::pair<int, std::string>>& fields) {
  std::string card(80, ' ');
  for (const auto& [column, text] : fields)
    card.replace(static_cast<size_t>(column - 1), text.size(), text);
  return card;
}

// Splits interpreted report text into its printed lines.
inline std::vector<std::string> reportLines(const std::string& text) {
  std::vector<std::string> lines;
  std::string current;
  for (char c : text) {
    if (c == '\n') {
      lines.push_back(current);
      current.clear();
    } else {
      current += c;
    }
  }
  if (!current.empty()) lines.push_back(current);
  return lines;
}

}  // namespace bentpier::testing
