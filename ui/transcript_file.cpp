// Writing transcripts to files.
#include "ui/transcript_file.h"

#include <QSaveFile>

namespace zorva::ui {

bool save_transcript(const QString& path, const QString& text) {
  if (path.isEmpty()) return false;
  QSaveFile file(path);
  if (!file.open(QIODevice::WriteOnly | QIODevice::Text)) return false;
  const QByteArray bytes = text.toUtf8();
  if (file.write(bytes) != bytes.size()) {
    file.cancelWriting();
    return false;
  }
  if (!text.isEmpty() && !text.endsWith(QLatin1Char('\n'))) file.write("\n");
  return file.commit();
}

QString transcript_file_name(int n) {
  return QStringLiteral("Router%1.txt").arg(n);
}

}  // namespace zorva::ui
