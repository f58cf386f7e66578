#include "translations/WindowTexts.h"

#include <QAbstractButton>
#include <QAction>
#include <QCheckBox>
#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QStyle>

namespace brannock::test {

namespace {

QString escaped(QString text)
{
    return text.replace(QLatin1Char('\\'), QStringLiteral("\\\\"))
        .replace(QLatin1Char('\n'), QStringLiteral("\\n"))
        .replace(QLatin1Char('\r'), QStringLiteral("\\r"))
        .replace(QLatin1Char('\t'), QStringLiteral("\\t"));
}

/// The object's name, or its class and its place among unnamed siblings of that class.
QString step(const QObject *object)
{
    if (!object->objectName().isEmpty())
        return object->objectName();
    const QObject *parent = object->parent();
    int place = 0;
    if (parent) {
        for (const QObject *sibling : parent->children()) {
            if (sibling == object)
                break;
            if (sibling->objectName().isEmpty()
                && qstrcmp(sibling->metaObject()->className(), object->metaObject()->className()) == 0)
                ++place;
        }
    }
    return QStringLiteral("%1#%2").arg(QLatin1String(object->metaObject()->className())).arg(place);
}

QString pathOf(const QObject *object, const QObject *root)
{
    QStringList steps;
    for (const QObject *o = object; o && o != root; o = o->parent())
        steps.prepend(step(o));
    return steps.isEmpty() ? QStringLiteral(".") : steps.join(QLatin1Char('/'));
}

/// The caption as drawn: "&" marks the access key and "&&" stands for one "&".
QString shownCaption(const QString &caption)
{
    QString shown;
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] == QLatin1Char('&') && i + 1 < caption.size())
            ++i;
        shown += caption[i];
    }
    return shown;
}

void collect(QStringList &lines, const QString &window, const QObject *root, const QObject *object)
{
    const QString prefix = window + QLatin1Char('\t') + pathOf(object, root) + QLatin1Char('\t');
    const auto add = [&](const char *what, const QString &text) {
        if (!text.isEmpty())
            lines.append(prefix + QLatin1String(what) + QLatin1Char('\t') + escaped(text));
    };
    if (const auto *action = qobject_cast<const QAction *>(object)) {
        add("text", action->text());
        if (action->toolTip() != shownCaption(action->text()))
            add("toolTip", action->toolTip());
        add("statusTip", action->statusTip());
        add("whatsThis", action->whatsThis());
        return;
    }
    const auto *widget = qobject_cast<const QWidget *>(object);
    if (!widget)
        return;
    if (widget->isWindow())
        add("windowTitle", widget->windowTitle());
    add("toolTip", widget->toolTip());
    add("statusTip", widget->statusTip());
    add("whatsThis", widget->whatsThis());
    add("accessibleName", widget->accessibleName());
    add("accessibleDescription", widget->accessibleDescription());
    if (const auto *menu = qobject_cast<const QMenu *>(widget)) {
        add("title", menu->title());
        for (const QAction *action : menu->actions())
            if (!action->isSeparator())
                add("entry", action->text());
    } else if (const auto *label = qobject_cast<const QLabel *>(widget)) {
        add("text", label->text());
    } else if (const auto *button = qobject_cast<const QAbstractButton *>(widget)) {
        add("text", button->text());
    } else if (const auto *box = qobject_cast<const QLineEdit *>(widget)) {
        add("placeholderText", box->placeholderText());
    } else if (const auto *group = qobject_cast<const QGroupBox *>(widget)) {
        add("title", group->title());
    } else if (const auto *bar = qobject_cast<const QProgressBar *>(widget)) {
        add("format", bar->format());
    } else if (const auto *list = qobject_cast<const QComboBox *>(widget)) {
        for (int i = 0; i < list->count(); ++i)
            add("entry", list->itemText(i));
    } else if (const auto *items = qobject_cast<const QListWidget *>(widget)) {
        for (int i = 0; i < items->count(); ++i)
            add("entry", items->item(i)->text());
    }
}

} // namespace

QStringList windowTexts(const QString &window, QObject *root)
{
    QStringList lines;
    collect(lines, window, root, root);
    for (const QObject *child : root->findChildren<QObject *>())
        collect(lines, window, root, child);
    lines.sort();
    return lines;
}

QStringList cutCaptions(QWidget *root)
{
    QStringList cut;
    const auto check = [&](const QWidget *widget, const QString &caption, int needed, int width) {
        if (needed > width)
            cut.append(QStringLiteral("%1: %2 (%3 > %4 pixels)")
                           .arg(pathOf(widget, root), caption)
                           .arg(needed)
                           .arg(width));
    };
    for (QWidget *widget : root->findChildren<QWidget *>()) {
        if (!widget->isVisibleTo(root))
            continue;
        const QFontMetrics metrics(widget->font());
        if (const auto *label = qobject_cast<const QLabel *>(widget)) {
            if (label->wordWrap() || label->text().isEmpty() || label->textFormat() == Qt::RichText)
                continue;
            const QString shown = label->buddy() ? shownCaption(label->text()) : label->text();
            for (const QString &line : shown.split(QLatin1Char('\n')))
                check(widget, line, metrics.horizontalAdvance(line), label->contentsRect().width());
        } else if (const auto *box = qobject_cast<const QCheckBox *>(widget)) {
            const QStyle *style = box->style();
            const int indicator = style->pixelMetric(QStyle::PM_IndicatorWidth, nullptr, box)
                + style->pixelMetric(QStyle::PM_CheckBoxLabelSpacing, nullptr, box);
            const QString shown = shownCaption(box->text());
            check(widget, shown, indicator + metrics.horizontalAdvance(shown), box->width());
        } else if (const auto *button = qobject_cast<const QPushButton *>(widget)) {
            // The caption's room in a push button: its width less three pixels a side.
            const QString shown = shownCaption(button->text());
            if (!shown.isEmpty())
                check(widget, shown, metrics.horizontalAdvance(shown), button->width() - 6);
        }
    }
    return cut;
}

} // namespace brannock::test
