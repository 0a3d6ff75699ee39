// The network engine: the patch panel that carries frames between cabled interfaces, the frame
// receiver of every router, the per-router timers (keepalives and line state, CDP, routing), ping
// and forwarding, and the console work a command leaves for the network (static routes, ARP).
//
// Delivery is synchronous and nested: a frame is handled by its receiver, including any frame the
// receiver sends in turn, before the sender's call returns. A receiver reads the sender's frame
// and copies it only to send it on (forwarding, a ping reply). The connector table is resolved
// once, when the network is wired, so a frame names its receiver directly instead of searching the
// cabling text.
#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "base/behaviour.h"
#include "base/scheduler.h"
#include "base/types.h"
#include "parser/network_requests.h"
#include "router/router.h"
#include "state/connector_table.h"
#include "state/router_record.h"

namespace zorva {

class ErrorLog;
class IpRoutines;
class LastCommandRouter;
struct LinkStateLine;
struct OspfDatabaseView;

// One end of a cable: router number and interface index, both from 1.
struct CableEnd {
  int router = 0;     // 0: no router of that number exists
  int interface = 0;  // 0: the router has no interface of that name
  bool resolved() const { return router > 0 && interface > 0; }
};

class Network {
 public:
  Network(RouterTable& routers, Scheduler& scheduler, ErrorLog& log, IpRoutines& ip,
          const Int32& sim_clock, const LastCommandRouter& last_command,
          const Behaviour& behaviour);

  // Resolves every connector end against routers 1..router_count: an interface listed in several
  // connectors is joined to the far end of the last one. An end naming a router or interface that
  // does not exist is logged once, and frames towards it are dropped.
  void wire(const ConnectorTable& connectors, int router_count);

  // Registers the panel's Ethernet keepalive timer, then each router's layer-2, CDP and
  // five-second timers, router by router. Registration order is the order in which timers due
  // at the same millisecond run.
  void start_timers();

  // Sends `frame` out of interface `interface` of router `from`: the far end receives it before
  // this returns. Nothing happens when no connector lists that interface.
  void packet_into_panel(int from, int interface, const PacketRecord& frame);

  // Router r receives `frame` on its interface `interface` (the receiver's steps in their order).
  void packet_from_patch_panel_to_router(Router& r, int interface, const PacketRecord& frame);

  // Sends `frame` on by the longest matching route of router r; drops it when no route matches
  // or its time to live is used up. Every call lowers the time to live by one.
  void ip_route_packet(Router& r, PacketRecord frame);

  // The work a command asks for (NetworkRequests), once the console has printed its output:
  // a ping of `destination`, a static route, the ARP cache emptied or printed.
  // `asked`: the ping questions were answered, so the output follows their last line directly.
  void ip_ping_execute(Router& r, const std::string& destination, int count = 5,
                       bool asked = false);
  void ip_traceroute_execute(Router& r, const std::string& destination);
  void set_static_route(Router& r, const StaticRoute& route);
  void Clear_Arp_Table(Router& r);
  void Build_Show_Arp(Router& r);
  std::string arp_text(const Router& r) const;
  // Real-router `show ip ospf database` and `show ip ospf` (network/ospf_database.cpp).
  std::string ospf_database_text(const Router& r) const;
  std::string ospf_process_text(const Router& r) const;

  // The timers' work, public so that tests can run one tick of one router.
  void TimerEthernetKeepAlive();
  void TimerLayer2(Router& r);
  void TimerCDP(Router& r);
  void Timer5Second(Router& r);

  const CableEnd& far_end(int router, int interface) const;

  // False while the serial line on interface `interface` of router `router` has no clock: the
  // cable's DCE end has no clock rate and the line is not clocked by a provider. Lines that need
  // no clock (Ethernet, provider-clocked, uncabled) are always clocked.
  bool line_clocked(int router, int interface) const;

  // After every command typed on router r. In the real-router behaviour a line shut down, an
  // address changed or a protocol switched off takes its routes away at once, and the routing
  // protocols tell the neighbours straight away; in classic nothing happens here.
  void after_command(Router& r);

