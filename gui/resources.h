#pragma once
#include <string>

// The text of a resource compiled into the program, such as
// "board/template.desc". A missing resource throws std::runtime_error.
std::string ReadResourceText(const std::string& path);
