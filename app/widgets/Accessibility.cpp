#include "widgets/Accessibility.h"

#include <QAbstractButton>
#include <QAccessibleWidget>
#include <QAction>
#include <QApplication>
#include <QKeyEvent>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QStyle>
#include <QTextDocumentFragment>

namespace brannock {

namespace {

const char *const kRoleProperty = "brannockAccessibleRole";
const char *const kNoAccessKeyProperty = "brannockNoAccessKey";

/// The menu that shows `action` (the first one it was added to).
QMenu *menuOf(const QAction *action)
{
    if (!action)
        return nullptr;
    for (QObject *holder : action->associatedObjects())
        if (auto *menu = qobject_cast<QMenu *>(holder))
            return menu;
    return nullptr;
}

/// The letter that chooses `entry` in its menu ("&Add" -> 'A'), or a null character.
QChar accessLetter(const QAction *entry)
{
    const QKeySequence mnemonic = QKeySequence::mnemonic(entry->text());
    if (mnemonic.isEmpty())
        return {};
    return QChar(char16_t(mnemonic[0].key())).toUpper();
}

/// A menu entry as Qt reads its own, except that an entry that can be ticked is a tick box
/// and a withdrawn access key is not read.
class MenuEntryAccessible final : public QAccessibleInterface, public QAccessibleActionInterface {
public:
    explicit MenuEntryAccessible(QAction *entry) : m_entry(entry) {}

    bool isValid() const override { return m_entry && menuOf(m_entry); }
    QObject *object() const override { return m_entry; }
    QWindow *window() const override
    {
        const QMenu *menu = menuOf(m_entry);
        return menu ? menu->windowHandle() : nullptr;
    }
    QAccessibleInterface *parent() const override { return QAccessible::queryAccessibleInterface(menuOf(m_entry)); }
    QAccessibleInterface *child(int index) const override
    {
        return index == 0 && m_entry->menu() ? QAccessible::queryAccessibleInterface(m_entry->menu()) : nullptr;
    }
    int childCount() const override { return m_entry->menu() ? 1 : 0; }
    int indexOfChild(const QAccessibleInterface *child) const override
    {
        return child && m_entry->menu() && child->object() == m_entry->menu() ? 0 : -1;
    }
    QAccessibleInterface *childAt(int x, int y) const override
    {
        QAccessibleInterface *sub = child(0);
        return sub && sub->rect().contains(x, y) ? sub : nullptr;
    }

    QString text(QAccessible::Text t) const override
    {
        if (t == QAccessible::Name)
            return spokenCaption(m_entry->text());
        if (t == QAccessible::Accelerator && !m_entry->property(kNoAccessKeyProperty).toBool()) {
            if (!m_entry->shortcut().isEmpty())
                return m_entry->shortcut().toString(QKeySequence::NativeText);
            const QKeySequence mnemonic = QKeySequence::mnemonic(m_entry->text());
            return mnemonic.toString(QKeySequence::NativeText);
        }
        return {};
    }
    void setText(QAccessible::Text, const QString &) override {}

    QRect rect() const override
    {
        const QMenu *menu = menuOf(m_entry);
        if (!menu)
            return {};
        return menu->actionGeometry(m_entry).translated(menu->mapToGlobal(QPoint(0, 0)));
    }

    QAccessible::Role role() const override
    {
        if (m_entry->isSeparator())
            return QAccessible::Separator;
        return m_entry->isCheckable() ? QAccessible::CheckBox : QAccessible::MenuItem;
    }

    QAccessible::State state() const override
    {
        QAccessible::State state;
        const QMenu *menu = menuOf(m_entry);
        if (!menu || !menu->isVisible() || !m_entry->isVisible())
            state.invisible = true;
        if (menu && menu->activeAction() == m_entry)
            state.focused = true;
        if (menu && menu->style()->styleHint(QStyle::SH_Menu_MouseTracking, nullptr, menu))
            state.hotTracked = true;
        if (m_entry->isSeparator() || !m_entry->isEnabled())
            state.disabled = true;
        state.checkable = m_entry->isCheckable();
        state.checked = m_entry->isChecked();
        return state;
    }

    void *interface_cast(QAccessible::InterfaceType type) override
    {
        return type == QAccessible::ActionInterface ? static_cast<QAccessibleActionInterface *>(this) : nullptr;
    }

    QStringList actionNames() const override
    {
        if (m_entry->isSeparator())
            return {};
        if (m_entry->menu())
            return {showMenuAction()};
        return {m_entry->isCheckable() ? toggleAction() : pressAction()};
    }
    void doAction(const QString &name) override
    {
        if (!m_entry->isEnabled())
            return;
        if (name == showMenuAction()) {
            if (QMenu *menu = menuOf(m_entry))
                menu->setActiveAction(m_entry);
        } else if (name == pressAction() || name == toggleAction()) {
            m_entry->trigger();
        }
    }
    QStringList keyBindingsForAction(const QString &) const override { return {}; }

private:
    QPointer<QAction> m_entry;
};

/// A widget in the role it was given; a label keeps reading its text as its name.
class RoleAccessible final : public QAccessibleWidget {
public:
    using QAccessibleWidget::QAccessibleWidget;

