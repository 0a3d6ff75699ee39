// Feeds arbitrary bytes to the readers that take text from outside: the script runner's reader,
// the terminal's key decoder and the INI reader of topology files. The first byte chooses the
// reader; the rest is its input. Besides the sanitizers, each reader's own promises are checked:
//   script   every step is well formed (router numbers and waits in range, keys known);
//   keys     decoding in one read gives the same keys as decoding byte by byte;
//   ini      every value is at most 49 characters with no blank at either end.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <string_view>
#include <vector>

#include "base/ini_reader.h"
#include "script/script_runner.h"
#include "term/key_decoder.h"

namespace {

void expect(bool promise_kept) {
  if (!promise_kept) std::abort();
}

void read_script(std::string_view text) {
  std::istringstream in{std::string(text)};
  std::vector<zorva::ScriptStep> steps;
  const auto error = zorva::parse_script(in, steps);
  if (error) expect(error->line_number >= 1);
  for (const zorva::ScriptStep& s : steps) {
    if (s.kind == zorva::ScriptStep::Kind::Router) expect(s.number >= -1e9 && s.number <= 1e9);
    if (s.kind == zorva::ScriptStep::Kind::Wait) expect(s.number >= 0 && s.number <= 1e12);
    if (s.kind == zorva::ScriptStep::Kind::Keys) expect(!s.keys.empty());
  }
}

void decode_keys(std::string_view bytes) {
  zorva::KeyDecoder whole, one_by_one;
  std::vector<zorva::KeyEvent> a, b;
  whole.feed(bytes, a);
  whole.flush(a);
  for (char c : bytes) one_by_one.feed(std::string_view(&c, 1), b);
  one_by_one.flush(b);
  expect(a == b);
  expect(!whole.pending());
}

void read_ini(std::string_view text) {
  static const std::filesystem::path file =
      std::filesystem::temp_directory_path() /
      ("zorva-fuzz-readers-" + std::to_string(::getpid()) + ".ini");
  std::ofstream(file, std::ios::binary | std::ios::trunc) << text;
  const zorva::IniFile ini = zorva::IniFile::read(file.string());
  expect(ini.status() == zorva::IniFile::Status::Read);
  for (const char* section : {"GENERAL", "ROUTER1", "CONNECTOR1", ""}) {
    for (const char* key : {"numberofrouters", "Serial", "dev1name", ""}) {
      const std::string v = ini.value(section, key);
      expect(v.size() <= zorva::kIniValueLimit);
      if (!v.empty()) expect(v.front() != ' ' && v.back() != ' ');
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  const std::string_view rest(reinterpret_cast<const char*>(data + 1), size - 1);
  switch (data[0] % 3) {
    case 0:
      read_script(rest);
      break;
    case 1:
      decode_keys(rest);
      break;
    default:
      read_ini(rest);
      break;
  }
  return 0;
}