 private:
  Router* router(int n) const;
  void receive_keepalive(Router& r, InterfaceEntry& e, const PacketRecord& frame);
  void receive_real_ppp_keepalive(Router& r, InterfaceEntry& e, const PacketRecord& frame);
  void receive_cdp(Router& r, const PacketRecord& frame, const std::string& heard_on);
  void learn_arp(Router& r, const PacketRecord& frame);
  bool addressed_to(const Router& r, const std::string& address) const;
  void send_keepalive(Router& r, int interface);
  void record_clock_end(const ConnectorEntry& c, const CableEnd& one, const CableEnd& two);
  // The real-router line state of interface i of router r from what the last tick heard and
  // from the line's clock; sets went_down or came_up when the line protocol went down or up.
  void real_line_state(Router& r, int i, bool& went_down, bool& came_up);
  void advertise_cdp(Router& r);
  void age_cdp_neighbors(Router& r);
  void run_protocols(Router& r);
  // The real-router behaviour's routing tick, its triggered updates and its static routes.
  void real_routing_tick(Router& r);
  void send_real_updates(Router& r, unsigned protocols);  // bit k: RoutingProtocol k
  void notice_line_changes(Router& r);
  // Prints the neighbour changes the routing engine logged for r ("%OSPF-5-ADJCHG: ...").
  void print_routing_messages(Router& r);
  void set_real_static_route(RouterRecord& rec, const StaticRoute& route);
  Task ping(Router& r, PacketRecord request);
  // Real-router ping and traceroute (network/real_ping.cpp): each echo answered or timed out by
  // itself on simulated time ("!", ".", or "U" when a router on the way has no route); one line
  // per hop with the address of the router that answered.
  Task real_ping(Router& r, PacketRecord request, int count, bool asked);
  Task real_traceroute(Router& r, std::string destination);
  // The router whose interface holds `address`, or nullptr.
  Router* router_with_address(const std::string& address) const;
  // The real-router OSPF link-state database of r, read off the routers it reaches.
  OspfDatabaseView ospf_database_of(const Router& r) const;
  std::vector<const Router*> ospf_routers_from(const Router& r, std::optional<Int32> area) const;
  void append_network_links(const Router& x, Int32 area, std::vector<LinkStateLine>& out) const;
  void append_summaries(const Router& x, Int32 area, std::vector<LinkStateLine>& out) const;
  // Real-router OSPF: a router originates its advertisements anew whenever what they say changes
  // (an interface, an address, a neighbour); each tick compares a digest of that with the last.
  void note_ospf_origin(const Router& r);
  LinkStateLine origin_line(const Router& x, const std::string& link_id) const;

  RouterTable& routers_;
  Scheduler& scheduler_;
  ErrorLog& log_;
  IpRoutines& ip_;
  const Int32& sim_clock_;
  const LastCommandRouter& last_command_;
  const Behaviour& behaviour_;  // the simulation's, read where the two behaviours differ
  int router_count_ = 0;
  // far_[n][i]: where a frame sent on interface i of router n arrives.
  std::vector<std::vector<CableEnd>> far_;
  // The Ethernet ends of the cabling, in connector order, each given a keepalive by the panel.
  std::vector<CableEnd> ethernet_ends_;
  // clock_end_[n][i]: the DCE end that must give the clock to the serial line on interface i of
  // router n; unresolved when the line needs no clock rate.
  std::vector<std::vector<CableEnd>> clock_end_;
  struct OspfOrigin {
    std::uint64_t digest = 0;
    Int32 changed_at = 0;  // sim_clock when the router last originated its advertisements
    Int32 originated = 0;  // how many times it has, the sequence number's count
  };
  std::vector<OspfOrigin> ospf_origins_;  // by router number
  bool ping_reply_received_ = false;      // a ping reply reached the router it was meant for
  // Real-router: a router on the way had no route for an echo request and can tell its source
  // ("host unreachable", the ping's "U").
  bool ping_unreachable_ = false;
};

}  // namespace zorva
