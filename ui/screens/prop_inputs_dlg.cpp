#include "ui/screens/prop_inputs_dlg.h"

#include <QButtonGroup>
#include <QFormLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// A static text that never changes, named for the tests and readers.
QLabel* FixedText(QWidget* parent, const QString& text, const QString& objectName)
{
    auto* label = new QLabel(text, parent);
    label->setObjectName(objectName);
    return label;
}

} // namespace

// --- One sample --------------------------------------------------------------

COnePropInputsDlg::COnePropInputsDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - One-Sample Proportion Inputs"), EscapeKey::RunChecks,
                  CloseBox::TerminatePrompt, parent)
{
    auto* values = new QFormLayout;
    AddFieldRow(values, QStringLiteral("Minimum Proportion:"),
                FixedText(this, QStringLiteral("0.00"), QStringLiteral("minimumText")));
    AddFieldRow(values, QStringLiteral("Maximum Proportion:"),
                FixedText(this, QStringLiteral("1.00"), QStringLiteral("maximumText")));
    AddFieldRow(values, QStringLiteral("Action Level (AL):"),
                MakeField(QStringLiteral("actionLevelEdit"), &m_strActionLevel));
    const QButtonGroup* baselines =
        MakeRadioGroup({{QStringLiteral("Ho: proportion >= AL vs. Ha: proportion < AL"),
                         QStringLiteral("atLeastRadio")},
                        {QStringLiteral("Ho: proportion <= AL vs. Ha: proportion > AL"),
                         QStringLiteral("atMostRadio")}},
                       &m_nBaseline);
    QGroupBox* baselineBox = MakeRadioBox(QStringLiteral("Select Baseline Condition "), baselines);

    m_otherBound = {MakeExplanation(this),
                    FixedText(this, QStringLiteral("Upper Bound:"), QStringLiteral("boundLabel")),
                    MakeField(QStringLiteral("otherBoundEdit"), &m_strOtherBound)};
    LayOutParameterScreen(this, values, baselineBox, {MakeOtherBoundBox(this, m_otherBound)},
                          ButtonRow({MakeBackButton(), MakeNextButton(), MakeSummaryButton()}));
    connect(baselines, &QButtonGroup::idClicked, this, [this](int id) { OnBaselineClicked(id); });
}

void COnePropInputsDlg::OnOpening()
{
    ShowBaseline(m_otherBound, m_nBaseline);
}

std::string COnePropInputsDlg::CheckInputs()
{
    return CheckOnePropScreen(*this);
}

void COnePropInputsDlg::OnBaselineClicked(int baseline)
{
    CopyControlsToMembers();
    ClickOnePropBaseline(*this, static_cast<BaselineCode>(baseline));
    CopyMembersToControls();
    ShowBaseline(m_otherBound, baseline);
}

// --- Two samples -------------------------------------------------------------

CTwoPropInputsDlg::CTwoPropInputsDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Two-Sample Proportion Inputs"), EscapeKey::RunChecks,
                  CloseBox::TerminatePrompt, parent)
{
    auto* values = new QFormLayout;
    AddFieldRow(values, QStringLiteral("Minimum Mean Difference:"),
                MakeText(QStringLiteral("minimumText"), &m_strMinimum));
    AddFieldRow(values, QStringLiteral("Maximum Mean Difference:"),
                MakeText(QStringLiteral("maximumText"), &m_strMaximum));
    AddFieldRow(
        values, QStringLiteral("Action Level (AL):"),
        FixedText(this, QStringLiteral("0.00  (fixed)"), QStringLiteral("actionLevelText")));
    const QButtonGroup* baselines = MakeRadioGroup(
        {{QStringLiteral("Ho: prop1 - prop2 >= AL  vs.          "), QStringLiteral("atLeastRadio")},
         {QStringLiteral("Ho: prop1 - prop2 <= AL  vs.                   "),
          QStringLiteral("atMostRadio")}},
        &m_nBaseline);
    QGroupBox* baselineBox = MakeRadioBox(QStringLiteral("Select Baseline Condition: "), baselines);
    AddAlternatives(baselineBox, {QStringLiteral("Ha: prop1 - prop2 < AL"),
                                  QStringLiteral("Ha: prop1 - prop2 > AL")});

    m_otherBound = {MakeExplanation(this, QStringLiteral("    ")),
                    FixedText(this, QStringLiteral("Upper Bound:"), QStringLiteral("boundLabel")),
                    MakeField(QStringLiteral("otherBoundEdit"), &m_strOtherBound)};
    LayOutParameterScreen(this, values, baselineBox, {MakeOtherBoundBox(this, m_otherBound)},
                          ButtonRow({MakeBackButton(), MakeNextButton(), MakeSummaryButton()}));
    connect(baselines, &QButtonGroup::idClicked, this, [this](int id) { OnBaselineClicked(id); });
}

