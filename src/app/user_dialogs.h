// The editor's conversations with the user: every message and question is
// shown literally (a "%" or "|" in a path is shown as it is), and every file
// or directory is chosen through the toolkit's file selector. Both go through
// one replaceable table in the editor object, so that tests can read the
// texts and answer them.
#pragma once

typedef int (*AskFunction)(const char* text, const char* buttons);
typedef const char* (*ChooseFileFunction)(const char* masks, const char* startPath, int flags,
                                          const char* title, const char* buttonLabel);

struct UserDialogs {
  AskFunction ask;                // shows text with the buttons; the index of the one pressed
  ChooseFileFunction chooseFile;  // SelectFile: a path, or "" when cancelled
};

// The editor's dialogs, a part of the editor object: the table they go
// through (tests put their own there) and how many wait for the user now,
// nested ones included.
struct DialogContext {
  UserDialogs table = {nullptr, nullptr};  // a null entry is the toolkit's ShowText or SelectFile
  int open = 0;
};

// Installs a table in the editor (tests) and returns the one in use.
UserDialogs setUserDialogs(UserDialogs dialogs);

// Shows text with the buttons ("~Save|~Discard|~Cancel"; null or "" is "~OK")
// and returns the index of the button pressed.
int askUser(const char* text, const char* buttons);
// The same for a question whose answer replaces or discards data: keys and
// clicks made before it appeared are dropped, so only the user's answer to
// it counts.
int askQuestion(const char* text, const char* buttons);
// A message with the one button "~OK", built like printf (the arguments are
// shown literally, whatever they hold).
void tellUser(const char* format, ...) __attribute__((format(printf, 1, 2)));

// True while a message, question or file selector of the editor waits for
// the user (a close request then waits too).
bool userDialogOpen();

// The file selector. The returned path belongs to the toolkit: copy it at once.
const char* chooseFile(const char* masks, const char* startPath, int flags, const char* title,
                       const char* buttonLabel);
