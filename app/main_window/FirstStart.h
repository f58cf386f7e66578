#pragma once

#include <QCoreApplication>
#include <QString>

namespace brannock {

class DosPaths;
class SettingsStore;
class TopmostProtocol;

/// A start without any settings (Primewell never ran for this user) would leave the
/// window without colours: black, its texts black on black. One box says so and offers to
/// write the defaults that Primewell writes, all in one write, the game folder included
/// when a standard install is found.
class FirstStart final {
    Q_DECLARE_TR_FUNCTIONS(brannock::FirstStart)
public:
    FirstStart(SettingsStore &store, TopmostProtocol &boxes, const DosPaths &dosPaths, QString programFolder);

    /// Whether the store holds no setting at all: one look at the store.
    bool needed() const;

    /// The box, and on Yes the write. True when the store holds settings afterwards (written
    /// now, or by Primewell while the box was open), so the look is to be applied again.
    /// A store that cannot be written is reported in a box and keeps what it held.
    bool offerDefaults();

    static QString title() { return tr("No settings found"); }

private:
    QString question(const QString &gameFolder) const;

    SettingsStore &m_store;
    TopmostProtocol &m_boxes;
    const DosPaths &m_dosPaths;
    QString m_programFolder;
};

} // namespace brannock
