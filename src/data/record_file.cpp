// Reading a record table with one bulk read through the platform's streams.
#include "data/record_file.h"

#include <cstdio>
#include <cstring>

#include "platform/file_stream.h"

bool readRecords(const char* editorPath, void* records, size_t recordSize, int count) {
  const size_t size = recordSize * static_cast<size_t>(count);
  memset(records, 0, size);
  FILE* file = openStream(editorPath, "rb");
  if (!file) return false;
  fread(records, 1, size, file);
  const bool readFailed = ferror(file) != 0;
  fclose(file);
  return !readFailed;
}

bool readRecordsIn(const char* directory, const char* fileName, void* records, size_t recordSize, int count) {
  char path[1024];
  const int length = snprintf(path, sizeof path, "%s\\%s", directory, fileName);
  if (length < 0 || length >= static_cast<int>(sizeof path)) return false;
  return readRecords(path, records, recordSize, count);
}
