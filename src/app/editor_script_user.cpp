// The editor's ScriptUser on the editor's user dialogs.
#include "app/editor_script_user.h"

#include <cstdio>

#include "app/user_dialogs.h"
#include "gui/gui.h"

int EditorScriptUser::showText(const char* text, const char* buttons) { return askUser(text, buttons); }

bool EditorScriptUser::chooseScript(char* path, size_t size) {
  const char* chosen = chooseFile("*.as", "", kSelectOpenFlags, "Select script", "Select");
  if (chosen == nullptr || chosen[0] == '\0') return false;
  int n = snprintf(path, size, "%s", chosen);
  return n > 0 && static_cast<size_t>(n) < size;
}

EditorScriptUser& editorScriptUser() {
  static EditorScriptUser user;
  return user;
}
