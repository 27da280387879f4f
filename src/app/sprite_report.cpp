// The message after start-up that names the sprite files that were not found
// (or were short) and where the editor looked for them; their sprites are blank.
#include <cstdio>
#include <cstring>

#include "app/editor_program.h"
#include "app/editor_state.h"
#include "app/game_directory_setting.h"
#include "app/user_dialogs.h"
#include "data/sprite_format.h"

namespace {

// Appends one sentence about a sprite file of the game directory.
void describeSpriteFile(char* text, size_t size, const char* file, bool missing, bool shortFile,
                        const char* where, const char* whenMissing) {
  size_t used = strnlen(text, size);
  if (missing)
    snprintf(text + used, size - used, "\"%s\" was not found in %s: %s.\n", file, where,
             whenMissing);
  else if (shortFile)
    snprintf(text + used, size - used,
             "\"%s\" in %s is incomplete: its missing sprites are blank.\n", file, where);
}

}  // namespace

void reportSpriteProblems(const EditorState& editor) {
  const unsigned problems = editor.sprites.problems();
  if (problems == 0) return;
  const char* directory = zanDirectory(editor);
  char where[1100];
  if (directory[0])
    snprintf(where, sizeof where, "the ZAN directory %s", directory);
  else
    snprintf(where, sizeof where,
             "the ZAN directory (none is set: choose it with Tools > Set ZAN Directory and start "
             "DOLA again)");
  char text[4096] = "";
  if (problems & kPaletteMissing)
    snprintf(text, sizeof text,
             "\"palette.bmp\" was not found in the working directory: the sprites use a standard "
             "palette.\n");
  else if (problems & kPaletteInvalid)
    snprintf(text, sizeof text,
             "\"palette.bmp\" in the working directory %s. The sprites use a standard palette.\n",
             editor.sprites.paletteProblem());
  describeSpriteFile(text, sizeof text, kMainSpriteFile, problems & kMainSetMissing,
                     problems & kMainSetShort, where, "its sprites are blank");
  describeSpriteFile(text, sizeof text, kSecondSpriteFile, problems & kSecondSetMissing,
                     problems & kSecondSetShort, where,
                     "objects and creatures with its sprites are not drawn");
  if (problems & kSlotsMissing) {
    size_t used = strnlen(text, sizeof text);
    snprintf(text + used, sizeof text - used,
             "Some sprites could not be made (too little memory): they are not drawn.\n");
  }
  askUser(text, "~OK");
}
