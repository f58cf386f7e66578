#include "main_window/SourceFolderLists.h"

#include "common/AppError.h"
#include "main_window/chrome/ChromeLayout.h"
#include "main_window/TopmostProtocol.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QFileSystemModel>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QSignalBlocker>
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
    m_drvList->setToolTip(QStringLiteral("Select the drive your new skins are on."));
    readDrives();

    m_dirFP->setObjectName(QStringLiteral("DirFP"));
    m_dirFP->setGeometry(layout::DirFP);
    m_dirFP->setToolTip(QStringLiteral("Select the directory your new skins are in."));
    m_dirFP->setHeaderHidden(true);
    m_dirFP->setIndentation(10);

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
    m_dirFP->setModel(m_model);
    for (int column = 1; column < m_model->columnCount(); ++column)
        m_dirFP->hideColumn(column);
    // The model reads folders in the background: the current folder is selected again
    // as each of its parents has been read.
    connect(m_model, &QFileSystemModel::directoryLoaded, this, &SourceFolderLists::revealPending);
    connect(m_model, &QFileSystemModel::layoutChanged, this, &SourceFolderLists::revealPending);
    // A folder the user picks replaces the one still waiting to be revealed.
    connect(m_dirFP->selectionModel(), &QItemSelectionModel::currentChanged, this,
            [this](const QModelIndex &current) {
                if (current.isValid() && m_model->filePath(current) != m_pending)
                    m_pending.clear();
            });
    return m_model;
}

SourceFolderLists::~SourceFolderLists()
{
    delete m_model; // before the icon provider it uses
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
        return QDir::toNativeSeparators(m_model->filePath(index));
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
        m_boxes.reportFailure(QStringLiteral("Drive"),
                              AppError(ErrorNumber::PathNotFound,
                                       QStringLiteral("The drive \"%1\" is not ready or cannot be read.")
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
    const QString root = m_drives[m_drive].rootPath;
    m_dirFP->setRootIndex(model()->setRootPath(root));
    m_listed = true;
    m_pending = QDir::fromNativeSeparators(path);
    revealPending();
}

void SourceFolderLists::revealPending()
{
    if (m_pending.isEmpty())
        return;
    const QModelIndex current = m_model->index(m_pending);
    if (!current.isValid()) {
        m_dirFP->setCurrentIndex(QModelIndex());
        return;
    }
    for (QModelIndex parent = current.parent(); parent.isValid(); parent = parent.parent())
        m_dirFP->expand(parent);
    m_dirFP->setCurrentIndex(current);
    m_dirFP->scrollTo(current, QAbstractItemView::PositionAtCenter);
}

} // namespace brannock
