#include "ui/screens/summary_dlg.h"

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
#include "ui/screens/design_sequences.h"
#include "ui/screens/input_screen_parts.h"
#include "ui/screens/mean_inputs_dlg.h"
#include "ui/screens/prop_inputs_dlg.h"
#include "ui/talo_doc.h"

namespace {

// The NS mark of a row, named after the row's controls.
QString NotSatisfiedName(int row)
{
    static const char* const kRows[kErrorRows] = {"below1", "below2", "lower",
                                                  "upper",  "above1", "above2"};
    return QString::fromLatin1(kRows[row]) + QStringLiteral("NotSatisfiedLabel");
}

// A box around the layout, followed by the buttons.
QGroupBox* MakeBox(QWidget* parent, const QString& title, QLayout* contents,
                   QHBoxLayout* buttons = nullptr)
{
    auto* box = new QGroupBox(title, parent);
    auto* layout = new QVBoxLayout(box);
    layout->addLayout(contents);
    if (buttons) {
        layout->addStretch();
        layout->addLayout(buttons);
    }
    return box;
}

} // namespace

CSummaryDlg::CSummaryDlg(CTaloDoc& doc, DQORecord& record, QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Design/DQO Summary"), EscapeKey::CloseAtOnce,
                  CloseBox::ActsAsEscape, parent),
      m_pDoc(&doc), m_record(record)
{
    m_pDQO = &record;

    // Sampling Parameters: the design, its inputs, the samples and the cost.
    auto* design = new QFormLayout;
    design->addRow(MakeLabel(QStringLiteral("Sampling Design:"), QStringLiteral("designCaption")),
                   MakeText(QStringLiteral("designText"), &m_strDesign));
    design->addRow(QString(), MakeText(QStringLiteral("strataText"), &m_strStrata));
    design->addRow(MakeLabel(QStringLiteral("Design-Specific Inputs:"),
                             QStringLiteral("designInputsCaption")));
    design->addRow(MakeText(QStringLiteral("designInputs1Text"), &m_strDesignInputs1));
    design->addRow(MakeText(QStringLiteral("designInputs2Text"), &m_strDesignInputs2));
    m_pSamplesLabel = MakeText(QStringLiteral("samplesLabel"), &m_strSamplesLabel);
    m_pSamplesEdit = MakeField(QStringLiteral("samplesEdit"), &m_strSamples);
    AddFieldRow(design, m_pSamplesLabel, Narrowed(m_pSamplesEdit));
    design->addRow(QString(), MakeText(QStringLiteral("samplesNoteText"), &m_strSamplesNote));
    QLineEdit* totalCost = Narrowed(MakeField(QStringLiteral("totalCostEdit"), &m_strTotalCost));
    AddFieldRow(design, QStringLiteral("Total Cost:      $"), totalCost);
    totalCost->setAccessibleName(QStringLiteral("Total Cost"));
    m_pChangeDesign =
        MakeButton(QStringLiteral("Change Sampling Design"), QStringLiteral("changeDesignButton"));
    connect(m_pChangeDesign, &QPushButton::clicked, this, [this] { ChangeSamplingDesign(); });
    m_pChangeDesignInputs = MakeButton(QStringLiteral("Change Design Inputs"),
                                       QStringLiteral("changeDesignInputsButton"));
    connect(m_pChangeDesignInputs, &QPushButton::clicked, this, [this] { ChangeDesignInputs(); });
    QGroupBox* samplingBox = MakeBox(this, QStringLiteral("Sampling Parameters"), design,
                                     ButtonRow({m_pChangeDesign, m_pChangeDesignInputs}));

    // Costs: "Field Costs (Per Sample): 50.00", the unit following the record.
    auto* costs = new QFormLayout;
    AddFieldRow(costs, QStringLiteral("Laboratory Costs Per Sample:"),
                MakeText(QStringLiteral("labCostText"), &m_strLabCost));
    auto* fieldCost = new QHBoxLayout;
    fieldCost->addWidget(MakeText(QStringLiteral("fieldCostUnitLabel"), &m_strFieldCostUnit));
    fieldCost->addWidget(MakeText(QStringLiteral("fieldCostText"), &m_strFieldCost), 1);
    costs->addRow(MakeLabel(QStringLiteral("Field Costs"), QStringLiteral("fieldCostCaption")),
                  fieldCost);
    m_pCompositingLabel = MakeLabel(QStringLiteral("Aliquot Compositing Cost:"),
                                    QStringLiteral("compositingCostCaption"));
    m_pCompositingCost = MakeText(QStringLiteral("compositingCostText"), &m_strCompositingCost);
    costs->addRow(m_pCompositingLabel, m_pCompositingCost);
    QPushButton* changeCosts =
        MakeButton(QStringLiteral("Change Costs"), QStringLiteral("changeCostsButton"));
    connect(changeCosts, &QPushButton::clicked, this, [this] { ChangeCosts(); });
    QGroupBox* costsBox = MakeBox(this, QStringLiteral("Costs"), costs, ButtonRow({changeCosts}));

    QPushButton* update = MakeButton(QStringLiteral("Update"), QStringLiteral("updateButton"));
    update->setDefault(true);
    connect(update, &QPushButton::clicked, this, [this] { accept(); });
    QGroupBox* updateBox = MakeBox(this, QStringLiteral("Update Screen Data"), ButtonRow({update}));

    // Input Values.
    auto* values = new QFormLayout;
    AddFieldRow(values, QStringLiteral("Parameter of Interest:"),
                MakeText(QStringLiteral("parameterText"), &m_strParameter));
    AddFieldRow(values, QStringLiteral("Action Level:"),
                MakeText(QStringLiteral("actionLevelText"), &m_strActionLevel));
    AddFieldRow(values, QStringLiteral("Gray Region:"),
                MakeText(QStringLiteral("grayRegionText"), &m_strGrayRegion));
    AddFieldRow(values, QStringLiteral("Baseline Condition:"),
                MakeText(QStringLiteral("baselineText"), &m_strBaseline));
    m_pSDLabel = MakeLabel(QString(), QStringLiteral("sdLabel"));
    values->addRow(m_pSDLabel, MakeText(QStringLiteral("sdText"), &m_strSD));
    QPushButton* changeInputs =
        MakeButton(QStringLiteral("Change Input Value(s)"), QStringLiteral("changeInputsButton"));
    connect(changeInputs, &QPushButton::clicked, this, [this] { ChangeInputValues(); });
    QGroupBox* valuesBox =
        MakeBox(this, QStringLiteral("Input Values"), values, ButtonRow({changeInputs}));

    // Decision Error Limits: the bounds are shown only; the additional
    // points and all the limits can be typed.
    m_pColumnLabel = MakeLabel(QString(), QStringLiteral("columnLabel"));
    const ErrorTable table = MakeErrorTable(m_pColumnLabel, m_strPoint, m_strLimit);
    for (int r = 0; r < kErrorRows; ++r) {
        m_pType[r] = table.type[r];
        if (r == kRowLower || r == kRowUpper)
            continue;
        m_pNotSatisfied[r] = MakeLabel(QStringLiteral("NS"), NotSatisfiedName(r));
        table.grid->addWidget(m_pNotSatisfied[r], r + 1, 3);
    }
    auto* limits = new QVBoxLayout;
    limits->addLayout(table.grid);
    m_pNotSatisfiedLegend =
        MakeLabel(QStringLiteral("NS - Limit Not Satisfied"), QStringLiteral("notSatisfiedLegend"));
    limits->addWidget(m_pNotSatisfiedLegend);
    limits->addWidget(MakeLabel(QStringLiteral("* Use Change Input Value(s) button"),
                                QStringLiteral("boundNoteLabel")));
    QGroupBox* limitsBox = MakeBox(this, QStringLiteral("Decision Error Limits"), limits);

    auto* dqo = new QVBoxLayout;
    dqo->addWidget(valuesBox);
    dqo->addWidget(limitsBox);
    QGroupBox* dqoBox = MakeBox(this, QStringLiteral("DQO Input Summary"), dqo);

    QPushButton* graph = MakeButton(QStringLiteral("Graph"), QStringLiteral("graphButton"));
    connect(graph, &QPushButton::clicked, this, [this] { Leave(true); });
    QPushButton* save = MakeButton(QStringLiteral("Save"), QStringLiteral("saveButton"));
    connect(save, &QPushButton::clicked, this, [this] { m_pDoc->SaveSummaryReport(); });
    QPushButton* original =
        MakeButton(QStringLiteral("Original DQOs"), QStringLiteral("originalButton"));
    connect(original, &QPushButton::clicked, this, [this] { RestoreOriginalDQOs(); });
    QPushButton* exit = MakeButton(QStringLiteral("Exit"), QStringLiteral("exitButton"));
    connect(exit, &QPushButton::clicked, this, [this] { Leave(false); });

    auto* left = new QVBoxLayout;
    left->addWidget(samplingBox);
    left->addWidget(costsBox);
    left->addWidget(updateBox);
    left->addStretch();
    auto* columns = new QHBoxLayout;
    columns->addLayout(left);
    columns->addWidget(dqoBox);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(columns);
    layout->addLayout(ButtonRow({graph, save, original, exit}));

    for (QPushButton* button : findChildren<QPushButton*>())
        button->setAccessibleName(button->text());
}

