#include "desktop/Random.h"

#include <QDateTime>
#include <QRandomGenerator>

#include <memory>

namespace brannock {

RandomSource clockSeededRandom()
{
    const qint64 now = QDateTime::currentMSecsSinceEpoch();
    auto generator = std::make_shared<QRandomGenerator>(quint32(now ^ (now >> 32)));
    return [generator] { return generator->generateDouble(); };
}

} // namespace brannock
