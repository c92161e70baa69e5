#include "ui/screens/design_dlgs.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QVBoxLayout>

#include "engine/dqo_record.h"
#include "engine/messages.h"

namespace {

// The design screens report their checks under the program's own name.
QString DesignTitle()
{
    return QString::fromLatin1(kTitleTalo);
}

// A fixed explanation, wrapped to a width that grows with the font; the
// blanks that pad its lines are part of the text.
QLabel* MakeExplanation(QWidget* parent, const char* text,
                        const QString& objectName = QStringLiteral("explanationLabel"))
{
    auto* label = new QLabel(QString::fromLatin1(text), parent);
    label->setObjectName(objectName);
    label->setWordWrap(true);
    label->setMinimumWidth(label->fontMetrics().averageCharWidth() * 50);
    return label;
}

// The screen's one column: the group, then the buttons.
void LayOut(QDialog* dialog, QWidget* group, QHBoxLayout* buttons)
{
    auto* layout = new QVBoxLayout(dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(group);
    layout->addLayout(buttons);
}

} // namespace

// --- Design choice -------------------------------------------------------------

CMeanDesignDlg::CMeanDesignDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Sampling Designs for Mean"), EscapeKey::CloseAtOnce,
                  CloseBox::TerminatePrompt, parent)
{
    const QButtonGroup* designs = MakeRadioGroup(
        {{QStringLiteral(" Simple Random Sampling"), QStringLiteral("simpleRadio")},
         {QStringLiteral(" Composite Sampling"), QStringLiteral("compositeRadio")},
         {QStringLiteral(" Stratified Sampling"), QStringLiteral("stratifiedRadio")}},
        &m_nDesign);
    LayOut(this, MakeRadioBox(QStringLiteral("Select Sampling Design"), designs),
           ButtonRow({MakeOkButton()}));
}

CPropDesignDlg::CPropDesignDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Sampling Designs for Proportion"), EscapeKey::CloseAtOnce,
                  CloseBox::ActsAsEscape, parent)
{
    const QButtonGroup* designs = MakeRadioGroup(
        {{QStringLiteral(" Simple Random Sampling"), QStringLiteral("simpleRadio")},
         {QStringLiteral(" Stratified Sampling"), QStringLiteral("stratifiedRadio")}},
        &m_nDesign);
    LayOut(this, MakeRadioBox(QStringLiteral("Select Sampling Design"), designs),
           ButtonRow({MakeOkButton()}));
}

// --- Composite inputs ------------------------------------------------------------

CCompositeDlg::CCompositeDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Composite Design Inputs"), EscapeKey::CloseAtOnce,
                  CloseBox::TerminatePrompt, parent)
{
    auto* box = new QGroupBox(QStringLiteral("Composite Characteristics"), this);
    auto* form = new QFormLayout(box);
    AddFieldRow(form, QStringLiteral("Measurement SD/Total SD:"),
                MakeField(QStringLiteral("sdRatioEdit"), &m_strSDRatio));
    form->addRow(MakeExplanation(
        this, "(The ratio of the measurement error standard          deviation to the total "
              "standard deviation is the       proportion of the total standard deviation        "
              "       attributable to measurement error.)"));
    AddFieldRow(form, QStringLiteral("Aliquots per Composite Sample:"),
                MakeField(QStringLiteral("aliquotsEdit"), &m_strAliquots));
    AddFieldRow(form, QStringLiteral("Cost for Compositing the Aliquots:"),
                MakeField(QStringLiteral("compositingCostEdit"), &m_strCompositingCost));
    LayOut(this, box, ButtonRow({MakeOkButton()}));
}

std::string CCompositeDlg::CheckInputs()
{
    return CheckCompositeScreen(*this);
}

QString CCompositeDlg::ValidationTitle() const
{
    return DesignTitle();
}

// --- Number of strata --------------------------------------------------------------

CStrataCountDlg::CStrataCountDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Stratum Inputs"), EscapeKey::CloseAtOnce,
                  CloseBox::TerminatePrompt, parent)
{
    auto* box = new QGroupBox(QStringLiteral("Number of Strata"), this);
    auto* form = new QFormLayout(box);
    AddFieldRow(form, QStringLiteral("Enter number of strata:   (maximum of 5)"),
                MakeField(QStringLiteral("strataEdit"), &m_strStrata));
    LayOut(this, box, ButtonRow({MakeOkButton()}));
}

std::string CStrataCountDlg::CheckInputs()
{
    return CheckStrataCountScreen(*this);
}

QString CStrataCountDlg::ValidationTitle() const
{
    return DesignTitle();
}

// --- Stratum characteristics ----------------------------------------------------------

