#pragma once

#include <functional>
#include <initializer_list>
#include <optional>
#include <string>
#include <vector>

#include <QDialog>
#include <QPoint>
#include <QString>

#include "engine/dqo_record.h"

class QButtonGroup;
class QFormLayout;
class QGridLayout;
class QGroupBox;
class QHBoxLayout;
class QLabel;
class QLineEdit;
class QPushButton;

// End codes of a modal run.
enum EndCode { kEndOk = 1, kEndCancel = 2 };

// What the Esc key does on a screen.
enum class EscapeKey {
    CloseAtOnce, // ends with kEndCancel, no checks, controls not copied
    RunChecks,   // exactly what Enter does
};

// What the window's close box does on a screen.
enum class CloseBox {
    TerminatePrompt, // asks "Terminate DQO analysis?"; the screen stays open on Cancel
    ActsAsEscape,    // the same as the Esc key
};

// One radio button of a group: its caption and its objectName.
struct RadioChoice {
    QString caption;
    QString objectName;
};

// A captioned static text bound to its member.
struct ShownText {
    QString caption;
    QString objectName;
    std::string* member;
};

// The decision error table: under a header (the column's word, "prob(error)",
// "type"), one row per ErrorRow with its point (shown only on the gray
// region's bounds), its limit and its type. Each point and limit is named
// for a screen reader by its row.
struct ErrorTable {
    QGridLayout* grid = nullptr;
    QWidget* point[kErrorRows] = {};
    QLineEdit* limit[kErrorRows] = {};
    QLabel* type[kErrorRows] = {};
};

// Top-left corner of a window of the given size centred on (x, y), never
// off the top or the left edge of the desktop.
QPoint CentredTopLeft(int x, int y, int width, int height);

// The behaviour every modal screen shares: end flags set by the ending
// buttons, the OK processing (copy, check, report, close), Enter, Esc, the
// close box, placement on the document's centre point, and the exchange of
// values between controls and text or radio members.
class CTaloDialog : public QDialog {
public:
    CTaloDialog(const QString& title, EscapeKey escapeKey, CloseBox closeBox,
                QWidget* parent = nullptr);

    // End flags: 0 when the screen opens, 1 once their button was pressed.
    int m_bBack = 0;
    int m_bNext = 0;
    int m_bSummary = 0;
    int m_bOK = 0;
    // The edited record, for checks and labels that need values not on the
    // screen; never written through.
    const DQORecord* m_pDQO = nullptr;

    // The point the screen centres itself on when it opens.
    void SetCentre(int x, int y) { m_centre = QPoint(x, y); }

    // Runs another screen modally over this one, on the same centre point,
    // with the record it may read. Returns the end code.
    int RunTrip(CTaloDialog& trip, const DQORecord* edited = nullptr);

    // The OK command (Enter): copy, check, and close with kEndOk when the
    // checks pass; otherwise report the first failure and stay open.
    void accept() override;
    // The Esc key.
    void reject() override;
    void setVisible(bool visible) override;

protected:
    // Copies every control into its member; by default the bound ones.
    virtual void CopyControlsToMembers();
    // Loads every control from its member; by default the bound ones.
    virtual void CopyMembersToControls();
    // The screen's own steps when it opens, after its controls are loaded.
    virtual void OnOpening() {}
    // The message of the first failing check on the members, or "".
    virtual std::string CheckInputs() { return std::string(); }
    // Title of the box that reports a failed check.
    virtual QString ValidationTitle() const;

    // Data exchange between a control and the member that mirrors it. A
    // radio member holds the id of the checked button, -1 when none is.
    void BindText(QLineEdit* edit, std::string* member);
    void BindText(QLabel* label, std::string* member);
    void BindRadio(QButtonGroup* group, int* member);
    // Radio buttons with the ids 0, 1, ... in the order given, bound to the
    // member; the caller lays them out.
    QButtonGroup* MakeRadioGroup(std::initializer_list<RadioChoice> choices, int* member);

    // Layout helpers, so that every screen is laid out the same way and
    // grows with its fonts instead of cutting its texts off.
    // An edit field bound to the member.
    QLineEdit* MakeField(const QString& objectName, std::string* member);
    // A static text that the screen changes, bound to the member.
    QLabel* MakeText(const QString& objectName, std::string* member);
    // A row of a form: the caption and the field it names. The caption is
    // the field's accessible name and, through its buddy, reaches it by key.
    static void AddFieldRow(QFormLayout* form, const QString& caption, QWidget* field);
    // A row whose caption the screen changes: the caption is the field's
    // buddy, and the screen names the field after it when it opens.
    static void AddFieldRow(QFormLayout* form, QLabel* caption, QWidget* field);
    // The buttons of a radio group in a titled box, one under the other.
    QGroupBox* MakeRadioBox(const QString& title, const QButtonGroup* group);
    // A field for one number: wide enough for ten digits in the screen's
    // font rather than for a line of text.
    static QLineEdit* Narrowed(QLineEdit* edit);
    // The decision error table, its points and limits bound to the members.
    ErrorTable MakeErrorTable(QLabel* columnLabel, std::string (&points)[kErrorRows],
                              std::string (&limits)[kErrorRows]);
    // Captioned static texts in a titled box, one under the other.
    QGroupBox* MakeTextBox(const QString& title, std::initializer_list<ShownText> texts);

    // A fixed static text, named.
    QLabel* MakeLabel(const QString& text, const QString& objectName = QString());
    // A named push button (no button of a screen takes the Enter key over).
    QPushButton* MakeButton(const QString& caption, const QString& objectName);
    // A button that sets its flag and then runs the OK processing.
    QPushButton* MakeEndButton(const QString& caption, const QString& objectName, int* flag);
    QPushButton* MakeNextButton();
    QPushButton* MakeBackButton();
    QPushButton* MakeSummaryButton();
    QPushButton* MakeOkButton();
    // The buttons side by side, centred.
    static QHBoxLayout* ButtonRow(std::initializer_list<QPushButton*> buttons);

    void keyPressEvent(QKeyEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void showEvent(QShowEvent* event) override;

private:
    struct Binding {
        std::function<void()> toMember;
        std::function<void()> toControl;
        // Returns what puts the member back as it is now.
        std::function<std::function<void()>()> keep;
    };

    void ReportFailedCheck(const std::string& message);
    void ReserveTitleWidth();

    const EscapeKey m_escapeKey;
    const CloseBox m_closeBox;
    std::optional<QPoint> m_centre;
    std::vector<Binding> m_bindings;
    std::vector<std::function<void()>> m_openingMembers;
    bool m_bTitleReserved = false;
};
