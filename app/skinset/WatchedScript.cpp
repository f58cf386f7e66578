#include "skinset/WatchedScript.h"

#include <QList>
#include <QRandomGenerator>

namespace brannock::watch {

QByteArray watchedScript(const QByteArray &scriptBytes, const QByteArray &token)
{
    QList<QByteArray> lines = scriptBytes.split('\n');
    if (!lines.isEmpty() && lines.last().isEmpty())
        lines.removeLast(); // the last line's own end
    QByteArray out;
    out.reserve(scriptBytes.size() + lines.size() * (140 + 2 * token.size()));
    int n = 0;
    for (QByteArray line : lines) {
        if (line.endsWith('\r'))
            line.chop(1);
        const QByteArray number = QByteArray::number(++n);
        out += "@echo " + token + " begin " + number + "\r\n";
        out += line + "\r\n";
        out += "@echo " + token + " end " + number + " %ERRORLEVEL%\r\n";
        out += "@set BRANNOCK_GO=\r\n"
               "@set /p BRANNOCK_GO=\r\n"
               "@if not \"%BRANNOCK_GO%\"==\"go\" exit /b 1\r\n";
    }
    return out;
}

QByteArray newToken()
{
    const quint64 a = QRandomGenerator::system()->generate64();
    const quint64 b = QRandomGenerator::system()->generate64();
    return "[brannock-" + QByteArray::number(a, 36) + QByteArray::number(b, 36) + "]";
}

QByteArray answer(bool goOn)
{
    return goOn ? QByteArrayLiteral("go\r\n") : QByteArrayLiteral("stop\r\n");
}

std::optional<Marker> markerOf(QStringView line, QStringView token)
{
    line = line.trimmed();
    if (token.isEmpty() || !line.startsWith(token) || line.size() <= token.size() || line[token.size()] != QLatin1Char(' '))
        return std::nullopt;
    const QList<QStringView> words = line.mid(token.size() + 1).split(QLatin1Char(' '), Qt::SkipEmptyParts);
    Marker marker;
    bool ok = false;
    if (words.size() == 2 && words[0] == QLatin1String("begin")) {
        marker.kind = Marker::Kind::Begin;
        marker.line = words[1].toInt(&ok);
    } else if (words.size() == 3 && words[0] == QLatin1String("end")) {
        marker.kind = Marker::Kind::End;
        marker.line = words[1].toInt(&ok);
        bool codeOk = false;
        marker.exitCode = words[2].toInt(&codeOk);
        if (!codeOk) // a status past int's range still is a failure
            marker.exitCode = words[2] == QLatin1String("0") ? 0 : -1;
    }
    if (!ok || marker.line <= 0)
        return std::nullopt;
    return marker;
}

} // namespace brannock::watch
