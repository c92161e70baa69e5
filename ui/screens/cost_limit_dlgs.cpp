#include "ui/screens/cost_limit_dlgs.h"

#include <QAbstractButton>
#include <QButtonGroup>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

#include "engine/dqo_record.h"

namespace {

const char* const kFalseRejection = "False Rejection Error Limit, FR";
const char* const kFalseAcceptance = "False Acceptance Error Limit, FA";
const char* const kStep6Note =
    "These should have been identified in Step 6, Specify Limits on Decision Errors, of the DQO "
    "Process.";

// Screens opened without a record label themselves as for the defaults.
const DQORecord& EditedRecord(const DQORecord* record)
{
    static const DQORecord kDefaults;
    return record ? *record : kDefaults;
}

// The limit names of the rows below and above the gray region: with Ho <=
// the lower side is where a false rejection can happen.
const char* LowerSideName(int baseline)
{
    return baseline == kBaselineAtMost ? kFalseRejection : kFalseAcceptance;
}

const char* UpperSideName(int baseline)
{
    return baseline == kBaselineAtMost ? kFalseAcceptance : kFalseRejection;
}

// A fixed note, wrapped to a width that grows with the font.
QLabel* MakeNote(QWidget* parent, const char* text, const QString& objectName, int characters)
{
    auto* note = new QLabel(QString::fromLatin1(text), parent);
    note->setObjectName(objectName);
    note->setWordWrap(true);
    note->setMinimumWidth(note->fontMetrics().averageCharWidth() * characters);
    return note;
}

// The caption the field is known by: its label's text without the colon.
QString AccessibleCaption(const QString& caption)
{
    return caption.endsWith(QLatin1Char(':')) ? caption.chopped(1) : caption;
}

} // namespace

// --- Costs -------------------------------------------------------------------

CCostsDlg::CCostsDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Laboratory and Field Costs"), EscapeKey::CloseAtOnce,
                  CloseBox::TerminatePrompt, parent)
{
    auto* labBox = new QGroupBox(QStringLiteral("Laboratory Cost Input"), this);
    auto* labForm = new QFormLayout(labBox);
    AddFieldRow(labForm, QStringLiteral("Laboratory Costs Per Sample:"),
                MakeField(QStringLiteral("labCostEdit"), &m_strLabCost));

    auto* fieldBox = new QGroupBox(QStringLiteral("Field Cost Input"), this);
    QButtonGroup* mode =
        MakeRadioGroup({{QStringLiteral("Per Sample"), QStringLiteral("perSampleRadio")},
                        {QStringLiteral("Total"), QStringLiteral("totalRadio")}},
                       &m_bTotalFieldCost);
    auto* modeRow = new QHBoxLayout;
    for (QAbstractButton* button : mode->buttons())
        modeRow->addWidget(button);
    modeRow->addStretch();
    auto* fieldCaption = MakeLabel(QStringLiteral("Field Costs"));
    m_pFieldCostUnit = MakeLabel(QString(), QStringLiteral("fieldCostUnitLabel"));
    m_pFieldCost = MakeField(QStringLiteral("fieldCostEdit"), &m_strFieldCost);
    fieldCaption->setBuddy(m_pFieldCost);
    auto* fieldRow = new QHBoxLayout;
    fieldRow->addWidget(fieldCaption);
    fieldRow->addWidget(m_pFieldCostUnit);
    fieldRow->addWidget(m_pFieldCost, 1);
    auto* fieldLayout = new QVBoxLayout(fieldBox);
    fieldLayout->addLayout(modeRow);
    fieldLayout->addLayout(fieldRow);

    // The choice shows at once what the typed number means; the texts typed
    // so far are kept in the members, as every radio handler does.
    connect(mode, &QButtonGroup::idClicked, this, [this](int id) {
        ShowFieldCostUnit(id);
        CopyControlsToMembers();
    });

    m_pCompositeNote = MakeNote(this,
                                "Use the 'Change Design Inputs' button to change the Aliquot "
                                "Compositing Cost.",
                                QStringLiteral("compositeNoteLabel"), 50);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(labBox);
    layout->addWidget(fieldBox);
    layout->addWidget(m_pCompositeNote);
    layout->addWidget(MakeNote(this,
                               "These may have been determined in Step 3, Identify Inputs to the "
                               "Decision, of the DQO Process.",
                               QStringLiteral("noteLabel"), 50));
    layout->addLayout(ButtonRow({MakeBackButton(), MakeNextButton()}));
}

