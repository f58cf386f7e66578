#include "look/LookRefresher.h"

#include "base/AppError.h"
#include "common/SettingsStore.h"
#include "desktop/Prompts.h"
#include "look/LookFiles.h"
#include "look/LookGradient.h"
#include "look/PlainBitmap.h"

#include <QFileInfo>
#include <QImageReader>
#include <QPainter>

namespace brannock {

namespace {

/// One button's look files: its normal picture goes to the visible button and its holder.
struct ButtonFile {
    const char *fileName;
    LookSlot holder;
    bool alsoVisible;
    LookSlot visible;
};

constexpr ButtonFile ButtonFiles[] = {
    {"min0.bmp", LookSlot::Min0, true, LookSlot::BPicMin},
    {"min1.bmp", LookSlot::Min1, false, LookSlot::Min1},
    {"exit0.bmp", LookSlot::Exit0, true, LookSlot::BPicExit},
    {"exit1.bmp", LookSlot::Exit1, false, LookSlot::Exit1},
    {"inc0.bmp", LookSlot::Inc0, true, LookSlot::BPicInc},
    {"inc1.bmp", LookSlot::Inc1, false, LookSlot::Inc1},
};

} // namespace

namespace {

/// The picture of `reader` at natural size; for icon files the 16 x 16 image when there is one.
QImage readLookImage(QImageReader &reader)
{
    QImage chosen;
    const int count = qMax(1, reader.imageCount());
    for (int i = 0; i < count; ++i) {
        if (i > 0 && !reader.jumpToNextImage())
            break;
        QImage image = reader.read();
        if (image.isNull())
            break;
        if (chosen.isNull() || image.size() == QSize(16, 16))
            chosen = image;
        if (chosen.size() == QSize(16, 16))
            break;
    }
    return chosen;
}

} // namespace

QPixmap loadLookPicture(const QString &nativePath)
{
    // Look files are bitmaps and icons as their names say: read as such first, which spares
    // asking every picture format whether it knows the content. A file whose content is
    // another format than its name is still read by what the content is.
    const QString suffix = QFileInfo(nativePath).suffix().toLower();
    QImage chosen;
    if (suffix == QLatin1String("bmp"))
        chosen = readPlainBitmap(nativePath);
    if (chosen.isNull() && (suffix == QLatin1String("bmp") || suffix == QLatin1String("ico"))) {
        QImageReader named(nativePath, suffix.toLatin1());
        named.setAutoDetectImageFormat(false);
        chosen = readLookImage(named);
    }
    if (!chosen.isNull())
        return QPixmap::fromImage(chosen);
    QImageReader reader(nativePath);
    reader.setDecideFormatFromContent(true);
    chosen = readLookImage(reader);
    if (chosen.isNull())
        throw AppError(ErrorNumber::PathFileAccess,
                       LookRefresher::tr("The picture \"%1\" cannot be read: %2").arg(nativePath, reader.errorString()));
    return QPixmap::fromImage(chosen);
}

LookRefresher::LookRefresher(const SettingsStore &store, Prompts &prompts, QStringList lookRoots,
                             LookTargets &targets)
    : m_store(store), m_prompts(prompts), m_lookRoots(std::move(lookRoots)), m_targets(targets)
{
    // The window is created with the built-in pictures; they stay there when the look is
    // never painted ("/nopaint/"), and the tray icon is added with the built-in one.
    const BuiltInPictures &b = builtInPictures(m_targets.pictureRatio());
    m_pictures = {b.min0bck, b.min1bck, b.min0bck, b.exit0bck, b.exit1bck, b.exit0bck,
                  b.inc0bck, b.inc1bck, b.inc0bck, b.iconbck,  b.sysbck};
}

QString LookRefresher::failureText()
{
    return tr("Something's wrong! Here are the possibilities: \r\n"
                          "- The color settings need fixing. Open the Configuration dialog(Click "
                          "'Configuration') or run Primewell.exe.\r\n"
                          "- There is a bad image in the currently selected Brannock Skinset. Change "
                          "Skins in the cleverly-named 'Skins' dialog(Click 'Skins').");
}

void LookRefresher::put(LookSlot slot, const QPixmap &picture)
{
    m_pictures[std::size_t(slot)] = picture;
    m_targets.setLookPicture(slot, picture);
}

void LookRefresher::setDefaultSkins()
{
    const BuiltInPictures &b = builtInPictures(m_targets.pictureRatio());
    put(LookSlot::Min0, b.min0bck);
    put(LookSlot::Min1, b.min1bck);
    put(LookSlot::BPicMin, b.min0bck);
    put(LookSlot::Exit0, b.exit0bck);
    put(LookSlot::Exit1, b.exit1bck);
    put(LookSlot::BPicExit, b.exit0bck);
    put(LookSlot::Inc0, b.inc0bck);
    put(LookSlot::Inc1, b.inc1bck);
    put(LookSlot::BPicInc, b.inc0bck);
    put(LookSlot::PicIcon, b.iconbck);
    put(LookSlot::SysImg, b.sysbck);
    m_targets.modifyTrayIcon(picture(LookSlot::SysImg));
}

QString LookRefresher::lookFile(const QString &fileName) const
{
    return lookFilePath(m_lookRoots, m_lookFolder, fileName);
}

void LookRefresher::applyTextColour()
{
    const LookRgb c = readLookColour(m_store, schema::ColorTxtR, schema::ColorTxtG, schema::ColorTxtB);
    m_targets.setLookTextColour(
        QColor(qBound(0, c.red, 255), qBound(0, c.green, 255), qBound(0, c.blue, 255)));
}

void LookRefresher::applyLookFolder(bool &backgroundLoaded)
{
    m_lookFolder = m_store.read(schema::SkinPath, schema::Reader::Program);

    const QString back = lookFile(QStringLiteral("back.bmp"));
    if (isLookFilePresent(back)) {
        const QPixmap picture = loadLookPicture(back);
        // The picture becomes the whole background; outside a smaller one stays black.
        QImage background(MainClientWidth, MainClientHeight, QImage::Format_RGB32);
        background.fill(Qt::black);
        QPainter painter(&background);
        painter.drawPixmap(0, 0, picture);
        painter.end();
        m_background = background;
        m_targets.setLookBackground(m_background);
        applyTextColour();
        backgroundLoaded = true;
    }

    const QString icon = lookFile(QStringLiteral("icon.bmp"));
    if (isLookFilePresent(icon))
        put(LookSlot::PicIcon, loadLookPicture(icon));

    const QString sysIcon = lookFile(QStringLiteral("sysicon.ico"));
    if (isLookFilePresent(sysIcon))
        put(LookSlot::SysImg, loadLookPicture(sysIcon));
    m_targets.modifyTrayIcon(picture(LookSlot::SysImg));

    for (const ButtonFile &file : ButtonFiles) {
        const QString path = lookFile(QString::fromLatin1(file.fileName));
        if (!isLookFilePresent(path))
            continue;
        const QPixmap loaded = loadLookPicture(path);
        if (file.alsoVisible)
            put(file.visible, loaded);
        put(file.holder, loaded);
    }
}

void LookRefresher::applyGradient()
{
    const GradientColours colours = readGradientColours(m_store);
    QImage background(MainClientWidth, MainClientHeight, QImage::Format_RGB32);
    DrawLookGradient(background, colours.left, colours.right);
    m_background = background;
    m_targets.setLookBackground(m_background);
    applyTextColour();
}

void LookRefresher::RefreshForm()
{
    if (!m_paintLook)
        return;
    try {
        setDefaultSkins();
        bool backgroundLoaded = false;
        if (m_store.isSet(schema::SkinUse, schema::Reader::Program))
            applyLookFolder(backgroundLoaded);
        if (!backgroundLoaded)
            applyGradient();
    } catch (const AppError &error) {
        // A settings store that cannot be read is named, so that the user can mend it.
        reportFailure(error.number() == ErrorNumber::SettingsStore ? error.report() : QString());
    }
}

void LookRefresher::reportFailure(const QString &storeFailure)
{
    m_targets.unsetAoT();
    const QString text =
        storeFailure.isEmpty() ? failureText() : failureText() + QStringLiteral("\r\n\r\n") + storeFailure;
    m_prompts.message(failureTitle(), text, PromptButtons::Ok, PromptIcon::None);
    m_targets.setAoT();
}

void LookRefresher::loadStartupSysIcon()
{
    if (!m_paintLook)
        return;
    const QString path = lookFile(QStringLiteral("sysicon.ico"));
    if (!isLookFilePresent(path))
        return;
    try {
        put(LookSlot::SysImg, loadLookPicture(path));
    } catch (const AppError &) {
        // An unreadable icon keeps the picture already in SysImg.
    }
}

CurrentLook LookRefresher::currentLook() const
{
    CurrentLook look;
    look.background = m_background;
    look.min0 = picture(LookSlot::Min0);
    look.exit0 = picture(LookSlot::Exit0);
    look.inc0 = picture(LookSlot::Inc0);
    look.icon = picture(LookSlot::PicIcon);
    look.sysIcon = picture(LookSlot::SysImg);
    return look;
}

} // namespace brannock
