// BrowserWindow: the shared web-browser window of the Lab Navigator and the topology browser.
#include "ui/browser_window.h"

#include <QAction>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QImage>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QStyle>
#include <QToolBar>
#include <QVBoxLayout>

#include "base/host.h"
#include "ui/browser_address.h"
#include "ui/console_keys.h"

namespace zorva::ui {

namespace {

constexpr const char* kSearchPage = "https://duckduckgo.com/";

}  // namespace

LabPage::LabPage(QWidget* parent) : QTextBrowser(parent) {
  setOpenLinks(false);  // the window decides where each link goes
  setOpenExternalLinks(false);
}

QVariant LabPage::loadResource(int type, const QUrl& name) {
  const auto made = generated_.constFind(name);
  if (made != generated_.constEnd()) return *made;
  // A lab bundle's page carries its pictures as data: addresses ("data:image/png;base64,...").
  if (name.scheme() == QLatin1String("data")) {
    const QByteArray address =
        QByteArray::fromPercentEncoding(name.path(QUrl::FullyEncoded).toLatin1());
    const qsizetype comma = address.indexOf(',');
    if (comma < 0) return {};
    const QByteArray data = address.left(comma).endsWith(";base64")
                                ? QByteArray::fromBase64(address.mid(comma + 1))
                                : address.mid(comma + 1);
    if (type == QTextDocument::ImageResource) return QImage::fromData(data);
    return data;
  }
  return QTextBrowser::loadResource(type, name);
}

BrowserWindow::BrowserWindow(Host& host, QString app_dir, QUrl home, QWidget* parent)
    : QWidget(parent), host_(host), app_dir_(std::move(app_dir)), home_(std::move(home)) {
  brwWebBrowser_ = new LabPage(this);
  brwWebBrowser_->setObjectName(QStringLiteral("brwWebBrowser"));
  cboAddress_ = new QComboBox(this);
  cboAddress_->setObjectName(QStringLiteral("cboAddress"));
  cboAddress_->setEditable(true);
  cboAddress_->setInsertPolicy(QComboBox::NoInsert);
  cboAddress_->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Fixed);
  lblAddress_ = new QLabel(tr("&Address:"), this);
  lblAddress_->setObjectName(QStringLiteral("lblAddress"));
  lblAddress_->setBuddy(cboAddress_);
  build_toolbar();

