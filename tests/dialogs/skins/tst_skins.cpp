#include "common/SettingsStore.h"
#include "dialogs/skins/FrmSkins.h"
#include "dialogs/skins/SkinsFolder.h"
#include "fakes/FakePrompts.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

#include <memory>

using namespace brannock;
using brannock::test::FakePrompts;

namespace {

void writeBitmap(const QString &path, QSize size, QColor colour)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(colour);
    QVERIFY(image.save(path, "BMP"));
}

/// A program folder, a settings store and a dialog with recording callbacks.
struct Rig {
    QTemporaryDir dir;
    std::unique_ptr<SettingsStore> store;
    FakePrompts prompts;
    int refreshes = 0;
    QList<bool> bandChanges;
    CurrentLook current;
    /// The main window as the dialog sees it.
    struct Owner final : SkinsDialogOwner {
        explicit Owner(Rig &rig) : rig(rig) {}
        Rig &rig;
        CurrentLook currentLook() const override { return rig.current; }
        void refreshForm() override { ++rig.refreshes; }
        void setBandAlways(bool topmost) override { rig.bandChanges << topmost; }
    } owner{*this};
    std::unique_ptr<FrmSkins> dialog;

    Rig() { store = std::make_unique<SettingsStore>(dir.filePath(QStringLiteral("store.ini"))); }
    QString program() const { return dir.path(); }
    QStringList lookRoots{program()}; ///< where the dialog looks for Skins folders
    void makeLook(const QString &name) { QVERIFY(QDir(program()).mkpath(QStringLiteral("Skins/") + name)); }
    QString lookFile(const QString &look, const QString &file) const
    {
        return program() + QStringLiteral("/Skins/") + look + QLatin1Char('/') + file;
    }
    FrmSkins &open()
    {
        prompts.onShow = [this](const FakePrompts::Call &) { bandAtMessage = bandChanges; };
        dialog = std::make_unique<FrmSkins>(*store, prompts, lookRoots, owner);
        return *dialog;
    }
    QComboBox *combo() const { return dialog->findChild<QComboBox *>(QStringLiteral("cboSkins")); }
    QStringList entries() const
    {
        QStringList list;
        for (int i = 0; i < combo()->count(); ++i)
            list << combo()->itemText(i);
        return list;
    }
    void choose(const QString &entry)
    {
        const int index = combo()->findText(entry);
        QVERIFY2(index >= 0, qPrintable(entry));
        combo()->setCurrentIndex(index);
        emit combo()->activated(index);
    }
    void type(const QString &text) { combo()->setEditText(text); }
    void ok() { dialog->findChild<QPushButton *>(QStringLiteral("cmdOK"))->click(); }
    QRgb previewPixel(QPoint at) const
    {
        return dialog->findChild<QWidget *>(QStringLiteral("picPreview"))->grab().toImage().pixel(at);
    }
    QImage box(const char *name) const
    {
        return dialog->findChild<QLabel *>(QString::fromLatin1(name))->pixmap().toImage();
    }
    QString setting(const schema::SettingKey &key) const { return store->ReadSetting(key, QStringLiteral("<none>")); }
    QList<bool> bandAtMessage;
};

/// A spot of the preview that no label or outline line covers.
const QPoint OpenSpot(60, 120);

} // namespace

class TestSkins final : public QObject {
    Q_OBJECT
private slots:
    void listEntries_data();
    void listEntries();
    void opensOnCurrentSettings();
    void okOnLookFolderStoresItAndRefreshes();
    void okOnPlainFileIsAccepted();
    void okOnDefaultStoresNoAndKeepsPath();
    void okOnCurrentSettingsWritesNothing();
    void keyboardReachesOnlyWhatDoesSomething();
    void refusedNames_data();
    void refusedNames();
    void typedPrefixIsNotCompleted();
    void typingAndLeavingTheFieldChangesNoPreview();
    void previewOfLookFolder();
    void previewKeepsBackgroundWithoutBackBmp();
    void looksOfTheUserFolderComeFirst();
    void badPictureIsReported();
    void badColourIsReported();
};

