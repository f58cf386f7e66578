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

/// The real boxes: QMessageBox and QInputDialog, parented to `parent` (may be null).
class QtPrompts final : public Prompts {
public:
    explicit QtPrompts(QWidget *parent = nullptr) : m_parent(parent) {}

    PromptAnswer message(const QString &title, const QString &text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;

private:
    QWidget *m_parent;
};

} // namespace brannock
