#pragma once
#include <string_view>

namespace vx::forms {

// Number of characters of a UTF-8 text.
int characterCount(std::string_view text);
// Byte offset of the character at `index` (the text's size past the end).
std::size_t byteOffset(std::string_view text, int index);

} // namespace vx::forms
