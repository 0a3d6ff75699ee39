// The routing table of one router: candidates, aging and selection.
#include "network/routing_table.h"

#include <algorithm>
#include <array>
#include <string_view>

#include "base/error_log.h"
#include "base/number_text.h"
#include "network/real_routing.h"
#include "network/table_capacity.h"
#include "state/ipv4.h"

namespace zorva {

const RouteEntry* longest_match(const RouterRecord& r, Ipv4 destination) {
  const RouteEntry* best = nullptr;
  int best_length = -1;
  for (int k = 1; k <= std::min<int>(r.route_count, kMaxRoutes); ++k) {
    const RouteEntry& route = r.routes[k];
    if (route.prefix_length <= best_length) continue;
    if ((destination & mask_for_length(route.prefix_length)) != route.network) continue;
    best = &route;
    best_length = route.prefix_length;
  }
  return best;
}

int static_route_interface(const RouterRecord& r, const RouteEntry& route, Ipv4 next_hop) {
  for (int k = 1; k <= std::min<int>(r.route_count, kMaxRoutes); ++k) {
    const RouteEntry& c = r.routes[k];
    if (c.code == 'C' && (next_hop & mask_for_length(c.prefix_length)) == c.network)
      return c.out_index;
  }
  return route.out_index;
}

namespace {

constexpr std::string_view kUpdateRoutesName = "Update Routes()";
constexpr int kAgeStep = 3;  // added to every candidate's age on each maintenance pass
constexpr int kMaxAge = 24;  // a candidate older than this is removed
constexpr char kStaticCode = 'S';

int candidate_count(const RouterRecord& r) {
  return std::clamp<int>(r.learned_route_count, 0, kMaxRoutes);
}

bool matches(const RouteEntry& e, Ipv4 network, const std::string& interface_name,
             Int16 prefix_length, Int16 distance) {
  return e.distance == distance && e.network == network && e.prefix_length == prefix_length &&
         e.interface_name == interface_name;
}

// Candidate `slot` leaves the table: the later ones move down one place and the freed last slot
// is emptied.
void remove_candidate(RouterRecord& r, int slot) {
  const int count = candidate_count(r);
  for (int k = slot; k < count; ++k) r.learned_routes[k] = std::move(r.learned_routes[k + 1]);
  r.learned_routes[count] = RouteEntry{};
  r.learned_route_count = static_cast<Int16>(count - 1);
}

// Only ages changed since the last rebuild: the same candidates win, so the installed copies take
// their candidates' ages instead of the whole selection running again.
void refresh_installed_ages(RouterRecord& r) {
  RoutingBookkeeping& b = r.routing_bookkeeping;
  for (int k = 1; k <= r.route_count; ++k) {
    const RouteEntry& from = r.learned_routes[b.installed_from[k]];
    r.routes[k].age = from.age;
    r.routes[k].refreshed_at = from.refreshed_at;
  }
  b.built_ages_version = b.ages_version;
}

}  // namespace

void note_candidates_changed(RouterRecord& r) {
  ++r.routing_bookkeeping.candidates_version;
}

namespace {

// Refreshes candidate `slot`: its age goes back to 0, nothing else changes.
void refresh_candidate(RouterRecord& r, int slot) {
  RouteEntry& e = r.learned_routes[slot];
  if (e.age == 0) return;
  e.age = 0;
  ++r.routing_bookkeeping.ages_version;
}

// Appends a new candidate; a full table refuses it (logged once per spell). True when taken.
bool add_candidate(RouterRecord& r, Ipv4 network, const std::string& interface_name,
                   Int16 prefix_length, Int16 distance, char code, Int32 metric,
                   const std::string& interface_address, Int16 interface_index, ErrorLog& log) {
  const int count = candidate_count(r);
  const std::uint16_t bit = full_table_bit(FullTable::LearnedRoutes);
  if (count >= kMaxRoutes) {
    log_full_once(r, bit, kUpdateRoutesName, log);
    return false;
  }
  RouteEntry e;
  e.distance = distance;
  e.prefix_length = prefix_length;
  e.metric = metric;
  e.network = network;
  e.interface_name = interface_name;
  e.code = code;
  e.age = 0;
  e.interface_address = interface_address;
  e.interface_index = interface_index;
  e.out_index = interface_index;
  r.learned_routes[count + 1] = std::move(e);
  r.learned_route_count = static_cast<Int16>(count + 1);
  table_has_room(r, bit);
  note_candidates_changed(r);
  return true;
}

}  // namespace

void update_routes(RouterRecord& r, Ipv4 network, const std::string& interface_name,
                   Int16 prefix_length, Int16 distance, char code, Int32 metric,
                   const std::string& interface_address, Int16 interface_index, ErrorLog& log) {
  const int count = candidate_count(r);
  bool found = false;
  for (int k = 1; k <= count; ++k) {
    if (!matches(r.learned_routes[k], network, interface_name, prefix_length, distance)) continue;
    found = true;
    refresh_candidate(r, k);
  }
  if (found) return;
  add_candidate(r, network, interface_name, prefix_length, distance, code, metric,
                interface_address, interface_index, log);
}

namespace {

// Interface names are short and mostly differ in their last character ("Serial0", "Serial2"):
// compared from the end, without a library call for every candidate of every update.
bool same_name(const std::string& a, const std::string& b) {
  if (a.size() != b.size()) return false;
  for (std::size_t i = a.size(); i > 0; --i)
    if (a[i - 1] != b[i - 1]) return false;
  return true;
}

// The candidates of one received update's interface and distance, looked up by network. At most
// one table's worth of them, so they live in fixed arrays rebuilt for every update.
class SameWayCandidates {
 public:
  SameWayCandidates() { head_.fill(-1); }

