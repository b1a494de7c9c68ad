#pragma once

#include <QByteArray>
#include <QString>

#include <memory>

class QIODevice;
class TGridModel;

// Writes a grid to a file: its columns in their order, the title row, every row in the grid's
// current order (whatever is selected) and the footer rows. The text of a cell is the text the
// grid shows in it; footer values are the grid's exact footers. Output is streamed in blocks;
// texts are UTF-8, but for the Excel file's, which are in the encodings its format names.
class TExportWriter
{
public:
    virtual ~TExportWriter();

    // The writer of a file type as the save dialog offers them: 1 Excel, 2 text, 3 HTML.
    static std::unique_ptr<TExportWriter> forType(int type);

    // The file type's extension: "xls", "txt" or "htm".
    virtual QString extension() const = 0;
    // Why this grid cannot be written in this format; empty when it can.
    virtual QString limitError(const TGridModel& model) const;

    // Writes the whole grid to `device`. Throws std::runtime_error with the device's error text
    // when writing fails.
    void write(QIODevice& device, const TGridModel& model);

protected:
    TExportWriter() = default;

    virtual void writePrefix() {}
    virtual void writeTitles() = 0;
    virtual void writeRow(int position) = 0;
    virtual void writeFooter() = 0;
    virtual void writeSuffix() {}

    const TGridModel& model() const { return *m_model; }
    QByteArray& out() { return m_buffer; }
    // Hands the buffer to the device once it holds a block.
    void flushIfFull();

private:
    void flush();

    QIODevice* m_device = nullptr;
    const TGridModel* m_model = nullptr;
    QByteArray m_buffer;
};
