// The MAP text format of LocalMap: a header line with the kind word and the
// teleport entries, then one row line per row (a lead character and 48 tile
// bytes). Reads take whole lines of any length; writes go through FileReplacer.
#include <algorithm>
#include <cctype>
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>
#include <string_view>

#include "data/decimal_number.h"
#include "data/line_reader.h"
#include "data/local_map.h"
#include "data/teleport_list.h"
#include "data/text_copy.h"
#include "platform/file_stream.h"
#include "platform/file_replacer.h"

namespace {

constexpr size_t kRowLineLength = 1 + kMapColumns;  // lead character and tiles

bool startsWith(std::string_view text, const char* word) { return text.compare(0, strlen(word), word) == 0; }

const char* const kKindWords[] = {"WILDERNESS", "LOCAL", "INTERIOR"};

MapKind kindNamedIn(std::string_view header) {
  if (startsWith(header, "WILDERNESS")) return Wilderness;
  if (startsWith(header, "LOCAL")) return Local;
  if (startsWith(header, "INTERIOR")) return Interior;
  MapKind kind = NoKind;
  if (header.find("WILDERNESS") != std::string_view::npos) kind = Wilderness;
  if (header.find("LOCAL") != std::string_view::npos) kind = Local;
  if (header.find("INTERIOR") != std::string_view::npos) kind = Interior;
  return kind;
}

// Optional blanks, an optional sign and at least one digit, nothing else.
bool isCleanNumber(const std::string& text) {
  size_t i = 0;
  while (i < text.size() && isspace(static_cast<unsigned char>(text[i]))) i++;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) i++;
  const size_t digits = i;
  while (i < text.size() && isdigit(static_cast<unsigned char>(text[i]))) i++;
  return i > digits && i == text.size();
}

void note(MapLoadNotes::Note& note, const std::string& what) {
  if (note.count++ == 0) note.first = what;
}

// Up to 9 digits and then stop, at text[0..): their value, or -1 when there
// are none, more, or stop does not follow them.
long long plainNumber(const char*& text, const char* end, char stop) {
  long long value = 0;
  const char* digits = text;
  while (text < end && *text >= '0' && *text <= '9' && text - digits < 9) value = value * 10 + (*text++ - '0');
  if (text == digits || text == end || *text != stop) return -1;
  text++;
  return value;
}

// One pass over the name, since nearly every name holds no kind word at all.
bool holdsKindWord(std::string_view name) {
  for (size_t i = 0; i < name.size(); i++) {
    const char c = name[i];
    if (c != 'W' && c != 'L' && c != 'I') continue;
    for (const char* word : kKindWords)
      if (word[0] == c && name.compare(i, strlen(word), word) == 0) return true;
  }
  return false;
}

}  // namespace

const std::string& MapLoadNotes::firstDropped() const {
  for (const Note* n : {&malformedPieces, &clampedNumbers, &longNames, &linesAfterRows})
    if (n->count > 0) return n->first;
  static const std::string none;
  return none;
}

// One ">X,Y:NAME!" piece: a teleport, or a note of why it is not one as written.
void LocalMap::parsePiece(const std::string& piece) {
  const size_t comma = piece.find(',');
  const size_t colon = piece.find(':');
  if (piece.empty() || comma == std::string::npos || colon == std::string::npos || comma > colon) {
    note(notes_.malformedPieces, "the teleport piece \">" + piece.substr(0, 40) + "\" is no teleport");
    if (piece.empty() || comma == std::string::npos || colon == std::string::npos) return;
  } else if (!isCleanNumber(piece.substr(0, comma)) || !isCleanNumber(piece.substr(comma + 1, colon - comma - 1))) {
    note(notes_.malformedPieces, "the teleport piece \">" + piece.substr(0, 40) + "\" has no numbers where its cell belongs");
  }
  long long fileX = readDecimal(piece.c_str(), INT32_MIN + 20LL, INT32_MAX);
  long long fileY = readDecimal(piece.c_str() + comma + 1, INT32_MIN + 12LL, INT32_MAX);
  if (fileX != readDecimal(piece.c_str(), LLONG_MIN, LLONG_MAX) ||
      fileY != readDecimal(piece.c_str() + comma + 1, LLONG_MIN, LLONG_MAX)) {
    note(notes_.clampedNumbers, "the teleport piece \">" + piece.substr(0, 40) + "\" has a number too large for a cell");
  }
  std::string name = piece.substr(colon + 1);
  if (!name.empty() && name.back() == '!') name.pop_back();
  for (const char* word : kKindWords) {
    if (name.find(word) == std::string::npos) continue;
    note(notes_.kindWordNames, "the teleport name " + name.substr(0, 40) + " holds the kind word " + word);
    break;
  }
  if (name.size() >= kTeleportNameSize) {
    note(notes_.longNames, "a teleport name of " + std::to_string(name.size()) + " characters");
  }
  takeTeleport(static_cast<int>(fileX - 20), static_cast<int>(fileY - 12), name.c_str(), strlen(name.c_str()));
}

