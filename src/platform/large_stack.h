// Running a function on a thread of its own with a stack of a given size, for
// work whose recursion depth the caller cannot bound in advance (compiling a
// script someone else wrote). The caller waits until the function returns.
#pragma once
#include <cstddef>

// Calls work(data) on a new thread whose stack holds stackBytes and returns
// when it has finished. False when no such thread could be made; work has
// then not been called.
bool runOnLargeStack(void (*work)(void*), void* data, size_t stackBytes);