template <typename Screen>
CStratumDlg<Screen>::CStratumDlg(const QString& title, const QString& valueCaption,
                                 const char* explanation, QWidget* parent)
    : CTaloDialog(title, EscapeKey::CloseAtOnce, CloseBox::TerminatePrompt, parent)
{
    auto* box = new QGroupBox(QStringLiteral("Stratum Characteristics"), this);
    auto* form = new QFormLayout(box);
    AddFieldRow(form, QStringLiteral("Stratum Number:"),
                MakeText(QStringLiteral("numberText"), &this->m_strNumber));
    AddFieldRow(form, valueCaption, MakeField(QStringLiteral("valueEdit"), &this->m_strValue));
    if (explanation != nullptr)
        form->addRow(MakeExplanation(this, explanation));
    // The weight with "(fixed)" beside it for the final stratum.
    m_pWeight = MakeField(QStringLiteral("weightEdit"), &this->m_strWeight);
    auto* weightCaption = new QLabel(QStringLiteral("Stratum Weight:"), this);
    weightCaption->setBuddy(m_pWeight);
    m_pWeight->setAccessibleName(QStringLiteral("Stratum Weight"));
    auto* weightRow = new QHBoxLayout;
    weightRow->addWidget(m_pWeight);
    weightRow->addWidget(MakeText(QStringLiteral("fixedText"), &this->m_strFixed));
    form->addRow(weightCaption, weightRow);
    form->addRow(MakeExplanation(this,
                                 "(The weight of a stratum is the proportion of  the volume or "
                                 "area of solid in that strata.)",
                                 QStringLiteral("weightNoteLabel")));
    LayOut(this, box, ButtonRow({MakeOkButton()}));
}

template <typename Screen> void CStratumDlg<Screen>::OnOpening()
{
    m_pWeight->setReadOnly(this->m_bWeightFixed != 0);
}

template <typename Screen> QString CStratumDlg<Screen>::ValidationTitle() const
{
    return DesignTitle();
}

template class CStratumDlg<MeanStratumScreen>;
template class CStratumDlg<PropStratumScreen>;

CMeanStratumDlg::CMeanStratumDlg(QWidget* parent)
    : CStratumDlg(QStringLiteral("TALO - Stratum Characteristics for Mean"),
                  QStringLiteral("Standard Deviation:"), nullptr, parent)
{
}

std::string CMeanStratumDlg::CheckInputs()
{
    static const DQORecord kDefaults;
    return CheckMeanStratumScreen(*this, m_pDQO ? *m_pDQO : kDefaults);
}

CPropStratumDlg::CPropStratumDlg(QWidget* parent)
    : CStratumDlg(QStringLiteral("TALO - Stratum Characteristics for Proportion"),
                  QStringLiteral("Underlying Proportion:"),
                  "(The underlying proportion is an estimate of   the true proportion.  If this "
                  "value can not      be estimated based on prior information,       use the "
                  "default value, the action level.)",
                  parent)
{
}

std::string CPropStratumDlg::CheckInputs()
{
    return CheckPropStratumScreen(*this);
}

// --- The strata list -------------------------------------------------------------------

CStrataSummaryDlg::CStrataSummaryDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO - Stratum Design Inputs"), EscapeKey::CloseAtOnce,
                  CloseBox::ActsAsEscape, parent)
{
    auto* box = new QGroupBox(QStringLiteral("Strata Design Summary"), this);
    m_pHeader = new QLabel(box);
    m_pHeader->setObjectName(QStringLiteral("headerLabel"));
    m_pList = new QListWidget(box);
    m_pList->setObjectName(QStringLiteral("strataList"));
    m_pList->setAccessibleName(box->title());
    m_pHeader->setBuddy(m_pList);
    auto* boxLayout = new QVBoxLayout(box);
    boxLayout->addWidget(m_pHeader);
    boxLayout->addWidget(m_pList);
    LayOut(this, box,
           ButtonRow({MakeEndButton(QStringLiteral("Change Number"),
                                    QStringLiteral("changeNumberButton"), &m_bChangeNumber),
                      MakeEndButton(QStringLiteral("Change Values"),
                                    QStringLiteral("changeValuesButton"), &m_bChangeValues),
                      MakeOkButton()}));
}

void CStrataSummaryDlg::OnOpening()
{
    static const DQORecord kDefaults;
    const DQORecord& rec = m_pDQO ? *m_pDQO : kDefaults;
    m_pHeader->setText(QString::fromStdString(StrataListHeader(rec)));
    m_pList->clear();
    for (const std::string& row : StrataListRows(rec))
        m_pList->addItem(QString::fromStdString(row));
}
