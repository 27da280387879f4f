// A joined thread with a caller-sized stack: pthreads here, the Win32 thread
// API on the desktop (where the stack size is a reservation, committed as used).
#include "platform/large_stack.h"

#ifdef _WIN32
#include <windows.h>
#else
#include <pthread.h>
#endif

namespace {

struct Job {
  void (*work)(void*);
  void* data;
};

#ifdef _WIN32
DWORD WINAPI runJob(LPVOID job) {
  static_cast<Job*>(job)->work(static_cast<Job*>(job)->data);
  return 0;
}
#else
void* runJob(void* job) {
  static_cast<Job*>(job)->work(static_cast<Job*>(job)->data);
  return nullptr;
}
#endif

}  // namespace

bool runOnLargeStack(void (*work)(void*), void* data, size_t stackBytes) {
  Job job{work, data};
#ifdef _WIN32
  HANDLE thread = CreateThread(nullptr, stackBytes, runJob, &job, STACK_SIZE_PARAM_IS_A_RESERVATION, nullptr);
  if (thread == nullptr) return false;
  WaitForSingleObject(thread, INFINITE);
  CloseHandle(thread);
  return true;
#else
  pthread_attr_t attributes;
  if (pthread_attr_init(&attributes) != 0) return false;
  pthread_t thread;
  bool started = pthread_attr_setstacksize(&attributes, stackBytes) == 0 &&
                 pthread_create(&thread, &attributes, runJob, &job) == 0;
  pthread_attr_destroy(&attributes);
  if (!started) return false;
  pthread_join(thread, nullptr);
  return true;
#endif
}
