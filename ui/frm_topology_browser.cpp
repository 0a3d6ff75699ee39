// frmTopologyBrowser: the topology picture.
#include "ui/frm_topology_browser.h"

#include <QDir>

namespace zorva::ui {

frmTopologyBrowser::frmTopologyBrowser(Host& host, const QString& app_dir, QWidget* parent)
    : BrowserWindow(host, app_dir,
                    QUrl::fromLocalFile(QDir(app_dir).filePath(QString::fromLatin1(kTopologyPage))),
                    parent) {
  setObjectName(QStringLiteral("frmTopologyBrowser"));
  setWindowTitle(tr("Topology"));
}

}  // namespace zorva::ui
