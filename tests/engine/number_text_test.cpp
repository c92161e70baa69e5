#include <gtest/gtest.h>

#include <cfloat>
#include <climits>
#include <cmath>

#include "engine/number_text.h"

namespace {

struct DoubleReading {
    const char* text;
    double value;
};

class ReadDoubleTest : public ::testing::TestWithParam<DoubleReading> {};

TEST_P(ReadDoubleTest, TakesTheLeadingNumber)
{
    EXPECT_EQ(ReadDouble(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(
    Texts, ReadDoubleTest,
    ::testing::Values(DoubleReading{"", 0}, DoubleReading{"abc", 0}, DoubleReading{"12abc", 12},
                      DoubleReading{"  0.5", 0.5}, DoubleReading{"-1.25e2", -125},
                      DoubleReading{"+3", 3}, DoubleReading{".5", 0.5}, DoubleReading{"5.", 5},
                      DoubleReading{"1e", 1}, DoubleReading{"1e+", 1},
                      DoubleReading{"2E-3x", 0.002}, DoubleReading{"0,5", 0}, DoubleReading{"-", 0},
                      DoubleReading{".", 0},
                      // Never infinities, NaNs or hexadecimal.
                      DoubleReading{"inf", 0}, DoubleReading{"nan", 0}, DoubleReading{"0x10", 0},
                      DoubleReading{"1e999", DBL_MAX}, DoubleReading{"-1e999", -DBL_MAX}));

struct IntReading {
    const char* text;
    int value;
};

class ReadIntTest : public ::testing::TestWithParam<IntReading> {};

TEST_P(ReadIntTest, StopsAtTheDecimalPoint)
{
    EXPECT_EQ(ReadInt(GetParam().text), GetParam().value) << GetParam().text;
}

INSTANTIATE_TEST_SUITE_P(Texts, ReadIntTest,
                         ::testing::Values(IntReading{"2.9", 2}, IntReading{"", 0},
                                           IntReading{"x4", 0}, IntReading{" -7z", -7},
                                           IntReading{"+5", 5}, IntReading{"1e3", 1},
                                           IntReading{"99999999999", INT_MAX},
                                           IntReading{"-99999999999", INT_MIN}));

struct Formatting {
    const char* format;
    double value;
    const char* text;
};

class FormatTextTest : public ::testing::TestWithParam<Formatting> {};

TEST_P(FormatTextTest, AlwaysWithADecimalPoint)
{
    EXPECT_EQ(FormatText(GetParam().format, GetParam().value), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Formats, FormatTextTest,
                         ::testing::Values(Formatting{"%g", 0.01, "0.01"},
                                           Formatting{"%g", 16.67, "16.67"},
                                           Formatting{"%g", 1234567.0, "1.23457e+06"},
                                           Formatting{"%.2f", 13650.0, "13650.00"},
                                           Formatting{"%.3f", 0.5, "0.500"},
                                           Formatting{"%-6.3g|", 10.0, "10    |"},
                                           Formatting{"%13.2f", 0.25, "         0.25"}));

TEST(FormatTextTest, LongTextsAreWhole)
{
    const std::string longText(5000, 'x');
    EXPECT_EQ(FormatText("%s", longText.c_str()), longText);
}

TEST(ConversionTest, NarrowingAndTruncationStayInRange)
{
    EXPECT_EQ(NarrowToFloat(1e300), FLT_MAX);
    EXPECT_EQ(NarrowToFloat(-1e300), -FLT_MAX);
    EXPECT_EQ(NarrowToFloat(std::nan("")), 0.0f);
    EXPECT_EQ(NarrowToFloat(0.05), 0.05f);
    EXPECT_EQ(TruncToInt(std::nan("")), 0);
    EXPECT_EQ(TruncToInt(1e300), INT_MAX);
    EXPECT_EQ(TruncToInt(-1e300), INT_MIN);
    EXPECT_EQ(TruncToInt(-2.7), -2);
    EXPECT_EQ(TruncToInt(2.7), 2);
}

} // namespace
