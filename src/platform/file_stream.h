// Buffered file streams on editor paths, with the desktop's text-stream rules.
// Modes are the standard ones ("r", "w", "r+", "w+", "rb", "r+b", ...). A mode
// without "b" is a text stream: reading takes CR LF and a bare LF alike as a
// line end and hands the caller "\n"; writing turns every "\n" into CR LF.
// Binary streams pass bytes unchanged. Close with fclose as usual.
#pragma once
#include <cstdio>
#include <string>

// Opens the file that the editor path names (see host_path.h); nullptr, with
// errno set, when it cannot be opened in that mode or is no regular file (a
// directory, a named pipe, a device): nothing the editor reads can block it.
FILE* openStream(const char* editorPath, const char* mode);

// Wraps an open host stream (opened in binary) so that it gets the text or
// binary behaviour of mode. The wrapper owns raw and closes it.
FILE* wrapHostStream(FILE* raw, const char* mode);

// Reads the whole regular file that the editor path names (any letter case)
// into bytes with one open and, for a file that does not grow meanwhile, one
// read: the way to take a file that is only looked at. False (bytes empty)
// when it cannot be opened, is no regular file, holds more than limit bytes
// or a read fails.
bool readWholeFile(const char* editorPath, std::string& bytes, long limit);

#ifndef _WIN32
// The rest of readWholeFile on an open host descriptor: the size first, so
// that a file of the size it had takes one read (a shorter read of a regular
// file is its end); a file that grew is read on until it ends or passes the
// limit. size, when given, receives the size the host tells (-1 for no
// regular file), also when the file is refused for being larger than limit.
bool readOpenFile(int fd, std::string& bytes, long limit, long* size);
#endif

// A read-only stream over bytes in memory with the behaviour of mode ("r" a
// text stream, "rb" binary), so that a reader of streams can take a file read
// before. bytes must stay unchanged until the stream is closed.
FILE* openMemoryStream(const std::string& bytes, const char* mode);

// Test hook: after this many more bytes have been written through streams of
// this layer, every further write fails as on a full disk. -1 switches it off.
void failWritesAfter(long bytes);
