// What a router's console shares with the other consoles and the rest of the simulation: the one
// typed line, the parser, the clock's scheduler and the face's message boxes.
#pragma once

#include <string>

#include "base/behaviour.h"

namespace zorva {

class Host;
class Scheduler;
class Network;
class NetworkWork;
struct CommandParser;
struct ModeTables;

struct ConsoleContext {
  Host& host;                  // message boxes of the face
  Scheduler& scheduler;        // simulated time, for the reload's boot text
  const ModeTables& modes;     // prompts of the modes
  CommandParser& parser;       // resolves and runs the typed lines
  Network& network;            // static routes, ARP cache and ping after a command
  NetworkWork& network_work;   // the network work the last command asked for
  std::string& typed_line;     // the line being typed, shared by every console
  const Behaviour& behaviour;  // the simulation's: classic or real-router
};

}  // namespace zorva
