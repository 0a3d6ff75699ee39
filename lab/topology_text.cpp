#include "lab/topology_text.h"

#include <cstdio>
#include <filesystem>
#include <optional>
#include <random>
#include <sstream>

#include "base/checked.h"
#include "base/ini_reader.h"
#include "base/number_text.h"
#include "simulation/topology.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

// The topology text in a file of its own in the temporary folder, removed with the object. The
// topology reader takes a file, and one lab may be opened on several threads at once, so every
// copy gets a fresh name, created exclusively.
class TopologyCopy {
 public:
  explicit TopologyCopy(const std::string& text) {
    std::error_code ec;
    const fs::path dir = fs::temp_directory_path(ec);
    if (ec) return;
    std::random_device random;
    for (int attempt = 0; attempt < 16 && path_.empty(); ++attempt) {
      std::ostringstream name;
      name << "zorva-topology-" << std::hex << random() << random() << ".ini";
      const fs::path candidate = dir / name.str();
      std::FILE* f = std::fopen(candidate.string().c_str(), "wbx");
      if (!f) continue;
      const bool written = std::fwrite(text.data(), 1, text.size(), f) == text.size();
      if (std::fclose(f) == 0 && written) {
        path_ = candidate.string();
      } else {
        fs::remove(candidate, ec);
      }
    }
  }
  ~TopologyCopy() {
    std::error_code ec;
    if (!path_.empty()) fs::remove(path_, ec);
  }
  TopologyCopy(const TopologyCopy&) = delete;
  TopologyCopy& operator=(const TopologyCopy&) = delete;
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

}  // namespace

int topology_router_count(const std::string& text) {
  const TopologyCopy copy(text);
  if (copy.path().empty()) return -1;
  const IniFile ini = IniFile::read(copy.path());
  const std::optional<Int16> count =
      fit_int16(leading_number(ini.value("GENERAL", "numberofrouters")));
  return count ? *count : 0;
}

bool start_from_topology_text(Simulation& sim, const std::string& text) {
  const TopologyCopy copy(text);
  if (copy.path().empty()) return false;
  sim.start(copy.path());
  sim.topology_text = text;
  return true;
}

}  // namespace zorva
