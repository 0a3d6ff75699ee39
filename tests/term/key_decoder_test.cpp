// Key decoding: every key sequence the face understands, sequences split across reads, the lone
// Esc, CR LF as one Enter, and garbage dropped without leaking into the typed line.
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

Keys decode_whole(const std::string& bytes) {
  KeyDecoder d;
  Keys out;
  d.feed(bytes, out);
  return out;
}

Keys decode_byte_by_byte(const std::string& bytes) {
  KeyDecoder d;
  Keys out;
  for (char c : bytes) d.feed(std::string(1, c), out);
  return out;
}

struct Row {
  const char* name;   // what the row proves
  std::string bytes;  // what the terminal sends
  Keys keys;          // what the console gets
};

// Rows print as their name, so test listings stay readable.
void PrintTo(const Row& row, std::ostream* os) {
  *os << row.name;
}

class KeyTable : public ::testing::TestWithParam<Row> {};

TEST_P(KeyTable, DecodesInOneRead) {
  EXPECT_EQ(decode_whole(GetParam().bytes), GetParam().keys);
}

TEST_P(KeyTable, DecodesTheSameWhenSplitIntoSingleBytes) {
  EXPECT_EQ(decode_byte_by_byte(GetParam().bytes), GetParam().keys);
}

TEST_P(KeyTable, LeavesNothingPending) {
  KeyDecoder d;
  Keys out;
  d.feed(GetParam().bytes, out);
  EXPECT_FALSE(d.pending());
}

const Row kRows[] = {
    {"printable", "aZ ?~", {C('a'), C('Z'), C(' '), C('?'), C('~')}},
    {"utf8_bytes_pass_through", "\xc3\xa9", {C(0xC3), C(0xA9)}},
    {"high_byte_alone", "\xff", {C(0xFF)}},
    {"cr_is_enter", "\r", {C(13)}},
    {"lf_is_enter", "\n", {C(13)}},
    {"cr_lf_is_one_enter", "\r\n", {C(13)}},
    {"two_crs_are_two_enters", "\r\r", {C(13), C(13)}},
    {"lf_cr_is_two_enters", "\n\r", {C(13), C(13)}},
    {"cr_x_lf_is_two_enters", "\rx\n", {C(13), C('x'), C(13)}},
    {"tab", "\t", {C(9)}},
    {"delete_byte_is_backspace", "\x7f", {C(8)}},
    {"ctrl_h_is_backspace", "\x08", {C(8)}},
    {"ctrl_letters",
     std::string("\x01\x02\x05\x06\x0e\x10\x11\x1a"),
     {C(1), C(2), C(5), C(6), C(14), C(16), C(17), C(26)}},
    {"csi_up", "\x1b[A", {C(16)}},
    {"csi_down", "\x1b[B", {C(14)}},
    {"csi_right", "\x1b[C", {C(6)}},
    {"csi_left", "\x1b[D", {C(2)}},
    {"ss3_up", "\x1bOA", {C(16)}},
    {"ss3_down", "\x1bOB", {C(14)}},
    {"ss3_right", "\x1bOC", {C(6)}},
    {"ss3_left", "\x1bOD", {C(2)}},
    {"arrow_with_modifier", "\x1b[1;5A", {C(16)}},
    {"home_end_csi", "\x1b[H\x1b[F", {C(1), C(5)}},
    {"home_end_ss3", "\x1bOH\x1bOF", {C(1), C(5)}},
    {"home_end_tilde", "\x1b[1~\x1b[4~\x1b[7~\x1b[8~", {C(1), C(5), C(1), C(5)}},
    {"ss3_f1_to_f4", "\x1bOP\x1bOQ\x1bOR\x1bOS", {F(1), F(2), F(3), F(4)}},
    {"csi_modified_f1_to_f4", "\x1b[1;2P\x1b[1;2Q\x1b[1;2R\x1b[1;2S", {F(1), F(2), F(3), F(4)}},
    {"tilde_f1_to_f5", "\x1b[11~\x1b[12~\x1b[13~\x1b[14~\x1b[15~", {F(1), F(2), F(3), F(4), F(5)}},
    {"tilde_f6_to_f10",
     "\x1b[17~\x1b[18~\x1b[19~\x1b[20~\x1b[21~",
     {F(6), F(7), F(8), F(9), F(10)}},
    {"tilde_f11_f12", "\x1b[23~\x1b[24~", {F(11), F(12)}},
    {"tilde_with_modifier", "\x1b[15;2~", {F(5)}},
    {"linux_console_f1_to_f5",
     "\x1b[[A\x1b[[B\x1b[[C\x1b[[D\x1b[[E",
     {F(1), F(2), F(3), F(4), F(5)}},
    {"alt_digits",
     "\x1b"
     "1\x1b"
     "5\x1b"
     "9",
     {F(1), F(5), F(9)}},
    {"alt_zero_dropped",
     "\x1b"
     "0x",
     {C('x')}},
    {"alt_letter_dropped", "\x1bqx", {C('x')}},
    {"unknown_tilde_dropped", "\x1b[16~\x1b[22~\x1b[25~\x1b[2~\x1b[3~x", {C('x')}},
    {"unknown_final_dropped", "\x1b[5Xy", {C('y')}},
    {"bad_tilde_parameter_dropped", "\x1b[1a~", {C('~')}},
    {"linux_console_unknown_dropped", "\x1b[[Zx", {C('x')}},
    {"ss3_unknown_dropped", "\x1bOzx", {C('x')}},
    {"control_byte_ends_sequence", "\x1b[1\rx", {C('x')}},
    {"esc_esc_is_lone_esc_then_key", "\x1b\x1b[A", {C(27), C(16)}},
    {"overlong_sequence_swallowed_whole", "\x1b[" + std::string(40, '1') + "Ax", {C('x')}},
    {"sequence_between_text", "a\x1b[Db", {C('a'), C(2), C('b')}},
};

