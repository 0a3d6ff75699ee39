// Message boxes on the input line: the prompt text for each set of buttons and the keys that
// answer it; other keys (and F-keys) leave the question open.
#include "term/box_prompt.h"

#include <gtest/gtest.h>

#include <optional>

namespace zorva {
namespace {

TEST(BoxPrompt, ReloadQuestionWithItsAnswerKeys) {
  EXPECT_EQ(box_prompt("Reload the Router", "Would you like to save changes to your configuration?",
                       Buttons::YesNoCancel),
            "Reload the Router: Would you like to save changes to your configuration? "
            "[y]es/[n]o/[c]ancel");
}

TEST(BoxPrompt, OkBoxesNameEnter) {
  EXPECT_EQ(box_prompt("Zorva", "Done", Buttons::Ok), "Zorva: Done [Enter] OK");
  EXPECT_EQ(box_prompt("Zorva", "Go?", Buttons::OkCancel), "Zorva: Go? [Enter] OK/[c]ancel");
}

TEST(BoxPrompt, LineBreaksBecomeOneBlank) {
  EXPECT_EQ(box_prompt("", "one\r\ntwo\nthree", Buttons::Ok), "one two three [Enter] OK");
}

struct AnswerRow {
  Buttons buttons;               // the box
  KeyEvent key;                  // the key pressed while it waits
  std::optional<Answer> answer;  // the answer it gives, or none
};

class BoxAnswers : public ::testing::TestWithParam<AnswerRow> {};

TEST_P(BoxAnswers, KeyGivesItsAnswerOrNone) {
  EXPECT_EQ(box_answer(GetParam().buttons, GetParam().key), GetParam().answer);
}

const KeyEvent kEnter = KeyEvent::code(13);
const KeyEvent kEsc = KeyEvent::code(27);

INSTANTIATE_TEST_SUITE_P(
    Keys, BoxAnswers,
    ::testing::Values(AnswerRow{Buttons::YesNoCancel, KeyEvent::code('y'), Answer::Yes},
                      AnswerRow{Buttons::YesNoCancel, KeyEvent::code('Y'), Answer::Yes},
                      AnswerRow{Buttons::YesNoCancel, KeyEvent::code('n'), Answer::No},
                      AnswerRow{Buttons::YesNoCancel, KeyEvent::code('N'), Answer::No},
                      AnswerRow{Buttons::YesNoCancel, KeyEvent::code('c'), Answer::Cancel},
                      AnswerRow{Buttons::YesNoCancel, kEsc, Answer::Cancel},
                      AnswerRow{Buttons::YesNoCancel, kEnter, std::nullopt},
                      AnswerRow{Buttons::YesNoCancel, KeyEvent::code('x'), std::nullopt},
                      AnswerRow{Buttons::YesNoCancel, KeyEvent::code(0xD9), std::nullopt},
                      AnswerRow{Buttons::YesNoCancel, KeyEvent::function(1), std::nullopt},
                      AnswerRow{Buttons::Ok, kEnter, Answer::Ok},
                      AnswerRow{Buttons::Ok, kEsc, Answer::Ok},
                      AnswerRow{Buttons::Ok, KeyEvent::code('o'), Answer::Ok},
                      AnswerRow{Buttons::Ok, KeyEvent::code('y'), std::nullopt},
                      AnswerRow{Buttons::OkCancel, kEnter, Answer::Ok},
                      AnswerRow{Buttons::OkCancel, KeyEvent::code('C'), Answer::Cancel},
                      AnswerRow{Buttons::OkCancel, kEsc, Answer::Cancel},
                      AnswerRow{Buttons::OkCancel, KeyEvent::code('n'), std::nullopt}));

TEST(BoxPrompt, LeavingAnswersCancelOrOkWhenThatIsTheOnlyButton) {
  EXPECT_EQ(box_default_answer(Buttons::Ok), Answer::Ok);
  EXPECT_EQ(box_default_answer(Buttons::OkCancel), Answer::Cancel);
  EXPECT_EQ(box_default_answer(Buttons::YesNoCancel), Answer::Cancel);
}

}  // namespace
}  // namespace zorva
