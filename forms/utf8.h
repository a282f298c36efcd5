#pragma once
#include <string_view>

namespace vx::forms {

// Number of characters of a UTF-8 text.
int characterCount(std::string_view text);

} // namespace vx::forms
