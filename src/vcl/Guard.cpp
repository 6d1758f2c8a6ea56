#include "vcl/Guard_p.h"

#include "rtl/Cp932.h"
#include "rtl/Exceptions.h"
#include "vcl/Forms.h"


bool RunGuarded(const std::function<void()>& handler)
{
    try {
        handler();
        return true;
    } catch (const Exception& error) {
        Application->ShowException(error);
    } catch (const std::exception& error) {
        Application->ShowException(Exception(Utf8ToAnsi(error.what())));
    } catch (...) {
        Application->ShowException(Exception("Unknown exception"));
    }
    return false;
}
