#include "lab/check_file.h"

#include <fstream>
#include <istream>

#include "base/number_text.h"
#include "router/router.h"
#include "state/ipv4.h"

namespace zorva {

namespace {

// The words of a line; a text in double quotes is one word, kept without its quotes and marked.
struct Word {
  std::string text;
  bool quoted = false;
};

std::optional<std::string> split_words(const std::string& line, std::vector<Word>& words) {
  std::size_t i = 0;
  while (i < line.size()) {
    const char c = line[i];
    if (c == ' ' || c == '\t') {
      ++i;
    } else if (c == '"') {
      const std::size_t close = line.find('"', i + 1);
      if (close == std::string::npos) return "a text in quotes has no closing quote";
      words.push_back({line.substr(i + 1, close - i - 1), true});
      i = close + 1;
    } else {
      std::size_t end = i;
      while (end < line.size() && line[end] != ' ' && line[end] != '\t' && line[end] != '"') ++end;
      words.push_back({line.substr(i, end - i), false});
      i = end;
    }
  }
  return std::nullopt;
}

std::string lower(std::string s) {
  for (char& c : s) c = static_cast<char>(std::tolower(static_cast<unsigned char>(c)));
  return s;
}

// A whole number of at most `digits` digits, or nullopt.
std::optional<long long> small_number(const Word& w, std::size_t digits) {
  if (w.quoted || w.text.empty() || w.text.size() > digits) return std::nullopt;
  for (char c : w.text)
    if (c < '0' || c > '9') return std::nullopt;
  return std::stoll(w.text);
}

class LineReader {
 public:
  LineReader(std::vector<Word> words, Check& check) : words_(std::move(words)), check_(check) {}

  std::optional<std::string> read() {
    const std::string verb = lower(word(0));
    if (verb == "wait") return read_wait();
    if (verb == "router") return read_router_check();
    return "unknown check '" + word(0) + "'; a check starts with 'router N' or 'wait'";
  }

 private:
  std::string word(std::size_t i) const { return i < words_.size() ? words_[i].text : ""; }
  bool is(std::size_t i, const char* keyword) const {
    return i < words_.size() && !words_[i].quoted && lower(words_[i].text) == keyword;
  }
  std::optional<std::string> expect_end(std::size_t count) const {
    if (words_.size() > count) return "unexpected '" + word(count) + "' at the end of the check";
    return std::nullopt;
  }

  std::optional<std::string> read_wait() {
    const std::string usage =
        "'wait' takes a number of seconds from 1 to " + std::to_string(kLongestCheckWait);
    if (words_.size() != 2) return usage;
    const std::optional<long long> s = small_number(words_[1], 9);
    if (!s || *s < 1 || *s > kLongestCheckWait) return usage;
    check_.kind = Check::Kind::Wait;
    check_.seconds = *s;
    return std::nullopt;
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
    return "unknown check '" + word(2) +
           "' after the router number; expected can ping, cannot ping, route, no route, "
           "interface, running-config, startup-config or show";
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
    std::vector<Word> parts{{net.substr(0, slash), false}, {net.substr(slash + 1), false}};
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
    const bool has = is(3, "has"), lacks = is(3, "lacks");
    if (!(has || lacks) || words_.size() < 5 || !words_[4].quoted)
      return "write '" + lower(word(2)) + " has \"LINE\"' or '" + lower(word(2)) +
             " lacks \"LINE\"'";
    check_.kind = has ? Check::Kind::ConfigHas : Check::Kind::ConfigLacks;
    check_.wanted = trim(word(4));
    if (check_.wanted.empty()) return "the configuration line in quotes is empty";
    return expect_end(5);
  }

  std::optional<std::string> read_show() {
    const bool contains = is(4, "contains"), lacks = is(4, "lacks");
    if (words_.size() < 6 || !words_[3].quoted || !(contains || lacks) || !words_[5].quoted)
      return "write 'show \"COMMAND\" contains \"TEXT\"' or 'show \"COMMAND\" lacks \"TEXT\"'";
    check_.kind = contains ? Check::Kind::ShowContains : Check::Kind::ShowLacks;
    check_.command = trim(word(3));
    check_.wanted = word(5);
    if (check_.command.empty()) return "the command in quotes is empty";
    if (check_.wanted.empty()) return "the text in quotes is empty";
    return expect_end(6);
  }

  std::vector<Word> words_;
  Check& check_;
};

}  // namespace

std::optional<CheckFileError> parse_checks(std::istream& in, std::vector<Check>& checks) {
  std::string line;
  int n = 0;
  while (std::getline(in, line)) {
    ++n;
    if (!line.empty() && line.back() == '\r') line.pop_back();
    const std::string text = trim(line);
    if (text.empty() || text[0] == '#') continue;
    std::vector<Word> words;
    if (auto e = split_words(text, words)) return CheckFileError{n, *e};
    Check check;
    check.line_number = n;
    check.text = text;
    if (auto e = LineReader(std::move(words), check).read()) return CheckFileError{n, *e};
    checks.push_back(std::move(check));
  }
  return std::nullopt;
}

std::optional<CheckFileError> read_check_file(const std::string& file, std::vector<Check>& checks) {
  std::ifstream in(file, std::ios::binary);
  if (!in) return CheckFileError{0, "cannot read the check file " + file};
  return parse_checks(in, checks);
}

}  // namespace zorva
