#include "platform/DosPaths.h"

#include <QDir>

namespace brannock {

namespace {

/// On Windows the tools see the paths of this machine unchanged.
class WindowsDosPaths final : public DosPaths {
public:
    QString toDos(const QString &nativePath) const override { return QDir::toNativeSeparators(nativePath); }
    QString toNative(const QString &dosPath) const override { return dosPath; }
};

} // namespace

std::unique_ptr<DosPaths> makeNativeDosPaths()
{
    return std::make_unique<WindowsDosPaths>();
}

} // namespace brannock
