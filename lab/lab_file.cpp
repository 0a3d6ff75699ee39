#include "lab/lab_file.h"

#include <cstdio>
#include <fstream>
#include <sstream>

#include "base/latin1_text.h"
#include "lab/json_reader.h"
#include "lab/lab_record.h"
#include "lab/topology_text.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;
using nlohmann::json;
using ordered = nlohmann::ordered_json;

// Past this many routers a topology is refused before anything is built.
constexpr std::size_t kRouterLimit = kMaxRouters;

std::string too_many_routers(long long n) {
  return "the lab names " + std::to_string(n) + " routers; Zorva holds at most " +
         std::to_string(kRouterLimit);
}

// Reads the whole file, or gives the reason it cannot.
std::string read_whole(const fs::path& file, std::string& text) {
  std::error_code ec;
  const std::uintmax_t size = fs::file_size(file, ec);
  if (ec) return "cannot read " + file.string() + ": " + ec.message();
  if (size > kLabFileSizeLimit)
    return file.string() + " is too large to be a lab file (" + std::to_string(size) + " bytes)";
  std::ifstream in(file, std::ios::binary);
  if (!in) return "cannot read " + file.string();
  std::ostringstream ss;
  ss << in.rdbuf();
  text = ss.str();
  return "";
}

// The core's text is bytes read as Latin-1 (as the desktop shows it); in the file each byte is the
// character of that code, in UTF-8. Every byte survives a save and an open, whatever was typed.
template <typename Json, typename Convert>
void convert_strings(Json& j, const Convert& convert) {
  if (j.is_string()) {
    j = convert(j.template get_ref<const std::string&>());
  } else if (j.is_structured()) {
    for (auto& item : j) convert_strings(item, convert);
  }
}

void check_header(const JsonIn& top) {
  if (top.text("format", "") != kLabFileFormat)
    throw LabFormatError("this is not a Zorva lab file");
  const long long version = top.whole("version", 1, 1LL << 40, 0);
  if (version == 0) throw LabFormatError("the lab file does not say which version it is");
  if (version > kLabFileVersion)
    throw LabFormatError("the lab file was written by a newer Zorva (lab file version " +
                         std::to_string(version) + "; this one reads up to version " +
                         std::to_string(kLabFileVersion) + ")");
  if (!top.has("topology")) throw LabFormatError("the lab file holds no topology");
  if (!top.has("routers")) throw LabFormatError("the lab file holds no routers");
}

}  // namespace

std::string lab_text(const Simulation& sim, bool with_transcripts) {
  ordered routers = ordered::array();
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n)
    if (const Router* r = sim.routers[n].get())
      routers.push_back(router_to_json(*r, with_transcripts));
  ordered lab = {
      {"format", kLabFileFormat},
      {"version", kLabFileVersion},
      {"program_version", sim.version_text},
      {"behaviour", behaviour_name(sim.behaviour)},
      {"topology_file", sim.topology_file},
      {"topology", sim.topology_text},
      {"clock", sim.sim_clock},
      {"routers", routers},
  };
  convert_strings(lab, [](std::string_view t) { return utf8_from_latin1(t); });
  return lab.dump(2) + "\n";
}

std::string save_lab(const Simulation& sim, const fs::path& file, bool with_transcripts) {
  const std::string text = lab_text(sim, with_transcripts);
  fs::path beside = file;
  beside += ".saving";
  {
    std::ofstream out(beside, std::ios::binary | std::ios::trunc);
    if (!out) return "cannot write " + beside.string();
    out.write(text.data(), static_cast<std::streamsize>(text.size()));
    out.flush();
    if (!out) {
      out.close();
      std::error_code ignored;
      fs::remove(beside, ignored);
      return "cannot write " + beside.string() + " (is the disk full?)";
    }
  }
  std::error_code ec;
  fs::rename(beside, file, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(beside, ignored);
    return "cannot save " + file.string() + ": " + ec.message();
  }
  return "";
}

OpenedLab open_lab_text(const std::string& text, Host& host, const SimulationPaths& paths) {
  OpenedLab result;
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos || text[first] != '{') {
    result.error =
        first == std::string::npos ? "the lab file is empty" : "this is not a Zorva lab file";
    return result;
  }
  try {
    json lab = json::parse(text);
    convert_strings(lab, [](std::string_view t) { return latin1_from_utf8(t); });
    const JsonIn top(lab, "");
    check_header(top);
    const std::vector<JsonIn> routers = top.objects("routers", kRouterLimit, "routers");
    const std::string topology = top.text("topology", "");
    const int count = topology_router_count(topology);
    if (count < 0) throw LabFormatError("the topology cannot be handed to the reader");
    if (count > static_cast<int>(kRouterLimit)) throw LabFormatError(too_many_routers(count));
    if (static_cast<std::size_t>(count) != routers.size())
      throw LabFormatError("the topology names " + std::to_string(count) + " routers, the file " +
                           std::to_string(routers.size()));
    const auto clock = static_cast<Int32>(top.whole("clock", 0, 2147483647LL, 0));
    // Files from before the two behaviours have no such field and run as they always did.
    const std::string behaviour_text = top.text("behaviour", "classic");
    const std::optional<Behaviour> behaviour = behaviour_named(behaviour_text);
    if (!behaviour)
      throw LabFormatError("the lab's behaviour \"" + behaviour_text +
                           "\" is neither \"classic\" nor \"real-router\"");

    auto sim = std::make_unique<Simulation>(host, paths);
    sim->behaviour = *behaviour;
    if (!start_from_topology_text(*sim, topology))
      throw LabFormatError("the topology cannot be handed to the reader");
    sim->topology_file = top.text("topology_file", "");
    sim->sim_clock = clock;
    for (std::size_t i = 0; i < routers.size(); ++i)
      router_from_json(routers[i], *sim->router(static_cast<int>(i) + 1), sim->log);
    result.sim = std::move(sim);
  } catch (const json::exception& e) {
    // nlohmann's messages name the place where the text stopped making sense; the text it last
    // read can be long, and is left out.
    std::string what = e.what();
    if (const std::size_t cut = what.find("] "); cut != std::string::npos)
      what = what.substr(cut + 2);
    what = what.substr(0, what.find("; last read"));
    result.error = "the lab file is damaged: " + what;
  } catch (const LabFormatError& e) {
    result.error = e.what();
  } catch (const std::bad_alloc&) {
    result.error = "the lab file is too large to open";
  }
  return result;
}

OpenedLab open_lab_file(const fs::path& file, Host& host, const SimulationPaths& paths) {
  std::string text;
  if (std::string error = read_whole(file, text); !error.empty()) return {nullptr, error};
  OpenedLab opened = open_lab_text(text, host, paths);
  if (!opened.sim) opened.error = file.filename().string() + ": " + opened.error;
  return opened;
}

}  // namespace zorva
