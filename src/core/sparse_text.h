// SparseText: a text that is almost always empty. Records kept by the hundred thousand carry
// such texts; empty, one costs a pointer instead of a whole string.
#pragma once

#include "core/compact_text.h"

namespace korvane {

using SparseText = CompactText;

}  // namespace korvane
