// The handlers of the command table (command_table.cpp) and the close
// button: each takes the EditorState as its data and hands it to the
// program's typed operation (file_commands.h, map_file.h, map_edits.h,
// view_commands.h, script_commands.h).
#pragma once

void openCommand(void* editor);
void saveCommand(void* editor);
void saveAsCommand(void* editor);
void quitCommand(void* editor);
void closeButtonCommand(void* editor);

void undoCommand(void* editor);
void redoCommand(void* editor);

// Edit: the left button's tool, copy and paste of cells, and Replace Tile
// (the tile last under the pointer by the selected tile, on this map or in
// all world maps of its directory).
void brushCommand(void* editor);
void rectangleCommand(void* editor);
void fillCommand(void* editor);
void lineCommand(void* editor);
void selectCommand(void* editor);
void copyCommand(void* editor);
void pasteCommand(void* editor);
void replaceTileCommand(void* editor);
// Escape on the main window: ends a drag, else paste mode, else the selection.
void leaveToolActionCommand(void* editor);

void worldMapCommand(void* editor);
void localMapCommand(void* editor);
void showObjectsCommand(void* editor);
// Escape on the main window: leaves a click-on-the-map mode and the area tool's action.
void escapeCommand(void* editor);
void setZanDirectoryCommand(void* editor);
void restoreBackupCommand(void* editor);
// Help: every command with its keys; the version and where the files are.
void keysCommand(void* editor);
void aboutCommand(void* editor);

// "Generate ~World Map"; "Generate ~Local Map" and "Place ~Feature".
void generateWorldMap(void* editor);
void generateLocalMap(void* editor);
// "Run on ~Each World Map..." and "Script ~Output".
void runOnEachWorldMapCommand(void* editor);
void scriptOutputCommand(void* editor);
