// Runs a piece of work in a child process that is ended part way, as a kill
// -9 would end it: at its Nth write through the store's file layer, or at
// the Nth write of a file written whole. The parent then looks at what the
// child left.
#pragma once

#include <sys/wait.h>
#include <unistd.h>

#include <cstdio>
#include <functional>
#include <vector>

#include "common/atomicfile.h"
#include "isam/fileio.h"

namespace testsupport {

inline constexpr int kEndedPartWay = 9;

// Counts the process's positioned writes and ends it at the Nth (never
// with n <= 0).
class EndAtStoreWrite : public isam::IsamEnv {
 public:
  explicit EndAtStoreWrite(long n) : stop_(n) {}
  ssize_t PWrite(int fd, const void* buf, std::size_t len, off_t at) override {
    if (++count_ == stop_) ::_exit(kEndedPartWay);
    return IsamEnv::PWrite(fd, buf, len, at);
  }
  long count_ = 0;

 private:
  long stop_;
};

// The same for the writes of files written whole.
class EndAtWholeFileWrite : public kiosk::AtomicEnv {
 public:
  explicit EndAtWholeFileWrite(long n) : stop_(n) {}
  ssize_t Write(int fd, const void* buf, std::size_t len) override {
    if (++count_ == stop_) ::_exit(kEndedPartWay);
    return AtomicEnv::Write(fd, buf, len);
  }
  long count_ = 0;

 private:
  long stop_;
};

struct Writes {
  long store = 0, wholeFile = 0;
};

// How many writes of each kind work makes, run to its end in a child.
inline Writes CountWrites(const std::function<void()>& work) {
  int fds[2];
  if (::pipe(fds) != 0) return {};
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(fds[0]);
    EndAtStoreWrite store(0);
    EndAtWholeFileWrite whole(0);
    isam::SetEnv(&store);
    kiosk::SetAtomicEnv(&whole);
    work();
    const Writes w{store.count_, whole.count_};
    const bool sent = ::write(fds[1], &w, sizeof w) == static_cast<ssize_t>(sizeof w);
    ::_exit(sent ? 0 : 1);
  }
  ::close(fds[1]);
  Writes w;
  if (::read(fds[0], &w, sizeof w) != static_cast<ssize_t>(sizeof w)) w = {};
  ::close(fds[0]);
  int status = 0;
  ::waitpid(pid, &status, 0);
  return w;
}

// Stops spread over a run of about n writes (a run's count varies a little
// with the random parts of keys): the first ones, fractions of the run, and
// the last few, where the file is closed.
inline std::vector<long> StopsOver(long n) {
  if (n <= 40) {  // few writes (a bulk build): every one of them
    std::vector<long> every;
    for (long s = 1; s <= n; ++s) every.push_back(s);
    return every;
  }
  std::vector<long> stops = {1, 2};
  for (int tenth = 1; tenth <= 9; tenth += 2) stops.push_back(n * tenth / 10);
  for (long s : {n - 12, n - 6}) stops.push_back(s);
  return stops;
}

// Runs work in a child ended at its storeWrite-th store write or its
// wholeFileWrite-th write of a whole file (0: never); true when it was
// ended there, false when it finished (or failed otherwise) first.
inline bool RunEndedAt(long storeWrite, long wholeFileWrite, const std::function<void()>& work) {
  std::fflush(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    EndAtStoreWrite store(storeWrite);
    EndAtWholeFileWrite whole(wholeFileWrite);
    isam::SetEnv(&store);
    kiosk::SetAtomicEnv(&whole);
    work();
    ::_exit(0);
  }
  int status = 0;
  ::waitpid(pid, &status, 0);
  return WIFEXITED(status) && WEXITSTATUS(status) == kEndedPartWay;
}

}  // namespace testsupport
