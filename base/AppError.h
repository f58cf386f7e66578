#pragma once

#include <QString>

#include <cerrno>
#include <exception>

namespace brannock {

/// Failure numbers shown in "Error <n>:" reports; one catalogue for the whole program.
namespace ErrorNumber {
inline constexpr int BadArgument = 5;        ///< malformed line, value or argument
inline constexpr int FileNotFound = 53;
inline constexpr int DiskFull = 61;
inline constexpr int InputPastEnd = 62;      ///< a file ended before the data it must hold
inline constexpr int PermissionDenied = 70;
inline constexpr int PathFileAccess = 75;    ///< the file or folder exists but cannot be used
inline constexpr int PathNotFound = 76;
inline constexpr int CannotStart = 423;      ///< a program could not be started
inline constexpr int SettingsStore = 1001;   ///< the settings store cannot be read or written
}

/// A trapped run-time failure: a number from ErrorNumber and a plain description that
/// names the file or folder concerned.
class AppError final : public std::exception {
public:
    AppError(int number, QString description);

    int number() const noexcept { return m_number; }
    const QString &description() const noexcept { return m_description; }
    const char *what() const noexcept override { return m_what.constData(); }

    /// "Error " + number + ":" + CR LF + description, the text of every failure box.
    QString report() const;

private:
    int m_number;
    QString m_description;
    QByteArray m_what;
};

/// The failure that a file operation on `path` met, mapped from the platform's error.
/// `action` says what was being done ("create", "read", "write", "delete", ...), in English;
/// the report shows it in the player's language.
AppError fileError(const QString &action, const QString &path, int errnoValue);

/// The failure report of the last failed file operation on `path` (`fileError` with
/// `action`), taking the errno value `fallback` as its cause when the system gave none (Qt
/// refuses some operations before the system is asked). Call clearFileError() before the
/// operation.
AppError lastFileFailure(const QString &action, const QString &path, int fallback);

} // namespace brannock
