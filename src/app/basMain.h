#pragma once

#include <memory>

class clsToto;
class frmMain;

// The program's start: the data-folder checks, the URL settings, the splash window and the main
// window.
namespace basMain {

// Runs the start procedure. The main window, open and shown; nullptr when a check failed (its
// message has been shown and nothing was written).
std::unique_ptr<frmMain> Main();

// The program-wide lottery constants, created by the start procedure.
const clsToto& Toto();

} // namespace basMain
