#include "dialogs/addsupp/frmAddSupp.h"
#include "fakes/FakePrompts.h"
#include "items/TsfFile.h"
#include "main_window/menus/IncludeMenu.h"
#include "skinset/BatchText.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;
using brannock::test::FakePrompts;

namespace {

QByteArray readAll(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return "<missing>";
    return file.readAll();
}

/// One open dialog on a temporary program folder, driven through its controls.
struct Harness {
    QTemporaryDir dir;
    FakePrompts boxes;
    QPointer<frmAddSupp> dialog;

    explicit Harness(const QString &folder = {})
    {
        dialog = new frmAddSupp(boxes, folder.isEmpty() ? dir.path() : folder, *CodePage::byNumber(437));
        dialog->show();
        QApplication::setActiveWindow(dialog);
    }
    ~Harness() { delete dialog; }

    QLineEdit *box(const char *name) const { return dialog->findChild<QLineEdit *>(QLatin1String(name)); }
    QPushButton *button(const char *name) const
    {
        return dialog->findChild<QPushButton *>(QLatin1String(name));
    }
    void fill(const QString &desc, const QString &pal, const QString &file, const QString &name)
    {
        box("txtDesc")->setText(desc);
        box("txtPal")->setText(pal);
        box("txtFile")->setText(file);
        box("txtTSFFile")->setText(name);
    }
    QStringList texts() const
    {
        return {box("txtDesc")->text(), box("txtPal")->text(), box("txtFile")->text(), box("txtTSFFile")->text()};
    }
    QStringList files() const { return QDir(dir.path()).entryList(QDir::Files | QDir::Hidden); }
    void save() { QTest::mouseClick(button("cmdSave"), Qt::LeftButton); }
};

} // namespace

class TestAddSupp final : public QObject {
    Q_OBJECT

private slots:
    void controlsAndKeyboard();
    void emptyFieldIsRefused_data();
    void emptyFieldIsRefused();
    void saveWritesClearsAndFocusesDescription();
    void spacesAndDoubleExtensionAreKept();
    void replaceQuestion_data();
    void replaceQuestion();
    void badNamesAreRefused_data();
    void badNamesAreRefused();
    void unusualButValidNamesAreSaved_data();
    void unusualButValidNamesAreSaved();
    void fieldsThatWouldReadBackOtherwiseAreRefused_data();
    void fieldsThatWouldReadBackOtherwiseAreRefused();
    void refusedAsTheMenuWouldRefuse_data();
    void refusedAsTheMenuWouldRefuse();
    void failedWriteIsReportedAndTextsStay_data();
    void failedWriteIsReportedAndTextsStay();
    void closeAndEscapeDestroyTheDialog();
};

void TestAddSupp::controlsAndKeyboard()
{
    Harness h;
    QCOMPARE(h.dialog->windowTitle(), QStringLiteral("Add Support..."));
    QCOMPARE(h.dialog->size(), QSize(220, 139));
    QVERIFY(!h.dialog->isModal());
    QVERIFY(h.button("cmdSave")->isDefault());

    // Tab walks the boxes and the buttons in the order the form lists them.
    const QStringList order{QStringLiteral("txtDesc"), QStringLiteral("txtPal"), QStringLiteral("txtFile"),
                            QStringLiteral("txtTSFFile"), QStringLiteral("cmdSave"), QStringLiteral("cmdClose")};
    QWidget *w = h.box("txtDesc");
    for (const QString &name : order) {
        QCOMPARE(w->objectName(), name);
        w = w->nextInFocusChain();
        while (w->focusPolicy() == Qt::NoFocus)
            w = w->nextInFocusChain();
    }

    // Enter in any box presses Save.
    h.fill(QStringLiteral("d"), QStringLiteral("p"), QStringLiteral("f"), QStringLiteral("enter"));
    QTest::keyClick(h.box("txtPal"), Qt::Key_Return);
    QCOMPARE(h.files(), QStringList{QStringLiteral("enter.tsf")});
}

void TestAddSupp::emptyFieldIsRefused_data()
{
    QTest::addColumn<int>("emptyBox");
    QTest::newRow("description") << 0;
    QTest::newRow("palette") << 1;
    QTest::newRow("skin file") << 2;
    QTest::newRow("file name") << 3;
}

