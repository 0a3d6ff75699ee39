#include "lab/check_file.h"

#include <algorithm>
#include <istream>
#include <iterator>
#include <sstream>

#include "base/number_text.h"
#include "lab/check_words.h"
#include "lab/file_text.h"
#include "router/router.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

using Word = CheckWord;
using WordKind = CheckWord::Kind;

// A check file is a page of text; anything larger is not one.
constexpr std::uintmax_t kLargestCheckFile = 1u << 20;

constexpr const char* kHiddenSecret = "\"*****\"";

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// A whole number of at most `digits` digits, or nullopt.
std::optional<long long> small_number(const Word& w, std::size_t digits) {
  if (w.kind != WordKind::Plain || w.text.empty() || w.text.size() > digits) return std::nullopt;
  for (char c : w.text)
    if (c < '0' || c > '9') return std::nullopt;
  return std::stoll(w.text);
}

class LineReader {
 public:
  LineReader(const std::vector<Word>& words, Check& check) : words_(words), check_(check) {}

  std::optional<std::string> read() {
    const std::string verb = lower(word(0));
    if (verb == "wait") return read_wait();
    if (verb == "router") return read_router_check();
    return "unknown check '" + word(0) + "'; a check starts with 'router N' or 'wait'";
  }

 private:
  std::string word(std::size_t i) const { return i < words_.size() ? words_[i].text : ""; }
  bool is(std::size_t i, const char* keyword) const {
    return i < words_.size() && words_[i].kind == WordKind::Plain &&
           lower(words_[i].text) == keyword;
  }
  bool quoted(std::size_t i) const {
    return i < words_.size() && words_[i].kind == WordKind::Quoted;
  }
  std::optional<std::string> expect_end(std::size_t count) const {
    if (words_.size() > count) return "unexpected '" + word(count) + "' at the end of the check";
    return std::nullopt;
  }

  std::optional<std::string> read_wait() {
    const std::string usage = "'wait' takes a number of seconds above 0 and up to " +
                              std::to_string(kLongestCheckWait) + ", such as 30 or 1.5";
    if (words_.size() != 2) return usage;
    const std::optional<long long> ms = milliseconds(words_[1]);
    if (!ms || *ms < 1 || *ms > kLongestCheckWait * 1000) return usage;
    check_.kind = Check::Kind::Wait;
    check_.millis = *ms;
    return std::nullopt;
  }

  // SECONDS written as digits with at most three decimals, in milliseconds.
  static std::optional<long long> milliseconds(const Word& w) {
    if (w.kind != WordKind::Plain) return std::nullopt;
    const std::size_t point = w.text.find('.');
    const std::string whole = w.text.substr(0, point);
    const std::string part = point == std::string::npos ? "" : w.text.substr(point + 1);
    const auto digits = [](const std::string& t) {
      return std::all_of(t.begin(), t.end(), [](char c) { return c >= '0' && c <= '9'; });
    };
    if (whole.empty() || whole.size() > 9 || part.size() > 3 || !digits(whole) || !digits(part) ||
        (point != std::string::npos && part.empty()))
      return std::nullopt;
    return std::stoll(whole) * 1000 + std::stoll(part + std::string(3 - part.size(), '0'));
  }

  std::optional<std::string> read_router_check() {
    const std::optional<long long> n =
        words_.size() > 1 ? small_number(words_[1], 3) : std::nullopt;
    if (!n || *n < 1 || *n > kMaxRouters)
      return "'router' needs a router number from 1 to " + std::to_string(kMaxRouters) +
             (words_.size() > 1 ? ", not '" + word(1) + "'" : "");
    check_.router = static_cast<int>(*n);
    if (is(2, "can") && is(3, "ping")) return read_ping(Check::Kind::Ping);
    if (is(2, "cannot") && is(3, "ping")) return read_ping(Check::Kind::NoPing);
    if (is(2, "route")) return read_route(3, Check::Kind::Route);
    if (is(2, "no") && is(3, "route")) return read_route(4, Check::Kind::NoRoute);
    if (is(2, "interface")) return read_interface();
    if (is(2, "running-config") || is(2, "startup-config")) return read_config();
    if (is(2, "show")) return read_show();
    if (is(2, "enable") && is(3, "secret")) return read_secret();
    return "unknown check '" + word(2) +
           "' after the router number; expected can ping, cannot ping, route, no route, "
           "interface, running-config, startup-config, show or enable secret";
  }