void TestSkins::listEntries_data()
{
    QTest::addColumn<QStringList>("folders");
    QTest::addColumn<QStringList>("files");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("no Skins folder") << QStringList{} << QStringList{}
                                     << QStringList{"Current Settings", "Default"};
    QTest::newRow("two folders") << QStringList{"Steel", "6.0 GOLD"} << QStringList{}
                                 << QStringList{"6.0 GOLD", "Steel", "Current Settings", "Default"};
    QTest::newRow("a plain file and a hidden one")
        << QStringList{"night blue"} << QStringList{"readme.txt", ".hidden"}
        << QStringList{"night blue", "readme.txt", "Current Settings", "Default"};
}

void TestSkins::listEntries()
{
    QFETCH(QStringList, folders);
    QFETCH(QStringList, files);
    QFETCH(QStringList, expected);
    Rig rig;
    for (const QString &folder : folders)
        rig.makeLook(folder);
    for (const QString &file : files) {
        QFile f(rig.program() + QStringLiteral("/Skins/") + file);
        QVERIFY(f.open(QIODevice::WriteOnly));
        if (file.startsWith(QLatin1Char('.')) && !QFileInfo(f).isHidden())
            QSKIP("a leading dot does not hide a file on this system");
    }
    rig.open();
    QCOMPARE(rig.entries(), expected);
}

void TestSkins::opensOnCurrentSettings()
{
    Rig rig;
    rig.store->WriteSetting(schema::ColorTxtR, QStringLiteral("200"));
    rig.store->WriteSetting(schema::ColorTxtG, QStringLiteral("10"));
    rig.current.background = QImage(315, 288, QImage::Format_RGB32);
    rig.current.background.fill(QColor(1, 2, 3));
    QImage min0(11, 11, QImage::Format_RGB32);
    min0.fill(QColor(9, 9, 9));
    rig.current.min0 = QPixmap::fromImage(min0);
    FrmSkins &dialog = rig.open();
    QCOMPARE(dialog.windowTitle(), QStringLiteral("Brannock Skin Manager"));
    QCOMPARE(dialog.size(), QSize(317, 276));
    QVERIFY(!dialog.isModal());
    QCOMPARE(rig.combo()->currentText(), QStringLiteral("Current Settings"));
    QCOMPARE(rig.previewPixel(OpenSpot), qRgb(1, 2, 3));
    QCOMPARE(rig.box("picMin").pixel(5, 5), qRgb(9, 9, 9));
    auto *title = dialog.findChild<QLabel *>(QStringLiteral("lblTitle"));
    QCOMPARE(title->text(), QStringLiteral("Kestrow Wendle VI"));
    QCOMPARE(title->palette().color(QPalette::WindowText), QColor(200, 10, 0));
    QVERIFY(rig.prompts.calls.isEmpty());
}

void TestSkins::okOnLookFolderStoresItAndRefreshes()
{
    Rig rig;
    rig.makeLook(QStringLiteral("6.0 GOLD"));
    rig.open();
    rig.choose(QStringLiteral("6.0 GOLD"));
    rig.ok();
    QCOMPARE(rig.setting(schema::SkinUse), QStringLiteral("Yes"));
    QCOMPARE(rig.setting(schema::SkinPath), QStringLiteral("Skins\\6.0 GOLD\\"));
    QCOMPARE(rig.refreshes, 1);
    QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));
    QVERIFY(rig.prompts.calls.isEmpty());
}

void TestSkins::okOnPlainFileIsAccepted()
{
    Rig rig;
    QDir(rig.program()).mkpath(QStringLiteral("Skins"));
    QFile f(rig.program() + QStringLiteral("/Skins/notes.txt"));
    QVERIFY(f.open(QIODevice::WriteOnly));
    f.close();
    rig.open();
    rig.choose(QStringLiteral("notes.txt"));
    // A plain file has no look files in it: the preview shows the built-in pictures.
    QCOMPARE(rig.box("picMin"), builtInPictures().min0bck.toImage());
    rig.ok();
    QCOMPARE(rig.setting(schema::SkinPath), QStringLiteral("Skins\\notes.txt\\"));
    QCOMPARE(rig.refreshes, 1);
}

