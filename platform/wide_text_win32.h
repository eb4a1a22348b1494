#pragma once
// Texts between the narrow encodings (a code page, UTF-8) and Windows' wide one.

#include <string>

// `text` in the code page (CP_ACP, CP_UTF8, ...) as wide text.
std::wstring WideOf(unsigned codePage, const std::string& text);
// Wide text as UTF-8.
std::string Utf8(const wchar_t* text);
