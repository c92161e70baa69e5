#include "ui/screens/mean_inputs_dlg.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

// The group "Estimate of Standard Deviation": each way with its field, the
// coefficient followed by the deviation it gives. Tab goes through them as
// they are read, each button before its field.
QGroupBox* MakeSDBox(QWidget* parent, const QButtonGroup* modes, QLineEdit* sd, QLineEdit* cv,
                     QLabel* cvLabel)
{
    QAbstractButton* byValue = modes->button(kSDByValue);
    QAbstractButton* byCV = modes->button(kSDByCV);
    sd->setAccessibleName(QStringLiteral("Use This Value"));
    cv->setAccessibleName(QStringLiteral("Coefficient of Variation"));
    QWidget::setTabOrder(byValue, sd);
    QWidget::setTabOrder(sd, byCV);
    QWidget::setTabOrder(byCV, cv);

    auto* box = new QGroupBox(QStringLiteral("Estimate of Standard Deviation"), parent);
    auto* grid = new QGridLayout(box);
    grid->addWidget(byValue, 0, 0);
    grid->addWidget(sd, 0, 1);
    grid->addWidget(byCV, 1, 0);
    grid->addWidget(cv, 1, 1);
    grid->addWidget(cvLabel, 1, 2);
    return box;
}

// The proposed bound and the checks of each wizard screen.
void ProposeBound(OneMeanInputsScreen& screen, BaselineCode baseline)
{
    ClickOneMeanBaseline(screen, baseline);
}

void ProposeBound(TwoMeanInputsScreen& screen, BaselineCode baseline)
{
    ClickTwoMeanBaseline(screen, baseline);
}

std::string Check(const OneMeanInputsScreen& screen)
{
    return CheckOneMeanScreen(screen);
}

std::string Check(const TwoMeanInputsScreen& screen)
{
    return CheckTwoMeanScreen(screen);
}

} // namespace

// --- Wizard screens ----------------------------------------------------------

template <typename Screen>
CWizardMeanDlg<Screen>::CWizardMeanDlg(const QString& title, EscapeKey escapeKey,
                                       const Baselines& baselines, QWidget* parent)
    : CTaloDialog(title, escapeKey, CloseBox::TerminatePrompt, parent)
{
    auto* values = new QFormLayout;
    AddFieldRow(values, QStringLiteral("Estimate of Minimum Value:"),
                MakeField(QStringLiteral("minimumEdit"), &this->m_strMinimum));
    AddFieldRow(values, QStringLiteral("Estimate of Maximum Value:"),
                MakeField(QStringLiteral("maximumEdit"), &this->m_strMaximum));
    AddFieldRow(values, QStringLiteral("Action Level (AL):"),
                MakeField(QStringLiteral("actionLevelEdit"), &this->m_strActionLevel));
    const QButtonGroup* baselineButtons =
        MakeRadioGroup({{baselines.atLeast, QStringLiteral("atLeastRadio")},
                        {baselines.atMost, QStringLiteral("atMostRadio")}},
                       &this->m_nBaseline);
    QGroupBox* baselineBox =
        MakeRadioBox(QStringLiteral("Select Baseline Condition "), baselineButtons);
    if (!baselines.alternativeAtLeast.isEmpty())
        AddAlternatives(baselineBox, {baselines.alternativeAtLeast, baselines.alternativeAtMost});

    m_otherBound = {MakeExplanation(this),
                    MakeText(QStringLiteral("boundLabel"), &this->m_strBoundLabel),
                    MakeField(QStringLiteral("otherBoundEdit"), &this->m_strOtherBound)};
    QGroupBox* otherBoundBox = MakeOtherBoundBox(this, m_otherBound);

    const QButtonGroup* modes =
        MakeRadioGroup({{QStringLiteral("Use This Value:"), QStringLiteral("sdValueRadio")},
                        {QStringLiteral("Coefficient of Variation:"), QStringLiteral("cvRadio")}},
                       &this->m_nSDMode);
    QGroupBox* sdBox = MakeSDBox(this, modes, MakeField(QStringLiteral("sdEdit"), &this->m_strSD),
                                 MakeField(QStringLiteral("cvEdit"), &this->m_strCV),
                                 MakeText(QStringLiteral("cvLabel"), &this->m_strCVLabel));

    LayOutParameterScreen(this, values, baselineBox, {otherBoundBox, sdBox},
                          ButtonRow({MakeBackButton(), MakeNextButton(), MakeSummaryButton()}));

    QObject::connect(baselineButtons, &QButtonGroup::idClicked, this,
                     [this](int id) { OnBaselineClicked(id); });
    QObject::connect(modes, &QButtonGroup::idClicked, this,
                     [this](int id) { OnSDModeClicked(id); });
}

template <typename Screen> void CWizardMeanDlg<Screen>::OnOpening()
{
    ShowBaseline(m_otherBound, this->m_nBaseline);
}

