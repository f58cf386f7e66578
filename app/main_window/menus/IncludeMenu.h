#pragma once

#include "platform/CodePage.h"
#include "skinset/SkinCatalogue.h"

#include <QHash>
#include <QList>
#include <QObject>
#include <QString>
#include <QStringList>

#include <functional>

class QAction;
class QDir;
class QMenu;
class QWidget;

namespace brannock {

class Prompts;

/// Flips the check mark of one menu entry; an entry without a mark is left alone.
void ToggleCheck(QAction *entry);

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

    QMenu *includeMenu() const;
    QMenu *userCreatedMenu() const;
    QMenu *groupMenu(SkinGroup group) const;
    /// The entry of a built-in item, a toggle or a command, by its control name; null if none.
    QAction *action(const QString &controlName) const;

    bool isTicked(const SkinItem &item) const;
    /// Texts of the ticked user-created entries ("Description * file.tsf"), in menu order.
    QStringList tickedUserEntries() const;
    /// `mnuUCIs` elements 1 ... N (element 0, the fixed separator, is not listed).
    QList<QAction *> userEntries() const { return m_userEntries; }

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

    /// The most user-created entries the menu holds.
    static constexpr int kMaxUserEntries = 32767;

signals:
    /// "&Add Support..." was chosen.
    void addSupportRequested();

private:
    /// The menus are made on first use: none of them shows in the main window's first frame.
    void ensureMenus() const;
    void createBuiltInMenus();
    void createUserCreatedMenu();
    /// The entry, owned by `owner`, for the definition file `fileName` in `folder`, numbered
    /// `number`; throws AppError when the file cannot be listed.
    QAction *makeUserEntry(QObject *owner, const QDir &folder, const QString &fileName, qsizetype number,
                           const CodePage &scriptPage);
    /// Puts `fresh` (owned by `owner`) in the place of the current user-created entries, which
    /// are deleted with their owner.
    void replaceUserEntries(QObject *owner, QList<QAction *> fresh);
    QAction *makeAction(QMenu *menu, const QString &name, const QString &text);

    Prompts &m_boxes;
    QString m_workFolder;
    std::function<CodePage()> m_scriptCodePage;

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
