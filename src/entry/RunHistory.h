#pragma once

#include "rtl/AnsiString.h"

#include <string_view>

namespace entry {

// Every code computed in this run, one line each, oldest first. It only grows.
class RunHistory {
public:
    void AppendLine(std::string_view code);
    const AnsiString& Text() const noexcept { return text_; }

private:
    AnsiString text_;
};

} // namespace entry
