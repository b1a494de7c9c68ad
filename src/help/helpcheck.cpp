// budget-helpcheck FILE: reads every object of a compiled help file through chmlib and ends with
// status 0 when it got to the end. The program opens a help file only after this check passed:
// chmlib trusts the tables of the file it reads and some damage makes it crash, which then ends
// this process instead of the program.

#include "help/TChmFile.h"

#include <QFile>

#include <sys/resource.h>

int main(int argc, char** argv)
{
    if (argc != 2)
        return 64;
    // A crash here is an answer, not something to keep.
    const rlimit noCore{0, 0};
    setrlimit(RLIMIT_CORE, &noCore);
    return TChmFile::readsWhole(QFile::decodeName(argv[1])) ? 0 : 1;
}
