/* Prints the code pages a Windows program is given: the console (OEM) page in which the
   command interpreter reads batch files and the ANSI page of its command line. */
#include <stdio.h>
#include <windows.h>

int main(void)
{
    printf("OEMCP=%u ACP=%u\n", GetOEMCP(), GetACP());
    return 0;
}