void CCostsDlg::ShowFieldCostUnit(int totalFieldCost)
{
    const QString unit = QString::fromLatin1(FieldCostUnit(totalFieldCost));
    m_pFieldCostUnit->setText(unit);
    m_pFieldCost->setAccessibleName(QStringLiteral("Field Costs ") + AccessibleCaption(unit));
}

void CCostsDlg::OnOpening()
{
    ShowFieldCostUnit(m_bTotalFieldCost);
    m_pCompositeNote->setVisible(m_bComposite == 1);
}

std::string CCostsDlg::CheckInputs()
{
    return CheckCostsScreen(*this);
}

// --- Decision error limits -----------------------------------------------------

CErrorLimitsDlg::CErrorLimitsDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Decision Error Limits"), EscapeKey::CloseAtOnce,
                  CloseBox::TerminatePrompt, parent)
{
    auto* intro = MakeNote(this,
                           "Enter the decision error limits corresponding to the upper and lower "
                           "bounds of the gray region.",
                           QStringLiteral("introLabel"), 60);
    // "Lower Bound (50):", the name of its limit, and the limit.
    auto* grid = new QGridLayout;
    const auto addRow = [this, grid](int row, const QString& caption, QLabel* bound, QLabel* name,
                                     QLineEdit* limit) {
        grid->addWidget(MakeLabel(caption), row, 0);
        grid->addWidget(bound, row, 1);
        name->setBuddy(limit);
        grid->addWidget(name, row, 2);
        grid->addWidget(limit, row, 3);
    };
    m_pLowerName = MakeLabel(QString(), QStringLiteral("lowerLimitNameLabel"));
    m_pLimitAtLower = MakeField(QStringLiteral("limitAtLowerEdit"), &m_strLimitAtLower);
    addRow(0, QStringLiteral("Lower Bound"),
           MakeText(QStringLiteral("lowerBoundLabel"), &m_strLowerBound), m_pLowerName,
           m_pLimitAtLower);
    m_pUpperName = MakeLabel(QString(), QStringLiteral("upperLimitNameLabel"));
    m_pLimitAtUpper = MakeField(QStringLiteral("limitAtUpperEdit"), &m_strLimitAtUpper);
    addRow(1, QStringLiteral("Upper Bound"),
           MakeText(QStringLiteral("upperBoundLabel"), &m_strUpperBound), m_pUpperName,
           m_pLimitAtUpper);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(intro);
    layout->addLayout(grid);
    layout->addWidget(MakeNote(this, kStep6Note, QStringLiteral("noteLabel"), 60));
    layout->addLayout(ButtonRow({MakeBackButton(), MakeNextButton()}));
}

void CErrorLimitsDlg::OnOpening()
{
    const int baseline = EditedRecord(m_pDQO).nBaseline;
    const QString lower = QString::fromLatin1(LowerSideName(baseline));
    const QString upper = QString::fromLatin1(UpperSideName(baseline));
    m_pLowerName->setText(lower);
    m_pUpperName->setText(upper);
    m_pLimitAtLower->setAccessibleName(QStringLiteral("Lower Bound: ") + lower);
    m_pLimitAtUpper->setAccessibleName(QStringLiteral("Upper Bound: ") + upper);
}

std::string CErrorLimitsDlg::CheckInputs()
{
    return CheckErrorLimitsScreen(*this);
}

// --- Additional decision error limits ------------------------------------------

