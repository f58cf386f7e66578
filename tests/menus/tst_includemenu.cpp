#include "base/AppError.h"
#include "fakes/FakePrompts.h"
#include "main_window/menus/IncludeMenu.h"
#include "skinset/SkinCatalogue.h"

#include <QAccessible>
#include <QAction>
#include <QDir>
#include <QDirIterator>
#include <QFile>
#include <QKeySequence>
#include <QMenu>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

using namespace brannock;
using brannock::test::FakePrompts;

namespace {

void writeFile(const QString &path, const QByteArray &bytes)
{
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
}

QStringList objectNames(const QMenu *menu)
{
    QStringList names;
    for (const QAction *a : menu->actions())
        names << a->objectName();
    return names;
}

/// The .tsf names in the order the menu lists them: as the Skins list, without regard to case.
QStringList listingOrder(const QString &folder)
{
    QStringList names;
    QDirIterator it(folder, {QStringLiteral("*.tsf")}, QDir::Files);
    while (it.hasNext()) {
        it.next();
        names << it.fileName();
    }
    std::sort(names.begin(), names.end(),
              [](const QString &a, const QString &b) { return a.compare(b, Qt::CaseInsensitive) < 0; });
    return names;
}

struct Harness {
    QTemporaryDir dir;
    FakePrompts boxes;
    IncludeMenu menu{boxes, dir.path(), [] { return *CodePage::byNumber(437); }};

    QAction *entry(const QString &name) { return menu.action(name); }
    void trigger(const QString &name) { menu.action(name)->trigger(); }
    QString file(const QString &name) const { return dir.filePath(name); }
    QStringList userTexts()
    {
        QStringList texts;
        for (const QAction *a : menu.userEntries())
            texts << (a->isSeparator() ? QStringLiteral("<separator>") : a->text());
        return texts;
    }
    /// The marks of all 31 built-in items, in catalogue order.
    QList<bool> marks() const
    {
        QList<bool> result;
        for (const SkinItem &item : SkinCatalogue::items())
            result << menu.isTicked(item);
        return result;
    }
};

} // namespace

class TestIncludeMenu final : public QObject {
    Q_OBJECT

private slots:
    void freshStartTicksExactlyTheTeamItems();
    void menuTreeOrder();
    void choosingAnEntryFlipsItsMark();
    void categoryToggleInvertsMixedMarks_data();
    void categoryToggleInvertsMixedMarks();
    void toggleAllLeavesUserEntries();
    void addSupportIsSignalled();
    void accessKeysEachChooseOneEntry_data();
    void accessKeysEachChooseOneEntry();
    void ticksAreReadAsTickBoxesAndHeardBothWays();

    void buildListsDefinitionsSortedAsTheSkinsList();
    void ampersandShowsAsWrittenAndTheBuildReadsItUnchanged();
    void buildSkipsSubFoldersAndFolders();
    void rebuildUnchecksAndFollowsTheFolder();
    void buildListsNamesStartingWithADot();
    void folderThatCannotBeListedEmptiesTheMenuQuietly();
    void toggleAllUserCreated();
    void badFileIsReportedAndTheOthersListed_data();
    void badFileIsReportedAndTheOthersListed();
    void severalBadFilesGiveOneBox();
    void backgroundBuildGivesWhatABuildGives();
    void entriesNeededBeforeTheBackgroundReadAreReadAtOnce();
};

void TestIncludeMenu::freshStartTicksExactlyTheTeamItems()
{
    Harness h;
    QCOMPARE(SkinCatalogue::items().size(), 31);
    int ticked = 0;
    for (const SkinItem &item : SkinCatalogue::items()) {
        QVERIFY2(h.entry(item.menuItem), qPrintable(item.menuItem));
        QCOMPARE(h.menu.isTicked(item), item.group == SkinGroup::Team);
        ticked += h.menu.isTicked(item);
    }
    QCOMPARE(ticked, 8);
    QVERIFY(h.menu.tickedUserEntries().isEmpty());
}

