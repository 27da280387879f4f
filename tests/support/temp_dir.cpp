// Temporary directories for tests and whole-file helpers; the directory and
// everything in it is removed even when a test made it read-only, and a
// directory that cannot be made fails the test instead of standing in for one.
#include "support/temp_dir.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <stdexcept>

#include "platform/host_path.h"

TempDir::TempDir(const std::string& parent) {
  std::string pattern = parent + "/dola-test-XXXXXX";
  if (!mkdtemp(&pattern[0])) {
    // The test stops here (reported as failed); nothing is ever removed that
    // this directory did not make.
    throw std::runtime_error("no temporary directory could be made in " + parent + ": " +
                             strerror(errno));
  }
  path_ = pattern;
}

TempDir::~TempDir() {
  std::error_code ec;
  std::filesystem::permissions(path_, std::filesystem::perms::owner_all,
                               std::filesystem::perm_options::add, ec);
  std::filesystem::remove_all(path_, ec);
}

std::string TempDir::file(const std::string& name) const { return path_ + "/" + name; }

std::string TempDir::editorPath(const std::string& name) const {
  char out[4096];
  pathToEditor(name.empty() ? path_.c_str() : file(name).c_str(), out, sizeof out);
  return out;
}

void writeFileBytes(const std::string& hostPath, const std::string& bytes) {
  std::ofstream f(hostPath, std::ios::binary | std::ios::trunc);
  f.write(bytes.data(), static_cast<std::streamsize>(bytes.size()));
}

std::string readFileBytes(const std::string& hostPath) {
  std::ifstream f(hostPath, std::ios::binary);
  std::ostringstream s;
  s << f.rdbuf();
  return s.str();
}

bool fileExistsOnHost(const std::string& hostPath) { return std::filesystem::exists(hostPath); }
