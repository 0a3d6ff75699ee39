// Reads INI files the way the platform's private-profile reader does: sections and keys compared
// without regard to case, the value trimmed and cut to 49 characters (a 50-character buffer), ""
// for a missing file, section or key. The first of duplicate sections or keys wins.
//
// A file is read once, whole, and its sections indexed; only regular files of at most 1 MB are
// read (a device or a huge file is refused with a reason). A UTF-8 byte-order mark is skipped, and
// lines may end in LF, CR LF or CR alone.
#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <unordered_map>

namespace zorva {

inline constexpr std::size_t kIniValueLimit = 49;
inline constexpr std::size_t kIniFileLimit = 1024 * 1024;  // bytes

class IniFile {
 public:
  enum class Status { Read, Missing, NotAFile, TooLarge, Unreadable };

  // Reads and indexes `file`; any failure gives a file without sections and the reason.
  static IniFile read(const std::string& file);
  // Indexes text already read (a lab file carries its topology inside), named `file`.
  static IniFile from_text(const std::string& text, const std::string& file);

  // Where a key stands: its line (from 1) and that line's text, blanks trimmed.
  struct Place {
    int line = 0;
    std::string text;
  };
  // The place of `key` in `section`, or nothing when the reader found no such key.
  std::optional<Place> place(const std::string& section, const std::string& key) const;

  // The value of `key` in `section` as the 50-character buffer returns it, or "".
  std::string value(const std::string& section, const std::string& key) const;

  Status status() const { return status_; }
  const std::string& file() const { return file_; }
  std::size_t section_count() const { return sections_.size(); }

  // Why the file gave nothing, in words for the user ("" when it was read).
  std::string problem() const;

 private:
  struct Entry {
    std::string value;  // the raw value after '='
    Place place;        // where the key stands
  };
  using Section = std::unordered_map<std::string, Entry>;  // by lower-case key
  void index(const std::string& text);

  std::string file_;
  Status status_ = Status::Missing;
  std::unordered_map<std::string, Section> sections_;  // by lower-case name
};

// One value of one file (the file is read for this one value).
std::string read_ini_value(const std::string& section, const std::string& key,
                           const std::string& file);

}  // namespace zorva
