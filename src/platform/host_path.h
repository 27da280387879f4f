// Editor paths and host paths.
// The editor builds paths as the game's desktop does ("C:\games\world1\ZANAB.MAP",
// "%s\%s.DAT"). This is the one place that turns them into paths of the host
// file system and back; no other code knows the host's separator or its case rules.
#pragma once
#include <cstddef>

// Maps an editor path to a host path. "\" becomes the host separator, a
// leading drive letter ("C:") names the host's root, and "." and ".." are
// resolved by the text alone, as the desktop does ("C:\A\..\B" is "/B" even
// when A does not exist; ".." at the root stays there). When the path names no
// existing file, it is resolved component by component without regard to
// letter case, so game files copied in any case ("zan.spr", "Constant.obj")
// are found; components that exist in no case keep the case given (a file
// that is created gets the name the editor chose). False when out is too small.
// Each directory is read once for such lookups and its listing kept while
// the directory's times show no change since (see host_path.cpp).
bool pathToHost(const char* editorPath, char* out, size_t outSize);

// The same mapping without the lookup: separators and drive letter only.
bool mapHostPathAsGiven(const char* editorPath, char* out, size_t outSize);

// Maps a host path to the editor's form: host separators become "\" and an
// absolute host path gets the drive "C:". False when out is too small.
bool pathToEditor(const char* hostPath, char* out, size_t outSize);

// The absolute form of a host path given on a command line ("world", "world/",
// "." become "/home/me/world"), with symbolic links and "." resolved, so
// that the directory's own name can be taken from it. False when the path
// does not exist or out is too small.
bool absoluteHostPath(const char* hostPath, char* out, size_t outSize);

// True when the editor path names an existing directory (any letter case).
bool isDirectoryPath(const char* editorPath);

// True when the editor path names an existing directory in which this
// process may create files.
bool isWritableDirectory(const char* editorPath);

// True when the editor path names an existing regular file (any letter case).
bool isFilePath(const char* editorPath);

// Test hook: listings count as made this many seconds later than they were,
// so that a directory changed just before can be kept as it would be later.
void shiftCaselessListingClockForTests(long seconds);
