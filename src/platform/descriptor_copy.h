// Copying every byte between two open file descriptors of the host, shared by
// the safe save (which starts an update from the old bytes) and the backups.
#pragma once

// Copies what is left of src into dst; false on any read or write error.
bool copyDescriptorBytes(int src, int dst);
