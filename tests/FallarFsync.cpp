// SPDX-License-Identifier: GPL-3.0-or-later
// Loaded before the C library into a test's child process: every fsync
// fails as on a disk that cannot keep the data, so that the writer's path
// for that failure is run for real.

#include <cerrno>

extern "C" int fsync(int)
{
    errno = EIO;
    return -1;
}