INSTANTIATE_TEST_SUITE_P(Keys, KeyTable, ::testing::ValuesIn(kRows),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KeyDecoder, LoneEscWaitsThenBecomesCode27OnFlush) {
  KeyDecoder d;
  Keys out;
  d.feed("\x1b", out);
  EXPECT_TRUE(out.empty());
  EXPECT_TRUE(d.pending());
  d.flush(out);
  EXPECT_EQ(out, Keys{C(27)});
  EXPECT_FALSE(d.pending());
}

TEST(KeyDecoder, BytesAfterAFlushedEscAreOrdinaryKeys) {
  KeyDecoder d;
  Keys out;
  d.feed("\x1b", out);
  d.flush(out);
  d.feed("[A", out);
  EXPECT_EQ(out, (Keys{C(27), C('['), C('A')}));
}

TEST(KeyDecoder, UnfinishedSequenceIsDroppedOnFlush) {
  KeyDecoder d;
  Keys out;
  d.feed("\x1b[1", out);
  d.flush(out);
  d.feed("5~", out);
  EXPECT_EQ(out, (Keys{C('5'), C('~')}));
}

TEST(KeyDecoder, SequenceSplitAcrossReadsCompletes) {
  KeyDecoder d;
  Keys out;
  d.feed("x\x1b[2", out);
  EXPECT_TRUE(d.pending());
  d.feed("4~y", out);
  EXPECT_EQ(out, (Keys{C('x'), F(12), C('y')}));
}

TEST(KeyDecoder, LfAfterAQuietPauseIsAnEnterOfItsOwn) {
  KeyDecoder d;
  Keys out;
  d.feed("\r", out);
  d.flush(out);
  d.feed("\n", out);
  EXPECT_EQ(out, (Keys{C(13), C(13)}));
}

TEST(KeyDecoder, CrLfSplitAcrossReadsIsOneEnter) {
  KeyDecoder d;
  Keys out;
  d.feed("\r", out);
  d.feed("\n", out);
  EXPECT_EQ(out, Keys{C(13)});
}

TEST(KeyDecoder, OverlongSequenceIsPendingUntilItsFinalByte) {
  KeyDecoder d;
  Keys out;
  d.feed("\x1b[" + std::string(30, ';'), out);
  EXPECT_TRUE(d.pending());
  d.feed("~ok", out);
  EXPECT_EQ(out, (Keys{C('o'), C('k')}));
}

}  // namespace
}  // namespace zorva