void CTwoPropInputsDlg::OnOpening()
{
    ShowBaseline(m_otherBound, m_nBaseline);
}

std::string CTwoPropInputsDlg::CheckInputs()
{
    return CheckTwoPropScreen(*this);
}

void CTwoPropInputsDlg::OnBaselineClicked(int baseline)
{
    CopyControlsToMembers();
    ClickTwoPropBaseline(*this, static_cast<BaselineCode>(baseline));
    CopyMembersToControls();
    ShowBaseline(m_otherBound, baseline);
}

// --- Modify ------------------------------------------------------------------

CModifyPropDlg::CModifyPropDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Modify One-Sample Proportion Inputs"),
                  EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt, parent)
{
    QGroupBox* staticInputs = MakeTextBox(
        QStringLiteral("Static Inputs"),
        {{QStringLiteral("Minimum Value:"), QStringLiteral("minimumText"), &m_strMinimum},
         {QStringLiteral("Maximum Value:"), QStringLiteral("maximumText"), &m_strMaximum},
         {QStringLiteral("Baseline Condition:"), QStringLiteral("baselineText"), &m_strBaseline}});

    auto* modifiable = new QGroupBox(QStringLiteral("Modifiable Inputs"), this);
    auto* inputs = new QFormLayout(modifiable);
    m_pActionLevelLabel = MakeText(QStringLiteral("actionLevelLabel"), &m_strActionLevelLabel);
    m_pActionLevelEdit = MakeField(QStringLiteral("actionLevelEdit"), &m_strActionLevel);
    AddFieldRow(inputs, m_pActionLevelLabel, m_pActionLevelEdit);
    m_pBoundLabel = MakeText(QStringLiteral("boundLabel"), &m_strBoundLabel);
    m_pBoundEdit = MakeField(QStringLiteral("boundEdit"), &m_strBound);
    AddFieldRow(inputs, m_pBoundLabel, m_pBoundEdit);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(staticInputs);
    layout->addWidget(modifiable);
    layout->addLayout(ButtonRow({MakeNextButton()}));
}

void CModifyPropDlg::OnOpening()
{
    // Two proportions keep the action level 0; its label says so.
    const bool twoProportions = m_pDQO && m_pDQO->nParameter == kTwoProportion;
    setWindowTitle(twoProportions ? QStringLiteral("TALO - Modify Two-Sample Proportion Inputs")
                                  : QStringLiteral("TALO - Modify One-Sample Proportion Inputs"));
    m_pActionLevelEdit->setVisible(!twoProportions);
    NameAfterLabel(m_pActionLevelEdit, m_pActionLevelLabel);
    NameAfterLabel(m_pBoundEdit, m_pBoundLabel);
}

std::string CModifyPropDlg::CheckInputs()
{
    // The checks read the parameter and baseline of the edited record.
    static const DQORecord kNoRecord;
    return CheckModifyPropScreen(*this, m_pDQO ? *m_pDQO : kNoRecord);
}
