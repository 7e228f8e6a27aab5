#pragma once

#include <string>
#include <string_view>

namespace nuk {

// Row texts are a file's bytes taken as Latin-1; messages and output are UTF-8.
std::string Latin1ZuUtf8(std::string_view latin1);

}  // namespace nuk
