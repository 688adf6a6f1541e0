#pragma once

#include <QLineEdit>

// A text box for a whole number in a range. Only digits (full-width ones too, as a Japanese input
// method types them) and Backspace can be typed; every change of the text leaves either an empty
// box or the clamped value in decimal. Of a pasted text the first run of digits counts ("第1234回"
// and " 1234 " are 1234); a text without a digit is refused and the box keeps its previous text.
// Up and Down step by one, Page Up and Page Down by the width of the range. Each change of the
// text is reported once, after it has been clamped.
class NumberBox : public QLineEdit {
    Q_OBJECT

public:
    explicit NumberBox(QWidget* parent = nullptr);

    void setRange(int minimum, int maximum);
    int minimum() const { return m_minimum; }
    int maximum() const { return m_maximum; }

    // The clamped number, or -1 while the box is empty.
    int value() const;
    // Writes the clamped value as decimal text.
    void setValue(int value);

Q_SIGNALS:
    // The text changed (typing, pasting, stepping or setText), once per change.
    void valueChanged();

protected:
    void keyPressEvent(QKeyEvent* event) override;

private:
    void onTextChanged(const QString& text);
    QString normalized(const QString& text) const;
    // The first run of digits in the text, full-width digits read as digits; empty without one.
    static QString firstDigits(const QString& text);
    void step(qint64 delta);

    int m_minimum = 0;
    int m_maximum = 9999;
    bool m_normalizing = false;
    // The text as last reported, which a refused text gives way to.
    QString m_shown;
};
