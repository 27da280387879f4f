// Why a file could not be written, in the words every message uses after
// "... could not be written to <path>: ". One wording for each errno.
#pragma once

// error: the errno of the failed write (0 when none was left); existed: the
// file was there before, so a refused permission means it is read-only.
const char* writeFailureReason(int error, bool existed);
