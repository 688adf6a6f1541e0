#pragma once

// What an official download button can do for the current draw.
enum class DownloadState {
    NoDraw,        // the draw-number box holds no draw
    NotHeld,       // the draw is marked as not held: there is nothing to download
    Missing,       // not stored yet
    ScheduleFirst, // the vote status is read against the stored schedule, which is missing
    HandEntered,   // a schedule typed by hand, which the download replaces
    Damaged,       // a stored file that does not read: set aside, then downloaded again
    Stored,        // stored: a stored document is never downloaded again
};

// A stored document is not downloaded again, and a draw that was not held has none.
constexpr bool downloadable(DownloadState state) {
    return state != DownloadState::Stored && state != DownloadState::NotHeld;
}
