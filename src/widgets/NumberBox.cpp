#include "widgets/NumberBox.h"

#include <QKeyEvent>
#include <algorithm>

namespace {

constexpr char16_t FullWidthZero = u'０';
constexpr char16_t FullWidthNine = u'９';

bool isDigit(QChar c) {
    return (c >= u'0' && c <= u'9') || (c >= FullWidthZero && c <= FullWidthNine);
}

} // namespace

NumberBox::NumberBox(QWidget* parent) : QLineEdit(parent) {
    connect(this, &QLineEdit::textChanged, this, &NumberBox::onTextChanged);
}

void NumberBox::setRange(int minimum, int maximum) {
    m_minimum = std::min(minimum, maximum);
    m_maximum = std::max(minimum, maximum);
    if (!text().isEmpty())
        setText(normalized(text()));
}

QString NumberBox::normalized(const QString& text) const {
    bool ok = false;
    const qlonglong number = text.toLongLong(&ok);
    if (!ok) {
        // Digits beyond the range of a 64-bit number are still a number above the maximum.
        const bool allDigits =
            !text.isEmpty() &&
            std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c >= u'0' && c <= u'9'; });
        return QString::number(allDigits ? m_maximum : m_minimum);
    }
    return QString::number(std::clamp<qlonglong>(number, m_minimum, m_maximum));
}

QString NumberBox::firstDigits(const QString& text) {
    const auto first = std::find_if(text.cbegin(), text.cend(), isDigit);
    const auto end = std::find_if_not(first, text.cend(), isDigit);
    QString digits;
    for (auto c = first; c != end; ++c)
        digits += *c >= FullWidthZero ? QChar(u'0' + (c->unicode() - FullWidthZero)) : *c;
    return digits;
}

void NumberBox::onTextChanged(const QString& text) {
    if (m_normalizing)
        return;
    if (!text.isEmpty()) {
        // A whole number (a negative one too) is clamped as it is; of other text the first digits
        // count.
        bool whole = false;
        text.toLongLong(&whole);
        const QString digits = whole ? text : firstDigits(text);
        const QString wanted = digits.isEmpty() ? m_shown : normalized(digits);
        if (wanted != text) {
            m_normalizing = true;
            setText(wanted);
            m_normalizing = false;
        }
        if (digits.isEmpty())
            return;
    }
    m_shown = this->text();
    Q_EMIT valueChanged();
}

int NumberBox::value() const {
    if (text().isEmpty())
        return -1;
    return normalized(text()).toInt();
}

void NumberBox::setValue(int value) {
    setText(QString::number(std::clamp(value, m_minimum, m_maximum)));
}

void NumberBox::step(qint64 delta) {
    const qint64 current = text().isEmpty() ? 0 : value();
    const qint64 next = std::clamp<qint64>(current + delta, m_minimum, m_maximum);
    const QString nextText = QString::number(next);
    if (nextText != text()) {
        setText(nextText);
        setCursorPosition(static_cast<int>(nextText.size()));
    }
}

void NumberBox::keyPressEvent(QKeyEvent* event) {
    const qint64 span = static_cast<qint64>(m_maximum) - m_minimum;
    switch (event->key()) {
    case Qt::Key_Up:
        step(1);
        return;
    case Qt::Key_Down:
        step(-1);
        return;
    case Qt::Key_PageUp:
        step(span);
        return;
    case Qt::Key_PageDown:
        step(-span);
        return;
    default:
        break;
    }
    const QString typed = event->text();
    const bool command =
        event->modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier);
    if (!command && !typed.isEmpty() && typed.at(0).isPrint()) {
        const bool digits = std::all_of(typed.cbegin(), typed.cend(), isDigit);
        if (!digits)
            return;
    }
    QLineEdit::keyPressEvent(event);
}
