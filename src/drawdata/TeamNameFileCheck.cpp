#include "drawdata/TeamNameFileCheck.h"

#include "base/clsIniFile.h"

#include <QList>
#include <QRegularExpression>
#include <QStringDecoder>

using namespace Qt::StringLiterals;

namespace {

const QString EndLine = u"[End]"_s;

bool wholeNumber(const QString& text) {
    static const QRegularExpression digits(u"^[0-9]{1,6}$"_s);
    return digits.match(text).hasMatch();
}

QString lineNumber(qsizetype index) {
    return u"（"_s + QString::number(index + 1) + u" 行目）"_s;
}

// A line of the file may end in CR (of its CR LF) and hold tabs between name and value; any
// other control character (NUL, escape, a lone CR) has no place in a team-name file.
bool hasControlCharacter(const QString& line) {
    const qsizetype end = line.endsWith(u'\r') ? line.size() - 1 : line.size();
    for (qsizetype i = 0; i < end; ++i) {
        const QChar c = line.at(i);
        if (c != u'\t' && c.category() == QChar::Other_Control)
            return true;
    }
    return false;
}

// The refusal for a file whose lines do not all read; "" when they do. texts gets the lines.
QString readLines(const QByteArray& bytes, QString& text) {
    // No Shift_JIS character has a line-feed byte inside it, so the bytes split into lines
    // before they are decoded, and a bad byte can be named by its line.
    const QList<QByteArray> lines = bytes.split('\n');
    bool ended = false;
    QString name;
    QString value;
    for (qsizetype i = 0; i < lines.size(); ++i) {
        QStringDecoder decoder("windows-31j", QStringDecoder::Flag::Stateless);
        const QString line = decoder.decode(lines.at(i));
        if (decoder.hasError() || line.contains(QChar::ReplacementCharacter))
            return u"Shift_JIS として読めない文字があります"_s + lineNumber(i) + u'。';
        if (hasControlCharacter(line))
            return u"制御文字が含まれています"_s + lineNumber(i) + u'。';
        const clsIniFile::LineKind kind = clsIniFile::ReadLine(line, name, value);
        if (kind == clsIniFile::LineKind::Comment)
            continue;
        if (ended)
            return u"[End] の後に行があります"_s + lineNumber(i) + u'。';
        if (line.trimmed() == EndLine)
            ended = true;
        else if (kind == clsIniFile::LineKind::Dropped)
            return u"チーム名の行として読めない行があります"_s + lineNumber(i) + u'。';
        text += line + u'\n';
    }
    if (!ended)
        return u"[End] の行がありません。"_s;
    return QString();
}

} // namespace

TeamNameFileCheck::Verdict TeamNameFileCheck::Check(const QByteArray& bytes,
                                                    qint32 installedVersion,
                                                    qint32 announcedVersion) {
    Verdict verdict;
    if (bytes.size() > MaxBytes) {
        verdict.refusal = u"ファイルが大きすぎます（"_s + QString::number(bytes.size() / 1024) +
                          u" KB、上限 "_s + QString::number(MaxBytes / 1024) + u" KB）。"_s;
        return verdict;
    }
    QString text;
    verdict.refusal = readLines(bytes, text);
    if (!verdict.accepted())
        return verdict;

    clsIniFile file;
    file.InitializeFromText(text);
    for (const QString& key : {u"Version"_s, u"Revision"_s}) {
        if (!wholeNumber(file.GetItem(key, QString()))) {
            verdict.refusal = key + u" が整数で書かれていません。"_s;
            return verdict;
        }
    }
    verdict.version = VersionNumber(file.GetItem(u"Version"_s, QString()) + u'.' +
                                    file.GetItem(u"Revision"_s, QString()));
    if (verdict.version != announcedVersion)
        verdict.refusal = u"ファイルのバージョン "_s + VersionText(verdict.version) +
                          u" が version.dat のバージョン "_s + VersionText(announcedVersion) +
                          u" と異なります。"_s;
    else if (verdict.version <= installedVersion)
        verdict.refusal = u"ファイルのバージョン "_s + VersionText(verdict.version) +
                          u" がお使いのバージョン "_s + VersionText(installedVersion) +
                          u" より新しくありません。"_s;
    return verdict;
}

qint32 TeamNameFileCheck::VersionNumber(const QString& text) {
    const qsizetype point = text.indexOf(u'.');
    if (point < 0)
        return 0;
    const QString major = text.left(point).trimmed();
    const QString minor = text.mid(point + 1).trimmed();
    if (!wholeNumber(major) || !wholeNumber(minor))
        return 0;
    return major.toInt() * 1000 + minor.toInt();
}

QString TeamNameFileCheck::VersionText(qint32 version) {
    return QString::number(version / 1000) + u'.' + QString::number(version % 1000);
}
