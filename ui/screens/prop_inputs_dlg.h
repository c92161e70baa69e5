#pragma once

#include "engine/screen_state.h"
#include "ui/screens/talo_dialog.h"

// The proportion input screens, laid out over their screen state.

class COnePropInputsDlg : public CTaloDialog, public OnePropInputsScreen {
public:
    explicit COnePropInputsDlg(QWidget* parent = nullptr);
};

class CTwoPropInputsDlg : public CTaloDialog, public TwoPropInputsScreen {
public:
    explicit CTwoPropInputsDlg(QWidget* parent = nullptr);
};

class CModifyPropDlg : public CTaloDialog, public ModifyPropScreen {
public:
    explicit CModifyPropDlg(QWidget* parent = nullptr);
};
