#include "base/AppError.h"
#include "items/TsfFile.h"

#include <QDir>
#include <QFile>
#include <QProcess>
#include <QTemporaryDir>
#include <QTest>

#include <chrono>
#include <ctime>
#include <future>

#ifdef Q_OS_UNIX
#include <fcntl.h>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>
#include <utime.h>
#endif

using namespace brannock;

namespace {

/// "#n" stands for "fails with error n"; anything else is the expected field.
using Reader = QString (*)(const QString &);

QString outcome(Reader reader, const QString &path)
{
    try {
        return reader(path);
    } catch (const AppError &error) {
        return QStringLiteral("#%1").arg(error.number());
    }
}

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

void writeBytes(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

} // namespace

class TestTsfFile final : public QObject {
    Q_OBJECT

private slots:
    void readers_data();
    void readers();
    void missingFileAndFolder();
    void failedReadsReleaseTheFile();
    void onlyRegularFilesAreRead_data();
    void onlyRegularFilesAreRead();
    void writeRemovesLeftoverCopiesOfKilledWrites();
    void writeThenRead_data();
    void writeThenRead();
    void writeReplacesWholeFile();
    void writeRefusesCharactersTheCodePageCannotHold();
    void writeIntoAFileInsteadOfAFolderFails();
    void failedWriteKeepsTheOldFile();
    void hugeFileIsReadOnlyToItsFirstLine();
    void fuzzInputsReadConsistently();
};

void TestTsfFile::readers_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("skinFile");

    QTest::newRow("three fields") << QByteArray("abc*def*ghi\r\n") << "abc" << "def" << "ghi";
    QTest::newRow("second line ignored")
        << QByteArray("abc*def*ghi\r\nx*y*z\r\nanything") << "abc" << "def" << "ghi";
    QTest::newRow("no line end") << QByteArray("abc*def*ghi") << "abc" << "def" << "ghi";
    QTest::newRow("skin file keeps later stars") << QByteArray("a*b*c*d\r\n") << "a" << "b" << "c*d";
    QTest::newRow("no star") << QByteArray("abcdef\r\n") << "#5" << "#5" << "abcdef";
    QTest::newRow("one star") << QByteArray("abc*def\r\n") << "abc" << "#5" << "abc*def";
    QTest::newRow("empty file") << QByteArray() << "#62" << "#62" << "#62";
    QTest::newRow("empty first line") << QByteArray("\r\nabc*def*ghi") << "#5" << "#5" << "";
    QTest::newRow("line feed alone does not end the line")
        << QByteArray("ab*c\nd*e\nf\r\n") << "ab" << "c\nd" << "e\nf";
    QTest::newRow("carriage return alone ends the line") << QByteArray("a*b*c\rd") << "a" << "b" << "c";
    QTest::newRow("spaces kept") << QByteArray(" a * b * c \r\n") << " a " << " b " << " c ";
    QTest::newRow("empty fields") << QByteArray("**\r\n") << "" << "" << "";
    QTest::newRow("ANSI letters") << QByteArray("caf\xe9*p*\xfc.bmp\r\n") << QString::fromUtf8("café")
                                  << "p" << QString::fromUtf8("ü.bmp");
    QTest::newRow("NUL inside the line") << QByteArray("a\0b*p*f", 7) << QString::fromLatin1("a\0b", 3)
                                         << "p" << "f";

    // Each field holds at most 255 characters, so a line at most 767.
    const QByteArray f255(255, 'f');
    QTest::newRow("three fields of 255") << QByteArray(255, 'd') + "*" + QByteArray(255, 'p') + "*" + f255 + "\r\n"
                                         << QString(255, QLatin1Char('d')) << QString(255, QLatin1Char('p'))
                                         << QString(f255);
    QTest::newRow("description of 256") << QByteArray(256, 'd') + "*p*f" << "#5" << "p" << "f";
    QTest::newRow("palette of 256") << "d*" + QByteArray(256, 'p') + "*f" << "d" << "#5" << "f";
    QTest::newRow("skin file name of 256") << "d*p*" + QByteArray(256, 'f') << "d" << "p" << "#5";
    QTest::newRow("line of 768") << QByteArray(255, 'd') + "*" + QByteArray(255, 'p') + "*" + f255 + "f\r\n"
                                 << "#5" << "#5" << "#5";
}

