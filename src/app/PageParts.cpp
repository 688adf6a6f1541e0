#include "app/PageParts.h"

#include "widgets/PageButton.h"

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
    auto* result = new PageButton(text, parent);
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

void chainTabs(std::initializer_list<QWidget*> parts) {
    QWidget* previous = nullptr;
    const auto follow = [&previous](QWidget* stop) {
        if (previous != nullptr)
            QWidget::setTabOrder(previous, stop);
        previous = stop;
    };
    for (QWidget* part : parts) {
        if ((part->focusPolicy() & Qt::TabFocus) != 0) {
            follow(part);
            continue;
        }
        const QList<QWidget*> inner = part->findChildren<QWidget*>();
        for (QWidget* stop : inner)
            if ((stop->focusPolicy() & Qt::TabFocus) != 0)
                follow(stop);
    }
}

void setBackground(QWidget* widget, const QColor& colour) {
    QPalette palette = widget->palette();
    palette.setColor(QPalette::Window, colour);
    widget->setPalette(palette);
    widget->setAutoFillBackground(true);
}

} // namespace PageParts
