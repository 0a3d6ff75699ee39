// Key translation for the router consoles.
#include "ui/console_keys.h"

#include "console/key_handler.h"

namespace zorva::ui {

namespace {

// Keys that mean the same with or without Shift.
ConsoleKey editing_key(int key) {
  switch (key) {
    case Qt::Key_Backspace:
      return ConsoleKey::code(kBackspace);
    case Qt::Key_Tab:
    case Qt::Key_Backtab:
      return ConsoleKey::code(kTab);
    case Qt::Key_Return:
    case Qt::Key_Enter:
      return ConsoleKey::code(kEnter);
    case Qt::Key_Escape:
      return ConsoleKey::code(kEscape);
    case Qt::Key_Left:
      return ConsoleKey::code(kCtrlB);
    case Qt::Key_Up:
      return ConsoleKey::code(kCtrlP);
    case Qt::Key_Right:
      return ConsoleKey::code(kCtrlF);
    case Qt::Key_Down:
      return ConsoleKey::code(kCtrlN);
    default:
      return ConsoleKey::none();
  }
}

// Ctrl with [, backslash, ], ^ or _ gives the control codes 27..31 as on a terminal; they have no
// editing meaning and are typed into the line.
ConsoleKey control_punctuation(int key) {
  switch (key) {
    case Qt::Key_BracketLeft:
      return ConsoleKey::code(27);
    case Qt::Key_Backslash:
      return ConsoleKey::code(28);
    case Qt::Key_BracketRight:
      return ConsoleKey::code(29);
    case Qt::Key_AsciiCircum:
      return ConsoleKey::code(30);
    case Qt::Key_Underscore:
      return ConsoleKey::code(31);
    default:
      return ConsoleKey::none();
  }
}

ConsoleKey printable(const QString& text) {
  if (text.size() != 1) return ConsoleKey::none();
  const char16_t c = text.at(0).unicode();
  if (c < 32 || c == 127 || c > 255) return ConsoleKey::none();
  return ConsoleKey::code(c);
}

}  // namespace

int function_key_number(int key, Qt::KeyboardModifiers modifiers) {
  if (modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier)) return 0;
  if (key >= Qt::Key_F1 && key <= Qt::Key_F12) return key - Qt::Key_F1 + 1;
  return 0;
}

ConsoleKey console_key_of(int key, Qt::KeyboardModifiers modifiers, const QString& text) {
  if (const int n = function_key_number(key, modifiers); n > 0) return ConsoleKey::function(n);
  const Qt::KeyboardModifiers held =
      modifiers & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier | Qt::ShiftModifier);
  if (held & (Qt::AltModifier | Qt::MetaModifier)) return ConsoleKey::none();
  if (held & Qt::ControlModifier) {
    if (held & Qt::ShiftModifier) return ConsoleKey::none();
    if (key >= Qt::Key_A && key <= Qt::Key_Z) return ConsoleKey::code(key - Qt::Key_A + 1);
    return control_punctuation(key);
  }
  if (const ConsoleKey k = editing_key(key); k.kind != ConsoleKey::Kind::None) return k;
  return printable(text);
}

}  // namespace zorva::ui
