// Lab bundles: what a lab file may carry beside the lab itself, so that one file is a whole lab
// a teacher hands to a class — its title, its page (HTML with its stylesheet and pictures inside)
// and its practice checks, the ones Check My Work runs. Grading checks never travel in a lab: they
// stay in the teacher's own check file.
//
// The page is one self-contained HTML text: making a bundle writes each linked stylesheet into
// the page as a <style> block and each picture as a data: address, so every face shows it as it
// is, with no other file beside it.
#pragma once

#include <filesystem>
#include <string>
#include <vector>

namespace zorva {

class Host;
class Simulation;

struct LabBundle {
  std::string title;            // UTF-8; "" for none
  std::string page;             // the whole HTML page, UTF-8; "" for none
  std::string practice_checks;  // a check file's text; "" for none
  bool empty() const { return title.empty() && page.empty() && practice_checks.empty(); }
  bool operator==(const LabBundle&) const = default;
};

// The page with every <link rel="stylesheet" href="FILE"> replaced by a <style> block holding
// FILE, and every <img src="FILE"> given FILE as a data: address; files are read relative to
// `folder`. Web addresses and data: addresses stay as they are. Each file that cannot be read is
// named in `problems`, and its tag is left unchanged.
std::string self_contained_page(const std::string& html, const std::filesystem::path& folder,
                                std::vector<std::string>& problems);

// The text of the page's <title>, its entities and blanks tidied; "" when it has none.
std::string page_title(const std::string& html);

// What a bundle is made of, as `zorva-term --bundle` names the files.
struct BundleSources {
  std::filesystem::path page;      // the lab's page (.htm)
  std::filesystem::path topology;  // its topology; "" when the starting lab gives it
  std::filesystem::path lab;       // the starting lab; "" to start from the topology alone
  std::filesystem::path checks;    // the practice checks; "" for none
  std::string title;               // "" to take the page's <title>, else the page's file name
};

// Makes the bundle `out` from `sources`: the starting lab (or a new lab on the topology, in the
// classic behaviour) with the page, title and practice checks. When both a starting lab and a
// topology are named, the lab must cable the routers as the topology does. `app_dir` is the
// program directory; `host` answers whatever opening a topology asks. Returns "" or why the
// bundle was not made; `notes` gets what was made anyway (a picture left out).
std::string make_bundle(const BundleSources& sources, const std::filesystem::path& out,
                        const std::filesystem::path& app_dir, Host& host,
                        std::vector<std::string>& notes);

// Makes the bundle `out` from the running lab `sim` as it is now (without its transcripts), with
// the page, its title (`title`, else the page's) and the practice checks ("" for none), as the
// desktop's Export Lab Bundle does. "" or why it was not made; `notes` as for make_bundle.
std::string export_bundle(const Simulation& sim, const std::filesystem::path& page,
                          const std::filesystem::path& checks, const std::string& title,
                          const std::filesystem::path& out, std::vector<std::string>& notes);

}  // namespace zorva
