// The commands of the main window's menus, each a toolkit command taking the
// EditorState as its data: File (Open, Save, Save As, Quit), View (World Map,
// Local Map), Tools (Set ZAN Directory) and Script.
#pragma once

void openCommand(void* editor);
void saveCommand(void* editor);
void saveAsCommand(void* editor);
// Ends the event loop once unsaved changes are settled.
void quitCommand(void* editor);
// The window's close button: Quit, unless a dialog of the editor is waiting
// for an answer (that dialog's own loop would end instead of the editor's).
void closeButtonCommand(void* editor);

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
void setZanDirectoryCommand(void* editor);

// Script: a whole world from a script into the open map's directory, and a
// script run on the open map ("Generate ~Local Map" and "Place ~Feature").
void generateWorldMap(void* editor);
void generateLocalMap(void* editor);
