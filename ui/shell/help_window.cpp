#include "ui/shell/help_window.h"

#include <QDialogButtonBox>
#include <QTextBrowser>
#include <QUrl>
#include <QVBoxLayout>

#include "ui/shell/talo_app.h"

CHelpWindow::CHelpWindow(QWidget* parent) : QDialog(parent)
{
    InitTaloResources();
    setObjectName(QStringLiteral("helpWindow"));
    setWindowTitle(QStringLiteral("TALO Help"));

    auto* browser = new QTextBrowser;
    browser->setObjectName(QStringLiteral("helpBrowser"));
    browser->setSource(QUrl(QStringLiteral("qrc:/help.html")));

    auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close);
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);

    auto* layout = new QVBoxLayout(this);
    layout->addWidget(browser);
    layout->addWidget(buttons);
    resize(680, 560);
}
