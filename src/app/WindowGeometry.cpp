#include "app/WindowGeometry.h"

#include "base/AppInfo.h"

#include <QVersionNumber>
#include <algorithm>

namespace WindowGeometry {

QRect place(QSize screenPixels, QRect workArea, QSize content, QSize frame) {
    const int width = screenPixels.width() < SmallScreenWidth ? workArea.width()
                                                              : content.width() + frame.width();
    const int height = screenPixels.height() < SmallScreenHeight
                           ? workArea.height()
                           : content.height() + frame.height();
    return centred(QSize(width, height), workArea);
}

QRect centred(QSize size, QRect area) {
    return QRect(area.left() + (area.width() - size.width()) / 2,
                 area.top() + (area.height() - size.height()) / 2, size.width(), size.height());
}

int contentWidth(int areaWidth, int barWidth, int minimumWidth, int controlsWidth) {
    const int besideBar = areaWidth - barWidth;
    if (areaWidth < minimumWidth || besideBar >= minimumWidth || besideBar < controlsWidth)
        return minimumWidth;
    return besideBar;
}

QRect beside(QRect owner, QSize size, QRect workArea) {
    size = size.boundedTo(workArea.size());
    int left = owner.right() + 1;
    if (left + size.width() > workArea.right() + 1)
        left = owner.left() - size.width() >= workArea.left() ? owner.left() - size.width()
                                                              : workArea.right() + 1 - size.width();
    const int top = std::clamp(owner.top(), workArea.top(), workArea.bottom() + 1 - size.height());
    return QRect(QPoint(std::max(left, workArea.left()), top), size);
}

QString versionText(int major, int minor, int revision) {
    QString text =
        QString::number(major) + u'.' + QStringLiteral("%1").arg(minor, 2, 10, QLatin1Char('0'));
    if (revision > 0)
        text += u'.' + QString::number(revision);
    return text;
}

QString programVersionText() {
    const QVersionNumber version = QVersionNumber::fromString(AppInfo::version());
    return versionText(version.majorVersion(), version.minorVersion(), version.microVersion());
}

} // namespace WindowGeometry
