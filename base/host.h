// The one interface through which the core asks its face for platform services: message boxes and
// questions, the date-time text of the log, the random source, launching programs, and telling the
// face which router console to bring forward. The desktop, the terminal and the script runner each
// implement it; tests use ScriptedHost.
#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

namespace zorva {

enum class Buttons { Ok, OkCancel, YesNoCancel };
enum class Answer { Ok, Cancel, Yes, No };

class Host {
 public:
  virtual ~Host() = default;

  // Shows a box and returns the button the user chose. A box with OK alone returns Ok.
  virtual Answer message_box(std::string_view title, std::string_view text, Buttons buttons) = 0;

  // Shows a box and hands the chosen button to `then`. Faces that can wait inside a key press
  // answer at once through message_box; the browser cannot, so it shows its own dialog and calls
  // `then` when the user has chosen. Until then the face sends no keys to the core.
  virtual void ask(std::string_view title, std::string_view text, Buttons buttons,
                   std::function<void(Answer)> then) {
    then(message_box(title, text, buttons));
  }

  // The current date and time as the log writes it.
  virtual std::string date_time_text() = 0;

  // A uniform pseudo-random number in [0, 1) from a generator seeded once.
  virtual double random() = 0;

  // Opens a document or web address, or starts a program; false when it could not be done.
  virtual bool launch(const std::string& target) = 0;

  // Router n's console was asked to come forward, activated and maximised (F1..F12).
  virtual void activate_router(int n) = 0;
};

// The button a word names, as scripts and the browser page write answers: "yes", "no", "cancel"
// or "ok"; nothing for any other word.
std::optional<Answer> answer_named(std::string_view word);

// The local date and time as the log writes it, "dd/mm/yyyy hh:mm:ss", for faces that read the
// system clock themselves.
std::string local_date_time_text();

}  // namespace zorva
