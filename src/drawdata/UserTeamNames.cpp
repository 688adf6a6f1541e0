#include "drawdata/UserTeamNames.h"

#include "base/AppInfo.h"
#include "base/Platform.h"
#include "base/ShiftJis.h"
#include "base/TextWidth.h"
#include "base/clsFileStream.h"
#include "base/clsFileSystemObject.h"
#include "drawdata/clsTotoData.h"

using namespace Qt::StringLiterals;

namespace {

void refuse(const QString& message) {
    Platform::current().showMessage(message, u"入力エラー"_s, MessageIcon::Warning);
}

// A name the table file could not give back: a short name that would be split at its own "="
// or read as a comment, or a character without a Shift_JIS form.
bool storableShortName(const QString& name) {
    return !name.contains(u'=') && !name.startsWith(u';') && !name.startsWith(u"//"_s) &&
           ShiftJis::canEncode(name);
}

} // namespace

QString UserTeamNames::FileName() {
    return u"SysData/TeamName3.dat"_s;
}

QString UserTeamNames::FileHeader() {
    return u";Vantrel TeamName User Data File (TeamName3.dat)"_s;
}

QString UserTeamNames::InitialShortName() {
    return TextWidth::toHalfWidth(clsTotoData::LastMissingTeamName());
}

QString UserTeamNames::InitialLongName() {
    return clsTotoData::LastMissingTeamName();
}

bool UserTeamNames::Add(const QString& strRyakusho, const QString& strMeisho) {
    clsFileStream stream;
    stream.ErrMessage = false;
    QString text;
    if (!stream.LoadFromFile(FileName(), text)) {
        text = FileHeader() + u"\r\n"_s;
        stream.SaveToFile(FileName(), text);
    }

    const QString shortName = strRyakusho.trimmed();
    const QString longName = strMeisho.trimmed();
    if (shortName.isEmpty()) {
        refuse(u"略称を入力して下さい。"_s);
        return false;
    }
    if (longName.isEmpty()) {
        refuse(u"名称を入力して下さい。"_s);
        return false;
    }
    if (strRyakusho.size() > MaxShortNameLength) {
        refuse(u"略称は6文字以内で入力して下さい。"_s);
        return false;
    }
    if (!storableShortName(shortName)) {
        refuse(u"略称に使用できない文字が含まれています。"_s);
        return false;
    }
    if (!ShiftJis::canEncode(longName)) {
        refuse(u"名称に使用できない文字が含まれています。"_s);
        return false;
    }
    if (clsTotoData().ExistsLongTeamName(longName)) {
        refuse(u"名称("_s + longName + u")は既に登録されています。"_s);
        return false;
    }

    // A file edited by hand may lack the final line end; the new line must not join it.
    if (!text.isEmpty() && !text.endsWith(u"\r\n"_s))
        text += u"\r\n"_s;
    text += shortName.leftJustified(MaxShortNameLength, u' ') + u" = "_s + longName + u"\r\n"_s;
    stream.ErrMessage = true;
    if (!stream.SaveToFile(FileName(), text)) {
        const clsFileSystemObject fso;
        Platform::current().showMessage(fso.GetFullPath(FileName()) + u"\r\n"_s +
                                            u"ファイルの保存に失敗しました。"_s,
                                        AppInfo::title(), MessageIcon::Error);
        return false;
    }
    clsTotoData::SetLastMissingTeamName(QString());
    Platform::current().showMessage(u"チーム名("_s + longName + u")を追加しました。"_s,
                                    u"チーム名追加"_s, MessageIcon::Information);
    return true;
}
