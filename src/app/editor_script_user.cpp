// The editor's ScriptUser on the editor's user dialogs.
#include "app/editor_script_user.h"

#include "app/user_dialogs.h"

int EditorScriptUser::showText(const char* text, const char* buttons) { return askUser(text, buttons); }

const char* EditorScriptUser::selectFile(const char* masks, const char* startPath, int flags, const char* title,
                                         const char* buttonLabel) {
  return chooseFile(masks, startPath, flags, title, buttonLabel);
}
