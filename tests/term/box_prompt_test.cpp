// Message boxes on the input line: the prompt text for each set of buttons and the keys that
// answer it; other keys (and F-keys) leave the question open.
#include "term/box_prompt.h"

#include <gtest/gtest.h>

#include <optional>

namespace zorva {
namespace {

// The prompts for yes/no/cancel and OK/cancel are pinned by the terminal face's own tests.
TEST(BoxPrompt, NamesTheAnswerKeysOnOneLine) {
  EXPECT_EQ(box_prompt("Zorva", "Done", Buttons::Ok), "Zorva: Done [Enter] OK");
  EXPECT_EQ(box_prompt("", "one\r\ntwo\nthree", Buttons::Ok), "one two three [Enter] OK");
}

TEST(BoxPrompt, KeyGivesItsAnswerOrNone) {
  using B = Buttons;
  const KeyEvent enter = KeyEvent::code(13), esc = KeyEvent::code(27);
  const struct {
    Buttons buttons;               // the box
    KeyEvent key;                  // the key pressed while it waits
    std::optional<Answer> answer;  // the answer it gives, or none
  } table[] = {
      {B::YesNoCancel, KeyEvent::code('y'), Answer::Yes},
      {B::YesNoCancel, KeyEvent::code('N'), Answer::No},
      {B::YesNoCancel, KeyEvent::code('c'), Answer::Cancel},
      {B::YesNoCancel, esc, Answer::Cancel},
      {B::YesNoCancel, enter, std::nullopt},
      {B::YesNoCancel, KeyEvent::code('x'), std::nullopt},
      {B::YesNoCancel, KeyEvent::code(0xD9), std::nullopt},
      {B::YesNoCancel, KeyEvent::function(1), std::nullopt},
      {B::Ok, enter, Answer::Ok},
      {B::Ok, esc, Answer::Ok},
      {B::Ok, KeyEvent::code('o'), Answer::Ok},
      {B::Ok, KeyEvent::code('y'), std::nullopt},
      {B::OkCancel, enter, Answer::Ok},
      {B::OkCancel, KeyEvent::code('C'), Answer::Cancel},
      {B::OkCancel, esc, Answer::Cancel},
      {B::OkCancel, KeyEvent::code('n'), std::nullopt},
  };
  for (const auto& t : table) {
    EXPECT_EQ(box_answer(t.buttons, t.key), t.answer)
        << static_cast<int>(t.buttons) << " key " << t.key.value;
  }
}

}  // namespace
}  // namespace zorva
