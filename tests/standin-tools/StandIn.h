/* Shared by the two stand-ins for the game's tools: reading a whole file, an optional
   delay (STANDIN_DELAY_MS) that lets tests stop a run while a tool is busy, and a fault a
   test can ask for (STANDIN_FAULT=<fault>:<text>: the tool misbehaves that way when the
   file it writes or adds holds <text>), as real tools misbehave. */
#ifndef STANDIN_H
#define STANDIN_H

#include <stdio.h>
#include <stdlib.h>
#include <string.h>
#include <windows.h>

static void standInDelay(void)
{
    const char *delay = getenv("STANDIN_DELAY_MS");
    if (delay && *delay)
        Sleep((DWORD)strtoul(delay, NULL, 10));
}

/* True when the test asked for `fault` on a run that names `file`. */
static int standInFault(const char *fault, const char *file)
{
    const char *asked = getenv("STANDIN_FAULT");
    size_t length = strlen(fault);
    return asked && strncmp(asked, fault, length) == 0 && asked[length] == ':' && strstr(file, asked + length + 1);
}

/* The bytes of `path` in a new buffer (size in *size), or NULL when it cannot be read. */
static unsigned char *readWholeFile(const char *path, long *size)
{
    FILE *file = fopen(path, "rb");
    unsigned char *bytes = NULL;
    if (!file)
        return NULL;
    if (fseek(file, 0, SEEK_END) == 0 && (*size = ftell(file)) >= 0 && fseek(file, 0, SEEK_SET) == 0) {
        bytes = malloc((size_t)*size + 1);
        if (bytes && fread(bytes, 1, (size_t)*size, file) != (size_t)*size) {
            free(bytes);
            bytes = NULL;
        }
    }
    fclose(file);
    return bytes;
}

#endif