// The piece as nearly every file has it: digits, ",", digits, ":" and a name
// that no rule of parsePiece notes, added as parsePiece would add it, without
// copying the piece (a map may hold tens of thousands). False, with nothing
// added, for any other piece.
bool LocalMap::addPlainPiece(const char* piece, const char* end) {
  const char* p = piece;
  const long long fileX = plainNumber(p, end, ',');
  const long long fileY = fileX < 0 ? -1 : plainNumber(p, end, ':');
  if (fileY < 0) return false;
  std::string_view name(p, static_cast<size_t>(end - p));
  if (!name.empty() && name.back() == '!') name.remove_suffix(1);
  if (name.size() >= kTeleportNameSize || holdsKindWord(name)) return false;
  // A 0 byte ends the name, as it ends it for addTeleport.
  return takeTeleport(static_cast<int>(fileX - 20), static_cast<int>(fileY - 12), name.data(),
                      strnlen(name.data(), name.size()));
}

// A teleport read from the file, into the list the load was given or into
// the map's own; false, with nothing added, for a name no file can carry.
bool LocalMap::takeTeleport(int x, int y, const char* name, size_t length) {
  if (!storableTeleportName(name, length)) return false;
  if (teleportsInto_) {
    teleportsInto_->add(x, y, name, length);
    return true;
  }
  char text[kTeleportNameSize];
  memcpy(text, name, length);
  text[length] = 0;
  return addTeleport(x, y, text);
}

// Reads every ">X,Y:NAME!" piece after the header word. A piece without ","
// or ":", or with a name no map can hold, is skipped; each is noted.
void LocalMap::parseTeleports(const char* header, const char* end) {
  const char* p = header;
  while (p < end && *p == '>') p++;  // the first piece, the header word, is skipped
  p = static_cast<const char*>(memchr(p, '>', static_cast<size_t>(end - p)));
  while (p && p < end) {
    while (p < end && *p == '>') p++;
    const char* pieceEnd = static_cast<const char*>(memchr(p, '>', static_cast<size_t>(end - p)));
    if (!pieceEnd) pieceEnd = end;
    if (!addPlainPiece(p, pieceEnd)) parsePiece(std::string(p, static_cast<size_t>(pieceEnd - p)));
    p = pieceEnd;
  }
}

// All tiles 0, no teleports, no rows read.
void LocalMap::clearContent() {
  memset(tiles_, 0, sizeof tiles_);
  clearTeleports();
  if (teleportsInto_) teleportsInto_->clear();
  rowsRead_ = 0;
  notes_ = MapLoadNotes{};
}

bool LocalMap::load(const char* mapPath) { return loadWithMode(mapPath, "r+"); }

bool LocalMap::loadForReading(const char* mapPath) { return loadWithMode(mapPath, "r"); }

// Empties the map and takes mapPath as its path; false for a path too long.
bool LocalMap::beginLoad(const char* mapPath) {
  clearContent();
  if (!mapPath || !copyText(path, sizeof path, mapPath)) {  // mapPath may be path itself
    path[0] = 0;
    return false;
  }
  return true;
}

