#pragma once

#include <QDialog>

// The help text of the program in a window of its own, beside the graph.
class CHelpWindow : public QDialog {
    Q_OBJECT

public:
    explicit CHelpWindow(QWidget* parent = nullptr);
};
