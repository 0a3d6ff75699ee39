// frmBrowser: the Lab Navigator.
#include "ui/frm_browser.h"

#include <QDir>

namespace zorva::ui {

frmBrowser::frmBrowser(Host& host, const QString& app_dir, QWidget* parent)
    : BrowserWindow(host, app_dir,
                    QUrl::fromLocalFile(QDir(app_dir).filePath(QString::fromLatin1(kLabIndexPage))),
                    parent) {
  setObjectName(QStringLiteral("frmBrowser"));
  setWindowTitle(caption_after_load());
}

QString frmBrowser::caption_after_load() const {
  return tr("Lab Navigator");
}

}  // namespace zorva::ui
