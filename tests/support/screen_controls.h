#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

#include <QAbstractButton>
#include <QDialog>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

#include "engine/dqo_record.h"
#include "ui/screens/cost_limit_dlgs.h"
#include "ui/screens/input_verification_dlg.h"
#include "ui/screens/mean_inputs_dlg.h"
#include "ui/screens/prop_inputs_dlg.h"
#include "ui/screens/talo_dialog.h"

// Making screens as their callers do, finding their controls by objectName
// and working them as a user would.

// A screen made (on the record, where it takes one), filled from the record
// and pointed at it.
using ScreenFactory = std::unique_ptr<CTaloDialog> (*)(DQORecord&);
template <typename Dialog, auto Fill = nullptr> std::unique_ptr<CTaloDialog> Made(DQORecord& rec)
{
    std::unique_ptr<Dialog> dialog;
    if constexpr (std::is_constructible_v<Dialog, DQORecord&>)
        dialog = std::make_unique<Dialog>(rec);
    else
        dialog = std::make_unique<Dialog>();
    if constexpr (!std::is_null_pointer_v<decltype(Fill)>)
        Fill(*dialog, rec);
    dialog->m_pDQO = &rec;
    return dialog;
}

// The screens that show a record, as the wizard and the summary screen make them.
namespace screens {
const ScreenFactory OneMean = Made<COneMeanInputsDlg, FillOneMeanScreen>;
const ScreenFactory TwoMean = Made<CTwoMeanInputsDlg, FillTwoMeanScreen>;
const ScreenFactory ModMean = Made<CModifyMeanDlg, FillModifyMeanScreen>;
const ScreenFactory OneProp = Made<COnePropInputsDlg, FillOnePropScreen>;
const ScreenFactory TwoProp = Made<CTwoPropInputsDlg, FillTwoPropScreen>;
const ScreenFactory ModProp = Made<CModifyPropDlg, FillModifyPropScreen>;
const ScreenFactory Costs = Made<CCostsDlg, FillCostsScreen>;
const ScreenFactory Limits = Made<CErrorLimitsDlg, FillErrorLimitsScreen>;
const ScreenFactory Additional = Made<CAdditionalLimitsDlg, FillAdditionalLimitsScreen>;
const ScreenFactory Verify = Made<CInputVerificationDlg, FillVerificationScreen>;
} // namespace screens

template <typename T = QWidget> T& Child(QWidget& parent, const QString& name)
{
    if (T* child = parent.findChild<T*>(name))
        return *child;
    throw std::runtime_error("no control named " + name.toStdString());
}

// Blank-separated steps, in order: "name=text" types into a field, "Esc"
// presses Esc, "close" uses the close box, "Enter:name" ("Keypad:name")
// presses Enter (on the keypad) with the focus on the control, any other name
// clicks a button.
inline void Act(QDialog& dialog, const QString& steps)
{
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = step.indexOf('=');
        if (equals >= 0) {
            Child<QLineEdit>(dialog, step.left(equals)).setText(step.mid(equals + 1));
        } else if (step == QLatin1String("Esc")) {
            QTest::keyClick(&dialog, Qt::Key_Escape);
        } else if (step == QLatin1String("close")) {
            dialog.close();
        } else if (step.contains(':')) {
            QWidget& control = Child(dialog, step.section(':', 1));
            control.setFocus();
            const bool keypad = step.startsWith(QLatin1String("Keypad:"));
            QTest::keyClick(&control, keypad ? Qt::Key_Enter : Qt::Key_Return,
                            keypad ? Qt::KeypadModifier : Qt::NoModifier);
        } else {
            Child<QAbstractButton>(dialog, step).click();
        }
    }
}

// "name=text|..." as the named controls show it now, to compare with the
// texts expected written the same way: a label's or a field's text, "" when
// hidden, "checked" or "unchecked" for a radio button.
inline std::string Shows(QWidget& parent, const std::string& expected)
{
    QStringList shown;
    for (const QString& pair : QString::fromStdString(expected).split('|', Qt::SkipEmptyParts)) {
        const QString name = pair.section('=', 0, 0);
        QWidget& child = Child(parent, name);
        auto* radio = qobject_cast<QAbstractButton*>(&child);
        if (!child.isVisibleTo(&parent))
            shown << name + '=';
        else if (radio && radio->isCheckable())
            shown << name + '=' + (radio->isChecked() ? "checked" : "unchecked");
        else
            shown << name + '=' + child.property("text").toString();
    }
    return shown.join('|').toStdString();
}
