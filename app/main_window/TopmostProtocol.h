#pragma once

#include "desktop/Prompts.h"

#include <functional>

namespace brannock {

class AppError;

/// The boxes of the main window: the window leaves the topmost band just before a box
/// or modal dialog is shown and returns to it just after, whatever the answer.
class TopmostProtocol final : public Prompts {
public:
    TopmostProtocol(Prompts &inner, std::function<void()> leaveBand, std::function<void()> returnToBand);

    PromptAnswer message(const QString &title, const QString &text, PromptButtons buttons,
                         PromptIcon icon) override;
    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override;

    /// Runs a modal dialog (or anything that shows one) inside the protocol.
    void runModal(const std::function<void()> &showModal);

    /// The failure box: text "Error n:" CR LF description, title `operation` + " Error!".
    void reportFailure(const QString &operation, const AppError &error);

private:
    Prompts &m_inner;
    std::function<void()> m_leave;
    std::function<void()> m_return;
};

} // namespace brannock
