#include "items/TsfFile.h"

#include "base/AppError.h"
#include "common/WholeFile.h"
#include "platform/CodePage.h"
#include "platform/FileListing.h"

#include <QCoreApplication>
#include <QDir>

namespace brannock {

namespace {

/// The definition files' texts in the player's language.
struct Texts {
    Q_DECLARE_TR_FUNCTIONS(brannock::tsf)
};

using tsf::kMaxFieldLength;
using tsf::kMaxLineBytes;

QString shown(const QString &path)
{
    return QDir::toNativeSeparators(path);
}

AppError malformed(const QString &path, const QString &what)
{
    return AppError(ErrorNumber::BadArgument,
                    Texts::tr("The first line of \"%1\" %2.").arg(shown(path), what));
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

QString checkedField(const QString &field, const QString &name, const QString &path)
{
    if (field.size() > kMaxFieldLength)
        //: %1 is a field: "description", "palette" or "skin file name".
        throw malformed(path, Texts::tr("has a %1 longer than %2 characters").arg(name).arg(kMaxFieldLength));
    return field;
}

} // namespace

namespace tsf {

QString firstLineOf(const QByteArray &bytes, const QString &path)
{
    if (bytes.isEmpty())
        throw AppError(ErrorNumber::InputPastEnd,
                       Texts::tr("Cannot read \"%1\": the file is empty.").arg(shown(path)));
    const qsizetype cr = bytes.indexOf('\r');
    const qsizetype length = cr < 0 ? bytes.size() : cr;
    if (length > kMaxLineBytes)
        throw malformed(path, Texts::tr("is longer than %1 characters").arg(kMaxLineBytes));
    return CodePage::ansi().decode(QByteArrayView(bytes).first(length));
}

QString readFirstLine(const QString &path)
{
    // Only the first line counts, and it is never longer than kMaxLineBytes: however large
    // the file, no more than one byte past that is read, and with one read.
    return firstLineOf(readFileStart(path, kMaxLineBytes + 1), path);
}

QString descriptionOf(const QString &line, const QString &path)
{
    const Separators s = separatorsOf(line);
    if (s.p1 == 0)
        throw malformed(path, Texts::tr("has no \"*\" after the description"));
    return checkedField(line.left(s.p1 - 1), Texts::tr("description"), path);
}

QString paletteOf(const QString &line, const QString &path)
{
    const Separators s = separatorsOf(line);
    if (s.p1 == 0)
        throw malformed(path, Texts::tr("has no \"*\" before the palette"));
    if (s.p2 == 0)
        throw malformed(path, Texts::tr("has no second \"*\" after the palette"));
    return checkedField(line.mid(s.p1, s.p2 - s.p1 - 1), Texts::tr("palette"), path);
}

QString skinFileOf(const QString &line, const QString &path)
{
    const Separators s = separatorsOf(line);
    return checkedField(line.right(line.size() - s.p2), Texts::tr("skin file name"), path);
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
                       Texts::tr("Cannot write \"%1\": the character \"%2\" cannot be stored in "
                                      "code page %3.")
                           .arg(shown(path), QString(line.at(encoded.badIndex)),
                                QString::number(page.number())));

    // A failed write never loses the old definition.
    writeWholeFile(path, encoded.bytes + QByteArrayLiteral("\r\n"));
}

} // namespace brannock