void CSummaryDlg::OnOpening()
{
    const bool twoSample = IsTwoSample(m_record.nParameter);
    m_pChangeDesign->setVisible(!twoSample);
    m_pChangeDesignInputs->setVisible(!twoSample && m_record.nDesign != kSimpleRandom);
    const bool proportion = IsProportion(m_record.nParameter);
    m_pSDLabel->setText(proportion ? QString() : QStringLiteral("Standard Deviation:"));
    m_pColumnLabel->setText(proportion ? QStringLiteral("proportion")
                                       : QStringLiteral("concentration"));
    ShowTable();
    const bool composite = m_record.nDesign == kComposite;
    m_pCompositingLabel->setVisible(composite);
    m_pCompositingCost->setVisible(composite);
    NameAfterLabel(m_pSamplesEdit, m_pSamplesLabel);
}

void CSummaryDlg::ShowTable()
{
    const bool nullBelow = m_record.nBaseline == kBaselineAtMost;
    bool anyMark = false;
    for (int r = 0; r < kErrorRows; ++r) {
        m_pType[r]->setText((r <= kRowLower) == nullBelow ? QStringLiteral("FR")
                                                          : QStringLiteral("FA"));
        if (m_pNotSatisfied[r]) {
            const bool mark = RowNotSatisfied(m_record, static_cast<ErrorRow>(r));
            m_pNotSatisfied[r]->setVisible(mark);
            anyMark = anyMark || mark;
        }
    }
    m_pNotSatisfiedLegend->setVisible(anyMark);
}

