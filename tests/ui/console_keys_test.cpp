// Which key events a router console hands to the core, and as what.
#include "ui/console_keys.h"

#include <QtTest>

#include "ui_test_support.h"

using zorva::ui::console_key_of;
using zorva::ui::ConsoleKey;

class ConsoleKeysTest : public QObject {
  Q_OBJECT

 private slots:
  void translates_keys() {
    const ConsoleKey none = ConsoleKey::none();
    const auto code = ConsoleKey::code;
    const auto fn = ConsoleKey::function;
    const int ctrl = Qt::ControlModifier, shift = Qt::ShiftModifier, alt = Qt::AltModifier;
    const struct {
      const char* name;
      int key, modifiers;
      QString text;
      ConsoleKey expected;
    } rows[] = {
        {"letter", Qt::Key_E, 0, "e", code('e')},
        {"capital", Qt::Key_E, shift, "E", code('E')},
        {"space", Qt::Key_Space, 0, " ", code(32)},
        {"latin-1 e acute", Qt::Key_Eacute, 0, QString(QChar(0xe9)), code(0xe9)},
        {"outside latin-1 is not typed", Qt::Key_unknown, 0, QString(QChar(0x20ac)), none},
        {"DEL is not typed", Qt::Key_Delete, 0, QString(QChar(127)), none},
        {"Ctrl+A is 1", Qt::Key_A, ctrl, "\x01", code(1)},
        {"Ctrl+Z is 26", Qt::Key_Z, ctrl, "\x1a", code(26)},
        {"Ctrl+Shift+C is left to the menus", Qt::Key_C, ctrl | shift, "", none},
        {"Ctrl+digit is nothing", Qt::Key_1, ctrl, "", none},
        {"Ctrl+C is typed as 3", Qt::Key_C, ctrl, "\x03", code(3)},
        {"Ctrl+[ is 27", Qt::Key_BracketLeft, ctrl, "\x1b", code(27)},
        {"Ctrl+\\ is 28", Qt::Key_Backslash, ctrl, "\x1c", code(28)},
        {"Ctrl+] is 29", Qt::Key_BracketRight, ctrl, "\x1d", code(29)},
        {"Alt+letter is left to the menus", Qt::Key_F, alt, "f", none},
        {"Backspace", Qt::Key_Backspace, 0, "\x08", code(8)},
        {"Tab", Qt::Key_Tab, 0, "\t", code(9)},
        {"Shift+Tab is Tab", Qt::Key_Backtab, shift, "", code(9)},
        {"Return", Qt::Key_Return, 0, "\r", code(13)},
        {"keypad Enter", Qt::Key_Enter, Qt::KeypadModifier, "\r", code(13)},
        {"Esc", Qt::Key_Escape, 0, "\x1b", code(27)},
        {"left arrow is Ctrl+B", Qt::Key_Left, 0, "", code(2)},
        {"up arrow is Ctrl+P", Qt::Key_Up, 0, "", code(16)},
        {"right arrow is Ctrl+F", Qt::Key_Right, 0, "", code(6)},
        {"down arrow is Ctrl+N", Qt::Key_Down, 0, "", code(14)},
        {"F1", Qt::Key_F1, 0, "", fn(1)},
        {"F12", Qt::Key_F12, 0, "", fn(12)},
        {"Shift+F2 is F2", Qt::Key_F2, shift, "", fn(2)},
        {"Ctrl+F4 is left to the window", Qt::Key_F4, ctrl, "", none},
        {"Alt+F4 is left to the window", Qt::Key_F4, alt, "", none},
        {"F13 is nothing", Qt::Key_F13, 0, "", none},
    };
    for (const auto& r : rows) {
      const ConsoleKey k = console_key_of(r.key, Qt::KeyboardModifiers(r.modifiers), r.text);
      QVERIFY2(k == r.expected, qPrintable(QStringLiteral("%1: kind %2 value %3")
                                               .arg(QLatin1String(r.name))
                                               .arg(static_cast<int>(k.kind))
                                               .arg(k.value)));
    }
  }
};

ZORVA_UI_TEST(ConsoleKeysTest)
#include "console_keys_test.moc"
