// frmSplash: the start-up window.
#include "ui/frm_splash.h"

#include <QApplication>
#include <QGuiApplication>
#include <QPainter>
#include <QScreen>

#include "base/error_log.h"
#include "ui/app_title.h"
#include "ui/toolbar_icons.h"

namespace zorva::ui {

frmSplash::frmSplash(ErrorLog& log, const QString& version_text, QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), version_text_(version_text) {
  setObjectName(QStringLiteral("frmSplash"));
  setAttribute(Qt::WA_DeleteOnClose);
  log.start_afresh();
  resize(560, 260);
  if (QScreen* screen = QGuiApplication::primaryScreen()) {
    move(screen->availableGeometry().center() - rect().center());
  }
}

void frmSplash::show_now() {
  show();
  raise();
  QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void frmSplash::paintEvent(QPaintEvent*) {
  QPainter p(this);
  p.setRenderHint(QPainter::Antialiasing);
  QLinearGradient sky(0, 0, 0, height());
  sky.setColorAt(0, QColor(0x1d, 0x33, 0x57));
  sky.setColorAt(1, QColor(0x2f, 0x6f, 0xb5));
  p.fillRect(rect(), sky);
  p.drawPixmap(28, 32, application_icon().pixmap(72, 72));

  p.setPen(Qt::white);
  QFont title = font();
  title.setPointSize(18);
  title.setBold(true);
  p.setFont(title);
  p.drawText(QRect(116, 36, width() - 130, 40), Qt::AlignLeft | Qt::AlignVCenter,
             QString::fromLatin1(kProductTitle));
  QFont normal = font();
  normal.setPointSize(11);
  p.setFont(normal);
  p.drawText(QRect(116, 76, width() - 130, 24), Qt::AlignLeft | Qt::AlignVCenter,
             tr("Version %1").arg(version_text_));
  p.drawText(QRect(28, 150, width() - 56, 48), Qt::AlignLeft | Qt::TextWordWrap,
             tr("Zorva router-network training simulator.\nLoading the routers..."));
  p.setPen(QPen(QColor(255, 255, 255, 90), 1));
  p.drawRect(rect().adjusted(0, 0, -1, -1));
}

}  // namespace zorva::ui
