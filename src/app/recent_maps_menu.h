// The File menu's items for the recent maps.
#pragma once

// The items after the File menu's own: "Recent Maps", then "~1 world\ZANAB.MAP"
// and so on (the last folder and the file name); each opens its map as File >
// Open does.
// (The command table's addItems of "Recent Maps"; editor is the EditorState.)
void addRecentMapItems(void* editor);
