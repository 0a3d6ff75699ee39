// The patch panel: resolving the cabling once, carrying a frame to the far end of a cable, and
// the Ethernet keepalives the panel gives every cabled Ethernet interface.
#include <algorithm>

#include "base/error_log.h"
#include "base/number_text.h"
#include "network/last_command_router.h"
#include "network/network.h"

namespace zorva {

namespace {

constexpr std::string_view kPanelLogName = "Packet into panel()";

// The router a sender names itself as: "Router" and its number, compared without regard to case.
// 0 when `name` is not exactly that for a router 1..count.
int sender_number(const std::string& name, int count) {
  for (int n = 1; n <= count; ++n)
    if (to_upper(name) == "ROUTER" + std::to_string(n)) return n;
  return 0;
}

// The router a frame is delivered to: the number that follows "Router" in the far-end name
// ("Router12" is router 12). 0 when that number names no router.
int receiver_number(const std::string& name, int count) {
  const double n = name.size() > 6 ? leading_number(std::string_view(name).substr(6)) : 0;
  return n >= 1 && n <= count && n == static_cast<int>(n) ? static_cast<int>(n) : 0;
}

// The last interface of `r` whose name matches `name` without regard to case, or 0.
int interface_named(const RouterRecord& r, const std::string& name) {
  int found = 0;
  const std::string wanted = to_upper(name);
  for (int i = 1; i <= r.interface_count; ++i)
    if (to_upper(r.interfaces[i].name) == wanted) found = i;
  return found;
}

}  // namespace

Network::Network(RouterTable& routers, Scheduler& scheduler, ErrorLog& log, IpRoutines& ip,
                 const Int32& sim_clock, const LastCommandRouter& last_command,
                 const Behaviour& behaviour)
    : routers_(routers),
      scheduler_(scheduler),
      log_(log),
      ip_(ip),
      sim_clock_(sim_clock),
      last_command_(last_command),
      behaviour_(behaviour) {}

Router* Network::router(int n) const {
  return n >= 1 && n <= router_count_ ? routers_[static_cast<std::size_t>(n)].get() : nullptr;
}

const CableEnd& Network::far_end(int router, int interface) const {
  static const CableEnd kNowhere;
  if (router < 1 || router > router_count_) return kNowhere;
  const auto& ends = far_[static_cast<std::size_t>(router)];
  return interface >= 1 && interface < static_cast<int>(ends.size())
             ? ends[static_cast<std::size_t>(interface)]
             : kNowhere;
}

void Network::wire(const ConnectorTable& connectors, int router_count) {
  router_count_ = std::clamp(router_count, 0, kMaxRouters);
  far_.assign(static_cast<std::size_t>(router_count_) + 1, {});
  for (int n = 1; n <= router_count_; ++n)
    far_[static_cast<std::size_t>(n)].assign(
        static_cast<std::size_t>(std::max<int>(router(n)->record.interface_count, 0)) + 1, {});
  ethernet_ends_.clear();
  clock_end_ = far_;

  // The end a frame arrives at, as the receiver finds it: router by number, interface by name.
  auto arrival = [this](const std::string& name, const std::string& interface) {
    CableEnd end;
    end.router = receiver_number(name, router_count_);
    if (end.router > 0) end.interface = interface_named(router(end.router)->record, interface);
    return end;
  };
  // The interface that sends into this end: the router that names itself so, its interface.
  auto sender = [this](const std::string& name, const std::string& interface) {
    CableEnd end;
    end.router = sender_number(name, router_count_);
    if (end.router > 0) end.interface = interface_named(router(end.router)->record, interface);
    return end;
  };

  for (int c = 1; c <= connectors.stored(); ++c) {
    const ConnectorEntry& e = connectors.entries[static_cast<std::size_t>(c)];
    const CableEnd one = arrival(e.dev1name, e.dev1interface);
    const CableEnd two = arrival(e.dev2name, e.dev2interface);
    // A connector that names a router or interface that does not exist is logged once here;
    // frames towards it are dropped without a word. A section missing from the file names nothing.
    const bool named = !(e.dev1name + e.dev1interface + e.dev2name + e.dev2interface).empty();
    if (named && (!one.resolved() || !two.resolved()))
      log_.log(kPanelLogName, RuntimeError::SubscriptOutOfRange);
    // A later connector listing the same interface replaces the earlier far end.
    if (const CableEnd s = sender(e.dev1name, e.dev1interface); s.resolved())
      far_[static_cast<std::size_t>(s.router)][static_cast<std::size_t>(s.interface)] = two;
    if (const CableEnd s = sender(e.dev2name, e.dev2interface); s.resolved())
      far_[static_cast<std::size_t>(s.router)][static_cast<std::size_t>(s.interface)] = one;
    record_clock_end(e, one, two);
    if (to_upper(e.dev1interface).starts_with('E')) ethernet_ends_.push_back(one);
    if (to_upper(e.dev2interface).starts_with('E')) ethernet_ends_.push_back(two);
  }
}

// A serial line that is not provider-clocked takes its clock from its DCE end, at both ends.
void Network::record_clock_end(const ConnectorEntry& c, const CableEnd& one, const CableEnd& two) {
  if (c.clocked || !one.resolved() || !two.resolved()) return;
  const auto serial = [this](const CableEnd& end) {
    return router(end.router)->record.interfaces[end.interface].type == InterfaceType::Serial;
  };
  if (!serial(one) || !serial(two)) return;
  const CableEnd& dce = c.dce_is_dev2 ? two : one;
  clock_end_[static_cast<std::size_t>(one.router)][static_cast<std::size_t>(one.interface)] = dce;
  clock_end_[static_cast<std::size_t>(two.router)][static_cast<std::size_t>(two.interface)] = dce;
}

bool Network::line_clocked(int router_number, int interface) const {
  if (router_number < 1 || router_number > router_count_) return true;
  const auto& ends = clock_end_[static_cast<std::size_t>(router_number)];
  if (interface < 1 || interface >= static_cast<int>(ends.size())) return true;
  const CableEnd& dce = ends[static_cast<std::size_t>(interface)];
  return !dce.resolved() || router(dce.router)->record.interfaces[dce.interface].clock_rate > 0;
}

void Network::packet_into_panel(int from, int interface, const PacketRecord& frame) {
  const CableEnd& far = far_end(from, interface);
  if (!far.resolved()) return;
  // On a real router only keepalives cross a line whose protocol is down at either end.
  if (behaviour_ == Behaviour::RealRouter && !is_set(frame.keepalive)) {
    const Router* sender = router(from);
    const Router* receiver = router(far.router);
    if (sender == nullptr || receiver == nullptr ||
        sender->record.interfaces[interface].line_protocol != LinkState::Up ||
        receiver->record.interfaces[far.interface].line_protocol != LinkState::Up)
      return;
  }
  packet_from_patch_panel_to_router(*router(far.router), far.interface, frame);
}

// The panel stands for the Ethernet segment: each cabled Ethernet end hears a keepalive every
// two seconds, whatever the state of the router at the other end.
void Network::TimerEthernetKeepAlive() {
  PacketRecord keepalive;
  keepalive.frame_type = Encapsulation::Ethernet;
  keepalive.keepalive = kTrue;
  for (const CableEnd& end : ethernet_ends_)
    if (end.resolved())
      packet_from_patch_panel_to_router(*router(end.router), end.interface, keepalive);
}

void Network::start_timers() {
  scheduler_.add_timer("TimerEthernetKeepAlive", 2000, [this] { TimerEthernetKeepAlive(); });
  for (int n = 1; n <= router_count_; ++n) {
    Router& r = *router(n);
    scheduler_.add_timer("TimerLayer2", 2000, [this, &r] { TimerLayer2(r); });
    scheduler_.add_timer("TimerCDP", 5000, [this, &r] { TimerCDP(r); });
    scheduler_.add_timer("Timer5Second", 5000, [this, &r] { Timer5Second(r); });
  }
}

}  // namespace zorva
