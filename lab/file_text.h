// Whole files as bytes for the lab layer: reading check files and handed-in labs, writing grade
// sheets and reports, with the reason in words when it cannot be done ("cannot read
// class/ann.zlab: Permission denied", "cannot write grades.csv: No space left on device").
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zorva {

// Reads `file` into `text`; "" or why it cannot, naming the file. A file larger than `limit`
// bytes is not read.
std::string read_file_text(const std::filesystem::path& file, std::uintmax_t limit,
                           std::string& text);

// Writes `text` to FILE.writing beside `file`, flushes it to the disk and renames it over `file`,
// so `file` is the old one or the whole new one. "" or why it could not, naming the file.
std::string write_file_text(const std::filesystem::path& file, const std::string& text);

}  // namespace zorva
