#include "state/record_enums.h"

namespace zorva {

std::string_view text_of(LinkState s) {
  return s == LinkState::Up ? "up" : "down";
}

std::string_view text_of(InterfaceType t) {
  switch (t) {
    case InterfaceType::None:
      return "";
    case InterfaceType::Serial:
      return "SERIAL";
    case InterfaceType::Ethernet:
      return "ETHERNET";
    case InterfaceType::Bri:
      return "BRI";
    case InterfaceType::Loopback:
      return "LOOPBACK";
  }
  return "";
}

std::string_view text_of(Encapsulation e) {
  switch (e) {
    case Encapsulation::None:
      return "";
    case Encapsulation::Hdlc:
      return "HDLC";
    case Encapsulation::Ppp:
      return "PPP";
    case Encapsulation::Arpa:
      return "ARPA";
    case Encapsulation::Ethernet:
      return "ETHERNET";
  }
  return "";
}

std::string_view text_of(FramePayload p) {
  switch (p) {
    case FramePayload::None:
      return "";
    case FramePayload::PingRequest:
      return "PING-REQUEST";
    case FramePayload::PingReply:
      return "PING-REPLY";
    case FramePayload::Rip:
      return "RIP";
    case FramePayload::Igrp:
      return "IGRP";
    case FramePayload::Eigrp:
      return "EIGRP";
    case FramePayload::Ospf:
      return "OSPF";
  }
  return "";
}

std::string_view text_of(PppAuthentication a) {
  if (a == PppAuthentication::Chap) return "CHAP";
  return a == PppAuthentication::Pap ? "PAP" : "";
}

std::optional<LinkState> link_state_named(std::string_view text) {
  if (text == "up") return LinkState::Up;
  if (text == "down") return LinkState::Down;
  return std::nullopt;
}

std::optional<InterfaceType> interface_type_named(std::string_view text) {
  for (const InterfaceType t : {InterfaceType::None, InterfaceType::Serial, InterfaceType::Ethernet,
                                InterfaceType::Bri, InterfaceType::Loopback})
    if (text_of(t) == text) return t;
  return std::nullopt;
}

std::optional<Encapsulation> encapsulation_named(std::string_view text) {
  for (const Encapsulation e : {Encapsulation::None, Encapsulation::Hdlc, Encapsulation::Ppp,
                                Encapsulation::Arpa, Encapsulation::Ethernet})
    if (text_of(e) == text) return e;
  return std::nullopt;
}

std::optional<PppAuthentication> ppp_authentication_named(std::string_view text) {
  for (const PppAuthentication a :
       {PppAuthentication::None, PppAuthentication::Chap, PppAuthentication::Pap})
    if (text_of(a) == text) return a;
  return std::nullopt;
}

}  // namespace zorva
