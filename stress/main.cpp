// The stress tool: the kill test of the saves and the bad-input measurements.
//   kelvor-stress kill KIND COUNT FOLDER   KIND: csv, settings, urls, draw
//   kelvor-stress bad FOLDER [NAME]   NAME: only the cases whose name holds it
// ("child" and "once" are the saving program's own modes.)
#include "BadInput.h"
#include "KillTest.h"

#include <QString>
#include <cstdio>
#include <cstring>

int main(int argc, char* argv[]) {
    const auto arg = [&](int i) { return QString::fromLocal8Bit(argv[i]); };
    if (argc == 4 && std::strcmp(argv[1], "child") == 0)
        return runSaver(arg(2), arg(3), true);
    if (argc == 4 && std::strcmp(argv[1], "once") == 0)
        return runSaver(arg(2), arg(3), false);
    if (argc == 5 && std::strcmp(argv[1], "kill") == 0)
        return runKillTest(arg(2), arg(3).toInt(), arg(4)) ? 0 : 1;
    if ((argc == 3 || argc == 4) && std::strcmp(argv[1], "bad") == 0)
        return runBadInput(arg(2), argc == 4 ? arg(3) : QString()) ? 0 : 1;
    std::fprintf(stderr, "usage: kelvor-stress kill csv|settings|urls|draw COUNT FOLDER\n"
                         "       kelvor-stress bad FOLDER [NAME]\n");
    return 2;
}
