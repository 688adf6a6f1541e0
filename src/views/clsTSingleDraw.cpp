#include "views/clsTSingleDraw.h"

#include "singles/SingleCodec.h"

#include <QWidget>

clsTSingleDraw::clsTSingleDraw(QObject* parent) : QObject(parent) {}

void clsTSingleDraw::Initialize(QWidget* objPictureBox) {
    m_area = new MarkAreaWidget(objPictureBox);
    m_area->setObjectName(objPictureBox->objectName() + QStringLiteral("Marks"));
    m_area->move(0, 0);
    connect(m_area, &MarkAreaWidget::numberPressed, this,
            [this](int column, Qt::MouseButton) { Q_EMIT NoClick(column); });
    connect(m_area, &MarkAreaWidget::cellPressed, this, &clsTSingleDraw::MouseDown);
    connect(m_area, &MarkAreaWidget::keyCommand, this, &clsTSingleDraw::KeyCommand);
    SetBackMode();
}

void clsTSingleDraw::SetImage(int lngNo, int lngMark, const QIcon& objImage) {
    try {
        if (lngMark < 0 || lngMark > 1)
            throw RuntimeError::subscriptOutOfRange();
        if (m_area)
            m_area->setPicture(lngNo, lngMark == 1, objImage);
    } catch (const RuntimeError& error) {
        m_reporter.runtimeError(QStringLiteral("SetImage"), error);
    }
}

void clsTSingleDraw::SetNo(int Index, qint32 lngValue, bool blnSelect) {
    try {
        if (m_area)
            m_area->setNumber(Index, lngValue, blnSelect);
    } catch (const RuntimeError& error) {
        m_reporter.runtimeError(QStringLiteral("SetNo_Sub"), error);
    }
}

void clsTSingleDraw::SetMark(int Index, qint32 lngValue) {
    try {
        MarkAreaWidget::ColumnMarks wanted;
        wanted.fill(MarkAreaWidget::NoMark);
        if (lngValue >= 0) {
            const SingleCodec::Marks& marks = SingleCodec::marks(lngValue);
            for (std::size_t k = 0; k < wanted.size(); ++k)
                wanted[k] = marks[k];
        }
        if (m_area)
            m_area->setColumnMarks(Index, wanted);
    } catch (const RuntimeError& error) {
        m_reporter.runtimeError(QStringLiteral("SetMark"), error);
    }
}

void clsTSingleDraw::SetBackMode() {
    if (m_area)
        m_area->redrawAll();
}
