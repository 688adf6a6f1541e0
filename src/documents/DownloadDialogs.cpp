#include "documents/DownloadDialogs.h"

#include "base/Platform.h"

namespace DownloadDialogs {

bool confirmDownload(const QString& document) {
    return Platform::current().askYesNo(
        QStringLiteral("インターネットより ") + document +
            QStringLiteral(" をダウンロードします。よろしいですか？"),
        u' ' + document, MessageIcon::Information, true);
}

namespace {

QString withLine(const QString& text, const QString& line) {
    return line.isEmpty() ? text : text + QStringLiteral("\r\n") + line;
}

} // namespace

void showFailure(qint32 lngKaisaikai, const QString& document, bool cancelled, bool unpublished,
                 qint32 lngOtherDraw, const QString& detail, const QString& hint) {
    if (cancelled)
        return;
    if (lngOtherDraw != 0)
        Platform::current().showMessage(QStringLiteral("第") + QString::number(lngKaisaikai) +
                                            QStringLiteral("回を要求しましたが、第") +
                                            QString::number(lngOtherDraw) +
                                            QStringLiteral("回のページが返されました。"),
                                        u' ' + document, MessageIcon::Warning);
    else if (unpublished)
        Platform::current().showMessage(
            withLine(QStringLiteral("第") + QString::number(lngKaisaikai) + QStringLiteral("回 ") +
                         document + QStringLiteral("は発表されていません。"),
                     hint),
            u' ' + document, MessageIcon::Information);
    else
        Platform::current().showMessage(
            withLine(
                withLine(QStringLiteral("インターネットよりダウンロードに失敗しました。"), detail),
                hint),
            u' ' + document, MessageIcon::Warning);
}

} // namespace DownloadDialogs
