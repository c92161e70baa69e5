#pragma once

#include <stdexcept>
#include <string>

#include <QAbstractButton>
#include <QDialog>
#include <QLabel>
#include <QLineEdit>
#include <QStringList>
#include <QTest>

// Finding a screen's controls by objectName and working them as a user would.

template <typename T = QWidget> T& Child(QWidget& parent, const QString& name)
{
    if (T* child = parent.findChild<T*>(name))
        return *child;
    throw std::runtime_error("no control named " + name.toStdString());
}

// Blank-separated steps, in order: "name=text" types into a field, "Esc"
// presses Esc, "close" uses the close box, any other name clicks a button.
inline void Act(QDialog& dialog, const char* steps)
{
    for (const QString& step : QString::fromLatin1(steps).split(' ', Qt::SkipEmptyParts)) {
        const qsizetype equals = step.indexOf('=');
        if (equals >= 0)
            Child<QLineEdit>(dialog, step.left(equals)).setText(step.mid(equals + 1));
        else if (step == QLatin1String("Esc"))
            QTest::keyClick(&dialog, Qt::Key_Escape);
        else if (step == QLatin1String("close"))
            dialog.close();
        else
            Child<QAbstractButton>(dialog, step).click();
    }
}

// What the named labels and fields show, joined by "|"; a hidden one shows "".
inline std::string Shown(QWidget& parent, const char* names)
{
    QStringList texts;
    for (const QString& name : QString::fromLatin1(names).split(' ', Qt::SkipEmptyParts)) {
        QWidget& child = Child(parent, name);
        if (!child.isVisible())
            texts << QString();
        else if (auto* label = qobject_cast<QLabel*>(&child))
            texts << label->text();
        else
            texts << Child<QLineEdit>(parent, name).text();
    }
    return texts.join('|').toStdString();
}
