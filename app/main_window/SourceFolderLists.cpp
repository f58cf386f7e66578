#include "main_window/SourceFolderLists.h"

#include "base/AppError.h"
#include "main_window/chrome/ChromeLayout.h"
#include "main_window/TopmostProtocol.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLabel>
#include <QPersistentModelIndex>
#include <QScrollBar>
#include <QSignalBlocker>
#include <QSortFilterProxyModel>
#include <QStyle>
#include <QTreeView>

#include <algorithm>

namespace brannock {

void FolderIcons::prepare()
{
    if (m_folder.isNull())
        m_folder = QApplication::style()->standardIcon(QStyle::SP_DirIcon);
}

QIcon FolderIcons::icon(IconType) const
{
    return m_folder;
}

QIcon FolderIcons::icon(const QFileInfo &) const
{
    return icon(Folder);
}

/// The branch of the file-system model under one drive's root, with the root itself as the
/// one top item: shown under the root's parent, it keeps only the root and what lies
/// under it. The root shows the drive's name from the drive list; every item shows its
/// whole path as its tooltip.
class DriveBranch final : public QSortFilterProxyModel {
public:
    using QSortFilterProxyModel::QSortFilterProxyModel;

    void setRoot(const QModelIndex &sourceRoot, const QString &label)
    {
        m_root = sourceRoot;
        m_label = label;
        invalidateFilter();
    }
    /// The item of the root's parent, at which the folder list is rooted.
    QModelIndex viewRoot() const { return mapFromSource(m_root.parent()); }
    QModelIndex rootItem() const { return mapFromSource(m_root); }

    QVariant data(const QModelIndex &index, int role) const override
    {
        if (role == Qt::ToolTipRole) {
            const auto *files = static_cast<const QFileSystemModel *>(sourceModel());
            return QDir::toNativeSeparators(files->filePath(mapToSource(index)));
        }
        if (role == Qt::DisplayRole && index.column() == 0 && mapToSource(index) == m_root)
            return m_label;
        return QSortFilterProxyModel::data(index, role);
    }

protected:
    bool filterAcceptsRow(int row, const QModelIndex &parent) const override
    {
        if (!m_root.isValid())
            return true;
        const QModelIndex item = sourceModel()->index(row, 0, parent);
        const auto holds = [](const QModelIndex &outer, const QModelIndex &inner) {
            for (QModelIndex at = inner; at.isValid(); at = at.parent())
                if (at == outer)
                    return true;
            return false;
        };
        return holds(item, m_root) || holds(m_root, item);
    }

private:
    QPersistentModelIndex m_root;
    QString m_label;
};

namespace {

/// A combo box that runs `beforeOpening` each time its list is about to open.
class RereadingComboBox final : public QComboBox {
public:
    RereadingComboBox(QWidget *parent, std::function<void()> beforeOpening)
        : QComboBox(parent), m_beforeOpening(std::move(beforeOpening))
    {
    }
    void showPopup() override
    {
        m_beforeOpening();
        QComboBox::showPopup();
    }

private:
    std::function<void()> m_beforeOpening;
};

} // namespace

SourceFolderLists::SourceFolderLists(QWidget *window, TopmostProtocol &boxes, DriveLister listDrives)
    : QObject(window), m_window(window), m_boxes(boxes), m_listDrives(std::move(listDrives)),
      m_drvList(new RereadingComboBox(window, [this] { readDrives(); })), m_dirFP(new QTreeView(window))
{
    m_drvList->setObjectName(QStringLiteral("drvList"));
    m_drvList->setGeometry(layout::DrvList);
    m_drvList->setToolTip(tr("Select the drive your new skins are on."));
    // No caption shows beside the lists. The drive list's name is the drive it shows, so
    // assistive technology reads its label from a label that names it and stays hidden.
    m_drvList->setAccessibleName(tr("Drive"));
    auto *driveLabel = new QLabel(tr("Drive"), window);
    driveLabel->setObjectName(QStringLiteral("lblDrive"));
    driveLabel->setBuddy(m_drvList);
    driveLabel->hide();
    readDrives();

    m_dirFP->setObjectName(QStringLiteral("DirFP"));
    m_dirFP->setGeometry(layout::DirFP);
    m_dirFP->setToolTip(tr("Select the directory your new skins are in."));
    m_dirFP->setAccessibleName(tr("Folder"));
    m_dirFP->setHeaderHidden(true);
    m_dirFP->setIndentation(10);
    // A long name widens the column and the list scrolls sideways instead of cutting it.
    m_dirFP->header()->setStretchLastSection(false);
    m_dirFP->header()->setSectionResizeMode(QHeaderView::ResizeToContents);
    m_dirFP->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);

    // The drive list shows the working folder's drive at once; the folder list is filled
    // by fillFolderList, once the window is on screen.
    m_pending = QDir::currentPath();
    m_drive = driveHolding(m_drives, m_pending);
    if (m_drive >= 0)
        m_drvList->setCurrentIndex(m_drive);
    connect(m_drvList, &QComboBox::currentIndexChanged, this, &SourceFolderLists::drvList_Change);
}

