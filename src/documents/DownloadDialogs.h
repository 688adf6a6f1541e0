#pragma once

#include "base/clsFileSystemObject.h"

#include <QString>

// What the three draw-document controllers share around a download: the question before it,
// the message after a failed one, and storing a downloaded record once. `document` is the
// document's name on screen ("開催情報", "投票状況", "くじ結果").
namespace DownloadDialogs {

// True when the user agrees to download the document.
bool confirmDownload(const QString& document);
// Nothing after a cancelled download; otherwise the notice that the page was another draw's
// (lngOtherDraw, 0 for none), the draw's "not published" notice, or the download failure
// warning with detail, what could not be read and where the page was kept, as its second line.
// A hint, what the user may try instead, ends the "not published" notice and the warning.
void showFailure(qint32 lngKaisaikai, const QString& document, bool cancelled, bool unpublished,
                 qint32 lngOtherDraw = 0, const QString& detail = QString(),
                 const QString& hint = QString());

// Stores a complete record as its draw's file unless that file already exists: a stored
// document is never replaced by a later download.
template <typename Xml, typename Record>
void storeOnce(Xml& xml, const Record& data, bool complete) {
    if (!complete)
        return;
    const QString path = xml.GetFileName(data.Kaisaikai, data.Kumi);
    if (clsFileSystemObject().FileExists(path))
        return;
    xml.SetData(data);
    xml.XmlSave(path);
}

} // namespace DownloadDialogs
