// What a script file says of itself in its opening comment, for the Script
// menu: "// menu: LABEL" (a "~" marks the item's letter) and "// runs on:
// map|cell|world|each"; and the scripts of a folder with what they say.
#pragma once
#include <string>
#include <vector>

// What a menu script runs on: the open map, a cell clicked after the start
// (its script's first getpos answers with it), the world as Generate World
// Map, or each world map in turn.
enum class ScriptRunsOn { Map, Cell, World, Each };

struct ScriptHeader {
  std::string label;    // the menu label; the file name without ".as" when none is given
  ScriptRunsOn runsOn;  // Map when none (or an unknown word) is given
};

// The opening comment is the run of lines from the first that begin with
// "//" (blank lines before it are skipped); the first line that is neither
// a comment nor blank ends it. fileName gives the default label.
ScriptHeader readScriptHeader(const std::string& text, const std::string& fileName);

struct FolderScript {
  std::string path;  // editor path of the file
  ScriptHeader header;
};

// The ".as" files of folder (an editor path; any letter case of the
// extension), sorted by name, each with its header; none when the folder
// cannot be read.
std::vector<FolderScript> listFolderScripts(const char* folder);
