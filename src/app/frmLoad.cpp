#include "app/frmLoad.h"

#include "app/ProgramLogo.h"
#include "app/WindowGeometry.h"
#include "app/WindowPlaces.h"
#include "base/AppInfo.h"

#include <QGuiApplication>
#include <QHBoxLayout>
#include <QLabel>
#include <QScreen>
#include <QVBoxLayout>

frmLoad::frmLoad(QWidget* parent)
    : QWidget(parent, Qt::SplashScreen | Qt::FramelessWindowHint), m_copyright(new QLabel(this)) {
    setObjectName(QStringLiteral("frmLoad"));
    setAutoFillBackground(true);
    QPalette colours = palette();
    colours.setColor(QPalette::Window, Qt::white);
    setPalette(colours);

    auto* logo = new QLabel(this);
    logo->setPixmap(ProgramLogo::picture(96));
    auto* title = new QLabel(AppInfo::title(), this);
    QFont big = title->font();
    big.setPointSize(big.pointSize() + 12);
    big.setBold(true);
    title->setFont(big);
    title->setStyleSheet(QStringLiteral("color: rgb(0, 128, 64);"));
    m_copyright->setObjectName(QStringLiteral("lblCopyright"));
    m_copyright->setText(AppInfo::copyright());

    auto* texts = new QVBoxLayout;
    texts->addStretch();
    texts->addWidget(title);
    texts->addWidget(m_copyright);
    texts->addStretch();
    auto* layout = new QHBoxLayout(this);
    layout->setContentsMargins(24, 24, 24, 24);
    layout->addWidget(logo);
    layout->addSpacing(16);
    layout->addLayout(texts);
    setFixedSize(420, 180);
}

// The main window opens where it was left, else centred on the primary screen, the screen a new
// window of the desktop opens on: the splash stands in the middle of that screen, where the user
// looks for the program.
void frmLoad::centre() {
    const QRect left = WindowPlaces::remembered(QStringLiteral("main"));
    const QScreen* screen = left.isNull() ? nullptr : QGuiApplication::screenAt(left.center());
    if (screen == nullptr)
        screen = QGuiApplication::primaryScreen();
    move(WindowGeometry::centred(size(), screen->availableGeometry()).topLeft());
}
