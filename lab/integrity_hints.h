// Integrity hints for grading: what makes a hand-in worth a closer look by the teacher, never a
// verdict. A lab whose routers and cables are not those of the topology the class was given (a
// cable removed to make a check pass), a configuration that no console typed (a host name or an
// interface address that no transcript holds, as when a lab file is edited by hand), and
// hand-ins whose configurations or transcripts are identical, named together.
#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace zorva {

class Simulation;

struct Hint {
  enum class Kind { Topology, Untyped, Identical };
  Kind kind;
  std::string text;  // in words, as the core keeps text
};

// The hint's kind in one word, for a table's narrow column.
const char* hint_word(Hint::Kind kind);

// The routers and cables of a topology, written so that two topologies compare equal when they
// cable the same interfaces of the same routers, whatever the order of their sections, the case
// of their names, their comments or the layout of their diagram.
struct TopologyShape {
  std::vector<std::string> routers;  // "Router1 (Serial0, Ethernet0)", by router number
  std::vector<std::string> cables;   // "Router1 Serial0 - Router2 Serial0", sorted
};

// The shape of a started simulation's topology.
TopologyShape topology_shape(const Simulation& sim);

// The shape of a topology file, read as start-up reads it; nullopt, with `error` saying why, when
// it gives no routers.
std::optional<TopologyShape> topology_shape_of_file(const std::filesystem::path& file,
                                                    const std::filesystem::path& app_dir,
                                                    std::string& error);

// How `lab` differs from `expected`, in words; "" when it does not.
std::string shape_differences(const TopologyShape& lab, const TopologyShape& expected);

// What the hints look at in one lab, taken as it was opened, before any check changed it.
struct LabTraits {
  bool opened = false;
  TopologyShape topology;
  // Every router's running and saved configuration; "" when nothing was configured (a lab as it
  // comes from the box), which no other lab is said to share.
  std::string configuration;
  // Every console's transcript; "" when no console shows a line typed at a prompt (a lab opened
  // and handed in untouched), which no other lab is said to share.
  std::string transcript;
  // What the configuration holds that no console's transcript shows being typed.
  std::vector<std::string> untyped;
};
LabTraits lab_traits(const Simulation& sim);

// The topology the class was given, by the name the teacher gave it.
struct ExpectedTopology {
  std::string name;
  TopologyShape shape;
};

// The hints of every lab, in the order of `labs`; `names` are the labs' rows (for naming the
// hand-ins that are identical).
std::vector<std::vector<Hint>> integrity_hints(const std::vector<LabTraits>& labs,
                                               const std::vector<std::string>& names,
                                               const ExpectedTopology* expected);

}  // namespace zorva
