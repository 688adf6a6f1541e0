#include "widgets/StatusBar.h"

#include <QHBoxLayout>
#include <QLabel>

StatusBar::StatusBar(QWidget* parent) : QFrame(parent), m_label(new QLabel(this)) {
    setFrameShape(QFrame::StyledPanel);
    setFrameShadow(QFrame::Sunken);
    setFixedHeight(22);
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(4, 0, 4, 0);
    layout->addWidget(m_label);
    m_label->setTextFormat(Qt::PlainText);
}

void StatusBar::setText(const QString& text) {
    m_label->setText(text);
}

QString StatusBar::text() const {
    return m_label->text();
}
