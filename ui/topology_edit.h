// The topology editor's rules, apart from its dialog: routers are added with their interface
// counts and removed (the routers after it move up one number, their cables follow), cables join a
// free interface to a free interface of the same kind on another router. Every refusal comes back
// as the message the editor shows; an empty text means the change was made.
#pragma once

#include <QString>
#include <QStringList>

#include "ui/topology_document.h"

namespace zorva::ui {

inline constexpr int kEditorMaxInterfaces = 50;  // a router's interfaces, of all kinds together

class TopologyEdit {
 public:
  TopologyEdit() = default;
  explicit TopologyEdit(TopologyDocument doc) : doc_(std::move(doc)) {}

  const TopologyDocument& document() const { return doc_; }
  int router_count() const { return static_cast<int>(doc_.routers.size()); }
  int cable_count() const { return static_cast<int>(doc_.cables.size()); }

  QString add_router(int serial, int ethernet, int bri);
  QString remove_router(int n);
  QString add_cable(int router_a, const QString& interface_a, int router_b,
                    const QString& interface_b);
  QString remove_cable(int index);  // index from 1

  // Interfaces of router n that no cable uses yet.
  QStringList free_interfaces(int n) const;
  // The cable using that interface (index from 1), or 0.
  int cable_on(int n, const QString& interface) const;
  // "serial", "ethernet" or "bri" for an interface name, "" for none.
  static QString kind_of(const QString& interface);

 private:
  bool has_interface(int n, const QString& interface) const;

  TopologyDocument doc_;
};

}  // namespace zorva::ui
