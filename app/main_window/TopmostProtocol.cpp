#include "main_window/TopmostProtocol.h"

#include "base/AppError.h"

#include <QCoreApplication>

namespace brannock {

namespace {

/// Returns the window to the band when the box closes, also when showing it threw.
class BandReturn final {
public:
    explicit BandReturn(const std::function<void()> &back) : m_back(back) {}
    ~BandReturn() { m_back(); }
    Q_DISABLE_COPY(BandReturn)
private:
    const std::function<void()> &m_back;
};

} // namespace

TopmostProtocol::TopmostProtocol(Prompts &inner, std::function<void()> leaveBand,
                                 std::function<void()> returnToBand)
    : m_inner(inner), m_leave(std::move(leaveBand)), m_return(std::move(returnToBand))
{
}

PromptAnswer TopmostProtocol::message(const QString &title, const QString &text, PromptButtons buttons,
                                      PromptIcon icon)
{
    m_leave();
    BandReturn back(m_return);
    return m_inner.message(title, text, buttons, icon);
}

std::optional<QString> TopmostProtocol::input(const QString &prompt, const QString &title,
                                              const QString &defaultText)
{
    m_leave();
    BandReturn back(m_return);
    return m_inner.input(prompt, title, defaultText);
}

void TopmostProtocol::runModal(const std::function<void()> &showModal)
{
    m_leave();
    BandReturn back(m_return);
    showModal();
}

void TopmostProtocol::reportFailure(const QString &operation, const AppError &error)
{
    //: The title of a failure box; %1 is the operation ("Make", "Drive", "Settings").
    message(QCoreApplication::translate("brannock::TopmostProtocol", "%1 Error!").arg(operation), error.report(), PromptButtons::Ok, PromptIcon::Exclamation);
}

} // namespace brannock