  std::optional<std::string> address_at(std::size_t i, std::string& out, const char* what) const {
    if (i >= words_.size()) return std::string("missing ") + what;
    if (!parse_dotted(word(i))) return "'" + word(i) + "' is not an address such as 10.1.1.2";
    out = dotted(*parse_dotted(word(i)));
    return std::nullopt;
  }

  std::optional<std::string> read_ping(Check::Kind kind) {
    check_.kind = kind;
    if (auto e = address_at(4, check_.address, "the address to ping")) return e;
    return expect_end(5);
  }

  std::optional<std::string> read_route(std::size_t at, Check::Kind kind) {
    check_.kind = kind;
    const std::string net = word(at);
    const std::size_t slash = net.find('/');
    if (at >= words_.size() || slash == std::string::npos)
      return "a route is written NETWORK/LENGTH, such as 192.168.1.0/24";
    std::vector<Word> parts{{net.substr(0, slash)}, {net.substr(slash + 1)}};
    const std::optional<Ipv4> value = parse_dotted(parts[0].text);
    if (!value) return "'" + parts[0].text + "' is not a network address such as 192.168.1.0";
    const std::optional<long long> length = small_number(parts[1], 2);
    if (!length || *length > 32) return "'" + parts[1].text + "' is not a prefix length 0..32";
    check_.address = dotted(*value);
    check_.prefix_length = static_cast<int>(*length);
    std::size_t i = at + 1;
    if (kind == Check::Kind::NoRoute) return expect_end(i);
    if (is(i, "code")) {
      const std::string code = word(i + 1);
      if (code.size() != 1 || std::string("CSRIDO").find(static_cast<char>(std::toupper(
                                  static_cast<unsigned char>(code[0])))) == std::string::npos)
        return "'code' takes one of C, S, R, I, D or O";
      check_.code = static_cast<char>(std::toupper(static_cast<unsigned char>(code[0])));
      i += 2;
    }
    if (is(i, "via")) {
      if (auto e = address_at(i + 1, check_.via, "the address after 'via'")) return e;
      i += 2;
    }
    return expect_end(i);
  }

  std::optional<std::string> read_interface() {
    if (words_.size() < 4) return "'interface' needs an interface name such as Serial0";
    check_.interface = word(3);
    if (is(4, "line") && is(5, "protocol") && (is(6, "up") || is(6, "down"))) {
      check_.kind = Check::Kind::LineProtocol;
      check_.state = lower(word(6));
      return expect_end(7);
    }
    if (is(4, "is") && (is(5, "up") || is(5, "down"))) {
      check_.kind = Check::Kind::InterfaceState;
      check_.state = lower(word(5));
      return expect_end(6);
    }
    if (is(4, "is") && is(5, "administratively") && is(6, "down")) {
      check_.kind = Check::Kind::InterfaceState;
      check_.state = "administratively down";
      return expect_end(7);
    }
    return "after the interface name comes 'line protocol up|down' or 'is up|down|"
           "administratively down'";
  }

  std::optional<std::string> read_config() {
    check_.startup = is(2, "startup-config");
    const std::string which = lower(word(2));
    if (is(3, "matches")) return read_pattern(4, Check::Kind::ConfigMatches);
    const bool has = is(3, "has"), lacks = is(3, "lacks");
    check_.exact = is(4, "exactly");
    const std::size_t at = check_.exact ? 5 : 4;
    if (!(has || lacks) || !quoted(at))
      return "write '" + which + " has [exactly] \"LINE\"', '" + which +
             " lacks [exactly] \"LINE\"' or '" + which + " matches /REGEX/'";
    check_.kind = has ? Check::Kind::ConfigHas : Check::Kind::ConfigLacks;
    check_.wanted = trim(word(at));
    if (check_.wanted.empty()) return "the configuration line in quotes is empty";
    return expect_end(at + 1);
  }

  std::optional<std::string> read_show() {
    const std::string usage =
        "write 'show \"COMMAND\" contains \"TEXT\"', 'show \"COMMAND\" lacks \"TEXT\"' or "
        "'show \"COMMAND\" matches /REGEX/'";
    if (!quoted(3)) return usage;
    check_.command = trim(word(3));
    if (check_.command.empty()) return "the command in quotes is empty";
    if (auto e = show_command_only(check_.command)) return e;
    if (is(4, "matches")) return read_pattern(5, Check::Kind::ShowMatches);
    const bool contains = is(4, "contains"), lacks = is(4, "lacks");
    if (!(contains || lacks) || !quoted(5)) return usage;
    check_.kind = contains ? Check::Kind::ShowContains : Check::Kind::ShowLacks;
    check_.wanted = word(5);
    if (check_.wanted.empty()) return "the text in quotes is empty";
    return expect_end(6);
  }

