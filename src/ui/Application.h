#pragma once

#include <string>
#include <vector>

namespace ui {

// Runs the window with the drawings of the command line; returns the exit status.
int RunApplication(int argc, char** argv, const std::vector<std::string>& drawings);

}  // namespace ui
