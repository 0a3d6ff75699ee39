// The states and kinds the router record keeps as enums, each with the one function that gives
// its text where a report prints it or a lab file saves it, and the reverse where a lab file is
// read. Comparing enums instead of texts lets the compiler catch a misspelt "up".
#pragma once

#include <cstdint>
#include <optional>
#include <string_view>

namespace zorva {

// An interface's status and its line protocol.
enum class LinkState : std::uint8_t { Down, Up };

// The kind of an interface; None for a slot no interface fills.
enum class InterfaceType : std::uint8_t { None, Serial, Ethernet, Bri, Loopback };

// An interface's configured encapsulation ("HDLC", "PPP", "ARPA"), and a frame's framing on the
// wire ("HDLC", "PPP", "ETHERNET"); None for neither (an empty slot, a frame without framing).
enum class Encapsulation : std::uint8_t { None, Hdlc, Ppp, Arpa, Ethernet };

// What a frame carries at layer 3: a ping or one routing protocol's update; None for layer-2
// frames (keepalives, CDP).
enum class FramePayload : std::uint8_t { None, PingRequest, PingReply, Rip, Igrp, Eigrp, Ospf };

// How an interface's PPP link authenticates its peer: not at all, by CHAP, or by PAP.
enum class PppAuthentication : std::uint8_t { None, Chap, Pap };

// How a real router's OSPF authenticates its neighbours on an interface. FromArea: the interface
// was given no `ip ospf authentication`, so its area's `area N authentication` decides.
enum class OspfAuthentication : std::uint8_t { FromArea, None, Simple, MessageDigest };

// "down", "up".
std::string_view text_of(LinkState s);
// "SERIAL", "ETHERNET", "BRI", "LOOPBACK"; "" for None.
std::string_view text_of(InterfaceType t);
// "HDLC", "PPP", "ARPA", "ETHERNET"; "" for None.
std::string_view text_of(Encapsulation e);
// "PING-REQUEST", "PING-REPLY", "RIP", "IGRP", "EIGRP", "OSPF"; "" for None.
std::string_view text_of(FramePayload p);
// "CHAP", "PAP"; "" for None.
std::string_view text_of(PppAuthentication a);

// The value whose text is exactly `text`; nothing for any other text. The empty text names None
// where a None exists.
std::optional<LinkState> link_state_named(std::string_view text);
std::optional<InterfaceType> interface_type_named(std::string_view text);
std::optional<Encapsulation> encapsulation_named(std::string_view text);
std::optional<PppAuthentication> ppp_authentication_named(std::string_view text);

}  // namespace zorva
