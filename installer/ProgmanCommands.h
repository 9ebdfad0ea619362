// The Program Manager command series that make and remove the product's
// Start menu group. Each command must fit the 128-byte DDE command buffer.
#pragma once

#include <cstddef>
#include <string>
#include <vector>

constexpr std::size_t kCommandBufferSize = 128;

// The series that makes the "Zembrafind" group with the program and the
// uninstaller, and adds the program to "Startup" when asked: 5 or 8 commands.
// `folder` is used as given (the caller strips its trailing backslash).
std::vector<std::string> groupCommands(const std::string& folder, bool addToStartup);

// The series that removes the "Zembrafind" group and the program's item in
// "Startup" (the item is deleted from the group shown last).
std::vector<std::string> removalCommands();

// True when every command fits the buffer with its terminating zero.
bool fitsCommandBuffer(const std::vector<std::string>& commands);
