#pragma once

#include <QString>

// Names and texts that identify the program in titles, settings headers and the About box.
namespace AppInfo {
inline QString title() {
    return QStringLiteral("Kelvor mini");
}
inline QString version() {
    return QStringLiteral("1.0.0");
}
inline QString copyright() {
    return QStringLiteral("Copyright (C) 2026 Vantrel");
}
} // namespace AppInfo
