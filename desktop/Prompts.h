#pragma once

#include <QString>

#include <optional>

class QDialog;
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
    /// Keeps every box above other programs' windows, topmost ones too (Primewell's boxes
    /// must not open behind a running Brannock).
    void setBoxesOnTop(bool onTop) { m_onTop = onTop; }

    PromptAnswer message(const QString &title, const QString &text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;

private:
    QWidget *boxParent() const;
    /// Puts the box on top of other programs' windows when asked to.
    void prepare(QDialog &box) const;

    QWidget *m_owner;
    bool m_onTop = false;
};

} // namespace brannock
