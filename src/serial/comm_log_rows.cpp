// The communication log's rows as each filter shows them, the way from an error to the next,
// and the search for text or bytes.
#include "comm_log.h"

#include <algorithm>

namespace {
// "F5 09", "f509": the bytes it names; empty for anything else.
QByteArray HexQuery(const QString& query) {
    QString digits = query;
    digits.remove(QLatin1Char(' '));
    if (digits.isEmpty() || digits.size() % 2 != 0)
        return QByteArray();
    for (QChar c : digits)
        if (!c.isDigit() && !(c.toLower() >= QLatin1Char('a') && c.toLower() <= QLatin1Char('f')))
            return QByteArray();
    return QByteArray::fromHex(digits.toLatin1());
}
} // namespace

const std::deque<qint64>* CCommLog::IdsOf(ECommLogFilter filter) const {
    switch (filter) {
    case ECommLogFilter::FramesOnly:
        return &m_frameIds;
    case ECommLogFilter::ErrorsOnly:
        return &m_errorIds;
    case ECommLogFilter::Everything:
        break;
    }
    return nullptr;
}

int CCommLog::RowCount(ECommLogFilter filter) const {
    const std::deque<qint64>* ids = IdsOf(filter);
    return int(ids ? ids->size() : m_rows.size()) + (m_nDropped > 0 ? 1 : 0);
}

qint64 CCommLog::RowId(ECommLogFilter filter, int index) const {
    if (m_nDropped > 0 && index-- == 0)
        return -1;
    const std::deque<qint64>* ids = IdsOf(filter);
    const size_t count = ids ? ids->size() : m_rows.size();
    if (index < 0 || size_t(index) >= count)
        return -1;
    return ids ? (*ids)[size_t(index)] : m_nFirstId + index;
}

int CCommLog::RowOfId(ECommLogFilter filter, qint64 id) const {
    const int notice = m_nDropped > 0 ? 1 : 0;
    const std::deque<qint64>* ids = IdsOf(filter);
    if (!ids)
        return notice + int(std::clamp<qint64>(id - m_nFirstId, 0, qint64(m_rows.size())));
    return notice + int(std::lower_bound(ids->begin(), ids->end(), id) - ids->begin());
}

const CCommLog::CRow* CCommLog::RowAt(ECommLogFilter filter, int index) const {
    const qint64 id = RowId(filter, index);
    return id < 0 ? nullptr : &m_rows[size_t(id - m_nFirstId)];
}

QString CCommLog::RowText(ECommLogFilter filter, int index) const {
    if (m_nDropped > 0 && index == 0)
        return DroppedLinesNotice(m_nDropped);
    const CRow* row = RowAt(filter, index);
    return row ? row->text : QString();
}

bool CCommLog::RowIsError(ECommLogFilter filter, int index) const {
    const CRow* row = RowAt(filter, index);
    return row && (row->flags & kError);
}

const CLoggedFrame* CCommLog::RowFrame(ECommLogFilter filter, int index) const {
    const CRow* row = RowAt(filter, index);
    return row ? row->frame.get() : nullptr;
}

int CCommLog::MapRow(ECommLogFilter from, int index, ECommLogFilter to) const {
    const qint64 id = RowId(from, index);
    const int mapped = id < 0 ? 0 : RowOfId(to, id);
    return std::min(mapped, RowCount(to) - 1);
}

int CCommLog::NextError(ECommLogFilter filter, int index, bool forward) const {
    qint64 id = RowId(filter, index);
    if (id < 0)
        id = forward ? m_nFirstId - 1 : m_nFirstId + qint64(m_rows.size());
    const auto found = forward ? std::upper_bound(m_errorIds.begin(), m_errorIds.end(), id)
                               : std::lower_bound(m_errorIds.begin(), m_errorIds.end(), id);
    if (forward && found != m_errorIds.end())
        return RowOfId(filter, *found);
    if (!forward && found != m_errorIds.begin())
        return RowOfId(filter, *(found - 1));
    return -1;
}

int CCommLog::Find(ECommLogFilter filter, int index, const QString& query, bool forward) const {
    if (query.isEmpty())
        return -1;
    const QByteArray bytes = HexQuery(query);
    const int step = forward ? 1 : -1;
    for (int at = index + step; at >= 0 && at < RowCount(filter); at += step) {
        const CRow* row = RowAt(filter, at);
        if (!row)
            continue;
        if (row->text.contains(query, Qt::CaseInsensitive))
            return at;
        if (!bytes.isEmpty() && (row->flags & kFrameHead) &&
            row->frame->frame.bytes.contains(bytes))
            return at;
    }
    return -1;
}
