#include "ui/shell/support_dlg.h"

#include "ui/shell/about_dlg.h"

CSupportDlg::CSupportDlg(QWidget* parent) : QDialog(parent)
{
    LayOutInfoBox(*this, QStringLiteral("TALO Support"),
                  {{"guideLabel",
                    QStringLiteral("A user guide and related documents for TALO are found in:")},
                   {"siteLabel", QStringLiteral("README.md, the README file that comes with TALO")},
                   {"questionsLabel", QStringLiteral("Questions regarding this software may be "
                                                     "directed by E-mail to:")},
                   {"mailLabel", QStringLiteral("talo-support@talo.example")}});
}
