// The card reader on its own: numeric fields with implied decimals and the
// blank-as-zero rule, and the column accessors of a card. Besides crashes and
// sanitizer reports it checks the reader's promises: what reads as a number
// is finite and in range, and a card is always 80 columns.
#include <cmath>
#include <climits>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>

#include "input/card.h"

namespace {

void require(bool ok) {
  if (!ok) std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size) {
  if (size < 3) return 0;
  // Three control bytes: implied decimals and a column range; the rest is text.
  const int decimals = data[0] % 12;
  const int first = static_cast<int>(data[1] % 90) - 5;
  const int last = first + static_cast<int>(data[2] % 30) - 5;
  const std::string_view text(reinterpret_cast<const char*>(data + 3), size - 3);

  long long iv = -1;
  if (bentpier::parseIntegerField(text, iv)) {
    require(iv >= -static_cast<long long>(INT_MAX) && iv <= INT_MAX);
  } else {
    require(iv == 0);
  }

  float rv = -1.0f;
  if (bentpier::parseRealField(text, decimals, rv)) require(std::isfinite(rv));
  else require(rv == 0.0f);

  bentpier::Card card(text);
  require(card.text().size() == static_cast<size_t>(bentpier::kCardColumns));
  const std::string cols = card.columns(first, last);
  require(cols.size() <= static_cast<size_t>(bentpier::kCardColumns));
  (void)card.column(first);
  const int i = card.integer(first, last);
  const float r = card.real(first, last, decimals);
  require(std::isfinite(r));
  (void)i;
  if (card.bad()) {
    require(card.error().first_column == first && card.error().last_column == last);
  }
  return 0;
}
