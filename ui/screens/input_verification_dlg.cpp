#include "ui/screens/input_verification_dlg.h"

#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "engine/record_views.h"
#include "ui/platform_seams.h"
#include "ui/screens/cost_limit_dlgs.h"
#include "ui/screens/mean_inputs_dlg.h"
#include "ui/screens/prop_inputs_dlg.h"

CInputVerificationDlg::CInputVerificationDlg(DQORecord& record, QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Input Verification"), EscapeKey::CloseAtOnce,
                  CloseBox::TerminatePrompt, parent),
      m_record(record)
{
    m_pDQO = &record;

    auto* inputsBox = new QGroupBox(QStringLiteral("Inputs"), this);
    auto* inputs = new QFormLayout;
    AddFieldRow(inputs, QStringLiteral("Parameter of Interest:"),
                MakeText(QStringLiteral("parameterText"), &m_strParameter));
    inputs->addRow(MakeText(QStringLiteral("minimumLabel"), &m_strMinimumLabel),
                   MakeText(QStringLiteral("minimumText"), &m_strMinimum));
    inputs->addRow(MakeText(QStringLiteral("maximumLabel"), &m_strMaximumLabel),
                   MakeText(QStringLiteral("maximumText"), &m_strMaximum));
    AddFieldRow(inputs, QStringLiteral("Action Level:"),
                MakeText(QStringLiteral("actionLevelText"), &m_strActionLevel));
    AddFieldRow(inputs, QStringLiteral("Baseline condition:"),
                MakeText(QStringLiteral("baselineText"), &m_strBaseline));
    AddFieldRow(inputs, QStringLiteral("Gray Region:"),
                MakeText(QStringLiteral("grayRegionText"), &m_strGrayRegion));
    inputs->addRow(MakeText(QStringLiteral("sdLabel"), &m_strSDLabel),
                   MakeText(QStringLiteral("sdText"), &m_strSD));
    QPushButton* changeInputs =
        MakeButton(QStringLiteral("Change Input Value(s)"), QStringLiteral("changeInputsButton"));
    connect(changeInputs, &QPushButton::clicked, this, [this] { ChangeInputValues(); });
    auto* inputsLayout = new QVBoxLayout(inputsBox);
    inputsLayout->addLayout(inputs);
    inputsLayout->addLayout(ButtonRow({changeInputs}));

    auto* costsBox = new QGroupBox(QStringLiteral("Cost of Sample"), this);
    auto* costs = new QFormLayout;
    AddFieldRow(costs, QStringLiteral("Laboratory Costs Per Sample:"),
                MakeText(QStringLiteral("labCostText"), &m_strLabCost));
    // "Field Costs (Per Sample): 50.00", the unit following the record.
    auto* fieldCost = new QHBoxLayout;
    fieldCost->addWidget(MakeText(QStringLiteral("fieldCostUnitLabel"), &m_strFieldCostUnit));
    fieldCost->addWidget(MakeText(QStringLiteral("fieldCostText"), &m_strFieldCost), 1);
    costs->addRow(MakeLabel(QStringLiteral("Field Costs")), fieldCost);
    QPushButton* changeCosts =
        MakeButton(QStringLiteral("Change Costs"), QStringLiteral("changeCostsButton"));
    connect(changeCosts, &QPushButton::clicked, this, [this] { ChangeCosts(); });
    auto* costsLayout = new QVBoxLayout(costsBox);
    costsLayout->addLayout(costs);
    costsLayout->addStretch();
    costsLayout->addLayout(ButtonRow({changeCosts}));

    // The table: the bounds are shown only; the additional points, all the
    // limits and nothing else can be typed.
    auto* limitsBox = new QGroupBox(QStringLiteral("Decision Error Limits"), this);
    const ErrorTable table = MakeErrorTable(MakeText(QStringLiteral("columnLabel"), &m_strColumn),
                                            m_strPoint, m_strLimit);
    for (int r = 0; r < kErrorRows; ++r)
        BindText(table.type[r], &m_strType[r]);
    auto* limitsLayout = new QVBoxLayout(limitsBox);
    limitsLayout->addLayout(table.grid);
    limitsLayout->addWidget(MakeLabel(
        QStringLiteral("* Use the Change Input Value(s)      button to change these values.")));

    auto* upper = new QHBoxLayout;
    upper->addWidget(inputsBox);
    upper->addWidget(costsBox);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(upper);
    layout->addWidget(limitsBox);
    layout->addLayout(ButtonRow({MakeNextButton()}));
}

