// Conversion of console text for display.
#include "ui/console_text.h"

namespace zorva::ui {

QString display_text(std::string_view text) {
  QString out;
  out.reserve(static_cast<qsizetype>(text.size()));
  for (const char c : text) {
    if (c != '\r') out.append(QChar(static_cast<unsigned char>(c)));
  }
  return out;
}

QString latin1_text(std::string_view text) {
  return QString::fromLatin1(text.data(), static_cast<qsizetype>(text.size()));
}

}  // namespace zorva::ui
