#pragma once

#include <QString>
#include <QStringView>

namespace brannock {

/// Why `name` cannot stand as one file or folder name on Windows, as a reason that follows
/// the name of the field (`holds the character "\"; ...`, `is a device name`); empty when
/// it can. Refused: separators and the other characters Windows forbids in names, control
/// characters, names made of dots only ("." and ".." lead out of the folder), names ending
/// in a dot or a blank (Windows drops those, so the name would be another's) and device
/// names such as CON or LPT1, whatever extension follows them.
QString singleNameProblem(QStringView name);

} // namespace brannock
