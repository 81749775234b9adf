// A guard for code that must end: runs it in a forked copy of the test
// process and reports whether it finished within a generous limit. A loop
// that never ends then fails its test instead of hanging the whole run.
// This is no speed target (those live in bench/): the limit is many times
// what the work needs on the slowest build.
#pragma once

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <thread>

namespace testsupport {

template <typename Work>
bool EndsWithin(int seconds, Work work) {
  const pid_t child = ::fork();
  if (child < 0) return false;
  if (child == 0) {
    work();
    ::_exit(0);
  }
  const auto deadline = std::chrono::steady_clock::now() + std::chrono::seconds(seconds);
  int status = 0;
  while (std::chrono::steady_clock::now() < deadline) {
    const pid_t done = ::waitpid(child, &status, WNOHANG);
    if (done == child) return WIFEXITED(status) && WEXITSTATUS(status) == 0;
    std::this_thread::sleep_for(std::chrono::milliseconds(10));
  }
  ::kill(child, SIGKILL);
  ::waitpid(child, &status, 0);
  return false;
}

}  // namespace testsupport