void TestIncludeMenu::menuTreeOrder()
{
    Harness h;
    QCOMPARE(h.menu.includeMenu()->objectName(), QStringLiteral("mnuInc"));
    QCOMPARE(h.menu.includeMenu()->title(), QStringLiteral("IncludeMenu"));
    QCOMPARE(objectNames(h.menu.includeMenu()),
             (QStringList{"mnuTSkins", "mnuFSkins", "mnuTuSkins", "mnuEqSkins", "mnuSSkins", "mnuISep1", "mnuTggl",
                          "mnuISep2", "mnuUC"}));
    QCOMPARE(objectNames(h.menu.groupMenu(SkinGroup::Turret)),
             (QStringList{"mnuTPlas", "mnuTELF", "mnuTRocket", "mnuTIn", "mnuTMort", "mnuTuSep1", "mnuTuAll"}));
    QCOMPARE(h.entry(QStringLiteral("mnuTuAll"))->text(), QStringLiteral("&Toggle Turret Skins"));

    // With no definition files, the two separators of the user-created menu stand together.
    QCOMPARE(objectNames(h.menu.userCreatedMenu()),
             (QStringList{"mnuUCAdd", "mnuRebuildUCI", "mnuUCIs", "mnuUCSep1", "mnuTAUC"}));
    QStringList captions;
    for (const QAction *a : h.menu.userCreatedMenu()->actions())
        captions << (a->isSeparator() ? QStringLiteral("-") : a->text());
    QCOMPARE(captions, (QStringList{"&Add Support...", "&Rebuild Menu", "-", "-", "Toggle &All(User-created)"}));
}

void TestIncludeMenu::choosingAnEntryFlipsItsMark()
{
    Harness h;
    const SkinItem *scout = SkinCatalogue::find(u"mnuScout");
    QVERIFY(scout);
    h.trigger(QStringLiteral("mnuScout"));
    QVERIFY(h.menu.isTicked(*scout));
    h.trigger(QStringLiteral("mnuScout"));
    QVERIFY(!h.menu.isTicked(*scout));

    ToggleCheck(h.entry(QStringLiteral("mnuTggl"))); // an entry without a mark stays as it is
    QVERIFY(!h.entry(QStringLiteral("mnuTggl"))->isChecked());
}

void TestIncludeMenu::categoryToggleInvertsMixedMarks_data()
{
    QTest::addColumn<QString>("toggle");
    QTest::addColumn<int>("group");
    QTest::addColumn<QStringList>("flipFirst"); ///< entries chosen before the toggle
    QTest::addColumn<int>("timesToggled");

    QTest::newRow("team once") << "mnuTAll" << int(SkinGroup::Team) << QStringList{} << 1;
    QTest::newRow("team twice") << "mnuTAll" << int(SkinGroup::Team) << QStringList{} << 2;
    QTest::newRow("team with light male cleared") << "mnuTAll" << int(SkinGroup::Team) << QStringList{"mnularmor"} << 1;
    QTest::newRow("flyer mixed") << "mnuFAll" << int(SkinGroup::Flyer) << QStringList{"mnuAPC", "mnuAStand"} << 1;
    QTest::newRow("turret mixed") << "mnuTuAll" << int(SkinGroup::Turret) << QStringList{"mnuTMort"} << 1;
    QTest::newRow("equipment mixed") << "mnuEAll" << int(SkinGroup::Equipment) << QStringList{"mnuESP"} << 1;
    QTest::newRow("station mixed") << "mnuSAll" << int(SkinGroup::Station) << QStringList{"mnuSCP_Y", "mnuSInv"} << 1;
}

void TestIncludeMenu::categoryToggleInvertsMixedMarks()
{
    QFETCH(QString, toggle);
    QFETCH(int, group);
    QFETCH(QStringList, flipFirst);
    QFETCH(int, timesToggled);
    Harness h;
    for (const QString &name : flipFirst)
        h.trigger(name);
    const QList<bool> before = h.marks();
    for (int i = 0; i < timesToggled; ++i)
        h.trigger(toggle);

    const QList<bool> after = h.marks();
    const bool inverted = timesToggled % 2 == 1;
    for (qsizetype i = 0; i < after.size(); ++i) {
        const SkinItem &item = SkinCatalogue::items().at(i);
        const bool expected = (int(item.group) == group && inverted) ? !before[i] : before[i];
        QVERIFY2(after[i] == expected, qPrintable(item.menuItem));
    }
    if (toggle == QLatin1String("mnuTAll") && flipFirst == QStringList{QStringLiteral("mnularmor")}) {
        QStringList ticked;
        for (const SkinItem &item : SkinCatalogue::items())
            if (h.menu.isTicked(item))
                ticked << item.menuItem;
        QCOMPARE(ticked, QStringList{QStringLiteral("mnularmor")});
    }
}

