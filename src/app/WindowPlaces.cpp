#include "app/WindowPlaces.h"

#include "base/AppInfo.h"
#include "base/AtomicFileWriter.h"
#include "base/RuntimeError.h"
#include "base/clsFileSystemObject.h"

#include <QFile>
#include <QGuiApplication>
#include <QMap>
#include <QScreen>
#include <QWidget>
#include <algorithm>
#include <array>
#include <optional>

namespace WindowPlaces {

namespace {

struct Place {
    QRect geometry; // the frame's top left, the inside's size
    QSize border;
    bool maximized = false;
};

QMap<QString, Place> load() {
    QMap<QString, Place> places;
    QFile file(clsFileSystemObject().GetFullPath(fileName()));
    if (!file.open(QIODevice::ReadOnly))
        return places;
    for (const QString& line : QString::fromUtf8(file.readAll()).split(QStringLiteral("\r\n"))) {
        const QStringList fields = line.split(u'\t');
        if (fields.size() != 8)
            continue;
        std::array<int, 7> value{};
        bool allRead = true;
        for (std::size_t i = 0; i < value.size(); ++i) {
            bool read = false;
            value[i] = fields[qsizetype(i) + 1].toInt(&read);
            allRead = allRead && read;
        }
        if (allRead && value[2] > 0 && value[3] > 0 && value[4] >= 0 && value[5] >= 0)
            places.insert(fields[0], Place{QRect(value[0], value[1], value[2], value[3]),
                                           QSize(value[4], value[5]), value[6] == 1});
    }
    return places;
}

QList<QRect> workAreas() {
    QList<QRect> areas;
    for (const QScreen* screen : QGuiApplication::screens())
        areas.append(screen->availableGeometry());
    return areas;
}

} // namespace

QString fileName() {
    return QStringLiteral("SysData/") + AppInfo::title() + QStringLiteral(" windows.txt");
}

bool fits(QRect frame, const QList<QRect>& workAreas) {
    return std::any_of(workAreas.begin(), workAreas.end(),
                       [&](const QRect& area) { return area.contains(frame); });
}

namespace {

// The named place, when it still fits a screen.
std::optional<Place> fittingPlace(const QString& name) {
    const QMap<QString, Place> places = load();
    const auto found = places.find(name);
    if (found == places.end() ||
        !fits(QRect(found->geometry.topLeft(), found->geometry.size() + found->border),
              workAreas()))
        return std::nullopt;
    return *found;
}

} // namespace

QRect remembered(const QString& name) {
    const std::optional<Place> place = fittingPlace(name);
    return place ? QRect(place->geometry.topLeft(), place->geometry.size() + place->border)
                 : QRect();
}

bool restore(QWidget* window, const QString& name) {
    const std::optional<Place> found = fittingPlace(name);
    if (!found)
        return false;
    // For a window, the position is that of its frame.
    window->move(found->geometry.topLeft());
    window->resize(found->geometry.size());
    if (found->maximized)
        window->setWindowState(window->windowState() | Qt::WindowMaximized);
    return true;
}

void remember(std::initializer_list<std::pair<QString, const QWidget*>> windows) {
    QMap<QString, Place> places = load();
    for (const auto& [name, window] : windows) {
        if (window == nullptr)
            continue;
        // A maximised window keeps the place it goes back to.
        const QRect normal = window->isMaximized() ? window->normalGeometry() : window->geometry();
        const QSize border = window->frameGeometry().size() - window->geometry().size();
        const QPoint frameTopLeft =
            normal.topLeft() - (window->geometry().topLeft() - window->pos());
        places.insert(name,
                      Place{QRect(frameTopLeft, normal.size()), border, window->isMaximized()});
    }
    QString text;
    for (auto place = places.cbegin(); place != places.cend(); ++place) {
        const QRect& g = place->geometry;
        text += QStringList{place.key(),
                            QString::number(g.x()),
                            QString::number(g.y()),
                            QString::number(g.width()),
                            QString::number(g.height()),
                            QString::number(place->border.width()),
                            QString::number(place->border.height()),
                            QString::number(place->maximized ? 1 : 0)}
                    .join(u'\t') +
                QStringLiteral("\r\n");
    }
    try {
        const clsFileSystemObject fso;
        const QString fullPath = fso.GetFullPath(fileName());
        AtomicFileWriter writer(fullPath);
        writer.open();
        writer.write(text.toUtf8());
        writer.commit();
    } catch (const RuntimeError&) {
        // The places are a convenience: the program goes on without them.
    }
}

} // namespace WindowPlaces