QFileSystemModel *SourceFolderLists::model()
{
    if (m_model)
        return m_model;
    // Made when the folder list is first filled: until then the list is empty, and the model,
    // its reading thread and the folder picture would only delay the window's first frame.
    m_model = new QFileSystemModel(this);
    m_model->setFilter(QDir::AllDirs | QDir::NoDotAndDotDot | QDir::Drives);
    m_model->setReadOnly(true);
    // One folder picture for every entry: asking the platform for each folder's own icon
    // costs more than the whole window's start.
    m_icons.prepare();
    m_model->setIconProvider(&m_icons);
    m_branch = new DriveBranch(this);
    m_branch->setSourceModel(m_model);
    m_dirFP->setModel(m_branch);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_dirFP->hideColumn(column);
    // The model reads folders in the background: the current folder is selected again
    // as each of its parents has been read.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, &SourceFolderLists::revealPending);
    connect(m_model, &QFileSystemModel::layoutChanged, this, &SourceFolderLists::revealPending);
    // A folder the user picks replaces the one still waiting to be revealed.
    connect(m_dirFP->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && pathOf(current) != QDir::toNativeSeparators(m_pending))
                    m_pending.clear();
            });
    connect(m_dirFP->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            &SourceFolderLists::keepHighlight);
    return m_model;
}

SourceFolderLists::~SourceFolderLists()
{
    delete m_branch;
    delete m_model; // before the icon provider it uses
}

QString SourceFolderLists::pathOf(const QModelIndex &item) const
{
    return QDir::toNativeSeparators(m_model->filePath(m_branch->mapToSource(item)));
}

void SourceFolderLists::keepHighlight()
{
    QItemSelectionModel *selection = m_dirFP->selectionModel();
    const QModelIndex current = m_dirFP->currentIndex();
    if (!selection->hasSelection() && current.isValid()) {
        selection->select(current, QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
        m_dirFP->horizontalScrollBar()->setValue(0);
    }
}

void SourceFolderLists::readDrives()
{
    QList<DriveEntry> drives = m_listDrives();
    const auto sameRoot = [](const QString &root) {
        return [root](const DriveEntry &drive) { return drive.rootPath == root; };
    };
    int current = -1;
    if (m_drive >= 0) {
        const DriveEntry shown = m_drives[m_drive];
        if (std::none_of(drives.cbegin(), drives.cend(), sameRoot(shown.rootPath)))
            drives.append(shown); // gone meanwhile, but the folder list still shows it
        current = int(std::find_if(drives.cbegin(), drives.cend(), sameRoot(shown.rootPath)) - drives.cbegin());
    }
    m_drives = std::move(drives);
    m_drive = current;
    const QSignalBlocker blocker(m_drvList);
    m_drvList->clear();
    for (const DriveEntry &drive : std::as_const(m_drives))
        m_drvList->addItem(drive.label, drive.rootPath);
    m_drvList->setCurrentIndex(m_drive);
}

void SourceFolderLists::fillFolderList()
{
    if (m_listed || m_drive < 0)
        return;
    showFolder(m_pending.isEmpty() ? m_drives[m_drive].rootPath : m_pending);
}

QString SourceFolderLists::currentPath() const
{
    if (!m_pending.isEmpty())
        return QDir::toNativeSeparators(m_pending);
    const QModelIndex index = m_dirFP->currentIndex();
    if (index.isValid())
        return pathOf(index);
    if (m_drive >= 0)
        return QDir::toNativeSeparators(m_drives[m_drive].rootPath);
    return QDir::toNativeSeparators(QDir::currentPath());
}

void SourceFolderLists::setCurrentPath(const QString &path)
{
    const int drive = driveHolding(m_drives, path);
    if (drive < 0)
        return;
    m_drive = drive;
    {
        const QSignalBlocker blocker(m_drvList);
        m_drvList->setCurrentIndex(drive);
    }
    showFolder(path);
}

void SourceFolderLists::drvList_Change(int index)
{
    if (index < 0 || index >= m_drives.size() || index == m_drive)
        return;
    const DriveEntry &drive = m_drives[index];
    const QFileInfo root(drive.rootPath);
    if (!root.isDir() || !root.isReadable() || !QDir(drive.rootPath).exists()) {
        //: The operation named in the title of its failure box ("%1 Error!").
        m_boxes.reportFailure(tr("Drive"),
                              AppError(ErrorNumber::PathNotFound,
                                       tr("The drive \"%1\" is not ready or cannot be read.")
                                           .arg(drive.label)));
        const QSignalBlocker blocker(m_drvList);
        m_drvList->setCurrentIndex(m_drive);
        return;
    }
    if (m_drive >= 0)
        m_driveFolder.insert(m_drives[m_drive].rootPath, currentPath());
    m_pending.clear();
    m_drive = index;
    showFolder(m_driveFolder.value(drive.rootPath, drive.rootPath));
}

void SourceFolderLists::showFolder(const QString &path)
{
    const DriveEntry &drive = m_drives[m_drive];
    const QModelIndex root = model()->setRootPath(drive.rootPath);
    m_branch->setRoot(root, drive.label);
    m_dirFP->setRootIndex(m_branch->viewRoot());
    m_dirFP->expand(m_branch->rootItem());
    m_listed = true;
    m_pending = QDir::fromNativeSeparators(path);
    revealPending();
}

void SourceFolderLists::revealPending()
{
    if (m_pending.isEmpty())
        return;
    const QModelIndex current = m_branch->mapFromSource(m_model->index(m_pending));
    if (!current.isValid()) {
        m_dirFP->setCurrentIndex(QModelIndex());
        return;
    }
    for (QModelIndex parent = current.parent(); parent.isValid(); parent = parent.parent())
        m_dirFP->expand(parent);
    m_dirFP->setCurrentIndex(current);
    m_dirFP->scrollTo(current, QAbstractItemView::PositionAtCenter);
    // Names are read from their beginning: bringing a deep folder into view never leaves
    // the list scrolled sideways.
    m_dirFP->horizontalScrollBar()->setValue(0);
}

} // namespace brannock
