#pragma once

#include <string>

namespace brimlet {

// The one Windows-1252 case table of the program. Besides A-Z it maps the
// accented letters of the code page (À..Þ <-> à..þ without × and ÷, Š Œ Ž Ÿ
// <-> š œ ž ÿ). ß, µ and every other byte have no other case and stay.
[[nodiscard]] unsigned char toLower(unsigned char byte);
[[nodiscard]] unsigned char toUpper(unsigned char byte);

void lowerInPlace(std::string& text);
void upperInPlace(std::string& text);

}  // namespace brimlet
