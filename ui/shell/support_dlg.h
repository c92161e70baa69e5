#pragma once

#include <QDialog>

// "TALO Support": where the user guide is and where questions go.
class CSupportDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSupportDlg(QWidget* parent = nullptr);
};
