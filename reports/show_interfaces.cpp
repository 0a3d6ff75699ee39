// The interface reports: the block of every interface, or of the one named by type and ordinal.
#include <algorithm>
#include <cmath>

#include "base/error_log.h"
#include "base/number_text.h"
#include "parser/command_context.h"
#include "reports/display_name.h"
#include "reports/report_text.h"
#include "reports/reports.h"
#include "reports/show_commands.h"
#include "state/router_record.h"

namespace zorva {

namespace {

constexpr std::string_view kSpecificLogName = "build show interfaces specific()";

// Counters and rates are fixed: no traffic is counted.
constexpr std::string_view kCounterLines =
    "  Last input 00:00:00, output 00:00:00, output hang never\r\n"
    "  Last clearing of show interface counters never\r\n"
    "  Queueing strategy: fifo\r\n"
    "  Output queue 0/40, 0 drops; input queue 0/75, 0 drops\r\n"
    "  5 minute input rate 1000 bits/sec, 2 packets/sec\r\n"
    "  5 minute output rate 1000 bits/sec, 2 packets/sec\r\n"
    "     0 packets input, 0 bytes, 0 no buffer\r\n"
    "     Received 0 broadcasts, 0 runts, 0 giants, 0 throttles\r\n"
    "     0 input errors, 0 CRC, 0 frame, 0 overrun, 0 ignored, 0 abort\r\n"
    "     0 input packets with dribble condition detected\r\n"
    "     0 packets output, 0 bytes, 0 underruns\r\n"
    "     0 output errors, 0 collisions, 0 interface resets\r\n"
    "     0 babbles, 0 late collision, 0 deferred\r\n"
    "     0 lost carrier, 0 no carrier\r\n"
    "     0 output buffer failures, 0 output buffers swapped out\r\n";

constexpr std::size_t kBlockSizeEstimate = 1200;  // bytes of one interface block, roughly

std::string_view hardware_line(InterfaceType type) {
  if (type == InterfaceType::Ethernet)
    return "  Hardware is Lance, address is 0000.0c3d.e22c (bia 0000.0c3d.e22c)";
  if (type == InterfaceType::Serial) return "  Hardware is HD64570";
  if (type == InterfaceType::Bri) return "  Hardware is BRI";
  return "";
}

void append_interface_block(std::string& out, DisplayName name, const InterfaceEntry& e) {
  append_state_line(out, name, e);
  out.append(kLineEnd);
  const std::string_view hardware = hardware_line(e.type);
  if (!hardware.empty()) add_line(out, hardware);
  if (!e.description.empty()) add_line(out, "  Description: ", e.description);
  if (!e.ip_address.empty())
    add_line(out, "  Internet address is ", e.ip_address, "/", plain_number(e.prefix_length));
  add_line(out, "  MTU 1500 bytes, BW 10000 Kbit, DLY 1000 usec, rely 255/255, load 1/255");
  add_line(out, "  Encapsulation ", text_of(e.encapsulation),
           ", loopback not set, keepalive set (10 sec)");
  if (e.encapsulation == Encapsulation::Arpa)
    add_line(out, "  ARP type: ARPA, ARP Timeout 04:00:00");
  out.append(kCounterLines);
}

// A real router prints each interface's own bandwidth, delay and framing, and the state of PPP's
// link control protocol; a loopback is a software interface.
void append_real_interface_block(std::string& out, DisplayName name, const InterfaceEntry& e) {
  append_state_line(out, name, e);
  out.append(kLineEnd);
  const bool loopback = e.type == InterfaceType::Loopback;
  const std::string_view hardware = loopback ? "  Hardware is Loopback" : hardware_line(e.type);
  if (!hardware.empty()) add_line(out, hardware);
  if (!e.description.empty()) add_line(out, "  Description: ", e.description);
  if (!e.ip_address.empty())
    add_line(out, "  Internet address is ", e.ip_address, "/", plain_number(e.prefix_length));
  Int32 bandwidth = 1544, delay = 20000;
  if (e.type == InterfaceType::Ethernet) bandwidth = 10000, delay = 1000;
  if (e.type == InterfaceType::Bri) bandwidth = 64;
  if (loopback) bandwidth = 8000000, delay = 5000;
  if (e.bandwidth > 0) bandwidth = e.bandwidth;
  if (e.delay > 0) delay = e.delay * 10;  // `delay` is given in tens of microseconds
  add_line(out, "  MTU ", loopback ? "1514" : "1500", " bytes, BW ", plain_number(bandwidth),
           " Kbit, DLY ", plain_number(delay), " usec, rely 255/255, load 1/255");
  if (loopback) {
    add_line(out, "  Encapsulation LOOPBACK, loopback not set");
  } else {
    add_line(out, "  Encapsulation ", text_of(e.encapsulation),
             ", loopback not set, keepalive set (10 sec)");
  }
  if (e.encapsulation == Encapsulation::Arpa)
    add_line(out, "  ARP type: ARPA, ARP Timeout 04:00:00");
  if (e.encapsulation == Encapsulation::Ppp) {
    const bool open = e.line_protocol == LinkState::Up && !is_set(e.shutdown);
    add_line(out, open ? "  LCP Open" : "  LCP Closed");
    if (open) add_line(out, "  Open: IPCP, CDPCP");
  }
  out.append(kCounterLines);
}

void append_block(std::string& out, DisplayName name, const InterfaceEntry& e, bool real) {
  if (real)
    append_real_interface_block(out, name, e);
  else
    append_interface_block(out, name, e);
}

int interfaces_in_use(const RouterRecord& r) {
  return std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
}

}  // namespace

std::string build_show_interfaces(const RouterRecord& r, bool real) {
  const int count = interfaces_in_use(r);
  std::string out;
  out.reserve(2 + kBlockSizeEstimate * static_cast<std::size_t>(count));
  out.append(kLineEnd);
  DisplayNamer namer;
  for (int i = 1; i <= count; ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    append_block(out, namer.next(e), e, real);
  }
  return out;
}

std::string build_show_interfaces_specific(const RouterRecord& r, std::string type_word,
                                           std::string_view number_word, ErrorLog& log, bool real) {
  std::string out(kLineEnd);
  if (!is_numeric(number_word)) {
    log.log(kSpecificLogName, RuntimeError::TypeMismatch);
    return out;
  }
  type_word = to_upper(type_word);
  const double wanted = std::floor(leading_number(number_word));
  const int count = interfaces_in_use(r);
  DisplayNamer namer;
  for (int i = 1; i <= count; ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const DisplayName name = namer.next(e);
    if (text_of(e.type) == type_word && name.ordinal == wanted) {
      out.reserve(kBlockSizeEstimate + e.description.size());
      append_block(out, name, e, real);
      break;
    }
  }
  return out;
}

void show_interfaces_command(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer =
      build_show_interfaces(cmd.router, cmd.behaviour == Behaviour::RealRouter);
}

void show_interface_command(CommandContext& cmd) {
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = build_show_interfaces_specific(
      cmd.router, to_lower(trim(cmd.pc.FullWords[3])), cmd.pc.Words[4], cmd.log,
      cmd.behaviour == Behaviour::RealRouter);
  // A real router names an interface it does not have instead of printing nothing.
  if (cmd.behaviour == Behaviour::RealRouter && cmd.router.output_buffer == kLineEnd)
    cmd.router.output_buffer = "\r\n% Invalid interface type and number\r\n";
}

// Real-router `show interfaces description`: one line per interface with its state, its line
// protocol and its description.
void show_interfaces_description_command(CommandContext& cmd) {
  const RouterRecord& r = cmd.router;
  std::string out(kLineEnd);
  out.append("Interface                      Status         Protocol Description").append(kLineEnd);
  for (int i = 1; i <= std::clamp<int>(r.interface_count, 0, kMaxInterfaces); ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    const std::string status = is_set(e.shutdown)          ? "admin down"
                               : e.status == LinkState::Up ? "up"
                                                           : "down";
    std::string line = short_interface_name(e.name);
    line.resize(std::max<std::size_t>(line.size() + 1, 31), ' ');
    line += status;
    line.resize(46, ' ');
    line += e.line_protocol == LinkState::Up ? "up" : "down";
    line.resize(55, ' ');
    line += e.description;
    while (!line.empty() && line.back() == ' ') line.pop_back();
    out.append(line).append(kLineEnd);
  }
  cmd.router.output_pending = kTrue;
  cmd.router.output_buffer = std::move(out);
}

}  // namespace zorva
