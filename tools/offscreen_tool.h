#pragma once
// The frame of a picture generator: `TOOL DIR`, run on Qt's offscreen platform, a failure said
// in one line on standard error.

#include <functional>
#include <string>

namespace kvir::art {

/// Runs `draw(DIR)` under a QGuiApplication on the offscreen platform. Returns 2 with a usage
/// line unless the arguments are exactly one folder, 1 when `draw` throws (its message on standard
/// error), else 0.
int RunOffscreenTool(int argc, char** argv, const std::function<void(const std::string&)>& draw);

}  // namespace kvir::art
