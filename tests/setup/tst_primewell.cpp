#include "common/SettingsSchema.h"
#include "common/SettingsStore.h"
#include "desktop/Prompts.h"
#include "fakes/FakePrompts.h"
#include "platform/DosPaths.h"
#include "setup/FrmMain.h"

#include <QApplication>
#include <QDialog>
#include <QDir>
#include <QFile>
#include <QLabel>
#include <QListWidget>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>

using namespace brannock;
using brannock::test::FakePrompts;

namespace {

/// Drive letters mapped to folders of a temporary directory; the program folder is seen
/// under a DOS path chosen by the test.
class FakeDosPaths final : public DosPaths {
public:
    QString programNative;
    QString programDos;
    QMap<QChar, QString> drives; ///< upper-case letter -> native root

    QString toDos(const QString &nativePath) const override
    {
        return nativePath == programNative ? programDos : QStringLiteral("Z:") + nativePath;
    }
    QString toNative(const QString &dosPath) const override
    {
        if (dosPath.size() < 3 || dosPath.at(1) != u':' || dosPath.at(2) != u'\\')
            return dosPath;
        const auto root = drives.constFind(dosPath.at(0).toUpper());
        if (root == drives.constEnd())
            return QStringLiteral("/nonexistent-drive/") + dosPath.mid(3);
        return *root + u'/' + QString(dosPath.mid(3)).replace(u'\\', u'/');
    }
};

QStringList logOf(const primewell::FrmMain &window)
{
    QStringList lines;
    const auto *list = window.findChild<QListWidget *>(QStringLiteral("LstDebug"));
    for (int i = 0; i < list->count(); ++i)
        lines << list->item(i)->text();
    return lines;
}

const QString kMissing = QStringLiteral("<missing>");

QByteArray readAll(const QString &path)
{
    QFile file(path);
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

} // namespace

class TestPrimewell : public QObject {
    Q_OBJECT

private slots:
    void init();
    void declinedWritesNothingAndShowsNoWindow();
    void gameFolder_data();
    void gameFolder();
    void writesEveryDefaultOverDialogValues();
    void closeStaysDisabledUntilTheRunEnds();
    void unwritableStoreIsReportedAndTheRunEnds();
    void brokenStoreFile_data();
    void brokenStoreFile();
    void windowLooksAsDescribed();
    void windowAndBoxesShowInFrontOfBrannock_data();
    void windowAndBoxesShowInFrontOfBrannock();

private:
    void installGame(QChar drive);
    std::unique_ptr<primewell::FrmMain> makeWindow();

    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<SettingsStore> m_store;
    QString m_ini;
    FakePrompts m_prompts;
    FakeDosPaths m_dos;
};

void TestPrimewell::init()
{
    m_dir = std::make_unique<QTemporaryDir>();
    QVERIFY(m_dir->isValid());
    m_ini = m_dir->filePath(QStringLiteral("Brannock.ini"));
    m_store = std::make_unique<SettingsStore>(m_ini);
    m_prompts = FakePrompts();
    m_dos = FakeDosPaths();
    for (const QChar letter : {u'C', u'D', u'Z'}) {
        const QString root = m_dir->filePath(QStringLiteral("drive_") + letter);
        QVERIFY(QDir().mkpath(root));
        m_dos.drives.insert(letter, root);
    }
    m_dos.programNative = m_dir->filePath(QStringLiteral("drive_c/Brannock"));
    m_dos.programDos = QStringLiteral("C:\\Brannock");
}

void TestPrimewell::brokenStoreFile_data()
{
    QTest::addColumn<bool>("setAside"); ///< the answer to the offer
    QTest::newRow("set aside") << true;
    QTest::newRow("kept in place") << false;
}

void TestPrimewell::brokenStoreFile()
{
    // A store Brannock refuses (one comment line added) is no dead end: Primewell offers to
    // set it aside, keeping it, and write the defaults.
    QFETCH(bool, setAside);
    const QByteArray broken = "[Color]\nR1=12\n; my note\n";
    {
        QFile file(m_ini);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(broken);
    }
    installGame(u'C');
    m_prompts.answers = {PromptAnswer::Yes, setAside ? PromptAnswer::Yes : PromptAnswer::No, PromptAnswer::Yes,
                         PromptAnswer::Ok};
    auto window = makeWindow();
    QVERIFY(window->Form_Load());

    const auto &offer = m_prompts.calls.at(1);
    QCOMPARE(offer.title, QStringLiteral("Broken settings file"));
    QCOMPARE(offer.buttons, PromptButtons::YesNo);
    QCOMPARE(offer.icon, PromptIcon::Question);
    const QStringList aside = QDir(m_dir->path()).entryList({QStringLiteral("Brannock.ini.broken-*")}, QDir::Files);
    const QString asidePath = m_dir->filePath(setAside ? aside.value(0) : QString());
    const QString name = QDir::toNativeSeparators(m_ini);
    QVERIFY2(offer.text.startsWith(QStringLiteral("The settings file \"%1\" cannot be used (line 3 is neither a "
                                                  "[section] nor a key=value line).\r\nSet it aside as \"%1.broken-")
                                       .arg(name)),
             qPrintable(offer.text));
    QVERIFY(offer.text.endsWith(QStringLiteral("\" (it is kept) and write the defaults?")));

    if (!setAside) {
        QCOMPARE(m_prompts.titles(), QStringList({"You Sure?", "Broken settings file", "Primewell Error!"}));
        QVERIFY(aside.isEmpty());
        QCOMPARE(readAll(m_ini), broken);
        return;
    }
    QCOMPARE(aside.size(), 1);
    QVERIFY(offer.text.contains(QDir::toNativeSeparators(asidePath)));
    QCOMPARE(readAll(asidePath), broken); // kept as it was
    QCOMPARE(m_prompts.titles(),
             QStringList({"You Sure?", "Broken settings file", "Kestrow installation found.", "Primewell"}));
    QVERIFY(logOf(*window).contains(QStringLiteral("Broken settings file set aside as ")
                                    + QDir::toNativeSeparators(asidePath)));
    QCOMPARE(m_store->ReadSetting(schema::ColorR1), QStringLiteral("0"));
    QCOMPARE(m_store->ReadSetting(schema::GamePath), QStringLiteral("C:\\Halvern\\Kestrow"));
}

void TestPrimewell::installGame(QChar drive)
{
    const QString folder = m_dos.drives.value(drive) + QStringLiteral("/Halvern/Kestrow");
    QVERIFY(QDir().mkpath(folder));
    QFile exe(folder + QStringLiteral("/Kestrow.exe"));
    QVERIFY(exe.open(QIODevice::WriteOnly));
}

std::unique_ptr<primewell::FrmMain> TestPrimewell::makeWindow()
{
    return std::make_unique<primewell::FrmMain>(*m_store, m_prompts, m_dos, m_dos.programNative);
}

void TestPrimewell::declinedWritesNothingAndShowsNoWindow()
{
    m_prompts.answers = {PromptAnswer::No};
    auto window = makeWindow();
    QVERIFY(!window->Form_Load());

    QCOMPARE(m_prompts.calls.size(), 1);
    const auto &ask = m_prompts.calls.first();
    QCOMPARE(ask.title, QStringLiteral("You Sure?"));
    QCOMPARE(ask.text, QStringLiteral("This program will set up the registry for\r\nKestrow Wendle VI. Proceed?"));
    QCOMPARE(ask.buttons, PromptButtons::YesNo);
    QCOMPARE(ask.icon, PromptIcon::Information);
    QVERIFY(!QFile::exists(m_ini));
    QVERIFY(!window->isVisible());
    QVERIFY(logOf(*window).isEmpty());
}

// Each row: where the program runs, where the game is, how the boxes are answered, and
// what ends up in "Kestrow"/"Path".
void TestPrimewell::gameFolder_data()
{
    QTest::addColumn<QString>("programDos");
    QTest::addColumn<QString>("gameDrive");         // drives that hold the game; "" = none
    QTest::addColumn<bool>("useFound");             // answer to "Kestrow installation found."
    QTest::addColumn<bool>("expectFoundBox");
    QTest::addColumn<bool>("expectInput");
    QTest::addColumn<QString>("expectedOffer");     // prefilled answer of the input box
    QTest::addColumn<QVariant>("typed");            // null QVariant = Cancel
    QTest::addColumn<QString>("expectedPath");      // kMissing-style "<earlier>" when kept

    const QVariant cancel;
    QTest::newRow("found, Yes") << "C:\\Brannock" << "C" << true << true << false << "" << cancel
                                << "C:\\Halvern\\Kestrow";
    QTest::newRow("found on D, Yes") << "D:\\Tools\\Brannock" << "D" << true << true << false << ""
                                     << cancel << "D:\\Halvern\\Kestrow";
    QTest::newRow("found, No, OK at once") << "C:\\Brannock" << "C" << false << true << true << ""
                                           << QVariant(QString()) << "<earlier>";
    QTest::newRow("found, No, typed") << "C:\\Brannock" << "C" << false << true << true << ""
                                      << QVariant(QStringLiteral("E:\\Kw")) << "E:\\Kw";
    QTest::newRow("absent, OK at once") << "C:\\Brannock" << "" << true << false << true
                                        << "C:\\Halvern\\Kestrow"
                                        << QVariant(QStringLiteral("C:\\Halvern\\Kestrow"))
                                        << "C:\\Halvern\\Kestrow";
    QTest::newRow("installed on C:, program on D:") << "D:\\Brannock" << "C" << true << true << false << ""
                                                    << cancel << "C:\\Halvern\\Kestrow";
    QTest::newRow("on both drives: its own drive, one question") << "D:\\Brannock" << "DC" << true << true << false
                                                                 << "" << cancel << "D:\\Halvern\\Kestrow";
    // Under Wine a folder outside the prefix (the Documents folder too) is seen through Z:.
    QTest::newRow("seen through Z:, game on C:") << "Z:\\home\\me\\Documents\\Brannock" << "C" << true << true
                                                << false << "" << cancel << "C:\\Halvern\\Kestrow";
    QTest::newRow("seen through Z:, declined, one question") << "Z:\\home\\me\\Documents\\Brannock" << "C"
                                                            << false << true << true << ""
                                                            << QVariant(QStringLiteral("E:\\Kw")) << "E:\\Kw";
    QTest::newRow("folder on no drive, game on C:") << "" << "C" << true << true << false << "" << cancel
                                                    << "C:\\Halvern\\Kestrow";
    QTest::newRow("seen through Z:, no game on C:") << "Z:\\home\\me\\Brannock" << "" << true << false << true
                                                      << "C:\\Halvern\\Kestrow" << cancel << "<earlier>";
    QTest::newRow("trailing backslash kept") << "C:\\Brannock" << "" << true << false << true
                                             << "C:\\Halvern\\Kestrow"
                                             << QVariant(QStringLiteral("D:\\Games\\Kestrow\\"))
                                             << "D:\\Games\\Kestrow\\";
    QTest::newRow("cancelled") << "C:\\Brannock" << "" << true << false << true
                               << "C:\\Halvern\\Kestrow" << cancel << "<earlier>";
}

void TestPrimewell::gameFolder()
{
    QFETCH(QString, programDos);
    QFETCH(QString, gameDrive);
    QFETCH(bool, useFound);
    QFETCH(bool, expectFoundBox);
    QFETCH(bool, expectInput);
    QFETCH(QString, expectedOffer);
    QFETCH(QVariant, typed);
    QFETCH(QString, expectedPath);

    m_dos.programDos = programDos;
    for (const QChar drive : std::as_const(gameDrive))
        installGame(drive);
    const QString earlier = QStringLiteral("X:\\Earlier");
    m_store->WriteSetting(schema::GamePath, earlier);

    m_prompts.answers = {PromptAnswer::Yes};
    if (expectFoundBox)
        m_prompts.answers << (useFound ? PromptAnswer::Yes : PromptAnswer::No);
    m_prompts.answers << PromptAnswer::Ok;
    m_prompts.inputAnswers = {typed.isNull() ? std::nullopt : std::optional<QString>(typed.toString())};

    auto window = makeWindow();
    QVERIFY(window->Form_Load());

    QStringList titles = {QStringLiteral("You Sure?")};
    if (expectFoundBox)
        titles << QStringLiteral("Kestrow installation found.");
    if (expectInput)
        titles << QStringLiteral("Just Checking.");
    titles << QStringLiteral("Primewell");
    QCOMPARE(m_prompts.titles(), titles);

    if (expectFoundBox) {
        const auto &found = m_prompts.calls.at(1);
        QCOMPARE(found.text, QStringLiteral("A KESTROW installation has been detected under ")
                                 + gameDrive.left(1) + QStringLiteral(":\\Halvern\\Kestrow.\r\nUse this path?"));
        QCOMPARE(found.buttons, PromptButtons::YesNo);
        QCOMPARE(found.icon, PromptIcon::None);
    }
    if (expectInput) {
        const auto &input = m_prompts.calls.at(titles.indexOf(QStringLiteral("Just Checking.")));
        QCOMPARE(input.kind, FakePrompts::Call::Input);
        QCOMPARE(input.text, QStringLiteral("Where is Kestrow Found on your computer?"));
        QCOMPARE(input.defaultText, expectedOffer);
    }

    const bool invalid = expectedPath == QStringLiteral("<earlier>");
    QCOMPARE(m_store->ReadSetting(schema::GamePath, kMissing), invalid ? earlier : expectedPath);

    QStringList log = {QStringLiteral("Adding Color Data..."), QStringLiteral("Adding Path Data...")};
    if (invalid)
        log << QStringLiteral("Path Data invalid.");
    log << QStringLiteral("Adding Palette Data...") << QStringLiteral("Adding Skinning Data...")
        << QStringLiteral("Adding Other Data...") << QStringLiteral("Done.");
    QCOMPARE(logOf(*window), log);

    // Whatever happened to the path, every other section is written.
    for (const auto &v : schema::SetupRest)
        QCOMPARE(m_store->ReadSetting(v.key, kMissing), toQString(v.value));
    QCOMPARE(window->windowTitle(), QStringLiteral("Prime Well - Done."));
}

void TestPrimewell::writesEveryDefaultOverDialogValues()
{
    // Values the main program's dialogs may have left behind.
    m_store->WriteSetting(schema::ColorR1, QStringLiteral("77"));
    m_store->WriteSetting(schema::ColorTxtB, QStringLiteral("300"));
    m_store->WriteSetting(schema::PalArmors, QStringLiteral("pal9"));
    m_store->WriteSetting(schema::PalSolarPanels, QStringLiteral(""));
    m_store->WriteSetting(schema::SkinUse, QStringLiteral("No"));
    m_store->WriteSetting(schema::SkinPath, QStringLiteral("Skins\\Other\\"));
    m_store->WriteSetting(schema::OtherDelNew, QStringLiteral("Yes"));
    m_store->WriteSetting(schema::OtherUseAVC, QStringLiteral("No"));

    // The colours are written before the game folder is looked for, the rest after it.
    bool checkedOrder = false;
    m_prompts.onShow = [&](const FakePrompts::Call &call) {
        if (call.title != QStringLiteral("Just Checking."))
            return;
        QCOMPARE(m_store->ReadSetting(schema::ColorTxtB), QStringLiteral("0"));
        QCOMPARE(m_store->ReadSetting(schema::PalArmors), QStringLiteral("pal9"));
        checkedOrder = true;
    };
    m_prompts.answers = {PromptAnswer::Yes};
    m_prompts.inputAnswers = {QStringLiteral("C:\\Halvern\\Kestrow")};
    auto window = makeWindow();
    QVERIFY(window->Form_Load());
    QVERIFY(checkedOrder);

    const QStringList expected = {"0", "255", "120", "255", "255", "255", "0", "0", "0"};
    for (std::size_t i = 0; i < schema::SetupColors.size(); ++i)
        QCOMPARE(m_store->ReadSetting(schema::SetupColors[i].key, kMissing), expected.at(int(i)));
    QCOMPARE(m_store->ReadSetting(schema::PalArmors), QStringLiteral("pal3"));
    QCOMPARE(m_store->ReadSetting(schema::PalEmblems), QStringLiteral("pal1"));
    QCOMPARE(m_store->ReadSetting(schema::PalSolarPanels), QStringLiteral("pal2"));
    QCOMPARE(m_store->ReadSetting(schema::SkinUse), QStringLiteral("Yes"));
    QCOMPARE(m_store->ReadSetting(schema::SkinPath), QStringLiteral("Skins\\6.0 GOLD\\"));
    QCOMPARE(m_store->ReadSetting(schema::OtherDelNew), QStringLiteral("No"));
    QCOMPARE(m_store->ReadSetting(schema::OtherUseAVC), QStringLiteral("Yes"));
    QCOMPARE(m_store->ReadSetting(schema::GamePath), QStringLiteral("C:\\Halvern\\Kestrow"));
}

void TestPrimewell::closeStaysDisabledUntilTheRunEnds()
{
    installGame(u'C');
    std::unique_ptr<primewell::FrmMain> window;
    QStringList seen;
    m_prompts.onShow = [&](const FakePrompts::Call &call) {
        const auto *close = window->findChild<QPushButton *>(QStringLiteral("CmdClose"));
        seen << call.title + (close->isEnabled() ? QStringLiteral(": enabled") : QStringLiteral(": disabled"));
        QCOMPARE(window->windowTitle(), QStringLiteral("Prime Well"));
        QVERIFY(!window->isVisible());
    };
    m_prompts.answers = {PromptAnswer::Yes, PromptAnswer::No, PromptAnswer::Ok};
    m_prompts.inputAnswers = {QStringLiteral("C:\\Kw")};
    window = makeWindow();

    // Esc does nothing while CmdClose is disabled.
    window->show();
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(window->isVisible());
    window->hide();

    QVERIFY(window->Form_Load());
    QCOMPARE(seen, QStringList({"You Sure?: disabled", "Kestrow installation found.: disabled",
                                "Just Checking.: disabled", "Primewell: enabled"}));
    const auto &last = m_prompts.calls.last();
    QCOMPARE(last.text, QStringLiteral("Done. You may now close Primewell."));
    QCOMPARE(last.icon, PromptIcon::None);
    QCOMPARE(last.buttons, PromptButtons::Ok);

    window->show();
    QVERIFY(QTest::qWaitForWindowExposed(window.get()));
    QTest::keyClick(window.get(), Qt::Key_Escape);
    QVERIFY(!window->isVisible());
}

void TestPrimewell::unwritableStoreIsReportedAndTheRunEnds()
{
    QVERIFY(QDir().mkpath(m_ini)); // a folder where the settings file belongs
    m_prompts.answers = {PromptAnswer::Yes, PromptAnswer::Ok};
    auto window = makeWindow();
    QVERIFY(window->Form_Load());

    QCOMPARE(m_prompts.titles(), QStringList({"You Sure?", "Primewell Error!"}));
    const auto &box = m_prompts.calls.last();
    QVERIFY2(box.text.startsWith(QStringLiteral("Error 1001:\r\n")), qPrintable(box.text));
    QVERIFY(box.text.contains(m_ini));
    QCOMPARE(box.icon, PromptIcon::Exclamation);

    const QStringList log = logOf(*window);
    QCOMPARE(log.first(), QStringLiteral("Adding Color Data..."));
    QVERIFY(log.contains(QStringLiteral("Error 1001:")));
    QVERIFY(!log.contains(QStringLiteral("Done.")));
    QVERIFY(window->findChild<QPushButton *>(QStringLiteral("CmdClose"))->isEnabled());
    QVERIFY(QFileInfo(m_ini).isDir());
}

void TestPrimewell::windowLooksAsDescribed()
{
    auto window = makeWindow();
    QCOMPARE(window->windowTitle(), QStringLiteral("Prime Well"));
    const auto *close = window->findChild<QPushButton *>(QStringLiteral("CmdClose"));
    QCOMPARE(close->text(), QStringLiteral("Close"));
    QVERIFY(close->isDefault());
    QVERIFY(!close->isEnabled());
    const auto *logo = window->findChild<QLabel *>(QStringLiteral("imgGoldLogo"));
    QCOMPARE(logo->size(), QSize(32, 32));
    QCOMPARE(logo->pixmap().size(), QSize(32, 32));
    // The logo is gold: its centre-left face is a warm yellow, not grey.
    const QColor face = logo->pixmap().toImage().pixelColor(8, 20);
    QVERIFY2(face.red() > 180 && face.green() > 120 && face.blue() < 120, qPrintable(face.name()));
}

void TestPrimewell::windowAndBoxesShowInFrontOfBrannock_data()
{
    QTest::addColumn<bool>("inputBox");
    QTest::newRow("message box") << false;
    QTest::newRow("input box") << true;
}

void TestPrimewell::windowAndBoxesShowInFrontOfBrannock()
{
    // Brannock stays on top of other windows; Primewell's window and its real boxes (the
    // "found" box comes before its window shows) are kept on top too, so they come in front.
    QFETCH(bool, inputBox);
    QVERIFY(makeWindow()->windowFlags().testFlag(Qt::WindowStaysOnTopHint));

    QtPrompts prompts;
    prompts.setBoxesOnTop(true);
    Qt::WindowFlags flags;
    QTimer poll;
    connect(&poll, &QTimer::timeout, this, [&] {
        if (auto *box = qobject_cast<QDialog *>(QApplication::activeModalWidget())) {
            flags = box->windowFlags();
            box->reject();
        }
    });
    poll.start(10);
    if (inputBox)
        prompts.input(QStringLiteral("Where is Kestrow Found on your computer?"), QStringLiteral("Just Checking."),
                      {});
    else
        prompts.message(QStringLiteral("Kestrow installation found."), QStringLiteral("Use this path?"),
                        PromptButtons::YesNo, PromptIcon::None);
    QVERIFY(flags.testFlag(Qt::WindowStaysOnTopHint));
}

QTEST_MAIN(TestPrimewell)
#include "tst_primewell.moc"
