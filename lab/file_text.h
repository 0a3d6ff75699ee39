// Reading a whole file as bytes for the lab layer's readers (check files, handed-in labs), with
// the reason in words when it cannot be read: "cannot read class/ann.zlab: Permission denied".
#pragma once

#include <cstdint>
#include <filesystem>
#include <string>

namespace zorva {

// Reads `file` into `text`; "" or why it cannot, naming the file. A file larger than `limit`
// bytes is not read.
std::string read_file_text(const std::filesystem::path& file, std::uintmax_t limit,
                           std::string& text);

}  // namespace zorva
