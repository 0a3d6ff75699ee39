// Resolution of browser addresses.
#include "ui/browser_address.h"

#include <QDir>
#include <QFileInfo>

namespace zorva::ui {

bool is_external(const QUrl& url) {
  const QString s = url.scheme().toLower();
  return s == QLatin1String("http") || s == QLatin1String("https") ||
         s == QLatin1String("mailto") || s == QLatin1String("ftp");
}

namespace {

BrowserTarget router_target(const QUrl& url) {
  bool ok = false;
  const int n = url.path().toInt(&ok);
  if (!ok || n < 1) return {};
  return {BrowserTarget::Kind::Router, url, n};
}

QString base_folder(const QUrl& current, const QString& app_dir) {
  if (current.isLocalFile()) return QFileInfo(current.toLocalFile()).absolutePath();
  return app_dir;
}

}  // namespace

BrowserTarget resolve_address(const QString& address, const QUrl& current, const QString& app_dir) {
  const QString text = address.trimmed();
  if (text.isEmpty()) return {};
  const QUrl url(text, QUrl::TolerantMode);
  const QString scheme = url.scheme().toLower();
  if (scheme == QLatin1String("router")) return router_target(url);
  if (is_external(url)) return {BrowserTarget::Kind::External, url, 0};
  if (scheme == QLatin1String("file")) return {BrowserTarget::Kind::Page, url, 0};
  if (text.startsWith(QLatin1String("www."), Qt::CaseInsensitive)) {
    return {BrowserTarget::Kind::External, QUrl(QStringLiteral("https://") + text), 0};
  }
  QString path = QDir::fromNativeSeparators(text);
  QString fragment;
  if (const qsizetype hash = path.indexOf(QLatin1Char('#')); hash >= 0) {
    fragment = path.mid(hash + 1);
    path.truncate(hash);
  }
  if (QFileInfo(path).isRelative()) path = QDir(base_folder(current, app_dir)).filePath(path);
  QUrl page = QUrl::fromLocalFile(QDir::cleanPath(path));
  if (!fragment.isEmpty()) page.setFragment(fragment);
  return {BrowserTarget::Kind::Page, page, 0};
}

}  // namespace zorva::ui
