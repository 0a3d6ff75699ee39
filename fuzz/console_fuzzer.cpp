// Feeds arbitrary key sequences into the consoles of a lab. Most bytes are character codes; a few
// stand for the keys and events a student produces besides typing:
//   0xF0..0xFB  F1..F12          0xFC  five seconds of simulated time pass
//   0xFD        answer Yes next  0xFE  answer No next     0xFF  answer Cancel next
// The lab is default.ini, unless the input starts with 0x00 (a key code that types nothing): the
// next byte then chooses two_routers.ini, square.ini or a topology built from the bytes after it
// (see read_topology), so cabling, interface counts and router counts vary too.
#include <unistd.h>

#include <cstddef>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <string>

#include "base/scripted_host.h"
#include "console/key_handler.h"
#include "simulation/simulation.h"

namespace {

namespace fs = std::filesystem;

// The input still to be used, a byte at a time.
struct Bytes {
  const std::uint8_t* data;
  std::size_t size;
  bool empty() const { return size == 0; }
  int next() {
    if (size == 0) return 0;
    --size;
    return *data++;
  }
};

const char* kInterfaceWords[] = {"Serial", "Ethernet", "Bri", "serial"};

// A topology of 1..4 routers: one byte for the router count, one per router for its serial (0..3),
// Ethernet (0..3) and BRI (0..1) counts, one for the cable count (0..7) and two per cable for its
// ends; interface numbers may name interfaces that do not exist.
std::string generated_topology(Bytes& in) {
  const int routers = 1 + in.next() % 4;
  std::string t = "[GENERAL]\nnumberofrouters=" + std::to_string(routers) + "\n";
  std::string sections;
  for (int n = 1; n <= routers; ++n) {
    const int b = in.next();
    sections += "[ROUTER" + std::to_string(n) + "]\nSerial=" + std::to_string(b & 3) +
                "\nEthernet=" + std::to_string((b >> 2) & 3) +
                "\nBri=" + std::to_string((b >> 4) & 1) + "\n";
  }
  const int cables = in.next() % 8;
  t += "numberofconnectors=" + std::to_string(cables) + "\n" + sections;
  for (int i = 1; i <= cables; ++i) {
    t += "[CONNECTOR" + std::to_string(i) + "]\nconnectortype=serial\n";
    for (const char* end : {"1", "2"}) {
      const int b = in.next();
      t += std::string("dev") + end + "name=Router" + std::to_string(1 + b % routers) + "\n";
      t += std::string("dev") + end + "interface=" + kInterfaceWords[(b >> 2) & 3] +
           std::to_string((b >> 4) & 3) + "\n";
    }
  }
  return t;
}

// The topology file to start on, consuming the bytes that chose it.
fs::path read_topology(Bytes& in, const fs::path& bin) {
  if (in.empty() || in.data[0] != 0) return bin / "default.ini";
  in.next();
  switch (in.next() % 4) {
    case 0:
      return bin / "topologies" / "two_routers.ini";
    case 1:
      return bin / "topologies" / "square.ini";
    default: {
      static const fs::path file =
          fs::temp_directory_path() / ("zorva-fuzz-" + std::to_string(::getpid()) + ".ini");
      std::ofstream(file, std::ios::binary | std::ios::trunc) << generated_topology(in);
      return file;
    }
  }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  static const fs::path bin = ZORVA_BIN_DIR;
  static const fs::path log =
      fs::temp_directory_path() / ("zorva-fuzz-" + std::to_string(::getpid()) + ".log");
  Bytes in{data, size};
  const fs::path topology = read_topology(in, bin);
  zorva::ScriptedHost host;
  zorva::Simulation sim(host, {bin, log});
  sim.start(topology.string());
  while (!in.empty()) {
    const int b = in.next();
    if (b >= 0xF0 && b <= 0xFB) {
      sim.function_key(b - 0xEF);
    } else if (b == 0xFC) {
      sim.scheduler.advance(5000);
    } else if (b == 0xFD) {
      host.queue_answer(zorva::Answer::Yes);
    } else if (b == 0xFE) {
      host.queue_answer(zorva::Answer::No);
    } else if (b == 0xFF) {
      host.queue_answer(zorva::Answer::Cancel);
    } else {
      sim.console_key(b);
    }
  }
  sim.scheduler.advance(60000);  // let any reload finish
  return 0;
}
