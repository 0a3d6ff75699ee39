#include "tests/support/test_paths.h"

#include <unistd.h>

#include <atomic>

namespace zorva::testing {

TempDir::TempDir() {
  static std::atomic<int> counter{0};
  path_ = std::filesystem::temp_directory_path() /
          ("zorva-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
  std::filesystem::create_directories(path_);
}

TempDir::~TempDir() {
  std::error_code ignored;
  std::filesystem::remove_all(path_, ignored);
}

std::string TempDir::write(const std::string& name, const std::string& text) const {
  const std::filesystem::path p = path_ / name;
  std::ofstream(p, std::ios::binary) << text;
  return p.string();
}

std::string file_text(const std::filesystem::path& file) {
  std::ifstream in(file, std::ios::binary);
  std::stringstream ss;
  ss << in.rdbuf();
  return ss.str();
}

std::string topology(int routers, int serial, int ethernet, int bri) {
  std::string s = "[GENERAL]\nnumberofrouters=" + std::to_string(routers) + "\n";
  for (int n = 1; n <= routers; ++n) {
    s += "[ROUTER" + std::to_string(n) + "]\nSerial=" + std::to_string(serial) +
         "\nEthernet=" + std::to_string(ethernet) + "\nBri=" + std::to_string(bri) + "\n";
  }
  return s;
}

}  // namespace zorva::testing
