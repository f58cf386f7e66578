#pragma once

#include "base/AppError.h"
#include "platform/CodePage.h"
#include "skinset/SkinCatalogue.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>
#include <optional>

class QAction;
class QMenu;
class QWidget;

namespace brannock {

class Prompts;

/// Flips the check mark of one menu entry; an entry without a mark is left alone.
void ToggleCheck(QAction *entry);

/// The User-Created entries that the .tsf files directly in a folder give, as read from the
/// files: plain values, made on any thread.
struct UserEntryList {
    /// One text per listed file ("Description * file.tsf"), in menu order.
    QStringList texts;
    /// The first file that could not be listed, and why; nullopt when every one was.
    std::optional<AppError> firstFailure;
    /// The names of the files that could not be listed, as a box shows them.
    QStringList notListed;
};

/// Reads the .tsf files directly in `folder` into entries, sorted as the Skins list: a file
/// that cannot be read, or whose palette or skin file could not go into Compile.bat written
/// in `scriptPage`, gets no entry; nor does any file past the menu's limit. A folder that
/// cannot be listed lists nothing.
UserEntryList readUserEntries(const QString &folder, const CodePage &scriptPage);

/// The Include menu `mnuInc`: the five category sub-menus of built-in items, the toggles and
/// the "&User-Created" sub-menu with one entry per .tsf file in the work folder. The
/// check marks are the selection; they start with the eight Team items ticked and are never
/// stored. Every QMenu and QAction carries its control name as objectName.
class IncludeMenu final : public QObject {
    Q_OBJECT
public:
    /// `boxes` shows the "UCI Menu Build Error!" box; the main window passes its boxes
    /// wrapped in the topmost protocol. `scriptCodePage` gives the code page Compile.bat is
    /// written in (asked once per rebuild), so definition files whose palette or skin file
    /// could not go into the script safely are reported.
    IncludeMenu(Prompts &boxes, QString workFolder, std::function<CodePage()> scriptCodePage,
                QObject *parent = nullptr);
    ~IncludeMenu() override;
    Q_DISABLE_COPY(IncludeMenu)

    // The menus and their entries are made on first use - none of them shows in the main
    // window's first frame - by the calls that hand them out. A menu handed out holds every
    // user-created entry.
    QMenu *includeMenu();
    QMenu *userCreatedMenu();
    QMenu *groupMenu(SkinGroup group);
    /// The entry of a built-in item, a toggle or a command, by its control name; null if none.
    QAction *action(const QString &controlName);

    /// Answered without making the menus: before they exist the marks are the first ones.
    bool isTicked(const SkinItem &item) const;
    /// Texts of the ticked user-created entries ("Description * file.tsf"), in menu order.
    QStringList tickedUserEntries() const;
    /// `mnuUCIs` elements 1 ... N (element 0, the fixed separator, is not listed).
    QList<QAction *> userEntries();

    /// Inverts every mark of one category (mnuTAll_Click ... mnuSAll_Click).
    void toggleGroup(SkinGroup group);
    /// Inverts all 31 built-in marks; user-created marks stay.
    void mnuTggl_Click();
    /// Inverts every user-created mark.
    void mnuTAUC_Click();

    /// Replaces the user-created entries by fresh, unticked ones made from the .tsf files
    /// directly in the work folder, in the order the folder listing gives them. A file
    /// that cannot be read, or whose palette or skin file could not go into Compile.bat, gets
    /// no entry; every other file does, and one "UCI Menu Build Error!" box reports the first
    /// failure and names the files left out.
    void BuildUCIMenu();
    /// BuildUCIMenu with the files read on a thread of their own, below the window's own work:
    /// the window stays free while they are read, and the entries (and the box) come once they
    /// are. Anything that needs the entries before then (a menu handed out, userEntries,
    /// toggling them) reads the files at once instead; a BuildUCIMenu meanwhile stands, and
    /// the background read's result is dropped.
    void BuildUCIMenuInBackground();

    /// The most user-created entries the menu holds.
    static constexpr int kMaxUserEntries = 32767;

signals:
    /// "&Add Support..." was chosen.
    void addSupportRequested();
    /// A build of the User-Created entries is done (before its box, if any).
    void userEntriesBuilt();

private:
    void ensureMenus();
    /// Makes the user-created entries (unticked, numbered 1...N) from the texts last read.
    void ensureUserEntries();
    void createBuiltInMenus();
    void createUserCreatedMenu();
    /// Takes what was read in the place of the current entries, and reports what failed.
    void takeUserEntries(UserEntryList read);
    QAction *makeAction(QMenu *menu, const QString &name, const QString &text);

    Prompts &m_boxes;
    QString m_workFolder;
    std::function<CodePage()> m_scriptCodePage;

    /// The texts of the user-created entries; the entries themselves are made from them when
    /// first needed (with thousands of files, most runs never open the menu).
    QStringList m_userTexts;
    bool m_userEntriesMade = true; ///< m_userEntries stand for m_userTexts
    bool m_readingInBackground = false; ///< the last build started reads in the background
    int m_buildNumber = 0;         ///< of the last build started; a background read of an older one is dropped

    QMenu *m_mnuInc = nullptr;
    QMenu *m_mnuUC = nullptr;
    QHash<SkinGroup, QMenu *> m_groupMenus;
    QHash<QString, QAction *> m_actions;
    QAction *m_mnuUCIs0 = nullptr;
    QAction *m_mnuUCSep1 = nullptr;
    QList<QAction *> m_userEntries;
    QObject *m_userEntryOwner = nullptr; ///< owns m_userEntries; a child of m_mnuUC
};

} // namespace brannock
