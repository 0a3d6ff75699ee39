// What an address typed into a browser window's address box means: a local page to show, a web
// address for the desktop's own browser, or a router console to bring forward ("router:N" links
// in the lab pages).
#pragma once

#include <QString>
#include <QUrl>

namespace zorva::ui {

struct BrowserTarget {
  enum class Kind { None, Page, External, Router };
  Kind kind = Kind::None;  // where the address leads
  QUrl url;                // the page or web address
  int router = 0;          // the router number of a "router:N" address
};

// Resolves `address` as typed or clicked. Relative addresses are taken from the folder of
// `current` (the page on show) when there is one, else from `app_dir`.
BrowserTarget resolve_address(const QString& address, const QUrl& current, const QString& app_dir);

// Whether a URL is for the desktop's browser (web and mail addresses) rather than the lab pane.
bool is_external(const QUrl& url);

}  // namespace zorva::ui
