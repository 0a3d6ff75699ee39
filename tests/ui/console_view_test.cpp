// A router console window on the core: keys reach the core as the codes it expects, the input line
// shows the core's text and caret, and the transcript is only ever appended to.
#include <QCloseEvent>
#include <QMdiSubWindow>
#include <QScrollBar>
#include <QtTest>

#include "console/output.h"
#include "shell/simulation.h"
#include "ui/console_input.h"
#include "ui/core_session.h"
#include "ui/frm_document.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

namespace {

std::string lines(int from, int to) {
  std::string s;
  for (int i = from; i <= to; ++i) s += "line " + std::to_string(i) + "\r\n";
  return s;
}

}  // namespace

class ConsoleViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CoreSession> session_;
  std::unique_ptr<frmDocument> doc_;
  BoxRecorder boxes_;

  Router& router() { return *session_->sim().router(1); }
  QString input() const { return doc_->txtin()->text(); }
  void type(const char* text) { QTest::keyClicks(doc_->txtin(), QString::fromLatin1(text)); }
  void press(Qt::Key key, Qt::KeyboardModifiers m = Qt::NoModifier) {
    QTest::keyClick(doc_->txtin(), key, m);
  }

 private slots:
  void init() {
    session_ = std::make_unique<CoreSession>(bin_dir().toStdString());
    boxes_ = BoxRecorder();
    boxes_.attach(session_->host());
    session_->set_clock([] { return qint64{0}; });
    session_->start(topology("topologies/two_routers.ini").toStdString());
    doc_ = std::make_unique<frmDocument>(*session_, 1);
    doc_->resize(600, 400);
    doc_->show();
    doc_->txtin()->setFocus();
  }

  void cleanup() {
    doc_.reset();
    session_.reset();
  }

  void shows_the_start_screen_and_caption() {
    QCOMPARE(doc_->windowTitle(), QStringLiteral("Router 1"));
    QVERIFY(doc_->transcript_text().contains(QStringLiteral("Press Enter to Start")));
    QVERIFY(!doc_->transcript_text().contains(QLatin1Char('\r')));
    QVERIFY(doc_->txtout()->isReadOnly());
  }

  void enter_shows_the_prompt() {
    press(Qt::Key_Return);
    QCOMPARE(input(), QStringLiteral("Router>"));
  }

  void enable_is_echoed_and_answered() {
    type("enable");
    QCOMPARE(input(), QStringLiteral("Router>enable"));
    press(Qt::Key_Return);
    QVERIFY(doc_->transcript_text().contains(QStringLiteral("\nRouter>enable")));
    if (have_command_database()) {
      QCOMPARE(input(), QStringLiteral("Router#"));
    } else {
      QVERIFY(doc_->transcript_text().contains(
          QStringLiteral("% Invalid input detected at '^' marker.")));
    }
  }

  void tab_goes_to_the_core_and_keeps_the_focus() {
    type("ena");
    press(Qt::Key_Tab);
    QCOMPARE(doc_->focusWidget(), static_cast<QWidget*>(doc_->txtin()));
    if (have_command_database()) QVERIFY(input().startsWith(QStringLiteral("Router>enable")));
  }

  void typed_characters_go_to_the_end_whatever_the_caret() {
    type("shw");
    press(Qt::Key_Left);
    QCOMPARE(router().console.cursor_from_end, Int16{1});
    QCOMPARE(doc_->txtin()->cursorPosition(), input().size() - 1);
    type("o");
    QCOMPARE(input(), QStringLiteral("Router>shwo"));
  }

  void backspace_deletes_before_the_caret() {
    type("shxow");
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    press(Qt::Key_Backspace);
    QCOMPARE(input(), QStringLiteral("Router>show"));
    QCOMPARE(doc_->txtin()->cursorPosition(), input().size() - 2);
  }

  void ctrl_a_then_backspace_changes_nothing() {
    type("show");
    press(Qt::Key_A, Qt::ControlModifier);
    QCOMPARE(doc_->txtin()->cursorPosition(), QStringLiteral("Router>").size());
    press(Qt::Key_Backspace);
    QCOMPARE(input(), QStringLiteral("Router>show"));
  }

  void ctrl_letters_outrank_window_shortcuts() {
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_P, Qt::ControlModifier, "\x10");
    QApplication::sendEvent(doc_->txtin(), &override);
    QVERIFY(override.isAccepted());
    QKeyEvent menu(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::sendEvent(doc_->txtin(), &menu);
    QVERIFY(!menu.isAccepted());
  }

  void up_arrow_recalls_the_last_line() {
    type("xyz");
    press(Qt::Key_Return);
    press(Qt::Key_Up);
    QCOMPARE(input(), QStringLiteral("Router>xyz"));
  }

  void clicking_does_not_move_the_core_caret() {
    type("show");
    QTest::mouseClick(doc_->txtin(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 5));
    QCOMPARE(doc_->txtin()->cursorPosition(), input().size());
    QVERIFY(!doc_->txtin()->hasSelectedText());
  }

  void more_holds_a_long_output_and_space_releases_it() {
    output_text(router(), "\r\n" + lines(1, 30));
    QCOMPARE(input(), QStringLiteral("--MORE--"));
    QVERIFY(doc_->transcript_text().contains(QStringLiteral("line 23\n")));
    QVERIFY(!doc_->transcript_text().contains(QStringLiteral("line 24")));
    press(Qt::Key_Space);
    QVERIFY(doc_->transcript_text().endsWith(QStringLiteral("line 30\n")));
    QCOMPARE(router().record.paging_state, Int16{0});
  }

  void enter_at_more_releases_one_line() {
    output_text(router(), "\r\n" + lines(1, 30));
    press(Qt::Key_Return);
    QVERIFY(doc_->transcript_text().endsWith(QStringLiteral("line 24\n")));
    QCOMPARE(input(), QStringLiteral("--MORE--"));
  }

  void another_key_at_more_drops_the_rest() {
    output_text(router(), "\r\n" + lines(1, 30));
    type("q");
    QVERIFY(!doc_->transcript_text().contains(QStringLiteral("line 24")));
    QCOMPARE(input(), QStringLiteral("Router>"));
  }

  void appends_keep_the_users_selection() {
    QTextCursor c = doc_->txtout()->textCursor();
    c.setPosition(0);
    c.setPosition(10, QTextCursor::KeepAnchor);
    doc_->txtout()->setTextCursor(c);
    output_text(router(), "\r\nnew output\r\n");
    QCOMPARE(doc_->txtout()->textCursor().selectionEnd(), 10);
    QVERIFY(doc_->transcript_text().endsWith(QStringLiteral("new output\n")));
  }

  void transcript_matches_the_model_after_many_appends() {
    for (int i = 0; i < 200; ++i) output_text(router(), lines(i, i));
    QString model = QString::fromLatin1(router().console.transcript().c_str());
    model.remove(QLatin1Char('\r'));
    QCOMPARE(doc_->transcript_text(), model);
  }

  void a_split_line_break_shows_as_one() {
    router().console.append("split\r");
    router().console.append("\nnext");
    QVERIFY(doc_->transcript_text().endsWith(QStringLiteral("split\nnext")));
  }

  void stays_scrolled_to_the_end() {
    output_text(router(), lines(1, 20));
    output_text(router(), lines(21, 40));
    QScrollBar* bar = doc_->txtout()->verticalScrollBar();
    QCOMPARE(bar->value(), bar->maximum());
  }

  void latin1_characters_are_typed() {
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xe9)));
    QApplication::sendEvent(doc_->txtin(), &e);
    QCOMPARE(input(), QStringLiteral("Router>") + QChar(0xe9));
  }

  void the_window_cannot_be_closed() {
    QCloseEvent e;
    QApplication::sendEvent(doc_.get(), &e);
    QVERIFY(!e.isAccepted());
  }

  void transcript_hands_the_focus_to_the_input() {
    QCOMPARE(doc_->txtout()->focusPolicy(), Qt::NoFocus);
    QCOMPARE(doc_->focusProxy(), static_cast<QWidget*>(doc_->txtin()));
  }
};

ZORVA_UI_TEST(ConsoleViewTest)
#include "console_view_test.moc"
