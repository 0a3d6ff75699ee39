// Key decoding: every key sequence the face understands, sequences split across reads, CR LF
// as one Enter, and garbage dropped without leaking into the typed line.
#include "term/key_decoder.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace zorva {
namespace {

using Keys = std::vector<KeyEvent>;

KeyEvent C(int c) {
  return KeyEvent::code(c);
}
KeyEvent F(int n) {
  return KeyEvent::function(n);
}
KeyEvent K(KeyEvent::Kind kind) {
  return KeyEvent::of(kind);
}

struct Row {
  const char* name;   // what the row proves
  std::string bytes;  // what the terminal sends
  Keys keys;          // what the console gets
};

void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

class KeyTable : public ::testing::TestWithParam<Row> {};

TEST_P(KeyTable, DecodesTheSameInOneReadOrByteByByte) {
  KeyDecoder whole, split;
  Keys one_read, byte_reads;
  whole.feed(GetParam().bytes, one_read);
  for (char c : GetParam().bytes) split.feed(std::string(1, c), byte_reads);
  EXPECT_EQ(one_read, GetParam().keys);
  EXPECT_EQ(byte_reads, GetParam().keys);
  EXPECT_FALSE(whole.pending());
  EXPECT_FALSE(split.pending());
}

const Row kRows[] = {
    {"printable", "aZ ?~", {C('a'), C('Z'), C(' '), C('?'), C('~')}},
    {"high_bytes_pass_through", "\xc3\xa9\xff", {C(0xC3), C(0xA9), C(0xFF)}},
    {"cr_lf_is_one_enter", "\r\n", {C(13)}},
    {"two_crs_are_two_enters", "\r\r", {C(13), C(13)}},
    {"lf_cr_is_two_enters", "\n\r", {C(13), C(13)}},
    {"cr_x_lf_is_two_enters", "\rx\n", {C(13), C('x'), C(13)}},
    {"tab_and_both_backspaces", "\t\x7f\x08", {C(9), C(8), C(8)}},
    {"ctrl_letters",
     std::string("\x01\x02\x05\x06\x0e\x10\x11\x1a"),
     {C(1), C(2), C(5), C(6), C(14), C(16), C(17), C(26)}},
    {"csi_arrows", "\x1b[A\x1b[B\x1b[C\x1b[D", {C(16), C(14), C(6), C(2)}},
    {"ss3_arrows", "\x1bOA\x1bOB\x1bOC\x1bOD", {C(16), C(14), C(6), C(2)}},
    {"arrow_with_modifier", "\x1b[1;5A", {C(16)}},
    {"home_end_csi_and_ss3", "\x1b[H\x1b[F\x1bOH\x1bOF", {C(1), C(5), C(1), C(5)}},
    {"home_end_tilde", "\x1b[1~\x1b[4~\x1b[7~\x1b[8~", {C(1), C(5), C(1), C(5)}},
    {"ss3_f1_to_f4", "\x1bOP\x1bOQ\x1bOR\x1bOS", {F(1), F(2), F(3), F(4)}},
    {"csi_modified_f1_to_f4", "\x1b[1;2P\x1b[1;2Q\x1b[1;2R\x1b[1;2S", {F(1), F(2), F(3), F(4)}},
    {"tilde_f1_to_f5", "\x1b[11~\x1b[12~\x1b[13~\x1b[14~\x1b[15~", {F(1), F(2), F(3), F(4), F(5)}},
    {"tilde_f6_to_f12",
     "\x1b[17~\x1b[18~\x1b[19~\x1b[20~\x1b[21~\x1b[23~\x1b[24~",
     {F(6), F(7), F(8), F(9), F(10), F(11), F(12)}},
    {"tilde_with_modifier", "\x1b[15;2~", {F(5)}},
    {"linux_console_f1_to_f5",
     "\x1b[[A\x1b[[B\x1b[[C\x1b[[D\x1b[[E",
     {F(1), F(2), F(3), F(4), F(5)}},
    {"alt_digits", "\0331\0335\0339", {F(1), F(5), F(9)}},  // \033 is ESC before a digit
    {"alt_zero_asks_for_a_router", "\0330", {K(KeyEvent::Kind::PickRouter)}},
    {"alt_letter_dropped", "\033qx", {C('x')}},
    {"alt_h_and_alt_question_list_the_keys",
     "\033h\033H\033?",
     {K(KeyEvent::Kind::KeyHelp), K(KeyEvent::Kind::KeyHelp), K(KeyEvent::Kind::KeyHelp)}},
    {"alt_l_the_lab_page_alt_n_the_name",
     "\033l\033L\033n\033N",
     {K(KeyEvent::Kind::LabPage), K(KeyEvent::Kind::LabPage), K(KeyEvent::Kind::Student),
      K(KeyEvent::Kind::Student)}},
    {"page_keys_plain_and_with_shift",
     "\x1b[5~\x1b[6~\x1b[5;2~\x1b[6;2~",
     {K(KeyEvent::Kind::PageUp), K(KeyEvent::Kind::PageDown), K(KeyEvent::Kind::PageUp),
      K(KeyEvent::Kind::PageDown)}},
    {"unknown_sequences_dropped",
     "\x1b[16~\x1b[22~\x1b[25~\x1b[2~\x1b[3~\x1b[5X\x1b[[Z\x1bOzx",
     {C('x')}},
    {"bad_tilde_parameter_dropped", "\x1b[1a~", {C('~')}},
    {"control_byte_ends_sequence", "\x1b[1\rx", {C('x')}},
    {"esc_esc_is_lone_esc_then_key", "\x1b\x1b[A", {C(27), C(16)}},
    {"overlong_sequence_swallowed_whole", "\x1b[" + std::string(40, '1') + "Ax", {C('x')}},
    {"sequence_between_text", "a\x1b[Db", {C('a'), C(2), C('b')}},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeyTable, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyDecoder, SequenceSplitAcrossReadsStaysPendingUntilItsFinalByte) {
  KeyDecoder d;
  Keys out;
  d.feed("x\x1b[2", out);
  EXPECT_TRUE(d.pending());
  d.feed("4~\x1b[" + std::string(30, ';'), out);
  EXPECT_TRUE(d.pending());  // an overlong sequence is swallowed up to its final byte
  d.feed("~y", out);
  EXPECT_EQ(out, (Keys{C('x'), F(12), C('y')}));
  EXPECT_FALSE(d.pending());
}

}  // namespace
}  // namespace zorva
