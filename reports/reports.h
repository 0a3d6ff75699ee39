// The device reports of the `show` command (their handlers are in show_commands.h). Reports read a
// router record and return text; lines end with CR LF and a report normally begins with CR LF so
// that it starts below the typed command.
#pragma once

#include <string>
#include <string_view>

#include "parser/parsed_command.h"

namespace zorva {

class ErrorLog;
struct CommandContext;
struct ConsoleSession;
struct RouterRecord;

// The running configuration, line by line, as `show running-config` and `write terminal` print it
// and as `copy` and `write` save it.
std::string build_running_config(const RouterRecord& r);

// The version report: `template_text` (the command's template from the command database) with its
// uptime, host-name and interface-summary placeholders filled in, then the configuration register.
std::string build_show_version(const RouterRecord& r, std::string_view template_text,
                               long long uptime_seconds);

// Uptime as the version report words it: "1 day, ", " 2 hours, ", " 5 minutes", "0 minutes"...
std::string uptime_text(long long seconds);

// One line per interface type present: "2 Serial network interface(s)" and the like.
std::string interface_summary(const RouterRecord& r);

// Each interface with its state and address.
std::string build_show_protocols(const RouterRecord& r);

// The last exec_size lines of the EXEC history. Indexes outside the history are logged.
std::string build_show_history(const ConsoleSession& r, ErrorLog& log);

// The interface block of every interface; `real` prints them as a real router does.
std::string build_show_interfaces(const RouterRecord& r, bool real = false);

// The interface block of the interface whose type is `type_word` (any case) and whose ordinal
// among its type is `number_word` rounded down. A number that is not numeric is logged; when
// nothing matches, the report is an empty line.
std::string build_show_interfaces_specific(const RouterRecord& r, std::string type_word,
                                           std::string_view number_word, ErrorLog& log,
                                           bool real = false);

}  // namespace zorva
