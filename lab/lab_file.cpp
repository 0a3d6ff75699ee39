#include "lab/lab_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdint>
#include <cstring>
#include <fstream>
#include <optional>
#include <sstream>

#include "base/latin1_text.h"
#include "lab/console_state.h"
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
// A lab file nests five levels (lab, routers, router, interface, line); deeper files are refused
// unparsed, with room to spare for fields a later version may add.
constexpr int kNestingLimit = 64;
// The clock is written as the unsigned count of seconds it holds: a clock that has run past
// 2 147 483 647 seconds wraps round in the record and is still saved as the count it ran.
constexpr long long kClockHigh = 4294967295LL;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

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

// The file a save replaces: `file` itself, or where its chain of symbolic links ends, so that
// saving through a link writes the shared file it names and leaves the link a link.
fs::path link_target(const fs::path& file) {
  fs::path target = file;
  for (int hops = 0; hops < 40; ++hops) {
    std::error_code ec;
    if (!fs::is_symlink(target, ec)) return target;
    const fs::path next = fs::read_symlink(target, ec);
    if (ec) return target;
    target = next.is_absolute() ? next : target.parent_path() / next;
  }
  return target;  // a loop of links: the rename below fails and says so
}

// The permission bits of the file being replaced, so that a shared lab stays as readable (and
// writable) to the class as it was; none for a new file, which takes the usual ones.
std::optional<mode_t> mode_of(const fs::path& file) {
  struct stat st {};
  if (::stat(file.c_str(), &st) != 0) return std::nullopt;
  return st.st_mode & 07777;
}

// Writes `text` to a new `file` and flushes it to the disk before returning, so that the rename
// that follows can never put an empty or half-written lab in place of the old one.
std::string write_synced(const fs::path& file, const std::string& text,
                         std::optional<mode_t> mode) {
  const int fd = ::open(file.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0666);
  if (fd < 0) return "cannot write " + file.string() + ": " + std::strerror(errno);
  std::size_t done = 0;
  while (done < text.size()) {
    const ssize_t n = ::write(fd, text.data() + done, text.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      const std::string reason = n < 0 ? std::strerror(errno) : "nothing was written";
      ::close(fd);
      return "cannot write " + file.string() + ": " + reason;
    }
    done += static_cast<std::size_t>(n);
  }
  if ((mode && ::fchmod(fd, *mode) != 0) || ::fsync(fd) != 0) {
    const std::string reason = std::strerror(errno);
    ::close(fd);
    return "cannot write " + file.string() + ": " + reason;
  }
  if (::close(fd) != 0) return "cannot write " + file.string() + ": " + std::strerror(errno);
  return "";
}

