// RecoveryCopy: the slot claim, and the copy written or removed as the open
// map's unsaved state says.
#include "data/recovery_copy.h"

#include <cerrno>
#include <cstring>

#include "data/recovery_file.h"
#include "platform/file_ops.h"
#include "platform/host_path.h"

std::string RecoveryCopy::slotPath(int slot) const {
  if (slot == 1) return directory_ + "\\map.txt";
  return directory_ + "\\map-" + std::to_string(slot) + ".txt";
}

bool RecoveryCopy::start(const char* directory) {
  claim_.release();
  keeping_ = true;
  directory_ = directory;
  path_ = slotPath(1);
  text_.clear();
  if (!makeDirectory(directory)) return true;  // nothing to share: the copy cannot be written either
  // First a slot whose copy a crashed editor left, then any free one.
  for (int pass = 0; pass < 2; pass++) {
    for (int slot = 1; slot <= kSlots; slot++) {
      const std::string candidate = slotPath(slot);
      if (pass == 0 && !isFilePath(candidate.c_str())) continue;
      // A folder (or anything else) under a slot's name could never take a copy.
      if (pass == 1 && !isFilePath(candidate.c_str()) && pathExists(candidate.c_str())) continue;
      const ClaimResult claimed = claim_.claim(directory, slot);
      if (claimed == ClaimResult::Unavailable) return true;  // the host cannot tell: the one copy, as it is
      if (claimed == ClaimResult::InUse) continue;
      path_ = candidate;
      return true;
    }
  }
  keeping_ = false;
  return false;
}

void RecoveryCopy::stop() {
  keeping_ = false;
  claim_.release();
}

bool RecoveryCopy::update(const LocalMap& map, const MapDataFile& data, bool modified) {
  if (!keeping_) return true;
  if (!modified) {
    if (!text_.empty()) remove();
    return true;
  }
  std::string text = recoveryText(map, data, true);
  if (text == text_ && problem_.empty()) return true;
  errno = 0;
  const bool folder = makeDirectory(directory_.c_str());
  if (!folder || !writeRecoveryFile(path_.c_str(), text)) {
    const int error = errno ? errno : (folder ? EIO : ENOTDIR);
    problem_ = error == ENOTDIR || error == EEXIST ? directory_ + " is not a folder"
               : error == EISDIR                   ? path_ + " is a folder"
                                                   : std::string(strerror(error));
    return false;
  }
  text_.swap(text);
  problem_.clear();
  return true;
}

void RecoveryCopy::remove() {
  if (!keeping_) return;
  removeFile(path_.c_str());
  text_.clear();
}
