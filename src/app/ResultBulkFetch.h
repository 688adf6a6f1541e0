#pragma once

#include <QList>
#include <QString>
#include <utility>

class QObject;

// Downloads the results of several draws through the usual download flow: one connection window
// for all of them, each result stored once under the usual rules, at least a second between two
// requests, and 中止 in the connection window stops the rest. Nothing is asked and no message is
// shown on the way; the summary tells what happened.
class ResultBulkFetch {
public:
    struct Summary {
        QList<qint32> stored;
        QList<qint32> unpublished;
        QList<std::pair<qint32, QString>> failed; // with the reason
        QList<qint32> notTried;                   // left after 中止
    };

    // Between the starts of two requests.
    static constexpr int PauseMilliseconds = 1000;

    static Summary run(const QList<qint32>& draws, QObject* owner);
    // The one message after a run.
    static QString summaryText(const Summary& summary);
};
