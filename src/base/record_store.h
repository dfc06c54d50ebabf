// Stores of fixed-width text records: the design loads that the load-group
// stage hands to the cap, column and footing designs. A store is written
// front to back once per problem and read back front to back by the design
// stage that owns it, with its own running record number.
#pragma once

#include <string>
#include <string_view>
#include <vector>

namespace bentpier {

class RecordStore {
 public:
  // Records of `length` characters; room is kept for `capacity` of them,
  // the most the largest accepted bent needs.
  RecordStore(int length, int capacity);

  // Empties the store; the next record written is record 1.
  void clear() { records_.clear(); }

  // Appends one record, padded with blanks (or cut) to the record length.
  void append(std::string_view record);

  int length() const { return length_; }
  int capacity() const { return capacity_; }
  int size() const { return static_cast<int>(records_.size()); }

  // Record n, numbered from 1; n must lie in 1..size().
  const std::string& record(int n) const { return records_[n - 1]; }

 private:
  int length_;
  int capacity_;
  std::vector<std::string> records_;
};

// A design stage's running record number over one store.
class RecordCursor {
 public:
  explicit RecordCursor(const RecordStore& store) : store_(store) {}

  // The next record, or nullptr once every written record has been read.
  const std::string* next();

  // Number of the record last returned (0 before the first).
  int position() const { return position_; }

 private:
  const RecordStore& store_;
  int position_ = 0;
};

// Record lengths of the three stores.
inline constexpr int kCapRecordLength = 75;
inline constexpr int kColumnRecordLength = 70;
inline constexpr int kFootingRecordLength = 104;

}  // namespace bentpier
