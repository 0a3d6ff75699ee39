// The whole state of one simulated router, its sub-records, and the operations that build a fresh
// router. A record is a value type: assigning one copies every field, arrays included.
#pragma once

#include <array>
#include <cstdint>
#include <functional>
#include <map>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "base/types.h"
#include "state/name_services.h"
#include "state/record_enums.h"
#include "state/redistribution.h"
#include "state/routing_bookkeeping.h"

namespace zorva {

class ErrorLog;

inline constexpr int kMaxInterfaces = 50;    // interfaces 1..50 of a router
inline constexpr int kMaxRoutes = 80;        // routes 1..80 in each routing table
inline constexpr int kMaxCdpNeighbors = 50;  // CDP neighbours 1..50
inline constexpr int kMaxUsers = 5;          // usernames 1..5
inline constexpr int kHistorySlots = 100;    // history lines 1..100 per list
inline constexpr int kMaxPacketRoutes = 50;  // routes 1..50 carried by a routing update

// One route, in the routing table or among the learned candidates. The network is kept as a
// 32-bit value and its prefix as a number; reports print them as dotted text and plain digits.
struct RouteEntry {
  Int16 distance = 0;             // administrative distance: 0 connected, 1 static, 90..120 dynamic
  Flag superseded = kFalse;       // a candidate with a lower distance exists for the same network
  Int16 age = 0;                  // raised by 3 on every maintenance pass, 0 when refreshed
  char code = 'C';                // 'C', 'S', 'R', 'I', 'D' or 'O'
  Ipv4 network = 0;               // network address
  Int16 prefix_length = 0;        // mask length
  Int32 metric = 0;               // route metric
  Int16 interface_index = 0;      // index in `interfaces` of the interface the route uses
  std::string interface_name;     // name of that interface; empty for static routes
  std::string interface_address;  // that interface's address, or a static route's next hop
  Int16 out_index = 0;            // the same interface index, read by forwarding
  // Kept by the real-router behaviour only; classic leaves them at zero.
  Ipv4 next_hop = 0;          // the advertising neighbour, or a static route's next hop; 0 for none
  Int32 learned_at = 0;       // sim_clock when the route was first learned
  Int32 refreshed_at = 0;     // sim_clock when the route was last heard
  Int32 bandwidth = 0;        // IGRP/EIGRP: lowest bandwidth on the path, kbit/s
  Int32 delay = 0;            // IGRP/EIGRP: sum of the delays on the path, tens of microseconds
  Int32 area = -1;            // OSPF: area the route was learned in; -1 for none
  Flag inter_area = kFalse;   // OSPF: the route comes from another area ("O IA")
  Flag external = kFalse;     // OSPF: an external (default) route ("O*E2")
  Int32 reported_metric = 0;  // EIGRP: the metric the neighbour advertised (reported distance)
};

// The CDP block of a frame, kept whole for every CDP neighbour.
struct CdpInfo {
  Flag present = kFalse;     // the frame carries a CDP advertisement
  std::string tag;           // always "1"; nobody reads it
  std::string device_id;     // sender's host name
  std::string spare;         // never set
  std::string port_id;       // name of the sending interface
  std::string platform;      // "1700"
  std::string capabilities;  // "R"
  std::string address;       // address of the sending interface
};

// What two real routers' OSPF hellos must agree on before the routers become neighbours: the
// timers and the authentication (its type, and the key with its number for message digests).
struct OspfHelloTerms {
  Int32 hello = 10;
  Int32 dead = 40;
  OspfAuthentication authentication = OspfAuthentication::None;
  Int16 key_id = 0;
  std::string key;
  bool operator==(const OspfHelloTerms&) const = default;
};

// One frame crossing the patch panel. Frames are small values: a keepalive or CDP frame carries
// no routes, and a routing update carries exactly the routes it carries (`routes.size()` is the
// update count).
struct PacketRecord {
  Int16 path_cost = 0;                             // OSPF cost carried by an OSPF update
  Int16 hop_count = 0;                             // hop count of RIP and IGRP updates
  Encapsulation frame_type = Encapsulation::None;  // layer-2 framing of the sending interface
  Flag keepalive = kFalse;                         // the frame is a layer-2 keepalive
  std::string src_mac;                        // MAC of the sending interface; empty on serial lines
  CdpInfo cdp;                                // CDP advertisement
  std::string protocol;                       // "IP" for layer-3 frames
  FramePayload payload = FramePayload::None;  // a ping or a routing update; None for layer 2
  Int16 ttl = 0;                              // time to live of a ping packet, lowered at every hop
  std::string src_ip;                         // source address
  std::string dst_ip;                         // destination address
  std::string out_interface;                  // interface on which the last hop sent the frame
  std::string router_id;                      // OSPF router ID of the sender
  std::vector<RouteEntry> routes;             // routes carried by a routing update, at most 50
  // The sending interface's PPP authentication.
  PppAuthentication ppp_authentication = PppAuthentication::None;
  std::string sender_hostname;          // the sending router's host name
  std::string chap_secret;              // the secret offered for CHAP
  Flag sender_keepalive_seen = kFalse;  // the sending interface's keepalive_seen
  // Real-router routing updates: what the receiver checks before it takes the update.
  Int32 as_number = 0;       // IGRP/EIGRP: the sender's autonomous-system number
  Int32 sender_area = -1;    // OSPF: the area of the sending interface
  std::string pap_username;  // PPP PAP: the name the sender offers
  std::string pap_password;  // PPP PAP: the password the sender offers
  // Real-router PPP CHAP: the sender's `username` entries (name, password), from which the
  // receiver takes the secret the sender would answer its challenge with.
  std::vector<std::pair<std::string, std::string>> sender_users;
  std::string chap_name;      // the name the sender answers with: "ppp chap hostname" or its own
  std::string chap_password;  // "ppp chap password": its answer to a peer it holds no user for
  Int16 rip_version = 0;      // RIP: the version of the update, 1 or 2
  OspfHelloTerms ospf_terms;  // OSPF: the sending interface's timers and authentication
};

// One CDP neighbour: the advertisement as first heard and when it was last heard.
struct CdpNeighborEntry {
  CdpInfo info;                 // the advertisement as first heard from that neighbour
  Int32 received_at = 0;        // sim_clock when the neighbour was last heard (32-bit, see README)
  std::string local_interface;  // real-router: the interface it was heard on; "" in classic
};

// The command history: two rings of 100 lines, one for EXEC modes and one for configuration.
struct HistoryBlock {
  std::array<std::string, kHistorySlots + 1> exec_lines{};    // lines of modes 1..3, from index 1
  Int16 exec_count = 0;                                       // index of the newest exec line
  Flag exec_wrapped = kFalse;                                 // the exec ring has wrapped
  Int16 exec_size = 10;                                       // history size for exec lines
  std::array<std::string, kHistorySlots + 1> config_lines{};  // lines of modes 4..14
  Int16 config_count = 0;                                     // index of the newest config line
  Flag config_wrapped = kFalse;                               // the config ring has wrapped
  Int16 config_size = 10;                                     // history size for config lines
  Int16 recall_pos = 0;                                       // how far back recall stands
  std::string saved_line;                                     // line being typed when recall began
};

// A real router's OSPF settings of one interface; zero or empty means the default.
struct OspfInterfaceSettings {
  Int32 hello_interval = 0;  // "ip ospf hello-interval"; 0 for 10 seconds
  Int32 dead_interval = 0;   // "ip ospf dead-interval"; 0 for four hello intervals
  // "ip ospf authentication [message-digest | null]"; FromArea when not given.
  OspfAuthentication authentication = OspfAuthentication::FromArea;
  std::string authentication_key;  // "ip ospf authentication-key KEY"
  Int16 md5_key_id = 0;            // "ip ospf message-digest-key N md5 KEY"; 0 for none
  std::string md5_key;
};

// One interface of a router.
struct InterfaceEntry {
  Flag cdp_enable = kFalse;   // CDP runs on this interface
  std::string description;    // "description" text
  Flag eigrp_state = kFalse;  // an EIGRP network statement covers the interface
  Encapsulation encapsulation = Encapsulation::None;        // configured: HDLC, PPP or ARPA
  Encapsulation encapsulation_shown = Encapsulation::None;  // shown by the CDP report
  Flag igrp_state = kFalse;                  // an IGRP network statement covers the interface
  InterfaceType type = InterfaceType::None;  // serial, Ethernet or BRI
  std::string number;                        // port number within its type: "0", "1", ...
  std::string name;                          // type name word and number: Serial0, Ethernet1, Bri0
  std::string ip_address;                    // dotted address from "ip address"
  Int16 prefix_length = 0;                   // mask length of the address
  std::string network_address;               // dotted network address (address AND mask)
  Ipv4 network_value = 0;                    // the network address as a 32-bit value
  Int16 keepalive_misses = 0;                // layer-2 ticks without a keepalive from the far end
  Encapsulation line_encapsulation =
      Encapsulation::None;             // framing on the wire: HDLC, PPP, ETHERNET
  LinkState status = LinkState::Down;  // the interface's status
  std::string mac_address;             // Ethernet hardware address 000C.nnnn.nnnn
  Flag ospf_state = kFalse;            // an OSPF network statement covers the interface
  Int16 ospf_priority = 0;             // "ip ospf priority"
  Int16 ospf_cost = 0;                 // "ip ospf cost"
  // "ppp authentication chap" sets Chap.
  PppAuthentication ppp_authentication = PppAuthentication::None;
  Int32 clock_rate = 0;          // real-router "clock rate" in bit/s; 0 when none is set
  Flag keepalive_seen = kFalse;  // a keepalive with matching encapsulation arrived
  LinkState line_protocol = LinkState::Down;  // its line protocol
  Flag rip_state = kFalse;                    // a RIP network statement covers the interface
  Flag shutdown = kFalse;                     // administratively down
  std::string subnet_mask;                    // mask as typed in "ip address"
  // Real-router settings; 0 or empty means the interface type's default.
  Int32 bandwidth = 0;                 // "bandwidth", kbit/s
  Int32 delay = 0;                     // "delay", tens of microseconds
  Flag ospf_cost_configured = kFalse;  // "ip ospf cost" was given: it overrides 10^8/bandwidth
  Flag ospf_point_to_point = kFalse;   // "ip ospf network point-to-point"
  std::string pap_username;            // "ppp pap sent-username" name
  std::string pap_password;            // "ppp pap sent-username" password
  std::string chap_hostname;           // "ppp chap hostname": the CHAP name sent instead
  std::string chap_password;           // "ppp chap password": the default CHAP secret
  // "ip summary-address rip A M": RIP advertises this summary on the interface instead of the
  // routes it holds; a prefix length of 0 means none.
  Ipv4 rip_summary_network = 0;
  Int16 rip_summary_length = 0;
  // "ip summary-address eigrp AS A M": EIGRP advertises this summary on the interface instead of
  // the routes inside it, and routes the summary to Null0; a prefix length of 0 means none.
  Ipv4 eigrp_summary_network = 0;
  Int16 eigrp_summary_length = 0;
  Int32 eigrp_summary_as = 0;  // the AS number typed with it
  // "passive-interface" per routing protocol: bit k for RoutingProtocol k.
  Int16 passive_protocols = 0;
  OspfInterfaceSettings ospf;  // real-router OSPF timers and authentication
};

struct EigrpNeighborEntry {
  std::string address;          // neighbour address
  std::string interface;        // interface it was heard on
  Int32 last_heard = 0;         // sim_clock when last heard
  Int16 srtt = 0;               // smoothed round-trip time shown in reports
  std::string mask;             // mask of the neighbour's network
  Int32 up_since = 0;           // sim_clock when first heard
  std::string local_interface;  // real-router: the interface it was heard on
};

struct OspfNeighborEntry {
  std::string address;          // neighbour address
  std::string interface;        // interface it was heard on
  Int32 last_heard = 0;         // sim_clock when last heard
  Int32 first_heard = 0;        // sim_clock when first heard
  std::string router_id;        // neighbour's OSPF router ID
  Int16 priority = 0;           // neighbour's OSPF priority
  std::string mask;             // mask of the neighbour's network
  std::string local_interface;  // real-router: the interface it was heard on
};

struct OspfNetworkEntry {
  std::string network;        // typed address AND NOT the wildcard, dotted
  std::string wildcard;       // wildcard as typed
  std::string area;           // area number as decimal text
  std::string wildcard_bits;  // wildcard-bit count, or "0x" and the wildcard in hexadecimal
};

inline constexpr int kMaxProtocolNetworks = 10;   // RIP, IGRP and EIGRP network statements
inline constexpr int kMaxOspfNetworks = 15;       // OSPF network statements
inline constexpr int kMaxProtocolNeighbors = 20;  // EIGRP and OSPF neighbours

// Routing-protocol configuration and neighbour tables.
struct ProtocolBlock {
  Flag eigrp_enabled = kFalse;                                         // an EIGRP network exists
  Int16 eigrp_network_count = 0;                                       // eigrp_networks in use
  std::array<Int16, 11> eigrp_process_numbers{};                       // [1]: the AS number
  std::array<std::string, kMaxProtocolNetworks + 1> eigrp_networks{};  // EIGRP networks
  std::array<EigrpNeighborEntry, kMaxProtocolNeighbors + 1> eigrp_neighbors{};  // neighbours
  Int16 eigrp_neighbor_count = 0;                                               // neighbours in use
  std::array<std::string, kMaxProtocolNetworks + 1> igrp_networks{};            // IGRP networks
  Int16 igrp_network_count = 0;                  // igrp_networks in use
  Flag igrp_enabled = kFalse;                    // an IGRP network exists
  std::array<Int16, 11> igrp_process_numbers{};  // [1]: the AS number
  std::array<OspfNeighborEntry, kMaxProtocolNeighbors + 1> ospf_neighbors{};  // neighbours
  Int16 ospf_neighbor_count = 0;                                              // neighbours in use
  std::array<OspfNetworkEntry, kMaxOspfNetworks + 1> ospf_networks{};         // OSPF networks
  Int16 ospf_network_count = 0;                                      // ospf_networks in use
  Flag ospf_enabled = kFalse;                                        // an OSPF network exists
  std::array<Int16, 11> ospf_process_numbers{};                      // [1]: the process number
  Flag rip_enabled = kFalse;                                         // a RIP network exists
  std::array<std::string, kMaxProtocolNetworks + 1> rip_networks{};  // RIP networks
  Int16 rip_network_count = 0;                                       // rip_networks in use
  // Real-router OSPF: the router ID chosen when the process started, and the one `router-id`
  // asks for (taken at the next start or `clear ip ospf process`).
  std::string ospf_active_router_id;
  std::string ospf_configured_router_id;
  Int32 ospf_reference_bandwidth = 100;  // "auto-cost reference-bandwidth", Mbit/s
  Flag ospf_default_originate = kFalse;  // real-router OSPF "default-information originate"
  // Real-router RIP: "version 1|2" (0: neither given, send 1 and receive both), "no auto-summary",
  // and "default-information originate".
  Int16 rip_version = 0;
  Flag rip_no_auto_summary = kFalse;
  Flag rip_default_originate = kFalse;
  Flag eigrp_no_auto_summary = kFalse;  // real-router EIGRP "no auto-summary"
  // Real-router OSPF "area N authentication [message-digest]": Simple or MessageDigest by area.
  std::map<Int32, OspfAuthentication> ospf_area_authentication;
  // Real-router "maximum-paths N" by the code of the protocol's routes ('R', 'I', 'D', 'O');
  // a protocol not named keeps four equal paths.
  std::map<char, Int16> maximum_paths;
  // Real-router `redistribute ...` by the code of the process's routes ('R', 'D', 'O').
  std::map<char, Redistribution> redistribution;
};

// The console dialogue a command leaves behind for the console to carry out once the command is
// done. (Work for the network engine goes through NetworkRequests instead.)
enum class PendingAction : Int16 {
  None,    // nothing to do
  Banner,  // "BANNER": the following lines are banner text up to the delimiter
  Reload,  // "RELOAD": ask about saving, then play the boot text
  // Real-router only: "Destination filename [startup-config]?" waits for its answer, after
  // which the running configuration is saved.
  SaveQuestion,
  // Real-router only: "Reset ALL OSPF processes? [no]:" waits for its answer.
  ClearOspfQuestion,
  // Real-router only: `ping` without an address asks its questions one by one (protocol, target,
  // repeat count ...); the answers so far are kept in the console session.
  PingQuestions,
};

// What the console asks of the parser for the current line.
enum class ParseAction : Int16 {
  None,               // no line is being resolved
  Execute,            // "execute": Enter
  QuestionMark,       // "questionmark": "?" typed directly after a character
  SpaceQuestionMark,  // "space_questionmark": "?" after a blank or on an empty line
  Tab,                // "tab": complete the line
};

// The word each action has in the log and in the command's own vocabulary ("RELOAD", "execute").
const char* action_name(PendingAction a);
const char* action_name(ParseAction a);

// A terminal line's real-router settings: "exec-timeout", "logging synchronous" and "login".
struct LineSettings {
  Int32 exec_timeout_minutes = 10;  // 10 0 is what a line has until told otherwise
  Int32 exec_timeout_seconds = 0;
  Flag logging_synchronous = kFalse;
  Flag login = kFalse;
};

// The lines a router has, indexing RouterConfig::line_settings.
enum class TerminalLine : Int16 { Console, Aux, Vty };

// What the student configured: the fields lab files save, and the router's identity.
struct RouterConfig {
  std::string aux_password;        // "password" in line-aux mode
  std::string banner_motd;         // message-of-the-day banner
  Flag cdp_run = kFalse;           // CDP enabled on the router
  Int32 cdp_timer = 0;             // CDP advertisement period, seconds
  Int32 cdp_holdtime = 0;          // CDP holdtime, seconds
  Flag cdp_advertise_v2 = kFalse;  // CDP version-2 advertisements on
  std::string config_register;     // configuration register as show version prints it
  std::string console_password;    // "password" in line-console mode
  std::string enable_password;     // "enable password" value
  std::string hostname;            // host name
  // Interfaces from index 1; each carries its line state beside its settings.
  std::array<InterfaceEntry, kMaxInterfaces + 1> interfaces{};
  Int16 router_number = 0;     // this router's number, 1..50
  Int16 interface_count = 0;   // interfaces created, 0..50
  std::string ospf_router_id;  // OSPF router ID
  ProtocolBlock protocols;     // routing-protocol configuration (and the neighbours it keeps)
  std::string enable_secret;   // "enable secret", every character code raised by one
  std::string startup_config;  // saved configuration text
  std::array<std::string, kMaxUsers + 1> usernames{};       // "username" names, from index 1
  Int16 username_count = 0;                                 // usernames in use
  std::array<std::string, kMaxUsers + 1> user_passwords{};  // password of each username
  // Real-router `username NAME privilege N secret ...`: the privilege given (0: none) and whether
  // the password is a secret, which the configuration shows hashed.
  std::array<Int16, kMaxUsers + 1> user_privileges{};
  std::array<Flag, kMaxUsers + 1> user_secrets{};
  std::string vty_password;  // "password" in line-vty mode
  // Real-router only: "service password-encryption", the lines' settings by TerminalLine, and
  // the last vty line configured (`line vty 0 15` reaches 15).
  Flag password_encryption = kFalse;
  // "service timestamps debug|log ...": what follows the kind word ("uptime" until changed).
  std::string timestamps_debug = "uptime";
  std::string timestamps_log = "uptime";
  NameServices names;  // real-router `ip host`, `ip domain-name`, `ip domain-lookup`
  std::array<LineSettings, 3> line_settings{};
  Int16 vty_last_line = 4;
};

// The console's session: the mode and what it is configuring, the dialogues in progress, the
// history, and output waiting to be printed or held at "--MORE--".
struct ConsoleSession {
  std::string prompt;       // prompt suffix after the host name
  Int16 mode = 0;           // current CLI mode, 1..14
  Int16 cur_if_number = 0;  // port number given in the last "interface" command
  Int16 cur_if_index = 0;   // index of the interface being configured
  InterfaceType cur_if_type = InterfaceType::None;     // type of the interface being configured
  std::string banner_delimiter;                        // delimiter of the banner being entered
  PendingAction pending_action = PendingAction::None;  // console work a command leaves
  Int16 password_state = 0;  // what the keys answer besides commands: state/console_login.h
  Int16 password_tries = 0;  // failed enable-password attempts
  HistoryBlock history;      // command history
  ParseAction parse_action = ParseAction::None;  // what the console asked of the parser
  Int16 paging_state = 0;                        // non-zero while output is held at "--MORE--"
  std::string paging_rest;                       // output held back at "--MORE--"
  // Real-router `terminal length N`: carriage returns per screen before "--MORE--"; 0 never
  // pauses. Classic keeps 24.
  Int16 terminal_length = 24;
  // Real-router `debug ...`: the debugging switched on, by the name `show debugging` gives it
  // ("RIP protocol"); `undebug all` empties it.
  std::vector<std::string> debugging;
  // Real-router `clock set`: the calendar clock is the boot time (00:00 UTC Mon Mar 1 1993) plus
  // the simulated seconds, plus this offset once the clock has been set.
  Flag clock_set = kFalse;
  std::int64_t clock_offset = 0;
  std::string output_buffer;     // text a command leaves for the console
  Flag output_pending = kFalse;  // output_buffer is to be printed after the command
  // Real-router `ping` without an address: the question being asked (0 the first) and the answers
  // that matter so far.
  Int16 ping_question = 0;
  std::string ping_target;
  Int32 ping_repeat = 5;
};

// What the router learned from the network: neighbours heard by CDP and the routing tables.
struct LearnedState {
  std::array<CdpNeighborEntry, kMaxCdpNeighbors + 1> cdp_neighbors{};  // CDP neighbour table
  Int16 cdp_neighbor_count = 0;                                        // cdp_neighbors in use
  std::array<RouteEntry, kMaxRoutes + 1> routes{};                     // the routing table
  std::array<RouteEntry, kMaxRoutes + 1> learned_routes{};  // candidate and static routes
  Int16 route_count = 0;                                    // routes in use
  Int16 learned_route_count = 0;                            // learned_routes in use
  // Bookkeeping of the routing engine, not router state: skipping unchanged rebuilds and logging
  // each full table once.
  RoutingBookkeeping routing_bookkeeping;
};

// The complete state of one router, made of its three concerns so that every field keeps its
// name (`record.hostname`, `record.mode`, `record.routes`) while code that needs only one concern
// can take just that part.
struct RouterRecord : RouterConfig, ConsoleSession, LearnedState {};

// A record with every field zero or empty, except hostname "Router", prompt ">" and mode 2.
RouterRecord new_router_record();

// The state a router window gives its record when it loads, before any interface exists.
RouterRecord window_load_record();

// Appends `count` interfaces of one type (serial, Ethernet or BRI) and then resets the
// line state of every interface. `random` gives uniform numbers in [0, 1) for MAC addresses.
// A 51st interface is refused and logged under "Create Interface()" with `window_text`, the
// caption of the router's window ("Router 3").
void createinterface(RouterRecord& record, InterfaceType type, long count,
                     const std::function<double()>& random, ErrorLog& log,
                     std::string_view window_text);

void set_the_router_number(RouterRecord& record, Int16 n);

// Real-router loopbacks. `add_loopback` appends interface LoopbackN (up, line protocol up, no
// cable) and gives its index, or the index it already has; 0 when the table has no room.
// `remove_loopback` takes LoopbackN out of the table, moving the interfaces after it down one
// place; false when there is none.
int add_loopback(RouterRecord& record, int number);
bool remove_loopback(RouterRecord& record, int number);

}  // namespace zorva
