/* SPDX-License-Identifier: GPL-3.0-or-later */
/* The floor of a resave: reads a file in 64 KiB pieces, writes them to a new file in the same
   folder and renames that over the file. Nothing is parsed; no program that rewrites a file
   in place, safely, does less.
   usage: floor FILE */
#include <stdio.h>
#include <stdlib.h>
#include <string.h>

int main(int argc, char** argv) {
  if (argc != 2) {
    fprintf(stderr, "usage: floor FILE\n");
    return 2;
  }
  const size_t length = strlen(argv[1]);
  char* temporary = malloc(length + 5);
  if (!temporary)
    return 1;
  memcpy(temporary, argv[1], length);
  memcpy(temporary + length, ".new", 5);
  FILE* in = fopen(argv[1], "rb");
  FILE* out = fopen(temporary, "wb");
  if (!in || !out) {
    perror(argv[1]);
    return 1;
  }
  static char piece[1 << 16];
  size_t read;
  while ((read = fread(piece, 1, sizeof piece, in)) > 0)
    if (fwrite(piece, 1, read, out) != read) {
      perror(temporary);
      return 1;
    }
  if (ferror(in) || fclose(out) != 0 || rename(temporary, argv[1]) != 0) {
    perror(argv[1]);
    return 1;
  }
  fclose(in);
  free(temporary);
  return 0;
}
