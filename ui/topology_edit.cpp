// The topology editor's rules.
#include "ui/topology_edit.h"

namespace zorva::ui {

QString TopologyEdit::kind_of(const QString& interface) {
  for (const char* kind : {"serial", "ethernet", "bri"}) {
    const QString k = QString::fromLatin1(kind);
    if (interface.startsWith(k, Qt::CaseInsensitive) && interface.size() > k.size()) return k;
  }
  return {};
}

bool TopologyEdit::has_interface(int n, const QString& interface) const {
  if (n < 1 || n > router_count()) return false;
  return interface_names(doc_.routers[static_cast<std::size_t>(n - 1)])
      .contains(interface, Qt::CaseInsensitive);
}

int TopologyEdit::cable_on(int n, const QString& interface) const {
  for (int i = 0; i < cable_count(); ++i) {
    const TopologyCable& c = doc_.cables[static_cast<std::size_t>(i)];
    if ((router_number(c.dev1name) == n &&
         c.dev1interface.compare(interface, Qt::CaseInsensitive) == 0) ||
        (router_number(c.dev2name) == n &&
         c.dev2interface.compare(interface, Qt::CaseInsensitive) == 0))
      return i + 1;
  }
  return 0;
}

QStringList TopologyEdit::free_interfaces(int n) const {
  QStringList free;
  if (n < 1 || n > router_count()) return free;
  for (const QString& name : interface_names(doc_.routers[static_cast<std::size_t>(n - 1)]))
    if (cable_on(n, name) == 0) free << name;
  return free;
}

QString TopologyEdit::add_router(int serial, int ethernet, int bri) {
  if (router_count() >= kEditorMaxRouters)
    return QStringLiteral("A topology holds at most %1 routers.").arg(kEditorMaxRouters);
  if (serial < 0 || ethernet < 0 || bri < 0)
    return QStringLiteral("An interface count cannot be negative.");
  if (serial + ethernet + bri > kEditorMaxInterfaces)
    return QStringLiteral("A router has at most %1 interfaces in all; this one would have %2.")
        .arg(kEditorMaxInterfaces)
        .arg(serial + ethernet + bri);
  doc_.routers.push_back({serial, ethernet, bri, std::nullopt});
  return {};
}

QString TopologyEdit::remove_router(int n) {
  if (n < 1 || n > router_count()) return QStringLiteral("There is no Router%1.").arg(n);
  doc_.routers.erase(doc_.routers.begin() + (n - 1));
  std::vector<TopologyCable> kept;
  for (TopologyCable c : doc_.cables) {
    const int a = router_number(c.dev1name);
    const int b = router_number(c.dev2name);
    if (a == n || b == n) continue;
    if (a > n) c.dev1name = router_name(a - 1);
    if (b > n) c.dev2name = router_name(b - 1);
    kept.push_back(c);
  }
  doc_.cables = std::move(kept);
  return {};
}

QString TopologyEdit::add_cable(int router_a, const QString& interface_a, int router_b,
                                const QString& interface_b) {
  if (cable_count() >= kEditorMaxConnectors)
    return QStringLiteral("A topology holds at most %1 cables.").arg(kEditorMaxConnectors);
  if (!has_interface(router_a, interface_a))
    return QStringLiteral("Router%1 has no interface %2.").arg(router_a).arg(interface_a);
  if (!has_interface(router_b, interface_b))
    return QStringLiteral("Router%1 has no interface %2.").arg(router_b).arg(interface_b);
  if (router_a == router_b)
    return QStringLiteral("A cable joins two different routers; both ends are on Router%1.")
        .arg(router_a);
  if (cable_on(router_a, interface_a) != 0)
    return QStringLiteral("Router%1 %2 is already cabled.").arg(router_a).arg(interface_a);
  if (cable_on(router_b, interface_b) != 0)
    return QStringLiteral("Router%1 %2 is already cabled.").arg(router_b).arg(interface_b);
  const QString kind = kind_of(interface_a);
  if (kind != kind_of(interface_b))
    return QStringLiteral("A cable joins two interfaces of the same kind: %1 is %2, %3 is %4.")
        .arg(interface_a, kind, interface_b, kind_of(interface_b));
  doc_.cables.push_back(
      {kind, router_name(router_a), interface_a, router_name(router_b), interface_b});
  return {};
}

QString TopologyEdit::remove_cable(int index) {
  if (index < 1 || index > cable_count()) return QStringLiteral("There is no cable %1.").arg(index);
  doc_.cables.erase(doc_.cables.begin() + (index - 1));
  return {};
}

}  // namespace zorva::ui
