// The commands of the main window's menus, each a toolkit command taking the
// EditorState as its data: File (Open, Save, Save As, Quit), View (World Map,
// Local Map) and Tools (Set ZAN Directory).
#pragma once

void openCommand(void* editor);
void saveCommand(void* editor);
void saveAsCommand(void* editor);
// Ends the event loop once unsaved changes are settled; also the window's close button.
void quitCommand(void* editor);

void worldMapCommand(void* editor);
void localMapCommand(void* editor);
void setZanDirectoryCommand(void* editor);
