// The recovery copy's format, one "key=value" line each, in this order:
//   DOLA recovery copy 1
//   path=C:\games\world\ZANAB.MAP
//   changed=1
//   kind=1
//   teleport=5,3,<name in hex>       (one line per teleport)
//   row=<96 hex digits>              (24 lines)
//   placements=1
//   placement=<22 hex digits>        (200 lines, only after placements=1)
//   end
// The closing "end" tells a whole copy from one cut short.
#include "data/recovery_file.h"

#include <cerrno>
#include <cstdio>
#include <cstdlib>
#include <cstring>

#include "data/line_reader.h"
#include "platform/file_replacer.h"
#include "platform/file_stream.h"

namespace {

constexpr const char kTitle[] = "DOLA recovery copy 1";

void appendHex(std::string& out, const unsigned char* bytes, size_t n) {
  static const char digits[] = "0123456789abcdef";
  for (size_t i = 0; i < n; i++) {
    out += digits[bytes[i] >> 4];
    out += digits[bytes[i] & 15];
  }
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  return -1;
}

bool decodeHex(const std::string& text, unsigned char* out, size_t n) {
  if (text.size() != 2 * n) return false;
  for (size_t i = 0; i < n; i++) {
    const int high = hexDigit(text[2 * i]), low = hexDigit(text[2 * i + 1]);
    if (high < 0 || low < 0) return false;
    out[i] = static_cast<unsigned char>(high * 16 + low);
  }
  return true;
}

// Reads the copy line by line, keeping the line number for the reason of a failure.
class CopyReader {
 public:
  CopyReader(FILE* f, std::string* why) : reader_(f), why_(why) {}

  // The next line; false (with a reason) at the end of the file.
  bool next(std::string& line) {
    lineNumber_++;
    if (reader_.readLine(line) == LineRead::Line) return true;
    return fail("the copy ends early");
  }
  // The value of the next line, which must be "key=value".
  bool value(const char* key, std::string& out) {
    std::string line;
    if (!next(line)) return false;
    const size_t length = strlen(key);
    if (line.compare(0, length, key) != 0 || line.size() <= length || line[length] != '=')
      return fail(std::string("\"") + key + "=\" was expected");
    out = line.substr(length + 1);
    return true;
  }
  bool number(const char* key, long low, long high, long* out) {
    std::string text;
    if (!value(key, text)) return false;
    char* end = nullptr;
    errno = 0;
    *out = strtol(text.c_str(), &end, 10);
    if (text.empty() || *end != 0 || errno != 0 || *out < low || *out > high)
      return fail(std::string("the ") + key + " is not a number from " + std::to_string(low) + " to " +
                  std::to_string(high));
    return true;
  }
  bool fail(const std::string& reason) {
    if (why_) *why_ = "line " + std::to_string(lineNumber_) + ": " + reason;
    return false;
  }

