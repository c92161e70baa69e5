#include "ui/screens/talo_dialog.h"

#include <algorithm>

#include <QAbstractButton>
#include <QButtonGroup>
#include <QCloseEvent>
#include <QFontMetrics>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QShowEvent>
#include <QSpacerItem>
#include <QVBoxLayout>

#include "engine/messages.h"
#include "ui/frame_placement.h"
#include "ui/platform_seams.h"

namespace {

// Checks the button with the id; any other id leaves the group with no
// button checked, which an exclusive group only allows while not exclusive.
void SetCheckedId(QButtonGroup* group, int id)
{
    if (QAbstractButton* button = group->button(id)) {
        button->setChecked(true);
        return;
    }
    group->setExclusive(false);
    for (QAbstractButton* button : group->buttons())
        button->setChecked(false);
    group->setExclusive(true);
}

} // namespace

QPoint CentredTopLeft(int x, int y, int width, int height)
{
    return QPoint(std::max(0, x - width / 2), std::max(0, y - height / 2));
}

CTaloDialog::CTaloDialog(const QString& title, EscapeKey escapeKey, CloseBox closeBox,
                         QWidget* parent)
    : QDialog(parent), m_escapeKey(escapeKey), m_closeBox(closeBox)
{
    setWindowTitle(title);
}

int CTaloDialog::RunTrip(CTaloDialog& trip, const DQORecord* edited)
{
    trip.m_centre = m_centre;
    trip.m_pDQO = edited;
    return CPlatformSeams::Current().RunModal(trip);
}

void CTaloDialog::accept()
{
    CopyControlsToMembers();
    const std::string message = CheckInputs();
    if (!message.empty()) {
        ReportFailedCheck(message);
        return;
    }
    CopyControlsToMembers();
    done(kEndOk);
}

void CTaloDialog::reject()
{
    if (m_escapeKey == EscapeKey::RunChecks) {
        accept();
        return;
    }
    // Leaving without the checks carries nothing they would refuse: texts
    // that a refused press or a radio click copied into the members go back
    // to those the screen opened with.
    if (!CheckInputs().empty())
        for (const std::function<void()>& putBack : m_openingMembers)
            putBack();
    done(kEndCancel);
}

void CTaloDialog::setVisible(bool visible)
{
    if (visible && !isVisible()) {
        // Enter belongs to the screen's OK command whichever button has the
        // focus, so no button may make itself the default on focus.
        for (QPushButton* button : findChildren<QPushButton*>())
            button->setAutoDefault(false);
        CopyMembersToControls();
        OnOpening();
        m_openingMembers.clear();
        for (const Binding& binding : m_bindings)
            m_openingMembers.push_back(binding.keep());
        // After the opening steps, which may set the title.
        ReserveTitleWidth();
    }
    QDialog::setVisible(visible);
}

// The window manager draws the title beside its own buttons; a screen whose
// controls are narrower would cut the title short.
void CTaloDialog::ReserveTitleWidth()
{
    if (layout() == nullptr || m_bTitleReserved)
        return;
    // Title bars commonly use a bold face; their buttons and icon take a few
    // line heights.
    QFont titleFont = font();
    titleFont.setBold(true);
    const QFontMetrics metrics(titleFont);
    const int buttons = 8 * metrics.height();
    layout()->addItem(new QSpacerItem(metrics.horizontalAdvance(windowTitle()) + buttons, 0,
                                      QSizePolicy::Fixed, QSizePolicy::Minimum));
    m_bTitleReserved = true;
}

void CTaloDialog::CopyControlsToMembers()
{
    for (const Binding& binding : m_bindings)
        binding.toMember();
}

void CTaloDialog::CopyMembersToControls()
{
    for (const Binding& binding : m_bindings)
        binding.toControl();
}

QString CTaloDialog::ValidationTitle() const
{
    return QString::fromLatin1(kTitleInputError);
}

namespace {

// A function that, called later, gives the member the value it has now.
template <typename T> std::function<std::function<void()>()> Keeper(T* member)
{
    return [member] { return [member, value = *member] { *member = value; }; };
}

} // namespace