void TestAddSupp::emptyFieldIsRefused()
{
    QFETCH(int, emptyBox);
    Harness h;
    QStringList typed{QStringLiteral("d"), QStringLiteral("p"), QStringLiteral("f"), QStringLiteral("n")};
    typed[emptyBox].clear();
    h.fill(typed[0], typed[1], typed[2], typed[3]);
    h.save();

    QCOMPARE(h.boxes.calls.size(), 1);
    QCOMPARE(h.boxes.calls[0].title, QStringLiteral("Hey!"));
    QCOMPARE(h.boxes.calls[0].text, QStringLiteral("You must fill all fields."));
    QCOMPARE(h.boxes.calls[0].icon, PromptIcon::Exclamation);
    QVERIFY(h.files().isEmpty());
    QCOMPARE(h.texts(), typed);
}

void TestAddSupp::saveWritesClearsAndFocusesDescription()
{
    Harness h;
    h.fill(QStringLiteral("Red armour"), QStringLiteral("lush.ppl"), QStringLiteral("larmor2.bmp"),
           QStringLiteral("red"));
    h.box("txtTSFFile")->setFocus();
    h.save();

    QVERIFY(h.boxes.calls.isEmpty());
    QCOMPARE(readAll(h.dir.filePath(QStringLiteral("red.tsf"))), QByteArray("Red armour*lush.ppl*larmor2.bmp\r\n"));
    QCOMPARE(h.texts(), QStringList(4, QString()));
    QCOMPARE(h.dialog->focusWidget(), h.box("txtDesc"));

    // The dialog stays open for the next item.
    QVERIFY(h.dialog->isVisible());
    h.fill(QStringLiteral("Blue"), QStringLiteral("p"), QStringLiteral("f"), QStringLiteral("blue"));
    h.save();
    QCOMPARE(h.files(), (QStringList{QStringLiteral("blue.tsf"), QStringLiteral("red.tsf")}));
}

void TestAddSupp::spacesAndDoubleExtensionAreKept()
{
    Harness h;
    h.fill(QStringLiteral(" "), QStringLiteral("p"), QStringLiteral(" f"), QStringLiteral("item.tsf"));
    h.save();
    QVERIFY(h.boxes.calls.isEmpty());
    QCOMPARE(readAll(h.dir.filePath(QStringLiteral("item.tsf.tsf"))), QByteArray(" *p* f\r\n"));
}

void TestAddSupp::replaceQuestion_data()
{
    QTest::addColumn<bool>("yes");
    QTest::newRow("No keeps everything") << false;
    QTest::newRow("Yes replaces") << true;
}

void TestAddSupp::replaceQuestion()
{
    QFETCH(bool, yes);
    Harness h;
    const QString path = h.dir.filePath(QStringLiteral("old.tsf"));
    {
        QFile file(path);
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write("old*pal*file\r\n");
    }
    h.boxes.answers = {yes ? PromptAnswer::Yes : PromptAnswer::No};
    h.fill(QStringLiteral("new"), QStringLiteral("p"), QStringLiteral("f"), QStringLiteral("old"));
    h.save();

    QCOMPARE(h.boxes.calls.size(), 1);
    QCOMPARE(h.boxes.calls[0].title, QStringLiteral("Hold it!"));
    QCOMPARE(h.boxes.calls[0].text, QStringLiteral("old.tsf already exists. Replace?"));
    QCOMPARE(h.boxes.calls[0].buttons, PromptButtons::YesNo);
    QCOMPARE(h.boxes.calls[0].icon, PromptIcon::Exclamation);
    if (yes) {
        QCOMPARE(readAll(path), QByteArray("new*p*f\r\n"));
        QCOMPARE(h.texts(), QStringList(4, QString()));
    } else {
        QCOMPARE(readAll(path), QByteArray("old*pal*file\r\n"));
        QCOMPARE(h.texts(), (QStringList{QStringLiteral("new"), QStringLiteral("p"), QStringLiteral("f"),
                                         QStringLiteral("old")}));
    }
}

void TestAddSupp::badNamesAreRefused_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("star") << "*";
    QTest::newRow("question mark") << "a?b";
    QTest::newRow("slash") << "sub/x";
    QTest::newRow("backslash") << "sub\\x";
    QTest::newRow("parent folder") << "../x";
    QTest::newRow("colon") << "c:x";
    QTest::newRow("quote") << "a\"b";
    QTest::newRow("angle brackets") << "<x>";
    QTest::newRow("pipe") << "a|b";
    QTest::newRow("tab") << "a\tb";
    QTest::newRow("dot") << ".";
    QTest::newRow("dot dot") << "..";
    QTest::newRow("CON") << "CON";
    QTest::newRow("nul lower case") << "nul";
    QTest::newRow("COM1") << "COM1";
    QTest::newRow("LPT9 with extension") << "LPT9.old";
}

