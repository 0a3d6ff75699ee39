// A router console window on the core: keys reach the core as the codes it expects, the input line
// shows the core's text and caret, and the transcript is only ever appended to.
#include <QtTest>

#include "simulation/simulation.h"
#include "ui/console_input.h"
#include "ui/core_session.h"
#include "ui/frm_document.h"
#include "ui_test_support.h"

using namespace zorva;
using namespace zorva::ui;
using namespace zorva::ui_test;

class ConsoleViewTest : public QObject {
  Q_OBJECT

 private:
  std::unique_ptr<CoreSession> session_;
  std::unique_ptr<frmDocument> doc_;
  BoxRecorder boxes_;

  Router& router() { return *session_->sim().router(1); }
  QString input() const { return doc_->txtin()->text(); }
  QString shown() const { return doc_->transcript_text(); }
  void type(const char* text) { QTest::keyClicks(doc_->txtin(), QString::fromLatin1(text)); }
  void press(Qt::Key key) { QTest::keyClick(doc_->txtin(), key); }

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
    doc_->setFocus();
  }

  void cleanup() {
    doc_.reset();
    session_.reset();
  }

  void the_caret_is_where_the_core_has_it() {
    type("shxow");
    press(Qt::Key_Left);
    press(Qt::Key_Left);
    press(Qt::Key_Backspace);
    QCOMPARE(input(), QStringLiteral("Router>show"));
    QCOMPARE(doc_->txtin()->cursorPosition(), input().size() - 2);
    QTest::mouseClick(doc_->txtin(), Qt::LeftButton, Qt::NoModifier, QPoint(2, 5));
    QCOMPARE(doc_->txtin()->cursorPosition(), input().size() - 2);
    QVERIFY(!doc_->txtin()->hasSelectedText());
    QTest::mouseClick(doc_->txtout()->viewport(), Qt::LeftButton);
    QCOMPARE(doc_->focusWidget(), static_cast<QWidget*>(doc_->txtin()));
  }

  void ctrl_letters_outrank_window_shortcuts_and_latin1_letters_are_typed() {
    QKeyEvent override(QEvent::ShortcutOverride, Qt::Key_P, Qt::ControlModifier, "\x10");
    QApplication::sendEvent(doc_->txtin(), &override);
    QVERIFY(override.isAccepted());
    QKeyEvent menu(QEvent::ShortcutOverride, Qt::Key_C, Qt::ControlModifier | Qt::ShiftModifier);
    QApplication::sendEvent(doc_->txtin(), &menu);
    QVERIFY(!menu.isAccepted());
    QKeyEvent e(QEvent::KeyPress, Qt::Key_Eacute, Qt::NoModifier, QString(QChar(0xe9)));
    QApplication::sendEvent(doc_->txtin(), &e);  // and Latin-1 letters are typed
    QCOMPARE(input(), QStringLiteral("Router>") + QChar(0xe9));
  }

  // A line break split across two appends shows as one: the view matches the model.
  void a_line_break_split_across_appends_matches_the_model() {
    router().console.append("split\r");
    router().console.append("\nnext");
    QString model = QString::fromLatin1(router().console.transcript().c_str());
    model.remove(QLatin1Char('\r'));
    QCOMPARE(shown(), model);
  }
};

ZORVA_UI_TEST(ConsoleViewTest)
#include "console_view_test.moc"
