#include "base/ini_reader.h"

#include <filesystem>
#include <fstream>
#include <string_view>

#include "base/number_text.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

std::string_view trim_blanks(std::string_view s) {
  std::size_t b = 0, e = s.size();
  while (b < e && (s[b] == ' ' || s[b] == '\t')) ++b;
  while (e > b && (s[e - 1] == ' ' || s[e - 1] == '\t')) --e;
  return s.substr(b, e - b);
}

// The value as the 50-character buffer returns it: cut before a NUL, at most 49 characters,
// trimmed.
std::string as_returned(std::string_view value) {
  const std::size_t nul = value.find('\0');
  if (nul != std::string_view::npos) value = value.substr(0, nul);
  value = trim_blanks(value);
  if (value.size() > kIniValueLimit) value = value.substr(0, kIniValueLimit);
  return std::string(trim_blanks(value));
}

// At most `limit` + 1 bytes of the file, so that an over-long file shows as such even when it
// grew after its size was looked at.
bool read_bounded(const std::string& file, std::size_t limit, std::string& text) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return false;
  text.resize(limit + 1);
  in.read(text.data(), static_cast<std::streamsize>(text.size()));
  if (in.bad()) return false;
  text.resize(static_cast<std::size_t>(in.gcount()));
  return true;
}

}  // namespace

IniFile IniFile::read(const std::string& file) {
  IniFile ini;
  ini.file_ = file;
  std::error_code ec;
  const fs::file_status st = fs::status(file, ec);
  if (ec || !fs::exists(st)) {
    ini.status_ = Status::Missing;
    return ini;
  }
  if (!fs::is_regular_file(st)) {
    ini.status_ = Status::NotAFile;
    return ini;
  }
  const std::uintmax_t size = fs::file_size(file, ec);
  if (!ec && size > kIniFileLimit) {
    ini.status_ = Status::TooLarge;
    return ini;
  }
  std::string text;
  if (ec || !read_bounded(file, kIniFileLimit, text)) {
    ini.status_ = Status::Unreadable;
    return ini;
  }
  if (text.size() > kIniFileLimit) {
    ini.status_ = Status::TooLarge;
    return ini;
  }
  ini.status_ = Status::Read;
  ini.index(text);
  return ini;
}

IniFile IniFile::from_text(const std::string& text, const std::string& file) {
  IniFile ini;
  ini.file_ = file;
  ini.status_ = text.size() > kIniFileLimit ? Status::TooLarge : Status::Read;
  if (ini.status_ == Status::Read) ini.index(text);
  return ini;
}

std::optional<IniFile::Place> IniFile::place(const std::string& section,
                                             const std::string& key) const {
  const auto s = sections_.find(to_lower(section));
  if (s == sections_.end()) return std::nullopt;
  const auto k = s->second.find(to_lower(key));
  if (k == s->second.end()) return std::nullopt;
  return k->second.place;
}

void IniFile::index(const std::string& all) {
  std::string_view text(all);
  if (text.starts_with(kByteOrderMark)) text.remove_prefix(kByteOrderMark.size());
  Section* current = nullptr;  // the section being read, or null when its keys are ignored
  for (int number = 1; !text.empty(); ++number) {
    const std::size_t end = text.find_first_of("\r\n");
    const std::string_view line = trim_blanks(text.substr(0, end));
    if (end == std::string_view::npos) {
      text = {};
    } else {
      const bool crlf = text[end] == '\r' && end + 1 < text.size() && text[end + 1] == '\n';
      text.remove_prefix(end + (crlf ? 2 : 1));
    }
    if (line.empty() || line[0] == ';') continue;
    if (line[0] == '[') {
      const std::size_t close = line.find(']');
      const std::string name = to_lower(
          trim_blanks(line.substr(1, close == std::string_view::npos ? line.npos : close - 1)));
      // A section seen before keeps its first appearance; the later one is ignored.
      const auto [it, added] = sections_.try_emplace(name);
      current = added ? &it->second : nullptr;
      continue;
    }
    if (current == nullptr) continue;
    const std::size_t eq = line.find('=');
    if (eq == std::string_view::npos) continue;
    current->try_emplace(to_lower(trim_blanks(line.substr(0, eq))),
                         Entry{std::string(line.substr(eq + 1)), Place{number, std::string(line)}});
  }
}

std::string IniFile::value(const std::string& section, const std::string& key) const {
  const auto s = sections_.find(to_lower(section));
  if (s == sections_.end()) return "";
  const auto k = s->second.find(to_lower(key));
  if (k == s->second.end()) return "";
  return as_returned(k->second.value);
}

std::string IniFile::problem() const {
  switch (status_) {
    case Status::Read:
      return "";
    case Status::Missing:
      return "the file " + file_ + " does not exist";
    case Status::NotAFile:
      return file_ + " is not a regular file";
    case Status::TooLarge:
      return "the file " + file_ + " is larger than 1 MB";
    case Status::Unreadable:
      return "the file " + file_ + " cannot be read";
  }
  return "";
}

std::string read_ini_value(const std::string& section, const std::string& key,
                           const std::string& file) {
  return IniFile::read(file).value(section, key);
}

}  // namespace zorva
