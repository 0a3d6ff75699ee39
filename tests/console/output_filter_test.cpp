// Which lines carry an output filter, and what each filter keeps of a report.
#include "console/output_filter.h"

#include <gtest/gtest.h>

namespace zorva {
namespace {

struct SplitCase {
  const char* line;
  bool filtered;
  const char* command;
  OutputFilter::Kind kind;
  const char* pattern;
};

TEST(OutputFilter, SplitsOnlyShowLinesWithAFilterWordAndAPattern) {
  using K = OutputFilter::Kind;
  const SplitCase cases[] = {
      {"show running-config | include ip route", true, "show running-config", K::Include,
       "ip route"},
      {"sh run | i hostname", true, "sh run", K::Include, "hostname"},
      {"do sh run|b router  ", true, "do sh run", K::Begin, "router"},
      {"show ip interface brief | e unassigned", true, "show ip interface brief", K::Exclude,
       "unassigned"},
      {"show running-config | include", false, "", K::Include, ""},    // no pattern
      {"show running-config | section x", false, "", K::Include, ""},  // no such filter
      {"ping 10.0.0.1 | include !", false, "", K::Include, ""},        // not a show command
      {"s run | i x", false, "", K::Include, ""},                      // "s" is not show
      {"show | i x", false, "", K::Include, ""},                       // show needs a report
  };
  for (const SplitCase& c : cases) {
    SCOPED_TRACE(c.line);
    const std::optional<OutputFilter> f = split_output_filter(c.line);
    ASSERT_EQ(f.has_value(), c.filtered);
    if (!f) continue;
    EXPECT_EQ(f->command, c.command);
    EXPECT_EQ(f->kind, c.kind);
    EXPECT_EQ(f->pattern, c.pattern);
  }
}

struct ApplyCase {
  OutputFilter::Kind kind;
  const char* pattern;
  const char* expected;
};

TEST(OutputFilter, KeepsTheLinesOfItsKind) {
  using K = OutputFilter::Kind;
  const std::string report = "\r\nhostname R1\r\n!\r\nrouter rip\r\n network 10.0.0.0\r\nend\r\n";
  const ApplyCase cases[] = {
      {K::Include, "network", "\r\n network 10.0.0.0"},  // the prompt follows at once
      {K::Include, "^r", "\r\nrouter rip"},              // a regular expression
      {K::Include, "ospf", ""},                          // nothing matches: nothing printed
      {K::Include, "(", ""},                             // no valid expression: plain text
      {K::Exclude, "^ |!", "\r\nhostname R1\r\nrouter rip\r\nend"},
      {K::Begin, "router", "\r\nrouter rip\r\n network 10.0.0.0\r\nend\r\n"},  // keeps the end
      {K::Begin, "ospf", ""},
  };
  for (const ApplyCase& c : cases) {
    SCOPED_TRACE(c.pattern);
    OutputFilter f;
    f.kind = c.kind;
    f.pattern = c.pattern;
    EXPECT_EQ(apply_output_filter(f, report), c.expected);
  }
}

}  // namespace
}  // namespace zorva
