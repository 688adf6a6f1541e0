#pragma once

#include <QString>

// Saves one kind of file over and over in a child process and kills the child with SIGKILL at
// random moments; after every kill the file must be the complete previous or the complete new
// version, and leftovers of killed saves must not pile up. Returns false on the first damaged
// file. kind: "csv" (1 000 000 singles), "settings" (the program settings),
// "urls" (the URL settings) or "draw".
bool runKillTest(const QString& kind, int kills, const QString& folder);

// The child's side: saves the kind's file once (forever false) or alternating versions until
// killed. Returns the exit code.
int runSaver(const QString& kind, const QString& folder, bool forever);
