// Running work that may crash, abort, eat memory or never end (compiling a
// script someone else wrote) in a child process under a time and memory
// budget, so that whatever it does, the caller lives on. The caller's own
// state is not changed by the work: the child has a copy of it.
#pragma once
#include <cstddef>

enum class IsolatedEnd {
  Succeeded,   // work returned true
  Failed,      // work returned false
  Crashed,     // the child died by a signal: a crash, an abort, memory refused
  OutOfTime,   // the budget's time ran out; the child was stopped
  Stopped,     // shouldStop asked to stop; the child was stopped
  NotIsolated, // no child could be made (or the host has none): work did not run
};

struct IsolatedBudget {
  int milliseconds;     // wall-clock time the child may take
  size_t memoryBytes;   // address space the child may add to what it inherits (0: no cap)
  size_t stackBytes;    // stack of the thread that runs work in the child
};

// Runs work(data) in a child process on a stack of budget.stackBytes. While
// it runs, shouldStop(elapsedMs, pollData) is called every few milliseconds
// in the caller's process; true stops the child. Returns when the child has
// ended and been reaped.
IsolatedEnd runIsolated(bool (*work)(void*), void* data, const IsolatedBudget& budget,
                        bool (*shouldStop)(int elapsedMs, void* pollData), void* pollData);
