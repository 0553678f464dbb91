// Capturing the main window into a picture file, once it has shown its map.
#pragma once

#include <functional>
#include <string>

namespace korvane {

class TfrmMAP;

/// Once `window` has painted its map for the first time (or after `patienceMs`, should the
/// window system never ask it to paint, e.g. when it starts minimised), renders the whole
/// window into `fileName` (the format follows the extension, PNG for ".png") and calls
/// `done` with whether the file was written. Nothing else is written.
void CaptureAfterFirstPaint(TfrmMAP& window, const std::string& fileName, std::function<void(bool)> done,
                            int patienceMs = 5000);

}  // namespace korvane
