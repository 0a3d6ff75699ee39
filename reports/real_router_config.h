// The configuration as real routers show and save it, for the real-router behaviour: "version"
// and "end" in lower case, networks with the word `network`, the clock rate of a serial
// interface, a banner between its ^C marks, and a byte count that counts the bytes that follow.
#pragma once

#include <string>

namespace zorva {

struct RouterRecord;

// The saved form: "!" first and "end" last (what copy running-config startup-config keeps).
std::string build_real_router_config(const RouterRecord& r);

// `show running-config` and `write terminal`: "Building configuration...", then
// "Current configuration : N bytes" and the configuration, N being its size.
std::string show_real_router_running_config(const RouterRecord& r);

// `show running-config interface TYPE N`: that interface's block alone, with its own byte count,
// or "% Invalid interface type and number".
std::string show_real_router_interface_config(const RouterRecord& r, const std::string& name);

// `show startup-config` of a saved configuration: "Using N out of 32762 bytes", then the text.
std::string show_real_router_startup_config(const std::string& saved);

}  // namespace zorva