void TestSkins::okOnDefaultStoresNoAndKeepsPath()
{
    Rig rig;
    rig.store->WriteSetting(schema::SkinUse, QStringLiteral("Yes"));
    rig.store->WriteSetting(schema::SkinPath, QStringLiteral("Skins\\Steel\\"));
    rig.store->WriteSetting(schema::ColorR1, QStringLiteral("255"));
    rig.store->WriteSetting(schema::ColorB2, QStringLiteral("255"));
    rig.open();
    rig.choose(QStringLiteral("Default"));
    // The gradient runs from (255, 0, 0) at the left to (0, 0, 255) at the right.
    QCOMPARE(rig.previewPixel(QPoint(0, 120)), qRgb(255, 0, 0));
    QCOMPARE(rig.previewPixel(QPoint(316, 120)), qRgb(1, 0, 254));
    QCOMPARE(rig.box("picExit"), builtInPictures().exit0bck.toImage());
    rig.ok();
    QCOMPARE(rig.setting(schema::SkinUse), QStringLiteral("No"));
    QCOMPARE(rig.setting(schema::SkinPath), QStringLiteral("Skins\\Steel\\"));
    QCOMPARE(rig.refreshes, 1);
}

void TestSkins::okOnCurrentSettingsWritesNothing()
{
    Rig rig;
    rig.open();
    rig.ok();
    QCOMPARE(rig.setting(schema::SkinUse), QStringLiteral("<none>"));
    QCOMPARE(rig.refreshes, 0);
    QCOMPARE(rig.dialog->result(), int(QDialog::Accepted));

    Rig cancelled;
    cancelled.makeLook(QStringLiteral("Steel"));
    cancelled.open();
    cancelled.choose(QStringLiteral("Steel"));
    cancelled.dialog->findChild<QPushButton *>(QStringLiteral("cmdCncl"))->click();
    QCOMPARE(cancelled.setting(schema::SkinUse), QStringLiteral("<none>"));
    QCOMPARE(cancelled.refreshes, 0);
}

void TestSkins::keyboardReachesOnlyWhatDoesSomething()
{
    Rig rig;
    FrmSkins &dialog = rig.open();
    dialog.show();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    // Tab goes round the list, OK and Cancel; the pictures of the main window's buttons
    // take neither the focus nor a key.
    QStringList stops;
    for (int i = 0; i < 3; ++i) {
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        stops << QApplication::focusWidget()->objectName();
    }
    stops.sort();
    QCOMPARE(stops, (QStringList{QStringLiteral("cboSkins"), QStringLiteral("cmdCncl"), QStringLiteral("cmdOK")}));
    for (const char *picture : {"cmdMake", "cmdCFG", "cmdSkins", "cmdAbout"})
        QVERIFY(dialog.findChild<QPushButton *>(QLatin1String(picture))->shortcut().isEmpty());

    // Enter in the list chooses nothing; Enter on the focused OK presses it.
    rig.combo()->setFocus();
    QTest::keyClick(rig.combo(), Qt::Key_Return);
    QVERIFY(dialog.isVisible());
    auto *ok = dialog.findChild<QPushButton *>(QStringLiteral("cmdOK"));
    ok->setFocus();
    QTest::keyClick(ok, Qt::Key_Return);
    QVERIFY(!dialog.isVisible());
    QCOMPARE(dialog.result(), int(QDialog::Accepted));
}

void TestSkins::refusedNames_data()
{
    QTest::addColumn<QString>("typed");
    QTest::newRow("missing") << QStringLiteral("Night Blue");
    QTest::newRow("empty") << QString();
    QTest::newRow("parent") << QStringLiteral("..");
    QTest::newRow("dot") << QStringLiteral(".");
    QTest::newRow("up and over") << QStringLiteral("../Skins/Steel");
    QTest::newRow("backslash") << QStringLiteral("..\\outside");
    QTest::newRow("nested") << QStringLiteral("Steel/inner");
    QTest::newRow("absolute") << QStringLiteral("/tmp");
    QTest::newRow("drive") << QStringLiteral("C:\\Windows");
    QTest::newRow("wildcard") << QStringLiteral("St*");
}

