#pragma once

// Escapes of separators inside the texts of template text records.

#include <string>

// The full set, in this order: ":" -> "\colon", ";" -> "\semicolon",
// "," -> "\comma", "|" -> "\bar", "#" -> "\hash", CR LF -> "\newline".
// Unescaping undoes them in the same order. The escapes themselves are not
// escaped, so a text holding the literal "\comma" reads back as ",".
void EscapeText(std::wstring& text);
void UnescapeText(std::wstring& text);

// The set of the common head of every entity record (title and name), which
// the preview library's record reader undoes: ":", ";", "," and CR LF only.
void EscapeRecordText(std::wstring& text);
void UnescapeRecordText(std::wstring& text);
