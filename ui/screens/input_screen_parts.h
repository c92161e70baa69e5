#pragma once

#include <initializer_list>

#include <QString>

class QDialog;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLayout;
class QLineEdit;
class QWidget;

// Parts that the parameter input screens of the wizard share.

// The other bound of the gray region: why it lies on its side of the action
// level, its label ("Upper Bound:" or "Lower Bound:") and its field.
struct OtherBoundParts {
    QLabel* explanation = nullptr;
    QLabel* label = nullptr;
    QLineEdit* field = nullptr;
};

// The explanation as it stands before a baseline is known: that of Ho <=,
// after the given blanks.
QLabel* MakeExplanation(QWidget* parent, const QString& leadingBlanks = QString());

// The group "Other Bound of the Gray Region" around the parts.
QGroupBox* MakeOtherBoundBox(QWidget* parent, const OtherBoundParts& parts);

// The field named after its label, without the colon.
void NameAfterLabel(QLineEdit* field, const QLabel* label);

// The explanation and the label for the baseline (0 Ho >=, 1 Ho <=); with no
// baseline chosen they keep what they show. The field is named after its label.
void ShowBaseline(const OtherBoundParts& parts, int baseline);

// Under each radio button of the box, in order, the static with its
// alternative hypothesis, lined up with the button's caption.
void AddAlternatives(QGroupBox* box, std::initializer_list<QString> alternatives);

// "NOTE:" and the steps of the planning process the values come from.
QHBoxLayout* MakeStepsNote(QWidget* parent);

// A wizard parameter screen: the values beside the baseline, each group under
// them across the whole width, then the note and the buttons. The screen is
// no wider than its two top parts, so the long explanation wraps within it.
void LayOutParameterScreen(QDialog* dialog, QLayout* values, QGroupBox* baselineBox,
                           std::initializer_list<QGroupBox*> groups, QHBoxLayout* buttons);