  // A check only looks: the command typed must be a report, never one that changes the lab.
  static std::optional<std::string> show_command_only(const std::string& command) {
    const std::string first = lower(command.substr(0, command.find_first_of(" \t")));
    const bool show = first.size() >= 2 && std::string("show").rfind(first, 0) == 0;
    if (!show) return "a show check types only 'show ...' commands, not '" + command + "'";
    if (std::any_of(command.begin(), command.end(),
                    [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == '?'; }))
      return "the command in quotes holds a character a check cannot type";
    return std::nullopt;
  }

  std::optional<std::string> read_pattern(std::size_t at, Check::Kind kind) {
    check_.kind = kind;
    if (at >= words_.size() || words_[at].kind != WordKind::Pattern)
      return "'matches' takes a regular expression between slashes, such as /^hostname R[0-9]$/";
    check_.pattern = word(at);
    if (check_.pattern.empty()) return "the regular expression between the slashes is empty";
    auto flags = std::regex::ECMAScript | std::regex::optimize;
    if (words_[at].ignore_case) flags |= std::regex::icase;
    try {
      check_.regex = std::make_shared<const std::regex>(check_.pattern, flags);
    } catch (const std::regex_error&) {
      return "/" + check_.pattern + "/ is not a regular expression this program can read";
    }
    return expect_end(at + 1);
  }

  std::optional<std::string> read_secret() {
    check_.kind = Check::Kind::EnableSecret;
    if (!is(4, "is") || !quoted(5))
      return "write 'enable secret is \"SECRET\"' (the secret as typed)";
    check_.wanted = word(5);
    if (check_.wanted.empty()) return "the secret in quotes is empty";
    if (auto e = expect_end(6)) return e;
    // The secret is never shown, not even in the check's own text.
    check_.text = "router " + std::to_string(check_.router) + " enable secret is " + kHiddenSecret;
    return std::nullopt;
  }

  std::vector<Word> words_;
  Check& check_;
};

}  // namespace

bool Check::needs_network() const {
  switch (kind) {
    case Kind::Ping:
    case Kind::NoPing:
    case Kind::Route:
    case Kind::NoRoute:
    case Kind::LineProtocol:
    case Kind::InterfaceState:
    case Kind::ShowContains:
    case Kind::ShowLacks:
    case Kind::ShowMatches:
      return true;
    case Kind::Wait:
    case Kind::ConfigHas:
    case Kind::ConfigLacks:
    case Kind::ConfigMatches:
    case Kind::EnableSecret:
      return false;
  }
  return false;
}

std::optional<CheckFileError> parse_checks(std::istream& in, std::vector<Check>& checks) {
  std::string all{std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
  if (all.rfind("\xEF\xBB\xBF", 0) == 0) all.erase(0, 3);  // a UTF-8 byte-order mark
  std::size_t at = 0;
  int n = 0;
  bool any_check = false;
  while (at < all.size()) {
    // A line ends at CR LF, at a CR alone or at LF, whichever the editor wrote.
    const std::size_t end = all.find_first_of("\r\n", at);
    const std::string_view line =
        std::string_view(all).substr(at, end == std::string::npos ? std::string::npos : end - at);
    at = end == std::string::npos
             ? all.size()
             : end + (all[end] == '\r' && end + 1 < all.size() && all[end + 1] == '\n' ? 2 : 1);
    ++n;
    CheckLine words;
    if (auto e = split_check_line(line, words)) return CheckFileError{n, *e};
    if (words.words.empty()) continue;
    Check check;
    check.line_number = n;
    check.text = words.text;
    if (auto e = LineReader(words.words, check).read()) return CheckFileError{n, *e};
    any_check = any_check || check.kind != Check::Kind::Wait;
    checks.push_back(std::move(check));
  }
  if (!any_check) return CheckFileError{0, "the check file holds no checks"};
  return std::nullopt;
}

std::optional<CheckFileError> read_check_file(const std::string& file, std::vector<Check>& checks) {
  std::string text;
  if (std::string e = read_file_text(file, kLargestCheckFile, text); !e.empty())
    return CheckFileError{0, e};
  std::istringstream in(text);
  return parse_checks(in, checks);
}

}  // namespace zorva
