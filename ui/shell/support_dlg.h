#pragma once

#include <QDialog>

// "TALO Support": where the user guide and the README are.
class CSupportDlg : public QDialog {
    Q_OBJECT

public:
    explicit CSupportDlg(QWidget* parent = nullptr);
};
