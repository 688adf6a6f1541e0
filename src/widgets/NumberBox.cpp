#include "widgets/NumberBox.h"

#include <QKeyEvent>
#include <algorithm>

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

void NumberBox::onTextChanged(const QString& text) {
    if (m_normalizing)
        return;
    if (!text.isEmpty()) {
        const QString clamped = normalized(text);
        if (clamped != text) {
            m_normalizing = true;
            setText(clamped);
            m_normalizing = false;
        }
    }
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
        const bool digits = std::all_of(typed.cbegin(), typed.cend(),
                                        [](QChar c) { return c >= u'0' && c <= u'9'; });
        if (!digits)
            return;
    }
    QLineEdit::keyPressEvent(event);
}