void TestTsfFile::readers()
{
    QFETCH(QByteArray, content);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("item.tsf"));
    writeBytes(path, content);

    QTEST(outcome(&ReadTSFDesc, path), "description");
    QTEST(outcome(&ReadTSFPal, path), "palette");
    QTEST(outcome(&ReadTSFFile, path), "skinFile");
}

void TestTsfFile::missingFileAndFolder()
{
    QTemporaryDir dir;
    const QString missing = dir.filePath(QStringLiteral("gone.tsf"));
    for (Reader reader : {&ReadTSFDesc, &ReadTSFPal, &ReadTSFFile})
        QCOMPARE(outcome(reader, missing), QStringLiteral("#53"));

    try {
        ReadTSFDesc(missing);
        QFAIL("a missing file was read");
    } catch (const AppError &error) {
        QVERIFY2(error.description().contains(QStringLiteral("gone.tsf")), qPrintable(error.report()));
    }

    QVERIFY(QDir(dir.path()).mkdir(QStringLiteral("folder.tsf")));
    QCOMPARE(outcome(&ReadTSFPal, dir.filePath(QStringLiteral("folder.tsf"))), QStringLiteral("#75"));
}

void TestTsfFile::onlyRegularFilesAreRead_data()
{
    QTest::addColumn<QString>("kind");
    QTest::addColumn<QString>("outcome");
    QTest::newRow("named pipe") << "fifo" << "#75";
    QTest::newRow("link to a named pipe") << "link to fifo" << "#75";
    QTest::newRow("device") << "device" << "#75";
    QTest::newRow("link to a file") << "link to file" << "pal2";
}

void TestTsfFile::onlyRegularFilesAreRead()
{
#ifdef Q_OS_UNIX
    // A pipe put in a definition's place after the menu was built must not hold up the build.
    QFETCH(QString, kind);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("a.tsf"));
    const QString fifo = dir.filePath(QStringLiteral("pipe"));
    QCOMPARE(::mkfifo(QFile::encodeName(fifo).constData(), 0600), 0);
    writeBytes(dir.filePath(QStringLiteral("real.tsf")), "Desc*pal2*x.bmp\r\n");
    if (kind == QLatin1String("fifo"))
        QVERIFY(QFile::rename(fifo, path));
    else if (kind == QLatin1String("link to fifo"))
        QVERIFY(QFile::link(fifo, path));
    else if (kind == QLatin1String("device"))
        QVERIFY(QFile::link(QStringLiteral("/dev/zero"), path));
    else
        QVERIFY(QFile::link(dir.filePath(QStringLiteral("real.tsf")), path));
    auto read = std::async(std::launch::async, [path] { return outcome(&ReadTSFPal, path); });
    if (read.wait_for(std::chrono::seconds(10)) != std::future_status::ready) {
        // Let the blocked reader go before failing.
        const int writer = ::open(QFile::encodeName(path).constData(), O_WRONLY | O_NONBLOCK);
        if (writer >= 0)
            ::close(writer);
        read.wait();
        QFAIL("reading a definition waited on something that is no file");
    }
    QTEST(read.get(), "outcome");
#else
    QSKIP("named pipes are POSIX");
#endif
}

void TestTsfFile::writeRemovesLeftoverCopiesOfKilledWrites()
{
#ifdef Q_OS_UNIX
    QTemporaryDir dir;
    const auto make = [&](const QString &name, int ageSeconds) {
        const QString path = dir.filePath(name);
        writeBytes(path, "half");
        const auto then = std::time(nullptr) - ageSeconds;
        const utimbuf times{then, then};
        QCOMPARE(utime(QFile::encodeName(path).constData(), &times), 0);
    };
    make(QStringLiteral("a.tsf.Xq81Lm"), 300);      // left by a killed write
    make(QStringLiteral("a.tsf.Zz00Yy"), 1);        // a live writer's
    make(QStringLiteral("b.tsf.Xq81Lm"), 300);      // another file's
    WriteTSF(dir.path(), QStringLiteral("a.tsf"), QStringLiteral("D"), QStringLiteral("pal1"), QStringLiteral("f"));
    QDir folder(dir.path());
    QCOMPARE(folder.entryList(QDir::Files, QDir::Name),
             QStringList({"a.tsf", "a.tsf.Zz00Yy", "b.tsf.Xq81Lm"}));
#else
    QSKIP("sets file times with utime()");
#endif
}

