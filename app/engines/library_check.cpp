// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#include "library_check.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QScopeGuard>
#include <QSet>
#include <QStringList>

#include <dlfcn.h>
#include <elf.h>
#include <link.h>

#include <cstring>
#include <optional>

namespace horavox {

namespace {

// The dynamic section of one object: what it needs and where it says to
// look. Empty when the file is not an ELF object of this process's kind.
struct Dynamic
{
    QStringList needed;
    QStringList runPath; // DT_RUNPATH, or DT_RPATH when there is none
    bool oldStyle = false; // DT_RPATH: looked in before LD_LIBRARY_PATH
};

template <typename T>
const T *at(const uchar *data, qint64 size, qint64 offset, qint64 count = 1)
{
    if (offset < 0 || count < 0 || offset > size || qint64(sizeof(T)) * count > size - offset)
        return nullptr;
    return reinterpret_cast<const T *>(data + offset);
}

std::optional<Dynamic> readDynamic(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return std::nullopt;
    const qint64 size = file.size();
    uchar *data = file.map(0, size);
    if (!data)
        return std::nullopt;
    // Not left mapped: a look must leave no trace of the object in the
    // process, as if it had been loaded.
    const auto unmap = qScopeGuard([&] { file.unmap(data); });
    const auto *eh = at<ElfW(Ehdr)>(data, size, 0);
    // This process's own class, byte order and machine: a 32-bit copy of a
    // library in a biarch folder is no use to it.
    static const ElfW(Half) kMachine = [] {
        QFile exe(QStringLiteral("/proc/self/exe"));
        ElfW(Ehdr) own{};
        if (exe.open(QIODevice::ReadOnly) && exe.read(reinterpret_cast<char *>(&own), sizeof own) == sizeof own)
            return own.e_machine;
        return ElfW(Half)(EM_NONE);
    }();
#if __ELF_NATIVE_CLASS == 64
    constexpr unsigned char kClass = ELFCLASS64;
#else
    constexpr unsigned char kClass = ELFCLASS32;
#endif
    if (!eh || std::memcmp(eh->e_ident, ELFMAG, SELFMAG) != 0 || eh->e_ident[EI_CLASS] != kClass
        || (kMachine != EM_NONE && eh->e_machine != kMachine) || eh->e_phentsize != sizeof(ElfW(Phdr)))
        return std::nullopt;
    const auto *ph = at<ElfW(Phdr)>(data, size, qint64(eh->e_phoff), eh->e_phnum);
    if (!ph)
        return std::nullopt;
    const ElfW(Phdr) *dynamic = nullptr;
    for (int i = 0; i < eh->e_phnum; ++i) {
        if (ph[i].p_type == PT_DYNAMIC)
            dynamic = &ph[i];
    }
    Dynamic result;
    if (!dynamic)
        return result; // linked statically: needs nothing
    // Addresses in the dynamic section are where the loader maps the file;
    // the loadable segments say where that is in the file.
    const auto fileOffset = [&](ElfW(Addr) address) -> qint64 {
        for (int i = 0; i < eh->e_phnum; ++i) {
            if (ph[i].p_type == PT_LOAD && address >= ph[i].p_vaddr && address < ph[i].p_vaddr + ph[i].p_filesz)
                return qint64(address - ph[i].p_vaddr + ph[i].p_offset);
        }
        return -1;
    };
    const qint64 count = qint64(dynamic->p_filesz / sizeof(ElfW(Dyn)));
    const auto *dyn = at<ElfW(Dyn)>(data, size, qint64(dynamic->p_offset), count);
    if (!dyn)
        return std::nullopt;
    qint64 strtab = -1, strsz = 0;
    QList<ElfW(Xword)> needed;
    std::optional<ElfW(Xword)> runpath, rpath;
    for (qint64 i = 0; i < count && dyn[i].d_tag != DT_NULL; ++i) {
        switch (dyn[i].d_tag) {
        case DT_STRTAB: strtab = fileOffset(dyn[i].d_un.d_ptr); break;
        case DT_STRSZ: strsz = qint64(dyn[i].d_un.d_val); break;
        case DT_NEEDED: needed << dyn[i].d_un.d_val; break;
        case DT_RUNPATH: runpath = dyn[i].d_un.d_val; break;
        case DT_RPATH: rpath = dyn[i].d_un.d_val; break;
        default: break;
        }
    }
    if (strtab < 0 || !at<char>(data, size, strtab, strsz))
        return std::nullopt;
    const auto string = [&](ElfW(Xword) offset) -> std::optional<QString> {
        if (qint64(offset) >= strsz)
            return std::nullopt;
        const char *s = reinterpret_cast<const char *>(data + strtab + qint64(offset));
        const size_t n = strnlen(s, size_t(strsz - qint64(offset)));
        if (qint64(offset) + qint64(n) >= strsz)
            return std::nullopt;
        return QString::fromLocal8Bit(s, qsizetype(n));
    };
    for (ElfW(Xword) n : needed) {
        const auto name = string(n);
        if (!name)
            return std::nullopt;
        result.needed << *name;
    }
    if (const auto paths = runpath ? runpath : rpath) {
        const auto text = string(*paths);
        if (!text)
            return std::nullopt;
        result.oldStyle = !runpath;
        const QString origin = QFileInfo(path).absolutePath();
        for (QString dir : text->split(QLatin1Char(':'), Qt::SkipEmptyParts)) {
            dir.replace(QLatin1String("${ORIGIN}"), origin).replace(QLatin1String("$ORIGIN"), origin);
            result.runPath << dir;
        }
    }
    return result;
}

// Where the linker looks after the run path: the folders the system's
// linker configuration names, then its built-in ones.
const QStringList &systemFolders()
{
    static const QStringList folders = [] {
        QStringList out;
        QStringList pending{QStringLiteral("/etc/ld.so.conf")};
        QSet<QString> read;
        while (!pending.isEmpty()) {
            const QString conf = pending.takeFirst();
            if (read.contains(conf))
                continue;
            read.insert(conf);
            QFile f(conf);
            if (!f.open(QIODevice::ReadOnly))
                continue;
            for (QString line : QString::fromLocal8Bit(f.readAll()).split(QLatin1Char('\n'))) {
                line = line.section(QLatin1Char('#'), 0, 0).trimmed();
                if (line.startsWith(QLatin1String("include "))) {
                    const QFileInfo pattern(line.mid(8).trimmed());
                    const QDir dir = pattern.absoluteDir();
                    for (const QString &name : dir.entryList({pattern.fileName()}, QDir::Files, QDir::Name))
                        pending << dir.filePath(name);
                } else if (!line.isEmpty()) {
                    out << line;
                }
            }
        }
        out << QStringLiteral("/lib") << QStringLiteral("/usr/lib") << QStringLiteral("/lib64")
            << QStringLiteral("/usr/lib64");
        return out;
    }();
    return folders;
}

bool inProcess(const QString &name)
{
    void *handle = ::dlopen(name.toLocal8Bit().constData(), RTLD_LAZY | RTLD_NOLOAD);
    if (!handle)
        return false;
    ::dlclose(handle);
    return true;
}

bool loadable(const QString &path, QSet<QString> &seen, QString *missing);

// Finds a needed library as the linker would and checks what it needs.
bool satisfied(const QString &name, const Dynamic &from, QSet<QString> &seen, QString *missing)
{
    if (name.contains(QLatin1Char('/')))
        return loadable(name, seen, missing);
    if (inProcess(name))
        return true;
    const QStringList environment = qEnvironmentVariable("LD_LIBRARY_PATH").split(QLatin1Char(':'), Qt::SkipEmptyParts);
    QStringList folders = from.oldStyle ? from.runPath + environment : environment + from.runPath;
    folders += systemFolders();
    for (const QString &folder : folders) {
        const QString candidate = QDir(folder).filePath(name);
        if (!QFileInfo(candidate).isFile())
            continue;
        // A file of the wrong kind is passed over, as the linker does.
        if (!readDynamic(candidate))
            continue;
        return loadable(candidate, seen, missing);
    }
    if (missing)
        *missing = name;
    return false;
}

bool loadable(const QString &path, QSet<QString> &seen, QString *missing)
{
    const QString canonical = QFileInfo(path).canonicalFilePath();
    if (canonical.isEmpty()) {
        if (missing)
            *missing = path;
        return false;
    }
    if (seen.contains(canonical))
        return true;
    seen.insert(canonical);
    const std::optional<Dynamic> dynamic = readDynamic(canonical);
    if (!dynamic) {
        if (missing)
            *missing = path;
        return false;
    }
    for (const QString &name : dynamic->needed) {
        if (!satisfied(name, *dynamic, seen, missing))
            return false;
    }
    return true;
}

} // namespace

bool sharedObjectLoadable(const QString &path, QString *missing)
{
    QSet<QString> seen;
    return loadable(path, seen, missing);
}

} // namespace horavox
