// SPDX-FileCopyrightText: 2026 The Horavox developers
//
// SPDX-License-Identifier: GPL-3.0-or-later

#pragma once
#include <QString>

namespace horavox {

// Whether the dynamic linker could load the shared object at `path`: it is
// there, it is an ELF object of this process's kind, and every library it
// needs (and those need in turn) is either in the process already or found
// where the linker looks (the object's run path, LD_LIBRARY_PATH, the
// folders of /etc/ld.so.conf, the system's own). Nothing is loaded or run:
// a look at a few files' headers, cheap enough for the start. When false,
// `missing` names what is not there.
bool sharedObjectLoadable(const QString &path, QString *missing = nullptr);

} // namespace horavox
