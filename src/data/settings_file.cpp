// SettingsFile: reading lines into entries by their kind, writing them back,
// and the lookups and insertions of the program's keys.
#include "data/settings_file.h"

#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "data/decimal_number.h"
#include "data/line_reader.h"
#include "platform/file_stream.h"
#include "platform/safe_file.h"

namespace {

SettingsEntry* newEntry() {
  SettingsEntry* e = new SettingsEntry;
  e->section[0] = e->key[0] = e->value[0] = e->raw[0] = 0;
  e->next = nullptr;
  return e;
}

// Copies length bytes of text into a field, cut to the field's capacity.
void copyField(char* field, size_t capacity, const char* text, size_t length) {
  snprintf(field, capacity, "%.*s", static_cast<int>(length < capacity ? length : capacity - 1),
           text);
}

// A header entry keeps its whole line as well, since its section field may be
// too short for it: cut there, the header would lose its "]" and stop being
// one. A line too long even for raw keeps its start and its "]".
void keepHeaderLine(SettingsEntry* e, const char* text, size_t n) {
  if (n < sizeof e->raw) copyField(e->raw, sizeof e->raw, text, n);
  else snprintf(e->raw, sizeof e->raw, "%.*s]", static_cast<int>(sizeof e->raw - 2), text);
}

// Fills entry e from one line by the line's kind; updates the current section.
void fillEntry(SettingsEntry* e, const std::string& line, char* currentSection, size_t sectionSize) {
  const char* text = line.c_str();
  const size_t n = strlen(text);
  if (n == 0 || text[0] == '#' || text[0] == '\'') {
    copyField(e->raw, sizeof e->raw, text, n);
  } else if (text[0] == '[' && text[n - 1] == ']' && n >= 2) {
    copyField(e->section, sizeof e->section, text, n);
    copyField(currentSection, sectionSize, text + 1, n - 2);
    keepHeaderLine(e, text, n);
  } else if (const char* equals = strchr(text, '=')) {
    copyField(e->section, sizeof e->section, currentSection, strlen(currentSection));
    copyField(e->key, sizeof e->key, text, static_cast<size_t>(equals - text));
    copyField(e->value, sizeof e->value, equals + 1, strlen(equals + 1));
  }
}

bool isHeader(const SettingsEntry* e) { return !e->key[0] && e->section[0] == '['; }

// True when e is the header line of the named section.
bool isHeaderOf(const SettingsEntry* e, const char* section) {
  const size_t n = strlen(e->section);
  return isHeader(e) && n == strlen(section) + 2 && strncmp(e->section + 1, section, n - 2) == 0;
}

void freeEntries(SettingsEntry* e) {
  while (e) {
    SettingsEntry* next = e->next;
    delete e;
    e = next;
  }
}

// Reads every line of f into a new list at *head; false when a line passes
// the reader's limit or the stream fails (the entries read so far are kept
// in *head for the caller to free).
bool readEntries(FILE* f, SettingsEntry** head) {
  char currentSection[128] = "";
  SettingsEntry* last = nullptr;
  LineReader reader(f);
  std::string line;
  LineRead got;
  while ((got = reader.readLine(line)) == LineRead::Line) {
    SettingsEntry* e = newEntry();
    fillEntry(e, line, currentSection, sizeof currentSection);
    if (last) last->next = e;
    else *head = e;
    last = e;
  }
  return got == LineRead::End;
}

}  // namespace

SettingsFile::~SettingsFile() {
  clear();
  delete[] path;
}

void SettingsFile::setPath(const char* filePath) {
  char* copy = nullptr;
  if (filePath) {  // copied before the old path is freed: filePath may be path itself
    size_t n = strlen(filePath) + 1;
    copy = new char[n];
    snprintf(copy, n, "%s", filePath);
  }
  delete[] path;
  path = copy;
}

bool SettingsFile::load(const char* filePath) {
  setPath(filePath);
  keepFile_ = false;
  FILE* f = path ? openStream(path, "r") : nullptr;
  if (!f) return false;
  SettingsEntry* head = nullptr;
  const bool read = readEntries(f, &head);
  fclose(f);
  if (!read) {
    freeEntries(head);
    keepFile_ = true;
    return false;
  }
  clear();
  first = head;
  return true;
}

bool SettingsFile::save(const char* filePath) {
  if (keepFile_ && filePath && path && strcmp(filePath, path) == 0) return false;
  setPath(filePath);
  keepFile_ = false;
  SafeWriter writer;
  FILE* f = path ? writer.open(path, "w") : nullptr;
  if (!f) return false;
  for (const SettingsEntry* e = first; e; e = e->next) {
    if (e->key[0]) fprintf(f, "%s=%s\n", e->key, e->value);
    else if (isHeader(e)) fprintf(f, "%s\n", e->raw[0] ? e->raw : e->section);
    else fprintf(f, "%s\n", e->raw);
  }
  return writer.commit();
}

SettingsEntry* SettingsFile::find(const char* section, const char* key) const {
  if (!section || !key) return nullptr;
  for (SettingsEntry* e = first; e; e = e->next)
    if (e->key[0] && strcmp(e->section, section) == 0 && strcmp(e->key, key) == 0) return e;
  return nullptr;
}

const char* SettingsFile::getString(const char* section, const char* key) const {
  const SettingsEntry* e = find(section, key);
  return e ? e->value : nullptr;
}

long SettingsFile::getInt(const char* section, const char* key) const {
  const char* s = getString(section, key);
  return s ? static_cast<long>(readDecimal(s, LONG_MIN, LONG_MAX)) : 0;
}

void SettingsFile::addString(const char* section, const char* key, const char* value) {
  if (!section) section = "";
  SettingsEntry* e = newEntry();
  copyField(e->section, sizeof e->section, section, strlen(section));
  copyField(e->key, sizeof e->key, key ? key : "", key ? strlen(key) : 0);
  copyField(e->value, sizeof e->value, value ? value : "", value ? strlen(value) : 0);

  if (!section[0]) {
    insertUnnamed(e);
    return;
  }
  SettingsEntry* after = nullptr;
  SettingsEntry* last = nullptr;
  for (SettingsEntry* s = first; s; s = s->next) {
    last = s;
    if (!after && isHeaderOf(s, section)) after = s;
  }
  if (!after) {
    // A named section that the file lacks gets its header at the end.
    SettingsEntry* header = newEntry();
    snprintf(header->section, sizeof header->section, "[%.125s]", section);
    if (last) last->next = header;
    else first = header;
    after = header;
  }
  e->next = after->next;
  after->next = e;
}

// A key of the unnamed section goes right after the file's first entry when
// that entry lies in the unnamed section, and at the very top when the file
// starts with a header: anywhere later it could fall inside a named section
// (a blank line after a header is no entry of the unnamed section).
void SettingsFile::insertUnnamed(SettingsEntry* e) {
  if (!first || isHeader(first)) {
    e->next = first;
    first = e;
    return;
  }
  e->next = first->next;
  first->next = e;
}

void SettingsFile::addInt(const char* section, const char* key, long number) {
  char text[32];
  snprintf(text, sizeof text, "%ld", number);
  addString(section, key, text);
}

bool SettingsFile::updateString(const char* section, const char* key, const char* value) {
  SettingsEntry* e = find(section, key);
  if (!e) return false;
  copyField(e->value, sizeof e->value, value ? value : "", value ? strlen(value) : 0);
  return true;
}

void SettingsFile::clear() {
  freeEntries(first);
  first = nullptr;
}
