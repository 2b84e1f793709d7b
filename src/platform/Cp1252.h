// SPDX-License-Identifier: MIT
// Windows-1252 text of the data files to and from Qt strings, at the widget boundary.
#pragma once

#include <QString>
#include <string>
#include <string_view>

namespace platform {

QString FromCp1252(std::string_view bytes);
// Characters outside the code page become '?'.
std::string ToCp1252(const QString& text);
// True when every character of the text is in the code page, so ToCp1252 keeps it whole.
bool FitsCp1252(const QString& text);

}  // namespace platform
