// The setting "ZANDirectory": see game_directory_setting.h.
#include "app/game_directory_setting.h"

#include "app/editor_state.h"

namespace {
constexpr char kZanDirectoryKey[] = "ZANDirectory";
}  // namespace

const char* zanDirectory(const EditorState& editor) {
  const char* directory = editor.settings.getString("", kZanDirectoryKey);
  return directory ? directory : "";
}

bool hasZanDirectorySetting(const EditorState& editor) {
  return editor.settings.getString("", kZanDirectoryKey) != nullptr;
}

void setZanDirectory(EditorState& editor, const char* path) {
  if (!editor.settings.updateString("", kZanDirectoryKey, path)) editor.settings.addString("", kZanDirectoryKey, path);
}
