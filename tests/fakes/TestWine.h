#pragma once

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QStandardPaths>
#include <QString>

namespace brannock::test {

/// Wine for the tests that run a real Compile.bat: the prefix that CTest makes once per
/// test run (BRANNOCK_TEST_WINEPREFIX), or else one of the suite's own under `scratch`,
/// which it ends with "wineserver -k". Sets WINEPREFIX and WINEDEBUG for this process and
/// hides DISPLAY from it, so that Wine opens no window on anybody's screen.
class TestWine final {
public:
    explicit TestWine(const QString &scratch)
    {
        if (QStandardPaths::findExecutable(QStringLiteral("wine")).isEmpty())
            return;
        m_prefix = qEnvironmentVariable("BRANNOCK_TEST_WINEPREFIX");
        m_own = m_prefix.isEmpty();
        if (m_own)
            m_prefix = scratch + QStringLiteral("/wineprefix");
        QDir().mkpath(m_prefix);
        m_oldPrefix = qgetenv("WINEPREFIX");
        m_oldDisplay = qgetenv("DISPLAY");
        qputenv("WINEPREFIX", m_prefix.toLocal8Bit());
        qputenv("WINEDEBUG", "-all");
        qunsetenv("DISPLAY");
    }
    ~TestWine()
    {
        if (m_prefix.isEmpty())
            return;
        if (m_own)
            QProcess::execute(QStringLiteral("wineserver"), {QStringLiteral("-k")});
        qputenv("WINEPREFIX", m_oldPrefix);
        if (!m_oldDisplay.isEmpty())
            qputenv("DISPLAY", m_oldDisplay);
    }
    Q_DISABLE_COPY(TestWine)

    bool available() const { return !m_prefix.isEmpty(); }
    const QString &prefix() const { return m_prefix; }

    /// Wine's first start in a new prefix takes a while.
    static constexpr int FirstRunMs = 180000;

    /// Folder of the stand-in MakeSkin.exe and VT.exe, empty when they were not built.
    static QString standInFolder()
    {
#ifdef BRANNOCK_STANDIN_DIR
        const QString folder = QStringLiteral(BRANNOCK_STANDIN_DIR);
        if (QFileInfo::exists(folder + QStringLiteral("/MakeSkin.exe")) && QFileInfo::exists(folder + QStringLiteral("/VT.exe")))
            return folder;
#endif
        return {};
    }

    /// Where the tests keep the locales they make: beside the test run's shared prefix, so
    /// that later runs find them made, else in `scratch`.
    static QString localeFolder(const QString &scratch)
    {
        const QString prefix = qEnvironmentVariable("BRANNOCK_TEST_WINEPREFIX");
        return prefix.isEmpty() ? scratch + QStringLiteral("/locales") : prefix + QStringLiteral("-locales");
    }

    /// Makes the locale `name` ("ja_JP.UTF-8") in `folder` for programs started with
    /// LOCPATH=`folder`, as a player's system has it; false when localedef cannot.
    static bool makeLocale(const QString &folder, const QString &name)
    {
        if (QFileInfo(folder + QLatin1Char('/') + name).isDir())
            return true; // made by an earlier run
        QDir().mkpath(folder);
        QProcess localedef;
        localedef.start(QStringLiteral("localedef"),
                        {QStringLiteral("-i"), name.section(QLatin1Char('.'), 0, 0), QStringLiteral("-f"),
                         QStringLiteral("UTF-8"), folder + QLatin1Char('/') + name});
        return localedef.waitForFinished(120000) && QFileInfo(folder + QLatin1Char('/') + name).isDir();
    }

private:
    QString m_prefix;
    QByteArray m_oldPrefix, m_oldDisplay;
    bool m_own = false;
};

} // namespace brannock::test
