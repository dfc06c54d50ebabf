#include "input/deck.h"

#include <string_view>

namespace bentpier {
namespace {

// Longest part of a line that is kept; a card has 80 columns and the rest is
// ignored, so an unbounded line costs no memory.
constexpr size_t kKeptLength = 160;

// A UTF-8 byte-order mark that an editor may put before the first card.
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

bool isBlank(const Card& card) {
  return card.text().find_first_not_of(' ') == std::string::npos;
}

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
  if (line_ == 0 && line.compare(0, kByteOrderMark.size(), kByteOrderMark) == 0)
    line.erase(0, kByteOrderMark.size());
  ++line_;
  card = Card(line);
  return true;
}

void Deck::unread(const Card& card) {
  pending_ = card;
  has_pending_ = true;
  --line_;
}

bool Deck::onlyBlankCardsLeft() {
  Card card;
  while (next(card)) {
    if (!isBlank(card)) {
      unread(card);
      return false;
    }
  }
  return true;
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
