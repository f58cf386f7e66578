#include "platform/Console.h"

namespace brannock {

void attachParentConsole()
{
    // The standard output is already the console or wherever it was sent.
}

} // namespace brannock
