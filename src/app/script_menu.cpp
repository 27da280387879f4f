// The "~Script" menu: the commands that run user scripts. The menu has no
// items yet; the title stays on the menu bar so the layout is final.
#include "app/menus.h"

void fillScriptMenu(void*) {}
