#pragma once

#include "engine/screen_state.h"
#include "ui/screens/talo_dialog.h"

// The cost and decision error limit screens, laid out over their screen state.

class CCostsDlg : public CTaloDialog, public CostsScreen {
public:
    explicit CCostsDlg(QWidget* parent = nullptr);
};

class CErrorLimitsDlg : public CTaloDialog, public ErrorLimitsScreen {
public:
    explicit CErrorLimitsDlg(QWidget* parent = nullptr);
};

class CAdditionalLimitsDlg : public CTaloDialog, public AdditionalLimitsScreen {
public:
    explicit CAdditionalLimitsDlg(QWidget* parent = nullptr);
};
