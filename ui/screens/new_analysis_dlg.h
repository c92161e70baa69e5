#pragma once

#include "ui/screens/talo_dialog.h"

// "Start a new DQO analysis?": Yes and Enter end it with kEndOk; No, Esc
// and the close box with kEndCancel.
class CNewAnalysisDlg : public CTaloDialog {
public:
    explicit CNewAnalysisDlg(QWidget* parent = nullptr);
};
