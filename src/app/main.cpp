// The program entry: DOLA takes no arguments and runs on the screen.
#include <allegro.h>

#include "app/editor_program.h"

int main() { return runEditor(EditorDisplay::Screen); }
END_OF_MAIN()