void TestTsfFile::failedReadsReleaseTheFile()
{
#ifdef Q_OS_UNIX
    // With few descriptors, a reader that kept files open would run out long before the end.
    rlimit old{};
    QCOMPARE(getrlimit(RLIMIT_NOFILE, &old), 0);
    rlimit tight = old;
    tight.rlim_cur = 64;
    QCOMPARE(setrlimit(RLIMIT_NOFILE, &tight), 0);

    QTemporaryDir dir;
    const QString bad = dir.filePath(QStringLiteral("bad.tsf"));
    const QString good = dir.filePath(QStringLiteral("good.tsf"));
    writeBytes(bad, "no separator here\r\n");
    writeBytes(good, "d*p*f\r\n");
    for (int i = 0; i < 200; ++i) {
        QCOMPARE(outcome(&ReadTSFDesc, bad), QStringLiteral("#5"));
        QCOMPARE(outcome(&ReadTSFPal, bad), QStringLiteral("#5"));
    }
    const QString after = outcome(&ReadTSFFile, good);
    setrlimit(RLIMIT_NOFILE, &old);
    QCOMPARE(after, QStringLiteral("f"));
#else
    QSKIP("descriptor limits are a POSIX matter");
#endif
}

void TestTsfFile::writeThenRead_data()
{
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("skinFile");
    QTest::addColumn<QByteArray>("bytes");

    QTest::newRow("plain") << "My skin" << "lush.ppl" << "larmor2.bmp" << QByteArray("My skin*lush.ppl*larmor2.bmp\r\n");
    QTest::newRow("spaces kept") << " d " << " p" << "f " << QByteArray(" d * p*f \r\n");
    QTest::newRow("ANSI bytes") << QString::fromUtf8("Über €") << "p" << "f" << QByteArray("\xdc" "ber \x80*p*f\r\n");
}

void TestTsfFile::writeThenRead()
{
    QFETCH(QString, description);
    QFETCH(QString, palette);
    QFETCH(QString, skinFile);
    QTemporaryDir dir;
    WriteTSF(dir.path(), QStringLiteral("new.tsf"), description, palette, skinFile);

    const QString path = dir.filePath(QStringLiteral("new.tsf"));
    QTEST(readAll(path), "bytes");
    QCOMPARE(ReadTSFDesc(path), description);
    QCOMPARE(ReadTSFPal(path), palette);
    QCOMPARE(ReadTSFFile(path), skinFile);
}

void TestTsfFile::writeReplacesWholeFile()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.tsf"));
    writeBytes(path, "a much longer old description*old palette*old file\r\nsecond line\r\n");
    WriteTSF(dir.path(), QStringLiteral("x.tsf"), QStringLiteral("d"), QStringLiteral("p"), QStringLiteral("f"));
    QCOMPARE(readAll(path), QByteArray("d*p*f\r\n"));
    QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::Hidden), QStringList{QStringLiteral("x.tsf")});
}

void TestTsfFile::writeRefusesCharactersTheCodePageCannotHold()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("x.tsf"));
    writeBytes(path, "old*pal*file\r\n");
    try {
        WriteTSF(dir.path(), QStringLiteral("x.tsf"), QStringLiteral("d"), QStringLiteral("p"),
                 QString::fromUtf8("Ωmega.bmp"));
        QFAIL("a character outside the code page was written");
    } catch (const AppError &error) {
        QCOMPARE(error.number(), ErrorNumber::BadArgument);
        QVERIFY2(error.description().contains(QString::fromUtf8("Ω")), qPrintable(error.report()));
    }
    QCOMPARE(readAll(path), QByteArray("old*pal*file\r\n"));

    QVERIFY_THROWS_EXCEPTION(AppError, WriteTSF(dir.path(), QStringLiteral("y.tsf"),
                                                QString::fromUtf8("日本"), QStringLiteral("p"),
                                                QStringLiteral("f")));
    QVERIFY(!QFile::exists(dir.filePath(QStringLiteral("y.tsf"))));

    // A name holding "%1" is shown as typed, and the code page still gets its place.
    try {
        WriteTSF(dir.path(), QStringLiteral("a%1b.tsf"), QString::fromUtf8("Ω%2"), QStringLiteral("p"),
                 QStringLiteral("f"));
        QFAIL("a character outside the code page was written");
    } catch (const AppError &error) {
        QCOMPARE(error.description(),
                 QStringLiteral("Cannot write \"") + QDir::toNativeSeparators(dir.filePath(QStringLiteral("a%1b.tsf")))
                     + QString::fromUtf8("\": the character \"Ω\" cannot be stored in code page 1252."));
    }
}

