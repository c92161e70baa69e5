#include "ui/screens/parameter_selection_dlg.h"

#include <QButtonGroup>
#include <QGroupBox>
#include <QLabel>
#include <QVBoxLayout>

#include "engine/dqo_record.h"

int ParameterCodeFromSelection(int parameter, int populations)
{
    if (populations == 0)
        return parameter == 0 ? kOneMean : kOneProportion;
    return parameter == 0 ? kTwoMean : kTwoProportion;
}

CParameterSelectionDlg::CParameterSelectionDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Parameter Selection"), EscapeKey::CloseAtOnce,
                  CloseBox::TerminatePrompt, parent)
{
    const QButtonGroup* parameterButtons = MakeRadioGroup(
        {{QStringLiteral("Population Mean"), QStringLiteral("meanRadio")},
         {QStringLiteral("Population Proportion"), QStringLiteral("proportionRadio")}},
        &m_nParameter);
    const QButtonGroup* populationButtons =
        MakeRadioGroup({{QStringLiteral("One Population"), QStringLiteral("onePopulationRadio")},
                        {QStringLiteral("Two Populations"), QStringLiteral("twoPopulationsRadio")}},
                       &m_nPopulations);

    auto* note = new QLabel(QStringLiteral("The parameter of interest should have been identified "
                                           "in Step 5, Develop a Decision Rule, of the DQO "
                                           "Process."),
                            this);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(
        MakeRadioBox(QStringLiteral("Select the Parameter of Interest"), parameterButtons));
    layout->addWidget(
        MakeRadioBox(QStringLiteral("Select Number of Populations"), populationButtons));
    layout->addWidget(note);
    layout->addLayout(ButtonRow({MakeNextButton()}));
}
