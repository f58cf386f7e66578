/* Stand-in for the game's MakeSkin.exe, for trying Brannock out and for its tests:
   MakeSkin.exe <palette> <source.bmp> <target.bmp> checks that the source is a Windows
   bitmap and writes it to the target, marked with the palette name. Faults: "half" writes
   half of the target and exits 1; "nothing" exits 0 having written nothing. */
#include "StandIn.h"

#include <string.h>

int main(int argc, char **argv)
{
    long size = 0;
    unsigned char *bytes;
    FILE *out;
    if (argc != 4) {
        fprintf(stderr, "usage: MakeSkin.exe <palette> <source.bmp> <target.bmp>\n");
        return 2;
    }
    standInDelay();
    bytes = readWholeFile(argv[2], &size);
    if (!bytes) {
        printf("MakeSkin: cannot open %s\n", argv[2]);
        return 1;
    }
    if (size < 2 || memcmp(bytes, "BM", 2) != 0) {
        printf("MakeSkin: %s is not a bitmap\n", argv[2]);
        return 1;
    }
    if (standInFault("nothing", argv[3]))
        return 0;
    if (standInFault("half", argv[3]))
        size /= 2;
    out = fopen(argv[3], "wb");
    if (!out || fwrite(bytes, 1, (size_t)size, out) != (size_t)size || fprintf(out, "%s", argv[1]) < 0
        || fclose(out) != 0) {
        printf("MakeSkin: cannot write %s\n", argv[3]);
        return 1;
    }
    if (standInFault("half", argv[3]))
        return 1;
    printf("MakeSkin: %s -> %s with palette %s\n", argv[2], argv[3], argv[1]);
    return 0;
}
