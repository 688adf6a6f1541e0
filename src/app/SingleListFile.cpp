#include "app/SingleListFile.h"

#include "app/DesktopAccess.h"
#include "base/AppInfo.h"
#include "base/Platform.h"
#include "base/clsFileSystemObject.h"
#include "io/clsTClipImport.h"
#include "io/clsTClipboard.h"
#include "io/clsTFileCSV.h"
#include "singles/SingleList.h"

namespace {

const QString CsvFilter = QStringLiteral("CSVファイル(*.csv)");

QString withCsvExtension(const QString& path) {
    return path.isEmpty() ? path
                          : clsFileSystemObject().ExtensionCheck(path, QStringLiteral("csv"));
}

} // namespace

SingleListFile::SingleListFile(QWidget* owner, SingleList& list) : m_owner(owner), m_list(list) {}

QString SingleListFile::askOpenPath(const QString& suggestedName) const {
    return withCsvExtension(DesktopAccess::current().openFileName(
        m_owner, QStringLiteral("ファイルを開く"), CsvFilter, m_folder, suggestedName));
}

bool SingleListFile::load(const QString& path) {
    // A file that failed to load never becomes current: a later Save would write the empty
    // list over it.
    m_list.setFile(QString());
    const SingleList::BusyScope busy(m_list);
    qint32 count = 0;
    std::vector<qint32> loaded;
    if (!clsTFileCSV().CsvLoad(path, count, loaded))
        return false;
    loaded.resize(static_cast<std::size_t>(count));
    m_list.replace(std::move(loaded));
    m_list.setFile(path);
    return true;
}

bool SingleListFile::writeTo(const QString& path) {
    const SingleList::BusyScope busy(m_list);
    if (!clsTFileCSV().CsvSave(path, m_list.count(), m_list.singles()))
        return false;
    m_list.setFile(path);
    return true;
}

bool SingleListFile::save(const QString& suggestedName) {
    if (m_list.currentFile().isEmpty())
        return saveAs(suggestedName);
    return writeTo(m_list.currentFile());
}

bool SingleListFile::saveAs(const QString& suggestedName) {
    const QString path = withCsvExtension(DesktopAccess::current().saveFileName(
        m_owner, QStringLiteral("名前を付けて保存"), CsvFilter, m_folder,
        m_list.currentFile().isEmpty() ? suggestedName : m_list.currentFile()));
    return !path.isEmpty() && writeTo(path);
}

bool SingleListFile::mayDrop(const QString& suggestedName) {
    if (!m_list.isChanged() || m_list.isEmpty())
        return true;
    switch (Platform::current().askYesNoCancel(
        QStringLiteral("シングルリストは変更されています。保存しますか？"), AppInfo::title(),
        MessageIcon::Information, Answer::Yes)) {
    case Answer::Yes:
        return save(suggestedName);
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}

void SingleListFile::exportText(int index) const {
    clsTClipboard().Copy(index, m_list.count(), m_list.singles(),
                         DesktopAccess::current().setClipboardText);
}

qint32 SingleListFile::importText(int index, const QString& suggestedName) {
    std::vector<qint32> singles;
    qint32 count = 0;
    {
        WaitCursor wait;
        const QString text = index == clsTClipImport::ClipboardText
                                 ? DesktopAccess::current().clipboardText()
                                 : QString();
        count = clsTClipImport().Import(index, text, singles);
    }
    if (count <= 0 || !mayDrop(suggestedName))
        return 0;
    m_list.replace(std::move(singles));
    // The imported list is in no file yet: Save asks where instead of overwriting the last one.
    m_list.detach();
    return count;
}
