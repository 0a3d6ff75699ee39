// Feeds arbitrary key sequences into the consoles of the default lab. Most bytes are character
// codes; a few stand for the keys and events a student produces besides typing:
//   0xF0..0xFB  F1..F12          0xFC  five seconds of simulated time pass
//   0xFD        answer Yes next  0xFE  answer No next
#include <cstddef>
#include <cstdint>
#include <filesystem>

#include "base/scripted_host.h"
#include "console/key_handler.h"
#include "simulation/simulation.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const std::filesystem::path bin = ZORVA_BIN_DIR;
  static const std::filesystem::path log =
      std::filesystem::temp_directory_path() / "zorva-fuzz.log";
  zorva::ScriptedHost host;
  zorva::Simulation sim(host, {bin, log});
  sim.start((bin / "default.ini").string());
  for (std::size_t i = 0; i < size; ++i) {
    const int b = data[i];
    if (b >= 0xF0 && b <= 0xFB) {
      sim.function_key(b - 0xEF);
    } else if (b == 0xFC) {
      sim.scheduler.advance(5000);
    } else if (b == 0xFD) {
      host.queue_answer(zorva::Answer::Yes);
    } else if (b == 0xFE) {
      host.queue_answer(zorva::Answer::No);
    } else {
      sim.console_key(b);
    }
  }
  sim.scheduler.advance(60000);  // let any reload finish
  return 0;
}