void CTaloDialog::BindText(QLineEdit* edit, std::string* member)
{
    m_bindings.push_back({[edit, member] { *member = edit->text().toStdString(); },
                          [edit, member] { edit->setText(QString::fromStdString(*member)); },
                          Keeper(member)});
}

void CTaloDialog::BindText(QLabel* label, std::string* member)
{
    m_bindings.push_back({[label, member] { *member = label->text().toStdString(); },
                          [label, member] { label->setText(QString::fromStdString(*member)); },
                          Keeper(member)});
}

void CTaloDialog::BindRadio(QButtonGroup* group, int* member)
{
    m_bindings.push_back({[group, member] { *member = group->checkedId(); },
                          [group, member] { SetCheckedId(group, *member); }, Keeper(member)});
}

QButtonGroup* CTaloDialog::MakeRadioGroup(std::initializer_list<RadioChoice> choices, int* member)
{
    auto* group = new QButtonGroup(this);
    int id = 0;
    for (const RadioChoice& choice : choices) {
        auto* radio = new QRadioButton(choice.caption, this);
        radio->setObjectName(choice.objectName);
        group->addButton(radio, id++);
    }
    BindRadio(group, member);
    return group;
}

QLineEdit* CTaloDialog::MakeField(const QString& objectName, std::string* member)
{
    auto* edit = new QLineEdit(this);
    edit->setObjectName(objectName);
    BindText(edit, member);
    return edit;
}

QLabel* CTaloDialog::MakeText(const QString& objectName, std::string* member)
{
    auto* label = new QLabel(this);
    label->setObjectName(objectName);
    BindText(label, member);
    return label;
}

void CTaloDialog::AddFieldRow(QFormLayout* form, const QString& caption, QWidget* field)
{
    QString name = caption;
    name.remove(QLatin1Char('&'));
    field->setAccessibleName(name.endsWith(QLatin1Char(':')) ? name.chopped(1) : name);
    AddFieldRow(form, new QLabel(caption, field->parentWidget()), field);
}

void CTaloDialog::AddFieldRow(QFormLayout* form, QLabel* caption, QWidget* field)
{
    caption->setBuddy(field);
    form->addRow(caption, field);
}

QGroupBox* CTaloDialog::MakeRadioBox(const QString& title, const QButtonGroup* group)
{
    auto* box = new QGroupBox(title, this);
    auto* layout = new QVBoxLayout(box);
    for (QAbstractButton* button : group->buttons())
        layout->addWidget(button);
    return box;
}

QGroupBox* CTaloDialog::MakeTextBox(const QString& title, std::initializer_list<ShownText> texts)
{
    auto* box = new QGroupBox(title, this);
    auto* form = new QFormLayout(box);
    for (const ShownText& text : texts)
        AddFieldRow(form, text.caption, MakeText(text.objectName, text.member));
    return box;
}

QLabel* CTaloDialog::MakeLabel(const QString& text, const QString& objectName)
{
    auto* label = new QLabel(text, this);
    label->setObjectName(objectName);
    return label;
}

QPushButton* CTaloDialog::MakeButton(const QString& caption, const QString& objectName)
{
    auto* button = new QPushButton(caption, this);
    button->setObjectName(objectName);
    return button;
}

QPushButton* CTaloDialog::MakeEndButton(const QString& caption, const QString& objectName,
                                        int* flag)
{
    QPushButton* button = MakeButton(caption, objectName);
    connect(button, &QPushButton::clicked, this, [this, flag] {
        *flag = 1;
        accept();
    });
    return button;
}

QPushButton* CTaloDialog::MakeNextButton()
{
    return MakeEndButton(QStringLiteral("NEXT >>"), QStringLiteral("nextButton"), &m_bNext);
}

QPushButton* CTaloDialog::MakeBackButton()
{
    return MakeEndButton(QStringLiteral("<< BACK"), QStringLiteral("backButton"), &m_bBack);
}

QPushButton* CTaloDialog::MakeSummaryButton()
{
    return MakeEndButton(QStringLiteral("SUMMARY"), QStringLiteral("summaryButton"), &m_bSummary);
}

QPushButton* CTaloDialog::MakeOkButton()
{
    return MakeEndButton(QStringLiteral("OK"), QStringLiteral("okButton"), &m_bOK);
}

