// The program's name and the format version written into every data file.
#pragma once

namespace korvane {

inline constexpr const char* kProgramName = "Korvane";
/// Program version; also the format version of every record file ("VERSION,2.31").
inline constexpr const char* kProgramVersion = "2.31";
inline constexpr double kFormatVersion = 2.31;

}  // namespace korvane
