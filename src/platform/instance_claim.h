// A claim one running program holds on a name (a recovery slot of a working
// directory), so that a second program started beside it chooses another.
// The host gives the claim up when the program ends, however it ends, so a
// crashed program's claim is free again at once. No file is left behind.
#pragma once

enum class ClaimResult { Claimed, InUse, Unavailable };

class InstanceClaim {
 public:
  InstanceClaim() = default;
  InstanceClaim(const InstanceClaim&) = delete;
  InstanceClaim& operator=(const InstanceClaim&) = delete;
  ~InstanceClaim() { release(); }
  // Claims the directory's slot (the editor path of a directory, a small
  // number). Unavailable when the host has no way to hold such a claim.
  ClaimResult claim(const char* directoryEditorPath, int slot);
  void release();
  bool held() const { return handle_ >= 0; }

 private:
  int handle_ = -1;
};
