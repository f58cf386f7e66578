#include "platform/WinePrefix.h"

#include <QDir>
#include <QFile>

#ifdef Q_OS_WIN
#include <windows.h>
#endif

namespace brannock {

QString winePrefixFolder()
{
    const QString fromEnv = qEnvironmentVariable("WINEPREFIX");
    if (!fromEnv.isEmpty())
        return QDir::cleanPath(fromEnv);
    return QDir::homePath() + QStringLiteral("/.wine");
}

CodePage wineOemCodePage(const QString &prefixFolder)
{
    const CodePage fallback = *CodePage::byNumber(437);
    QFile reg(prefixFolder + QStringLiteral("/system.reg"));
    if (!reg.open(QIODevice::ReadOnly))
        return fallback;
    // The value sits under [System\\CurrentControlSet\\Control\\Nls\\CodePage]; keys are
    // written with doubled backslashes and compared without regard to letter case.
    const QByteArray text = reg.readAll();
    const QByteArray lower = text.toLower();
    const qsizetype key = lower.indexOf("\\\\control\\\\nls\\\\codepage]");
    if (key < 0)
        return fallback;
    const qsizetype nextKey = lower.indexOf("\n[", key);
    const qsizetype value = lower.indexOf("\n\"oemcp\"=\"", key);
    if (value < 0 || (nextKey >= 0 && value > nextKey))
        return fallback;
    const qsizetype start = value + qsizetype(sizeof("\n\"oemcp\"=\"") - 1);
    const qsizetype end = text.indexOf('"', start);
    if (end < 0)
        return fallback;
    bool ok = false;
    const int number = text.mid(start, end - start).toInt(&ok);
    if (!ok)
        return fallback;
    return CodePage::byNumber(number).value_or(fallback);
}

CodePage oemCodePage()
{
#ifdef Q_OS_WIN
    if (auto page = CodePage::byNumber(int(GetOEMCP())))
        return *page;
    return *CodePage::byNumber(437);
#else
    return wineOemCodePage(winePrefixFolder());
#endif
}

} // namespace brannock