  auto* address_row = new QHBoxLayout;
  address_row->setContentsMargins(4, 0, 4, 0);
  address_row->addWidget(lblAddress_);
  address_row->addWidget(cboAddress_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(tbToolBar_);
  layout->addLayout(address_row);
  layout->addWidget(brwWebBrowser_, 1);

  timTimer_.setInterval(5);
  connect(&timTimer_, &QTimer::timeout, this, &BrowserWindow::busy_poll);
  connect(cboAddress_, &QComboBox::activated, this, &BrowserWindow::address_chosen);
  connect(brwWebBrowser_, &QTextBrowser::anchorClicked, this, &BrowserWindow::link_clicked);
  connect(brwWebBrowser_, &QTextBrowser::sourceChanged, this, &BrowserWindow::navigation_complete);
  connect(brwWebBrowser_, &QTextBrowser::backwardAvailable, tools_.value("Back"),
          &QAction::setEnabled);
  connect(brwWebBrowser_, &QTextBrowser::forwardAvailable, tools_.value("Forward"),
          &QAction::setEnabled);

  // The window previews every key of its controls, for the function keys.
  for (QWidget* w : findChildren<QWidget*>()) w->installEventFilter(this);
}

void BrowserWindow::build_toolbar() {
  tbToolBar_ = new QToolBar(this);
  tbToolBar_->setObjectName(QStringLiteral("tbToolBar"));
  tbToolBar_->setIconSize(QSize(18, 18));
  tbToolBar_->setToolButtonStyle(Qt::ToolButtonTextBesideIcon);
  const struct {
    const char* key;
    QString text;
    QStyle::StandardPixmap icon;
    void (BrowserWindow::*slot)();
  } buttons[] = {
      {"Back", tr("Back"), QStyle::SP_ArrowBack, &BrowserWindow::go_back},
      {"Forward", tr("Forward"), QStyle::SP_ArrowForward, &BrowserWindow::go_forward},
      {"Refresh", tr("Refresh"), QStyle::SP_BrowserReload, &BrowserWindow::refresh},
      {"Home", tr("Home"), QStyle::SP_DirHomeIcon, &BrowserWindow::go_home},
      {"Search", tr("Search"), QStyle::SP_FileDialogContentsView, &BrowserWindow::search},
      {"Stop", tr("Stop"), QStyle::SP_BrowserStop, &BrowserWindow::stop},
  };
  for (const auto& b : buttons) {
    QAction* a = tbToolBar_->addAction(style()->standardIcon(b.icon), b.text, this, b.slot);
    a->setObjectName(QString::fromLatin1(b.key));
    tools_.insert(QString::fromLatin1(b.key), a);
  }
  tools_.value("Back")->setEnabled(false);
  tools_.value("Forward")->setEnabled(false);
}

void BrowserWindow::load() {
  if (starting_address_.isEmpty()) return;
  filling_address_ = true;
  cboAddress_->setEditText(starting_address_);
  if (cboAddress_->findText(starting_address_) < 0) cboAddress_->insertItem(0, starting_address_);
  filling_address_ = false;
  navigate_to_address(starting_address_);
}

void BrowserWindow::navigate(const QUrl& url) {
  if (is_external(url)) {
    host_.launch(url.toString().toStdString());
    return;
  }
  brwWebBrowser_->set_busy(true);
  timTimer_.start();
  setWindowTitle(tr("Working..."));
  if (url == brwWebBrowser_->source()) {
    brwWebBrowser_->reload();
    navigation_complete(url);
  } else {
    brwWebBrowser_->setSource(url);
  }
  brwWebBrowser_->set_busy(false);
  setWindowTitle(caption_after_load());
}

void BrowserWindow::navigate_to_address(const QString& address) {
  const BrowserTarget t = resolve_address(address, current_url(), app_dir_);
  switch (t.kind) {
    case BrowserTarget::Kind::Page:
    case BrowserTarget::Kind::External:
      navigate(t.url);
      break;
    case BrowserTarget::Kind::Router:
      emit function_key(t.router);
      break;
    case BrowserTarget::Kind::None:
      break;
  }
}

QUrl BrowserWindow::current_url() const {
  return brwWebBrowser_->source();
}

QString BrowserWindow::location_name() const {
  const QString title = brwWebBrowser_->documentTitle();
  if (!title.isEmpty()) return title;
  const QUrl url = current_url();
  if (url.isLocalFile()) return QFileInfo(url.toLocalFile()).fileName();
  return url.toString();
}

void BrowserWindow::address_chosen(int index) {
  if (filling_address_ || index < 0) return;
  timTimer_.start();
  navigate_to_address(cboAddress_->itemText(index));
}

void BrowserWindow::link_clicked(const QUrl& url) {
  const QUrl target = url.isRelative() ? current_url().resolved(url) : url;
  if (target.scheme() == QLatin1String("router")) {
    navigate_to_address(target.toString());
  } else {
    navigate(target);
  }
}

void BrowserWindow::navigation_complete(const QUrl& url) {
  filling_address_ = true;
  const QString address =
      url.isLocalFile() ? QDir::toNativeSeparators(url.toLocalFile()) : url.toString();
  int i = cboAddress_->findText(address);
  if (i < 0) {
    cboAddress_->addItem(address);
    i = cboAddress_->count() - 1;
  }
  cboAddress_->setCurrentIndex(i);
  filling_address_ = false;
}

void BrowserWindow::busy_poll() {
  if (!brwWebBrowser_->busy()) {
    timTimer_.stop();
    setWindowTitle(caption_after_load());
  } else {
    setWindowTitle(tr("Working..."));
  }
}

void BrowserWindow::go_back() {
  brwWebBrowser_->backward();
}
void BrowserWindow::go_forward() {
  brwWebBrowser_->forward();
}
void BrowserWindow::refresh() {
  navigate(current_url());
}
void BrowserWindow::go_home() {
  navigate(home_);
}
void BrowserWindow::search() {
  host_.launch(kSearchPage);
}

void BrowserWindow::stop() {
  timTimer_.stop();
  brwWebBrowser_->set_busy(false);
  setWindowTitle(location_name());
}

bool BrowserWindow::preview_function_key(QKeyEvent* k) {
  const int n = function_key_number(k->key(), k->modifiers());
  if (n == 0) return false;
  emit function_key(n);
  return true;
}

bool BrowserWindow::eventFilter(QObject* watched, QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (function_key_number(k->key(), k->modifiers()) > 0) {
      e->accept();
      return true;
    }
  } else if (e->type() == QEvent::KeyPress) {
    auto* k = static_cast<QKeyEvent*>(e);
    if (preview_function_key(k)) return true;
    const bool enter = k->key() == Qt::Key_Return || k->key() == Qt::Key_Enter;
    if (enter && watched == cboAddress_->lineEdit()) {
      timTimer_.start();
      navigate_to_address(cboAddress_->currentText());
      return true;
    }
  }
  return QWidget::eventFilter(watched, e);
}

void BrowserWindow::keyPressEvent(QKeyEvent* e) {
  if (!preview_function_key(e)) QWidget::keyPressEvent(e);
}

}  // namespace zorva::ui
