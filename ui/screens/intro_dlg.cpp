#include "ui/screens/intro_dlg.h"

#include <QFont>
#include <QGuiApplication>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QStyle>
#include <QVBoxLayout>

namespace {

const char* const kHeading = "DQO Sample Size and Cost Planner";

const char* const kParagraphs[] = {
    "TALO is a systematic planning tool to evaluate the feasibility of a project's Data Quality "
    "Objectives based on cost and sample size. It computes sample sizes for several basic data "
    "collection designs from the outputs of the DQO process, so that the user can make an "
    "initial judgement about the feasibility of the decision error limits before a "
    "statistician, or analyst familiar with statistical design, begins to optimize the actual "
    "data collection design.",
    "TALO assumes that the decision has been framed as a hypothesis test that will use the data "
    "to draw conclusions with a level of statistical confidence chosen when the DQOs were "
    "specified. It handles both one- and two-population hypothesis tests. For the "
    "one-population cases it assumes that the action level is a fixed and known quantity and "
    "that there is one infinite (or extremely large) population; for the two-population cases "
    "it assumes that both populations are large and that the variability of each is "
    "approximately equal.",
    "The software does not take into account many technical considerations that arise in the "
    "design of environmental sampling plans and therefore should not be used to develop the "
    "optimal data collection design; the sample sizes computed by TALO are for comparison "
    "purposes only, not the actual number of samples to be collected.",
};

// Each paragraph's first line is indented by five blanks.
const char* const kIndent = "     ";

QLabel* MakeParagraph(QWidget* parent, const char* text, int number)
{
    auto* label = new QLabel(QString::fromLatin1(kIndent) + QString::fromLatin1(text), parent);
    label->setObjectName(QStringLiteral("paragraph%1Label").arg(number));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(true);
    label->setFixedWidth(label->fontMetrics().averageCharWidth() * 80);
    return label;
}

QLabel* MakeIcon(QWidget* parent)
{
    QIcon icon = QGuiApplication::windowIcon();
    if (icon.isNull())
        icon = parent->style()->standardIcon(QStyle::SP_MessageBoxInformation);
    auto* label = new QLabel(parent);
    label->setObjectName(QStringLiteral("iconLabel"));
    label->setPixmap(icon.pixmap(32, 32));
    return label;
}

QLabel* MakeHeading(QWidget* parent)
{
    auto* label = new QLabel(QString::fromLatin1(kHeading), parent);
    label->setObjectName(QStringLiteral("headingLabel"));
    QFont font = label->font();
    font.setBold(true);
    font.setPointSizeF(font.pointSizeF() * 1.25);
    label->setFont(font);
    return label;
}

} // namespace

CIntroDlg::CIntroDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO"), EscapeKey::RunChecks, CloseBox::ActsAsEscape, parent)
{
    auto* headingRow = new QHBoxLayout;
    headingRow->addWidget(MakeIcon(this));
    headingRow->addWidget(MakeHeading(this), 1);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(headingRow);
    int number = 1;
    for (const char* paragraph : kParagraphs)
        layout->addWidget(MakeParagraph(this, paragraph, number++));

    QPushButton* ok = MakeButton(QStringLiteral("OK"), QStringLiteral("okButton"));
    ok->setDefault(true);
    connect(ok, &QPushButton::clicked, this, &CIntroDlg::accept);
    layout->addLayout(ButtonRow({ok}));
}
