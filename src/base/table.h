// A fixed-size table indexed by the bent's own int numbers (columns,
// segments, bearings, load cases, slots), most of them counted from 1 with
// element 0 unused. It is a std::array in every other respect; only the
// subscript takes an int, and in a checked build (a debug build, or one with
// _GLIBCXX_ASSERTIONS) a subscript outside 0..N-1 stops the program with a
// message instead of reaching into the neighbouring member.
#pragma once

#include <array>
#include <cstddef>
#include <cstdio>
#include <cstdlib>

#if !defined(NDEBUG) || defined(_GLIBCXX_ASSERTIONS)
#define BENTPIER_CHECKED_TABLES 1
#else
#define BENTPIER_CHECKED_TABLES 0
#endif

namespace bentpier {

inline constexpr bool kCheckedTables = BENTPIER_CHECKED_TABLES != 0;

[[noreturn]] inline void tableIndexOutOfRange(int i, std::size_t n) {
  std::fprintf(stderr, "table index %d out of range 0..%zu\n", i, n - 1);
  std::abort();
}

template <typename T, std::size_t N>
struct Table : std::array<T, N> {
  constexpr T& operator[](int i) {
    checkIndex(i);
    return std::array<T, N>::operator[](static_cast<std::size_t>(i));
  }
  constexpr const T& operator[](int i) const {
    checkIndex(i);
    return std::array<T, N>::operator[](static_cast<std::size_t>(i));
  }

 private:
  static constexpr void checkIndex([[maybe_unused]] int i) {
#if BENTPIER_CHECKED_TABLES
    if (i < 0 || static_cast<std::size_t>(i) >= N) tableIndexOutOfRange(i, N);
#endif
  }
};

}  // namespace bentpier
