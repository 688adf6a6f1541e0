#include "app/WindowGeometry.h"

namespace WindowGeometry {

QRect place(QSize screenPixels, QRect workArea, QSize content, QSize frame) {
    const int width = screenPixels.width() < SmallScreenWidth ? workArea.width()
                                                              : content.width() + frame.width();
    const int height = screenPixels.height() < SmallScreenHeight
                           ? workArea.height()
                           : content.height() + frame.height();
    const int left = workArea.left() + (workArea.width() - width) / 2;
    const int top = workArea.top() + (workArea.height() - height) / 2;
    return QRect(left, top, width, height);
}

QString versionText(int major, int minor, int revision) {
    QString text =
        QString::number(major) + u'.' + QStringLiteral("%1").arg(minor, 2, 10, QLatin1Char('0'));
    if (revision > 0)
        text += u'.' + QString::number(revision);
    return text;
}

} // namespace WindowGeometry
