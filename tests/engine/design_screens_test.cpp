#include "engine/design_screens.h"

#include <gtest/gtest.h>

#include "tests/engine/stats/designed_records.h"

namespace {

// Counts read as integers (2.9 aliquots and 3.9 strata as 2 and 3); a
// proportion stratum is offered the action level. The final stratum is
// offered and given the remainder, whose rounded text would add up to 1.0004;
// an earlier one is checked against the weights so far, on either
// parameter's screen.
TEST(DesignScreens, CountsOfferedValuesAndWeights)
{
    DQORecord counts, offered = StartingRecord(kOneProportion, kBaselineAtLeast);
    StoreCompositeScreen({"0.5", "2.9", "12.5"}, counts);
    StoreStrataCountScreen({"3.9"}, counts);
    PropStratumScreen first, last, prop;
    offered.nStrata = 2;
    FillPropStratumScreen(first, offered, 1, 0);
    Texts t = Texts{first.m_strValue} << counts.nAliquots << counts.nStrata;
    DQORecord rec = StartingRecord(kOneProportion), meanRec = StartingRecord(kOneMean);
    rec.nStrata = 2, meanRec.nStrata = 3;
    FillPropStratumScreen(last, rec, 2, 0.1234);
    t << last.m_strNumber << last.m_strWeight << last.m_strFixed << CheckPropStratumScreen(last);
    EXPECT_EQ(StoreStratumScreen(last, rec, 2), 1 - 0.1234);
    EXPECT_EQ(rec.dStratumWeight[1], 1 - 0.1234);
    rec.nStrata = 3;
    MeanStratumScreen mean;
    FillPropStratumScreen(prop, rec, 2, 0.6);
    FillMeanStratumScreen(mean, meanRec, 2, 0.6);
    t << prop.m_strNumber << prop.m_strWeight << prop.m_strFixed;
    prop.m_strWeight = mean.m_strWeight = "0.5";
    for (const std::string& message :
         {CheckPropStratumScreen(prop), CheckMeanStratumScreen(mean, meanRec)})
        t << message.substr(message.find("strata:"), 13);
    // The proportion screen's second button is stratified sampling; the list
    // shows each stratum's weight and value under the parameter's header.
    rec = DesignedRecord(kOneProportion, kComposite);
    DesignChoiceScreen choice;
    FillPropDesignScreen(choice, rec);
    t << choice.m_nDesign;
    choice.m_nDesign = 1;
    StorePropDesignScreen(choice, rec);
    FillPropDesignScreen(choice, rec);
    t << rec.nDesign << choice.m_nDesign;
    const DQORecord strata = DesignedRecord(kOneProportion, kStratified);
    t << StrataListHeader(strata);
    for (const std::string& row : StrataListRows(strata))
        t << row;
    EXPECT_EQ(t.Joined(),
              "0.5000|2|3|2 (final stratum)|0.877|(fixed)||2|0.200||strata: 0.600|strata: "
              "0.600|0|2|1|Stratum\t\tWeight\t Underlying Proportion|      1                  "
              "0.4000              0.5|      2                  0.6000              0.2|");
}

} // namespace
