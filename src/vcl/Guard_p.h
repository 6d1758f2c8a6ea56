#pragma once

#include <functional>

// Every event reaches user code through here: an exception that escapes the handler
// becomes the error report and goes no further. Returns false when one did.
bool RunGuarded(const std::function<void()>& handler);
