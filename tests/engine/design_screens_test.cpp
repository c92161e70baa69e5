#include "engine/design_screens.h"

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"

namespace {

// Counts read as integers (2.9 aliquots and 3.9 strata as 2 and 3); a
// proportion stratum is offered the action level; a mean stratum's deviation
// is bounded by twice the range.
TEST(DesignScreens, CountsValuesAndDeviationBound)
{
    DQORecord rec, prop = StartingRecord(kOneProportion, kBaselineAtLeast);
    StoreCompositeScreen({"0.5", "2.9", "12.5"}, rec);
    StoreStrataCountScreen({"3.9"}, rec);
    PropStratumScreen p;
    prop.nStrata = 2;
    FillPropStratumScreen(p, prop, 1, 0);
    EXPECT_EQ((Texts{} << rec.nAliquots << rec.nStrata << p.m_strValue),
              (Texts{"2", "3", "0.5000"}));
    MeanStratumScreen mean;
    mean.m_strValue = "200.01";
    rec.dCalcMaximum = 100;
    EXPECT_EQ(CheckMeanStratumScreen(mean, rec),
              "ERROR: Stratum standard deviation must be in the range:\n\t\t0.0 < std dev <= "
              "200.00\n");
}

// Stratum `stratum` of `strata` after weights adding up to `sum`, with the
// weight typed (nullptr: as offered): what it shows, its check and what it
// stores.
struct StratumCase {
    const char* name;
    int parameter, strata, stratum;
    double sum;
    const char* typed;
    Texts shown; // number, weight, fixed text
    const char* message;
    double stored;
};

class StratumTest : public testing::TestWithParam<StratumCase> {};

TEST_P(StratumTest, OfferCheckAndStore)
{
    const StratumCase& c = GetParam();
    DQORecord rec = StartingRecord(c.parameter);
    rec.nStrata = c.strata;
    const bool isMean = c.parameter == kOneMean;
    MeanStratumScreen mean;
    PropStratumScreen prop;
    StratumScreen& s = isMean ? static_cast<StratumScreen&>(mean) : prop;
    if (isMean)
        FillMeanStratumScreen(mean, rec, c.stratum, c.sum);
    else
        FillPropStratumScreen(prop, rec, c.stratum, c.sum);
    EXPECT_EQ((Texts{s.m_strNumber, s.m_strWeight, s.m_strFixed}), c.shown);
    if (c.typed != nullptr)
        s.m_strWeight = c.typed;
    const std::string message =
        isMean ? CheckMeanStratumScreen(mean, rec) : CheckPropStratumScreen(prop);
    EXPECT_EQ(message, c.message);
    if (message.empty()) {
        EXPECT_EQ(StoreStratumScreen(s, rec, c.stratum), c.stored);
        EXPECT_EQ(rec.dStratumWeight[c.stratum - 1], c.stored);
    }
}

const char* const kSumRefused = "ERROR: Sum of stratum weights must be <= 1.0.\n\tAccumulated "
                                "Weights of previous strata: 0.600\n\tWeight for current "
                                "stratum: 0.500";
const std::string kSumLine = std::string(kSumRefused) + "\n\tSum: 1.100000";

const StratumCase kStrata[] = {
    {"FirstOfThree", kOneMean, 3, 1, 0, nullptr, {"1", "0.333", ""}, "", 0.333},
    {"SecondOfThree", kOneMean, 3, 2, 0.333, nullptr, {"2", "0.334", ""}, "", 0.334},
    {"FinalOfThree",
     kOneMean,
     3,
     3,
     0.667,
     nullptr,
     {"3 (final stratum)", "0.333", "(fixed)"},
     "",
     1 - 0.667},
    // The rounded text would add up to 1.0004; the remainder is stored.
    {"FinalAfterFourDigits",
     kOneProportion,
     2,
     2,
     0.1234,
     nullptr,
     {"2 (final stratum)", "0.877", "(fixed)"},
     "",
     1 - 0.1234},
    {"SumRefusedMean", kOneMean, 3, 2, 0.6, "0.5", {"2", "0.200", ""}, kSumLine.c_str(), 0},
    {"SumRefusedProportion", kOneProportion, 3, 2, 0.6, "0.5", {"2", "0.200", ""}, kSumRefused, 0},
};
INSTANTIATE_TEST_SUITE_P(DesignScreens, StratumTest, testing::ValuesIn(kStrata), ByName);

// The proportion screen's second button is stratified sampling; the list
// shows each stratum's weight and value under the parameter's header.
TEST(DesignScreens, ProportionChoiceAndStrataList)
{
    DQORecord rec = DesignedRecord(kOneProportion, kComposite);
    DesignChoiceScreen choice;
    FillPropDesignScreen(choice, rec);
    Texts t{std::to_string(choice.m_nDesign)};
    choice.m_nDesign = 1;
    StorePropDesignScreen(choice, rec);
    FillPropDesignScreen(choice, rec);
    t << std::to_string(rec.nDesign) << std::to_string(choice.m_nDesign);
    for (const DQORecord& r :
         {DesignedRecord(kOneProportion, kStratified), DesignedRecord(kOneMean, kStratified)}) {
        t << StrataListHeader(r);
        for (const std::string& row : StrataListRows(r))
            t << row;
    }
    EXPECT_EQ(
        t, (Texts{"0", "2", "1", "Stratum\t\tWeight\t Underlying Proportion",
                  "      1                  0.4000              0.5",
                  "      2                  0.6000              0.2",
                  "Stratum\t\tWeight\t\tStd Dev", "      1                  0.5000              20",
                  "      2                  0.5000              40"}));
}

} // namespace
