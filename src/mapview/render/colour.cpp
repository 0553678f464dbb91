// Colour conversion lives in its header; this unit keeps the drawing library non-empty
// until the hex drawing joins it.
#include "mapview/render/colour.h"
