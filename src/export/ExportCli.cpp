#include "export/ExportCli.h"

#include <cstdio>

namespace ExportCli {

int run(const QString &, const QString &)
{
    std::fprintf(stderr, "brelog: exports are not available in this build\n");
    return 1;
}

}
