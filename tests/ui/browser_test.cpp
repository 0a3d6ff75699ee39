// The lab browser windows: what an address means, the address list, captions, the function keys
// and where web links go.
#include <QAbstractItemView>
#include <QComboBox>
#include <QLineEdit>
#include <QSignalSpy>
#include <QtTest>

#include "ui/browser_address.h"
#include "ui/frm_browser.h"
#include "ui/frm_topology_browser.h"
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

  QString labs() const { return bin_dir() + QStringLiteral("labs/"); }

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

  void resolves_addresses_data() {
    QTest::addColumn<QString>("address");
    QTest::addColumn<QString>("current");
    QTest::addColumn<int>("kind");
    QTest::addColumn<QString>("expected");
    const int page = static_cast<int>(BrowserTarget::Kind::Page);
    const int web = static_cast<int>(BrowserTarget::Kind::External);
    const int router = static_cast<int>(BrowserTarget::Kind::Router);
    const int none = static_cast<int>(BrowserTarget::Kind::None);
    QTest::newRow("empty") << "  "
                           << "" << none << "";
    QTest::newRow("relative to the page")
        << "lab01_basic.htm"
        << "file:///app/labs/ccna_home.htm" << page << "file:///app/labs/lab01_basic.htm";
    QTest::newRow("relative to the program without a page")
        << "labs/topology.htm"
        << "" << page << "file:///app/labs/topology.htm";
    QTest::newRow("up a folder") << "../default.ini"
                                 << "file:///app/labs/x.htm" << page << "file:///app/default.ini";
    QTest::newRow("absolute path") << "/tmp/page.htm"
                                   << "" << page << "file:///tmp/page.htm";
    QTest::newRow("with an anchor")
        << "training.htm#top"
        << "file:///app/labs/a.htm" << page << "file:///app/labs/training.htm#top";
    QTest::newRow("file url") << "file:///srv/x.htm"
                              << "" << page << "file:///srv/x.htm";
    QTest::newRow("web address") << "https://example.org/a"
                                 << "" << web << "https://example.org/a";
    QTest::newRow("bare www address") << "www.example.org"
                                      << "" << web << "https://www.example.org";
    QTest::newRow("mail") << "mailto:teacher@example.org"
                          << "" << web << "mailto:teacher@example.org";
    QTest::newRow("router link") << "router:3"
                                 << "" << router << "router:3";
    QTest::newRow("router link without a number") << "router:x"
                                                  << "" << none << "";
  }

  void resolves_addresses() {
    QFETCH(QString, address);
    QFETCH(QString, current);
    QFETCH(int, kind);
    QFETCH(QString, expected);
    const BrowserTarget t = resolve_address(address, QUrl(current), QStringLiteral("/app"));
    QCOMPARE(static_cast<int>(t.kind), kind);
    if (!expected.isEmpty()) QCOMPARE(t.url.toString(), expected);
  }

  void load_opens_the_starting_address_first_in_the_list() {
    frmBrowser b(host_, bin_dir());
    b.load();  // no starting address: nothing happens
    QVERIFY(b.page()->source().isEmpty());
    b.set_starting_address(labs() + QStringLiteral("training.htm"));
    b.load();
    QVERIFY(b.page()->source().toLocalFile().endsWith(QStringLiteral("training.htm")));
    QCOMPARE(b.address_box()->itemText(0), labs() + QStringLiteral("training.htm"));
    QCOMPARE(b.address_box()->count(), 1);
  }

  void enter_in_the_address_box_navigates() {
    browser_->address_box()->setEditText(labs() + QStringLiteral("lab01_basic.htm"));
    QTest::keyClick(browser_->address_box()->lineEdit(), Qt::Key_Return);
    QVERIFY(browser_->page()->source().toLocalFile().endsWith(QStringLiteral("lab01_basic.htm")));
  }

  void a_visited_address_is_listed_once() {
    browser_->navigate_to_address(labs() + QStringLiteral("ccna_home.htm"));
    browser_->navigate_to_address(labs() + QStringLiteral("topology.htm"));
    browser_->navigate_to_address(labs() + QStringLiteral("ccna_home.htm"));
    QCOMPARE(browser_->address_box()->count(), 2);
    QCOMPARE(browser_->address_box()->currentIndex(), 0);
  }

  void back_and_forward_walk_the_history() {
    browser_->navigate_to_address(labs() + QStringLiteral("ccna_home.htm"));
    browser_->navigate_to_address(labs() + QStringLiteral("topology.htm"));
    QVERIFY(browser_->tool(QStringLiteral("Back"))->isEnabled());
    browser_->tool(QStringLiteral("Back"))->trigger();
    QVERIFY(browser_->page()->source().toLocalFile().endsWith(QStringLiteral("ccna_home.htm")));
    browser_->tool(QStringLiteral("Forward"))->trigger();
    QVERIFY(browser_->page()->source().toLocalFile().endsWith(QStringLiteral("topology.htm")));
  }

  void home_goes_to_the_lab_index() {
    browser_->navigate_to_address(labs() + QStringLiteral("topology.htm"));
    browser_->tool(QStringLiteral("Home"))->trigger();
    QVERIFY(
        browser_->page()->source().toLocalFile().endsWith(QStringLiteral("labs/ccna_home.htm")));
  }

  void lab_navigator_keeps_its_caption() {
    browser_->navigate_to_address(labs() + QStringLiteral("lab04_rip.htm"));
    QCOMPARE(browser_->windowTitle(), QStringLiteral("Lab Navigator"));
  }

  void topology_browser_shows_the_page_name() {
    frmTopologyBrowser b(host_, bin_dir());
    b.navigate_to_address(labs() + QStringLiteral("topology.htm"));
    QCOMPARE(b.windowTitle(), QStringLiteral("Topology"));
    b.navigate_to_address(labs() + QStringLiteral("lab03_static.htm"));
    QCOMPARE(b.windowTitle(), QStringLiteral("Lab 3: Static routes"));
  }

  void stop_leaves_the_page_name_as_caption() {
    browser_->navigate_to_address(labs() + QStringLiteral("training.htm"));
    browser_->page()->set_busy(true);
    browser_->tool(QStringLiteral("Stop"))->trigger();
    QCOMPARE(browser_->windowTitle(), QStringLiteral("Command reference"));
    QVERIFY(!browser_->page()->busy());
  }

  void function_keys_jump_from_anywhere_in_the_window() {
    QSignalSpy spy(browser_.get(), &BrowserWindow::function_key);
    QTest::keyClick(browser_->page(), Qt::Key_F3);
    QTest::keyClick(browser_->address_box()->lineEdit(), Qt::Key_F4);  // F4 would open the list
    QCOMPARE(spy.size(), 2);
    QCOMPARE(spy.at(0).at(0).toInt(), 3);
    QCOMPARE(spy.at(1).at(0).toInt(), 4);
    QVERIFY(!browser_->address_box()->view()->isVisible());
  }

  void router_links_jump_to_consoles() {
    QSignalSpy spy(browser_.get(), &BrowserWindow::function_key);
    emit browser_->page()->anchorClicked(QUrl(QStringLiteral("router:2")));
    QCOMPARE(spy.size(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 2);
  }

  void web_links_open_in_the_desktop_browser() {
    browser_->navigate_to_address(labs() + QStringLiteral("ccna_home.htm"));
    const QUrl before = browser_->page()->source();
    emit browser_->page()->anchorClicked(QUrl(QStringLiteral("https://example.org/")));
    QCOMPARE(launched_, std::vector<std::string>{"https://example.org/"});
    QCOMPARE(browser_->page()->source(), before);
  }

  void relative_links_resolve_against_the_page() {
    browser_->navigate_to_address(labs() + QStringLiteral("ccna_home.htm"));
    emit browser_->page()->anchorClicked(QUrl(QStringLiteral("lab05_reload.htm")));
    QVERIFY(
        browser_->page()->source().toLocalFile().endsWith(QStringLiteral("labs/lab05_reload.htm")));
  }
};

ZORVA_UI_TEST(BrowserTest)
#include "browser_test.moc"
