#include "sim_session.h"

#include "panels/port_hand_over.h"
#include "serial/port_operations.h"
#include "serial/port_session.h"
#include "serial/shared_settings.h"

namespace {
constexpr char kCom1Variable[] = "MORVANE_COM1";
const QString kSimPath = QStringLiteral(MORVANE_SIM_PATH);

// A log line split into its words: seconds, direction, then the kind or the first byte.
bool IsFrameLine(const QStringList& words, const QString& direction, const QString& kind) {
    if (words.size() < 3 || words[1] != direction)
        return false;
    const bool hasKind = words[2].size() != 2;
    return kind.isEmpty() ? !hasKind : (hasKind && words[2] == kind);
}
} // namespace

CSimSession::CSimSession(const QStringList& simArguments) : m_sim(kSimPath, simArguments) {
    if (m_sim.IsRunning())
        qputenv(kCom1Variable, m_sim.DevicePath().toLocal8Bit());
}

CSimSession::~CSimSession() {
    qunsetenv(kCom1Variable);
}

QString CSimSession::StartFailure() {
    return QStringLiteral("morvane-sim did not start: ") + m_sim.ErrorOutput();
}

bool CSimSession::OpenPanelPort(CPortSession& session, QWidget* panel) {
    g_nCommPort = 1;
    CPortSession* const sessions[] = {&session};
    return PortHandOver(sessions, 1, session, panel);
}

QList<QByteArray> LoggedFrames(const QStringList& logLines, const QString& direction,
                               const QString& kind) {
    QList<QByteArray> frames;
    for (const QString& line : logLines) {
        QStringList words = line.split(QLatin1Char(' '), Qt::SkipEmptyParts);
        if (!IsFrameLine(words, direction, kind))
            continue;
        words.erase(words.begin(), words.begin() + (kind.isEmpty() ? 2 : 3));
        frames.append(QByteArray::fromHex(words.join(QString()).toLatin1()));
    }
    return frames;
}

QStringList LoggedNotes(const QStringList& logLines) {
    QStringList notes;
    const QString marker = QStringLiteral(" NOTE ");
    for (const QString& line : logLines) {
        const int at = line.indexOf(marker);
        if (at >= 0)
            notes.append(line.mid(at + marker.size()));
    }
    return notes;
}

QStringList LoggedTroubles(const QStringList& logLines) {
    static const QStringList kTroubleWords = {
        QStringLiteral(" RX garbage "), QStringLiteral(" RX bad "),
        QStringLiteral(" RX truncated "), QStringLiteral(" dropped "),
        QStringLiteral("write failed")};
    QStringList troubles;
    for (const QString& line : logLines)
        for (const QString& word : kTroubleWords)
            if (line.contains(word)) {
                troubles.append(line.left(120));
                break;
            }
    return troubles;
}
