#include "base/QuietPrompts.h"

QuietPrompts::QuietPrompts() : m_previous(Platform::current()) {
    Platform::install(this);
}

QuietPrompts::~QuietPrompts() {
    Platform::install(&m_previous);
}

void QuietPrompts::showMessage(const QString& text, const QString&, MessageIcon) {
    m_messages.append(text);
}

bool QuietPrompts::askYesNo(const QString& text, const QString&, MessageIcon, bool defaultYes) {
    m_messages.append(text);
    return defaultYes;
}

Answer QuietPrompts::askYesNoCancel(const QString& text, const QString&, MessageIcon,
                                    Answer defaultAnswer) {
    m_messages.append(text);
    return defaultAnswer;
}
