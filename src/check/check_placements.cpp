// The ".DAT" checks, one function per kind of fault.
#include "check_placements.h"

#include "data/local_map.h"

void checkDataFile(const GameDirectory& dir, const std::string& file, const GameTables& tables, MapDataFile& data,
                   Findings& findings) {
  std::string bytes;
  if (!dir.read(file, bytes) || !data.loadFromBytes(dir.pathOf(file).c_str(), bytes)) {
    findings.error(file, FindingKind::Unreadable, "cannot be read");
    return;
  }
  checkDataFileSize(file, static_cast<long>(bytes.size()), findings);
  checkPlacements(file, data, tables, findings);
}

void checkDataFileSize(const std::string& file, long bytes, Findings& findings) {
  if (bytes >= kPlacementTableSize) return;
  findings.warning(file, FindingKind::ShortDataFile,
                   "%ld bytes, shorter than the %d of its %d records: a save will extend it", bytes,
                   kPlacementTableSize, kPlacementCount);
}

void checkPlacements(const std::string& file, const MapDataFile& data, const GameTables& tables,
                     Findings& findings) {
  for (int i = 0; i < kPlacementCount; i++) {
    const Placement* p = data.placement(i);
    if (!p || !placementInUse(*p)) continue;
    if (p->x < 1 || p->x > kMapColumns || p->y < 1 || p->y > kMapRows) {
      Finding& f = findings.error(file, FindingKind::PlacementCell,
                                  "record %d (id %d) lies at cell (%d, %d), outside 1..%d x 1..%d", i, p->id, p->x,
                                  p->y, kMapColumns, kMapRows);
      f.record = i;
    }
    std::string why;
    if (lookupPlacementRecord(tables, p->id, &why) == RecordLookup::NotFound) {
      Finding& f = findings.error(file, FindingKind::PlacementRecord, "record %d at cell (%d, %d): id %d names no record: %s",
                                  i, p->x, p->y, p->id, why.c_str());
      f.record = i;
    }
  }
}
