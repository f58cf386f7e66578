#pragma once

namespace brannock {

/// Lets a windowed program print on the console it was started from (--help, --version).
/// Windows starts such a program without one: it borrows its parent's console, when there
/// is one. Elsewhere the standard output is already the console; nothing to do.
void attachParentConsole();

} // namespace brannock
