// A topology file as the editor and the diagram see it: the routers with their interface counts
// (and the diagram position the user gave them, if any) and the cables. It is read with the same
// INI reader and the same keys as the simulation's start-up, and written in the format that reader
// reads. The diagram positions live under the keys "x" and "y" of each router's section, which the
// start-up never reads, so a file with positions stays loadable as before; they are read by the
// core's saved_diagram_position, the same reading the diagram does.
#pragma once

#include <QPointF>
#include <QString>
#include <QStringList>
#include <map>
#include <optional>
#include <vector>

namespace zorva::ui {

inline constexpr int kEditorMaxRouters = 50;
inline constexpr int kEditorMaxConnectors = 200;

struct TopologyRouter {
  int serial = 0;
  int ethernet = 0;
  int bri = 0;
  std::optional<QPointF> position;  // where the user put it in the diagram
  bool operator==(const TopologyRouter&) const = default;
};

struct TopologyCable {
  QString type;  // "serial" or "ethernet"; stored in the file, not used by the simulation
  QString dev1name;
  QString dev1interface;
  QString dev2name;
  QString dev2interface;
  bool operator==(const TopologyCable&) const = default;
};

struct TopologyDocument {
  std::vector<TopologyRouter> routers;  // router n is routers[n - 1]
  std::vector<TopologyCable> cables;    // connector i is cables[i - 1]
  bool operator==(const TopologyDocument&) const = default;
};

// Reads `file` the way the start-up does (a missing file reads as an empty topology). Connectors
// past the 200 the simulation keeps are not read.
TopologyDocument read_topology_document(const QString& file);

// The INI text of `doc`: [GENERAL], then [ROUTERn] with Serial, Ethernet, Bri (and x, y when
// placed), then [CONNECTORi] with the five cable keys.
QString topology_document_text(const TopologyDocument& doc);

// Writes the text of `doc` to `file` at once (all or nothing). On failure returns false and sets
// `error`.
bool save_topology_document(const TopologyDocument& doc, const QString& file, QString* error);

// Puts the given router positions (router number -> point) into `file` under "x" and "y", changing
// no other line: comments, order and unknown keys stay as they are.
bool save_router_positions(const QString& file, const std::map<int, QPointF>& positions,
                           QString* error);

// "Router" and the number, as the cable keys name a router.
QString router_name(int n);
// The router number in a "RouterN" name (any case), or 0.
int router_number(const QString& name);
// The interface names of a router in the order the simulation creates them: Serial0.., Ethernet0..,
// Bri0...
QStringList interface_names(const TopologyRouter& r);

}  // namespace zorva::ui
