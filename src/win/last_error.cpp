#include "win/last_error.h"

#include <windows.h>

#include <system_error>

namespace tessera::win {

void ThrowLastError(const char* operation) {
    throw std::system_error(static_cast<int>(GetLastError()), std::system_category(), operation);
}

}  // namespace tessera::win
