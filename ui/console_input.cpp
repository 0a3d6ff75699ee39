// ConsoleInput: keys to console codes, text and caret from the core.
#include "ui/console_input.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

namespace zorva::ui {

ConsoleInput::ConsoleInput(QWidget* parent) : QLineEdit(parent) {
  setDragEnabled(false);
  setAcceptDrops(false);
  setContextMenuPolicy(Qt::NoContextMenu);
  setFrame(true);
}

void ConsoleInput::show_line(const QString& text, int caret) {
  caret_ = caret;
  if (this->text() != text) setText(text);
  setCursorPosition(caret);
}

bool ConsoleInput::event(QEvent* e) {
  if (e->type() == QEvent::ShortcutOverride) {
    // A console key outranks any shortcut of the main window with the same keys.
    auto* k = static_cast<QKeyEvent*>(e);
    if (console_key_of(k->key(), k->modifiers(), k->text()).kind != ConsoleKey::Kind::None) {
      e->accept();
      return true;
    }
    e->ignore();  // not a console key: the window's shortcuts may have it
    return false;
  }
  if (e->type() == QEvent::KeyPress) {
    // Seen before QWidget::event, which would spend Tab on moving the focus.
    auto* k = static_cast<QKeyEvent*>(e);
    keyPressEvent(k);
    return true;
  }
  return QLineEdit::event(e);
}

bool ConsoleInput::focusNextPrevChild(bool) {
  return false;
}

void ConsoleInput::keyPressEvent(QKeyEvent* e) {
  const ConsoleKey k = console_key_of(e->key(), e->modifiers(), e->text());
  if (hand_on(k)) {
    e->accept();
  } else {
    e->ignore();  // unknown keys go up to the window (menu mnemonics and the like)
  }
}

void ConsoleInput::inputMethodEvent(QInputMethodEvent* e) {
  // Composed characters (dead keys, input methods) arrive here instead of as key presses.
  for (const QChar c : e->commitString()) {
    if (c.unicode() >= 32 && c.unicode() <= 255 && c.unicode() != 127) emit key_typed(c.unicode());
  }
  e->accept();
}

bool ConsoleInput::hand_on(const ConsoleKey& k) {
  switch (k.kind) {
    case ConsoleKey::Kind::Code:
      emit key_typed(k.value);
      return true;
    case ConsoleKey::Kind::Function:
      emit function_key(k.value);
      return true;
    case ConsoleKey::Kind::None:
      return false;
  }
  return false;
}

void ConsoleInput::restore_caret() {
  deselect();
  setCursorPosition(caret_);
}

void ConsoleInput::focusInEvent(QFocusEvent* e) {
  QLineEdit::focusInEvent(e);
  restore_caret();
  emit focus_received();
}

void ConsoleInput::mousePressEvent(QMouseEvent*) {
  setFocus(Qt::MouseFocusReason);
  restore_caret();
}

void ConsoleInput::mouseMoveEvent(QMouseEvent*) {}

void ConsoleInput::mouseReleaseEvent(QMouseEvent*) {
  restore_caret();
}

void ConsoleInput::mouseDoubleClickEvent(QMouseEvent*) {
  restore_caret();
}

void ConsoleInput::contextMenuEvent(QContextMenuEvent* e) {
  e->accept();
}

}  // namespace zorva::ui
