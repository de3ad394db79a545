#pragma once
// Reading and writing whole text files in the twelve TextEncoding codes.
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "core/text_encoding.h"

namespace tessera::win {

// The whole text of a file. encoding: in, the code to read with (teAuto recognises it, and
// a code above 11 counts as teAuto); out, the code found. A missing or empty file gives
// empty text and leaves encoding alone; a file that cannot be read after four attempts
// gives empty text and a beep.
std::wstring ReadTextFile(const std::wstring& path, TextEncoding& encoding);

// Replaces the file only once the whole new content is written; false on any failure,
// leaving the previous file as it was. Shows nothing.
bool WriteTextFile(const std::wstring& path, std::wstring_view text, TextEncoding encoding);

// Signatures, the multi-language service (CurrentCodePageDetector), then the system's
// own test.
TextEncoding DetectEncoding(ByteView sample);

// The conversions of the two functions above, with the system code page given
// explicitly (0: the machine's).
std::wstring DecodeText(ByteView bytes, TextEncoding& encoding, unsigned ansiCodePage = 0);
std::optional<Bytes> EncodeText(std::wstring_view text, TextEncoding encoding, unsigned ansiCodePage = 0);

// What runs while a file is read (between attempts, after each row of a dump): by
// default the thread's pending window messages are processed. Returns the previous one.
std::function<void()> SetTextFilePump(std::function<void()> pump);

// Installs the platform behind the portable text code: the system collation, these
// files for TMyWStrings and TMyIniFile, ShowInfo for the list's messages and the
// settings file beside the program. The program calls it once at start-up.
void InstallTextServices();

}  // namespace tessera::win
