#pragma once
// Fills the "%s" and "%d" places of a string-table text, in order, with ready-made texts.

#include <initializer_list>
#include <string>
#include <string_view>

std::string kxFillText(std::string_view pattern, std::initializer_list<std::string_view> arguments);
