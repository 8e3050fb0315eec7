// Event records: one record by number (0x38), the records not fetched before (0x39), and
// clearing them (0x3B).
#include "module_commands.h"
#include "reply_handlers.h"
#include "sim_packets.h"

namespace sim {

QByteArray OnOneRecord(CModuleState& state, const CRequest& request) {
    const QByteArray record = state.RecordNumbered(request.ParameterUser());
    return ReplyWithData(request.command, uint16_t(record.size()), rc::kOk, record);
}

// p1, p2 limit the number of records (0: no limit).
QByteArray OnNewRecords(CModuleState& state, const CRequest& request) {
    const std::vector<QByteArray> records = state.TakeNewRecords(request.ParameterUser());
    QByteArray payload;
    payload.append(char(records.size() >> 8));
    payload.append(char(records.size() & 0xFF));
    for (const QByteArray& record : records)
        payload.append(record);
    return ReplyWithData(request.command, uint16_t(payload.size()), rc::kOk, payload);
}

QByteArray OnClearRecords(CModuleState& state, const CRequest& request) {
    state.ClearRecords();
    return BareReply(request, rc::kOk);
}

} // namespace sim
