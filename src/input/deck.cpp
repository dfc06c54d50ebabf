#include "input/deck.h"

namespace bentpier {
namespace {

// Longest part of a line that is kept; a card has 80 columns and the rest is
// ignored, so an unbounded line costs no memory.
constexpr size_t kKeptLength = 160;

bool readLine(std::istream& in, std::string& line) {
  line.clear();
  std::streambuf* buf = in.rdbuf();
  if (buf == nullptr || !in.good()) return false;
  bool any = false;
  for (;;) {
    const int c = buf->sbumpc();
    if (c == std::char_traits<char>::eof()) {
      in.setstate(std::ios::eofbit);
      return any;
    }
    any = true;
    if (c == '\n') return true;
    if (line.size() < kKeptLength) line.push_back(static_cast<char>(c));
  }
}

}  // namespace

bool Deck::next(Card& card) {
  if (has_pending_) {
    card = pending_;
    has_pending_ = false;
    ++line_;
    return true;
  }
  std::string line;
  if (!readLine(in_, line)) return false;
  ++line_;
  card = Card(line);
  return true;
}

void Deck::unread(const Card& card) {
  pending_ = card;
  has_pending_ = true;
  --line_;
}

bool Deck::skipToTitle() {
  Card card;
  while (next(card)) {
    if (card.startsWith(kTitleCode)) {
      unread(card);
      return true;
    }
  }
  return false;
}

}  // namespace bentpier
