#include "ui/shell/support_dlg.h"

#include "ui/shell/about_dlg.h"

CSupportDlg::CSupportDlg(QWidget* parent) : QDialog(parent)
{
    // The guide comes with the program; there is no site and no mailbox behind it.
    LayOutInfoBox(
        *this, QStringLiteral("TALO Support"),
        {{"guideLabel",
          QStringLiteral("A user guide and related documents for TALO are found in:")},
         {"placeLabel", QStringLiteral("Help \u203a Contents, and the folder %1")
                            .arg(QStringLiteral(TALO_DOC_DIR))},
         {"questionsLabel", QStringLiteral("Questions regarding this software are answered in:")},
         {"readmeLabel", QStringLiteral("README.md, the README file that comes with TALO")}});
}