void TestTsfFile::writeIntoAFileInsteadOfAFolderFails()
{
    QTemporaryDir dir;
    const QString notAFolder = dir.filePath(QStringLiteral("plain-file"));
    writeBytes(notAFolder, "x");
    try {
        WriteTSF(notAFolder, QStringLiteral("x.tsf"), QStringLiteral("d"), QStringLiteral("p"),
                 QStringLiteral("f"));
        QFAIL("a write below a regular file succeeded");
    } catch (const AppError &error) {
        QCOMPARE(error.number(), ErrorNumber::PathNotFound);
    }
    QCOMPARE(readAll(notAFolder), QByteArray("x"));
}

void TestTsfFile::failedWriteKeepsTheOldFile()
{
#ifdef Q_OS_UNIX
    // A full disk, even for root: the child may not grow any file past 0 blocks.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("keep.tsf"));
    const QByteArray old("old description*old palette*old file\r\n");
    writeBytes(path, old);

    QProcess child;
    child.start(QStringLiteral("/bin/sh"),
                {QStringLiteral("-c"), QStringLiteral("ulimit -f 0; trap '' XFSZ; exec \"$0\" \"$@\""),
                 QStringLiteral(TSF_WRITE_CHILD), dir.path(), QStringLiteral("keep.tsf"),
                 QStringLiteral("new description"), QStringLiteral("new palette"), QStringLiteral("new file")});
    QVERIFY(child.waitForFinished(30000));
    const QString report = QString::fromLocal8Bit(child.readAllStandardError());
    QCOMPARE(child.exitStatus(), QProcess::NormalExit);
    QCOMPARE(child.exitCode(), 3);
    QVERIFY2(report.startsWith(QStringLiteral("Error 61:\r\n")), qPrintable(report));
    QVERIFY2(report.contains(QStringLiteral("keep.tsf")), qPrintable(report));

    QCOMPARE(readAll(path), old);
    QCOMPARE(QDir(dir.path()).entryList(QDir::AllEntries | QDir::Hidden | QDir::NoDotAndDotDot),
             QStringList{QStringLiteral("keep.tsf")});
#else
    QSKIP("needs a POSIX shell for the file-size limit");
#endif
}

void TestTsfFile::hugeFileIsReadOnlyToItsFirstLine()
{
    // 200 MB on disk (sparse, so it takes no room): only the first line is ever read.
    QTemporaryDir dir;
    const QString line = dir.filePath(QStringLiteral("line.tsf"));
    const QString endless = dir.filePath(QStringLiteral("endless.tsf"));
    writeBytes(line, "d*p*f\r\n");
    writeBytes(endless, "d*p*f");
    for (const QString &path : {line, endless})
        QVERIFY(QFile::resize(path, 200 * 1024 * 1024));

    QCOMPARE(ReadTSFFile(line), QStringLiteral("f"));
    try {
        ReadTSFFile(endless);
        QFAIL("a first line of 200 MB was read");
    } catch (const AppError &error) {
        QCOMPARE(error.number(), ErrorNumber::BadArgument);
        QVERIFY2(error.description().contains(QStringLiteral("endless.tsf")), qPrintable(error.report()));
    }
}

void TestTsfFile::fuzzInputsReadConsistently()
{
    // Inputs kept from fuzzing the readers (seeds and any crasher found later): each reads
    // or fails cleanly, and fields that all read put the first line back together.
    const QDir corpus(QStringLiteral(TSF_FUZZ_CORPUS));
    const QStringList names = corpus.entryList(QDir::Files);
    QVERIFY(!names.isEmpty());
    for (const QString &name : names) {
        const QString path = corpus.filePath(name);
        const QString desc = outcome(&ReadTSFDesc, path);
        const QString pal = outcome(&ReadTSFPal, path);
        const QString file = outcome(&ReadTSFFile, path);
        const QByteArray bytes = readAll(path);
        const QString line = bytes.isEmpty() ? QString() : tsf::firstLineOf(bytes, path);
        const auto failed = [](const QString &field) { return field.startsWith(QLatin1Char('#')); };
        if (!failed(desc) && !failed(pal) && !failed(file))
            QCOMPARE(desc + QLatin1Char('*') + pal + QLatin1Char('*') + file, line);
        else if (!failed(file))
            QVERIFY2(line.endsWith(file), qPrintable(name));
    }
}

QTEST_GUILESS_MAIN(TestTsfFile)
#include "tst_tsffile.moc"
