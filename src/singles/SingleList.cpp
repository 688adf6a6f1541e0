#include "singles/SingleList.h"

SingleList::SingleList(QObject* parent) : QObject(parent) {}

void SingleList::recountFrame() {
    const BusyScope busy(*this);
    // A list with a number that is no single has been reported; its frame stays as it was.
    clsTSingleFrame().GetSingleFrame(count(), m_singles, m_frame);
}

void SingleList::setChanged(bool changed) {
    m_changed = changed;
    Q_EMIT fileStateChanged();
}

void SingleList::replace(std::vector<qint32> singles) {
    m_singles = std::move(singles);
    recountFrame();
    Q_EMIT singlesReplaced();
}

void SingleList::edit(std::vector<qint32> singles, const SingleFrame& frame) {
    m_singles = std::move(singles);
    m_frame = frame;
    setChanged(true);
    Q_EMIT singlesReplaced();
}

bool SingleList::setSingle(qint32 position, qint32 single) {
    if (position < 0 || position >= count())
        return false;
    m_singles[static_cast<std::size_t>(position)] = single;
    setChanged(true);
    Q_EMIT singleChanged(position);
    return true;
}

void SingleList::setFrame(const SingleFrame& frame) {
    m_frame = frame;
    Q_EMIT frameChanged();
}

void SingleList::clear() {
    m_singles.clear();
    m_frame = SingleFrame{};
    m_currentFile.clear();
    setChanged(false);
    Q_EMIT cleared();
    Q_EMIT singlesReplaced();
}

void SingleList::setFile(const QString& path) {
    m_currentFile = path;
    setChanged(false);
}

void SingleList::detach() {
    m_currentFile.clear();
    setChanged(true);
}

void SingleList::markChanged() {
    setChanged(true);
}

void SingleList::setBusy(bool busy) {
    if (m_busy == busy)
        return;
    m_busy = busy;
    Q_EMIT busyChanged(busy);
}
