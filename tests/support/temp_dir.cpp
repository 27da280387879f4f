// Temporary directories for tests and whole-file helpers; the directory and
// everything in it is removed even when a test made it read-only.
#include "support/temp_dir.h"

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <sstream>

#include "platform/host_path.h"

TempDir::TempDir() {
  char tmpl[] = "/tmp/dola-test-XXXXXX";
  const char* made = mkdtemp(tmpl);
  path_ = made ? made : "/tmp";
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
