#pragma once

#include <string>

// Writing output files so that a failure never leaves half a file behind and
// is never reported as success. Paths are byte strings, passed to the system
// as they are.

enum class FileWrite { kWritten, kOpenFailed, kWriteFailed };

// Replaces the file at path with bytes, whole or not at all: a regular file
// (or a new one) is written to a temporary file beside it, flushed to disk
// and renamed over it, so that a failed write leaves the old file as it was.
// A path naming a device, a FIFO or a socket (also through a symbolic link)
// is written into directly and never replaced by a regular file.
FileWrite WriteFileWhole(const std::string& path, const std::string& bytes);

// Appends bytes to path (created when missing), checking every write and
// the close.
FileWrite AppendToFile(const std::string& path, const std::string& bytes);