 private:
  LineReader reader_;
  std::string* why_;
  int lineNumber_ = 0;
};

bool readTeleport(const std::string& text, RecoveredTeleport& out) {
  char* end = nullptr;
  const long x = strtol(text.c_str(), &end, 10);
  if (*end != ',') return false;
  const long y = strtol(end + 1, &end, 10);
  if (*end != ',') return false;
  const std::string hex = end + 1;
  std::string name(hex.size() / 2, '\0');
  if (name.empty() || name.size() >= kTeleportNameSize ||
      !decodeHex(hex, reinterpret_cast<unsigned char*>(&name[0]), name.size()))
    return false;
  out = RecoveredTeleport{static_cast<int>(x), static_cast<int>(y), name};
  return true;
}

// Teleport lines up to the first row line, which is left in line.
bool readTeleports(CopyReader& in, std::string& line, RecoveredMap& out) {
  for (;;) {
    if (!in.next(line)) return false;
    if (line.compare(0, 9, "teleport=") != 0) return true;
    RecoveredTeleport teleport;
    if (!readTeleport(line.substr(9), teleport)) return in.fail("a teleport is not x,y,name");
    out.teleports.push_back(teleport);
  }
}

bool readRows(CopyReader& in, std::string& line, RecoveredMap& out) {
  for (int r = 0; r < kMapRows; r++) {
    if (r > 0 && !in.next(line)) return false;
    if (line.compare(0, 4, "row=") != 0 || !decodeHex(line.substr(4), out.tiles[r], kMapColumns))
      return in.fail("a row is not 96 hexadecimal digits");
  }
  return true;
}

bool readPlacements(CopyReader& in, RecoveredMap& out) {
  long present = 0;
  if (!in.number("placements", 0, 1, &present)) return false;
  out.hasPlacements = present == 1;
  for (int i = 0; out.hasPlacements && i < kPlacementCount; i++) {
    std::string hex;
    unsigned char bytes[kPlacementSize];
    if (!in.value("placement", hex)) return false;
    if (!decodeHex(hex, bytes, sizeof bytes)) return in.fail("a placement is not 22 hexadecimal digits");
    decodePlacement(bytes, out.placements[i]);
  }
  return true;
}

bool readCopy(CopyReader& in, RecoveredMap& out) {
  std::string line;
  long changed = 0, kind = 0;
  if (!in.next(line)) return false;
  if (line != kTitle) return in.fail("this is no recovery copy of this version");
  if (!in.value("path", out.path) || !in.number("changed", 0, 1, &changed) || !in.number("kind", 0, 4, &kind))
    return false;
  out.changed = changed == 1;
  out.kind = static_cast<MapKind>(kind);
  if (!readTeleports(in, line, out) || !readRows(in, line, out) || !readPlacements(in, out)) return false;
  if (!in.next(line)) return false;
  if (line != "end") return in.fail("\"end\" was expected");
  return true;
}

}  // namespace

std::string recoveryText(const LocalMap& map, const MapDataFile& data, bool changed) {
  std::string text = std::string(kTitle) + "\npath=" + map.path + "\nchanged=" + (changed ? "1" : "0") +
                     "\nkind=" + std::to_string(static_cast<int>(map.kind)) + "\n";
  char name[kTeleportNameSize];
  for (int i = 0; i < map.teleportCount(); i++) {
    int x = 0, y = 0;
    if (!map.getTeleport(i, &x, &y, name)) continue;
    text += "teleport=" + std::to_string(x) + "," + std::to_string(y) + ",";
    appendHex(text, reinterpret_cast<const unsigned char*>(name), strlen(name));
    text += "\n";
  }
  for (int r = 0; r < kMapRows; r++) {
    unsigned char row[kMapColumns];
    for (int c = 0; c < kMapColumns; c++) row[c] = map.getTile(c, r);
    text += "row=";
    appendHex(text, row, sizeof row);
    text += "\n";
  }
  const bool hasPlacements = data.placement(0) != nullptr;
  text += hasPlacements ? "placements=1\n" : "placements=0\n";
  for (int i = 0; hasPlacements && i < kPlacementCount; i++) {
    unsigned char bytes[kPlacementSize];
    encodePlacement(*data.placement(i), bytes);
    text += "placement=";
    appendHex(text, bytes, sizeof bytes);
    text += "\n";
  }
  return text + "end\n";
}

bool writeRecoveryFile(const char* editorPath, const std::string& text) {
  FileReplacer replacer;
  return replacer.replaceWhole(editorPath, "w", text.data(), text.size());
}

bool readRecoveryFile(const char* editorPath, RecoveredMap& out, std::string* why) {
  out = RecoveredMap();
  FILE* f = openStream(editorPath, "r");
  if (!f) {
    if (why) *why = strerror(errno);
    return false;
  }
  CopyReader in(f, why);
  const bool read = readCopy(in, out);
  fclose(f);
  return read;
}

void applyRecoveredMap(const RecoveredMap& recovered, LocalMap& map, MapDataFile& data) {
  map.kind = recovered.kind;
  for (int r = 0; r < kMapRows; r++)
    for (int c = 0; c < kMapColumns; c++) map.setTile(c, r, recovered.tiles[r][c]);
  map.clearTeleports();
  for (const RecoveredTeleport& t : recovered.teleports) map.addTeleport(t.x, t.y, t.name.c_str());
  for (int i = 0; recovered.hasPlacements && i < kPlacementCount; i++)
    if (Placement* p = data.placement(i)) *p = recovered.placements[i];
}

