// Reading a script's opening comment: a few lines at the head of the file,
// never the whole of a large one.
#include "script/script_header.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <strings.h>

#include "platform/directory_list.h"
#include "platform/file_stream.h"

namespace {

constexpr size_t kHeadBytes = 8192;  // the opening comment must lie within this

std::string trimmed(const std::string& text) {
  size_t first = text.find_first_not_of(" \t\r");
  if (first == std::string::npos) return "";
  size_t last = text.find_last_not_of(" \t\r");
  return text.substr(first, last - first + 1);
}

// The value after "key:" in a comment line's text, when the line is that key.
bool valueOf(const std::string& comment, const char* key, std::string* value) {
  const std::string word = key;
  if (comment.size() < word.size() + 1 || strncasecmp(comment.c_str(), word.c_str(), word.size()) != 0 ||
      comment[word.size()] != ':')
    return false;
  *value = trimmed(comment.substr(word.size() + 1));
  return true;
}

bool hasScriptExtension(const std::string& name) {
  return name.size() > 3 && strcasecmp(name.c_str() + name.size() - 3, ".as") == 0;
}

}  // namespace

ScriptHeader readScriptHeader(const std::string& text, const std::string& fileName) {
  ScriptHeader header{hasScriptExtension(fileName) ? fileName.substr(0, fileName.size() - 3) : fileName,
                      ScriptRunsOn::Map};
  size_t start = 0;
  while (start < text.size()) {
    size_t end = text.find('\n', start);
    if (end == std::string::npos) end = text.size();
    const std::string line = trimmed(text.substr(start, end - start));
    start = end + 1;
    if (line.empty()) continue;
    if (line.compare(0, 2, "//") != 0) break;
    const std::string comment = trimmed(line.substr(2));
    std::string value;
    if (valueOf(comment, "menu", &value) && !value.empty()) {
      header.label = value;
    } else if (valueOf(comment, "runs on", &value)) {
      std::transform(value.begin(), value.end(), value.begin(), [](unsigned char c) { return std::tolower(c); });
      header.runsOn = value == "cell"    ? ScriptRunsOn::Cell
                      : value == "world" ? ScriptRunsOn::World
                      : value == "each"  ? ScriptRunsOn::Each
                                         : ScriptRunsOn::Map;
    }
  }
  return header;
}

std::vector<FolderScript> listFolderScripts(const char* folder) {
  std::vector<FolderScript> scripts;
  std::vector<DirectoryEntry> entries;
  if (!listDirectory(folder, entries)) return scripts;
  for (const DirectoryEntry& entry : entries) {
    if (entry.isDirectory || !hasScriptExtension(entry.name)) continue;
    const std::string path = (folder[0] != '\0' ? std::string(folder) + "\\" : std::string()) + entry.name;
    std::string head;
    if (FILE* file = openStream(path.c_str(), "rb")) {
      char buffer[kHeadBytes];
      head.assign(buffer, fread(buffer, 1, sizeof buffer, file));
      fclose(file);
    }
    scripts.push_back(FolderScript{path, readScriptHeader(head, entry.name)});
  }
  return scripts;
}