// Flushes the folder's entry for the renamed file too; where a folder cannot be opened that way
// the save has still happened.
void sync_folder(const fs::path& file) {
  const fs::path folder = file.has_parent_path() ? file.parent_path() : fs::path(".");
  const int fd = ::open(folder.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  if (fd < 0) return;
  ::fsync(fd);
  ::close(fd);
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

// The bundle's parts are UTF-8 already (a page, a check file), and stand at the end of the file,
// after the routers, so that the lab itself reads first.
void add_bundle(ordered& lab, const LabBundle& bundle) {
  if (!bundle.title.empty()) lab["title"] = bundle.title;
  if (!bundle.page.empty()) lab["page"] = bundle.page;
  if (!bundle.practice_checks.empty()) lab["practice_checks"] = bundle.practice_checks;
}

LabBundle bundle_of(const JsonIn& top) {
  return {top.text("title", ""), top.text("page", ""), top.text("practice_checks", "")};
}

}  // namespace

std::string lab_text(const Simulation& sim, bool with_transcripts, const LabBundle& bundle,
                     bool with_consoles) {
  ordered routers = ordered::array();
  for (int n = 1; n <= sim.router_count && n <= kMaxRouters; ++n)
    if (const Router* r = sim.routers[n].get())
      routers.push_back(router_to_json(*r, with_transcripts));
  ordered lab = {
      {"format", kLabFileFormat},
      {"version", bundle.empty() ? kPlainLabFileVersion : kLabFileVersion},
      {"program_version", sim.version_text},
      {"behaviour", behaviour_name(sim.behaviour)},
  };
  // Near the top, so that grading finds the name even in a file cut short; a lab without a name
  // is written as it always was.
  if (!sim.student.empty()) lab[kStudentField] = sim.student;
  lab["topology_file"] = sim.topology_file;
  lab["topology"] = sim.topology_text;
  lab["clock"] = static_cast<std::uint32_t>(sim.sim_clock);
  lab["routers"] = routers;
  if (with_consoles) lab[kConsolesField] = consoles_to_json(sim);
  convert_strings(lab, [](std::string_view t) { return utf8_from_latin1(t); });
  add_bundle(lab, bundle);
  // A page or check file that is not valid UTF-8 keeps its readable parts.
  return lab.dump(2, ' ', false, ordered::error_handler_t::replace) + "\n";
}

std::string save_lab(const Simulation& sim, const fs::path& file, bool with_transcripts,
                     const LabBundle& bundle, bool with_consoles) {
  const std::string text = lab_text(sim, with_transcripts, bundle, with_consoles);
  // Whatever is saved must open again: a lab the reader would refuse is not written at all, and
  // the file keeps what it held.
  if (text.size() > kLabFileSizeLimit)
    return "cannot save " + file.string() + ": the lab would take " + std::to_string(text.size()) +
           " bytes, more than the " + std::to_string(kLabFileSizeLimit >> 20) +
           " MiB a lab file may hold (is a very long text pasted somewhere?)";
  const fs::path target = link_target(file);
  fs::path beside = target;
  beside += ".saving";
  if (std::string error = write_synced(beside, text, mode_of(target)); !error.empty()) {
    std::error_code ignored;
    fs::remove(beside, ignored);
    return error;
  }
  std::error_code ec;
  fs::rename(beside, target, ec);
  if (ec) {
    std::error_code ignored;
    fs::remove(beside, ignored);
    return "cannot save " + file.string() + ": " + ec.message();
  }
  sync_folder(target);
  return "";
}

OpenedLab open_lab_text(const std::string& file_text, Host& host, const SimulationPaths& paths) {
  OpenedLab result;
  // Editors on some systems begin a UTF-8 file with a byte-order mark; it carries nothing.
  const std::string_view text = std::string_view(file_text).starts_with(kByteOrderMark)
                                    ? std::string_view(file_text).substr(kByteOrderMark.size())
                                    : std::string_view(file_text);
  const std::size_t first = text.find_first_not_of(" \t\r\n");
  if (first == std::string::npos || text[first] != '{') {
    result.error =
        first == std::string::npos ? "the lab file is empty" : "this is not a Zorva lab file";
    return result;
  }
  try {
    check_nesting(text, kNestingLimit);
    json lab = json::parse(text);
    // The bundle's parts are kept as the UTF-8 they are; everything else is the core's text.
    if (lab.is_object()) result.bundle = bundle_of(JsonIn(lab, ""));
    for (const char* part : {"title", "page", "practice_checks"})
      if (lab.is_object()) lab.erase(part);
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
    const auto clock =
        static_cast<Int32>(static_cast<std::uint32_t>(top.whole("clock", 0, kClockHigh, 0)));
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
    sim->student = top.text(kStudentField, "");
    sim->sim_clock = clock;
    for (std::size_t i = 0; i < routers.size(); ++i)
      router_from_json(routers[i], *sim->router(static_cast<int>(i) + 1), sim->log);
    if (top.has(kConsolesField)) consoles_from_json(top.object(kConsolesField), *sim);
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
  if (std::string error = read_whole(file, text); !error.empty()) return {nullptr, error, {}};
  OpenedLab opened = open_lab_text(text, host, paths);
  if (!opened.sim) opened.error = file.filename().string() + ": " + opened.error;
  return opened;
}

}  // namespace zorva
