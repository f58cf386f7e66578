#pragma once

#include <QString>
#include <QStringList>

#include <algorithm>

namespace brannock {

/// Puts names in the order the lists show them: without regard to letter case, names that
/// differ only in case kept in the order given.
inline void sortNamesForLists(QStringList &names)
{
    std::stable_sort(names.begin(), names.end(), [](const QString &a, const QString &b) {
        return QString::compare(a, b, Qt::CaseInsensitive) < 0;
    });
}

} // namespace brannock