void CInputVerificationDlg::OnOpening()
{
    LabelVerificationScreen(*this, m_record);
    CopyMembersToControls();
}

std::string CInputVerificationDlg::CheckInputs()
{
    return CheckVerificationScreen(*this, m_record);
}

template <typename Refresh> void CInputVerificationDlg::RefreshFromRecord(Refresh refresh)
{
    CopyControlsToMembers();
    refresh(*this, m_record);
    CopyMembersToControls();
}

// The costs screen again until it is left by NEXT >> or << BACK; each
// showing is stored and shown here at once.
void CInputVerificationDlg::ChangeCosts()
{
    CCostsDlg costs(this);
    do {
        FillCostsScreen(costs, m_record);
        costs.m_bNext = 0;
        costs.m_bBack = 0;
        RunTrip(costs, &m_record);
        StoreCostsScreen(costs, m_record);
        RefreshFromRecord(RefreshVerificationCosts);
    } while (costs.m_bNext == 0 && costs.m_bBack == 0);
}

// A mean screen is filled afresh, stored and shown here after every showing,
// until one of its buttons closed it; Esc shows it again.
template <typename Dialog, typename Fill> void CInputVerificationDlg::ChangeMeanInputs(Fill fill)
{
    Dialog dialog(this);
    do {
        fill(dialog, m_record);
        dialog.m_bBack = 0;
        dialog.m_bNext = 0;
        RunTrip(dialog, &m_record);
        StoreMeanScreen(dialog, m_record);
        RefreshFromRecord(RefreshVerificationInputs);
    } while (dialog.m_bBack == 0 && dialog.m_bNext == 0 && dialog.m_bSummary == 0);
}

// A proportion screen keeps what was typed until NEXT >> or << BACK closes
// it; only then is it stored.
template <typename Dialog, typename Fill, typename Store>
void CInputVerificationDlg::ChangePropInputs(Fill fill, Store store)
{
    Dialog dialog(this);
    fill(dialog, m_record);
    dialog.m_bBack = 0;
    dialog.m_bNext = 0;
    do
        RunTrip(dialog, &m_record);
    while (dialog.m_bBack == 0 && dialog.m_bNext == 0);
    store(dialog, m_record);
    RefreshFromRecord(RefreshVerificationInputs);
}

void CInputVerificationDlg::ChangeInputValues()
{
    switch (ParameterOf(m_record)) {
    case kOneMean:
        ChangeMeanInputs<COneMeanInputsDlg>(
            [](OneMeanInputsScreen& s, const DQORecord& rec) { FillOneMeanScreen(s, rec); });
        break;
    case kTwoMean:
        // Filled as it stands: the record's gray region is not tied here.
        ChangeMeanInputs<CTwoMeanInputsDlg>([](TwoMeanInputsScreen& s, const DQORecord& rec) {
            DQORecord shown = rec;
            FillTwoMeanScreen(s, shown);
        });
        break;
    case kOneProportion:
        ChangePropInputs<COnePropInputsDlg>(FillChangedOnePropScreen, StoreChangedOnePropScreen);
        break;
    case kTwoProportion:
        ChangePropInputs<CTwoPropInputsDlg>(FillChangedTwoPropScreen, StoreChangedTwoPropScreen);
        break;
    }
}
