// Topology files: read with the start-up's reader, written in its format, positions updated in
// place.
#include "ui/topology_document.h"

#include <QFile>
#include <QSaveFile>
#include <QStringConverter>
#include <QTextStream>
#include <algorithm>
#include <cmath>

#include "base/checked.h"
#include "base/ini_reader.h"
#include "base/number_text.h"
#include "simulation/diagram_position.h"
#include "simulation/topology.h"

namespace zorva::ui {

namespace {

QString value(const IniFile& ini, const std::string& section, const char* key) {
  return QString::fromLatin1(ini.value(section, key));
}

// A count as the topology reader takes it: the leading number, 0 when it does not fit 16 bits.
int count(const IniFile& ini, const std::string& section, const char* key) {
  return std::max<int>(0, fit_int16(leading_number(ini.value(section, key))).value_or(0));
}

QString key_of(const QString& line) {
  const qsizetype eq = line.indexOf(QLatin1Char('='));
  return eq < 0 ? QString() : line.left(eq).trimmed();
}

bool is_section(const QString& line) {
  return line.trimmed().startsWith(QLatin1Char('['));
}

QString section_of(const QString& line) {
  QString t = line.trimmed();
  const qsizetype close = t.indexOf(QLatin1Char(']'));
  return t.mid(1, close < 0 ? -1 : close - 1).trimmed();
}

QString number_text(double v) {
  return QString::number(std::lround(v));
}

}  // namespace

QString router_name(int n) {
  return QStringLiteral("Router%1").arg(n);
}

int router_number(const QString& name) {
  if (!name.startsWith(QLatin1String("router"), Qt::CaseInsensitive)) return 0;
  bool ok = false;
  const int n = name.mid(6).toInt(&ok);
  return ok && n > 0 ? n : 0;
}

QStringList interface_names(const TopologyRouter& r) {
  QStringList names;
  for (int i = 0; i < r.serial; ++i) names << QStringLiteral("Serial%1").arg(i);
  for (int i = 0; i < r.ethernet; ++i) names << QStringLiteral("Ethernet%1").arg(i);
  for (int i = 0; i < r.bri; ++i) names << QStringLiteral("Bri%1").arg(i);
  return names;
}

TopologyDocument read_topology_document(const QString& file) {
  TopologyDocument doc;
  const IniFile ini = IniFile::read(file.toStdString());
  const int routers = count(ini, "GENERAL", "numberofrouters");
  for (int n = 1; n <= routers; ++n) {
    const std::string section = "ROUTER" + std::to_string(n);
    TopologyRouter r;
    r.serial = count(ini, section, "Serial");
    r.ethernet = count(ini, section, "Ethernet");
    r.bri = count(ini, section, "Bri");
    if (const std::optional<DiagramPoint> at = saved_diagram_position(ini, n))
      r.position = QPointF(at->x, at->y);
    doc.routers.push_back(r);
  }
  const int cables =
      std::clamp(count(ini, "GENERAL", "numberofconnectors"), 0, kEditorMaxConnectors);
  for (int i = 1; i <= cables; ++i) {
    const std::string section = "CONNECTOR" + std::to_string(i);
    doc.cables.push_back({value(ini, section, "connectortype"), value(ini, section, "dev1name"),
                          value(ini, section, "dev1interface"), value(ini, section, "dev2name"),
                          value(ini, section, "dev2interface")});
  }
  return doc;
}

QString topology_document_text(const TopologyDocument& doc) {
  QString t;
  QTextStream out(&t);
  out << "[GENERAL]\n"
      << "numberofrouters=" << doc.routers.size() << "\n"
      << "numberofconnectors=" << doc.cables.size() << "\n";
  for (std::size_t i = 0; i < doc.routers.size(); ++i) {
    const TopologyRouter& r = doc.routers[i];
    out << "\n[ROUTER" << i + 1 << "]\n"
        << "Serial=" << r.serial << "\nEthernet=" << r.ethernet << "\nBri=" << r.bri << "\n";
    if (r.position) {
      out << "x=" << number_text(r.position->x()) << "\ny=" << number_text(r.position->y()) << "\n";
    }
  }
  for (std::size_t i = 0; i < doc.cables.size(); ++i) {
    const TopologyCable& c = doc.cables[i];
    out << "\n[CONNECTOR" << i + 1 << "]\n"
        << "connectortype=" << c.type << "\ndev1name=" << c.dev1name
        << "\ndev1interface=" << c.dev1interface << "\ndev2name=" << c.dev2name
        << "\ndev2interface=" << c.dev2interface << "\n";
  }
  return t;
}

namespace {

bool write_all(const QString& file, const QString& text, QString* error) {
  QSaveFile f(file);
  if (!f.open(QIODevice::WriteOnly) || f.write(text.toLatin1()) < 0 || !f.commit()) {
    if (error) *error = f.errorString();
    return false;
  }
  return true;
}

}  // namespace

bool save_topology_document(const TopologyDocument& doc, const QString& file, QString* error) {
  return write_all(file, topology_document_text(doc), error);
}

bool save_router_positions(const QString& file, const std::map<int, QPointF>& positions,
                           QString* error) {
  QFile in(file);
  if (!in.open(QIODevice::ReadOnly)) {
    if (error) *error = in.errorString();
    return false;
  }
  const QByteArray bytes = in.readAll();
  in.close();
  const bool crlf = bytes.contains("\r\n");
  QStringList lines = QString::fromLatin1(bytes).remove(QLatin1Char('\r')).split(QLatin1Char('\n'));
  if (!lines.isEmpty() && lines.back().isEmpty()) lines.removeLast();

  for (const auto& [n, at] : positions) {
    const QString section = QStringLiteral("ROUTER%1").arg(n);
    const QString wanted[2][2] = {{QStringLiteral("x"), number_text(at.x())},
                                  {QStringLiteral("y"), number_text(at.y())}};
    // The first section of that name is the one the reader uses.
    qsizetype start = -1;
    for (qsizetype i = 0; i < lines.size(); ++i) {
      if (is_section(lines[i]) && section_of(lines[i]).compare(section, Qt::CaseInsensitive) == 0) {
        start = i;
        break;
      }
    }
    if (start < 0) {
      if (!lines.isEmpty() && !lines.back().trimmed().isEmpty()) lines << QString();
      lines << QLatin1Char('[') + section + QLatin1Char(']');
      for (const auto& kv : wanted) lines << kv[0] + QLatin1Char('=') + kv[1];
      continue;
    }
    for (const auto& kv : wanted) {
      qsizetype end = start + 1;
      while (end < lines.size() && !is_section(lines[end])) ++end;
      qsizetype found = -1;
      qsizetype last_content = start;
      for (qsizetype i = start + 1; i < end; ++i) {
        const QString t = lines[i].trimmed();
        if (t.isEmpty() || t.startsWith(QLatin1Char(';'))) continue;
        last_content = i;
        if (found < 0 && key_of(lines[i]).compare(kv[0], Qt::CaseInsensitive) == 0) found = i;
      }
      const QString line = kv[0] + QLatin1Char('=') + kv[1];
      if (found >= 0) {
        lines[found] = line;
      } else {
        lines.insert(last_content + 1, line);
      }
    }
  }
  QString text = lines.join(crlf ? QStringLiteral("\r\n") : QStringLiteral("\n"));
  text += crlf ? QStringLiteral("\r\n") : QStringLiteral("\n");
  return write_all(file, text, error);
}

}  // namespace zorva::ui
