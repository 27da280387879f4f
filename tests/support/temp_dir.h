// A temporary directory for one test, removed with everything in it afterwards,
// and small helpers for writing and reading whole files in it.
#pragma once
#include <string>

class TempDir {
 public:
  // Makes a new directory in parent; throws (failing the test that asked)
  // when none can be made.
  explicit TempDir(const std::string& parent = "/tmp");
  ~TempDir();
  const std::string& path() const { return path_; }            // host path, no trailing "/"
  std::string file(const std::string& name) const;             // host path of a file inside
  std::string editorPath(const std::string& name = "") const;  // the same in editor form ("C:\...")
 private:
  std::string path_;
};

void writeFileBytes(const std::string& hostPath, const std::string& bytes);
std::string readFileBytes(const std::string& hostPath);  // "" when missing
bool fileExistsOnHost(const std::string& hostPath);
