#pragma once

#include <QString>

namespace TextWidth {

// Full-width letters, digits, punctuation and the ideographic space become their half-width
// forms; katakana become half-width katakana, a voiced or semi-voiced one as two characters
// (ガ becomes ｶﾞ). Other characters (kanji, hiragana) stay as they are.
QString toHalfWidth(const QString& text);

} // namespace TextWidth
