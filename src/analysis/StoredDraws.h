#pragma once

#include "drawdata/ResultData.h"
#include "drawdata/ScheduleData.h"

#include <QDateTime>
#include <QHash>
#include <QList>
#include <QString>
#include <optional>

// The stored schedule and result documents of the draws, read without a message and kept until
// their files change, for views across many draws (the ledger, the returns of past draws). Reads
// on the user-interface thread (the prompts are held quiet meanwhile).
class StoredDraws {
public:
    template <typename Record> struct Document {
        std::optional<Record> record; // when stored and readable
        bool stored = false;          // a file exists
        QString reason;               // why a stored file gave no record
    };

    const Document<ResultData>& result(qint32 kaisaikai);
    const Document<ScheduleData>& schedule(qint32 kaisaikai);

    // The draws whose result file is stored, in ascending order.
    static QList<qint32> storedResultDraws();

private:
    template <typename Record> struct Cached {
        qint64 size = -1;
        QDateTime modified;
        Document<Record> document;
    };
    template <typename Record, typename Xml>
    static const Document<Record>& read(QHash<qint32, Cached<Record>>& cache, qint32 kaisaikai);

    QHash<qint32, Cached<ResultData>> m_results;
    QHash<qint32, Cached<ScheduleData>> m_schedules;
};
