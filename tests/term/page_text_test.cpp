// Lab pages as the terminal shows them: one table of the HTML the pages use and the text each
// becomes.
#include "term/page_text.h"

#include <gtest/gtest.h>

#include <fstream>
#include <sstream>

#include "tests/support/test_simulation.h"

namespace zorva {
namespace {

struct Case {
  const char* name;
  const char* html;
  const char* text;
};

const Case kCases[] = {
    {"headings_underlined_by_level",
     "<h1>Lab</h1><h2>\xC3\x9C"
     "ber</h2><p>x</p>",
     "Lab\n===\n\n\xC3\x9C"
     "ber\n----\n\nx\n"},
    {"paragraphs_apart_blanks_collapsed", "<p>one\n   two</p>\n\n<p>three</p>",
     "one two\n\nthree\n"},
    {"line_breaks", "a<br>b<br/>c", "a\nb\nc\n"},
    {"table_rows_are_lines_cells_words",
     "<table><tr><td>1.</td><td>Go</td></tr><tr><td>2.</td><td>Stop</td></tr></table>",
     "1. Go\n2. Stop\n"},
    {"lists_numbered_bulleted_nested",
     "<ol><li>one</li><li>two</li></ol><ul><li>a<ul><li>b</li></ul></li><li>c</li></ul>",
     "1. one\n2. two\n\n* a\n  * b\n* c\n"},
    {"pre_kept_as_written",
     "<p>a</p><pre>\nRouter#show ip route\n  C    10.0.0.0/8\n\n  S  x</pre><p>b</p>",
     "a\n\nRouter#show ip route\n  C    10.0.0.0/8\n\n  S  x\n\nb\n"},
    {"entities_decoded", "<p>&lt;cr&gt; &amp; &#233;&#xE9; a&nbsp;b &bogus; &quot;q&quot;</p>",
     "<cr> & \xC3\xA9\xC3\xA9 a b &bogus; \"q\"\n"},
    {"head_script_style_comments_left_out",
     "<head><title>T</title><style>p { x: 1 }</style></head><script>if (a<b) x();</script>"
     "<!-- <p>old</p> --><p>kept</p>",
     "kept\n"},
    {"pictures_by_their_alt_text", "<p>see <img src=\"n.png\" alt=\"the net\"> here</p>",
     "see [picture: the net] here\n"},
    {"rule_between_blocks", "<p>a</p><hr><p>b</p>",
     "a\n\n----------------------------------------\n\nb\n"},
};

class PageText : public ::testing::TestWithParam<Case> {};

TEST_P(PageText, BecomesLinesAsAReaderExpects) {
  EXPECT_EQ(page_text(GetParam().html), GetParam().text);
}

INSTANTIATE_TEST_SUITE_P(Table, PageText, ::testing::ValuesIn(kCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace zorva
