#pragma once

namespace brannock {

/// Lets a windowed program print on the console it was started from (--help, --version).
/// Windows starts such a program without one: unless its output was sent to a file or a
/// pipe, it borrows its parent's console, when there is one. Elsewhere the standard output
/// is already the console or wherever it was sent; nothing to do.
void attachParentConsole();

} // namespace brannock
