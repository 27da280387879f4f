// The settings file (dola.ini) as an ordered list of entries, one per line,
// so that a load followed by a save gives back the same lines with only the
// values changed and new keys inserted. Texts are cut to their fields, but a
// section header keeps its brackets, so a cut never changes what a file means.
#pragma once

struct SettingsEntry {
  char section[128];  // key entry: its section name; header entry: the whole "[...]" line
  char key[128];      // text before the first "=" of a key line
  char value[512];    // text after that "="
  char raw[512];      // the whole line of a comment, blank or header line (a header is written from it)
  SettingsEntry* next;
};

class SettingsFile {
 public:
  SettingsEntry* first = nullptr;  // owned, in file order
  char* path = nullptr;            // owned copy of the path of the last load or save

  SettingsFile() = default;
  ~SettingsFile();
  SettingsFile(const SettingsFile&) = delete;
  SettingsFile& operator=(const SettingsFile&) = delete;

  // Replaces the list with the lines of the file; false (list unchanged) when
  // it cannot be opened or read whole: a line longer than the line reader's
  // limit (1 MiB) or a failing read. Such a file is no settings file, and
  // save never writes over it (see save).
  bool load(const char* filePath);
  // Writes every entry as one CR LF line, replacing the file only once all is
  // written; false when it could not be written (the old file is kept), and
  // false without writing when filePath is the path of the last load and that
  // load could not read the file whole.
  bool save(const char* filePath);

  // The value of the first entry with this section and key (exact, case-
  // sensitive), valid until that entry changes; nullptr when there is none.
  const char* getString(const char* section, const char* key) const;
  // getString read as a decimal number the way atol does; 0 when missing.
  long getInt(const char* section, const char* key) const;
  // Inserts a new key entry. In the unnamed section: right after the file's
  // first entry, or at the top when the file starts with a section header
  // (so keys added one after another read in the reverse order of adding,
  // behind the first one). In a named section: right after the section's
  // header (a header is appended first when there is none).
  void addString(const char* section, const char* key, const char* value);
  void addInt(const char* section, const char* key, long number);
  // Changes the value of the entry getString finds; false when there is none.
  bool updateString(const char* section, const char* key, const char* value);
  void clear();

 private:
  void setPath(const char* filePath);
  void insertUnnamed(SettingsEntry* e);
  bool keepFile_ = false;  // the file at path exists but could not be read: never overwrite it
  SettingsEntry* find(const char* section, const char* key) const;
};
