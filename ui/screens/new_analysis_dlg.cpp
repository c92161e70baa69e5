#include "ui/screens/new_analysis_dlg.h"

#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

CNewAnalysisDlg::CNewAnalysisDlg(QWidget* parent)
    : CTaloDialog(QStringLiteral("TALO"), EscapeKey::CloseAtOnce, CloseBox::ActsAsEscape, parent)
{
    auto* question = new QLabel(QStringLiteral("Start a new DQO analysis?"), this);
    question->setObjectName(QStringLiteral("questionLabel"));

    QPushButton* yes = MakeButton(QStringLiteral("Yes"), QStringLiteral("yesButton"));
    yes->setDefault(true);
    connect(yes, &QPushButton::clicked, this, &CNewAnalysisDlg::accept);
    QPushButton* no = MakeButton(QStringLiteral("No"), QStringLiteral("noButton"));
    connect(no, &QPushButton::clicked, this, &CNewAnalysisDlg::reject);

    auto* layout = new QVBoxLayout(this);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addWidget(question, 0, Qt::AlignHCenter);
    layout->addLayout(ButtonRow({yes, no}));
}
