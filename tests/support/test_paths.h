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

// Sweeps over a whole table (every word of the shipped command tree) take every case in the
// optimized build, which checks what they compute, and one case in eight under the sanitizers,
// which check memory and run ten times slower: the code paths are the same for every case.
#if defined(__SANITIZE_ADDRESS__)
inline constexpr std::size_t kSweepStride = 8;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
inline constexpr std::size_t kSweepStride = 8;
#else
inline constexpr std::size_t kSweepStride = 1;
#endif
#else
inline constexpr std::size_t kSweepStride = 1;
#endif

// A topology text with `n` routers, each with the given interface counts, and no cables.
std::string topology(int routers, int serial, int ethernet, int bri = 0);

}  // namespace zorva::testing
