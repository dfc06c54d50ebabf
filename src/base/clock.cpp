#include "base/clock.h"

#include <cstdio>

namespace bentpier {

RunStamp stampFor(const std::tm& when) {
  static const char* const kMonths[] = {"JAN", "FEB", "MAR", "APR", "MAY", "JUN",
                                        "JUL", "AUG", "SEP", "OCT", "NOV", "DEC"};
  const int month = when.tm_mon >= 0 && when.tm_mon < 12 ? when.tm_mon : 0;
  char date[16];
  char time[16];
  std::snprintf(date, sizeof date, "%02d-%s-%02d", when.tm_mday % 100, kMonths[month],
                ((when.tm_year % 100) + 100) % 100);
  std::snprintf(time, sizeof time, "%02d:%02d:%02d", when.tm_hour % 100, when.tm_min % 100,
                when.tm_sec % 100);
  return RunStamp{date, time};
}

std::optional<long long> parseEpoch(const char* text) {
  if (text == nullptr || *text == '\0') return std::nullopt;
  long long v = 0;
  for (const char* c = text; *c; ++c) {
    if (*c < '0' || *c > '9') return std::nullopt;
    if (v > 253402300799LL / 10) return std::nullopt;  // beyond year 9999
    v = v * 10 + (*c - '0');
  }
  if (v > 253402300799LL) return std::nullopt;
  return v;
}

RunStamp runStamp(const char* source_date_epoch) {
  std::tm when{};
  if (const auto epoch = parseEpoch(source_date_epoch)) {
    const std::time_t t = static_cast<std::time_t>(*epoch);
    gmtime_r(&t, &when);
  } else {
    const std::time_t now = std::time(nullptr);
    localtime_r(&now, &when);
  }
  return stampFor(when);
}

}  // namespace bentpier
