#include "ui/shell/about_dlg.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QIcon>
#include <QLabel>
#include <QPushButton>
#include <QVBoxLayout>

#include "ui/shell/talo_app.h"

namespace {

constexpr int kIconSize = 48;

} // namespace

void LayOutInfoBox(QDialog& box, const QString& title, std::initializer_list<InfoLine> lines)
{
    box.setWindowTitle(title);

    auto* icon = new QLabel;
    icon->setObjectName(QStringLiteral("iconLabel"));
    icon->setPixmap(TaloIcon().pixmap(kIconSize, kIconSize));
    icon->setAlignment(Qt::AlignTop);

    auto* texts = new QVBoxLayout;
    for (const InfoLine& line : lines) {
        auto* label = new QLabel(line.text);
        label->setObjectName(QString::fromLatin1(line.name));
        label->setTextInteractionFlags(Qt::TextSelectableByMouse);
        texts->addWidget(label);
    }

    auto* body = new QHBoxLayout;
    body->addWidget(icon);
    body->addSpacing(kIconSize / 3);
    body->addLayout(texts, 1);

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok);
    buttons->button(QDialogButtonBox::Ok)->setObjectName(QStringLiteral("okButton"));
    QObject::connect(buttons, &QDialogButtonBox::accepted, &box, &QDialog::accept);

    auto* layout = new QVBoxLayout(&box);
    layout->addLayout(body);
    layout->addWidget(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);
}

CAboutDlg::CAboutDlg(QWidget* parent) : QDialog(parent)
{
    LayOutInfoBox(
        *this, QStringLiteral("About TALO"),
        {{"versionLabel", QStringLiteral("TALO for Windows Version 1.0   September 2001")},
         {"makerLabel", QStringLiteral("Written by the TALO developers; see the README "
                                       "file that comes with TALO for help.")}});
}
