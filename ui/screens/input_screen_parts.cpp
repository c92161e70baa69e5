#include "ui/screens/input_screen_parts.h"

#include <QDialog>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QVBoxLayout>

#include "engine/screen_state.h"

namespace {

const char* const kOtherBoundTitle = "Other Bound of the Gray Region";

// What a reader names the field: its label without the colon, or the group
// while the label is empty.
QString FieldName(const QLabel* label)
{
    QString name = label->text().trimmed();
    if (name.endsWith(QLatin1Char(':')))
        name.chop(1);
    return name.isEmpty() ? QString::fromLatin1(kOtherBoundTitle) : name;
}

} // namespace

void NameAfterLabel(QLineEdit* field, const QLabel* label)
{
    field->setAccessibleName(FieldName(label));
}

QLabel* MakeExplanation(QWidget* parent, const QString& leadingBlanks)
{
    auto* explanation = new QLabel(
        leadingBlanks + QString::fromLatin1(GrayRegionExplanation(kBaselineAtMost)), parent);
    explanation->setObjectName(QStringLiteral("explanationLabel"));
    return explanation;
}

QGroupBox* MakeOtherBoundBox(QWidget* parent, const OtherBoundParts& parts)
{
    auto* box = new QGroupBox(QString::fromLatin1(kOtherBoundTitle), parent);
    parts.explanation->setWordWrap(true);
    parts.label->setBuddy(parts.field);
    NameAfterLabel(parts.field, parts.label);
    auto* row = new QFormLayout;
    row->addRow(parts.label, parts.field);
    auto* layout = new QVBoxLayout(box);
    layout->addWidget(parts.explanation);
    layout->addLayout(row);
    return box;
}

void ShowBaseline(const OtherBoundParts& parts, int baseline)
{
    if (baseline == kBaselineAtLeast || baseline == kBaselineAtMost) {
        parts.explanation->setText(QString::fromLatin1(GrayRegionExplanation(baseline)));
        parts.label->setText(QString::fromLatin1(OtherBoundLabel(baseline)));
    }
    NameAfterLabel(parts.field, parts.label);
}

void AddAlternatives(QGroupBox* box, std::initializer_list<QString> alternatives)
{
    auto* layout = qobject_cast<QVBoxLayout*>(box->layout());
    if (!layout)
        return;
    // The text starts where a radio button's caption starts.
    const QStyle* style = box->style();
    const int indent = style->pixelMetric(QStyle::PM_ExclusiveIndicatorWidth) +
                       style->pixelMetric(QStyle::PM_RadioButtonLabelSpacing);
    int index = 1;
    for (const QString& text : alternatives) {
        auto* alternative = new QLabel(text, box);
        alternative->setObjectName(QStringLiteral("alternativeLabel%1").arg(index / 2));
        auto* row = new QHBoxLayout;
        row->addSpacing(indent);
        row->addWidget(alternative);
        layout->insertLayout(index, row);
        index += 2;
    }
}

QHBoxLayout* MakeStepsNote(QWidget* parent)
{
    auto* note = new QLabel(QStringLiteral("These values should have been identified in Steps 5 "
                                           "and 6 of the DQO Process."),
                            parent);
    note->setObjectName(QStringLiteral("noteLabel"));
    note->setWordWrap(true);
    auto* row = new QHBoxLayout;
    row->addWidget(new QLabel(QStringLiteral("NOTE:"), parent), 0, Qt::AlignTop);
    row->addWidget(note, 1);
    return row;
}

void LayOutParameterScreen(QDialog* dialog, QLayout* values, QGroupBox* baselineBox,
                           std::initializer_list<QGroupBox*> groups, QHBoxLayout* buttons)
{
    auto* top = new QHBoxLayout;
    top->addLayout(values);
    top->setAlignment(values, Qt::AlignTop);
    top->addWidget(baselineBox);
    auto* layout = new QVBoxLayout(dialog);
    layout->setSizeConstraint(QLayout::SetFixedSize);
    layout->addLayout(top);
    for (QGroupBox* group : groups)
        layout->addWidget(group);
    layout->addLayout(MakeStepsNote(dialog));
    layout->addLayout(buttons);
}
