// QtHost: message boxes, clock text, random numbers and launching for the desktop face.
#include "ui/qt_host.h"

#include <QDateTime>
#include <QDesktopServices>
#include <QFileInfo>
#include <QLocale>
#include <QMessageBox>
#include <QProcess>
#include <QUrl>
#include <chrono>

namespace zorva::ui {

namespace {

QString to_qstring(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

QMessageBox::StandardButtons standard_buttons(Buttons buttons) {
  switch (buttons) {
    case Buttons::Ok:
      return QMessageBox::Ok;
    case Buttons::OkCancel:
      return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNoCancel:
      return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
  }
  return QMessageBox::Ok;
}

Answer answer_of(int button) {
  switch (button) {
    case QMessageBox::Ok:
      return Answer::Ok;
    case QMessageBox::Yes:
      return Answer::Yes;
    case QMessageBox::No:
      return Answer::No;
    default:
      return Answer::Cancel;
  }
}

}  // namespace

QtHost::QtHost()
    : generator_(static_cast<std::mt19937::result_type>(
          std::chrono::system_clock::now().time_since_epoch().count())) {}

Answer QtHost::message_box(std::string_view title, std::string_view text, Buttons buttons) {
  if (answer_) return answer_(title, text, buttons);
  return show_box(title, text, buttons);
}

Answer QtHost::show_box(std::string_view title, std::string_view text, Buttons buttons) {
  QMessageBox box(buttons == Buttons::Ok ? QMessageBox::Information : QMessageBox::Question,
                  to_qstring(title), to_qstring(text), standard_buttons(buttons), dialog_parent_);
  return answer_of(box.exec());
}

std::string QtHost::date_time_text() {
  return QLocale::system()
      .toString(QDateTime::currentDateTime(), QLocale::ShortFormat)
      .toStdString();
}

double QtHost::random() {
  return std::uniform_real_distribution<double>(0.0, 1.0)(generator_);
}

bool QtHost::launch(const std::string& target) {
  if (launch_) return launch_(target);
  return launch_with_shell(target);
}

void QtHost::activate_router(int n) {
  if (activate_) activate_(n);
}

bool launch_with_shell(const std::string& target) {
  const QString t = QString::fromStdString(target);
  const QFileInfo file(t);
  if (file.isFile() && file.isExecutable()) return QProcess::startDetached(file.absoluteFilePath());
  if (file.exists()) return QDesktopServices::openUrl(QUrl::fromLocalFile(file.absoluteFilePath()));
  return QDesktopServices::openUrl(QUrl::fromUserInput(t));
}

}  // namespace zorva::ui
