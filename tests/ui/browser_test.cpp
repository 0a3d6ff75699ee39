// The lab browser windows: what an address means, the address list, the function keys and where
// web links go. Their captions are checked where the main window lists and opens them.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "ui/browser_address.h"
#include "ui/frm_browser.h"
#include "ui/qt_host.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

class BrowserTest : public QObject {
  Q_OBJECT

 private:
  QtHost host_;
  std::vector<std::string> launched_;
  std::unique_ptr<frmBrowser> browser_;

  QString lab(const char* page) const { return bin_dir() + "labs/" + page; }
  void go(const char* page) { browser_->navigate_to_address(lab(page)); }
  bool on(const char* page) const {
    return browser_->page()->source().toLocalFile().endsWith(QLatin1String(page));
  }
  void click_link(const char* url) { emit browser_->page()->anchorClicked(QUrl(url)); }

 private slots:
  void init() {
    launched_.clear();
    host_.set_launch_function([this](const std::string& t) {
      launched_.push_back(t);
      return true;
    });
    browser_ = std::make_unique<frmBrowser>(host_, bin_dir());
    browser_->resize(700, 500);
    browser_->show();
  }
  void cleanup() { browser_.reset(); }

  void resolves_addresses() {
    using K = BrowserTarget::Kind;
    const QString labs = QStringLiteral("file:///app/labs/");
    const struct {
      const char* address;
      QString current;  // the page shown
      K kind;
      QString url;  // where it leads
    } rows[] = {
        {"  ", "", K::None, ""},
        {"lab01_basic.htm", labs + "ccna_home.htm", K::Page, labs + "lab01_basic.htm"},
        {"labs/topology.htm", "", K::Page, labs + "topology.htm"},  // from the program folder
        {"../default.ini", labs + "x.htm", K::Page, "file:///app/default.ini"},
        {"/tmp/page.htm", "", K::Page, "file:///tmp/page.htm"},
        {"training.htm#top", labs + "a.htm", K::Page, labs + "training.htm#top"},
        {"file:///srv/x.htm", "", K::Page, "file:///srv/x.htm"},
        {"https://example.org/a", "", K::External, "https://example.org/a"},
        {"www.example.org", "", K::External, "https://www.example.org"},
        {"mailto:teacher@example.org", "", K::External, "mailto:teacher@example.org"},
        {"router:3", "", K::Router, "router:3"},
        {"router:x", "", K::None, ""},
    };
    for (const auto& r : rows) {
      const BrowserTarget t = resolve_address(r.address, QUrl(r.current), QStringLiteral("/app"));
      QVERIFY2(t.kind == r.kind && (r.url.isEmpty() || t.url.toString() == r.url),
               qPrintable(QStringLiteral("%1 -> %2").arg(r.address, t.url.toString())));
    }
  }

  void load_opens_the_starting_address_first_in_the_list() {
    frmBrowser b(host_, bin_dir());
    b.load();  // no starting address: nothing happens
    QVERIFY(b.page()->source().isEmpty());
    b.set_starting_address(lab("training.htm"));
    b.load();
    QVERIFY(b.page()->source().toLocalFile().endsWith(QStringLiteral("training.htm")));
    QCOMPARE(b.address_box()->itemText(0), lab("training.htm"));
    QCOMPARE(b.address_box()->count(), 1);
  }

  void the_address_box_lists_an_address_once_and_the_history_walks() {
    browser_->address_box()->setEditText(lab("lab01_basic.htm"));
    QTest::keyClick(browser_->address_box()->lineEdit(), Qt::Key_Return);
    QVERIFY(on("lab01_basic.htm"));
    go("topology.htm");
    go("lab01_basic.htm");
    QCOMPARE(browser_->address_box()->count(), 2);
    QCOMPARE(browser_->address_box()->currentIndex(), 0);
    browser_->tool(QStringLiteral("Back"))->trigger();
    QVERIFY(on("topology.htm"));
    browser_->tool(QStringLiteral("Forward"))->trigger();
    QVERIFY(on("lab01_basic.htm"));
    browser_->tool(QStringLiteral("Home"))->trigger();
    QVERIFY(on("labs/ccna_home.htm"));
  }

  void function_keys_and_router_links_jump_to_consoles() {
    QSignalSpy spy(browser_.get(), &BrowserWindow::function_key);
    QTest::keyClick(browser_->page(), Qt::Key_F3);
    QTest::keyClick(browser_->address_box()->lineEdit(), Qt::Key_F4);  // F4 would open the list
    click_link("router:2");
    QList<int> keys;
    for (const QList<QVariant>& signal : spy) keys << signal.at(0).toInt();
    QCOMPARE(keys, QList<int>({3, 4, 2}));
    QVERIFY(!browser_->address_box()->view()->isVisible());
  }

  void web_links_open_in_the_desktop_browser_and_others_in_the_page() {
    go("ccna_home.htm");
    click_link("https://example.org/");
    QCOMPARE(launched_, std::vector<std::string>{"https://example.org/"});
    QVERIFY(on("labs/ccna_home.htm"));
    click_link("lab05_reload.htm");
    QVERIFY(on("labs/lab05_reload.htm"));
  }
};

ZORVA_UI_TEST(BrowserTest)
#include "browser_test.moc"
