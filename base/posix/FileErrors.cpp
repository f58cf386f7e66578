#include "base/FileErrors.h"

#include <cerrno>

namespace brannock {

void clearFileError()
{
    errno = 0;
}

int lastFileError(const QString &path)
{
    Q_UNUSED(path);
    return errno;
}

} // namespace brannock
