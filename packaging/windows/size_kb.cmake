# The installed size the uninstall entry shows: the program's, in KiB.
file(SIZE ${EXE} bytes)
math(EXPR kib "(${bytes} + 1023) / 1024")
file(WRITE ${OUT} "!define SIZE_KB ${kib}\n")