void TestAddSupp::badNamesAreRefused()
{
    QFETCH(QString, name);
    Harness h;
    QVERIFY(QDir(h.dir.path()).mkdir(QStringLiteral("sub")));
    {
        QFile other(h.dir.filePath(QStringLiteral("other.tsf")));
        QVERIFY(other.open(QIODevice::WriteOnly));
        other.write("keep*me*intact\r\n");
    }
    h.fill(QStringLiteral("d"), QStringLiteral("p"), QStringLiteral("f"), name);
    h.save();

    QCOMPARE(h.boxes.calls.size(), 1);
    QCOMPARE(h.boxes.calls[0].title, QStringLiteral("Invalid Data!"));
    QCOMPARE(h.boxes.calls[0].buttons, PromptButtons::Ok);
    QCOMPARE(h.files(), QStringList{QStringLiteral("other.tsf")});
    QVERIFY(QDir(h.dir.filePath(QStringLiteral("sub"))).isEmpty());
    QCOMPARE(readAll(h.dir.filePath(QStringLiteral("other.tsf"))), QByteArray("keep*me*intact\r\n"));
    QCOMPARE(h.texts().last(), name);
}

void TestAddSupp::unusualButValidNamesAreSaved_data()
{
    QTest::addColumn<QString>("name");
    QTest::newRow("inner dots and spaces") << "my skin v1.2";
    QTest::newRow("leading space") << " lead";
    QTest::newRow("device name inside a longer word") << "CONSOLE";
    QTest::newRow("COM0 is no device") << "COM0";
    QTest::newRow("accented") << QString::fromUtf8("Rüstung");
    // ".tsf" follows the name, so a name may end in a dot or a blank, or be blanks only.
    QTest::newRow("trailing dot") << "x.";
    QTest::newRow("trailing space") << "x ";
    QTest::newRow("only spaces") << "   ";
}

void TestAddSupp::unusualButValidNamesAreSaved()
{
    QFETCH(QString, name);
    Harness h;
    h.fill(QStringLiteral("d"), QStringLiteral("p"), QStringLiteral("f"), name);
    h.save();
    QVERIFY(h.boxes.calls.isEmpty());
    QCOMPARE(h.files(), QStringList{name + QStringLiteral(".tsf")});
}

void TestAddSupp::fieldsThatWouldReadBackOtherwiseAreRefused_data()
{
    QTest::addColumn<QStringList>("typed");
    QTest::addColumn<QString>("message");
    QTest::addColumn<QString>("focus");
    QTest::newRow("star in description")
        << QStringList{"a*b", "p", "f"} << "The Description cannot hold \"*\": it separates the fields of the .tsf file."
        << "txtDesc";
    QTest::newRow("star in palette")
        << QStringList{"d", "pal*1", "f"} << "The Palette cannot hold \"*\": it separates the fields of the .tsf file."
        << "txtPal";
    QTest::newRow("line break in description")
        << QStringList{"a\r\nb", "p", "f"} << "The Description cannot hold a line break." << "txtDesc";
    QTest::newRow("carriage return in skin file")
        << QStringList{"d", "p", "f\rx"} << "The Skin FileName cannot hold a line break." << "txtFile";
}

void TestAddSupp::fieldsThatWouldReadBackOtherwiseAreRefused()
{
    QFETCH(QStringList, typed);
    QFETCH(QString, message);
    QFETCH(QString, focus);
    Harness h;
    h.fill(typed[0], typed[1], typed[2], QStringLiteral("n"));
    h.save();

    QCOMPARE(h.boxes.calls.size(), 1);
    QCOMPARE(h.boxes.calls[0].title, QStringLiteral("Invalid Data!"));
    QCOMPARE(h.boxes.calls[0].text, message);
    QVERIFY(h.files().isEmpty());
    QCOMPARE(h.texts(), typed + QStringList{QStringLiteral("n")});
    QCOMPARE(h.dialog->focusWidget()->objectName(), focus);
}

