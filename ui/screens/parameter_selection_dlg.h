#pragma once

#include "ui/screens/talo_dialog.h"

// The parameter code (nParameter) for the two radio indices of the
// parameter selection screen; any non-zero index counts as the second button.
int ParameterCodeFromSelection(int parameter, int populations);

// The first screen of every planning run: mean or proportion, one or two
// populations. NEXT >> is its only ending button; it has no checks.
class CParameterSelectionDlg : public CTaloDialog {
public:
    explicit CParameterSelectionDlg(QWidget* parent = nullptr);

    int m_nParameter = -1;  // 0 mean, 1 proportion, -1 none checked
    int m_nPopulations = 0; // 0 one, 1 two, -1 none checked
};