    QString text(QAccessible::Text t) const override
    {
        QString text = QAccessibleWidget::text(t);
        if (t != QAccessible::Name || !text.isEmpty())
            return text;
        if (const auto *label = qobject_cast<const QLabel *>(widget())) {
            text = label->text();
            if (label->textFormat() == Qt::RichText
                || (label->textFormat() == Qt::AutoText && Qt::mightBeRichText(text)))
                text = QTextDocumentFragment::fromHtml(text).toPlainText();
        }
        return text;
    }
};

QAccessibleInterface *accessibleFactory(const QString &className, QObject *object)
{
    if (auto *entry = qobject_cast<QAction *>(object)) {
        // Every entry of this program that can be ticked is read as a tick box.
        const bool ours = entry->isCheckable() || entry->property(kNoAccessKeyProperty).toBool();
        if (!ours || className != QLatin1String("QAction") || !menuOf(entry))
            return nullptr;
        return new MenuEntryAccessible(entry);
    }
    // Asked for the object's own class first, before anything Qt knows of its base classes.
    if (!object || !object->isWidgetType() || className != QLatin1String(object->metaObject()->className()))
        return nullptr;
    const QVariant role = object->property(kRoleProperty);
    return role.isValid() ? new RoleAccessible(static_cast<QWidget *>(object), QAccessible::Role(role.toInt()))
                          : nullptr;
}

void installFactory()
{
    static const bool installed = [] {
        QAccessible::installFactory(&accessibleFactory);
        return true;
    }();
    Q_UNUSED(installed);
}

/// In one menu: a letter that a withdrawn entry shows chooses the one other entry that shows
/// it, and nothing when no other entry does.
class AccessKeyOwners final : public QObject {
public:
    explicit AccessKeyOwners(QMenu *menu) : QObject(menu), m_menu(menu) {}

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched != m_menu || event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const Qt::KeyboardModifiers held = key->modifiers() & ~Qt::KeypadModifier;
        if (key->text().size() != 1 || (held != Qt::NoModifier && held != Qt::AltModifier && held != Qt::ShiftModifier))
            return false;
        const QChar letter = key->text().at(0).toUpper();
        bool withdrawn = false;
        QList<QAction *> owners;
        for (QAction *entry : m_menu->actions()) {
            if (entry->isSeparator() || !entry->isVisible() || accessLetter(entry) != letter)
                continue;
            if (entry->property(kNoAccessKeyProperty).toBool())
                withdrawn = true;
            else
                owners.append(entry);
        }
        if (!withdrawn || owners.size() > 1)
            return false; // as Qt does it
        if (owners.size() != 1 || !owners.first()->isEnabled())
            return true;
        QAction *owner = owners.first();
        if (owner->menu()) {
            m_menu->setActiveAction(owner); // opens its menu
            return true;
        }
        // Chosen as Enter chooses the highlighted entry: the menus close, then it runs.
        while (QWidget *popup = QApplication::activePopupWidget())
            popup->close();
        owner->activate(QAction::Trigger);
        return true;
    }

private:
    QMenu *m_menu;
};

/// Enter and Return click the button they reach.
class EnterPresses final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() != QEvent::KeyPress)
            return false;
        const auto *key = static_cast<QKeyEvent *>(event);
        const bool enter = key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter;
        if (!enter || (key->modifiers() & ~Qt::KeypadModifier) != Qt::NoModifier)
            return false;
        auto *button = qobject_cast<QAbstractButton *>(watched);
        if (!button)
            return false;
        if (!key->isAutoRepeat() && button->isEnabled())
            button->click();
        return true;
    }
};

} // namespace

void setAccessibleRole(QWidget *widget, QAccessible::Role role)
{
    installFactory();
    widget->setProperty(kRoleProperty, int(role));
}

QString spokenCaption(const QString &caption)
{
    QString spoken;
    spoken.reserve(caption.size());
    for (qsizetype i = 0; i < caption.size(); ++i) {
        if (caption[i] != QLatin1Char('&')) {
            spoken += caption[i];
        } else if (i + 1 < caption.size() && caption[i + 1] == QLatin1Char('&')) {
            spoken += QLatin1Char('&');
            ++i;
        }
    }
    return spoken;
}

void announceTicks(QAction *entry)
{
    installFactory();
    QObject::connect(entry, &QAction::toggled, entry, [entry] {
        if (!QAccessible::isActive())
            return;
        QAccessibleInterface *read = QAccessible::queryAccessibleInterface(entry);
        if (!read)
            return; // not in a menu (yet): nothing has read it
        QAccessible::State changed;
        changed.checked = true;
        QAccessibleStateChangeEvent event(read, changed);
        QAccessible::updateAccessibility(&event);
    });
}

void withdrawAccessKey(QAction *entry)
{
    installFactory();
    entry->setProperty(kNoAccessKeyProperty, true);
    for (QObject *holder : entry->associatedObjects()) {
        auto *menu = qobject_cast<QMenu *>(holder);
        if (!menu || menu->property(kNoAccessKeyProperty).toBool())
            continue; // the menu has its filter
        menu->setProperty(kNoAccessKeyProperty, true);
        menu->installEventFilter(new AccessKeyOwners(menu));
    }
}

void pressWithEnter(QAbstractButton *button)
{
    button->installEventFilter(new EnterPresses(button));
}

} // namespace brannock
