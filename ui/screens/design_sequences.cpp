#include "ui/screens/design_sequences.h"

#include "engine/design_screens.h"
#include "engine/dqo_record.h"
#include "engine/record_views.h"
#include "ui/screens/design_dlgs.h"

namespace {

// Enter and Esc close a design screen without its OK flag; it is shown
// again until OK closes it.
void ShowUntilOk(CTaloDialog& over, CTaloDialog& screen, const DQORecord& rec)
{
    screen.m_bOK = 0;
    do
        over.RunTrip(screen, &rec);
    while (screen.m_bOK == 0);
}

// One stratum's screen, filled with the defaults offered afresh; returns the
// weight it stored.
template <typename Dialog, typename Fill>
double RunStratum(CTaloDialog& over, DQORecord& rec, int stratum, double weightSum, Fill fill)
{
    Dialog screen(&over);
    fill(screen, rec, stratum, weightSum);
    ShowUntilOk(over, screen, rec);
    return StoreStratumScreen(screen, rec, stratum);
}

} // namespace

void RunDesignChoice(CTaloDialog& over, DQORecord& rec)
{
    if (rec.nParameter == kOneMean) {
        CMeanDesignDlg screen(&over);
        FillMeanDesignScreen(screen, rec);
        ShowUntilOk(over, screen, rec);
        StoreMeanDesignScreen(screen, rec);
    } else if (rec.nParameter == kOneProportion) {
        CPropDesignDlg screen(&over);
        FillPropDesignScreen(screen, rec);
        ShowUntilOk(over, screen, rec);
        StorePropDesignScreen(screen, rec);
    }
}

void RunCompositeInputs(CTaloDialog& over, DQORecord& rec)
{
    CCompositeDlg screen(&over);
    FillCompositeScreen(screen, rec);
    ShowUntilOk(over, screen, rec);
    StoreCompositeScreen(screen, rec);
}

void RunStrataSequence(CTaloDialog& over, DQORecord& rec)
{
    CStrataCountDlg screen(&over);
    FillStrataCountScreen(screen, rec);
    ShowUntilOk(over, screen, rec);
    StoreStrataCountScreen(screen, rec);
    RunStratumCharacteristics(over, rec);
}

void RunStratumCharacteristics(CTaloDialog& over, DQORecord& rec)
{
    double weightSum = 0;
    const int count = StrataCount(rec);
    for (int stratum = 1; stratum <= count; ++stratum) {
        if (rec.nParameter == kOneMean)
            weightSum +=
                RunStratum<CMeanStratumDlg>(over, rec, stratum, weightSum, FillMeanStratumScreen);
        else
            weightSum +=
                RunStratum<CPropStratumDlg>(over, rec, stratum, weightSum, FillPropStratumScreen);
    }
}

void RunStrataListLoop(CTaloDialog& over, DQORecord& rec)
{
    CStrataSummaryDlg screen(&over);
    screen.m_bOK = 0;
    do {
        over.RunTrip(screen, &rec);
        if (screen.m_bChangeNumber != 0)
            RunStrataSequence(over, rec);
        else if (screen.m_bChangeValues != 0)
            RunStratumCharacteristics(over, rec);
        screen.m_bChangeNumber = 0;
        screen.m_bChangeValues = 0;
    } while (screen.m_bOK == 0);
}