void TestIncludeMenu::toggleAllLeavesUserEntries()
{
    Harness h;
    writeFile(h.file(QStringLiteral("a.tsf")), "A*p*a.bmp\r\n");
    writeFile(h.file(QStringLiteral("b.tsf")), "B*p*b.bmp\r\n");
    h.menu.BuildUCIMenu();
    QCOMPARE(h.menu.userEntries().size(), 2);
    h.menu.userEntries().first()->trigger();
    const QStringList userTicked = h.menu.tickedUserEntries();
    QCOMPARE(userTicked.size(), 1);

    h.trigger(QStringLiteral("mnuTggl"));
    for (const SkinItem &item : SkinCatalogue::items())
        QCOMPARE(h.menu.isTicked(item), item.group != SkinGroup::Team);
    QCOMPARE(h.menu.tickedUserEntries(), userTicked);
}

void TestIncludeMenu::addSupportIsSignalled()
{
    Harness h;
    QSignalSpy spy(&h.menu, &IncludeMenu::addSupportRequested);
    h.trigger(QStringLiteral("mnuUCAdd"));
    QCOMPARE(spy.count(), 1);
}

void TestIncludeMenu::accessKeysEachChooseOneEntry_data()
{
    QTest::addColumn<QString>("menuName");
    QTest::addColumn<int>("key");
    QTest::addColumn<QString>("chosen"); ///< the entry the key runs
    // "&Add Support..." and "Toggle &All(User-created)" both show A: A opens Add Support.
    QTest::newRow("User-Created: a") << QStringLiteral("mnuUC") << int(Qt::Key_A) << QStringLiteral("mnuUCAdd");
    QTest::newRow("User-Created: r") << QStringLiteral("mnuUC") << int(Qt::Key_R) << QStringLiteral("mnuRebuildUCI");
    QTest::newRow("Team: t") << QStringLiteral("mnuTSkins") << int(Qt::Key_T) << QStringLiteral("mnuTAll");
}

void TestIncludeMenu::accessKeysEachChooseOneEntry()
{
    QFETCH(QString, menuName);
    QFETCH(int, key);
    QFETCH(QString, chosen);
    Harness h;
    writeFile(h.file(QStringLiteral("tag.tsf")), "Tag*pal1*tag.bmp\r\n");
    h.menu.BuildUCIMenu();
    QMenu *menu = h.menu.includeMenu()->findChild<QMenu *>(menuName);
    QVERIFY(menu);
    QSignalSpy addSupport(&h.menu, &IncludeMenu::addSupportRequested);
    QStringList triggered;
    for (QAction *entry : menu->actions())
        connect(entry, &QAction::triggered, this, [&triggered, entry] { triggered << entry->objectName(); });
    menu->popup(QPoint(10, 10));
    QVERIFY(QTest::qWaitForWindowExposed(menu));
    QTest::keyClick(menu, Qt::Key(key));
    QCOMPARE(triggered, QStringList{chosen});
    QVERIFY(!menu->isVisible()); // chosen, not merely highlighted
    QCOMPARE(addSupport.size(), chosen == QLatin1String("mnuUCAdd") ? 1 : 0);
    QVERIFY(h.menu.tickedUserEntries().isEmpty()); // no key flipped every mark
}

