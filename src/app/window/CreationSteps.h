#pragma once
// Runs the window's creation steps in order. A step that fails reports its
// error and the steps after it are skipped; the window opens all the same.

#include <functional>
#include <string>
#include <vector>

namespace tessaly {

// Returns how many steps ran to their end. A user's Cancel (EAbort) stops
// the steps without a report.
size_t RunCreationSteps(const std::vector<std::function<void()>>& steps,
                        const std::function<void(const std::string& error)>& report);

}  // namespace tessaly