bool LocalMap::loadWithMode(const char* mapPath, const char* mode) {
  if (!beginLoad(mapPath)) return false;
  FILE* f = openStream(path, mode);
  if (!f) return false;
  LineReader reader(f);
  const bool read = readFile(reader);
  fclose(f);
  return read;
}

bool LocalMap::loadFromBytes(const char* mapPath, const std::string& bytes, TeleportList* teleportsInto) {
  teleportsInto_ = teleportsInto;
  bool read = beginLoad(mapPath);
  if (read) {
    LineReader reader(bytes.data(), bytes.size());
    read = readFile(reader);
  }
  teleportsInto_ = nullptr;
  return read;
}

// Reads the header and the row lines from reader (a file or bytes read before). A line past the
// reader's limit (or a failing read) means no MAP file at all: the map is then
// as after a header that names no kind, so nothing can be saved over the file.
bool LocalMap::readFile(LineReader& reader) {
  std::string_view line;
  std::string scratch;
  LineRead got = reader.readLine(line, scratch);
  kind = got == LineRead::Line ? kindNamedIn(line) : NoKind;
  if (kind == NoKind) {
    path[0] = 0;
    return false;
  }
  parseTeleports(line.data(), line.data() + line.size());

  const int rows = mapKindRowCount(kind);
  for (int r = 0; r < rows; r++) {
    bool lineEnd = false;
    got = reader.readLine(line, scratch, &lineEnd);
    if (got == LineRead::End) break;  // missing rows stay 0
    if (got == LineRead::Unreadable) {
      clearContent();
      kind = NoKind;
      path[0] = 0;
      return false;
    }
    if (line.size() + (lineEnd ? 1 : 0) < kRowLineLength) return false;
    // A row line of 47 tiles passes the length test; its line end is the 48th tile.
    memcpy(tiles_[r], line.data() + 1, std::min<size_t>(line.size() - 1, kMapColumns));
    if (line.size() < kRowLineLength) tiles_[r][kMapColumns - 1] = '\n';
    rowsRead_ = r + 1;
  }
  while (rowsRead_ == rows && reader.readLine(line, scratch) == LineRead::Line)
    note(notes_.linesAfterRows, "the line \"" + std::string(line.substr(0, 40)) + "\" after the last row");
  return true;
}

// The whole file as the format has it; false when save refuses this map or path.
bool LocalMap::fileText(const char* mapPath, std::string& text) const {
  // NoKind and any value outside the kinds have no header word and no rows.
  if (mapKindRowCount(kind) == 0 || !mapPath || strlen(mapPath) >= sizeof path) return false;
  if (findUnwritableTile(nullptr, nullptr)) return false;
  text = mapKindHeaderWord(kind);
  char entry[kTeleportNameSize + 64];
  for (const Teleport* t = firstTeleport_; t; t = t->next) {
    snprintf(entry, sizeof entry, ">%lld,%lld:%s!", t->x + 20LL, t->y + 12LL, t->name);
    text += entry;
  }
  text += '\n';
  const int rows = mapKindRowCount(kind);
  for (int r = 0; r < rows; r++) {
    text += ' ';
    text.append(reinterpret_cast<const char*>(tiles_[r]), kMapColumns);
    text += '\n';
  }
  return true;
}

bool LocalMap::save(const char* mapPath, BackupOperation* backup) const {
  std::string text;
  if (!fileText(mapPath, text)) return false;
  FileReplacer replacer(backup);
  return replacer.replaceWhole(mapPath, "w+", text.data(), text.size());
}

int LocalMap::saveInto(FileReplacer& replacer, const char* mapPath) const {
  std::string text;
  if (!fileText(mapPath, text)) return -1;
  FILE* f = replacer.open(mapPath, "w+");
  if (!f) return -1;
  if (fwrite(text.data(), 1, text.size(), f) != text.size()) {
    replacer.abandon();
    return -1;
  }
  return replacer.finish();
}
