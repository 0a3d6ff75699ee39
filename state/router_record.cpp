#include "state/router_record.h"

#include <algorithm>
#include <cmath>

#include "base/error_log.h"

namespace zorva {

RouterRecord new_router_record() {
  RouterRecord r;
  r.hostname = "Router";
  r.prompt = ">";
  r.mode = 2;
  return r;
}

RouterRecord window_load_record() {
  RouterRecord r = new_router_record();
  r.cdp_run = kTrue;
  r.cdp_holdtime = 180;
  r.cdp_timer = 60;
  r.cdp_advertise_v2 = kTrue;
  r.cdp_neighbor_count = 0;
  r.mode = 2;
  r.password_state = 0;
  r.pending_action = PendingAction::None;
  r.history.exec_size = 10;
  r.history.config_size = 10;
  r.history.exec_wrapped = kFalse;
  r.history.config_wrapped = kFalse;
  return r;
}

const char* action_name(PendingAction a) {
  switch (a) {
    case PendingAction::None:
      return "";
    case PendingAction::Banner:
      return "BANNER";
    case PendingAction::Reload:
      return "RELOAD";
    case PendingAction::SaveQuestion:
      return "SAVEQUESTION";
    case PendingAction::ClearOspfQuestion:
      return "CLEAROSPFQUESTION";
    case PendingAction::PingQuestions:
      return "PINGQUESTIONS";
  }
  return "";
}

const char* action_name(ParseAction a) {
  switch (a) {
    case ParseAction::None:
      return "";
    case ParseAction::Execute:
      return "execute";
    case ParseAction::QuestionMark:
      return "questionmark";
    case ParseAction::SpaceQuestionMark:
      return "space_questionmark";
    case ParseAction::Tab:
      return "tab";
  }
  return "";
}

namespace {

// A four-digit group 1000..9999 of an Ethernet MAC address.
std::string mac_group(const std::function<double()>& random) {
  return std::to_string(static_cast<int>(std::floor(random() * 9000.0 + 1000.0)));
}

void set_type_defaults(InterfaceEntry& e, InterfaceType type,
                       const std::function<double()>& random) {
  if (type == InterfaceType::Serial) {
    e.encapsulation = e.encapsulation_shown = e.line_encapsulation = Encapsulation::Hdlc;
    e.ospf_cost = 64;
    e.ospf_priority = 1;
  } else if (type == InterfaceType::Ethernet) {
    e.encapsulation = e.encapsulation_shown = Encapsulation::Arpa;
    e.line_encapsulation = Encapsulation::Ethernet;
    e.ospf_cost = 10;
    const std::string a = mac_group(random);
    e.mac_address = "000C." + a + "." + mac_group(random);
  } else if (type == InterfaceType::Bri) {
    e.encapsulation = e.encapsulation_shown = e.line_encapsulation = Encapsulation::Hdlc;
    e.ospf_cost = 1500;
  }
}

const char* name_word(InterfaceType type) {
  if (type == InterfaceType::Serial) return "Serial";
  if (type == InterfaceType::Ethernet) return "Ethernet";
  if (type == InterfaceType::Bri) return "Bri";
  return "";
}

// The types a topology gives a router.
bool is_topology_type(InterfaceType type) {
  return type == InterfaceType::Serial || type == InterfaceType::Ethernet ||
         type == InterfaceType::Bri;
}

}  // namespace

void createinterface(RouterRecord& record, InterfaceType type, long count,
                     const std::function<double()>& random, ErrorLog& log,
                     std::string_view window_text) {
  if (is_topology_type(type)) {
    for (long k = 1; k <= count; ++k) {
      if (record.interface_count >= kMaxInterfaces) {
        log.log("Create Interface()", RuntimeError::SubscriptOutOfRange, window_text);
        break;
      }
      const int i = ++record.interface_count;
      InterfaceEntry& e = record.interfaces[i];
      e.type = type;
      e.number = std::to_string(k - 1);
      e.name = name_word(type) + e.number;
      set_type_defaults(e, type, random);
    }
  }
  for (int i = 1; i <= record.interface_count; ++i) {
    InterfaceEntry& e = record.interfaces[i];
    e.status = LinkState::Down;
    e.line_protocol = LinkState::Down;
    e.shutdown = kTrue;
    e.keepalive_misses = 4;
    e.cdp_enable = kTrue;
    e.ospf_priority = 1;
  }
  record.config_register = "0X2102";
}

void set_the_router_number(RouterRecord& record, Int16 n) {
  record.router_number = n;
}

}  // namespace zorva

namespace zorva {

namespace {

int loopback_index(const RouterRecord& record, int number) {
  const std::string wanted = std::to_string(number);
  for (int i = 1; i <= std::min<int>(record.interface_count, kMaxInterfaces); ++i)
    if (record.interfaces[i].type == InterfaceType::Loopback &&
        record.interfaces[i].number == wanted)
      return i;
  return 0;
}

}  // namespace

int add_loopback(RouterRecord& record, int number) {
  if (const int have = loopback_index(record, number)) return have;
  if (record.interface_count >= kMaxInterfaces) return 0;
  const int i = ++record.interface_count;
  InterfaceEntry& e = record.interfaces[i];
  e = InterfaceEntry{};
  e.type = InterfaceType::Loopback;
  e.number = std::to_string(number);
  e.name = "Loopback" + e.number;
  // A loopback has no cable and no keepalives: it is up from the moment it exists.
  e.status = e.line_protocol = LinkState::Up;
  e.shutdown = kFalse;
  e.ospf_cost = 1;
  e.ospf_priority = 1;
  return i;
}

bool remove_loopback(RouterRecord& record, int number) {
  const int at = loopback_index(record, number);
  if (at == 0) return false;
  const int count = std::min<int>(record.interface_count, kMaxInterfaces);
  for (int i = at; i < count; ++i) record.interfaces[i] = std::move(record.interfaces[i + 1]);
  record.interfaces[count] = InterfaceEntry{};
  record.interface_count = static_cast<Int16>(count - 1);
  return true;
}

}  // namespace zorva
