#include "persistence/csv_iro.h"

#include <gtest/gtest.h>

#include <charconv>
#include <cmath>
#include <limits>
#include <sstream>

namespace zelvaris {
namespace {

TEST(CsvIro, QuotesOnlyWhatNeedsIt) {
  EXPECT_EQ(TCsvIro::Idezes("Rabbit (0)"), "Rabbit (0)");
  EXPECT_EQ(TCsvIro::Idezes(""), "");
  EXPECT_EQ(TCsvIro::Idezes("a,b"), "\"a,b\"");
  EXPECT_EQ(TCsvIro::Idezes("say \"hi\""), "\"say \"\"hi\"\"\"");
  EXPECT_EQ(TCsvIro::Idezes("two\nlines"), "\"two\nlines\"");
  EXPECT_EQ(TCsvIro::Idezes("cr\r"), "\"cr\r\"");
  EXPECT_EQ(TCsvIro::Idezes("Nyúl (2)"), "Nyúl (2)");  // UTF-8 passes unchanged
}

TEST(CsvIro, IntegralValuesBelowOneE15AreIntegers) {
  EXPECT_EQ(TCsvIro::SzamSzoveg(0.0f), "0");
  EXPECT_EQ(TCsvIro::SzamSzoveg(-0.0f), "0");
  EXPECT_EQ(TCsvIro::SzamSzoveg(1500.0f), "1500");
  EXPECT_EQ(TCsvIro::SzamSzoveg(-7.0f), "-7");
  EXPECT_EQ(TCsvIro::SzamSzoveg(16777217.0f), "16777216");  // the float's own value
  // The largest float below 1e15 is integral and still written in full.
  const float alatta = std::nextafter(1e15f, 0.0f);
  ASSERT_LT(static_cast<double>(alatta), 1e15);
  EXPECT_EQ(TCsvIro::SzamSzoveg(alatta), std::to_string(static_cast<int64_t>(alatta)));
}

TEST(CsvIro, OtherValuesAreShortestRoundTrip) {
  for (float v : {0.1f, -2.5f, 1e16f, 3.4e38f, 1e20f, 123.456f, 1e-7f}) {
    const std::string s = TCsvIro::SzamSzoveg(v);
    float vissza = 0;
    const auto r = std::from_chars(s.data(), s.data() + s.size(), vissza);
    ASSERT_EQ(r.ec, std::errc{}) << s;
    EXPECT_EQ(vissza, v) << s;
  }
  EXPECT_EQ(TCsvIro::SzamSzoveg(0.1f), "0.1");
  EXPECT_EQ(TCsvIro::SzamSzoveg(1e16f), "1e+16");
  EXPECT_EQ(TCsvIro::SzamSzoveg(std::numeric_limits<float>::infinity()), "inf");
}

TEST(CsvIro, RowsAreCommaSeparatedAndEndInNewline) {
  std::ostringstream ki;
  TCsvIro csv(ki);
  csv.Mezo("step");
  csv.Mezo("a,b");
  csv.SorVege();
  csv.Mezo("1");
  csv.Szam(2.5f);
  csv.SorVege();
  EXPECT_EQ(ki.str(), "step,\"a,b\"\n1,2.5\n");
}

}  // namespace
}  // namespace zelvaris
