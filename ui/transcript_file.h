// Saving a console transcript as a plain text file.
#pragma once

#include <QString>

namespace zorva::ui {

// Writes `text` to `path` as UTF-8 with the platform's plain line breaks; false when it cannot.
bool save_transcript(const QString& path, const QString& text);

// A file name to offer for router n's transcript: "Router1.txt".
QString transcript_file_name(int n);

}  // namespace zorva::ui
