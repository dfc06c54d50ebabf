// The run's date and time stamp, taken once from the clock.
#pragma once

#include <ctime>
#include <optional>
#include <string>

namespace bentpier {

// The run's date (DD-MMM-YY) and time of day (HH:MM:SS), fixed at start.
struct RunStamp {
  std::string DATE = "01-JAN-70";
  std::string TIME = "00:00:00";
};

// DATE as DD-MMM-YY and TIME as HH:MM:SS for a calendar time.
RunStamp stampFor(const std::tm& when);

// The stamp of the run: SOURCE_DATE_EPOCH (seconds, UTC) when the variable
// holds a valid number, else the local clock.
RunStamp runStamp(const char* source_date_epoch);

// Seconds of a SOURCE_DATE_EPOCH value, or nothing when it is not a number.
std::optional<long long> parseEpoch(const char* text);

}  // namespace bentpier
