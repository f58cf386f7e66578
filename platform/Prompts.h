#pragma once

#include <QString>

#include <optional>

class QWidget;

namespace brannock {

enum class PromptButtons { Ok, YesNo };
enum class PromptIcon { None, Information, Question, Exclamation };
enum class PromptAnswer { Ok, Yes, No };

/// Message boxes and the text-input box. Every box of both programs goes through this
/// port, so tests answer them in advance and read back what was asked.
class Prompts {
public:
    virtual ~Prompts() = default;

    /// Shows a modal message box and returns the button pressed.
    virtual PromptAnswer message(const QString &title, const QString &text, PromptButtons buttons,
                                 PromptIcon icon) = 0;

    /// Shows a modal text-input box prefilled with `defaultText`; nullopt when cancelled.
    virtual std::optional<QString> input(const QString &prompt, const QString &title,
                                         const QString &defaultText) = 0;
};

/// The real boxes: QMessageBox and QInputDialog. Each box belongs to the window the user
/// is working in (a modal dialog, else the active window, else `owner`), so it opens
/// over that window and in front of it; without any of them it opens centred on the screen.
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget *owner = nullptr) : m_owner(owner) {}

    /// The program's main window, once it exists.
    void setOwner(QWidget *owner) { m_owner = owner; }

    PromptAnswer message(const QString &title, const QString &text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;

private:
    QWidget *boxParent() const;

    QWidget *m_owner;
};

} // namespace brannock
