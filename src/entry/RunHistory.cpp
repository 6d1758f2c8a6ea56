#include "entry/RunHistory.h"

namespace entry {

void RunHistory::AppendLine(std::string_view code)
{
    text_.append(code);
    text_.append("\r\n");
}

} // namespace entry