void TestSkins::refusedNames()
{
    QFETCH(QString, typed);
    Rig rig;
    rig.makeLook(QStringLiteral("Steel/inner"));
    QVERIFY(QDir(rig.program()).mkpath(QStringLiteral("outside")));
    rig.store->WriteSetting(schema::SkinUse, QStringLiteral("Yes"));
    rig.store->WriteSetting(schema::SkinPath, QStringLiteral("Skins\\Steel\\"));
    FrmSkins &dialog = rig.open();
    dialog.show();
    rig.type(typed);
    rig.ok();
    QCOMPARE(rig.prompts.calls.size(), 1);
    const FakePrompts::Call &call = rig.prompts.calls.first();
    QCOMPARE(call.title, QStringLiteral("Oops!(Brannock)"));
    QCOMPARE(call.text, QStringLiteral("Invalid Skin Path"));
    QCOMPARE(call.icon, PromptIcon::Exclamation);
    QCOMPARE(call.buttons, PromptButtons::Ok);
    QCOMPARE(rig.bandAtMessage, QList<bool>{false});
    QCOMPARE(rig.bandChanges, (QList<bool>{false, true}));
    QVERIFY(dialog.isVisible());
    QCOMPARE(rig.setting(schema::SkinPath), QStringLiteral("Skins\\Steel\\"));
    QCOMPARE(rig.refreshes, 0);
}

void TestSkins::typedPrefixIsNotCompleted()
{
    // What the user types is the name OK looks for: a prefix of a listed look is not
    // silently completed into that look.
    Rig rig;
    rig.makeLook(QStringLiteral("Steel"));
    FrmSkins &dialog = rig.open();
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit *edit = rig.combo()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Ste"));
    QCOMPARE(rig.combo()->currentText(), QStringLiteral("Ste"));
    rig.ok();
    QCOMPARE(rig.prompts.calls.size(), 1);
    QCOMPARE(rig.prompts.calls.first().text, QStringLiteral("Invalid Skin Path"));
    QCOMPARE(rig.setting(schema::SkinPath), QStringLiteral("<none>"));
    QVERIFY(dialog.isVisible());
}

void TestSkins::typingAndLeavingTheFieldChangesNoPreview()
{
    Rig rig;
    rig.current.background = QImage(315, 288, QImage::Format_RGB32);
    rig.current.background.fill(QColor(5, 6, 7));
    rig.store->WriteSetting(schema::ColorG1, QStringLiteral("77"));
    rig.store->WriteSetting(schema::ColorG2, QStringLiteral("77"));
    FrmSkins &dialog = rig.open();
    dialog.show();
    dialog.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&dialog));
    QLineEdit *edit = rig.combo()->lineEdit();
    edit->setFocus();
    edit->selectAll();
    QTest::keyClicks(edit, QStringLiteral("Default"));
    QTest::keyClick(edit, Qt::Key_Return);
    dialog.findChild<QPushButton *>(QStringLiteral("cmdCncl"))->setFocus();
    QCOMPARE(rig.previewPixel(OpenSpot), qRgb(5, 6, 7));
    QCOMPARE(rig.combo()->currentText(), QStringLiteral("Default"));
    // The list still chooses.
    rig.choose(QStringLiteral("Default"));
    QCOMPARE(rig.previewPixel(OpenSpot), qRgb(0, 77, 0));
    // Taking apart a dialog that is still shown, with the focus in the field, is safe.
    edit->setFocus();
    rig.dialog.reset();
}

void TestSkins::previewOfLookFolder()
{
    Rig rig;
    rig.makeLook(QStringLiteral("Steel"));
    writeBitmap(rig.lookFile("Steel", "back.bmp"), QSize(315, 288), QColor(40, 50, 60));
    writeBitmap(rig.lookFile("Steel", "exit0.bmp"), QSize(11, 11), QColor(200, 0, 0));
    writeBitmap(rig.lookFile("Steel", "icon.bmp"), QSize(16, 16), QColor(0, 200, 0));
    rig.open();
    rig.choose(QStringLiteral("Steel"));
    QCOMPARE(rig.previewPixel(OpenSpot), qRgb(40, 50, 60));
    QCOMPARE(rig.box("picExit").pixel(3, 3), qRgb(200, 0, 0));
    QCOMPARE(rig.box("picIcon").pixel(3, 3), qRgb(0, 200, 0));
    QCOMPARE(rig.box("picMin"), builtInPictures().min0bck.toImage());
    QCOMPARE(rig.box("picSysIcon"), builtInPictures().sysbck.toImage());
    // Typing a name changes no preview.
    rig.type(QStringLiteral("Default"));
    QCOMPARE(rig.previewPixel(OpenSpot), qRgb(40, 50, 60));
    QVERIFY(rig.prompts.calls.isEmpty());
}

