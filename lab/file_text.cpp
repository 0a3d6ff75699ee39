#include "lab/file_text.h"

#include <cerrno>
#include <cstdio>
#include <memory>
#include <system_error>

namespace zorva {

std::string read_file_text(const std::filesystem::path& file, std::uintmax_t limit,
                           std::string& text) {
  const auto why = [&file](int error) {
    return "cannot read " + file.string() + ": " + std::generic_category().message(error);
  };
  std::error_code ec;
  if (std::filesystem::is_directory(file, ec)) return why(EISDIR);
  // C streams give errno, which names the reason (no such file, permission, a dangling link).
  errno = 0;
  const std::unique_ptr<std::FILE, int (*)(std::FILE*)> in(std::fopen(file.c_str(), "rb"),
                                                           &std::fclose);
  if (!in) return why(errno != 0 ? errno : EIO);
  text.clear();
  char block[65536];
  std::size_t got = 0;
  while ((got = std::fread(block, 1, sizeof block, in.get())) > 0) {
    if (text.size() + got > limit)
      return file.string() + " is too large (more than " + std::to_string(limit) + " bytes)";
    text.append(block, got);
  }
  if (std::ferror(in.get())) return why(errno != 0 ? errno : EIO);
  return "";
}

}  // namespace zorva
