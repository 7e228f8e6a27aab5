#pragma once

#include <string>
#include <string_view>

namespace nuk {

// Row texts are a file's bytes taken as Latin-1; messages and output are UTF-8.
std::string Latin1ZuUtf8(std::string_view latin1);
// Back to Latin-1; a character beyond it becomes "?", a broken sequence too.
std::string Utf8ZuLatin1(std::string_view utf8);

}  // namespace nuk
