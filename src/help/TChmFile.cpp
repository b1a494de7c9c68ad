#include "help/TChmFile.h"

#include <QFile>
#include <QProcess>
#include <QtEndian>

#include <chm_lib.h>

namespace {

const char* const ControlData = "::DataSpace/Storage/MSCompressed/ControlData";
const char* const ResetTable =
    "::DataSpace/Storage/MSCompressed/Transform/{7FC28940-9D31-11D0-9B27-00A0C91E9C7C}/InstanceData/ResetTable";
const char* const Content = "::DataSpace/Storage/MSCompressed/Content";

// The longest the check program may take; one that has not finished by then counts as a failed check.
constexpr int CheckMs = 5000;

QString g_checkProgram;

// The largest object read whole; the program's help file is far smaller.
constexpr LONGUINT64 MaxObject = 64 * 1024 * 1024;

quint32 dword(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint32>(data.constData() + at);
}

quint64 qword(const QByteArray& data, qsizetype at)
{
    return qFromLittleEndian<quint64>(data.constData() + at);
}

bool isPowerOfTwo(quint64 n)
{
    return n != 0 && (n & (n - 1)) == 0;
}

// `compressedEnd`: where the decompressed data of the file ends; a compressed object said to lie
// beyond it would have chmlib read past its tables.
QByteArray readObject(chmFile* handle, const QByteArray& path, quint64 compressedEnd)
{
    chmUnitInfo unit{};
    if (chm_resolve_object(handle, path.constData(), &unit) != CHM_RESOLVE_SUCCESS || unit.length > MaxObject)
        return {};
    if (unit.space == CHM_COMPRESSED && (unit.start > compressedEnd || unit.length > compressedEnd - unit.start))
        return {};
    QByteArray data(qsizetype(unit.length), Qt::Uninitialized);
    if (unit.length == 0)
        return data;
    const LONGINT64 got =
        chm_retrieve_object(handle, &unit, reinterpret_cast<unsigned char*>(data.data()), 0, LONGINT64(unit.length));
    if (got != LONGINT64(unit.length))
        return {};
    return data;
}

int collectPath(chmFile*, chmUnitInfo* unit, void* context)
{
    static_cast<QStringList*>(context)->append(QString::fromUtf8(unit->path));
    return CHM_ENUMERATOR_CONTINUE;
}

// A zero-terminated string at the start of `data`.
QString cString(const QByteArray& data, qsizetype from = 0)
{
    const qsizetype end = data.indexOf('\0', from);
    return QString::fromUtf8(data.mid(from, end < 0 ? -1 : end - from));
}

} // namespace

TChmFile::TChmFile(chmFile* handle, const QString& path)
    : m_handle(handle)
    , m_path(path)
{}

TChmFile::~TChmFile()
{
    chm_close(m_handle);
}

std::unique_ptr<TChmFile> TChmFile::open(const QString& path)
{
    if (path.isEmpty() || !QFile::exists(path) || !vetted(path))
        return nullptr;
    return openHere(path);
}

void TChmFile::setCheckProgram(const QString& program)
{
    g_checkProgram = program;
}

bool TChmFile::readsWhole(const QString& path)
{
    const std::unique_ptr<TChmFile> file = openHere(path);
    if (!file)
        return false;
    for (const QString& object : std::as_const(file->m_files))
        file->read(object);
    return true;
}

bool TChmFile::vetted(const QString& path)
{
    // The check program reads the whole file in a process of its own; the file is opened here only
    // when it got to the end. A fresh process, not a fork of this one: a child forked from a program
    // with threads can hang on a lock that another thread held at the fork.
    if (g_checkProgram.isEmpty())
        return false;
    QProcess check;
    check.setProgram(g_checkProgram);
    check.setArguments({path});
    check.setStandardOutputFile(QProcess::nullDevice());
    check.setStandardErrorFile(QProcess::nullDevice());
    check.start();
    if (!check.waitForFinished(CheckMs)) {
        check.kill();
        check.waitForFinished();
        return false;
    }
    return check.exitStatus() == QProcess::NormalExit && check.exitCode() == 0;
}

std::unique_ptr<TChmFile> TChmFile::openHere(const QString& path)
{
    chmFile* handle = chm_open(QFile::encodeName(path).constData());
    if (!handle)
        return nullptr;
    std::unique_ptr<TChmFile> file(new TChmFile(handle, path));
    if (!file->load())
        return nullptr;
    return file;
}

bool TChmFile::load()
{
    chm_enumerate(m_handle, CHM_ENUMERATE_NORMAL | CHM_ENUMERATE_SPECIAL | CHM_ENUMERATE_FILES, collectPath, &m_files);
    for (const QString& f : std::as_const(m_files))
        m_byLowerPath.insert(f.toLower(), f);
    return compressionIsSound() && readSystem() && readContextMap();
}

