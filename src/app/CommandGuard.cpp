#include "app/CommandGuard.h"

#include "base/AppInfo.h"
#include "base/ErrorReporter.h"
#include "base/Platform.h"
#include "singles/SingleList.h"

bool CommandGuard::busy() const {
    return m_list.isBusy();
}

void CommandGuard::report(const RuntimeError& error) {
    Platform::current().showMessage(ErrorReporter::runtimeErrorText(error), AppInfo::title(),
                                    MessageIcon::Error);
}
