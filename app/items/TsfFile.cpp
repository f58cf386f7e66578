#include "TsfFile.h"

#include "AppError.h"
#include "CodePage.h"
#include "FileErrors.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QSaveFile>

#include <cerrno>

namespace brannock {

namespace {

/// The readers of the palette and skin file keep separator positions in 16 bits.
constexpr qsizetype kMaxSeparatorPosition = 32767;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

AppError malformed(const QString &path, const QString &what)
{
    return AppError(ErrorNumber::BadArgument,
                    QStringLiteral("The first line of \"%1\" %2.").arg(shown(path), what));
}

/// 1-based positions of the first "*" and of the next one after it; 0 when absent.
struct Separators {
    qsizetype p1 = 0;
    qsizetype p2 = 0;
};

Separators separatorsOf(const QString &line)
{
    Separators s;
    s.p1 = line.indexOf(QLatin1Char('*')) + 1;
    if (s.p1 > 0)
        s.p2 = line.indexOf(QLatin1Char('*'), s.p1) + 1;
    return s;
}

void requireShortPositions(const Separators &s, const QString &path)
{
    if (s.p1 > kMaxSeparatorPosition || s.p2 > kMaxSeparatorPosition)
        throw malformed(path, QStringLiteral("has a \"*\" past character %1").arg(kMaxSeparatorPosition));
}

} // namespace

namespace tsf {

QString firstLineOf(const QByteArray &bytes, const QString &path)
{
    if (bytes.isEmpty())
        throw AppError(ErrorNumber::InputPastEnd,
                       QStringLiteral("Cannot read \"%1\": the file is empty.").arg(shown(path)));
    const qsizetype cr = bytes.indexOf('\r');
    return CodePage::ansi().decode(cr < 0 ? QByteArrayView(bytes) : QByteArrayView(bytes).first(cr));
}

QString readFirstLine(const QString &path)
{
    // QFile closes on every way out of this scope, so a failed read never holds the file.
    QFile file(path);
    clearFileError();
    if (!file.open(QIODevice::ReadOnly)) {
        // A folder opens at the system level and is refused by Qt without an errno: it is
        // then reported as a path or file access error.
        const int error = lastFileError(path);
        throw fileError(QStringLiteral("open"), path,
                        error != 0 ? error : (QFileInfo::exists(path) ? EIO : ENOENT));
    }
    QByteArray bytes;
    constexpr qint64 kChunk = 4096;
    for (;;) {
        const QByteArray chunk = file.read(kChunk);
        if (chunk.isEmpty()) {
            if (file.error() != QFileDevice::NoError)
                throw lastFileFailure(QStringLiteral("read"), path, EIO);
            break;
        }
        const qsizetype from = bytes.size();
        bytes.append(chunk);
        if (bytes.indexOf('\r', from) >= 0)
            break;
    }
    return firstLineOf(bytes, path);
}

QString descriptionOf(const QString &line, const QString &path)
{
    const Separators s = separatorsOf(line);
    if (s.p1 == 0)
        throw malformed(path, QStringLiteral("has no \"*\" after the description"));
    return line.left(s.p1 - 1);
}

QString paletteOf(const QString &line, const QString &path)
{
    const Separators s = separatorsOf(line);
    requireShortPositions(s, path);
    if (s.p1 == 0)
        throw malformed(path, QStringLiteral("has no \"*\" before the palette"));
    if (s.p2 == 0)
        throw malformed(path, QStringLiteral("has no second \"*\" after the palette"));
    return line.mid(s.p1, s.p2 - s.p1 - 1);
}

QString skinFileOf(const QString &line, const QString &path)
{
    const Separators s = separatorsOf(line);
    requireShortPositions(s, path);
    return line.right(line.size() - s.p2);
}

} // namespace tsf

QString ReadTSFDesc(const QString &path)
{
    return tsf::descriptionOf(tsf::readFirstLine(path), path);
}

QString ReadTSFPal(const QString &path)
{
    return tsf::paletteOf(tsf::readFirstLine(path), path);
}

QString ReadTSFFile(const QString &path)
{
    return tsf::skinFileOf(tsf::readFirstLine(path), path);
}

void WriteTSF(const QString &programFolder, const QString &fileName, const QString &description,
              const QString &palette, const QString &skinFileName)
{
    const QString path = QDir(programFolder).filePath(fileName);
    const QString line = description + QLatin1Char('*') + palette + QLatin1Char('*') + skinFileName;
    const CodePage page = CodePage::ansi();
    const CodePage::Encoded encoded = page.encode(line);
    if (!encoded.ok())
        throw AppError(ErrorNumber::BadArgument,
                       QStringLiteral("Cannot write \"%1\": the character \"%2\" cannot be stored in "
                                      "code page %3.")
                           .arg(shown(path), QString(line.at(encoded.badIndex)))
                           .arg(page.number()));

    // The new content goes to a temporary file beside the old one and replaces it only once
    // it is complete, so a failed write never loses the old definition. Unbuffered: a write
    // that fails in a buffer flush at commit() would not stop the commit in every Qt version.
    QSaveFile file(path);
    clearFileError();
    if (!file.open(QIODevice::WriteOnly | QIODevice::Unbuffered))
        throw lastFileFailure(QStringLiteral("create"), path, EIO);
    const QByteArray bytes = encoded.bytes + QByteArrayLiteral("\r\n");
    clearFileError();
    if (file.write(bytes) != bytes.size() || !file.flush()) {
        const AppError failure = lastFileFailure(QStringLiteral("write"), path, EIO);
        file.cancelWriting();
        throw failure;
    }
    clearFileError();
    if (!file.commit())
        throw lastFileFailure(QStringLiteral("write"), path, EIO);
}

} // namespace brannock
