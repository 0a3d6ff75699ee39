// The small web-browser window that the Lab Navigator and the topology browser both are: an
// address box with the visited addresses, a navigation toolbar (Back, Forward, Refresh, Home,
// Search, Stop), a busy poller that keeps the caption up to date, and the page pane. F1..F12
// pressed anywhere in the window jump to a router console; web addresses open in the desktop's
// own browser.
#pragma once

#include <QHash>
#include <QTextBrowser>
#include <QTimer>
#include <QUrl>
#include <QWidget>

class QAction;
class QComboBox;
class QLabel;
class QToolBar;

namespace zorva {
class Host;
}

namespace zorva::ui {

// The page pane: a QTextBrowser that knows the user asked to stop a load, that can serve a page or
// picture the program made in place of the file at that address, and that reads pictures given
// as data: addresses.
class LabPage : public QTextBrowser {
  Q_OBJECT

 public:
  explicit LabPage(QWidget* parent = nullptr);
  bool busy() const { return busy_; }
  void set_busy(bool b) { busy_ = b; }
  // From now on `url` shows `content` (HTML text, or a QImage for a picture).
  void set_generated(const QUrl& url, const QVariant& content) { generated_.insert(url, content); }

  QVariant loadResource(int type, const QUrl& name) override;

 private:
  bool busy_ = false;                // a page is being loaded
  QHash<QUrl, QVariant> generated_;  // made pages and pictures, by address
};

class BrowserWindow : public QWidget {
  Q_OBJECT

 public:
  // `home` is the page of the Home button; `app_dir` resolves relative addresses.
  BrowserWindow(Host& host, QString app_dir, QUrl home, QWidget* parent = nullptr);

  // Shows `url` in the page pane (web addresses go to the desktop's browser instead).
  void navigate(const QUrl& url);
  // Resolves and follows an address as the address box does on Enter.
  void navigate_to_address(const QString& address);

  QUrl current_url() const;
  QString location_name() const;  // the page's title, else its file name

  LabPage* page() const { return brwWebBrowser_; }
  QComboBox* address_box() const { return cboAddress_; }
  QAction* tool(const QString& key) const { return tools_.value(key); }

  // `StartingAddress`: the page opened when the window loads.
  void set_starting_address(const QString& address) { starting_address_ = address; }
  void load();

 signals:
  void function_key(int n);  // F1..F12, or a "router:N" link

 public slots:
  void go_back();
  void go_forward();
  void refresh();
  void go_home();
  void search();
  void stop();

 protected:
  bool eventFilter(QObject* watched, QEvent* e) override;
  void keyPressEvent(QKeyEvent* e) override;
  // The caption once a page has loaded: the page's own name unless a window overrides it.
  virtual QString caption_after_load() const { return location_name(); }

 private:
  void build_toolbar();
  void address_chosen(int index);
  void link_clicked(const QUrl& url);
  void navigation_complete(const QUrl& url);
  void busy_poll();
  bool preview_function_key(QKeyEvent* k);

  Host& host_;                        // boxes, random numbers and launching
  QString app_dir_;                   // program directory, for relative addresses
  QUrl home_;                         // the Home button's page
  QString starting_address_;          // `StartingAddress`
  bool filling_address_ = false;      // the window is filling the address box itself
  LabPage* brwWebBrowser_ = nullptr;  // the page pane
  QComboBox* cboAddress_ = nullptr;   // visited addresses, editable
  QLabel* lblAddress_ = nullptr;      // "Address:"
  QToolBar* tbToolBar_ = nullptr;     // navigation buttons
  QHash<QString, QAction*> tools_;    // toolbar actions by key
  QTimer timTimer_;                   // busy poller, 5 ms, off when idle
};

}  // namespace zorva::ui