void TestSkins::looksOfTheUserFolderComeFirst()
{
    Rig rig;
    QTemporaryDir user;
    rig.lookRoots = {user.path(), rig.program()};
    rig.makeLook(QStringLiteral("Steel"));
    rig.makeLook(QStringLiteral("6.0 GOLD"));
    QVERIFY(QDir(user.path()).mkpath(QStringLiteral("Skins/Steel")) && QDir(user.path()).mkpath(QStringLiteral("Skins/mine")));
    writeBitmap(rig.lookFile("Steel", "back.bmp"), QSize(315, 288), QColor(40, 50, 60));
    writeBitmap(user.filePath(QStringLiteral("Skins/Steel/back.bmp")), QSize(315, 288), QColor(90, 10, 10));
    rig.open();
    QCOMPARE(rig.entries(), QStringList({"6.0 GOLD", "mine", "Steel", "Current Settings", "Default"}));
    rig.choose(QStringLiteral("Steel"));
    QCOMPARE(rig.previewPixel(OpenSpot), qRgb(90, 10, 10)); // the player's own copy
    // A look that only the shipped folder holds is accepted and stored as always.
    rig.choose(QStringLiteral("6.0 GOLD"));
    rig.ok();
    QCOMPARE(rig.setting(schema::SkinPath), QStringLiteral("Skins\\6.0 GOLD\\"));
    QVERIFY(rig.prompts.calls.isEmpty());
}

void TestSkins::previewKeepsBackgroundWithoutBackBmp()
{
    Rig rig;
    rig.makeLook(QStringLiteral("Buttons Only"));
    writeBitmap(rig.lookFile("Buttons Only", "min0.bmp"), QSize(11, 11), QColor(0, 0, 200));
    rig.store->WriteSetting(schema::ColorG1, QStringLiteral("77"));
    rig.store->WriteSetting(schema::ColorG2, QStringLiteral("77"));
    rig.current.background = QImage(315, 288, QImage::Format_RGB32);
    rig.current.background.fill(QColor(5, 6, 7));
    rig.open();
    rig.choose(QStringLiteral("Buttons Only"));
    QCOMPARE(rig.previewPixel(OpenSpot), qRgb(5, 6, 7));
    QCOMPARE(rig.box("picMin").pixel(5, 5), qRgb(0, 0, 200));
    rig.choose(QStringLiteral("Default"));
    rig.choose(QStringLiteral("Buttons Only"));
    QCOMPARE(rig.previewPixel(OpenSpot), qRgb(0, 77, 0));
}

void TestSkins::badPictureIsReported()
{
    Rig rig;
    rig.makeLook(QStringLiteral("Broken"));
    writeBitmap(rig.lookFile("Broken", "min0.bmp"), QSize(11, 11), QColor(0, 0, 200));
    QFile bad(rig.lookFile("Broken", "exit0.bmp"));
    QVERIFY(bad.open(QIODevice::WriteOnly));
    bad.write("this is not a bitmap");
    bad.close();
    FrmSkins &dialog = rig.open();
    dialog.show();
    rig.choose(QStringLiteral("Broken"));
    QCOMPARE(rig.prompts.calls.size(), 1);
    QCOMPARE(rig.prompts.calls.first().title, QStringLiteral("Skins Error!"));
    QVERIFY(rig.prompts.calls.first().text.startsWith(QStringLiteral("Error 75:\r\n")));
    QVERIFY(rig.prompts.calls.first().text.contains(QStringLiteral("exit0.bmp")));
    QCOMPARE(rig.bandAtMessage, QList<bool>{false});
    QVERIFY(dialog.isVisible());
    // What came before the bad file is shown; the dialog still takes the choice.
    QCOMPARE(rig.box("picMin").pixel(5, 5), qRgb(0, 0, 200));
    rig.ok();
    QCOMPARE(rig.setting(schema::SkinPath), QStringLiteral("Skins\\Broken\\"));
}

void TestSkins::badColourIsReported()
{
    Rig rig;
    rig.store->WriteSetting(schema::ColorG2, QStringLiteral("lots"));
    rig.open();
    QVERIFY(rig.prompts.calls.isEmpty()); // the look in use needs no gradient colours
    rig.choose(QStringLiteral("Default"));
    QCOMPARE(rig.prompts.calls.size(), 1);
    QCOMPARE(rig.prompts.calls.first().title, QStringLiteral("Skins Error!"));
    QVERIFY(rig.prompts.calls.first().text.startsWith(QStringLiteral("Error 5:\r\n")));
}

QTEST_MAIN(TestSkins)
#include "tst_skins.moc"