CAdditionalLimitsDlg::CAdditionalLimitsDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Additional Decision Error Limits"), EscapeKey::RunChecks,
                  CloseBox::TerminatePrompt, parent)
{
    // One block: its title line (none in the middle), the two column headers
    // and two rows of point and limit.
    const auto block = [this](const QString& heading, QLabel* title, QLabel* column,
                              const QString& limitHeader, QWidget* const(&rows)[4]) {
        auto* box = new QGroupBox(heading, this);
        auto* grid = new QGridLayout(box);
        if (title)
            grid->addWidget(title, 0, 0, 1, 2);
        grid->addWidget(column, 1, 0);
        grid->addWidget(MakeLabel(limitHeader), 1, 1);
        for (int k = 0; k < 4; ++k)
            grid->addWidget(rows[k], 2 + k / 2, k % 2);
        grid->setRowStretch(4, 1);
        return box;
    };

    m_pBelowTitle = MakeLabel(QString(), QStringLiteral("belowTitleLabel"));
    m_pColumn[0] = MakeLabel(QString(), QStringLiteral("belowColumnLabel"));
    // The left block's top row is the second entry below the gray region.
    m_pEdit[0] = Narrowed(MakeField(QStringLiteral("below2Edit"), &m_strBelow2));
    m_pEdit[1] = Narrowed(MakeField(QStringLiteral("below2LimitEdit"), &m_strBelow2Limit));
    m_pEdit[2] = Narrowed(MakeField(QStringLiteral("below1Edit"), &m_strBelow1));
    m_pEdit[3] = Narrowed(MakeField(QStringLiteral("below1LimitEdit"), &m_strBelow1Limit));
    QWidget* const below[4] = {m_pEdit[0], m_pEdit[1], m_pEdit[2], m_pEdit[3]};
    QGroupBox* belowBox = block(QStringLiteral("Below Gray Region:"), m_pBelowTitle, m_pColumn[0],
                                QStringLiteral("Decision Error Limit*"), below);

    m_pColumn[1] = MakeLabel(QString(), QStringLiteral("grayColumnLabel"));
    QWidget* const gray[4] = {MakeText(QStringLiteral("lowerBoundText"), &m_strLowerBound),
                              MakeText(QStringLiteral("limitAtLowerText"), &m_strLimitAtLower),
                              MakeText(QStringLiteral("upperBoundText"), &m_strUpperBound),
                              MakeText(QStringLiteral("limitAtUpperText"), &m_strLimitAtUpper)};
    QGroupBox* grayBox = block(QStringLiteral("Gray Region:"), nullptr, m_pColumn[1],
                               QStringLiteral("Decision Error Limit"), gray);

    m_pAboveTitle = MakeLabel(QString(), QStringLiteral("aboveTitleLabel"));
    m_pColumn[2] = MakeLabel(QString(), QStringLiteral("aboveColumnLabel"));
    m_pEdit[4] = Narrowed(MakeField(QStringLiteral("above1Edit"), &m_strAbove1));
    m_pEdit[5] = Narrowed(MakeField(QStringLiteral("above1LimitEdit"), &m_strAbove1Limit));
    m_pEdit[6] = Narrowed(MakeField(QStringLiteral("above2Edit"), &m_strAbove2));
    m_pEdit[7] = Narrowed(MakeField(QStringLiteral("above2LimitEdit"), &m_strAbove2Limit));
    QWidget* const above[4] = {m_pEdit[4], m_pEdit[5], m_pEdit[6], m_pEdit[7]};
    QGroupBox* aboveBox = block(QStringLiteral("Above Gray Region:"), m_pAboveTitle, m_pColumn[2],
                                QStringLiteral("Decision Error Limit*"), above);

    auto* blocks = new QHBoxLayout;
    blocks->addWidget(belowBox);
    blocks->addWidget(grayBox);
    blocks->addWidget(aboveBox);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(blocks);
    layout->addWidget(MakeNote(this,
                               "These should have been identified in Step 6, Specify Limits on "
                               "Decision Errors, of the DQO Process.  *Note that Decision Error "
                               "Limits should be in the following range:  0 < Error Limits <= 0.5",
                               QStringLiteral("noteLabel"), 60));
    layout->addWidget(MakeNote(this, "If no additional error limits are desired, press 'NEXT >>'.",
                               QStringLiteral("nextNoteLabel"), 60));
    layout->addLayout(ButtonRow({MakeBackButton(), MakeNextButton()}));
}

void CAdditionalLimitsDlg::OnOpening()
{
    const DQORecord& rec = EditedRecord(m_pDQO);
    const QString column = IsProportion(rec.nParameter) ? QStringLiteral("Proportion")
                                                        : QStringLiteral("Concentration");
    for (QLabel* header : m_pColumn)
        header->setText(column);
    m_pBelowTitle->setText(QString::fromLatin1(LowerSideName(rec.nBaseline)));
    m_pAboveTitle->setText(QString::fromLatin1(UpperSideName(rec.nBaseline)));
    // Each field is named by its block, its row and its column.
    const QString blocks[] = {QStringLiteral("Below Gray Region"),
                              QStringLiteral("Above Gray Region")};
    const QString rows[] = {QStringLiteral("top row"), QStringLiteral("bottom row")};
    const QString columns[] = {column, QStringLiteral("Decision Error Limit")};
    for (int k = 0; k < 8; ++k)
        m_pEdit[k]->setAccessibleName(
            QStringLiteral("%1, %2: %3").arg(blocks[k / 4], rows[(k / 2) % 2], columns[k % 2]));
}

std::string CAdditionalLimitsDlg::CheckInputs()
{
    return CheckAdditionalLimitsScreen(*this, EditedRecord(m_pDQO));
}
