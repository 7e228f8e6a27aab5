#pragma once

#include <initializer_list>
#include <string>
#include <string_view>

namespace nuk {

// Row texts are a file's bytes taken as Latin-1; messages and output are UTF-8.
std::string Latin1ZuUtf8(std::string_view latin1);
// Back to Latin-1; a character beyond it becomes "?", a broken sequence too.
std::string Utf8ZuLatin1(std::string_view utf8);

// The text in the user's language: what the translator set at start makes of
// it, else the text as it stands (German). Qt's lupdate finds the calls as
// translate(kontext, text), so both must be literals.
std::string Tr(const char* kontext, const char* text);

// Where a text must stay a constant (a table, a named string), vorgemerkt::Tr
// marks it for lupdate just the same and gives it back as it stands; Tr with
// the constant translates it where it is shown.
namespace vorgemerkt {
constexpr const char* Tr(const char* /*kontext*/, const char* text) {
    return text;
}
}  // namespace vorgemerkt

// The look-up Tr uses; set once at start, before any thread runs.
using Uebersetzer = std::string (*)(const char* kontext, const char* text);
void UebersetzerSetzen(Uebersetzer uebersetzer);

// muster with %1 ... %9 replaced by werte; what a value brings stays as it is.
std::string Einsetzen(std::string_view muster, std::initializer_list<std::string_view> werte);

}  // namespace nuk
