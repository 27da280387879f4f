// The file selector flag combinations the editor's commands pass.
#pragma once

constexpr int kOpenSelectorFlags = 1554;       // the chosen file must exist
constexpr int kSaveAsSelectorFlags = 17922;    // no existence check; the typed name is kept
constexpr int kDirectorySelectorFlags = 1570;  // a directory is chosen
