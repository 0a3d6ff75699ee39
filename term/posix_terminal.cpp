// The real terminal. The saved terminal state and the "needs restoring" flag are file-level so
// that the signal handlers and the exit handler can reach them.
#include "term/posix_terminal.h"

#include <poll.h>
#include <sys/ioctl.h>
#include <termios.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <cstdlib>
#include <stdexcept>

#include "term/screen_render.h"

namespace zorva {

namespace {

constexpr int kHandledSignals[] = {SIGINT, SIGTERM, SIGHUP, SIGQUIT, SIGWINCH};
constexpr int kHandledCount = 5;

termios g_saved_mode;                             // the terminal mode before raw mode
volatile std::sig_atomic_t g_restore_needed = 0;  // raw mode or the alternate screen is on
volatile std::sig_atomic_t g_resized = 0;         // SIGWINCH came since the last look

// Only async-signal-safe calls: used from the signal handlers.
void write_raw(std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0) {
    const ssize_t n = write(STDOUT_FILENO, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

void restore_terminal_now() {
  if (!g_restore_needed) return;
  g_restore_needed = 0;
  tcsetattr(STDIN_FILENO, TCSANOW, &g_saved_mode);
  write_raw(kLeaveScreen);
}

extern "C" void on_termination_signal(int sig) {
  const int saved_errno = errno;
  restore_terminal_now();
  std::signal(sig, SIG_DFL);
  std::raise(sig);  // delivered with the default action as soon as this handler returns
  errno = saved_errno;
}

extern "C" void on_window_change(int) {
  g_resized = 1;
}

extern "C" void restore_terminal_at_exit() {
  restore_terminal_now();
}

termios raw_mode(const termios& from) {
  termios raw = from;
  raw.c_iflag &= ~static_cast<tcflag_t>(BRKINT | ICRNL | INLCR | IGNCR | INPCK | ISTRIP | IXON);
  raw.c_lflag &= ~static_cast<tcflag_t>(ECHO | ICANON | ISIG | IEXTEN);
  raw.c_cflag |= CS8;
  raw.c_cc[VMIN] = 1;
  raw.c_cc[VTIME] = 0;
  return raw;
}

// Signals that end the program are held off while the terminal is restored normally.
class TerminationSignalsBlocked {
 public:
  TerminationSignalsBlocked() {
    sigset_t set;
    sigemptyset(&set);
    for (int s : kHandledSignals) sigaddset(&set, s);
    sigprocmask(SIG_BLOCK, &set, &previous_);
  }
  ~TerminationSignalsBlocked() { sigprocmask(SIG_SETMASK, &previous_, nullptr); }

 private:
  sigset_t previous_;
};

}  // namespace

bool PosixTerminal::interactive() {
  return isatty(STDIN_FILENO) && isatty(STDOUT_FILENO);
}

PosixTerminal::PosixTerminal(bool screen) : screen_(screen) {
  if (!screen_) return;
  if (tcgetattr(STDIN_FILENO, &g_saved_mode) != 0)
    throw std::runtime_error("cannot read the terminal's mode");
  static const bool exit_handler_registered = std::atexit(restore_terminal_at_exit) == 0;
  (void)exit_handler_registered;
  install_signal_handlers();
  {
    TerminationSignalsBlocked blocked;
    const termios raw = raw_mode(g_saved_mode);
    g_restore_needed = 1;
    tcsetattr(STDIN_FILENO, TCSANOW, &raw);
    write_raw(kEnterScreen);
  }
}

PosixTerminal::~PosixTerminal() {
  if (!screen_) return;
  {
    TerminationSignalsBlocked blocked;
    restore_terminal_now();
  }
  remove_signal_handlers();
}

void PosixTerminal::install_signal_handlers() {
  for (int i = 0; i < kHandledCount; ++i) {
    struct sigaction action {};
    action.sa_handler = kHandledSignals[i] == SIGWINCH ? on_window_change : on_termination_signal;
    sigemptyset(&action.sa_mask);
    action.sa_flags = 0;  // no SA_RESTART: poll() wakes up on a window change
    sigaction(kHandledSignals[i], &action, &previous_[i]);
  }
}

void PosixTerminal::remove_signal_handlers() {
  for (int i = 0; i < kHandledCount; ++i) sigaction(kHandledSignals[i], &previous_[i], nullptr);
}

int PosixTerminal::read_input(char* buffer, int size, int timeout_ms) {
  pollfd p{STDIN_FILENO, POLLIN, 0};
  const int ready = poll(&p, 1, timeout_ms);
  if (ready < 0) return errno == EINTR ? 0 : -1;
  if (ready == 0) return 0;
  if (p.revents & POLLIN) {
    const ssize_t n = read(STDIN_FILENO, buffer, static_cast<std::size_t>(size));
    if (n > 0) return static_cast<int>(n);
    if (n < 0 && (errno == EINTR || errno == EAGAIN)) return 0;
    return -1;
  }
  return -1;  // hang-up or error without data
}

void PosixTerminal::write_output(std::string_view bytes) {
  const char* p = bytes.data();
  std::size_t left = bytes.size();
  while (left > 0 && !output_broken_) {
    const ssize_t n = write(STDOUT_FILENO, p, left);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      output_broken_ = true;
      return;
    }
    p += n;
    left -= static_cast<std::size_t>(n);
  }
}

ScreenSize PosixTerminal::size() {
  winsize ws{};
  if (screen_ && ioctl(STDOUT_FILENO, TIOCGWINSZ, &ws) == 0 && ws.ws_row > 0 && ws.ws_col > 0)
    return {ws.ws_row, ws.ws_col};
  return {};
}

std::int64_t PosixTerminal::now_ms() {
  using namespace std::chrono;
  return duration_cast<milliseconds>(steady_clock::now().time_since_epoch()).count();
}

bool PosixTerminal::take_resize() {
  if (!g_resized) return false;
  g_resized = 0;
  return true;
}

}  // namespace zorva
