#pragma once
// Writes a file so that a failure never destroys the file that was there: the content
// goes to a temporary file in the target's folder, which replaces the target only after
// every byte was written. An uncommitted writer removes its temporary file.
#include <windows.h>

#include <cstddef>
#include <string>

#include "win/handles.h"

namespace tessera::win {

class AtomicFileWriter {
public:
    explicit AtomicFileWriter(std::wstring target);
    AtomicFileWriter(const AtomicFileWriter&) = delete;
    AtomicFileWriter& operator=(const AtomicFileWriter&) = delete;
    ~AtomicFileWriter();

    bool Open();                                    // creates the temporary file
    bool Write(const void* data, std::size_t size);  // false once any write failed
    bool Commit();                                  // flushes and moves over the target

private:
    void Discard();

    std::wstring target_;
    std::wstring temporary_;
    UniqueFile file_;
    bool failed_ = false;
};

// The whole content at once, through AtomicFileWriter.
bool WriteFileAtomically(const std::wstring& target, const void* data, std::size_t size);

}  // namespace tessera::win
