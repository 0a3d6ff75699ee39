// frmAbout: the about box.
#include "ui/frm_about.h"

#include <QDialogButtonBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QStandardPaths>
#include <QVBoxLayout>

#include "base/host.h"
#include "ui/app_title.h"
#include "ui/toolbar_icons.h"

namespace zorva::ui {

QString find_system_info_tool() {
  // Desktop tools that show the machine's hardware and system facts, best first.
  for (const char* name : {"hardinfo", "kinfocenter", "gnome-system-monitor", "lshw-gtk"}) {
    const QString path = QStandardPaths::findExecutable(QString::fromLatin1(name));
    if (!path.isEmpty()) return path;
  }
  return {};
}

QString version_label_text(int major, int minor, int revision) {
  return QStringLiteral("Version %1.%2.%3").arg(major).arg(minor).arg(revision);
}

frmAbout::frmAbout(Host& host, QWidget* parent, SystemInfoLocator locate)
    : QDialog(parent), host_(host), locate_(std::move(locate)) {
  setObjectName(QStringLiteral("frmAbout"));
  setWindowTitle(QStringLiteral("About %1").arg(QString::fromLatin1(kProductTitle)));

  auto* logo = new QLabel(this);
  logo->setPixmap(application_icon().pixmap(64, 64));
  lblTitle_ = new QLabel(QString::fromLatin1(kProductTitle), this);
  lblTitle_->setObjectName(QStringLiteral("lblTitle"));
  QFont big = lblTitle_->font();
  big.setPointSize(big.pointSize() + 5);
  big.setBold(true);
  lblTitle_->setFont(big);
  lblVersion_ = new QLabel(
      version_label_text(ZORVA_VERSION_MAJOR, ZORVA_VERSION_MINOR, ZORVA_VERSION_PATCH), this);
  lblVersion_->setObjectName(QStringLiteral("lblVersion"));
  auto* description = new QLabel(
      tr("A classroom simulator of a small network of routers. Each router has its own console; "
         "the routers are cabled as the topology file says, and the lab pages lead you through "
         "configuring them.\n\nZorva — router-network training."),
      this);
  description->setWordWrap(true);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  auto* sysinfo = buttons->addButton(tr("&System Info..."), QDialogButtonBox::ActionRole);
  sysinfo->setObjectName(QStringLiteral("cmdSysInfo"));
  connect(sysinfo, &QPushButton::clicked, this, &frmAbout::StartSysInfo);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);

  auto* text = new QVBoxLayout;
  text->addWidget(lblTitle_);
  text->addWidget(lblVersion_);
  text->addSpacing(8);
  text->addWidget(description);
  auto* top = new QHBoxLayout;
  top->addWidget(logo, 0, Qt::AlignTop);
  top->addLayout(text, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(top, 1);
  layout->addWidget(buttons);
  resize(440, 240);
}

void frmAbout::StartSysInfo() {
  const QString tool = locate_ ? locate_() : QString();
  if (tool.isEmpty()) {
    host_.message_box(kAppTitle, kSystemInfoUnavailable, Buttons::Ok);
    return;
  }
  host_.launch(tool.toStdString());
}

}  // namespace zorva::ui
