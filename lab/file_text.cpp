#include "lab/file_text.h"

#include <fcntl.h>
#include <unistd.h>

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

std::string write_file_text(const std::filesystem::path& file, const std::string& text) {
  std::filesystem::path beside = file;
  beside += ".writing";
  const auto why = [&file](int error) {
    return "cannot write " + file.string() + ": " + std::generic_category().message(error);
  };
  const int fd = ::open(beside.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0644);
  if (fd < 0) return why(errno);
  int error = 0;
  for (std::size_t done = 0; done < text.size() && error == 0;) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno != EINTR) error = errno;
    if (n > 0) done += static_cast<std::size_t>(n);
  }
  if (error == 0 && ::fsync(fd) != 0 && errno != EINVAL) error = errno;
  if (::close(fd) != 0 && error == 0) error = errno;
  std::error_code ec;
  if (error == 0) {
    std::filesystem::rename(beside, file, ec);
    if (ec) error = ec.value();
  }
  if (error != 0) std::filesystem::remove(beside, ec);
  return error == 0 ? "" : why(error);
}

}  // namespace zorva
