#include "lab/lab_bundle.h"

#include <algorithm>
#include <cctype>
#include <sstream>

#include "lab/check_file.h"
#include "lab/file_text.h"
#include "lab/integrity_hints.h"
#include "lab/lab_file.h"
#include "simulation/simulation.h"

namespace zorva {

namespace {

namespace fs = std::filesystem;

// A page, a stylesheet or a picture larger than this is refused: a bundle is handed round a class.
constexpr std::uintmax_t kPartLimit = 16u << 20;

std::string lower(std::string_view text) {
  std::string out(text);
  std::transform(out.begin(), out.end(), out.begin(),
                 [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return out;
}

std::string base64(const std::string& bytes) {
  static constexpr char kDigits[] =
      "ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz0123456789+/";
  std::string out;
  out.reserve((bytes.size() + 2) / 3 * 4);
  for (std::size_t i = 0; i < bytes.size(); i += 3) {
    const std::size_t left = bytes.size() - i;
    std::uint32_t n = static_cast<unsigned char>(bytes[i]) << 16;
    if (left > 1) n |= static_cast<unsigned char>(bytes[i + 1]) << 8;
    if (left > 2) n |= static_cast<unsigned char>(bytes[i + 2]);
    out += kDigits[(n >> 18) & 63];
    out += kDigits[(n >> 12) & 63];
    out += left > 1 ? kDigits[(n >> 6) & 63] : '=';
    out += left > 2 ? kDigits[n & 63] : '=';
  }
  return out;
}

std::string media_type(const fs::path& file) {
  const std::string ext = lower(file.extension().string());
  if (ext == ".png") return "image/png";
  if (ext == ".jpg" || ext == ".jpeg") return "image/jpeg";
  if (ext == ".gif") return "image/gif";
  if (ext == ".svg") return "image/svg+xml";
  if (ext == ".webp") return "image/webp";
  if (ext == ".bmp") return "image/bmp";
  return "application/octet-stream";
}

// An attribute of one tag's text ("<img src=a.png alt=x>"): where its value starts and ends in
// the tag, quoted or not; npos when the tag has no such attribute.
struct Attribute {
  std::size_t begin = std::string::npos;
  std::size_t end = std::string::npos;
};

Attribute find_attribute(const std::string& tag, std::string_view name) {
  const std::string low = lower(tag);
  std::size_t at = 0;
  while ((at = low.find(name, at)) != std::string::npos) {
    const bool word_start = at > 0 && std::isspace(static_cast<unsigned char>(low[at - 1]));
    std::size_t p = at + name.size();
    while (p < low.size() && std::isspace(static_cast<unsigned char>(low[p]))) ++p;
    if (!word_start || p >= low.size() || low[p] != '=') {
      at += name.size();
      continue;
    }
    ++p;
    while (p < low.size() && std::isspace(static_cast<unsigned char>(low[p]))) ++p;
    if (p < low.size() && (low[p] == '"' || low[p] == '\'')) {
      const std::size_t close = low.find(low[p], p + 1);
      if (close == std::string::npos) return {};
      return {p + 1, close};
    }
    std::size_t end = p;
    while (end < low.size() && !std::isspace(static_cast<unsigned char>(low[end])) &&
           low[end] != '>')
      ++end;
    return {p, end};
  }
  return {};
}

std::string value_of(const std::string& tag, const Attribute& a) {
  return a.begin == std::string::npos ? "" : tag.substr(a.begin, a.end - a.begin);
}

// A reference to a file beside the page, not an address of its own.
bool local_file(const std::string& ref) {
  const std::string low = lower(ref);
  return !ref.empty() && low.find("://") == std::string::npos && !low.starts_with("data:") &&
         !low.starts_with("//") && !low.starts_with("#");
}

// The file a reference names, without its query or fragment.
fs::path referenced_file(const fs::path& folder, std::string ref) {
  ref = ref.substr(0, ref.find_first_of("?#"));
  return folder / ref;
}

// The new text of one tag: a stylesheet link becomes a style block, a picture gets its data.
std::string rewritten_tag(const std::string& tag, const fs::path& folder,
                          std::vector<std::string>& problems) {
  const std::string low = lower(tag);
  const bool is_img = low.starts_with("<img");
  const bool is_link =
      low.starts_with("<link") && lower(value_of(tag, find_attribute(tag, "rel"))) == "stylesheet";
  if (!is_img && !is_link) return tag;
  const Attribute ref = find_attribute(tag, is_img ? "src" : "href");
  const std::string target = value_of(tag, ref);
  if (!local_file(target)) return tag;
  const fs::path file = referenced_file(folder, target);
  std::string bytes;
  if (std::string error = read_file_text(file, kPartLimit, bytes); !error.empty()) {
    problems.push_back(error);
    return tag;
  }
  if (is_link) return "<style>\n" + bytes + "\n</style>";
  return tag.substr(0, ref.begin) + "data:" + media_type(file) + ";base64," + base64(bytes) +
         tag.substr(ref.end);
}

std::string collapse_blanks(const std::string& text) {
  std::string out;
  for (char c : text) {
    const bool blank = std::isspace(static_cast<unsigned char>(c));
    if (blank && (out.empty() || out.back() == ' ')) continue;
    out += blank ? ' ' : c;
  }
  while (!out.empty() && out.back() == ' ') out.pop_back();
  return out;
}

// The page (made self-contained), its title and the practice checks, read and checked.
std::string bundle_parts(const fs::path& page_file, const fs::path& checks,
                         const std::string& title, LabBundle& bundle,
                         std::vector<std::string>& notes);

}  // namespace

std::string self_contained_page(const std::string& html, const fs::path& folder,
                                std::vector<std::string>& problems) {
  std::string out;
  out.reserve(html.size());
  std::size_t at = 0;
  while (at < html.size()) {
    const std::size_t open = html.find('<', at);
    if (open == std::string::npos) break;
    // Comments are copied whole: a tag written inside one is not a tag.
    if (html.compare(open, 4, "<!--") == 0) {
      const std::size_t close = html.find("-->", open + 4);
      const std::size_t end = close == std::string::npos ? html.size() : close + 3;
      out.append(html, at, end - at);
      at = end;
      continue;
    }
    const std::size_t close = html.find('>', open);
    if (close == std::string::npos) break;
    out.append(html, at, open - at);
    out += rewritten_tag(html.substr(open, close + 1 - open), folder, problems);
    at = close + 1;
  }
  if (at < html.size()) out.append(html, at, std::string::npos);
  return out;
}

std::string page_title(const std::string& html) {
  const std::string low = lower(html);
  const std::size_t open = low.find("<title");
  if (open == std::string::npos) return "";
  const std::size_t start = low.find('>', open);
  const std::size_t end = low.find("</title", start == std::string::npos ? open : start);
  if (start == std::string::npos || end == std::string::npos) return "";
  std::string title = html.substr(start + 1, end - start - 1);
  static const std::pair<std::string_view, std::string_view> kEntities[] = {
      {"&lt;", "<"}, {"&gt;", ">"}, {"&quot;", "\""}, {"&#39;", "'"}, {"&nbsp;", " "}};
  for (const auto& [entity, text] : kEntities)
    for (std::size_t p; (p = title.find(entity)) != std::string::npos;)
      title.replace(p, entity.size(), text);
  for (std::size_t p; (p = title.find("&amp;")) != std::string::npos;) title.replace(p, 5, "&");
  return collapse_blanks(title);
}

namespace {

std::string bundle_parts(const fs::path& page_file, const fs::path& checks,
                         const std::string& title, LabBundle& bundle,
                         std::vector<std::string>& notes) {
  if (page_file.empty()) return "a bundle needs the lab's page";
  std::string page;
  if (std::string error = read_file_text(page_file, kPartLimit, page); !error.empty()) return error;
  bundle.page = self_contained_page(page, page_file.parent_path(), notes);
  bundle.title = !title.empty()              ? title
                 : !page_title(page).empty() ? page_title(page)
                                             : page_file.stem().string();
  if (checks.empty()) return "";
  if (std::string error = read_file_text(checks, kPartLimit, bundle.practice_checks);
      !error.empty())
    return error;
  std::istringstream in(bundle.practice_checks);
  std::vector<Check> parsed;
  if (const std::optional<CheckFileError> e = parse_checks(in, parsed))
    return checks.string() + " line " + std::to_string(e->line_number) + ": " + e->message;
  return "";
}

}  // namespace

std::string export_bundle(const Simulation& sim, const fs::path& page, const fs::path& checks,
                          const std::string& title, const fs::path& out,
                          std::vector<std::string>& notes) {
  std::error_code ec;
  for (const fs::path& in : {page, checks})
    if (!in.empty() && fs::equivalent(in, out, ec))
      return out.string() + " is one of the files the bundle is made from";
  LabBundle bundle;
  if (std::string error = bundle_parts(page, checks, title, bundle, notes); !error.empty())
    return error;
  return save_lab(sim, out, false, bundle);
}

std::string make_bundle(const BundleSources& sources, const fs::path& out, const fs::path& app_dir,
                        Host& host, std::vector<std::string>& notes) {
  if (sources.page.empty()) return "a bundle needs the lab's page";
  if (sources.lab.empty() && sources.topology.empty())
    return "a bundle needs a topology or a starting lab";
  std::error_code ec;
  for (const fs::path& in : {sources.page, sources.topology, sources.lab, sources.checks})
    if (!in.empty() && fs::equivalent(in, out, ec))
      return out.string() + " is one of the files the bundle is made from";

  LabBundle bundle;
  if (std::string error = bundle_parts(sources.page, sources.checks, sources.title, bundle, notes);
      !error.empty())
    return error;

  const SimulationPaths paths{app_dir, fs::temp_directory_path(ec) / "zorva-bundle.log"};
  std::unique_ptr<Simulation> sim;
  if (!sources.lab.empty()) {
    OpenedLab opened = open_lab_file(sources.lab, host, paths);
    if (!opened.sim) return opened.error;
    sim = std::move(opened.sim);
    if (!sources.topology.empty()) {
      std::string error;
      const std::optional<TopologyShape> expected =
          topology_shape_of_file(sources.topology, app_dir, error);
      if (!expected) return sources.topology.string() + ": " + error;
      if (const std::string d = shape_differences(topology_shape(*sim), *expected); !d.empty())
        return sources.lab.string() + " was not made on " + sources.topology.string() +
               ": it has " + d;
    }
  } else {
    if (!fs::is_regular_file(sources.topology, ec))
      return "cannot read " + sources.topology.string() + ": no such file";
    sim = std::make_unique<Simulation>(host, paths);
    sim->start(sources.topology.string());
    if (sim->router_count == 0) return sources.topology.string() + ": " + sim->no_routers_reason;
  }
  // A starting lab is the teacher's: it names no student, and its consoles start empty.
  sim->student.clear();
  return save_lab(*sim, out, false, bundle);
}

}  // namespace zorva
