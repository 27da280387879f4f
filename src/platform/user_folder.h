// The user's own DOLA folder, where the editor started from the desktop keeps
// dola.ini, its backups and recovery copies: "dola" under the XDG
// configuration home ($XDG_CONFIG_HOME, or ~/.config when that is unset or
// not absolute). Host paths throughout: this is where the program meets the
// desktop, before the editor's own paths begin.
#pragma once
#include <cstddef>

// The folder's host path; false when neither XDG_CONFIG_HOME nor HOME is an
// absolute path, or out is too small.
bool userFolderPath(char* out, size_t outSize);

// Makes the folder (and the configuration home) when missing, copies the
// palette at paletteSource into it when it has no "palette.bmp" (a missing
// source is no fault: the editor then says the palette is missing), and makes
// it the working directory. *made tells whether the folder was made now.
// False with the reason in error ("could not make /x/dola: Permission denied").
bool enterUserFolder(const char* folder, const char* paletteSource, bool* made, char* error, size_t errorSize);

// The palette shipped with the program: PREFIX/share/dola/palette.bmp for
// PREFIX/bin/dola, else the demo palette of a build tree (BUILD/demo/palette.bmp
// for BUILD/dola). False when neither exists.
bool shippedPalette(char* out, size_t outSize);
