#pragma once

#include "history/TExportWriter.h"

// Tab-separated text: the titles joined by TAB, then each row and each footer row on a line of
// its own, each line but the first beginning with CRLF (so the file ends without one). Nothing is
// quoted or escaped.
class TTextWriter final : public TExportWriter
{
public:
    QString extension() const override { return QStringLiteral("txt"); }

protected:
    void writePrefix() override;
    void writeTitles() override;
    void writeRow(int position) override;
    void writeFooter() override;

private:
    void beginLine();

    bool m_firstLine = true;
    QByteArray m_scratch;
};
