#pragma once

#include <memory>
#include <stdexcept>
#include <string>
#include <type_traits>

#include <QAbstractButton>
#include <QLineEdit>
#include <QListWidget>
#include <QStringList>
#include <QTest>

#include <gtest/gtest.h>

#include "tests/support/scripted_seams.h"
#include "ui/screens/cost_limit_dlgs.h"
#include "ui/screens/input_verification_dlg.h"
#include "ui/screens/mean_inputs_dlg.h"
#include "ui/screens/prop_inputs_dlg.h"

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
// presses Enter (on the keypad) with the focus on the control, "?name"
// expects the control shown, any other name clicks a button.
inline void Act(QDialog& dialog, const QString& steps)
{
    for (const QString& step : steps.split(' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = step.indexOf('=');
        if (step.startsWith('?')) {
            EXPECT_TRUE(Child(dialog, step.mid(1)).isVisibleTo(&dialog)) << step.toStdString();
        } else if (equals >= 0) {
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
// hidden, "checked" or "unchecked" for a radio button, a list's rows with "/"
// between them.
inline std::string Shows(QWidget& parent, const std::string& expected)
{
    QStringList shown;
    for (const QString& pair : QString::fromStdString(expected).split('|', Qt::SkipEmptyParts)) {
        const QString name = pair.section('=', 0, 0);
        QWidget& child = Child(parent, name);
        QStringList rows;
        auto* list = qobject_cast<QListWidget*>(&child);
        for (int i = 0; list && i < list->count(); ++i)
            rows << list->item(i)->text();
        const QVariant checked =
            child.property("checkable").toBool() ? child.property("checked") : QVariant();
        shown << name + '=' +
                     (!child.isVisibleTo(&parent) ? QString()
                      : checked.isValid()         ? checked.toBool() ? "checked" : "unchecked"
                      : list                      ? rows.join('/')
                                                  : child.property("text").toString());
    }
    return shown.join('|').toStdString();
}

// Runs the screen with the steps done on it (then, after each "|", on the next
// screen of a side trip it opens) and returns its end code (0: left open).
// What it shows is compared while it is open or, once closed, when it opens
// again (what it handed back); the one box shown, if any, holds the message.
inline int RunSteps(CScriptedSeams& seams, QDialog& dialog, const char* steps,
                    const std::string& shown, const char* message = "")
{
    const QStringList screens = QString::fromLatin1(steps).split('|');
    const auto shows = [shown](QDialog& d) { EXPECT_EQ(Shows(d, shown), shown); };
    seams.scripts.push_back([=](QDialog& d) {
        Act(d, screens.front());
        if (d.isVisible())
            shows(d);
    });
    for (const QString& next : screens.mid(1))
        seams.scripts.push_back([next](QDialog& d) { Act(d, next); });
    const int end = seams.RunModal(dialog);
    EXPECT_TRUE(seams.scripts.empty());
    EXPECT_EQ(seams.shown.size(), *message ? 1u : 0u) << seams.ShownTexts();
    EXPECT_NE(seams.ShownTexts().find(message), std::string::npos) << seams.ShownTexts();
    if (end != 0) {
        seams.scripts.push_back(shows);
        seams.RunModal(dialog);
    }
    return end;
}
