// The file layer: whole files in, whole files out.
#pragma once

#include <sys/types.h>

#include <string>
#include <string_view>
#include <vector>

namespace nuk {

// Loads a regular file's bytes; false when it cannot be opened or read
// (missing, a directory, unreadable).
bool DateiLaden(const std::string& pfad, std::string& daten);

// How the bytes of a file reach the disk: ::write, or what a test puts in its
// place to make the disk fill up halfway.
using Schreibweg = ssize_t (*)(int fd, const void* puffer, size_t n);

// Writes the bytes to a new file beside the target and renames it over the
// target only when every byte is on disk; on failure the target stays as it
// was and the new file is removed. The target keeps its permissions. Every
// write goes through weg (nullptr: ::write).
bool DateiErsetzen(const std::string& pfad, std::string_view daten, Schreibweg weg = nullptr);

// The files a texture or mask name stands for, as world browsers take it: a
// name with an extension (in its last part) as written, else NAME.jpg, a
// mask NAME.zip or NAME.bmp. Matched in any case by whoever looks.
std::vector<std::string> TexturDateinamen(std::string_view name, bool maske);

}  // namespace nuk
