/* Stand-in for the game's VT.exe, for trying Brannock out and for its tests:
   VT.exe -sp <volume> <file> appends the file (its name, size and bytes) to the volume.
   Faults: "torn" appends a few bytes and exits 1; "full" adds nothing and says "write
   failed", yet exits 0, as a tool on a full disk may. */
#include "StandIn.h"

#include <string.h>

int main(int argc, char **argv)
{
    long size = 0;
    unsigned char *bytes;
    const char *name;
    FILE *volume;
    if (argc != 4 || strcmp(argv[1], "-sp") != 0) {
        fprintf(stderr, "usage: VT.exe -sp <volume> <file>\n");
        return 2;
    }
    standInDelay();
    bytes = readWholeFile(argv[3], &size);
    if (!bytes) {
        printf("VT: cannot open %s\n", argv[3]);
        return 1;
    }
    name = strrchr(argv[3], '\\');
    name = name ? name + 1 : argv[3];
    volume = fopen(argv[2], "ab");
    if (volume && standInFault("torn", argv[3])) {
        fwrite(name, 1, strlen(name) < 3 ? strlen(name) : 3, volume);
        fclose(volume);
        return 1;
    }
    if (volume && standInFault("full", argv[3])) {
        fclose(volume);
        printf("VT: write failed\n");
        return 0;
    }
    if (!volume || fprintf(volume, "%s\n%ld\n", name, size) < 0
        || fwrite(bytes, 1, (size_t)size, volume) != (size_t)size || fclose(volume) != 0) {
        printf("VT: cannot write %s\n", argv[2]);
        return 1;
    }
    printf("VT: added %s to %s\n", name, argv[2]);
    return 0;
}
