#pragma once

#include "platform/DosPaths.h"

#include <QDir>
#include <QList>
#include <QString>

namespace brannock::test {

/// A DosPaths with a fixed table of folders: each native folder stands for one DOS folder
/// (longest match wins both ways). A path outside the table maps to an empty text.
class FakeDosPaths final : public DosPaths {
public:
    struct Mapping {
        QString native; ///< "/tmp/x/prog" or "C:/x/prog", no trailing slash
        QString dos;    ///< "C:\Skinner" or "D:\" for a drive root
    };
    QList<Mapping> mappings;

    QString toDos(const QString &native) const override
    {
        const QString nativePath = QDir::fromNativeSeparators(native);
        const Mapping *best = nullptr;
        for (const Mapping &m : mappings)
            if ((nativePath == m.native || nativePath.startsWith(m.native + QLatin1Char('/')))
                && (!best || m.native.size() > best->native.size()))
                best = &m;
        if (!best)
            return {};
        QString rest = nativePath.mid(best->native.size());
        rest.replace(QLatin1Char('/'), QLatin1Char('\\'));
        if (best->dos.endsWith(QLatin1Char('\\')) && rest.startsWith(QLatin1Char('\\')))
            rest.remove(0, 1);
        return best->dos + rest;
    }

    QString toNative(const QString &dosPath) const override
    {
        if (dosPath.startsWith(QLatin1Char('/')))
            return dosPath;
        const Mapping *best = nullptr;
        for (const Mapping &m : mappings) {
            const QString root = m.dos.endsWith(QLatin1Char('\\')) ? m.dos.chopped(1) : m.dos;
            if ((dosPath.compare(root, Qt::CaseInsensitive) == 0
                 || dosPath.startsWith(root + QLatin1Char('\\'), Qt::CaseInsensitive))
                && (!best || m.dos.size() > best->dos.size()))
                best = &m;
        }
        if (!best)
            return QString(dosPath).replace(QLatin1Char('\\'), QLatin1Char('/'));
        const QString root = best->dos.endsWith(QLatin1Char('\\')) ? best->dos.chopped(1) : best->dos;
        QString rest = dosPath.mid(root.size());
        rest.replace(QLatin1Char('\\'), QLatin1Char('/'));
        return best->native + rest;
    }
};

} // namespace brannock::test
