// The IP view of the interfaces: `show ip interface` and `show ip interface brief`.
#pragma once

#include <string>
#include <string_view>

namespace zorva {

struct RouterRecord;

// Every interface in table order with its state line and, when it has an address, its address
// line followed by `interface_template` (the per-interface lines kept as the command's template in
// the command database) and CR LF. With `only` ("Serial0"), that interface alone; nothing when
// the router has none of that name.
std::string build_show_ip_int(const RouterRecord& r, std::string_view interface_template,
                              std::string_view only = {});

// The fixed-column table: one row per interface with its address, method, status and protocol.
std::string build_show_ip_int_brief(const RouterRecord& r);

// The brief table as real routers print it: wider columns, "manual" or "unset" as the method.
std::string build_real_ip_int_brief(const RouterRecord& r);

}  // namespace zorva
