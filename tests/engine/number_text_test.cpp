#include "engine/number_text.h"

#include <cfloat>
#include <climits>
#include <cmath>
#include <utility>
#include <vector>

#include <gtest/gtest.h>

namespace {

struct Reading {
    const char* text;
    double asDouble;
    int asInt;
};

class ReadNumberTest : public ::testing::TestWithParam<Reading> {};

TEST_P(ReadNumberTest, TakesTheLeadingNumberAndIgnoresTheRest)
{
    EXPECT_EQ(ReadDouble(GetParam().text), GetParam().asDouble) << GetParam().text;
    EXPECT_EQ(ReadInt(GetParam().text), GetParam().asInt) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadNumberTest,
    ::testing::Values(Reading{"", 0, 0}, Reading{"abc", 0, 0}, Reading{"12abc", 12, 12},
                      Reading{"  0.5", 0.5, 0}, Reading{" -7z", -7, -7}, Reading{"+5", 5, 5},
                      Reading{"2.9", 2.9, 2}, Reading{".5", 0.5, 0}, Reading{"1e", 1, 1},
                      Reading{"-1.25e2", -125, -1}, Reading{"2E-3x", 0.002, 2},
                      Reading{"0,5", 0, 0}, // a decimal point whatever the locale
                      // Never infinities, NaNs or hexadecimal; out of range is clamped.
                      Reading{"inf", 0, 0}, Reading{"nan", 0, 0}, Reading{"0x10", 0, 0},
                      Reading{"1e999", DBL_MAX, 1}, Reading{"-1e999", -DBL_MAX, -1},
                      Reading{"99999999999", 99999999999.0, INT_MAX},
                      Reading{"-99999999999", -99999999999.0, INT_MIN}));

// Long texts are whole; numbers have a decimal point whatever the locale;
// conversions stay in range; floats are shown short.
TEST(FormatTextTest, WholeTextsConversionsInRangeAndShortestFloats)
{
    const std::string longText(5000, 'x');
    EXPECT_EQ(FormatText("%s", longText.c_str()), longText);
    EXPECT_EQ(FormatText("%g %.2f", 16.67, 0.25), "16.67 0.25");
    EXPECT_EQ(std::make_pair(NarrowToFloat(-1e300), NarrowToFloat(std::nan(""))),
              std::make_pair(-FLT_MAX, 0.0f));
    EXPECT_EQ((std::vector<int>{TruncToInt(std::nan("")), TruncToInt(1e300), TruncToInt(-2.7)}),
              (std::vector<int>{0, INT_MAX, -2}));
    // A float with the fewest digits that read back as it.
    std::string floats;
    for (const float value : {0.01f, 0.1f, 1e-7f, 3.4028235e38f, 16777216.f, -1050.5f})
        floats += ShortestFloatText(value) + " ";
    EXPECT_EQ(floats, "0.01 0.1 1e-7 3.4028235e38 16777216 -1050.5 ");
}

} // namespace
