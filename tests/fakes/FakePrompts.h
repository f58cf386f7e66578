#pragma once

#include "desktop/Prompts.h"

#include <QList>
#include <QString>

#include <functional>
#include <optional>

namespace brannock::test {

/// A Prompts that records every box and answers from a script. An unscripted message
/// box answers Ok (or No for Yes/No); an unscripted input box returns its default text.
class FakePrompts final : public Prompts {
public:
    struct Call {
        enum Kind { Message, Input } kind;
        QString title;
        QString text; ///< message text, or the input prompt
        PromptButtons buttons = PromptButtons::Ok;
        PromptIcon icon = PromptIcon::None;
        QString defaultText; ///< input boxes only
    };

    QList<Call> calls;
    QList<PromptAnswer> answers;               ///< consumed by message boxes in order
    QList<std::optional<QString>> inputAnswers; ///< consumed by input boxes in order
    /// Called while each box is "open" (tests check the state of the window then).
    std::function<void(const Call &)> onShow;

    PromptAnswer message(const QString &title, const QString &text, PromptButtons buttons,
                         PromptIcon icon) override
    {
        calls.append({Call::Message, title, text, buttons, icon, {}});
        if (onShow)
            onShow(calls.last());
        if (!answers.isEmpty())
            return answers.takeFirst();
        return buttons == PromptButtons::YesNo ? PromptAnswer::No : PromptAnswer::Ok;
    }

    std::optional<QString> input(const QString &prompt, const QString &title,
                                 const QString &defaultText) override
    {
        calls.append({Call::Input, title, prompt, PromptButtons::Ok, PromptIcon::None, defaultText});
        if (onShow)
            onShow(calls.last());
        if (!inputAnswers.isEmpty())
            return inputAnswers.takeFirst();
        return defaultText;
    }

    QStringList titles() const
    {
        QStringList result;
        for (const Call &call : calls)
            result << call.title;
        return result;
    }
};

} // namespace brannock::test
