#include "rtl/ErrorReport.h"

#include "rtl/Cp932.h"

AnsiString ErrorReportText(const AnsiString& message)
{
    if (message.empty())
        return message;
    std::size_t last = 0;
    for (std::size_t i = 0; i < message.size(); i += CharLength(message, i))
        last = i;
    if (static_cast<unsigned char>(message[last]) > '.')
        return message + ".";
    return message;
}
