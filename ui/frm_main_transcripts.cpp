// frmMain: the File and Edit commands, which act on the active console's transcript.
#include <QClipboard>
#include <QDir>
#include <QFileDialog>
#include <QGuiApplication>
#include <QPageSetupDialog>
#include <QPrintDialog>
#include <QPrinter>

#include "ui/app_title.h"
#include "ui/console_input.h"
#include "ui/core_session.h"
#include "ui/frm_document.h"
#include "ui/frm_main.h"
#include "ui/transcript_file.h"

namespace zorva::ui {

// ---- File and Edit on the active console ------------------------------------------------------

QPrinter* frmMain::printer() {
  if (!printer_) printer_ = std::make_unique<QPrinter>(QPrinter::HighResolution);
  return printer_.get();
}

void frmMain::save_transcript_as() {
  frmDocument* doc = active_document();
  if (!doc) return;
  const QString path = QFileDialog::getSaveFileName(
      this, tr("Save Transcript As"), QDir::home().filePath(transcript_file_name(doc->number())),
      tr("Text Files (*.txt);;All Files (*)"));
  if (path.isEmpty()) return;
  if (!save_transcript(path, doc->transcript_text())) {
    host().message_box(kAppTitle, tr("Cannot write %1").arg(path).toStdString(), Buttons::Ok);
  }
}

void frmMain::print_transcript() {
  frmDocument* doc = active_document();
  if (!doc) return;
  QPrintDialog dialog(printer(), this);
  dialog.setWindowTitle(tr("Print %1").arg(doc->windowTitle()));
  if (doc->txtout()->textCursor().hasSelection()) {
    dialog.setOption(QAbstractPrintDialog::PrintSelection);
  }
  if (dialog.exec() == QDialog::Accepted) doc->txtout()->print(printer());
}

void frmMain::page_setup() {
  QPageSetupDialog dialog(printer(), this);
  dialog.exec();
}

void frmMain::copy_selection() {
  if (frmDocument* doc = active_document()) doc->txtout()->copy();
}

void frmMain::select_all() {
  if (frmDocument* doc = active_document()) doc->txtout()->selectAll();
}

void frmMain::paste_as_typing() {
  if (frmDocument* doc = active_document())
    type_text(doc->number(), QGuiApplication::clipboard()->text());
}

void frmMain::type_text(int n, const QString& text) {
  for (const QChar c : text) {
    const char16_t u = c.unicode();
    if (u == '\r') continue;
    if (u == '\n') {
      session_->key(n, 13);
    } else if (u == '\t') {
      session_->key(n, ' ');
    } else if (u >= 32 && u <= 255 && u != 127) {
      session_->key(n, u);
    }
  }
}

}  // namespace zorva::ui
