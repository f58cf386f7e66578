#include "platform/CodePage.h"

#include "platform/posix/WinePrefix.h"

namespace brannock {

CodePage CodePage::ansi()
{
    return *byNumber(1252);
}

CodePage oemCodePage()
{
    return *CodePage::byNumber(kWineRunOemCodePage);
}

} // namespace brannock
