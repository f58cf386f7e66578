#include "platform/CodePage.h"

#include <windows.h>

namespace brannock {

CodePage CodePage::ansi()
{
    return byNumber(int(GetACP())).value_or(*byNumber(1252));
}

CodePage oemCodePage()
{
    return CodePage::byNumber(int(GetOEMCP())).value_or(*CodePage::byNumber(437));
}

} // namespace brannock
