// Detached program start: fork twice so that the program is adopted by init, and report a failed
// exec through a close-on-exec pipe.
#include "term/program_launcher.h"

#include <fcntl.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>

namespace zorva {

namespace {

// In the grandchild: detach from the terminal and run the program; on failure report errno.
[[noreturn]] void exec_program(const std::string& program, const std::string& argument,
                               int report_fd) {
  setsid();
  const int null_fd = open("/dev/null", O_RDWR);
  if (null_fd >= 0) {
    dup2(null_fd, 0);
    dup2(null_fd, 1);
    dup2(null_fd, 2);
    if (null_fd > 2) close(null_fd);
  }
  execlp(program.c_str(), program.c_str(), argument.c_str(), static_cast<char*>(nullptr));
  const int error = errno;
  [[maybe_unused]] const ssize_t n = write(report_fd, &error, sizeof error);
  _exit(127);
}

}  // namespace

bool launch_detached(const std::string& program, const std::string& argument) {
  int report[2];
  if (pipe2(report, O_CLOEXEC) != 0) return false;
  const pid_t child = fork();
  if (child < 0) {
    close(report[0]);
    close(report[1]);
    return false;
  }
  if (child == 0) {
    close(report[0]);
    const pid_t grandchild = fork();
    if (grandchild == 0) exec_program(program, argument, report[1]);
    if (grandchild < 0) {
      const int error = errno;
      [[maybe_unused]] const ssize_t n = write(report[1], &error, sizeof error);
    }
    _exit(0);
  }
  close(report[1]);
  int status = 0;
  while (waitpid(child, &status, 0) < 0 && errno == EINTR) {
  }
  // The pipe closes without a word when the exec succeeded.
  int error = 0;
  ssize_t got;
  do {
    got = read(report[0], &error, sizeof error);
  } while (got < 0 && errno == EINTR);
  close(report[0]);
  return got == 0;
}

}  // namespace zorva
