// The program entry: the command line (dola [--user-folder] [MAP]), then the
// editor on the screen.
#include <allegro.h>

#include "app/command_line.h"

int main(int argc, char** argv) { return runEditorCommandLine(argc, argv); }
END_OF_MAIN()
