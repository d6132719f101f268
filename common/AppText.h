#pragma once

#include <string>

namespace bytelora {

// The product name: window caption, settings section, tray tip, balloon title, and the
// base of the application title and of the history log's file name.
inline constexpr char kProductName[] = "Bytelora";

// Drops the last blank-separated word of text when it equals word (or when word is
// empty); the result is trimmed. Any other text comes back unchanged.
std::string StripTrailingWord(const std::string& text, const std::string& word);

// Removes every character that has no place in a file name.
std::string CleanFileName(const std::string& text);

// The application title for a product name: words are dropped from the end until at
// most 40 characters remain, at least one word; a one-word name keeps its word.
std::string MakeAppTitle(const std::string& productName);

// The process-wide title of message boxes that have no title of their own.
void SetAppTitle();
const std::string& AppTitle();

}  // namespace bytelora
