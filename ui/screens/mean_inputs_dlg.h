#pragma once

#include "engine/screen_state.h"
#include "ui/screens/talo_dialog.h"

// The mean input screens. Each is its screen state (the members the caller
// fills and reads back through the engine's Fill/Store functions) laid out
// as controls; its checks and radio handlers are the engine's.

class COneMeanInputsDlg : public CTaloDialog, public OneMeanInputsScreen {
public:
    explicit COneMeanInputsDlg(QWidget* parent = nullptr);
};

class CTwoMeanInputsDlg : public CTaloDialog, public TwoMeanInputsScreen {
public:
    explicit CTwoMeanInputsDlg(QWidget* parent = nullptr);
};

class CModifyMeanDlg : public CTaloDialog, public ModifyMeanScreen {
public:
    explicit CModifyMeanDlg(QWidget* parent = nullptr);
};
