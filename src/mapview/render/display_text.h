// The one conversion between the program's byte strings and the text Qt shows and takes.
#pragma once

#include <QString>

#include <string>

namespace korvane {

/// Bytes as shown on screen: read as UTF-8 when they are valid UTF-8, else as Latin-1.
/// Reports and old data files are 8-bit text of unknown code page, so anything that is not
/// clean UTF-8 is taken byte for byte rather than shown with replacement marks.
QString ToDisplayText(const std::string& bytes);

/// Text the user typed, as the bytes the program stores: always UTF-8.
std::string FromUserText(const QString& text);

}  // namespace korvane
