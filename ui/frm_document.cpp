// frmDocument: a router console window on the core's Console model.
#include "ui/frm_document.h"

#include <QCloseEvent>
#include <QFontDatabase>
#include <QScrollBar>
#include <QStyle>
#include <QTextBlock>
#include <QTextCursor>
#include <QVBoxLayout>

#include "router/router.h"
#include "ui/app_settings.h"
#include "ui/console_input.h"
#include "ui/console_text.h"
#include "ui/core_session.h"

namespace zorva::ui {

QFont console_font() {
  QFont f = QFontDatabase::systemFont(QFontDatabase::FixedFont);
  f.setStyleHint(QFont::Monospace);
  if (const int chosen = console_font_size_setting(); chosen > 0) {
    f.setPointSize(chosen);
  } else if (f.pointSize() < 10) {
    f.setPointSize(10);
  }
  return f;
}

TranscriptView::TranscriptView(QWidget* parent) : QPlainTextEdit(parent) {
  setReadOnly(true);
  setUndoRedoEnabled(false);  // the transcript only grows; an undo stack would grow with it
  setFocusPolicy(Qt::NoFocus);
  setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  setLineWrapMode(QPlainTextEdit::WidgetWidth);
}

void TranscriptView::append_text(const QString& text) {
  if (text.isEmpty()) return;
  QTextCursor end(document());
  end.movePosition(QTextCursor::End);
  end.insertText(text);
  QScrollBar* bar = verticalScrollBar();
  bar->setValue(bar->maximum());
}

void TranscriptView::resizeEvent(QResizeEvent* e) {
  QScrollBar* bar = verticalScrollBar();
  const bool at_end = bar->value() >= bar->maximum();
  QPlainTextEdit::resizeEvent(e);
  if (at_end) bar->setValue(bar->maximum());
}

frmDocument::frmDocument(CoreSession& session, int number, QWidget* parent)
    : QWidget(parent), session_(session), number_(number) {
  setObjectName(QStringLiteral("frmDocument%1").arg(number));
  txtout_ = new TranscriptView(this);
  txtout_->setObjectName(QStringLiteral("txtout"));
  txtin_ = new ConsoleInput(this);
  txtin_->setObjectName(QStringLiteral("txtin"));
  use_console_font();

  auto* layout = new QVBoxLayout(this);
  layout->setContentsMargins(0, 0, 0, 0);
  layout->setSpacing(2);
  layout->addWidget(txtout_, 1);
  layout->addWidget(txtin_, 0);
  setFocusProxy(txtin_);

  connect(txtin_, &ConsoleInput::key_typed, this,
          [this](int code) { session_.key(number_, code); });
  connect(txtin_, &ConsoleInput::function_key, this, [this](int n) { session_.function_key(n); });
  connect(txtin_, &ConsoleInput::focus_received, this, [this] { emit console_focused(number_); });

  if (Router* r = router()) {
    setWindowTitle(QString::fromStdString(r->caption));
    txtout_->setPlainText(display_text(r->console.transcript()));
    txtout_->verticalScrollBar()->setValue(txtout_->verticalScrollBar()->maximum());
    r->console.set_view(this);
    input_changed();
  }
}

frmDocument::~frmDocument() {
  if (Router* r = router()) r->console.set_view(nullptr);
}

Router* frmDocument::router() const {
  return session_.sim().router(number_);
}

void frmDocument::use_console_font() {
  txtout_->setFont(console_font());
  txtin_->setFont(console_font());
}

int frmDocument::width_for_columns(int columns) const {
  const QFontMetrics metrics(txtout_->font());
  const int text = metrics.horizontalAdvance(QString(columns, QLatin1Char('M')));
  const int margins = 2 * static_cast<int>(txtout_->document()->documentMargin());
  const int frame = 2 * txtout_->frameWidth();
  const int bar = txtout_->style()->pixelMetric(QStyle::PM_ScrollBarExtent, nullptr, txtout_);
  return text + margins + frame + bar + 2;  // and the caret's width at the line's end
}

QString frmDocument::transcript_text() const {
  return txtout_->toPlainText();
}

void frmDocument::transcript_appended(std::string_view text) {
  txtout_->append_text(display_text(text));
}

void frmDocument::input_changed() {
  if (Router* r = router()) {
    txtin_->show_line(latin1_text(r->console.input_text()), r->console.input_caret());
  }
}

void frmDocument::closeEvent(QCloseEvent* e) {
  e->ignore();
}

void frmDocument::focusInEvent(QFocusEvent* e) {
  QWidget::focusInEvent(e);
  txtin_->setFocus();
}

}  // namespace zorva::ui