void TestIncludeMenu::ticksAreReadAsTickBoxesAndHeardBothWays()
{
    // The changes themselves reach a real assistive client: see test_a11y_atspi.
    Harness h;
    writeFile(h.file(QStringLiteral("tag.tsf")), "Tag & Co*pal1*tag.bmp\r\n");
    h.menu.BuildUCIMenu();
    QAccessibleInterface *team = QAccessible::queryAccessibleInterface(h.menu.groupMenu(SkinGroup::Team));
    QCOMPARE(team->text(QAccessible::Name), QStringLiteral("Team Skins"));
    QAccessibleInterface *light = team->child(0);
    QCOMPARE(light->text(QAccessible::Name), QStringLiteral("Light Male"));
    QCOMPARE(light->parent()->object(), h.menu.groupMenu(SkinGroup::Team));
    // Ticked or not, an item can be ticked: a tick box.
    QCOMPARE(light->role(), QAccessible::CheckBox);
    QVERIFY(light->state().checkable && light->state().checked);
    h.trigger(QStringLiteral("mnularmor"));
    QVERIFY(light->state().checkable && !light->state().checked);
    QCOMPARE(team->child(team->childCount() - 1)->role(), QAccessible::MenuItem); // the toggle

    QAccessibleInterface *user = QAccessible::queryAccessibleInterface(h.menu.userCreatedMenu());
    QCOMPARE(user->text(QAccessible::Name), QStringLiteral("User-Created"));
    QAccessibleInterface *tag = QAccessible::queryAccessibleInterface(h.menu.userEntries().first());
    QCOMPARE(tag->text(QAccessible::Name), QStringLiteral("Tag & Co * tag.tsf"));
    QCOMPARE(tag->role(), QAccessible::CheckBox);
    // The toggle shows "A" but answers no key: Add Support owns it.
    QCOMPARE(QAccessible::queryAccessibleInterface(h.entry(QStringLiteral("mnuTAUC")))->text(QAccessible::Accelerator),
             QString());
}

void TestIncludeMenu::buildListsDefinitionsSortedAsTheSkinsList()
{
    Harness h;
    writeFile(h.file(QStringLiteral("z.tsf")), "a*b*c\r\n");
    writeFile(h.file(QStringLiteral("abc.tsf")), "My skin*p*f.bmp\r\n");
    writeFile(h.file(QStringLiteral("notes.txt")), "x*y*z\r\n");
    writeFile(h.file(QStringLiteral("M.tsf")), " spaced *p*f.bmp\r\nsecond line\r\n");
    h.menu.BuildUCIMenu();
    QVERIFY(h.boxes.calls.isEmpty());

    // Whatever order the folder keeps them in, letter case aside.
    const QStringList inOrder{"My skin * abc.tsf", " spaced  * M.tsf", "a * z.tsf"};
    QCOMPARE(h.userTexts(), inOrder);
    {
        // Enough files that the folder's own order is never sorted by chance.
        Harness many;
        QStringList names;
        for (const char *name : {"q", "Delta", "b", "Kilo", "x", "alpha", "Echo", "m", "Golf", "c", "yankee", "H"})
            names << QLatin1String(name) + QStringLiteral(".tsf");
        for (const QString &name : std::as_const(names))
            writeFile(many.file(name), "d*p*f.bmp\r\n");
        many.menu.BuildUCIMenu();
        names.sort(Qt::CaseInsensitive);
        QStringList texts;
        for (const QString &name : std::as_const(names))
            texts << QStringLiteral("d * ") + name;
        QCOMPARE(many.userTexts(), texts);
    }

    // The entries stand between element 0 and mnuUCSep1, each unticked and numbered 1...N.
    const QList<QAction *> all = h.menu.userCreatedMenu()->actions();
    QCOMPARE(all.size(), 5 + 3);
    QCOMPARE(all.at(2)->objectName(), QStringLiteral("mnuUCIs"));
    QCOMPARE(all.at(6)->objectName(), QStringLiteral("mnuUCSep1"));
    for (int i = 0; i < 3; ++i) {
        QCOMPARE(all.at(3 + i), h.menu.userEntries().at(i));
        QCOMPARE(all.at(3 + i)->data().toInt(), i + 1);
        QVERIFY(all.at(3 + i)->isCheckable());
        QVERIFY(!all.at(3 + i)->isChecked());
    }

    // Ticked entries are reported in menu order, whatever order they were ticked in.
    h.menu.userEntries().at(2)->trigger();
    h.menu.userEntries().at(0)->trigger();
    QCOMPARE(h.menu.tickedUserEntries(), (QStringList{inOrder.at(0), inOrder.at(2)}));
}

