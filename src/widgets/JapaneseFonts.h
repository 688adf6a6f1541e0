#pragma once

#include <QString>

// The Windows Japanese faces the program names (the mark area's ＭＳ ゴシック) are missing on
// Linux, where the fallback is a Latin face whose digits are wider. Each is replaced by an
// installed Japanese gothic of the same kind (fonts-noto-cjk first), so that texts keep the
// widths they were designed with.
namespace JapaneseFonts {

// The program's fixed-pitch gothic.
inline QString gothic() {
    return QStringLiteral("ＭＳ ゴシック");
}

// Registers the replacements with Qt; call once before the first window.
void install();

} // namespace JapaneseFonts
