#include "history/TExportWriter.h"

#include "history/TExcelWriter.h"
#include "history/THtmlWriter.h"
#include "history/TTextWriter.h"
#include "toolkit/TGridModel.h"

#include <QCoreApplication>
#include <QIODevice>

#include <stdexcept>

namespace {
constexpr qsizetype BlockSize = 256 * 1024;
}

TExportWriter::~TExportWriter() = default;

std::unique_ptr<TExportWriter> TExportWriter::forType(int type)
{
    switch (type) {
    case 2:
        return std::make_unique<TTextWriter>();
    case 3:
        return std::make_unique<THtmlWriter>();
    default:
        return std::make_unique<TExcelWriter>();
    }
}

QString TExportWriter::limitError(const TGridModel&) const
{
    return {};
}

void TExportWriter::write(QIODevice& device, const TGridModel& model)
{
    m_device = &device;
    m_model = &model;
    m_buffer.clear();
    m_buffer.reserve(BlockSize + 64 * 1024);
    writePrefix();
    if (model.options().showTitles)
        writeTitles();
    for (int position = 0; position < model.rowCount(); ++position) {
        writeRow(position);
        flushIfFull();
    }
    for (int footer = 0; footer < model.options().footerRows; ++footer)
        writeFooter();
    writeSuffix();
    flush();
    m_device = nullptr;
    m_model = nullptr;
}

void TExportWriter::flushIfFull()
{
    if (m_buffer.size() >= BlockSize)
        flush();
}

void TExportWriter::flush()
{
    if (m_buffer.isEmpty())
        return;
    // A short write is a failure too (a full disk, a size limit): the device may not report it.
    if (m_device->write(m_buffer) != m_buffer.size()) {
        QString text = m_device->errorString();
        if (text.isEmpty() || text == QCoreApplication::translate("QIODevice", "Unknown error"))
            text = QCoreApplication::translate("TExportWriter",
                                               "The file could not be written completely; the disk may be full.");
        throw std::runtime_error(text.toStdString());
    }
    m_buffer.clear();
}
