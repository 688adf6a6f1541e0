#include "web/ConnectionWindow.h"

namespace {
ConnectionWindow* installed = nullptr;
}

ConnectionWindow* ConnectionWindow::current() {
    return installed;
}

void ConnectionWindow::install(ConnectionWindow* window) {
    installed = window;
}
