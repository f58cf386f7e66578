#pragma once

#include "Drives.h"

#include <QHash>
#include <QObject>

class QComboBox;
class QFileSystemModel;
class QTreeView;
class QWidget;

namespace brannock {

class TopmostProtocol;

/// The drive list `drvList` and the folder list `DirFP` of the main window: the player
/// picks the folder that holds the new bitmaps. The folder list starts at the process's
/// working folder and the drive list at the drive that holds it.
class SourceFolderLists final : public QObject {
    Q_OBJECT
public:
    SourceFolderLists(QWidget *window, TopmostProtocol &boxes, QList<DriveEntry> drives);

    QComboBox *drvList() const { return m_drvList; }
    QTreeView *DirFP() const { return m_dirFP; }

    /// The folder list's current folder (native path).
    QString currentPath() const;
    /// Points the folder list at `path` and the drive list at the drive that holds it.
    void setCurrentPath(const QString &path);

    /// `drvList_Change`: the folder list goes to the chosen drive's current folder. A drive
    /// that cannot be read is reported and the lists stay where they were.
    void drvList_Change(int index);

private:
    void showFolder(const QString &path);
    /// Selects and reveals the pending folder once the model has read its parents.
    void revealPending();

    QWidget *m_window;
    TopmostProtocol &m_boxes;
    QList<DriveEntry> m_drives;
    QComboBox *m_drvList;
    QTreeView *m_dirFP;
    QFileSystemModel *m_model;
    int m_drive = -1;
    QString m_pending; ///< folder to select when the background reading reaches it
    QHash<int, QString> m_driveFolder; ///< each drive's current folder
};

} // namespace brannock
