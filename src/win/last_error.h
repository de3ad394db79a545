#pragma once
// Failures of the platform that the caller cannot handle (out of resources) become
// exceptions carrying GetLastError; the UI dispatch shows them in a message box.
namespace tessera::win {

[[noreturn]] void ThrowLastError(const char* operation);

}  // namespace tessera::win
