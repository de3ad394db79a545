#include "win/atomic_file.h"

#include <limits>

namespace tessera::win {
namespace {

std::wstring FolderOf(const std::wstring& path) {
    const auto slash = path.find_last_of(L"\\/:");
    if (slash == std::wstring::npos) return L".";
    if (path[slash] == L':') return path.substr(0, slash + 1);
    return path.substr(0, slash == 0 ? 1 : slash);
}

}  // namespace

AtomicFileWriter::AtomicFileWriter(std::wstring target) : target_(std::move(target)) {}

AtomicFileWriter::~AtomicFileWriter() { Discard(); }

bool AtomicFileWriter::Open() {
    wchar_t name[MAX_PATH + 1] = {};
    // GetTempFileNameW creates the file, so the name cannot be taken in between.
    if (!GetTempFileNameW(FolderOf(target_).c_str(), L"tes", 0, name)) return false;
    temporary_ = name;
    file_.reset(CreateFileW(name, GENERIC_WRITE, 0, nullptr, TRUNCATE_EXISTING,
                            FILE_ATTRIBUTE_NORMAL, nullptr));
    if (!file_) {
        DeleteFileW(name);
        temporary_.clear();
        return false;
    }
    return true;
}

bool AtomicFileWriter::Write(const void* data, std::size_t size) {
    if (failed_ || !file_) return false;
    const auto* bytes = static_cast<const unsigned char*>(data);
    while (size > 0) {
        const DWORD chunk = size > std::numeric_limits<DWORD>::max() / 2
                                ? std::numeric_limits<DWORD>::max() / 2
                                : static_cast<DWORD>(size);
        DWORD written = 0;
        if (!WriteFile(file_.get(), bytes, chunk, &written, nullptr) || written != chunk) {
            failed_ = true;
            return false;
        }
        bytes += written;
        size -= written;
    }
    return true;
}

bool AtomicFileWriter::Commit() {
    if (failed_ || !file_) return false;
    // Overwriting in place would fail on a read-only file; so does replacing it (Wine's
    // MoveFileExW would replace it).
    const DWORD attributes = GetFileAttributesW(target_.c_str());
    if (attributes != INVALID_FILE_ATTRIBUTES && (attributes & FILE_ATTRIBUTE_READONLY)) {
        failed_ = true;
        return false;
    }
    const bool flushed = FlushFileBuffers(file_.get()) != 0;
    file_.reset();
    if (!flushed ||
        !MoveFileExW(temporary_.c_str(), target_.c_str(),
                     MOVEFILE_REPLACE_EXISTING | MOVEFILE_WRITE_THROUGH)) {
        failed_ = true;
        return false;
    }
    temporary_.clear();
    return true;
}

void AtomicFileWriter::Discard() {
    file_.reset();
    if (!temporary_.empty()) {
        DeleteFileW(temporary_.c_str());
        temporary_.clear();
    }
}

bool WriteFileAtomically(const std::wstring& target, const void* data, std::size_t size) {
    AtomicFileWriter writer(target);
    return writer.Open() && writer.Write(data, size) && writer.Commit();
}

}  // namespace tessera::win