  void add(Ipv4 network, Int16 prefix_length, int slot) {
    const std::size_t b = bucket(network);
    entries_[count_] = {network, prefix_length, static_cast<Int16>(slot), head_[b]};
    head_[b] = static_cast<Int16>(count_++);
  }

  // Calls `each` with the slot of every candidate of that network and prefix length; true when
  // there was one.
  template <typename Each>
  bool for_each_match(Ipv4 network, Int16 prefix_length, Each each) const {
    bool found = false;
    for (Int16 j = head_[bucket(network)]; j >= 0; j = entries_[j].next) {
      const Entry& e = entries_[j];
      if (e.network != network || e.prefix_length != prefix_length) continue;
      found = true;
      each(e.slot);
    }
    return found;
  }

 private:
  static constexpr std::size_t kBuckets = 128;
  struct Entry {
    Ipv4 network;
    Int16 prefix_length;
    Int16 slot;
    Int16 next;  // the next entry in the same bucket, or -1
  };
  static std::size_t bucket(Ipv4 network) { return (network * 0x9E3779B1u) >> 25; }

  std::array<Int16, kBuckets> head_;
  std::array<Entry, kMaxRoutes> entries_;
  std::size_t count_ = 0;
};

}  // namespace

void update_routes_through(RouterRecord& r, const std::vector<RouteEntry>& routes,
                           const std::string& interface_name, Int16 distance, char code,
                           Int32 metric, const std::string& interface_address,
                           Int16 interface_index, ErrorLog& log) {
  // Only this loop adds candidates meanwhile, and every one it adds has this interface name and
  // distance too, so the lookup stays complete.
  SameWayCandidates same_way;
  const int count = candidate_count(r);
  for (int k = 1; k <= count; ++k) {
    const RouteEntry& e = r.learned_routes[k];
    if (e.distance == distance && same_name(e.interface_name, interface_name))
      same_way.add(e.network, e.prefix_length, k);
  }
  for (const RouteEntry& route : routes) {
    if (same_way.for_each_match(route.network, route.prefix_length,
                                [&r](int slot) { refresh_candidate(r, slot); }))
      continue;
    if (add_candidate(r, route.network, interface_name, route.prefix_length, distance, code, metric,
                      interface_address, interface_index, log))
      same_way.add(route.network, route.prefix_length, r.learned_route_count);
  }
}

void Maintain_Routing_Table(RouterRecord& r) {
  const int count_at_start = candidate_count(r);
  bool changed = false;
  // Slots beyond the current count hold no candidate any more and are not touched.
  for (int slot = 1; slot <= count_at_start && slot <= candidate_count(r); ++slot) {
    RouteEntry& e = r.learned_routes[slot];
    const int age = e.code == kStaticCode ? 0 : e.age + kAgeStep;
    if (age > kMaxAge) {
      remove_candidate(r, slot);  // the candidate moved into `slot` waits for the next pass
      changed = true;
    } else if (age != e.age) {
      e.age = static_cast<Int16>(age);
      ++r.routing_bookkeeping.ages_version;
    }
  }
  if (changed) note_candidates_changed(r);
}

namespace {

// For each network text the candidate with the lowest distance; of equal ones the last.
void choose_classic_routes(RouterRecord& r) {
  const int count = candidate_count(r);
  r.route_count = 0;
  for (int k = 1; k <= count; ++k) r.learned_routes[k].superseded = kFalse;
  for (int c = 1; c <= count; ++c) {
    RouteEntry& candidate = r.learned_routes[c];
    // A superseded last candidate ends the selection; there is nothing after it anyway.
    if (c == count && is_set(candidate.superseded)) break;
    bool winner = true;
    for (int s = c + 1; s <= count; ++s) {
      RouteEntry& later = r.learned_routes[s];
      if (is_set(candidate.superseded)) {
        winner = false;
      } else if (candidate.network == later.network) {
        // The prefix length is not compared: 10.0.0.0/8 and 10.0.0.0/16 are one network here.
        if (candidate.distance < later.distance) {
          later.superseded = kTrue;
        } else {
          winner = false;  // equal distance: the later candidate wins
        }
      }
    }
    if (winner) {
      r.route_count = static_cast<Int16>(r.route_count + 1);
      r.routes[r.route_count] = candidate;
      r.routing_bookkeeping.installed_from[r.route_count] = static_cast<Int16>(c);
    }
  }
}

}  // namespace

void rebuild_routing_table(RouterRecord& r, Behaviour behaviour) {
  const int count = candidate_count(r);
  if (behaviour == Behaviour::RealRouter) {
    choose_real_routes(r);
  } else {
    choose_classic_routes(r);
  }
  RoutingBookkeeping& b = r.routing_bookkeeping;
  b.built_version = b.candidates_version;
  b.built_ages_version = b.ages_version;
  b.built_candidates = static_cast<Int16>(count);
  b.built_routes = r.route_count;
}

void Calculate_Routing_Table(RouterRecord& r, Behaviour behaviour) {
  const RoutingBookkeeping& b = r.routing_bookkeeping;
  // The counts are compared too, so that a reset that empties the tables directly is rebuilt.
  const bool unchanged = b.built_candidates >= 0 && b.built_version == b.candidates_version &&
                         b.built_candidates == r.learned_route_count &&
                         b.built_routes == r.route_count;
  if (!unchanged) {
    rebuild_routing_table(r, behaviour);
  } else if (r.routing_bookkeeping.built_ages_version != r.routing_bookkeeping.ages_version) {
    refresh_installed_ages(r);
  }
}

void Routes_For_Connected_Interfaces(RouterRecord& r, ErrorLog& log, Behaviour behaviour,
                                     Int32 now) {
  const bool real = behaviour == Behaviour::RealRouter;
  const int count = std::clamp<int>(r.interface_count, 0, kMaxInterfaces);
  for (int i = 1; i <= count; ++i) {
    const InterfaceEntry& e = r.interfaces[i];
    if (e.line_protocol != LinkState::Up || trim(e.ip_address).empty()) continue;
    if (real && is_set(e.shutdown)) continue;
    const int before = r.learned_route_count;
    update_routes(r, e.network_value, e.name, e.prefix_length, 0, 'C', real ? 0 : 1, e.ip_address,
                  static_cast<Int16>(i), log);
    if (real && r.learned_route_count != before)
      r.learned_routes[r.learned_route_count].learned_at = now;
  }
  Calculate_Routing_Table(r, behaviour);
}

}  // namespace zorva
