// The words the table shows its player, in the player's language. The
// plain parts of the table write every text for the player in English
// through translate(), with %1, %2, ... where names and numbers go; the
// window installs a translator for the chosen language. Without one (tests,
// servers, tools) the English stands. Texts that travel between programs
// (the server's chat notices, the messages) never pass through here, so
// tables of every language understand each other.
#pragma once

#include <functional>
#include <initializer_list>
#include <string>
#include <string_view>

namespace brixo {

using Translator = std::function<std::string(const char* context, const char* source)>;

// Installed once by the window, and again when the player picks another
// language; an empty translator puts English back.
void settranslator(Translator translator);

// The source text in the player's language. Both arguments are string
// literals, so the translation tools find every text where it is written.
std::string translate(const char* context, const char* source);

// The text with %1 .. %9 replaced by the arguments in order; a "%" not
// followed by the number of an argument stays as it is.
std::string fillin(std::string_view text, std::initializer_list<std::string_view> args);

} // namespace brixo
