// How a key pressed in a router console becomes what the core expects: a character code for the
// key handler (printable Latin-1 characters as themselves, Ctrl+letters 1..26, Ctrl+[ \ ] ^ _
// 27..31, Backspace 8, Tab 9, Enter 13, Esc 27, the arrows as Ctrl+B/P/F/N) or a function-key
// number for F1..F12.
#pragma once

#include <QString>
#include <Qt>

namespace zorva::ui {

struct ConsoleKey {
  enum class Kind { None, Code, Function };
  Kind kind = Kind::None;  // what the key is to the console
  int value = 0;           // the character code, or the function-key number 1..12

  static ConsoleKey none() { return {}; }
  static ConsoleKey code(int c) { return {Kind::Code, c}; }
  static ConsoleKey function(int n) { return {Kind::Function, n}; }
  bool operator==(const ConsoleKey&) const = default;
};

// The console meaning of a key event's key, modifiers and text. Ctrl with Shift, Alt or Meta is
// left to the window's shortcuts; characters outside Latin-1 are not typed.
ConsoleKey console_key_of(int key, Qt::KeyboardModifiers modifiers, const QString& text);

// F1..F12 as 1..12 wherever the key was pressed, 0 for any other key. With Ctrl, Alt or Meta held
// the key belongs to the window system (Ctrl+F4 closes a window, Alt+F4 the program).
int function_key_number(int key, Qt::KeyboardModifiers modifiers = Qt::NoModifier);

}  // namespace zorva::ui
