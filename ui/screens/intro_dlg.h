#pragma once

#include "ui/screens/talo_dialog.h"

// The introduction shown once at start-up: what the program does and what
// it assumes. OK, Enter, Esc and the close box all just close it.
class CIntroDlg : public CTaloDialog {
public:
    explicit CIntroDlg(QWidget* parent = nullptr);
};
