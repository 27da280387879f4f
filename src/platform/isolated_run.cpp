// The child process of runIsolated: forked, with its output silenced, no core
// files, its address space capped and interrupts left to the parent; it ends
// with _exit so that nothing of the parent (atexit handlers, a display
// connection, buffered streams) is run or flushed twice.
#include "platform/isolated_run.h"

#include "platform/large_stack.h"

#ifdef _WIN32

IsolatedEnd runIsolated(bool (*)(void*), void*, const IsolatedBudget&, bool (*)(int, void*), void*) {
  return IsolatedEnd::NotIsolated;
}

#else

#include <errno.h>
#include <fcntl.h>
#include <signal.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <chrono>
#include <cstdio>
#include <thread>

namespace {

constexpr int kPollMs = 5;
// Exit codes of their own: a library or a sanitizer that ends the child with
// exit(1) after a crash must read as a crash, never as a plain failed build.
constexpr int kExitSucceeded = 0;
constexpr int kExitFailed = 75;
constexpr int kExitNoThread = 76;

#if defined(__SANITIZE_ADDRESS__)
constexpr bool kAddressSpaceCapped = false;  // the sanitizer's shadow memory needs the whole address space
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
constexpr bool kAddressSpaceCapped = false;
#else
constexpr bool kAddressSpaceCapped = true;
#endif
#else
constexpr bool kAddressSpaceCapped = true;
#endif

// The address space this process holds now, in bytes; 0 when unknown.
size_t addressSpaceInUse() {
  FILE* statm = fopen("/proc/self/statm", "r");
  unsigned long pages = 0;
  if (statm == nullptr) return 0;
  if (fscanf(statm, "%lu", &pages) != 1) pages = 0;
  fclose(statm);
  return static_cast<size_t>(pages) * static_cast<size_t>(sysconf(_SC_PAGESIZE));
}

struct ChildJob {
  bool (*work)(void*);
  void* data;
  bool result;
};

void runChildJob(void* job) {
  ChildJob* child = static_cast<ChildJob*>(job);
  child->result = child->work(child->data);
}

[[noreturn]] void runChild(bool (*work)(void*), void* data, const IsolatedBudget& budget, size_t inUse) {
  signal(SIGINT, SIG_IGN);  // the parent decides when to stop
  int devNull = open("/dev/null", O_WRONLY);
  if (devNull >= 0) {
    dup2(devNull, 1);
    dup2(devNull, 2);
  }
  struct rlimit none = {0, 0};
  setrlimit(RLIMIT_CORE, &none);
  if (kAddressSpaceCapped && budget.memoryBytes > 0 && inUse > 0) {
    rlim_t cap = static_cast<rlim_t>(inUse + budget.stackBytes + budget.memoryBytes);
    struct rlimit space = {cap, cap};
    setrlimit(RLIMIT_AS, &space);
  }
  ChildJob job{work, data, false};
  if (!runOnLargeStack(runChildJob, &job, budget.stackBytes)) _exit(kExitNoThread);
  _exit(job.result ? kExitSucceeded : kExitFailed);
}

IsolatedEnd endOf(int status) {
  if (WIFEXITED(status) && WEXITSTATUS(status) == kExitSucceeded) return IsolatedEnd::Succeeded;
  if (WIFEXITED(status) && WEXITSTATUS(status) == kExitFailed) return IsolatedEnd::Failed;
  return IsolatedEnd::Crashed;
}

}  // namespace

IsolatedEnd runIsolated(bool (*work)(void*), void* data, const IsolatedBudget& budget,
                        bool (*shouldStop)(int elapsedMs, void* pollData), void* pollData) {
  const size_t inUse = addressSpaceInUse();
  fflush(nullptr);  // nothing buffered is written twice
  const pid_t child = fork();
  if (child < 0) return IsolatedEnd::NotIsolated;
  if (child == 0) runChild(work, data, budget, inUse);

  const auto start = std::chrono::steady_clock::now();
  for (;;) {
    int status = 0;
    const pid_t ended = waitpid(child, &status, WNOHANG);
    if (ended == child) return endOf(status);
    if (ended < 0 && errno != EINTR) return IsolatedEnd::Crashed;
    const int elapsed = static_cast<int>(
        std::chrono::duration_cast<std::chrono::milliseconds>(std::chrono::steady_clock::now() - start).count());
    const bool outOfTime = elapsed >= budget.milliseconds;
    if (outOfTime || (shouldStop != nullptr && shouldStop(elapsed, pollData))) {
      kill(child, SIGKILL);
      waitpid(child, &status, 0);
      return outOfTime ? IsolatedEnd::OutOfTime : IsolatedEnd::Stopped;
    }
    std::this_thread::sleep_for(std::chrono::milliseconds(kPollMs));
  }
}

#endif
