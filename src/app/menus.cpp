// The menu bar and its drop-downs from the command table (command_table.h).
#include "app/menus.h"

#include <cstdio>

#include "app/editor_state.h"
#include "gui/gui.h"

namespace {

// A title's fill callback: the editor's table's items of menu M.
template <Menu M>
void fillMenu(void* editor) {
  addMenuItems(editorCommands(), M, *static_cast<EditorState*>(editor));
}

struct BarTitle {
  Menu menu;
  GuiFill fill;
};
// The bar's titles in order (their labels: menuTitle).
constexpr BarTitle kBar[] = {{Menu::File, fillMenu<Menu::File>},
                             {Menu::Edit, fillMenu<Menu::Edit>},
                             {Menu::View, fillMenu<Menu::View>},
                             {Menu::Script, fillMenu<Menu::Script>},
                             {Menu::Tools, fillMenu<Menu::Tools>},
                             {Menu::Help, fillMenu<Menu::Help>}};

void addItem(const Command& c, EditorState& editor) {
  char shortcut[64], right[80], label[kGuiLabelMax + 1];
  keyText(c.key, shortcut, sizeof shortcut);
  // A plain item carries no check mark: its right column says when it is on.
  const bool on = c.checked != nullptr && c.checked(editor);
  snprintf(right, sizeof right, "%s%s%s", shortcut, on && shortcut[0] != '\0' ? " " : "", on ? "On" : "");
  snprintf(label, sizeof label, "%s\t%s", c.label, right);
  const bool enabled = c.enabled == nullptr || c.enabled(editor);
  AddMenuItem(enabled ? kMenuItemPlain : kMenuItemDisabled, label, "", c.run, &editor);
}

}  // namespace

void addMenuItems(const CommandTable& table, Menu menu, EditorState& editor) {
  for (int i = 0; i < table.count; ++i) {
    const Command& c = table.entries[i];
    if (c.menu != menu) continue;
    if (c.addItems != nullptr)
      c.addItems(&editor);
    else
      addItem(c, editor);
  }
}

void addMenuBar(EditorState& editor) {
  BeginMenuBar();
  for (const BarTitle& title : kBar) AddMenuBarItem(menuTitle(title.menu), title.fill, &editor);
  EndMenuBar();
}
