#include "app/SingleListFile.h"

#include "app/DesktopAccess.h"
#include "base/AppInfo.h"
#include "base/Platform.h"
#include "base/clsFileSystemObject.h"
#include "io/clsTClipImport.h"
#include "io/clsTClipboard.h"
#include "io/clsTFileCSV.h"
#include "singles/SingleList.h"

#include <QFileInfo>

namespace {

// How many of the lines that gave no single the question shows.
constexpr std::size_t ShownSkippedLines = 5;

// The question after a load that left lines out: true to work on in that file, false for a new
// list in no file (the safer default: the file stays as it is).
bool keepsWorkingInFile(const QString& name, const clsTFileCSV::Skipped& skipped) {
    QString lines;
    for (std::size_t i = 0; i < skipped.first.size() && i < ShownSkippedLines; ++i)
        lines += QString::number(skipped.first[i].number) + QStringLiteral("行目：") +
                 skipped.first[i].text + QStringLiteral("\r\n");
    if (skipped.count > qint64(ShownSkippedLines))
        lines += QStringLiteral("ほか") +
                 QString::number(skipped.count - qint64(ShownSkippedLines)) +
                 QStringLiteral("行\r\n");
    return Platform::current().askYesNo(
        QStringLiteral("「") + name + QStringLiteral("」の") + QString::number(skipped.count) +
            QStringLiteral("行はシングルとして読めないため、読み込みませんでした。\r\n\r\n") +
            lines +
            QStringLiteral(
                "\r\nこのファイルで作業を続けますか？\r\n"
                "「はい」：このファイルで続けます。上書き保存すると、読み込まなかった行は"
                "失われます（保存の前に確認します）。\r\n"
                "「いいえ」：ファイルのない新しいリストとして続けます。元のファイルは"
                "変わりません。"),
        AppInfo::title(), MessageIcon::Warning, false);
}

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

SingleListFile::Opened SingleListFile::open(const QString& path) {
    qint32 count = 0;
    std::vector<qint32> loaded;
    clsTFileCSV::Skipped skipped;
    bool read = false;
    {
        const SingleList::BusyScope busy(m_list);
        read = clsTFileCSV().CsvLoad(path, count, loaded, &skipped);
    }
    const QString name = QFileInfo(path).fileName();
    if (read && count == 0 && skipped.anyText) {
        Platform::current().showMessage(
            QStringLiteral("「") + name +
                QStringLiteral("」にはシングルとして読める行がありません。\r\n"
                               "シングルリストのファイルではないため、開きませんでした。"),
            AppInfo::title(), MessageIcon::Warning);
        return Opened::Refused;
    }
    // A file that failed to load never becomes current: a later Save would write the empty
    // list over it.
    m_list.clear();
    if (!read)
        return Opened::Failed;
    loaded.resize(static_cast<std::size_t>(count));
    m_list.replace(std::move(loaded));
    m_list.setFile(path);
    m_unreadFile.clear();
    if (skipped.count > 0 && keepsWorkingInFile(name, skipped)) {
        m_unreadFile = path;
        m_unreadLines = skipped.count;
    } else if (skipped.count > 0) {
        m_list.detach();
    }
    return Opened::Loaded;
}

bool SingleListFile::mayOverwriteUnread(const QString& path) const {
    if (m_unreadFile.isEmpty() || path != m_unreadFile || m_list.currentFile() != m_unreadFile)
        return true;
    return Platform::current().askYesNo(
        QStringLiteral("「") + QFileInfo(path).fileName() +
            QStringLiteral("」には読み込まなかった") + QString::number(m_unreadLines) +
            QStringLiteral("行があります。上書き保存すると、それらの行は失われます。\r\n"
                           "保存しますか？"),
        AppInfo::title(), MessageIcon::Warning, false);
}

bool SingleListFile::writeTo(const QString& path) {
    if (!mayOverwriteUnread(path))
        return false;
    const SingleList::BusyScope busy(m_list);
    if (!clsTFileCSV().CsvSave(path, m_list.count(), m_list.singles()))
        return false;
    m_list.setFile(path);
    m_unreadFile.clear();
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
