#include "callinfo/StationImportCli.h"

#include <cstdio>

namespace StationImportCli {

int run(const QStringList &)
{
    std::fprintf(stderr, "brelog: importing stations is not available in this build\n");
    return 1;
}

}
