// The wording of a failed write: see write_failure.h.
#include "platform/write_failure.h"

#include <cerrno>
#include <cstring>

const char* writeFailureReason(int error, bool existed) {
  if (existed && (error == EACCES || error == EPERM)) return "it is read-only";
  if (error == EISDIR) return "a directory has that name";
  if (error == EINVAL) return "it is not a regular file";
  return error ? strerror(error) : "the file could not be written";
}
