// The desktop face's answers to the core's platform questions: message boxes through QMessageBox,
// the local date-time text for the log, one seeded random source, launching programs and web
// addresses, and bringing a router console forward. Tests swap the box and launch functions so
// that nothing waits on a modal dialog.
#pragma once

#include <functional>
#include <random>
#include <string>
#include <string_view>

#include "base/host.h"

class QWidget;

namespace zorva::ui {

class QtHost : public Host {
 public:
  using AnswerFunction =
      std::function<Answer(std::string_view title, std::string_view text, Buttons buttons)>;
  using LaunchFunction = std::function<bool(const std::string& target)>;
  using ActivateFunction = std::function<void(int n)>;

  QtHost();

  Answer message_box(std::string_view title, std::string_view text, Buttons buttons) override;
  std::string date_time_text() override;
  double random() override;
  bool launch(const std::string& target) override;
  void activate_router(int n) override;

  // Replaces the modal QMessageBox (tests answer boxes without an event loop).
  void set_answer_function(AnswerFunction f) { answer_ = std::move(f); }
  // Replaces the shell launch (tests record what would have been started).
  void set_launch_function(LaunchFunction f) { launch_ = std::move(f); }
  // Who brings router n's console forward: the main window.
  void set_activate_function(ActivateFunction f) { activate_ = std::move(f); }
  // The window message boxes are centred on and modal to.
  void set_dialog_parent(QWidget* parent) { dialog_parent_ = parent; }

 private:
  Answer show_box(std::string_view title, std::string_view text, Buttons buttons);

  AnswerFunction answer_;             // replacement for the modal box, when set
  LaunchFunction launch_;             // replacement for the shell launch, when set
  ActivateFunction activate_;         // brings a router console forward
  QWidget* dialog_parent_ = nullptr;  // parent of the message boxes
  std::mt19937 generator_;            // seeded once from the clock
};

// Starts a program file or opens a document or web address with the desktop's handler.
bool launch_with_shell(const std::string& target);

}  // namespace zorva::ui
