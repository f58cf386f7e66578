#pragma once

#include "AppError.h"
#include "ScriptRunner.h"

#include <QStringList>

#include <optional>

namespace brannock::test {

/// A ScriptRunner that records the paths it was asked to start; `failWith` makes it throw.
class FakeScriptRunner final : public ScriptRunner {
public:
    QStringList started;
    std::optional<AppError> failWith;

    void start(const QString &nativePath) override
    {
        if (failWith)
            throw *failWith;
        started.append(nativePath);
    }
};

} // namespace brannock::test