namespace {

// The table's rows as ErrorRow orders them: how their controls are named and
// what a screen reader calls them.
struct ErrorTableRow {
    const char* name;
    const char* spoken;
};

const ErrorTableRow kErrorTableRows[kErrorRows] = {
    {"below1", "Below gray region 1"}, {"below2", "Below gray region 2"},
    {"lower", "Lower bound"},          {"upper", "Upper bound"},
    {"above1", "Above gray region 1"}, {"above2", "Above gray region 2"},
};

} // namespace

QLineEdit* CTaloDialog::Narrowed(QLineEdit* edit)
{
    edit->setMaximumWidth(edit->fontMetrics().averageCharWidth() * 12);
    return edit;
}

ErrorTable CTaloDialog::MakeErrorTable(QLabel* columnLabel, std::string (&points)[kErrorRows],
                                       std::string (&limits)[kErrorRows])
{
    ErrorTable table;
    table.grid = new QGridLayout;
    table.grid->addWidget(columnLabel, 0, 0);
    table.grid->addWidget(MakeLabel(QStringLiteral("prob(error)")), 0, 1);
    table.grid->addWidget(MakeLabel(QStringLiteral("type")), 0, 2);
    for (int r = 0; r < kErrorRows; ++r) {
        const QString name = QString::fromLatin1(kErrorTableRows[r].name);
        const QString spoken = QString::fromLatin1(kErrorTableRows[r].spoken);
        const bool bound = r == kRowLower || r == kRowUpper;
        QWidget* point = bound ? static_cast<QWidget*>(MakeText(name + "BoundText", &points[r]))
                               : Narrowed(MakeField(name + "Edit", &points[r]));
        point->setAccessibleName(spoken +
                                 (bound ? QStringLiteral(": bound") : QStringLiteral(": point")));
        QLineEdit* limit = Narrowed(MakeField(name + "LimitEdit", &limits[r]));
        limit->setAccessibleName(spoken + QStringLiteral(": prob(error)"));
        auto* type = new QLabel(this);
        type->setObjectName(name + "TypeLabel");
        table.grid->addWidget(point, r + 1, 0);
        table.grid->addWidget(limit, r + 1, 1);
        table.grid->addWidget(type, r + 1, 2);
        table.point[r] = point;
        table.limit[r] = limit;
        table.type[r] = type;
    }
    return table;
}

QHBoxLayout* CTaloDialog::ButtonRow(std::initializer_list<QPushButton*> buttons)
{
    auto* row = new QHBoxLayout;
    row->addStretch();
    for (QPushButton* button : buttons)
        row->addWidget(button);
    row->addStretch();
    return row;
}

void CTaloDialog::keyPressEvent(QKeyEvent* event)
{
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    const Qt::KeyboardModifiers modifiers = event->modifiers() & ~Qt::KeypadModifier;
    if (enter && modifiers == Qt::NoModifier) {
        // A button with the focus is pressed, as a keyboard user expects;
        // anywhere else Enter is the screen's OK command.
        if (auto* button = qobject_cast<QPushButton*>(focusWidget()))
            button->click();
        else
            accept();
        return;
    }
    QDialog::keyPressEvent(event); // Esc ends up in reject()
}

void CTaloDialog::closeEvent(QCloseEvent* event)
{
    if (m_closeBox == CloseBox::ActsAsEscape) {
        QDialog::closeEvent(event);
        return;
    }
    // The screen stays open unless the answer ends the whole process.
    event->ignore();
    AskTerminate(this);
}

void CTaloDialog::showEvent(QShowEvent* event)
{
    QDialog::showEvent(event);
    if (!event->spontaneous() && m_centre) {
        // The whole window, frame included, is centred; move() places the frame.
        const QPoint centre = *m_centre;
        PlaceByFrame(*this, [this, centre] {
            const QSize frame = frameGeometry().size();
            move(CentredTopLeft(centre.x(), centre.y(), frame.width(), frame.height()));
        });
    }
}

void CTaloDialog::ReportFailedCheck(const std::string& message)
{
    CPlatformSeams::Current().ShowMessage(this, ValidationTitle(), QString::fromStdString(message),
                                          MessageIcon::Warning, MessageButtons::Ok);
}
