// Lab files as a student might hand them in: any bytes are opened as a lab file. A lab that opens
// is saved, and the saved file must open again and save as the same text; whatever the program
// saves, it opens. Nothing may crash, however deep, long or strange the file.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/scripted_host.h"
#include "lab/lab_file.h"

namespace {

namespace fs = std::filesystem;

// A private folder for the saved lab and the log; in memory where the system offers it, since
// each save is flushed to the disk.
fs::path work_folder() {
  const fs::path base =
      fs::is_directory("/dev/shm") ? fs::path("/dev/shm") : fs::temp_directory_path();
  fs::path dir = base / ("zorva-fuzz-lab-" + std::to_string(::getpid()));
  fs::create_directories(dir);
  return dir;
}

std::string read_file(const fs::path& file) {
  std::ifstream in(file, std::ios::binary);
  return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path dir = work_folder();
  zorva::ScriptedHost host;
  const zorva::SimulationPaths paths{ZORVA_BIN_DIR, dir / "zorva.log"};
  const std::string handed_in(reinterpret_cast<const char*>(data), size);
  const zorva::OpenedLab first = zorva::open_lab_text(handed_in, host, paths);
  if (!first.sim) {
    if (first.error.empty()) __builtin_trap();  // a refusal always says why
    return 0;
  }
  const fs::path file = dir / "lab.zlab";
  if (!zorva::save_lab(*first.sim, file, true).empty()) __builtin_trap();
  const zorva::OpenedLab second = zorva::open_lab_file(file, host, paths);
  if (!second.sim) __builtin_trap();
  if (zorva::lab_text(*second.sim, true) != read_file(file)) __builtin_trap();
  return 0;
}
