#pragma once

#include <QByteArray>
#include <QString>

// The pages whose reading failed, kept in SysData/Log of the program folder as
// {kind}_{draw}_{yyyyMMdd_HHmmss}.html, so that the user can open one or send it with a report.
// Only the last MaxKept of them stay.
namespace FailedPageLog {

constexpr int MaxKept = 20;

// Keeps page for the document kind ("schedule", "vote", "result") and draw lngKaisaikai and
// removes the oldest kept pages beyond MaxKept; returns the kept file's full path, "" when it
// could not be written.
QString keep(const QString& kind, qint32 lngKaisaikai, const QByteArray& page);

} // namespace FailedPageLog