bool TChmFile::compressionIsSound()
{
    // These tables sit uncompressed in the file; the decompressor trusts them, so they are checked
    // before any compressed page is read.
    const QByteArray control = readObject(m_handle, ControlData, 0);
    chmUnitInfo content{};
    const bool hasContent = chm_resolve_object(m_handle, Content, &content) == CHM_RESOLVE_SUCCESS;
    if (control.isEmpty() && !hasContent)
        return true; // nothing compressed
    if (!hasContent || control.size() < 24 || control.mid(4, 4) != "LZXC")
        return false;
    const quint32 version = dword(control, 8);
    quint64 resetInterval = dword(control, 12);
    quint64 windowSize = dword(control, 16);
    const quint32 windowsPerReset = dword(control, 20);
    if (version == 2) {
        resetInterval *= 0x8000;
        windowSize *= 0x8000;
    } else if (version != 1) {
        return false;
    }
    if (!isPowerOfTwo(windowSize) || windowSize < 0x8000 || windowSize > 0x200000)
        return false;
    if (resetInterval == 0 || resetInterval % (windowSize / 2) != 0 || windowsPerReset == 0)
        return false;

    const QByteArray table = readObject(m_handle, ResetTable, 0);
    if (table.size() < 40)
        return false;
    const quint32 blocks = dword(table, 4);
    const quint32 tableOffset = dword(table, 12);
    const quint64 uncompressedLength = qword(table, 16);
    const quint64 compressedLength = qword(table, 24);
    const quint64 blockLength = qword(table, 32);
    // LZX data comes in frames of 32 KiB.
    if (blockLength != 0x8000 || quint64(tableOffset) + quint64(blocks) * 8 > quint64(table.size()))
        return false;
    if (compressedLength > content.length)
        return false;
    quint64 previous = 0;
    for (quint32 i = 0; i < blocks; ++i) {
        const quint64 offset = qword(table, tableOffset + qsizetype(i) * 8);
        if (offset < previous || offset > compressedLength)
            return false;
        previous = offset;
    }
    // Every block of the decompressed data has its entry in the table.
    if (uncompressedLength > quint64(blocks) * blockLength)
        return false;
    m_compressedEnd = uncompressedLength;
    return true;
}

bool TChmFile::readSystem()
{
    const QByteArray system = readObject(m_handle, "/#SYSTEM", m_compressedEnd);
    if (system.size() < 4)
        return false;
    qsizetype at = 4;
    while (at + 4 <= system.size()) {
        const quint16 code = qFromLittleEndian<quint16>(system.constData() + at);
        const quint16 length = qFromLittleEndian<quint16>(system.constData() + at + 2);
        at += 4;
        if (at + length > system.size())
            return false;
        const QByteArray value = system.mid(at, length);
        switch (code) {
        case 0:
            m_contentsFile = normalized(cString(value));
            break;
        case 1:
            m_indexFile = normalized(cString(value));
            break;
        case 2:
            m_defaultTopic = normalized(cString(value));
            break;
        case 3:
            m_title = cString(value);
            break;
        default:
            break;
        }
        at += length;
    }
    return true;
}

bool TChmFile::readContextMap()
{
    const QByteArray ivb = readObject(m_handle, "/#IVB", m_compressedEnd);
    if (ivb.isEmpty())
        return true; // a file without context numbers
    const QByteArray strings = readObject(m_handle, "/#STRINGS", m_compressedEnd);
    if (ivb.size() < 4)
        return false;
    const quint32 length = dword(ivb, 0);
    if (length % 8 != 0 || length > quint64(ivb.size() - 4))
        return false;
    for (qsizetype at = 4; at < 4 + qsizetype(length); at += 8) {
        const int context = int(dword(ivb, at));
        const quint32 offset = dword(ivb, at + 4);
        if (offset >= quint64(strings.size()))
            return false;
        const QString topic = topicFromString(cString(strings, offset));
        if (!topic.isEmpty())
            m_contexts.insert(context, topic);
    }
    return true;
}

QString TChmFile::topicFromString(const QString& name) const
{
    if (name.isEmpty())
        return {};
    if (contains(name))
        return m_byLowerPath.value(normalized(name).toLower());
    const QString fileName = name.mid(std::max(name.lastIndexOf(u'/'), name.lastIndexOf(u'\\')) + 1);
    if (contains(fileName))
        return m_byLowerPath.value(normalized(fileName).toLower());
    const QString tail = u'/' + fileName.toLower();
    for (const QString& f : m_files)
        if (f.toLower().endsWith(tail))
            return f;
    return {};
}

bool TChmFile::contains(const QString& path) const
{
    return m_byLowerPath.contains(normalized(path).toLower());
}

QByteArray TChmFile::read(const QString& path) const
{
    if (!contains(path))
        return {};
    return readObject(m_handle, m_byLowerPath.value(normalized(path).toLower()).toUtf8(), m_compressedEnd);
}

QString TChmFile::topicOfContext(int context) const
{
    return m_contexts.value(context);
}

QString TChmFile::normalized(const QString& path)
{
    if (path.isEmpty() || path.startsWith(u'/'))
        return path;
    return u'/' + path;
}
