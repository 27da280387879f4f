// The editor's ScriptUser: the toolkit's mouse, Escape and progress window,
// with texts and the script selector going through the editor's own user
// dialogs (so they read like every other message, and tests can answer them).
#pragma once

#include "script/toolkit_script_user.h"

class EditorScriptUser : public ToolkitScriptUser {
 public:
  int showText(const char* text, const char* buttons) override;

 protected:
  const char* selectFile(const char* masks, const char* startPath, int flags, const char* title,
                         const char* buttonLabel) override;
};
