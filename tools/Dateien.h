// The files of a run: as given, every RWX file under a folder, and the RWX
// files inside zip archives, the way worlds serve their object paths.
#pragma once

#include <optional>
#include <string>
#include <vector>

namespace nukcheck {

struct Quelle {
    std::string name;      // as reported: DIR/sub/a.rwx, DIR/pack.zip:models/b.rwx
    std::string pfad;      // the file on disk ("-": standard input)
    std::string mitglied;  // the archive member; empty for a plain file
};

// A folder gives every .rwx under it and every .rwx inside each .zip under
// it (endings in any case), a .zip every .rwx inside it, sorted byte for
// byte by name; anything else stands as given. An archive that cannot be
// opened stands as itself, to be reported unreadable.
std::vector<Quelle> Aufzaehlen(const std::string& argument);

// The bytes of a file or member; nothing when unreadable.
std::optional<std::string> Laden(const Quelle& q);

}  // namespace nukcheck
