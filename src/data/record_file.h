// Tables of fixed-size records read from the start of a file, as the object,
// creature and placement tables are stored: a short file leaves the records it
// lacks (and the rest of one it cuts) zero; bytes past the table are ignored.
#pragma once
#include <cstddef>

// Reads count records of recordSize bytes from the start of the file that
// editorPath names (any letter case) into records, which is zeroed first.
// False when the file cannot be opened or a read fails midway: a file that
// fails is no short file, and records then mean nothing.
bool readRecords(const char* editorPath, void* records, size_t recordSize, int count);

// The same for the file "<directory>\<fileName>"; false also when that path
// does not fit an editor path.
bool readRecordsIn(const char* directory, const char* fileName, void* records, size_t recordSize, int count);