void TestIncludeMenu::ampersandShowsAsWrittenAndTheBuildReadsItUnchanged()
{
    Harness h;
    writeFile(h.file(QStringLiteral("tj.tsf")), "Tom&Jerry*pal1*R&B.bmp\r\n");
    writeFile(h.file(QStringLiteral("a&&b.tsf")), "Rock && Roll*pal1*x.bmp\r\n");
    h.menu.BuildUCIMenu();
    QVERIFY(h.boxes.calls.isEmpty());
    const QList<QAction *> entries = h.menu.userEntries();
    QCOMPARE(entries.size(), 2);
    // No letter becomes an access key: the menu shows every "&" as written.
    for (const QAction *entry : entries)
        QVERIFY2(QKeySequence::mnemonic(entry->text()).isEmpty(), qPrintable(entry->text()));
    QCOMPARE(entries.at(1)->text(), QStringLiteral("Tom&&Jerry * tj.tsf"));
    // The build reads the text after the first "*" as the definition file, unescaped.
    for (QAction *entry : entries)
        entry->trigger();
    QCOMPARE(h.menu.tickedUserEntries(),
             (QStringList{QStringLiteral("Rock && Roll * a&&b.tsf"), QStringLiteral("Tom&Jerry * tj.tsf")}));
}

void TestIncludeMenu::buildSkipsSubFoldersAndFolders()
{
    Harness h;
    QDir folder(h.dir.path());
    QVERIFY(folder.mkdir(QStringLiteral("sub")));
    QVERIFY(folder.mkdir(QStringLiteral("folder.tsf")));
    writeFile(h.file(QStringLiteral("sub/deep.tsf")), "Deep*p*f\r\n");
    writeFile(h.file(QStringLiteral("top.tsf")), "Top*p*f\r\n");
    h.menu.BuildUCIMenu();
    QVERIFY(h.boxes.calls.isEmpty());
    QCOMPARE(h.userTexts(), QStringList{QStringLiteral("Top * top.tsf")});
}

void TestIncludeMenu::rebuildUnchecksAndFollowsTheFolder()
{
    Harness h;
    writeFile(h.file(QStringLiteral("a.tsf")), "A*p*f\r\n");
    writeFile(h.file(QStringLiteral("b.tsf")), "B*p*f\r\n");
    h.menu.BuildUCIMenu();
    for (QAction *a : h.menu.userEntries())
        a->trigger();
    QCOMPARE(h.menu.tickedUserEntries().size(), 2);

    QVERIFY(QFile::remove(h.file(QStringLiteral("a.tsf"))));
    writeFile(h.file(QStringLiteral("c.tsf")), "C*p*f\r\n");
    QCOMPARE(h.menu.userEntries().size(), 2); // nothing changes until the rebuild

    h.trigger(QStringLiteral("mnuRebuildUCI"));
    QStringList texts = h.userTexts();
    texts.sort();
    QCOMPARE(texts, (QStringList{"B * b.tsf", "C * c.tsf"}));
    QVERIFY(h.menu.tickedUserEntries().isEmpty());
    QCOMPARE(h.menu.userCreatedMenu()->actions().size(), 5 + 2);
}

void TestIncludeMenu::buildListsNamesStartingWithADot()
{
    Harness h;
    writeFile(h.file(QStringLiteral(".dot.tsf")), "Dot*p*f\r\n");
    writeFile(h.file(QStringLiteral("plain.tsf")), "Plain*p*f\r\n");
    h.menu.BuildUCIMenu();
    QVERIFY(h.boxes.calls.isEmpty());
    QStringList texts = h.userTexts();
    texts.sort();
    QCOMPARE(texts, (QStringList{"Dot * .dot.tsf", "Plain * plain.tsf"}));
}

void TestIncludeMenu::folderThatCannotBeListedEmptiesTheMenuQuietly()
{
    // A work folder that is not made yet is the usual case; it lists nothing, without a box.
    QTemporaryDir outer;
    const QString folder = outer.filePath(QStringLiteral("work"));
    QVERIFY(QDir().mkdir(folder));
    writeFile(QDir(folder).filePath(QStringLiteral("a.tsf")), "A*p*f\r\n");
    FakePrompts boxes;
    IncludeMenu menu(boxes, folder, [] { return *CodePage::byNumber(437); });
    menu.BuildUCIMenu();
    QCOMPARE(menu.userEntries().size(), 1);

    QVERIFY(QDir(folder).removeRecursively());
    menu.BuildUCIMenu();
    QVERIFY(boxes.calls.isEmpty());
    QVERIFY(menu.userEntries().isEmpty());
    QCOMPARE(objectNames(menu.userCreatedMenu()),
             (QStringList{"mnuUCAdd", "mnuRebuildUCI", "mnuUCIs", "mnuUCSep1", "mnuTAUC"}));
}

