#include "platform/Console.h"

#include <cstdio>
#include <windows.h>

namespace brannock {

void attachParentConsole()
{
    // Output sent to a file or a pipe stays there: only a program started without any
    // borrows its parent's console.
    if (GetFileType(GetStdHandle(STD_OUTPUT_HANDLE)) != FILE_TYPE_UNKNOWN)
        return;
    if (AttachConsole(ATTACH_PARENT_PROCESS)) {
        std::FILE *ignored = nullptr;
        freopen_s(&ignored, "CONOUT$", "w", stdout);
        freopen_s(&ignored, "CONOUT$", "w", stderr);
    }
}

} // namespace brannock
