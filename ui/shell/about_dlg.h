#pragma once

#include <initializer_list>

#include <QDialog>

// One line of text of an information box and the object name it carries.
struct InfoLine {
    const char* name;
    QString text;
};

// The layout of the About and Support boxes: the application icon, the
// lines of text beside it and an OK button below.
void LayOutInfoBox(QDialog& box, const QString& title, std::initializer_list<InfoLine> lines);

// "About TALO": the icon, the version and who made the program.
class CAboutDlg : public QDialog {
    Q_OBJECT

public:
    explicit CAboutDlg(QWidget* parent = nullptr);
};
