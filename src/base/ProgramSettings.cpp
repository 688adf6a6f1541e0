#include "base/ProgramSettings.h"

#include "base/AppInfo.h"
#include "base/Platform.h"
#include "base/RuntimeError.h"
#include "base/ValueText.h"
#include "base/clsFileStream.h"
#include "base/clsFileSystemObject.h"
#include "base/clsIniFile.h"

namespace {

void reportCorrupt() {
    Platform::current().showMessage(AppInfo::title() +
                                        QStringLiteral(".iniファイルが破損しています。"),
                                    AppInfo::title(), MessageIcon::Error);
}

// Reads one key when the file has it; a bad value is reported and leaves target unchanged.
template <typename T, typename Convert>
void readKey(const clsIniFile& ini, const QString& key, T& target, const Convert& convert) {
    try {
        if (ini.ItemExists(key))
            target = convert(ini.GetItem(key, QString()));
    } catch (const RuntimeError&) {
        reportCorrupt();
    }
}

QString flag(bool value) {
    return value ? QStringLiteral("1") : QStringLiteral("0");
}

} // namespace

QString ProgramSettings::fileName() {
    return QStringLiteral("SysData/") + AppInfo::title() + QStringLiteral(".ini");
}

ProgramSettings ProgramSettings::Load() {
    ProgramSettings settings;
    if (!clsFileSystemObject().FileExists(fileName()))
        return settings;
    clsIniFile ini;
    if (!ini.Initialize(fileName())) {
        reportCorrupt();
        return settings;
    }
    readKey(ini, QStringLiteral("Kaisaikai"), settings.Kaisaikai,
            [](const QString& v) { return ValueText::toLong(v); });
    readKey(ini, QStringLiteral("DownloadMessage"), settings.DownloadMessage, ValueText::toBoolean);
    readKey(ini, QStringLiteral("ResultAll"), settings.ResultAll, ValueText::toBoolean);
    return settings;
}

bool ProgramSettings::Save() const {
    const QString crlf = QStringLiteral("\r\n");
    const QString title = AppInfo::title();
    QString text;
    text += QStringLiteral(";Vantrel ") + title + QStringLiteral(" Ini File (") + title +
            QStringLiteral(".ini)") + crlf;
    text += u';' + AppInfo::copyright() + crlf;
    text += crlf;
    text += QStringLiteral("Kaisaikai = ") + QString::number(Kaisaikai) + crlf;
    text += QStringLiteral("DownloadMessage = ") + flag(DownloadMessage) + crlf;
    text += QStringLiteral("ResultAll = ") + flag(ResultAll) + crlf;
    clsFileStream stream;
    stream.ErrMessage = false;
    return stream.SaveToFile(fileName(), text);
}
