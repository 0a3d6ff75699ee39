// Helpers every test layer may use: a private temporary folder and the build's folders.
#pragma once

#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>

namespace zorva::testing {

// A temporary folder that is removed with the object.
class TempDir {
 public:
  TempDir();
  ~TempDir();
  const std::filesystem::path& path() const { return path_; }
  // Writes `text` to a file in the folder and returns its path.
  std::string write(const std::string& name, const std::string& text) const;

 private:
  std::filesystem::path path_;
};

// The program directory of the build: data files and zorva.mdb.
inline std::filesystem::path bin_dir() {
  return ZORVA_BIN_DIR;
}
inline std::filesystem::path source_dir() {
  return ZORVA_SOURCE_DIR;
}

// The whole content of a file, bytes as they are ("" when it cannot be read).
std::string file_text(const std::filesystem::path& file);

// A topology text with `n` routers, each with the given interface counts, and no cables.
std::string topology(int routers, int serial, int ethernet, int bri = 0);

}  // namespace zorva::testing
