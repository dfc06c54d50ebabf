#include "input/card.h"

#include <gtest/gtest.h>

#include <cstdlib>
#include <cstring>
#include <random>
#include <sstream>
#include <string>

#include "input/deck.h"

namespace bentpier {
namespace {

float real(std::string_view field, int decimals) {
  float v = -999.0f;
  EXPECT_TRUE(parseRealField(field, decimals, v)) << "field '" << field << "'";
  return v;
}

long long integer(std::string_view field) {
  long long v = -999;
  EXPECT_TRUE(parseIntegerField(field, v)) << "field '" << field << "'";
  return v;
}

TEST(BlankAsZero, BlanksInsideANumberAreZeros) {
  EXPECT_EQ(integer("  3  "), 300);
  EXPECT_FLOAT_EQ(real("  3  ", 0), 300.0f);
  EXPECT_EQ(integer("     "), 0);
  EXPECT_FLOAT_EQ(real("     ", 3), 0.0f);
  EXPECT_EQ(integer(" 1 2"), 102);
}

TEST(BlankAsZero, ImpliedDecimalsNeedRightJustifiedNumbers) {
  EXPECT_FLOAT_EQ(real("  125", 3), 0.125f);
  EXPECT_FLOAT_EQ(real(" 125 ", 3), 1.25f);
  EXPECT_FLOAT_EQ(real("2563", 3), 2.563f);
  EXPECT_FLOAT_EQ(real("  4", 2), 0.04f);
}

TEST(BlankAsZero, TypedDecimalPointOverridesImpliedDecimals) {
  EXPECT_FLOAT_EQ(real("1.2  ", 3), 1.2f);
  EXPECT_FLOAT_EQ(real("  12.", 3), 12.0f);
  EXPECT_FLOAT_EQ(real(" .5", 2), 0.5f);
  EXPECT_FLOAT_EQ(real("30.00", 2), 30.0f);
}

TEST(BlankAsZero, SignsAndExponents) {
  EXPECT_EQ(integer("  -12"), -12);
  EXPECT_EQ(integer("+7"), 7);
  EXPECT_FLOAT_EQ(real(" -150", 1), -15.0f);
  EXPECT_FLOAT_EQ(real("-1.5 ", 1), -1.5f);
  EXPECT_FLOAT_EQ(real("1.5E2", 3), 150.0f);
  EXPECT_FLOAT_EQ(real("25E-1", 0), 2.5f);
  EXPECT_EQ(integer("-"), 0);
}

TEST(BlankAsZero, TextThatIsNotANumberIsRejected) {
  long long i = 0;
  float f = 0;
  EXPECT_FALSE(parseIntegerField("AB", i));
  EXPECT_FALSE(parseIntegerField("1.5", i));
  EXPECT_FALSE(parseIntegerField("--1", i));
  EXPECT_FALSE(parseIntegerField("99999999999999", i));
  EXPECT_FALSE(parseRealField("1.2.3", 0, f));
  EXPECT_FALSE(parseRealField("12A", 0, f));
  EXPECT_FALSE(parseRealField(".", 2, f));
  EXPECT_FALSE(parseRealField("1E999", 0, f));
  EXPECT_FALSE(parseRealField("\t12", 0, f));
}

TEST(BlankAsZero, NoNumberAndNumbersBeyondSinglePrecisionAreTold) {
  struct Case {
    const char* field;
    FieldRead read;
    float value;
  };
  const Case cases[] = {
      {" --22", FieldRead::NotANumber, 0},  // a sign alone before an exponent
      {"    E1", FieldRead::NotANumber, 0},  // nothing before it
      {"  +E1", FieldRead::NotANumber, 0},
      {"1.0E39", FieldRead::OutOfRange, 0},  // above FLT_MAX, about 3.4E38
      {"-1.E39", FieldRead::OutOfRange, 0},
      {"1E999", FieldRead::OutOfRange, 0},
      {"1.0E38", FieldRead::Number, 1.0e38f},
      {"    -", FieldRead::Number, 0},      // a lone sign is zero
  };
  for (const Case& c : cases) {
    float v = -1;
    EXPECT_EQ(readRealField(c.field, 3, v), c.read) << "'" << c.field << "'";
    EXPECT_FLOAT_EQ(v, c.value) << "'" << c.field << "'";
  }
  long long i = 0;
  EXPECT_EQ(readIntegerField("99999999999999", i), FieldRead::OutOfRange);
  EXPECT_EQ(readIntegerField("12A", i), FieldRead::NotANumber);
}

TEST(BlankAsZero, EveryPlainFieldReadsAsTheCorrectlyRoundedDecimal) {
  // Random fields of the shapes records and cards hold (leading blanks, a
  // sign, digits with blanks among them, a point or implied decimals), each
  // against its decimal value rounded once to single precision by strtof.
  std::mt19937 rng(20261209);
  const std::string pieces = "0123456789 ";
  for (int trial = 0; trial < 200000; ++trial) {
    const int width = 1 + static_cast<int>(rng() % 14), decimals = static_cast<int>(rng() % 5);
    std::string field(static_cast<size_t>(rng() % 4), ' ');
    if (rng() % 3 == 0) field += rng() % 2 ? '-' : '+';
    const int point = static_cast<int>(rng() % (width + 2));  // beyond the width: none
    for (int k = 0; k < width; ++k) {
      if (k == point) field += '.';
      field += pieces[rng() % (k == 0 ? 10 : pieces.size())];
    }
    std::string text;  // the same decimal written for strtof
    for (char c : field.substr(field.find_first_not_of(' ')))
      text += c == ' ' ? '0' : c;
    if (text.find('.') == std::string::npos) text += "e-" + std::to_string(decimals);
    float v = -1;
    ASSERT_EQ(readRealField(field, decimals, v), FieldRead::Number) << "'" << field << "'";
    const float expected = std::strtof(text.c_str(), nullptr);
    ASSERT_EQ(std::memcmp(&v, &expected, sizeof v), 0)
        << "'" << field << "' " << v << " against " << expected;
  }
}

TEST(CardLengths, ThousandthsAreTheCardsOwnResolution) {
  // Each value as a three-decimal card field reads it; the sums that a
  // card rule compares hold exactly in thousandths, not in single precision.
  EXPECT_EQ(thousandths(real("10.2", 3)), 10200);
  EXPECT_EQ(thousandths(real(" .001", 3)), 1);
  EXPECT_EQ(thousandths(real("-4.8", 3)), -4800);
  EXPECT_EQ(2 * (thousandths(real("  0.3", 3)) + thousandths(real("  4.8", 3))),
            thousandths(real(" 10.2", 3)));
  EXPECT_EQ(thousandths(real("10.55", 3)) + thousandths(real(" 0.35", 3)),
            thousandths(real(" 11.9", 3)) - 1000);
}

TEST(CardImage, ShortLinesArePaddedAndCarriageReturnIgnored) {
  Card card("01DD\r");
  EXPECT_EQ(card.text().size(), 80u);
  EXPECT_EQ(card.column(3), 'D');
  EXPECT_EQ(card.column(5), ' ');
  // The CR of a CRLF file must not read as a field character.
  Card numbers("0112\r");
  EXPECT_EQ(numbers.integer(3, 5), 120);
  EXPECT_FALSE(numbers.bad());
  // Columns past 80 are not part of the card.
  Card longCard(std::string(80, '1') + "XYZ");
  EXPECT_EQ(longCard.columns(79, 82), "11");
}

TEST(CardImage, FirstBadFieldIsRemembered) {
  Card card("01  AB  C7");
  EXPECT_EQ(card.integer(1, 2), 1);
  EXPECT_EQ(card.integer(5, 6), 0);
  EXPECT_EQ(card.integer(9, 10), 0);
  ASSERT_TRUE(card.bad());
  EXPECT_EQ(card.error().first_column, 5);
  EXPECT_EQ(card.error().last_column, 6);
  EXPECT_EQ(card.error().text, "AB");
}

TEST(DeckReading, LinesCardsAndTitleSearch) {
  std::istringstream in("JUNK\r\n02 X\n*B03 0002 TITLE\n01\n");
  Deck deck(in);
  Card c;
  ASSERT_TRUE(deck.skipToTitle());
  ASSERT_TRUE(deck.next(c));
  EXPECT_TRUE(c.startsWith("*B03"));
  EXPECT_EQ(deck.lineNumber(), 3);
  ASSERT_TRUE(deck.next(c));
  EXPECT_EQ(c.integer(1, 2), 1);
  EXPECT_FALSE(deck.next(c));
  EXPECT_FALSE(deck.skipToTitle());
}

TEST(DeckReading, LastLineWithoutNewlineAndBinaryJunk) {
  std::string junk(5000, '\0');
  junk += "\xff\xfe*B03\n*B03X";
  std::istringstream in(junk);
  Deck deck(in);
  Card c;
  ASSERT_TRUE(deck.skipToTitle());
  ASSERT_TRUE(deck.next(c));
  EXPECT_EQ(c.columns(1, 5), "*B03X");
  EXPECT_FALSE(deck.next(c));
}

}  // namespace
}  // namespace bentpier
