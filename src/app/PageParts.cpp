#include "app/PageParts.h"

#include <QGroupBox>
#include <QLabel>
#include <QPushButton>

namespace PageParts {

QWidget* hostArea(QWidget* parent, const QString& name, const QRect& geometry) {
    auto* area = new QWidget(parent);
    area->setObjectName(name);
    area->setGeometry(geometry);
    return area;
}

QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry,
                    const QString& name) {
    auto* result = new QPushButton(text, parent);
    result->setGeometry(geometry);
    result->setObjectName(name);
    return result;
}

QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, const QString& name) {
    auto* result = new QLabel(text, parent);
    result->setGeometry(geometry);
    if (!name.isEmpty())
        result->setObjectName(name);
    return result;
}

QGroupBox* frame(QWidget* parent, const QString& title, const QRect& geometry) {
    auto* result = new QGroupBox(title, parent);
    result->setGeometry(geometry);
    return result;
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace PageParts
