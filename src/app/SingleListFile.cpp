#include "app/SingleListFile.h"

#include "app/DesktopAccess.h"
#include "base/AppInfo.h"
#include "base/Platform.h"
#include "base/clsFileSystemObject.h"
#include "io/clsTFileCSV.h"

#include <QScopedValueRollback>

namespace {

const QString CsvFilter = QStringLiteral("CSVファイル(*.csv)");

QString withCsvExtension(const QString& path) {
    return path.isEmpty() ? path
                          : clsFileSystemObject().ExtensionCheck(path, QStringLiteral("csv"));
}

} // namespace

SingleListFile::SingleListFile(QWidget* owner, bool& busy) : m_owner(owner), m_busy(busy) {}

void SingleListFile::clear() {
    m_currentFile.clear();
    m_changed = false;
}

void SingleListFile::detach() {
    m_currentFile.clear();
    m_changed = true;
}

QString SingleListFile::askOpenPath(const QString& suggestedName) const {
    return withCsvExtension(DesktopAccess::current().openFileName(
        m_owner, QStringLiteral("ファイルを開く"), CsvFilter, m_folder, suggestedName));
}

bool SingleListFile::load(const QString& path, std::vector<qint32>& singles) {
    // A file that failed to load never becomes current: a later Save would write the empty
    // list over it.
    clear();
    const QScopedValueRollback busy(m_busy, true);
    qint32 count = 0;
    std::vector<qint32> loaded;
    if (!clsTFileCSV().CsvLoad(path, count, loaded))
        return false;
    loaded.resize(static_cast<std::size_t>(count));
    singles = std::move(loaded);
    m_currentFile = path;
    return true;
}

bool SingleListFile::writeTo(const QString& path, std::span<const qint32> singles) {
    const QScopedValueRollback busy(m_busy, true);
    if (!clsTFileCSV().CsvSave(path, static_cast<qint32>(singles.size()), singles))
        return false;
    m_currentFile = path;
    m_changed = false;
    return true;
}

bool SingleListFile::save(std::span<const qint32> singles, const QString& suggestedName) {
    if (m_currentFile.isEmpty())
        return saveAs(singles, suggestedName);
    return writeTo(m_currentFile, singles);
}

bool SingleListFile::saveAs(std::span<const qint32> singles, const QString& suggestedName) {
    const QString path = withCsvExtension(DesktopAccess::current().saveFileName(
        m_owner, QStringLiteral("名前を付けて保存"), CsvFilter, m_folder,
        m_currentFile.isEmpty() ? suggestedName : m_currentFile));
    return !path.isEmpty() && writeTo(path, singles);
}

bool SingleListFile::mayDrop(std::span<const qint32> singles, const QString& suggestedName) {
    if (!m_changed || singles.empty())
        return true;
    switch (Platform::current().askYesNoCancel(
        QStringLiteral("シングルリストは変更されています。保存しますか？"), AppInfo::title(),
        MessageIcon::Information, Answer::Yes)) {
    case Answer::Yes:
        return save(singles, suggestedName);
    case Answer::No:
        return true;
    case Answer::Cancel:
        break;
    }
    return false;
}
