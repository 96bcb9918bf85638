// SPDX-License-Identifier: GPL-2.0-or-later
#pragma once

// A base for classes that own a resource (a window, a handle, a device, a
// lock) or that others point to: they can be neither copied nor assigned.
class NonCopyable {
protected:
    NonCopyable() = default;
    ~NonCopyable() = default;

public:
    NonCopyable(const NonCopyable&) = delete;
    NonCopyable& operator=(const NonCopyable&) = delete;
};
