// The MAP text format of LocalMap: a header line with the kind word and the
// teleport entries, then one row line per row (a lead character and 48 tile
// bytes). Reads take whole lines of any length; writes go through FileReplacer.
#include <climits>
#include <cstdio>
#include <cstring>
#include <string>

#include "data/decimal_number.h"
#include "data/line_reader.h"
#include "data/local_map.h"
#include "data/text_copy.h"
#include "platform/file_stream.h"
#include "platform/file_replacer.h"

namespace {

constexpr size_t kRowLineLength = 1 + kMapColumns;  // lead character and tiles

MapKind kindNamedIn(const std::string& header) {
  MapKind kind = NoKind;
  if (header.find("WILDERNESS") != std::string::npos) kind = Wilderness;
  if (header.find("LOCAL") != std::string::npos) kind = Local;
  if (header.find("INTERIOR") != std::string::npos) kind = Interior;
  return kind;
}

}  // namespace

// Reads every ">X,Y:NAME!" piece after the header word. A piece without ","
// or ":", or with a name no map can hold, is skipped.
void LocalMap::parseTeleports(const char* header, const char* end) {
  const char* p = header;
  while (p < end && *p == '>') p++;  // the first piece, the header word, is skipped
  p = static_cast<const char*>(memchr(p, '>', static_cast<size_t>(end - p)));
  while (p && p < end) {
    while (p < end && *p == '>') p++;
    const char* pieceEnd = static_cast<const char*>(memchr(p, '>', static_cast<size_t>(end - p)));
    if (!pieceEnd) pieceEnd = end;
    std::string piece(p, static_cast<size_t>(pieceEnd - p));
    size_t comma = piece.find(',');
    size_t colon = piece.find(':');
    if (!piece.empty() && comma != std::string::npos && colon != std::string::npos) {
      long long fileX = readDecimal(piece.c_str(), INT32_MIN + 20LL, INT32_MAX);
      long long fileY = readDecimal(piece.c_str() + comma + 1, INT32_MIN + 12LL, INT32_MAX);
      std::string name = piece.substr(colon + 1);
      if (!name.empty() && name.back() == '!') name.pop_back();
      addTeleport(static_cast<int>(fileX - 20), static_cast<int>(fileY - 12), name.c_str());
    }
    p = pieceEnd;
  }
}

// All tiles 0, no teleports, no rows read.
void LocalMap::clearContent() {
  memset(tiles_, 0, sizeof tiles_);
  clearTeleports();
  rowsRead_ = 0;
}

bool LocalMap::load(const char* mapPath) {
  clearContent();
  if (!mapPath || !copyText(path, sizeof path, mapPath)) {  // mapPath may be path itself
    path[0] = 0;
    return false;
  }
  FILE* f = openStream(mapPath, "r+");
  if (!f) return false;
  const bool read = readFile(f);
  fclose(f);
  return read;
}

// Reads the header and the row lines from the open file. A line past the
// reader's limit (or a failing read) means no MAP file at all: the map is then
// as after a header that names no kind, so nothing can be saved over the file.
bool LocalMap::readFile(FILE* f) {
  LineReader reader(f);
  std::string line;
  LineRead got = reader.readLine(line);
  kind = got == LineRead::Line ? kindNamedIn(line) : NoKind;
  if (kind == NoKind) {
    path[0] = 0;
    return false;
  }
  parseTeleports(line.data(), line.data() + line.size());

  const int rows = mapKindRowCount(kind);
  for (int r = 0; r < rows; r++) {
    bool lineEnd = false;
    got = reader.readLine(line, &lineEnd);
    if (got == LineRead::End) break;  // missing rows stay 0
    if (got == LineRead::Unreadable) {
      clearContent();
      kind = NoKind;
      path[0] = 0;
      return false;
    }
    if (line.size() + (lineEnd ? 1 : 0) < kRowLineLength) return false;
    // A row line of 47 tiles passes the length test; its line end is the 48th tile.
    if (line.size() < kRowLineLength) line.push_back('\n');
    memcpy(tiles_[r], line.data() + 1, kMapColumns);
    rowsRead_ = r + 1;
  }
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
