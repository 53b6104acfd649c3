#pragma once

// Text helpers that every piece of SQL text goes through.

#include <ctime>
#include <string>
#include <string_view>

#include "platform/OleDateTime.h"

// A copy with every single quote doubled.
std::wstring EscapeSqlQuotes(const std::wstring& text);

// UTF-8 bytes from the client library to text. Any length converts; an
// invalid sequence becomes U+FFFD instead of losing the whole value.
std::wstring Utf8ToWide(std::string_view bytes);
std::wstring Utf8ToWide(const char* bytes);  // zero-terminated; null gives empty

// "CAST ('%4d-%02d-%02d %02d:%02d:%02d' AS TIMESTAMP)".
std::wstring TimestampLiteral(const tm& time);                   // year + 1900, month + 1
std::wstring TimestampLiteral(const platform::CivilTime& time);  // fields as they are
// An OLE date; the empty text when it is not a valid date.
std::wstring TimestampLiteral(double oleDate);
// The current local time.
std::wstring CurrentTimestampLiteral();