void TestIncludeMenu::toggleAllUserCreated()
{
    Harness h;
    h.trigger(QStringLiteral("mnuTAUC")); // only the separator: nothing happens
    QVERIFY(h.menu.tickedUserEntries().isEmpty());

    for (const char *name : {"a.tsf", "b.tsf", "c.tsf"})
        writeFile(h.file(QLatin1String(name)), QByteArray(name) + "*p*f\r\n");
    h.menu.BuildUCIMenu();
    const QList<QAction *> entries = h.menu.userEntries();
    QCOMPARE(entries.size(), 3);
    entries.at(0)->trigger();
    const QList<bool> before = h.marks();
    h.trigger(QStringLiteral("mnuTAUC"));
    QCOMPARE(h.menu.tickedUserEntries(), (QStringList{entries.at(1)->text(), entries.at(2)->text()}));
    QCOMPARE(h.marks(), before); // the built-in marks stay
}

void TestIncludeMenu::badFileIsReportedAndTheOthersListed_data()
{
    QTest::addColumn<QByteArray>("badContent");
    QTest::addColumn<int>("errorNumber");
    QTest::addColumn<QString>("mentioned"); ///< a text the report must hold

    QTest::newRow("no star") << QByteArray("no separators\r\n") << 5 << "";
    QTest::newRow("one star") << QByteArray("Desc*only one\r\n") << 5 << "";
    QTest::newRow("empty file") << QByteArray() << 62 << "";
    QTest::newRow("palette that runs a command")
        << QByteArray("Desc*pal1 & del *\r\nx\r\n") << 5 << "\"pal1 & del \"";
    QTest::newRow("palette that looks like an option") << QByteArray("Desc*/q*f.bmp") << 5 << "";
    QTest::newRow("skin file that closes the quote")
        << QByteArray("Desc*pal*x\" & calc & \".bmp") << 5 << "skin file";
    QTest::newRow("skin file with a variable") << QByteArray("Desc*pal*%PATH%.bmp") << 5 << "%";
    QTest::newRow("skin file the console page cannot hold")
        << QByteArray("Desc*pal*\x80uro.bmp") << 5 << "437";
    QTest::newRow("skin file name that would break out of a long line")
        << "Desc*pal*" + QByteArray(8300, 'A') + "&echo pwned>pwned&" << 5 << "longer than 767";
    QTest::newRow("line that ends in LF only: its breaks shown, never made")
        << QByteArray("Desc*pal*ok.bmp\nsecond\n") << 5 << "\"ok.bmp<LF>second<LF>\"";
}

void TestIncludeMenu::badFileIsReportedAndTheOthersListed()
{
    QFETCH(QByteArray, badContent);
    QFETCH(int, errorNumber);
    QFETCH(QString, mentioned);
    Harness h;
    for (const char *name : {"one.tsf", "two.tsf", "three.tsf"})
        writeFile(h.file(QLatin1String(name)), QByteArray(name).toUpper() + "*lush*ok.bmp\r\n");
    const QStringList order = listingOrder(h.dir.path());
    const QString bad = order.at(1);
    writeFile(h.file(bad), badContent);

    h.menu.BuildUCIMenu();
    QCOMPARE(h.boxes.calls.size(), 1);
    const auto &box = h.boxes.calls.first();
    QCOMPARE(box.title, QStringLiteral("UCI Menu Build Error!"));
    QCOMPARE(box.buttons, PromptButtons::Ok);
    QCOMPARE(box.icon, PromptIcon::Exclamation);
    QVERIFY2(box.text.startsWith(QStringLiteral("Error %1:\r\n").arg(errorNumber)), qPrintable(box.text));
    QVERIFY2(box.text.contains(mentioned), qPrintable(box.text));
    QVERIFY2(!QString(box.text).remove(QStringLiteral("\r\n")).contains(QLatin1Char('\n')), qPrintable(box.text));
    QVERIFY2(box.text.endsWith(QStringLiteral("\r\n\r\nNot listed in the menu: %1. Every other definition file is listed.")
                                   .arg(bad)),
             qPrintable(box.text));

    // The bad file gets no entry, so it can never be ticked; the files after it do.
    const auto textOf = [](const QString &name) { return name.toUpper() + QStringLiteral(" * ") + name; };
    QCOMPARE(h.userTexts(), (QStringList{textOf(order.at(0)), textOf(order.at(2))}));
    for (int i = 0; i < 2; ++i)
        QCOMPARE(h.menu.userEntries().at(i)->data().toInt(), i + 1);
    h.menu.userEntries().last()->trigger();
    QCOMPARE(h.menu.tickedUserEntries(), QStringList{textOf(order.at(2))});
}

