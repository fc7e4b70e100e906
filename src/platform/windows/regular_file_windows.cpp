#include "platform/regular_file.h"

#include <fcntl.h>
#include <io.h>
#include <windows.h>

// Opening never waits: a named pipe is connected to or refused at once, and a console or
// another device is opened without being read. A folder is opened too (backup semantics),
// to be found and refused, as elsewhere.
RegularFile openRegularFile(const char* path) {
    HANDLE handle =
        CreateFileA(path, GENERIC_READ, FILE_SHARE_READ | FILE_SHARE_WRITE | FILE_SHARE_DELETE,
                    nullptr, OPEN_EXISTING, FILE_FLAG_BACKUP_SEMANTICS, nullptr);
    if (handle == INVALID_HANDLE_VALUE) return {nullptr, false};
    BY_HANDLE_FILE_INFORMATION info{};
    const bool regular = GetFileType(handle) == FILE_TYPE_DISK &&
                         GetFileInformationByHandle(handle, &info) != 0 &&
                         (info.dwFileAttributes & FILE_ATTRIBUTE_DIRECTORY) == 0;
    if (!regular) {
        CloseHandle(handle);
        return {nullptr, true};
    }
    // The C library takes the handle over: closing the stream closes it.
    const int fd = _open_osfhandle(reinterpret_cast<intptr_t>(handle), _O_RDONLY | _O_BINARY);
    if (fd < 0) {
        CloseHandle(handle);
        return {nullptr, true};
    }
    std::FILE* file = _fdopen(fd, "rb");
    if (file == nullptr) _close(fd);
    return {file, true};
}
