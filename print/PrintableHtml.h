#pragma once
// A report marks check boxes with glyphs of a symbol font that this platform lacks; what is
// shown or handed to the browser carries ☑ and ☐ instead, whatever font the template names.

#include <string>
#include <string_view>

// The report's UTF-8 output with the check box marks as ☑ (checked) and ☐ (not checked).
std::string kxWithCheckMarkGlyphs(std::string_view html);
