// Test hooks that stand for a full disk and for a program killed mid-write,
// shared by every writer of this layer (backup copies, backup lists,
// temporaries of a safe save or batch).
#pragma once

// The nth file finished by a writer of this layer from now on (1 for the
// next) fails as on a full disk; 0 switches it off.
void failNthFileWrite(int n);

// True (errno ENOSPC) when the file a writer is finishing now is the one
// failNthFileWrite chose.
bool injectedWriteFailure();

// The next batch that commits stops after renaming n files as a killed
// program would: its temporaries and journal stay where they are. -1
// switches it off.
void stopBatchAfterRenames(int n);

// Whether the batch committing now stops before rename number index (0-based).
bool injectedStopBefore(int index);