std::string CSummaryDlg::CheckInputs()
{
    return AcceptSummaryScreen(*this, m_record);
}

void CSummaryDlg::reject()
{
    Leave(false);
}

void CSummaryDlg::Leave(bool showGraph)
{
    m_bLeave = 1;
    if (showGraph)
        m_bShowGraph = 1;
    CopyControlsToMembers();
    done(kEndOk);
}

// The costs screen again until << BACK or NEXT >> closes it; each showing
// is stored and its total shown here at once, the rest as typed.
void CSummaryDlg::ChangeCosts()
{
    CCostsDlg costs(this);
    do {
        FillCostsScreen(costs, m_record);
        costs.m_bComposite = m_record.nDesign == kComposite ? 1 : 0;
        costs.m_bBack = 0;
        costs.m_bNext = 0;
        RunTrip(costs, &m_record);
        CopyControlsToMembers();
        StoreCostsScreen(costs, m_record);
        CSeamMessages messages(this);
        ChangeSummaryCosts(*this, m_record, messages);
        CopyMembersToControls();
    } while (costs.m_bBack == 0 && costs.m_bNext == 0);
}

// The modify screen until NEXT >> closes it, then stored and shown here; a
// mean's screen offers the record's values afresh at each showing.
template <typename Dialog, typename Fill, typename Store>
void CSummaryDlg::ModifyInputs(Fill fill, Store store, bool fillEachTime)
{
    Dialog dialog(this);
    fill(dialog, m_record);
    for (;;) {
        dialog.m_bNext = 0;
        RunTrip(dialog, &m_record);
        if (dialog.m_bNext != 0)
            break;
        if (fillEachTime)
            fill(dialog, m_record);
    }
    CopyControlsToMembers();
    store(dialog, m_record);
    RefreshSummaryInputs(*this, m_record);
    CopyMembersToControls();
}

void CSummaryDlg::ChangeInputValues()
{
    if (IsProportion(m_record.nParameter))
        ModifyInputs<CModifyPropDlg>(FillModifyPropScreen, StoreModifyPropScreen, false);
    else
        ModifyInputs<CModifyMeanDlg>(FillModifyMeanScreen, StoreModifyMeanScreen, true);
    accept();
}

void CSummaryDlg::ChangeSamplingDesign()
{
    if (IsTwoSample(m_record.nParameter)) {
        CPlatformSeams::Current().ShowMessage(
            this, QString::fromLatin1(kTitleTalo),
            QStringLiteral("Only Simple Random Sampling is available for the Two-Sample "
                           "parameters."),
            MessageIcon::Information, MessageButtons::Ok);
        return;
    }
    CopyControlsToMembers();
    RunDesignChoice(*this, m_record);
    m_strDesign = DesignName(m_record.nDesign);
    if (m_record.nDesign == kComposite) {
        RunCompositeInputs(*this, m_record);
    } else if (m_record.nDesign == kStratified) {
        RunStrataSequence(*this, m_record);
        RunStrataListLoop(*this, m_record);
    }
    CopyMembersToControls();
    accept();
}

void CSummaryDlg::ChangeDesignInputs()
{
    CopyControlsToMembers();
    if (m_record.nDesign == kComposite) {
        m_strDesign = DesignName(kComposite);
        RunCompositeInputs(*this, m_record);
    } else if (m_record.nDesign == kStratified) {
        RunStrataListLoop(*this, m_record);
    }
    CopyMembersToControls();
    accept();
}

void CSummaryDlg::RestoreOriginalDQOs()
{
    m_record.bRestoreOriginal = 1;
    accept();
}
