// What one resolved command works on: the record of the router that typed it, the parsed line,
// and the few services of the simulation that commands and reports may use (the network's among
// them through the narrow NetworkRequests). A command changes
// only the record it is given; nothing else holds a copy of it while the command runs.
#pragma once

#include "base/behaviour.h"
#include "base/types.h"
#include "parser/parsed_command.h"

namespace zorva {

class CommandDatabase;
class ErrorLog;
class Host;
class IpRoutines;
class NetworkRequests;
struct ModeTables;
struct RouterRecord;
struct ConnectorTable;

struct CommandContext {
  RouterRecord& router;                        // the router that typed the line
  ParsedCommand& pc;                           // the resolved line
  ErrorLog& log;                               // where run-time failures are written
  IpRoutines& ip;                              // address arithmetic on dotted text
  const ModeTables& modes;                     // prompts and mode names
  Host& host;                                  // message boxes and the random source
  CommandDatabase& db;                         // report templates
  NetworkRequests& network;                    // ping, static routes and the ARP cache
  Int32 sim_clock;                             // seconds since start-up when the command runs
  Behaviour behaviour = Behaviour::Classic;    // the simulation's: classic or real-router
  const ConnectorTable* connectors = nullptr;  // the cabling, for real-router show controllers
};

}  // namespace zorva
