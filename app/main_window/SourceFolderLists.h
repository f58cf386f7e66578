#pragma once

#include "platform/Drives.h"

#include <QAbstractFileIconProvider>
#include <QHash>
#include <QObject>

#include <functional>

class QComboBox;
class QFileSystemModel;
class QTreeView;
class QWidget;

namespace brannock {

class TopmostProtocol;

/// Gives every folder of the folder list the same folder picture. Looking the picture up
/// in the icon theme costs about as much as the rest of the window's start, so it is made
/// by prepare() only when the folder list is first filled, after the first frame.
class FolderIcons final : public QAbstractFileIconProvider {
public:
    /// Makes the folder picture once. Call on the user-interface thread before the model
    /// reads any folder: the model asks for pictures from its reading thread.
    void prepare();
    QIcon icon(IconType type) const override;
    QIcon icon(const QFileInfo &info) const override;

private:
    QIcon m_folder;
};

class DriveBranch;

/// The drive list `drvList` and the folder list `DirFP` of the main window: the player
/// picks the folder that holds the new bitmaps. The folder list starts at the process's
/// working folder and the drive list at the drive that holds it. The drives are read
/// again each time the drive list opens, so a drive added meanwhile (a Wine prefix made
/// by the first build) shows without a restart. The folder list shows the drive's root as
/// its top item, so the root can be chosen too, and always keeps one folder highlighted:
/// the one the build uses. Names too long for the list scroll sideways and show whole in
/// their tooltip.
class SourceFolderLists final : public QObject {
    Q_OBJECT
public:
    using DriveLister = std::function<QList<DriveEntry>()>;

    SourceFolderLists(QWidget *window, TopmostProtocol &boxes, DriveLister listDrives);
    ~SourceFolderLists() override;

    QComboBox *drvList() const { return m_drvList; }
    QTreeView *DirFP() const { return m_dirFP; }

    /// The folder list's current folder (native path).
    QString currentPath() const;
    /// Points the folder list at `path` and the drive list at the drive that holds it.
    void setCurrentPath(const QString &path);
    /// Reads the folders into the folder list (done once the window shows, so that reading
    /// a large drive never delays the window's first frame).
    void fillFolderList();

    /// `drvList_Change`: the folder list goes to the chosen drive's current folder. A drive
    /// that cannot be read is reported and the lists stay where they were.
    void drvList_Change(int index);

private:
    /// Lists the drives afresh; the drive shown now stays listed and chosen.
    void readDrives();
    /// The folder model, made and attached to the folder list on first use.
    QFileSystemModel *model();
    void showFolder(const QString &path);
    /// Selects and reveals the pending folder once the model has read its parents.
    void revealPending();
    /// The native folder of an item of the folder list.
    QString pathOf(const QModelIndex &item) const;
    /// Highlights the current item again when a click on empty space or Ctrl+click took
    /// the highlight away.
    void keepHighlight();

    QWidget *m_window;
    TopmostProtocol &m_boxes;
    DriveLister m_listDrives;
    QList<DriveEntry> m_drives;
    QComboBox *m_drvList;
    QTreeView *m_dirFP;
    FolderIcons m_icons;
    QFileSystemModel *m_model = nullptr;
    DriveBranch *m_branch = nullptr; ///< the shown drive's branch of m_model
    int m_drive = -1;
    bool m_listed = false; ///< the folder list has been filled
    QString m_pending; ///< folder to select when the background reading reaches it
    QHash<QString, QString> m_driveFolder; ///< each drive's current folder, by its root
};

} // namespace brannock
