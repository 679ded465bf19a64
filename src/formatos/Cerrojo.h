// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The lock under which copies of the program change a file they share: two
// students at two desks on one network folder, thirty on one terminal
// server, or two windows on one desk.
//
// It is the kernel's lock on the shared file itself (an open file
// description lock), not a lock file beside it: the kernel drops it when its
// holder dies, however it dies, so a killed copy never leaves the class
// waiting, and no copy has to guess whether a lock of another user's
// process is stale. It needs no file of its own, so it works in a folder
// where only the shared file may be written. A save replaces the file by a
// new one, locked before it takes the old one's place; a copy that got the
// lock on the file just replaced sees that the name leads elsewhere now and
// waits for the new file instead.

#include "formatos/Descriptor.h"

#include <QString>

#include <vector>

namespace formatos {

class Cerrojo {
public:
    static constexpr int kEsperaMs = 5000;

    // Waits up to `esperaMs` for the lock of `ruta`, making an empty file
    // there if there is none and `crear` (an empty file is what a missing
    // one means).
    explicit Cerrojo(const QString& ruta, int esperaMs = kEsperaMs, bool crear = true);

    bool tomado() const { return error_.isEmpty(); }
    // Why the lock could not be taken, in Spanish.
    const QString& error() const { return error_; }
    // Whether the file was made by taking the lock.
    bool creado() const { return creado_; }

    // Holds, until this lock is let go, the lock of the file that took the
    // locked one's place.
    void retener(Descriptor otro);

private:
    QString ocupado() const;

    Descriptor fd_;
    std::vector<Descriptor> retenidos_;
    QString error_;
    bool creado_ = false;
};

} // namespace formatos