void TestIncludeMenu::severalBadFilesGiveOneBox()
{
    Harness h;
    for (int n = 0; n < 40; ++n)
        writeFile(h.file(QStringLiteral("item%1.tsf").arg(n)),
                  n % 3 == 1 ? QByteArray("broken\r\n") : QByteArray("Item*p*f.bmp\r\n"));
    h.menu.BuildUCIMenu();
    QCOMPARE(h.userTexts().size(), 27);
    QCOMPARE(h.boxes.calls.size(), 1);
    // Ten names, then how many more.
    QVERIFY2(h.boxes.calls[0].text.contains(QStringLiteral(" and 3 more. Every other definition file is listed.")),
             qPrintable(h.boxes.calls[0].text));
}

void TestIncludeMenu::backgroundBuildGivesWhatABuildGives()
{
    Harness now, later;
    for (Harness *h : {&now, &later}) {
        for (int n = 0; n < 30; ++n)
            writeFile(h->file(QStringLiteral("item%1.tsf").arg(n)),
                      n % 7 == 3 ? QByteArray("broken\r\n") : "Item " + QByteArray::number(n) + "*p*f.bmp\r\n");
    }
    now.menu.BuildUCIMenu();

    QSignalSpy built(&later.menu, &IncludeMenu::userEntriesBuilt);
    later.menu.BuildUCIMenuInBackground();
    // Nothing comes before the read is done: no entry can be ticked, no box shows.
    QVERIFY(later.menu.tickedUserEntries().isEmpty());
    QVERIFY(later.boxes.calls.isEmpty());
    QVERIFY(built.wait(10000));
    QCOMPARE(built.count(), 1);
    QCOMPARE(later.userTexts(), now.userTexts());
    QCOMPARE(later.boxes.calls.size(), 1);
    QCOMPARE(later.boxes.calls.first().title, now.boxes.calls.first().title);
    // Each harness has a folder of its own, which the box names as the system writes it.
    const auto inFolder = [](const Harness &h) {
        return QString(h.boxes.calls.first().text).replace(QDir::toNativeSeparators(h.dir.path()), QStringLiteral("<folder>"));
    };
    QCOMPARE(inFolder(later), inFolder(now));
    const QList<QAction *> entries = later.menu.userEntries();
    for (qsizetype i = 0; i < entries.size(); ++i)
        QCOMPARE(entries.at(i)->data().toInt(), i + 1);
}

void TestIncludeMenu::entriesNeededBeforeTheBackgroundReadAreReadAtOnce()
{
    Harness h;
    for (int n = 0; n < 200; ++n)
        writeFile(h.file(QStringLiteral("item%1.tsf").arg(n)), "Item*p*f.bmp\r\n");
    QSignalSpy built(&h.menu, &IncludeMenu::userEntriesBuilt);
    h.menu.BuildUCIMenuInBackground();
    // The menu handed out at once holds every entry, whether or not the read is done.
    QCOMPARE(h.menu.userCreatedMenu()->actions().size(), 5 + 200);
    QCOMPARE(built.count(), 1);
    QAction *ticked = h.menu.userEntries().at(7);
    ticked->trigger();

    // The background read ends later and changes nothing: the entries and their marks stay.
    const QList<QAction *> entries = h.menu.userEntries();
    QTest::qWait(200);
    QCOMPARE(built.count(), 1);
    QCOMPARE(h.menu.userEntries(), entries);
    QCOMPARE(h.menu.tickedUserEntries(), QStringList{ticked->text()});
}

QTEST_MAIN(TestIncludeMenu)
#include "tst_includemenu.moc"