void TestAddSupp::refusedAsTheMenuWouldRefuse_data()
{
    QTest::addColumn<QString>("palette");
    QTest::addColumn<QString>("skinFile");
    QTest::addColumn<QString>("focus");
    QTest::newRow("palette that runs a program") << "p&calc" << "f.bmp" << "txtPal";
    QTest::newRow("palette with a blank") << "pal 1" << "f.bmp" << "txtPal";
    QTest::newRow("palette of blanks") << "  " << "f.bmp" << "txtPal";
    QTest::newRow("skin file that closes the quote") << "pal1" << "a\" & calc & \".bmp" << "txtFile";
    QTest::newRow("skin file the console page cannot hold") << "pal1" << "\u20acuro.bmp" << "txtFile";
    // A .tsf file can hold it (all after the second "*" is the skin file), the script cannot.
    QTest::newRow("skin file with a star") << "pal1" << "a*b.bmp" << "txtFile";
    // It names a file in the source folder and in New_Wendle, never a path out of them.
    QTest::newRow("skin file leading out of the folder") << "pal1" << "..\\..\\x.bmp" << "txtFile";
    QTest::newRow("skin file that is a device") << "pal1" << "LPT1.bmp" << "txtFile";
    // Windows drops a trailing dot or blank: the tools would open another file than the one named.
    QTest::newRow("skin file ending in a dot") << "pal1" << "f.bmp." << "txtFile";
    QTest::newRow("skin file ending in a blank") << "pal1" << "f.bmp " << "txtFile";
}

void TestAddSupp::refusedAsTheMenuWouldRefuse()
{
    QFETCH(QString, palette);
    QFETCH(QString, skinFile);
    QFETCH(QString, focus);
    Harness h;
    h.fill(QStringLiteral("d"), palette, skinFile, QStringLiteral("n"));
    h.save();
    QCOMPARE(h.boxes.titles(), QStringList{"Invalid Data!"});
    QVERIFY(h.files().isEmpty());
    QCOMPARE(h.dialog->focusWidget()->objectName(), focus);

    // The same definition written by other means: the menu refuses it with the same words.
    WriteTSF(h.dir.path(), QStringLiteral("n.tsf"), QStringLiteral("d"), palette, skinFile);
    IncludeMenu menu(h.boxes, h.dir.path(), [] { return *CodePage::byNumber(437); });
    menu.BuildUCIMenu();
    QCOMPARE(h.boxes.calls.size(), 2);
    QVERIFY2(h.boxes.calls[1].text.startsWith(QStringLiteral("Error 5:\r\n") + h.boxes.calls[0].text),
             qPrintable(h.boxes.calls[1].text));
}

void TestAddSupp::failedWriteIsReportedAndTextsStay_data()
{
    QTest::addColumn<bool>("folderIsAFile");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("reportStart");
    QTest::newRow("program folder is a file") << true << "d" << "Error 76:\r\n";
    QTest::newRow("character outside the code page") << false << QString::fromUtf8("Ω") << "Error 5:\r\n";
}

void TestAddSupp::failedWriteIsReportedAndTextsStay()
{
    QFETCH(bool, folderIsAFile);
    QFETCH(QString, description);
    QTemporaryDir outer;
    QString folder = outer.path();
    if (folderIsAFile) {
        folder = outer.filePath(QStringLiteral("not-a-folder"));
        QFile file(folder);
        QVERIFY(file.open(QIODevice::WriteOnly));
    }
    Harness h(folder);
    h.fill(description, QStringLiteral("p"), QStringLiteral("f"), QStringLiteral("x"));
    h.save();

    QCOMPARE(h.boxes.calls.size(), 1);
    QCOMPARE(h.boxes.calls[0].title, QStringLiteral("Add Support Error!"));
    QFETCH(QString, reportStart);
    QVERIFY2(h.boxes.calls[0].text.startsWith(reportStart), qPrintable(h.boxes.calls[0].text));
    QCOMPARE(h.texts(), (QStringList{description, QStringLiteral("p"), QStringLiteral("f"), QStringLiteral("x")}));
    QVERIFY(!QFile::exists(QDir(outer.path()).filePath(QStringLiteral("x.tsf"))));
}

void TestAddSupp::closeAndEscapeDestroyTheDialog()
{
    {
        Harness h;
        h.fill(QStringLiteral("d"), QStringLiteral("p"), QStringLiteral("f"), QStringLiteral("n"));
        QTest::mouseClick(h.button("cmdClose"), Qt::LeftButton);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(h.dialog.isNull());
        QVERIFY(h.files().isEmpty());
    }
    {
        Harness h;
        QTest::keyClick(h.box("txtDesc"), Qt::Key_Escape);
        QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QVERIFY(h.dialog.isNull());
    }
}

QTEST_MAIN(TestAddSupp)
#include "tst_addsupp.moc"
