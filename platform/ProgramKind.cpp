#include "platform/ProgramKind.h"

#include "base/AppError.h"
#include "platform/FileListing.h"

#include <QFileInfo>

namespace brannock {

namespace {

constexpr quint16 MachineI386 = 0x14c;
constexpr quint16 MachineAmd64 = 0x8664;
constexpr quint16 MagicPe32 = 0x10b;
constexpr quint16 MagicPe32Plus = 0x20b;
constexpr quint16 ExecutableImage = 0x0002;
constexpr quint16 Dll = 0x2000;

quint32 readLe(QByteArrayView bytes, qsizetype at, int width)
{
    quint32 value = 0;
    for (int i = width - 1; i >= 0; --i)
        value = (value << 8) | quint8(bytes[at + i]);
    return value;
}

ProgramKind portableKind(QByteArrayView head, qsizetype pe)
{
    const qsizetype coff = pe + 4;
    if (coff + 22 > head.size())
        return ProgramKind::NotProgram; // cut off inside the headers
    const quint16 machine = quint16(readLe(head, coff, 2));
    const quint16 optionalSize = quint16(readLe(head, coff + 16, 2));
    const quint16 characteristics = quint16(readLe(head, coff + 18, 2));
    const quint16 magic = quint16(readLe(head, coff + 20, 2));
    if (!(characteristics & ExecutableImage) || (characteristics & Dll) || optionalSize < 2)
        return ProgramKind::NotProgram;
    if (machine == MachineI386)
        return magic == MagicPe32 ? ProgramKind::Win32 : ProgramKind::NotProgram;
    if (machine == MachineAmd64)
        return magic == MagicPe32Plus ? ProgramKind::Win64 : ProgramKind::NotProgram;
    return magic == MagicPe32 || magic == MagicPe32Plus ? ProgramKind::OtherMachine : ProgramKind::NotProgram;
}

void putLe(QByteArray &bytes, qsizetype at, quint64 value, int width)
{
    for (int i = 0; i < width; ++i)
        bytes[at + i] = char((value >> (8 * i)) & 0xff);
}

} // namespace

ProgramKind programKindOf(QByteArrayView head)
{
    head = head.first(qMin(head.size(), ProgramHeaderBytes));
    if (!head.startsWith("MZ"))
        return ProgramKind::NotProgram;
    if (head.size() < 0x40)
        return ProgramKind::Dos;
    // The offset of the Windows header sits at 0x3c; a DOS program has none there.
    const qsizetype next = qsizetype(readLe(head, 0x3c, 4));
    if (next + 4 > head.size())
        return ProgramKind::Dos;
    const QByteArrayView signature = head.sliced(next, 4);
    if (signature.startsWith("NE"))
        return ProgramKind::Win16;
    if (signature == QByteArrayView("PE\0\0", 4))
        return portableKind(head, next);
    return ProgramKind::Dos;
}

ProgramKind programKindOfFile(const QString &path)
{
    const QFileInfo info(path);
    if (!info.exists())
        return ProgramKind::Missing;
    if (!info.isFile())
        return ProgramKind::NotProgram; // a folder, pipe or device is never opened
    try {
        // Opened without waiting, should it have become a pipe since.
        return programKindOf(readFileStart(path, ProgramHeaderBytes));
    } catch (const AppError &) {
        return ProgramKind::Unreadable;
    }
}

QByteArray probeProgram(ProgramKind bits)
{
    const bool wide = bits != ProgramKind::Win32;
    // Layout: DOS header, "PE", file header, optional header, one section header, all in
    // the first 0x200 bytes; the code in the next 0x200, mapped at 0x1000.
    constexpr qsizetype Pe = 0x40, Coff = Pe + 4, Optional = Coff + 20, Code = 0x200;
    const quint16 optionalSize = wide ? 0xf0 : 0xe0;
    const qsizetype section = Optional + optionalSize;
    QByteArray image(0x400, '\0');

    image[0] = 'M';
    image[1] = 'Z';
    putLe(image, 0x3c, Pe, 4);
    image.replace(Pe, 4, QByteArray("PE\0\0", 4));

    putLe(image, Coff, wide ? MachineAmd64 : MachineI386, 2);
    putLe(image, Coff + 2, 1, 2); // sections
    putLe(image, Coff + 16, optionalSize, 2);
    // relocations stripped, executable; 32-bit machine or large addresses
    putLe(image, Coff + 18, wide ? 0x0023 : 0x0103, 2);

    qsizetype at = Optional;
    putLe(image, at, wide ? MagicPe32Plus : MagicPe32, 2);
    putLe(image, at + 4, 0x200, 4);     // size of code
    putLe(image, at + 16, 0x1000, 4);   // entry point
    putLe(image, at + 20, 0x1000, 4);   // base of code
    if (wide) {
        putLe(image, at + 24, 0x140000000ULL, 8);
        at += 32;
    } else {
        putLe(image, at + 24, 0x1000, 4); // base of data
        putLe(image, at + 28, 0x400000, 4);
        at += 32;
    }
    putLe(image, at, 0x1000, 4);     // section alignment
    putLe(image, at + 4, 0x200, 4);  // file alignment
    putLe(image, at + 8, 6, 2);      // operating system 6.0
    putLe(image, at + 16, 6, 2);     // subsystem 6.0
    putLe(image, at + 24, 0x2000, 4); // size of image
    putLe(image, at + 28, 0x200, 4);  // size of headers
    putLe(image, at + 36, 3, 2);      // console subsystem
    at += 40;
    const int word = wide ? 8 : 4;
    for (const quint64 size : {0x100000ULL, 0x1000ULL, 0x100000ULL, 0x1000ULL}) { // stack, heap
        putLe(image, at, size, word);
        at += word;
    }
    putLe(image, at + 4, 16, 4); // data directories, all empty
    Q_ASSERT(at + 8 + 16 * 8 == section);

    image.replace(section, 8, QByteArray(".text\0\0\0", 8));
    putLe(image, section + 8, 0x1000, 4);  // virtual size
    putLe(image, section + 12, 0x1000, 4); // virtual address
    putLe(image, section + 16, 0x200, 4);  // raw size
    putLe(image, section + 20, Code, 4);   // raw offset
    putLe(image, section + 36, 0x60000020, 4); // code, execute, read

    const char entry[] = {'\xb8', char(ProbeExitCode), 0, 0, 0, '\xc3'}; // mov eax, 42; ret
    image.replace(Code, int(sizeof entry), QByteArray(entry, sizeof entry));
    return image;
}

} // namespace brannock
