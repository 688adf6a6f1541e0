#pragma once

#include <QColor>
#include <initializer_list>

class QGroupBox;
class QLabel;
class QPushButton;
class QRect;
class QString;
class QWidget;

// The pieces the three pages are built from, each placed at its design position.
namespace PageParts {

// The light grey of the inner panels of the singles and check pages: Qt always draws with a
// style, as a themed desktop does, so the panels take the colour of current systems.
inline const QColor InnerPanel(245, 245, 245);

// An empty area in which a view draws.
QWidget* hostArea(QWidget* parent, const QString& name, const QRect& geometry);
// A push button that Return and Enter press too.
QPushButton* button(QWidget* parent, const QString& text, const QRect& geometry,
                    const QString& name);
// The object name is left empty when none is given.
QLabel* label(QWidget* parent, const QString& text, const QRect& geometry, const QString& name);
QGroupBox* frame(QWidget* parent, const QString& title, const QRect& geometry);
// Tab goes through the parts in the order given: a part that takes Tab is a stop itself, else
// the stops inside it are, in the order they were made.
void chainTabs(std::initializer_list<QWidget*> stops);
// Fills the widget's background with the colour.
void setBackground(QWidget* widget, const QColor& colour);

} // namespace PageParts
