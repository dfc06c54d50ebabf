#include "base/record_store.h"

namespace bentpier {

RecordStore::RecordStore(int length, int capacity) : length_(length), capacity_(capacity) {
  records_.reserve(static_cast<size_t>(capacity));
}

void RecordStore::append(std::string_view record) {
  std::string r(record.substr(0, static_cast<size_t>(length_)));
  r.resize(static_cast<size_t>(length_), ' ');
  records_.push_back(std::move(r));
}

const std::string* RecordCursor::next() {
  if (position_ >= store_.size()) return nullptr;
  ++position_;
  return &store_.record(position_);
}

}  // namespace bentpier