template <typename Screen> std::string CWizardMeanDlg<Screen>::CheckInputs()
{
    return Check(*this);
}

template <typename Screen> void CWizardMeanDlg<Screen>::OnBaselineClicked(int baseline)
{
    CopyControlsToMembers();
    ProposeBound(*this, static_cast<BaselineCode>(baseline));
    CopyMembersToControls();
    ShowBaseline(m_otherBound, baseline);
}

template <typename Screen> void CWizardMeanDlg<Screen>::OnSDModeClicked(int mode)
{
    CopyControlsToMembers();
    if (mode == kSDByCV) {
        ClickCoefficient(*this);
        CopyMembersToControls();
    }
}

template class CWizardMeanDlg<OneMeanInputsScreen>;
template class CWizardMeanDlg<TwoMeanInputsScreen>;

COneMeanInputsDlg::COneMeanInputsDlg(QWidget* parent)
    : CWizardMeanDlg(QStringLiteral("TALO - One-Sample Mean Inputs"), EscapeKey::CloseAtOnce,
                     {QStringLiteral("Ho: mean >= AL vs. Ha: mean < AL"),
                      QStringLiteral("Ho: mean <= AL vs. Ha: mean > AL"), QString(), QString()},
                     parent)
{
}

CTwoMeanInputsDlg::CTwoMeanInputsDlg(QWidget* parent)
    : CWizardMeanDlg(QStringLiteral("TALO - Two-Sample Mean Inputs"), EscapeKey::RunChecks,
                     {QStringLiteral("Ho: mean1 - mean2 >= AL  vs.  "),
                      QStringLiteral("Ho: mean1 - mean2 <= AL  vs.  "),
                      QStringLiteral("Ha: mean1 - mean2 < AL"),
                      QStringLiteral("Ha: mean1 - mean2 > AL")},
                     parent)
{
}

// --- Modify ------------------------------------------------------------------

CModifyMeanDlg::CModifyMeanDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Modify One-Sample Mean Inputs"), EscapeKey::CloseAtOnce,
                  CloseBox::TerminatePrompt, parent)
{
    QGroupBox* staticInputs = MakeTextBox(
        QStringLiteral("Static Inputs"),
        {{QStringLiteral("Minimum Value:"), QStringLiteral("minimumText"), &m_strMinimum},
         {QStringLiteral("Maximum Value:"), QStringLiteral("maximumText"), &m_strMaximum},
         {QStringLiteral("Baseline Condition:"), QStringLiteral("baselineText"), &m_strBaseline}});

    auto* modifiable = new QGroupBox(QStringLiteral("Modifiable Inputs"), this);
    auto* inputs = new QFormLayout(modifiable);
    AddFieldRow(inputs, QStringLiteral("Action Level (AL):"),
                MakeField(QStringLiteral("actionLevelEdit"), &m_strActionLevel));
    m_pBoundLabel = MakeText(QStringLiteral("boundLabel"), &m_strBoundLabel);
    m_pBoundEdit = MakeField(QStringLiteral("boundEdit"), &m_strBound);
    AddFieldRow(inputs, m_pBoundLabel, m_pBoundEdit);

    const QButtonGroup* modes =
        MakeRadioGroup({{QStringLiteral("Use This Value:"), QStringLiteral("sdValueRadio")},
                        {QStringLiteral("Coefficient of Variation:"), QStringLiteral("cvRadio")}},
                       &m_nSDMode);
    QGroupBox* sdBox = MakeSDBox(this, modes, MakeField(QStringLiteral("sdEdit"), &m_strSD),
                                 MakeField(QStringLiteral("cvEdit"), &m_strCV),
                                 MakeText(QStringLiteral("cvLabel"), &m_strCVLabel));

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(staticInputs);
    layout->addWidget(modifiable);
    layout->addWidget(sdBox);
    layout->addLayout(ButtonRow({MakeNextButton()}));
    connect(modes, &QButtonGroup::idClicked, this, [this](int id) { OnSDModeClicked(id); });
}

void CModifyMeanDlg::OnOpening()
{
    const bool twoSamples = m_pDQO && m_pDQO->nParameter == kTwoMean;
    setWindowTitle(twoSamples ? QStringLiteral("TALO - Modify Two-Sample Mean Inputs")
                              : QStringLiteral("TALO - Modify One-Sample Mean Inputs"));
    NameAfterLabel(m_pBoundEdit, m_pBoundLabel);
}

std::string CModifyMeanDlg::CheckInputs()
{
    // The checks read the range, baseline and parameter of the edited record.
    static const DQORecord kNoRecord;
    return CheckModifyMeanScreen(*this, m_pDQO ? *m_pDQO : kNoRecord);
}

void CModifyMeanDlg::OnSDModeClicked(int mode)
{
    CopyControlsToMembers();
    if (mode == kSDByCV) {
        ClickCoefficient(*this);
        CopyMembersToControls();
    }
}
