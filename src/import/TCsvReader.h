#pragma once

#include "import/TCsvSettings.h"
#include "import/TStatement.h"

#include <QIODevice>
#include <QStringView>

// Reads a delimited bank statement file (CSV) with the settings of its bank.
class TCsvReader
{
public:
    static TStatement read(QIODevice& device, const TCsvSettings& settings);
    static TStatement read(const QByteArray& bytes, const TCsvSettings& settings);

    // The part of `text` between the lines skipped at the top and at the bottom (blank lines at the
    // end do not count), with the number of its first line and the last skipped line at the top.
    struct Body
    {
        QStringView text;
        int firstLine = 1;
        QStringView lastSkipped;
    };
    static Body body(QStringView text, int skipTop, int skipBottom);
};
