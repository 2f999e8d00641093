#pragma once

#include <cstddef>
#include <string>

namespace brimlet {

// The one Windows-1252 case table of the program. Besides A-Z it maps the
// accented letters of the code page (À..Þ <-> à..þ without × and ÷, Š Œ Ž Ÿ
// <-> š œ ž ÿ). ß, µ and every other byte have no other case and stay.
[[nodiscard]] unsigned char toLower(unsigned char byte);
[[nodiscard]] unsigned char toUpper(unsigned char byte);

// The tables' mappings of `size` bytes from `from` to `to`, which may be the
// same place. Worked out by ranges rather than looked up, so the compiler
// turns them into vector code.
void lowerBytes(const char* from, size_t size, char* to);
void upperBytes(const char* from, size_t size, char* to);

void lowerInPlace(std::string& text);
void upperInPlace(std::string& text);

}  // namespace brimlet
